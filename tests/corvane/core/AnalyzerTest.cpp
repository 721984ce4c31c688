// The VFO and memory record analyser against the simulator's EEPROM.
#include "CatLinkTestSupport.h"

#include "corvane/core/MemoryRecordText.h"
#include "corvane/core/VfoMemoryAnalyzerDialog.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QLineEdit>

namespace {
class Analyzer : public ::testing::Test {
protected:
    void start(const QStringList& pokes = {})
    {
        platform::Sleeper::setInstance(&sleeper);
        testsupport::Simulator::Options o;
        o.pokes = pokes;
        sim = std::make_unique<testsupport::Simulator>(o);
        ASSERT_TRUE(sim->isRunning());
        app = std::make_unique<CRadioApp>();
        QString error;
        ASSERT_TRUE(app->GetCatLink().Open(sim->portPath(), "38400", error));
    }
    void TearDown() override
    {
        app.reset();
        platform::Sleeper::setInstance(nullptr);
    }
    static QMap<QString, QString> values(const COwnListCtrl* list)
    {
        QMap<QString, QString> map;
        for (int i = 0; i < list->GetItemCount(); ++i)
            map.insert(list->GetItemText(i, 0), list->GetItemText(i, 1));
        return map;
    }
    platform::FakeSleeper sleeper;
    std::unique_ptr<testsupport::Simulator> sim;
    std::unique_ptr<CRadioApp> app;
};
} // namespace

TEST(AnalyzerAddresses, RecordsByKindAndNumber)
{
    using D = CVfoMemoryAnalyzerDialog;
    EXPECT_EQ(D::RecordAddress(D::SEL_VFO_A, 1), 0x007Du);
    EXPECT_EQ(D::RecordAddress(D::SEL_VFO_B, 1), 0x0203u);
    EXPECT_EQ(D::RecordAddress(D::SEL_MEMORY, 1), 0x0484u);
    EXPECT_EQ(D::RecordAddress(D::SEL_MEMORY, 202), 0x0484u + 201 * 26);
    EXPECT_EQ(D::RecordAddress(D::SEL_VFO_A, 0), 0x007Du - 26) << "0 gives the record before the first";
    EXPECT_EQ(D::RecordLabel(D::SEL_VFO_B, "12"), "VFO-B #12");
}

TEST_F(Analyzer, ListsFourteenVfoFieldsAndEighteenMemoryFields)
{
    start();
    CVfoMemoryAnalyzerDialog dialog;
    dialog.show();
    EXPECT_EQ(dialog.GetStatusText(), "VFO-A #1: Base address: 007D (hex)");
    COwnListCtrl* list = dialog.GetList();
    EXPECT_EQ(list->GetItemCount(), 14);
    EXPECT_EQ(list->GetColumnCount(), 5);
    // Sorted by description.
    QStringList descriptions;
    list->GetColumnTexts(descriptions, 0);
    QStringList sorted = descriptions;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    EXPECT_EQ(descriptions, sorted);
    EXPECT_FALSE(descriptions.contains("Label"));
    EXPECT_FALSE(descriptions.contains("Tx frequency"));

    dialog.SetSelection(CVfoMemoryAnalyzerDialog::SEL_VFO_B);
    EXPECT_EQ(dialog.GetStatusText(), "VFO-B #1: Base address: 0203 (hex)");

    // Memory 7 is the simulator's split channel: a TX frequency, no offset.
    dialog.GetNumberEdit(CVfoMemoryAnalyzerDialog::SEL_MEMORY)->setText("7");
    dialog.SetSelection(CVfoMemoryAnalyzerDialog::SEL_MEMORY);
    EXPECT_EQ(dialog.GetStatusText(), "Memory #7: Base address: 0520 (hex)");
    EXPECT_EQ(list->GetItemCount(), 18);
    QMap<QString, QString> v = values(list);
    EXPECT_EQ(v["Repeater mode"], "Split");
    EXPECT_EQ(v["Tx frequency"], "14.225.000");
    EXPECT_EQ(v["Repeater offset"], "");
    EXPECT_EQ(v["Rx frequency"], "14.195.000");
    EXPECT_EQ(v["Label"], "DX SPLIT");
    EXPECT_EQ(v["Mode"], "USB");

    // Memory 4 is a repeater channel: an offset, no TX frequency.
    dialog.GetNumberEdit(CVfoMemoryAnalyzerDialog::SEL_MEMORY)->setText("4");
    v = values(list);
    EXPECT_EQ(v["Repeater mode"], "Minus");
    EXPECT_EQ(v["Tx frequency"], "");
    EXPECT_FALSE(v["Repeater offset"].isEmpty());
    // Offsets and bit ranges as the list shows them.
    for (int i = 0; i < list->GetItemCount(); ++i) {
        if (list->GetItemText(i, 0) == "Label") {
            EXPECT_EQ(list->GetItemText(i, 2), "12");
            EXPECT_EQ(list->GetItemText(i, 3), "0-63");
        }
        if (list->GetItemText(i, 0) == "Rx frequency")
            EXPECT_EQ(list->GetItemText(i, 2), "0A");
    }
}

TEST_F(Analyzer, ARecordBeyondTheEepromIsRefusedBeforeAnythingIsSent)
{
    using D = CVfoMemoryAnalyzerDialog;
    EXPECT_TRUE(D::IsInEeprom(D::SEL_MEMORY, 202));
    EXPECT_TRUE(D::IsInEeprom(D::SEL_VFO_A, 0)) << "the record before the first still lies inside";
    EXPECT_FALSE(D::IsInEeprom(D::SEL_MEMORY, 999));
    EXPECT_FALSE(D::IsInEeprom(D::SEL_MEMORY, -100)) << "before the start of the EEPROM";

    start();
    D dialog;
    dialog.show();
    dialog.SetSelection(D::SEL_MEMORY);
    const int before = int(sim->frames().size());
    dialog.GetNumberEdit(D::SEL_MEMORY)->setText("999");
    EXPECT_EQ(dialog.GetStatusText(), "Memory #999: Base address: 69E0 (hex) lies outside the EEPROM (0000 to 1927)");
    EXPECT_EQ(dialog.GetList()->GetItemCount(), 0) << "no record is made up";
    EXPECT_EQ(int(sim->frames().size()), before) << "nothing was sent";
    dialog.GetNumberEdit(D::SEL_MEMORY)->setText("7");
    EXPECT_EQ(dialog.GetStatusText(), "Memory #7: Base address: 0520 (hex)");
    EXPECT_EQ(dialog.GetList()->GetItemCount(), 18);
}

TEST_F(Analyzer, LabelEndsAtTheFirstFfByte)
{
    // Memory channel 11 (record 0x0588): label bytes "AB" then FF.
    start({QStringLiteral("059A=4142FFFFFFFFFFFF")});
    CMemoryRecordText record(0x0588);
    record.Decode();
    EXPECT_EQ(record.GetLabelText(), "AB");
    // One CAT read per two bytes of the record.
    EXPECT_EQ(sim->frames().size(), 13);
    EXPECT_EQ(sim->frames().first(), cattest::hex("05 88 00 00 BB"));
}
