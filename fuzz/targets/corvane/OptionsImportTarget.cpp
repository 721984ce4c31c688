// The options text form read by Load in the program options (a colour
// scheme or settings file from another station).
#include "FuzzTarget.h"

#include "corvane/core/Settings.h"

CORVANE_FUZZ_TARGET(OptionsImport)
{
    CSettings settings;
    settings.ImportLines(fuzz::Lines(data, size));
    QStringList lines;
    settings.ExportLines(lines);
    return 0;
}
