// The Tags Manager and Tag Editor on real widgets, and the Macro Input
// dialog's rows and preview.
#include "ToolsFixture.h"

#include "platform/DataFolder.h"
#include "brevio/display/EditableListCtrl.h"
#include "brevio/tools/ColorEdit.h"
#include "brevio/tools/MacroInputDialog.h"
#include "brevio/tools/TagEditorDialog.h"
#include "brevio/tools/TagsBar.h"
#include "brevio/tools/TagsManagerDialog.h"
#include "shared/FontFactory.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnListCtrl.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>

namespace {

class TagsManagerTest : public testsupport::ToolsFixture {
protected:
    std::unique_ptr<CTagsManagerDialog> Open()
    {
        auto manager = std::make_unique<CTagsManagerDialog>(nullptr, Tags());
        manager->show();
        QCoreApplication::processEvents();
        return manager;
    }
    static int Row(CTagsManagerDialog& m, const QString& title)
    {
        for (int r = 0; r < m.List()->GetItemCount(); ++r)
            if (m.List()->GetItemText(r, 1) == title)
                return r;
        return -1;
    }
    static void Select(CTagsManagerDialog& m, std::initializer_list<QString> titles)
    {
        m.List()->DeselectAll();
        for (const QString& t : titles)
            m.List()->SelectItem(Row(m, t), true);
    }
};

TEST_F(TagsManagerTest, RowsCommentsImagesAndData)
{
    auto m = Open();
    COwnListCtrl* list = m->List();
    ASSERT_EQ(list->GetItemCount(), 18);
    EXPECT_EQ(list->GetItemText(0, 1), QStringLiteral("Callsign"));
    EXPECT_EQ(list->GetItemText(0, 2), QStringLiteral("call"));
    EXPECT_EQ(list->GetItemText(0, 3), QStringLiteral("Locked, cannot be edited"));
    EXPECT_EQ(list->GetItemImage(0), CTagsManagerDialog::ImageLocked);
    EXPECT_EQ(uint32_t(list->GetItemData(0)), CTagsManagerDialog::kLockedBit);
    EXPECT_EQ(list->GetItemText(9, 3), QStringLiteral("My station"));
    EXPECT_EQ(list->GetItemImage(9), CTagsManagerDialog::ImageOwn);
    EXPECT_EQ(uint32_t(list->GetItemData(9)), CTagsManagerDialog::kOwnBit);
    EXPECT_TRUE(list->GetCheck(9));
    EXPECT_EQ(m->windowTitle(), QStringLiteral("Tags Manager"));
}

TEST_F(TagsManagerTest, CopyingNameTwiceGivesNumberedCopies)
{
    auto m = Open();
    for (int i = 0; i < 2; ++i) {
        Next<CTagEditorDialog>([](CTagEditorDialog& e) { e.OnCancel(); });
        Select(*m, {QStringLiteral("My Name")});
        m->OnCommand(CTagsManagerDialog::ID_COPY);
    }
    EXPECT_NE(Row(*m, QStringLiteral("Copy of My Name")), -1);
    EXPECT_NE(Row(*m, QStringLiteral("Copy 2 of My Name")), -1);
    EXPECT_EQ(m_dialogTitles, QStringList({QStringLiteral("Tag Editor"), QStringLiteral("Tag Editor")}));
    const CTag* copy = m->WorkingStore().FindByTitle(QStringLiteral("Copy 2 of My Name"));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->m_bOwnStation);
    // A copy of a locked tag is locked: the editor refuses it.
    Select(*m, {QStringLiteral("Name")});
    m->OnCommand(CTagsManagerDialog::ID_COPY);
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, QStringLiteral("This tag is locked and cannot be edited."));
    EXPECT_EQ(m_dialogTitles.size(), 2);
    EXPECT_TRUE(m->WorkingStore().FindByTitle(QStringLiteral("Copy of Name"))->m_bLocked);
}

TEST_F(TagsManagerTest, EditorTitleChecksAreCaseSensitive)
{
    auto m = Open();
    bool refused = false;
    Next<CTagEditorDialog>([](CTagEditorDialog& e) {
        EXPECT_EQ(e.TitleEdit()->text(), QStringLiteral("My Rig"));
        e.OnOK(); // the same title: no "Title in Use"
    });
    Select(*m, {QStringLiteral("My Rig")});
    m->OnCommand(CTagsManagerDialog::ID_EDIT);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    Next<CTagEditorDialog>([&refused](CTagEditorDialog& e) {
        e.TitleEdit()->setText(QStringLiteral("Callsign"));
        e.OnOK();
        refused = e.result() == 0;
        e.TitleEdit()->setText(QStringLiteral("callsign"));
        e.LogbookEdit()->setText(QStringLiteral("my_rig"));
        e.OnOK();
    });
    Select(*m, {QStringLiteral("My Rig")});
    m->OnCommand(CTagsManagerDialog::ID_EDIT);
    EXPECT_TRUE(refused);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Title in Use"));
    const CTag* renamed = m->WorkingStore().FindByTitle(QStringLiteral("callsign"));
    ASSERT_NE(renamed, nullptr);
    EXPECT_EQ(renamed->m_strLogField, QStringLiteral("my_rig"));
    EXPECT_TRUE(renamed->m_bOwnStation);
}

TEST_F(TagsManagerTest, UntickedTagStaysUntickedThroughNew)
{
    auto m = Open();
    m->List()->SetCheck(Row(*m, QStringLiteral("My Temp")), false);
    EXPECT_TRUE(m->IsModified());
    Next<CTagEditorDialog>([](CTagEditorDialog& e) {
        EXPECT_TRUE(e.EnabledCheck()->isChecked());
        EXPECT_FALSE(e.IsOkEnabled());
        e.TitleEdit()->setText(QStringLiteral("Power"));
        e.LogbookEdit()->setText(QStringLiteral("tx_pwr"));
        e.OnOK();
    });
    m->OnCommand(CTagsManagerDialog::ID_NEW);
    EXPECT_FALSE(m->List()->GetCheck(Row(*m, QStringLiteral("My Temp"))));
    EXPECT_EQ(m->WorkingStore().FindByTitle(QStringLiteral("My Temp"))->m_bEnabled, 0);
    EXPECT_EQ(m->List()->GetItemText(Row(*m, QStringLiteral("Power")), 3), QStringLiteral("His information"));
    EXPECT_TRUE(m->List()->IsItemSelected(Row(*m, QStringLiteral("Power"))));
}

TEST_F(TagsManagerTest, DeletingALockedAndAnUnlockedTag)
{
    auto m = Open();
    testsupport::prompter().m_answers = {platform::IDYES};
    Select(*m, {QStringLiteral("QTH"), QStringLiteral("My Weather")});
    m->OnCommand(CTagsManagerDialog::ID_DELETE);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 2);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("Really delete the selected tags ?"));
    EXPECT_EQ(testsupport::prompter().m_boxes[1].text, QStringLiteral("Locked tags cannot be deleted."));
    EXPECT_NE(m->WorkingStore().FindByTitle(QStringLiteral("QTH")), nullptr);
    EXPECT_EQ(m->WorkingStore().FindByTitle(QStringLiteral("My Weather")), nullptr);
    EXPECT_EQ(m->List()->GetItemCount(), 17);
}

TEST_F(TagsManagerTest, MovedRowsReachTheStoreAndFileOnSave)
{
    auto m = Open();
    Select(*m, {QStringLiteral("My Power")});
    m->OnCommand(CTagsManagerDialog::ID_MOVE_UP);
    EXPECT_EQ(m->List()->GetItemText(16, 1), QStringLiteral("My Power"));
    EXPECT_TRUE(m->List()->IsItemSelected(16));
    m->Save();
    EXPECT_FALSE(m->IsModified());
    EXPECT_EQ(Tags().GetAt(16)->m_strTitle, QStringLiteral("My Power"));
    CTagStore back;
    back.Load(platform::dataFilePath(QStringLiteral("PSK31 Brevio Tags v2.txt")));
    EXPECT_EQ(back.GetAt(16)->m_strTitle, QStringLiteral("My Power"));
    EXPECT_EQ(back.GetAt(17)->m_strTitle, QStringLiteral("My Weather"));
}

TEST_F(TagsManagerTest, CancelAsksOnlyWithUnsavedChanges)
{
    auto m = Open();
    m->List()->SetCheck(Row(*m, QStringLiteral("My Rig")), false);
    m->Save();
    m->OnCancel();
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_FALSE(m->isVisible());
    EXPECT_EQ(Tags().FindByTitle(QStringLiteral("My Rig"))->m_bEnabled, 0);

    auto second = Open();
    second->List()->SetCheck(Row(*second, QStringLiteral("My Rig")), true);
    testsupport::prompter().m_answers = {platform::IDNO};
    second->OnCancel();
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, QStringLiteral("You have outstanding changes - really cancel ?"));
}

TEST_F(TagsManagerTest, OkFromTheMainFrameRefillsTheTagsBar)
{
    Next<CTagsManagerDialog>([](CTagsManagerDialog& m) {
        m.List()->SetCheck(1, false); // Name
        m.OnOK();
    });
    Frame()->OnCommand(33339);
    auto* bar = dynamic_cast<CTagsBar*>(Frame()->GetTagsBar());
    ASSERT_NE(bar, nullptr);
    QStringList titles, values;
    bar->GetTitlesAndValues(titles, values);
    EXPECT_FALSE(titles.contains(QStringLiteral("Name")));
    EXPECT_TRUE(titles.contains(QStringLiteral("QTH")));
}

TEST_F(TagsManagerTest, MacroInputRowsFollowTheChannelAndThePreviewFollowsTheValues)
{
    CurrentSettings().m_bTagsPerChannel = 1;
    Tags().SetValue(QStringLiteral("Name"), QStringLiteral("Ann"), 1);
    Tags().SetValue(QStringLiteral("Name"), QStringLiteral("Bob"), 12);
    Tags().SetValue(QStringLiteral("My Call"), QStringLiteral("x"), -1);
    Tags().SetValue(QStringLiteral("My Callsign"), QStringLiteral("QT9XVK"), -1);
    const QStringList names = {QStringLiteral("Name"), QStringLiteral("Rig"), QStringLiteral("My Callsign"),
                               QStringLiteral("name")};
    const QStringList lines = {QStringLiteral("hi <Name>, <Rig>"), QStringLiteral("de <My Callsign> [date]")};
    for (int channel : {1, 12}) {
        CMacroInputDialog d(nullptr, channel, QStringLiteral("Hello"), names, lines, true, false);
        d.show();
        QCoreApplication::processEvents();
        CEditableListCtrl* list = d.List();
        ASSERT_EQ(list->GetItemCount(), 3);
        EXPECT_EQ(list->GetItemText(0, 1), channel == 1 ? QStringLiteral("Ann") : QStringLiteral("Bob"));
        EXPECT_TRUE(list->GetItemText(1, 1).isEmpty());
        EXPECT_EQ(list->GetItemImage(1), CMacroInputDialog::ImageTag);
        EXPECT_EQ(list->GetItemImage(2), CMacroInputDialog::ImageOwn);
        EXPECT_EQ(d.Preview()->toPlainText(),
                  QStringLiteral("hi %1, <Rig>\nde QT9XVK [date]").arg(channel == 1 ? "Ann" : "Bob"));
        EXPECT_EQ(d.Preview()->font(), CFontFactory(&d).CreateCourier10());
        list->SetItemText(0, 1, QString());
        list->SetItemText(1, 1, QStringLiteral("FT-817"));
        d.UpdatePreview();
        EXPECT_EQ(d.Preview()->toPlainText(), QStringLiteral("hi <Name>, FT-817\nde QT9XVK [date]"));
        d.OnOK();
        EXPECT_EQ(d.GetValues(), QStringList({QString(), QStringLiteral("FT-817"), QStringLiteral("QT9XVK"), QString()}));
    }
}

} // namespace
