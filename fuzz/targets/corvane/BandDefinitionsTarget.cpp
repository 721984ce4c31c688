// "FT-817 Band Definitions.txt" and the default band definitions.
#include "FuzzTarget.h"

#include "corvane/organisers/BandSetList.h"

CORVANE_FUZZ_TARGET(BandDefinitions)
{
    CBandSetList sets;
    sets.ParseLines(fuzz::Lines(data, size));
    sets.SortByTitle();
    CBandSetList again;
    again.ParseLines(sets.BuildLines());
    return 0;
}
