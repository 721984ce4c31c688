#include "support/FailingDesktopOpener.h"

#include <QDir>
#include <QFile>

namespace testsupport {

FailingDesktopOpener::FailingDesktopOpener(const QString& strFolder) : m_path(qgetenv("PATH"))
{
    QDir().mkpath(strFolder);
    QFile opener(strFolder + QStringLiteral("/xdg-open"));
    if (!opener.open(QIODevice::WriteOnly))
        return;
    opener.write("#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n");
    opener.close();
    if (!opener.setPermissions(opener.permissions() | QFile::ExeOwner))
        return;
    qputenv("PATH", QFile::encodeName(strFolder) + ':' + m_path);
    m_bReady = true;
}

FailingDesktopOpener::~FailingDesktopOpener()
{
    qputenv("PATH", m_path);
}

QString FailingDesktopOpener::Complaint(const QString& strAddress)
{
    return QStringLiteral("xdg-open: no method available for opening '%1'").arg(strAddress);
}

} // namespace testsupport
