// The Scan Band window on a real widget over the simulator, which scans up
// a step each time its frequency is read; a front-panel stand-in gives what
// the window reads of the panel.
#include "ModalAnswers.h"
#include "ScanTestSupport.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/organisers/ScanBandDialog.h"
#include "corvane/organisers/ScanDefinitions.h"
#include "corvane/organisers/ScanGraph.h"
#include "corvane/organisers/ScanTitleDialog.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/buttons/ButtonStyles.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnComboBox.h"

#include <QComboBox>
#include <QTest>

using namespace scantest;
using orgtest::ModalAnswers;

namespace {

QStringList items(const QComboBox* box)
{
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

class ScanBandWindow : public SimFixture {
protected:
    void open(int sMeter = -1, const QStringList& pokes = {})
    {
        GetSettings().SetDefaults();
        testsupport::Simulator::Options o;
        o.sMeter = sMeter;
        o.pokes = pokes;
        start(o);
        // The waits of the EEPROM writes are real here: the window's timers run.
        platform::Sleeper::setInstance(nullptr);
        dialog = std::make_unique<CScanBandDialog>(nullptr, nullptr, link.get(), &panel);
        dialog->show();
        CScanGraph::SetTuner([this](uint32_t hz) { panel.SetFrequency(hz); });
    }
    void TearDown() override
    {
        CScanGraph::SetTuner(nullptr);
        dialog.reset();
        SimFixture::TearDown();
    }
    void setRange(uint32_t from, uint32_t to)
    {
        dialog->FromEdit()->SetFrequency(from);
        dialog->ToEdit()->SetFrequency(to);
    }
    // What a poll of the front panel would show now.
    void poll()
    {
        ++panel.polls;
        panel.scanning = (byteAt(0x79) & 0x60) != 0;
        panel.fst = !(byteAt(0x57) & 0x80);
    }
    void post(uint32_t message, uintptr_t wParam = 0, intptr_t lParam = 0)
    {
        CRegisteredEvent event(message, wParam, lParam);
        QCoreApplication::sendEvent(dialog.get(), &event);
    }

    std::unique_ptr<CScanBandDialog> dialog;
};

} // namespace

TEST_F(ScanBandWindow, OpensWithTheRememberedRangeAndTheRadiosSettings)
{
    GetRegistry().WriteDialogInt(354, 1126, 7000000);
    GetRegistry().WriteDialogInt(354, 1131, 7040000);
    panel.mode = 0x02;
    open(-1, {QStringLiteral("005D=02")});
    EXPECT_EQ(dialog->windowTitle(), "Scan Band");
    EXPECT_FALSE(dialog->HasSizeGrip());
    EXPECT_EQ(dialog->FromEdit()->GetFrequency(), 7000000u);
    EXPECT_EQ(dialog->ToEdit()->GetFrequency(), 7040000u);
    EXPECT_EQ(dialog->FromEdit()->GetMultiplier(), 1000);
    EXPECT_EQ(items(dialog->ResumeList()), QStringList({"0ff", "3 secs", "5 secs", "10 secs"}));
    EXPECT_EQ(items(dialog->ModeList()), QStringList({"LSB", "USB", "CW", "CWR", "AM", "FM", "WFM", "DIG", "PKT"}));
    EXPECT_EQ(dialog->ResumeList()->GetSelectedData(), 2u);
    EXPECT_EQ(dialog->ModeList()->currentText(), "CW");
    EXPECT_EQ(dialog->StartButton()->GetToolTipText(), "Start scanning");
    EXPECT_EQ(dialog->GetStopBitmap(), 354);
    EXPECT_EQ(dialog->Graph()->GetLow(), 7000000u);
    EXPECT_EQ(dialog->Graph()->GetHigh(), 7040000u);
    EXPECT_TRUE(dialog->Graph()->Scale().bHasScale);
}

TEST_F(ScanBandWindow, EnterStartsAScanThatPlotsCyclesAndStops)
{
    open(-1);
    newFrames();
    setRange(7030000, 7000000);
    dialog->ModeList()->SelectByData(2);
    dialog->OnOK();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(GetRegistry().GetDialogInt(354, 1126, 0), 7000000);
    EXPECT_EQ(GetRegistry().GetDialogInt(354, 1131, 0), 7030000);
    EXPECT_EQ(dialog->windowTitle(), "Starting scan...");
    EXPECT_EQ(byteAt(0x79) & 0x60, 0x40);
    EXPECT_TRUE(dialog->IsReadTimerActive());

    // The panel's next poll sees the radio scanning.
    poll();
    QTRY_COMPARE_WITH_TIMEOUT(dialog->windowTitle(), QStringLiteral("Scan Band (Scanning)"), 2000);
    EXPECT_EQ(dialog->GetStopBitmap(), 219);
    EXPECT_FALSE(dialog->FromEdit()->isEnabled());
    EXPECT_FALSE(dialog->ModeList()->isEnabled());

    // The read rounds plot the radio's sweep and send it back at the top.
    CScanGraph* graph = dialog->Graph();
    QTRY_VERIFY_WITH_TIMEOUT(panel.tuned.contains(7000000u) && graph->GetReadingCount() > 35, 8000);
    EXPECT_GE(graph->GetFrequencyAt(0), 7000000u);
    for (int i = 0; i < graph->GetReadingCount(); ++i) {
        EXPECT_GE(graph->GetFrequencyAt(i), 7000000u);
        EXPECT_LE(graph->GetFrequencyAt(i), 7030000u);
    }

    // Enter while scanning stops (scan bits and PMS off); the window stays.
    dialog->OnOK();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_FALSE(dialog->IsReadTimerActive());
    EXPECT_EQ(byteAt(0x79) & 0x60, 0);
    poll();
    QTRY_COMPARE_WITH_TIMEOUT(dialog->windowTitle(), QStringLiteral("Scan Band"), 2000);
    EXPECT_TRUE(dialog->FromEdit()->isEnabled());
    EXPECT_EQ(dialog->GetStopBitmap(), 354);
}

TEST_F(ScanBandWindow, RefusesBadRangesWithoutTouchingTheRadio)
{
    open(-1);
    newFrames();
    setRange(7000000, 7000000);
    dialog->StartScan();
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "The frequencies cannot be the same.");
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Scan Band");
    setRange(7000000, 145000000);
    dialog->StartScan();
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 2);
    EXPECT_EQ(testsupport::prompter().m_boxes[1].caption, "Different Ranges");
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_FALSE(dialog->Scanner().IsPlotting());
}

TEST_F(ScanBandWindow, AStartWhileTheRadioScansOnlyWritesTheResumeSetting)
{
    open(-1);
    dialog->UpdateScanState(1);
    EXPECT_EQ(dialog->windowTitle(), "Scan Band (Scanning)");
    newFrames();
    const uint8_t resume = byteAt(0x5D), next = byteAt(0x5E);
    dialog->ResumeList()->SelectByData(3);
    dialog->StartScan();
    EXPECT_EQ(hexTexts(newFrames()), hexTexts(maskedWrite(0x5D, resume, next, 0x03, 0x03)));
    EXPECT_FALSE(dialog->Scanner().IsPlotting());
}

TEST_F(ScanBandWindow, WfmStartsInTheRadiosOwnMode)
{
    open(-1);
    newFrames();
    setRange(7000000, 7100000);
    dialog->ModeList()->SelectByData(6);
    dialog->StartScan();
    for (const QString& f : hexTexts(newFrames()))
        EXPECT_FALSE(f.endsWith("07")) << f.toStdString();
    EXPECT_TRUE(dialog->Scanner().IsPlotting());
}

TEST_F(ScanBandWindow, AClickInTheGraphStopsTheScanAndTunesThere)
{
    open(-1);
    setRange(7000000, 7100000);
    dialog->StartScan();
    poll();
    QTRY_COMPARE_WITH_TIMEOUT(dialog->Scanner().GetRadioScanning(), 1, 2000);
    CScanGraph* graph = dialog->Graph();
    const CScanGraphScale& s = graph->Scale();
    const int x = s.L + 1 + s.W / 2;
    QTest::mouseClick(graph, Qt::LeftButton, {}, QPoint(x, (s.T + s.B) / 2));
    QTRY_VERIFY_WITH_TIMEOUT(!dialog->Scanner().IsPlotting(), 2000);
    EXPECT_EQ(byteAt(0x79) & 0x60, 0);
    uint32_t expected = 0;
    ASSERT_TRUE(s.ClickFrequency(x, (s.T + s.B) / 2, expected));
    EXPECT_EQ(panel.tuned.last(), expected);
}

TEST_F(ScanBandWindow, ALoadedDefinitionRestartsARunningScanOverItsRange)
{
    open(-1);
    CScanDefinition d;
    d.SetTitle(QStringLiteral("20m CW"));
    d.SetFrom(14000000);
    d.SetTo(14070000);
    d.SetMode(2);
    // Not scanning: the window only shows the definition.
    newFrames();
    dialog->LoadDefinition(d);
    EXPECT_TRUE(newFrames().isEmpty());
    EXPECT_EQ(dialog->GetTitle(), "20m CW");
    EXPECT_EQ(dialog->FromEdit()->GetFrequency(), 14000000u);
    EXPECT_EQ(dialog->ToEdit()->GetFrequency(), 14070000u);
    EXPECT_EQ(dialog->ModeList()->currentText(), "CW");

    // Scanning: stopped, then started again over 21.000-21.070 in CW.
    link->StartScanningUp();
    poll();
    panel.frequency = 7050000;
    d.SetFrom(21000000);
    d.SetTo(21070000);
    newFrames();
    const QStringList stop = hexTexts(maskedWrite(0x79, byteAt(0x79), byteAt(0x7A), 0x60, 0x00));
    dialog->LoadDefinition(d);
    const QStringList frames = hexTexts(newFrames());
    ASSERT_GE(frames.size(), 5);
    EXPECT_EQ(frames.mid(0, 5), stop) << "the running scan is stopped first";
    EXPECT_TRUE(frames.contains("02 10 00 00 01"));
    EXPECT_TRUE(frames.contains("02 00 00 00 07"));
    EXPECT_EQ(byteAt(0x79) & 0x60, 0x40);
    EXPECT_EQ(dialog->Scanner().GetLow(), 21000000u);
    EXPECT_EQ(dialog->Graph()->GetLow(), 21000000u);
}

TEST_F(ScanBandWindow, SaveFstAndIdle)
{
    GetScanDefinitions().RemoveAll();
    open(-1);
    setRange(3500000, 3600000);
    dialog->ModeList()->SelectByData(1);
    ModalAnswers answers;
    QStringList offered;
    QString typed = QStringLiteral("  ");
    answers.On<CScanTitleDialog>([&](CScanTitleDialog& d) {
        offered.clear();
        for (int i = 0; i < d.TitleBox()->count(); ++i)
            offered << d.TitleBox()->itemText(i);
        d.TitleBox()->setEditText(typed);
        return true;
    });
    // Saved without a title: refused, nothing stored.
    CScanDefinitions before;
    before.Load();
    dialog->OnSave();
    EXPECT_EQ(GetScanDefinitions().GetCount(), 0);
    CScanDefinitions after;
    after.Load();
    EXPECT_EQ(after.GetCount(), before.GetCount());
    EXPECT_TRUE(dialog->GetTitle().isEmpty());
    typed = QStringLiteral(" 80m ");
    dialog->OnSave();
    EXPECT_EQ(offered, QStringList({""}));
    ASSERT_EQ(GetScanDefinitions().GetCount(), 1);
    const CScanDefinition* d = GetScanDefinitions().GetAt(0);
    EXPECT_EQ(d->GetTitle(), "80m");
    EXPECT_EQ(d->GetFrom(), 3500000u);
    EXPECT_EQ(d->GetTo(), 3600000u);
    EXPECT_EQ(d->GetMode(), 1);
    EXPECT_EQ(dialog->GetTitle(), "80m");
    CScanDefinitions back;
    back.Load();
    EXPECT_EQ(back.GetCount(), 1);
    GetScanDefinitions().RemoveAll();

    // FST: the button's state goes to the radio, and the idle tick mirrors it.
    EXPECT_TRUE(byteAt(0x57) & 0x80);
    QTest::mouseClick(dialog->FstButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog->FstButton()->IsToggledOn());
    EXPECT_FALSE(byteAt(0x57) & 0x80);
    panel.fst = false;
    post(RegisteredMessage::nMsgIdle);
    EXPECT_FALSE(dialog->FstButton()->IsToggledOn());
}
