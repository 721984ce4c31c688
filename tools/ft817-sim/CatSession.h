#pragma once
// One frame from the wire to the reply: the line check, the injected faults and
// the radio, without any I/O, so it can be driven by tests as the program does.
#include "Faults.h"
#include "Radio.h"

#include <string>

namespace ft817sim {

// The line as the CAT client set it up (on a pseudo-terminal, the slave's termios).
struct LineSettings {
    long baud = 0;
    int dataBits = 8;
    bool parity = false;
    int stopBits = 2;
    bool operator==(const LineSettings&) const = default;
};
std::string describeLine(const LineSettings& line); // "38400 8N2"

struct Outcome {
    Reply reply;       // bytes to send, possibly none
    int delayMs = 0;   // before the first byte
    std::string note;  // why the reply differs from the radio's own, for the journal
};

class CatSession {
public:
    CatSession(Radio& radio, long baud) : m_radio(radio), m_baud(baud) {}

    FaultPlan& faults() { return m_faults; }
    long baud() const { return m_baud; }
    // The radio hears only its own speed with 8 data bits, no parity, 2 stop bits.
    bool lineMatches(const LineSettings& line) const;

    Outcome process(const Frame& frame, const LineSettings& line);

private:
    Radio& m_radio;
    long m_baud;
    FaultPlan m_faults;
};

// One journal line: "HH:MM:SS.mmm +ELAPSEDms P1 P2 P3 P4 OP -> REPLY [note]",
// REPLY being the bytes sent in hex or "-" for none.
std::string journalLine(const std::string& clock, int64_t elapsedMs, const Frame& frame, const Outcome& outcome);
std::string hexBytes(const uint8_t* data, size_t count);

} // namespace ft817sim
