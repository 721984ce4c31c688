#include "support/MacroFiles.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace testsupport {

bool WriteMacros(const QString& folder, int nCount, const QString& strTextFormat)
{
    QStringList lines{QStringLiteral("# Macro definitions")};
    for (int n = 0; n < nCount; ++n)
        lines << QStringLiteral("#") << QStringLiteral("100 Macro %1").arg(n) << QStringLiteral("104 M%1").arg(n)
              << QStringLiteral("102 0") << QStringLiteral("103 1") << QStringLiteral("101 ") + strTextFormat.arg(n)
              << QStringLiteral("-@-");
    lines << QStringLiteral("#") << QStringLiteral("#@filetype=1");
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/PSK31 Brevio Macros v2.txt"));
    return file.open(QIODevice::WriteOnly) && file.write(lines.join(QStringLiteral("\r\n")).toLatin1()) > 0;
}

} // namespace testsupport
