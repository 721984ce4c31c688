#include "FrameFixture.h"
#include "brevio/core/Components.h"
#include "brevio/core/BarLayout.h"
#include "brevio/core/LocatorEdit.h"
#include "brevio/core/MixerDialog.h"
#include "brevio/core/ModeToolBar.h"
#include "shared/ShellOpen.h"
#include "shared/RegisteredEvent.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/TxMeterStatic.h"
#include "platform/Program.h"
#include "shared/HtmlHelp.h"
#include "shared/MapiMail.h"
#include "shared/PrintSetup.h"
#include "shared/ProgramFolders.h"
#include "shared/Registry.h"
#include "shared/SupportMail.h"
#include "shared/VersionInfo.h"
#include "shared/mixer/SoundMixer.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QDockWidget>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QStatusBar>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QImage>
#include <QSlider>
#include <QTest>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

using testsupport::FrameFixture;
using testsupport::MessageRecorder;

namespace {

TEST(RadioToolBar, FrequencyTextHasNoEmptyLeadingGroup)
{
    const struct {
        unsigned hz;
        const char* text;
    } cases[] = {{14070150, "14.070.150"}, {7035150, "7.035.150"}, {144300000, "144.300.000"},
                 {500000, "500.000"},      {1000, "1.000"},         {999, "999"},
                 {0, ""},                  {4294967295u, "4.294.967.295"}};
    for (const auto& c : cases)
        EXPECT_EQ(CRadioToolBar::FormatFrequency(c.hz), QString::fromLatin1(c.text)) << c.hz;
}

TEST(RadioToolBar, RepeatsChangeNothingAndMeterRepaintsOnlyWhenNeeded)
{
    FrameFixture f;
    CRadioToolBar* bar = f.frame->GetRadioBar();
    EXPECT_EQ(bar->GetFrequencyText(), QStringLiteral("Radio"));
    CurrentSettings().m_bDisplayRealFrequency = 1;
    MessageRecorder tags(f.frame->GetTagsBar());
    bar->SetFrequency(144300000);
    EXPECT_EQ(bar->GetFrequencyText(), QStringLiteral("144.300.000"));
    EXPECT_EQ(tags.Of(RegisteredMessage::nMsgOptions).size(), 1);
    EXPECT_EQ(tags.Of(RegisteredMessage::nMsgOptions)[0].lParam, 1);
    bar->SetFrequency(144300000);
    EXPECT_EQ(tags.Of(RegisteredMessage::nMsgOptions).size(), 1);
    EXPECT_EQ(bar->GetFrequency(), 144300000);

    const int paints = bar->GetMeterPaintCount();
    bar->SetMeter(5, false);
    bar->SetMeter(5, false);
    EXPECT_EQ(bar->GetMeterPaintCount(), paints + 1);
    bar->SetMeter(5, true);
    bar->SetMeter(5, true);
    EXPECT_EQ(bar->GetMeterPaintCount(), paints + 3);

    bar->SetAgc(-1);
    EXPECT_FALSE(bar->GetAgcCombo()->isEnabled());
    bar->SetAgc(3);
    EXPECT_TRUE(bar->GetAgcCombo()->isEnabled());
    EXPECT_EQ(bar->GetAgcCombo()->currentText(), QStringLiteral("Off"));
}

TEST(RadioToolBar, FrequencyShowsGreenOnBlack)
{
    CRadioToolBar bar;
    bar.Create(nullptr, 59404);
    bar.SetFrequency(0);
    bar.show();
    auto* display = bar.findChild<QWidget*>(QStringLiteral("111"));
    ASSERT_NE(display, nullptr);
    const QImage image = display->grab().toImage();
    int green = 0, other = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            green += c.green() > 128 ? 1 : 0;
            other += c.red() > 64 || c.blue() > 64 ? 1 : 0;  // only black and greens
        }
    EXPECT_GT(green, 20);  // "Radio" is drawn
    EXPECT_EQ(other, 0);
}

// Control 1002 of the radio bar is the segmented meter, drawn from what
// SetMeter gives it: the receive bar, then ALC and PWR while transmitting.
TEST(RadioToolBar, MeterIsTheSegmentedBarsFedBySetMeter)
{
    CRadioToolBar bar;
    bar.Create(nullptr, 59404);
    bar.show();
    auto* meter = bar.findChild<CTxMeterStatic*>(QStringLiteral("1002"));
    ASSERT_NE(meter, nullptr);
    ASSERT_EQ(meter, bar.GetMeter());
    EXPECT_EQ(meter->width(), 120);
    auto colour = [&](const QImage& image, const QRect& r) { return fromQColor(QColor(image.pixel(r.center()))); };

    bar.SetMeter(6, false);
    EXPECT_FALSE(meter->IsTransmitLayout());
    EXPECT_EQ(meter->GetRawValue(), 6u);
    QImage image = meter->grab().toImage();
    const auto receive = CTxMeterStatic::ReceiveSegments(meter->width(), meter->height());
    for (int k = 0; k < 15; ++k)
        EXPECT_EQ(colour(image, receive[size_t(k)]), k < 6 ? CTxMeterStatic::SegmentColour(k) : RGB(32, 32, 32)) << k;

    // ALC 3 in bits 0-3, PWR 9 in bits 4-7: three red ALC segments, nine PWR.
    bar.SetMeter(0x93, true);
    EXPECT_TRUE(meter->IsTransmitLayout());
    EXPECT_EQ(meter->GetShownAlc(), 3u);
    EXPECT_EQ(meter->GetShownPower(), 9u);
    image = meter->grab().toImage();
    int alcRed = 0, greenish = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            alcRed += c == QColor(255, 0, 0) && y < image.height() / 2 ? 1 : 0;
            greenish += c == QColor(128, 255, 0) && y >= image.height() / 2 ? 1 : 0;
        }
    EXPECT_GT(alcRed, 6) << "ALC segments in the upper row";
    EXPECT_GT(greenish, 2) << "the first PWR segment in the lower row";

    // Back in receive the peaks are gone and the single bar returns.
    bar.SetMeter(2, false);
    EXPECT_FALSE(meter->IsTransmitLayout());
    EXPECT_EQ(meter->GetShownAlc(), 0u);
    image = meter->grab().toImage();
    EXPECT_EQ(colour(image, receive[1]), CTxMeterStatic::SegmentColour(1));
    EXPECT_EQ(colour(image, receive[2]), RGB(32, 32, 32));
}

TEST(ModeToolBar, ItemsCarryTheirModulationCodes)
{
    FrameFixture f;
    QComboBox* combo = f.frame->GetModeToolBar()->GetCombo();
    ASSERT_EQ(combo->count(), 3);
    EXPECT_EQ(combo->itemText(0), QStringLiteral("BPSK"));
    EXPECT_EQ(f.frame->GetModeToolBar()->GetMode(), 0);
    combo->setCurrentIndex(combo->findText(QStringLiteral("QPSK-LSB")));
    EXPECT_EQ(f.frame->GetModeToolBar()->GetMode(), 2);
    combo->setCurrentIndex(combo->findText(QStringLiteral("QPSK-USB")));
    EXPECT_EQ(f.frame->GetModeToolBar()->GetMode(), 1);
}

TEST(LocatorEdit, EachChangePostsOneLocatorMessageToItsParent)
{
    QWidget parent;
    auto* edit = new CLocatorEdit(&parent);
    MessageRecorder rec(&parent);
    QTest::keyClick(edit, Qt::Key_A);
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(rec.Of(RegisteredMessage::nMsgLocator).size(), 1);
    EXPECT_EQ(rec.Of(RegisteredMessage::nMsgLocator)[0].lParam, 0);
}

TEST(Favourites, UpAndDownWrapAroundTheSortedList)
{
    QList<uint32_t> freqs;
    QStringList titles;
    CMainFrame::BuiltInFavourites(freqs, titles);
    ASSERT_EQ(freqs.size(), 14);
    EXPECT_EQ(titles[0], QStringLiteral("1.838.150 MHz"));
    EXPECT_EQ(titles[3], QStringLiteral("7.080.150 MHz (US)"));
    EXPECT_EQ(titles[13], QStringLiteral("50.385.000 MHz"));
    EXPECT_EQ(CMainFrame::NextFavourite(freqs, 14070150, true), 18100150u);
    EXPECT_EQ(CMainFrame::NextFavourite(freqs, 14070150, false), 10142150u);
    EXPECT_EQ(CMainFrame::NextFavourite(freqs, 50385000, true), 1838150u);
    EXPECT_EQ(CMainFrame::NextFavourite(freqs, 1838150, false), 50385000u);
    EXPECT_EQ(CMainFrame::NextFavourite({}, 1, true), 0u);
}

TEST(Favourites, MismatchedStoredListsGiveTheBuiltInOnes)
{
    CRegistry().WriteIntArray(QStringLiteral("Favourites-I"), {1, 2, 3});
    CRegistry().WriteStringArray(QStringLiteral("Favourites-S"), {QStringLiteral("a"), QStringLiteral("b")});
    FrameFixture f;
    f.frame->InitialiseFrame();
    QList<uint32_t> freqs;
    QStringList titles;
    f.frame->GetFavourites(freqs, titles);
    EXPECT_EQ(freqs.size(), 14);
    // The menu: "&Manager", a separator, one entry per favourite.
    const QList<QAction*> items = f.frame->GetFavouritesMenu()->actions();
    ASSERT_EQ(items.size(), 16);
    EXPECT_EQ(items[2]->text(), QStringLiteral("1.838.150 MHz"));
    EXPECT_EQ(items[2]->data().toInt(), 32826);
}

TEST(Favourites, EntriesBeyondTheCommandRangeGetNoMenuEntry)
{
    FrameFixture f;
    QList<uint32_t> freqs;
    QStringList titles;
    for (int i = 0; i < 600; ++i) {
        freqs.append(uint32_t(7000000 + i));
        titles.append(QStringLiteral("F%1").arg(i));
    }
    f.frame->SetFavourites(freqs, titles);
    const QList<QAction*> items = f.frame->GetFavouritesMenu()->actions();
    // 500 commands, less the three of Help's items that lie among them.
    EXPECT_EQ(items.size(), 2 + 497);
    EXPECT_EQ(items.last()->data().toInt(), 33325);
    // The command after the range still belongs to its own bar toggle.
    EXPECT_EQ(f.frame->GetCommandAction(33335)->text(), QStringLiteral("Waterfall &Display"));
    QList<uint32_t> stored;
    CRegistry().GetIntArray(QStringLiteral("Favourites-I"), stored);
    EXPECT_EQ(stored.size(), 600);
}

// Help's mail and web-page items have commands among the favourites': they
// stay Help's, enabled without a radio program, whatever the favourites,
// and the favourites' entries go round them.
TEST(Favourites, HelpItemsAmongTheFavouriteCommandsStayHelps)
{
    FrameFixture f;
    QList<uint32_t> freqs;
    QStringList titles;
    for (int i = 0; i < 90; ++i) {
        freqs.append(uint32_t(7000000 + 10 * i));
        titles.append(QStringLiteral("F%1").arg(i));
    }
    f.frame->SetFavourites(freqs, titles);
    ASSERT_FALSE(f.frame->IsRadioLinked());
    f.frame->UpdateCommandStates();
    const struct {
        int command;
        const char* text;
    } help[] = {{32904, "QT9XVK on the Web"}, {32906, "Send E-mail to QT9XVK"}, {32909, "&Usergroup Homepage"}};
    for (const auto& h : help) {
        QAction* action = f.frame->GetCommandAction(h.command);
        ASSERT_NE(action, nullptr) << h.command;
        EXPECT_EQ(action->text(), QLatin1String(h.text));
        EXPECT_TRUE(action->isEnabled()) << h.text;
    }
    // 90 entries, none with a Help command; the 79th follows 32903 with 32905.
    QList<int> ids;
    for (QAction* a : f.frame->GetFavouritesMenu()->actions())
        if (!a->isSeparator() && a->data().toInt() != 32820)
            ids.append(a->data().toInt());
    ASSERT_EQ(ids.size(), 90);
    EXPECT_EQ(ids[77], 32903);
    EXPECT_EQ(ids[78], 32905);
    EXPECT_EQ(ids[89], 32918);
    for (const auto& h : help)
        EXPECT_FALSE(ids.contains(h.command)) << h.command;
    EXPECT_EQ(f.frame->GetFavouritesMenu()->actions().last()->text(), QStringLiteral("F89"));
}

namespace {
// Pages and mails handed to the desktop, kept instead of opened.
class DesktopCatcher : public QObject {
    Q_OBJECT
public:
    DesktopCatcher()
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
        CShellOpen::SetOpener([this](const QUrl& url, const platform::OpenFailed&) { Open(url); });
    }
    ~DesktopCatcher() override
    {
        for (const char* scheme : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        CShellOpen::SetOpener(nullptr);
    }
    Q_INVOKABLE void Open(const QUrl& url) { m_urls << url; }
    QList<QUrl> m_urls;
};

class ComposeWindow : public CMapiMail::MailClient {
public:
    QString Unavailable() override { return {}; }
    bool HasEntry(const QString&) override { return true; }
    bool Open(const QUrl& url) override
    {
        m_urls << url;
        return true;
    }
    QList<QUrl> m_urls;
};
} // namespace

// Help opens PSK31 Brevio's own guide, beside the program, at its topics;
// its web-page items hand the maker's, the users' group's, the sound-card
// interface maker's and the speech engine's pages to the desktop; its mail
// item composes the support mail with this program's name and version.
TEST(FrameCommands, HelpItemsOpenThisProgramsGuidePagesAndSupportMail)
{
    FrameFixture f;
    QList<QUrl> guide;
    CShellOpen::SetOpener([&](const QUrl& url, const platform::OpenFailed&) { guide << url; });
    const QString path = GetProgramFolders().GetProgramFolder() + QStringLiteral("PSK31 Brevio UserGuide.html");
    EXPECT_EQ(CMainFrame::GuideFileName(), QStringLiteral("PSK31 Brevio UserGuide.html"));
    const bool placed = !QFileInfo::exists(path);
    if (placed) {
        QFile page(path);
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.write("<html></html>");
    }
    testsupport::prompter().clear();
    for (int command : {33526, 57666, 33525})
        f.frame->OnCommand(command);
    if (placed)
        QFile::remove(path);
    CShellOpen::SetOpener(nullptr);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    ASSERT_EQ(guide.size(), 3);
    for (const QUrl& url : guide)
        EXPECT_EQ(url.toLocalFile(), path);
    EXPECT_EQ(guide[0].fragment(), QStringLiteral("contents"));
    EXPECT_EQ(guide[1].fragment(), QStringLiteral("index"));
    EXPECT_EQ(guide[2].fragment(), QStringLiteral("search"));

    DesktopCatcher desktop;
    const struct {
        int command;
        QString url;
    } pages[] = {{32904, support::MakerWebAddress()},
                 {33636, support::SoundcardInterfaceAddress()},
                 {32909, support::UserGroupAddress()},
                 {33542, support::SpeechReaderAddress()},
                 {33543, support::SpeechEngineAddress()}};
    for (const auto& page : pages) {
        desktop.m_urls.clear();
        QAction* action = f.frame->GetCommandAction(page.command);
        ASSERT_NE(action, nullptr) << page.command;
        f.frame->UpdateCommandStates();
        EXPECT_TRUE(action->isEnabled()) << page.command;
        action->trigger();
        ASSERT_EQ(desktop.m_urls.size(), 1) << page.command;
        EXPECT_EQ(desktop.m_urls[0], QUrl(page.url)) << page.command;
    }
    EXPECT_TRUE(support::UserGroupAddress().endsWith(QStringLiteral("/group/VE817-Corvane")));

    ComposeWindow mail;
    CMapiMail::SetMailClient(&mail);
    CMapiMail::LogOff();
    platform::setProgram(platform::brevioIdentity());
    f.frame->GetCommandAction(32906)->trigger();
    const CVersionInfo version;
    platform::setProgram(platform::corvaneIdentity());
    CMapiMail::SetMailClient(nullptr);
    CMapiMail::LogOff();
    ASSERT_EQ(mail.m_urls.size(), 1);
    const QUrl url = mail.m_urls[0];
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(), support::SupportAddress());
    EXPECT_EQ(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("PSK31 Brevio Version %1 build %2 %3")
                  .arg(version.GetProductVersion())
                  .arg(version.GetBuild())
                  .arg(version.GetSpecialBuild()));
    EXPECT_TRUE(QUrlQuery(url).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded)
                    .startsWith(QStringLiteral("Before contacting QT9XVK please look at the FT-817 Corvane usergroup: ") +
                                support::UserGroupAddress()));
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
}

TEST(FrameCommands, ClockButtonStepsThroughTheFourFormats)
{
    FrameFixture f;
    CPSK31Settings& s = CurrentSettings();
    s.m_bUTC = 0;
    s.m_bDate = 0;
    const int expected[][2] = {{1, 0}, {0, 1}, {1, 1}, {0, 0}};
    for (const auto& e : expected) {
        f.frame->OnCommand(137);
        EXPECT_EQ(s.m_bUTC, e[0]);
        EXPECT_EQ(s.m_bDate, e[1]);
    }
}

TEST(FrameCommands, ClippingCommandAlternatesWithTheLogarithm)
{
    FrameFixture f;
    CurrentSettings().m_nFFTMode = 0;
    f.frame->OnCommand(33475);
    EXPECT_EQ(CurrentSettings().m_nFFTMode, 90);
    EXPECT_TRUE(f.frame->IsCommandChecked(33475));
    f.frame->OnCommand(33475);
    EXPECT_EQ(CurrentSettings().m_nFFTMode, 1);
    EXPECT_TRUE(f.frame->IsCommandChecked(33474));
}

TEST(FrameCommands, PaletteEditorIsOffWhileNoDesignerIsInstalled)
{
    FrameFixture f;
    ASSERT_FALSE(bool(PskComponents().runPaletteDesigner));
    EXPECT_FALSE(f.frame->IsCommandEnabled(33512));
    // The command does nothing while it is off.
    f.frame->OnCommand(33512);
}

TEST(FrameCommands, PttPaneNamesTheKeyingPath)
{
    FrameFixture f;
    CPSK31Settings& s = CurrentSettings();
    EXPECT_EQ(f.frame->GetPaneText(3), QStringLiteral("PTT: None"));
    s.m_nPTTMode = 1;
    s.m_nPTTPort = 3;
    EXPECT_EQ(f.frame->GetPaneText(3), QStringLiteral("PTT: COM3"));
    s.m_bPTTRVL = 1;
    EXPECT_EQ(f.frame->GetPaneText(3), QStringLiteral("PTT: Ravelin"));
    s.m_bPTTFT817 = 1;
    EXPECT_EQ(f.frame->GetPaneText(3), QStringLiteral("PTT: FT-817 Corvane"));
    // Nobody answers for the AFC: "Off"; no clock-error text.
    EXPECT_EQ(f.frame->GetPaneText(4), QStringLiteral("AFC: Off"));
    EXPECT_EQ(f.frame->GetPaneText(1), QString());
    EXPECT_FALSE(f.frame->IsPaneEnabled(2));
}

TEST(FrameCommands, FullScreenRestoresTheSavedRectangle)
{
    FrameFixture f;
    f.frame->setGeometry(100, 120, 800, 600);
    f.frame->show();
    const QRect before = f.frame->geometry();
    f.frame->OnCommand(33632);
    EXPECT_TRUE(f.frame->IsFullScreen());
    EXPECT_TRUE(f.frame->IsCommandChecked(33632));
    // The dialog's "X" posts the message that leaves full screen.
    PostRegisteredMessage(f.frame, RegisteredMessage::nMsgFullScreen, 0, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(f.frame->IsFullScreen());
    EXPECT_EQ(f.frame->geometry(), before);
}

TEST(BarLayouts, EachLayoutRemembersItsOwnVisibility)
{
    FrameFixture f;
    QDockWidget* macros = f.frame->GetMacrosBar();
    f.frame->show();
    ASSERT_TRUE(macros->isVisible());
    EXPECT_EQ(f.frame->OnBrowserActivate(1), 1);  // the Super Browser becomes active
    macros->hide();
    f.frame->OnBrowserActivate(0);                // back to a channel window
    EXPECT_TRUE(macros->isVisible());
    f.frame->OnBrowserActivate(1);
    EXPECT_FALSE(macros->isVisible());
    EXPECT_EQ(f.frame->GetBrowserLayout().GetMacrosName(), QStringLiteral("MacBar-0"));
    EXPECT_EQ(f.frame->GetChannelLayout().GetDisplayName(), QStringLiteral("DspBar-0"));
}

// A recording destination and playback master in memory.
class FakeMixer : public CSoundMixer {
public:
    struct State {
        SelectKind kind = SelectKind::Mux;
        QStringList items{QStringLiteral("Line"), QStringLiteral("Mic"), QStringLiteral("CD")};
        QList<bool> selected{true, false, false};
        QList<long> volume{30000, 5000, 0};
        long master = 40000;
        bool muted = false;
    };
    explicit FakeMixer(State* s) : m(s) {}
    bool HasMasterVolume() const override { return true; }
    bool GetMasterRange(long& a, long& b) const override { a = 0; b = 65535; return true; }
    bool GetMasterVolume(long& v) const override { v = m->master; return true; }
    bool SetMasterVolume(long v) override { m->master = v; return true; }
    bool HasMasterMute() const override { return true; }
    bool GetMasterMute(bool& b) const override { b = m->muted; return true; }
    bool SetMasterMute(bool b) override { m->muted = b; return true; }
    SelectKind GetSelectKind() const override { return m->kind; }
    QStringList GetItemNames() const override { return m->items; }
    int GetItemType(int i) const override
    {
        const QString name = m->items.value(i);
        return name == QLatin1String("Line") ? SourceLine : name == QLatin1String("Mic") ? SourceMicrophone : -1;
    }
    bool GetSelectValues(QList<bool>& v) const override { v = m->selected; return true; }
    bool SetSelectValues(const QList<bool>& v) override { m->selected = v; return true; }
    bool HasSourceVolume(int i) const override { return i < 2; }
    bool GetSourceRange(int, long& a, long& b) const override { a = 0; b = 65535; return true; }
    bool GetSourceVolume(int i, long& v) const override { v = m->volume.value(i); return true; }
    bool SetSourceVolume(int i, long v) override { m->volume[i] = v; return true; }
    bool TakeChanges() override { return false; }
    State* m;
};

class Mixers : public ::testing::Test {
protected:
    void SetUp() override
    {
        CSoundMixer::SetFactory([this] { return std::make_unique<FakeMixer>(&m_state); });
    }
    void TearDown() override { CSoundMixer::SetFactory(nullptr); }
    FakeMixer::State m_state;
};

TEST_F(Mixers, ReduceLevelTakesAPercentageOrHalves)
{
    CMixerDialog line(nullptr, 0);
    ASSERT_TRUE(line.IsReady());
    EXPECT_EQ(line.windowTitle(), QStringLiteral("Line"));
    EXPECT_TRUE(line.GetSelectBox()->isChecked());
    EXPECT_EQ(line.GetSlider()->value(), 65535 - 30000);
    line.ReduceLevel(10);
    EXPECT_EQ(m_state.volume[0], 23447);
    m_state.volume[0] = 5000;
    line.ReduceLevel(10);
    EXPECT_EQ(m_state.volume[0], 2500);
    // A source not selected for recording keeps its level.
    CMixerDialog mic(nullptr, 1);
    mic.ReduceLevel(10);
    EXPECT_EQ(m_state.volume[1], 5000);
}

TEST_F(Mixers, SelectingOnAMultiplexerClearsTheOthers)
{
    CMixerDialog mic(nullptr, 1);
    mic.GetSelectBox()->click();
    EXPECT_EQ(m_state.selected, (QList<bool>{false, true, false}));
    EXPECT_TRUE(mic.GetSelectBox()->isChecked());
    CMixerDialog line(nullptr, 0);
    EXPECT_FALSE(line.GetSelectBox()->isChecked());
    m_state.kind = CSoundMixer::SelectKind::Mixer;
    CMixerDialog line2(nullptr, 0);
    line2.GetSelectBox()->click();
    EXPECT_EQ(m_state.selected, (QList<bool>{true, true, false}));
}

TEST_F(Mixers, MissingSourceKeepsTheWindowDisabled)
{
    m_state.items = {QStringLiteral("CD")};
    CMixerDialog line(nullptr, 0);
    EXPECT_FALSE(line.IsReady());
    EXPECT_EQ(line.windowTitle(), QStringLiteral("Input"));
    EXPECT_FALSE(line.GetSlider()->isEnabled());
    line.ReduceLevel(50);
}

TEST_F(Mixers, SliderLinesMoveInStepsOfAHundredthPart)
{
    EXPECT_EQ(CMixerDialog::LineStep(1000, 0, 65535, true), 1308);
    EXPECT_EQ(CMixerDialog::LineStep(1308, 0, 65535, true), 1308);
    EXPECT_EQ(CMixerDialog::LineStep(1000, 0, 65535, false), 981);
    EXPECT_EQ(CMixerDialog::LineStep(65500, 0, 65535, true), 65535);
    EXPECT_EQ(CMixerDialog::LineStep(5, 0, 100, true), 5);
}

TEST_F(Mixers, OverloadLowersBothInputsOnlyOnceSettled)
{
    FrameFixture f;
    m_state.kind = CSoundMixer::SelectKind::Mixer;
    m_state.selected = {true, true, false};
    f.frame->ReduceMixerLevels(10);  // right after start: at once
    EXPECT_EQ(m_state.volume[0], 23447);
    EXPECT_EQ(m_state.volume[1], 2500);
    f.frame->RewindInput();
    f.frame->ReduceMixerLevels(10);
    EXPECT_EQ(m_state.volume[0], 23447);
    for (int i = 0; i < 101; ++i)
        f.Engine(CMainFrame::WM_FFT_READY, 0, 0);
    f.frame->ReduceMixerLevels(10);
    EXPECT_EQ(m_state.volume[0], 23447 - 6553);
}

TEST_F(Mixers, OutputWindowIsUpsideDownAndMutes)
{
    CVolumeDialog out(nullptr, 1);
    EXPECT_EQ(out.windowTitle(), QStringLiteral("Output"));
    EXPECT_EQ(out.GetSlider()->value(), 65535 - 40000);
    out.GetMuteBox()->click();
    EXPECT_TRUE(m_state.muted);
    out.GetSlider()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(m_state.master, 65535);
}

} // namespace

namespace {

TEST(FrameCommands, ToolCommandsWithNothingBehindThemAreOff)
{
    // The core alone: no calculators, summary or favourites manager installed.
    FrameFixture f;
    for (int command : {33564, 33565, 33627, 32820})
        EXPECT_FALSE(f.frame->IsCommandEnabled(command)) << command;
    f.frame->OnCommand(33627);
    EXPECT_EQ(f.frame->GetToolWindow(33627), nullptr);
    // Spotted locators go nowhere without the summary.
    f.frame->LogLocator(QStringLiteral("JO01AA"), QStringLiteral("1km"), QStringLiteral("0"), QString());
}

} // namespace

TEST(FrameCommands, PrintSetupChoosesTheProgramsPrinter)
{
    FrameFixture f;
    QAction* item = nullptr;
    for (QAction* a : f.frame->findChildren<QAction*>())
        if (a->property("commandId").toInt() == 57606)
            item = a;
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), "P&rint Setup...");
    EXPECT_TRUE(f.frame->IsCommandEnabled(57606));
    QPrinter* shown = nullptr;
    CPrintSetup::SetRunner([&](QPageSetupDialog& dialog) {
        shown = dialog.printer();
        dialog.printer()->setPageOrientation(QPageLayout::Landscape);
        return int(QDialog::Accepted);
    });
    item->trigger();
    CPrintSetup::SetRunner(nullptr);
    EXPECT_EQ(shown, &CPrintSetup::Printer()) << "the page set-up of the program's one printer";
    EXPECT_EQ(CPrintSetup::Printer().pageLayout().orientation(), QPageLayout::Landscape);
    CPrintSetup::Printer().setPageOrientation(QPageLayout::Portrait);
}

// The prompts that menu commands carry: a status text shown while the item
// is pointed at, or a tooltip.
TEST(FrameCommands, MenuCommandsCarryTheirPrompts)
{
    FrameFixture f;
    struct Row {
        int command;
        const char* status;
        const char* tip;
    };
    const Row rows[] = {
        {32784, "Program options", nullptr},
        {33524, "Closes all windows", nullptr},
        {32820, nullptr, "Start the favourites manager"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.command);
        QAction* item = f.frame->GetCommandAction(row.command);
        ASSERT_NE(item, nullptr);
        if (row.status) {
            f.frame->statusBar()->clearMessage();
            item->showStatusText(f.frame);
            EXPECT_EQ(f.frame->statusBar()->currentMessage(), QLatin1String(row.status));
        }
        if (row.tip)
            EXPECT_EQ(item->toolTip(), QLatin1String(row.tip));
    }
}

// Tools > Add Desktop Icon puts a desktop entry of the program on the
// desktop and says so; when the desktop cannot take it nothing is claimed
// and nothing is left there.
TEST(FrameCommands, DesktopIconIsAnnouncedOnlyWhenItWasWritten)
{
    const QString root = testsupport::rootFolder();
    QFile blocker(root + QStringLiteral("/not-a-folder"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    struct Case {
        QString desktop;
        bool written;
    };
    const Case cases[] = {
        {root + QStringLiteral("/desktop"), true},
        {root + QStringLiteral("/not-a-folder/Desktop"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.desktop.toStdString());
        QFile dirs(testsupport::settingsFolder() + QStringLiteral("/user-dirs.dirs"));
        ASSERT_TRUE(dirs.open(QIODevice::WriteOnly));
        dirs.write(QStringLiteral("XDG_DESKTOP_DIR=\"%1\"\n").arg(c.desktop).toUtf8());
        dirs.close();
        FrameFixture f;
        testsupport::prompter().clear();
        f.frame->OnCommand(32789);
        const QStringList entries = QDir(c.desktop).entryList({QStringLiteral("*.desktop")});
        if (c.written) {
            ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
            EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("An icon has been added to your Desktop."));
            EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Add Icon"));
            ASSERT_EQ(entries.size(), 1);
            QFile entry(c.desktop + QLatin1Char('/') + entries[0]);
            ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(entry.readAll());
            EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\nType=Application\n")));
            EXPECT_TRUE(text.contains(QStringLiteral("Exec=\"%1\"\n").arg(QCoreApplication::applicationFilePath())));
        } else {
            EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
            EXPECT_TRUE(entries.isEmpty());
        }
    }
}

#include "FrameCommandsTest.moc"
