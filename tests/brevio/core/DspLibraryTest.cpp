#include "brevio/core/DspLibrary.h"

#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLibrary>
#include <gtest/gtest.h>

namespace {

using testsupport::prompter;

class DspLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ForgetDspLibrary();
        SetRxModeSource({}, {});
        SetDspLogSink([this](const QString& line) { m_log << line; });
    }
    void TearDown() override
    {
        SetDspLogSink({});
        SetRxModeSource({}, {});
        ForgetDspLibrary();
    }
    QStringList m_log;
};

template <typename F>
F stubFunction(const char* path, const char* name)
{
    QLibrary lib(QString::fromUtf8(path));
    return reinterpret_cast<F>(lib.resolve(name));
}

TEST_F(DspLibraryTest, MissingLibraryShowsOneBoxAndFails)
{
    const QString path = QStringLiteral("/nonexistent/folder/libpskmodem117.so");
    EXPECT_FALSE(LoadDspLibrary(nullptr, path));
    ASSERT_EQ(prompter().m_boxes.size(), 1);
    EXPECT_EQ(prompter().m_boxes[0].text, QStringLiteral("Cannot find ") + path);
    EXPECT_EQ(prompter().m_boxes[0].caption, QStringLiteral("Error"));
    EXPECT_EQ(prompter().m_boxes[0].style, platform::MB_OK | platform::MB_ICONERROR);
    EXPECT_FALSE(IsDspLibraryLoaded());
}

TEST_F(DspLibraryTest, EveryMissingNameGetsItsOwnBoxAndLoadingFails)
{
    const QString path = QString::fromUtf8(DSP_STUB_MISSING);
    EXPECT_FALSE(LoadDspLibrary(nullptr, path));
    ASSERT_EQ(prompter().m_boxes.size(), 2);
    EXPECT_EQ(prompter().m_boxes[0].text, QStringLiteral("Unable to find 'fnGetSyncData' in '%1'").arg(path));
    EXPECT_EQ(prompter().m_boxes[1].text, QStringLiteral("Unable to find 'fnGetDebugData' in '%1'").arg(path));
    for (const auto& box : prompter().m_boxes) {
        EXPECT_EQ(box.caption, QStringLiteral("Error"));
        EXPECT_EQ(box.style, platform::MB_OK | platform::MB_ICONERROR);
    }
    EXPECT_FALSE(IsDspLibraryLoaded());
}

TEST_F(DspLibraryTest, TheLibraryIsLookedForBesideTheProgram)
{
    EXPECT_EQ(DspLibraryPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/libpskmodem117.so"));
    EXPECT_TRUE(QDir::isAbsolutePath(DspLibraryPath()));
}

TEST_F(DspLibraryTest, ModeCodesFollowSpeedAndModulation)
{
    const int table[3][4] = {{0, 0, 1, 2}, {1, 8, 9, 10}, {2, 0, 0, 0}};
    for (const auto& row : table)
        for (int modulation = 0; modulation < 3; ++modulation)
            EXPECT_EQ(RxModeCode(row[0], modulation), row[modulation + 1]) << row[0] << " " << modulation;
    EXPECT_EQ(RxModeCode(1, 3), 0);
    EXPECT_EQ(RxModeCode(1, -1), 0);
}

TEST_F(DspLibraryTest, EnablingAChannelAppliesTheCurrentReceiveMode)
{
    ASSERT_TRUE(LoadDspLibrary(nullptr, QString::fromUtf8(DSP_STUB_FULL)));
    EXPECT_TRUE(prompter().m_boxes.isEmpty());
    auto rxMode = stubFunction<int (*)(int)>(DSP_STUB_FULL, "stubRxMode");
    ASSERT_TRUE(rxMode);
    int speed = 1, modulation = 1;
    SetRxModeSource([&] { return speed; }, [&] { return modulation; });
    fnSetRXPSKMode(0, 2);
    fnEnableRXChannel(2, 0);
    EXPECT_EQ(rxMode(2), 0) << "disabling leaves the mode alone";
    fnEnableRXChannel(2, 1);
    EXPECT_EQ(rxMode(2), 9);
    modulation = 2;
    fnEnableRXChannel(3, 1);
    EXPECT_EQ(rxMode(3), 10);
    speed = 0;
    ApplyRxModeToAllChannels();
    for (int ch = 0; ch < 50; ++ch)
        EXPECT_EQ(rxMode(ch), 2) << ch;
}

TEST_F(DspLibraryTest, SetComPortPttLogsItsBlock)
{
    ASSERT_TRUE(LoadDspLibrary(nullptr, QString::fromUtf8(DSP_STUB_FULL)));
    auto setError = stubFunction<void (*)(const char*)>(DSP_STUB_FULL, "stubSetError");
    setError("");
    EXPECT_EQ(SetComPortPtt(2, 3), 0);
    EXPECT_EQ(m_log, (QStringList{"Setting COM port", "----------------", "Port number ...: 2",
                                  "Mode ..........: RTS + DTR", "Status ........: OK", ""}));
    m_log.clear();
    setError("Bad\tmode");
    EXPECT_EQ(SetComPortPtt(2, 7), 29);
    EXPECT_EQ(m_log.value(3), QStringLiteral("Mode ..........: Invalid"));
    EXPECT_EQ(m_log.value(4), QStringLiteral("Status ........: Bad mode"));
    const char* names[] = {"OFF", "RTS", "DTR"};
    for (int mode = 0; mode < 3; ++mode) {
        m_log.clear();
        SetComPortPtt(1, mode);
        EXPECT_EQ(m_log.value(3), QStringLiteral("Mode ..........: %1").arg(QLatin1String(names[mode])));
    }
}

TEST_F(DspLibraryTest, ErrorTextReadsOkWhenEmptyAndBlanksControlCharacters)
{
    ASSERT_TRUE(LoadDspLibrary(nullptr, QString::fromUtf8(DSP_STUB_FULL)));
    auto setError = stubFunction<void (*)(const char*)>(DSP_STUB_FULL, "stubSetError");
    setError("");
    EXPECT_EQ(GetDspErrorText(), QStringLiteral("OK"));
    setError("Can't open\tfile\r\nnow");
    EXPECT_EQ(GetDspErrorText(), QStringLiteral("Can't open file  now"));
}

} // namespace
