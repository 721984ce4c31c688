#include "shared/buttons/ResourceBitmapButton.h"

#include "shared/artwork/Artwork.h"
#include "shared/ui/BaseDialog.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

CResourceBitmapButton::CResourceBitmapButton(QWidget* parent) : COwnerDrawButton(parent) {}

bool CResourceBitmapButton::Create(const QString& caption, uint32_t style, const QRect& rect, QWidget* parent,
                                   unsigned id)
{
    if (parent && parentWidget() != parent)
        setParent(parent);
    setText(caption);
    OnSetStyle(style, false);
    setGeometry(rect);
    SetDlgCtrlID(this, id);
    LoadBitmap();
    CalcLayout();
    return true;
}

void CResourceBitmapButton::SetBitmap(int resourceId, COLORREF mask, int alignment)
{
    m_nBitmapId = resourceId;
    m_clrMask = mask;
    m_nAlignment = alignment;
    LoadBitmap();
    CalcLayout();
    update();
}

void CResourceBitmapButton::SetBitmap(int resourceId, int alignment) { SetBitmap(resourceId, m_clrMask, alignment); }

void CResourceBitmapButton::SetToolTipText(const QString& text) { setToolTip(text); }

void CResourceBitmapButton::LoadBitmap()
{
    m_bitmap = QImage();
    m_rcBitmapSize = QRect();
    const QImage source = artwork::bitmap(m_nBitmapId);
    if (source.isNull())
        return;
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const QPalette pal = QApplication::palette();
    struct Map {
        QRgb from;
        QRgb to;
    };
    std::vector<Map> map;
    if (m_clrMask == CLR_NOMASK) {
        map = {{qRgb(0, 0, 0), pal.color(QPalette::ButtonText).rgb()},
               {qRgb(128, 128, 128), toQColor(m_clrShadow).rgb()},
               {qRgb(192, 192, 192), toQColor(m_clrFace).rgb()},
               {qRgb(255, 255, 255), toQColor(m_clrHighlight).rgb()}};
    } else {
        map = {{toQColor(m_clrMask).rgb(), toQColor(m_clrFace).rgb()}};
    }
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            for (const Map& m : map) {
                if ((line[x] & 0xFFFFFF) == (m.from & 0xFFFFFF)) {
                    line[x] = (line[x] & 0xFF000000) | (m.to & 0xFFFFFF);
                    break;
                }
            }
        }
    }
    m_bitmap = image;
    m_rcBitmapSize = QRect(0, 0, image.width(), image.height());
}

void CResourceBitmapButton::CalcLayout()
{
    const int W = width() - 3;
    const int H = height() - 3;
    const int bw = m_rcBitmapSize.width();
    const int bh = m_rcBitmapSize.height();
    QRect bitmap(0, 0, bw, bh);
    QRect text(0, 0, W, H);
    switch (m_nAlignment) {
    case AlignLeft:
        bitmap.moveTo(m_sizeMargins.width(), (H - bh) / 2);
        text.setLeft(bitmap.left() + bw + 1);
        break;
    case AlignRight:
        bitmap.moveTo(W - bw - m_sizeMargins.width(), (H - bh) / 2);
        text.setRight(bitmap.left() - 2); // ends 1 pixel left of the bitmap
        break;
    case AlignTop:
        bitmap.moveTo((W - bw) / 2, m_sizeMargins.height());
        text.setTop(bitmap.top() + bh + 1);
        break;
    case AlignBottom:
        bitmap.moveTo((W - bw) / 2, H - bh - m_sizeMargins.height());
        text.setBottom(bitmap.top() - 2);
        break;
    default:
        bitmap.moveTo((W - bw) / 2, (H - bh) / 2);
        text = QRect();
        break;
    }
    const QRect bounds(0, 0, std::max(0, W), std::max(0, H));
    m_rcBitmap = bitmap.intersected(bounds);
    if (m_rcBitmap.isEmpty())
        m_rcBitmap = QRect(bitmap.topLeft(), QSize(0, 0));
    m_rcText = text.intersected(bounds);
}

void CResourceBitmapButton::resizeEvent(QResizeEvent* event)
{
    COwnerDrawButton::resizeEvent(event);
    CalcLayout();
}

void CResourceBitmapButton::DrawContent(QPainter& painter, const DrawItemInfo&, const QRect& contentIn)
{
    const int inset = m_nAlignment == AlignCentre ? 2 : 1;
    const QRect content = contentIn.adjusted(inset, inset, -inset, -inset);
    if (!m_bitmap.isNull()) {
        const int bw = m_bitmap.width(), bh = m_bitmap.height();
        if (content.height() < bh && bh > 0) {
            // Too tall: shrunk to the content's height, aspect kept.
            const int w = int(int64_t(bw) * content.height() / bh);
            painter.drawImage(QRect(content.topLeft(), QSize(w, content.height())), m_bitmap);
        } else {
            painter.drawImage(m_rcBitmap.topLeft(), m_bitmap);
        }
    }
    if (m_nAlignment != AlignCentre && !m_rcText.isEmpty()) {
        painter.setPen(Qt::black);
        painter.drawText(m_rcText, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text());
    }
}

void CResourceBitmapButton::DrawFocusRectangle(QPainter& painter, const QRect& rect)
{
    QRect focus;
    if (m_nAlignment == AlignCentre) {
        focus = rect.adjusted(1, 1, -1, -1);
    } else {
        const QSize t = fontMetrics().size(Qt::TextSingleLine | Qt::TextShowMnemonic, text());
        focus = QRect(QPoint(0, 0), t + QSize(2, 2));
        focus.moveCenter(m_rcText.center());
    }
    QStyleOptionFocusRect opt;
    opt.initFrom(this);
    opt.rect = focus;
    opt.backgroundColor = toQColor(m_clrFace);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &opt, &painter, this);
}
