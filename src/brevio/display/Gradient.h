#pragma once
// The waterfall palette as the operator designs it: a start colour at the
// top, an end colour at the bottom and any number of pegs (a colour at a
// position) between them, blended linearly into a table of colours.
#include "shared/WinTypes.h"

#include <vector>

class QDataStream;

class CPeg {
public:
    // Every new peg (and every peg read from a stream) takes the next
    // identifier; copies keep theirs, so a peg is found again after sorting.
    CPeg();
    CPeg(COLORREF colour, int nPosition);
    CPeg(const CPeg&) = default;
    CPeg& operator=(const CPeg&) = default;

    COLORREF colour = 0;
    int position = 0;
    int GetId() const { return m_nId; }
    void Renumber();

private:
    int m_nId;
};

class CGradient {
public:
    // Peg indexes that name the ends instead of a peg.
    static constexpr int kBackground = -4;
    static constexpr int kStart = -3;
    static constexpr int kEnd = -2;
    static constexpr int kNone = -1;
    static constexpr int kMaxPosition = 65535;

    CGradient() = default;
    CGradient(const CGradient&) = default;
    CGradient& operator=(const CGradient&) = default;

    // The position is kept within 0 .. 65535 (not the range); answers the
    // index where the new peg landed.
    int AddPeg(COLORREF colour, int nPosition);
    void RemovePeg(int nIndex);
    // An end (-4, -3, -2) takes the colour and answers -1; a peg takes both
    // and answers its index after sorting. Positions above 65535 become
    // 65535, others are kept within 0 .. range.
    int SetPeg(int nIndex, COLORREF colour, int nPosition);
    // The ends come with position -1.
    CPeg GetPeg(int nIndex) const;
    int GetPegCount() const { return int(m_pegs.size()); }

    // 1 .. 65535; pegs beyond the new range move to it. Answers the old range.
    int SetRange(int nRange);
    int GetRange() const { return m_nRange; }

    int IndexFromId(int nId) const;
    int IndexFromColour(COLORREF colour) const;

    COLORREF GetStartColour() const { return m_colStart; }
    COLORREF GetEndColour() const { return m_colEnd; }
    COLORREF GetBackgroundColour() const { return m_colBackground; }

    // The table of count colours from the top (entry 0) to the bottom.
    std::vector<COLORREF> MakeEntries(int nCount) const;
    COLORREF ColourFromPosition(int nPosition) const;

    // One 8-bit channel between a (at x0) and b (at x1), truncated toward zero.
    static int Blend(int a, int b, int x, int x0, int x1);
    static COLORREF BlendColour(COLORREF a, COLORREF b, int x, int x0, int x1);

    // Background, start and end colour, the peg count, then each peg's colour
    // and position, all as 32-bit values. Reading gives the pegs new identifiers.
    void Write(QDataStream& stream) const;
    bool Read(QDataStream& stream);

private:
    void Sort();

    int m_nRange = 1110;
    std::vector<CPeg> m_pegs;
    COLORREF m_colStart = RGB(0, 0, 0);
    COLORREF m_colEnd = RGB(255, 255, 255);
    COLORREF m_colBackground = RGB(0, 0, 0);
};
