#pragma once
#include <complex>
#include <vector>

namespace pskdsp {

using cfloat = std::complex<float>;

// Symbol-timing recovery: a Gardner detector on the matched-filter output
// with cubic interpolation between samples and a proportional-integral loop.
// The integrator holds the measured difference between the actual and the
// nominal symbol period, which is the sample-clock error.
class TimingLoop {
public:
    void create(double samplesPerSymbol);
    void reset();
    // Feeds one sample; true with the interpolated symbol in *symbol.
    bool execute(cfloat x, cfloat* symbol);
    // Whether a signal is being copied. Without one the loop pulls in fast
    // and keeps its clock error as it was: noise alone would walk it to its
    // limit and leave the next signal to start far off.
    void setLocked(bool locked)
    {
        if (!locked)
            m_lockedSymbols = 0;
        m_locked = locked;
    }
    // Actual minus nominal period, in samples per symbol.
    double periodError() const { return m_integrator; }
    double samplesPerSymbol() const { return m_period; }
    long symbols() const { return m_symbols; }
    // When the symbol last returned was taken, in samples since the reset.
    double lastTime() const { return m_lastTime; }
    // Locked on a signal and past pulling in.
    bool settled() const { return m_locked && m_lockedSymbols >= kSettleSymbols; }

private:
    cfloat at(double t) const;

    static constexpr int kRing = 128;
    static constexpr int kSettleSymbols = 32;
    double m_period = 16.0;
    cfloat m_ring[kRing]{};
    long m_count = 0;      // samples received
    double m_next = 0;     // time of the next symbol sample, in samples
    double m_lastTime = 0;
    cfloat m_prev{};
    double m_power = 0;
    double m_integrator = 0;
    long m_symbols = 0;
    bool m_locked = false;
    long m_lockedSymbols = 0;
};

} // namespace pskdsp
