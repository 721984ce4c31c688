#include "engine/FirFilter.h"

#include <algorithm>
#include <cmath>

namespace pskdsp {

std::vector<float> designLowPass(int taps, double cutoff, double sampleRate)
{
    std::vector<float> h(taps);
    const double fc = cutoff / sampleRate;
    const double mid = (taps - 1) / 2.0;
    double sum = 0;
    for (int i = 0; i < taps; ++i) {
        const double x = i - mid;
        const double sinc = x == 0 ? 2 * fc : std::sin(2 * M_PI * fc * x) / (M_PI * x);
        const double w = 0.42 - 0.5 * std::cos(2 * M_PI * i / (taps - 1)) + 0.08 * std::cos(4 * M_PI * i / (taps - 1));
        h[i] = float(sinc * w);
        sum += h[i];
    }
    for (float& v : h)
        v = float(v / sum);
    return h;
}

void DecimatingFir::create(const std::vector<float>& taps, int decimation)
{
    m_taps.assign(taps.rbegin(), taps.rend());
    m_n = int(taps.size());
    m_decimation = std::max(1, decimation);
    m_re.assign(2 * m_n, 0.0f);
    m_im.assign(2 * m_n, 0.0f);
    m_pos = 0;
    m_phase = 0;
}

void DecimatingFir::reset()
{
    std::fill(m_re.begin(), m_re.end(), 0.0f);
    std::fill(m_im.begin(), m_im.end(), 0.0f);
    m_pos = 0;
    m_phase = 0;
}

} // namespace pskdsp
