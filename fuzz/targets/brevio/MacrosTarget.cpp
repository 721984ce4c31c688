// "PSK31 Brevio Macros v2.txt" and macro files the operator opens.
#include "FuzzTarget.h"

#include "brevio/core/MacroStore.h"

CORVANE_FUZZ_TARGET(Macros)
{
    CMacroStore macros;
    macros.ReadLines(fuzz::Lines(data, size));
    macros.SortByTitle();
    QStringList titles;
    macros.GetTitles(titles);
    CMacroStore again;
    again.ReadLines(macros.RecordLines());
    return 0;
}
