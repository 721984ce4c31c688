#pragma once
// The build number every version text carries: days since 1 September 2001,
// plus 4, of the date the program was compiled.

// The build number of this build.
unsigned GetBuildNumber();

// Month index 0..11 of a compiler date text ("Sep  6 2003"), -1 when the
// month abbreviation is not one of the twelve.
constexpr int BuildDateMonth(const char* pDate)
{
    if (!pDate)
        return -1;
    constexpr const char* months[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    for (int m = 0; m < 12; ++m)
        if (pDate[0] == months[m][0] && pDate[1] == months[m][1] && pDate[2] == months[m][2] && pDate[3] == ' ')
            return m;
    return -1;
}

// Days from 1 January 1970 of a civil date (proleptic Gregorian).
constexpr long long CivilDays(int y, int m /*1..12*/, int d)
{
    y -= m <= 2 ? 1 : 0;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = int(y - era * 400);
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// The build number of a date text in the compiler's form: month
// abbreviation, the day padded with a blank to two characters, the year.
// 0 for a text whose month is not recognised.
constexpr unsigned BuildNumberFromDate(const char* pDate)
{
    const int month = BuildDateMonth(pDate);
    if (month < 0)
        return 0;
    int i = 4;
    while (pDate[i] == ' ')
        ++i;
    int day = 0;
    while (pDate[i] >= '0' && pDate[i] <= '9')
        day = day * 10 + (pDate[i++] - '0');
    while (pDate[i] == ' ')
        ++i;
    int year = 0;
    while (pDate[i] >= '0' && pDate[i] <= '9')
        year = year * 10 + (pDate[i++] - '0');
    return unsigned(CivilDays(year, month + 1, day) - CivilDays(2001, 9, 1) + 4);
}
