// Palette definition files opened in the palette designer; what was read is
// put into a gradient and exported as a PAL file, as the designer does.
#include "FuzzTarget.h"

#include "brevio/display/Gradient.h"
#include "brevio/display/PaletteFile.h"

#include <cstdlib>

CORVANE_FUZZ_TARGET(PaletteDefinition)
{
    CPaletteFile::Entries entries;
    if (!CPaletteFile::ParseDefinition(fuzz::Lines(data, size), entries)) {
        // Nothing is half read.
        if (entries.size() != 0)
            std::abort();
        return 0;
    }
    CGradient gradient;
    CPaletteFile::ToGradient(entries, gradient);
    if (CPaletteFile::PalLines(gradient).size() != 256)
        std::abort();
    CPaletteFile::Entries again;
    CPaletteFile::ParseDefinition(CPaletteFile::DefinitionLines(entries), again);
    return 0;
}
