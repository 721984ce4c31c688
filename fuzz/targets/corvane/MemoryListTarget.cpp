// The tagged-line memory files: "FT-817 Memory Contents.txt" and the memory
// archive, in the decoded and the raw form.
#include "FuzzTarget.h"

#include "corvane/core/MemoryChannelList.h"

#include <cstdlib>

CORVANE_FUZZ_TARGET(MemoryList)
{
    CMemoryChannelList list;
    list.LoadLines(fuzz::Lines(data, size));
    list.BuildLines(false);
    // What was read survives a save and a second read whole.
    const QStringList raw = list.BuildLines(true);
    CMemoryChannelList again;
    again.LoadLines(raw);
    if (again.GetCount() != list.GetCount() || again.BuildLines(true) != raw)
        std::abort();
    return 0;
}
