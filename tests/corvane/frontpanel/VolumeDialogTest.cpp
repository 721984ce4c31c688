// The radio program's "Volume" window over the sound-card mixer: the slider
// is upside down, mute follows the box, changes made elsewhere come back,
// and without a mixer the controls do nothing. No sound card runs here, so
// the mixer is a stand-in holding its values in memory.
#include "corvane/frontpanel/VolumeDialog.h"

#include "shared/mixer/SoundMixer.h"

#include <QCheckBox>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

namespace {
class MasterOnlyMixer : public CSoundMixer {
public:
    struct State {
        long master = 40000;
        bool muted = false;
        bool changed = false;
        bool hasMute = true;
    };
    explicit MasterOnlyMixer(State* s) : m(s) {}
    bool HasMasterVolume() const override { return true; }
    bool GetMasterRange(long& a, long& b) const override
    {
        a = 0;
        b = 65535;
        return true;
    }
    bool GetMasterVolume(long& v) const override
    {
        v = m->master;
        return true;
    }
    bool SetMasterVolume(long v) override
    {
        m->master = v;
        return true;
    }
    bool HasMasterMute() const override { return m->hasMute; }
    bool GetMasterMute(bool& b) const override
    {
        b = m->muted;
        return true;
    }
    bool SetMasterMute(bool b) override
    {
        m->muted = b;
        return true;
    }
    SelectKind GetSelectKind() const override { return SelectKind::None; }
    QStringList GetItemNames() const override { return {}; }
    int GetItemType(int) const override { return -1; }
    bool GetSelectValues(QList<bool>&) const override { return false; }
    bool SetSelectValues(const QList<bool>&) override { return false; }
    bool HasSourceVolume(int) const override { return false; }
    bool GetSourceRange(int, long&, long&) const override { return false; }
    bool GetSourceVolume(int, long&) const override { return false; }
    bool SetSourceVolume(int, long) override { return false; }
    bool TakeChanges() override { return std::exchange(m->changed, false); }
    State* m;
};

class Volume : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSoundMixer::SetFactory([this] { return std::make_unique<MasterOnlyMixer>(&state); });
    }
    void TearDown() override { CSoundMixer::SetFactory(nullptr); }
    MasterOnlyMixer::State state;
};
} // namespace

TEST_F(Volume, TheSliderIsUpsideDownTopIsLoudest)
{
    CVolumeDialog dialog(nullptr);
    dialog.show();
    ASSERT_TRUE(dialog.IsMixerOpen());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Volume"));
    QSlider* slider = dialog.GetSlider();
    EXPECT_EQ(slider->minimum(), 0);
    EXPECT_EQ(slider->maximum(), 65535);
    EXPECT_EQ(slider->tickInterval(), 6553);
    EXPECT_EQ(slider->value(), 65535 - 40000);
    EXPECT_EQ(state.master, 40000);  // showing it wrote nothing
    slider->setValue(0);
    EXPECT_EQ(state.master, 65535);
    slider->setValue(65535);
    EXPECT_EQ(state.master, 0);
    // Keys move it too.
    slider->setFocus();
    slider->setValue(30000);
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(state.master, 65535 - slider->value());
}

TEST_F(Volume, MuteFollowsTheBoxAndChangesElsewhereComeBack)
{
    CVolumeDialog dialog(nullptr);
    dialog.show();
    QCheckBox* mute = dialog.GetMuteBox();
    EXPECT_FALSE(mute->isChecked());
    mute->click();
    EXPECT_TRUE(state.muted);
    mute->click();
    EXPECT_FALSE(state.muted);

    // Another program turns the master down and mutes.
    state.master = 1000;
    state.muted = true;
    state.changed = true;
    EXPECT_TRUE(QTest::qWaitFor([&] { return mute->isChecked() && dialog.GetSlider()->value() == 65535 - 1000; }, 5000))
        << "muted " << mute->isChecked() << ", slider " << dialog.GetSlider()->value();
    EXPECT_EQ(state.master, 1000);  // following a change writes nothing back
    mute->click();
    EXPECT_FALSE(state.muted);
}

TEST_F(Volume, WithoutAMixerTheControlsDoNothing)
{
    CSoundMixer::SetFactory([] { return std::unique_ptr<CSoundMixer>(); });
    CVolumeDialog dialog(nullptr);
    dialog.show();
    EXPECT_FALSE(dialog.IsMixerOpen());
    long volume = 0;
    bool muted = false;
    EXPECT_FALSE(dialog.GetVolume(volume));
    EXPECT_FALSE(dialog.GetMute(muted));
    EXPECT_FALSE(dialog.SetVolume(5));
    dialog.GetMuteBox()->click();
    dialog.GetSlider()->setValue(10);
    EXPECT_FALSE(dialog.SetMute(true));
}

TEST_F(Volume, AMasterWithoutAMuteSwitchLeavesOnlyTheSlider)
{
    state.hasMute = false;
    CVolumeDialog dialog(nullptr);
    dialog.show();
    EXPECT_FALSE(dialog.SetMute(true));
    EXPECT_FALSE(state.muted);
    dialog.GetSlider()->setValue(100);
    EXPECT_EQ(state.master, 65435);
}
