#pragma once
// A form view's place in its frame: the view is laid out at its design size
// at least, so a frame smaller than that shows scroll bars and every control
// can still be reached, as a form view scrolls; a larger frame gives the
// view all its room. Registered messages sent to it go to the view, which
// stands for the frame's client as before.
#include <QScrollArea>

class QEvent;
class CResizableFormView;

class CFormScroller : public QScrollArea {
    Q_OBJECT
public:
    explicit CFormScroller(CResizableFormView* pView, QWidget* parent = nullptr);
    ~CFormScroller() override;

    CResizableFormView* View() const;

protected:
    bool event(QEvent* event) override;
};
