#include "psk/core/MacroStore.h"

CMacroStore& Macros()
{
    static CMacroStore* store = new CMacroStore;
    return *store;
}
