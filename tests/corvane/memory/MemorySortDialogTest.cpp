// The Sort dialog: its keys and defaults, remembered choices per list, and
// the compaction switch that sets the sort controls aside.
#include "corvane/memory/MemorySortDialog.h"

#include "shared/Registry.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"

#include <QCheckBox>
#include <QRadioButton>
#include <gtest/gtest.h>

using D = CMemorySortDialog;
using K = CMemorySortChoice;

TEST(MemorySortDialog, DefaultsAndKeyLists)
{
    D dialog(nullptr, "FT-817 Memories *", true, true);
    EXPECT_EQ(dialog.windowTitle(), "Sort FT-817 Memories *");
    EXPECT_EQ(dialog.GetSettingsId(), 335u);
    EXPECT_EQ(dialog.GetKeyCombo(0)->count(), 4) << "the first key cannot be empty";
    EXPECT_EQ(dialog.GetKeyCombo(1)->count(), 5);
    EXPECT_EQ(dialog.GetKeyCombo(0)->currentText(), "Label");
    EXPECT_EQ(dialog.GetKeyCombo(1)->currentText(), "Rx Frequency");
    EXPECT_EQ(dialog.GetKeyCombo(2)->currentText(), "Mode");
    EXPECT_EQ(dialog.GetKeyCombo(1)->itemText(0), "");
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(dialog.GetDirectionButton(k, false)->isChecked());
    EXPECT_FALSE(dialog.GetRemoveDuplicates()->isChecked());
    EXPECT_TRUE(dialog.GetRemoveEmpty()->isEnabled());
    EXPECT_EQ(GetDlgCtrlID(dialog.GetDirectionButton(1, true)), 1146u);
}

TEST(MemorySortDialog, ChoicesAreRememberedPerList)
{
    {
        D dialog(nullptr, "FT-817 Memories", true, true);
        dialog.GetKeyCombo(0)->SetCurSel(3);  // Mode
        dialog.GetKeyCombo(1)->SetCurSel(0);  // none
        dialog.GetDirectionButton(0, true)->setChecked(true);
        dialog.GetRemoveDuplicates()->setChecked(true);
        dialog.accept();
        const CMemorySortChoice c = dialog.GetChoice();
        EXPECT_EQ(c.keys[0], K::KEY_MODE);
        EXPECT_EQ(c.keys[1], K::KEY_NONE);
        EXPECT_EQ(c.keys[2], K::KEY_MODE);
        EXPECT_FALSE(c.ascending[0]);
        EXPECT_TRUE(c.ascending[1]);
        EXPECT_TRUE(c.bRemoveDuplicates);
        EXPECT_FALSE(c.bRemoveEmpty);
    }
    const CRegistry registry;
    EXPECT_EQ(registry.GetInt("Dialog 335 Control 1360", -1), 3);
    EXPECT_EQ(registry.GetInt("Dialog 335 Control 1079", -1), 1);
    EXPECT_EQ(registry.GetInt("Dialog 335 Control 1168", -1), 1);
    EXPECT_EQ(registry.GetInt("Dialog 335 Control 1203", -1), 0);

    D again(nullptr, "FT-817 Memories", true, true);
    EXPECT_EQ(again.GetKeyCombo(0)->currentText(), "Mode");
    EXPECT_TRUE(again.GetDirectionButton(0, true)->isChecked());
    EXPECT_TRUE(again.GetRemoveDuplicates()->isChecked());

    // The archive keeps its own.
    D archive(nullptr, "File Archive", false, false);
    EXPECT_EQ(archive.GetSettingsId(), 2147483983u);
    EXPECT_EQ(archive.GetKeyCombo(0)->currentText(), "Label");
    EXPECT_FALSE(archive.GetRemoveDuplicates()->isChecked());

    // Stored values out of range wrap round the lists.
    registry.WriteDialogInt(2147483983u, 1361, 7);
    registry.WriteDialogInt(2147483983u, 1080, 3);
    D wrapped(nullptr, "File Archive", false, false);
    EXPECT_EQ(wrapped.GetKeyCombo(1)->GetCurSel(), 2);
    EXPECT_TRUE(wrapped.GetDirectionButton(1, true)->isChecked());
}

TEST(MemorySortDialog, CompactionSetsTheSortControlsAside)
{
    const CRegistry registry;
    registry.WriteDialogInt(2147483983u, 1203, 1);
    D archive(nullptr, "File Archive", false, false);
    EXPECT_FALSE(archive.GetRemoveEmpty()->isEnabled());
    EXPECT_FALSE(archive.GetRemoveEmpty()->isChecked()) << "not allowed: forced off";
    archive.accept();
    EXPECT_FALSE(archive.GetChoice().bRemoveEmpty);

    D live(nullptr, "FT-817 Memories", true, true);
    live.GetRemoveEmpty()->click();
    EXPECT_FALSE(live.GetKeyCombo(0)->isEnabled());
    EXPECT_FALSE(live.GetDirectionButton(2, true)->isEnabled());
    EXPECT_FALSE(live.GetRemoveDuplicates()->isEnabled());
    live.accept();
    EXPECT_TRUE(live.GetChoice().bRemoveEmpty);
    EXPECT_EQ(registry.GetInt("Dialog 335 Control 1203", -1), 1);
    live.GetRemoveEmpty()->click();
    EXPECT_TRUE(live.GetKeyCombo(0)->isEnabled());
}
