#include "CatSession.h"

#include <cstdio>

namespace ft817sim {

std::string describeLine(const LineSettings& line)
{
    char text[48];
    std::snprintf(text, sizeof text, "%ld %d%c%d", line.baud, line.dataBits, line.parity ? 'P' : 'N', line.stopBits);
    return text;
}

bool CatSession::lineMatches(const LineSettings& line) const
{
    return line.baud == m_baud && line.dataBits == 8 && !line.parity && line.stopBits == 2;
}

Outcome CatSession::process(const Frame& frame, const LineSettings& line)
{
    Outcome out;
    if (!lineMatches(line)) {
        // At another speed or framing the radio sees only noise.
        out.note = "silent: line " + describeLine(line) + ", radio at " + describeLine({m_baud, 8, false, 2});
        return out;
    }
    const FaultEffect fx = m_faults.decide(frame);
    if (fx.ignoreFrame) {
        out.note = "fault " + fx.names;
        return out;
    }
    if (fx.dropWrite && frame.opcode() == op::WriteEeprom && m_radio.isPoweredOn())
        out.reply = Reply{0x00};
    else
        out.reply = m_radio.handleFrame(frame);
    if (fx.flipRead && frame.opcode() == op::ReadEeprom && !out.reply.empty())
        out.reply[0] ^= 0x01;
    if (fx.keep != -1 && !out.reply.empty()) {
        const size_t keep = fx.keep == -2 ? out.reply.size() - 1 : size_t(fx.keep);
        if (keep < out.reply.size())
            out.reply.resize(keep);
    }
    if (fx.xorMask)
        for (uint8_t& b : out.reply)
            b ^= uint8_t(fx.xorMask);
    out.delayMs = fx.delayMs;
    if (fx.any())
        out.note = "fault " + fx.names;
    return out;
}

std::string hexBytes(const uint8_t* data, size_t count)
{
    std::string s;
    char two[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(two, sizeof two, "%02X", data[i]);
        if (i)
            s += ' ';
        s += two;
    }
    return s;
}

std::string journalLine(const std::string& clock, int64_t elapsedMs, const Frame& frame, const Outcome& outcome)
{
    char head[64];
    std::snprintf(head, sizeof head, "%s +%lldms ", clock.c_str(), static_cast<long long>(elapsedMs));
    std::string line = head;
    line += hexBytes(frame.bytes.data(), 5);
    line += " -> ";
    line += outcome.reply.empty() ? std::string("-") : hexBytes(outcome.reply.data(), outcome.reply.size());
    if (!outcome.note.empty())
        line += " [" + outcome.note + "]";
    return line;
}

} // namespace ft817sim
