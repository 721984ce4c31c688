#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace pskdsp {

// Rate 1/2, constraint length 5 code of the QPSK modes (generators 0x19 and
// 0x17). A symbol carries the two coded bits as (first << 1) | second.
class ConvolutionalEncoder {
public:
    int execute(int bit)
    {
        m_register = ((m_register << 1) | (bit & 1)) & 0x1F;
        return symbolFor(m_register);
    }
    void reset() { m_register = 0; }
    static int symbolFor(unsigned reg) { return (parity(reg & 0x19) << 1) | parity(reg & 0x17); }
    static int parity(unsigned v) { return __builtin_parity(v); }

private:
    unsigned m_register = 0;
};

// Soft-decision Viterbi decoder for that code. Each step takes two soft
// values (positive means a 1 is likelier) and, once the trace-back depth is
// reached, returns the bit decided that many steps ago.
class ViterbiDecoder {
public:
    static constexpr int kStates = 16;
    explicit ViterbiDecoder(int depth = 24) : m_depth(depth) { reset(); }
    void reset();
    // Returns 0/1, or -1 while the decoder is still filling.
    int execute(float softFirst, float softSecond);
    int depth() const { return m_depth; }
    // How well the last step's soft values fit the best path: 1 when they
    // are exactly a code symbol, lower the less the stream looks coded.
    float lastFit() const { return m_lastFit; }

private:
    int m_depth;
    float m_lastFit = 0;
    std::array<float, kStates> m_metric{};
    std::vector<std::array<uint8_t, kStates>> m_history; // previous-state choice per step
    int m_pos = 0;
    int m_filled = 0;
};

} // namespace pskdsp
