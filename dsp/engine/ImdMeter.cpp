#include "engine/ImdMeter.h"

#include <cmath>

namespace pskdsp {

void ImdMeter::create(double rate, double symbolRate, int window)
{
    m_rate = rate;
    m_symbolRate = symbolRate;
    m_window = window;
    m_taper.resize(window);
    for (int i = 0; i < window; ++i)
        m_taper[i] = float(0.5 - 0.5 * std::cos(2 * M_PI * (i + 0.5) / window));
}

double ImdMeter::power(const cfloat* x, double frequency) const
{
    // The tone may sit a little off the bin: take the best of three.
    double best = 0;
    const double bin = m_rate / m_window;
    for (int d = -1; d <= 1; ++d) {
        const double w = -2 * M_PI * (frequency + d * bin * 0.5) / m_rate;
        std::complex<double> acc = 0, rot(std::cos(w), std::sin(w)), ph = 1;
        for (int n = 0; n < m_window; ++n) {
            acc += std::complex<double>(x[n].real(), x[n].imag()) * double(m_taper[n]) * ph;
            ph *= rot;
        }
        best = std::max(best, std::norm(acc));
    }
    return best;
}

ImdReading ImdMeter::execute(const cfloat* x) const
{
    const double h = m_symbolRate / 2;
    const double p1 = 0.5 * (power(x, h) + power(x, -h));
    const double p3 = 0.5 * (power(x, 3 * h) + power(x, -3 * h));
    const double pn = (power(x, 0) + power(x, 2 * h) + power(x, -2 * h) + power(x, 4 * h) + power(x, -4 * h)) / 5;
    if (p1 <= 0 || p1 < 30 * pn)
        return {ImdReading::Noise, -999};
    // Products lost in the noise give only an upper bound.
    if (p3 < 4 * pn)
        return {ImdReading::Bound, int(std::lround(10 * std::log10(4 * pn / p1)))};
    return {ImdReading::Measured, int(std::lround(10 * std::log10((p3 - pn) / p1)))};
}

} // namespace pskdsp
