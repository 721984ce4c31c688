#include "engine/ClockEstimator.h"

namespace pskdsp {
namespace {
// The pooled spread of the symbol counts (a stretch of n symbols gives
// n cubed over 12): below about 100 fitted symbols a reading would wander.
constexpr double kMinSpread = 1.0e5;
} // namespace

void ClockEstimator::create(double samplesPerSymbol)
{
    m_period = samplesPerSymbol;
    reset();
}

void ClockEstimator::reset()
{
    m_skipped = 0;
    m_warm = false;
    m_n = 0;
    m_sumK = m_sumY = m_sumKK = m_sumKY = 0;
    m_sxx = m_sxy = 0;
}

void ClockEstimator::add(double t)
{
    if (m_skipped < (m_warm ? kRewarm : kWarmUp)) {
        ++m_skipped;
        return;
    }
    m_warm = true;
    if (m_n == 0)
        m_t0 = t;
    const double k = double(m_n);
    const double y = t - m_t0 - k * m_period;
    m_sumK += k;
    m_sumY += y;
    m_sumKK += k * k;
    m_sumKY += k * y;
    ++m_n;
}

void ClockEstimator::close()
{
    if (m_n >= 2) {
        const double n = double(m_n);
        m_sxx += m_sumKK - m_sumK * m_sumK / n;
        m_sxy += m_sumKY - m_sumK * m_sumY / n;
    }
    m_n = 0;
    m_sumK = m_sumY = m_sumKK = m_sumKY = 0;
}

void ClockEstimator::gap()
{
    m_skipped = 0;
    close();
}

bool ClockEstimator::valid() const
{
    const double n = double(m_n);
    const double open = m_n >= 2 ? m_sumKK - m_sumK * m_sumK / n : 0;
    return m_sxx + open >= kMinSpread;
}

double ClockEstimator::ppm() const
{
    double sxx = m_sxx, sxy = m_sxy;
    if (m_n >= 2) {
        const double n = double(m_n);
        sxx += m_sumKK - m_sumK * m_sumK / n;
        sxy += m_sumKY - m_sumK * m_sumY / n;
    }
    return sxx > 0 ? sxy / sxx / m_period * 1e6 : 0;
}

} // namespace pskdsp
