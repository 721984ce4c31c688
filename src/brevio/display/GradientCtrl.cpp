#include "brevio/display/GradientCtrl.h"

#include "brevio/display/GradientLayout.h"
#include "shared/ui/BaseDialog.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CGradientCtrl::CGradientCtrl(QWidget* parent) : QWidget(parent)
{
    setObjectName(ClassName());
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

CGradientCtrl::~CGradientCtrl() = default;

intptr_t CGradientCtrl::Id() const
{
    return intptr_t(GetDlgCtrlID(this));
}

CGradientLayout CGradientCtrl::Layout() const
{
    return CGradientLayout(size(), m_nStripWidth, m_gradient.GetRange());
}

int CGradientCtrl::GetClickPosition() const
{
    return Layout().PositionOfRow(m_lastClick.y());
}

int CGradientCtrl::SetSelIndex(int nIndex, bool bRedraw)
{
    const int old = m_nSelected;
    m_nSelected = nIndex;
    m_bMarkShown = true;
    if (bRedraw)
        update();
    return old;
}

void CGradientCtrl::SetSelPegPosition(int nPosition, bool bRedraw)
{
    if (m_nSelected < 0)
        return;
    m_nSelected = m_gradient.SetPeg(m_nSelected, GetSelPeg().colour, nPosition);
    if (bRedraw)
        update();
}

void CGradientCtrl::SetSelPegColour(COLORREF colour, bool bRedraw)
{
    if (m_nSelected < 0)
        return;
    m_nSelected = m_gradient.SetPeg(m_nSelected, colour, GetSelPeg().position);
    if (bRedraw)
        update();
}

void CGradientCtrl::RemoveSelected(bool bRedraw)
{
    if (m_nSelected < 0 || m_nSelected >= m_gradient.GetPegCount())
        return;
    const int removed = m_nSelected;
    const int position = m_gradient.GetPeg(removed).position;
    m_gradient.RemovePeg(removed);
    m_nSelected = removed > 0 ? removed - 1 : CGradient::kStart;
    m_bMarkShown = true;
    if (bRedraw)
        update();
    Notify(GradientPegRemoved, position, removed);
    Notify(GradientSelChange, Id(), m_nSelected);
    Notify(GradientChange, Id(), 0);
}

void CGradientCtrl::BlinkSelection()
{
    if (m_nSelected == CGradient::kNone)
        return;
    m_bMarkShown = m_nBlinkPhase == 0;
    update();
}

void CGradientCtrl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const CGradientLayout layout = Layout();
    const int s = layout.StripRight();
    if (m_nSelected >= m_gradient.GetPegCount() ||
        (m_nSelected < 0 && m_nSelected != CGradient::kStart && m_nSelected != CGradient::kEnd))
        m_nSelected = CGradient::kNone;

    if (layout.HasStrip()) {
        const std::vector<COLORREF> entries = m_gradient.MakeEntries(256);
        for (int y = layout.FirstStripRow(); y <= layout.LastStripRow(); ++y) {
            p.setPen(toQColor(entries[size_t(layout.EntryOfRow(y))]));
            if (s - 1 >= 5)
                p.drawLine(5, y, s - 1, y);
        }
    }

    auto box = [&](const QRect& r, COLORREF colour) {
        p.setPen(Qt::black);
        p.setBrush(toQColor(colour));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    };
    // The selection mark inverts what lies under it, so it shows on any colour.
    auto mark = [&](auto draw) {
        p.save();
        p.setCompositionMode(QPainter::RasterOp_NotDestination);
        p.setPen(Qt::black);
        p.setBrush(Qt::NoBrush);
        draw();
        p.restore();
    };
    box(layout.StartBox(), m_gradient.GetStartColour());
    box(layout.EndBox(), m_gradient.GetEndColour());
    if (m_bMarkShown && m_nSelected == CGradient::kStart)
        mark([&] { p.drawRect(layout.StartMark().adjusted(0, 0, -1, -1)); });
    if (m_bMarkShown && m_nSelected == CGradient::kEnd)
        mark([&] { p.drawRect(layout.EndMark().adjusted(0, 0, -1, -1)); });

    const std::vector<int> columns = layout.PegColumns(m_gradient);
    for (int i = 0; i < m_gradient.GetPegCount(); ++i) {
        const CPeg peg = m_gradient.GetPeg(i);
        const int x = columns[size_t(i)];
        const int y = layout.RowOfPosition(peg.position);
        p.setPen(Qt::black);
        p.setBrush(toQColor(peg.colour));
        p.drawPolygon(CGradientLayout::PegTriangle(x, y));
        if (m_bMarkShown && i == m_nSelected)
            mark([&] { p.drawPolygon(CGradientLayout::PegMark(x, y)); });
    }

    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    if (layout.HasStrip())
        p.drawRect(layout.Frame().adjusted(0, 0, -1, -1));
}

void CGradientCtrl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_bButtonDown = true;
    m_nLastDrag = -1;
    m_lastClick = event->position().toPoint();
    m_nSelected = Layout().HitTest(m_gradient, m_lastClick);
    if (m_nSelected >= 0)
        m_nLastDrag = m_gradient.GetPeg(m_nSelected).position;
    m_bMarkShown = true;
    update();
    Notify(GradientSelChange, Id(), m_nSelected);
    setFocus(Qt::MouseFocusReason);
}

void CGradientCtrl::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() != Qt::LeftButton || m_nSelected < 0 || !m_bButtonDown)
        return;
    const int position = Layout().PositionOfRow(event->position().toPoint().y());
    m_nSelected = m_gradient.SetPeg(m_nSelected, GetSelPeg().colour, position);
    m_nLastDrag = position;
    m_bMarkShown = true;
    update();
    Notify(GradientPegMove, position, m_nSelected);
    Notify(GradientChange, Id(), 0);
}

void CGradientCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_bButtonDown = false;
    if (m_nSelected >= 0) {
        update();
        Notify(GradientPegMoved, m_nLastDrag, m_nSelected);
        Notify(GradientChange, Id(), 0);
    }
}

void CGradientCtrl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    const CGradientLayout layout = Layout();
    const int position = layout.PositionOfRow(point.y());
    const int hit = layout.HitTest(m_gradient, point);
    if (hit != CGradient::kNone)
        Notify(GradientEditPeg, position, m_nSelected);
    else
        Notify(GradientCreatePeg, position, 0);
}

void CGradientCtrl::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && m_nSelected >= 0) {
        const int position = GetSelPeg().position + (key == Qt::Key_Up ? -1 : 1);
        m_nSelected = m_gradient.SetPeg(m_nSelected, GetSelPeg().colour, position);
        m_bMarkShown = true;
        update();
        // The owner follows a peg moved by key as one moved by the mouse.
        Notify(GradientPegMove, GetSelPeg().position, m_nSelected);
        Notify(GradientChange, Id(), 0);
        return;
    }
    if (key == Qt::Key_Delete)
        return;  // acted on when the key is released
    QWidget::keyPressEvent(event);
}

void CGradientCtrl::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && !event->isAutoRepeat()) {
        if (m_nSelected >= 0)
            RemoveSelected(true);
        return;
    }
    QWidget::keyReleaseEvent(event);
}
