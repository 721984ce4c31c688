#pragma once
// Faults the simulator can inject, each written on the command line as
//
//   KIND[:key=value[,key=value...]]
//
// KIND is one of
//   no-answer           the radio does not hear the frame: no reply, no effect
//   late-answer         the reply comes delay=MS later (default 1000 ms)
//   short-reply         only the first keep=N reply bytes are sent (default: all but one)
//   corrupt-reply       every reply byte is XORed with xor=HH (default FF)
//   inconsistent-eeprom EEPROM reads (0xBB) return bit 0 of the first byte flipped
//                       (by default on every second read, so three reads in a row disagree)
//   write-not-stick     EEPROM writes (0xBC) are acknowledged but not stored
// and the keys limit which frames it hits:
//   op=HH      only frames with this opcode (hex)
//   addr=HHHH  only EEPROM reads or writes of this address (hex)
//   after=N    let the first N matching frames pass
//   every=N    then hit every Nth matching frame (default 1; 2 for inconsistent-eeprom)
//   count=N    hit at most N frames in all (default: no limit)
// Frames are counted per rule, so the same command line always hits the same frames.
// The plan can be disarmed (--faults-disarmed, SIGUSR2 toggles): then no frame
// is hit or counted, so a test can let a program start cleanly and arm the
// faults at the moment it wants them.
#include "Radio.h"

#include <string>
#include <vector>

namespace ft817sim {

enum class FaultKind { NoAnswer, LateAnswer, ShortReply, CorruptReply, InconsistentEeprom, WriteNotStick };

const char* faultKindName(FaultKind kind);

struct FaultRule {
    FaultKind kind = FaultKind::NoAnswer;
    int opcode = -1;   // -1: any
    int address = -1;  // -1: any
    int after = 0;
    int every = 1;
    int count = -1;    // -1: no limit
    int delayMs = 1000;
    int keep = -1;     // -1: reply length - 1
    uint8_t xorMask = 0xFF;

    int matched = 0;   // matching frames seen
    int hits = 0;      // frames the fault was applied to
};

// Parses one rule; false with a reason on text it does not understand.
bool parseFaultRule(const std::string& text, FaultRule* rule, std::string* error);

// What the rules decided for one frame.
struct FaultEffect {
    bool ignoreFrame = false;    // no-answer
    bool dropWrite = false;      // write-not-stick
    bool flipRead = false;       // inconsistent-eeprom
    int delayMs = 0;             // late-answer
    int keep = -1;               // short-reply (-2: one less than the reply)
    int xorMask = 0;             // corrupt-reply
    std::string names;           // for the journal
    bool any() const { return !names.empty(); }
};

class FaultPlan {
public:
    void add(const FaultRule& rule) { m_rules.push_back(rule); }
    bool empty() const { return m_rules.empty(); }
    bool armed() const { return m_armed; }
    void setArmed(bool armed) { m_armed = armed; }
    const std::vector<FaultRule>& rules() const { return m_rules; }
    // Counts the frame against every rule and returns the combined effect.
    FaultEffect decide(const Frame& frame);

private:
    std::vector<FaultRule> m_rules;
    bool m_armed = true;
};

} // namespace ft817sim
