#include "psk/core/PendingDsp.h"

namespace pendingdsp {

Table& table()
{
    static Table t;
    return t;
}

} // namespace pendingdsp
