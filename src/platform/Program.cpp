#include "platform/Program.h"

namespace platform {

ProgramIdentity corvaneIdentity()
{
    return {QStringLiteral("FT-817 Corvane"), QStringLiteral("VE817-Corvane-QT9XVK-Application"),
            QStringLiteral("CORVANE_DATA_DIR")};
}

ProgramIdentity brevioIdentity()
{
    return {QStringLiteral("PSK31 Brevio"), QStringLiteral("PSK31-Brevio-QT9XVK-Application"),
            QStringLiteral("BREVIO_DATA_DIR")};
}

static ProgramIdentity& current()
{
    static ProgramIdentity id = corvaneIdentity();
    return id;
}

void setProgram(const ProgramIdentity& identity) { current() = identity; }
const ProgramIdentity& program() { return current(); }

} // namespace platform
