#pragma once
#include <QByteArray>
#include <QString>

namespace testsupport {

// While it lives, PATH starts with a folder whose xdg-open finds no browser,
// as on a machine without one: it says so on standard error and fails. A
// program started meanwhile inherits it.
class FailingDesktopOpener {
public:
    explicit FailingDesktopOpener(const QString& strFolder);
    ~FailingDesktopOpener();
    bool IsReady() const { return m_bReady; }
    // What it says for an address.
    static QString Complaint(const QString& strAddress);

private:
    QByteArray m_path;
    bool m_bReady = false;
};

} // namespace testsupport
