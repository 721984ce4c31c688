// The "Program Options" sheet: the page it opens on, the selector list that
// follows the tabs, Apply / OK / Cancel against the global options and the
// registry, the user-options file, the preset schemes and their export.
#include "corvane/frontpanel/OptionsSheet.h"

#include "OptionsTestSupport.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/ColourSchemes.h"
#include "corvane/frontpanel/OptionsBands.h"
#include "corvane/frontpanel/OptionsBarMeters.h"
#include "corvane/frontpanel/OptionsExchange.h"
#include "corvane/frontpanel/OptionsFrequencyDisplay.h"
#include "corvane/frontpanel/OptionsRanges.h"
#include "corvane/frontpanel/OptionsSchemes.h"
#include "corvane/frontpanel/OptionsVarious.h"
#include "platform/DataFolder.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/ListExport.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/PageSelectorList.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using optionstest::resetOptions;

namespace {
const QString kOptionsPage = QStringLiteral("Options page");

class OptionsSheet : public ::testing::Test {
protected:
    void SetUp() override { resetOptions(); }
    void TearDown() override
    {
        sheet.reset();
        resetOptions();
        COptionsSheet::SetTreeStyleHandler({});
        CListExport::SetViewerLauncher({});
    }
    COptionsSheet& open()
    {
        sheet = std::make_unique<COptionsSheet>(nullptr);
        sheet->show();
        QApplication::processEvents();
        return *sheet;
    }
    QPushButton* button(unsigned id) const { return qobject_cast<QPushButton*>(sheet->GetDlgItem(id)); }
    QString selectedLine() const
    {
        CPageSelectorList* list = sheet->GetSelectorList();
        return list->GetText(list->GetCurSel());
    }
    std::unique_ptr<COptionsSheet> sheet;
};
} // namespace

TEST_F(OptionsSheet, OpensOnTheStoredPageWithItsTitleLineSelected)
{
    GetRegistry().WriteInt(kOptionsPage, 7);
    open();
    EXPECT_EQ(sheet->GetActiveIndex(), COptionsSheet::kBandPlans);
    EXPECT_EQ(selectedLine(), QStringLiteral("Band Plans"));
    EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Program Options"));
}

TEST_F(OptionsSheet, AStoredPageOutsideTheSheetOpensTheSchemesPage)
{
    for (int stored : {-1, 10, 99}) {
        GetRegistry().WriteInt(kOptionsPage, stored);
        open();
        EXPECT_EQ(sheet->GetActiveIndex(), 0) << stored;
        EXPECT_EQ(selectedLine(), QStringLiteral("Schemes"));
    }
}

TEST_F(OptionsSheet, TheSelectorListsEveryPageWithItsKeywordsIndented)
{
    open();
    CPageSelectorList* list = sheet->GetSelectorList();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->GetCount(), 42);
    const QStringList expectedStart = {"Schemes", "    Preset schemes", "Frequency Display", "    Clock",
                                       "    Colours", "    Rx text", "    Tx text", "Tuning Dial"};
    for (int i = 0; i < expectedStart.size(); ++i)
        EXPECT_EQ(list->GetText(i), expectedStart[i]);
    QStringList titles;
    for (int i = 0; i < list->GetCount(); ++i) {
        if (!list->GetText(i).startsWith(QLatin1Char(' '))) {
            titles << list->GetText(i);
            EXPECT_EQ(list->GetItemData(i), titles.size() - 1);
        }
    }
    EXPECT_EQ(titles, (QStringList{"Schemes", "Frequency Display", "Tuning Dial", "Tx Meters", "Buttons",
                                   "Faceplate", "Various", "Band Plans", "Rx Ranges", "Exchange <->"}));
    EXPECT_EQ(list->GetText(list->GetCount() - 1), QStringLiteral("    Save to file"));
    EXPECT_EQ(list->GetItemData(list->GetCount() - 1), 9);
}

TEST_F(OptionsSheet, TheSelectorTakesTheStripBesideTheMovedTabs)
{
    open();
    const QRect tab = sheet->GetTabControl()->geometry();
    const QRect list = sheet->GetSelectorList()->geometry();
    EXPECT_EQ(tab.left(), CPropertySheet::kMargin + COptionsSheet::kSelectorWidth);
    EXPECT_EQ(list.left(), CPropertySheet::kMargin);
    EXPECT_EQ(list.width(), COptionsSheet::kSelectorWidth - 2 * CPropertySheet::kMargin);
    // Shown: as tall as the tabs plus an edge above and below.
    EXPECT_EQ(list.top(), tab.top() + COptionsSheet::kEdge);
    EXPECT_EQ(list.height(), tab.height() + 2 * COptionsSheet::kEdge);
    EXPECT_GT(button(platform::IDOK)->x(), COptionsSheet::kSelectorWidth);
    EXPECT_EQ(sheet->width(), tab.right() + 1 + CPropertySheet::kMargin);
}

TEST_F(OptionsSheet, ATabMovesTheSelectionToItsTitleButAKeywordLineStaysSelected)
{
    open();
    CPageSelectorList* list = sheet->GetSelectorList();
    sheet->GetTabControl()->setCurrentIndex(COptionsSheet::kVarious);
    QApplication::processEvents();
    EXPECT_EQ(selectedLine(), QStringLiteral("Various"));

    int keyword = -1;
    for (int i = 0; i < list->GetCount(); ++i)
        if (list->GetText(i) == QStringLiteral("    Rx text"))
            keyword = i;
    ASSERT_GE(keyword, 0);
    list->setCurrentRow(keyword);  // the operator's choice
    QApplication::processEvents();
    EXPECT_EQ(sheet->GetActiveIndex(), COptionsSheet::kFrequencyDisplay);
    EXPECT_EQ(selectedLine(), QStringLiteral("    Rx text"));
}

TEST_F(OptionsSheet, ApplyFollowsTheChangedPagesAndStoresIntoTheOptionsButNotTheRegistry)
{
    open();
    QPushButton* apply = button(CPropertySheet::ID_APPLY_NOW);
    EXPECT_FALSE(apply->isEnabled());
    COwnComboBox* band80 = sheet->GetBandsPage()->GetCombo(0);
    band80->SetCurSel(1);
    emit band80->activated(1);
    EXPECT_TRUE(apply->isEnabled());
    apply->click();
    EXPECT_FALSE(apply->isEnabled());
    for (int i = 0; i < sheet->GetPageCount(); ++i)
        EXPECT_FALSE(sheet->GetPage(i)->IsModified()) << i;
    EXPECT_EQ(GetSettings().m_eBand80M, 1);
    CSettings stored;
    stored.Load();
    EXPECT_EQ(stored.m_eBand80M, 0);
}

TEST_F(OptionsSheet, OkSavesEverythingAndRemembersThePage)
{
    open();
    COwnComboBox* band2 = sheet->GetBandsPage()->GetCombo(3);
    band2->SetCurSel(1);
    sheet->SetActivePage(COptionsSheet::kRxRanges);
    button(platform::IDOK)->click();
    EXPECT_EQ(sheet->result(), platform::IDOK);
    CSettings stored;
    stored.Load();
    EXPECT_EQ(stored.m_eBand2M, 7);
    EXPECT_EQ(GetRegistry().GetInt(kOptionsPage, -1), COptionsSheet::kRxRanges);
}

TEST_F(OptionsSheet, AnInvertedReceiveRangeIsRefusedWhereItIsEntered)
{
    open();
    sheet->SetActivePage(COptionsSheet::kSchemes);
    COptionsRanges* ranges = sheet->GetRangesPage();
    // HF from 50 MHz to 33 MHz: no frequency could lie in it.
    ranges->GetEdit(0)->SetFrequency(50000000);
    ranges->GetEdit(0)->Validate();
    ranges->SetModified();
    const int stored = GetSettings().m_nFreqRanges[0];
    testsupport::prompter().m_boxes.clear();
    for (unsigned id : {unsigned(CPropertySheet::ID_APPLY_NOW), unsigned(platform::IDOK)}) {
        SCOPED_TRACE(id);
        button(id)->click();
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
        const auto box = testsupport::prompter().m_boxes.takeFirst();
        EXPECT_EQ(box.text, "The HF range starts above its end (50.000.00 MHz to 33.000.00 MHz).\n \n"
                            "Enter a low edge below the high edge.")
            << box.text.toStdString();
        EXPECT_EQ(box.caption, "Rx Ranges") << box.text.toStdString();
        EXPECT_EQ(box.style & 0xF0, platform::MB_ICONERROR);
        EXPECT_TRUE(sheet->isVisible()) << "the sheet stays open";
        EXPECT_EQ(sheet->GetActiveIndex(), COptionsSheet::kRxRanges) << "on the page that holds the range";
        EXPECT_EQ(GetSettings().m_nFreqRanges[0], stored) << "nothing was stored";
    }
    // Put right, it is taken.
    ranges->GetEdit(0)->SetFrequency(1800000);
    ranges->GetEdit(0)->Validate();
    button(platform::IDOK)->click();
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(sheet->result(), platform::IDOK);
    EXPECT_EQ(GetSettings().m_nFreqRanges[0], 1800000);
}

// A receive range that reaches past what the radio receives is refused with
// the radio's limits: 999 MHz as the 70 cm high edge, a 6 m range into the
// gap above 56 MHz.
TEST_F(OptionsSheet, AReceiveRangeBeyondTheRadioIsRefusedWithItsLimits)
{
    open();
    COptionsRanges* ranges = sheet->GetRangesPage();
    const struct {
        int edit;
        uint32_t hz;
        const char* text;
    } cases[] = {
        {11, 999000000, "The 70 cms range (420.000.00 MHz to 999.000.00 MHz) holds frequencies the FT-817 cannot receive.\n \nIt receives 0.1-56, 76-154 and 420-470 MHz."},
        {7, 60000000, "The 6 m range (33.000.00 MHz to 60.000.00 MHz) holds frequencies the FT-817 cannot receive.\n \nIt receives 0.1-56, 76-154 and 420-470 MHz."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const int stored = GetSettings().m_nFreqRanges[c.edit];
        ranges->GetEdit(c.edit)->SetFrequency(c.hz);
        ranges->GetEdit(c.edit)->Validate();
        ranges->SetModified();
        testsupport::prompter().m_boxes.clear();
        button(platform::IDOK)->click();
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
        const auto box = testsupport::prompter().m_boxes.takeFirst();
        EXPECT_EQ(box.text, QString::fromLatin1(c.text)) << box.text.toStdString();
        EXPECT_EQ(box.caption, "Rx Ranges");
        EXPECT_EQ(box.style & 0xF0, platform::MB_ICONERROR);
        EXPECT_TRUE(sheet->isVisible()) << "the sheet stays open";
        EXPECT_EQ(GetSettings().m_nFreqRanges[c.edit], stored) << "nothing was stored";
        ranges->GetEdit(c.edit)->SetFrequency(uint32_t(stored));
        ranges->GetEdit(c.edit)->Validate();
    }
    // The radio's own limits are taken.
    ranges->GetEdit(5)->SetFrequency(430000000);
    ranges->GetEdit(5)->Validate();
    button(platform::IDOK)->click();
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(GetSettings().m_nFreqRanges[5], 430000000);
}

TEST_F(OptionsSheet, CancelUndoesThePreviewsWrittenStraightIntoTheOptions)
{
    CSettings saved;
    saved.m_colSMeter[4] = 0x112233;
    saved.m_bTxMeterMono = 0;
    saved.Save();
    GetSettings().Load();
    open();
    // A meter colour and the mono switch go into the global options at once.
    testsupport::prompter().m_colours.push_back(QColor(0x44, 0x55, 0x66));
    sheet->GetFrequencyDisplayPage()->OnSMeterColour(4);
    EXPECT_EQ(GetSettings().m_colSMeter[4], 0x665544u);
    sheet->SetActivePage(COptionsSheet::kTxMeters);
    qobject_cast<QRadioButton*>(sheet->GetBarMetersPage()->GetDlgItem(COptionsBarMeters::IDC_MONO))->click();
    EXPECT_EQ(GetSettings().m_bTxMeterMono, 1);
    sheet->SetActivePage(COptionsSheet::kFaceplate);
    button(platform::IDCANCEL)->click();
    EXPECT_EQ(sheet->result(), platform::IDCANCEL);
    EXPECT_EQ(GetSettings().m_colSMeter[4], 0x112233u);
    EXPECT_EQ(GetSettings().m_bTxMeterMono, 0);
    EXPECT_EQ(GetRegistry().GetInt(kOptionsPage, -1), COptionsSheet::kFaceplate);
}

TEST_F(OptionsSheet, LoadingAFileTakesOnlyTheColoursAndCancelPutsThemBack)
{
    CSettings registry;
    registry.m_colColButtonFace = 0x445566;
    registry.Save();
    GetSettings().Load();
    // A file of every option, with colours and non-colours changed.
    CSettings file = registry;
    file.m_colColButtonFace = 0x778899;
    file.m_colFreqBackground = 0x010203;
    file.m_colTxMeter[8] = 0x0A0B0C;
    file.m_nButtonLED = 1;
    file.m_strPort = QStringLiteral("COM4");
    file.m_bArrowKeys = 1;
    file.m_eBand70CM = 10;
    QStringList lines;
    file.ExportLines(lines);
    lines.removeIf([](const QString& line) { return line.startsWith(QStringLiteral("m_colColButtonFace ")); });
    CTextFile::AddHeader(lines, 2);
    const QString path = platform::dataFilePath(QStringLiteral("mine.txt"));
    CTextFile(path, true).WriteLines(lines, false);

    open();
    testsupport::prompter().m_files.push_back(path);
    PostRegisteredMessage(sheet->GetExchangePage()->GetSheet(), RegisteredMessage::nMsgLoad);
    QApplication::processEvents();
    EXPECT_EQ(GetSettings().m_colFreqBackground, 0x010203u);
    EXPECT_EQ(GetSettings().m_colTxMeter[8], 0x0A0B0Cu);
    EXPECT_EQ(GetSettings().m_nButtonLED, 1);
    EXPECT_EQ(GetSettings().m_strPort, QStringLiteral("COM1"));
    EXPECT_EQ(GetSettings().m_bArrowKeys, 0);
    EXPECT_EQ(GetSettings().m_eBand70CM, 8);
    // The line the file lacks keeps the registry's colour.
    EXPECT_EQ(GetSettings().m_colColButtonFace, 0x445566u);
    EXPECT_TRUE(sheet->GetPage(0)->IsModified());
    EXPECT_TRUE(button(CPropertySheet::ID_APPLY_NOW)->isEnabled());

    button(platform::IDCANCEL)->click();
    EXPECT_EQ(GetSettings().m_colFreqBackground, CSettings().m_colFreqBackground);
    EXPECT_EQ(GetSettings().m_nButtonLED, 0);
}

TEST_F(OptionsSheet, ACancelledChooserLoadsNothing)
{
    open();
    const COLORREF before = GetSettings().m_colFreqBackground;
    EXPECT_EQ(sheet->OnLoad(), 0);
    EXPECT_EQ(sheet->OnSave(), 0);
    EXPECT_EQ(GetSettings().m_colFreqBackground, before);
    EXPECT_FALSE(sheet->GetPage(0)->IsModified());
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.size(), 2);
}

TEST_F(OptionsSheet, SavingWritesEveryOptionAsItStandsBehindAUserOptionsHeader)
{
    open();
    GetSettings().m_bArrowKeys = 1;
    const QString path = platform::dataFilePath(COptionsSheet::SettingsFileName());
    testsupport::prompter().m_files.push_back(path);
    sheet->GetExchangePage()->OnSave();
    QApplication::processEvents();
    QStringList lines;
    CTextFile(path, true).ReadLines(lines);
    EXPECT_TRUE(lines.contains(QStringLiteral("#   Contents ..: User options")));
    EXPECT_EQ(lines.last(), QStringLiteral("#@filetype=2"));
    EXPECT_TRUE(lines.contains(QStringLiteral("m_bArrowKeys .................: 1")));
    const qsizetype options = std::count_if(lines.cbegin(), lines.cend(),
                                            [](const QString& l) { return l.startsWith(QStringLiteral("m_")); });
    EXPECT_EQ(options, CSettings::RowCount());
}

TEST_F(OptionsSheet, ASchemeAppliesItsColoursAndKeepsWhatTheBandAndVariousPagesShow)
{
    int treeStyles = 0;
    COptionsSheet::SetTreeStyleHandler([&] { ++treeStyles; });
    open();
    sheet->GetBandsPage()->GetCombo(1)->SetCurSel(1);  // 40 m: 7.0 - 7.3, not yet applied
    sheet->SetActivePage(COptionsSheet::kVarious);
    qobject_cast<QCheckBox*>(sheet->GetVariousPage()->GetDlgItem(COptionsVarious::IDC_TREE_SINGLE))->setChecked(true);
    QListWidget* list = sheet->GetSchemesPage()->GetList();
    EXPECT_EQ(list->count(), 7);
    EXPECT_EQ(list->currentRow(), 0);
    list->setCurrentRow(6);
    sheet->GetSchemesPage()->OnApplyScheme();
    EXPECT_EQ(GetSettings().m_nButtonLED, 1);
    EXPECT_EQ(GetSettings().m_colColButtonFace, 0x008000u);
    EXPECT_EQ(GetSettings().m_eBand40M, 3);
    EXPECT_EQ(GetSettings().m_bTreeSingleExpand, 1);
    EXPECT_EQ(treeStyles, 1);
    // The pages show the scheme and nothing waits to be applied.
    EXPECT_EQ(sheet->GetFrequencyDisplayPage()->GetSMeterColour(0), 0x00FF80u);
    EXPECT_FALSE(button(CPropertySheet::ID_APPLY_NOW)->isEnabled());
    // Not saved until OK.
    CSettings stored;
    stored.Load();
    EXPECT_EQ(stored.m_nButtonLED, 0);
}

TEST_F(OptionsSheet, TheSchemeExportShowsTheColoursThePagesHold)
{
    QString opened;
    CListExport::SetViewerLauncher([&](const QString& path) {
        opened = path;
        return true;
    });
    open();
    // The export's button is for the program's makers: hidden.
    EXPECT_TRUE(sheet->GetSchemesPage()->GetDlgItem(COptionsSchemes::IDC_DEFINITION)->isHidden());
    testsupport::prompter().m_colours.push_back(QColor(0x12, 0x34, 0x56));
    sheet->GetFrequencyDisplayPage()->OnColourButton(COptionsFrequencyDisplay::IDC_BACKGROUND);
    sheet->GetSchemesPage()->OnCreateDefinition();
    ASSERT_TRUE(opened.endsWith(QStringLiteral("/VE817 Colour Scheme.txt")));
    QStringList lines;
    CTextFile(opened, true).ReadLines(lines);
    ASSERT_EQ(lines.size(), 76);
    EXPECT_EQ(lines[0], QStringLiteral("//"));
    EXPECT_EQ(lines[12], QStringLiteral("\t0x00563412,\t//\tBackground"));
    QFile::remove(opened);
}

TEST_F(OptionsSheet, RunProgramOptionsOpensOnTheRequestedPage)
{
    int seen = -1;
    optionstest::whenModal<COptionsSheet>([&](COptionsSheet* s) {
        seen = s->GetActiveIndex();
        s->OnCancel();
    });
    EXPECT_EQ(RunProgramOptions(nullptr, COptionsSheet::kVarious), platform::IDCANCEL);
    EXPECT_EQ(seen, COptionsSheet::kVarious);
    optionstest::whenModal<COptionsSheet>([&](COptionsSheet* s) {
        seen = s->GetActiveIndex();
        s->OnOK();
    });
    EXPECT_EQ(RunProgramOptions(nullptr), platform::IDOK);
    EXPECT_EQ(seen, COptionsSheet::kVarious);
}

// Under a real display with CORVANE_SCREENSHOT_DIR set the sheet is
// photographed as an operator sees it (docs/ holds these, taken with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x900x24'
//     build/tests/corvane_frontpanel_tests --gtest_filter='OptionsSheet.Photograph*');
// otherwise the pages are only rendered.
TEST_F(OptionsSheet, PhotographOfThePages)
{
    GetSettings().Load();  // the sounds' default paths in the program folder
    ApplyPresetScheme(QStringLiteral("Seaweed"), GetSettings());
    GetRegistry().WriteInt(kOptionsPage, COptionsSheet::kFrequencyDisplay);
    open();
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    const bool real = !dir.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb");
    const struct {
        int page;
        const char* name;
    } shots[] = {{COptionsSheet::kFrequencyDisplay, "corvane-options-frequency-display"},
                 {COptionsSheet::kTxMeters, "corvane-options-tx-meters"},
                 {COptionsSheet::kVarious, "corvane-options-various"},
                 {COptionsSheet::kRxRanges, "corvane-options-rx-ranges"}};
    for (const auto& shot : shots) {
        sheet->SetActivePage(shot.page);
        QApplication::processEvents();
        const QImage image = sheet->grab().toImage();
        EXPECT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), sheet->size() * sheet->devicePixelRatio());
        if (!real)
            continue;
        EXPECT_TRUE(QTest::qWaitForWindowExposed(sheet.get()));
        QTest::qWait(400);
        const QRect frame = sheet->frameGeometry();
        const QPixmap photo = sheet->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
        EXPECT_TRUE(photo.save(dir + QLatin1Char('/') + QLatin1String(shot.name) + QStringLiteral(".png")));
    }
}
