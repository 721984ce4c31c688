#include "corvane/core/CatLinkTestSupport.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/FullScreenDialog.h"
#include "corvane/frontpanel/RefreshIntervalDialog.h"
#include "corvane/frontpanel/StressTestDialog.h"
#include "corvane/frontpanel/TransmitDialog.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/buttons/OXRoundedButton.h"
#include "shared/ui/OwnComboBox.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using cattest::hexList;

namespace {
class TransmitTest : public cattest::SimLink {
protected:
    void SetUp() override
    {
        start();
        newFrames();
    }
};
} // namespace

TEST_F(TransmitTest, TimedTransmissionCountsDownThenRestoresReceiveAndTheSavedMode)
{
    GetRegistry().WriteDialogInt(CTransmitDialog::IDD, CTransmitDialog::IDC_CONTINUOUS, 1);
    GetRegistry().WriteDialogString(CTransmitDialog::IDD, CTransmitDialog::IDC_SECONDS, "5");
    // The panel showed USB with the narrow filter.
    CTransmitDialog dialog(nullptr, *link, 0x81);
    dialog.show();
    EXPECT_TRUE(dialog.GetTimerChoice()->isChecked());
    EXPECT_EQ(dialog.GetModeCombo()->GetCurSel(), 7);  // PKT by default
    EXPECT_FALSE(dialog.GetStopButton()->isEnabled());

    dialog.GetModeCombo()->SetCurSel(6);  // DIG
    dialog.OnStart();
    EXPECT_TRUE(dialog.IsTransmitting());
    EXPECT_EQ(newFrames(), hexList({"0A 00 00 00 07", "00 00 00 00 08"}));
    EXPECT_EQ(dialog.windowTitle(), "Transmit 5");
    EXPECT_FALSE(dialog.GetStartButton()->isEnabled());
    EXPECT_FALSE(dialog.GetModeCombo()->isEnabled());
    EXPECT_TRUE(dialog.GetStopButton()->isEnabled());
    QStringList captions;
    for (int i = 0; i < 4; ++i) {
        dialog.OnTimer();
        captions << dialog.windowTitle();
    }
    EXPECT_EQ(captions, QStringList({"Transmit 4", "Transmit 3", "Transmit 2", "Transmit 1"}));
    EXPECT_TRUE(newFrames().isEmpty());
    const int64_t slept = sleeper.m_totalMs;
    dialog.OnTimer();
    EXPECT_FALSE(dialog.IsTransmitting());
    EXPECT_EQ(dialog.windowTitle(), "Transmit");
    // PTT off, then USB again (the narrow bit is not part of the mode command).
    EXPECT_EQ(newFrames(), hexList({"00 00 00 00 88", "01 00 00 00 07"}));
    EXPECT_EQ(sleeper.m_totalMs - slept, 500);
    EXPECT_EQ(GetRegistry().GetDialogInt(CTransmitDialog::IDD, CTransmitDialog::IDC_MODE, -1), 6);
}

TEST_F(TransmitTest, ZeroSecondsUsesOneAndCancelStopsAndStoresTheChoices)
{
    CTransmitDialog dialog(nullptr, *link, 0x0C);
    dialog.show();
    dialog.GetTimerChoice()->setChecked(true);
    dialog.GetSecondsEdit()->setText("0");
    dialog.OnStart();
    EXPECT_EQ(dialog.GetSecondsLeft(), 1);
    EXPECT_EQ(dialog.windowTitle(), "Transmit 1");
    newFrames();
    dialog.OnCancel();
    EXPECT_FALSE(dialog.IsTransmitting());
    EXPECT_EQ(newFrames(), hexList({"00 00 00 00 88", "0C 00 00 00 07"}));
    EXPECT_EQ(GetRegistry().GetDialogInt(CTransmitDialog::IDD, CTransmitDialog::IDC_CONTINUOUS, -1), 1);
    EXPECT_EQ(GetRegistry().GetDialogString(CTransmitDialog::IDD, CTransmitDialog::IDC_SECONDS), "0");
}

TEST_F(TransmitTest, NoSavedModeSendsNoModeBackAndDestructionUnkeys)
{
    {
        CTransmitDialog dialog(nullptr, *link, 0xFF);
        dialog.show();
        dialog.OnStart();  // continuous
        newFrames();
    }
    EXPECT_EQ(newFrames(), hexList({"00 00 00 00 88"}));
}

TEST(RefreshIntervalDialog, ClampsOnOkNotWhileTyping)
{
    CRefreshIntervalDialog dialog(nullptr, 60);
    dialog.show();
    QLineEdit* edit = dialog.GetEdit();
    EXPECT_EQ(edit->text(), "60");
    edit->selectAll();
    QTest::keyClicks(edit, "5");
    EXPECT_EQ(edit->text(), "5");  // left alone while the operator types
    QTest::keyClicks(edit, "0");
    EXPECT_EQ(edit->text(), "50");
    edit->selectAll();
    QTest::keyClicks(edit, "1234");
    EXPECT_EQ(edit->text(), "123");
    edit->setText("5");
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetText(), "10");
    EXPECT_EQ(edit->text(), "10");
    EXPECT_EQ(CRefreshIntervalDialog::Clamp("999"), "999");
    EXPECT_EQ(CRefreshIntervalDialog::Clamp("1000"), "999");
    EXPECT_EQ(CRefreshIntervalDialog::Clamp(""), "10");
    EXPECT_EQ(CRefreshIntervalDialog::Clamp("42"), "42");
}

namespace {
class Catcher : public QObject {
public:
    int fullScreen = 0;
    int redraws = 0;
    bool event(QEvent* e) override
    {
        if (CRegisteredEvent::As(e, RegisteredMessage::nMsgFullScreen)) {
            ++fullScreen;
            return true;
        }
        if (CRegisteredEvent::As(e, RegisteredMessage::nMsgRedrawNew)) {
            ++redraws;
            return true;
        }
        return QObject::event(e);
    }
};
struct SettingsGuard {
    CSettings saved = GetSettings();
    ~SettingsGuard() { GetSettings() = saved; }
};
} // namespace

TEST(FullScreenDialog, ButtonTellsTheFrameAndHides)
{
    SettingsGuard guard;
    Catcher frame;
    CFullScreenDialog dialog(&frame);
    dialog.show();
    EXPECT_EQ(dialog.GetButton()->GetButtonText(), "Close Full Screen");
    EXPECT_EQ(dialog.GetButton()->GetSphereColour(), GetSettings().m_colColButtonFace);
    QTest::mouseClick(dialog.GetButton(), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.fullScreen, 1);
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.fullScreen, 2);

    GetSettings().m_colColButtonFace = RGB(9, 8, 7);
    SendRegisteredMessage(&dialog, RegisteredMessage::nMsgRedrawNew);
    EXPECT_EQ(dialog.GetButton()->GetSphereColour(), RGB(9, 8, 7));
}

TEST(StressTestDialog, RandomColoursComeBackToTheStoredSettings)
{
    SettingsGuard guard;
    GetSettings().Save();
    const CSettings stored = GetSettings();
    QWidget view;
    auto* child = new QWidget(&view);
    Catcher viewCatcher;
    Catcher childCatcher;
    struct Forward : QObject {
        Catcher* c;
        bool eventFilter(QObject*, QEvent* e) override { return c->event(e); }
    } toView, toChild;
    toView.c = &viewCatcher;
    toChild.c = &childCatcher;
    view.installEventFilter(&toView);
    child->installEventFilter(&toChild);
    int frequencies = 0;
    int meters = 0;
    QList<int> expanded;
    CStressTestDialog::Hooks hooks;
    hooks.view = [&] { return &view; };
    hooks.showFrequencyBytes = [&](const uint8_t b[4]) {
        for (int i = 0; i < 4; ++i)
            EXPECT_LT(b[i], 255);
        ++frequencies;
    };
    hooks.setMeters = [&](int a, int m, int s) {
        EXPECT_LT(std::max({a, m, s}), 15);
        ++meters;
    };
    hooks.navigatorGroupCount = [] { return 3; };
    hooks.expandNavigatorGroup = [&](int order) { expanded << order; };
    CStressTestDialog dialog(nullptr, hooks);
    dialog.SetSeed(7);
    EXPECT_EQ(dialog.GetDelay(), 10);
    dialog.OnStart();
    EXPECT_TRUE(dialog.IsRunning());
    EXPECT_EQ(dialog.GetStartButton()->text(), "Stop");
    EXPECT_FALSE(dialog.GetCancelButton()->isEnabled());
    for (int i = 0; i < 4; ++i)
        dialog.OnTimer();
    EXPECT_EQ(expanded, QList<int>({0, 1, 2, 0}));
    EXPECT_EQ(frequencies, 4);
    EXPECT_EQ(meters, 4);
    EXPECT_EQ(viewCatcher.redraws, 4);
    EXPECT_EQ(childCatcher.redraws, 4);
    EXPECT_NE(GetSettings().m_colFreqBackground, stored.m_colFreqBackground);
    for (int i = 0; i < 50; ++i) {
        const uint32_t c = dialog.RandomColour();
        EXPECT_LT(c & 0xFF, 255u);
        EXPECT_LT((c >> 8) & 0xFF, 255u);
        EXPECT_LT((c >> 16) & 0xFF, 255u);
    }
    dialog.OnStart();
    EXPECT_FALSE(dialog.IsRunning());
    EXPECT_EQ(dialog.GetStartButton()->text(), "Start");
    EXPECT_EQ(GetSettings().m_colFreqBackground, stored.m_colFreqBackground);
    EXPECT_EQ(GetSettings().m_colTuningDialSliderColour, stored.m_colTuningDialSliderColour);
    EXPECT_EQ(GetSettings().m_colColButtonTextSel, stored.m_colColButtonTextSel);
    EXPECT_EQ(viewCatcher.redraws, 5);
}
