#include "engine/Varicode.h"

#include <array>
#include <unordered_map>
#include <vector>

namespace pskdsp {
namespace {

const char* const kAscii[128] = {
    "1010101011", "1011011011", "1011101101", "1101110111", "1011101011", "1101011111", "1011101111", "1011111101",
    "1011111111", "11101111", "11101", "1101101111", "1011011101", "11111", "1101110101", "1110101011",
    "1011110111", "1011110101", "1110101101", "1110101111", "1101011011", "1101101011", "1101101101", "1101010111",
    "1101111011", "1101111101", "1110110111", "1101010101", "1101011101", "1110111011", "1011111011", "1101111111",
    "1", "111111111", "101011111", "111110101", "111011011", "1011010101", "1010111011", "101111111",
    "11111011", "11110111", "101101111", "111011111", "1110101", "110101", "1010111", "110101111",
    "10110111", "10111101", "11101101", "11111111", "101110111", "101011011", "101101011", "110101101",
    "110101011", "110110111", "11110101", "110111101", "111101101", "1010101", "111010111", "1010101111",
    "1010111101", "1111101", "11101011", "10101101", "10110101", "1110111", "11011011", "11111101",
    "101010101", "1111111", "111111101", "101111101", "11010111", "10111011", "11011101", "10101011",
    "11010101", "111011101", "10101111", "1101111", "1101101", "101010111", "110110101", "101011101",
    "101110101", "101111011", "1010101101", "111110111", "111101111", "111111011", "1010111111", "101101101",
    "1011011111", "1011", "1011111", "101111", "101101", "11", "111101", "1011011",
    "101011", "1101", "111101011", "10111111", "11011", "111011", "1111", "111",
    "111111", "110111111", "10101", "10111", "101", "110111", "1111011", "1101011",
    "11011111", "1011101", "111010101", "1010110111", "110111011", "1010110101", "1011010111", "1110110101",
};

struct Tables {
    std::array<std::string, 256> codes;
    std::unordered_map<uint32_t, int> byCode; // key: length << 16 | bits

    static uint32_t key(uint32_t bits, int length) { return (uint32_t(length) << 16) | bits; }
    static uint32_t bitsOf(const std::string& code)
    {
        uint32_t v = 0;
        for (char c : code)
            v = (v << 1) | (c == '1' ? 1u : 0u);
        return v;
    }

    Tables()
    {
        for (int i = 0; i < 128; ++i)
            codes[i] = kAscii[i];
        std::unordered_map<std::string, bool> used;
        for (int i = 0; i < 128; ++i)
            used[codes[i]] = true;
        // The upper half: valid codes in order of length, then value.
        int next = 128;
        for (int length = 1; length <= Varicode::kMaxLength && next < 256; ++length) {
            for (uint32_t v = 1u << (length - 1); v < (1u << length) && next < 256; ++v) {
                if ((v & 1u) == 0)
                    continue;
                std::string s;
                for (int b = length - 1; b >= 0; --b)
                    s.push_back((v >> b) & 1u ? '1' : '0');
                if (s.find("00") != std::string::npos || used.count(s))
                    continue;
                codes[next++] = s;
                used[s] = true;
            }
        }
        for (int i = 0; i < 256; ++i)
            byCode[key(bitsOf(codes[i]), int(codes[i].size()))] = i;
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

} // namespace

const std::string& Varicode::encode(uint8_t byte)
{
    return tables().codes[byte];
}

int Varicode::decode(uint32_t bits, int length)
{
    const auto& map = tables().byCode;
    auto it = map.find(Tables::key(bits, length));
    return it == map.end() ? -1 : it->second;
}

int VaricodeDecoder::execute(int bit)
{
    if (bit) {
        if (m_lastZero && m_length > 0) {
            m_bits <<= 1;
            ++m_length;
        }
        m_lastZero = false;
        m_bits = (m_bits << 1) | 1u;
        if (++m_length > Varicode::kMaxLength)
            m_overflow = true;
        return -1;
    }
    if (!m_lastZero) {
        m_lastZero = true;
        return -1;
    }
    // Two zeros: the character is complete.
    int result = -1;
    if (m_length > 0 && !m_overflow)
        result = Varicode::decode(m_bits, m_length);
    m_bits = 0;
    m_length = 0;
    m_overflow = false;
    return result;
}

void VaricodeDecoder::reset()
{
    m_bits = 0;
    m_length = 0;
    m_lastZero = false;
    m_overflow = false;
}

} // namespace pskdsp
