// The Locator Square, Logbook 1 and Logbook 2 pages in the sheet.
#include "OptionsFixture.h"

#include "brevio/core/Locator.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "brevio/tools/options/PSK31PageAutosave.h"
#include "brevio/tools/options/PSK31PageLocator.h"
#include "brevio/tools/options/PSK31PageLogbook.h"
#include "brevio/tools/options/PSK31PageLogbookExt.h"
#include "shared/ui/ColourStatic.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

using testsupport::OptionsFixture;
using testsupport::prompter;

namespace {

class LocatorPages : public OptionsFixture {
protected:
    void SetPosition(CPSK31PageLocator* page, const char* latDeg, const char* latMin, const char* latSec,
                     bool bSouth, const char* lonDeg, const char* lonMin, const char* lonSec, bool bEast)
    {
        const struct {
            unsigned id;
            const char* text;
        } fields[] = {{CPSK31PageLocator::IDC_LAT_DEG, latDeg}, {CPSK31PageLocator::IDC_LAT_MIN, latMin},
                      {CPSK31PageLocator::IDC_LAT_SEC, latSec}, {CPSK31PageLocator::IDC_LON_DEG, lonDeg},
                      {CPSK31PageLocator::IDC_LON_MIN, lonMin}, {CPSK31PageLocator::IDC_LON_SEC, lonSec}};
        for (const auto& f : fields)
            Item<QLineEdit>(page, f.id)->setText(QString::fromLatin1(f.text));
        Choose(page, CPSK31PageLocator::IDC_LAT_HEMISPHERE, bSouth ? 1 : 0);
        Choose(page, CPSK31PageLocator::IDC_LON_SIDE, bEast ? 1 : 0);
    }
    QString Status(CPSK31PageLocator* page) { return Item<QLabel>(page, CPSK31PageLocator::IDC_STATUS)->text(); }
    QString Text(CPSK31OptionsPage* page, unsigned id) { return Item<QLineEdit>(page, id)->text(); }
};

} // namespace

TEST_F(LocatorPages, ComputeFillsTheLocatorFromAPosition)
{
    CPSK31Options* sheet = Open();
    sheet->SetActivePage(CPSK31Options::kLocator);
    CPSK31PageLocator* page = sheet->GetLocatorPage();
    SetPosition(page, "47", "5", "0", false, "8", "0", "0", true);
    EXPECT_EQ(Broadcasts(), 2);  // the two lists apply, although they store nothing
    Click(page, CPSK31PageLocator::IDC_COMPUTE);
    EXPECT_EQ(Text(page, CPSK31PageLocator::IDC_LAT_MIN), QStringLiteral("05"));
    EXPECT_EQ(Text(page, CPSK31PageLocator::IDC_LAT_SEC), QStringLiteral("00"));
    EXPECT_EQ(Text(page, CPSK31PageLocator::IDC_LAT_DEG), QStringLiteral("47"));
    EXPECT_TRUE(Status(page).isEmpty());
    const QString expected = LatLongToLocator(-8.0, 47.0 + 5.0 / 60.0);
    EXPECT_EQ(Text(page, CPSK31PageLocator::IDC_LOCATOR), expected);
    EXPECT_EQ(Stored().m_strLocator, expected);
    EXPECT_EQ(Broadcasts(), 3);
}

TEST_F(LocatorPages, InvalidPositionsLeaveTheLocatorAndStillApply)
{
    CurrentSettings().m_strLocator = QStringLiteral("IO91WM");
    CPSK31Options* sheet = Open();
    CPSK31PageLocator* page = sheet->GetLocatorPage();
    SetPosition(page, "91", "0", "0", false, "0", "0", "0", false);
    const int before = Broadcasts();
    Click(page, CPSK31PageLocator::IDC_COMPUTE);
    EXPECT_EQ(Status(page), QStringLiteral("Latitude: invalid"));
    EXPECT_EQ(Text(page, CPSK31PageLocator::IDC_LOCATOR), QStringLiteral("IO91WM"));
    EXPECT_EQ(Broadcasts(), before + 1);
    EXPECT_EQ(Stored().m_strLocator, QStringLiteral("IO91WM"));
    SetPosition(page, "45", "60", "0", false, "181", "0", "0", false);
    Click(page, CPSK31PageLocator::IDC_COMPUTE);
    EXPECT_EQ(Status(page), QStringLiteral("Longitude: invalid"));
    SetPosition(page, "45", "60", "0", false, "10", "0", "0", false);
    Click(page, CPSK31PageLocator::IDC_COMPUTE);
    EXPECT_TRUE(Status(page).isEmpty());  // 60 minutes are accepted
    EXPECT_NE(Text(page, CPSK31PageLocator::IDC_LOCATOR), QStringLiteral("IO91WM"));
}

TEST_F(LocatorPages, TypedLocatorIsUpperCaseAndOnlyAWholeLocatorIsStored)
{
    CPSK31Options* sheet = Open();
    CPSK31PageLocator* page = sheet->GetLocatorPage();
    sheet->SetActivePage(CPSK31Options::kLocator);
    Type(page, CPSK31PageLocator::IDC_LOCATOR, QStringLiteral("jo01"));
    EXPECT_EQ(Text(page, CPSK31PageLocator::IDC_LOCATOR), QStringLiteral("JO01"));
    EXPECT_EQ(Stored().m_strLocator, QStringLiteral("JO01"));
    EXPECT_EQ(Status(page), QString());
    // Characters that cannot stand where they are typed are not taken
    // ("ZZ99" starts no locator); what is left is no whole locator, so the
    // stored one stays and the status line says so.
    Type(page, CPSK31PageLocator::IDC_LOCATOR, QStringLiteral("zz99abcdef"));
    EXPECT_EQ(Text(page, CPSK31PageLocator::IDC_LOCATOR), QStringLiteral("AB"));
    EXPECT_EQ(Stored().m_strLocator, QStringLiteral("JO01"));
    EXPECT_EQ(Status(page), QStringLiteral("Locator: invalid"));
    Type(page, CPSK31PageLocator::IDC_LOCATOR, QStringLiteral("io91wm"));
    EXPECT_EQ(Stored().m_strLocator, QStringLiteral("IO91WM"));
    EXPECT_EQ(Status(page), QString());
    // Emptied: no own locator.
    Type(page, CPSK31PageLocator::IDC_LOCATOR, QString());
    EXPECT_EQ(Stored().m_strLocator, QString());
}

TEST_F(LocatorPages, PreferencesAreStored)
{
    CPSK31Options* sheet = Open();
    CPSK31PageLocator* page = sheet->GetLocatorPage();
    EXPECT_TRUE(IsChecked(page, CPSK31PageLocator::IDC_KILOMETERS));
    Click(page, CPSK31PageLocator::IDC_MILES);
    Click(page, CPSK31PageLocator::IDC_SUPER_HEADING);
    Click(page, CPSK31PageLocator::IDC_CHANNEL_DISTANCE);
    Click(page, CPSK31PageLocator::IDC_ORBISK);
    const CPSK31Settings s = Stored();
    EXPECT_EQ(s.m_bLocUnits, 0);
    EXPECT_EQ(s.m_bLocSuperHeading, 1);
    EXPECT_EQ(s.m_bLocSuperDistance, 1);
    EXPECT_EQ(s.m_bLocChannelDistance, 0);
    EXPECT_EQ(s.m_bLocChannelHeading, 1);
    EXPECT_EQ(s.m_bLocOrbisk, 0);
    // Any non-zero unit value is kilometres.
    CurrentSettings().m_bLocUnits = 7;
    sheet->LoadAllPages();
    EXPECT_TRUE(IsChecked(page, CPSK31PageLocator::IDC_KILOMETERS));
}

TEST_F(LocatorPages, LogbookFilesAreChosenByNameOnly)
{
    CurrentSettings().m_strLogbookFile1 = QStringLiteral("/old/log.adi");
    CPSK31Options* sheet = Open();
    CPSK31PageLogbook* page = sheet->GetLogbookPage();
    Click(page, CPSK31PageLogbook::IDC_BROWSE1);  // cancelled
    EXPECT_EQ(prompter().m_chooserCaptions.value(0), QStringLiteral("Logbook File #1"));
    EXPECT_EQ(Broadcasts(), 0);
    EXPECT_EQ(Item<CColourStatic>(page, CPSK31PageLogbook::IDC_FILE1)->text(), QStringLiteral("/old/log.adi"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("second.adi"));
    prompter().m_files.push_back(path);
    Click(page, CPSK31PageLogbook::IDC_BROWSE2);
    EXPECT_EQ(prompter().m_chooserCaptions.value(1), QStringLiteral("Logbook File #2"));
    EXPECT_TRUE(prompter().m_chooserFilters.value(1).contains(QStringLiteral("ADI")));
    EXPECT_EQ(Item<CColourStatic>(page, CPSK31PageLogbook::IDC_FILE2)->text(), path);
    EXPECT_EQ(Stored().m_strLogbookFile2, path);
    EXPECT_FALSE(QFile::exists(path));  // not created
    Click(page, CPSK31PageLogbook::IDC_ENABLE2);
    Click(page, CPSK31PageLogbook::IDC_INCLUDE1);
    Click(page, CPSK31PageLogbook::IDC_CONFIRM);
    const CPSK31Settings s = Stored();
    EXPECT_EQ(s.m_bLogbookEnable2, 1);
    EXPECT_EQ(s.m_bLogbookEnable1, 0);
    EXPECT_EQ(s.m_bLogbookInclude1, 1);
    EXPECT_EQ(s.m_bLogbookConfirm, 0);
    EXPECT_EQ(s.m_strLogbookFile1, QStringLiteral("/old/log.adi"));
}

TEST_F(LocatorPages, OutOfRangeMessageIdIsRefusedOnEveryApplyUntilCorrected)
{
    CurrentSettings().m_nExtLogbookMsgId = 7;
    CPSK31Options* sheet = Open();
    sheet->SetActivePage(CPSK31Options::kLogbookExt);
    CPSK31PageLogbookExt* page = sheet->GetLogbookExtPage();
    Type(page, CPSK31PageLogbookExt::IDC_MSG_ID, QStringLiteral("1000"));
    EXPECT_TRUE(prompter().m_boxes.isEmpty());
    EXPECT_EQ(Stored().m_nExtLogbookMsgId, 1000);
    QTest::keyClicks(Item<QLineEdit>(page, CPSK31PageLogbookExt::IDC_MSG_ID), QStringLiteral("0"));
    ASSERT_EQ(prompter().m_boxes.size(), 1);
    EXPECT_EQ(prompter().m_boxes[0].text, QStringLiteral("Please enter an integer between 0 and 9999."));
    // The field keeps the keyboard, its text selected; the stored value stays.
    EXPECT_EQ(Stored().m_nExtLogbookMsgId, 1000);
    EXPECT_TRUE(Item<QLineEdit>(page, CPSK31PageLogbookExt::IDC_MSG_ID)->hasSelectedText());
    // Any change on any page shows it again; fields after it keep their values.
    Click(page, CPSK31PageLogbookExt::IDC_ENABLE);
    EXPECT_EQ(prompter().m_boxes.size(), 2);
    EXPECT_EQ(Stored().m_bExtLogbookEnable, 0);
    Click(sheet->GetAutosavePage(), CPSK31PageAutosave::IDC_APPEND);
    EXPECT_EQ(prompter().m_boxes.size(), 3);
    EXPECT_EQ(Stored().m_bAutosaveAppend, 0);  // other pages store as usual
    Type(page, CPSK31PageLogbookExt::IDC_MSG_ID, QStringLiteral("25"));
    EXPECT_EQ(prompter().m_boxes.size(), 3);
    EXPECT_EQ(Stored().m_nExtLogbookMsgId, 25);
    EXPECT_EQ(Stored().m_bExtLogbookEnable, 1);
}

TEST_F(LocatorPages, NonNumericParameterAsksForAPositiveInteger)
{
    CPSK31Options* sheet = Open();
    sheet->SetActivePage(CPSK31Options::kLogbookExt);
    CPSK31PageLogbookExt* page = sheet->GetLogbookExtPage();
    Type(page, CPSK31PageLogbookExt::IDC_LPARAM, QStringLiteral("x"));
    ASSERT_EQ(prompter().m_boxes.size(), 1);
    EXPECT_EQ(prompter().m_boxes[0].text, QStringLiteral("Please enter a positive integer."));
    Type(page, CPSK31PageLogbookExt::IDC_LPARAM, QStringLiteral("65535"));
    Type(page, CPSK31PageLogbookExt::IDC_WPARAM, QStringLiteral("12"));
    Type(page, CPSK31PageLogbookExt::IDC_CLASS, QStringLiteral("LogWnd"));
    const CPSK31Settings s = Stored();
    EXPECT_EQ(s.m_nExtLogbookLPARAM, 65535);
    EXPECT_EQ(s.m_nExtLogbookWPARAM, 12);
    EXPECT_EQ(s.m_strExtLogbookClass, QStringLiteral("LogWnd"));
}

TEST_F(LocatorPages, CodeSampleIsWrittenFromTheEntriesAndOpened)
{
    testsupport::UrlCatcher opener;
    CPSK31Options* sheet = Open();
    sheet->SetActivePage(CPSK31Options::kLogbookExt);
    CPSK31PageLogbookExt* page = sheet->GetLogbookExtPage();
    Item<QLineEdit>(page, CPSK31PageLogbookExt::IDC_CLASS)->setText(QStringLiteral("TLogMainForm"));
    Item<QLineEdit>(page, CPSK31PageLogbookExt::IDC_MSG_ID)->setText(QStringLiteral("25"));
    Item<QLineEdit>(page, CPSK31PageLogbookExt::IDC_WPARAM)->setText(QStringLiteral("1"));
    Item<QLineEdit>(page, CPSK31PageLogbookExt::IDC_LPARAM)->setText(QStringLiteral("0"));
    const QString path = CPSK31PageLogbookExt::SamplePath();
    QFile::remove(path);
    Click(page, CPSK31PageLogbookExt::IDC_SAMPLE);
    EXPECT_EQ(Broadcasts(), 0);
    EXPECT_EQ(CurrentSettings().m_nExtLogbookMsgId, 0);  // entries, not settings
    EXPECT_TRUE(path.endsWith(QStringLiteral("/External Logbook Code Sample.txt")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromLatin1(file.readAll()).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines, PskOptions::ExternalLogbookSample(false, QStringLiteral("TLogMainForm"), 25, 0, 1));
    EXPECT_TRUE(lines.contains(QStringLiteral("UINT nMsgId = 1049;   // WM_USER + 25")));
    EXPECT_EQ(opener.m_opened, QStringList{path});
    file.close();
    QFile::remove(path);

    // With an entry that fails its check nothing is written.
    Item<QLineEdit>(page, CPSK31PageLogbookExt::IDC_WPARAM)->setText(QStringLiteral("70000"));
    Click(page, CPSK31PageLogbookExt::IDC_SAMPLE);
    EXPECT_EQ(prompter().m_boxes.size(), 1);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(opener.m_opened.size(), 1);
}
