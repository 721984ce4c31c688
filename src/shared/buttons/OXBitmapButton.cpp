#include "shared/buttons/OXBitmapButton.h"

#include "shared/artwork/Artwork.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>

namespace {
QString part(const QString& windowText, int index)
{
    const QStringList parts = windowText.split(QLatin1Char('\n'));
    return index < parts.size() ? parts.at(index) : QString();
}
} // namespace

COXBitmapButton::COXBitmapButton(QWidget* parent) : QPushButton(parent)
{
    m_nArrowWidth = GetArrowWidth();
    setAutoDefault(false);
    // Our own handling of the click runs before any owner's, as the
    // reflected notification does.
    connect(this, &QAbstractButton::clicked, this, [this] { OnReflectedClick(); });
}

COXBitmapButton::~COXBitmapButton()
{
    if (m_bOwnsMenu && m_pMenu)
        delete m_pMenu.data();
}

COLORREF COXBitmapButton::ButtonFaceColour()
{
    return fromQColor(QApplication::palette().color(QPalette::Button));
}

QImage COXBitmapButton::GetImage(int index) const
{
    return index >= 0 && index < int(m_images.size()) ? m_images[size_t(index)] : QImage();
}

// ---- look and text ------------------------------------------------------

bool COXBitmapButton::SetHotTrack(bool hotTrack)
{
    if ((m_dwStyle & BS_TYPEMASK) != BS_OWNERDRAW)
        return false;
    if (m_bHotTrack != hotTrack) {
        m_bHotTrack = hotTrack;
        if (!hotTrack)
            m_bMouseOver = false;
        update();
    }
    return true;
}

void COXBitmapButton::SetTransparentLook(bool transparent)
{
    if (m_bTransparent == transparent)
        return;
    m_bTransparent = transparent;
    SetEnabledCursor(transparent ? 23460 : 0);
    SetDisabledCursor(transparent ? 23461 : 0);
    if (transparent)
        SetPseudoDisabled(true);
    // Without a face the parent shows through; let it paint underneath.
    if (parentWidget())
        parentWidget()->update(geometry());
    update();
}

void COXBitmapButton::SetHorizontalAlignment(uint32_t alignment)
{
    const uint32_t style = (m_dwStyle & ~BS_HORZMASK) | (alignment & BS_HORZMASK);
    if (style != m_dwStyle) {
        m_dwStyle = style;
        update();
    }
}

uint32_t COXBitmapButton::GetHorizontalAlignment() const
{
    const uint32_t h = m_dwStyle & BS_HORZMASK;
    return h ? h : BS_CENTER;
}

void COXBitmapButton::SetVerticalAlignment(uint32_t alignment)
{
    const uint32_t style = (m_dwStyle & ~BS_VERTMASK) | (alignment & BS_VERTMASK);
    if (style != m_dwStyle) {
        m_dwStyle = style;
        update();
    }
}

uint32_t COXBitmapButton::GetVerticalAlignment() const
{
    const uint32_t v = m_dwStyle & BS_VERTMASK;
    return v ? v : BS_VCENTER;
}

void COXBitmapButton::ModifyStyle(uint32_t remove, uint32_t add)
{
    m_dwStyle = (m_dwStyle & ~remove) | add;
    updateGeometry();
    update();
}

void COXBitmapButton::SetTextColour(COLORREF colour)
{
    if (colour != m_clrText) {
        m_clrText = colour;
        update();
    }
}

void COXBitmapButton::SetTextFont(const QFont& f)
{
    if (f != font()) {
        setFont(f);
        updateGeometry();
        update();
    }
}

void COXBitmapButton::SetWindowText(const QString& text)
{
    m_strWindowText = text;
    QPushButton::setText(part(text, 0));
    if (m_bToolTip)
        setToolTip(part(text, 1));
    updateGeometry();
    update();
}

void COXBitmapButton::SetButtonText(const QString& text)
{
    const QString tip = GetToolTipText();
    SetWindowText(tip.isEmpty() ? text : text + QLatin1Char('\n') + tip);
}

QString COXBitmapButton::GetButtonText() const
{
    // A caption given through QAbstractButton::setText counts as well.
    return m_strWindowText.isEmpty() ? QPushButton::text() : part(m_strWindowText, 0);
}

void COXBitmapButton::SetToolTipText(const QString& tip)
{
    const QString text = GetButtonText();
    SetWindowText(tip.isEmpty() ? text : text + QLatin1Char('\n') + tip);
}

QString COXBitmapButton::GetToolTipText() const { return part(m_strWindowText, 1); }

bool COXBitmapButton::EnableToolTip(bool enable)
{
    m_bToolTip = enable;
    setToolTip(enable ? GetToolTipText() : QString());
    return true;
}

bool COXBitmapButton::SetEnabledCursor(int cursorId)
{
    QCursor cursor;
    if (cursorId != 0 && !artwork::cursor(cursorId, &cursor))
        return false;
    m_nEnabledCursorId = cursorId;
    m_enabledCursor = cursor;
    m_bHasEnabledCursor = cursorId != 0;
    ApplyCursor();
    return true;
}

bool COXBitmapButton::SetDisabledCursor(int cursorId)
{
    QCursor cursor;
    if (cursorId != 0 && !artwork::cursor(cursorId, &cursor))
        return false;
    m_nDisabledCursorId = cursorId;
    m_disabledCursor = cursor;
    m_bHasDisabledCursor = cursorId != 0;
    ApplyCursor();
    return true;
}

void COXBitmapButton::ApplyCursor()
{
    if (IsEnabled() ? m_bHasEnabledCursor : m_bHasDisabledCursor)
        setCursor(IsEnabled() ? m_enabledCursor : m_disabledCursor);
    else
        unsetCursor();
}

// ---- state, styles and behaviour ------------------------------------------

void COXBitmapButton::RedrawNow()
{
    if (isVisible())
        repaint();
    else
        update();
}

void COXBitmapButton::SetExtendedStyle(uint32_t style, bool redraw)
{
    m_dwExtendedStyle = style;
    updateGeometry();
    if (redraw)
        RedrawNow();
}

void COXBitmapButton::SetToggleState(uint32_t state, bool redraw)
{
    m_dwToggleState = state;
    if (redraw)
        RedrawNow();
}

bool COXBitmapButton::AdvanceToggleState()
{
    if (!(m_dwExtendedStyle & (BBS_TOGGLE | BBS_DROPDOWN)))
        return false;
    uint32_t state;
    if (!(m_dwToggleState & BBST_ON))
        state = BBST_ON;
    else if ((m_dwExtendedStyle & BBS_TOGGLE) && (m_dwExtendedStyle & BBS_THREESTATE))
        state = (m_dwToggleState & BBST_INDETERMINATE) ? 0 : (BBST_ON | BBST_INDETERMINATE);
    else
        state = 0;
    SetToggleState(state, true);
    return state & BBST_ON;
}

void COXBitmapButton::SetDropDownMenu(QMenu* menu, bool owns)
{
    if (m_pMenu && m_bOwnsMenu && m_pMenu != menu)
        delete m_pMenu.data();
    m_pMenu = menu;
    m_bOwnsMenu = owns;
}

QMenu* COXBitmapButton::GetDropDownMenu() const
{
    return m_pMenu;
}

void COXBitmapButton::SetPseudoDisabled(bool pseudoDisabled)
{
    if (pseudoDisabled == m_bPseudoDisabled)
        return;
    if (pseudoDisabled) {
        m_bLogicalEnabled = isEnabled();
        m_bPseudoDisabled = true;
        m_bHadTabStop = focusPolicy() & Qt::TabFocus;
        setEnabled(true);
        const bool logical = m_bLogicalEnabled;
        m_bLogicalEnabled = !logical; // so that Enable sees a change and repaints
        Enable(logical);
    } else {
        m_bPseudoDisabled = false;
        if (m_bHadTabStop)
            setFocusPolicy(Qt::FocusPolicy(focusPolicy() | Qt::TabFocus));
        setEnabled(m_bLogicalEnabled);
        ApplyCursor();
        update();
    }
}

bool COXBitmapButton::Enable(bool enable)
{
    if (!m_bPseudoDisabled) {
        const bool previous = isEnabled();
        setEnabled(enable);
        return previous;
    }
    const bool previous = m_bLogicalEnabled;
    m_bLogicalEnabled = enable;
    if (!enable)
        setFocusPolicy(Qt::FocusPolicy(focusPolicy() & ~Qt::TabFocus));
    else if (m_bHadTabStop)
        setFocusPolicy(Qt::FocusPolicy(focusPolicy() | Qt::TabFocus));
    if (previous != enable) {
        if (!enable) {
            setDown(false);
            SetHover(false);
        }
        ApplyCursor();
        update();
    }
    return previous;
}

bool COXBitmapButton::IsEnabled() const { return m_bPseudoDisabled ? m_bLogicalEnabled : isEnabled(); }

void COXBitmapButton::Click()
{
    if (IsEnabled())
        AdvanceToggleState();
    click();
}

bool COXBitmapButton::OnReflectedClick()
{
    if (m_dwExtendedStyle & BBS_DROPDOWN) {
        int result = 0;
        emit notify(BBN_DROPDOWN, result);
        if (result == 0)
            ShowDropDownMenu();
        // Shown pushed while the menu was open; released now.
        AdvanceToggleState();
        RedrawNow();
    }
    if (m_dwExtendedStyle & BBS_TOGGLE) {
        int result = 0;
        emit notify(BBN_TOGGLE, result);
        if (result == 0)
            OnToggle();
    }
    return false;
}

void COXBitmapButton::ShowDropDownMenu()
{
    if (m_pMenu)
        m_pMenu->exec(mapToGlobal(QPoint(0, height() + 1)));
}

void COXBitmapButton::OnToggle() {}

// ---- sizes and layout -----------------------------------------------------

QSize COXBitmapButton::ImageSize() const
{
    if (m_pAnimation)
        return m_pAnimation->size() + QSize(2, 2);
    if (!m_images.empty())
        return m_images.front().size();
    return {0, 0};
}

BitmapButtonLayout COXBitmapButton::Layout() const
{
    BitmapButtonLayout l;
    l.style = m_dwStyle;
    l.imageMargin = m_sizeImageMargin;
    l.textMargin = m_sizeTextMargin;
    l.arrowSize = const_cast<COXBitmapButton*>(this)->GetArrowSize();
    l.imageSize = ImageSize();
    l.text = GetButtonText();
    const QFont f = font();
    l.measure = [f](const QString& text, int wrapWidth) {
        const QFontMetrics fm(f);
        if (wrapWidth < 0)
            return fm.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text);
        return fm.boundingRect(QRect(0, 0, wrapWidth, 1 << 20), Qt::TextWordWrap | Qt::TextShowMnemonic, text)
            .size();
    };
    return l;
}

QSize COXBitmapButton::GetTextSize(bool fitMode)
{
    const BitmapButtonLayout l = Layout();
    return fitMode ? l.FitTextSize() : l.LayoutTextSize(size());
}

QSize COXBitmapButton::GetFitSize() { return Layout().FitSize(); }

QSize COXBitmapButton::sizeHint() const { return const_cast<COXBitmapButton*>(this)->GetFitSize(); }

void COXBitmapButton::SizeToContent()
{
    const QRect old = geometry();
    resize(GetFitSize());
    if (parentWidget())
        parentWidget()->update(old.united(geometry()));
}

QSize COXBitmapButton::GetArrowSize()
{
    return HasDropDownArrow() ? QSize(m_nArrowWidth + m_sizeArrowSpacing.width(), 0) : QSize(0, 0);
}

int COXBitmapButton::GetArrowWidth()
{
    return style()->pixelMetric(QStyle::PM_MenuButtonIndicator, nullptr, this);
}

void COXBitmapButton::CalcLayout(unsigned itemState, const QRect& button, QRect* face, QRect* image, QRect* text)
{
    BitmapButtonLayout::State s;
    s.pushed = itemState & ODS_SELECTED;
    s.toggledOn = IsToggledOn();
    s.disabled = itemState & ODS_DISABLED;
    s.transparent = m_bTransparent;
    s.mouseOver = m_bMouseOver;
    Layout().CalcLayout(s, button, size(), face, image, text);
}

// ---- drawing ------------------------------------------------------------

unsigned COXBitmapButton::ItemState() const
{
    unsigned state = 0;
    if (isDown())
        state |= ODS_SELECTED;
    if (hasFocus())
        state |= ODS_FOCUS;
    if (!IsEnabled())
        state |= ODS_DISABLED;
    return state;
}

void COXBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawItem(painter, ItemState(), rect());
}

void COXBitmapButton::DrawItem(QPainter& painter, unsigned itemState, const QRect& item)
{
    // Pseudo-disabled buttons draw disabled.
    itemState = (itemState & ~ODS_DISABLED) | (IsEnabled() ? 0u : ODS_DISABLED);
    const QSize arrow = GetArrowSize();
    const QRect button = item.adjusted(0, 0, -arrow.width(), -arrow.height());
    QRect face, image, text;
    CalcLayout(itemState, button, &face, &image, &text);
    const QVector<QRgb> previous = SelectDrawPalette(painter, itemState, item);
    DrawButtonFace(painter, itemState, item);
    DrawImage(painter, itemState, m_images, image);
    DrawButtonText(painter, itemState, GetButtonText(), text);
    if (HasDropDownArrow())
        DrawArrow(painter, itemState,
                  QRect(button.left() + button.width(), item.top() + m_sizeArrowSpacing.height(), m_nArrowWidth,
                        item.height() - 2 * m_sizeArrowSpacing.height()));
    if (m_pAnimation && !image.isNull()) {
        const QPoint at = image.topLeft() + QPoint(1, 1);
        if (m_pAnimation->pos() != at)
            m_pAnimation->move(at);
    }
    RestoreDrawPalette(painter, itemState, item, previous);
}

QVector<QRgb> COXBitmapButton::SelectDrawPalette(QPainter&, unsigned, const QRect&)
{
    // True-colour painting: nothing to select; the colour table is kept for
    // callers that ask for it.
    return {};
}

void COXBitmapButton::RestoreDrawPalette(QPainter&, unsigned, const QRect&, const QVector<QRgb>&) {}

void COXBitmapButton::DrawButtonFace(QPainter& painter, unsigned itemState, const QRect& rect)
{
    if (m_bTransparent)
        return; // no face: the parent shows through
    const bool disabled = itemState & ODS_DISABLED;
    QStyleOptionButton opt;
    opt.initFrom(this);
    opt.rect = rect;
    opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_On);
    opt.state |= QStyle::State_Enabled;
    bool checked = false;
    if (IsIndeterminate() || (IsToggledOn() && ((m_bHotTrack && m_bMouseOver) || IsDropDown()))) {
        opt.state |= QStyle::State_Sunken;
    } else if (IsToggledOn()) {
        opt.state |= QStyle::State_Sunken | QStyle::State_On;
        checked = true;
    } else if (itemState & ODS_SELECTED) {
        opt.state |= QStyle::State_Sunken;
    } else if (m_bHotTrack && (!m_bMouseOver || disabled)) {
        painter.fillRect(rect, toQColor(ButtonFaceColour()));
        return;
    } else if (disabled) {
        opt.state &= ~QStyle::State_Enabled;
    } else {
        opt.state |= QStyle::State_Raised;
    }
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &painter, this);
    if (checked) {
        // The latched look: pushed in, with a light dither inside.
        painter.fillRect(rect.adjusted(2, 2, -2, -2), QBrush(palette().color(QPalette::Light), Qt::Dense4Pattern));
    }
}

void COXBitmapButton::DrawImage(QPainter& painter, unsigned itemState, const std::vector<QImage>& images,
                                const QRect& rect)
{
    if (images.empty() || rect.isEmpty())
        return;
    size_t index;
    if ((itemState & ODS_DISABLED) && !m_bTransparent)
        index = m_bUseDisabledImage ? 2 : 0;
    else if (m_bHotTrack && !m_bTransparent && !m_bMouseOver && !(itemState & ODS_SELECTED))
        index = 1;
    else
        index = IsIndeterminate() ? 1 : 0;
    if (index >= images.size())
        index = 0;
    painter.drawImage(rect.topLeft(), images[index]);
}

void COXBitmapButton::DrawButtonText(QPainter& painter, unsigned itemState, const QString& text, const QRect& rect)
{
    if (text.isEmpty() || rect.isEmpty())
        return;
    const uint32_t horz = GetHorizontalAlignment();
    int flags = horz == BS_LEFT ? Qt::AlignLeft : horz == BS_RIGHT ? Qt::AlignRight : Qt::AlignHCenter;
    flags |= (m_dwStyle & BS_MULTILINE) ? Qt::TextWordWrap : Qt::TextSingleLine;
    flags |= Qt::AlignVCenter | Qt::TextShowMnemonic;
    painter.save();
    painter.setFont(font());
    if ((itemState & ODS_DISABLED) && !m_bTransparent) {
        // Engraved: a highlight one pixel down-right under the shadow colour.
        painter.setPen(palette().color(QPalette::Light));
        painter.drawText(rect.translated(1, 1), flags, text);
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawText(rect, flags, text);
    } else {
        QColor colour = toQColor(m_clrText);
        if (IsIndeterminate())
            colour = palette().color(QPalette::Dark);
        else if (m_bHotTrack && !m_bTransparent && !m_bMouseOver)
            colour = Qt::black;
        painter.setPen(colour);
        painter.drawText(rect, flags, text);
    }
    painter.restore();
}

void COXBitmapButton::DrawArrow(QPainter& painter, unsigned itemState, QRect rect)
{
    if (!HasDropDownArrow())
        return;
    if (m_bSeparator && (!m_bHotTrack || m_bMouseOver)) {
        const int x = rect.left() - 3;
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawLine(x, rect.top(), x, rect.bottom());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(x + 1, rect.top(), x + 1, rect.bottom());
    }
    rect.setLeft(rect.left() - 1);
    if (itemState & ODS_SELECTED)
        rect.translate(2, 2);
    else if (IsToggledOn())
        rect.translate(1, 1);
    QStyleOption opt;
    opt.initFrom(this);
    opt.rect = rect;
    if (itemState & ODS_DISABLED) {
        opt.state &= ~QStyle::State_Enabled;
        opt.palette.setColor(QPalette::ButtonText, palette().color(QPalette::Dark));
    } else {
        opt.state |= QStyle::State_Enabled;
    }
    style()->drawPrimitive((m_dwExtendedStyle & BBS_RIGHTARROW) ? QStyle::PE_IndicatorArrowRight
                                                                : QStyle::PE_IndicatorArrowDown,
                           &opt, &painter, this);
}

void COXBitmapButton::DrawFocusRectangle(QPainter& painter, unsigned itemState, const QRect& button, QRect second)
{
    painter.save();
    if (m_bTransparent) {
        if (second.isEmpty())
            second = button;
        const int dx = (second.width() - 7) / 2;
        const int dy = (second.height() - 6) / 2;
        const QRect dot = second.adjusted(dx, dy, -dx, -dy);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(dot);
    } else {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = button.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        if (!m_bHotTrack && !IsToggledOn() && !IsIndeterminate()) {
            painter.setPen(Qt::black);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(button.adjusted(0, 0, -1, -1));
            if (itemState & ODS_SELECTED) {
                painter.setPen(palette().color(QPalette::Dark));
                painter.drawRect(button.adjusted(1, 1, -2, -2));
            }
        }
    }
    painter.restore();
}

QWidget* COXBitmapButton::GetAnimationWindow() const { return m_pAnimation; }

// ---- mouse and keys -------------------------------------------------------

void COXBitmapButton::SetHover(bool over)
{
    if (!m_bHotTrack && !m_pAnimation)
        return;
    if (over && IsEnabled()) {
        if (m_bHotTrack && !m_bMouseOver && !(IsIndeterminate() && hasFocus()))
            update();
        m_bMouseOver = true;
        if (m_pAnimation && !m_bAnimationPlaying) {
            PlayAnimation();
            m_bAnimationPlaying = true;
        }
    } else {
        if (m_bHotTrack && m_bMouseOver && !IsIndeterminate())
            update();
        m_bMouseOver = false;
        m_bAnimationPlaying = false; // a running play is not stopped
    }
}

void COXBitmapButton::enterEvent(QEnterEvent* event)
{
    SetHover(true);
    QPushButton::enterEvent(event);
}

void COXBitmapButton::leaveEvent(QEvent* event)
{
    SetHover(false);
    QPushButton::leaveEvent(event);
}

void COXBitmapButton::mouseMoveEvent(QMouseEvent* event)
{
    if (!IsEnabled())
        return;
    SetHover(rect().contains(event->position().toPoint()));
    QPushButton::mouseMoveEvent(event);
}

void COXBitmapButton::mousePressEvent(QMouseEvent* event)
{
    if (!IsEnabled()) {
        event->accept(); // neither pushed nor clicked while it looks disabled
        return;
    }
    if (event->button() == Qt::LeftButton)
        m_bButtonHeld = true;
    QPushButton::mousePressEvent(event);
}

void COXBitmapButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!IsEnabled()) {
        event->accept();
        return;
    }
    if (event->button() == Qt::LeftButton) {
        m_bButtonHeld = false;
        if (rect().contains(event->position().toPoint()) && isDown())
            AdvanceToggleState();
    }
    QPushButton::mouseReleaseEvent(event);
}

void COXBitmapButton::keyPressEvent(QKeyEvent* event)
{
    if (!IsEnabled()) {
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat())
        AdvanceToggleState();
    QPushButton::keyPressEvent(event);
}

void COXBitmapButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!IsEnabled()) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown())
        AdvanceToggleState();
    QPushButton::keyReleaseEvent(event);
}

void COXBitmapButton::focusOutEvent(QFocusEvent* event)
{
    if (!IsEnabled())
        return;
    QPushButton::focusOutEvent(event);
}

void COXBitmapButton::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
        if (!isEnabled())
            SetHover(false);
        ApplyCursor();
        break;
    case QEvent::PaletteChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::StyleChange:
        update();
        break;
    default:
        break;
    }
    QPushButton::changeEvent(event);
}

bool COXBitmapButton::event(QEvent* event)
{
    if (event->type() == QEvent::Shortcut) {
        // A mnemonic is the keyboard's click: refused while it looks disabled.
        if (!IsEnabled())
            return true;
        AdvanceToggleState();
    }
    return QPushButton::event(event);
}

void DDX_BitmapButtonCheck(bool saveAndValidate, COXBitmapButton& button, int& value)
{
    if (saveAndValidate) {
        if (!button.IsToggle())
            value = -1;
        else if (button.IsIndeterminate())
            value = 2;
        else
            value = button.IsToggledOn() ? 1 : 0;
        return;
    }
    if (!button.IsToggle())
        return;
    const uint32_t state = value == 1 ? BBST_ON : value == 2 ? (BBST_ON | BBST_INDETERMINATE) : 0;
    button.SetToggleState(state, true);
}
