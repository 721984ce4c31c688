// The FT-817 Manager when the radio does not keep a change: the operator is
// told, and the page shows what the radio holds rather than the change.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/memory/MenuManager.h"
#include "corvane/memory/MenuPages.h"
#include "shared/ui/BaseDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

using namespace memtest;

namespace {
QCheckBox* HfCheck(CMenuManager& sheet, CMenuAntenna** antenna)
{
    for (int i = 0; i < sheet.GetPageCount() && !*antenna; ++i)
        *antenna = qobject_cast<CMenuAntenna*>(sheet.GetPage(i));
    if (!*antenna)
        return nullptr;
    for (QCheckBox* box : (*antenna)->findChildren<QCheckBox*>())
        if (GetDlgCtrlID(box) == 1251)
            return box;
    return nullptr;
}

using MenuManagerUnconfirmed = MemoryRadio;
} // namespace

TEST_F(MenuManagerUnconfirmed, AChangeTheRadioDoesNotKeepIsReportedAndNotShownAsApplied)
{
    for (const bool sticks : {false, true}) {
        SCOPED_TRACE(sticks ? "radio keeps it" : "radio drops it");
        sim.reset();
        start(sticks ? QStringList() : QStringList{QStringLiteral("write-not-stick:addr=007A")});
        testsupport::prompter().clear();
        CMenuManager sheet;
        sheet.show();
        QApplication::processEvents();
        CMenuAntenna* antenna = nullptr;
        QCheckBox* hf = HfCheck(sheet, &antenna);
        ASSERT_TRUE(hf);
        const bool before = hf->isChecked();
        sheet.SetActivePage(antenna);
        hf->click();
        sheet.GetApplyButton()->click();
        EXPECT_EQ(hf->isChecked(), sticks ? !before : before);
        EXPECT_EQ((sim->eepromByte(0x7A) & 1) != 0, sticks ? before : !before);
        if (sticks) {
            EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
        } else {
            ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
            EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "FT-817 Manager");
            EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith("The FT-817 did not confirm every change."));
        }
    }
}
