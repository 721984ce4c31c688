#include "EngineHarness.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <QDir>

#include <algorithm>

namespace dsptest {

std::string scratchPath(const std::string& name)
{
    const QString dir = testsupport::dataFolder() + QStringLiteral("/dsp");
    QDir().mkpath(dir);
    return (dir + QLatin1Char('/') + QString::fromStdString(name)).toStdString();
}

void writeWave(const std::string& path, const std::vector<float>& samples)
{
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(f, nullptr) << path;
    sf_writef_float(f, samples.data(), sf_count_t(samples.size()));
    sf_close(f);
}

void writeSilence(const std::string& path, double seconds)
{
    writeWave(path, std::vector<float>(size_t(seconds * 8000), 0.0f));
}

std::vector<float> readWave(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
    if (!f)
        return {};
    std::vector<float> v(size_t(info.frames * info.channels));
    sf_readf_float(f, v.data(), info.frames);
    sf_close(f);
    return v;
}

void transmitToFile(const std::string& path, const TxRequest& r, MessageLog* external)
{
    MessageLog local;
    MessageLog& log = external ? *external : local;
    pskdsp::Modem modem;
    modem.setFileSpeed(0);
    const std::string silence = scratchPath("tx-input-silence.wav");
    writeSilence(silence, 0.1);
    int length = 0;
    ASSERT_EQ(modem.setInputWavePath(silence.c_str(), &length, 0), 0) << modem.errorString();
    ASSERT_EQ(modem.setOutputWavePath(path.c_str(), 0, 0), 0) << modem.errorString();
    ASSERT_EQ(modem.setTxFrequency(r.frequency), 0);
    if (!r.cwId.empty()) {
        modem.setCwIdString(r.cwId.c_str());
        modem.setCwIdSpeed(r.cwSpeed);
    }
    for (char c : r.text)
        modem.sendTxCharacter(static_cast<signed char>(c));
    ASSERT_EQ(modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0) << modem.errorString();
    ASSERT_EQ(modem.startTx(r.mode), 0) << modem.errorString();
    modem.stopTx();
    EXPECT_TRUE(log.waitStatus(0)) << "no return to receive";
    modem.stopSoundCard();
    // The run goes as fast as the machine allows, so the silence before the
    // start and after the end depends on when these calls landed: keep the
    // transmission with a fixed 50 ms of silence each side, the same file
    // every time.
    const std::vector<float> x = readWave(path);
    const auto sound = [](float v) { return v != 0.0f; };
    const auto first = std::find_if(x.begin(), x.end(), sound);
    const auto last = std::find_if(x.rbegin(), x.rend(), sound).base();
    const size_t pad = 400;
    std::vector<float> y(pad, 0.0f);
    if (first < last)
        y.insert(y.end(), first, last);
    y.resize(y.size() + pad, 0.0f);
    writeWave(path, y);
}

void receiveFile(const std::string& path, const std::vector<RxChannel>& channels, MessageLog& log)
{
    pskdsp::Modem modem;
    modem.setFileSpeed(0);
    int length = 0;
    ASSERT_EQ(modem.setInputWavePath(path.c_str(), &length, 0), 0) << modem.errorString();
    const std::string sink = scratchPath("rx-output.wav");
    ASSERT_EQ(modem.setOutputWavePath(sink.c_str(), 0, 0), 0) << modem.errorString();
    for (const RxChannel& c : channels) {
        ASSERT_EQ(modem.setRxMode(c.mode, c.channel), 0) << modem.errorString();
        ASSERT_EQ(modem.setRxFrequency(c.frequency, c.channel), 0) << modem.errorString();
        ASSERT_EQ(modem.setAfcLimit(c.afc, c.channel), 0) << modem.errorString();
        ASSERT_EQ(modem.setSquelch(c.squelch, 0, c.channel), 0) << modem.errorString();
        ASSERT_EQ(modem.enableRxChannel(c.channel, 1), 0);
    }
    ASSERT_EQ(modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0) << modem.errorString();
    EXPECT_TRUE(log.waitStatus(4)) << "the input file never ended";
    modem.stopSoundCard();
}

} // namespace dsptest
