// The options pages' conversions, field checks, colour-file reader, own
// locator computation and external-logbook sample, without any window.
#include "brevio/core/Locator.h"
#include "brevio/tools/options/OptionsLogic.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace PskOptions;

TEST(OptionsLogic, StoredValuesPickButtonsAndComeBackNormalised)
{
    struct Row {
        const char* what;
        int stored;
        int button;
        int storedBack;
    };
    // CW speed: 1..4 <-> buttons 0..3; anything else shows the first.
    for (const Row& r : {Row{"cw 1", 1, 0, 1}, Row{"cw 4", 4, 3, 4}, Row{"cw 0", 0, 0, 1}, Row{"cw 5", 5, 0, 1},
                         Row{"cw -3", -3, 0, 1}}) {
        EXPECT_EQ(CwSpeedButton(r.stored), r.button) << r.what;
        EXPECT_EQ(CwSpeedValue(CwSpeedButton(r.stored)), r.storedBack) << r.what;
    }
    // Sound card: 0..3 as they are, anything else is "Auto-detect" (-1).
    for (const Row& r : {Row{"card 0", 0, 0, 0}, Row{"card 3", 3, 3, 3}, Row{"card -1", -1, 4, -1},
                         Row{"card 7", 7, 4, -1}, Row{"card 4", 4, 4, -1}}) {
        EXPECT_EQ(SoundcardButton(r.stored), r.button) << r.what;
        EXPECT_EQ(SoundcardValue(SoundcardButton(r.stored)), r.storedBack) << r.what;
    }
    // Waterfall data: 0 root, 1 log, anything else log with that clipping.
    EXPECT_EQ(FftModeButton(0), 0);
    EXPECT_EQ(FftModeButton(1), 1);
    EXPECT_EQ(FftModeButton(5), 2);
    EXPECT_EQ(FftModeButton(40), 2);
    EXPECT_EQ(FftModeValue(0, 40), 0);
    EXPECT_EQ(FftModeValue(1, 40), 1);
    EXPECT_EQ(FftModeValue(2, 40), 40);
    // Squelch speed: 1 slow; 10..200 variable; everything else (0 too) fast.
    for (const Row& r : {Row{"sq 0", 0, 0, 0}, Row{"sq 1", 1, 1, 1}, Row{"sq 5", 5, 0, 0}, Row{"sq 9", 9, 0, 0},
                         Row{"sq 10", 10, 2, 10}, Row{"sq 150", 150, 2, 150}, Row{"sq 200", 200, 2, 200},
                         Row{"sq 201", 201, 0, 0}}) {
        EXPECT_EQ(SquelchButton(r.stored), r.button) << r.what;
        EXPECT_EQ(SquelchValue(SquelchButton(r.stored), r.stored), r.storedBack) << r.what;
    }
}

TEST(OptionsLogic, PttOptionFollowsTheRadioProgramFirst)
{
    EXPECT_EQ(PttOptionButton(0, 0), 0);
    EXPECT_EQ(PttOptionButton(1, 0), 1);
    EXPECT_EQ(PttOptionButton(0, 1), 2);
    EXPECT_EQ(PttOptionButton(1, 1), 1);  // both set: the radio program wins
    for (int button = 0; button < 3; ++button) {
        int ft817 = -1, rvl = -1;
        PttOptionValues(button, ft817, rvl);
        EXPECT_EQ(ft817, button == 1 ? 1 : 0);
        EXPECT_EQ(rvl, button == 2 ? 1 : 0);
    }
}

TEST(OptionsLogic, NumbersAndLabels)
{
    // Spin positions are the value in hundreds, truncated toward zero.
    EXPECT_EQ(HundredsPosition(2950), 29);
    EXPECT_EQ(HundredsPosition(250), 2);
    EXPECT_EQ(HundredsPosition(-250), -2);
    EXPECT_EQ(HundredsPosition(99), 0);
    EXPECT_EQ(SentTextBits(true, false, false, true), 9);
    EXPECT_EQ(SentTextBits(false, false, true, false), 4);
    EXPECT_EQ(TxDelayLabel(0), QStringLiteral("None"));
    EXPECT_EQ(TxDelayLabel(1), QStringLiteral("10 ms"));
    EXPECT_EQ(TxDelayLabel(100), QStringLiteral("1000 ms"));
    EXPECT_EQ(SecondsLabel(30), QStringLiteral("30 s"));
    EXPECT_EQ(PercentLabel(10), QStringLiteral("10%"));
    EXPECT_EQ(WaveInputDevicesText(2), QStringLiteral("Waveform-audio input devices present: 2"));
    EXPECT_EQ(StoredBrowserNewline(QString()), QStringLiteral(" "));
    EXPECT_EQ(StoredBrowserNewline(QStringLiteral(". ")), QStringLiteral(". "));
}

TEST(OptionsLogic, LeadingIntegerReadsAsTheCLibraryDoes)
{
    const struct {
        const char* text;
        int value;
    } rows[] = {{"", 0},       {"250", 250},      {"  -300", -300}, {"+7", 7},     {"12abc", 12},
                {"abc", 0},    {"-", 0},          {" 42 ", 42},     {"0100", 100}, {"99999999999", 2147483647},
                {"-99999999999", -2147483647 - 1}};
    for (const auto& r : rows)
        EXPECT_EQ(ReadLeadingInt(QString::fromLatin1(r.text)), r.value) << r.text;
}

TEST(OptionsLogic, UnsignedFieldsFailWithTheExchangeMessages)
{
    const struct {
        const char* text;
        unsigned max;
        UnsignedField::Result result;
        unsigned value;
        const char* message;
    } rows[] = {
        {"25", 9999, UnsignedField::kOk, 25, ""},
        {" 25 ", 9999, UnsignedField::kOk, 25, ""},
        {"0", 9999, UnsignedField::kOk, 0, ""},
        {"9999", 9999, UnsignedField::kOk, 9999, ""},
        {"10000", 9999, UnsignedField::kOutOfRange, 10000, "Please enter an integer between 0 and 9999."},
        {"65536", 65535, UnsignedField::kOutOfRange, 65536, "Please enter an integer between 0 and 65535."},
        {"", 65535, UnsignedField::kNotUnsigned, 0, "Please enter a positive integer."},
        {"-1", 65535, UnsignedField::kNotUnsigned, 0, "Please enter a positive integer."},
        {"12x", 65535, UnsignedField::kNotUnsigned, 0, "Please enter a positive integer."},
        {"99999999999", 65535, UnsignedField::kNotUnsigned, 0, "Please enter a positive integer."},
    };
    for (const auto& r : rows) {
        const UnsignedField f = ReadUnsignedField(QString::fromLatin1(r.text), 0, r.max);
        EXPECT_EQ(f.result, r.result) << r.text;
        if (r.result != UnsignedField::kNotUnsigned)
            EXPECT_EQ(f.value, r.value) << r.text;
        EXPECT_EQ(f.message, QString::fromLatin1(r.message)) << r.text;
    }
}

TEST(OptionsLogic, TopicLinesIndentByLevel)
{
    EXPECT_EQ(TopicLineText(QStringLiteral("Mode")), QStringLiteral("    Mode"));
    EXPECT_EQ(TopicLineText(QStringLiteral("@Waterfall")), QStringLiteral("        Waterfall"));
    EXPECT_EQ(TopicLineText(QStringLiteral("a@b")), QStringLiteral("    a    b"));
    EXPECT_EQ(ListWidthExtra(100), 125);
}

TEST(OptionsLogic, ColourFileFillsFromTheTopEntryDown)
{
    const struct {
        const char* what;
        QByteArray file;
        int entries;
        QList<QPair<int, COLORREF>> expected;  // entry, colour
    } rows[] = {
        {"three lines", "0 0 0\n255 0 0\n0 0 255\n", 3,
         {{255, RGB(0, 0, 0)}, {254, RGB(255, 0, 0)}, {253, RGB(0, 0, 255)}, {252, 0x123456}}},
        {"CR LF and tabs", "1\t2\t3\r\n4 5 6\r\n", 2, {{255, RGB(1, 2, 3)}, {254, RGB(4, 5, 6)}}},
        {"missing numbers count 0", "7\n8 9\n", 2, {{255, RGB(7, 0, 0)}, {254, RGB(8, 9, 0)}}},
        {"stops at a non-number", "10 x 30\n", 1, {{255, RGB(10, 0, 0)}}},
        {"low byte only", "256 -1 511\n", 1, {{255, RGB(0, 255, 255)}}},
        {"last line without end", "1 1 1\n2 2 2", 2, {{254, RGB(2, 2, 2)}}},
        {"empty line is black", "\n5 5 5\n", 2, {{255, RGB(0, 0, 0)}, {254, RGB(5, 5, 5)}}},
        {"empty file", "", 0, {{255, 0x123456}}},
    };
    for (const auto& r : rows) {
        COLORREF table[256];
        std::fill(std::begin(table), std::end(table), COLORREF(0x123456));
        QByteArray bytes = r.file;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_EQ(ReadColourFile(buffer, table), r.entries) << r.what;
        for (const auto& e : r.expected)
            EXPECT_EQ(table[e.first], e.second) << r.what << " entry " << e.first;
        EXPECT_EQ(table[0], COLORREF(0x123456)) << r.what;
    }
}

TEST(OptionsLogic, ColourFileReadsAtMost256LinesOfAtMost255Characters)
{
    QByteArray bytes;
    for (int i = 0; i < 300; ++i)
        bytes += QByteArray::number(i % 256) + " 0 0\n";
    COLORREF table[256] = {};
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(ReadColourFile(buffer, table), 256);
    EXPECT_EQ(table[255], RGB(0, 0, 0));
    EXPECT_EQ(table[0], RGB(255, 0, 0));

    // A 300-character line is read as two lines.
    QByteArray longLine = "9 9 9" + QByteArray(295, ' ') + "\n1 2 3\n";
    COLORREF second[256] = {};
    QBuffer longBuffer(&longLine);
    longBuffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(ReadColourFile(longBuffer, second), 3);
    EXPECT_EQ(second[255], RGB(9, 9, 9));
    EXPECT_EQ(second[254], RGB(0, 0, 0));
    EXPECT_EQ(second[253], RGB(1, 2, 3));
}

TEST(OptionsLogic, OwnLocatorFromAPosition)
{
    LocatorInput in;
    in.latDeg = QStringLiteral("47");
    in.latMin = QStringLiteral("5");
    in.latSec = QStringLiteral("0");
    in.lonDeg = QStringLiteral("8");
    in.lonMin = QStringLiteral("0");
    in.lonSec = QString();
    in.bEast = true;
    const LocatorOutcome out = ComputeLocator(in);
    EXPECT_EQ(out.latMin, QStringLiteral("05"));
    EXPECT_EQ(out.latSec, QStringLiteral("00"));
    EXPECT_EQ(out.lonMin, QStringLiteral("00"));
    EXPECT_EQ(out.lonSec, QStringLiteral("00"));
    EXPECT_TRUE(out.status.isEmpty());
    ASSERT_TRUE(out.bComputed);
    EXPECT_EQ(out.locator, LatLongToLocator(-8.0, 47.0 + 5.0 / 60.0));
    EXPECT_EQ(out.locator, QStringLiteral("JN47AC"));

    // South and west.
    LocatorInput south;
    south.latDeg = QStringLiteral("33");
    south.latMin = QStringLiteral("52");
    south.bSouth = true;
    south.lonDeg = QStringLiteral("151");
    south.lonMin = QStringLiteral("12");
    south.bEast = true;
    EXPECT_EQ(ComputeLocator(south).locator, QStringLiteral("QF56OD"));
}

TEST(OptionsLogic, OwnLocatorRejectsImpossiblePositions)
{
    const struct {
        const char *latDeg, *latMin, *latSec, *lonDeg, *lonMin, *lonSec;
        const char* status;
    } rows[] = {
        {"91", "0", "0", "0", "0", "0", "Latitude: invalid"},
        {"45", "61", "0", "0", "0", "0", "Latitude: invalid"},
        {"45", "0", "61", "181", "0", "0", "Latitude: invalid"},
        {"45", "60", "60", "0", "0", "0", ""},  // 60 minutes and seconds are accepted
        {"45", "0", "0", "181", "0", "0", "Longitude: invalid"},
        {"45", "0", "0", "10", "0", "99", "Longitude: invalid"},
        {"90", "0", "0", "0", "0", "0", "Error"},  // the pole is off the grid
        {"", "", "", "", "", "", ""},
    };
    for (const auto& r : rows) {
        LocatorInput in;
        in.latDeg = QString::fromLatin1(r.latDeg);
        in.latMin = QString::fromLatin1(r.latMin);
        in.latSec = QString::fromLatin1(r.latSec);
        in.lonDeg = QString::fromLatin1(r.lonDeg);
        in.lonMin = QString::fromLatin1(r.lonMin);
        in.lonSec = QString::fromLatin1(r.lonSec);
        const LocatorOutcome out = ComputeLocator(in);
        EXPECT_EQ(out.status, QString::fromLatin1(r.status)) << r.latDeg << " " << r.lonDeg;
        EXPECT_EQ(out.bComputed, out.status.isEmpty()) << r.latDeg << " " << r.lonDeg;
        if (out.bComputed)
            EXPECT_TRUE(IsValidLocator(out.locator)) << out.locator.toStdString();
    }
}

TEST(OptionsLogic, ExternalLogbookSampleCarriesTheEnteredValues)
{
    const QStringList off = ExternalLogbookSample(false, QStringLiteral("LogWindowClass"), 25, 0, 1);
    EXPECT_TRUE(off.contains(QStringLiteral("BOOL bEnable = FALSE;")));
    EXPECT_TRUE(off.contains(QStringLiteral("HWND hWnd = ::FindWindowEx(NULL, NULL, \"LogWindowClass\", NULL);")));
    EXPECT_TRUE(off.contains(QStringLiteral("UINT nMsgId = 1049;   // WM_USER + 25")));
    EXPECT_TRUE(off.contains(QStringLiteral("LPARAM lParam = 0;")));
    EXPECT_TRUE(off.contains(QStringLiteral("WPARAM wParam = 1;")));
    EXPECT_TRUE(off.contains(QStringLiteral("::PostMessage(hWnd, nMsgId, wParam, lParam);")));
    // In this order: switch, window, message, post.
    const auto at = [&](const char* start) {
        for (int i = 0; i < off.size(); ++i)
            if (off[i].startsWith(QLatin1String(start)))
                return i;
        return -1;
    };
    EXPECT_LT(at("BOOL bEnable"), at("if (!bEnable)"));
    EXPECT_LT(at("if (!bEnable)"), at("HWND hWnd"));
    EXPECT_LT(at("HWND hWnd"), at("if (hWnd == NULL)"));
    EXPECT_LT(at("if (hWnd == NULL)"), at("UINT nMsgId"));
    EXPECT_LT(at("WPARAM"), at("::PostMessage"));
    EXPECT_TRUE(ExternalLogbookSample(true, QString(), 0, 0, 0).contains(QStringLiteral("BOOL bEnable = TRUE;")));
    EXPECT_EQ(ExternalLogbookSampleName(), QStringLiteral("External Logbook Code Sample.txt"));
}
