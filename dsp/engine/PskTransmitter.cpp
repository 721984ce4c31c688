#include "engine/PskTransmitter.h"

#include "engine/Varicode.h"

#include <cctype>
#include <cmath>
#include <map>

namespace pskdsp {

PskMode PskMode::fromCode(int code, bool allowCw)
{
    PskMode m;
    switch (code) {
    case 0: case 1: case 2: m.symbolRate = 31.25; break;
    case 8: case 9: case 10: m.symbolRate = 62.5; break;
    case 4:
        if (!allowCw)
            return m;
        m.cw = true;
        m.valid = true;
        return m;
    default: return m;
    }
    m.valid = true;
    m.qpsk = (code & 3) != 0;
    m.lsb = (code & 3) == 2;
    return m;
}

namespace {

const std::map<char, const char*>& morse()
{
    static const std::map<char, const char*> table = {
        {'A', ".-"}, {'B', "-..."}, {'C', "-.-."}, {'D', "-.."}, {'E', "."}, {'F', "..-."}, {'G', "--."},
        {'H', "...."}, {'I', ".."}, {'J', ".---"}, {'K', "-.-"}, {'L', ".-.."}, {'M', "--"}, {'N', "-."},
        {'O', "---"}, {'P', ".--."}, {'Q', "--.-"}, {'R', ".-."}, {'S', "..."}, {'T', "-"}, {'U', "..-"},
        {'V', "...-"}, {'W', ".--"}, {'X', "-..-"}, {'Y', "-.--"}, {'Z', "--.."}, {'0', "-----"},
        {'1', ".----"}, {'2', "..---"}, {'3', "...--"}, {'4', "....-"}, {'5', "....."}, {'6', "-...."},
        {'7', "--..."}, {'8', "---.."}, {'9', "----."}, {'/', "-..-."}, {'?', "..--.."}, {'.', ".-.-.-"},
        {',', "--..--"}, {'=', "-...-"}, {'-', "-....-"}, {'+', ".-.-."}, {'(', "-.--."}, {')', "-.--.-"},
        {'\'', ".----."}, {'!', "-.-.--"}, {':', "---..."}, {';', "-.-.-."}, {'"', ".-..-."}, {'@', ".--.-."},
        {'&', ".-..."}, {'_', "..--.-"}, {'$', "...-..-"},
    };
    return table;
}

} // namespace

void PskTransmitter::create(double sampleRate)
{
    m_rate = sampleRate;
    reset();
}

void PskTransmitter::reset()
{
    m_state = State::Off;
    m_stopRequested = false;
    m_started = false;
    m_charInFlight = false;
    m_bits.clear();
    m_bitIndex = 0;
    m_encoder.reset();
    m_prev = m_cur = 0;
    m_u = 0;
    m_fade = 1.0;
}

bool PskTransmitter::start(int modeCode)
{
    const PskMode mode = PskMode::fromCode(modeCode, true);
    if (!mode.valid)
        return false;
    if (m_state != State::Off) {
        // A start while the end is on its way takes the transmission back up.
        if (m_state == State::Preamble || m_state == State::Data || m_state == State::Cw)
            m_stopRequested = false;
        return true;
    }
    m_mode = mode;
    m_stopRequested = false;
    m_started = false;
    m_charInFlight = false;
    m_bits.clear();
    m_bitIndex = 0;
    m_encoder.reset();
    m_fade = 1.0;
    if (mode.cw) {
        buildCw();
        m_state = State::Cw;
        return true;
    }
    m_prev = m_cur = 0;
    m_u = 1.0; // the first sample starts the first symbol
    m_count = kPreambleSymbols;
    m_state = State::Preamble;
    return true;
}

void PskTransmitter::stop()
{
    if (m_state != State::Off)
        m_stopRequested = true;
}

void PskTransmitter::abort()
{
    if (m_state == State::Off || m_state == State::Aborting)
        return;
    m_state = State::Aborting;
    m_fadeStep = 1.0 / (kAbortFadeSeconds * m_rate);
}

void PskTransmitter::buildCw()
{
    m_cwUnits.clear();
    bool firstLetter = true;
    bool pendingWordGap = false;
    for (char raw : m_cwText) {
        const char c = char(std::toupper(static_cast<unsigned char>(raw)));
        if (c == ' ') {
            pendingWordGap = true;
            continue;
        }
        auto it = morse().find(c);
        if (it == morse().end())
            continue;
        if (!firstLetter)
            m_cwUnits.insert(m_cwUnits.end(), pendingWordGap ? 7 : 3, 0);
        pendingWordGap = false;
        firstLetter = false;
        bool firstElement = true;
        for (const char* e = it->second; *e; ++e) {
            if (!firstElement)
                m_cwUnits.push_back(0);
            firstElement = false;
            m_cwUnits.insert(m_cwUnits.end(), *e == '-' ? 3 : 1, 1);
        }
    }
    // A unit of silence at the end lets the last element's edge finish.
    m_cwUnits.push_back(0);
    m_cwPos = 0;
    m_cwEnvelope = 0;
}

int PskTransmitter::nextBit(std::deque<uint8_t>& queue, TxEvents& events)
{
    if (m_state == State::Preamble) {
        if (m_count-- > 0)
            return 0;
        m_state = State::Data;
    }
    if (m_state == State::Data) {
        if (m_bitIndex < m_bits.size())
            return m_bits[m_bitIndex++] == '1' ? 1 : 0;
        if (m_charInFlight) {
            // Its last symbol has been generated: it has gone out.
            events.events.push_back({TxEvents::Echo, m_char});
            m_charInFlight = false;
        }
        if (!queue.empty()) {
            m_char = queue.front();
            queue.pop_front();
            m_bits = Varicode::encode(m_char) + "00";
            m_bitIndex = 0;
            m_charInFlight = true;
            return m_bits[m_bitIndex++] == '1' ? 1 : 0;
        }
        if (!m_stopRequested)
            return 0; // idle reversals
        events.events.push_back({TxEvents::Completed, 0});
        m_state = State::Postamble;
        m_count = kPostambleSymbols;
    }
    if (m_state == State::Postamble) {
        // Steady carrier after BPSK; after QPSK the zeros flush the decoder.
        if (m_count-- > 0)
            return m_mode.qpsk ? 0 : 1;
        m_state = State::Ending;
    }
    return -1;
}

void PskTransmitter::nextSymbol(std::deque<uint8_t>& queue, TxEvents& events)
{
    m_prev = m_cur;
    if (m_state == State::Ending) {
        finish(events);
        return;
    }
    const int bit = nextBit(queue, events);
    if (bit < 0) {
        m_cur = 0; // fades out over this symbol
        return;
    }
    std::complex<double> base = std::abs(m_prev) > 0.5 ? m_prev : std::complex<double>(1.0, 0.0);
    if (std::abs(m_prev) <= 0.5) {
        m_cur = base; // first symbol rises from silence
        return;
    }
    if (!m_mode.qpsk) {
        m_cur = bit ? base : -base;
        return;
    }
    static const std::complex<double> shift[4] = {{-1, 0}, {0, 1}, {0, -1}, {1, 0}};
    std::complex<double> s = shift[m_encoder.execute(bit)];
    if (m_mode.lsb)
        s = std::conj(s);
    m_cur = base * s;
}

void PskTransmitter::finish(TxEvents& events)
{
    if (m_state == State::Off)
        return;
    m_state = State::Off;
    m_charInFlight = false;
    m_prev = m_cur = 0;
    events.events.push_back({TxEvents::Receiving, 0});
    m_started = false;
}

void PskTransmitter::execute(float* out, int n, std::deque<uint8_t>& queue, TxEvents& events)
{
    for (int i = 0; i < n; ++i)
        out[i] = 0.0f;
    if (m_state == State::Off)
        return;
    if (!m_started) {
        m_started = true;
        events.events.push_back({TxEvents::Transmitting, 0});
    }
    const double carrierStep = 2.0 * M_PI * m_frequency / m_rate;
    if (m_mode.cw || (m_state == State::Aborting && m_mode.cw)) {
        const double unitsPerSample = 1.0 / (kCwDotSeconds * std::max(1, m_cwSpeed) * m_rate);
        const double edgeStep = 1.0 / (kCwEdgeSeconds * m_rate);
        for (int i = 0; i < n && m_state != State::Off; ++i) {
            if (m_state == State::Aborting) {
                m_fade -= m_fadeStep;
                if (m_fade <= 0) {
                    finish(events);
                    break;
                }
            }
            const size_t unit = size_t(m_cwPos);
            const bool key = m_state == State::Cw && unit < m_cwUnits.size() && m_cwUnits[unit];
            m_cwEnvelope = key ? std::min(1.0, m_cwEnvelope + edgeStep) : std::max(0.0, m_cwEnvelope - edgeStep);
            const double shaped = 0.5 * (1.0 - std::cos(M_PI * m_cwEnvelope));
            out[i] = float(kAmplitude * m_fade * shaped * std::cos(m_phase));
            m_phase += carrierStep;
            if (m_phase > 2 * M_PI)
                m_phase -= 2 * M_PI;
            if (m_state == State::Cw) {
                if (unit < m_cwUnits.size())
                    m_cwPos += unitsPerSample;
                else if (m_stopRequested) {
                    events.events.push_back({TxEvents::Completed, 0});
                    finish(events);
                }
            }
        }
        return;
    }
    const double symbolStep = m_mode.symbolRate / m_rate;
    for (int i = 0; i < n && m_state != State::Off; ++i) {
        if (m_state == State::Aborting) {
            m_fade -= m_fadeStep;
            if (m_fade <= 0) {
                finish(events);
                break;
            }
        } else {
            m_u += symbolStep;
            if (m_u >= 1.0) {
                m_u -= 1.0;
                nextSymbol(queue, events);
                if (m_state == State::Off)
                    break;
            }
        }
        const double s = std::sin(M_PI * m_u / 2);
        const double w = s * s;
        const std::complex<double> b = m_prev * (1.0 - w) + m_cur * w;
        const std::complex<double> carrier(std::cos(m_phase), std::sin(m_phase));
        out[i] = float(kAmplitude * m_fade * (b * carrier).real());
        m_phase += carrierStep;
        if (m_phase > 2 * M_PI)
            m_phase -= 2 * M_PI;
    }
}

} // namespace pskdsp
