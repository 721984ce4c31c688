#pragma once
// PSK31 Brevio's macros file, written into a data folder before the program
// starts.
#include <QString>

namespace testsupport {

// nCount enabled macros, the n-th titled "Macro n" (short title "Mn") and
// sending strTextFormat with n for "%1"; false when the file could not be
// written.
bool WriteMacros(const QString& folder, int nCount, const QString& strTextFormat);

} // namespace testsupport
