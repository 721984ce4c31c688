#include "corvane/core/AboutDialog.h"

#include "shared/VersionInfo.h"
#include "shared/artwork/ToolbarIcons.h"
#include "shared/WinTypes.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/RotBevelLine.h"

#include <QApplication>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTimerEvent>

namespace {
QLabel* label(QWidget* parent, unsigned nId, const QString& text, const QRect& rect)
{
    auto* l = new QLabel(text, parent);
    l->setProperty("controlId", nId);
    l->setGeometry(rect);
    l->setWordWrap(true);
    return l;
}

COLORREF colourRef(const QColor& c)
{
    return RGB(c.red(), c.green(), c.blue());
}
} // namespace

const QStringList& CAboutDialog::Credits()
{
    static const QStringList lines{
        QStringLiteral("Written by QT9XVK"),
        QStringLiteral("Radio control for the Yaesu FT-817"),
        QStringLiteral("Thanks to the users' group for testing"),
        QStringLiteral("Thanks to everyone who reported a fault"),
        QStringLiteral("Band plans after the amateur radio societies"),
        QStringLiteral("User interface built with Qt"),
        QStringLiteral("Serial link through Qt Serial Port"),
        QStringLiteral("Speech by the Flite engine"),
        QStringLiteral("Charts drawn with Qt Charts"),
        QStringLiteral("Tell us what you would like to see next"),
        QStringLiteral("73 and good DX"),
    };
    return lines;
}

CAboutDialog::CAboutDialog(QWidget* pParent) : QDialog(pParent)
{
    setProperty("dialogId", 100);
    const CVersionInfo version;
    setWindowTitle(QStringLiteral("About %1").arg(version.GetProductName()));
    resize(420, 310);

    auto* bevel = new cdxCRotBevelLine(QStringLiteral("%1 %2").arg(version.GetProductName(), version.GetSpecialBuild()),
                                       this);
    bevel->setProperty("controlId", 1113);
    bevel->setGeometry(12, 10, 396, 22);
    // Which version this is: what a report of a fault has to name.
    QLabel* versionLine = label(this, 0, version.GetVersion(), QRect(12, 38, 340, 20));
    versionLine->setObjectName(QStringLiteral("version"));
    label(this, 1114, QStringLiteral("Build date: %1").arg(version.GetBuildDate()), QRect(12, 58, 340, 20));
    label(this, 1116, version.GetLegalCopyright(), QRect(12, 80, 340, 20));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("applicationIcon"));
    icon->setPixmap(artwork::applicationIcon().pixmap(48, 48));
    icon->setGeometry(360, 38, 48, 48);
    label(this, 1115,
          QStringLiteral("This program is provided as it is, without warranty of any kind. A licence is needed to "
                         "transmit: the operator is responsible for every transmission made with it."),
          QRect(12, 106, 396, 52));
    label(this, 1418, QStringLiteral("Yaesu and FT-817 are trademarks of their owner, the maker of the transceiver."),
          QRect(12, 160, 396, 36));

    m_pCredits = new CColourStatic(this);
    m_pCredits->setProperty("controlId", 106);
    m_pCredits->setGeometry(12, 204, 396, 52);
    m_pCredits->setAlignment(Qt::AlignCenter);
    const QPalette palette = QApplication::palette();
    m_pCredits->SetColours(colourRef(palette.color(QPalette::Highlight)),
                           colourRef(palette.color(QPalette::HighlightedText)));
    m_pCredits->setText(Credits().first());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setProperty("controlId", 1);
    ok->setGeometry(308, 268, 100, 30);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_timer.start(2000, this);
}

void CAboutDialog::NextCredit()
{
    m_nCredit = (m_nCredit + 1) % int(Credits().size());
    m_pCredits->setText(Credits()[m_nCredit]);
    m_pCredits->update();
}

void CAboutDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId())
        NextCredit();
    else
        QDialog::timerEvent(event);
}
