#include "EngineHarness.h"
#include "support/TestEnvironment.h"

#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

using namespace dsptest;

namespace {

struct ModeCase {
    const char* name;
    int mode;
};

class RoundTrip : public ::testing::TestWithParam<ModeCase> {};

// The whole text, its first character too, however far within the AFC
// limit the channel sits off the signal: a click on the waterfall leaves it
// a few hertz off, and the usual preamble of 32 reversals is all the time
// the receiver has to pull in before the first character.
TEST_P(RoundTrip, TextComesBackExactlyAtAnOffsetWithinTheAfcLimit)
{
    const std::string text = "CQ CQ de QT9XVK: The quick brown fox, 73!";
    const std::string path = scratchPath(std::string("rt-") + GetParam().name + ".wav");
    transmitToFile(path, {text, GetParam().mode, 1500});
    // With the default AFC limit of 25 Hz.
    for (int offset : {12, -12, 4, -4, 3, -5}) {
        SCOPED_TRACE(offset);
        MessageLog log;
        receiveFile(path, {{0, GetParam().mode, 1500 + offset, 25, 50}}, log);
        EXPECT_EQ(log.text(0), text);
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, RoundTrip,
    ::testing::Values(ModeCase{"Bpsk31", 0}, ModeCase{"QpskUsb31", 1}, ModeCase{"QpskLsb31", 2},
                      ModeCase{"Bpsk63", 8}, ModeCase{"QpskUsb63", 9}, ModeCase{"QpskLsb63", 10}),
    [](const auto& info) { return std::string(info.param.name); });

#ifdef PSKDEMO_PROGRAM
// The demonstration recording as scripts/run plays it: each of its three
// stations, with a channel clicked a few hertz off it, is copied from the
// first character of its first over ("QT7ABC", not "T7ABC").
TEST(RoundTripDemo, EachStationIsCopiedFromItsFirstCharacter)
{
    const std::string path = scratchPath("demo-first.wav");
    QProcess tool;
    tool.start(QString::fromStdString(PSKDEMO_PROGRAM), {QString::fromStdString(path)});
    ASSERT_TRUE(tool.waitForFinished(30000));
    ASSERT_EQ(tool.exitCode(), 0);
    const struct {
        int frequency;
        const char* over;
    } stations[] = {{1000, "CQ CQ CQ de QT9XVK"}, {1500, "QT7ABC de QT2DEF"}, {700, "TEST de QT5XYZ"}};
    for (int offset : {-4, 4}) {
        SCOPED_TRACE(offset);
        MessageLog log;
        std::vector<RxChannel> channels;
        for (int i = 0; i < 3; ++i)
            channels.push_back({i, 0, stations[i].frequency + offset, 25, 50});
        receiveFile(path, channels, log);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(log.text(i).rfind(stations[i].over, 0), 0u) << log.text(i);
    }
}
#endif

} // namespace
