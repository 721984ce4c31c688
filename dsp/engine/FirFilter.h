#pragma once
#include <complex>
#include <vector>

namespace pskdsp {

using cfloat = std::complex<float>;

// Windowed-sinc low-pass taps (Blackman window), unity gain at DC.
std::vector<float> designLowPass(int taps, double cutoff, double sampleRate);

// Complex FIR filter with real taps that keeps only every decimation-th
// output. The delay line is stored twice over so a dot product never wraps.
class DecimatingFir {
public:
    void create(const std::vector<float>& taps, int decimation);
    void reset();
    // Feeds one sample; true when an output is ready in *out.
    bool execute(cfloat in, cfloat* out)
    {
        m_re[m_pos] = m_re[m_pos + m_n] = in.real();
        m_im[m_pos] = m_im[m_pos + m_n] = in.imag();
        if (++m_pos == m_n)
            m_pos = 0;
        if (++m_phase < m_decimation)
            return false;
        m_phase = 0;
        float re = 0, im = 0;
        const float* r = &m_re[m_pos];
        const float* i = &m_im[m_pos];
        const float* t = m_taps.data();
        for (int k = 0; k < m_n; ++k) {
            re += t[k] * r[k];
            im += t[k] * i[k];
        }
        *out = {re, im};
        return true;
    }
    int length() const { return m_n; }

private:
    std::vector<float> m_taps; // reversed, so the oldest sample meets tap 0
    std::vector<float> m_re, m_im;
    int m_n = 0;
    int m_pos = 0;
    int m_decimation = 1;
    int m_phase = 0;
};

} // namespace pskdsp
