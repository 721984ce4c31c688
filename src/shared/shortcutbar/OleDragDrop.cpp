#include "shared/shortcutbar/OleDragDrop.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

using namespace winapi;

namespace {

Qt::DropAction toDropAction(DROPEFFECT effect)
{
    if (effect & DROPEFFECT_MOVE)
        return Qt::MoveAction;
    if (effect & DROPEFFECT_COPY)
        return Qt::CopyAction;
    if (effect & DROPEFFECT_LINK)
        return Qt::LinkAction;
    return Qt::IgnoreAction;
}

DROPEFFECT fromDropActions(Qt::DropActions actions)
{
    DROPEFFECT effect = DROPEFFECT_NONE;
    if (actions & Qt::CopyAction)
        effect |= DROPEFFECT_COPY;
    if (actions & Qt::MoveAction)
        effect |= DROPEFFECT_MOVE;
    if (actions & Qt::LinkAction)
        effect |= DROPEFFECT_LINK;
    return effect;
}

} // namespace

COleDropTarget::COleDropTarget() = default;

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

bool COleDropTarget::Register(QWidget* pWnd)
{
    if (!pWnd)
        return false;
    Revoke();
    m_pWnd = pWnd;
    pWnd->setAcceptDrops(true);
    pWnd->installEventFilter(this);
    return true;
}

void COleDropTarget::Revoke()
{
    if (m_pWnd)
        m_pWnd->removeEventFilter(this);
    m_pWnd = nullptr;
}

uint32_t COleDropTarget::KeyStateFrom(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    uint32_t state = 0;
    if (buttons & Qt::LeftButton)
        state |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        state |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        state |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        state |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        state |= MK_CONTROL;
    return state;
}

bool COleDropTarget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_pWnd)
        return false;
    QWidget* pWnd = m_pWnd;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDragMoveEvent*>(event);
        const uint32_t keys = KeyStateFrom(e->buttons(), e->modifiers());
        const QPoint pt = e->position().toPoint();
        DROPEFFECT effect = event->type() == QEvent::DragEnter ? OnDragEnter(pWnd, e->mimeData(), keys, pt)
                                                                : OnDragOver(pWnd, e->mimeData(), keys, pt);
        effect &= fromDropActions(e->possibleActions()) | DROPEFFECT_SCROLL;
        m_lastEffect = effect & ~DROPEFFECT_SCROLL;
        if (m_lastEffect != DROPEFFECT_NONE) {
            e->setDropAction(toDropAction(m_lastEffect));
            e->accept();
        } else {
            // Keep the enter accepted so that later moves still arrive.
            if (event->type() == QEvent::DragEnter)
                e->accept();
            else
                e->ignore();
            e->setDropAction(Qt::IgnoreAction);
        }
        return true;
    }
    case QEvent::DragLeave:
        OnDragLeave(pWnd);
        m_lastEffect = DROPEFFECT_NONE;
        return true;
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        const QPoint pt = e->position().toPoint();
        const DROPEFFECT allowed = fromDropActions(e->possibleActions());
        DROPEFFECT effect = m_lastEffect;
        DROPEFFECT result = OnDropEx(pWnd, e->mimeData(), effect, allowed, pt);
        if (result == DROPEFFECT(-1))
            result = (effect != DROPEFFECT_NONE && OnDrop(pWnd, e->mimeData(), effect, pt)) ? effect : DROPEFFECT_NONE;
        m_lastEffect = DROPEFFECT_NONE;
        if (result != DROPEFFECT_NONE) {
            e->setDropAction(toDropAction(result));
            e->accept();
        } else {
            e->setDropAction(Qt::IgnoreAction);
            e->ignore();
        }
        return true;
    }
    default:
        return false;
    }
}

DROPEFFECT COleDropTarget::OnDragEnter(QWidget*, const QMimeData*, uint32_t, QPoint)
{
    return DROPEFFECT_NONE;
}

void COleDropTarget::OnDragLeave(QWidget*) {}

DROPEFFECT COleDropTarget::OnDragOver(QWidget*, const QMimeData*, uint32_t, QPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragScroll(QWidget*, uint32_t, QPoint)
{
    return DROPEFFECT_NONE;
}

bool COleDropTarget::OnDrop(QWidget*, const QMimeData*, DROPEFFECT, QPoint)
{
    return false;
}

DROPEFFECT COleDropTarget::OnDropEx(QWidget*, const QMimeData*, DROPEFFECT, DROPEFFECT, QPoint)
{
    return DROPEFFECT(-1);
}

DROPEFFECT COleDropSource::GiveFeedback(DROPEFFECT)
{
    return 0;
}

bool COleDropSource::OnBeginDrag(QWidget*)
{
    return true;
}

DROPEFFECT COleDropSource::QueryContinueDrag(bool, uint32_t)
{
    return 0;
}

DROPEFFECT COleDropSource::DoDragDrop(QWidget* pSource, QMimeData* pData, DROPEFFECT allowed,
                                      const QPixmap& dragImage, QPoint hotSpot)
{
    if (!OnBeginDrag(pSource)) {
        delete pData;
        return DROPEFFECT_NONE;
    }
    auto* drag = new QDrag(pSource);
    drag->setMimeData(pData);
    if (!dragImage.isNull()) {
        drag->setPixmap(dragImage);
        drag->setHotSpot(hotSpot);
    }
    Qt::DropActions actions;
    if (allowed & DROPEFFECT_COPY)
        actions |= Qt::CopyAction;
    if (allowed & DROPEFFECT_MOVE)
        actions |= Qt::MoveAction;
    const Qt::DropAction done = drag->exec(actions, Qt::MoveAction);
    switch (done) {
    case Qt::CopyAction:
        return DROPEFFECT_COPY;
    case Qt::MoveAction:
    case Qt::TargetMoveAction:
        return DROPEFFECT_MOVE;
    default:
        return DROPEFFECT_NONE;
    }
}

// ---- CSHBDropTarget

namespace {

intptr_t sendDropEvent(QWidget* pTarget, unsigned msg, SHB_DROPEVENT& ev)
{
    return SendShbMessage(pTarget, msg, 0, reinterpret_cast<intptr_t>(&ev));
}

} // namespace

DROPEFFECT CSHBDropTarget::OnDragEnter(QWidget* pWnd, const QMimeData* pData, uint32_t dwKeyState, QPoint point)
{
    SHB_DROPEVENT ev;
    ev.pWnd = pWnd;
    ev.pDataObject = pData;
    ev.dwKeyState = dwKeyState;
    ev.point = point;
    if (sendDropEvent(GetWindow(), SHBMSG_OLEDRAGENTER, ev))
        return DROPEFFECT(ev.result);
    return DROPEFFECT_NONE;
}

void CSHBDropTarget::OnDragLeave(QWidget* pWnd)
{
    SHB_DROPEVENT ev;
    ev.pWnd = pWnd;
    if (!sendDropEvent(GetWindow(), SHBMSG_OLEDRAGLEAVE, ev))
        COleDropTarget::OnDragLeave(pWnd);
}

DROPEFFECT CSHBDropTarget::OnDragOver(QWidget* pWnd, const QMimeData* pData, uint32_t dwKeyState, QPoint point)
{
    SHB_DROPEVENT ev;
    ev.pWnd = pWnd;
    ev.pDataObject = pData;
    ev.dwKeyState = dwKeyState;
    ev.point = point;
    if (sendDropEvent(GetWindow(), SHBMSG_OLEDRAGOVER, ev))
        return DROPEFFECT(ev.result);
    return DROPEFFECT_NONE;
}

DROPEFFECT CSHBDropTarget::OnDragScroll(QWidget* pWnd, uint32_t dwKeyState, QPoint point)
{
    SHB_DROPEVENT ev;
    ev.pWnd = pWnd;
    ev.dwKeyState = dwKeyState;
    ev.point = point;
    if (sendDropEvent(GetWindow(), SHBMSG_OLEDRAGSCROLL, ev))
        return DROPEFFECT(ev.result);
    return DROPEFFECT_NONE;
}

bool CSHBDropTarget::OnDrop(QWidget* pWnd, const QMimeData* pData, DROPEFFECT dropEffect, QPoint point)
{
    SHB_DROPEVENT ev;
    ev.pWnd = pWnd;
    ev.pDataObject = pData;
    ev.point = point;
    ev.dropEffect = dropEffect;
    if (sendDropEvent(GetWindow(), SHBMSG_OLEDROP, ev))
        return ev.result != 0;
    return false;
}

DROPEFFECT CSHBDropTarget::OnDropEx(QWidget* pWnd, const QMimeData* pData, DROPEFFECT dropDefault, DROPEFFECT dropList,
                                    QPoint point)
{
    SHB_DROPEVENT ev;
    ev.pWnd = pWnd;
    ev.pDataObject = pData;
    ev.point = point;
    ev.dropEffect = dropDefault;
    ev.dropList = dropList;
    if (sendDropEvent(GetWindow(), SHBMSG_OLEDROPEX, ev))
        return DROPEFFECT(ev.result);
    return COleDropTarget::OnDropEx(pWnd, pData, dropDefault, dropList, point);
}

// ---- CSHBDropSource

QWidget* CSHBDropSource::SetOwner(QWidget* pOwner)
{
    QWidget* previous = m_pOwner;
    m_pOwner = pOwner;
    return previous;
}

DROPEFFECT CSHBDropSource::GiveFeedback(DROPEFFECT dropEffect)
{
    SHB_DRAGSOURCEEVENT ev;
    ev.dropEffect = dropEffect;
    if (SendShbMessage(m_pOwner, SHBMSG_OLEGIVEFEEDBACK, 0, reinterpret_cast<intptr_t>(&ev)))
        return DROPEFFECT(ev.result);
    return COleDropSource::GiveFeedback(dropEffect);
}

bool CSHBDropSource::OnBeginDrag(QWidget* pWnd)
{
    SHB_DRAGSOURCEEVENT ev;
    ev.pWnd = pWnd;
    if (SendShbMessage(m_pOwner, SHBMSG_OLEBEGINDRAG, 0, reinterpret_cast<intptr_t>(&ev)))
        return ev.result != 0;
    return COleDropSource::OnBeginDrag(pWnd);
}

DROPEFFECT CSHBDropSource::QueryContinueDrag(bool bEscapePressed, uint32_t dwKeyState)
{
    SHB_DRAGSOURCEEVENT ev;
    ev.dwKeyState = dwKeyState;
    ev.bEscapePressed = bEscapePressed;
    if (SendShbMessage(m_pOwner, SHBMSG_OLEQUERYCONTINUE, 0, reinterpret_cast<intptr_t>(&ev)))
        return DROPEFFECT(ev.result);
    return COleDropSource::QueryContinueDrag(bEscapePressed, dwKeyState);
}
