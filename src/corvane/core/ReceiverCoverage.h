#pragma once
// What the FT-817 receives. The radio acknowledges a frequency outside these
// segments and stays where it was, so every frequency the operator types is
// held against them before anything is sent.
#include <QString>
#include <array>
#include <cstdint>

class CReceiverCoverage {
public:
    // Hz, both edges included.
    struct Segment {
        uint32_t nLow;
        uint32_t nHigh;
    };
    static constexpr std::array<Segment, 3> kSegments{{
        {100000, 56000000},
        {76000000, 154000000},
        {420000000, 470000000},
    }};
    static constexpr uint32_t kLowest = kSegments.front().nLow;
    static constexpr uint32_t kHighest = kSegments.back().nHigh;

    static bool Contains(uint32_t nHz);
    // Whether every frequency from nLow to nHigh is received (one segment
    // holds them all).
    static bool ContainsRange(uint32_t nLow, uint32_t nHigh);
    // The segments as the operator reads them: "0.1-56, 76-154 and 420-470 MHz".
    static QString LimitsText();
};
