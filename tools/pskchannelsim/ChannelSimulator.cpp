#include "ChannelSimulator.h"

#include <fftw3.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <random>

namespace pskchannelsim {

double signalPower(const std::vector<float>& x)
{
    double peak = 0;
    for (float v : x)
        peak = std::max(peak, double(std::abs(v)));
    if (peak <= 0)
        return 0;
    size_t first = 0, last = x.size();
    while (first < x.size() && std::abs(x[first]) < 1e-3 * peak)
        ++first;
    while (last > first && std::abs(x[last - 1]) < 1e-3 * peak)
        --last;
    double sum = 0;
    for (size_t i = first; i < last; ++i)
        sum += double(x[i]) * x[i];
    return last > first ? sum / double(last - first) : 0;
}

namespace {

std::vector<std::complex<double>> analytic(const std::vector<float>& x)
{
    const int n = int(x.size());
    std::vector<std::complex<double>> buf(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        buf[size_t(i)] = x[size_t(i)];
    auto* data = reinterpret_cast<fftw_complex*>(buf.data());
    fftw_plan fwd = fftw_plan_dft_1d(n, data, data, FFTW_FORWARD, FFTW_ESTIMATE);
    fftw_execute(fwd);
    fftw_destroy_plan(fwd);
    // Keep the positive frequencies, doubled.
    for (int k = 1; k < n; ++k) {
        if (k < (n + 1) / 2)
            buf[size_t(k)] *= 2.0;
        else if (!(n % 2 == 0 && k == n / 2))
            buf[size_t(k)] = 0;
    }
    fftw_plan inv = fftw_plan_dft_1d(n, data, data, FFTW_BACKWARD, FFTW_ESTIMATE);
    fftw_execute(inv);
    fftw_destroy_plan(inv);
    for (auto& v : buf)
        v /= double(n);
    return buf;
}

float interpolate(const std::vector<float>& x, double t)
{
    // Windowed sinc, 16 taps each side.
    const int half = 16;
    const long c = long(std::floor(t));
    double acc = 0;
    for (long k = c - half + 1; k <= c + half; ++k) {
        if (k < 0 || k >= long(x.size()))
            continue;
        const double d = double(k) - t;
        const double sinc = std::abs(d) < 1e-12 ? 1.0 : std::sin(M_PI * d) / (M_PI * d);
        const double w = 0.5 + 0.5 * std::cos(M_PI * d / (half + 1));
        acc += x[size_t(k)] * sinc * w;
    }
    return float(acc);
}

} // namespace

std::vector<float> simulate(const std::vector<float>& clean, const ChannelParams& p, double rate)
{
    const double power = signalPower(clean);
    std::vector<float> y = clean;
    if (p.offsetHz != 0 || p.driftHzPerSecond != 0) {
        const auto a = analytic(clean);
        double phase = 0;
        for (size_t i = 0; i < a.size(); ++i) {
            const double t = double(i) / rate;
            const double f = p.offsetHz + p.driftHzPerSecond * t;
            y[i] = float((a[i] * std::polar(1.0, phase)).real());
            phase = std::fmod(phase + 2 * M_PI * f / rate, 2 * M_PI);
        }
    }
    if (p.clockPpm != 0) {
        // A receiver clock fast by e takes 1 + e samples per transmitted one.
        const double step = 1.0 / (1.0 + p.clockPpm * 1e-6);
        std::vector<float> r;
        r.reserve(size_t(double(y.size()) / step) + 1);
        for (double t = 0; t < double(y.size()); t += step)
            r.push_back(interpolate(y, t));
        y.swap(r);
    }
    if (std::isfinite(p.snrDb) && power > 0) {
        // Noise density so that 3000 Hz of it holds power / SNR; white noise of
        // variance s2 spreads over rate / 2 Hz.
        const double noise3k = power / std::pow(10.0, p.snrDb / 10);
        const double sigma = std::sqrt(noise3k * (rate / 2) / 3000.0);
        std::mt19937 rng(p.seed);
        std::normal_distribution<double> g(0.0, sigma);
        for (float& v : y)
            v = float(v + g(rng));
    }
    if (p.outputRms > 0) {
        double sum = 0;
        for (float v : y)
            sum += double(v) * v;
        const double rms = y.empty() ? 0 : std::sqrt(sum / double(y.size()));
        if (rms > 0)
            for (float& v : y)
                v = float(v * p.outputRms / rms);
    }
    return y;
}

std::vector<float> mix(const std::vector<std::vector<float>>& tracks)
{
    size_t n = 0;
    for (const auto& s : tracks)
        n = std::max(n, s.size());
    std::vector<float> out(n, 0.0f);
    for (const auto& s : tracks)
        for (size_t i = 0; i < s.size(); ++i)
            out[i] += s[i];
    return out;
}

bool readWave(const std::string& path, std::vector<float>* samples, double* rate, std::string* error)
{
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f) {
        *error = path + ": " + sf_strerror(nullptr);
        return false;
    }
    std::vector<float> raw(size_t(info.frames) * size_t(info.channels));
    sf_readf_float(f, raw.data(), info.frames);
    sf_close(f);
    samples->assign(size_t(info.frames), 0.0f);
    for (sf_count_t i = 0; i < info.frames; ++i)
        (*samples)[size_t(i)] = raw[size_t(i) * size_t(info.channels)];
    *rate = info.samplerate;
    return true;
}

bool writeWave(const std::string& path, const std::vector<float>& samples, double rate, std::string* error)
{
    SF_INFO info{};
    info.samplerate = int(rate);
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) {
        *error = path + ": " + sf_strerror(nullptr);
        return false;
    }
    sf_command(f, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    sf_writef_float(f, samples.data(), sf_count_t(samples.size()));
    sf_close(f);
    return true;
}

} // namespace pskchannelsim
