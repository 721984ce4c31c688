// Undo and redo of tuning on the simulator, the receive-range checks with
// their messages, and the quick-save slots in the registry.
#include "CatLinkTestSupport.h"

#include "corvane/core/DisplayViewHooks.h"
#include "corvane/core/FrequencyHistory.h"
#include "corvane/core/FrequencyRangeCheck.h"
#include "corvane/core/FrequencyText.h"
#include "corvane/core/QuickSave.h"
#include "corvane/core/ReceiverCoverage.h"
#include "corvane/core/Settings.h"
#include "shared/Registry.h"
#include "shared/edit/FrequencyEdit.h"
#include "support/ScriptedPrompter.h"

using cattest::hex;

namespace {

// The front panel as these classes see it: the state of the last poll, here
// read from the radio on demand.
class PanelOnRadio : public CDisplayViewHooks {
public:
    explicit PanelOnRadio(CCatLink& link) : m_link(link) {}
    bool IsMemoryMode() const override { return false; }
    bool IsMemoryTune() const override { return false; }
    bool IsVfoA() const override { return true; }
    int GetMemoryChannel() const override { return kNoChannel; }
    uint32_t GetFrequency() const override { return m_frequency; }
    uint8_t GetMode() const override { return m_mode; }
    void SetFrequencyAndMode(uint32_t f, uint8_t mode, int flag) override
    {
        calls << QStringLiteral("%1 %2 %3").arg(f).arg(mode).arg(flag);
    }
    void Poll()
    {
        uint32_t bytes = 0;
        m_link.ReadFrequencyAndMode(bytes, m_mode);
        m_frequency = CFrequencyText::FromCatBytes(bytes);
    }
    QStringList calls;

private:
    CCatLink& m_link;
    uint32_t m_frequency = 0;
    uint8_t m_mode = 0;
};

class History : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::Sleeper::setInstance(&sleeper);
        sim = std::make_unique<testsupport::Simulator>();
        ASSERT_TRUE(sim->isRunning());
        app = std::make_unique<CRadioApp>();
        QString error;
        ASSERT_TRUE(app->GetCatLink().Open(sim->portPath(), "38400", error));
        panel = std::make_unique<PanelOnRadio>(app->GetCatLink());
    }
    void TearDown() override
    {
        panel.reset();
        app.reset();
        platform::Sleeper::setInstance(nullptr);
    }
    // A tuning change as the front panel makes it: the state left goes on
    // the undo list first.
    void Tune(uint32_t hz, uint8_t mode)
    {
        panel->Poll();
        history.PushUndo(int(panel->GetFrequency()), panel->GetMode());
        history.ClearRedo();
        app->GetCatLink().SetFrequencyInMode(hz, mode);
        panel->Poll();
    }

    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
    std::unique_ptr<PanelOnRadio> panel;
    CFrequencyHistory history;
};

} // namespace

TEST_F(History, UndoTwiceThenRedoOnTheRadio)
{
    Tune(7030000, CCatLink::MODE_CW);
    Tune(7040000, CCatLink::MODE_CW);
    Tune(14070000, CCatLink::MODE_USB);
    EXPECT_EQ(panel->GetFrequency(), 14070000u);

    history.Undo(*panel);
    panel->Poll();
    EXPECT_EQ(panel->GetFrequency(), 7040000u);
    history.Undo(*panel);
    panel->Poll();
    EXPECT_EQ(panel->GetFrequency(), 7030000u);
    EXPECT_EQ(panel->GetMode(), CCatLink::MODE_CW);
    history.Redo(*panel);
    panel->Poll();
    EXPECT_EQ(panel->GetFrequency(), 7040000u);
    EXPECT_TRUE(history.CanUndo());
    EXPECT_TRUE(history.CanRedo());
}

TEST_F(History, EmptyUndoSendsNothingAndRepeatsAreKeptOnce)
{
    const int before = int(sim->frames().size());
    history.Undo(*panel);
    history.Redo(*panel);
    EXPECT_EQ(sim->frames().size(), before);

    history.PushUndo(7030000, 2);
    history.PushUndo(7030000, 2);
    EXPECT_EQ(history.GetUndoList().GetCount(), 1);
    history.PushUndo(7030000, 3);
    EXPECT_EQ(history.GetUndoList().GetCount(), 2);
}

TEST(RangeCheck, RangesAndTheirMessages)
{
    EXPECT_EQ(CFrequencyRangeCheck::FindRange(56000000), 1) << "the high edge is inclusive";
    EXPECT_EQ(CFrequencyRangeCheck::FindRange(33000000), 0) << "overlaps count for the lower index";
    EXPECT_EQ(CFrequencyRangeCheck::FindRange(60000000), -1);
    EXPECT_EQ(CFrequencyRangeCheck::FindRange(435000000), 5);

    // As the dialogs set their frequency fields up.
    auto prepare = [](CFrequencyEdit& e) {
        e.SetPromptChar(QLatin1Char('_'));
        e.SetMask(QStringLiteral("###\\.###\\.##"));
    };
    CFrequencyEdit edit;
    prepare(edit);
    edit.SetFrequency(60000000);
    CFrequencyRangeCheck check;
    EXPECT_FALSE(check.CheckRx(nullptr, edit));
    EXPECT_FALSE(check.CheckTx(nullptr, edit));
    const auto& boxes = testsupport::prompter().m_boxes;
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[0].caption, "Rx Frequency Out of Range");
    EXPECT_EQ(boxes[0].text, "The value " + edit.text() +
                                 " is out of range.\n \nTo define valid Rx frequency ranges, select Program "
                                 "Options (F8).");
    EXPECT_EQ(boxes[0].style & 0xF0, platform::MB_ICONERROR);
    EXPECT_EQ(boxes[1].caption, "Tx Frequency Out of Range");
    EXPECT_EQ(check.GetRange(), -1);

    edit.SetFrequency(145000000);
    EXPECT_FALSE(check.CheckRxInRange(nullptr, edit, 5));
    ASSERT_EQ(boxes.size(), 3);
    EXPECT_EQ(boxes[2].text, "The range will be set to '2 m' instead of '70 cms'.");
    EXPECT_EQ(boxes[2].caption, "Invalid Range");
    EXPECT_EQ(boxes[2].style & 0xF0, platform::MB_ICONWARNING);
    EXPECT_EQ(check.GetRange(), 4);
    EXPECT_TRUE(check.CheckRxInRange(nullptr, edit, 4));
    EXPECT_TRUE(check.CheckRxInRange(nullptr, edit, -1));

    CFrequencyEdit other;
    prepare(other);
    other.SetFrequency(7050000);
    EXPECT_FALSE(check.CheckSameRange(nullptr, edit, other));
    ASSERT_EQ(boxes.size(), 4);
    EXPECT_EQ(boxes[3].caption, "Different Ranges");
    EXPECT_EQ(boxes[3].text, "The values are valid, but not in the same range.\n \nTo define frequency ranges, "
                             "select Program Options (F8).");
    other.SetFrequency(144500000);
    EXPECT_TRUE(check.CheckSameRange(nullptr, edit, other));
}

// Ranges widened in the options past what the radio receives let nothing
// through that the radio would ignore: the message names its limits.
TEST(RangeCheck, AFrequencyTheRadioCannotReceiveIsRefusedWhateverTheRanges)
{
    EXPECT_EQ(CReceiverCoverage::LimitsText(), "0.1-56, 76-154 and 420-470 MHz");
    const struct {
        uint32_t hz;
        bool received;
    } edges[] = {{99990, false}, {100000, true},    {56000000, true},  {56000010, false}, {75999990, false},
                 {76000000, true}, {154000000, true}, {154000010, false}, {419999990, false}, {420000000, true},
                 {470000000, true}, {470000010, false}, {999000000, false}};
    for (const auto& e : edges)
        EXPECT_EQ(CReceiverCoverage::Contains(e.hz), e.received) << e.hz;
    EXPECT_TRUE(CReceiverCoverage::ContainsRange(420000000, 470000000));
    EXPECT_FALSE(CReceiverCoverage::ContainsRange(50000000, 80000000)) << "across the gap above 56 MHz";
    EXPECT_FALSE(CReceiverCoverage::ContainsRange(470000000, 420000000));

    CSettings& settings = GetSettings();
    const CSettings saved = settings;
    settings.m_nFreqRanges[1] = 33000000;
    settings.m_nFreqRanges[7] = 76000000;   // 6 m over the gap
    settings.m_nFreqRanges[11] = 999000000; // 70 cms up to 999 MHz
    CFrequencyEdit edit;
    edit.SetPromptChar(QLatin1Char('_'));
    edit.SetMask(QStringLiteral("###\\.###\\.##"));
    CFrequencyRangeCheck check;
    auto& boxes = testsupport::prompter().m_boxes;
    for (uint32_t hz : {600000000u, 60000000u}) {
        boxes.clear();
        edit.SetFrequency(hz);
        edit.Validate();
        EXPECT_FALSE(check.CheckRx(nullptr, edit)) << hz;
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0].text, QStringLiteral("The FT-817 cannot receive %1 MHz.\n \nIt receives 0.1-56, 76-154 and "
                                                "420-470 MHz.")
                                     .arg(CFrequencyRangeCheck::ValueText(edit)));
        EXPECT_EQ(boxes[0].caption, "Rx Frequency Out of Range");
        EXPECT_EQ(boxes[0].style & 0xF0, platform::MB_ICONERROR);
    }
    boxes.clear();
    edit.SetFrequency(435000000);
    EXPECT_TRUE(check.CheckRx(nullptr, edit));
    EXPECT_TRUE(boxes.isEmpty());
    settings = saved;
}

TEST(RangeCheck, MessagesQuoteTheValueNotTheMask)
{
    // A place left empty shows the prompt character on screen; the message
    // names only the value.
    CFrequencyEdit edit;
    edit.SetPromptChar(QLatin1Char('_'));
    edit.SetMask(QStringLiteral("###\\.### MHz"));
    edit.SetInputText(QStringLiteral("_14000"), 0, true);
    ASSERT_EQ(edit.text(), "_14.000 MHz");
    EXPECT_EQ(CFrequencyRangeCheck::ValueText(edit), "14.000 MHz");
    // Zeros are hidden behind the prompt: the value is still 0, and a
    // leading point reads as "0.".
    const struct {
        const char* input;
        const char* value;
    } zeros[] = {{"______", "0"}, {"000000", "0"}, {"__0500", "0.500 MHz"}};
    CFrequencyEdit zero;
    zero.SetPromptChar(QLatin1Char('_'));
    zero.SetMask(QStringLiteral("###\\.### MHz"));
    for (const auto& z : zeros) {
        zero.SetInputText(QString::fromLatin1(z.input), 0, true);
        zero.Validate();
        EXPECT_EQ(CFrequencyRangeCheck::ValueText(zero), z.value) << z.input << " shown as " << zero.text().toStdString();
    }
    // The operator's case: an HF range left inverted, 50 to 33 MHz.
    CSettings& settings = GetSettings();
    const int low = settings.m_nFreqRanges[0];
    settings.m_nFreqRanges[0] = 50000000;
    CFrequencyRangeCheck check;
    testsupport::prompter().m_boxes.clear();
    EXPECT_FALSE(check.CheckRx(nullptr, edit));
    settings.m_nFreqRanges[0] = low;
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith("The value 14.000 MHz is out of range."))
        << testsupport::prompter().m_boxes[0].text.toStdString();
}

TEST(QuickSave, SlotsLiveInTheRegistryAndRecallThroughThePanel)
{
    CRadioApp app;
    int refills = 0;
    CRadioApp::GetServices().quickSaveChanged = [&] { ++refills; };
    for (int i = 0; i < CRadioApp::kQuickSaveSlots; ++i) {
        app.GetQuickSave(i).SetIndex(i);
        app.GetQuickSave(i).Load();
        EXPECT_FALSE(app.GetQuickSave(i).IsSet()) << i;
    }
    app.GetQuickSave(0).Save(7030000, 0x02);
    EXPECT_EQ(refills, 1) << "the navigator shows the slot at once";
    const CRegistry registry;
    EXPECT_EQ(registry.GetInt("CQuickSave::0 m_nFrequency", -1), 7030000);
    EXPECT_EQ(registry.GetInt("CQuickSave::0 m_bMode", -1), 2);

    // A new run finds it again, and recalling goes through the front panel.
    CQuickSave slot;
    slot.SetIndex(0);
    slot.Load();
    EXPECT_TRUE(slot.IsSet());
    cattest::RecordingLog unused;
    struct Panel : CDisplayViewHooks {
        bool IsMemoryMode() const override { return false; }
        bool IsMemoryTune() const override { return false; }
        bool IsVfoA() const override { return true; }
        int GetMemoryChannel() const override { return kNoChannel; }
        uint32_t GetFrequency() const override { return 14070000; }
        uint8_t GetMode() const override { return 0x01; }
        void SetFrequencyAndMode(uint32_t f, uint8_t m, int flag) override { calls << QStringLiteral("%1 %2 %3").arg(f).arg(m).arg(flag); }
        QStringList calls;
    } panel;
    app.SetDisplayView(&panel);
    slot.Recall();
    EXPECT_EQ(panel.calls, QStringList({"7030000 2 1"}));
    app.GetQuickSave(1).SetIndex(1);
    app.GetQuickSave(1).Store();
    EXPECT_EQ(registry.GetInt("CQuickSave::1 m_nFrequency", -1), 14070000);

    // Clearing writes zero to every value.
    for (int i = 0; i < CRadioApp::kQuickSaveSlots; ++i)
        app.GetQuickSave(i).Save(0, 0);
    for (int i = 0; i < CRadioApp::kQuickSaveSlots; ++i) {
        EXPECT_EQ(registry.GetInt(QStringLiteral("CQuickSave::%1 m_nFrequency").arg(i), -1), 0);
        EXPECT_EQ(registry.GetInt(QStringLiteral("CQuickSave::%1 m_bMode").arg(i), -1), 0);
    }
    app.SetDisplayView(nullptr);
    CRadioApp::GetServices() = {};
}
