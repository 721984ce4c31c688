#include "shared/buttons/OwnerDrawButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

COwnerDrawButton::COwnerDrawButton(QWidget* parent) : QPushButton(parent)
{
    ReadColours();
    setAutoDefault(m_bDefault);
}

void COwnerDrawButton::ReadColours()
{
    const QPalette pal = QApplication::palette();
    m_clrFace = fromQColor(pal.color(QPalette::Button));
    m_clrHighlight = fromQColor(pal.color(QPalette::Light));
    m_clrShadow = fromQColor(pal.color(QPalette::Dark));
    m_clrFrame = fromQColor(pal.color(QPalette::Shadow));
}

void COwnerDrawButton::SetDefaultButton(bool isDefault)
{
    m_bDefault = isDefault;
    // A focused button is the dialog's default push button.
    setAutoDefault(isDefault);
}

void COwnerDrawButton::Draw3dRect(QPainter& painter, const QRect& r, COLORREF topLeft, COLORREF bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const QColor tl = toQColor(topLeft);
    const QColor br = toQColor(bottomRight);
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), tl);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), tl);
    painter.fillRect(QRect(r.left() + r.width() - 1, r.top(), 1, r.height()), br);
    painter.fillRect(QRect(r.left(), r.top() + r.height() - 1, r.width(), 1), br);
}

DrawItemInfo COwnerDrawButton::ItemInfo(unsigned action) const
{
    DrawItemInfo info;
    info.itemAction = action;
    info.rcItem = rect();
    if (isDown())
        info.itemState |= ODS_SELECTED;
    if (hasFocus())
        info.itemState |= ODS_FOCUS;
    if (!isEnabled())
        info.itemState |= ODS_DISABLED;
    return info;
}

void COwnerDrawButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawItem(painter, ItemInfo());
}

void COwnerDrawButton::DrawItem(QPainter& painter, const DrawItemInfo& item)
{
    if (item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) {
        const QSize size = item.rcItem.size();
        if (size.isEmpty())
            return;
        // Drawn off screen and copied in one piece.
        QImage drawing(size, QImage::Format_ARGB32_Premultiplied);
        drawing.fill(toQColor(m_clrFace));
        DrawItemInfo local = item;
        local.rcItem = QRect(QPoint(0, 0), size);
        {
            QPainter memory(&drawing);
            memory.setFont(font());
            BeforeDraw(painter, &memory);
            const QRect content = DrawFrame(memory, local);
            DrawContent(memory, local, content);
        }
        if (item.itemState & ODS_DISABLED)
            DrawDisabled(drawing, size.width(), size.height());
        painter.drawImage(item.rcItem.topLeft(), drawing);
        AfterDraw(painter, nullptr);
    }
    DrawFocus(painter, item);
}

QRect COwnerDrawButton::DrawFrame(QPainter& painter, const DrawItemInfo& item)
{
    const QRect r = item.rcItem;
    painter.fillRect(r, toQColor(m_clrFace));
    if (item.itemState & ODS_SELECTED) {
        Draw3dRect(painter, r, m_clrFrame, m_clrHighlight);
        Draw3dRect(painter, r.adjusted(1, 1, -1, -1), m_clrShadow, m_clrFace);
        return r.adjusted(1, 1, 0, 0);
    }
    Draw3dRect(painter, r, m_clrHighlight, m_clrFrame);
    Draw3dRect(painter, r.adjusted(1, 1, -1, -1), m_clrFace, m_clrShadow);
    return r.adjusted(0, 0, -1, -1);
}

void COwnerDrawButton::DrawDisabled(QImage& drawing, int width, int height)
{
    if (width < 4 || height < 4)
        return;
    const QRgb face = toQColor(m_clrFace).rgb() & 0xFFFFFF;
    const QRgb highlight = toQColor(m_clrHighlight).rgb() & 0xFFFFFF;
    const QImage source = drawing.convertToFormat(QImage::Format_ARGB32);
    // Content: what is neither face nor highlight, read one pixel in.
    const int mw = width - 3, mh = height - 3;
    std::vector<bool> content(size_t(mw) * size_t(mh));
    for (int y = 0; y < mh; ++y) {
        for (int x = 0; x < mw; ++x) {
            const QRgb p = source.pixel(x + 1, y + 1) & 0xFFFFFF;
            content[size_t(y) * size_t(mw) + size_t(x)] = p != face && p != highlight;
        }
    }
    QPainter painter(&drawing);
    const QColor hi = toQColor(m_clrHighlight);
    const QColor sh = toQColor(m_clrShadow);
    for (int y = 0; y < height - 4; ++y)
        for (int x = 0; x < width - 4; ++x)
            if (content[size_t(y) * size_t(mw) + size_t(x)])
                painter.fillRect(2 + x, 2 + y, 1, 1, hi);
    for (int y = 0; y < mh; ++y)
        for (int x = 0; x < mw; ++x)
            if (content[size_t(y) * size_t(mw) + size_t(x)])
                painter.fillRect(1 + x, 1 + y, 1, 1, sh);
}

void COwnerDrawButton::DrawFocus(QPainter& painter, const DrawItemInfo& item)
{
    if (!(item.itemState & ODS_FOCUS))
        return;
    QRect r = item.rcItem.adjusted(1, 1, -1, -1);
    if (item.itemState & ODS_SELECTED)
        r.adjust(1, 1, 0, 0);
    else
        r.adjust(0, 0, -1, -1);
    painter.setBackground(toQColor(m_clrFace));
    DrawFocusRectangle(painter, r);
}

void COwnerDrawButton::AfterDraw(QPainter&, QPainter*) {}
void COwnerDrawButton::BeforeDraw(QPainter&, QPainter*) {}
void COwnerDrawButton::OnClicked() {}

void COwnerDrawButton::OnSetStyle(uint32_t style, bool redraw)
{
    const uint32_t updated = m_dwStyle | style | BS_OWNERDRAW;
    const bool changed = updated != m_dwStyle;
    m_dwStyle = updated;
    if (changed && redraw)
        update();
}

void COwnerDrawButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && isDown() && rect().contains(event->position().toPoint()))
        OnClicked();
    QPushButton::mouseReleaseEvent(event);
}

void COwnerDrawButton::keyReleaseEvent(QKeyEvent* event)
{
    QPushButton::keyReleaseEvent(event);
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat())
        OnClicked();
}

void COwnerDrawButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        ReadColours();
        update();
    }
    QPushButton::changeEvent(event);
}
