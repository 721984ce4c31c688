#pragma once
// The keyboard after a window that had it closes: back to the window it
// belongs to, or, when that has gone too, to the program's main window.
// Window managers hand the focus on by rules of their own, and a dialog that
// closes right after its message box can leave the program with no window
// that takes keys until the operator clicks one. Watches every window of the
// application; a window that did not have the keyboard when it closed takes
// nothing from anybody.
#include <QObject>
#include <QPointer>
#include <QWidget>

class CFocusReturn : public QObject {
public:
    static void Install();
    static bool IsInstalled();

    // The window the keyboard goes back to when a window that belongs to
    // pOwner (nullptr: to none) closes: the nearest owner up the chain that
    // is still shown, else the main window; nullptr when none is shown.
    static QWidget* ReturnTarget(QWidget* pOwner);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CFocusReturn();
    // The window of ours that has (or last had) the keyboard.
    QPointer<QWidget> m_lastActive;
};
