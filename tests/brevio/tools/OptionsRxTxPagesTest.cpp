// The Tx/Rx Layout, Tx, Rx and Signal / Squelch pages in the sheet, and the
// two older receive pages on their own.
#include "OptionsFixture.h"

#include "brevio/core/SquelchBar.h"
#include "brevio/tools/options/PSK31PageRx.h"
#include "brevio/tools/options/PSK31PageRx3.h"
#include "brevio/tools/options/PSK31PageRxTx.h"
#include "brevio/tools/options/PSK31PageSignal.h"
#include "brevio/tools/options/PSK31PageTx2.h"

#include <QLabel>
#include <QSlider>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

using testsupport::OptionsFixture;
using testsupport::prompter;

namespace {

class RxTxPages : public OptionsFixture {};

// Each fragment of the preview with its kind found from its text.
struct TextRun {
    QString text;
    QTextCharFormat format;
    double indent;
};
QList<TextRun> Runs(const QTextDocument* doc)
{
    QList<TextRun> runs;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            runs.append({it.fragment().text(), it.fragment().charFormat(), block.blockFormat().leftMargin()});
    return runs;
}

} // namespace

TEST_F(RxTxPages, PreviewShowsTheContactInEachKindsStyle)
{
    RxTxPreviewStyle style;
    style.colBackground = RGB(1, 2, 3);
    style.colTitle = RGB(10, 10, 10);
    style.colRx = RGB(200, 0, 0);
    style.colTx = RGB(0, 0, 200);
    style.strFontTitle = QStringLiteral("Courier New,10,0,0");
    style.strFontRx = QStringLiteral("DejaVu Sans,12,1,1");
    style.strFontTx = QStringLiteral("Courier New,9,0,0");
    QTextDocument doc;
    CPSK31PageRxTx::BuildPreview(&doc, style, 96);
    int count = 0;
    const CPSK31PageRxTx::Segment* segments = CPSK31PageRxTx::SampleSegments(count);
    ASSERT_EQ(count, 16);
    QString all;
    for (int i = 0; i < count; ++i)
        all += QString::fromLatin1(segments[i].text);
    EXPECT_EQ(doc.toPlainText(), all.left(all.size()));
    EXPECT_TRUE(doc.toPlainText().startsWith(QStringLiteral("Rx>\nCQ CQ CQ de")));
    EXPECT_TRUE(doc.toPlainText().endsWith(QStringLiteral("...")));
    int titles = 0, received = 0, sent = 0;
    for (const TextRun& run : Runs(&doc)) {
        const QColor colour = run.format.foreground().color();
        if (run.text.startsWith(QStringLiteral("Rx>")) || run.text.startsWith(QStringLiteral("Tx>"))) {
            ++titles;
            EXPECT_EQ(colour, QColor(10, 10, 10));
            EXPECT_EQ(run.indent, 0.0);
            EXPECT_FALSE(run.format.fontItalic());
        } else if (colour == QColor(200, 0, 0)) {
            ++received;
            EXPECT_TRUE(run.format.fontItalic()) << run.text.toStdString();
            EXPECT_EQ(run.format.fontWeight(), QFont::Bold);
            EXPECT_EQ(run.format.fontPointSize(), 12);
            EXPECT_NEAR(run.indent, 400.0 * 96 / 1440, 0.01);
        } else {
            ++sent;
            EXPECT_EQ(colour, QColor(0, 0, 200)) << run.text.toStdString();
            EXPECT_FALSE(run.format.fontItalic());
            EXPECT_EQ(run.format.fontPointSize(), 9);
            EXPECT_NEAR(run.indent, 400.0 * 96 / 1440, 0.01);
        }
    }
    EXPECT_EQ(titles, 4);
    EXPECT_GE(received, 4);
    EXPECT_GE(sent, 2);
}

TEST_F(RxTxPages, FontAndColourChangesRebuildThePreviewSentStyleDoesNot)
{
    CPSK31Options* sheet = Open();
    CPSK31PageRxTx* page = sheet->GetRxTxPage();
    QTextEdit* preview = page->GetPreview();
    EXPECT_EQ(preview->palette().color(QPalette::Base), QColor(255, 250, 241));
    QFont font(QStringLiteral("DejaVu Sans"), 11);
    font.setWeight(QFont::Bold);
    font.setItalic(true);
    prompter().m_fonts.push_back(font);
    Click(page, CPSK31PageRxTx::IDC_RX_FONT);
    EXPECT_EQ(Stored().m_strFontRxRx, QStringLiteral("DejaVu Sans,11,1,1"));
    bool anyItalicTitle = false, receivedAllItalic = true;
    for (const TextRun& run : Runs(preview->document())) {
        const bool title = run.text.startsWith(QStringLiteral("Rx>")) || run.text.startsWith(QStringLiteral("Tx>"));
        if (title)
            anyItalicTitle = anyItalicTitle || run.format.fontItalic();
        else if (run.format.foreground().color() == QColor(64, 64, 0))
            receivedAllItalic = receivedAllItalic && run.format.fontItalic();
    }
    EXPECT_FALSE(anyItalicTitle);
    EXPECT_TRUE(receivedAllItalic);

    prompter().m_colours.push_back(QColor(0, 0, 0));
    Click(page, CPSK31PageRxTx::IDC_BACKGROUND);
    EXPECT_EQ(preview->palette().color(QPalette::Base), QColor(0, 0, 0));
    EXPECT_EQ(Stored().m_colRxBg, 0);

    const QString before = preview->document()->toHtml();
    Click(page, CPSK31PageRxTx::IDC_SENT_BOLD + 2);  // strike-through, on by default
    EXPECT_EQ(preview->document()->toHtml(), before);
    EXPECT_EQ(Stored().m_nSentText, 0);
}

TEST_F(RxTxPages, SentTextBitsLoadAndStore)
{
    CurrentSettings().m_nSentText = 9;
    CPSK31Options* sheet = Open();
    CPSK31PageRxTx* page = sheet->GetRxTxPage();
    EXPECT_TRUE(IsChecked(page, CPSK31PageRxTx::IDC_SENT_BOLD));
    EXPECT_FALSE(IsChecked(page, CPSK31PageRxTx::IDC_SENT_BOLD + 1));
    EXPECT_FALSE(IsChecked(page, CPSK31PageRxTx::IDC_SENT_BOLD + 2));
    EXPECT_TRUE(IsChecked(page, CPSK31PageRxTx::IDC_SENT_BOLD + 3));
    Click(page, CPSK31PageRxTx::IDC_SENT_BOLD);
    EXPECT_EQ(Stored().m_nSentText, 8);
}

TEST_F(RxTxPages, TransmitDelayInTensOfMilliseconds)
{
    CurrentSettings().m_nTxDelay = 15;
    CPSK31Options* sheet = Open();
    CPSK31PageTx2* page = sheet->GetTxPage();
    EXPECT_EQ(page->GetDelaySlider()->value(), 1);
    EXPECT_EQ(Item<QLabel>(page, CPSK31PageTx2::IDC_DELAY_LABEL)->text(), QStringLiteral("10 ms"));
    Click(page, CPSK31PageTx2::IDC_BACKSPACE);
    EXPECT_EQ(Stored().m_nTxDelay, 10);
    EXPECT_EQ(Stored().m_bTxBackspace, 0);
    page->GetDelaySlider()->setValue(0);
    EXPECT_EQ(Item<QLabel>(page, CPSK31PageTx2::IDC_DELAY_LABEL)->text(), QStringLiteral("None"));
    EXPECT_EQ(Stored().m_nTxDelay, 0);
    page->GetDelaySlider()->setValue(100);
    EXPECT_EQ(Stored().m_nTxDelay, 1000);
    Click(page, CPSK31PageTx2::IDC_SEND_IMMEDIATELY + 2);
    Click(page, CPSK31PageTx2::IDC_CLEAR_TEXT);
    EXPECT_EQ(Stored().m_nTxSendChars, 2);
    EXPECT_EQ(Stored().m_bClearTxText, 1);
}

TEST_F(RxTxPages, ReceiveDecaysAndSwitches)
{
    CPSK31Options* sheet = Open();
    CPSK31PageRx3* page = sheet->GetRxPage();
    EXPECT_EQ(page->GetClockSlider()->value(), 30);
    EXPECT_EQ(Item<QLabel>(page, CPSK31PageRx3::IDC_CLOCK_LABEL)->text(), QStringLiteral("30 s"));
    EXPECT_EQ(page->GetClockSlider()->maximum(), 120);
    page->GetImdSlider()->setValue(90);
    EXPECT_EQ(Item<QLabel>(page, CPSK31PageRx3::IDC_IMD_LABEL)->text(), QStringLiteral("90 s"));
    EXPECT_EQ(Stored().m_nDecayIMD, 90);
    EXPECT_EQ(Stored().m_nDecayClock, 30);
    for (unsigned id : {CPSK31PageRx3::IDC_EMOTICONS, CPSK31PageRx3::IDC_SLASH_ZERO, CPSK31PageRx3::IDC_COMPRESS_LINES,
                        CPSK31PageRx3::IDC_COMPRESS_SPACES, CPSK31PageRx3::IDC_OVERLOAD})
        Click(page, id);
    const CPSK31Settings s = Stored();
    EXPECT_EQ(s.m_bRxEmoticons, 0);
    EXPECT_EQ(s.m_bRxSlashZero, 0);
    EXPECT_EQ(s.m_bCompressBlankLines, 0);
    EXPECT_EQ(s.m_bCompressSpaces, 0);
    EXPECT_EQ(s.m_bOverloadAdjust, 1);
    EXPECT_EQ(Broadcasts(), 6);
}

TEST_F(RxTxPages, SquelchSpeedButtonsAndSlider)
{
    const struct {
        int stored;
        int button;
        int storedBack;
    } rows[] = {{1, 1, 1}, {5, 0, 0}, {150, 2, 150}, {0, 0, 0}};
    for (const auto& r : rows) {
        CurrentSettings().m_nRxSquelch = r.stored;
        CPSK31Options* sheet = Open();
        CPSK31PageSignal* page = sheet->GetSignalPage();
        EXPECT_TRUE(IsChecked(page, CPSK31PageSignal::IDC_FAST + r.button)) << r.stored;
        if (r.button == 2)
            EXPECT_EQ(page->GetSpeedSlider()->value(), r.stored);
        Click(sheet->GetRxPage(), CPSK31PageRx3::IDC_OVERLOAD);
        EXPECT_EQ(Stored().m_nRxSquelch, r.storedBack) << r.stored;
    }
    CurrentSettings().m_nRxSquelch = 0;
    CPSK31Options* sheet = Open();
    CPSK31PageSignal* page = sheet->GetSignalPage();
    page->GetSpeedSlider()->setValue(70);
    EXPECT_TRUE(IsChecked(page, CPSK31PageSignal::IDC_FAST + 2));
    EXPECT_EQ(Stored().m_nRxSquelch, 70);
    Click(page, CPSK31PageSignal::IDC_FAST + 1);
    EXPECT_EQ(Stored().m_nRxSquelch, 1);
}

TEST_F(RxTxPages, SignalColoursGoToBothSampleBars)
{
    CPSK31Options* sheet = Open();
    CPSK31PageSignal* page = sheet->GetSignalPage();
    CSquelchBar* a = page->GetSamples()->GetActiveBar();
    CSquelchBar* s = page->GetSamples()->GetSquelchedBar();
    EXPECT_EQ(a->GetLevel(), 75);
    EXPECT_EQ(a->GetSquelch(), 60);
    EXPECT_EQ(s->GetLevel(), 35);
    EXPECT_EQ(s->GetSquelch(), 50);
    EXPECT_EQ(a->GetBackgroundColour(), RGB(192, 192, 192));
    prompter().m_colours.push_back(QColor(0, 128, 0));
    Click(page, CPSK31PageSignal::IDC_GRIPPER);
    EXPECT_EQ(a->GetGripperColour(), RGB(0, 128, 0));
    EXPECT_EQ(s->GetGripperColour(), RGB(0, 128, 0));
    EXPECT_EQ(Stored().m_colSigGripper, int(RGB(0, 128, 0)));
    Click(page, CPSK31PageSignal::IDC_ACTIVE);  // cancelled
    EXPECT_EQ(Broadcasts(), 1);
    EXPECT_EQ(Stored().m_colSigActive, int(RGB(255, 255, 255)));
    // Clicking a sample bar does not move its squelch.
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(a->GetSquelch(), 60);
}

TEST_F(RxTxPages, OlderReceivePagesKeepTheContract)
{
    CPSK31PageRx rx;
    CPSK31PageRx2 rx2;
    QStringList lines;
    rx.OnGetList(&lines);
    rx2.OnGetList(&lines);
    EXPECT_EQ(lines, (QStringList{"Appearance", "Signal/Squelch", "Compress", "@Lines/Spaces", "Slash zero",
                                  "Squelch speed"}));
    CPSK31Settings settings;
    settings.SetDefaults();
    settings.m_colSigActive = int(RGB(9, 9, 9));
    settings.m_bRxSlashZero = 0;
    rx.LoadFromSettings(settings);
    rx2.LoadFromSettings(settings);
    EXPECT_EQ(rx.GetSamples()->GetSquelchedBar()->GetActiveColour(), RGB(9, 9, 9));
    CPSK31Settings out;
    out.SetDefaults();
    rx.StoreToSettings(out);
    rx2.StoreToSettings(out);
    EXPECT_EQ(out.m_colSigActive, int(RGB(9, 9, 9)));
    EXPECT_EQ(out.m_bRxSlashZero, 0);
    EXPECT_EQ(out.m_bCompressSpaces, 1);
}
