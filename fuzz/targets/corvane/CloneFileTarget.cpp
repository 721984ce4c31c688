// Clone files, checked line by line before anything goes to the radio.
#include "FuzzTarget.h"

#include "corvane/memory/CloneFile.h"

#include <cstdlib>

CORVANE_FUZZ_TARGET(CloneFile)
{
    const CloneFile::Contents contents = CloneFile::Parse(fuzz::Lines(data, size));
    if (!contents.bValid) {
        CloneFile::InvalidFileText(contents);
        return 0;
    }
    // Only lines of a known section with an address inside it are let through.
    for (const CloneFile::Line& line : contents.lines) {
        if (line.nSection < 0 || line.nSection >= CloneFile::kSectionCount
            || !CloneFile::GetSection(line.nSection).Holds(line.nAddress))
            std::abort();
    }
    return 0;
}
