#include "brevio/display/ColorButton.h"

#include "brevio/display/ColorPopup.h"
#include "shared/WinDraw.h"
#include "shared/ui/BaseDialog.h"

#include <QPainter>
#include <QStyleOptionButton>

using namespace winapi;

namespace {
// The system's edge sizes.
constexpr int kEdge = 2;
} // namespace

CColorButton::CColorButton(QWidget* parent)
    : QPushButton(parent), m_colDefault(fromQColor(palette().color(QPalette::Mid)))
{
    connect(this, &QPushButton::clicked, this, [this] { OnClicked(); });
}

CColorButton::~CColorButton() = default;

void CColorButton::SetColor(COLORREF colour)
{
    m_colour = colour;
    repaint();
}

CColorPopup* CColorButton::GetPopup() const
{
    return m_pPopup.data();
}

void CColorButton::SetDefaultColor(COLORREF colour)
{
    m_colDefault = colour;
    update();
}

void CColorButton::Notify(unsigned nMessage, COLORREF colour)
{
    emit notify(nMessage, colour, int(GetDlgCtrlID(this)));
}

void CColorButton::OnClicked()
{
    if (m_bPopupOpen && m_pPopup)
        return;
    m_bPopupOpen = true;
    const QPoint corner = mapToGlobal(QPoint(0, height()));
    m_pPopup = new CColorPopup(corner, m_colour, this, m_strDefaultText, m_strCustomText);
    connect(m_pPopup, &CColorPopup::notify, this,
            [this](unsigned nMessage, COLORREF colour, intptr_t) { OnPopupNotify(nMessage, colour); });
    Notify(ColourDropDown, m_colour);
    update();
}

void CColorButton::OnPopupNotify(unsigned nMessage, COLORREF colour)
{
    switch (nMessage) {
    case ColourSelEndOk: {
        m_bPopupOpen = false;
        const COLORREF before = m_colour;
        SetColor(colour);
        Notify(ColourCloseUp, colour);
        Notify(ColourSelEndOk, colour);
        if (before != colour)
            Notify(ColourSelChange, colour);
        break;
    }
    case ColourSelEndCancel:
        m_bPopupOpen = false;
        SetColor(colour);
        Notify(ColourCloseUp, colour);
        Notify(ColourSelEndCancel, colour);
        break;
    case ColourSelChange:
        if (m_bTrackSelection)
            SetColor(colour);
        Notify(ColourSelChange, colour);
        break;
    default:
        break;
    }
}

void CColorButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QStyleOptionButton option;
    option.initFrom(this);
    const bool pushed = isDown() || m_bPopupOpen;
    if (pushed)
        option.state |= QStyle::State_Sunken;
    else
        option.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &p, this);

    QRect r = rect();
    if (pushed)
        r.translate(1, 1);
    if (hasFocus() || m_bPopupOpen) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -4, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
    }
    r.adjust(kEdge, kEdge, -kEdge, -kEdge);

    // The drop-down arrow: 4 pixels wide and 2 high at the right.
    const bool enabled = isEnabled();
    const QColor arrowColour = enabled ? QColor(Qt::black) : palette().color(QPalette::Disabled, QPalette::Text);
    const int arrowRight = Right(r) - kEdge / 2;
    const int arrowLeft = arrowRight - 4;
    const int arrowTop = r.y() + (r.height() - 2) / 2;
    QPolygon arrow({QPoint(arrowLeft, arrowTop), QPoint(arrowRight, arrowTop), QPoint(arrowLeft + 2, arrowTop + 2)});
    p.setPen(arrowColour);
    p.setBrush(arrowColour);
    p.drawPolygon(arrow);

    // An etched separator, then the swatch.
    const int separator = arrowLeft - kEdge / 2 - 2;
    p.setPen(toQColor(GetSysColor(COLOR_BTNSHADOW)));
    p.drawLine(separator, r.y() + 1, separator, Bottom(r) - 2);
    p.setPen(toQColor(GetSysColor(COLOR_BTNHIGHLIGHT)));
    p.drawLine(separator + 1, r.y() + 1, separator + 1, Bottom(r) - 2);
    if (!enabled)
        return;
    QRect swatch = RectLTRB(r.x() + 1, r.y() + 1, separator - (2 * kEdge + 1), Bottom(r) - 1);
    if (swatch.width() <= 0 || swatch.height() <= 0)
        return;
    p.setPen(Qt::black);
    p.setBrush(toQColor(GetShownColor()));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
}
