#pragma once
#include <complex>
#include <vector>

namespace pskdsp {

using cfloat = std::complex<float>;

// Intermodulation of an idle signal. A run of phase reversals is two tones at
// plus and minus half the symbol rate; third-order products fall at three
// halves of it, and the even multiples carry only noise.
struct ImdReading {
    enum Kind { Measured, Bound, Noise } kind;
    int db; // -999 for Noise
};

class ImdMeter {
public:
    // rate: sample rate of the baseband; symbolRate in Bd; window in samples.
    void create(double rate, double symbolRate, int window);
    ImdReading execute(const cfloat* samples) const; // window samples, oldest first
    int window() const { return m_window; }

private:
    double power(const cfloat* x, double frequency) const;
    double m_rate = 500, m_symbolRate = 31.25;
    int m_window = 256;
    std::vector<float> m_taper;
};

} // namespace pskdsp
