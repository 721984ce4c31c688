// PSK31 Brevio's keys that need Alt or Shift, pressed on a real keyboard in
// the running program, on the US layout and on the French one (whose digit
// row gives "&", "é", '"'... and the digits only with Shift): the program's
// shortcut rows with Alt, and the macros bar's Ctrl+digit (macros 0-9) and
// Ctrl+Shift+digit (10-19) in a channel's transmit and receive panes. A
// digit key is the key of the digit row, whatever the layout prints on it.
#include "GuiTest.h"
#include "support/MacroFiles.h"

#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QDataStream>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

namespace {

// Channel 1's window is titled "1" until its first frequency shows.
const QString kTxPane = QStringLiteral("CFrameRx~^(1|Ch 1:.*)$>CTxTextWindow");
const QString kRxPane = QStringLiteral("CFrameRx~^(1|Ch 1:.*)$>CRxTextWindow");
const QString kTags = QStringLiteral("CTagsBar>CEditableListCtrl");

// What the macro with the shortcut n puts into the transmit pane.
const QString kToken = QStringLiteral("qm%1q");
QString Token(int n)
{
    return kToken.arg(n);
}

// The demonstration recording (16-bit mono at 8000 Hz) with steady carriers
// added at 400, 1250 and 2000 Hz: stations that never pause between the
// demonstration's, whose calls come and go.
bool WriteWithCarriers(const QString& demo, const QString& path)
{
    QFile in(demo);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray wave = in.readAll();
    // The chunks after "RIFF....WAVE": the samples are those of "data".
    qsizetype at = 12;
    QByteArray samples;
    while (at + 8 <= wave.size()) {
        const QByteArray id = wave.mid(at, 4);
        const quint32 size = quint8(wave[at + 4]) | quint8(wave[at + 5]) << 8 | quint8(wave[at + 6]) << 16 |
                             quint32(quint8(wave[at + 7])) << 24;
        if (id == "data") {
            samples = wave.mid(at + 8, size);
            break;
        }
        at += 8 + size + (size & 1);
    }
    if (samples.isEmpty())
        return false;
    const int rate = 8000;
    for (qsizetype i = 0; i + 1 < samples.size(); i += 2) {
        const int n = int(i / 2);
        double v = qint16(quint8(samples[i]) | quint8(samples[i + 1]) << 8) / 32768.0;
        for (double f : {400.0, 1250.0, 2000.0})
            v += 0.05 * std::sin(2 * M_PI * f * n / rate);
        const qint16 sample = qint16(std::clamp(std::lround(v * 32767), -32768L, 32767L));
        samples[i] = char(sample & 0xFF);
        samples[i + 1] = char((sample >> 8) & 0xFF);
    }
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples.size());
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples.size());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(header + samples) == header.size() + samples.size();
}

class BrevioKeys : public GuiTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(X().SetLayout(QString::fromLatin1(GetParam()))) << X().ErrorText().toStdString();
        // Twenty enabled macros, the n-th sending its token.
        ASSERT_TRUE(testsupport::WriteMacros(BrevioDataFolder(), 20, kToken));
        // Stations that never pause, and channel 1 without AFC: it stays
        // where a command puts it.
        QString error;
        const QString demo = DemoRecording(&error);
        ASSERT_FALSE(demo.isEmpty()) << error.toStdString();
        const QString carriers = testsupport::dataFolder() + QStringLiteral("/carriers.wav");
        ASSERT_TRUE(WriteWithCarriers(demo, carriers));
        Brevio().SetStoredValue(QStringLiteral("00000089-CFormRx::m_lAFC-00000000"), 0);
        ASSERT_TRUE(StartBrevio({}, carriers));
    }

    bool French() const { return QLatin1String(GetParam()) == QLatin1String("fr"); }

    // A key with its modifiers ("alt", "ctrl+shift"): a digit as the digit
    // row's key, anything else by its name.
    bool Press(const char* modifiers, int digit, const char* key)
    {
        if (digit >= 0)
            return Input().KeyDigit(digit, QString::fromLatin1(modifiers));
        return Input().Key(QString::fromLatin1(modifiers) + QLatin1Char('+') + QString::fromLatin1(key));
    }

    QString Ask(const QString& question) { return BrevioProbe().Ask(question); }

    // Channel n's window as the probe lists it: titled "n" while hidden,
    // "Ch n: ..." while shown.
    std::optional<Window> Channel(int n)
    {
        const QRegularExpression title(QStringLiteral("^(%1|Ch %1:.*)$").arg(n));
        for (const Window& w : ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.className == QLatin1String("CFrameRx") && title.match(w.title).hasMatch())
                return w;
        return std::nullopt;
    }
    bool ChannelShown(int n)
    {
        const std::optional<Window> w = Channel(n);
        return w && w->state != QLatin1String("hidden");
    }
    // Channel 1's receive frequency from its title ("Ch 1: 1004Hz"), or -1.
    int Frequency()
    {
        const std::optional<Window> w = Channel(1);
        const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("^Ch 1: (\\d+)Hz")).match(w ? w->title : QString());
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    }
    bool Shows(const char* className)
    {
        for (const Window& w : ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.className == QLatin1String(className) && w.state != QLatin1String("hidden"))
                return true;
        return false;
    }
};

enum class Does { ToggleChannel, ClearTags, OpenDialog, NextSignal, PreviousSignal };

struct AltRow {
    int digit;            // a digit-row key, or -1
    const char* key;      // else this key
    const char* command;  // the menu item the key stands for
    Does does;
    int channel;             // ToggleChannel
    const char* dialog;      // OpenDialog: the class of the window it opens
    const char* usDefect;    // a known defect that makes the row fail on US
    const char* frDefect;    // ... on the French layout
    const char* chooser = nullptr;  // OpenDialog: the file chooser it shows, its caption
    const char* filter = nullptr;   // ... and its file types
};

const AltRow kAltRows[] = {
    {-1, "c", "Tags > Clear Values", Does::ClearTags, 0, nullptr, nullptr, nullptr},
    {-1, "o", "Tx > Open File", Does::OpenDialog, 0, "QFileDialog", nullptr, nullptr, "Open Text File", "Text Files (*.TXT *.txt)"},
    {-1, "p", "Tools > Palette Editor", Does::OpenDialog, 0, "CPaletteDesigner", nullptr, nullptr},
    {-1, "y", "Rx > Save To File", Does::OpenDialog, 0, "QFileDialog", nullptr, nullptr, "", "Rich Text Files (*.RTF *.rtf)"},
    {1, nullptr, "View > Channel 1", Does::ToggleChannel, 1, nullptr, nullptr, nullptr},
    {2, nullptr, "View > Channel 2", Does::ToggleChannel, 2, nullptr, nullptr, nullptr},
    {3, nullptr, "View > Channel 3", Does::ToggleChannel, 3, nullptr, nullptr, nullptr},
    {4, nullptr, "View > Channel 4", Does::ToggleChannel, 4, nullptr, nullptr, nullptr},
    // From 1000 Hz up to the next station (1250 Hz, or 1500 Hz while it
    // calls) and back down.
    {-1, "Right", "Rx > Next Signal", Does::NextSignal, 0, nullptr, nullptr, nullptr},
    {-1, "Left", "Rx > Prev Signal", Does::PreviousSignal, 0, nullptr, nullptr, nullptr},
};

} // namespace

TEST_P(BrevioKeys, AltShortcutsDoWhatTheirMenuItemsDo)
{
    for (const AltRow& row : kAltRows) {
        const char* defect = French() ? row.frDefect : row.usDefect;
        const std::string name = std::string("Alt+") + (row.digit >= 0 ? std::to_string(row.digit) : row.key) + " (" +
                                 row.command + ")";
        SCOPED_TRACE(name);
        ASSERT_TRUE(FocusOn(BrevioProbe(), kTxPane)) << Ask(QStringLiteral("focus")).toStdString();
        const int wait = RowWaitMs(defect);
        bool passed = false;
        QString detail;
        switch (row.does) {
        case Does::ToggleChannel: {
            // Pressed twice: the channel's window changes and comes back.
            const bool shown = ChannelShown(row.channel);
            ASSERT_TRUE(Press("alt", row.digit, row.key)) << Input().ErrorText().toStdString();
            const bool changed = WaitFor([&] { return ChannelShown(row.channel) != shown; }, wait);
            bool back = false;
            if (changed) {
                ASSERT_TRUE(Press("alt", row.digit, row.key)) << Input().ErrorText().toStdString();
                back = WaitFor([&] { return ChannelShown(row.channel) == shown; }, wait);
            }
            passed = changed && back;
            detail = QStringLiteral("channel %1 %2 first, %3 after the first press, %4 after the second")
                         .arg(row.channel)
                         .arg(shown ? QStringLiteral("shown") : QStringLiteral("hidden"))
                         .arg(changed ? QStringLiteral("changed") : QStringLiteral("unchanged"))
                         .arg(back ? QStringLiteral("back") : QStringLiteral("not back"));
            break;
        }
        case Does::ClearTags: {
            // A value typed into the tags bar, then the key.
            ASSERT_TRUE(ClickOn(BrevioProbe(), QStringLiteral("item:Callsign/1")));
            ASSERT_TRUE(Input().Type(QStringLiteral("G4TST")) && Input().Key(QStringLiteral("Return")));
            ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("text ") + kTags).contains(QLatin1String("Callsign\\tG4TST")); }))
                << Ask(QStringLiteral("text ") + kTags).toStdString();
            ASSERT_TRUE(FocusOn(BrevioProbe(), kTxPane));
            ASSERT_TRUE(Press("alt", row.digit, row.key)) << Input().ErrorText().toStdString();
            passed = WaitFor([&] { return !Ask(QStringLiteral("text ") + kTags).contains(QLatin1String("G4TST")); }, wait);
            detail = QStringLiteral("the tags still read ") + Ask(QStringLiteral("text ") + kTags);
            break;
        }
        case Does::OpenDialog: {
            // The command can be used (Save To File needs received text).
            const QString item = QString::fromLatin1(row.command).section(QStringLiteral("> "), 1);
            ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("action ") + item).startsWith(QLatin1String("enabled=1")); }))
                << "the menu item is " << Ask(QStringLiteral("action ") + item).toStdString();
            ASSERT_FALSE(Shows(row.dialog));
            if (row.chooser)
                ExpectBox(BrevioProbe(), QString::fromLatin1(row.chooser), QString::fromLatin1(row.filter));
            ASSERT_TRUE(Press("alt", row.digit, row.key)) << Input().ErrorText().toStdString();
            passed = WaitFor([&] { return Shows(row.dialog); }, wait);
            detail = QStringLiteral("no %1 among %2; the menu item is %3, the focus on %4")
                         .arg(QLatin1String(row.dialog), Ask(QStringLiteral("geometry")),
                              Ask(QStringLiteral("action ") + QString::fromLatin1(row.command).section(QStringLiteral("> "), 1)),
                              Ask(QStringLiteral("focus")));
            if (passed) {
                ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
                ASSERT_TRUE(WaitFor([&] { return !Shows(row.dialog); })) << "Escape did not close it";
            }
            break;
        }
        case Does::NextSignal:
        case Does::PreviousSignal: {
            // The nearest station in that direction. Channel 1 decodes first:
            // a channel window shown again (Alt+1) takes up its stored
            // frequency once it has settled, over a retune made before.
            ASSERT_TRUE(WaitFor([&] { return Ask(QStringLiteral("decoding 1")) == QLatin1String("1"); }))
                << "channel 1 does not decode: " << Ask(QStringLiteral("geometry")).toStdString();
            ASSERT_TRUE(WaitFor([&] { return Frequency() > 0; })) << Ask(QStringLiteral("geometry")).toStdString();
            const int before = Frequency();
            ASSERT_TRUE(Press("alt", row.digit, row.key)) << Input().ErrorText().toStdString();
            const bool up = row.does == Does::NextSignal;
            passed = WaitFor([&] {
                const int now = Frequency();
                return now > 0 && (up ? now > before + 100 : now < before - 100);
            }, wait);
            detail = QStringLiteral("channel 1 went from %1 Hz to %2 Hz").arg(before).arg(Frequency());
            break;
        }
        }
        ExpectRow(name, passed, detail, defect);
        // Whatever a failing row left open goes, so the next row starts clean.
        if (!passed)
            Input().Key(QStringLiteral("Escape"));
        ASSERT_TRUE(WaitUntilActive(BrevioProbe())) << Ask(QStringLiteral("geometry")).toStdString();
    }
}

// The digit keys that are no channel keys keep what they do: the keypad's
// digits with Alt (other keys than the digit row's, here with Num Lock on, so
// that they are digits) and, on the French layout, AltGr with a digit-row
// key, which types a sign.
TEST_P(BrevioKeys, OtherDigitKeysLeaveTheChannelsAlone)
{
    const auto typed = [&](const QString& text) { return Unescape(Ask(QStringLiteral("text ") + kTxPane)).count(text); };
    ASSERT_TRUE(FocusOn(BrevioProbe(), kTxPane)) << Ask(QStringLiteral("focus")).toStdString();
    // With Num Lock on, the keypad's 1 types a 1.
    ASSERT_TRUE(Input().Key(QStringLiteral("Num_Lock")));
    const qsizetype ones = typed(QStringLiteral("1"));
    ASSERT_TRUE(Input().Key(QStringLiteral("87"))) << Input().ErrorText().toStdString();
    ASSERT_TRUE(WaitFor([&] { return typed(QStringLiteral("1")) > ones; }))
        << "the keypad's 1 typed no 1: " << Ask(QStringLiteral("text ") + kTxPane).toStdString();

    // A key, then a marker typed after it: once the marker shows, the
    // program has had the key.
    const auto pressThenMark = [&](const QString& chord, const QString& marker) {
        const qsizetype before = typed(marker);
        return Input().Key(chord) && Input().Type(marker) && WaitFor([&] { return typed(marker) > before; });
    };
    const struct {
        int channel;
        const char* keypad;  // the keypad key's keycode
    } keypad[] = {{1, "87"}, {2, "88"}, {3, "89"}, {4, "83"}};
    for (const auto& key : keypad) {
        const bool shown = ChannelShown(key.channel);
        // The marker goes nowhere when the key hid channel 1.
        const bool marked = pressThenMark(QStringLiteral("alt+") + QLatin1String(key.keypad), QStringLiteral("x"));
        EXPECT_EQ(ChannelShown(key.channel), shown) << "Alt with the keypad's " << key.channel << " toggled channel " << key.channel;
        ASSERT_TRUE(marked) << Input().ErrorText().toStdString() << Ask(QStringLiteral("text ") + kTxPane).toStdString();
        ASSERT_TRUE(WaitUntilActive(BrevioProbe()));
        ASSERT_TRUE(FocusOn(BrevioProbe(), kTxPane));
    }
    if (!French())
        return;
    // AltGr with the digit row's 3 and 4 types "#" and "{".
    for (const auto& [digit, text] : {std::pair{3, "#"}, std::pair{4, "{"}}) {
        const QString sign = QString::fromLatin1(text);
        const bool shown = ChannelShown(digit);
        const qsizetype before = typed(sign);
        ASSERT_TRUE(Input().KeyDigit(digit, QStringLiteral("ISO_Level3_Shift"))) << Input().ErrorText().toStdString();
        EXPECT_TRUE(WaitFor([&] { return typed(sign) > before; }))
            << "AltGr with the digit key " << digit << " typed no " << text << ": "
            << Ask(QStringLiteral("text ") + kTxPane).toStdString();
        EXPECT_EQ(ChannelShown(digit), shown) << "AltGr with the digit key " << digit << " toggled channel " << digit;
    }
}

namespace {

struct MacroKey {
    bool shift;
    const char* usDefect;
    const char* frDefect;
};

// Ctrl+digit sends macro 0-9, Ctrl+Shift+digit macro 10-19.
const MacroKey kMacroKeys[] = {
    {false, nullptr, nullptr},
    {true, nullptr, nullptr},
};

} // namespace

TEST_P(BrevioKeys, CtrlDigitAndCtrlShiftDigitSendTheirMacros)
{
    const struct {
        QString pane;
        const char* className;
        QList<int> digits;
    } panes[] = {{kTxPane, "CTxTextWindow", {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}}, {kRxPane, "CRxTextWindow", {3, 0}}};
    for (const auto& pane : panes) {
        SCOPED_TRACE(pane.className);
        // Each key once, into a pane that has the keyboard; the macro's text
        // goes to the transmit pane.
        const QString before = Ask(QStringLiteral("text ") + kTxPane);
        QList<std::pair<int, const MacroKey*>> pressed;
        for (const MacroKey& key : kMacroKeys) {
            for (int digit : pane.digits) {
                ASSERT_TRUE(FocusOn(BrevioProbe(), pane.pane)) << Ask(QStringLiteral("focus")).toStdString();
                ASSERT_TRUE(Input().KeyDigit(digit, key.shift ? QStringLiteral("ctrl+shift") : QStringLiteral("ctrl")))
                    << Input().ErrorText().toStdString();
                pressed.append({digit + (key.shift ? 10 : 0), &key});
            }
        }
        const auto sent = [&](int macro) {
            const QString now = Ask(QStringLiteral("text ") + kTxPane);
            return now.count(Token(macro)) > before.count(Token(macro));
        };
        const auto all = [&](bool withKnownDefects) {
            for (const auto& [macro, key] : pressed)
                if ((withKnownDefects || !(French() ? key->frDefect : key->usDefect)) && !sent(macro))
                    return false;
            return true;
        };
        // The keys that work show first; the others get the short wait.
        WaitFor([&] { return all(false); });
        WaitFor([&] { return all(true); }, RowWaitMs("any"));
        for (const auto& [macro, key] : pressed) {
            const std::string name = std::string(key->shift ? "Ctrl+Shift+" : "Ctrl+") + std::to_string(macro % 10) +
                                     " in the " + (pane.className == std::string("CTxTextWindow") ? "transmit" : "receive") +
                                     " pane (macro " + std::to_string(macro) + ")";
            ExpectRow(name, sent(macro), QStringLiteral("the transmit pane reads ") + Ask(QStringLiteral("text ") + kTxPane),
                      French() ? key->frDefect : key->usDefect);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Layout, BrevioKeys, ::testing::Values("us", "fr"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });
