// The small blocks the modem is built from.
#include "engine/ConvolutionalCode.h"
#include "engine/ImdMeter.h"
#include "engine/Resampler.h"
#include "engine/Varicode.h"

#include "ChannelSimulator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

namespace {

TEST(Varicode, EveryCodeIsValidAndUnique)
{
    std::set<std::string> seen;
    for (int b = 0; b < 256; ++b) {
        const std::string& c = pskdsp::Varicode::encode(uint8_t(b));
        ASSERT_FALSE(c.empty()) << b;
        EXPECT_EQ(c.front(), '1') << b;
        EXPECT_EQ(c.back(), '1') << b;
        EXPECT_EQ(c.find("00"), std::string::npos) << b;
        EXPECT_LE(int(c.size()), pskdsp::Varicode::kMaxLength);
        EXPECT_TRUE(seen.insert(c).second) << "duplicate code for " << b;
    }
    // The commonest letters have the shortest codes.
    EXPECT_EQ(pskdsp::Varicode::encode(' '), "1");
    EXPECT_EQ(pskdsp::Varicode::encode('e'), "11");
    EXPECT_EQ(pskdsp::Varicode::encode('t'), "101");
    EXPECT_EQ(pskdsp::Varicode::encode('\n'), "11101");
    EXPECT_EQ(pskdsp::Varicode::encode('\r'), "11111");
}

TEST(Varicode, DecoderRestoresEveryByteFromABitStream)
{
    pskdsp::VaricodeDecoder d;
    std::vector<int> out;
    auto feed = [&](const std::string& bits) {
        for (char c : bits) {
            const int r = d.execute(c == '1');
            if (r >= 0)
                out.push_back(r);
        }
    };
    feed("0000");
    for (int b = 0; b < 256; ++b)
        feed(pskdsp::Varicode::encode(uint8_t(b)) + "00");
    ASSERT_EQ(out.size(), 256u);
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(out[b], b);
    out.clear();
    feed("1111111111111111100" "1100"); // an overlong run is dropped, then 'e'
    EXPECT_EQ(out, std::vector<int>{'e'});
}

TEST(Viterbi, CorrectsScatteredErrorsAtTheDecoderDelay)
{
    std::mt19937 rng(3);
    std::vector<int> bits(600);
    for (auto& b : bits)
        b = int(rng() & 1);
    pskdsp::ConvolutionalEncoder enc;
    pskdsp::ViterbiDecoder dec(24);
    std::vector<int> decoded;
    for (size_t i = 0; i < bits.size() + 30; ++i) {
        const int sym = enc.execute(i < bits.size() ? bits[i] : 0);
        float a = (sym & 2) ? 1.0f : -1.0f, b = (sym & 1) ? 1.0f : -1.0f;
        if (i % 17 == 5)
            a = -a; // one wrong coded bit now and then
        if (i % 23 == 11)
            b = -0.5f * b;
        const int out = dec.execute(a, b);
        if (out >= 0)
            decoded.push_back(out);
    }
    ASSERT_GE(decoded.size(), bits.size());
    for (size_t i = 0; i < bits.size(); ++i)
        ASSERT_EQ(decoded[i], bits[i]) << i;
}

TEST(ImdMeter, ReadsThirdOrderProductsAgainstTheTones)
{
    const double rate = 500, rs = 31.25;
    pskdsp::ImdMeter meter;
    meter.create(rate, rs, 256);
    std::mt19937 rng(9);
    std::normal_distribution<double> g(0, 1);
    auto make = [&](double imdDb, double noise) {
        std::vector<pskdsp::cfloat> x(256);
        const double p3 = std::pow(10.0, imdDb / 20);
        for (int n = 0; n < 256; ++n) {
            const double t = n / rate;
            std::complex<double> v = std::polar(1.0, 2 * M_PI * rs / 2 * t) + std::polar(1.0, -2 * M_PI * rs / 2 * t) +
                                     p3 * (std::polar(1.0, 2 * M_PI * 1.5 * rs * t) + std::polar(1.0, -2 * M_PI * 1.5 * rs * t));
            v += noise * std::complex<double>(g(rng), g(rng));
            x[size_t(n)] = pskdsp::cfloat(float(v.real()), float(v.imag()));
        }
        return meter.execute(x.data());
    };
    const auto measured = make(-25, 0.001);
    EXPECT_EQ(measured.kind, pskdsp::ImdReading::Measured);
    EXPECT_NEAR(measured.db, -25, 1);
    const auto bound = make(-70, 0.01);
    EXPECT_EQ(bound.kind, pskdsp::ImdReading::Bound);
    EXPECT_GT(bound.db, -70);
    const auto noise = make(-25, 3.0);
    EXPECT_EQ(noise.kind, pskdsp::ImdReading::Noise);
    EXPECT_EQ(noise.db, -999);
}

TEST(Resampler, KeepsAToneAtItsFrequency)
{
    pskdsp::Resampler r;
    r.create(44100, 8000);
    std::vector<float> in(44100), out;
    for (int i = 0; i < 44100; ++i)
        in[size_t(i)] = float(std::sin(2 * M_PI * 1000 * i / 44100.0));
    r.execute(in.data(), 20000, out);
    r.execute(in.data() + 20000, 24100, out);
    EXPECT_NEAR(double(out.size()), 8000, 40);
    int crossings = 0;
    for (size_t i = 101; i < out.size(); ++i)
        crossings += (out[i - 1] < 0) != (out[i] < 0);
    EXPECT_NEAR(crossings, 2000.0 * (out.size() - 101) / 8000, 4);
}

TEST(ChannelSimulator, AddsNoiseAtTheAskedSnrIn3kHzShiftsAndStretches)
{
    std::vector<float> tone(80000);
    for (size_t i = 0; i < tone.size(); ++i)
        tone[i] = float(0.5 * std::sin(2 * M_PI * 1000 * double(i) / 8000));
    const double ps = pskchannelsim::signalPower(tone);
    EXPECT_NEAR(ps, 0.125, 0.001);
    pskchannelsim::ChannelParams p;
    p.snrDb = -10;
    p.outputRms = 0;
    const auto noisy = pskchannelsim::simulate(tone, p);
    double total = 0;
    for (float v : noisy)
        total += double(v) * v;
    const double noise = total / double(noisy.size()) - ps;
    // Noise over 4000 Hz is 4/3 of the noise in 3000 Hz.
    EXPECT_NEAR(10 * std::log10(ps / (noise * 3000 / 4000)), -10, 0.3);

    pskchannelsim::ChannelParams shift;
    shift.offsetHz = 25;
    shift.clockPpm = 1000;
    shift.outputRms = 0;
    const auto moved = pskchannelsim::simulate(tone, shift);
    EXPECT_NEAR(double(moved.size()), 80000 * 1.001, 2);
    int crossings = 0;
    for (size_t i = 1000; i < 9000; ++i)
        crossings += (moved[i - 1] < 0) != (moved[i] < 0);
    // 1025 Hz played by a card a thousandth fast reads as 1025 / 1.001.
    EXPECT_NEAR(crossings / 2.0, 1025 / 1.001, 3);
}

} // namespace
