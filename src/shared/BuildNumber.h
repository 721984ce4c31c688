#pragma once
#include <cstdint>

// Days since the program's first build (1 September 2001 counts as day 4),
// taken from the compiler's build date "Mmm dd yyyy".
uint32_t GetBuildNumber();
// The same count for a given date text; 0 when the text is not a date.
uint32_t BuildNumberFromDate(const char* date);

// The build's date and time texts: "Sep  6 2003" and "20:38:59".
const char* BuildDateText();
const char* BuildTimeText();
