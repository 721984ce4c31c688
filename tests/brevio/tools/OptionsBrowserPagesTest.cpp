// The Super Browser pages and the Wave Files page in the sheet.
#include "OptionsFixture.h"

#include "brevio/tools/ColorEdit.h"
#include "brevio/tools/options/PSK31PageAutosave.h"
#include "brevio/tools/options/PSK31PageBrowser.h"
#include "brevio/tools/options/PSK31PageBrowserMore.h"
#include "brevio/tools/options/PSK31PageWavefiles.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolTip>

using testsupport::OptionsFixture;
using testsupport::prompter;

namespace {
class BrowserPages : public OptionsFixture {};
} // namespace

TEST_F(BrowserPages, EmptyNewlineReplacementIsStoredAsABlank)
{
    CPSK31Options* sheet = Open();
    sheet->SetActivePage(CPSK31Options::kBrowser);
    CPSK31PageBrowser* page = sheet->GetBrowserPage();
    auto* edit = Item<QLineEdit>(page, CPSK31PageBrowser::IDC_NEWLINE);
    EXPECT_EQ(edit->text(), QStringLiteral(". "));
    Type(page, CPSK31PageBrowser::IDC_NEWLINE, QString());
    EXPECT_EQ(Stored().m_strBrowserNewline, QStringLiteral(" "));
    sheet->LoadAllPages();
    EXPECT_EQ(edit->text(), QStringLiteral(" "));
    Type(page, CPSK31PageBrowser::IDC_NEWLINE, QStringLiteral(" | "));
    EXPECT_EQ(Stored().m_strBrowserNewline, QStringLiteral(" | "));
}

TEST_F(BrowserPages, ColourButtonsStoreTheirOwnColour)
{
    CPSK31Options* sheet = Open();
    CPSK31PageBrowser* page = sheet->GetBrowserPage();
    EXPECT_EQ(Item<QPushButton>(page, CPSK31PageBrowser::IDC_CH_BORDER)->text(), QStringLiteral("    Colour: border"));
    const struct {
        unsigned id;
        int CPSK31Settings::*member;
    } rows[] = {{CPSK31PageBrowser::IDC_CH_BORDER, &CPSK31Settings::m_colBrowserChBorder},
                {CPSK31PageBrowser::IDC_CH_BORDER + 1, &CPSK31Settings::m_colBrowserChInside},
                {CPSK31PageBrowser::IDC_CH_BORDER + 2, &CPSK31Settings::m_colBrowserChText},
                {CPSK31PageBrowser::IDC_CH_BORDER + 3, &CPSK31Settings::m_colBrowserChConnector},
                {CPSK31PageBrowser::IDC_CH_BORDER + 4, &CPSK31Settings::m_colBrowserChSignal},
                {CPSK31PageBrowser::IDC_CH_BORDER + 5, &CPSK31Settings::m_colBrowserChNoSignal},
                {CPSK31PageBrowser::IDC_TICK_NONE, &CPSK31Settings::m_colBrowserSeTickNone},
                {CPSK31PageBrowser::IDC_TICK_SOME, &CPSK31Settings::m_colBrowserSeTickSome},
                {CPSK31PageBrowser::IDC_BACKGROUND, &CPSK31Settings::m_colBrowserBackground}};
    int n = 1;
    for (const auto& r : rows) {
        prompter().m_colours.push_back(QColor(n, 2 * n, 3 * n));
        Click(page, r.id);
        EXPECT_EQ(Stored().*r.member, int(RGB(n, 2 * n, 3 * n))) << r.id;
        ++n;
    }
    EXPECT_EQ(Broadcasts(), 9);
    prompter().m_fonts.push_back(QFont(QStringLiteral("DejaVu Sans Mono"), 7));
    Click(page, CPSK31PageBrowser::IDC_FONT);
    EXPECT_EQ(Stored().m_strBrowserFont, QStringLiteral("DejaVu Sans Mono,7,0,0"));
}

TEST_F(BrowserPages, RestoreDefaultsResetsOnlyItsOwnPage)
{
    CPSK31Settings& s = CurrentSettings();
    s.m_nBrowserThChars = 4;
    s.m_nBrowserThInactive = 60;
    s.m_nBrowserThSearch = 8;
    s.m_bBrowserAlwaysOpt = 1;
    s.m_bBrowserAnimate = 0;
    s.m_bBrowserShVectorData = 0;
    s.m_colBrowserChBorder = int(RGB(1, 1, 1));
    s.m_strBrowserNewline = QStringLiteral("~");
    s.m_bAutosaveEnable = 1;
    CPSK31Options* sheet = Open();
    Click(sheet->GetBrowserMorePage(), CPSK31PageBrowserMore::IDC_DEFAULTS);
    EXPECT_EQ(Broadcasts(), 1);
    CPSK31Settings stored = Stored();
    EXPECT_EQ(stored.m_nBrowserThChars, 10);
    EXPECT_EQ(stored.m_nBrowserThInactive, 30);
    EXPECT_EQ(stored.m_nBrowserThSearch, 5);
    EXPECT_EQ(stored.m_bBrowserAlwaysOpt, 0);
    EXPECT_EQ(stored.m_bBrowserAnimate, 1);
    EXPECT_EQ(stored.m_bBrowserShVectorData, 1);
    EXPECT_EQ(stored.m_colBrowserChBorder, int(RGB(1, 1, 1)));
    EXPECT_EQ(stored.m_strBrowserNewline, QStringLiteral("~"));
    EXPECT_EQ(stored.m_bAutosaveEnable, 1);

    Click(sheet->GetBrowserPage(), CPSK31PageBrowser::IDC_DEFAULTS);
    stored = Stored();
    EXPECT_EQ(stored.m_colBrowserChBorder, int(RGB(255, 255, 255)));
    EXPECT_EQ(stored.m_strBrowserNewline, QStringLiteral(". "));
    EXPECT_EQ(stored.m_bAutosaveEnable, 1);
}

TEST_F(BrowserPages, ThresholdsMatchingNoItemKeepTheListsAsTheyWere)
{
    CurrentSettings().m_nBrowserThInactive = 33;
    CurrentSettings().m_nBrowserThChars = 0;
    CPSK31Options* sheet = Open();
    CPSK31PageBrowserMore* page = sheet->GetBrowserMorePage();
    auto* chars = Item<COwnComboBox>(page, CPSK31PageBrowserMore::IDC_CHARS);
    auto* inactive = Item<COwnComboBox>(page, CPSK31PageBrowserMore::IDC_INACTIVE);
    auto* search = Item<COwnComboBox>(page, CPSK31PageBrowserMore::IDC_SEARCH);
    EXPECT_EQ(chars->count(), 20);
    EXPECT_EQ(inactive->count(), 23);
    EXPECT_EQ(search->count(), 9);
    EXPECT_EQ(inactive->currentText(), QStringLiteral("10"));
    EXPECT_EQ(chars->currentText(), QStringLiteral("1"));
    EXPECT_EQ(search->currentText(), QStringLiteral("5"));
    Click(page, CPSK31PageBrowserMore::IDC_ANIMATE);
    EXPECT_EQ(Stored().m_nBrowserThInactive, 10);
    EXPECT_EQ(Stored().m_nBrowserThChars, 1);
    EXPECT_EQ(Stored().m_bBrowserAnimate, 0);
    Choose(page, CPSK31PageBrowserMore::IDC_SEARCH, 8);
    EXPECT_EQ(Stored().m_nBrowserThSearch, 10);
}

TEST_F(BrowserPages, HelpTextInTheTooltipColours)
{
    CPSK31Options* sheet = Open();
    CColorEdit* help = sheet->GetBrowserMorePage()->GetHelpEdit();
    EXPECT_TRUE(help->isReadOnly());
    EXPECT_TRUE(help->UsesCustomColours());
    EXPECT_EQ(help->palette().color(QPalette::Base), QToolTip::palette().color(QPalette::ToolTipBase));
    EXPECT_TRUE(help->toPlainText().startsWith(QStringLiteral("Chars received:\nThis is the number")));
    EXPECT_TRUE(help->toPlainText().contains(QStringLiteral("\n\nSearch (secs):\n")));
}

TEST_F(BrowserPages, WaveFileChangesWaitForTheirOwnApply)
{
    CPSK31Options* sheet = Open();
    sheet->SetActivePage(CPSK31Options::kWavefiles);
    CPSK31PageWavefiles* page = sheet->GetWavefilesPage();
    QPushButton* apply = page->GetApplyButton();
    EXPECT_FALSE(apply->isEnabled());
    Click(page, CPSK31PageWavefiles::IDC_INPUT_ENABLE);
    EXPECT_TRUE(apply->isEnabled());
    EXPECT_EQ(Broadcasts(), 0);
    EXPECT_EQ(CurrentSettings().m_bInputEnable, 0);
    apply->click();
    EXPECT_FALSE(apply->isEnabled());
    EXPECT_EQ(Broadcasts(), 0);  // posted: handled afterwards
    Process();
    EXPECT_EQ(Broadcasts(), 1);
    EXPECT_EQ(CurrentSettings().m_bInputEnable, 1);
    EXPECT_FALSE(apply->isEnabled());
    // Loading from the registry always clears the input switch.
    EXPECT_EQ(Stored().m_bInputEnable, 0);
}

TEST_F(BrowserPages, PendingWaveChangesGoWithAnotherPagesApply)
{
    CPSK31Options* sheet = Open();
    CPSK31PageWavefiles* page = sheet->GetWavefilesPage();
    Click(page, CPSK31PageWavefiles::IDC_INPUT_REPEAT);
    Click(sheet->GetAutosavePage(), CPSK31PageAutosave::IDC_ENABLE);
    EXPECT_EQ(Stored().m_bInputRepeat, 1);
    EXPECT_TRUE(page->GetApplyButton()->isEnabled());
    // A reload throws them away.
    Click(page, CPSK31PageWavefiles::IDC_OUTPUT_APPEND);
    sheet->LoadAllPages();
    EXPECT_FALSE(IsChecked(page, CPSK31PageWavefiles::IDC_OUTPUT_APPEND));
    EXPECT_FALSE(page->GetApplyButton()->isEnabled());
}

TEST_F(BrowserPages, WaveNumbersAndChoosers)
{
    CPSK31Options* sheet = Open();
    sheet->SetActivePage(CPSK31Options::kWavefiles);
    CPSK31PageWavefiles* page = sheet->GetWavefilesPage();
    EXPECT_EQ(Item<QLineEdit>(page, CPSK31PageWavefiles::IDC_OUTPUT_LIMIT)->text(), QStringLiteral("100"));
    Type(page, CPSK31PageWavefiles::IDC_OUTPUT_LIMIT, QString());
    Type(page, CPSK31PageWavefiles::IDC_INPUT_OFFSET, QStringLiteral("12"));
    EXPECT_TRUE(page->GetApplyButton()->isEnabled());
    EXPECT_EQ(Broadcasts(), 0);
    page->GetApplyButton()->click();
    Process();
    EXPECT_EQ(Stored().m_nOutputLimit, 0);
    EXPECT_EQ(Stored().m_nInputOffset, 12);

    // Cancelled choosers leave "Apply" as it was.
    Click(page, CPSK31PageWavefiles::IDC_INPUT_BROWSE);
    Click(page, CPSK31PageWavefiles::IDC_OUTPUT_BROWSE);
    EXPECT_EQ(prompter().m_chooserCaptions, (QStringList{"Input File", "Output File"}));
    EXPECT_FALSE(page->GetApplyButton()->isEnabled());

    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("in.wav"));
    QFile(in).open(QIODevice::WriteOnly);
    const QString out = dir.filePath(QStringLiteral("out.wav"));
    prompter().m_files.push_back(in);
    prompter().m_files.push_back(out);
    Click(page, CPSK31PageWavefiles::IDC_INPUT_BROWSE);
    Click(page, CPSK31PageWavefiles::IDC_OUTPUT_BROWSE);
    EXPECT_EQ(Item<CColourStatic>(page, CPSK31PageWavefiles::IDC_INPUT_FILE)->text(), in);
    EXPECT_EQ(Item<CColourStatic>(page, CPSK31PageWavefiles::IDC_OUTPUT_FILE)->text(), out);
    EXPECT_TRUE(page->GetApplyButton()->isEnabled());
    page->GetApplyButton()->click();
    Process();
    EXPECT_EQ(Stored().m_strInputWaveFile, in);
    EXPECT_EQ(Stored().m_strOutputWaveFile, out);
}
