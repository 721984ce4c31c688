#include "brevio/core/AboutDialog.h"

#include "shared/VersionInfo.h"
#include "shared/artwork/ToolbarIcons.h"

#include <QLabel>
#include <QPushButton>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <algorithm>

QStringList CAboutDialog::CreditLines()
{
    return {QStringLiteral("PSK31 by Peter Martinez, G3PLX"),
            QStringLiteral("Varicode and the PSK31 idea: thank you, Peter"),
            QStringLiteral("Tested on the air by many patient operators"),
            QStringLiteral("73 and good DX")};
}

CAboutDialog::CAboutDialog(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    const CVersionInfo version;
    setWindowTitle(QStringLiteral("About %1").arg(version.GetProductName()));
    auto* layout = new QVBoxLayout(this);
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("applicationIcon"));
    icon->setPixmap(artwork::applicationIcon().pixmap(48, 48));
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    auto add = [&](int id, const QString& text) {
        auto* label = new QLabel(text, this);
        label->setObjectName(QString::number(id));
        label->setWordWrap(true);
        layout->addWidget(label);
        return label;
    };
    add(1113, QStringLiteral("%1 %2").arg(version.GetVersion(), version.GetSpecialBuild()).trimmed());
    add(1114, QStringLiteral("Build date: %1").arg(version.GetBuildDate()));
    add(1116, version.GetLegalCopyright());
    add(1115, QStringLiteral("This program is provided as is, without warranty of any kind. Use it at your own "
                             "risk and within the terms of your licence."));
    m_pCredits = add(106, CreditLines().first());
    m_pCredits->setAlignment(Qt::AlignCenter);
    // One line wide enough for every credit: a change of credit moves nothing.
    m_pCredits->setWordWrap(false);
    int widest = 0;
    for (const QString& line : CreditLines())
        widest = std::max(widest, m_pCredits->fontMetrics().horizontalAdvance(line));
    m_pCredits->setMinimumWidth(widest + 2 * m_pCredits->fontMetrics().averageCharWidth());
    m_pCredits->setAutoFillBackground(true);
    QPalette p = m_pCredits->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Highlight));
    p.setColor(QPalette::WindowText, p.color(QPalette::HighlightedText));
    m_pCredits->setPalette(p);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    layout->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    // The box is as large as its texts need, at whatever font.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetFixedFrame();
    m_nTimer = startTimer(3000);
}

CAboutDialog::~CAboutDialog() = default;

void CAboutDialog::NextCredit()
{
    const QStringList lines = CreditLines();
    m_nCredit = (m_nCredit + 1) % int(lines.size());
    m_pCredits->setText(lines[m_nCredit]);
}

void CAboutDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_nTimer)
        NextCredit();
    else
        CBaseDialog::timerEvent(event);
}
