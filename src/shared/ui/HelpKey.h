#pragma once
// F1 anywhere in a program that opens its guide on that key: the main
// window, its dialogs and property sheets, whichever control has the
// focus. Watches the key for the whole application; a dialog of its own
// need do nothing.
#include <QObject>
#include <functional>

class CHelpKey : public QObject {
public:
    // What F1 runs; an empty function takes the key away again.
    static void Install(std::function<void()> run);
    static bool IsInstalled();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CHelpKey(std::function<void()> run);
    std::function<void()> m_run;
};
