#include "shared/BuildNumber.h"

#include <cstdio>
#include <cstring>

namespace {
// Days from 1 January 1970 of a Gregorian date.
int64_t daysFromCivil(int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + int64_t(doe) - 719468;
}
} // namespace

uint32_t BuildNumberFromDate(const char* date)
{
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char month[16] = {};
    int day = 0;
    int year = 0;
    if (!date || std::sscanf(date, "%15s %d %d", month, &day, &year) != 3)
        return 0;
    int index = -1;
    for (int i = 0; i < 12; ++i)
        if (std::strcmp(month, months[i]) == 0)
            index = i;
    if (index < 0)
        return 0;
    // Whole days between midnights, so neither time zone nor summer time matters.
    const int64_t days = daysFromCivil(year, unsigned(index + 1), unsigned(day)) - daysFromCivil(2001, 9, 1);
    return uint32_t(days + 4);
}

const char* BuildDateText() { return __DATE__; }
const char* BuildTimeText() { return __TIME__; }

uint32_t GetBuildNumber()
{
    return BuildNumberFromDate(BuildDateText());
}
