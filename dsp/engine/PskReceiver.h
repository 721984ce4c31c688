#pragma once
#include <array>
#include <complex>
#include <vector>

#include "engine/ClockEstimator.h"
#include "engine/ConvolutionalCode.h"
#include "engine/Fft.h"
#include "engine/FirFilter.h"
#include "engine/ImdMeter.h"
#include "engine/Oscillator.h"
#include "engine/PskTransmitter.h"
#include "engine/TimingLoop.h"
#include "engine/Varicode.h"

namespace pskdsp {

struct RxEvents {
    std::vector<int> characters;
    bool imd = false;
    ImdReading imdReading{ImdReading::Noise, 0};
    bool clock = false;
    int clockPpm = 0;
    void clear()
    {
        characters.clear();
        imd = false;
        clock = false;
    }
};

// One receive channel: mixer, decimating filter, matched filter, timing loop,
// differential detector (with the Viterbi decoder in the QPSK modes), varicode
// decoder, AFC, squelch and the IMD and clock-error readings.
class PskReceiver {
public:
    static constexpr double kMinFrequency = 50;
    static constexpr double kMaxFrequency = 3950;

    PskReceiver();
    void create(double sampleRate, int modeCode, double frequency);
    void setSampleRate(double sampleRate);
    bool setMode(int modeCode);
    int modeCode() const { return m_modeCode; }
    void setFrequency(double hz);
    void setAfcLimit(int hz) { m_afcLimit = hz; }
    void setSquelch(int threshold, int speed);
    void reset();
    void execute(const float* in, int n, RxEvents& events);

    double frequency() const { return m_frequency; }
    int level() const;
    void vectors(int out[16]) const;
    double clockErrorPpm() const;

private:
    void rebuild();
    void decimated(cfloat x, RxEvents& events);
    void symbol(cfloat y, RxEvents& events);
    void deliver(int bit, long symbol, int now, RxEvents& events);
    int levelAt(long symbol) const;
    void coarseAfc();
    void checkRotation(cfloat d, float scale);
    double sidePower(double hz) const;
    void retune(double hz);

    double m_rate = 8000;
    int m_modeCode = 0;
    PskMode m_mode;
    double m_frequency = 1000;
    double m_setFrequency = 1000;
    int m_afcLimit = 25;
    int m_threshold = 50;
    double m_squelchAlpha = 1.0 / 6;

    int m_decimation = 16;
    double m_decimatedRate = 500;
    Oscillator m_oscillator;
    DecimatingFir m_filter;
    DecimatingFir m_matched;
    TimingLoop m_timing;
    std::array<cfloat, 5> m_eqLine{};
    int m_eqFill = 0;
    cfloat m_prevSymbol{};
    double m_power = 0;
    double m_quality = 0;
    double m_recentPower = 0;  // the last few symbols
    double m_signalPower = 0;  // while a signal was clearly there
    ViterbiDecoder m_viterbi;
    // QPSK only: the same symbols turned a quarter, a half and three quarters
    // of a turn, as a channel a quarter of the symbol rate off would see them.
    // How well each fits the code tells such a false lock from a true one.
    std::array<ViterbiDecoder, 3> m_turned{ViterbiDecoder(8), ViterbiDecoder(8), ViterbiDecoder(8)};
    std::array<double, 4> m_fit{}; // the decoder in use, then the turned ones
    int m_fitSymbols = 0;
    int m_turnVotes = 0;
    int m_turnVoted = 0;
    VaricodeDecoder m_varicode;
    bool m_inCharacter = false;
    bool m_lastBitZero = false;
    int m_characterLevel = 0; // level where the character started

    // Baseband history for the coarse AFC and the IMD meter.
    static constexpr int kHistory = 1024;
    std::vector<cfloat> m_history;
    long m_historyCount = 0;
    int m_sinceCoarse = 0;
    double m_lastCoarse = 1e9;   // last estimate, absolute Hz, awaiting confirmation
    std::complex<double> m_afcSum{};
    double m_afcWeight = 0;
    int m_afcCount = 0;
    FftBuffer<fftwf_complex> m_fftIn, m_fftOut;

    ImdMeter m_imd;
    int m_reversals = 0;
    int m_sinceImd = 0;

    ClockEstimator m_clock;
    long m_clockCount = 0;  // clean symbols since the last reading

    // Symbols the squelch must have been open for before a character starts.
    static constexpr int kSquelchSettle = 4;
    // Level per symbol, so a bit that leaves the Viterbi decoder late is
    // judged by the level of its own time.
    std::array<int, 64> m_levels{};
    long m_symbolCount = 0;

    std::array<cfloat, 8> m_vectors{};
    std::array<float, 8> m_vectorLength{};
    int m_vectorPos = 0;
};

} // namespace pskdsp
