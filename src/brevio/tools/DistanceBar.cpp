#include "brevio/tools/DistanceBar.h"

#include "brevio/core/Locator.h"
#include "brevio/core/LocatorEdit.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/ui/BaseDialog.h"

#include <QAction>
#include <QActionEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <algorithm>
#include <QLabel>

namespace {
const QString kStationValue = QStringLiteral("Distance: Station");

// A gap of the given width between the bar's fields.
QWidget* Gap(QWidget* parent, int nWidth)
{
    auto* gap = new QWidget(parent);
    gap->setFixedWidth(nWidth);
    return gap;
}
} // namespace

QString CDistanceBar::FormatDistance(double dDistance, bool bKilometres)
{
    QString text = QString::asprintf("%.1f %s", dDistance, bKilometres ? "kms" : "miles");
    const int point = int(text.indexOf(QLatin1Char('.')));
    if (point > 3)
        text.insert(point - 3, QLatin1Char(','));
    return text;
}

CDistanceBar::Texts CDistanceBar::Compute(const QString& strOwn, const QString& strOther, bool bKilometres)
{
    const QString own = strOwn.toUpper();
    const QString other = strOther.toUpper();
    Texts texts;
    if (!IsValidLocator(own)) {
        texts.distance = QStringLiteral("Options ->");
        texts.heading = QStringLiteral("Invalid");
        return texts;
    }
    if (!IsValidLocator(other)) {
        texts.distance = texts.heading = QStringLiteral("Invalid");
        return texts;
    }
    double lon1 = 0, lat1 = 0, lon2 = 0, lat2 = 0, heading = 0, km = 0, miles = 0;
    LocatorToLatLong(own, lon1, lat1);
    LocatorToLatLong(other, lon2, lat2);
    GetDistanceAndBearing(lon1, lat1, lon2, lat2, heading, km, miles);
    texts.heading = QString::asprintf("Beam: %.1f", heading) + QChar(0xB0);
    texts.distance = FormatDistance(bKilometres ? km : miles, bKilometres);
    texts.caption = QStringLiteral("Distance from %1").arg(own);
    return texts;
}

CDistanceBar::CDistanceBar(QWidget* parent) : QToolBar(QStringLiteral("Distance Calculator"), parent)
{
    setProperty("controlId", kBarId);
}

CDistanceBar::~CDistanceBar() = default;

CDistanceBar* CDistanceBar::CreateForMainFrame(QWidget* parent)
{
    auto* bar = new CDistanceBar(parent);
    bar->SetupControls();
    return bar;
}

void CDistanceBar::SetupControls()
{
    if (m_pEdit)
        return;
    const QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    const QFontMetrics metrics(font);
    const int height = std::max(metrics.height() + 6, 20);
    // The field over the first slot (75 pixels), the distance over the
    // second and the heading over the third (95 each), 5 pixels in; wider
    // where the font needs it for the longest texts.
    const int editWidth = std::max(65, metrics.horizontalAdvance(QStringLiteral("WWWWWW")) + 12);
    const int staticWidth =
        std::max({85, metrics.horizontalAdvance(QStringLiteral("12,450.2 miles")) + 10,
                  metrics.horizontalAdvance(QStringLiteral("Beam: 359.9") + QChar(0xB0)) + 10});
    m_pEdit = new CLocatorEdit(this);
    SetDlgCtrlID(m_pEdit, IDC_LOCATOR);
    m_pEdit->setMaxLength(6);
    m_pEdit->setFont(font);
    m_pEdit->setFixedSize(editWidth, height);
    // Typed letters become capitals as they are typed.
    connect(m_pEdit, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString upper = text.toUpper();
        if (upper == text)
            return;
        const int caret = m_pEdit->cursorPosition();
        m_pEdit->setText(upper);
        m_pEdit->setCursorPosition(caret);
    });
    auto makeStatic = [this, &font, height, staticWidth](int nId) {
        auto* label = new QLabel(this);
        SetDlgCtrlID(label, unsigned(nId));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setFont(font);
        label->setFixedSize(staticWidth, height);
        return label;
    };
    m_pDistance = makeStatic(IDC_DISTANCE);
    m_pHeading = makeStatic(IDC_HEADING);
    addWidget(Gap(this, 5));
    addWidget(m_pEdit);
    addWidget(Gap(this, 10));
    addWidget(m_pDistance);
    addWidget(Gap(this, 10));
    addWidget(m_pHeading);
    addWidget(Gap(this, 5));

    const QString station = CRegistry().GetString(kStationValue);
    if (IsValidLocator(station))
        OnLocator(&station);
}

void CDistanceBar::OnLocator(const QString* pstrLocator)
{
    if (!m_pEdit)
        return;
    const CPSK31Settings& s = CurrentSettings();
    QString other;
    if (pstrLocator) {
        other = pstrLocator->toUpper();
        m_pEdit->setText(other);
    } else {
        other = m_pEdit->text().toUpper();
    }
    const Texts texts = Compute(s.m_strLocator, other, s.m_bLocUnits != 0);
    if (!texts.caption.isEmpty()) {
        setWindowTitle(texts.caption);
        CRegistry().WriteString(kStationValue, other);
    }
    m_pHeading->setText(texts.heading);
    m_pDistance->setText(texts.distance);
}

QString CDistanceBar::GetHeadingText() const
{
    return m_pHeading ? m_pHeading->text() : QString();
}

QString CDistanceBar::GetDistanceText() const
{
    return m_pDistance ? m_pDistance->text() : QString();
}

bool CDistanceBar::event(QEvent* e)
{
    if (auto* r = CRegisteredEvent::As(e, RegisteredMessage::nMsgLocator)) {
        OnLocator(reinterpret_cast<const QString*>(r->lParam()));
        r->SetResult(0);
        return true;
    }
    return QToolBar::event(e);
}

void CDistanceBar::actionEvent(QActionEvent* event)
{
    // The main frame's "Options" command sits on this bar as its last button.
    if (event->type() == QEvent::ActionAdded && event->action()->data().toInt() == 33572) {
        event->action()->setIconText(QStringLiteral("Options"));
        event->action()->setToolTip(QStringLiteral("Distance calculator options"));
    }
    QToolBar::actionEvent(event);
}
