#include "engine/Resampler.h"

#include <algorithm>
#include <cmath>

namespace pskdsp {

void Resampler::create(double inputRate, double outputRate)
{
    m_in = inputRate;
    m_out = outputRate;
    m_step = inputRate / outputRate;
    m_cutoff = 0.45 * std::min(1.0, outputRate / inputRate);
    m_half = int(std::ceil(8 / m_cutoff / 2)) + 1;
    reset();
}

void Resampler::reset()
{
    m_buffer.assign(size_t(2 * m_half), 0.0f);
    m_time = m_half;
}

void Resampler::execute(const float* in, int n, std::vector<float>& out)
{
    if (identity()) {
        out.insert(out.end(), in, in + n);
        return;
    }
    m_buffer.insert(m_buffer.end(), in, in + n);
    while (m_time + m_half + 1 < double(m_buffer.size())) {
        const long centre = long(std::floor(m_time));
        double acc = 0;
        for (long k = centre - m_half + 1; k <= centre + m_half; ++k) {
            const double x = double(k) - m_time;
            const double arg = 2 * m_cutoff * x;
            const double sinc = std::abs(arg) < 1e-9 ? 1.0 : std::sin(M_PI * arg) / (M_PI * arg);
            const double w = 0.5 + 0.5 * std::cos(M_PI * x / (m_half + 1));
            acc += m_buffer[size_t(k)] * 2 * m_cutoff * sinc * w;
        }
        out.push_back(float(acc));
        m_time += m_step;
    }
    // Drop what no later output can need.
    const long keep = long(std::floor(m_time)) - m_half;
    if (keep > 0) {
        m_buffer.erase(m_buffer.begin(), m_buffer.begin() + keep);
        m_time -= double(keep);
    }
}

} // namespace pskdsp
