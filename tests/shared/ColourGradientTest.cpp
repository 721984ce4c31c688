// The colour steps between two entries of a colour row: each quotient is
// truncated on its own, the ends stay, the order of the ends does not matter.
#include "shared/ui/ColourGradient.h"

#include <gtest/gtest.h>

#include <array>

TEST(ColourGradient, BlackToRedGivesTheDefaultSMeterRow)
{
    std::array<COLORREF, 15> row{};
    row[14] = 0x0000FF;
    CColourGradient(0, 14, row.data(), 15).Fill();
    const int reds[15] = {0, 18, 36, 54, 72, 91, 109, 127, 145, 163, 182, 200, 218, 236, 255};
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(row[size_t(i)], COLORREF(reds[i])) << i;
}

TEST(ColourGradient, WhiteToRedMixesTo254BecauseEachQuotientIsTruncated)
{
    std::array<COLORREF, 9> row{};
    row[0] = 0xFFFFFF;
    row[8] = 0x0000FF;
    CColourGradient(8, 0, row.data(), 9).Fill();
    const COLORREF expected[9] = {0xFFFFFF, 0xDFDFFE, 0xBFBFFE, 0x9F9FFE, 0x7F7FFE,
                                  0x5F5FFE, 0x3F3FFE, 0x1F1FFE, 0x0000FF};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(row[size_t(i)], expected[i]) << i;
}

TEST(ColourGradient, EndsInEitherOrderGiveTheSameRowAndOnlyTheInsideChanges)
{
    std::array<COLORREF, 9> forward{}, backward{};
    for (size_t i = 0; i < 9; ++i)
        forward[i] = backward[i] = 0x123456 + COLORREF(i);
    forward[1] = backward[1] = 0x204060;
    forward[6] = backward[6] = 0xF0A010;
    CColourGradient(1, 6, forward.data(), 9).Fill();
    CColourGradient(6, 1, backward.data(), 9).Fill();
    EXPECT_EQ(forward, backward);
    EXPECT_EQ(forward[0], 0x123456u);
    EXPECT_EQ(forward[7], 0x12345Du);
    EXPECT_EQ(forward[1], 0x204060u);
    EXPECT_EQ(forward[6], 0xF0A010u);
    // Entry 3: red (3*0x60 + 2*0x10)/5 computed as two truncated quotients.
    EXPECT_EQ(GetRValue(forward[3]), 3 * 0x60 / 5 + 2 * 0x10 / 5);
    EXPECT_EQ(GetBValue(forward[3]), 3 * 0x20 / 5 + 2 * 0xF0 / 5);
    EXPECT_EQ(forward[3] >> 24, 0u);
}

TEST(ColourGradient, NeighboursTheSamePointAndEndsOutsideTheRowChangeNothing)
{
    const std::array<COLORREF, 5> start = {1, 2, 3, 4, 5};
    for (auto [a, b] : {std::pair{1, 2}, {3, 3}, {-1, 3}, {0, 5}, {2, 40}}) {
        std::array<COLORREF, 5> row = start;
        CColourGradient(a, b, row.data(), 5).Fill();
        EXPECT_EQ(row, start) << a << " " << b;
    }
}
