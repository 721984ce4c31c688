// The gradient model: the colour table it blends, and how pegs, positions
// and the range are kept in bounds.
#include "brevio/display/Gradient.h"

#include <QBuffer>
#include <QDataStream>
#include <gtest/gtest.h>

namespace {

int Channel(int a, int b, int x, int x0, int x1) { return CGradient::Blend(a, b, x, x0, x1); }

COLORREF Grey(int v) { return RGB(v, v, v); }

} // namespace

TEST(Gradient, BlendIsTruncatedAndSafeAtEqualEnds)
{
    EXPECT_EQ(Channel(0, 255, 0, 0, 255), 0);
    EXPECT_EQ(Channel(0, 255, 255, 0, 255), 255);
    EXPECT_EQ(Channel(0, 255, 1, 0, 255), 1);
    EXPECT_EQ(Channel(0, 255, 100, 0, 256), 99);  // 25500 / 256 = 99.6
    EXPECT_EQ(Channel(200, 10, 1, 0, 3), 136);    // (10 + 400) / 3
    EXPECT_EQ(Channel(7, 7, 500, 0, 1), 7);       // equal colours: no arithmetic at all
    EXPECT_EQ(Channel(0, 99, 3, 5, 5), 99);       // empty segment: the far colour
}

TEST(Gradient, TableWithoutPegsBlendsStartToEnd)
{
    CGradient g;
    g.SetRange(255);
    const std::vector<COLORREF> entries = g.MakeEntries(256);
    ASSERT_EQ(entries.size(), 256u);
    for (int i = 0; i < 256; ++i) {
        const int x = i * 255 / 256;
        ASSERT_EQ(entries[size_t(i)], Grey(Channel(0, 255, x, 0, 255))) << i;
    }
    // x runs 0, 0, 1, 2 ... 254.
    EXPECT_EQ(entries[0], entries[1]);
    EXPECT_EQ(entries[255], Grey(254));
    EXPECT_TRUE(g.MakeEntries(0).empty());
}

TEST(Gradient, TableFollowsPegsWithTheOneUnitSegmentEnds)
{
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> pegs;  // position, grey
        int range;
        std::vector<std::pair<int, int>> expected;  // entry, grey
    };
    const Case cases[] = {
        // The peg at 0 leaves the start colour at position 0 only.
        {"peg at 0", {{0, 200}}, 255, {{0, 0}, {1, 0}, {2, 200}, {255, 254}}},
        // The first segment ends one unit below the peg: 100 / 101 of the way.
        {"one peg", {{100, 255}}, 255, {{0, 0}, {101, 252}, {102, 255}, {255, 255}}},
        // Between two pegs the upper end is one unit lower too.
        {"two pegs", {{10, 100}, {20, 200}}, 255, {{11, 90}, {16, 145}, {21, 190}, {255, 254}}},
    };
    for (const Case& c : cases) {
        CGradient g;
        g.SetRange(c.range);
        for (auto [position, grey] : c.pegs)
            g.AddPeg(Grey(grey), position);
        const std::vector<COLORREF> entries = g.MakeEntries(256);
        for (auto [entry, grey] : c.expected) {
            const int x = entry * c.range / 256;
            EXPECT_EQ(GetRValue(entries[size_t(entry)]), grey) << c.name << " entry " << entry << " x " << x;
        }
    }
}

TEST(Gradient, RangeChangesMovePegsAndRescaleTheTable)
{
    CGradient g;
    EXPECT_EQ(g.GetRange(), 1110);
    g.AddPeg(Grey(128), 200);
    EXPECT_EQ(g.SetRange(100), 1110);
    EXPECT_EQ(g.GetPeg(0).position, 100);
    EXPECT_EQ(g.SetRange(0), 100);
    EXPECT_EQ(g.GetRange(), 1);
    g.SetRange(70000);
    EXPECT_EQ(g.GetRange(), 65535);
    EXPECT_EQ(g.GetPeg(0).position, 1);

    // The same gradient over a wider range gives the same shape.
    CGradient narrow, wide;
    narrow.SetRange(255);
    wide.SetRange(510);
    narrow.AddPeg(RGB(255, 0, 0), 127);
    wide.AddPeg(RGB(255, 0, 0), 254);
    const auto a = narrow.MakeEntries(256);
    const auto b = wide.MakeEntries(256);
    for (int i = 0; i < 256; i += 15)
        EXPECT_NEAR(GetRValue(a[size_t(i)]), GetRValue(b[size_t(i)]), 2) << i;
}

TEST(Gradient, PositionsAreClampedAsEachCallSays)
{
    CGradient g;
    g.SetRange(255);
    // AddPeg keeps 0 .. 65535 whatever the range.
    EXPECT_EQ(g.GetPeg(g.AddPeg(Grey(1), 1000)).position, 1000);
    EXPECT_EQ(g.GetPeg(g.AddPeg(Grey(2), -5)).position, 0);
    EXPECT_EQ(g.GetPeg(g.AddPeg(Grey(3), 90000)).position, 65535);
    // SetPeg: negative 0, 65536 and more 65535 even beyond the range, else at most the range.
    const int i = g.IndexFromColour(Grey(1));
    EXPECT_EQ(g.GetPeg(g.SetPeg(i, Grey(1), 70000)).position, 65535);
    EXPECT_EQ(g.GetPeg(g.SetPeg(g.IndexFromColour(Grey(1)), Grey(1), 300)).position, 255);
    EXPECT_EQ(g.GetPeg(g.SetPeg(g.IndexFromColour(Grey(1)), Grey(1), -1)).position, 0);
    // The ends take a colour and answer -1; the position is ignored.
    EXPECT_EQ(g.SetPeg(CGradient::kStart, Grey(10), 77), -1);
    EXPECT_EQ(g.SetPeg(CGradient::kEnd, Grey(20), 77), -1);
    EXPECT_EQ(g.SetPeg(CGradient::kBackground, Grey(30), 77), -1);
    EXPECT_EQ(g.GetPeg(CGradient::kStart).colour, Grey(10));
    EXPECT_EQ(g.GetPeg(CGradient::kStart).position, -1);
    EXPECT_EQ(g.GetPeg(CGradient::kEnd).colour, Grey(20));
    EXPECT_EQ(g.GetPeg(CGradient::kBackground).colour, Grey(30));
    // Nothing named: nothing changes.
    EXPECT_EQ(g.SetPeg(CGradient::kNone, Grey(40), 0), -1);
    EXPECT_EQ(g.SetPeg(99, Grey(40), 0), -1);
    EXPECT_EQ(g.IndexFromColour(Grey(40)), -1);
}

TEST(Gradient, ManyPegsStaySortedAndAddAnswersTheNewPeg)
{
    CGradient g;
    g.SetRange(255);
    // Positions in a scrambled order; 20 pegs is past the short-run sort.
    for (int n = 0; n < 20; ++n) {
        const int position = (n * 37) % 251;
        const int index = g.AddPeg(RGB(n, 0, 0), position);
        ASSERT_GE(index, 0);
        EXPECT_EQ(GetRValue(g.GetPeg(index).colour), n) << "peg " << n;
        EXPECT_EQ(g.GetPeg(index).position, position);
        EXPECT_EQ(g.IndexFromId(g.GetPeg(index).GetId()), index);
    }
    ASSERT_EQ(g.GetPegCount(), 20);
    for (int i = 1; i < g.GetPegCount(); ++i)
        EXPECT_LE(g.GetPeg(i - 1).position, g.GetPeg(i).position);
    // A moved peg is found again by its identifier.
    const int id = g.GetPeg(3).GetId();
    const int moved = g.SetPeg(3, g.GetPeg(3).colour, 250);
    EXPECT_EQ(g.GetPeg(moved).GetId(), id);
    EXPECT_EQ(g.GetPeg(moved).position, 250);
    g.RemovePeg(moved);
    EXPECT_EQ(g.IndexFromId(id), -1);
    g.RemovePeg(-1);
    g.RemovePeg(100);
    EXPECT_EQ(g.GetPegCount(), 19);
}

TEST(Gradient, ColourAtAPositionUsesTheBackgroundAtZero)
{
    CGradient g;
    g.SetRange(100);
    g.SetPeg(CGradient::kBackground, RGB(1, 2, 3), 0);
    EXPECT_EQ(g.ColourFromPosition(0), RGB(1, 2, 3));
    EXPECT_EQ(g.ColourFromPosition(-1), RGB(0, 0, 0));
    EXPECT_EQ(g.ColourFromPosition(101), RGB(0, 0, 0));
    EXPECT_EQ(g.ColourFromPosition(100), RGB(255, 255, 255));
    EXPECT_EQ(g.ColourFromPosition(1), RGB(0, 0, 0));
    g.AddPeg(Grey(50), 50);
    EXPECT_EQ(g.ColourFromPosition(50), Grey(Channel(0, 50, 50, 1, 51)));
    EXPECT_EQ(g.ColourFromPosition(75), Grey(Channel(50, 255, 75, 50, 100)));
    CGradient one;
    one.SetRange(1);
    EXPECT_EQ(one.ColourFromPosition(1), RGB(255, 255, 255));
}

TEST(Gradient, StreamKeepsColoursAndPegsWithNewIdentifiers)
{
    CGradient g;
    g.SetRange(255);
    g.SetPeg(CGradient::kStart, RGB(9, 8, 7), 0);
    g.SetPeg(CGradient::kEnd, RGB(1, 2, 3), 0);
    g.SetPeg(CGradient::kBackground, RGB(4, 5, 6), 0);
    g.AddPeg(RGB(10, 20, 30), 40);
    g.AddPeg(RGB(40, 50, 60), 200);
    QByteArray data;
    {
        QDataStream out(&data, QIODevice::WriteOnly);
        g.Write(out);
    }
    EXPECT_EQ(data.size(), 4 * 4 + 2 * 8);
    CGradient copy;
    copy.SetRange(255);
    QDataStream in(data);
    ASSERT_TRUE(copy.Read(in));
    EXPECT_EQ(copy.GetStartColour(), RGB(9, 8, 7));
    EXPECT_EQ(copy.GetEndColour(), RGB(1, 2, 3));
    EXPECT_EQ(copy.GetBackgroundColour(), RGB(4, 5, 6));
    ASSERT_EQ(copy.GetPegCount(), 2);
    EXPECT_EQ(copy.GetPeg(1).position, 200);
    EXPECT_NE(copy.GetPeg(0).GetId(), g.GetPeg(0).GetId());
    EXPECT_EQ(copy.MakeEntries(256), g.MakeEntries(256));

    // A cut-off stream changes nothing.
    QDataStream cut(data.left(20));
    EXPECT_FALSE(copy.Read(cut));
    EXPECT_EQ(copy.GetPegCount(), 2);
}
