#pragma once
#include <cmath>
#include <complex>

namespace pskdsp {

using cfloat = std::complex<float>;

// Complex oscillator e^{j phase}, stepped by a rotation so that a sample costs
// one complex multiply; the magnitude is pulled back to 1 now and then.
class Oscillator {
public:
    void create(double frequency, double sampleRate)
    {
        m_phase = {1.0, 0.0};
        setFrequency(frequency, sampleRate);
    }
    void setFrequency(double frequency, double sampleRate)
    {
        const double w = 2.0 * M_PI * frequency / sampleRate;
        m_step = {std::cos(w), std::sin(w)};
    }
    void reset() { m_phase = {1.0, 0.0}; }
    // The current value; then one step on.
    cfloat next()
    {
        const cfloat v(float(m_phase.real()), float(m_phase.imag()));
        m_phase *= m_step;
        if (++m_count >= 512) {
            m_count = 0;
            m_phase /= std::abs(m_phase);
        }
        return v;
    }

private:
    std::complex<double> m_phase{1.0, 0.0};
    std::complex<double> m_step{1.0, 0.0};
    int m_count = 0;
};

} // namespace pskdsp
