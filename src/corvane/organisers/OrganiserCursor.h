#pragma once
// The wait cursor for the length of a scope, nested as often as needed.
// Without a GUI application (a plain test) it does nothing.
#include <QApplication>

class OrganiserCursor {
public:
    OrganiserCursor()
        : m_bSet(qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_bSet)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~OrganiserCursor()
    {
        if (m_bSet)
            QApplication::restoreOverrideCursor();
    }
    OrganiserCursor(const OrganiserCursor&) = delete;
    OrganiserCursor& operator=(const OrganiserCursor&) = delete;

private:
    bool m_bSet;
};
