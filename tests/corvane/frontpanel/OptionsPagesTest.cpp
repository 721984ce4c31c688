// The option pages inside their sheet: the meters' colour modes, merges and
// colour questions, the frequency display's preview and lists, the band
// plans, the receive ranges, the sounds and switches, the buttons, the
// faceplate and the exchange buttons; each page's store and load.
#include "OptionsTestSupport.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/ClockStatic.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/MergeColoursDialog.h"
#include "corvane/frontpanel/MeterStatic.h"
#include "corvane/frontpanel/OptionsBands.h"
#include "corvane/frontpanel/OptionsBarMeters.h"
#include "corvane/frontpanel/OptionsDisplayControls.h"
#include "corvane/frontpanel/OptionsExchange.h"
#include "corvane/frontpanel/OptionsFaceplate.h"
#include "corvane/frontpanel/OptionsFrequencyDisplay.h"
#include "corvane/frontpanel/OptionsRanges.h"
#include "corvane/frontpanel/OptionsSheet.h"
#include "corvane/frontpanel/OptionsTuningDial.h"
#include "corvane/frontpanel/OptionsVarious.h"
#include "corvane/frontpanel/RadioStatus.h"
#include "corvane/frontpanel/TuningDial.h"
#include "platform/DataFolder.h"
#include "shared/RegisteredEvent.h"
#include "shared/artwork/Artwork.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/buttons/OXRoundedButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnSpinButtonCtrl.h"
#include "shared/ui/PathEllipsis.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using optionstest::resetOptions;
using optionstest::whenModal;

namespace {
class OptionPages : public ::testing::Test {
protected:
    void SetUp() override
    {
        resetOptions();
        sheet = std::make_unique<COptionsSheet>(nullptr);
        sheet->show();
        QApplication::processEvents();
    }
    void TearDown() override
    {
        sheet.reset();
        resetOptions();
        COptionsVarious::SetSoundPlayer({});
    }
    template <class T = QWidget>
    T* item(QWidget* page, unsigned id) const
    {
        return qobject_cast<T*>(static_cast<CPropertyPage*>(page)->GetDlgItem(id));
    }
    // Answers the next Merge Colours dialog with the two points (or Cancel).
    void merge(int start, int end, bool ok = true)
    {
        whenModal<CMergeColoursDialog>([=](CMergeColoursDialog* d) {
            d->GetStartCombo()->SetCurSel(start);
            d->GetEndCombo()->SetCurSel(end);
            if (ok)
                d->OnOK();
            else
                d->reject();
        });
    }
    std::unique_ptr<COptionsSheet> sheet;
};

QColor qcolour(COLORREF c)
{
    return toQColor(c);
}
} // namespace

TEST_F(OptionPages, TxMetersMonochromeEnablesTheBarButtonAndMultiColourTheNineColours)
{
    COptionsBarMeters* page = sheet->GetBarMetersPage();
    sheet->SetActivePage(page);
    auto* mono = item<QRadioButton>(page, COptionsBarMeters::IDC_MONO);
    auto* multi = item<QRadioButton>(page, COptionsBarMeters::IDC_MULTI);
    EXPECT_TRUE(multi->isChecked());  // the defaults are multi-colour
    mono->click();
    EXPECT_TRUE(page->GetBarButton()->isEnabled());
    for (int i = 0; i < 9; ++i)
        EXPECT_FALSE(page->GetColourButton(i)->isEnabled()) << i;
    EXPECT_EQ(GetSettings().m_bTxMeterMono, 1);
    EXPECT_TRUE(page->IsModified());
    multi->click();
    EXPECT_FALSE(page->GetBarButton()->isEnabled());
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(page->GetColourButton(i)->isEnabled()) << i;
    EXPECT_EQ(GetSettings().m_bTxMeterMono, 0);
}

TEST_F(OptionPages, TxMetersShowTheirPreviewAndKeepPeakTimesWithinTheSpinRanges)
{
    COptionsBarMeters* page = sheet->GetBarMetersPage();
    EXPECT_EQ(page->GetMeter(COptionsBarMeters::IDC_ALC)->GetValue(), 9);
    EXPECT_EQ(page->GetMeter(COptionsBarMeters::IDC_MOD)->GetValue(), 6);
    EXPECT_EQ(page->GetMeter(COptionsBarMeters::IDC_SWR)->GetValue(), 3);
    EXPECT_EQ(page->GetMeter(COptionsBarMeters::IDC_SWR)->GetMaximum(), 9);
    EXPECT_EQ(item<QLineEdit>(page, COptionsBarMeters::IDC_HANG_EDIT)->text(), QStringLiteral("1000"));
    EXPECT_EQ(item<QLineEdit>(page, COptionsBarMeters::IDC_DECAY_EDIT)->text(), QStringLiteral("300"));

    auto* hang = item<QLineEdit>(page, COptionsBarMeters::IDC_HANG_EDIT);
    hang->clear();
    QTest::keyClicks(hang, QStringLiteral("9999"));
    EXPECT_TRUE(page->IsModified());
    CSettings stored;
    page->WriteToSettings(stored);
    EXPECT_EQ(stored.m_nTxMeterDecayHang, 3000);
    EXPECT_EQ(stored.m_nTxMeterDecayRate, 300);
}

TEST_F(OptionPages, MergingOnOnePointChangesNothingAndMarksNothing)
{
    COptionsBarMeters* page = sheet->GetBarMetersPage();
    COLORREF before[9];
    for (int i = 0; i < 9; ++i)
        before[i] = page->GetTxMeterColour(i);
    merge(4, 4);
    qobject_cast<QPushButton*>(page->GetDlgItem(COptionsBarMeters::IDC_MERGE))->click();
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(page->GetTxMeterColour(i), before[i]) << i;
    EXPECT_FALSE(page->IsModified());
    merge(0, 8, false);
    page->OnMergeColours();
    EXPECT_FALSE(page->IsModified());
}

TEST_F(OptionPages, MergingBackwardsGivesTheSameRowAndReachesTheGlobalOptionsAtOnce)
{
    COptionsBarMeters* page = sheet->GetBarMetersPage();
    // Two rows that differ, merged from P1 to P3 and from P3 to P1.
    testsupport::prompter().m_colours = {qcolour(0x0000F0), qcolour(0x00F000)};
    page->OnMeterColour(0);
    page->OnMeterColour(2);
    EXPECT_EQ(GetSettings().m_colTxMeter[2], 0x00F000u);
    merge(0, 2);
    page->OnMergeColours();
    const COLORREF forward = page->GetTxMeterColour(1);
    EXPECT_EQ(forward, RGB(0xF0 / 2, 0xF0 / 2, 0));
    page->OnMeterColour(1);  // cancelled: unchanged
    EXPECT_EQ(page->GetTxMeterColour(1), forward);
    testsupport::prompter().m_colours = {qcolour(0x123456)};
    page->OnMeterColour(1);
    merge(2, 0);
    page->OnMergeColours();
    EXPECT_EQ(page->GetTxMeterColour(1), forward);
    EXPECT_EQ(GetSettings().m_colTxMeter[1], forward);
}

TEST_F(OptionPages, TheMergeDialogStartsOnTheEndsSoOkRespreadsTheWholeRow)
{
    COptionsFrequencyDisplay* page = sheet->GetFrequencyDisplayPage();
    QStringList points;
    whenModal<CMergeColoursDialog>([&](CMergeColoursDialog* d) {
        for (int i = 0; i < d->GetStartCombo()->count(); ++i)
            points << d->GetStartCombo()->itemText(i);
        EXPECT_EQ(d->GetStartCombo()->currentIndex(), 0);
        EXPECT_EQ(d->GetEndCombo()->currentIndex(), 14);
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Merge Colours"));
        d->OnOK();
    });
    // S1 is black and S15 red by default; a stray colour in between goes.
    testsupport::prompter().m_colours = {qcolour(0x00FF00)};
    page->OnSMeterColour(7);
    page->OnMerge();
    EXPECT_EQ(points.first(), QStringLiteral("S1"));
    EXPECT_EQ(points[9], QStringLiteral("S9+10"));
    EXPECT_EQ(points.last(), QStringLiteral("S9+60"));
    EXPECT_EQ(page->GetSMeterColour(7), 0x00007Fu);
    EXPECT_EQ(GetSettings().m_colSMeter[7], 0x00007Fu);
    EXPECT_EQ(page->GetColourButton(14)->text(), QStringLiteral("9+60"));
}

TEST_F(OptionPages, FrequencyDisplayListsTenFormatsThreeZonesAndPreviewsTheClockSettings)
{
    COptionsFrequencyDisplay* page = sheet->GetFrequencyDisplayPage();
    QComboBox* format = page->GetFormatCombo();
    QComboBox* zone = page->GetZoneCombo();
    ASSERT_EQ(format->count(), 10);
    EXPECT_EQ(zone->count(), 3);
    EXPECT_EQ(zone->itemText(2), QStringLiteral("Local"));
    // Each entry is a time in that format; %c and the 12-hour format differ
    // from the 24-hour one.
    EXPECT_NE(format->itemText(0), format->itemText(3));
    format->setCurrentIndex(4);
    emit format->activated(4);
    zone->setCurrentIndex(1);
    emit zone->activated(1);
    EXPECT_EQ(GetSettings().m_nClockFormat, 4);
    EXPECT_EQ(GetSettings().m_nClockZone, 1);
    EXPECT_TRUE(page->IsModified());
    CSettings stored;
    page->WriteToSettings(stored);
    EXPECT_EQ(stored.m_nClockFormat, 4);
    EXPECT_EQ(stored.m_nClockZone, 1);
}

TEST_F(OptionPages, ThePreviewLabelNamesTheFavouriteOrShowsTheRxText)
{
    COptionsFrequencyDisplay* page = sheet->GetFrequencyDisplayPage();
    auto* rx = item<QCheckBox>(page, COptionsFrequencyDisplay::IDC_RX_FAVOURITE);
    auto* tx = item<QCheckBox>(page, COptionsFrequencyDisplay::IDC_TX_FAVOURITE);
    auto* rxText = item<QLineEdit>(page, COptionsFrequencyDisplay::IDC_RX_STRING);
    const struct {
        bool rx, tx;
        const char* label;
    } cases[] = {{true, true, "Current Favourite (Rx and Tx)"},
                 {true, false, "Current Favourite (Rx only)"},
                 {false, true, "Current Favourite (Tx only)"},
                 {false, false, "- Rx -"}};
    for (const auto& c : cases) {
        rx->setChecked(c.rx);
        tx->setChecked(c.tx);
        page->RefreshPreview();
        EXPECT_EQ(page->GetPreviewLabel(), QString::fromLatin1(c.label));
    }
    // The Rx text takes 32 characters at most; the Tx text has no limit.
    rxText->clear();
    QTest::keyClicks(rxText, QString(40, QLatin1Char('r')));
    EXPECT_EQ(rxText->text().size(), 32);
    auto* txText = item<QLineEdit>(page, COptionsFrequencyDisplay::IDC_TX_STRING);
    txText->setText(QString(40, QLatin1Char('t')));
    CSettings stored;
    page->WriteToSettings(stored);
    EXPECT_EQ(stored.m_strRxString.size(), 32);
    EXPECT_EQ(stored.m_strTxString.size(), 40);
    EXPECT_EQ(page->GetPreviewLabel(), QString(32, QLatin1Char('r')));
}

TEST_F(OptionPages, FrequencyDisplayColoursAndSMeterModeGoThroughThePreview)
{
    COptionsFrequencyDisplay* page = sheet->GetFrequencyDisplayPage();
    EXPECT_EQ(CRadioStatus::BcdWordToHz(page->GetDisplay()->GetFrequency()), 220360u);
    EXPECT_EQ(page->GetDisplay()->GetIndicators(), 0x74F5u);
    testsupport::prompter().m_colours = {qcolour(0x102030)};
    page->OnColourButton(COptionsFrequencyDisplay::IDC_TEXT);
    EXPECT_EQ(page->GetDisplay()->GetForegroundColour(), 0x102030u);
    page->OnColourButton(COptionsFrequencyDisplay::IDC_BACKGROUND);  // cancelled
    EXPECT_EQ(page->GetDisplay()->GetBackgroundColour(), CSettings().m_colFreqBackground);

    item<QRadioButton>(page, COptionsFrequencyDisplay::IDC_MONO)->click();
    EXPECT_TRUE(item<QPushButton>(page, COptionsFrequencyDisplay::IDC_BAR_COLOUR)->isEnabled());
    EXPECT_FALSE(page->GetColourButton(0)->isEnabled());
    EXPECT_EQ(GetSettings().m_bSMeterMono, 1);

    CSettings stored;
    page->WriteToSettings(stored);
    EXPECT_EQ(stored.m_colFreqForeground, 0x102030u);
    EXPECT_EQ(stored.m_bSMeterMono, 1);
    // And back: a fresh object loads into the page and out again unchanged.
    stored.m_colSMeter[3] = 0x445566;
    stored.m_bRxFavourite = 0;
    stored.m_bTxFavourite = 1;
    page->ReadFromSettings(stored);
    CSettings again;
    page->WriteToSettings(again);
    EXPECT_EQ(again.m_colSMeter[3], 0x445566u);
    EXPECT_EQ(again.m_bTxFavourite, 1);
    EXPECT_EQ(again.m_bRxFavourite, 0);
    EXPECT_EQ(again.m_colFreqForeground, 0x102030u);
}

TEST_F(OptionPages, AColourQuestionAnsweredWithCancelLeavesTheColour)
{
    COptionsFaceplate* faceplate = sheet->GetFaceplatePage();
    const COLORREF before = faceplate->GetPreview()->GetBackgroundColour();
    faceplate->OnBackground();
    EXPECT_EQ(faceplate->GetPreview()->GetBackgroundColour(), before);
    EXPECT_FALSE(faceplate->IsModified());
    testsupport::prompter().m_colours = {qcolour(0x0000AA), qcolour(0x00BB00)};
    faceplate->OnBackground();
    faceplate->OnText();
    CSettings stored;
    faceplate->WriteToSettings(stored);
    EXPECT_EQ(stored.m_colDspBackground, 0x0000AAu);
    EXPECT_EQ(stored.m_colDspForeground, 0x00BB00u);
    EXPECT_TRUE(faceplate->IsModified());
    EXPECT_EQ(faceplate->GetPreview()->text(), QStringLiteral("Faceplate background and text"));
}

TEST_F(OptionPages, TheButtonSamplesHoldTheFourButtonColours)
{
    COptionsDisplayControls* page = sheet->GetButtonsPage();
    EXPECT_EQ(page->GetSample(true)->GetSphereColour(), 0x808080u);
    EXPECT_EQ(page->GetSample(false)->GetTextColour(), 0x000000u);
    testsupport::prompter().m_colours = {qcolour(0x010101), qcolour(0x020202), qcolour(0x030303),
                                         qcolour(0x040404)};
    page->GetSample(true)->click();  // a click on a sample asks for its face
    item<QPushButton>(page, COptionsDisplayControls::IDC_ACTIVE_TEXT)->click();
    item<QPushButton>(page, COptionsDisplayControls::IDC_NORMAL_FACE)->click();
    item<QPushButton>(page, COptionsDisplayControls::IDC_NORMAL_TEXT)->click();
    CSettings stored;
    page->WriteToSettings(stored);
    EXPECT_EQ(stored.m_colColButtonFaceSel, 0x010101u);
    EXPECT_EQ(stored.m_colColButtonTextSel, 0x020202u);
    EXPECT_EQ(stored.m_colColButtonFace, 0x030303u);
    EXPECT_EQ(stored.m_colColButtonText, 0x040404u);
}

TEST_F(OptionPages, TheTuningDialPreviewShowsTheOptionsPlanAndItsColours)
{
    COptionsTuningDial* page = sheet->GetTuningDialPage();
    CTuningDial* dial = page->GetDial();
    const CBandPlanEntry* second = dial->GetBandPlan().GetEntry(1);
    ASSERT_TRUE(second);
    EXPECT_EQ(dial->GetFrequency(), (second->GetFrom() + second->GetTo()) / 2);
    EXPECT_FALSE(dial->IsScanning());
    testsupport::prompter().m_colours = {qcolour(0x0A0B0C)};
    page->OnColourButton(COptionsTuningDial::IDC_SLIDER);
    item<QCheckBox>(page, COptionsTuningDial::IDC_HIDE_SLIDER)->click();  // default on: now off
    CSettings stored;
    page->WriteToSettings(stored);
    EXPECT_EQ(stored.m_colTuningDialSliderColour, 0x0A0B0Cu);
    EXPECT_EQ(stored.m_bTuningDialHideScanning, 0);
    EXPECT_EQ(stored.m_bTuningDialSwitchVFO, 1);
    EXPECT_TRUE(page->IsModified());
}

TEST_F(OptionPages, ABandChoiceNotInItsListLeavesTheListAndStoringWritesWhatItShows)
{
    COptionsBands* page = sheet->GetBandsPage();
    CSettings s;
    s.m_eBand80M = 1;
    s.m_eBand70CM = 10;
    page->ReadFromSettings(s);
    EXPECT_EQ(page->GetCombo(0)->currentText(), QStringLiteral("3.5 - 4.0"));
    EXPECT_EQ(page->GetCombo(4)->currentText(), QStringLiteral("432 - 438"));
    s.m_eBand80M = 11;
    page->ReadFromSettings(s);
    EXPECT_EQ(page->GetCombo(0)->currentText(), QStringLiteral("3.5 - 4.0"));
    CSettings stored;
    stored.m_eBand20M = 5;
    page->WriteToSettings(stored);
    EXPECT_EQ(stored.m_eBand80M, 1);
    EXPECT_EQ(stored.m_eBand40M, 2);
    EXPECT_EQ(stored.m_eBand6M, 4);
    EXPECT_EQ(stored.m_eBand2M, 6);
    EXPECT_EQ(stored.m_eBand70CM, 10);
    EXPECT_EQ(stored.m_eBand20M, 5);  // no page edits it
    EXPECT_FALSE(page->IsModified());
}

TEST_F(OptionPages, ReceiveRangesShowMegahertzAndDropWhatIsBelowTenHertz)
{
    COptionsRanges* page = sheet->GetRangesPage();
    EXPECT_EQ(page->GetEdit(11)->text(), QStringLiteral("470.000.00 MHz"));
    EXPECT_EQ(page->GetEdit(0)->text(), QStringLiteral("___.100.00 MHz"));
    CSettings s;
    s.m_nFreqRanges[4] = 144123457;
    page->ReadFromSettings(s);
    CSettings stored;
    page->WriteToSettings(stored);
    EXPECT_EQ(stored.m_nFreqRanges[4], 144123450);
    for (int i : {0, 5, 6, 11})
        EXPECT_EQ(stored.m_nFreqRanges[i], int(COptionsRanges::kDefaults[i])) << i;
    EXPECT_FALSE(page->IsModified());

    // Typed: the page is changed; Load Defaults puts the table back.
    CFrequencyEdit* edit = page->GetEdit(4);
    edit->setFocus();
    edit->setCursorPosition(0);
    QTest::keyClicks(edit, QStringLiteral("1"));
    EXPECT_TRUE(page->IsModified());
    qobject_cast<QPushButton*>(page->GetDlgItem(COptionsRanges::IDC_LOAD_DEFAULTS))->click();
    page->WriteToSettings(stored);
    EXPECT_EQ(stored.m_nFreqRanges[4], 137000000);
}

TEST_F(OptionPages, ChoosingASoundPlaysItAtOnceAndACancelledChoiceDoesNothing)
{
    QStringList played;
    COptionsVarious::SetSoundPlayer([&](const QString& path) { played << path; });
    COptionsVarious* page = sheet->GetVariousPage();
    const QString wave = platform::dataFilePath(QStringLiteral("bell.wav"));
    QFile file(wave);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF");
    file.close();

    page->OnChooseSound(false);
    EXPECT_TRUE(played.isEmpty());
    EXPECT_FALSE(page->IsModified());

    testsupport::prompter().m_files.push_back(wave);
    qobject_cast<QPushButton*>(page->GetDlgItem(COptionsVarious::IDC_OUT_OF_BAND_BROWSE))->click();
    EXPECT_EQ(played, QStringList{wave});
    EXPECT_TRUE(page->IsModified());
    EXPECT_EQ(page->GetPathStatic(false)->text(), wave);
    EXPECT_TRUE(HasPathEllipsis(page->GetPathStatic(false)));
    EXPECT_TRUE(testsupport::prompter().m_chooserFilters.last().contains(QStringLiteral("*.WAV")));
    CSettings stored;
    page->WriteToSettings(stored);
    EXPECT_EQ(stored.m_strWhiteStickOutOfBand, wave);
    EXPECT_EQ(stored.m_strWhiteStickInBand, QString());  // the defaults name no file
}

TEST_F(OptionPages, VariousSwitchesAndTheArrowKeyLayoutRoundTrip)
{
    COptionsVarious* page = sheet->GetVariousPage();
    // The defaults: left and right tune (choice 1).
    EXPECT_TRUE(item<QRadioButton>(page, COptionsVarious::IDC_ARROWS_FREQ)->isChecked());
    CSettings s;
    s.m_bArrowKeys = 1;
    s.m_bClarifierOff = 0;
    s.m_bTreeSingleExpand = 1;
    s.m_bLogMemWrite = 0;
    s.m_bNotifyCommsLost = 1;
    s.m_bPowerDown = 0;
    s.m_bDisableScreenSaver = 1;
    s.m_strWhiteStickInBand = QStringLiteral("/sounds/in.wav");
    page->ReadFromSettings(s);
    EXPECT_TRUE(item<QRadioButton>(page, COptionsVarious::IDC_ARROWS_STEP)->isChecked());
    CSettings out;
    page->WriteToSettings(out);
    EXPECT_EQ(out.m_bArrowKeys, 1);
    EXPECT_EQ(out.m_bClarifierOff, 0);
    EXPECT_EQ(out.m_bTreeSingleExpand, 1);
    EXPECT_EQ(out.m_bLogMemWrite, 0);
    EXPECT_EQ(out.m_bNotifyCommsLost, 1);
    EXPECT_EQ(out.m_bPowerDown, 0);
    EXPECT_EQ(out.m_bDisableScreenSaver, 1);
    EXPECT_EQ(out.m_strWhiteStickInBand, QStringLiteral("/sounds/in.wav"));
    item<QRadioButton>(page, COptionsVarious::IDC_ARROWS_FREQ)->click();
    EXPECT_TRUE(page->IsModified());
    page->WriteToSettings(out);
    EXPECT_EQ(out.m_bArrowKeys, 0);
}

TEST_F(OptionPages, TheExchangeButtonsAskTheSheetAndDoNothingOutsideOne)
{
    COptionsExchange* page = sheet->GetExchangePage();
    ASSERT_FALSE(artwork::bitmap(COptionsExchange::IDB_LOAD).isNull());
    ASSERT_FALSE(artwork::bitmap(COptionsExchange::IDB_SAVE).isNull());
    // The sheet's save asks for a file; cancelled here.
    page->GetSaveButton()->click();
    page->GetLoadButton()->click();
    EXPECT_TRUE(testsupport::prompter().m_chooserCaptions.isEmpty());  // posted, not yet handled
    QApplication::processEvents();
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.size(), 2);

    COptionsExchange loose;
    loose.OnLoad();
    loose.OnSave();
    QApplication::processEvents();
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.size(), 2);
}

// The receive ranges keep their natural height on a tall page: no gaps open
// between the rows.
TEST(OptionsRangesLayout, RowsStayTogetherOnATallPage)
{
    COptionsRanges page;
    page.resize(520, 560);
    page.show();
    QApplication::processEvents();
    auto* group = page.findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_LE(group->height(), group->sizeHint().height() + 2);
    EXPECT_LT(page.GetEdit(5)->geometry().bottom() - page.GetEdit(0)->geometry().top(),
              6 * page.GetEdit(0)->height() + 6 * 12);
}
