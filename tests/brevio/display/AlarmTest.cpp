// Alarms without a window: matching, firing, the list's operations and the
// alarms file on disk.
#include "brevio/display/Alarm.h"
#include "brevio/display/AlarmActions.h"
#include "brevio/display/AlarmList.h"

#include "platform/Program.h"
#include "brevio/core/PSK31Settings.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

// Keeps what the alarms asked of the outside world.
class RecordingActions : public CAlarmActions {
public:
    void Beep() override { m_calls << QStringLiteral("beep"); }
    void PlayWave(const QString& strPath) override { m_calls << QStringLiteral("play ") + strPath; }
    void Speak(const QString& strText, bool bSpell, bool bPhonetic) override
    {
        m_calls << QStringLiteral("speak %1|%2|%3").arg(strText).arg(int(bSpell)).arg(int(bPhonetic));
    }
    QStringList m_calls;
};

class AlarmFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        CurrentSettings().SetDefaults();
        CAlarmActions::SetInstance(&m_actions);
    }
    void TearDown() override
    {
        CAlarmActions::SetInstance(nullptr);
        Alarms().RemoveAll();
        platform::setProgram(platform::corvaneIdentity());
    }
    static CAlarm Make(const QString& title, const QString& expression, uint32_t flags = 0, int enabled = 1)
    {
        CAlarm a;
        a.SetTitle(title);
        a.SetExpression(expression);
        a.SetFlags(flags);
        a.SetEnabled(enabled);
        return a;
    }
    RecordingActions m_actions;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST_F(AlarmFixture, MatchFindsTheLastOccurrenceOfTheWholeExpression)
{
    struct Case {
        const char* expression;
        QString text;
        bool matches;
        const char* found;
    };
    const QString slashed = QStringLiteral("de g") + QChar(0xD8) + QStringLiteral("abc k");
    const Case cases[] = {
        {"cq [a-z]+", QStringLiteral("cq dx de aa cq test de bb"), true, "cq test"},
        {"cq", QStringLiteral("cq cq de g4abc"), true, "cq"},
        // Groups of its own: the match of the whole expression comes back.
        {"(cq|qrz) (dx|test)", QStringLiteral("qrz test pse"), true, "qrz test"},
        // Upper case in the expression is lowered; \D turns into \d.
        {"G4ABC", QStringLiteral("de g4abc k"), true, "g4abc"},
        {"G\\D", QStringLiteral("de g4"), true, "g4"},
        {"G\\D", QStringLiteral("de gx"), false, ""},
        // The slashed zero of received text reads as 0.
        {"g0abc", slashed, true, "g0abc"},
        // Surrounding white space of the match is trimmed.
        {"\\s+dx\\s+", QStringLiteral("cq  dx  de"), true, "dx"},
        {"zz", QStringLiteral("cq cq"), false, ""},
        // An unbalanced parenthesis never compiles: no match, no message.
        {"(cq", QStringLiteral("cq cq"), false, ""},
    };
    for (const Case& c : cases) {
        const CAlarm alarm = Make(QStringLiteral("t"), QString::fromLatin1(c.expression));
        QString found = QStringLiteral("unchanged");
        EXPECT_EQ(alarm.Match(c.text, found), c.matches) << c.expression;
        if (c.matches) {
            EXPECT_EQ(found, QString::fromLatin1(c.found)) << c.expression;
        }
    }
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    QString found;
    EXPECT_EQ(CAlarm::MatchPattern(QStringLiteral("(cq"), QStringLiteral("cq"), found), -1);
    EXPECT_EQ(CAlarm::MatchPattern(QStringLiteral("[a-"), QStringLiteral("cq"), found), -1);

    // A disabled alarm never matches.
    const CAlarm off = Make(QStringLiteral("t"), QStringLiteral("cq"), 0, 0);
    EXPECT_FALSE(off.Match(QStringLiteral("cq"), found));
    // The expression keeps its case as entered, only its matching copy is lowered.
    EXPECT_EQ(Make(QStringLiteral("t"), QStringLiteral("CQ\\D")).GetExpression(), QStringLiteral("CQ\\D"));
    EXPECT_EQ(Make(QStringLiteral("t"), QStringLiteral("CQ\\D")).GetExpressionLower(), QStringLiteral("cq\\d"));
    // Only A-Z are lowered: the slashed zero stays.
    EXPECT_EQ(CAlarm::ToLowerAscii(QStringLiteral("AB") + QChar(0xD8)), QStringLiteral("ab") + QChar(0xD8));
}

TEST_F(AlarmFixture, MatchAllListsEveryMatchingAlarmInListOrder)
{
    CAlarmList list;
    list.AddCopy(Make(QStringLiteral("dx"), QStringLiteral("dx")));
    list.AddCopy(Make(QStringLiteral("off"), QStringLiteral("cq"), 0, 0));
    list.AddCopy(Make(QStringLiteral("call"), QStringLiteral("g4[a-z]+")));
    QStringList titles, matched;
    EXPECT_TRUE(list.MatchAll(QStringLiteral("cq dx de g4abc"), titles, matched));
    EXPECT_EQ(titles, QStringList({QStringLiteral("dx"), QStringLiteral("call")}));
    EXPECT_EQ(matched, QStringList({QStringLiteral("dx"), QStringLiteral("g4abc")}));
    EXPECT_FALSE(list.MatchAll(QStringLiteral("nothing here"), titles, matched));
    EXPECT_TRUE(titles.isEmpty());
    EXPECT_TRUE(matched.isEmpty());
}

TEST_F(AlarmFixture, FirePhrasesAndActions)
{
    struct Case {
        uint32_t flags;
        const char* speech;
        const char* match;
        const char* phrase;  // nullptr: nothing spoken
    };
    const Case cases[] = {
        // Speech with channel number but no text and no match: nothing at all.
        {CAlarm::kSpeak | CAlarm::kAddChannel, "", "dx", nullptr},
        // Match asked for, but empty: "Alarm " + "  on channel 3".
        {CAlarm::kSpeak | CAlarm::kAddChannel | CAlarm::kAddMatch, "", "", "Alarm   on channel 3"},
        {CAlarm::kSpeak | CAlarm::kAddMatch, "DX call", "g4abc", "DX call, g4abc"},
        {CAlarm::kSpeak | CAlarm::kAddMatch, "", "g4abc", "g4abc"},
        {CAlarm::kSpeak | CAlarm::kAddMatch | CAlarm::kAddChannel, "Heard", "g4abc", "Heard, g4abc  on channel 3"},
        {CAlarm::kSpeak, "Heard", "g4abc", "Heard"},
        {CAlarm::kAddMatch, "Heard", "g4abc", nullptr},
    };
    for (const Case& c : cases) {
        CAlarm alarm = Make(QStringLiteral("t"), QStringLiteral("x"), c.flags);
        alarm.SetSpeechText(QString::fromLatin1(c.speech));
        EXPECT_EQ(alarm.Phrase(3, QString::fromLatin1(c.match)), c.phrase ? QString::fromLatin1(c.phrase) : QString())
            << c.flags;
    }

    // Beep, wave and speech in that order; spell and phonetic from the flags.
    CAlarm alarm = Make(QStringLiteral("t"), QStringLiteral("x"),
                        CAlarm::kBeep | CAlarm::kPlayWave | CAlarm::kSpeak | CAlarm::kSpell);
    alarm.SetWaveFile(QStringLiteral("/sounds/ding.wav"));
    alarm.SetSpeechText(QStringLiteral("CQ DX"));
    alarm.Fire(7, QStringLiteral("cq dx"));
    EXPECT_EQ(m_actions.m_calls, QStringList({QStringLiteral("beep"), QStringLiteral("play /sounds/ding.wav"),
                                               QStringLiteral("speak CQ DX|1|0")}));

    // The wave needs a path; the phrase is said as often as the settings ask.
    m_actions.m_calls.clear();
    CurrentSettings().m_nBrowserTextRepeats = 3;
    alarm.SetFlags(CAlarm::kPlayWave | CAlarm::kSpeak | CAlarm::kPhonetic);
    alarm.SetWaveFile(QString());
    alarm.Fire(7, QString());
    EXPECT_EQ(m_actions.m_calls, QStringList({QStringLiteral("speak CQ DX. CQ DX. CQ DX|0|1")}));
}

TEST_F(AlarmFixture, ProgramActionsIgnoreAMissingWaveFile)
{
    CAlarmActions::SetInstance(nullptr);
    CAlarmActions::Instance().PlayWave(testsupport::dataFolder() + QStringLiteral("/missing.wav"));
    CAlarmActions::Instance().PlayWave(QString());
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

TEST_F(AlarmFixture, ListOperationsByExactTitle)
{
    CAlarmList list;
    list.SetEnabled(0);
    list.AddCopy(Make(QStringLiteral("b"), QStringLiteral("1")));
    list.AddCopy(Make(QStringLiteral("B"), QStringLiteral("2")));
    list.AddCopy(Make(QStringLiteral("a"), QStringLiteral("3")));
    list.AddCopy(Make(QStringLiteral("b"), QStringLiteral("4")));
    EXPECT_EQ(list.FindByTitle(QStringLiteral("b"))->GetExpression(), QStringLiteral("1"));
    EXPECT_EQ(list.FindByTitle(QStringLiteral("A")), nullptr);

    list.SortByTitle();
    QStringList titles;
    EXPECT_EQ(list.GetTitles(titles), 4);
    EXPECT_EQ(titles, QStringList({"B", "a", "b", "b"}));
    // Equal titles keep their order.
    EXPECT_EQ(list.GetAt(2)->GetExpression(), QStringLiteral("1"));
    EXPECT_EQ(list.GetAt(3)->GetExpression(), QStringLiteral("4"));

    list.ReplaceByTitle(QStringLiteral("b"), Make(QStringLiteral("c"), QStringLiteral("5")));
    EXPECT_EQ(list.GetAt(2)->GetTitle(), QStringLiteral("c"));
    EXPECT_EQ(list.GetAt(2)->GetExpressionLower(), QStringLiteral("5"));
    list.ReplaceByTitle(QStringLiteral("none"), Make(QStringLiteral("d"), QStringLiteral("6")));
    list.SetEnabledByTitle(QStringLiteral("b"), 0);
    EXPECT_EQ(list.GetAt(3)->GetEnabled(), 0);
    list.DeleteByTitle(QStringLiteral("B"));
    list.DeleteByTitle(QStringLiteral("none"));
    list.GetTitles(titles);
    EXPECT_EQ(titles, QStringList({"a", "c", "b"}));

    CAlarmList copy;
    EXPECT_EQ(copy.CopyFrom(list), 3);
    EXPECT_EQ(copy.Enabled(), 0);
    list.GetAt(0)->SetTitle(QStringLiteral("changed"));
    EXPECT_EQ(copy.GetAt(0)->GetTitle(), QStringLiteral("a"));
    copy.RemoveAll();
    EXPECT_EQ(copy.GetCount(), 0);
    EXPECT_EQ(copy.Enabled(), 1);
}

TEST_F(AlarmFixture, FileWritesRecordsInsideTheDefinitionHeader)
{
    CAlarmList list;
    list.SetEnabled(0);
    CAlarm a = Make(QStringLiteral("DX"), QStringLiteral("CQ\\s*DX"), 0x80000025u);
    a.SetComment(QStringLiteral("# not a comment"));
    a.SetSpeechText(QStringLiteral("-@-"));
    a.SetWaveFile(QStringLiteral("/sounds/a b.wav"));
    list.AddCopy(a);
    list.AddCopy(Make(QStringLiteral("Quiet"), QString(), 0, 0));
    const QString path = testsupport::dataFolder() + QStringLiteral("/alarms.txt");
    list.Save(path);

    const QByteArray bytes = ReadAll(path);
    const QByteArray records = "#\r\n200 0\r\n"
                               "#\r\n100 -@-\r\n101 CQ\\s*DX\r\n106 # not a comment\r\n102 DX\r\n"
                               "103 /sounds/a b.wav\r\n104 2147483685\r\n105 1\r\n-@-\r\n"
                               "#\r\n100 \r\n101 \r\n106 \r\n102 Quiet\r\n103 \r\n104 0\r\n105 0\r\n-@-\r\n";
    EXPECT_TRUE(bytes.contains(records)) << bytes.toStdString();
    EXPECT_TRUE(bytes.endsWith("-@-\r\n#\r\n" + QByteArray(60, '#') + "\r\n#@filetype=3")) << bytes.toStdString();
    EXPECT_TRUE(bytes.contains("#   Contents ..: Alarm definitions\r\n"));
    // Everything before the records is comment.
    for (const QByteArray& line : bytes.left(bytes.indexOf(records)).split('\n'))
        if (!line.isEmpty()) {
            EXPECT_TRUE(line.startsWith('#')) << line.toStdString();
        }

    CAlarmList back;
    back.Load(path);
    EXPECT_EQ(back.Enabled(), 0);
    ASSERT_EQ(back.GetCount(), 2);
    const CAlarm* r = back.GetAt(0);
    EXPECT_EQ(r->GetTitle(), QStringLiteral("DX"));
    EXPECT_EQ(r->GetExpression(), QStringLiteral("CQ\\s*DX"));
    EXPECT_EQ(r->GetExpressionLower(), QStringLiteral("cq\\s*dx"));
    EXPECT_EQ(r->GetComment(), QStringLiteral("# not a comment"));
    EXPECT_EQ(r->GetSpeechText(), QStringLiteral("-@-"));
    EXPECT_EQ(r->GetWaveFile(), QStringLiteral("/sounds/a b.wav"));
    EXPECT_EQ(r->GetFlags(), 0x80000025u);
    EXPECT_EQ(r->GetEnabled(), 1);
    EXPECT_EQ(back.GetAt(1)->GetEnabled(), 0);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

TEST_F(AlarmFixture, FileReadingRules)
{
    const QString path = testsupport::dataFolder() + QStringLiteral("/hand.txt");
    // Codes in any order, unknown codes ignored, a record without 105 loads
    // disabled, the last record without "-@-" is dropped.
    WriteAll(path, "# banner\r\n"
                   "102 First\r\n101 CQ\r\n999 ignored\r\n105 1\r\n-@-\r\n"
                   "102 Second\n101 qrz\n-@-\n"
                   "200 0\r\n"
                   "102 Lost\r\n101 x\r\n105 1");
    CAlarmList list;
    list.Add(1, QStringLiteral("old"), QString(), QString(), 0, QString(), QString());
    list.Load(path);
    QStringList titles;
    list.GetTitles(titles);
    EXPECT_EQ(titles, QStringList({"First", "Second"}));
    EXPECT_EQ(list.GetAt(0)->GetEnabled(), 1);
    EXPECT_EQ(list.GetAt(1)->GetEnabled(), 0);
    EXPECT_EQ(list.GetAt(0)->GetExpressionLower(), QStringLiteral("cq"));
    EXPECT_EQ(list.Enabled(), 0);

    // A missing file: empty list, switch on, nothing said.
    list.Load(testsupport::dataFolder() + QStringLiteral("/none.txt"));
    EXPECT_EQ(list.GetCount(), 0);
    EXPECT_EQ(list.Enabled(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

TEST_F(AlarmFixture, DefaultFileInTheProgramFolder)
{
    Alarms().Add(1, QStringLiteral("Mine"), QStringLiteral("g4abc"), QString(), CAlarm::kBeep, QString(), QString());
    Alarms().SetEnabled(0);
    Alarms().SaveDefault();
    EXPECT_TRUE(QFile::exists(QDir(testsupport::dataFolder()).filePath(QStringLiteral("PSK31 Brevio Alarms.txt"))));
    Alarms().RemoveAll();
    Alarms().LoadDefault();
    ASSERT_EQ(Alarms().GetCount(), 1);
    EXPECT_EQ(Alarms().GetAt(0)->GetTitle(), QStringLiteral("Mine"));
    EXPECT_EQ(Alarms().Enabled(), 0);
}
