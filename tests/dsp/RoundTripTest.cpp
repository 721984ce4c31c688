#include "EngineHarness.h"

#include <gtest/gtest.h>

using namespace dsptest;

namespace {

struct ModeCase {
    const char* name;
    int mode;
};

class RoundTrip : public ::testing::TestWithParam<ModeCase> {};

TEST_P(RoundTrip, TextComesBackExactlyAtAnOffsetWithinTheAfcLimit)
{
    const std::string text = "CQ CQ de QT9XVK: The quick brown fox, 73!";
    const std::string path = scratchPath(std::string("rt-") + GetParam().name + ".wav");
    transmitToFile(path, {text, GetParam().mode, 1500});
    MessageLog log;
    // Tuned 12 Hz off the signal, with the default AFC limit of 25 Hz.
    receiveFile(path, {{0, GetParam().mode, 1512, 25, 50}}, log);
    EXPECT_EQ(log.text(0), text);
}

INSTANTIATE_TEST_SUITE_P(Modes, RoundTrip,
    ::testing::Values(ModeCase{"Bpsk31", 0}, ModeCase{"QpskUsb31", 1}, ModeCase{"QpskLsb31", 2},
                      ModeCase{"Bpsk63", 8}, ModeCase{"QpskUsb63", 9}, ModeCase{"QpskLsb63", 10}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
