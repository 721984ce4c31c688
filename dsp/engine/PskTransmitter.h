#pragma once
#include <complex>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/ConvolutionalCode.h"

namespace pskdsp {

// What one block of transmitted samples brought about, in order.
struct TxEvents {
    enum Kind { Transmitting, Completed, Receiving, Echo };
    struct Event {
        Kind kind;
        int value; // the echoed byte
    };
    std::vector<Event> events;
    void clear() { events.clear(); }
};

// Mode codes shared by transmitter and receivers.
struct PskMode {
    bool valid = false;
    bool qpsk = false;
    bool lsb = false;
    bool cw = false;
    double symbolRate = 31.25;
    // 0, 1, 2 PSK31 BPSK / QPSK-USB / QPSK-LSB; 8, 9, 10 the same at PSK63; 4 CW.
    static PskMode fromCode(int code, bool allowCw);
};

// Generates the transmitted audio: raised-cosine shaped BPSK or QPSK with a
// preamble of reversals and a postamble, or the on-off keyed identification.
class PskTransmitter {
public:
    static constexpr int kPreambleSymbols = 32;
    static constexpr int kPostambleSymbols = 32;
    static constexpr double kAmplitude = 0.7; // of full scale
    static constexpr double kAbortFadeSeconds = 0.010;
    static constexpr double kCwEdgeSeconds = 0.004;
    static constexpr double kCwDotSeconds = 0.032; // per step of the speed code

    void create(double sampleRate);
    void setSampleRate(double sampleRate) { m_rate = sampleRate; }
    void setFrequency(double hz) { m_frequency = hz; }
    void setCwText(const std::string& text) { m_cwText = text; }
    void setCwSpeed(int code) { m_cwSpeed = code; }

    // Starts a transmission (queued characters follow the preamble).
    bool start(int modeCode);
    // Ends it once the queue is empty (or the identification has gone).
    void stop();
    // Ends it at once with a short fade.
    void abort();
    void reset();
    bool active() const { return m_state != State::Off; }
    bool cw() const { return m_mode.cw; }

    // Fills out[0..n) (adding nothing when idle: out is overwritten with zeros).
    void execute(float* out, int n, std::deque<uint8_t>& queue, TxEvents& events);

private:
    enum class State { Off, Preamble, Data, Postamble, Ending, Aborting, Cw };
    int nextBit(std::deque<uint8_t>& queue, TxEvents& events);
    void nextSymbol(std::deque<uint8_t>& queue, TxEvents& events);
    void buildCw();
    void finish(TxEvents& events);

    double m_rate = 8000.0;
    double m_frequency = 1000.0;
    std::string m_cwText;
    int m_cwSpeed = 1;

    State m_state = State::Off;
    PskMode m_mode;
    bool m_stopRequested = false;
    bool m_started = false; // "transmitting" reported
    int m_count = 0;
    std::string m_bits;
    size_t m_bitIndex = 0;
    bool m_charInFlight = false;
    uint8_t m_char = 0;
    ConvolutionalEncoder m_encoder;

    double m_phase = 0;       // carrier, radians
    double m_u = 0;           // position inside the symbol, 0..1
    std::complex<double> m_prev, m_cur;
    double m_fade = 1.0;
    double m_fadeStep = 0;

    // Identification: key-down flags per dot unit, and where we are.
    std::vector<uint8_t> m_cwUnits;
    double m_cwPos = 0;       // in units
    double m_cwEnvelope = 0;  // 0..1 before shaping
};

} // namespace pskdsp
