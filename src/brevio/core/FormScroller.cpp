#include "brevio/core/FormScroller.h"

#include "brevio/core/ResizableFormView.h"
#include "shared/RegisteredEvent.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>

#include <cstdint>

CFormScroller::CFormScroller(CResizableFormView* pView, QWidget* parent) : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    // The keys belong to the view's controls, not to scrolling.
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    pView->setMinimumSize(pView->GetDesignSize());
    setWidget(pView);
}

CFormScroller::~CFormScroller() = default;

CResizableFormView* CFormScroller::View() const
{
    return qobject_cast<CResizableFormView*>(widget());
}

bool CFormScroller::event(QEvent* event)
{
    if (uint32_t(event->type()) >= 0xC000 && uint32_t(event->type()) <= 0xFFFF && widget()) {
        if (auto* e = dynamic_cast<CRegisteredEvent*>(event)) {
            QCoreApplication::sendEvent(widget(), e);
            return true;
        }
    }
    return QScrollArea::event(event);
}
