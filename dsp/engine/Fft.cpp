#include "engine/Fft.h"

#include <map>
#include <mutex>

namespace pskdsp {
namespace {
std::mutex& planMutex()
{
    static std::mutex m;
    return m;
}
} // namespace

// The plans live as long as the process; the maps are never destroyed, so
// no plan is left dangling at exit while another thread still runs one.
fftwf_plan Fft::complexPlan(int n)
{
    static auto& plans = *new std::map<int, fftwf_plan>;
    std::lock_guard<std::mutex> lock(planMutex());
    auto it = plans.find(n);
    if (it != plans.end())
        return it->second;
    FftBuffer<fftwf_complex> in(n), out(n);
    fftwf_plan p = fftwf_plan_dft_1d(n, in.data(), out.data(), FFTW_FORWARD, FFTW_ESTIMATE);
    plans[n] = p;
    return p;
}

fftwf_plan Fft::realPlan(int n)
{
    static auto& plans = *new std::map<int, fftwf_plan>;
    std::lock_guard<std::mutex> lock(planMutex());
    auto it = plans.find(n);
    if (it != plans.end())
        return it->second;
    FftBuffer<float> in(n);
    FftBuffer<fftwf_complex> out(n / 2 + 1);
    fftwf_plan p = fftwf_plan_dft_r2c_1d(n, in.data(), out.data(), FFTW_ESTIMATE);
    plans[n] = p;
    return p;
}

} // namespace pskdsp
