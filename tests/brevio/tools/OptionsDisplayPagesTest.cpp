// The Waterfall Display and Waterfall Data pages in the sheet.
#include "OptionsFixture.h"

#include "brevio/display/PaletteDesigner.h"
#include "brevio/tools/options/PSK31PageDisplay.h"
#include "brevio/tools/options/PSK31PageFFT.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

using testsupport::OptionsFixture;
using testsupport::prompter;

namespace {

class DisplayPages : public OptionsFixture {
protected:
    // Acts on the palette designer once it runs modally.
    static void WhenDesignerRuns(std::function<void(CPaletteDesigner*)> action)
    {
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [timer, action] {
            if (auto* designer = qobject_cast<CPaletteDesigner*>(QApplication::activeModalWidget())) {
                timer->stop();
                timer->deleteLater();
                action(designer);
            }
        });
        timer->start();
    }
};

} // namespace

TEST_F(DisplayPages, ModeAndStripDecideWhatCanBeChanged)
{
    CPSK31Options* sheet = Open();
    CPSK31PageDisplay* page = sheet->GetDisplayPage();
    auto enabled = [&](unsigned id) { return page->GetDlgItem(id)->isEnabled(); };
    EXPECT_TRUE(enabled(CPSK31PageDisplay::IDC_SPECTRUM));
    EXPECT_TRUE(enabled(CPSK31PageDisplay::IDC_GRID));
    EXPECT_TRUE(enabled(CPSK31PageDisplay::IDC_HEIGHT));
    Click(page, CPSK31PageDisplay::IDC_MODE_WATERFALL + 1);
    EXPECT_EQ(Stored().m_nDisplayMode, 1);
    EXPECT_FALSE(enabled(CPSK31PageDisplay::IDC_SPECTRUM));
    EXPECT_FALSE(enabled(CPSK31PageDisplay::IDC_GRID));
    EXPECT_FALSE(enabled(CPSK31PageDisplay::IDC_HEIGHT_LABEL));
    EXPECT_FALSE(enabled(CPSK31PageDisplay::IDC_HEIGHT));
    Click(page, CPSK31PageDisplay::IDC_MODE_WATERFALL);
    Click(page, CPSK31PageDisplay::IDC_SPECTRUM);
    EXPECT_EQ(Stored().m_bDisplaySpectrum, 0);
    EXPECT_TRUE(enabled(CPSK31PageDisplay::IDC_SPECTRUM));
    EXPECT_FALSE(enabled(CPSK31PageDisplay::IDC_GRID));
    EXPECT_FALSE(enabled(CPSK31PageDisplay::IDC_HEIGHT));
    // The values behind the greyed controls are kept.
    EXPECT_EQ(Stored().m_bDisplayGrid, 1);
    EXPECT_EQ(Stored().m_nDisplaySpectrumHeight, 35);
}

TEST_F(DisplayPages, PassbandShowsWholeHundredsAndStoresThem)
{
    CurrentSettings().m_nDisplayMax = 2950;
    CurrentSettings().m_nDisplayMin = 250;
    CPSK31Options* sheet = Open();
    CPSK31PageDisplay* page = sheet->GetDisplayPage();
    EXPECT_EQ(Item<QLineEdit>(page, CPSK31PageDisplay::IDC_MAX)->text(), QStringLiteral("2900"));
    EXPECT_EQ(page->GetMaxSpin()->GetPos(), 29);
    EXPECT_EQ(Item<QLineEdit>(page, CPSK31PageDisplay::IDC_MIN)->text(), QStringLiteral("200"));
    Click(page, CPSK31PageDisplay::IDC_GRID);
    EXPECT_EQ(Stored().m_nDisplayMax, 2900);
    EXPECT_EQ(Stored().m_nDisplayMin, 200);
    page->GetMinSpin()->Step(true);
    EXPECT_EQ(Item<QLineEdit>(page, CPSK31PageDisplay::IDC_MIN)->text(), QStringLiteral("300"));
    EXPECT_EQ(Stored().m_nDisplayMin, 300);
    // The spin stops at 3800; the page does not compare Min with Max.
    for (int i = 0; i < 20; ++i)
        page->GetMaxSpin()->Step(true);
    EXPECT_EQ(Stored().m_nDisplayMax, 3800);
}

TEST_F(DisplayPages, HeightMatchingNoItemKeepsTheListAsItWas)
{
    CurrentSettings().m_nDisplaySpectrumHeight = 33;
    CPSK31Options* sheet = Open();
    CPSK31PageDisplay* page = sheet->GetDisplayPage();
    auto* height = Item<COwnComboBox>(page, CPSK31PageDisplay::IDC_HEIGHT);
    ASSERT_EQ(height->count(), 9);
    EXPECT_EQ(height->itemText(0), QStringLiteral("10%"));
    EXPECT_EQ(height->currentText(), QStringLiteral("50%"));
    Click(page, CPSK31PageDisplay::IDC_GRID);
    EXPECT_EQ(Stored().m_nDisplaySpectrumHeight, 50);
    Choose(page, CPSK31PageDisplay::IDC_HEIGHT, 1);
    EXPECT_EQ(Stored().m_nDisplaySpectrumHeight, 15);
}

TEST_F(DisplayPages, ColourFileSetsTheTopEntriesItReaches)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("three.pal"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0 0 0\r\n255 0 0\r\n0 0 255\r\n");
    file.close();
    CPSK31Options* sheet = Open();
    CPSK31PageDisplay* page = sheet->GetDisplayPage();
    const COLORREF before252 = CurrentSettings().GetColour(252);
    const COLORREF before0 = CurrentSettings().GetColour(0);
    ASSERT_NE(CurrentSettings().GetColour(255), RGB(0, 0, 0));
    prompter().m_files.push_back(path);
    Click(page, CPSK31PageDisplay::IDC_COLOUR_FILE_BROWSE);
    EXPECT_EQ(prompter().m_chooserCaptions.value(0), QStringLiteral("Colour File"));
    EXPECT_EQ(Broadcasts(), 1);
    const CPSK31Settings stored = Stored();
    EXPECT_EQ(stored.GetColour(255), RGB(0, 0, 0));
    EXPECT_EQ(stored.GetColour(254), RGB(255, 0, 0));
    EXPECT_EQ(stored.GetColour(253), RGB(0, 0, 255));
    EXPECT_EQ(stored.GetColour(252), before252);
    EXPECT_EQ(stored.GetColour(0), before0);
    EXPECT_EQ(stored.m_strDisplayColourFile, path);
    EXPECT_EQ(Item<CColourStatic>(page, CPSK31PageDisplay::IDC_COLOUR_FILE)->text(), path);

    // Cancelling changes nothing and applies nothing.
    Click(page, CPSK31PageDisplay::IDC_COLOUR_FILE_BROWSE);
    EXPECT_EQ(Broadcasts(), 1);
}

TEST_F(DisplayPages, UnreadableColourFileStillStoresItsName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("folder.pal"));
    ASSERT_TRUE(QDir().mkpath(path));
    CPSK31Options* sheet = Open();
    COLORREF before[256];
    for (int i = 0; i < 256; ++i)
        before[i] = CurrentSettings().GetColour(i);
    prompter().m_files.push_back(path);
    Click(sheet->GetDisplayPage(), CPSK31PageDisplay::IDC_COLOUR_FILE_BROWSE);
    EXPECT_EQ(Broadcasts(), 1);
    const CPSK31Settings stored = Stored();
    EXPECT_EQ(stored.m_strDisplayColourFile, path);
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(stored.GetColour(i), before[i]) << i;
}

TEST_F(DisplayPages, ResetColoursPutsTheBuiltInPaletteBack)
{
    for (int i = 0; i < 256; ++i)
        CurrentSettings().SetColour(i, RGB(1, 2, 3));
    CurrentSettings().m_strDisplayColourFile = QStringLiteral("/some/file.pal");
    CPSK31Options* sheet = Open();
    CPSK31PageDisplay* page = sheet->GetDisplayPage();
    Click(page, CPSK31PageDisplay::IDC_RESET_COLOURS);
    EXPECT_EQ(Broadcasts(), 1);
    EXPECT_FALSE(page->IsResetPending());
    CPSK31Settings builtIn;
    builtIn.SetDefaults();
    const CPSK31Settings stored = Stored();
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(stored.GetColour(i), builtIn.GetColour(i)) << i;
    EXPECT_TRUE(stored.m_strDisplayColourFile.isEmpty());
    EXPECT_TRUE(Item<CColourStatic>(page, CPSK31PageDisplay::IDC_COLOUR_FILE)->text().isEmpty());
    // The next apply keeps the page's (now built-in) palette.
    Click(page, CPSK31PageDisplay::IDC_GRID);
    EXPECT_EQ(Stored().GetColour(17), builtIn.GetColour(17));
}

TEST_F(DisplayPages, ColourAndFontButtonsStoreTheChoice)
{
    CPSK31Options* sheet = Open();
    CPSK31PageDisplay* page = sheet->GetDisplayPage();
    prompter().m_colours.push_back(QColor(10, 20, 30));
    Click(page, CPSK31PageDisplay::IDC_COLOUR_BACK);
    EXPECT_EQ(Stored().m_colDisplayBack, int(RGB(10, 20, 30)));
    Click(page, CPSK31PageDisplay::IDC_COLOUR_SCALE);  // cancelled
    EXPECT_EQ(Broadcasts(), 1);
    EXPECT_EQ(Stored().m_colDisplayText, int(RGB(255, 255, 255)));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(11);
    font.setWeight(QFont::Bold);
    prompter().m_fonts.push_back(font);
    Click(page, CPSK31PageDisplay::IDC_FONT);
    EXPECT_EQ(Stored().m_strDisplayFont, QStringLiteral("DejaVu Sans,11,1,0"));
    Click(page, CPSK31PageDisplay::IDC_SCREENSAVER);
    EXPECT_EQ(Stored().m_bDisableScreenSaver, 1);
}

TEST_F(DisplayPages, FontChooserOpensOnTheDescribedFont)
{
    const QFont font = CPSK31OptionsPage::FontFromDescription(QStringLiteral("Courier New,10,1,1"));
    EXPECT_EQ(font.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(font.pointSize(), 10);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    QFont semi(QStringLiteral("Courier New"), 9);
    semi.setWeight(QFont::DemiBold);
    // Bold only at weight 700 exactly.
    EXPECT_EQ(CPSK31OptionsPage::DescriptionFromFont(semi), QStringLiteral("Courier New,9,0,0"));
}

TEST_F(DisplayPages, PaletteEditorOpensTheDesignerOverThePage)
{
    CPSK31Options* sheet = Open();
    CPSK31PageDisplay* page = sheet->GetDisplayPage();
    ASSERT_TRUE(page->GetDlgItem(CPSK31PageDisplay::IDC_PALETTE_EDITOR)->isEnabled());
    const CPSK31Settings before = Stored();

    // Cancel: the table the designer found, nothing announced.
    bool seen = false;
    WhenDesignerRuns([&](CPaletteDesigner* designer) {
        seen = true;
        EXPECT_EQ(designer->parentWidget(), page);
        designer->SetNewPegPosition(30);
        designer->OnAdd();
        designer->OnCancel();
    });
    Click(page, CPSK31PageDisplay::IDC_PALETTE_EDITOR);
    ASSERT_TRUE(seen);
    EXPECT_EQ(Broadcasts(), 0);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(CurrentSettings().GetColour(i), before.GetColour(i)) << i;

    // OK: the designer saves and announces the table it applied.
    std::vector<COLORREF> applied;
    WhenDesignerRuns([&](CPaletteDesigner* designer) {
        designer->SetNewPegPosition(30);
        designer->OnAdd();
        for (int i = 0; i < 256; ++i)
            applied.push_back(CurrentSettings().GetColour(i));
        designer->OnOK();
    });
    Click(page, CPSK31PageDisplay::IDC_PALETTE_EDITOR);
    ASSERT_EQ(applied.size(), 256u);
    EXPECT_EQ(Broadcasts(), 1);
    const CPSK31Settings stored = Stored();
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(stored.GetColour(i), applied[size_t(i)]) << i;
}

TEST_F(DisplayPages, DataModeOutsideRootAndLogIsClipping)
{
    CurrentSettings().m_nFFTMode = 5;
    CPSK31Options* sheet = Open();
    CPSK31PageFFT* page = sheet->GetFFTPage();
    EXPECT_TRUE(IsChecked(page, CPSK31PageFFT::IDC_MODE_ROOT + 2));
    EXPECT_EQ(page->GetClippingSlider()->value(), 10);
    EXPECT_EQ(Item<QLabel>(page, CPSK31PageFFT::IDC_CLIPPING_LABEL)->text(), QStringLiteral("10%"));
    Click(sheet->GetDisplayPage(), CPSK31PageDisplay::IDC_GRID);
    EXPECT_EQ(Stored().m_nFFTMode, 10);
}

TEST_F(DisplayPages, ClippingSliderSelectsClippingSmoothingDoesNot)
{
    CurrentSettings().m_nFFTMode = 1;
    CPSK31Options* sheet = Open();
    CPSK31PageFFT* page = sheet->GetFFTPage();
    EXPECT_TRUE(IsChecked(page, CPSK31PageFFT::IDC_MODE_ROOT + 1));
    page->GetSmoothingSlider()->setValue(4);
    EXPECT_TRUE(IsChecked(page, CPSK31PageFFT::IDC_MODE_ROOT + 1));
    EXPECT_EQ(Stored().m_nFFTSmoothing, 4);
    EXPECT_EQ(Stored().m_nFFTMode, 1);
    page->GetClippingSlider()->setValue(40);
    EXPECT_TRUE(IsChecked(page, CPSK31PageFFT::IDC_MODE_ROOT + 2));
    EXPECT_EQ(Item<QLabel>(page, CPSK31PageFFT::IDC_CLIPPING_LABEL)->text(), QStringLiteral("40%"));
    EXPECT_EQ(Stored().m_nFFTMode, 40);
    Click(page, CPSK31PageFFT::IDC_MODE_ROOT);
    EXPECT_EQ(Stored().m_nFFTMode, 0);
    EXPECT_EQ(Broadcasts(), 3);
}
