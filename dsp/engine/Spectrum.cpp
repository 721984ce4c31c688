#include "engine/Spectrum.h"

#include <algorithm>
#include <cmath>

namespace pskdsp {
namespace {
constexpr double kLogFloor = -100.0; // dB of full scale shown as 0 in the log mode
constexpr double kLogTop = -10.0;
constexpr double kClipSpan = 50.0;   // dB above the baseline in the clipped mode
constexpr double kPeakMargin = 6.0;  // dB above the noise floor that makes a peak
constexpr int kPeakSmooth = 5;       // bins each side of the peak smoothing
constexpr int kPeakReach = 6;        // a peak is the highest within this many bins
constexpr int kCentroidReach = 8;
} // namespace

Spectrum::Spectrum() : m_input(kSize, 0.0f), m_window(kSize), m_fftIn(kSize), m_fftOut(kBins)
{
    for (int i = 0; i < kSize; ++i)
        m_window[i] = float(0.5 - 0.5 * std::cos(2 * M_PI * (i + 0.5) / kSize));
    reset();
}

void Spectrum::reset()
{
    std::fill(m_input.begin(), m_input.end(), 0.0f);
    m_inputPos = 0;
    m_sinceBlock = 0;
    m_blocks = 0;
    m_display.assign(kBins, 0.0);
    m_search.assign(kBins, 0.0);
    m_overload = m_blockOverload = false;
}

int Spectrum::execute(const float* in, int n)
{
    int blocks = 0;
    for (int i = 0; i < n; ++i) {
        m_input[m_inputPos] = in[i];
        m_inputPos = (m_inputPos + 1) % kSize;
        if (std::abs(in[i]) >= 0.98f)
            m_blockOverload = true;
        if (++m_sinceBlock >= kHop) {
            m_sinceBlock = 0;
            block();
            ++blocks;
        }
    }
    return blocks;
}

void Spectrum::block()
{
    for (int i = 0; i < kSize; ++i)
        m_fftIn[i] = m_input[(m_inputPos + i) % kSize] * m_window[i];
    fftwf_execute_dft_r2c(Fft::realPlan(kSize), m_fftIn.data(), m_fftOut.data());
    // A full-scale sine through the Hann window peaks at kSize / 4.
    const double ref = double(kSize / 4) * (kSize / 4);
    const double a = 1.0 / std::max(1, m_smoothing);
    const double s = m_blocks < 8 ? 1.0 / (m_blocks + 1) : 1.0 / 8;
    for (int b = 0; b < kBins; ++b) {
        const double p = (double(m_fftOut[b][0]) * m_fftOut[b][0] + double(m_fftOut[b][1]) * m_fftOut[b][1]) / ref;
        m_display[b] += (p - m_display[b]) * (m_blocks == 0 ? 1.0 : a);
        m_search[b] += (p - m_search[b]) * s;
    }
    ++m_blocks;
    m_overload = m_blockOverload;
    m_blockOverload = false;
}

bool Spectrum::validMode(int smoothing, int scale, int mode)
{
    return smoothing >= 1 && smoothing <= 10 && scale >= 1 && scale <= 100000 &&
           (mode == 0 || mode == 1 || (mode >= 10 && mode <= 90));
}

void Spectrum::setMode(int smoothing, int scale, int mode)
{
    m_smoothing = smoothing;
    m_scale = scale;
    m_mode = mode;
}

bool Spectrum::read(int* out, int first, int last) const
{
    const int top = std::min(last, kBins - 1);
    auto db = [&](int b) { return 10 * std::log10(std::max(m_display[b], 1e-14)); };
    if (m_mode == 0) {
        for (int b = first; b <= top; ++b) {
            // Fourth root of the power: -40 dB of full scale reaches the top.
            const double v = std::pow(std::max(m_display[b], 0.0), 0.25) * 10.0;
            out[b] = std::clamp(int(std::lround(v * m_scale)), 0, m_scale);
        }
    } else if (m_mode == 1) {
        for (int b = first; b <= top; ++b) {
            const double v = (db(b) - kLogFloor) / (kLogTop - kLogFloor);
            out[b] = std::clamp(int(std::lround(v * m_scale)), 0, m_scale);
        }
    } else {
        // Clip away the given percentage of the bins as baseline.
        std::vector<double> values;
        for (int b = first; b <= top; ++b)
            values.push_back(db(b));
        double baseline = kLogFloor;
        if (!values.empty()) {
            const size_t k = std::min(values.size() - 1, values.size() * size_t(m_mode) / 100);
            std::nth_element(values.begin(), values.begin() + long(k), values.end());
            baseline = values[k];
        }
        for (int b = first; b <= top; ++b) {
            const double v = (db(b) - baseline) / kClipSpan;
            out[b] = std::clamp(int(std::lround(v * m_scale)), 0, m_scale);
        }
    }
    for (int b = std::max(first, kBins); b <= last; ++b)
        out[b] = 0;
    return m_overload;
}

bool Spectrum::raw(int* out, int count) const
{
    bool clipped = false;
    for (int i = 0; i < count; ++i) {
        const float v = m_input[(m_inputPos - count + i + 2 * kSize) % kSize];
        if (std::abs(v) >= 0.98f)
            clipped = true;
        out[i] = std::clamp(int(std::lround(v * 32767.0f)), -32768, 32767);
    }
    return clipped || m_overload;
}

int Spectrum::closestPeak(int start, int limit) const
{
    if (start == limit || m_blocks == 0)
        return start;
    // Smooth over a signal's width, so a two-tone idle looks like one hump.
    std::vector<double> smooth(kBins, 0.0);
    for (int b = 0; b < kBins; ++b) {
        double sum = 0;
        int n = 0;
        for (int k = std::max(0, b - kPeakSmooth); k <= std::min(kBins - 1, b + kPeakSmooth); ++k, ++n)
            sum += m_search[k];
        smooth[b] = 10 * std::log10(std::max(sum / n, 1e-14));
    }
    // Noise floor: the median over the usable band.
    const int lo = int(100 * kSize / kRate), hi = int(3900 * kSize / kRate);
    std::vector<double> band(smooth.begin() + lo, smooth.begin() + hi);
    std::nth_element(band.begin(), band.begin() + long(band.size() / 2), band.end());
    const double threshold = band[band.size() / 2] + kPeakMargin;

    const int dir = limit > start ? 1 : -1;
    const double lowHz = std::min(start, limit), highHz = std::max(start, limit);
    int b = int(std::floor(start * kSize / kRate)) + (dir > 0 ? 0 : 1);
    for (; b >= 1 && b < kBins - 1; b += dir) {
        const double f = binFrequency(b);
        if (f < lowHz - 50 || f > highHz + 50)
            break;
        if (smooth[b] < threshold)
            continue;
        bool isMax = true;
        for (int k = std::max(0, b - kPeakReach); k <= std::min(kBins - 1, b + kPeakReach) && isMax; ++k)
            if (smooth[k] > smooth[b] || (smooth[k] == smooth[b] && k < b))
                isMax = false;
        if (!isMax)
            continue;
        // The signal's centre: the power-weighted mean around the hump.
        double sum = 0, weight = 0;
        for (int k = std::max(0, b - kCentroidReach); k <= std::min(kBins - 1, b + kCentroidReach); ++k) {
            sum += m_search[k] * k;
            weight += m_search[k];
        }
        const double centre = weight > 0 ? binFrequency(sum / weight) : f;
        const int hz = int(std::lround(centre));
        if ((dir > 0 && hz > start && hz <= limit) || (dir < 0 && hz < start && hz >= limit))
            return hz;
    }
    return start;
}

} // namespace pskdsp
