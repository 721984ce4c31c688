// PSK31 Brevio's text on and off the air, with real keys and clicks: a
// "[stop]" in the transmit text ends the transmission; a context menu in the
// receive pane leaves it receiving; Ctrl+digit and Ctrl+Shift+digit send
// macros 0-19 on a US and on a French keyboard, in both text panes of a
// channel and in the Super Browser; a locator is typed into the Tags bar
// without a box breaking in; the Tags bar's Value column fills the bar,
// also after a resumed session.
#include "GuiTest.h"
#include "support/BrevioPanes.h"
#include "support/MacroFiles.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

class BrevioText : public testsupport::BrevioPanes<GuiTest> {
protected:
    QString Text(const QString& spec) { return Unescape(Ask(QStringLiteral("text ") + spec)); }
    QString State() { return Ask(QStringLiteral("state")); }
    // The Tags bar's value cell of a row, and its text.
    QRect TagCell(const QString& title) { return ParseRect(Ask(QStringLiteral("tag ") + title).section(QLatin1Char('|'), 0, 0)); }
    QString TagValue(const QString& title) { return Ask(QStringLiteral("tag ") + title).section(QLatin1Char('|'), 1); }

    // Twenty macros, the n-th sending "macro n".
    void WriteMacros() { ASSERT_TRUE(testsupport::WriteMacros(BrevioDataFolder(), 20, QStringLiteral("macro %1"))); }

    // The digit-row key with the modifiers, and the macro whose text it
    // adds to the pane (-1: none; Ctrl+Alt is AltGr on Windows, which types
    // a sign); in each place the test can type into.
    void MacroKeysSendTheirMacros()
    {
        struct Case {
            int digit;
            const char* modifiers;
            int macro;
        };
        const Case cases[] = {{3, "ctrl", 3},        {3, "ctrl+shift", 13}, {0, "ctrl", 0},
                              {0, "ctrl+shift", 10}, {9, "ctrl+shift", 19}, {3, "ctrl+alt", -1},
                              {0, "ctrl+alt", -1}};
        const struct {
            const char* name;
            QString click;  // where the operator clicks before the keys (the Super
                            // Browser opened first with F7, its panel with its button)
            const char* focus;
            QString pane;  // where the macro's text goes
        } places[] = {{"transmit pane", kTx, "CTxTextWindow", kTx},
                      {"receive pane", kRx, "CRxTextWindow", kTx},
                      {"Super Browser", kBrowserTx, "CTxTextWindow", kBrowserTx}};
        for (const auto& place : places) {
            SCOPED_TRACE(place.name);
            if (place.click == kBrowserTx)
                ASSERT_TRUE(OpenSuperBrowser());
            ASSERT_TRUE(ClickOn(BrevioProbe(), place.click));
            ASSERT_TRUE(Focused(place.focus)) << Ask(QStringLiteral("focus")).toStdString();
            for (const Case& c : cases) {
                SCOPED_TRACE(QStringLiteral("%1+digit %2").arg(QLatin1String(c.modifiers)).arg(c.digit).toStdString());
                const QString before = Text(place.pane);
                ASSERT_TRUE(Input().KeyDigit(c.digit, QLatin1String(c.modifiers))) << Input().ErrorText().toStdString();
                if (c.macro >= 0) {
                    const QString wanted = QStringLiteral("macro %1").arg(c.macro);
                    ASSERT_TRUE(WaitFor([&] { return Text(place.pane).endsWith(wanted); })) << Text(place.pane).toStdString();
                    continue;
                }
                // Ctrl+4 after it: once its macro shows, the program has had
                // the key before it, and that sent nothing.
                ASSERT_TRUE(Input().KeyDigit(4, QStringLiteral("ctrl"))) << Input().ErrorText().toStdString();
                const QString marker = QStringLiteral("macro 4");
                ASSERT_TRUE(WaitFor([&] { return Text(place.pane).count(marker) > before.count(marker); }))
                    << Text(place.pane).toStdString();
                const QString sent = QStringLiteral("macro %1").arg(c.digit);
                EXPECT_EQ(Text(place.pane).count(sent), before.count(sent)) << Text(place.pane).toStdString();
            }
        }
    }

    // Receiving on channel 1 goes on after a context menu of its receive pane
    // has closed, however it was closed.
    void ReceivingGoesOnAfterTheContextMenu(bool chooseAnItem)
    {
        Brevio().SetStoredValue(kChannelOneFrequency, 1500);
        ASSERT_TRUE(StartBrevio());
        int length = RxLength();
        ASSERT_TRUE(WaitFor([&] { return RxLength() > length; })) << "channel 1 receives nothing";

        // A right click on the pane where it shows no text, so nothing is selected.
        const QRect pane = ParseRect(Ask(QStringLiteral("locate ") + kRx));
        ASSERT_TRUE(pane.isValid());
        ASSERT_TRUE(Input().Click(pane.center() + QPoint(0, pane.height() / 4), XInput::kRight));
        ASSERT_TRUE(WaitFor([&] { return MenuOpen(); })) << Ask(QStringLiteral("geometry")).toStdString();
        if (chooseAnItem) {
            const QRect item = ParseRect(Ask(QStringLiteral("locate action:Autoscroll New Text")));
            ASSERT_TRUE(item.isValid()) << "no Autoscroll item in the menu";
            ASSERT_TRUE(Input().Click(item.center()));
        } else {
            ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
        }
        ASSERT_TRUE(WaitFor([&] { return !MenuOpen(); }));

        length = RxLength();
        EXPECT_TRUE(WaitFor([&] { return RxLength() > length; }))
            << "the receive pane shows nothing more; held back: " << RxQueued();
        EXPECT_EQ(RxQueued(), 0);
    }
};

} // namespace

// "de g4tst pse k [stop] after stop", F1 without autostop: what comes
// before "[stop]" goes on air, the channel says "Stopping", the transmission
// ends, "[stop]" is marked sent but never sent, and the rest goes only with
// the next start.
TEST_F(BrevioText, StopInTheTransmitTextEndsTheTransmission)
{
    ASSERT_TRUE(StartBrevio());
    const QString typed = QStringLiteral("de g4tst pse k [stop] after stop");
    ASSERT_TRUE(ClickOn(BrevioProbe(), kTx));
    ASSERT_TRUE(Focused("CTxTextWindow"));
    ASSERT_TRUE(Input().Type(typed)) << Input().ErrorText().toStdString();
    ASSERT_TRUE(WaitFor([&] { return Text(kTx) == typed; })) << Text(kTx).toStdString();

    const auto transmitOnce = [&](const char* key, bool* sawStopping) {
        ASSERT_TRUE(Input().Key(QLatin1String(key)));
        bool sending = false;
        ASSERT_TRUE(WaitFor([&] {
            const QString state = State();
            sending = sending || state.startsWith(QLatin1String("tx=1 "));
            if (state.endsWith(QLatin1String("status=Stopping")))
                *sawStopping = true;
            return sending && state.startsWith(QLatin1String("tx=0 "));
        }, StartMs())) << State().toStdString();
    };
    // What the channel showed of its own transmission, after the last "TX>" line.
    const auto lastTransmission = [&] {
        const QString rx = Text(kRx);
        const qsizetype tx = rx.lastIndexOf(QLatin1String("TX> "));
        return tx < 0 ? QString() : rx.mid(tx).section(QLatin1String("RX> "), 0, 0);
    };

    bool stopping = false;
    transmitOnce("F1", &stopping);
    EXPECT_TRUE(stopping) << "the status never read \"Stopping\"";
    const int stopEnd = int(typed.indexOf(QLatin1String("[stop]"))) + 6;
    EXPECT_EQ(ProbeClient::Field(State(), QStringLiteral("sent")).toInt(), stopEnd) << State().toStdString();
    QString shown = lastTransmission();
    EXPECT_TRUE(shown.contains(QLatin1String("de g4tst pse k"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QLatin1String("after"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QLatin1String("stop"))) << shown.toStdString();

    // The next start (here with autostop) sends what waited, and ends.
    bool again = false;
    transmitOnce("F2", &again);
    EXPECT_EQ(ProbeClient::Field(State(), QStringLiteral("sent")).toInt(), int(typed.size())) << State().toStdString();
    shown = lastTransmission();
    EXPECT_TRUE(shown.contains(QLatin1String(" after stop"))) << shown.toStdString();
    EXPECT_FALSE(shown.contains(QLatin1String("g4tst"))) << shown.toStdString();
}

TEST_F(BrevioText, ReceivePaneGoesOnReceivingAfterItsContextMenuIsClosedWithEscape)
{
    ReceivingGoesOnAfterTheContextMenu(false);
}

TEST_F(BrevioText, ReceivePaneGoesOnReceivingAfterAChoiceInItsContextMenu)
{
    ReceivingGoesOnAfterTheContextMenu(true);
}

// Held back while the left button is down in the pane, the text comes as
// soon as it is up (the 500 ms timer that drains the queue).
TEST_F(BrevioText, TextHeldUnderTheMouseComesOnceTheButtonIsUp)
{
    Brevio().SetStoredValue(kChannelOneFrequency, 1500);
    ASSERT_TRUE(StartBrevio());
    const QRect pane = ParseRect(Ask(QStringLiteral("locate ") + kRx));
    ASSERT_TRUE(pane.isValid());
    ASSERT_TRUE(Input().Press(pane.center() + QPoint(0, pane.height() / 4)));
    const bool held = WaitFor([&] { return RxQueued() > 0; });
    ASSERT_TRUE(Input().Release());
    ASSERT_TRUE(held) << "nothing was held back under the button";
    EXPECT_TRUE(WaitFor([&] { return RxQueued() == 0; })) << Ask(QStringLiteral("rx")).toStdString();
}

TEST_F(BrevioText, MacroKeysOnAUsKeyboard)
{
    WriteMacros();
    ASSERT_TRUE(StartBrevio());
    MacroKeysSendTheirMacros();
}

TEST_F(BrevioText, MacroKeysOnAFrenchKeyboard)
{
    ASSERT_TRUE(X().SetLayout(QStringLiteral("fr"))) << X().ErrorText().toStdString();
    WriteMacros();
    ASSERT_TRUE(StartBrevio());
    MacroKeysSendTheirMacros();
}

// The Locator tag typed in place: every key goes into the cell, no box
// breaks in; the value is checked when the edit ends.
TEST_F(BrevioText, LocatorIsTypedIntoTheTagsBarAndCheckedWhenTheEditEnds)
{
    ASSERT_TRUE(StartBrevio());
    Ask(QStringLiteral("boxes"));
    QRect cell = TagCell(QStringLiteral("Locator"));
    ASSERT_TRUE(cell.isValid()) << Ask(QStringLiteral("tag Locator")).toStdString();
    ASSERT_TRUE(Input().Click(cell.center()));
    ASSERT_TRUE(Focused("CInPlaceEdit")) << Ask(QStringLiteral("focus")).toStdString();
    ASSERT_TRUE(Input().Type(QStringLiteral("jo01aa")));
    EXPECT_TRUE(WaitFor([&] { return TagValue(QStringLiteral("Locator")) == QLatin1String("jo01aa"); }))
        << TagValue(QStringLiteral("Locator")).toStdString();
    EXPECT_EQ(Ask(QStringLiteral("boxes")), QString());
    // The edit ends as the operator goes on in the transmit pane.
    ASSERT_TRUE(ClickOn(BrevioProbe(), kTx));
    ASSERT_TRUE(Focused("CTxTextWindow"));
    EXPECT_TRUE(WaitFor([&] { return TagValue(QStringLiteral("Locator")) == QLatin1String("JO01AA"); }))
        << TagValue(QStringLiteral("Locator")).toStdString();

    // Something that is no locator: typed whole, then the old value comes
    // back, the status bar says why, and what is typed next is not lost.
    cell = TagCell(QStringLiteral("Locator"));
    ASSERT_TRUE(Input().Click(cell.center()));
    ASSERT_TRUE(Focused("CInPlaceEdit"));
    ASSERT_TRUE(Input().Type(QStringLiteral("jx")));
    EXPECT_TRUE(WaitFor([&] { return TagValue(QStringLiteral("Locator")) == QLatin1String("jx"); }))
        << TagValue(QStringLiteral("Locator")).toStdString();
    ASSERT_TRUE(ClickOn(BrevioProbe(), kTx));
    ASSERT_TRUE(Input().Type(QStringLiteral("hello")));
    EXPECT_TRUE(WaitFor([&] { return Text(kTx) == QLatin1String("hello"); })) << Text(kTx).toStdString();
    EXPECT_EQ(TagValue(QStringLiteral("Locator")), QStringLiteral("JO01AA"));
    EXPECT_TRUE(Ask(QStringLiteral("status")).startsWith(QLatin1String("\"jx\" is not a locator")))
        << Ask(QStringLiteral("status")).toStdString();
    EXPECT_EQ(Ask(QStringLiteral("boxes")), QString());
}

// A locator typed into the Tags bar and kept with Enter, then something that
// is no locator typed over it (Ctrl+A) and Enter: once the operator goes on
// elsewhere, the locator kept comes back, not the value the edit began with.
TEST_F(BrevioText, ARefusedLocatorGivesBackTheLocatorLastKept)
{
    ASSERT_TRUE(StartBrevio());
    Ask(QStringLiteral("boxes"));
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {{"JN18du", "JN18DU"}, {"JO01aa", "JO01AA"}};  // from empty, then over the first
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const QRect cell = TagCell(QStringLiteral("Locator"));
        ASSERT_TRUE(cell.isValid()) << Ask(QStringLiteral("tag Locator")).toStdString();
        ASSERT_TRUE(Input().Click(cell.center()));
        ASSERT_TRUE(Focused("CInPlaceEdit")) << Ask(QStringLiteral("focus")).toStdString();
        ASSERT_TRUE(Input().Type(QLatin1String(c.typed)) && Input().Key(QStringLiteral("Return")));
        EXPECT_TRUE(WaitFor([&] { return TagValue(QStringLiteral("Locator")) == QLatin1String(c.kept); }))
            << TagValue(QStringLiteral("Locator")).toStdString();
        ASSERT_TRUE(Input().Key(QStringLiteral("ctrl+a")) && Input().Type(QStringLiteral("XX99zz")) &&
                    Input().Key(QStringLiteral("Return")));
        ASSERT_TRUE(WaitFor([&] { return TagValue(QStringLiteral("Locator")) == QLatin1String("XX99zz"); }))
            << TagValue(QStringLiteral("Locator")).toStdString();
        ASSERT_TRUE(ClickOn(BrevioProbe(), kTx));
        ASSERT_TRUE(Focused("CTxTextWindow"));
        EXPECT_TRUE(WaitFor([&] { return TagValue(QStringLiteral("Locator")) == QLatin1String(c.kept); }))
            << TagValue(QStringLiteral("Locator")).toStdString();
        EXPECT_TRUE(Ask(QStringLiteral("status")).startsWith(QLatin1String("\"XX99zz\" is not a locator")))
            << Ask(QStringLiteral("status")).toStdString();
    }
    EXPECT_EQ(Ask(QStringLiteral("boxes")), QString());
}

// "Value" takes what "Tag" leaves of the bar, in a fresh session and after
// "Resume previous session"; its cells are there to be typed into.
TEST_F(BrevioText, TagsBarValueColumnFillsTheBarAlsoAfterAResumedSession)
{
    const auto fills = [&] {
        const QString tags = Ask(QStringLiteral("tags"));
        const QStringList widths = ProbeClient::Field(tags, QStringLiteral("widths")).split(QLatin1Char('|'));
        const int viewport = ProbeClient::Field(tags, QStringLiteral("viewport")).toInt();
        return ProbeClient::Field(tags, QStringLiteral("headings")) == QLatin1String("Tag|Value") && widths.size() == 2 &&
               widths[1].toInt() > 20 && std::abs(widths[0].toInt() + widths[1].toInt() - viewport) <= 1;
    };
    ASSERT_TRUE(StartBrevio());
    EXPECT_TRUE(WaitFor(fills)) << "fresh: " << Ask(QStringLiteral("tags")).toStdString();

    ASSERT_TRUE(ProgramProcess::RequestClose(QString::fromLatin1(kBrevioIdentifier)));
    ASSERT_TRUE(Brevio().WaitForExit(StartMs()));
    // Started once before: the start-up dialog offers, and takes, the resume.
    ASSERT_TRUE(StartBrevio());
    EXPECT_TRUE(WaitFor(fills)) << "resumed: " << Ask(QStringLiteral("tags")).toStdString();

    const QRect cell = TagCell(QStringLiteral("Name"));
    ASSERT_TRUE(cell.isValid() && cell.width() > 20) << Ask(QStringLiteral("tag Name")).toStdString();
    ASSERT_TRUE(Input().Click(cell.center()));
    ASSERT_TRUE(Focused("CInPlaceEdit")) << Ask(QStringLiteral("focus")).toStdString();
    ASSERT_TRUE(Input().Type(QStringLiteral("Ann")));
    ASSERT_TRUE(ClickOn(BrevioProbe(), kTx));
    EXPECT_TRUE(WaitFor([&] { return TagValue(QStringLiteral("Name")) == QLatin1String("Ann"); }));

    // For the documentation: the bar as the operator sees it then.
    const QString docs = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (!docs.isEmpty()) {
        const QString whole = BrevioDataFolder() + QStringLiteral("/display.png");
        ASSERT_EQ(Screenshot(whole), QString());
        const QRect bar = ParseRect(Ask(QStringLiteral("locate CTagsBar")));
        ASSERT_TRUE(bar.isValid());
        EXPECT_TRUE(QImage(whole).copy(bar.adjusted(0, 0, 40, 0)).save(docs + QStringLiteral("/brevio-tags-bar-resumed.png")));
    }
}

// A tags file the program cannot read (here saved by an editor as UTF-16) is
// told at the start, and neither the operator's edits in the Tags bar nor
// the end of the program write over it: the first refused save (the
// own-station tags the start-up dialog hands over, saved a second after the
// start) is told in a box, the later ones, after each edit, in the status
// bar, and the bar's heading says the values are not in the file.
TEST_F(BrevioText, ATagsFileThatCannotBeReadIsKeptThroughEditsAndTheEnd)
{
    QDir().mkpath(BrevioDataFolder());
    const QString path = BrevioDataFolder() + QStringLiteral("/PSK31 Brevio Tags v2.txt");
    const QByteArray latin1 = "#\r\n100 Rig\r\n102 1\r\n103 1\r\n104 0\r\n106 FT-817 5 W\r\n-@-\r\n#@filetype=0";
    QByteArray utf16("\xFF\xFE", 2);
    for (char c : latin1)
        utf16 += QByteArray(1, c) + QByteArray(1, '\0');
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(utf16);
    }
    const auto fileBytes = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    // Told before the main window shows; the operator takes the box away.
    ASSERT_TRUE(LaunchBrevio());
    EXPECT_TRUE(AnswerBox(BrevioProbe(), QStringLiteral("Error"), QStringLiteral("is not a tag definitions file: it holds no tags.")));
    ASSERT_TRUE(WaitUntilActive(BrevioProbe(), StartMs())) << Ask(QStringLiteral("main")).toStdString();
    // Nothing edited yet: no word of a save (a box then would fail the test).
    EXPECT_FALSE(Ask(QStringLiteral("status")).startsWith(QLatin1String("The tags were not saved")));
    EXPECT_EQ(fileBytes(), utf16);

    const auto type = [&](const QString& title, const QString& value) {
        const QRect cell = TagCell(title);
        ASSERT_TRUE(cell.isValid()) << Ask(QStringLiteral("tag ") + title).toStdString();
        ASSERT_TRUE(Input().Click(cell.center()));
        ASSERT_TRUE(Focused("CInPlaceEdit")) << Ask(QStringLiteral("focus")).toStdString();
        ASSERT_TRUE(Input().Type(value));
        ASSERT_TRUE(ClickOn(BrevioProbe(), kTx));
        EXPECT_TRUE(WaitFor([&] { return TagValue(title) == value; })) << TagValue(title).toStdString();
    };
    const auto told = [&] { return Ask(QStringLiteral("status")).startsWith(QLatin1String("The tags were not saved")); };
    // The first refused save is told in a box, the later ones in the status
    // bar, and the file stays as it was.
    bool first = true;
    for (const auto& [title, value] : {std::pair{"Name", "Ann"}, std::pair{"QTH", "Lyon"}}) {
        SCOPED_TRACE(title);
        ASSERT_FALSE(told());
        type(QLatin1String(title), QLatin1String(value));
        if (first)
            EXPECT_TRUE(AnswerBox(BrevioProbe(), QStringLiteral("Error"), QStringLiteral("The tags were not saved")));
        else
            EXPECT_TRUE(WaitFor(told)) << Ask(QStringLiteral("status")).toStdString();
        EXPECT_TRUE(Ask(QStringLiteral("tags")).startsWith(QLatin1String("headings=Tag|Value * ")))
            << Ask(QStringLiteral("tags")).toStdString();
        EXPECT_EQ(fileBytes(), utf16);
        if (!first) {
            // A menu opened and closed: the status bar's message goes, so
            // that the next edit's refusal shows anew.
            ASSERT_TRUE(Input().Key(QStringLiteral("alt+f")));
            ASSERT_TRUE(Input().Key(QStringLiteral("Escape Escape")));
            EXPECT_TRUE(WaitFor([&] { return !told(); })) << Ask(QStringLiteral("status")).toStdString();
        }
        first = false;
    }

    ASSERT_TRUE(ProgramProcess::RequestClose(QString::fromLatin1(kBrevioIdentifier)));
    ASSERT_TRUE(Brevio().WaitForExit(StartMs()));
    EXPECT_EQ(fileBytes(), utf16);
}
