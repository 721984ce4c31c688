#include "shared/ui/BuildNumber.h"

// A build date with a month outside the table cannot give a build number, so
// it stops the build here rather than the program at run time.
static_assert(BuildDateMonth(__DATE__) >= 0, "the compiler's build date has an unknown month");

unsigned GetBuildNumber()
{
    constexpr unsigned number = BuildNumberFromDate(__DATE__);
    return number;
}
