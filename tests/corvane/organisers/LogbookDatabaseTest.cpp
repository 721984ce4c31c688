// The logbook's store on a real SQLite file in the test's data folder: the
// table it creates, the 100 newest rows, every sort key and filter form with
// bound values, UniqueIDs, deletion of chosen records, and foreign files
// that are reported and left byte for byte as they were.
#include "corvane/organisers/LogbookDatabase.h"
#include "corvane/organisers/LogbookDateText.h"
#include "corvane/organisers/LogbookRequests.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>

namespace {

std::tm tmAt(int year, int month, int day, int hour, int minute, int second = 0)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

CLogbookRequest entry(const QString& call, const std::tm& when, const QString& mode = QStringLiteral("USB"),
                      const QString& comment = QString())
{
    CLogbookRequest r;
    r.strCallsign = call;
    r.strMode = mode;
    r.strFrequency = QStringLiteral("14.070.000");
    r.strPower = QStringLiteral("5.0 W");
    r.strSignal = QStringLiteral("S9");
    r.strComment = comment;
    r.utc = when;
    return r;
}

QStringList column(const QList<CLogbookDatabase::Row>& rows, int c)
{
    QStringList texts;
    for (const auto& row : rows)
        texts << row.columns[c];
    return texts;
}

// A second connection of the test's own onto the same file.
class RawFile {
public:
    explicit RawFile(const QString& path) : name(QStringLiteral("raw-%1").arg(quintptr(this)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawFile()
    {
        QSqlDatabase::database(name, false).close();
        QSqlDatabase::removeDatabase(name);
    }
    QSqlDatabase db() const { return QSqlDatabase::database(name, false); }
    QString name;
};

class LogbookStore : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = CLogbookDatabase::DefaultPath();
        store = std::make_unique<CLogbookDatabase>(path);
        store->SetClock([this] { return clock; });
    }
    void add(const CLogbookRequest& request)
    {
        CLogbookRequest r = request;
        ASSERT_TRUE(store->Add(r));
        EXPECT_EQ(r.nDone, 1);
    }
    // Five contacts of different calls, days, frequencies and powers (one
    // power left empty); two modes are each held twice, once in lower case.
    void addFive()
    {
        const struct {
            const char* call;
            std::tm when;
            const char* mode;
            const char* comment;
            const char* frequency;
            const char* power;
        } contacts[] = {
            {"G4ABC", tmAt(2024, 3, 1, 10, 0), "CW", "first", "3.560.000", "5.0 W"},
            {"dl1xyz", tmAt(2024, 3, 5, 10, 0), "USB", "Nice 50% QSB", "14.070.000", "0.5 W"},
            {"OH2BH", tmAt(2024, 3, 3, 10, 0), "FM", "it's \"quoted\"", "145.500.000", "2.5 W"},
            {"DL1ABC", tmAt(2024, 3, 2, 10, 0), "usb", "under_score", "7.074.000", "1.0 W"},
            {"K1ZZ", tmAt(2024, 3, 4, 10, 0), "CW", "", "21.025.000", ""},
        };
        for (const auto& c : contacts) {
            CLogbookRequest r = entry(c.call, c.when, c.mode, c.comment);
            r.strFrequency = c.frequency;
            r.strPower = c.power;
            add(r);
        }
    }
    QList<CLogbookDatabase::Row> reload(const CLogbookQuery& query = {}, int max = 100)
    {
        QList<CLogbookDatabase::Row> rows;
        EXPECT_TRUE(store->Reload(max, query, rows));
        return rows;
    }
    QStringList calls(const CLogbookQuery& query) { return column(reload(query), 1); }
    CLogbookQuery filter(std::initializer_list<std::tuple<const char*, QString, int>> conditions)
    {
        CLogbookFilterRequest request;
        int k = 0;
        for (const auto& [caption, value, exact] : conditions) {
            request.strCaption[k] = QString::fromLatin1(caption);
            request.strValue[k] = value;
            request.bExact[k] = exact;
            ++k;
        }
        CLogbookQuery query;
        CLogbookDatabase::BuildFilter(request, query);
        return query;
    }

    QString path;
    QDateTime clock = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 250), Qt::UTC);
    std::unique_ptr<CLogbookDatabase> store;
};

} // namespace

TEST_F(LogbookStore, CreatesTheFileAndTableWithTheFourteenFieldsInOrder)
{
    ASSERT_FALSE(QFile::exists(path));
    ASSERT_TRUE(store->Open());
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty()) << "a first start is silent";
    EXPECT_EQ(QFileInfo(path).fileName(), "FT-817 Logbook.mdb");
    EXPECT_TRUE(QFileInfo(path).absolutePath() == QDir(testsupport::dataFolder()).absolutePath());

    RawFile raw(path);
    QSqlQuery info(raw.db());
    ASSERT_TRUE(info.exec("PRAGMA table_info([TABLEv010])"));
    QStringList names, types;
    while (info.next()) {
        names << info.value(1).toString();
        types << info.value(2).toString();
    }
    EXPECT_EQ(names, QStringList({"DateTime", "UniqueID", "Frequency", "Mode", "Callsign", "Power", "Location",
                                  "Signal", "Comment", "UDF1", "UDF2", "UDF3", "UDF4", "UDF5"}));
    EXPECT_EQ(types, QStringList(14, "TEXT"));
    EXPECT_TRUE(reload().isEmpty());

    // A text longer than a field holds is refused by the table itself, too.
    QSqlQuery tooLong(raw.db());
    EXPECT_FALSE(tooLong.exec(QStringLiteral("INSERT INTO [TABLEv010] ([Callsign]) VALUES ('%1')")
                                  .arg(QString(256, QLatin1Char('x')))));
}

TEST_F(LogbookStore, StoresAnEntryAndListsItWithItsColumns)
{
    CLogbookRequest r = entry("G3XYZ", tmAt(2024, 2, 29, 23, 59, 58), "CW", "Portable");
    r.strSignal = "S9+10db";
    ASSERT_TRUE(store->Add(r)) << "Add opens the logbook by itself";
    const auto rows = reload();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].columns[0], CLogbookDatabase::DateText(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 58), Qt::UTC)));
    EXPECT_TRUE(rows[0].columns[0].contains("59:58")) << rows[0].columns[0].toStdString();
    EXPECT_EQ(rows[0].columns.mid(1), QStringList({"G3XYZ", "14.070.000", "CW", "5.0 W", "", "Portable"}))
        << "QTH is never written and shows empty";
    EXPECT_EQ(rows[0].strUniqueId, "663881D9-00FA-00000001");

    RawFile raw(path);
    QSqlQuery q(raw.db());
    ASSERT_TRUE(q.exec("SELECT [DateTime], [Signal], [Location], [UDF1] FROM [TABLEv010]"));
    ASSERT_TRUE(q.next());
    EXPECT_EQ(q.value(0).toString(), "2024-02-29 23:59:58");
    EXPECT_EQ(q.value(1).toString(), "S9+10db");
    EXPECT_TRUE(q.value(2).isNull());
    EXPECT_TRUE(q.value(3).isNull());
}

TEST_F(LogbookStore, AnEntryWithoutATimeIsLoggedNowAndOverlongTextIsRefused)
{
    add(entry("NOSYNC", std::tm{}));
    const auto rows = reload();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].columns[0], CLogbookDatabase::DateText(clock));

    CLogbookRequest tooLong = entry("G1AAA", tmAt(2024, 1, 1, 0, 0), "USB", QString(256, QLatin1Char('c')));
    EXPECT_FALSE(store->Add(tooLong));
    EXPECT_EQ(tooLong.nDone, 0);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith("Error adding Logbook entry: "));
    EXPECT_EQ(reload().size(), 1);
}

TEST_F(LogbookStore, ListsTheHundredNewestFirst)
{
    for (int i = 0; i < 105; ++i)
        add(entry(QStringLiteral("C%1").arg(i, 3, 10, QLatin1Char('0')), tmAt(2024, 1, 1 + i / 24, i % 24, 0)));
    const auto rows = reload();
    ASSERT_EQ(rows.size(), 100);
    EXPECT_EQ(rows.first().columns[1], "C104");
    EXPECT_EQ(rows.last().columns[1], "C005");
    EXPECT_EQ(reload({}, 500).size(), 100) << "never more than the limit";
    EXPECT_EQ(reload({}, 3).size(), 3);
}

TEST_F(LogbookStore, SortsByEachKeyIgnoringCase)
{
    addFive();
    // The program never writes a QTH; one typed into the file elsewhere
    // sorts like any other field, and one never written sorts first.
    {
        RawFile raw(path);
        QSqlQuery q(raw.db());
        ASSERT_TRUE(q.prepare("UPDATE [TABLEv010] SET [Location] = ? WHERE [Callsign] = ?"));
        for (const auto& [call, qth] : {std::pair{"G4ABC", "Stanley"}, std::pair{"dl1xyz", "bouvet island"},
                                        std::pair{"OH2BH", "Helsinki"}, std::pair{"K1ZZ", "Maine"}}) {
            q.addBindValue(QString::fromLatin1(qth));
            q.addBindValue(QString::fromLatin1(call));
            ASSERT_TRUE(q.exec());
        }
    }
    // Every caption the sort dialog offers, each way it offers. Entries equal
    // in the key come newest first.
    struct Case {
        const char* key;
        int ascending;
        QStringList expected;
    };
    const Case cases[] = {
        {"Date UTC", 1, {"G4ABC", "DL1ABC", "OH2BH", "K1ZZ", "dl1xyz"}},
        {"Date UTC", 0, {"dl1xyz", "K1ZZ", "OH2BH", "DL1ABC", "G4ABC"}},
        {"Callsign", 1, {"DL1ABC", "dl1xyz", "G4ABC", "K1ZZ", "OH2BH"}},
        {"Callsign", 0, {"OH2BH", "K1ZZ", "G4ABC", "dl1xyz", "DL1ABC"}},
        // The frequency is the panel's dotted text and sorts as text.
        {"Frequency", 1, {"dl1xyz", "OH2BH", "K1ZZ", "G4ABC", "DL1ABC"}},
        {"Frequency", 0, {"DL1ABC", "G4ABC", "K1ZZ", "OH2BH", "dl1xyz"}},
        // "usb" and "USB" are one mode.
        {"Mode", 1, {"K1ZZ", "G4ABC", "OH2BH", "DL1ABC", "dl1xyz"}},
        {"Mode", 0, {"DL1ABC", "dl1xyz", "OH2BH", "K1ZZ", "G4ABC"}},
        {"Power", 1, {"K1ZZ", "dl1xyz", "DL1ABC", "OH2BH", "G4ABC"}},
        {"Power", 0, {"G4ABC", "OH2BH", "DL1ABC", "dl1xyz", "K1ZZ"}},
        {"QTH", 1, {"DL1ABC", "dl1xyz", "OH2BH", "K1ZZ", "G4ABC"}},
        {"QTH", 0, {"G4ABC", "K1ZZ", "OH2BH", "dl1xyz", "DL1ABC"}},
        {"Comment", 1, {"K1ZZ", "G4ABC", "OH2BH", "dl1xyz", "DL1ABC"}},
        {"Comment", 0, {"DL1ABC", "dl1xyz", "OH2BH", "G4ABC", "K1ZZ"}},
    };
    QSet<QString> keys;
    for (const Case& c : cases) {
        CLogbookSortRequest request;
        request.strKey[0] = c.key;
        request.bAscending[0] = c.ascending;
        CLogbookQuery query;
        ASSERT_TRUE(CLogbookDatabase::BuildOrder(request, query));
        EXPECT_EQ(calls(query), c.expected) << c.key << " " << c.ascending;
        keys << QString::fromLatin1(c.key);
    }
    EXPECT_EQ(keys, QSet<QString>(CLogbookDatabase::ColumnCaptions().begin(), CLogbookDatabase::ColumnCaptions().end()))
        << "every column is a sort key";

    // Mode (case ignored: "usb" with "USB"), then Date UTC descending.
    CLogbookSortRequest request;
    request.strKey[0] = "Mode";
    request.bAscending[0] = 1;
    request.strKey[1] = "Date UTC";
    request.bAscending[1] = 0;
    CLogbookQuery query;
    ASSERT_TRUE(CLogbookDatabase::BuildOrder(request, query));
    EXPECT_EQ(query.strOrder, "order by [Mode] ASC, [DateTime] DESC");
    EXPECT_EQ(calls(query), QStringList({"K1ZZ", "G4ABC", "OH2BH", "dl1xyz", "DL1ABC"}));

    // Key 2 empty and key 3 set: only key 3 is added.
    CLogbookSortRequest skip;
    skip.strKey[0] = "Mode";
    skip.bAscending[0] = 1;
    skip.strKey[2] = "Callsign";
    skip.bAscending[2] = 1;
    ASSERT_TRUE(CLogbookDatabase::BuildOrder(skip, query));
    EXPECT_EQ(query.strOrder, "order by [Mode] ASC, [Callsign] ASC");
    EXPECT_EQ(calls(query), QStringList({"G4ABC", "K1ZZ", "OH2BH", "DL1ABC", "dl1xyz"}));
}

TEST_F(LogbookStore, FiltersExactlyOrByContentWithOneToThreeConditions)
{
    addFive();
    EXPECT_EQ(calls(filter({{"Callsign", "DL1XYZ", 1}})), QStringList({"dl1xyz"})) << "exact, case ignored";
    EXPECT_EQ(calls(filter({{"Callsign", "DL1", 1}})), QStringList());
    EXPECT_EQ(calls(filter({{"Callsign", "dl1", 0}})), QStringList({"dl1xyz", "DL1ABC"}));
    EXPECT_EQ(calls(filter({{"Mode", "USB", 1}, {"Callsign", "ABC", 0}})), QStringList({"DL1ABC"}));
    EXPECT_EQ(calls(filter({{"Mode", "cw", 0}, {"Callsign", "", 0}, {"Date UTC", "2024-03-04", 0}})),
              QStringList({"K1ZZ"}));
    // The Jet wildcards keep their meaning inside a "contains" value.
    EXPECT_EQ(calls(filter({{"Callsign", "DL*C", 0}})), QStringList({"DL1ABC"}));
    EXPECT_EQ(calls(filter({{"Callsign", "K?ZZ", 0}})), QStringList({"K1ZZ"}));
    // An empty "contains" matches every entry with a value; exact, only empty texts.
    EXPECT_EQ(calls(filter({{"Comment", "", 0}})).size(), 5) << "an empty comment is a written one";
    EXPECT_EQ(calls(filter({{"QTH", "", 0}})), QStringList()) << "a field never written matches nothing";
    EXPECT_EQ(calls(filter({{"Comment", "", 1}})), QStringList({"K1ZZ"}));

    CLogbookFilterRequest remove;
    remove.bRemove = 1;
    remove.strCaption[0] = "Callsign";
    remove.strValue[0] = "X";
    CLogbookQuery query = filter({{"Callsign", "K", 0}});
    CLogbookDatabase::BuildFilter(remove, query);
    EXPECT_TRUE(query.strFilter.isEmpty());
    EXPECT_EQ(calls(query).size(), 5);
}

TEST_F(LogbookStore, QuotesPercentAndUnderscoreInAValueAreOnlyText)
{
    addFive();
    EXPECT_EQ(calls(filter({{"Comment", "\"quoted\"", 0}})), QStringList({"OH2BH"}));
    EXPECT_EQ(calls(filter({{"Comment", "it's \"quoted\"", 1}})), QStringList({"OH2BH"}));
    EXPECT_EQ(calls(filter({{"Comment", "'", 0}})), QStringList({"OH2BH"}));
    EXPECT_EQ(calls(filter({{"Comment", "50%", 0}})), QStringList({"dl1xyz"}));
    EXPECT_EQ(calls(filter({{"Comment", "%", 0}})), QStringList({"dl1xyz"})) << "'%' does not widen the match";
    EXPECT_EQ(calls(filter({{"Comment", "r_s", 0}})), QStringList({"DL1ABC"}));
    EXPECT_EQ(calls(filter({{"Comment", "_", 0}})), QStringList({"DL1ABC"}));
    EXPECT_EQ(calls(filter({{"Callsign", "x') OR 1=1 --", 0}})), QStringList());
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(reload().size(), 5) << "nothing was dropped or broken";
}

TEST_F(LogbookStore, UniqueIdsCarryTimeMillisecondsAndACounter)
{
    EXPECT_EQ(CLogbookDatabase::UniqueId(0x663881D9, 0x3E7, 1), "663881D9-03E7-00000001");
    EXPECT_EQ(CLogbookDatabase::UniqueId(0, 0, 0x1A2B3C4D).size(), 22);
    // Two entries within the same millisecond differ by the counter.
    add(entry("A1", tmAt(2024, 1, 1, 0, 0)));
    add(entry("A2", tmAt(2024, 1, 1, 0, 1)));
    EXPECT_EQ(store->GetCounter(), 2);
    QStringList ids;
    for (const auto& row : reload())
        ids << row.strUniqueId;
    EXPECT_EQ(ids, QStringList({"663881D9-00FA-00000002", "663881D9-00FA-00000001"}));

    // A store opened anew starts counting at 1 again.
    store = std::make_unique<CLogbookDatabase>(path);
    store->SetClock([this] { return clock.addMSecs(1); });
    add(entry("A3", tmAt(2024, 1, 1, 0, 2)));
    EXPECT_EQ(reload().first().strUniqueId, "663881D9-00FB-00000001");
}

TEST_F(LogbookStore, DeletesOneRecordPerChosenIdentity)
{
    addFive();
    const auto rows = reload();
    ASSERT_EQ(rows.size(), 5);
    EXPECT_EQ(store->Delete({rows[1].strUniqueId, rows[3].strUniqueId}), 2);
    EXPECT_EQ(calls({}), QStringList({"dl1xyz", "OH2BH", "G4ABC"}));

    // An identity held twice loses one record per request.
    {
        RawFile raw(path);
        QSqlQuery q(raw.db());
        ASSERT_TRUE(q.exec("UPDATE [TABLEv010] SET [UniqueID] = 'TWICE' WHERE [Callsign] <> 'G4ABC'"));
    }
    EXPECT_EQ(store->Delete({"TWICE"}), 1);
    EXPECT_EQ(reload().size(), 2);
    EXPECT_EQ(store->Delete({"NOSUCH"}), 0);
    EXPECT_EQ(reload().size(), 2);
}

TEST_F(LogbookStore, AForeignFileIsReportedAndLeftUntouched)
{
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* reason;
    };
    const Case cases[] = {
        {"a Jet file", [this] {
             QFile f(path);
             ASSERT_TRUE(f.open(QIODevice::WriteOnly));
             QByteArray jet("\x00\x01\x00\x00Standard Jet DB\x00", 20);
             jet += QByteArray(2000, '\x5a');
             f.write(jet);
         }, "not an SQLite database"},
        {"an SQLite file of another program", [this] {
             RawFile raw(path);
             QSqlQuery q(raw.db());
             ASSERT_TRUE(q.exec("CREATE TABLE Contacts (Call TEXT, Band TEXT)"));
             ASSERT_TRUE(q.exec("INSERT INTO Contacts VALUES ('W1AW', '20m')"));
         }, "no table TABLEv010"},
        {"a table of that name with other fields", [this] {
             RawFile raw(path);
             QSqlQuery q(raw.db());
             ASSERT_TRUE(q.exec("CREATE TABLE TABLEv010 (DateTime TEXT, Callsign TEXT)"));
         }, "has no field UniqueID"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        store.reset();
        QFile::remove(path);
        c.make();
        QFile before(path);
        ASSERT_TRUE(before.open(QIODevice::ReadOnly));
        const QByteArray bytes = before.readAll();
        const QDateTime modified = QFileInfo(path).lastModified();
        before.close();
        testsupport::prompter().clear();

        store = std::make_unique<CLogbookDatabase>(path);
        EXPECT_FALSE(store->Open());
        EXPECT_FALSE(store->IsOpen());
        ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
        const QString text = testsupport::prompter().m_boxes[0].text;
        EXPECT_TRUE(text.startsWith("Couldn't open Logbook database: ")) << text.toStdString();
        EXPECT_TRUE(text.contains(c.reason)) << text.toStdString();
        // Neither an entry nor a list touches it.
        CLogbookRequest r = entry("G0AAA", tmAt(2024, 1, 1, 0, 0));
        EXPECT_FALSE(store->Add(r));
        EXPECT_EQ(r.nDone, 0);
        QList<CLogbookDatabase::Row> rows;
        EXPECT_FALSE(store->Reload(100, {}, rows));
        EXPECT_EQ(store->Delete({"X"}), 0);
        store.reset();

        QFile after(path);
        ASSERT_TRUE(after.open(QIODevice::ReadOnly));
        EXPECT_EQ(after.readAll(), bytes);
        EXPECT_EQ(QFileInfo(path).lastModified(), modified);
        EXPECT_EQ(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList({"FT-817 Logbook.mdb"}))
            << "no journal or side file left behind";
    }
}

TEST_F(LogbookStore, ABadOrderClauseIsReportedAsAReadError)
{
    addFive();
    CLogbookQuery query;
    query.strOrder = "order by [NoSuchField] ASC";
    QList<CLogbookDatabase::Row> rows;
    EXPECT_FALSE(store->Reload(100, query, rows));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_TRUE(testsupport::prompter().m_boxes[0].text.startsWith("Error reading Logbook table: "));
    EXPECT_TRUE(rows.isEmpty());
}

// The date as the list shows it, built by SQLite from the stored text, for
// every locale Qt knows: the same text as the list's, digits, month and day
// names, 12-hour clocks and quoted words included.
TEST(LogbookDateText, SQLiteWritesTheListsTextInEveryLocale)
{
    const QString name = QStringLiteral("date-text");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE t (n INTEGER, [DateTime] TEXT)"));
        const char* stored[] = {"2024-03-03 10:00:00", "2024-12-31 23:59:58", "2001-01-09 00:05:07",
                                "2024-07-14 12:30:45", "1999-11-28 09:09:09"};
        for (int i = 0; i < int(std::size(stored)); ++i) {
            q.prepare("INSERT INTO t VALUES (?, ?)");
            q.addBindValue(i);
            q.addBindValue(QString::fromLatin1(stored[i]));
            ASSERT_TRUE(q.exec());
        }
        // Values that are no date come out as they are.
        for (const char* other : {"12345", "", "2024-03-12 xyz", "next Tuesday"}) {
            q.prepare("INSERT INTO t VALUES (?, ?)");
            q.addBindValue(100);
            q.addBindValue(QString::fromLatin1(other));
            ASSERT_TRUE(q.exec());
        }
        ASSERT_TRUE(q.exec("INSERT INTO t VALUES (101, NULL)"));

        QList<QLocale> locales =
            QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        locales << QLocale::system() << QLocale::c();
        ASSERT_GT(locales.size(), 100);
        int differing = 0;
        for (const QLocale& locale : locales) {
            QSqlQuery r(db);
            const QString sql = QStringLiteral("SELECT n, [DateTime], %1 FROM t ORDER BY rowid")
                                    .arg(CLogbookDateText::SqlExpression(QStringLiteral("DateTime"), locale));
            ASSERT_TRUE(r.exec(sql)) << locale.name().toStdString() << ": " << r.lastError().text().toStdString();
            while (r.next()) {
                const QString storedText = r.value(1).toString();
                const QString rendered = r.value(2).toString();
                QString expected = storedText;
                if (r.value(0).toInt() < 100)
                    expected = CLogbookDateText::Text(CLogbookDatabase::ParseStoredDate(storedText), locale);
                if (rendered != expected && ++differing <= 10)
                    ADD_FAILURE() << locale.name().toStdString() << " (" << CLogbookDateText::DateFormat(locale).toStdString()
                                  << " " << CLogbookDateText::TimeFormat(locale).toStdString() << "): "
                                  << storedText.toStdString() << " shows as \"" << expected.toStdString()
                                  << "\", SQLite wrote \"" << rendered.toStdString() << "\"";
                if (r.value(0).toInt() == 101)
                    EXPECT_TRUE(r.value(2).isNull());
            }
        }
        EXPECT_EQ(differing, 0);
    }
    QSqlDatabase::removeDatabase(name);
}

// A date filter in a locale whose short date looks nothing like the stored
// form: the shown date finds the contact, with "contains" and "exact".
TEST_F(LogbookStore, ADateFilterComparesWithTheShownDate)
{
    addFive();
    for (const char* name : {"en_US", "de_DE", "ar_EG", "ja_JP"}) {
        const QLocale locale{QString::fromLatin1(name)};
        SCOPED_TRACE(name);
        const QDateTime when(QDate(2024, 3, 3), QTime(10, 0), Qt::UTC);
        const QString shown = CLogbookDateText::Text(when, locale);
        const QString date = locale.toString(when.date(), CLogbookDateText::DateFormat(locale));
        auto find = [&](const QString& value, int exact) {
            CLogbookFilterRequest request;
            request.strCaption[0] = QStringLiteral("Date UTC");
            request.strValue[0] = value;
            request.bExact[0] = exact;
            CLogbookQuery query;
            CLogbookDatabase::BuildFilter(request, query, locale);
            return calls(query);
        };
        EXPECT_EQ(find(date, 0), QStringList({"OH2BH"})) << date.toStdString();
        EXPECT_EQ(find(shown, 1), QStringList({"OH2BH"})) << shown.toStdString();
        EXPECT_EQ(find(shown.toLower(), 1), QStringList({"OH2BH"})) << "compared without regard to case";
        EXPECT_EQ(find(QStringLiteral("2024-03-03"), 0), QStringList({"OH2BH"})) << "the stored form, too";
        EXPECT_EQ(find(date, 1), QStringList()) << "exact: the whole text";
    }
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}
