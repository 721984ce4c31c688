// The receive text path on a document: the rules of one insertion, the kinds,
// the bytes kept for the autosave, queueing and the separator texts.
#include "brevio/core/Locator.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RxTextPath.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

struct Host : CRxTextPath::Host {
    bool txHere = false;
    bool canInsert = true;
    int timerStarts = 0;
    int timerStops = 0;
    int emoticonChange = 0;
    QStringList recents;
    QStringList orbisk;
    QStringList spots;
    bool IsTransmittingHere() const override { return txHere; }
    bool CanInsertNow() const override { return canInsert; }
    void RestartQueueTimer() override { ++timerStarts; }
    void StopQueueTimer() override { ++timerStops; }
    int ReplaceEmoticon(const QString& recent) override
    {
        recents.append(recent);
        return emoticonChange;
    }
    void SendLocatorToOrbisk(const QString& l) override { orbisk.append(l); }
    void LogLocator(const QString& l, const QString& d, const QString& h, const QString& f) override
    {
        spots.append(l + QLatin1Char('|') + d + QLatin1Char('|') + h + QLatin1Char('|') + f);
    }
    QString LocatorFrequencyText() const override { return QStringLiteral("1234"); }
};

class RxTextPathTest : public ::testing::Test {
protected:
    RxTextPathTest() : path(&doc, &host)
    {
        CurrentSettings().SetDefaults();
        CurrentSettings().m_bRxEmoticons = 0;
        CurrentSettings().m_strLocator.clear();
    }
    void Receive(const char* text, int kind = 0)
    {
        for (const char* p = text; *p; ++p)
            path.OnCharRdy(uint8_t(*p), kind);
    }
    QString Text() const { return doc.toPlainText(); }
    QString Kinds() const
    {
        QString k;
        for (uint8_t v : path.GetKinds())
            k += QChar(QLatin1Char(char('0' + v)));
        return k;
    }

    QTextDocument doc;
    Host host;
    CRxTextPath path;
};

TEST_F(RxTextPathTest, LineEndsAreOneBreakAndTheLinefeedIsDropped)
{
    Receive("ab\r\ncd");
    EXPECT_EQ(Text(), QStringLiteral("ab\ncd"));
    EXPECT_EQ(path.UnsavedText(), QByteArray("ab\r\ncd"));
    EXPECT_EQ(int(path.GetKinds().size()), path.Length());
    // The linefeed is only noted among the recent characters.
    EXPECT_EQ(path.GetRecent(), QByteArray("ab\r\n\ncd"));
}

TEST_F(RxTextPathTest, BlankLinesAndSpacesAreCompressed)
{
    // The window's very first space stays; after it spaces collapse.
    Receive("  one   two \r\r  \r three");
    EXPECT_EQ(Text(), QStringLiteral(" one two \nthree"));
    CurrentSettings().m_bCompressSpaces = 0;
    CurrentSettings().m_bCompressBlankLines = 0;
    Receive("\r\r  x");
    EXPECT_EQ(Text(), QStringLiteral(" one two \nthree\n\n  x"));
}

TEST_F(RxTextPathTest, BackspaceNeedsTwoCharactersAndKeepsTheSavedBytes)
{
    Receive("a\b");
    EXPECT_EQ(Text(), QStringLiteral("a"));
    Receive("b", 2);
    Receive("\b");
    EXPECT_EQ(Text(), QStringLiteral("a"));
    EXPECT_EQ(Kinds(), QStringLiteral("0"));
    EXPECT_EQ(path.UnsavedText(), QByteArray("ab"));
    Receive("\t\x01" "c");
    EXPECT_EQ(Text(), QStringLiteral("ac"));
}

TEST_F(RxTextPathTest, SlashedZeroAndKindsOfEchoAndSeparator)
{
    Receive("10");
    host.txHere = true;
    Receive("x");     // our own signal while we transmit: dropped
    Receive("TX", 1); // the echo
    host.txHere = false;
    Receive("y", 1);  // an echo for another channel: dropped
    Receive("-", 2);
    EXPECT_EQ(Text(), QStringLiteral("1") + QChar(0xD8) + QStringLiteral("TX-"));
    EXPECT_EQ(Kinds(), QStringLiteral("00112"));
    EXPECT_EQ(path.UnsavedText(), QByteArray("1\xD8TX-"));
    // Each kind in its own format.
    CurrentSettings().m_bRxSlashZero = 0;
    QTextCharFormat rx, tx, sep;
    rx.setForeground(QColor(1, 2, 3));
    tx.setForeground(QColor(4, 5, 6));
    sep.setForeground(QColor(7, 8, 9));
    path.SetFormats(rx, tx, sep);
    path.RecolourText();
    QTextCursor cursor(&doc);
    cursor.setPosition(3);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(4, 5, 6));
    cursor.setPosition(5);
    EXPECT_EQ(cursor.charFormat().foreground().color(), QColor(7, 8, 9));
    Receive("0");
    EXPECT_EQ(Text().right(1), QStringLiteral("0"));
}

TEST_F(RxTextPathTest, LocatorsAreSpottedWithDistanceAndHeading)
{
    CPSK31Settings& s = CurrentSettings();
    s.m_strLocator = QStringLiteral("JO01AA");
    s.m_bLocChannelDistance = 1;
    s.m_bLocChannelHeading = 1;
    s.m_bLocUnits = 1;
    s.m_bLocOrbisk = 1;
    Receive("loc io90br ok");
    double lon1, lat1, lon2, lat2, heading, km, miles;
    LocatorToLatLong(QStringLiteral("JO01AA"), lon1, lat1);
    LocatorToLatLong(QStringLiteral("IO90BR"), lon2, lat2);
    GetDistanceAndBearing(lon1, lat1, lon2, lat2, heading, km, miles);
    const QString insertion = QStringLiteral(" [%1").arg(heading, 0, 'f', 1) + QChar(0xB0) +
                              QStringLiteral(" %1km]").arg(km, 0, 'f', 1);
    // The slashed zero of the received locator does not stop the spot.
    EXPECT_EQ(Text(), QStringLiteral("loc io9") + QChar(0xD8) + QStringLiteral("br") + insertion + QStringLiteral(" ok"));
    EXPECT_EQ(host.orbisk, QStringList{QStringLiteral("IO9") + QChar(0xD8) + QStringLiteral("BR")});
    ASSERT_EQ(host.spots.size(), 1);
    EXPECT_TRUE(host.spots[0].endsWith(QStringLiteral("|1234")));
    // The kinds and the saved bytes hold the insertion too.
    EXPECT_EQ(int(path.GetKinds().size()), path.Length());
    EXPECT_TRUE(path.UnsavedText().contains(insertion.toLatin1()));

    // Only heading, miles; and no spot of one's own locator.
    s.m_bLocChannelDistance = 0;
    s.m_bLocUnits = 0;
    Receive(" JO01AA\r");
    EXPECT_TRUE(Text().endsWith(QStringLiteral("JO") + QChar(0xD8) + QStringLiteral("1AA\n")));
}

TEST_F(RxTextPathTest, LocatorNeedsSevenSavedBytesAndASeparatorBefore)
{
    CPSK31Settings& s = CurrentSettings();
    s.m_strLocator = QStringLiteral("JO01AA");
    s.m_bLocChannelDistance = 1;
    s.m_bLocChannelHeading = 1;
    Receive("IO91WM ");  // only six bytes before the space
    EXPECT_EQ(Text(), QStringLiteral("IO91WM "));
    Receive("XIO91WM ");  // a letter right before it
    EXPECT_EQ(Text(), QStringLiteral("IO91WM XIO91WM "));
    // After an autosave the bytes before are gone: no spot across it.
    path.UnsavedText().clear();
    Receive("IO91WM ");
    EXPECT_TRUE(host.spots.isEmpty());
    s.m_bLocChannelDistance = 0;
    s.m_bLocChannelHeading = 0;
    Receive(" IO91WM ");
    EXPECT_TRUE(host.spots.isEmpty());
}

TEST_F(RxTextPathTest, DistanceTextsGroupThousands)
{
    EXPECT_EQ(CRxTextPath::DistanceText(999.94, true), QStringLiteral("999.9km"));
    EXPECT_EQ(CRxTextPath::DistanceText(1000.0, true), QStringLiteral("1,000.0km"));
    EXPECT_EQ(CRxTextPath::DistanceText(4321.5, false), QStringLiteral("4,321.5m"));
    EXPECT_EQ(CRxTextPath::DistanceText(12345.6, true), QStringLiteral("12,345.6km"));
    EXPECT_EQ(CRxTextPath::HeadingText(45.25), QStringLiteral("45.2") + QChar(0xB0));
    EXPECT_EQ(CRxTextPath::LocatorInsertion(QStringLiteral("H"), QStringLiteral("D"), true, false),
              QStringLiteral(" [H]"));
}

TEST_F(RxTextPathTest, CharactersWaitWhileTheOperatorHoldsTheMouse)
{
    Receive("a");
    host.canInsert = false;
    Receive("b");
    Receive("c", 2);
    path.SetParagraphIndent(300);
    EXPECT_EQ(Text(), QStringLiteral("a"));
    EXPECT_EQ(path.GetPending().size(), 3u);
    EXPECT_GE(host.timerStarts, 1);
    path.OnQueueTimer();  // still held: wait on
    EXPECT_EQ(Text(), QStringLiteral("a"));
    host.canInsert = true;
    Receive("d");  // joins the queue behind the others
    EXPECT_EQ(Text(), QStringLiteral("a"));
    path.OnQueueTimer();
    EXPECT_EQ(Text(), QStringLiteral("abcd"));
    EXPECT_EQ(Kinds(), QStringLiteral("0020"));
    EXPECT_TRUE(path.GetPending().empty());
    EXPECT_GT(doc.lastBlock().blockFormat().leftMargin(), 0);
}

TEST_F(RxTextPathTest, EmoticonChangesKeepTheKindsInStep)
{
    CurrentSettings().m_bRxEmoticons = 1;
    host.emoticonChange = 0;
    Receive("hi :");
    host.emoticonChange = -1;  // ":)" became one picture
    doc.setPlainText(QStringLiteral("hi X"));
    Receive(")");
    EXPECT_EQ(host.recents.last(), QStringLiteral("hi :)"));
    EXPECT_EQ(path.GetKinds().size(), 4u);
    // Only the last ten characters are kept.
    host.emoticonChange = 0;
    Receive("0123456789abc");
    EXPECT_EQ(path.GetRecent().size(), 10);
}

TEST_F(RxTextPathTest, SeparatorAndTimeTexts)
{
    const QDateTime when(QDate(2004, 5, 3), QTime(14, 3, 7), QTimeZone::utc());
    EXPECT_EQ(CRxTextPath::TimeText(when, false, true), QStringLiteral("14:03:07 UTC"));
    EXPECT_EQ(CRxTextPath::TimeText(when, true, true), QStringLiteral("3 May 2004 14:03:07 UTC"));
    EXPECT_TRUE(CRxTextPath::TimeText(when, false, false).contains(QRegularExpression(QStringLiteral("^\\d{1,2}:\\d\\d:\\d\\d (AM|PM)$"))));
    EXPECT_EQ(CRxTextPath::SeparatorText(true, QStringLiteral("T"), QString(), false, QString(), false),
              QStringLiteral("\rTX> T\r"));
    EXPECT_EQ(CRxTextPath::SeparatorText(true, QStringLiteral("T"), QStringLiteral("7.071.234"), true,
                                         QStringLiteral("QT9XVK"), false),
              QStringLiteral("\rTX> 7.071.234 - T\rSending CW identification: QT9XVK\r"));
    EXPECT_EQ(CRxTextPath::SeparatorText(false, QStringLiteral("T"), QString(), true, QString(), true),
              QStringLiteral("\rPress F8 to configure PSK31 Brevio\r\rRX> T\r"));
}

} // namespace
