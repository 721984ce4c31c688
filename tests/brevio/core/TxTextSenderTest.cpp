// The transmit text's sending steps on the recording engine: send modes,
// inline commands, the sent boundary and what edits it allows.
#include "RecordingDsp.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/TxTextSender.h"

#include <QTextDocument>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {

struct Host : CTxTextSender::Host {
    QStringList status;
    QList<bool> cwId;
    bool transmitting = true;
    void SetStatusText(const QString& t) override { status.append(t); }
    void SetCWIdPending(bool b) override { cwId.append(b); }
    bool IsMainTransmitting() const override { return transmitting; }
    QDateTime NowUtc() const override { return QDateTime(QDate(2004, 5, 3), QTime(14, 3, 7), QTimeZone::utc()); }
};

class TxTextSenderTest : public ::testing::Test {
protected:
    TxTextSenderTest() : sender(&doc, &host)
    {
        CurrentSettings().SetDefaults();
        // The engine never reports a queue, so every pump empties the text.
        dsp.SetResult("fnGetTXCharsRemaining", 0);
    }
    // The characters handed to the engine, as text.
    QString OnAir() const
    {
        QString s;
        for (const QString& call : dsp.Calls(QStringLiteral("fnSendTXCharacter("))) {
            const int c = call.mid(18, call.indexOf(QLatin1Char(',')) - 18).toInt();
            s += c == 8 ? QStringLiteral("<BS>") : c == '\r' ? QStringLiteral("<CR>") : c == '\n' ? QStringLiteral("<LF>")
                                                                                             : QString(QChar(uint8_t(c)));
        }
        return s;
    }

    testsupport::RecordingDsp dsp;
    QTextDocument doc;
    Host host;
    CTxTextSender sender;
};

TEST_F(TxTextSenderTest, StopIsNeverSentAndEndsTheText)
{
    ASSERT_TRUE(dsp.IsLoaded());
    sender.AddText(QStringLiteral("cq de[STOP]more"), false, false);
    EXPECT_EQ(OnAir(), QString());  // not sending: nothing goes out
    sender.StartStop(1);
    sender.Pump();
    EXPECT_EQ(OnAir(), QStringLiteral("cq de"));
    EXPECT_EQ(host.status.last(), QStringLiteral("Stopping"));
    EXPECT_TRUE(sender.NextIsStop());
    sender.SkipStop();
    EXPECT_EQ(sender.GetSentCount(), 11);
    EXPECT_EQ(sender.GetUnsentCount(), 4);
    // Skipped on air, it ends this transmission: the echoes of what the
    // engine still holds, and edits, hand nothing more over.
    EXPECT_TRUE(sender.IsStopping());
    sender.Pump();
    EXPECT_EQ(sender.SendNext(), 0);
    sender.AddText(QStringLiteral(" typed"), false, false);
    EXPECT_EQ(OnAir(), QStringLiteral("cq de"));
    EXPECT_EQ(host.status.last(), QStringLiteral("Stopping"));
    // The return to receive, then the next start: the rest goes.
    sender.StartStop(0);
    EXPECT_FALSE(sender.IsStopping());
    sender.StartStop(1);
    sender.Pump();
    EXPECT_EQ(OnAir(), QStringLiteral("cq demore typed"));
    EXPECT_EQ(sender.SendNext(), 0);
    EXPECT_EQ(host.status.last(), QStringLiteral("All text sent, press Escape to stop"));
}

TEST_F(TxTextSenderTest, StopPassedOverBeforeAStartHoldsNothingBack)
{
    // Off the air (the start of a transmission, or the return to receive)
    // skipping a "[stop]" only moves the boundary past it.
    host.transmitting = false;
    sender.AddText(QStringLiteral("[stop]cq"), false, false);
    sender.SkipStop();
    EXPECT_FALSE(sender.IsStopping());
    sender.StartStop(1);
    sender.Pump();
    EXPECT_EQ(OnAir(), QStringLiteral("cq"));
}

TEST_F(TxTextSenderTest, StartHandsOverTwoStepsAndLineEndsGoAsOnePair)
{
    sender.AddText(QStringLiteral("ab\r\ncd"), false, false);
    dsp.SetResult("fnGetTXCharsRemaining", 2);
    sender.StartStop(1);
    EXPECT_EQ(OnAir(), QStringLiteral("ab"));
    EXPECT_EQ(sender.SendNext(), 1);
    EXPECT_EQ(OnAir(), QStringLiteral("ab<CR><LF>"));
    EXPECT_EQ(sender.GetSentCount(), 3);
    // Bytes above 127 go as signed 8-bit values.
    sender.AddText(QString(QChar(0xD8)), false, false);
    dsp.Clear();
    sender.SendNext();
    sender.SendNext();
    sender.SendNext();
    EXPECT_EQ(dsp.Calls(QStringLiteral("fnSendTXCharacter")).last(), QStringLiteral("fnSendTXCharacter(-40, 0)"));
}

TEST_F(TxTextSenderTest, SendModesHoldTheLastWordBack)
{
    struct Case {
        int mode;
        const char* text;
        const char* onAir;
        const char* status;
    } cases[] = {
        {1, "hello", "", "Waiting for space or linefeed to continue sending"},
        {1, "hello world", "hello ", "Waiting for space or linefeed to continue sending"},
        {2, "hello world", "", "Waiting for linefeed to continue sending"},
        {2, "word[stop]", "word", "Stopping"},
        {2, "line\r\n", "line<CR><LF>", "All text sent, press Escape to stop"},
    };
    for (const Case& c : cases) {
        CurrentSettings().m_nTxSendChars = c.mode;
        sender.Clear();
        dsp.Clear();
        sender.StartStop(1);
        sender.AddText(QString::fromLatin1(c.text), false, false);
        EXPECT_EQ(OnAir(), QString::fromLatin1(c.onAir)) << c.mode << " " << c.text;
        EXPECT_EQ(host.status.last(), QString::fromLatin1(c.status)) << c.mode << " " << c.text;
    }
    // Typing the space releases the waiting word, the space with it.
    CurrentSettings().m_nTxSendChars = 1;
    sender.Clear();
    dsp.Clear();
    sender.AddText(QStringLiteral("hello"), false, false);
    EXPECT_TRUE(sender.IsWaiting());
    sender.AddText(QStringLiteral(" "), false, false);
    EXPECT_EQ(OnAir(), QStringLiteral("hello "));
}

TEST_F(TxTextSenderTest, InlineCommands)
{
    sender.AddText(QStringLiteral("[CW-ID-ON]a[cw-id-off][DATE] [time]"), false, false);
    sender.StartStop(1);
    sender.Pump();
    EXPECT_EQ(host.cwId, (QList<bool>{true, false}));
    EXPECT_EQ(OnAir(), QStringLiteral("a03 May 2004 14:03:07z"));
    // The expansions are shown where the commands stood.
    EXPECT_EQ(sender.Text(), QStringLiteral("[CW-ID-ON]a[cw-id-off]03 May 2004 14:03:07z"));
}

TEST_F(TxTextSenderTest, BackspaceAtTheBoundaryTakesTheLastSentCharacterBack)
{
    CurrentSettings().m_bTxBackspace = 1;
    sender.AddText(QStringLiteral("ab\r\ncd"), false, false);
    dsp.SetResult("fnGetTXCharsRemaining", 2);
    sender.StartStop(1);  // "ab" sent
    EXPECT_EQ(sender.CheckBackspace(1, 1), CTxTextSender::Refused);  // inside the sent part
    EXPECT_EQ(sender.CheckBackspace(2, 3), CTxTextSender::Refused);  // a selection from the boundary
    EXPECT_EQ(sender.CheckBackspace(3, 3), CTxTextSender::Allowed);
    EXPECT_EQ(sender.CheckBackspace(2, 2), CTxTextSender::TakenBack);
    EXPECT_EQ(sender.Text(), QStringLiteral("a\ncd"));
    EXPECT_EQ(sender.GetSentCount(), 1);
    EXPECT_EQ(OnAir(), QStringLiteral("ab<BS>"));
    // After a sent line end the pair goes, with one backspace on air.
    sender.SendNext();
    EXPECT_EQ(sender.GetSentCount(), 2);
    EXPECT_EQ(sender.CheckBackspace(2, 2), CTxTextSender::TakenBack);
    EXPECT_EQ(sender.Text(), QStringLiteral("acd"));
    EXPECT_EQ(sender.GetSentCount(), 1);
    EXPECT_EQ(OnAir(), QStringLiteral("ab<BS><CR><LF><BS>"));
    // Without the option, or while not transmitting: a refusal.
    CurrentSettings().m_bTxBackspace = 0;
    EXPECT_EQ(sender.CheckBackspace(sender.GetSentCount(), sender.GetSentCount()), CTxTextSender::Refused);
    CurrentSettings().m_bTxBackspace = 1;
    host.transmitting = false;
    EXPECT_EQ(sender.CheckBackspace(sender.GetSentCount(), sender.GetSentCount()), CTxTextSender::Refused);
    EXPECT_FALSE(sender.CanReplace(0, 1));
    EXPECT_FALSE(sender.CanDelete(sender.GetSentCount() - 1, sender.GetSentCount()));
    EXPECT_TRUE(sender.CanDelete(sender.GetSentCount(), sender.GetSentCount()));
}

TEST_F(TxTextSenderTest, ClearTextOptionRemovesTheSentPartAtTheEnd)
{
    CurrentSettings().m_bClearTxText = 1;
    sender.AddText(QStringLiteral("sent"), false, false);
    sender.StartStop(1);
    sender.Pump();
    sender.AddText(QStringLiteral("rest"), false, true);
    sender.StartStop(0);
    EXPECT_FALSE(sender.IsSending());
    sender.AddText(QStringLiteral("x"), false, false);  // not sending: stays unsent
    EXPECT_EQ(sender.GetSentCount(), 0);
    EXPECT_EQ(sender.Text(), QStringLiteral("x"));
    CurrentSettings().m_bClearTxText = 0;
}

TEST_F(TxTextSenderTest, AppendingStartsOnANewLineAndTagsReplaceOnlyUnsentText)
{
    sender.AddText(QStringLiteral("<Name> hi"), false, false);
    sender.StartStop(1);
    dsp.SetResult("fnGetTXCharsRemaining", 2);
    sender.StartStop(1);
    sender.AddText(QStringLiteral("<Name>"), true, true);
    EXPECT_EQ(sender.Text(), QStringLiteral("<Name> hi\n<Name>\n"));
    EXPECT_TRUE(sender.ReplaceTagInUnsent(QStringLiteral("Name"), QStringLiteral("Ann")));
    EXPECT_EQ(sender.Text(), QStringLiteral("<Name> hi\nAnn\n"));
    EXPECT_FALSE(sender.ReplaceTagInUnsent(QStringLiteral("Call"), QStringLiteral("x")));
    sender.MarkAllUnsent();
    EXPECT_EQ(sender.GetSentCount(), 0);
    sender.Clear();
    EXPECT_EQ(sender.Length(), 0);
    EXPECT_FALSE(dsp.Calls(QStringLiteral("fnClearTXBuffer")).isEmpty());
}

} // namespace
