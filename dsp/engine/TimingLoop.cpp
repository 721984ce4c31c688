#include "engine/TimingLoop.h"

#include <algorithm>
#include <cmath>

namespace pskdsp {

void TimingLoop::create(double samplesPerSymbol)
{
    m_period = samplesPerSymbol;
    reset();
}

void TimingLoop::reset()
{
    std::fill(std::begin(m_ring), std::end(m_ring), cfloat{});
    m_count = 0;
    m_next = m_period + 2;
    m_lastTime = 0;
    m_prev = {};
    m_power = 0;
    m_integrator = 0;
    m_symbols = 0;
    m_locked = false;
    m_lockedSymbols = 0;
}

cfloat TimingLoop::at(double t) const
{
    const long i = long(std::floor(t));
    const float mu = float(t - double(i));
    auto s = [&](long k) { return m_ring[((k % kRing) + kRing) % kRing]; };
    const cfloat xm1 = s(i - 1), x0 = s(i), x1 = s(i + 1), x2 = s(i + 2);
    // Four-point Lagrange interpolation.
    const float c0 = -mu * (mu - 1) * (mu - 2) / 6;
    const float c1 = (mu + 1) * (mu - 1) * (mu - 2) / 2;
    const float c2 = -(mu + 1) * mu * (mu - 2) / 2;
    const float c3 = (mu + 1) * mu * (mu - 1) / 6;
    return c0 * xm1 + c1 * x0 + c2 * x1 + c3 * x2;
}

bool TimingLoop::execute(cfloat x, cfloat* symbol)
{
    m_ring[m_count % kRing] = x;
    ++m_count;
    if (double(m_count) < m_next + 3)
        return false;
    const cfloat y = at(m_next);
    m_lastTime = m_next;
    const cfloat mid = at(m_next - 0.5 * (m_period + m_integrator));
    const double p = std::norm(y);
    m_power += (p - m_power) * (m_symbols < 16 ? 0.25 : 0.05);
    double e = 0;
    if (m_power > 1e-20)
        e = double(((y - m_prev) * std::conj(mid)).real()) / m_power;
    e = std::clamp(e, -1.0, 1.0);
    // Faster while pulling in, gentler once settled.
    const bool settled = m_locked && m_lockedSymbols >= kSettleSymbols;
    const double kp = settled ? 0.25 : 0.8;
    const double ki = !m_locked ? 0.0 : settled ? 0.0015 : 0.004;
    m_integrator = std::clamp(m_integrator - ki * e, -0.02 * m_period, 0.02 * m_period);
    m_next += m_period + m_integrator - kp * e;
    m_prev = y;
    ++m_symbols;
    if (m_locked)
        ++m_lockedSymbols;
    *symbol = y;
    return true;
}

} // namespace pskdsp
