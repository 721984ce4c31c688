#pragma once
#include <QString>

namespace platform {

// Which of the two programs this process is. Settings, data folder and the
// local-socket names all follow from it.
struct ProgramIdentity {
    QString name;              // "FT-817 Corvane" / "PSK31 Brevio"
    QString windowIdentifier;  // single-instance and messaging name
    QString dataDirVariable;   // environment override of the data folder
};

ProgramIdentity corvaneIdentity();
ProgramIdentity brevioIdentity();

void setProgram(const ProgramIdentity& identity);
const ProgramIdentity& program();

inline constexpr const char* kOrganisation = "QT9XVK";

} // namespace platform
