#pragma once
#include "Radio.h"

#include <cstdint>
#include <vector>

namespace ft817sim {

// Cuts the incoming byte stream into five-byte frames. Bytes may arrive in any
// pieces. A partial frame followed by a pause longer than the gap is dropped,
// so a lost or stray byte costs one frame instead of shifting every later one:
// a CAT client writes each frame in one go and then waits for the reply.
class FrameAssembler {
public:
    explicit FrameAssembler(int64_t gapMs = 250) : m_gapMs(gapMs) {}

    struct Result {
        std::vector<Frame> frames;
        std::vector<std::vector<uint8_t>> dropped; // partial frames given up
    };

    // Bytes that arrived at nowMs (a monotonic clock in milliseconds).
    Result feed(const uint8_t* data, size_t count, int64_t nowMs);
    // Gives up a partial frame now (the line settings changed under it).
    std::vector<uint8_t> reset();
    size_t pending() const { return m_partial.size(); }

private:
    int64_t m_gapMs;
    int64_t m_lastByteMs = 0;
    std::vector<uint8_t> m_partial;
};

} // namespace ft817sim
