// The memory channel editor on real widgets: filling from a record, what
// marks it changed, the shift controls, range checks, storing, stepping and
// leaving it.
#include "MemoryTestSupport.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/memory/MemoryChannelEditorDialog.h"
#include "shared/RegisteredEvent.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "support/ScriptedPrompter.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace memtest;
using E = CMemoryChannelEditorDialog;

namespace {
// The manager's stand-in: records what the editor posts.
class Parent : public QWidget {
public:
    bool event(QEvent* event) override
    {
        if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgSelect))
            selects << QPair<int, int>(int(m->wParam()), int(m->lParam()));
        else if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgUpdate))
            updates << QPair<int, int>(int(m->wParam()), int(m->lParam()));
        return QWidget::event(event);
    }
    QList<QPair<int, int>> selects;
    QList<QPair<int, int>> updates;
};

const char* const kRepeater = "85 44 00 4B 81 00 08 00 00 00 00 DE 5B D4 00 00 EA 60 52 50 54 20 52 37 20 20";

class Editor : public ::testing::Test {
protected:
    void SetUp() override
    {
        testsupport::prompter().clear();
        QString text;
        for (char c : QByteArray::fromHex(QByteArray(kRepeater).replace(' ', "")))
            text += QString::asprintf("%03u", unsigned(uint8_t(c)));
        list.GetChannel(3)->SetRawFromText(text);
        makeRecord(*list.GetChannel(9), "NINE", 7074000);
    }
    template <class T>
    T* control(E& editor, unsigned id)
    {
        return qobject_cast<T*>(editor.Control(id));
    }
    static void choose(COwnComboBox* combo, int index)
    {
        combo->SetCurSel(index);
        emit combo->activated(index);
    }
    static void typeFrequency(CFrequencyEdit* edit, uint32_t tenHz)
    {
        edit->SetInputText(QString::asprintf("%8.8u", tenHz), 0, true);
    }

    CRadioMemoryList list;
    Parent parent;
};
} // namespace

TEST_F(Editor, FillsEveryControlFromTheRecord)
{
    E editor(&parent, &list, 3, true);
    EXPECT_EQ(editor.windowTitle(), "Memory Channel Editor");
    EXPECT_EQ(control<CColourStatic>(editor, E::IDC_CHANNEL)->text(), "Channel: 4");
    EXPECT_TRUE(control<QCheckBox>(editor, E::IDC_ENABLED)->isChecked());
    EXPECT_TRUE(control<QCheckBox>(editor, E::IDC_SHOW_LABEL)->isChecked());
    EXPECT_EQ(control<CFrequencyEdit>(editor, E::IDC_LABEL)->text(), "RPT_R7__") << "blanks show as the prompt";
    EXPECT_EQ(control<CFrequencyEdit>(editor, E::IDC_RX)->GetFrequency(), 145725000u);
    EXPECT_EQ(control<CFrequencyEdit>(editor, E::IDC_RX)->text(), "145.725.00 MHz");
    EXPECT_EQ(control<CFrequencyEdit>(editor, E::IDC_TX)->GetFrequency(), 0u) << "not split: zeros";
    EXPECT_EQ(control<CFrequencyEdit>(editor, E::IDC_OFFSET)->GetFrequency(), 600000u);
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_MODE)->currentText(), "FM");
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_SHIFT)->currentText(), "Minus");
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_TONE_MODE)->currentText(), "Tone (tx)");
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_CTCSS)->currentText(), "88.5");
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_CTCSS)->count(), 50);
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_DCS)->currentText(), "023");
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_DCS)->count(), 104);
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_DCS)->itemText(103), "754");
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_FM_STEP)->currentText(), "12.5 KHz");
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_AM_STEP)->currentText(), "5 KHz");
    EXPECT_EQ(control<COwnComboBox>(editor, E::IDC_SSB_STEP)->currentText(), "2.5 KHz");
    EXPECT_EQ(control<QGroupBox>(editor, E::IDC_GROUP)->title(), "Tx / Rx");
    EXPECT_FALSE(control<CFrequencyEdit>(editor, E::IDC_TX)->isEnabled());
    EXPECT_TRUE(control<CFrequencyEdit>(editor, E::IDC_OFFSET)->isEnabled());
    EXPECT_FALSE(control<COXBitmapButton>(editor, E::IDC_SAVE)->isEnabled());
    EXPECT_FALSE(editor.IsDirty()) << "filling marks nothing";
}

TEST_F(Editor, TypingTheLabelShowsItAndMarksTheChange)
{
    list.GetChannel(3)->SetTagOn(false);
    list.GetChannel(3)->SetRxFrequencyHz(list.GetChannel(3)->GetRxFrequency());
    list.GetChannel(3)->SetTxFrequencyHz(0);
    list.GetChannel(3)->Encode();
    E editor(&parent, &list, 3, true);
    editor.show();
    auto* label = control<CFrequencyEdit>(editor, E::IDC_LABEL);
    EXPECT_FALSE(control<QCheckBox>(editor, E::IDC_SHOW_LABEL)->isChecked());
    label->setFocus();
    label->setCursorPosition(0);
    QTest::keyClicks(label, "AB");
    EXPECT_TRUE(control<QCheckBox>(editor, E::IDC_SHOW_LABEL)->isChecked());
    EXPECT_TRUE(editor.IsDirty());
    EXPECT_EQ(editor.windowTitle(), "Memory Channel Editor (save needed)");
    EXPECT_TRUE(control<COXBitmapButton>(editor, E::IDC_SAVE)->isEnabled());

    ASSERT_TRUE(editor.Store());
    EXPECT_EQ(list.GetChannel(3)->GetTag(), "ABT R7  ");
    EXPECT_TRUE(list.GetChannel(3)->IsTagOn());
    EXPECT_TRUE(list.GetChannel(3)->IsModified());
    EXPECT_EQ(editor.windowTitle(), "Memory Channel Editor");
    EXPECT_FALSE(control<COXBitmapButton>(editor, E::IDC_SAVE)->isEnabled());
    EXPECT_TRUE(waitFor([&] { return parent.updates.size() == 1; }));
    EXPECT_EQ(parent.updates.first(), (QPair<int, int>(3, 1)));
}

TEST_F(Editor, CustomShiftIsASplitWithItsOwnTxFrequency)
{
    E editor(&parent, &list, 3, true);
    choose(control<COwnComboBox>(editor, E::IDC_SHIFT), 3);
    EXPECT_EQ(control<QGroupBox>(editor, E::IDC_GROUP)->title(), "Rx");
    EXPECT_TRUE(control<CFrequencyEdit>(editor, E::IDC_TX)->isEnabled());
    EXPECT_TRUE(control<COwnComboBox>(editor, E::IDC_TX_MODE)->isEnabled());
    EXPECT_FALSE(control<CFrequencyEdit>(editor, E::IDC_OFFSET)->isEnabled());
    EXPECT_TRUE(editor.IsDirty());

    // A TX frequency no receive range holds is refused, the field focused.
    typeFrequency(control<CFrequencyEdit>(editor, E::IDC_TX), 6000000);  // 60 MHz
    EXPECT_FALSE(editor.Store());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Tx Frequency Out of Range");
    EXPECT_FALSE(list.GetChannel(3)->IsModified());

    typeFrequency(control<CFrequencyEdit>(editor, E::IDC_TX), 43350000);
    choose(control<COwnComboBox>(editor, E::IDC_TX_MODE), 1);
    ASSERT_TRUE(editor.Store());
    const CMemoryChannel& c = *list.GetChannel(3);
    EXPECT_EQ(c.GetShift(), 3);
    EXPECT_EQ(c.GetTxFrequency(), 433500000u);
    EXPECT_EQ(c.GetTxModeText(), "USB");
    EXPECT_EQ(c.GetRawByte(5) & 0x05, 0x01 | 0x04) << "TX in a higher range than RX";
    EXPECT_EQ(c.GetRange(), 4) << "2 m";
}

TEST_F(Editor, RxFrequencyIsCheckedAndStoredInTenHertzUnits)
{
    E editor(&parent, &list, 9, false);
    typeFrequency(control<CFrequencyEdit>(editor, E::IDC_RX), 6000000);  // 60 MHz: no range
    EXPECT_FALSE(editor.Store());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Rx Frequency Out of Range");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
              "The value 060.000.00 MHz is out of range.\n \nTo define valid Rx frequency ranges, select Program "
              "Options (F8).");

    typeFrequency(control<CFrequencyEdit>(editor, E::IDC_RX), 700000);
    control<QCheckBox>(editor, E::IDC_ENABLED)->click();  // disabled, data kept
    ASSERT_TRUE(editor.Store());
    const CMemoryChannel& c = *list.GetChannel(9);
    EXPECT_EQ(c.GetWord32(10), 700000u);
    EXPECT_EQ(c.GetRange(), 0);
    EXPECT_FALSE(c.IsUsed());
    EXPECT_TRUE(c.HasFrequency());
    EXPECT_TRUE(waitFor([&] { return !parent.updates.isEmpty(); }));
    EXPECT_EQ(parent.updates.first(), (QPair<int, int>(9, 0)));
}

TEST_F(Editor, NextAndPreviousWrapRoundTheEntriesWithData)
{
    EXPECT_EQ(E::FindNext(list, 9), 3);
    EXPECT_EQ(E::FindNext(list, 3), 9);
    EXPECT_EQ(E::FindPrevious(list, 3), 9);
    EXPECT_EQ(E::FindPrevious(list, 0), 9);
    CRadioMemoryList one;
    makeRecord(*one.GetChannel(5), "ONLY", 7000000);
    EXPECT_EQ(E::FindNext(one, 5), 5);
    EXPECT_EQ(E::FindPrevious(one, 5), 5);
    CRadioMemoryList none;
    EXPECT_EQ(E::FindNext(none, 5), -1);

    E editor(&parent, &list, 9, true);
    editor.OnNext();
    EXPECT_EQ(editor.GetIndex(), 3);
    EXPECT_EQ(control<CColourStatic>(editor, E::IDC_CHANNEL)->text(), "Channel: 4");
    editor.OnPrevious();
    EXPECT_EQ(editor.GetIndex(), 9);
    EXPECT_TRUE(waitFor([&] { return parent.selects.size() == 2; }));
    EXPECT_EQ(parent.selects, (QList<QPair<int, int>>{{3, 1}, {9, 1}}));

    // A change is stored before moving on; a refused store stays put.
    typeFrequency(control<CFrequencyEdit>(editor, E::IDC_RX), 6000000);
    editor.OnNext();
    EXPECT_EQ(editor.GetIndex(), 9);
}

TEST_F(Editor, LeavingWithAndWithoutChanges)
{
    {
        E editor(&parent, &list, 9, true);
        whenModal<E>([](E* e) { e->OnOK(); });
        EXPECT_EQ(editor.DoModal(), platform::IDOK) << "nothing changed: OK at once";
        EXPECT_FALSE(list.GetChannel(9)->IsModified());
    }
    {
        E editor(&parent, &list, 9, true);
        whenModal<E>([&](E* e) {
            control<QCheckBox>(*e, E::IDC_ATTENUATOR)->click();
            e->OnCancel();
        });
        testsupport::prompter().m_answers = {platform::IDNO};
        EXPECT_EQ(editor.DoModal(), platform::IDCANCEL);
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
        EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "You have outstanding changes - save them?");
        EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Cancel");
        EXPECT_FALSE(list.GetChannel(9)->IsAttenuatorOn());
        EXPECT_FALSE(editor.WasStored());
    }
    {
        E editor(&parent, &list, 9, true);
        whenModal<E>([&](E* e) {
            control<QCheckBox>(*e, E::IDC_ATTENUATOR)->click();
            e->OnCancel();
        });
        testsupport::prompter().m_answers = {platform::IDYES};
        EXPECT_EQ(editor.DoModal(), platform::IDCANCEL) << "stored, yet ended as cancelled";
        EXPECT_TRUE(list.GetChannel(9)->IsAttenuatorOn());
        EXPECT_TRUE(editor.WasStored());
    }
}
