#include "Faults.h"

#include <cstdlib>

namespace ft817sim {

namespace {

struct KindName {
    FaultKind kind;
    const char* name;
};
constexpr KindName kKinds[] = {
    {FaultKind::NoAnswer, "no-answer"},
    {FaultKind::LateAnswer, "late-answer"},
    {FaultKind::ShortReply, "short-reply"},
    {FaultKind::CorruptReply, "corrupt-reply"},
    {FaultKind::InconsistentEeprom, "inconsistent-eeprom"},
    {FaultKind::WriteNotStick, "write-not-stick"},
};

bool parseNumber(const std::string& text, int base, long max, long* out)
{
    if (text.empty())
        return false;
    std::string t = text;
    if (base == 16 && t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X'))
        t = t.substr(2);
    char* end = nullptr;
    const long v = std::strtol(t.c_str(), &end, base);
    if (end == t.c_str() || *end != '\0' || v < 0 || v > max)
        return false;
    *out = v;
    return true;
}

} // namespace

const char* faultKindName(FaultKind kind)
{
    for (const KindName& k : kKinds)
        if (k.kind == kind)
            return k.name;
    return "?";
}

bool parseFaultRule(const std::string& text, FaultRule* rule, std::string* error)
{
    auto fail = [&](const std::string& why) {
        if (error)
            *error = why;
        return false;
    };
    FaultRule r;
    const size_t colon = text.find(':');
    const std::string kind = text.substr(0, colon);
    bool known = false;
    for (const KindName& k : kKinds) {
        if (kind == k.name) {
            r.kind = k.kind;
            known = true;
        }
    }
    if (!known)
        return fail("unknown fault '" + kind
                    + "' (no-answer, late-answer, short-reply, corrupt-reply, inconsistent-eeprom, write-not-stick)");
    if (r.kind == FaultKind::InconsistentEeprom) {
        r.opcode = op::ReadEeprom;
        r.every = 2;
    } else if (r.kind == FaultKind::WriteNotStick) {
        r.opcode = op::WriteEeprom;
    }

    std::string rest = colon == std::string::npos ? std::string() : text.substr(colon + 1);
    while (!rest.empty()) {
        const size_t comma = rest.find(',');
        const std::string item = rest.substr(0, comma);
        rest = comma == std::string::npos ? std::string() : rest.substr(comma + 1);
        const size_t eq = item.find('=');
        if (eq == std::string::npos)
            return fail("fault option '" + item + "' needs a value (key=value)");
        const std::string key = item.substr(0, eq);
        const std::string value = item.substr(eq + 1);
        long v = 0;
        if (key == "op") {
            if (!parseNumber(value, 16, 0xFF, &v))
                return fail("op wants a hex opcode, not '" + value + "'");
            if ((r.kind == FaultKind::InconsistentEeprom && v != op::ReadEeprom)
                || (r.kind == FaultKind::WriteNotStick && v != op::WriteEeprom))
                return fail(std::string(faultKindName(r.kind)) + " applies to its own opcode only");
            r.opcode = int(v);
        } else if (key == "addr") {
            if (!parseNumber(value, 16, 0xFFFF, &v))
                return fail("addr wants a hex EEPROM address, not '" + value + "'");
            r.address = int(v);
        } else if (key == "after") {
            if (!parseNumber(value, 10, 1000000000, &v))
                return fail("after wants a count, not '" + value + "'");
            r.after = int(v);
        } else if (key == "every") {
            if (!parseNumber(value, 10, 1000000000, &v) || v < 1)
                return fail("every wants a count of 1 or more, not '" + value + "'");
            r.every = int(v);
        } else if (key == "count") {
            if (!parseNumber(value, 10, 1000000000, &v))
                return fail("count wants a number, not '" + value + "'");
            r.count = int(v);
        } else if (key == "delay" && r.kind == FaultKind::LateAnswer) {
            if (!parseNumber(value, 10, 600000, &v))
                return fail("delay wants milliseconds, not '" + value + "'");
            r.delayMs = int(v);
        } else if (key == "keep" && r.kind == FaultKind::ShortReply) {
            if (!parseNumber(value, 10, 4, &v))
                return fail("keep wants 0 to 4 bytes, not '" + value + "'");
            r.keep = int(v);
        } else if (key == "xor" && r.kind == FaultKind::CorruptReply) {
            if (!parseNumber(value, 16, 0xFF, &v) || v == 0)
                return fail("xor wants a non-zero hex byte, not '" + value + "'");
            r.xorMask = uint8_t(v);
        } else {
            return fail("fault " + std::string(faultKindName(r.kind)) + " has no option '" + key + "'");
        }
    }
    *rule = r;
    return true;
}

FaultEffect FaultPlan::decide(const Frame& frame)
{
    FaultEffect effect;
    if (!m_armed)
        return effect;
    for (FaultRule& r : m_rules) {
        if (r.opcode >= 0 && frame.opcode() != r.opcode)
            continue;
        if (r.address >= 0) {
            const bool eeprom = frame.opcode() == op::ReadEeprom || frame.opcode() == op::WriteEeprom;
            if (!eeprom || frame.address() != r.address)
                continue;
        }
        ++r.matched;
        if (r.matched <= r.after || (r.matched - r.after) % r.every != 0)
            continue;
        if (r.count >= 0 && r.hits >= r.count)
            continue;
        ++r.hits;
        switch (r.kind) {
        case FaultKind::NoAnswer: effect.ignoreFrame = true; break;
        case FaultKind::LateAnswer: effect.delayMs += r.delayMs; break;
        case FaultKind::ShortReply: effect.keep = r.keep >= 0 ? r.keep : -2; break;
        case FaultKind::CorruptReply: effect.xorMask ^= r.xorMask; break;
        case FaultKind::InconsistentEeprom: effect.flipRead = true; break;
        case FaultKind::WriteNotStick: effect.dropWrite = true; break;
        }
        if (!effect.names.empty())
            effect.names += ' ';
        effect.names += faultKindName(r.kind);
    }
    return effect;
}

} // namespace ft817sim
