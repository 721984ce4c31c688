// The distance toolbar and the two locator calculators: the texts they
// show, what they remember, and how the main frame's commands and the
// locator messages reach them.
#include "ToolsFixture.h"

#include "brevio/tools/options/PSK31Options.h"

#include "brevio/core/LocatorEdit.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/tools/DistanceBar.h"
#include "brevio/tools/DistanceCalculator.h"
#include "brevio/tools/GridCalculator.h"
#include "brevio/tools/TagsBar.h"
#include "shared/Registry.h"
#include "shared/ui/OwnComboBox.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace {

const QString kDegree = QString(QChar(0xB0));

struct BarCase {
    const char* own;
    const char* other;
    bool km;
    const char* heading;
    const char* distance;
};

TEST(DistanceBarTexts, EachTypedCharacterAndTheOwnLocator)
{
    // JO01AA from IO91WM: 56.86 km (35.34 miles) at 168.2 degrees; JO01 is
    // the middle of its square.
    const BarCase cases[] = {
        {"IO91WM", "J", true, "Invalid", "Invalid"},
        {"IO91WM", "JO", true, "Invalid", "Invalid"},
        {"IO91WM", "JO0", true, "Invalid", "Invalid"},
        {"IO91WM", "JO01", true, "Beam: 89.6", "75.0 kms"},
        {"IO91WM", "JO01A", true, "Invalid", "Invalid"},
        {"IO91WM", "JO01AA", true, "Beam: 168.2", "56.9 kms"},
        {"IO91WM", "jo01aa", false, "Beam: 168.2", "35.3 miles"},
        {"io91wm", "JO01AA", true, "Beam: 168.2", "56.9 kms"},
        // One's own square: no distance, never "nan".
        {"IO91WM", "IO91WM", true, "Beam: 0.0", "0.0 kms"},
        // No own locator: the options are where to go, whatever is typed.
        {"", "JO01AA", true, "Invalid", "Options ->"},
        {"", "J", true, "Invalid", "Options ->"},
        {"IO91", "", true, "Invalid", "Invalid"},
        {"IO9", "JO01AA", true, "Invalid", "Options ->"},
    };
    for (const BarCase& c : cases) {
        SCOPED_TRACE(std::string(c.own) + " -> " + c.other);
        const CDistanceBar::Texts t =
            CDistanceBar::Compute(QString::fromLatin1(c.own), QString::fromLatin1(c.other), c.km);
        QString heading = QString::fromLatin1(c.heading);
        if (heading.startsWith(QLatin1String("Beam")))
            heading += kDegree;
        EXPECT_EQ(t.heading, heading);
        EXPECT_EQ(t.distance, QString::fromLatin1(c.distance));
        EXPECT_EQ(t.caption.isEmpty(), !heading.startsWith(QLatin1String("Beam")));
    }
    EXPECT_EQ(CDistanceBar::Compute(QStringLiteral("io91wm"), QStringLiteral("JO01"), true).caption,
              QStringLiteral("Distance from IO91WM"));
}

TEST(DistanceBarTexts, KilometreAndMileFormats)
{
    const struct {
        double value;
        bool km;
        const char* text;
    } cases[] = {
        {4321.26, true, "4,321.3 kms"}, {812.34, true, "812.3 kms"},      {12345.6, true, "12,345.6 kms"},
        {999.96, true, "1,000.0 kms"},  {999.94, true, "999.9 kms"},      {0.0, true, "0.0 kms"},
        {20015.1, false, "20,015.1 miles"}, {35.34, false, "35.3 miles"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CDistanceBar::FormatDistance(c.value, c.km), QString::fromLatin1(c.text)) << c.value;
    // Opposite sides of the earth: half its circumference, not "nan".
    const CDistanceBar::Texts far = CDistanceBar::Compute(QStringLiteral("AA00AA"), QStringLiteral("RR99XX"), true);
    EXPECT_FALSE(far.distance.contains(QLatin1String("nan"))) << far.distance.toStdString();
    EXPECT_FALSE(far.heading.contains(QLatin1String("nan")));
}

TEST(DistanceCalculatorTexts, PositionsHeadingAndDistances)
{
    CDistanceCalculator::Result r = CDistanceCalculator::Compute(QStringLiteral("jo01aa"), QStringLiteral("IO91WM"));
    EXPECT_EQ(r.square1, QStringLiteral("JO01AA"));
    EXPECT_EQ(r.position1, QStringLiteral("51.0208 N, 0.0417 E"));
    EXPECT_EQ(r.position2, QStringLiteral("51.5208 N, 0.1250 W"));
    EXPECT_EQ(r.heading, QStringLiteral("348.3"));
    EXPECT_EQ(r.kilometres, QStringLiteral("56.86"));
    EXPECT_EQ(r.miles, QStringLiteral("35.34"));
    EXPECT_TRUE(r.bBothValid);

    // Southern and western hemispheres.
    r = CDistanceCalculator::Compute(QStringLiteral("FF51"), QStringLiteral("RE78"));
    EXPECT_EQ(r.position1, QStringLiteral("38.4792 S, 69.0417 W"));
    EXPECT_EQ(r.position2, QStringLiteral("41.4792 S, 174.9583 E"));

    // An invalid first square leaves everything after it empty.
    r = CDistanceCalculator::Compute(QStringLiteral("JO01A"), QStringLiteral("IO91WM"));
    EXPECT_EQ(r.position1, QStringLiteral("Invalid"));
    EXPECT_TRUE(r.position2.isEmpty());
    EXPECT_TRUE(r.heading.isEmpty());
    EXPECT_FALSE(r.bBothValid);
    r = CDistanceCalculator::Compute(QStringLiteral("JO01AA"), QStringLiteral("JS01AA"));
    EXPECT_EQ(r.position1, QStringLiteral("51.0208 N, 0.0417 E"));
    EXPECT_EQ(r.position2, QStringLiteral("Invalid"));
    EXPECT_TRUE(r.kilometres.isEmpty());
}

TEST(GridCalculatorTexts, DegreesMinutesAndSeconds)
{
    const struct {
        const char* lat[3];
        bool south;
        const char* lon[3];
        bool east;
        const char* result;
    } cases[] = {
        {{"51", "1", "15"}, false, {"0", "2", "30"}, true, "JO01AA"},
        {{"51", "31", "15"}, false, {"0", "12", "30"}, false, "IO91VM"},
        {{"38", "31", "15"}, true, {"69", "2", "30"}, false, "FF51LL"},
        {{"91", "0", "0"}, false, {"0", "0", "0"}, false, "Latitude: invalid"},
        {{"45", "61", "0"}, false, {"0", "0", "0"}, false, "Latitude: invalid"},
        {{"45", "0", "61"}, false, {"0", "0", "0"}, false, "Latitude: invalid"},
        {{"45", "60", "60"}, false, {"0", "0", "0"}, false, "JN06AA"},
        {{"45", "0", "0"}, false, {"181", "0", "0"}, false, "Longitude: invalid"},
        {{"45", "0", "0"}, false, {"10", "61", "0"}, true, "Longitude: invalid"},
        {{"4x", "0", "0"}, false, {"10", "0", "0"}, true, "Latitude: invalid"},
        {{"", "", ""}, false, {"", "", ""}, false, "JJ00AA"},
        // The pole and the far edge of the map have no locator.
        {{"90", "0", "0"}, false, {"0", "0", "0"}, false, "Error"},
        {{"0", "0", "0"}, false, {"180", "0", "0"}, true, "Error"},
        {{"0", "0", "0"}, false, {"180", "30", "0"}, false, "Error"},
    };
    for (const auto& c : cases) {
        CGridCalculator::Input input;
        for (int i = 0; i < 3; ++i) {
            input.lat[i] = QString::fromLatin1(c.lat[i]);
            input.lon[i] = QString::fromLatin1(c.lon[i]);
        }
        input.bSouth = c.south;
        input.bEast = c.east;
        EXPECT_EQ(CGridCalculator::Compute(input), QString::fromLatin1(c.result))
            << c.lat[0] << " " << c.lat[1] << " " << c.lat[2] << " / " << c.lon[0];
    }
    // Minutes and seconds shown with two places.
    CGridCalculator::Input input;
    input.lat[0] = QStringLiteral("51");
    input.lat[1] = QStringLiteral("5");
    input.lon[2] = QStringLiteral("7");
    CGridCalculator::Compute(input);
    EXPECT_EQ(input.lat[1], QStringLiteral("05"));
    EXPECT_EQ(input.lat[2], QStringLiteral("00"));
    EXPECT_EQ(input.lon[1], QStringLiteral("00"));
    EXPECT_EQ(input.lon[2], QStringLiteral("07"));
    EXPECT_EQ(input.lat[0], QStringLiteral("51"));
}

class DistanceTools : public testsupport::ToolsFixture {
protected:
    CDistanceBar* Bar()
    {
        auto* bar = dynamic_cast<CDistanceBar*>(Frame()->GetToolBar(CDistanceBar::kBarId));
        EXPECT_NE(bar, nullptr);
        return bar;
    }
};

TEST_F(DistanceTools, TypingRecomputesAtEveryCharacterAndRemembersTheStation)
{
    CurrentSettings().m_strLocator = QStringLiteral("IO91WM");
    CDistanceBar* bar = Bar();
    Frame()->OnCommand(33571);  // View "Distance Calculator"
    EXPECT_TRUE(bar->isVisible());
    CLocatorEdit* edit = bar->GetLocatorEdit();
    EXPECT_EQ(edit->parentWidget(), bar);
    edit->setFocus();
    const char* const expected[] = {"Invalid", "Invalid", "Invalid", "75.0 kms", "Invalid", "56.9 kms"};
    const QString typed = QStringLiteral("jo01aa");
    for (int i = 0; i < typed.size(); ++i) {
        QTest::keyClick(edit, typed.at(i).toLatin1());
        Process();
        EXPECT_EQ(edit->text(), typed.left(i + 1).toUpper());
        EXPECT_EQ(bar->GetDistanceText(), QString::fromLatin1(expected[i])) << i;
    }
    EXPECT_EQ(bar->GetHeadingText(), QStringLiteral("Beam: 168.2") + kDegree);
    EXPECT_EQ(bar->windowTitle(), QStringLiteral("Distance from IO91WM"));
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("Distance: Station")), QStringLiteral("JO01AA"));
    // At most six characters.
    QTest::keyClick(edit, 'x');
    EXPECT_EQ(edit->text(), QStringLiteral("JO01AA"));

    // Miles after an options change (the broadcast posts the locator message).
    CurrentSettings().m_bLocUnits = 0;
    SetSettingsBroadcastTarget(Frame());
    SaveAndBroadcastSettings();
    Process();
    EXPECT_EQ(bar->GetDistanceText(), QStringLiteral("35.3 miles"));
    SetSettingsBroadcastTarget(nullptr);

    // The next start shows the last station again.
    delete m_frame;
    m_frame = nullptr;
    CDistanceBar* again = Bar();
    EXPECT_EQ(again->GetLocatorEdit()->text(), QStringLiteral("JO01AA"));
    EXPECT_EQ(again->GetDistanceText(), QStringLiteral("35.3 miles"));
}

TEST_F(DistanceTools, ALocatorTagValueReachesTheBarAndItsOptionsButtonOpensThePage)
{
    CurrentSettings().m_strLocator = QStringLiteral("JO01AA");
    CDistanceBar* bar = Bar();
    auto* tags = dynamic_cast<CTagsBar*>(Frame()->GetTagsBar());
    ASSERT_NE(tags, nullptr);
    tags->SetTagValue(QStringLiteral("Locator"), QStringLiteral("io91wm"));
    Process();
    EXPECT_EQ(bar->GetLocatorEdit()->text(), QStringLiteral("IO91WM"));
    EXPECT_EQ(bar->GetHeadingText(), QStringLiteral("Beam: 348.3") + kDegree);
    EXPECT_EQ(bar->GetDistanceText(), QStringLiteral("56.9 kms"));
    // A value that is no locator leaves the bar alone.
    tags->SetTagValue(QStringLiteral("Name"), QStringLiteral("Ann"));
    Process();
    EXPECT_EQ(bar->GetLocatorEdit()->text(), QStringLiteral("IO91WM"));

    // The bar's last button is the main frame's "Options" command.
    QAction* options = Frame()->GetCommandAction(33572);
    ASSERT_NE(options, nullptr);
    ASSERT_FALSE(bar->actions().isEmpty());
    EXPECT_EQ(bar->actions().last(), options);
    EXPECT_EQ(options->iconText(), QStringLiteral("Options"));
    EXPECT_EQ(options->toolTip(), QStringLiteral("Distance calculator options"));
    auto* sheet = Frame()->GetOptionsSheet();
    ASSERT_NE(sheet, nullptr);
    options->trigger();
    Process();
    EXPECT_TRUE(sheet->GetWidget()->isVisible());
    EXPECT_EQ(dynamic_cast<CPSK31Options*>(sheet)->GetActiveIndex(), CPSK31Options::kLocator);
}

TEST_F(DistanceTools, CalculatorsAreMadeOnceAndToggledByTheirCommands)
{
    CMainFrame* frame = Frame();
    EXPECT_EQ(frame->GetToolWindow(33565), nullptr);
    EXPECT_TRUE(frame->IsCommandEnabled(33565));
    frame->OnCommand(33565);
    auto* distance = dynamic_cast<CDistanceCalculator*>(frame->GetToolWindow(33565));
    ASSERT_NE(distance, nullptr);
    EXPECT_TRUE(distance->isVisible());
    EXPECT_FALSE(distance->isModal());
    EXPECT_EQ(distance->parentWidget(), frame);
    EXPECT_EQ(distance->windowTitle(), QStringLiteral("Distance Calculator"));
    frame->OnCommand(33565);
    EXPECT_FALSE(distance->isVisible());
    frame->OnCommand(33565);
    EXPECT_TRUE(distance->isVisible());
    EXPECT_EQ(frame->GetToolWindow(33565), distance);

    // OK computes and stays open; only a pair of valid squares is remembered.
    CRegistry().WriteString(QStringLiteral("CDistanceCalculator::m_strSquare2"), QStringLiteral("IO91WM"));
    distance->Edit(CDistanceCalculator::IDC_SQUARE1)->setText(QStringLiteral("jo01"));
    distance->Edit(CDistanceCalculator::IDC_SQUARE2)->setText(QStringLiteral("JO0"));
    distance->OnOK();
    EXPECT_TRUE(distance->isVisible());
    EXPECT_EQ(distance->FieldText(CDistanceCalculator::IDC_SQUARE1), QStringLiteral("JO01"));
    EXPECT_EQ(distance->FieldText(CDistanceCalculator::IDC_POSITION2), QStringLiteral("Invalid"));
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("CDistanceCalculator::m_strSquare2")), QStringLiteral("IO91WM"));
    distance->Edit(CDistanceCalculator::IDC_SQUARE1)->setText(QStringLiteral("JO01AA"));
    distance->Edit(CDistanceCalculator::IDC_SQUARE2)->setText(QStringLiteral("io91wm"));
    QTest::mouseClick(qobject_cast<QWidget*>(distance->GetDlgItem(1)), Qt::LeftButton);
    EXPECT_EQ(distance->FieldText(CDistanceCalculator::IDC_POSITION1), QStringLiteral("51.0208 N, 0.0417 E"));
    EXPECT_EQ(distance->FieldText(CDistanceCalculator::IDC_HEADING), QStringLiteral("348.3"));
    EXPECT_EQ(distance->FieldText(CDistanceCalculator::IDC_KILOMETRES), QStringLiteral("56.86"));
    EXPECT_EQ(distance->FieldText(CDistanceCalculator::IDC_MILES), QStringLiteral("35.34"));
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("CDistanceCalculator::m_strSquare1")), QStringLiteral("JO01AA"));
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("CDistanceCalculator::m_strSquare2")), QStringLiteral("IO91WM"));
    // Cancel hides it with its fields kept.
    QTest::mouseClick(qobject_cast<QWidget*>(distance->GetDlgItem(2)), Qt::LeftButton);
    EXPECT_FALSE(distance->isVisible());
    frame->OnCommand(33565);
    EXPECT_EQ(distance->FieldText(CDistanceCalculator::IDC_HEADING), QStringLiteral("348.3"));

    // The grid square calculator starts from the remembered texts, northern
    // and western, and is centred over the main window each time it shows.
    CRegistry().WriteString(QStringLiteral("CGridCalculator::m_strLat1"), QStringLiteral("51"));
    CRegistry().WriteString(QStringLiteral("CGridCalculator::m_strLat2"), QStringLiteral("1"));
    CRegistry().WriteString(QStringLiteral("CGridCalculator::m_strLat3"), QStringLiteral("15"));
    CRegistry().WriteString(QStringLiteral("CGridCalculator::m_strLon2"), QStringLiteral("2"));
    CRegistry().WriteString(QStringLiteral("CGridCalculator::m_strLon3"), QStringLiteral("30"));
    frame->OnCommand(33564);
    auto* grid = dynamic_cast<CGridCalculator*>(frame->GetToolWindow(33564));
    ASSERT_NE(grid, nullptr);
    EXPECT_TRUE(grid->isVisible());
    EXPECT_EQ(grid->windowTitle(), QStringLiteral("Grid Square Calculator"));
    EXPECT_EQ(grid->Combo(CGridCalculator::IDC_NS)->currentText(), QStringLiteral("N"));
    EXPECT_EQ(grid->Combo(CGridCalculator::IDC_WE)->currentText(), QStringLiteral("W"));
    grid->Combo(CGridCalculator::IDC_WE)->SetCurSel(1);
    grid->OnOK();
    EXPECT_EQ(grid->Edit(CGridCalculator::IDC_RESULT)->text(), QStringLiteral("JO01AA"));
    EXPECT_EQ(grid->Edit(CGridCalculator::IDC_LAT2)->text(), QStringLiteral("01"));
    EXPECT_EQ(grid->Edit(CGridCalculator::IDC_LON1)->text(), QString());
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("CGridCalculator::m_strLat2")), QStringLiteral("01"));
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("CGridCalculator::m_strLon1")), QString());
    // Invalid input is still remembered as typed.
    grid->Edit(CGridCalculator::IDC_LAT1)->setText(QStringLiteral("91"));
    grid->OnOK();
    EXPECT_EQ(grid->Edit(CGridCalculator::IDC_RESULT)->text(), QStringLiteral("Latitude: invalid"));
    EXPECT_EQ(CRegistry().GetString(QStringLiteral("CGridCalculator::m_strLat1")), QStringLiteral("91"));
    // Only digits go into the fields.
    grid->Edit(CGridCalculator::IDC_LON1)->setFocus();
    QTest::keyClicks(grid->Edit(CGridCalculator::IDC_LON1), QStringLiteral("1a-2"));
    EXPECT_EQ(grid->Edit(CGridCalculator::IDC_LON1)->text(), QStringLiteral("12"));

    frame->OnCommand(33564);
    EXPECT_FALSE(grid->isVisible());
    grid->move(0, 0);
    frame->OnCommand(33564);
    Process();
    EXPECT_LE((grid->frameGeometry().center() - frame->frameGeometry().center()).manhattanLength(), 2);
}

} // namespace
