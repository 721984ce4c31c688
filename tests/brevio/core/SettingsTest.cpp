#include "brevio/core/FontDescription.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "platform/SettingsStore.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"

#include <QCoreApplication>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QString Name(const char* label)
{
    return QStringLiteral("PSK31Options 2.2 ") + QLatin1String(label);
}

TEST(PskSettings, TableHas110RowsWithExactValueNames)
{
    ASSERT_EQ(CPSK31Settings::RowCount(), 110);
    EXPECT_EQ(CPSK31Settings::RowValueName(0), Name("PSK31 m_eSpeed ................:"));
    EXPECT_EQ(CPSK31Settings::RowValueName(85), Name("PSK31 m_nDisplaySpectrumHeight :"));
    EXPECT_EQ(CPSK31Settings::RowValueName(62), Name("PSK31 m_bOverloadAdjust 1 .....:"));
    EXPECT_EQ(CPSK31Settings::RowValueName(109), Name("PSK31 m_strLogbookFile2 .......:"));
    QSet<QString> names;
    for (int i = 0; i < 110; ++i) {
        const QString name = CPSK31Settings::RowValueName(i);
        // Every label is 32 characters: member padded with dots, then a colon.
        EXPECT_EQ(name.size(), 17 + 32) << name.toStdString();
        EXPECT_TRUE(name.endsWith(QLatin1Char(':')));
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 110);
}

TEST(PskSettings, EmptyStoreGivesTheDefaults)
{
    CPSK31Settings s;
    s.m_nTxDelay = 7;
    s.m_strBrowserFont = QStringLiteral("x");
    s.Load();
    EXPECT_EQ(s.m_eSpeed, 0);
    EXPECT_EQ(s.GetTxDelay(), 100);
    EXPECT_EQ(s.GetPTTPort(), 1);
    EXPECT_EQ(s.m_nInactiveInterval, 5000);
    EXPECT_EQ(s.m_nFFTMode, 10);
    EXPECT_EQ(s.m_nDisplayMax, 3000);
    EXPECT_EQ(s.m_nOutputLimit, 100);
    EXPECT_EQ(s.m_nCWSpeed, 1);
    EXPECT_EQ(s.GetRxBg(), RGB(255, 250, 241));
    EXPECT_EQ(s.GetBrowserSeTickSome(), RGB(255, 255, 0));
    EXPECT_EQ(s.m_strBrowserFont, QStringLiteral("Courier New,8,0,0"));
    EXPECT_EQ(s.m_strBrowserNewline, QStringLiteral(". "));
    EXPECT_EQ(s.m_strDisplayFont, QStringLiteral("Courier New,8,0,1"));
    EXPECT_EQ(s.m_strFontRxRx, QStringLiteral("Courier New,10,1,0"));
    EXPECT_TRUE(s.m_strLocator.isEmpty());
    EXPECT_TRUE(s.IsDisplayGrid());
    EXPECT_EQ(s.m_nSentText, 4);
    EXPECT_TRUE(s.IsSentTextStrikeout());
    EXPECT_FALSE(s.IsSentTextBold());
    EXPECT_TRUE(s.IsPsk31());
    // The ramp's telling entries.
    const struct {
        int i;
        COLORREF c;
    } ramp[] = {{0, RGB(0, 0, 0)},       {1, RGB(0, 0, 0)},         {32, RGB(0, 0, 123)},
                {56, RGB(0, 0, 203)},    {64, RGB(11, 11, 195)},    {96, RGB(39, 51, 159)},
                {128, RGB(95, 115, 207)}, {160, RGB(151, 179, 255)}, {192, RGB(187, 203, 255)},
                {224, RGB(219, 227, 255)}, {255, RGB(255, 255, 255)}};
    for (const auto& r : ramp)
        EXPECT_EQ(s.GetColour(r.i), r.c) << r.i;
    EXPECT_EQ(GetBValue(s.GetColour(54)), 211);
    EXPECT_EQ(GetBValue(s.GetColour(151)), 255);
    EXPECT_LT(GetRValue(s.GetColour(254)), 255);
}

TEST(PskSettings, SaveAndLoadRoundTripsEveryValueUnderItsName)
{
    CPSK31Settings a;
    for (int i = 0; i < CPSK31Settings::RowCount(); ++i)
        a.SetRowText(i, CPSK31Settings::RowIsString(i) ? QStringLiteral("text %1").arg(i) : QString::number(1000 + i));
    for (int i = 0; i < 256; ++i)
        a.SetColour(i, RGB(i, 255 - i, (i * 7) & 0xFF));
    a.Save();

    // Each value lives under its exact name.
    CRegistry registry;
    for (int i = 0; i < CPSK31Settings::RowCount(); ++i) {
        const QString name = CPSK31Settings::RowValueName(i);
        ASSERT_TRUE(platform::SettingsStore::contains(CRegistry::Section(), name)) << name.toStdString();
        if (CPSK31Settings::RowIsString(i) && CPSK31Settings::RowMember(i) != QLatin1String("m_strColourTable")) {
            EXPECT_EQ(registry.GetString(name), QStringLiteral("text %1").arg(i));
        } else if (!CPSK31Settings::RowIsString(i)) {
            EXPECT_EQ(registry.GetInt(name, -1), 1000 + i);
        }
    }

    CPSK31Settings b;
    b.Load();
    for (int i = 0; i < CPSK31Settings::RowCount(); ++i) {
        if (CPSK31Settings::RowMember(i) == QLatin1String("m_bInputEnable")) {
            EXPECT_EQ(b.RowText(i), QStringLiteral("0"));
        } else {
            EXPECT_EQ(b.RowText(i), a.RowText(i)) << CPSK31Settings::RowMember(i).toStdString();
        }
    }
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(b.GetColour(i), a.GetColour(i)) << i;
}

TEST(PskSettings, ColourTableTextChangesOnlyTheEntriesItHolds)
{
    CRegistry registry;
    const QString name = Name("PSK31 m_strColourTable ........:");
    QStringList ten;
    for (int i = 0; i < 10; ++i)
        ten << QStringLiteral("1 2 3");
    registry.WriteString(name, ten.join(QLatin1Char(',')));
    CPSK31Settings s;
    s.Load();
    const CPSK31Settings defaults;
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(s.GetColour(i), RGB(1, 2, 3));
    for (int i = 10; i < 256; ++i)
        EXPECT_EQ(s.GetColour(i), defaults.GetColour(i));

    QStringList many;
    for (int i = 0; i < 300; ++i)
        many << QStringLiteral("%1 0 256").arg(i);  // 256 keeps its low 8 bits: 0
    registry.WriteString(name, many.join(QLatin1Char(',')));
    s.Load();
    EXPECT_EQ(s.GetColour(255), RGB(255, 0, 0));
    EXPECT_EQ(s.GetColour(3), RGB(3, 0, 0));

    registry.WriteString(name, QStringLiteral("7,8 9"));  // missing numbers read 0
    s.Load();
    EXPECT_EQ(s.GetColour(0), RGB(7, 0, 0));
    EXPECT_EQ(s.GetColour(1), RGB(8, 9, 0));
}

TEST(PskSettings, InputEnableNeverSurvivesALoad)
{
    CRegistry().WriteInt(Name("PSK31 m_bInputEnable ..........:"), 1);
    CPSK31Settings s;
    s.Load();
    EXPECT_EQ(s.m_bInputEnable, 0);
}

TEST(PskSettings, ExchangeWithAnUnknownModeChangesNothing)
{
    CPSK31Settings s;
    s.m_nTxDelay = 555;
    s.Exchange(7);
    EXPECT_EQ(s.m_nTxDelay, 555);
    EXPECT_FALSE(platform::SettingsStore::contains(CRegistry::Section(), Name("PSK31 m_nTxDelay ..............:")));
}

class OptionsCounter : public QWidget {
public:
    using QWidget::QWidget;
    int m_nOptions = 0;
    int m_nLocator = 0;
    bool event(QEvent* e) override
    {
        if (CRegisteredEvent::As(e, RegisteredMessage::nMsgOptions))
            ++m_nOptions;
        if (CRegisteredEvent::As(e, RegisteredMessage::nMsgLocator))
            ++m_nLocator;
        return QWidget::event(e);
    }
};

TEST(PskSettings, BroadcastLeavesPreviousEqualToCurrentInMemory)
{
    OptionsCounter main;
    auto* child = new OptionsCounter(&main);
    auto* grandchild = new OptionsCounter(child);
    SetSettingsBroadcastTarget(&main);

    CurrentSettings().SetDefaults();
    PreviousSettings().SetDefaults();
    CurrentSettings().m_bInputEnable = 1;
    CurrentSettings().m_strInputWaveFile = QStringLiteral("/tmp/in.wav");
    SaveAndBroadcastSettings();
    EXPECT_EQ(main.m_nOptions, 1);
    EXPECT_EQ(child->m_nOptions, 1);
    EXPECT_EQ(grandchild->m_nOptions, 1);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(main.m_nLocator, 1);
    // An in-memory copy: the wave-file input flag is not lost, so the next,
    // unrelated change does not look like a sound-card change.
    EXPECT_EQ(PreviousSettings().m_bInputEnable, 1);
    EXPECT_EQ(PreviousSettings().m_strInputWaveFile, QStringLiteral("/tmp/in.wav"));
    // What was saved is still the stored form.
    CPSK31Settings stored;
    stored.Load();
    EXPECT_EQ(stored.m_strInputWaveFile, QStringLiteral("/tmp/in.wav"));
    SetSettingsBroadcastTarget(nullptr);
    CurrentSettings().SetDefaults();
    PreviousSettings().SetDefaults();
}

TEST(PskFontDescription, ParsesAndFormats)
{
    const struct {
        const char* text;
        const char* face;
        int size, bold, italic;
        const char* formatted;
    } cases[] = {
        {"Courier New,10,1,0", "Courier New", 10, 1, 0, "Courier New,10,1,0"},
        {"Courier New,8", "Courier New", 8, 0, 0, "Courier New,8,0,0"},
        {"", "", 0, 0, 0, ",0,0,0"},
        {"Arial,12,0,1,extra", "Arial", 12, 0, 1, "Arial,12,0,1"},
        {",x,1", "", 0, 1, 0, ",0,1,0"},
    };
    for (const auto& c : cases) {
        CFontDescription f(QString::fromLatin1(c.text));
        EXPECT_EQ(f.GetText(), QString::fromLatin1(c.text));
        EXPECT_EQ(f.GetFace(), QString::fromLatin1(c.face));
        EXPECT_EQ(f.GetSize(), c.size);
        EXPECT_EQ(f.GetBold(), c.bold);
        EXPECT_EQ(f.GetItalic(), c.italic);
        EXPECT_EQ(f.Format(), QString::fromLatin1(c.formatted));
    }
}

TEST(PskRegisteredMessages, ThirtyTwoDistinctNamesRegisteredInOrder)
{
    ASSERT_EQ(RegisteredMessage::Count(), 32);
    EXPECT_STREQ(RegisteredMessage::AllNames()[0], "RegisteredMessage::nMsgActivate");
    EXPECT_STREQ(RegisteredMessage::AllNames()[4], "RegisteredMessage::nMsgCharRdy");
    EXPECT_STREQ(RegisteredMessage::AllNames()[31], "RegisteredMessage::nMsgSelectMacro");
    QSet<uint32_t> ids;
    for (int i = 0; i < 32; ++i) {
        const uint32_t id = RegisterWindowMessage(RegisteredMessage::AllNames()[i]);
        EXPECT_GE(id, 0xC000u);
        ids.insert(id);
    }
    EXPECT_EQ(ids.size(), 32);
    EXPECT_EQ(RegisteredMessage::nMsgCharRdy, RegisterWindowMessage("RegisteredMessage::nMsgCharRdy"));
    EXPECT_EQ(RegisteredMessage::nMsgOptions, RegisterWindowMessage("RegisteredMessage::nMsgOptions"));
    // Unhandled messages are registered too; sending one to a window does nothing.
    QWidget w;
    EXPECT_EQ(SendRegisteredMessage(&w, RegisteredMessage::nMsgKeystroke, 0, 0), 0);
}

} // namespace
