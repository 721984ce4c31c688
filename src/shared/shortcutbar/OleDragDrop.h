#pragma once
// Drag and drop in the shape the shortcut bar family was designed around: a
// drop target registered for a window receives enter/over/leave/drop calls,
// and a drop source runs an item drag. Qt's drag events are turned into these
// calls; CSHBDropTarget and CSHBDropSource forward them to their windows as
// private messages so that a window (or a derived class) answers them.
#include "shared/shortcutbar/ShortcutBarTypes.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

class QMimeData;

// Windows drop targets: one registered window each; Qt drag events arriving
// at that window are turned into the virtual calls below.
class COleDropTarget : public QObject {
public:
    COleDropTarget();
    ~COleDropTarget() override;

    bool Register(QWidget* pWnd);
    void Revoke();
    QWidget* GetWindow() const { return m_pWnd; }

    virtual winapi::DROPEFFECT OnDragEnter(QWidget* pWnd, const QMimeData* pData, uint32_t dwKeyState, QPoint point);
    virtual void OnDragLeave(QWidget* pWnd);
    virtual winapi::DROPEFFECT OnDragOver(QWidget* pWnd, const QMimeData* pData, uint32_t dwKeyState, QPoint point);
    virtual winapi::DROPEFFECT OnDragScroll(QWidget* pWnd, uint32_t dwKeyState, QPoint point);
    virtual bool OnDrop(QWidget* pWnd, const QMimeData* pData, winapi::DROPEFFECT dropEffect, QPoint point);
    // (DROPEFFECT)-1 lets the drop go through OnDrop.
    virtual winapi::DROPEFFECT OnDropEx(QWidget* pWnd, const QMimeData* pData, winapi::DROPEFFECT dropDefault,
                                        winapi::DROPEFFECT dropList, QPoint point);

    static uint32_t KeyStateFrom(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_pWnd;
    winapi::DROPEFFECT m_lastEffect = winapi::DROPEFFECT_NONE;
};

// Drag sources: runs the drag loop for a data object.
class COleDropSource {
public:
    virtual ~COleDropSource() = default;

    virtual winapi::DROPEFFECT GiveFeedback(winapi::DROPEFFECT dropEffect);
    virtual bool OnBeginDrag(QWidget* pWnd);
    virtual winapi::DROPEFFECT QueryContinueDrag(bool bEscapePressed, uint32_t dwKeyState);

    // Runs the drag of pData (taken over) from pSource and answers the effect
    // of the drop, DROPEFFECT_NONE when nothing was dropped.
    virtual winapi::DROPEFFECT DoDragDrop(QWidget* pSource, QMimeData* pData, winapi::DROPEFFECT allowed,
                                          const QPixmap& dragImage, QPoint hotSpot);
};

// Forwards each call as a message with an SHB_DROPEVENT to the registered window;
// a window that answers 0 gets the plain behaviour.
class CSHBDropTarget : public COleDropTarget {
public:
    winapi::DROPEFFECT OnDragEnter(QWidget* pWnd, const QMimeData* pData, uint32_t dwKeyState, QPoint point) override;
    void OnDragLeave(QWidget* pWnd) override;
    winapi::DROPEFFECT OnDragOver(QWidget* pWnd, const QMimeData* pData, uint32_t dwKeyState, QPoint point) override;
    winapi::DROPEFFECT OnDragScroll(QWidget* pWnd, uint32_t dwKeyState, QPoint point) override;
    bool OnDrop(QWidget* pWnd, const QMimeData* pData, winapi::DROPEFFECT dropEffect, QPoint point) override;
    winapi::DROPEFFECT OnDropEx(QWidget* pWnd, const QMimeData* pData, winapi::DROPEFFECT dropDefault,
                                winapi::DROPEFFECT dropList, QPoint point) override;
};

// Forwards its calls with an SHB_DRAGSOURCEEVENT to its owner window.
class CSHBDropSource : public COleDropSource {
public:
    QWidget* SetOwner(QWidget* pOwner);
    QWidget* GetOwner() const { return m_pOwner; }

    winapi::DROPEFFECT GiveFeedback(winapi::DROPEFFECT dropEffect) override;
    bool OnBeginDrag(QWidget* pWnd) override;
    winapi::DROPEFFECT QueryContinueDrag(bool bEscapePressed, uint32_t dwKeyState) override;

private:
    QPointer<QWidget> m_pOwner;
};
