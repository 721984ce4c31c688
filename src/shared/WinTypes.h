#pragma once
// The few value types the programs keep in the form their stored files and
// settings use: colours as 0x00BBGGRR (red in the low byte).
#include <QColor>
#include <cstdint>

using COLORREF = uint32_t;

constexpr COLORREF RGB(int r, int g, int b)
{
    return COLORREF(uint8_t(r)) | (COLORREF(uint8_t(g)) << 8) | (COLORREF(uint8_t(b)) << 16);
}
constexpr int GetRValue(COLORREF c) { return int(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return int((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return int((c >> 16) & 0xFF); }

// A rectangle as the design keeps it: right and bottom lie just outside.
struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

inline QColor toQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
inline COLORREF fromQColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }
