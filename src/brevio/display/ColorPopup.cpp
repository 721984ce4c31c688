#include "brevio/display/ColorPopup.h"

#include "brevio/display/ColorButton.h"
#include "platform/Prompter.h"
#include "shared/WinDraw.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

using namespace winapi;

namespace {
// The system's edge width.
constexpr int kEdge = 2;

COLORREF Face() { return GetSysColor(COLOR_BTNFACE); }
COLORREF Highlight() { return GetSysColor(COLOR_BTNHIGHLIGHT); }
COLORREF Shadow() { return GetSysColor(COLOR_BTNSHADOW); }
COLORREF Light() { return fromQColor(QApplication::palette().color(QPalette::Midlight)); }

void RaisedInner(QPainter& p, const QRect& r) { Draw3dRect(&p, r, Highlight(), Shadow()); }
void SunkenOuter(QPainter& p, const QRect& r) { Draw3dRect(&p, r, Shadow(), Highlight()); }
} // namespace

CColorPopup::CColorPopup(QPoint screenPoint, COLORREF colour, CColorButton* pOwner, const QString& strAutoText,
                         const QString& strMoreText)
    : QWidget(pOwner, Qt::Popup), m_pOwner(pOwner), m_strAutoText(strAutoText), m_strMoreText(strMoreText),
      m_colInitial(colour), m_colour(colour)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    setFont(QApplication::font());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(Face()));
    setPalette(pal);
    setAutoFillBackground(true);

    const QFontMetrics fm(font());
    QSize text(0, 0);
    for (const QString& s : {m_strAutoText, m_strMoreText})
        if (!s.isEmpty())
            text = text.expandedTo(QSize(fm.horizontalAdvance(s), fm.height()));
    const QScreen* screen = QGuiApplication::screenAt(screenPoint);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    m_pLayout = std::make_unique<CColorPopupLayout>(
        kEdge, CColorPopupLayout::TableSize(), !m_strAutoText.isEmpty(), !m_strMoreText.isEmpty(), text, screenPoint,
        screen ? screen->availableGeometry() : QRect(), pOwner ? pOwner->height() : 0);
    setGeometry(m_pLayout->WindowRect());

    if (colour == CLR_DEFAULT && m_pLayout->HasAuto())
        m_nChosen = CColorPopupLayout::kAutoCell;
    else if ((m_nChosen = FindCell(colour)) == CColorPopupLayout::kNoCell && m_pLayout->HasMore())
        m_nChosen = CColorPopupLayout::kMoreCell;
    show();
    setFocus(Qt::PopupFocusReason);
}

CColorPopup::~CColorPopup() = default;

int CColorPopup::FindCell(COLORREF colour) const
{
    for (int i = 0; i < m_pLayout->GetColourCount(); ++i)
        if (CColorPopupLayout::TableEntry(i).colour == colour)
            return i;
    return CColorPopupLayout::kNoCell;
}

void CColorPopup::ChangeSelection(int nIndex)
{
    if (nIndex > m_pLayout->GetColourCount())
        nIndex = CColorPopupLayout::kMoreCell;
    m_nCurrent = nIndex;
    update();
    COLORREF shown = m_colInitial;
    if (nIndex == CColorPopupLayout::kAutoCell)
        shown = m_colour = CLR_DEFAULT;
    else if (nIndex >= 0 && nIndex < m_pLayout->GetColourCount())
        shown = m_colour = CColorPopupLayout::TableEntry(nIndex).colour;
    emit notify(CColorButton::ColourSelChange, shown, 0);
}

void CColorPopup::EndSelection(unsigned nMessage)
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    if (nMessage == CColorButton::ColourSelEndOk && m_nCurrent == CColorPopupLayout::kMoreCell) {
        // The chooser needs the screen and the mouse: the popup steps aside.
        m_bColourDialogOpen = true;
        hide();
        const std::optional<QColor> chosen = platform::Prompter::instance().colour(
            m_pOwner ? m_pOwner->window() : nullptr, toQColor(m_colInitial), QString());
        if (chosen)
            m_colour = fromQColor(*chosen);
        else
            nMessage = CColorButton::ColourSelEndCancel;
        m_bColourDialogOpen = false;
    }
    if (nMessage == CColorButton::ColourSelEndCancel)
        m_colour = m_colInitial;
    emit notify(nMessage, m_colour, 0);
    close();
}

void CColorPopup::mousePressEvent(QMouseEvent* event)
{
    // The release decides; a press outside must not close the popup first.
    event->accept();
}

void CColorPopup::mouseMoveEvent(QMouseEvent* event)
{
    const int index = m_pLayout->HitTest(event->position().toPoint());
    if (index == CColorPopupLayout::kNoCell || index == m_nCurrent)
        return;
    ChangeSelection(index);
}

void CColorPopup::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool inside = rect().contains(event->position().toPoint());
    EndSelection(inside ? CColorButton::ColourSelEndOk : CColorButton::ColourSelEndCancel);
}

void CColorPopup::keyPressEvent(QKeyEvent* event)
{
    using Key = CColorPopupLayout::Key;
    const int from = m_nCurrent != CColorPopupLayout::kNoCell ? m_nCurrent : m_nChosen;
    switch (event->key()) {
    case Qt::Key_Down:
        ChangeSelection(m_pLayout->Navigate(from, Key::Down));
        break;
    case Qt::Key_Up:
        ChangeSelection(m_pLayout->Navigate(from, Key::Up));
        break;
    case Qt::Key_Right:
        ChangeSelection(m_pLayout->Navigate(from, Key::Right));
        break;
    case Qt::Key_Left:
        ChangeSelection(m_pLayout->Navigate(from, Key::Left));
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        EndSelection(CColorButton::ColourSelEndOk);
        break;
    case Qt::Key_Escape:
        m_colour = m_colInitial;
        EndSelection(CColorButton::ColourSelEndCancel);
        break;
    default:
        QWidget::keyPressEvent(event);
        break;
    }
}

void CColorPopup::closeEvent(QCloseEvent* event)
{
    // Closed from outside (another window took over): the choice is cancelled,
    // so the button never stays marked open.
    if (!m_bEnded && !m_bColourDialogOpen) {
        m_bEnded = true;
        m_colour = m_colInitial;
        emit notify(CColorButton::ColourSelEndCancel, m_colour, 0);
    }
    QWidget::closeEvent(event);
}

bool CColorPopup::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = m_pLayout->HitTest(help->pos());
        if (index >= 0)
            QToolTip::showText(help->globalPos(), QString::fromLatin1(CColorPopupLayout::TableEntry(index).name),
                               this, m_pLayout->CellRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}

void CColorPopup::DrawCell(QPainter& p, int nIndex)
{
    const int m = m_pLayout->GetMargin();
    const QRect cell = m_pLayout->CellRect(nIndex);
    const bool current = nIndex == m_nCurrent;
    const bool chosen = nIndex == m_nChosen;
    if (nIndex == CColorPopupLayout::kAutoCell || nIndex == CColorPopupLayout::kMoreCell) {
        const bool more = nIndex == CColorPopupLayout::kMoreCell;
        QRect r = cell;
        if (more) {
            r.setTop(r.top() + 2 * m);
            p.setPen(toQColor(Shadow()));
            p.drawLine(2 * m, cell.top(), width() - 2 * m - 1, cell.top());
            p.setPen(toQColor(Highlight()));
            p.drawLine(2 * m, cell.top() + 1, width() - 2 * m - 1, cell.top() + 1);
        }
        FillSolidRect(&p, r, Face());
        const QRect inner = r.adjusted(1, 1, -1, -1);
        FillSolidRect(&p, inner, chosen && !current ? Light() : Face());
        if (!more) {
            const QRect outline = inner.adjusted(2 * m, 2 * m, -2 * m, -2 * m);
            p.setPen(toQColor(Shadow()));
            p.setBrush(Qt::NoBrush);
            p.drawRect(outline.adjusted(0, 0, -1, -1));
        }
        if (current)
            RaisedInner(p, r);
        if (chosen)
            SunkenOuter(p, r);
        p.setPen(palette().color(QPalette::ButtonText));
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, more ? m_strMoreText : m_strAutoText);
        return;
    }
    FillSolidRect(&p, cell, chosen && !current ? Highlight() : Face());
    if (current)
        RaisedInner(p, cell);
    if (chosen)
        SunkenOuter(p, cell);
    const QRect swatch = cell.adjusted(m + 1, m + 1, -(m + 1), -(m + 1));
    p.setPen(toQColor(Shadow()));
    p.setBrush(toQColor(CColorPopupLayout::TableEntry(nIndex).colour));
    p.drawRect(swatch.adjusted(0, 0, -1, -1));
}

void CColorPopup::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_pLayout->HasAuto())
        DrawCell(p, CColorPopupLayout::kAutoCell);
    for (int i = 0; i < m_pLayout->GetColourCount(); ++i)
        DrawCell(p, i);
    if (m_pLayout->HasMore())
        DrawCell(p, CColorPopupLayout::kMoreCell);
    // A raised edge round the whole popup.
    Draw3dRect(&p, rect(), Light(), RGB(0, 0, 0));
    Draw3dRect(&p, rect().adjusted(1, 1, -1, -1), Highlight(), Shadow());
}
