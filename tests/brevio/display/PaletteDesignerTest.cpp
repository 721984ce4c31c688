// The palette designer as the operator uses it: its first gradient, apply,
// OK and Cancel against the settings' waterfall table, the registry arrays,
// the selection controls, and the definition and PAL files.
#include "brevio/display/PaletteDesigner.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/display/ColorButton.h"
#include "brevio/display/ColorPopup.h"
#include "brevio/display/GradientCtrl.h"
#include "brevio/display/GradientLayout.h"
#include "brevio/display/PalettePreview.h"
#include "platform/Program.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using testsupport::prompter;

namespace {

std::array<COLORREF, 256> Table(const CPSK31Settings& s)
{
    std::array<COLORREF, 256> t{};
    for (int i = 0; i < 256; ++i)
        t[size_t(i)] = s.GetColour(i);
    return t;
}

std::array<COLORREF, 256> StoredTable()
{
    CPSK31Settings stored;
    stored.SetDefaults();
    stored.Load();
    return Table(stored);
}

class PaletteDesignerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CurrentSettings().SetDefaults();
        CurrentSettings().Save();
        PreviousSettings() = CurrentSettings();
        QDir().mkpath(testsupport::dataFolder());
    }
    CPaletteDesigner* Open()
    {
        m_designer = std::make_unique<CPaletteDesigner>(nullptr);
        m_designer->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(m_designer.get()));
        return m_designer.get();
    }
    CGradient& Gradient() { return m_designer->GetGradientCtrl()->GetGradient(); }
    void Click(unsigned id) { qobject_cast<QAbstractButton*>(m_designer->GetDlgItem(id))->click(); }
    bool Enabled(unsigned id) { return m_designer->GetDlgItem(id)->isEnabled(); }
    void ClickGradient(QPoint at)
    {
        CGradientCtrl* ctrl = m_designer->GetGradientCtrl();
        QMouseEvent press(QEvent::MouseButtonPress, at, ctrl->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(ctrl, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, ctrl->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(ctrl, &release);
    }
    // The settings' table the dialog's gradient gives.
    std::array<COLORREF, 256> AppliedTable()
    {
        const std::vector<COLORREF> entries = Gradient().MakeEntries(256);
        std::array<COLORREF, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[size_t(i)] = entries[size_t(255 - i)];
        return t;
    }
    QString Path(const char* name) { return testsupport::dataFolder() + QLatin1Char('/') + QLatin1String(name); }
    std::unique_ptr<CPaletteDesigner> m_designer;
};

} // namespace

TEST_F(PaletteDesignerTest, FirstOpeningShowsTheDefaultGradientAndAppliesIt)
{
    const auto before = Table(CurrentSettings());
    CPaletteDesigner* d = Open();
    EXPECT_EQ(d->windowTitle(), QStringLiteral("Palette Editor"));
    EXPECT_EQ(Gradient().GetRange(), 255);
    ASSERT_EQ(Gradient().GetPegCount(), 2);
    EXPECT_EQ(Gradient().GetPeg(0).position, 55);  // shown as 200
    EXPECT_EQ(Gradient().GetPeg(0).colour, RGB(255, 255, 255));
    EXPECT_EQ(Gradient().GetPeg(1).position, 167);  // shown as 88
    EXPECT_EQ(Gradient().GetPeg(1).colour, RGB(0, 0, 134));
    EXPECT_EQ(Gradient().GetStartColour(), RGB(255, 255, 255));
    EXPECT_EQ(Gradient().GetEndColour(), RGB(0, 0, 63));
    EXPECT_EQ(d->GetNewPegPosition(), 127);
    for (unsigned id : {1012u, 1008u, 1007u, 1006u, 1130u})
        EXPECT_FALSE(Enabled(id)) << id;
    // Apply-now is on at first: the table is already the gradient upside down.
    EXPECT_TRUE(d->IsApplyNow());
    EXPECT_FALSE(Enabled(CPaletteDesigner::IDC_APPLY));
    EXPECT_EQ(Table(CurrentSettings()), AppliedTable());
    EXPECT_EQ(CurrentSettings().GetColour(0), RGB(0, 0, 63));
    EXPECT_EQ(CurrentSettings().GetColour(255), RGB(255, 255, 255));
    EXPECT_EQ(d->GetSavedTable(), before);
    // The preview shows the palette with a black entry 0.
    EXPECT_EQ(d->GetPreview()->Flame().Image().color(0), qRgb(0, 0, 0));
    EXPECT_EQ(d->GetPreview()->Flame().Image().color(1), qRgb(255, 255, 255));
}

TEST_F(PaletteDesignerTest, CancelAfterAppliedChangesPutsTheTableBack)
{
    CurrentSettings().SetColour(7, RGB(1, 2, 3));
    const auto before = Table(CurrentSettings());
    const auto stored = StoredTable();
    CPaletteDesigner* d = Open();
    d->SetNewPegPosition(100);
    d->GetNewColourButton()->SetColor(RGB(255, 0, 0));
    Click(CPaletteDesigner::IDC_ADD);
    EXPECT_EQ(Gradient().GetPegCount(), 3);
    EXPECT_EQ(Table(CurrentSettings()), AppliedTable());
    Click(CPaletteDesigner::IDC_RESTORE_DEFAULT);
    d->GetNewColourButton()->SetColor(RGB(0, 255, 0));
    Click(CPaletteDesigner::IDC_ADD);
    EXPECT_NE(Table(CurrentSettings()), before);
    Click(CPaletteDesigner::IDC_CANCEL);
    EXPECT_EQ(d->result(), QDialog::Rejected);
    EXPECT_EQ(Table(CurrentSettings()), before);
    // Nothing was saved: neither the settings nor the gradient.
    EXPECT_EQ(StoredTable(), stored);
    EXPECT_TRUE(CRegistry().GetString(CPaletteDesigner::PegColoursValue()).isEmpty());
}

TEST_F(PaletteDesignerTest, OkSavesTheAppliedTableAndKeepsTheGradient)
{
    Open();
    m_designer->SetNewPegPosition(250);  // gradient position 5
    m_designer->GetNewColourButton()->SetColor(RGB(200, 0, 0));
    Click(CPaletteDesigner::IDC_ADD);
    const auto applied = AppliedTable();
    Click(CPaletteDesigner::IDC_OK);
    EXPECT_EQ(m_designer->result(), QDialog::Accepted);
    EXPECT_EQ(Table(CurrentSettings()), applied);
    EXPECT_EQ(StoredTable(), applied);
    EXPECT_EQ(Table(PreviousSettings()), applied);
    EXPECT_EQ(CRegistry().GetString(CPaletteDesigner::PegColoursValue()),
              QStringLiteral("200,16777215,8781824,16777215,4128768"));
    EXPECT_EQ(CRegistry().GetString(CPaletteDesigner::PegPositionsValue()), QStringLiteral("5,55,167,-3,-2"));

    // The next opening starts from the kept gradient.
    Open();
    ASSERT_EQ(Gradient().GetPegCount(), 3);
    EXPECT_EQ(Gradient().GetPeg(0).colour, RGB(200, 0, 0));
    EXPECT_EQ(Gradient().GetPeg(0).position, 5);
}

TEST_F(PaletteDesignerTest, WithoutApplyNowOnlyApplyChangesTheTable)
{
    const auto before = Table(CurrentSettings());
    CPaletteDesigner* d = Open();
    auto* applyNow = qobject_cast<QCheckBox*>(d->GetDlgItem(CPaletteDesigner::IDC_APPLY_NOW));
    applyNow->click();
    EXPECT_FALSE(d->IsApplyNow());
    EXPECT_TRUE(Enabled(CPaletteDesigner::IDC_APPLY));
    EXPECT_FALSE(CRegistry().GetBool(CPaletteDesigner::ApplyNowValue(), true));  // written at once
    // Opening applied the default gradient; restore the caller's table to see the rest.
    for (int i = 0; i < 256; ++i)
        CurrentSettings().SetColour(i, before[size_t(i)]);
    d->GetNewColourButton()->SetColor(RGB(0, 255, 0));
    Click(CPaletteDesigner::IDC_ADD);
    EXPECT_EQ(Table(CurrentSettings()), before);
    Click(CPaletteDesigner::IDC_APPLY);
    EXPECT_EQ(Table(CurrentSettings()), AppliedTable());
    const auto applied = AppliedTable();
    // Changes after the last Apply are not taken over by OK.
    Click(CPaletteDesigner::IDC_RESTORE_DEFAULT);
    Click(CPaletteDesigner::IDC_OK);
    EXPECT_EQ(Table(CurrentSettings()), applied);

    // The next opening remembers the flag and applies nothing.
    for (int i = 0; i < 256; ++i)
        CurrentSettings().SetColour(i, before[size_t(i)]);
    Open();
    EXPECT_FALSE(m_designer->IsApplyNow());
    EXPECT_EQ(Table(CurrentSettings()), before);
}

TEST_F(PaletteDesignerTest, StartColourSelectedDisablesPositionAndDeleteAndTakesTheChosenColour)
{
    CPaletteDesigner* d = Open();
    CGradientCtrl* ctrl = d->GetGradientCtrl();
    const CGradientLayout layout = ctrl->Layout();
    ClickGradient(layout.StartBox().center());
    ASSERT_EQ(ctrl->GetSelIndex(), CGradient::kStart);
    EXPECT_TRUE(Enabled(CPaletteDesigner::IDC_SELECTION));
    EXPECT_TRUE(Enabled(CPaletteDesigner::IDC_SELECTION_COLOUR));
    EXPECT_TRUE(Enabled(CPaletteDesigner::IDC_SELECTION_LABEL));
    EXPECT_FALSE(Enabled(CPaletteDesigner::IDC_SELECTION_POSITION));
    EXPECT_FALSE(Enabled(CPaletteDesigner::IDC_DELETE));
    EXPECT_EQ(d->GetSelectionPositionText(), QStringLiteral("-1"));
    EXPECT_EQ(d->GetSelectionColourButton()->GetColor(), RGB(255, 255, 255));

    // Red from the selection colour's popup recolours the top of the gradient.
    d->GetSelectionColourButton()->click();
    CColorPopup* popup = d->GetSelectionColourButton()->GetPopup();
    ASSERT_NE(popup, nullptr);
    ASSERT_EQ(popup->GetChosenCell(), 39);  // white
    for (int n = 0; n < 3; ++n)
        QTest::keyClick(popup, Qt::Key_Up);  // 31, 23, 15
    QTest::keyClick(popup, Qt::Key_Right);   // 16: red
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(Gradient().GetStartColour(), RGB(255, 0, 0));
    EXPECT_EQ(CurrentSettings().GetColour(255), RGB(255, 0, 0));
    // Delete with the start selected does nothing.
    m_designer->OnDelete();
    EXPECT_EQ(Gradient().GetPegCount(), 2);

    // A peg: its position shown from the bottom, Delete enabled and working.
    const std::vector<int> columns = layout.PegColumns(Gradient());
    ClickGradient(QPoint(columns[1] + 6, layout.RowOfPosition(167) + 1));
    ASSERT_EQ(ctrl->GetSelIndex(), 1);
    EXPECT_EQ(d->GetSelectionPositionText(), QStringLiteral("88"));
    EXPECT_TRUE(Enabled(CPaletteDesigner::IDC_DELETE));
    Click(CPaletteDesigner::IDC_DELETE);
    EXPECT_EQ(Gradient().GetPegCount(), 1);
    EXPECT_EQ(Table(CurrentSettings()), AppliedTable());

    // Empty space: nothing selected, and the new peg position follows the click.
    const int row = layout.RowOfPosition(200);
    ClickGradient(QPoint(30, row));
    EXPECT_EQ(ctrl->GetSelIndex(), CGradient::kNone);
    EXPECT_EQ(d->GetNewPegPosition(), 255 - layout.PositionOfRow(row));
    EXPECT_FALSE(Enabled(CPaletteDesigner::IDC_SELECTION_COLOUR));
}

TEST_F(PaletteDesignerTest, DoubleClickCreatesAPegInTheNewColourAndAutomaticMeansWhatItShows)
{
    CPaletteDesigner* d = Open();
    CGradientCtrl* ctrl = d->GetGradientCtrl();
    // The new-peg button starts on "Automatic": the peg takes the colour it shows.
    ASSERT_EQ(d->GetNewColourButton()->GetColor(), CLR_DEFAULT);
    const QPoint at(30, ctrl->Layout().RowOfPosition(120));
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, ctrl->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(ctrl, &dbl);
    ASSERT_EQ(Gradient().GetPegCount(), 3);
    const CPeg peg = Gradient().GetPeg(1);
    EXPECT_EQ(peg.position, ctrl->Layout().PositionOfRow(at.y()));
    EXPECT_EQ(peg.colour, d->GetNewColourButton()->GetDefaultColor());
    EXPECT_EQ(peg.colour >> 24, 0u);
    EXPECT_EQ(Table(CurrentSettings()), AppliedTable());
}

TEST_F(PaletteDesignerTest, RegistryArraysOfDifferentLengthsAreCutAndTooFewGiveTheDefault)
{
    CRegistry().WriteIntArray(CPaletteDesigner::PegColoursValue(), {255, 65280, 123});
    CRegistry().WriteIntArray(CPaletteDesigner::PegPositionsValue(), {10, uint32_t(-2)});
    Open();
    ASSERT_EQ(Gradient().GetPegCount(), 1);
    EXPECT_EQ(Gradient().GetPeg(0).colour, RGB(255, 0, 0));
    EXPECT_EQ(Gradient().GetEndColour(), RGB(0, 255, 0));
    EXPECT_EQ(Gradient().GetStartColour(), RGB(255, 255, 255));

    CRegistry().WriteIntArray(CPaletteDesigner::PegPositionsValue(), {10});
    Open();
    EXPECT_EQ(Gradient().GetPegCount(), 2);
    EXPECT_EQ(Gradient().GetPeg(1).position, 167);
}

TEST_F(PaletteDesignerTest, DefinitionFilesSaveAndLoadTheGradient)
{
    CPaletteDesigner* d = Open();
    d->SetNewPegPosition(10);
    d->GetNewColourButton()->SetColor(RGB(9, 9, 9));
    Click(CPaletteDesigner::IDC_ADD);
    const std::vector<COLORREF> designed = Gradient().MakeEntries(256);
    prompter().m_files.push_back(Path("mine.pbr_pal"));
    Click(CPaletteDesigner::IDC_SAVE);
    ASSERT_EQ(prompter().m_chooserCaptions.last(), QStringLiteral("Save Palette Editor Definition"));
    QStringList lines;
    CTextFile(Path("mine.pbr_pal"), false).ReadLines(lines);
    EXPECT_EQ(lines.last(), QStringLiteral("#@filetype=2"));
    EXPECT_TRUE(lines.contains(QStringLiteral("101 245")));

    Click(CPaletteDesigner::IDC_RESTORE_DEFAULT);
    EXPECT_NE(Gradient().MakeEntries(256), designed);
    prompter().m_files.push_back(Path("mine.pbr_pal"));
    Click(CPaletteDesigner::IDC_LOAD);
    EXPECT_EQ(prompter().m_chooserCaptions.last(), QStringLiteral("Open Palette Editor Definition"));
    EXPECT_EQ(Gradient().MakeEntries(256), designed);
    EXPECT_EQ(Table(CurrentSettings()), AppliedTable());
    EXPECT_TRUE(prompter().m_boxes.isEmpty());
    EXPECT_FALSE(Enabled(CPaletteDesigner::IDC_SELECTION_COLOUR));

    // A cancelled chooser or a missing file changes nothing; only the
    // chooser itself speaks of the missing file.
    Click(CPaletteDesigner::IDC_LOAD);
    prompter().m_files.push_back(Path("missing.pbr_pal"));
    Click(CPaletteDesigner::IDC_LOAD);
    EXPECT_EQ(Gradient().MakeEntries(256), designed);
    ASSERT_EQ(prompter().m_boxes.size(), 1);
    EXPECT_TRUE(prompter().m_boxes[0].text.contains(QStringLiteral("File not found")));
}

TEST_F(PaletteDesignerTest, OneEntryAndForeignFilesAreRefusedWithTheMessage)
{
    Open();
    const std::vector<COLORREF> kept = Gradient().MakeEntries(256);
    const auto table = Table(CurrentSettings());
    CTextFile(Path("one.pbr_pal"), false).WriteLines({QStringLiteral("100 255"), QStringLiteral("101 10"),
                                                       QStringLiteral("@")}, false);
    CTextFile(Path("macros.pbr_pal"), false)
        .WriteLines({QStringLiteral("100 1"), QStringLiteral("101 10"), QStringLiteral("@"), QStringLiteral("100 2"),
                     QStringLiteral("101 20"), QStringLiteral("@"), QStringLiteral("#@filetype=1")},
                    false);
    for (const char* name : {"one.pbr_pal", "macros.pbr_pal"}) {
        prompter().clear();
        prompter().m_files.push_back(Path(name));
        Click(CPaletteDesigner::IDC_LOAD);
        ASSERT_EQ(prompter().m_boxes.size(), 1) << name;
        EXPECT_EQ(prompter().m_boxes[0].text, QStringLiteral("This is not a valid PSK31 Brevio palette file."));
        EXPECT_EQ(prompter().m_boxes[0].caption, QStringLiteral("Error"));
        EXPECT_EQ(prompter().m_boxes[0].style, platform::MB_OK | platform::MB_ICONERROR);
        EXPECT_EQ(Gradient().MakeEntries(256), kept) << name;
        EXPECT_EQ(Table(CurrentSettings()), table) << name;
    }
}

TEST_F(PaletteDesignerTest, PalExportWritesTheStripTopFirstAndFailuresAreReported)
{
    Open();
    prompter().m_files.push_back(Path("waterfall.pal"));
    Click(CPaletteDesigner::IDC_CREATE_PAL);
    EXPECT_EQ(prompter().m_chooserCaptions.last(), QStringLiteral("Save as Palette (PAL) File"));
    QFile file(Path("waterfall.pal"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    ASSERT_EQ(lines.size(), 256);
    EXPECT_EQ(lines.first(), QByteArray("255 255 255\r"));
    EXPECT_EQ(lines.last(), QByteArray("0 0 63"));
    file.close();

    // A place that cannot be written: the failure is said, nothing is left behind.
    prompter().clear();
    prompter().m_files.push_back(testsupport::dataFolder() + QStringLiteral("/no such folder/waterfall.pal"));
    Click(CPaletteDesigner::IDC_CREATE_PAL);
    ASSERT_EQ(prompter().m_boxes.size(), 1);
    EXPECT_EQ(prompter().m_boxes[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(prompter().m_boxes[0].text.contains(QStringLiteral("waterfall.pal")));
    EXPECT_FALSE(QFile::exists(testsupport::dataFolder() + QStringLiteral("/no such folder/waterfall.pal")));
    // A folder in the way of a definition file stays a folder.
    QDir().mkpath(Path("taken.pbr_pal"));
    prompter().clear();
    prompter().m_files.push_back(Path("taken.pbr_pal"));
    Click(CPaletteDesigner::IDC_SAVE);
    EXPECT_EQ(prompter().m_boxes.size(), 1);
    EXPECT_TRUE(QFileInfo(Path("taken.pbr_pal")).isDir());
}

TEST_F(PaletteDesignerTest, BlinkTimerLeavesTheMarkAloneWhileTheButtonIsDown)
{
    CPaletteDesigner* d = Open();
    CGradientCtrl* ctrl = d->GetGradientCtrl();
    ClickGradient(ctrl->Layout().StartBox().center());
    ASSERT_TRUE(ctrl->IsMarkShown());
    d->OnTimer();
    const bool first = ctrl->IsMarkShown();
    d->OnTimer();
    EXPECT_NE(ctrl->IsMarkShown(), first);
    const QPoint at = ctrl->Layout().StartBox().center();
    QMouseEvent press(QEvent::MouseButtonPress, at, ctrl->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(ctrl, &press);
    const bool held = ctrl->IsMarkShown();
    d->OnTimer();
    d->OnTimer();
    d->OnTimer();
    EXPECT_EQ(ctrl->IsMarkShown(), held);
}

// Under a real display with CORVANE_SCREENSHOT_DIR set the designer and the
// colour popup are photographed (docs/ holds these, taken with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x900x24'
//     build/tests/brevio_display_tests --gtest_filter='PaletteDesignerTest.Photograph*');
// otherwise they are only rendered.
TEST_F(PaletteDesignerTest, PhotographOfTheDesignerAndTheColourPopup)
{
    platform::setProgram(platform::brevioIdentity());
    CPaletteDesigner* d = Open();
    d->move(60, 60);
    CGradientCtrl* ctrl = d->GetGradientCtrl();
    ClickGradient(QPoint(ctrl->Layout().StripRight() + 6, ctrl->Layout().RowOfPosition(167) + 1));
    for (int n = 0; n < 80; ++n)
        d->GetPreview()->OnTimer();
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    const bool real = !dir.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb");
    EXPECT_FALSE(d->grab().toImage().isNull());
    if (real) {
        QTest::qWait(600);
        const QRect frame = d->frameGeometry();
        EXPECT_TRUE(d->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                        .save(dir + QStringLiteral("/brevio-palette-editor.png")));
    }
    d->GetSelectionColourButton()->click();
    CColorPopup* popup = d->GetSelectionColourButton()->GetPopup();
    ASSERT_NE(popup, nullptr);
    QTest::keyClick(popup, Qt::Key_Left);
    EXPECT_FALSE(popup->grab().toImage().isNull());
    if (real) {
        QTest::qWait(400);
        const QRect area = d->frameGeometry().united(popup->frameGeometry()).adjusted(-4, -4, 4, 4);
        EXPECT_TRUE(d->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                        .save(dir + QStringLiteral("/brevio-colour-popup.png")));
    }
    QTest::keyClick(popup, Qt::Key_Escape);
    platform::setProgram(platform::corvaneIdentity());
}
