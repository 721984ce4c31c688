#pragma once
#include <cstdint>
#include <string>

namespace pskdsp {

// The PSK31 character code: every code starts and ends with a 1 and holds no
// two zeros in a row, so "00" separates characters. Bytes 0-127 use the
// standard table; 128-255 take the next unused codes in order of length.
class Varicode {
public:
    // The code of one byte as a string of '0'/'1', most significant bit first.
    static const std::string& encode(uint8_t byte);
    // The byte for a code given as its bits (first bit highest), or -1.
    static int decode(uint32_t bits, int length);
    static constexpr int kMaxLength = 12;
};

// Turns a bit stream back into bytes.
class VaricodeDecoder {
public:
    // Returns the completed byte, or -1 when the bit completes nothing.
    int execute(int bit);
    void reset();

private:
    uint32_t m_bits = 0;
    int m_length = 0;
    bool m_lastZero = false;
    bool m_overflow = false;
};

} // namespace pskdsp
