// The CW Speed and CW Settings tool windows on the simulator: the speed
// written once the slider has rested, the change mark in the title, and
// each CW setting written as soon as it changes.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/memory/CWSettingsDialog.h"
#include "corvane/memory/CWSettingsForm.h"
#include "corvane/memory/CWSpeedDialog.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>

using namespace memtest;

namespace {
int writes(const QList<QByteArray>& frames)
{
    int n = 0;
    for (const QByteArray& f : frames)
        n += f.size() == 5 && uint8_t(f[4]) == 0xBC;
    return n;
}
using CWSpeed = MemoryRadio;
using CWSettings = MemoryRadio;
} // namespace

TEST_F(CWSpeed, ShowsTheRadiosSpeed)
{
    start({}, {"0062=48"});  // speed code 8, charge time 8 h
    CCWSpeedDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "CW Speed: 12 wpm");
    EXPECT_EQ(dialog.GetSlider()->value(), 12);
    EXPECT_EQ(dialog.GetSlider()->minimum(), 4);
    EXPECT_EQ(dialog.GetSlider()->maximum(), 60);
    EXPECT_EQ(writes(newFrames()), 0);
}

TEST_F(CWSpeed, SpeedIsWrittenOnceTheSliderRests)
{
    start({}, {"0062=48"});
    CCWSpeedDialog dialog;
    dialog.show();
    newFrames();
    dialog.GetSlider()->triggerAction(QSlider::SliderSingleStepAdd);
    dialog.GetSlider()->setValue(20);
    EXPECT_EQ(dialog.windowTitle(), "CW Speed: 20 wpm *");
    EXPECT_TRUE(dialog.IsWritePending());
    EXPECT_TRUE(newFrames().isEmpty()) << "nothing before the slider rests";

    ASSERT_TRUE(waitFor([&] { return !dialog.IsWritePending(); }, 3000));
    EXPECT_EQ(writes(newFrames()), 1);
    EXPECT_EQ(sim->eepromByte(0x62), 0x50) << "16 in bits 0-5, the charge time kept";
    EXPECT_EQ(dialog.GetSpeedInRadio(), 20);
    EXPECT_EQ(dialog.windowTitle(), "CW Speed: 20 wpm *");
    ASSERT_TRUE(waitFor([&] { return !dialog.IsMarkShown(); }, 3000));
    EXPECT_EQ(dialog.windowTitle(), "CW Speed: 20 wpm");
}

TEST_F(CWSpeed, ReloadFollowsTheRadioWithoutWriting)
{
    start({}, {"0062=48"});
    CCWSpeedDialog dialog;
    dialog.show();
    ASSERT_TRUE(app->GetCatLink().WriteEepromBits(0x62, 0x3F, 26, QString()));
    newFrames();
    dialog.ReadSpeed();
    EXPECT_EQ(dialog.GetSlider()->value(), 30);
    EXPECT_EQ(dialog.windowTitle(), "CW Speed: 30 wpm");
    EXPECT_FALSE(dialog.IsWritePending());
    EXPECT_EQ(writes(newFrames()), 0);
}

TEST_F(CWSettings, EachChangeGoesToTheRadioAtOnce)
{
    start();
    CCWSettingsDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.windowTitle(), "CW Settings");
    CCWSettingsForm* form = dialog.Form();
    EXPECT_TRUE(form->Check(CCWSettingsForm::PADDLE)->isChecked());
    EXPECT_EQ(writes(newFrames()), 0) << "reading writes nothing";

    // Clearing paddle polarity (inverted) sets 0x58 bit 2.
    form->Check(CCWSettingsForm::PADDLE)->click();
    QList<QByteArray> frames = newFrames();
    EXPECT_EQ(writes(frames), 1);
    EXPECT_EQ(sim->eepromByte(0x58), 0x34);

    // One step of the pitch writes 0x5E bits 0-3 and shows the pitch in Hz.
    form->Spin(CCWSettingsForm::PITCH)->Spin()->Step(true);
    EXPECT_EQ(form->Spin(CCWSettingsForm::PITCH)->Edit()->text(), "750");
    EXPECT_EQ(writes(newFrames()), 1);
    EXPECT_EQ(sim->eepromByte(0x5E), 0x09);

    // Reload shows what the radio holds now.
    ASSERT_TRUE(app->GetCatLink().WriteEepromBits(0x61, 0x7F, 77, QString()));
    dialog.OnReload();
    EXPECT_EQ(form->Spin(CCWSettingsForm::VOLUME)->Edit()->text(), "77");
}
