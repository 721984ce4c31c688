#include "FrameAssembler.h"

namespace ft817sim {

FrameAssembler::Result FrameAssembler::feed(const uint8_t* data, size_t count, int64_t nowMs)
{
    Result result;
    if (count == 0)
        return result;
    if (!m_partial.empty() && nowMs - m_lastByteMs > m_gapMs)
        result.dropped.push_back(reset());
    m_lastByteMs = nowMs;
    for (size_t i = 0; i < count; ++i) {
        m_partial.push_back(data[i]);
        if (m_partial.size() == 5) {
            Frame f;
            for (int k = 0; k < 5; ++k)
                f.bytes[k] = m_partial[k];
            result.frames.push_back(f);
            m_partial.clear();
        }
    }
    return result;
}

std::vector<uint8_t> FrameAssembler::reset()
{
    std::vector<uint8_t> out;
    out.swap(m_partial);
    return out;
}

} // namespace ft817sim
