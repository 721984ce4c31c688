// The display spectrum, its data modes and the search for signal peaks.
#include "engine/Spectrum.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace {

std::vector<float> tones(const std::vector<std::pair<double, double>>& list, int n, double noise = 1e-4)
{
    std::mt19937 rng(5);
    std::normal_distribution<double> g(0, noise);
    std::vector<float> x(size_t(n), 0.0f);
    for (int i = 0; i < n; ++i) {
        double v = g(rng);
        for (const auto& t : list)
            v += t.second * std::sin(2 * M_PI * t.first * i / 8000.0);
        x[size_t(i)] = float(v);
    }
    return x;
}

TEST(Spectrum, ABinIsEightThousandOverTwoThousandFortyEightHertz)
{
    pskdsp::Spectrum s;
    const auto x = tones({{1000.0, 0.5}}, 8192);
    EXPECT_EQ(s.execute(x.data(), int(x.size())), 16);
    s.setMode(1, 255, 1);
    std::vector<int> buf(2058, -1);
    EXPECT_FALSE(s.read(buf.data(), 0, 2057));
    const int peak = int(std::max_element(buf.begin(), buf.begin() + 1025) - buf.begin());
    EXPECT_EQ(peak, 1000 * 2048 / 8000);
    EXPECT_EQ(buf[2000], 0) << "beyond 4000 Hz there is nothing";
    for (int v : buf)
        EXPECT_TRUE(v >= 0 && v <= 255);
}

TEST(Spectrum, DataModesScaleToTheRequestedRange)
{
    pskdsp::Spectrum s;
    const auto x = tones({{1000.0, 0.1}}, 8192, 1e-3);
    s.execute(x.data(), int(x.size()));
    std::vector<int> buf(2058);
    for (int mode : {0, 1, 10, 50, 90}) {
        for (int scale : {255, 40}) {
            SCOPED_TRACE(mode);
            s.setMode(1, scale, mode);
            s.read(buf.data(), 100, 900);
            const int top = *std::max_element(buf.begin() + 100, buf.begin() + 901);
            EXPECT_LE(top, scale);
            EXPECT_GT(buf[256], buf[600]) << "the tone stands above the noise";
            for (int b = 100; b <= 900; ++b)
                EXPECT_GE(buf[b], 0);
        }
    }
    // More clipping pushes more of the baseline to 0.
    auto zeros = [&](int mode) {
        s.setMode(1, 255, mode);
        s.read(buf.data(), 100, 900);
        return std::count(buf.begin() + 100, buf.begin() + 901, 0);
    };
    EXPECT_GT(zeros(90), zeros(10));
    // The mode's percentage of the 801 bins is the baseline, shown as 0.
    for (int mode : {10, 50, 90})
        EXPECT_GE(zeros(mode), 801 * mode / 100) << mode;
    EXPECT_FALSE(pskdsp::Spectrum::validMode(0, 255, 1));
    EXPECT_FALSE(pskdsp::Spectrum::validMode(1, 255, 91));
    EXPECT_TRUE(pskdsp::Spectrum::validMode(10, 1, 10));
}

TEST(Spectrum, ClippedInputIsReported)
{
    pskdsp::Spectrum s;
    const auto quiet = tones({{700.0, 0.5}}, 4096);
    s.execute(quiet.data(), int(quiet.size()));
    std::vector<int> buf(2058);
    EXPECT_FALSE(s.read(buf.data(), 0, 100));
    int raw[100];
    EXPECT_FALSE(s.raw(raw, 100));
    const auto loud = tones({{700.0, 1.2}}, 4096);
    s.execute(loud.data(), int(loud.size()));
    EXPECT_TRUE(s.read(buf.data(), 0, 100));
    EXPECT_TRUE(s.raw(raw, 100));
    EXPECT_EQ(*std::max_element(raw, raw + 100), 32767);
}

TEST(Spectrum, ClosestPeakSearchesFromTheStartTowardsTheLimit)
{
    pskdsp::Spectrum s;
    const auto x = tones({{800.0, 0.05}, {1500.0, 0.05}, {2300.0, 0.05}}, 16384, 2e-3);
    s.execute(x.data(), int(x.size()));
    EXPECT_NEAR(s.closestPeak(1000, 3000), 1500, 4);
    EXPECT_NEAR(s.closestPeak(1510, 3000), 2300, 4);
    EXPECT_NEAR(s.closestPeak(1490, 100), 800, 4);
    EXPECT_NEAR(s.closestPeak(2290, 100), 1500, 4) << "the signal at the start is not found again";
    EXPECT_EQ(s.closestPeak(2400, 3500), 2400) << "nothing found: the start itself";
    EXPECT_EQ(s.closestPeak(300, 700), 300) << "a peak beyond the limit does not count";
    // Walking upwards visits each signal once and ends.
    std::vector<int> found;
    for (int from = 100, p; (p = s.closestPeak(from, 3500)) != from; from = p)
        found.push_back(p);
    ASSERT_EQ(found.size(), 3u);
}

} // namespace
