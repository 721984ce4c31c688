// The DX-spot pages: cutting spot lines by their columns, and the DX Cluster
// window fetching pages from a local HTTP server through a real request
// worker: columns, frequency forms, an unchanged page skipped, failures,
// the countdown and the refresh interval.
#include "corvane/core/RequestWorker.h"
#include "corvane/frontpanel/RefreshIntervalDialog.h"
#include "corvane/organisers/DxClusterDialog.h"
#include "corvane/organisers/DxSpotPage.h"
#include "corvane/organisers/DxServerDialog.h"
#include "corvane/core/LocalHttpServer.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/ScriptedPrompter.h"
#include "OrganiserTestSupport.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// One spot line as the server writes it: spotter and frequency in the
// first 17 characters, DX from 18, comment from 30, time from 60.
QString spotLine(const QString& spotter, const QString& frequency, const QString& dx, const QString& comment,
                 const QString& time)
{
    QString head = spotter.leftJustified(17 - frequency.size(), QLatin1Char(' ')) + frequency;
    return head.leftJustified(18, QLatin1Char(' ')) + dx.leftJustified(12, QLatin1Char(' ')) +
           comment.leftJustified(30, QLatin1Char(' ')) + time;
}

QByteArray page(const QString& heading, const QStringList& spots)
{
    QString html = QStringLiteral("<HTML><BODY>\n<H4>%1</H4>\n<PRE>").arg(heading);
    html += spots.join(QLatin1Char('\n'));
    html += QStringLiteral("\n</PRE>\n</BODY></HTML>\n");
    return html.toLatin1();
}

const QStringList kSpots = {
    spotLine("G4ABC", "14025.3", "VP8LP", "Falklands CW", "1203 12 Mar"),
    spotLine("DL1XYZ", "7012", "3Y0J", "Bouvet", "1201 12 Mar"),
    spotLine("OH2BH", "50110.", "ZS6WAB", "Es", "1159 12 Mar"),
};

} // namespace

TEST(DxSpotPage, CutsSpotLinesByColumns)
{
    const CDxSpotPage::Spot s = CDxSpotPage::ParseSpotLine(kSpots[0]);
    EXPECT_EQ(s.strSpotter, "G4ABC");
    EXPECT_EQ(s.strFrequency, " 14025.3") << "the frequency keeps the blank it was cut at";
    EXPECT_EQ(s.strDx, "VP8LP");
    EXPECT_EQ(s.strComment, "Falklands CW");
    EXPECT_EQ(s.strTime, "1203 12 Mar");

    struct Case {
        QString line;
        QString spotter;
        QString frequency;
    };
    const Case cases[] = {
        {kSpots[1], "DL1XYZ", " 7012.0"},           // no point: ".0"
        {kSpots[2], "OH2BH", " 50110.0"},           // a trailing point: "0"
        {"ABCDEFGHIJKLMNOPQRSTUVW", "ABCDEFGHI", "JKLMNOPQ.0"},  // no blank: split at 9
        {"SHORT", "SHORT", ".0"},
    };
    for (const Case& c : cases) {
        const CDxSpotPage::Spot spot = CDxSpotPage::ParseSpotLine(c.line);
        EXPECT_EQ(spot.strSpotter, c.spotter) << c.line.toStdString();
        EXPECT_EQ(spot.strFrequency, c.frequency) << c.line.toStdString();
    }
    // Lines shorter than a column give empty cells.
    EXPECT_EQ(CDxSpotPage::ParseSpotLine("G4ABC     14025.3 VP8LP").strComment, "");
    EXPECT_EQ(CDxSpotPage::GetCell("abc", 3, 2), "");
    EXPECT_EQ(CDxSpotPage::GetCell("ab  cd  ef", 2, 5), "cd");
}

TEST(DxSpotPage, FindsTheBlockAndTheHeading)
{
    const QStringList lines = {"<H4>First<b>x</b>", "junk", "<PRE>" + kSpots[0], kSpots[1], "", "</PRE>",
                               "after the block", "<H4>Spots on 20m</H4>"};
    const CDxSpotPage::Parsed parsed = CDxSpotPage::ParseLines(lines);
    EXPECT_EQ(parsed.strCaption, "Spots on 20m");
    ASSERT_EQ(parsed.spots.size(), 2);
    EXPECT_EQ(parsed.spots[1].strDx, "3Y0J");
    EXPECT_TRUE(CDxSpotPage::ParseLines({"<HTML>", "no block"}).spots.isEmpty());
    EXPECT_TRUE(CDxSpotPage::ParseLines({"<H4><i>x</i>"}).strCaption.startsWith("<i>"))
        << "a '<' right after the heading tag keeps the rest";
}

TEST(DxSpotPage, FrequencyCellsTuneInHertz)
{
    struct Case {
        const char* cell;
        bool ok;
        uint32_t hz;
    };
    const Case cases[] = {
        {" 7012.5", true, 7012500},  {" 14025.3", true, 14025300}, {" 7012.0", true, 7012000},
        {"  50110.05", true, 50110050}, {" 144300.123", true, 144300123}, {" 500000.0", true, 500000000},
        {" 500001.0", false, 0},     {" 1296200.0", false, 0},    {" .0", false, 0},
    };
    for (const Case& c : cases) {
        uint32_t hz = 0;
        EXPECT_EQ(CDxSpotPage::FrequencyToHz(c.cell, hz), c.ok) << c.cell;
        if (c.ok)
            EXPECT_EQ(hz, c.hz) << c.cell;
    }
}

TEST(DxSpotPage, TwentyNinePagesOnOneServer)
{
    const QStringList names = CDxSpotPage::PageNames();
    ASSERT_EQ(names.size(), 29);
    EXPECT_EQ(names.first(), "25 DX");
    EXPECT_EQ(names.last(), "Satellite");
    EXPECT_EQ(CDxSpotPage::PathOf("137kHz"), "/dxs/137.html");
    EXPECT_EQ(CDxSpotPage::PathOf("14MHz"), "/dxs/14.html?");
    EXPECT_EQ(CDxSpotPage::PathOf("14mhz"), "") << "names match exactly";
    EXPECT_EQ(CDxSpotPage::Address(" dx.example:8080 ", "/dxs/"), "http://dx.example:8080/dxs/");
}

namespace {

class DxWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        GetRegistry().WriteString(CDxClusterDialog::HostValueName(),
                                  QStringLiteral("127.0.0.1:%1").arg(server.url("").section(':', -1)));
        server.body = page("DX spots on all bands", kSpots);
        ASSERT_TRUE(worker.Start());
    }
    void TearDown() override
    {
        dialog.reset();
        worker.Stop();
    }
    void open()
    {
        dialog = std::make_unique<CDxClusterDialog>(nullptr);
        dialog->SetRequestWorker(&worker);
        dialog->show();
    }
    // Fetches and waits until the page's result was handled: the result
    // restarts the countdown, which a tick has moved off 0 meanwhile.
    bool fetchAndWait()
    {
        dialog->OnRefresh();
        dialog->OnTimerTick();
        return QTest::qWaitFor([&] { return dialog->GetCountdown() == 0; }, 5000);
    }
    QStringList rowTexts(int row) const
    {
        QStringList texts;
        for (int c = 0; c < 5; ++c)
            texts << dialog->Spots()->GetItemText(row, c);
        return texts;
    }

    webtest::LocalHttpServer server;
    CRequestWorker worker;
    std::unique_ptr<CDxClusterDialog> dialog;
};

} // namespace

TEST_F(DxWindow, StartsIdleOnTheStoredPage)
{
    GetRegistry().WriteDialogString(345, 1413, "14mhz");
    open();
    EXPECT_EQ(dialog->Pages()->count(), 29);
    EXPECT_EQ(dialog->Pages()->currentItem()->text(), "14MHz") << "found as a list box finds a prefix";
    EXPECT_FALSE(dialog->IsUpdating());
    EXPECT_FALSE(dialog->IsTimerRunning());
    EXPECT_EQ(dialog->GetCountdown(), -1);
    EXPECT_EQ(dialog->GetInterval(), 60);
    QTest::qWait(100);
    EXPECT_EQ(server.requests(), 0) << "nothing is fetched at start";
    ASSERT_EQ(dialog->Spots()->GetColumnCount(), 5);
    EXPECT_EQ(dialog->Spots()->GetColumnHeading(1), "Frequency");
    EXPECT_EQ(dialog->Spots()->GetColumnFormat(1), LVCFMT_RIGHT);

    dialog.reset();
    GetRegistry().WriteDialogString(345, 1413, "No such page");
    open();
    EXPECT_EQ(dialog->Pages()->currentRow(), 0) << "an unknown name leaves \"25 DX\"";
}

TEST_F(DxWindow, ListsTheSpotsOfAFetchedPage)
{
    open();
    dialog->Pages()->setCurrentRow(13);  // 14MHz; updates are off, so nothing is fetched
    QTest::qWait(50);
    EXPECT_EQ(server.requests(), 0);
    ASSERT_TRUE(fetchAndWait());
    EXPECT_EQ(dialog->windowTitle(), "DX spots on all bands");
    ASSERT_EQ(dialog->Spots()->GetItemCount(), 3);
    EXPECT_EQ(rowTexts(0), QStringList({"VP8LP", " 14025.3", "1203 12 Mar", "G4ABC", "Falklands CW"}));
    EXPECT_EQ(rowTexts(1), QStringList({"3Y0J", " 7012.0", "1201 12 Mar", "DL1XYZ", "Bouvet"}));
    EXPECT_EQ(rowTexts(2)[1], " 50110.0");
    EXPECT_EQ(GetRegistry().GetDialogString(345, 1413), "14MHz") << "the page asked for is remembered";
    EXPECT_FALSE(dialog->IsTimerRunning()) << "updates are off: no countdown";
}

TEST_F(DxWindow, AnUnchangedPageChangesNothingAndTheSameCountRefreshesInPlace)
{
    open();
    ASSERT_TRUE(fetchAndWait());
    dialog->Spots()->SelectItem(1, true);
    dialog->setWindowTitle("renamed meanwhile");
    const int width = dialog->Spots()->columnWidth(4);
    dialog->Spots()->setColumnWidth(4, width + 40);
    ASSERT_TRUE(fetchAndWait());
    EXPECT_EQ(dialog->windowTitle(), "renamed meanwhile") << "an unchanged page is skipped whole";
    EXPECT_EQ(dialog->Spots()->GetFirstSelectedItem(), 1);
    EXPECT_EQ(dialog->Spots()->columnWidth(4), width + 40);

    // Same number of spots, new order: rows are rewritten in place, the
    // columns keep their widths and the selected spot stays selected.
    server.body = page("Reordered", {kSpots[1], kSpots[2], kSpots[0]});
    ASSERT_TRUE(fetchAndWait());
    EXPECT_EQ(dialog->windowTitle(), "Reordered");
    EXPECT_EQ(dialog->Spots()->columnWidth(4), width + 40);
    EXPECT_EQ(dialog->Spots()->GetFirstSelectedItem(), 0);
    EXPECT_EQ(rowTexts(0)[0], "3Y0J");

    // A different count clears and refills.
    server.body = page("Two", {kSpots[2], kSpots[0]});
    ASSERT_TRUE(fetchAndWait());
    EXPECT_EQ(dialog->Spots()->GetItemCount(), 2);
    EXPECT_EQ(dialog->Spots()->GetFirstSelectedItem(), -1);
}

TEST_F(DxWindow, AFailedFetchEmptiesTheListAndTheNextGoodPageShowsAgain)
{
    open();
    ASSERT_TRUE(fetchAndWait());
    ASSERT_EQ(dialog->Spots()->GetItemCount(), 3);
    server.behaviour = webtest::LocalHttpServer::NotFound;
    ASSERT_TRUE(fetchAndWait());
    EXPECT_EQ(dialog->Spots()->GetItemCount(), 0);
    EXPECT_FALSE(dialog->windowTitle().isEmpty());
    EXPECT_NE(dialog->windowTitle(), "DX spots on all bands") << "the worker's error is the caption";
    EXPECT_TRUE(dialog->GetLastPageText().isEmpty());
    // The same page as before the failure comes back.
    server.behaviour = webtest::LocalHttpServer::Serve;
    ASSERT_TRUE(fetchAndWait());
    EXPECT_EQ(dialog->Spots()->GetItemCount(), 3);
    EXPECT_EQ(dialog->windowTitle(), "DX spots on all bands");
}

TEST_F(DxWindow, UpdatesCountDownAndFetchAgainAtTheInterval)
{
    GetRegistry().WriteDialogInt(345, 1101, 12);
    open();
    ASSERT_EQ(dialog->GetInterval(), 12);
    dialog->UpdatesButton()->Click();  // down: refreshes at once
    ASSERT_TRUE(dialog->IsUpdating());
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->Spots()->GetItemCount() == 3; }, 5000));
    EXPECT_TRUE(dialog->IsTimerRunning());
    EXPECT_EQ(dialog->Meter()->GetUpper(), 12);
    const int fetched = server.requests();
    for (int i = dialog->GetCountdown() + 1; i < 12; ++i) {
        dialog->OnTimerTick();
        EXPECT_EQ(dialog->GetCountdown(), i);
    }
    EXPECT_EQ(dialog->Meter()->GetPos(), 11);
    EXPECT_EQ(server.requests(), fetched);
    dialog->OnTimerTick();  // the interval is reached
    EXPECT_FALSE(dialog->IsTimerRunning()) << "no timer while a fetch is out";
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests() == fetched + 1 && dialog->IsTimerRunning(); }, 5000));
    EXPECT_EQ(dialog->GetCountdown(), 0) << "every result restarts the countdown";

    // A hidden window keeps counting but fetches only when shown again.
    dialog->hide();
    for (int i = 0; i < 15; ++i)
        dialog->OnTimerTick();
    QTest::qWait(100);
    EXPECT_EQ(server.requests(), fetched + 1);
    dialog->show();
    dialog->OnTimerTick();
    ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests() == fetched + 2; }, 5000));

    // Closing puts the button up and stops the updates.
    dialog->close();
    EXPECT_FALSE(dialog->IsUpdating());
    EXPECT_FALSE(dialog->IsTimerRunning());
}

TEST_F(DxWindow, ARefreshIntervalBelowTenIsStoredAsTen)
{
    open();
    orgtest::whenModal<CRefreshIntervalDialog>([](CRefreshIntervalDialog* d) {
        d->GetEdit()->setText("5");
        d->OnOK();
    });
    dialog->OnSetInterval();
    EXPECT_EQ(dialog->GetInterval(), 10);
    EXPECT_EQ(GetRegistry().GetDialogInt(345, 1101, 0), 10);
    EXPECT_EQ(dialog->Meter()->GetUpper(), 10);
    EXPECT_EQ(dialog->Meter()->GetPos(), 0);
}

TEST_F(DxWindow, WithoutAServerStartAsksForOneAndStoresIt)
{
    const QString host = GetRegistry().GetString(CDxClusterDialog::HostValueName());
    GetRegistry().WriteString(CDxClusterDialog::HostValueName(), QString());
    open();
    EXPECT_EQ(dialog->windowTitle(), CDxClusterDialog::NoHostCaption()) << "said as soon as it opens";
    EXPECT_FALSE(dialog->windowTitle().contains("Options")) << "no page of the options offers the server";
    EXPECT_TRUE(dialog->windowTitle().contains("Start display updates"));

    // Start, and the question cancelled: nothing fetched, the updates stay off.
    int asked = 0;
    orgtest::whenModal<CDxServerDialog>([&](CDxServerDialog* d) {
        ++asked;
        EXPECT_EQ(d->windowTitle(), "DX-Spot Server");
        EXPECT_FALSE(d->GetOkButton()->isEnabled()) << "nothing typed, nothing to take";
        d->reject();
    });
    dialog->UpdatesButton()->Click();
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(dialog->IsUpdating());
    EXPECT_FALSE(dialog->IsTimerRunning());
    QTest::qWait(100);
    EXPECT_EQ(server.requests(), 0);
    EXPECT_EQ(worker.GetQueueLength(), 0);
    EXPECT_EQ(dialog->windowTitle(), CDxClusterDialog::NoHostCaption());
    EXPECT_TRUE(GetRegistry().GetString(CDxClusterDialog::HostValueName()).isEmpty());

    // Start again, the host typed: stored where the settings keep it, and fetched from.
    orgtest::whenModal<CDxServerDialog>([&](CDxServerDialog* d) {
        ++asked;
        QTest::keyClicks(d->GetEdit(), " http://" + host + "/ ");
        EXPECT_TRUE(d->GetOkButton()->isEnabled());
        d->GetOkButton()->click();
    });
    dialog->UpdatesButton()->Click();
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(GetRegistry().GetString(CDxClusterDialog::HostValueName()), host);
    EXPECT_TRUE(dialog->IsUpdating());
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->Spots()->GetItemCount() == 3; }, 5000));
    EXPECT_EQ(dialog->windowTitle(), "DX spots on all bands");
    EXPECT_EQ(server.requests(), 1);

    // A server set while the window is hidden counts when it shows again,
    // and one taken away is said at the next showing.
    dialog->close();
    GetRegistry().WriteString(CDxClusterDialog::HostValueName(), "   ");
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), CDxClusterDialog::NoHostCaption());
    dialog->hide();
    GetRegistry().WriteString(CDxClusterDialog::HostValueName(), host);
    dialog->show();
    EXPECT_EQ(dialog->windowTitle(), "DX Cluster");
}

TEST(DxServerDialog, TakesAHostAndAPortOnly)
{
    const struct {
        const char* typed;
        const char* host;
    } cases[] = {
        {"dxspots.example.org", "dxspots.example.org"},
        {"  dxspots.example.org:8080  ", "dxspots.example.org:8080"},
        {"http://dxspots.example.org/", "dxspots.example.org"},
        {"HTTP://127.0.0.1:8000//", "127.0.0.1:8000"},
        {"", ""},
        {"   ", ""},
        {"http://", ""},
        {"dx spots.example.org", ""},
        {"dxspots.example.org/dxs/", ""},
        {"dxspots.example.org?x=1", ""},
        {"user@dxspots.example.org", ""},
        {"dxspots.example.org:port", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CDxServerDialog::ToHost(QString::fromLatin1(c.typed)), QString::fromLatin1(c.host)) << c.typed;
}

// The home page goes to the desktop's opener as the user guide does; when
// that gives up (no browser), its words are shown, as for the guide.
TEST_F(DxWindow, AHomePageThatCannotBeOpenedIsReported)
{
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    const QString opener = bin.path() + "/xdg-open";
    {
        QFile f(opener);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/asked\"\n"
                "echo 'xdg-open: no method available for opening '\"$1\" >&2\nexit 3\n");
    }
    QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toLocal8Bit() + ":" + path);
    testsupport::prompter().clear();
    open();
    dialog->OnHomePage();
    const bool reported = QTest::qWaitFor([] { return !testsupport::prompter().m_boxes.isEmpty(); }, 5000);
    qputenv("PATH", path);
    ASSERT_TRUE(reported) << "the failure went unsaid";
    const QString host = GetRegistry().GetString(CDxClusterDialog::HostValueName());
    QFile asked(bin.path() + "/asked");
    ASSERT_TRUE(asked.open(QIODevice::ReadOnly));
    EXPECT_EQ(asked.readAll().trimmed(), QString("http://" + host + "/dxs/").toLatin1());
    const auto& box = testsupport::prompter().m_boxes.first();
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.style & 0xF0, platform::MB_ICONERROR);
    EXPECT_EQ(box.text, "Error starting \"http://" + host + "/dxs/\" -\n \nxdg-open: no method available for opening http://" +
                            host + "/dxs/");
}
