#include "shared/shortcutbar/OXSHBEdit.h"

#include "shared/WinDraw.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

using namespace winapi;

COXSHBEdit::COXSHBEdit()
{
    m_clrBackground = GetSysColor(COLOR_WINDOW);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    document()->setDocumentMargin(1);
    connect(this, &QPlainTextEdit::textChanged, this, &COXSHBEdit::onTextUpdated);
    QWidget::hide();
}

COXSHBEdit::~COXSHBEdit()
{
    if (holdsCapture())
        viewport()->releaseMouse();
}

bool COXSHBEdit::Create(uint32_t dwStyle, const QRect& rect, QWidget* pParent, unsigned nId)
{
    if (!pParent)
        return false;
    if (parentWidget() != pParent)
        setParent(pParent);
    m_dwStyle = dwStyle;
    m_nId = nId;
    ShbSetControlId(this, nId);
    setGeometry(rect);
    applyStyle();
    QWidget::hide();
    m_bCreated = true;
    return true;
}

bool COXSHBEdit::VerifyDisplayInfo(const SHBE_DISPLAY* pSHBED) const
{
    if (!pSHBED)
        return false;
    const unsigned mask = pSHBED->nMask;
    // COXSHBEdit::VerifyDisplayInfo: unspecified mask used
    if (mask & ~0x3FFu)
        return false;
    // enlargement as typing is specified while max rect is not
    if ((mask & SHBEM_GROWWHILETYPING) && !(mask & SHBEM_MAXRECT))
        return false;
    if (mask & SHBEM_SELECTION) {
        const int start = pSHBED->ptSelectionStart;
        const int end = pSHBED->ptSelectionEnd;
        if (!((start == 0 && end == -1) || start == -1)) {
            const int len = int((mask & SHBEM_TEXT) ? pSHBED->lpText.size() : toPlainText().size());
            // invalid selection range
            if (start >= len || end >= len)
                return false;
        }
    }
    // empty display rect specified
    if (mask & SHBEM_DISPLAYRECT) {
        if (IsRectEmpty(pSHBED->rectDisplay))
            return false;
    } else if (IsRectEmpty(rect())) {
        return false;
    }
    // display rect is bigger than specified max rect
    if ((mask & SHBEM_MAXRECT) && !RectInside(pSHBED->rectDisplay, pSHBED->rectMax))
        return false;
    // max rect doesn't include min rect
    if ((mask & SHBEM_MINRECT) && (mask & SHBEM_MAXRECT) && !RectInside(pSHBED->rectMin, pSHBED->rectMax))
        return false;
    // min rect mustn't be empty
    if ((mask & SHBEM_MINRECT) && IsRectEmpty(pSHBED->rectMin))
        return false;
    return true;
}

bool COXSHBEdit::StartEdit(LPSHBE_DISPLAY pSHBED)
{
    if (pSHBED && !VerifyDisplayInfo(pSHBED))
        return false; // COXSHBEdit::StartEdit: LPSHBE_DISPLAY is invalid
    if (!m_bCreated || !parentWidget())
        return false; // failed to destroy window

    uint32_t dwStyle = m_dwStyle;
    QString text = toPlainText();
    QRect rectWindow = geometry();

    if (pSHBED) {
        if (!m_pDisplayInfo)
            m_pDisplayInfo = std::make_unique<SHBE_DISPLAY>();
        *m_pDisplayInfo = *pSHBED;
        const unsigned mask = pSHBED->nMask;
        if (mask & SHBEM_TEXT)
            text = pSHBED->lpText;
        if (mask & SHBEM_DISPLAYRECT)
            rectWindow = pSHBED->rectDisplay;
        if (mask & SHBEM_STYLE)
            dwStyle = pSHBED->dwStyle;
        if (mask & SHBEM_FONT) {
            m_font.reset();
            if (pSHBED->pFont)
                m_font = *pSHBED->pFont;
        }
        if (mask & SHBEM_MINRECT) {
            const QRect& mn = pSHBED->rectMin;
            rectWindow = RectLTRB(std::min(rectWindow.x(), mn.x()), std::min(rectWindow.y(), mn.y()),
                                  std::max(Right(rectWindow), Right(mn)), std::max(Bottom(rectWindow), Bottom(mn)));
        }
    } else {
        m_pDisplayInfo.reset();
    }

    // A fresh control for every edit: style, contents and colours start anew.
    const QSignalBlocker blocker(this);
    m_bEditing = false;
    m_dwStyle = dwStyle;
    applyStyle();
    setGeometry(rectWindow);
    setFont(m_font ? *m_font : QApplication::font(this));
    setPlainText(text);
    document()->clearUndoRedoStacks();
    if (m_pDisplayInfo && (m_pDisplayInfo->nMask & SHBEM_BKCOLOUR))
        m_clrBackground = m_pDisplayInfo->clrBack;
    applyColours();

    QTextCursor cursor(document());
    if (m_pDisplayInfo && (m_pDisplayInfo->nMask & SHBEM_SELECTION)) {
        const int start = m_pDisplayInfo->ptSelectionStart;
        const int end = m_pDisplayInfo->ptSelectionEnd;
        const int len = int(toPlainText().size());
        if (start == -1) {
            cursor.movePosition(QTextCursor::End);
        } else if (end == -1) {
            cursor.setPosition(std::min(start, len));
            cursor.setPosition(len, QTextCursor::KeepAnchor);
        } else {
            cursor.setPosition(std::min(start, len));
            cursor.setPosition(std::min(end, len), QTextCursor::KeepAnchor);
        }
    } else {
        cursor.movePosition(QTextCursor::End);
    }
    setTextCursor(cursor);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);

    m_bEditing = true;
    m_bWantCapture = true;
    show();
    raise();
    setFocus(Qt::OtherFocusReason);
    if (hasFocus() && !holdsCapture())
        viewport()->grabMouse();
    return true;
}

void COXSHBEdit::FinishEdit(bool bSave)
{
    const bool wasEditing = m_bEditing;
    m_bEditing = false;
    m_bWantCapture = false;
    if (holdsCapture())
        viewport()->releaseMouse();
    if (wasEditing) {
        SHBE_ENDEDIT endEdit;
        endEdit.hwndFrom = this;
        endEdit.idFrom = m_nId;
        endEdit.code = SHBEN_ENDEDIT;
        endEdit.bSave = bSave;
        SendShbMessage(parentWidget(), WM_NOTIFY, m_nId, reinterpret_cast<intptr_t>(&endEdit));
    }
    QWidget::hide();
}

void COXSHBEdit::applyStyle()
{
    setFrameShape((m_dwStyle & WS_BORDER) ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(1);
    if (m_dwStyle & ES_MULTILINE)
        setLineWrapMode(QPlainTextEdit::WidgetWidth);
    else
        setLineWrapMode(QPlainTextEdit::NoWrap);
    QTextOption option = document()->defaultTextOption();
    Qt::Alignment align = Qt::AlignLeft;
    if (m_dwStyle & ES_CENTER)
        align = Qt::AlignHCenter;
    else if (m_dwStyle & ES_RIGHT)
        align = Qt::AlignRight;
    option.setAlignment(align);
    option.setWrapMode((m_dwStyle & ES_MULTILINE) ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
    document()->setDefaultTextOption(option);
}

void COXSHBEdit::applyColours()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, toQColor(m_clrBackground));
    if (m_pDisplayInfo && (m_pDisplayInfo->nMask & SHBEM_TEXTCOLOUR))
        pal.setColor(QPalette::Text, toQColor(m_pDisplayInfo->clrText));
    else
        pal.setColor(QPalette::Text, QApplication::palette(this).color(QPalette::Text));
    setPalette(pal);
}

QMargins COXSHBEdit::TextMargins() const
{
    const int m = frameWidth() + int(document()->documentMargin());
    return QMargins(m, m, m, m);
}

QRect COXSHBEdit::CalcGrowRect(QSize measured, const QMargins& margins, const QRect& base, const QRect& max,
                               uint32_t dwStyle)
{
    // The text's rectangle grown by the margins, within max, at least base.
    int w = measured.width() + margins.left() + margins.right();
    int h = measured.height() + margins.top() + margins.bottom();
    w = std::min(w, max.width());
    h = std::min(h, max.height());
    w = std::max(w, base.width());
    h = std::max(h, base.height());

    int left = max.x(), top = max.y(), right = Right(max), bottom = Bottom(max);
    const int surplusW = max.width() - w;
    if (surplusW > 0) {
        if (dwStyle & ES_RIGHT) {
            left += surplusW;
        } else if (dwStyle & ES_CENTER) {
            right -= surplusW / 2;
            left = right - w;
        } else {
            right -= surplusW;
        }
    }
    const int surplusH = max.height() - h;
    if (surplusH >= 0)
        bottom -= surplusH;
    return RectLTRB(left, top, right, bottom);
}

void COXSHBEdit::onTextUpdated()
{
    if (!m_bEditing || !m_pDisplayInfo)
        return;
    const SHBE_DISPLAY& d = *m_pDisplayInfo;
    if (!((d.nMask & SHBEM_GROWWHILETYPING) && (d.nMask & SHBEM_MAXRECT) && d.bGrowWhileTyping))
        return;
    const QRect base = (d.nMask & SHBEM_MINRECT) ? d.rectMin : d.rectDisplay;
    const QString text = toPlainText();
    if (text.isEmpty()) {
        setGeometry(base);
        return;
    }
    const QMargins m = TextMargins();
    QRect measure(0, 0, d.rectMax.width() - m.left() - m.right(), d.rectMax.height() - m.top() - m.bottom());
    const unsigned fmt = (m_dwStyle & ES_MULTILINE) ? 0x2415u : 0x0405u;
    CalcTextRect(font(), text, measure, fmt);
    // The caret needs a pixel beyond the last character.
    setGeometry(CalcGrowRect(QSize(measure.width() + 2, measure.height()), m, base, d.rectMax, m_dwStyle));
}

bool COXSHBEdit::holdsCapture() const
{
    // Mouse events of an edit control arrive at its viewport.
    return QWidget::mouseGrabber() == viewport();
}

void COXSHBEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_bEditing && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        FinishEdit(true);
        return;
    }
    if (m_bEditing && event->key() == Qt::Key_Escape) {
        FinishEdit(false);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void COXSHBEdit::focusInEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusInEvent(event);
    if (m_bEditing && m_bWantCapture && isVisible() && !holdsCapture())
        viewport()->grabMouse();
}

void COXSHBEdit::focusOutEvent(QFocusEvent* event)
{
    QPlainTextEdit::focusOutEvent(event);
    // A popup (the context menu) takes the focus only for a moment.
    if (event->reason() == Qt::PopupFocusReason)
        return;
    if (m_bEditing)
        FinishEdit(true);
}

bool COXSHBEdit::forwardOutside(QMouseEvent* event)
{
    // Positions are the viewport's, which is the edit's client area.
    if (viewport()->rect().contains(event->position().toPoint()))
        return false;
    const QPointF global = event->globalPosition();
    const bool isMove = event->type() == QEvent::MouseMove;
    if (!isMove)
        FinishEdit(true);
    QWidget* target = QApplication::widgetAt(global.toPoint());
    if (target && target != this && !isAncestorOf(target)) {
        QMouseEvent forwarded(event->type(), target->mapFromGlobal(global), global, event->button(), event->buttons(),
                              event->modifiers());
        QApplication::sendEvent(target, &forwarded);
    }
    return !isMove;
}

void COXSHBEdit::mousePressEvent(QMouseEvent* event)
{
    if (m_bEditing && forwardOutside(event))
        return;
    QPlainTextEdit::mousePressEvent(event);
}

void COXSHBEdit::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_bEditing && forwardOutside(event))
        return;
    QPlainTextEdit::mouseDoubleClickEvent(event);
}

void COXSHBEdit::mouseMoveEvent(QMouseEvent* event)
{
    if (m_bEditing)
        forwardOutside(event);
    QPlainTextEdit::mouseMoveEvent(event);
}
