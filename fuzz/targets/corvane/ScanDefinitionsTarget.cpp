// "FT-817 ScanDefs v2.txt".
#include "FuzzTarget.h"

#include "corvane/organisers/ScanDefinitions.h"

CORVANE_FUZZ_TARGET(ScanDefinitions)
{
    CScanDefinitions definitions;
    definitions.ParseLines(fuzz::Lines(data, size));
    definitions.SortByTitle();
    QStringList titles;
    definitions.GetTitles(titles);
    CScanDefinitions again;
    again.ParseLines(definitions.BuildLines());
    return 0;
}
