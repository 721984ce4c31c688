#include "FrameFixture.h"
#include "brevio/core/ModeToolBar.h"
#include "brevio/core/DspCalls.h"
#include "shared/Registry.h"
#include <cstring>

#include <QComboBox>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

using testsupport::FrameFixture;

namespace {
constexpr unsigned kChar = CMainFrame::WM_DSP_CHAR;
constexpr unsigned kStatus = CMainFrame::WM_DSP_STATUS;

void SelectModulation(CMainFrame* frame, const char* text)
{
    QComboBox* combo = frame->GetModeToolBar()->GetCombo();
    combo->setCurrentIndex(combo->findText(QString::fromLatin1(text)));
}

TEST(Transmit, ModeFollowsSpeedAndModulation)
{
    FrameFixture f;
    CurrentSettings().m_nTxDelay = 0;
    const struct {
        int speed;
        const char* modulation;
        int mode;
    } cases[] = {{0, "BPSK", 0}, {0, "QPSK-USB", 1}, {0, "QPSK-LSB", 2},
                 {1, "BPSK", 8}, {1, "QPSK-USB", 9}, {1, "QPSK-LSB", 10}, {2, "QPSK-USB", 0}};
    for (const auto& c : cases) {
        CurrentSettings().m_eSpeed = c.speed;
        SelectModulation(f.frame, c.modulation);
        f.dsp.Clear();
        f.frame->StartTransmit(true);
        EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnStartTX")), QStringList{QStringLiteral("fnStartTX(%1)").arg(c.mode)})
            << c.speed << c.modulation;
        EXPECT_EQ(f.frame->GetTxMode(), c.mode);
    }
    EXPECT_EQ(f.frame->GetModeToolBar()->GetCombo()->itemData(1).toInt(), 2);  // "QPSK-LSB"
    f.dsp.Clear();
    f.frame->StartTransmit(false);
    EXPECT_EQ(f.dsp.Calls(), QStringList{QStringLiteral("fnStopTX()")});
    EXPECT_TRUE(f.LogLines().contains(QStringLiteral("Switching radio to Tx")));
}

TEST(Transmit, ReceiveModeOfEveryChannelFollowsTheSpeedCommand)
{
    FrameFixture f;
    SelectModulation(f.frame, "QPSK-USB");
    f.frame->OnCommand(33629);  // PSK63
    EXPECT_EQ(CurrentSettings().m_eSpeed, 1);
    const QStringList modes = f.dsp.Calls(QStringLiteral("fnSetRXPSKMode"));
    ASSERT_EQ(modes.size(), 50);
    EXPECT_EQ(modes[0], QStringLiteral("fnSetRXPSKMode(9, 0)"));
    EXPECT_EQ(modes[49], QStringLiteral("fnSetRXPSKMode(9, 49)"));
    f.Engine(kStatus, 1, 0);
    EXPECT_FALSE(f.frame->IsCommandEnabled(33628));
    EXPECT_TRUE(f.frame->IsCommandEnabled(32819));
}

TEST(Transmit, CwIdentificationAfterTheTextThenReceive)
{
    FrameFixture f;
    CurrentSettings().m_nTxDelay = 0;
    CurrentSettings().m_strCWString = QStringLiteral("DE QT9XVK");
    CurrentSettings().m_nCWSpeed = 2;
    f.frame->OnOptions(1);
    EXPECT_STREQ(f.frame->GetCWIdBuffer(), "DE QT9XVK");
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSetCWID")),
              (QStringList{QStringLiteral("fnSetCWIDString(DE QT9XVK)"), QStringLiteral("fnSetCWIDSpeed(2)")}));
    ASSERT_TRUE(f.frame->GetSendCWId());

    f.frame->StartTransmit(true);
    EXPECT_TRUE(f.frame->IsCWIdPending());
    f.Engine(kStatus, 1, 0);
    f.dsp.Clear();
    const int before = int(f.LogLines().size());
    f.Engine(kStatus, 0, 0);  // the text is out: the identification follows
    EXPECT_EQ(f.dsp.Calls(), (QStringList{QStringLiteral("fnStartTX(4)"), QStringLiteral("fnStopTX()")}));
    EXPECT_EQ(f.frame->GetTxMode(), 4);
    EXPECT_FALSE(f.frame->IsCWIdPending());
    EXPECT_EQ(f.LogLines().size(), before);  // nothing logged yet
    f.Engine(kStatus, 1, 0);
    f.dsp.Clear();
    f.Engine(kStatus, 0, 0);  // the identification is out
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartTX")).isEmpty());
    EXPECT_TRUE(f.LogLines().contains(QStringLiteral("Status: [0] In Receive mode")));
}

TEST(Transmit, NoIdentificationWithoutTextOrWhenSwitchedOff)
{
    FrameFixture f;
    CurrentSettings().m_nTxDelay = 0;
    f.frame->StartTransmit(true);
    f.Engine(kStatus, 1, 0);
    f.dsp.Clear();
    f.Engine(kStatus, 0, 0);
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartTX")).isEmpty());

    CurrentSettings().m_strCWString = QStringLiteral("DE X");
    f.frame->SetSendCWId(false);
    EXPECT_EQ(CRegistry().GetInt(QStringLiteral("CMainFrame::m_bSendCWId"), -1), 0);
    f.frame->StartTransmit(true);
    f.Engine(kStatus, 1, 0);
    f.dsp.Clear();
    f.Engine(kStatus, 0, 0);
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnStartTX")).isEmpty());
}

TEST(Transmit, IdentificationTextIsBoundedToItsBuffer)
{
    FrameFixture f;
    CurrentSettings().m_strCWString = QString(3000, QLatin1Char('E'));
    f.frame->OnOptions(1);
    EXPECT_EQ(std::strlen(f.frame->GetCWIdBuffer()), size_t(CMainFrame::kCWIdLimit));
}

TEST(Transmit, DelayHoldsEngineMessagesWithoutFreezingAndKeepsTheirOrder)
{
    FrameFixture f;
    CurrentSettings().m_nTxDelay = 300;
    CTxTextWindow* tx = f.forms[0]->GetTxWindow();
    tx->setPlainText(QStringLiteral("ABC"));
    f.frame->SetTxChannel(0);
    tx->SendNext();
    QElapsedTimer clock;
    clock.start();
    f.frame->StartTransmit(true);
    // The call returns at once; the window keeps working.
    EXPECT_LT(clock.elapsed(), 200);
    EXPECT_TRUE(f.frame->IsInTxDelay());
    f.dsp.Post(kStatus, 1, 0);
    f.dsp.Post(kChar, 'A', -1);
    f.Process();
    EXPECT_FALSE(f.frame->IsTransmitting());  // held
    EXPECT_TRUE(f.dsp.Calls(QStringLiteral("fnSendTXCharacter(66")).isEmpty());
    QTRY_VERIFY_WITH_TIMEOUT(!f.frame->IsInTxDelay(), 3000);
    EXPECT_GE(clock.elapsed(), 290);
    // Status 1 was handled before the echo, so the echo pulled 'B'.
    EXPECT_TRUE(f.frame->IsTransmitting());
    EXPECT_EQ(f.dsp.Calls(QStringLiteral("fnSendTXCharacter(66")).size(), 1);
}

TEST(Transmit, NoDelayStartsAtOnce)
{
    FrameFixture f;
    CurrentSettings().m_nTxDelay = 0;
    f.frame->StartTransmit(true);
    EXPECT_FALSE(f.frame->IsInTxDelay());
    f.Engine(kStatus, 1, 0);
    EXPECT_TRUE(f.frame->IsTransmitting());
}

} // namespace
