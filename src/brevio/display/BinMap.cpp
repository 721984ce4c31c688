#include "brevio/display/BinMap.h"

#include <algorithm>
#include <cstdint>

using namespace dspdisplay;

int CBinMap::FrequencyToBin(int nFrequency)
{
    const int64_t bin = int64_t(nFrequency) * kFftSize / kSampleRate;
    return int(std::clamp<int64_t>(bin, 0, kBufferSize - 1));
}

void CBinMap::Build(int nLow, int nHigh, int n)
{
    m_bins.clear();
    if (n <= 0)
        return;
    m_bins.resize(size_t(n));
    const double span = double(nHigh) - double(nLow);
    for (int j = 0; j < n; ++j) {
        // The frequency is rounded inside the bin step, not truncated before it.
        const double f = double(j) * span / double(n) + double(nLow) + 0.499999;
        const double bin = f * kFftSize / kSampleRate + 0.499999;
        m_bins[size_t(j)] = unsigned(std::clamp(bin, 0.0, double(kBufferSize - 1)));
    }
}
