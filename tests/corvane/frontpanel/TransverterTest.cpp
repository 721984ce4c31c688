#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/TransverterDisplay.h"
#include "corvane/frontpanel/TransverterOffsets.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/buttons/OXRoundedButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/ScriptedPrompter.h"

#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace Transverter;

TEST(TransverterOffsets, DisplayedFrequencyTable)
{
    struct Case {
        int mode;
        uint32_t offsetKHz;
        uint32_t radioHz;
        const char* text;
    } cases[] = {
        {0, 116000, 28125670, "144.125.67"},
        {2, 116000, 145000000, "29.000.00"},
        {2, 116000, 116000000, "0.000.00"},   // k equals the offset
        {2, 116000, 116000990, "0.000.00"},
        {1, 116000, 28125670, "87.874.33"},   // the Hz digits borrow from the kHz
        {1, 116000, 116000000, "0.000.00"},   // radio at the offset
        {1, 116000, 200000000, "0.000.00"},   // radio above the offset
        {1, 116000, 115999990, "0.000.01"},
        {0, 0, 0, "0.000.00"},
        {0, 50, 7000000, "7.050.00"},
        {7, 1000, 10, "1.000.01"},            // unknown modes add
        // An offset of 4 294 967 295 kHz does not wrap in the sum.
        {0, 0xFFFFFFFFu, 999999990, "4295967.294.99"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayText(c.radioHz, c.offsetKHz, c.mode), c.text) << c.mode << " " << c.radioHz;
}

TEST(TransverterOffsets, ListEntriesCaptionsAndSorting)
{
    EXPECT_EQ(ListEntry(0, 116000), "+116.000");
    EXPECT_EQ(ListEntry(0, 50), "+0.050");
    EXPECT_EQ(ListEntry(1, 28000), "-28.000");
    EXPECT_EQ(ListEntry(2, 1), "!0.001");
    EXPECT_EQ(ListEntry(9, 1), "+0.001");
    EXPECT_EQ(Caption(116000), "Transverter: Offset = 116.000 MHz");
    EXPECT_EQ(OffsetKHzFromText("116.000"), 116000u);
    EXPECT_EQ(OffsetKHzFromText(""), 0u);
    EXPECT_EQ(ModeNameForChar('?'), "");
    EXPECT_EQ(ModeFromChar('?'), 0);
    EXPECT_EQ(ModeNameForChar('!'), "FT-817 - Transverter");

    QStringList entries = {"+116.000", "-28.000", "!0.050", "+2.500", "-1.000"};
    SortEntries(entries);
    EXPECT_EQ(entries, QStringList({"-28.000", "-1.000", "!0.050", "+2.500", "+116.000"}));
}

namespace {
struct SettingsGuard {
    CSettings saved = GetSettings();
    ~SettingsGuard() { GetSettings() = saved; }
};
} // namespace

TEST(TransverterDisplay, ShowsTheConvertedFrequencyAndKeepsTheChoice)
{
    SettingsGuard guard;
    GetRegistry().WriteInt("CTransverterDisplay::m_nDisplay", 0);
    GetRegistry().WriteInt("CTransverterDisplay::m_nOffset", 116000);
    CTransverterDisplay window;
    window.show();
    EXPECT_EQ(window.windowTitle(), "Transverter: Offset = 116.000 MHz");
    EXPECT_TRUE(window.GetOffsetsButton()->IsPseudoDisabled());
    EXPECT_EQ(window.GetOffsetsButton()->GetToolTipText(), "Select offset frequency");

    auto* digits = window.GetFrequencyStatic();
    window.SetFrequency(28125670);
    EXPECT_EQ(digits->GetText(), "144.125.67");
    const int redraws = digits->GetRedrawCount();
    window.SetFrequency(28125675);  // same text: no redraw
    EXPECT_EQ(digits->GetRedrawCount(), redraws);

    // The digits are drawn in the frequency colours, centred.
    const QImage& buffer = digits->GetBuffer();
    ASSERT_FALSE(buffer.isNull());
    EXPECT_EQ(fromQColor(buffer.pixelColor(0, 0)), GetSettings().m_colFreqBackground);
    int foreground = 0;
    for (int x = 0; x < buffer.width(); ++x)
        for (int y = 0; y < buffer.height(); ++y)
            foreground += fromQColor(buffer.pixelColor(x, y)) == GetSettings().m_colFreqForeground;
    EXPECT_GT(foreground, 100);

    window.ApplyChoice(1, 116000);
    EXPECT_EQ(digits->GetText(), "87.874.32");
    EXPECT_EQ(GetRegistry().GetInt("CTransverterDisplay::m_nDisplay", -1), 1);
    CTransverterDisplay again;
    EXPECT_EQ(again.GetDisplayMode(), 1);
    EXPECT_EQ(again.GetOffset(), 116000u);

    // Enter does not close the window.
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_TRUE(window.isVisible());

    // New colours: the digits are recoloured.
    GetSettings().m_colFreqBackground = RGB(1, 2, 3);
    ASSERT_NE(RegisteredMessage::nMsgRedrawNew, 0u);
    SendRegisteredMessage(&window, RegisteredMessage::nMsgRedrawNew);
    EXPECT_EQ(fromQColor(digits->DigitImage('0').pixelColor(0, 0)), RGB(1, 2, 3));
    EXPECT_EQ(fromQColor(digits->GetBuffer().pixelColor(0, 0)), RGB(1, 2, 3));
}

class OffsetsDialogTest : public ::testing::Test {
protected:
    void TearDown() override { CTransverterOffsetsDialog::SetOffsetPrompt(nullptr); }
};

TEST_F(OffsetsDialogTest, AddEditRemoveAndChoose)
{
    GetRegistry().WriteStringArray("Transverter Offsets", {"+116.000", "-28.000", "!0.050"});
    CTransverterOffsetsDialog dialog;
    dialog.show();
    COwnListCtrl* list = dialog.GetList();
    ASSERT_EQ(list->GetItemCount(), 3);
    EXPECT_FALSE(dialog.GetOkButton()->isEnabled());
    // Sorted by the mode name column.
    EXPECT_EQ(list->GetItemText(0, 0), "FT-817 - Transverter");
    EXPECT_EQ(list->GetItemText(1, 0), "Transverter + FT-817");
    EXPECT_EQ(list->GetItemText(1, 1), "116.000");

    std::deque<std::pair<int, QString>> answers = {{2, "144.000"}};
    CTransverterOffsetsDialog::SetOffsetPrompt([&](QWidget*, int& mode, QString& offset) {
        if (answers.empty())
            return false;
        mode = answers.front().first;
        offset = answers.front().second;
        answers.pop_front();
        return true;
    });
    dialog.OnAdd();
    ASSERT_EQ(list->GetItemCount(), 4);
    EXPECT_EQ(list->GetFirstSelectedItem(), 3);
    EXPECT_TRUE(dialog.GetOkButton()->isEnabled());
    QStringList stored;
    GetRegistry().GetStringArray("Transverter Offsets", stored);
    EXPECT_EQ(stored.last(), "!144.000");

    answers = {{0, "432.000"}};
    dialog.OnEdit();
    EXPECT_EQ(list->GetItemText(3, 0), "Transverter + FT-817");
    GetRegistry().GetStringArray("Transverter Offsets", stored);
    EXPECT_EQ(stored.last(), "+432.000");

    testsupport::prompter().m_answers = {platform::IDNO};
    dialog.OnRemove();
    EXPECT_EQ(list->GetItemCount(), 4);
    testsupport::prompter().m_answers = {platform::IDYES};
    dialog.OnRemove();
    EXPECT_EQ(list->GetItemCount(), 3);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 2);
    EXPECT_EQ(testsupport::prompter().m_boxes[1].text, "Really remove this entry ?");
    EXPECT_EQ(testsupport::prompter().m_boxes[1].caption, "Remove");
    GetRegistry().GetStringArray("Transverter Offsets", stored);
    EXPECT_EQ(stored.size(), 3);

    list->SelectItem(1, true);
    dialog.OnOK();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetMode(), 0);
    EXPECT_EQ(dialog.GetOffset(), 116000u);
}

TEST(AddOffsetDialog, OkWithoutChangeKeepsTheOffset)
{
    CAddOffsetDialog dialog(nullptr, 1, "116.000");
    dialog.show();
    EXPECT_EQ(dialog.GetModeCombo()->count(), 3);
    EXPECT_EQ(dialog.GetModeCombo()->GetCurSel(), 1);
    EXPECT_EQ(dialog.GetOffsetEdit()->GetFrequency(), 116000u);
    dialog.OnOK();
    EXPECT_EQ(dialog.GetMode(), 1);
    EXPECT_EQ(dialog.GetOffset(), 116000u);

    CAddOffsetDialog empty(nullptr, 0, QString());
    empty.show();
    EXPECT_EQ(empty.GetOffsetEdit()->GetFrequency(), 0u);
    empty.GetOffsetEdit()->setFocus();
    QTest::keyClicks(empty.GetOffsetEdit(), "00050000");
    empty.OnOK();
    EXPECT_EQ(empty.GetOffset(), 50000u);
    EXPECT_EQ(OffsetMHzText(empty.GetOffset()), "50.000");
}
