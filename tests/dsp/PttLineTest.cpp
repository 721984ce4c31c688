// COM-port PTT: the modem keys the lines while it transmits, through a fake
// line here since no serial port with modem-control lines exists in a test.
#include "EngineHarness.h"

#include "engine/PttLine.h"

#include <gtest/gtest.h>

#include <memory>
#include <mutex>

using namespace dsptest;

namespace {

struct LineRecord {
    std::mutex mutex;
    std::string device;
    std::vector<std::pair<bool, bool>> states; // (rts, dtr) after each change
    bool open = false;
    bool failOpen = false;
};

class FakeLine final : public pskdsp::PttLine {
public:
    explicit FakeLine(std::shared_ptr<LineRecord> r) : m_r(std::move(r)) {}
    ~FakeLine() override { close(); }
    bool open(const std::string& device, std::string* error) override
    {
        std::lock_guard<std::mutex> lock(m_r->mutex);
        if (m_r->failOpen) {
            *error = device + ": No such file or directory";
            return false;
        }
        m_r->device = device;
        m_r->open = true;
        m_r->states.push_back({false, false});
        return true;
    }
    bool setLines(bool rts, bool dtr, std::string*) override
    {
        std::lock_guard<std::mutex> lock(m_r->mutex);
        m_r->states.push_back({rts, dtr});
        return true;
    }
    void close() override
    {
        std::lock_guard<std::mutex> lock(m_r->mutex);
        if (m_r->open)
            m_r->states.push_back({false, false});
        m_r->open = false;
    }

private:
    std::shared_ptr<LineRecord> m_r;
};

class PttLineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_modem.setPttLineFactory([this] { return std::make_unique<FakeLine>(m_record); });
        m_modem.setFileSpeed(0);
        const std::string in = scratchPath("ptt-in.wav");
        writeSilence(in, 0.1);
        int length;
        ASSERT_EQ(m_modem.setInputWavePath(in.c_str(), &length, 0), 0);
        ASSERT_EQ(m_modem.setOutputWavePath(scratchPath("ptt-out.wav").c_str(), 0, 0), 0);
    }
    std::pair<bool, bool> last()
    {
        std::lock_guard<std::mutex> lock(m_record->mutex);
        return m_record->states.back();
    }
    std::shared_ptr<LineRecord> m_record = std::make_shared<LineRecord>();
    pskdsp::Modem m_modem;
};

TEST_F(PttLineTest, KeysTheChosenLinesOnlyWhileTransmitting)
{
    const std::pair<bool, bool> expected[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (int mode = 1; mode <= 3; ++mode) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(m_modem.setComPort(3, mode), 0);
        EXPECT_EQ(m_record->device, "/dev/ttyS2") << "COM3 as the radio link names it";
        EXPECT_EQ(last(), std::make_pair(false, false));
        MessageLog log;
        ASSERT_EQ(m_modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0);
        m_modem.sendTxString("k");
        m_modem.startTx(0);
        ASSERT_TRUE(log.waitStatus(1));
        // Keyed from status 1 on.
        bool keyed = false;
        {
            std::lock_guard<std::mutex> lock(m_record->mutex);
            for (const auto& s : m_record->states)
                keyed = keyed || s == expected[mode];
        }
        EXPECT_TRUE(keyed);
        m_modem.stopTx();
        ASSERT_TRUE(log.waitStatus(0));
        EXPECT_EQ(last(), std::make_pair(false, false)) << "released at the return to receive";
        m_modem.stopSoundCard();
    }
}

TEST_F(PttLineTest, ReleasedOnAbortOnCardStopAndWhenSwitchedOff)
{
    ASSERT_EQ(m_modem.setComPort(1, 3), 0);
    MessageLog log;
    m_modem.setFileSpeed(4);
    ASSERT_EQ(m_modem.startSoundCard(log.sink(), -1, 50, 0x0F), 0);
    m_modem.sendTxString("a longer text that keeps the transmitter busy for a while");
    m_modem.startTx(0);
    ASSERT_TRUE(log.waitStatus(1));
    EXPECT_EQ(last(), std::make_pair(true, true));
    m_modem.abortTx();
    ASSERT_TRUE(log.waitStatus(0, 2000));
    EXPECT_EQ(last(), std::make_pair(false, false));

    log.clear();
    m_modem.startTx(0);
    ASSERT_TRUE(log.waitStatus(1));
    m_modem.stopSoundCard(); // mid-transmission
    EXPECT_EQ(last(), std::make_pair(false, false));
    EXPECT_TRUE(log.waitStatus(0, 100)) << "the cut-off transmission still ends in receive";

    ASSERT_EQ(m_modem.setComPort(1, 0), 0);
    EXPECT_FALSE(m_record->open);
}

TEST_F(PttLineTest, APortThatCannotBeOpenedIsReported)
{
    m_record->failOpen = true;
    EXPECT_EQ(m_modem.setComPort(4, 1), 24);
    EXPECT_NE(m_modem.errorString().find("COM4"), std::string::npos) << m_modem.errorString();
    EXPECT_NE(m_modem.errorString().find("/dev/ttyS3"), std::string::npos);
}

TEST(SerialPttLine, RefusesADeviceThatIsNotThere)
{
    auto line = pskdsp::createSerialPttLine();
    std::string error;
    EXPECT_FALSE(line->open("/dev/ttyS-does-not-exist", &error));
    EXPECT_NE(error.find("/dev/ttyS-does-not-exist"), std::string::npos);
    EXPECT_EQ(pskdsp::pttDeviceForPort(1), "/dev/ttyS0");
}

} // namespace
