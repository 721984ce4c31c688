// The Scan Memory window: its list model without a window, then the window
// on the simulator with the application's CAT link and memory list.
#include "ModalAnswers.h"
#include "ScanTestSupport.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/organisers/MemoryScanModel.h"
#include "corvane/organisers/ScanDefinitions.h"
#include "corvane/organisers/ScanMemoryDialog.h"
#include "corvane/organisers/ScanTitleDialog.h"
#include "shared/RegisteredEvent.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"

#include <QComboBox>
#include <QTest>

using namespace scantest;
using orgtest::ModalAnswers;

namespace {

CMemoryChannel* makeChannel(CMemoryChannelList& list, const QString& label, bool tagOn, bool used, bool hasFrequency,
                            bool skip)
{
    CMemoryChannel* c = list.Add(std::make_unique<CMemoryChannel>());
    c->SetTag(label);
    c->SetTagOn(tagOn);
    c->SetEmpty(used);
    c->SetHasFrequency(hasFrequency);
    c->SetSkipFlag(skip);
    return c;
}

uint16_t skipAddress(int channel)
{
    return uint16_t(0x484 + channel * 26 + 2);
}

} // namespace

TEST(MemoryScanModel, RowsNumbersAndIdentifiers)
{
    CMemoryChannelList list;
    makeChannel(list, QStringLiteral("ABC     "), true, true, true, false);  // 0
    makeChannel(list, QStringLiteral("HIDDEN"), false, true, true, true);    // 1: label not in use
    makeChannel(list, QString(), true, false, true, false);                  // 2: not in use
    makeChannel(list, QString(), true, true, false, false);                  // 3: no frequency
    while (list.GetCount() < 202)
        makeChannel(list, QString(), false, false, false, false);
    makeChannel(list, QString(), false, true, true, false);
    list.GetAt(200)->SetEmpty(true);
    list.GetAt(200)->SetHasFrequency(true);
    list.GetAt(201)->SetEmpty(true);
    list.GetAt(201)->SetHasFrequency(true);

    const QList<CMemoryScanRow> rows = CMemoryScanModel::BuildRows(list);
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(rows[0].strNumber, "1");
    EXPECT_EQ(rows[0].strLabel, "ABC");
    EXPECT_EQ(rows[0].Identifier(), "ABC     ");
    EXPECT_TRUE(rows[0].bChecked);
    EXPECT_EQ(rows[1].strLabel, "");
    EXPECT_EQ(rows[1].Identifier(), "CHAN#01#");
    EXPECT_FALSE(rows[1].bChecked);
    EXPECT_EQ(rows[2].strNumber, "M-PL");
    EXPECT_EQ(rows[2].Identifier(), "CHAN#C8#");
    EXPECT_EQ(rows[3].strNumber, "M-PU");
    EXPECT_EQ(rows[4].strNumber, "203");
    EXPECT_EQ(CMemoryScanModel::ChannelNumber(199), "200");
}

TEST(MemoryScanModel, DefinitionsPickRowsOnceEach)
{
    int found = 0;
    const QStringList rows{"SAME    ", "SAME    ", "CHAN#05#", "OTHER   "};
    EXPECT_EQ(CMemoryScanModel::MatchDefinition(rows, {"SAME    ", "CHAN#05#", "GONE    "}, found),
              QList<bool>({true, false, true, false}));
    EXPECT_EQ(found, 2);
    EXPECT_EQ(CMemoryScanModel::MatchDefinition(rows, {"same    "}, found), QList<bool>({false, false, false, false}));
    EXPECT_EQ(found, 0);

    using M = CMemoryScanModel;
    EXPECT_EQ(M::CheckChanged(true, false, true, 0), M::CHECK_IGNORE);
    EXPECT_EQ(M::CheckChanged(false, true, true, 3), M::CHECK_IGNORE);
    EXPECT_EQ(M::CheckChanged(false, false, true, 0), M::CHECK_REFUSE);
    EXPECT_EQ(M::CheckChanged(false, false, true, 1), M::CHECK_WRITE);
    EXPECT_EQ(M::CheckChanged(false, true, false, 1), M::CHECK_WRITE);
}

namespace {

class ScanMemoryWindow : public SimFixture {
protected:
    void open(const QStringList& pokes = {})
    {
        GetSettings().SetDefaults();
        testsupport::Simulator::Options o;
        o.pokes = pokes;
        start(o);
        app = std::make_unique<CRadioApp>();
        QString error;
        // The application's own link on the same radio: records write through it.
        link.reset();
        ASSERT_TRUE(app->GetCatLink().Open(sim->portPath(), QStringLiteral("38400"), error)) << error.toStdString();
        panel.link = &app->GetCatLink();
        dialog = std::make_unique<CScanMemoryDialog>(nullptr, nullptr, &app->GetCatLink(), &panel);
        dialog->show();
        newFrames();
    }
    void TearDown() override
    {
        dialog.reset();
        app.reset();
        SimFixture::TearDown();
    }
    int rowOf(int channel) const
    {
        for (int r = 0; r < dialog->List()->GetItemCount(); ++r)
            if (int(dialog->List()->GetItemData(r)) == channel)
                return r;
        return -1;
    }
    void scanning(bool on)
    {
        CRegisteredEvent event(RegisteredMessage::nMsgScanning, 7000000, intptr_t(on ? 0x80000005u : 5u));
        QCoreApplication::sendEvent(dialog.get(), &event);
    }

    std::unique_ptr<CRadioApp> app;
    std::unique_ptr<CScanMemoryDialog> dialog;
};

} // namespace

TEST_F(ScanMemoryWindow, ListsTheChannelsInUseWithTheirSkipFlags)
{
    open({QStringLiteral("005D=01")});
    EXPECT_EQ(dialog->windowTitle(), "Scan Memory");
    // Channel 3 skipped in the radio; the list reads the memories again.
    app->GetCatLink().SetEepromBit(skipAddress(3), 7, 1, QString());
    dialog->FillMemoryList();
    COwnListCtrl* list = dialog->List();
    QStringList headings;
    for (int c = 0; c < list->GetColumnCount(); ++c)
        headings << list->GetColumnHeading(c);
    EXPECT_EQ(headings, QStringList({"Scan", "Chn.", "Label", "Frequency", "Mode"}));
    QStringList numbers, labels;
    list->GetColumnTexts(numbers, 1);
    list->GetColumnTexts(labels, 2);
    EXPECT_EQ(numbers, QStringList({"1", "2", "3", "4", "5", "6", "7", "10"}));
    EXPECT_EQ(labels, QStringList({"PSK20", "QRP CW", "CALL 2M", "RPT R7", "UHF S", "", "DX SPLIT", "PSK30"}));
    EXPECT_EQ(list->GetItemText(rowOf(3), 2), "RPT R7");
    EXPECT_EQ(dialog->RowIdentifier(rowOf(3)), "RPT R7  ");
    EXPECT_EQ(dialog->RowIdentifier(rowOf(5)), "CHAN#05#");
    EXPECT_FALSE(list->GetCheck(rowOf(3)));
    EXPECT_TRUE(list->GetCheck(rowOf(0)));
    EXPECT_EQ(dialog->ResumeList()->GetSelectedData(), 1u);
    EXPECT_EQ(dialog->StartButton()->GetToolTipText(), "Start scanning");
    EXPECT_EQ(dialog->RefreshButton()->GetToolTipText(), "Refresh memory definitions");
}

TEST_F(ScanMemoryWindow, CheckBoxesAreTheRadiosSkipFlags)
{
    open();
    COwnListCtrl* list = dialog->List();
    const int row = rowOf(2);
    list->SetCheck(row, false);
    EXPECT_TRUE(byteAt(skipAddress(2)) & 0x80);
    EXPECT_EQ(dialog->windowTitle(), "Scan Memory");
    list->SetCheck(row, true);
    EXPECT_FALSE(byteAt(skipAddress(2)) & 0x80);

    // Down to one checked channel; it cannot be unchecked.
    for (int r = 1; r < list->GetItemCount(); ++r)
        list->SetCheck(r, false);
    EXPECT_EQ(dialog->CountChecked(), 1);
    newFrames();
    testsupport::prompter().clear();
    list->SetCheck(0, false);
    EXPECT_TRUE(list->GetCheck(0));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "You must select at least one memory definition.");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Scan Memory");
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_FALSE(byteAt(skipAddress(0)) & 0x80);
}

TEST_F(ScanMemoryWindow, StartScansTheCheckedChannelsAndEnterStops)
{
    open();
    COwnListCtrl* list = dialog->List();
    // Only channels 1 and 9 (rows "2" and "10") are scanned.
    for (int r = 0; r < list->GetItemCount(); ++r)
        if (int(list->GetItemData(r)) != 1 && int(list->GetItemData(r)) != 9)
            list->SetCheck(r, false);
    newFrames();
    dialog->OnOK();
    EXPECT_EQ(byteAt(0x44F), 0);
    EXPECT_EQ(byteAt(0x55) & 0x40, 0x40) << "memory mode";
    EXPECT_EQ(byteAt(0x79) & 0x60, 0x40);
    QSet<int> visited;
    for (int i = 0; i < 6; ++i) {
        uint32_t bytes = 0;
        uint8_t mode = 0;
        ASSERT_TRUE(app->GetCatLink().ReadFrequencyAndMode(bytes, mode));
        visited << byteAt(0x44F);
    }
    EXPECT_EQ(visited, QSet<int>({1, 9}));

    scanning(true);
    EXPECT_EQ(dialog->windowTitle(), "Scan Memory (Scanning)");
    EXPECT_EQ(dialog->GetStartBitmap(), 353);
    EXPECT_EQ(dialog->GetStopBitmap(), 219);
    EXPECT_FALSE(dialog->RefreshButton()->IsEnabled());
    dialog->OnOK();
    EXPECT_EQ(byteAt(0x79) & 0x60, 0);
    EXPECT_TRUE(dialog->isVisible());
    scanning(false);
    EXPECT_EQ(dialog->windowTitle(), "Scan Memory");
    EXPECT_TRUE(dialog->ManagerButton()->IsEnabled());
}

TEST_F(ScanMemoryWindow, NothingCheckedNothingStarts)
{
    open();
    // Every skip bit set behind the window's back, then a refresh.
    for (int r = 0; r < dialog->List()->GetItemCount(); ++r)
        app->GetCatLink().SetEepromBit(skipAddress(int(dialog->List()->GetItemData(r))), 7, 1, QString());
    dialog->FillMemoryList();
    EXPECT_EQ(dialog->CountChecked(), 0);
    newFrames();
    dialog->StartScan();
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "You must select at least one memory definition.");
    EXPECT_TRUE(newFrames().isEmpty());
}

TEST_F(ScanMemoryWindow, DefinitionsSaveAndLoadTheCheckedChannels)
{
    GetScanDefinitions().RemoveAll();
    open();
    COwnListCtrl* list = dialog->List();
    for (int r = 0; r < list->GetItemCount(); ++r)
        list->SetCheck(r, int(list->GetItemData(r)) == 3 || int(list->GetItemData(r)) == 5);
    ModalAnswers answers;
    answers.On<CScanTitleDialog>([](CScanTitleDialog& d) {
        d.TitleBox()->setEditText(QStringLiteral("Mine"));
        return true;
    });
    dialog->OnSave();
    ASSERT_EQ(GetScanDefinitions().GetCount(), 1);
    EXPECT_EQ(GetScanDefinitions().GetAt(0)->GetKind(), 1);
    EXPECT_EQ(GetScanDefinitions().GetAt(0)->GetMemories(), "RPT R7  CHAN#05#");
    EXPECT_EQ(dialog->GetTitle(), "Mine");

    // Loading a definition that names one known and one unknown channel:
    // exactly the known one stays checked, and the miss is reported.
    CScanDefinition d;
    d.SetKind(1);
    d.SetTitle(QStringLiteral("Other"));
    d.SetMemories(QStringLiteral("PSK20   NOWHERE "));
    testsupport::prompter().clear();
    dialog->LoadDefinition(d);
    EXPECT_EQ(dialog->CountChecked(), 1);
    EXPECT_TRUE(list->GetCheck(rowOf(0)));
    EXPECT_TRUE(byteAt(skipAddress(3)) & 0x80);
    EXPECT_FALSE(byteAt(skipAddress(0)) & 0x80);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "Some memory definitions were not found.");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Load Definition");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].style & 0xF0, platform::MB_ICONWARNING);
    EXPECT_EQ(dialog->GetTitle(), "Other");

    // A definition matching nothing: every row but the last checked one
    // goes; that one cannot (its refusal is shown too).
    d.SetMemories(QStringLiteral("NOWHERE "));
    testsupport::prompter().clear();
    dialog->LoadDefinition(d);
    EXPECT_EQ(dialog->CountChecked(), 1);
    EXPECT_TRUE(list->GetCheck(rowOf(0)));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 2);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "You must select at least one memory definition.");
    EXPECT_EQ(testsupport::prompter().m_boxes[1].text, "Some memory definitions were not found.");
    GetScanDefinitions().RemoveAll();
}
