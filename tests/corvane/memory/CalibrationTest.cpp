// The calibration table and dialog against the simulator: the 77 rows in
// table order, one read per byte pair of 0x07..0x54, a changed byte written
// through the verified write and shown after the reload, the value dialog's
// button rules, and the saved table.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/memory/CalibrationDialog.h"
#include "corvane/memory/CalibrationTable.h"
#include "platform/DataFolder.h"
#include "shared/TextFile.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/ListExport.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace memtest;

namespace {
QByteArray writeFrame(uint32_t address, uint8_t first, uint8_t second)
{
    return QByteArray::fromHex(QString::asprintf("%04X%02X%02XBC", address, first, second).toLatin1());
}

uint8_t simCalibration(int address)
{
    return uint8_t(0x30 + ((address * 37) % 0x90));
}

class Calibration : public MemoryRadio {
protected:
    void TearDown() override
    {
        CCalibrationDialog::SetValueDialogRunner({});
        CListExport::SetViewerLauncher({});
        MemoryRadio::TearDown();
    }
    // The dialog as the main frame opens it, once its first read is done.
    std::unique_ptr<CCalibrationDialog> open()
    {
        auto dialog = std::make_unique<CCalibrationDialog>();
        dialog->show();
        EXPECT_TRUE(waitFor([&] { return dialog->GetReloadCount() == 1; }));
        return dialog;
    }
    int rowOf(const CCalibrationDialog& dialog, uint32_t address)
    {
        for (int i = 0; i < dialog.GetList()->GetItemCount(); ++i)
            if (dialog.GetList()->GetItemData(i) == address)
                return i;
        return -1;
    }
};
} // namespace

TEST(CalibrationTable, RowsRunUpTheAddressesWithTheVoltmeterPairTogether)
{
    ASSERT_EQ(CalibrationTable::kCount, 77);
    EXPECT_EQ(CalibrationTable::LowestAddress(), 0x07);
    EXPECT_EQ(CalibrationTable::HighestAddress(), 0x53);
    QList<int> addresses;
    for (int i = 0; i < CalibrationTable::kCount; ++i)
        addresses << CalibrationTable::Row(i).nAddress;
    QList<int> expected;
    for (int a = 0x07; a <= 0x17; ++a)
        expected << a;
    expected << 0x53;
    for (int a = 0x18; a <= 0x52; ++a)
        expected << a;
    EXPECT_EQ(addresses, expected);
    EXPECT_EQ(CalibrationTable::Name(17), "Voltmeter Calibration (Factor)");
    EXPECT_TRUE(CalibrationTable::Description(17).isEmpty());
    EXPECT_EQ(CalibrationTable::Name(0), "HF1 Rx Gain");
    EXPECT_EQ(CalibrationTable::Name(76), "USB BFO Frequency");
    EXPECT_EQ(CalibrationTable::Description(6),
              "This adjusts the amount of signal required for an S-9 reading in the AM/SSB/CW modes on all bands.");
    for (int i = 0; i < CalibrationTable::kCount; ++i) {
        if (i != 17)
            EXPECT_FALSE(CalibrationTable::Description(i).isEmpty()) << CalibrationTable::Name(i).toStdString();
    }
}

TEST_F(Calibration, OpeningReadsEveryPairOnceAndShowsTheTableInItsOrder)
{
    start();
    auto dialog = open();
    COwnListCtrl* list = dialog->GetList();
    ASSERT_EQ(list->GetItemCount(), 77);
    EXPECT_EQ(dialog->windowTitle(), "Calibration");
    EXPECT_EQ(list->GetColumnHeading(0), "Entry");
    EXPECT_EQ(list->GetColumnHeading(4), "Description");
    for (int i = 0; i < 77; ++i) {
        const int address = CalibrationTable::Row(i).nAddress;
        EXPECT_EQ(list->GetItemText(i, 0), CalibrationTable::Name(i));
        EXPECT_EQ(list->GetItemText(i, 1), QString::asprintf("%04X", address));
        EXPECT_EQ(list->GetItemText(i, 2), QString::number(simCalibration(address)));
        EXPECT_EQ(list->GetItemText(i, 3), QString::asprintf("%02X", simCalibration(address)));
    }

    QList<QByteArray> expectedFrames;
    QStringList expectedCaptions;
    for (int a = 0x07; a <= 0x53; a += 2) {
        expectedFrames << readFrame(uint32_t(a));
        expectedCaptions << QString::asprintf("Reading %04X", a);
    }
    expectedCaptions << "Ready";
    EXPECT_EQ(newFrames(), expectedFrames);
    EXPECT_EQ(dialog->GetProgressHistory(), expectedCaptions);
    EXPECT_EQ(dialog->GetProgress()->GetPos(), 77);

    // A column click sorts; the address order comes back with the first column.
    list->OnColumnClick(2);
    EXPECT_NE(list->GetItemText(0, 0), "HF1 Rx Gain");
}

TEST_F(Calibration, ButtonsFollowTheSelection)
{
    start();
    auto dialog = open();
    EXPECT_FALSE(dialog->GetChangeButton()->IsEnabled());
    EXPECT_TRUE(dialog->GetSaveButton()->IsEnabled());
    EXPECT_TRUE(dialog->GetViewerButton()->IsEnabled());
    int runs = 0;
    CCalibrationDialog::SetValueDialogRunner([&](CCalibrationValueDialog&) { ++runs; });
    dialog->OnChange();
    EXPECT_EQ(runs, 0) << "no entry selected";
    dialog->GetList()->SelectItem(3, true);
    EXPECT_TRUE(dialog->GetChangeButton()->IsEnabled());
}

TEST_F(Calibration, ChangedValueIsWrittenVerifiedAndShownAfterTheReload)
{
    start();
    auto dialog = open();
    newFrames();
    const int row = rowOf(*dialog, 0x0D);
    dialog->GetList()->SelectItem(row, true);
    const uint8_t neighbour = sim->eepromByte(0x0E);
    CCalibrationDialog::SetValueDialogRunner([&](CCalibrationValueDialog& value) {
        EXPECT_EQ(value.GetAddress(), 0x0Du);
        EXPECT_EQ(value.GetValueEdit()->text(), QString::number(simCalibration(0x0D)));
        EXPECT_FALSE(value.GetApplyButton()->isEnabled());
        QTest::keyClick(value.GetValueEdit(), Qt::Key_End);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(value.GetValueEdit(), Qt::Key_Backspace);
        QTest::keyClicks(value.GetValueEdit(), "123");
        EXPECT_TRUE(value.GetApplyButton()->isEnabled());
        EXPECT_TRUE(value.GetOkButton()->isEnabled());
        value.GetApplyButton()->click();
        EXPECT_FALSE(value.GetApplyButton()->isEnabled());
        EXPECT_FALSE(value.GetOkButton()->isEnabled());
        // Cancel after Apply: the value stays in the radio.
        value.reject();
    });
    dialog->OnChange();

    EXPECT_EQ(sim->eepromByte(0x0D), 123);
    EXPECT_EQ(sim->eepromByte(0x0E), neighbour);
    const QList<QByteArray> frames = newFrames();
    ASSERT_GE(frames.size(), 5);
    EXPECT_EQ(frames.mid(0, 5), QList<QByteArray>({readFrame(0x0D), readFrame(0x0D), readFrame(0x0D),
                                                   writeFrame(0x0D, 123, neighbour), readFrame(0x0D)}));
    // The reload that follows reads the whole area again.
    EXPECT_EQ(frames.size(), 5 + 39);
    EXPECT_EQ(dialog->GetReloadCount(), 2);
    EXPECT_EQ(dialog->GetList()->GetItemText(row, 2), "123");
    EXPECT_EQ(dialog->GetList()->GetItemText(row, 3), "7B");
}

TEST_F(Calibration, ValueDialogTakesOnlyAByte)
{
    start();
    newFrames();
    CCalibrationValueDialog value(nullptr, "HF1 Rx Gain", "gain", 0x07, 0x40);
    EXPECT_EQ(value.GetSpin()->GetPos(), 0x40);
    // The spin's arrows count as a change.
    value.GetSpin()->Step(true);
    EXPECT_EQ(value.GetValueEdit()->text(), "65");
    EXPECT_TRUE(value.GetApplyButton()->isEnabled());

    // Nothing beyond a byte reaches the radio.
    value.GetValueEdit()->setText(QStringLiteral("300"));
    emit value.GetValueEdit()->textEdited(QStringLiteral("300"));
    EXPECT_FALSE(value.GetApplyButton()->isEnabled());
    value.OnApply();
    EXPECT_FALSE(value.IsWritten());
    EXPECT_TRUE(newFrames().isEmpty());

    // OK applies, then closes.
    value.GetValueEdit()->setText(QStringLiteral("66"));
    emit value.GetValueEdit()->textEdited(QStringLiteral("66"));
    value.GetOkButton()->click();
    EXPECT_TRUE(value.IsWritten());
    EXPECT_EQ(value.result(), QDialog::Accepted);
    EXPECT_EQ(sim->eepromByte(0x07), 66);
}

TEST_F(Calibration, SaveAndViewerWriteTheTableBehindTheCalibrationHeader)
{
    start();
    auto dialog = open();
    const QString path = platform::dataFilePath("my calibration.txt");
    testsupport::prompter().m_files.push_back(path);
    dialog->OnSave();
    QStringList lines;
    CTextFile(path, true).ReadLines(lines);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.join('\n').contains("Calibration settings"));
    EXPECT_EQ(lines.last(), "#@filetype=1");
    const QString firstRow = lines.filter("HF1 Rx Gain").value(0);
    EXPECT_TRUE(firstRow.contains("0007")) << firstRow.toStdString();
    EXPECT_TRUE(firstRow.contains(QString::asprintf("%02X", simCalibration(7))));

    QString shown;
    CListExport::SetViewerLauncher([&](const QString& p) {
        shown = p;
        return true;
    });
    dialog->OnViewer();
    EXPECT_TRUE(shown.endsWith("/FT-817 Calibration.txt")) << shown.toStdString();
}
