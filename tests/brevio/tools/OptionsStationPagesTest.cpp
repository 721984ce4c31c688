// The Autosave, CW ID, PTT Control and Sound Card pages in the sheet.
#include "OptionsFixture.h"

#include "brevio/tools/options/PSK31PageAutosave.h"
#include "brevio/tools/options/PSK31PageCW.h"
#include "brevio/tools/options/PSK31PagePTT.h"
#include "brevio/tools/options/PSK31PageSoundcard.h"
#include "shared/mixer/WaveDevices.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QLabel>
#include <QTemporaryDir>

using testsupport::OptionsFixture;
using testsupport::prompter;

namespace {
class StationPages : public OptionsFixture {};
} // namespace

TEST_F(StationPages, CwSpeedOutsideItsRangeShowsTheFastestAndIsStoredAsOne)
{
    for (int stored : {0, 5}) {
        CurrentSettings().m_nCWSpeed = stored;
        CPSK31Options* sheet = Open();
        CPSK31PageCW* page = sheet->GetCWPage();
        EXPECT_TRUE(IsChecked(page, CPSK31PageCW::IDC_SPEED_1)) << stored;
        // Any later apply, from any page.
        Click(sheet->GetAutosavePage(), CPSK31PageAutosave::IDC_APPEND);
        EXPECT_EQ(Stored().m_nCWSpeed, 1) << stored;
    }
}

TEST_F(StationPages, CwStringAndSpeedApplyAsTheyChange)
{
    CPSK31Options* sheet = Open();
    CPSK31PageCW* page = sheet->GetCWPage();
    sheet->SetActivePage(CPSK31Options::kCW);
    Type(page, CPSK31PageCW::IDC_STRING, QStringLiteral("de G0XYZ"));
    EXPECT_EQ(Broadcasts(), 8);  // every keystroke applies
    EXPECT_EQ(Stored().m_strCWString, QStringLiteral("de G0XYZ"));
    Click(page, CPSK31PageCW::IDC_SPEED_1 + 3);
    EXPECT_EQ(Stored().m_nCWSpeed, 4);
}

TEST_F(StationPages, SoundCardOutsideZeroToThreeIsAutoDetect)
{
    for (int stored : {-1, 7}) {
        CurrentSettings().m_nSoundcardNum = stored;
        CPSK31Options* sheet = Open();
        EXPECT_TRUE(IsChecked(sheet->GetSoundcardPage(), CPSK31PageSoundcard::IDC_CARD_0 + 4)) << stored;
        const int echo = CurrentSettings().m_bSoundcardEchoInput;
        Click(sheet->GetSoundcardPage(), CPSK31PageSoundcard::IDC_ECHO_INPUT);
        EXPECT_EQ(Stored().m_nSoundcardNum, -1) << stored;
        EXPECT_EQ(Stored().m_bSoundcardEchoInput, 1 - echo);
    }
    CPSK31Options* sheet = Open();
    Click(sheet->GetSoundcardPage(), CPSK31PageSoundcard::IDC_CARD_0 + 2);
    EXPECT_EQ(Stored().m_nSoundcardNum, 2);
}

TEST_F(StationPages, ClockAdjustStepsByHundredsFromTheStoredValue)
{
    CurrentSettings().m_nSoundcardClockAdjust = 250;
    CPSK31Options* sheet = Open();
    CPSK31PageSoundcard* page = sheet->GetSoundcardPage();
    auto* edit = Item<QLineEdit>(page, CPSK31PageSoundcard::IDC_CLOCK);
    EXPECT_EQ(edit->text(), QStringLiteral("250"));
    EXPECT_EQ(page->GetClockSpin()->GetPos(), 2);
    EXPECT_TRUE(edit->isReadOnly());
    page->GetClockSpin()->Step(true);
    EXPECT_EQ(edit->text(), QStringLiteral("300"));
    EXPECT_EQ(Broadcasts(), 1);
    EXPECT_EQ(Stored().m_nSoundcardClockAdjust, 300);
    // Negative values and the ends of the range.
    CurrentSettings().m_nSoundcardClockAdjust = -250;
    sheet->LoadAllPages();
    EXPECT_EQ(page->GetClockSpin()->GetPos(), -2);
    page->GetClockSpin()->Step(false);
    EXPECT_EQ(Stored().m_nSoundcardClockAdjust, -300);
    CurrentSettings().m_nSoundcardClockAdjust = 100000;
    sheet->LoadAllPages();
    page->GetClockSpin()->Step(true);
    EXPECT_EQ(edit->text(), QStringLiteral("100000"));
}

TEST_F(StationPages, SoundCardPageCountsTheRecordingDevices)
{
    CPSK31Options* sheet = Open();
    auto* label = Item<QLabel>(sheet->GetSoundcardPage(), CPSK31PageSoundcard::IDC_DEVICES);
    EXPECT_EQ(label->text(), QStringLiteral("Waveform-audio input devices present: %1").arg(WaveInputDeviceCount()));
}

TEST_F(StationPages, PortMatchingNoItemKeepsTheListAsItWas)
{
    CurrentSettings().m_nPTTPort = 12;
    CPSK31Options* sheet = Open();
    auto* port = Item<COwnComboBox>(sheet->GetPTTPage(), CPSK31PagePTT::IDC_PORT);
    ASSERT_EQ(port->count(), 8);
    EXPECT_EQ(port->itemText(7), QStringLiteral("COM8"));
    EXPECT_EQ(port->currentText(), QStringLiteral("COM1"));
    Click(sheet->GetPTTPage(), CPSK31PagePTT::IDC_MODE_NONE + 3);
    EXPECT_EQ(Stored().m_nPTTPort, 1);
    EXPECT_EQ(Stored().m_nPTTMode, 3);
    Choose(sheet->GetPTTPage(), CPSK31PagePTT::IDC_PORT, 4);
    EXPECT_EQ(Stored().m_nPTTPort, 5);
}

TEST_F(StationPages, RadioProgramKeyingGreysOutThePortButKeepsItsValues)
{
    CurrentSettings().m_nPTTMode = 2;
    CurrentSettings().m_nPTTPort = 3;
    CPSK31Options* sheet = Open();
    CPSK31PagePTT* page = sheet->GetPTTPage();
    auto* group = page->GetDlgItem(CPSK31PagePTT::IDC_PORT_GROUP);
    auto* port = Item<COwnComboBox>(page, CPSK31PagePTT::IDC_PORT);
    auto* label = page->GetDlgItem(CPSK31PagePTT::IDC_PORT_LABEL);
    EXPECT_TRUE(group->isEnabled());
    Click(page, CPSK31PagePTT::IDC_OPTION_COM + 1);
    EXPECT_FALSE(group->isEnabled());
    EXPECT_FALSE(port->isEnabled());
    EXPECT_FALSE(label->isEnabled());
    EXPECT_FALSE(page->GetDlgItem(CPSK31PagePTT::IDC_MODE_NONE)->isEnabled());
    EXPECT_EQ(Stored().m_bPTTFT817, 1);
    EXPECT_EQ(Stored().m_nPTTMode, 2);
    EXPECT_EQ(Stored().m_nPTTPort, 3);
    Click(page, CPSK31PagePTT::IDC_OPTION_COM + 2);
    EXPECT_EQ(Stored().m_bPTTFT817, 0);
    EXPECT_EQ(Stored().m_bPTTRVL, 1);
    EXPECT_FALSE(port->isEnabled());
    Click(page, CPSK31PagePTT::IDC_OPTION_COM);
    EXPECT_TRUE(port->isEnabled());
    EXPECT_TRUE(IsChecked(page, CPSK31PagePTT::IDC_MODE_NONE + 2));
    EXPECT_EQ(port->currentText(), QStringLiteral("COM3"));
    EXPECT_EQ(Stored().m_bPTTRVL, 0);
}

TEST_F(StationPages, BothKeyingProgramsStoredShowsTheRadioProgramAndClearsTheOther)
{
    CurrentSettings().m_bPTTFT817 = 1;
    CurrentSettings().m_bPTTRVL = 1;
    CPSK31Options* sheet = Open();
    EXPECT_TRUE(IsChecked(sheet->GetPTTPage(), CPSK31PagePTT::IDC_OPTION_COM + 1));
    EXPECT_FALSE(sheet->GetPTTPage()->GetDlgItem(CPSK31PagePTT::IDC_PORT)->isEnabled());
    Click(sheet->GetAutosavePage(), CPSK31PageAutosave::IDC_ENABLE);
    EXPECT_EQ(Stored().m_bPTTFT817, 1);
    EXPECT_EQ(Stored().m_bPTTRVL, 0);
}

TEST_F(StationPages, AutosaveFolderIsChosenOrLeftAlone)
{
    CurrentSettings().m_strAutosaveDir = QStringLiteral("/old/folder");
    CPSK31Options* sheet = Open();
    CPSK31PageAutosave* page = sheet->GetAutosavePage();
    auto* label = Item<CColourStatic>(page, CPSK31PageAutosave::IDC_FOLDER);
    EXPECT_EQ(label->text(), QStringLiteral("/old/folder"));
    Click(page, CPSK31PageAutosave::IDC_BROWSE);  // cancelled
    EXPECT_EQ(prompter().m_chooserCaptions.value(0), QStringLiteral("Select the Autosave folder"));
    EXPECT_EQ(label->text(), QStringLiteral("/old/folder"));
    EXPECT_EQ(Broadcasts(), 0);
    EXPECT_EQ(CurrentSettings().m_strAutosaveDir, QStringLiteral("/old/folder"));

    QTemporaryDir dir;
    prompter().m_files.push_back(dir.path());
    Click(page, CPSK31PageAutosave::IDC_BROWSE);
    EXPECT_EQ(label->text(), dir.path());
    EXPECT_EQ(Broadcasts(), 1);
    EXPECT_EQ(Stored().m_strAutosaveDir, dir.path());
    Click(page, CPSK31PageAutosave::IDC_ADD_DATE);
    Click(page, CPSK31PageAutosave::IDC_APPEND);
    EXPECT_EQ(Stored().m_bAutosaveAddDate, 0);
    EXPECT_EQ(Stored().m_bAutosaveAppend, 0);
}
