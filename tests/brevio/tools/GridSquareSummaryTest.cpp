// The Grid Square Summary: one row per spotted locator, newest first, kept
// to the chosen maximum; fed by the main frame's locator log once it exists.
#include "ToolsFixture.h"

#include "brevio/tools/options/PSK31Options.h"

#include "brevio/tools/GridSquareSummaryDialog.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"

#include <QAbstractButton>

namespace {

class GridSquareSummary : public testsupport::ToolsFixture {
protected:
    CGridSquareSummaryDialog* Open()
    {
        Frame()->OnCommand(33627);
        auto* dialog = dynamic_cast<CGridSquareSummaryDialog*>(Frame()->GetToolWindow(33627));
        EXPECT_NE(dialog, nullptr);
        if (dialog)
            dialog->SetClock([this] { return m_now; });
        return dialog;
    }
    void Spot(const QString& locator)
    {
        m_now = m_now.addSecs(1);
        Frame()->LogLocator(locator, QStringLiteral("56.9km"), QStringLiteral("168"), QStringLiteral("14.070.150"));
    }
    static QStringList Column(const COwnListCtrl* list, int column)
    {
        QStringList texts;
        list->GetColumnTexts(texts, column);
        return texts;
    }
    static void ChooseMaximum(CGridSquareSummaryDialog* dialog, const QString& text)
    {
        COwnComboBox* combo = dialog->MaxCombo();
        const int index = combo->findText(text);
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    QDateTime m_now = QDateTime(QDate(2024, 5, 1), QTime(12, 0, 0));
};

TEST_F(GridSquareSummary, NothingIsCollectedBeforeTheWindowExists)
{
    Spot(QStringLiteral("JO01AA"));
    EXPECT_EQ(Frame()->GetToolWindow(33627), nullptr);
    EXPECT_FALSE(Frame()->IsCommandChecked(33627));
    CGridSquareSummaryDialog* dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(Frame()->IsCommandChecked(33627));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Grid Square Summary"));
    EXPECT_FALSE(dialog->HasSizeGrip());
    EXPECT_EQ(dialog->List()->GetItemCount(), 0);
    EXPECT_EQ(dialog->GetMaximum(), 100);
    const QStringList headings = {QStringLiteral("Time"), QStringLiteral("Frequency"), QStringLiteral("Locator"),
                                  QStringLiteral("Distance"), QStringLiteral("Heading")};
    for (int c = 0; c < headings.size(); ++c) {
        EXPECT_EQ(dialog->List()->GetColumnHeading(c), headings[c]);
        EXPECT_EQ(dialog->List()->GetColumnFormat(c), c >= 3 ? LVCFMT_RIGHT : LVCFMT_LEFT);
    }

    // Hidden, it still collects.
    Frame()->OnCommand(33627);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(Frame()->IsCommandChecked(33627));
    Spot(QStringLiteral("JO01AA"));
    ASSERT_EQ(dialog->List()->GetItemCount(), 1);
    EXPECT_EQ(dialog->List()->GetItemText(0, CGridSquareSummaryDialog::ColTime), QStringLiteral("12:00:02"));
    EXPECT_EQ(dialog->List()->GetItemText(0, CGridSquareSummaryDialog::ColFrequency), QStringLiteral("14.070.150"));
    EXPECT_EQ(dialog->List()->GetItemText(0, CGridSquareSummaryDialog::ColLocator), QStringLiteral("JO01AA"));
    EXPECT_EQ(dialog->List()->GetItemText(0, CGridSquareSummaryDialog::ColDistance), QStringLiteral("56.9km"));
    EXPECT_EQ(dialog->List()->GetItemText(0, CGridSquareSummaryDialog::ColHeading), QStringLiteral("168"));
}

TEST_F(GridSquareSummary, OneRowPerLocatorNewestFirstAndCaseCounts)
{
    CGridSquareSummaryDialog* dialog = Open();
    for (const char* locator : {"JO01AA", "IO91WM", "jo01aa", "JO01AA"})
        Spot(QString::fromLatin1(locator));
    EXPECT_EQ(Column(dialog->List(), CGridSquareSummaryDialog::ColLocator),
              QStringList({QStringLiteral("JO01AA"), QStringLiteral("jo01aa"), QStringLiteral("IO91WM")}));
    EXPECT_EQ(Column(dialog->List(), CGridSquareSummaryDialog::ColTime),
              QStringList({QStringLiteral("12:00:04"), QStringLiteral("12:00:03"), QStringLiteral("12:00:02")}));
}

TEST_F(GridSquareSummary, TheMaximumKeepsTheNewestRows)
{
    CGridSquareSummaryDialog* dialog = Open();
    QStringList items;
    for (int i = 0; i < dialog->MaxCombo()->count(); ++i)
        items << dialog->MaxCombo()->itemText(i) + QLatin1Char('=') + QString::number(dialog->MaxCombo()->GetItemData(i));
    EXPECT_EQ(items.join(QLatin1Char(' ')), QStringLiteral("10=10 20=20 50=50 100=100 200=200 500=500 1000=1000"));
    auto locator = [](int n) { return QStringLiteral("JO%1AA").arg(n, 2, 10, QLatin1Char('0')); };
    for (int n = 0; n < 50; ++n)
        Spot(locator(n));
    ASSERT_EQ(dialog->List()->GetItemCount(), 50);
    ChooseMaximum(dialog, QStringLiteral("10"));
    ASSERT_EQ(dialog->List()->GetItemCount(), 10);
    EXPECT_EQ(dialog->List()->GetItemText(0, CGridSquareSummaryDialog::ColLocator), locator(49));
    EXPECT_EQ(dialog->List()->GetItemText(9, CGridSquareSummaryDialog::ColLocator), locator(40));
    // A new locator pushes the oldest out; a repeated one only moves up.
    Spot(QStringLiteral("IO91WM"));
    EXPECT_EQ(dialog->List()->GetItemCount(), 10);
    EXPECT_EQ(dialog->List()->GetItemText(9, CGridSquareSummaryDialog::ColLocator), locator(41));
    Spot(locator(45));
    EXPECT_EQ(dialog->List()->GetItemCount(), 10);
    EXPECT_EQ(dialog->List()->GetItemText(0, CGridSquareSummaryDialog::ColLocator), locator(45));
    EXPECT_EQ(dialog->List()->GetItemText(9, CGridSquareSummaryDialog::ColLocator), locator(41));

    // Erase empties the list; Options opens the Locator Square page.
    qobject_cast<QAbstractButton*>(dialog->GetDlgItem(CGridSquareSummaryDialog::IDC_ERASE))->click();
    EXPECT_EQ(dialog->List()->GetItemCount(), 0);
    qobject_cast<QAbstractButton*>(dialog->GetDlgItem(CGridSquareSummaryDialog::IDC_OPTIONS))->click();
    Process();
    ASSERT_NE(Frame()->GetOptionsSheet(), nullptr);
    auto* sheet = dynamic_cast<CPSK31Options*>(Frame()->GetOptionsSheet());
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->GetActiveIndex(), CPSK31Options::kLocator);
}

} // namespace
