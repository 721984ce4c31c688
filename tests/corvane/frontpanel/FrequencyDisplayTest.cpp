// The LCD-style frequency display: which glyphs it composes, what it hides
// without a memory channel, and digit tuning with auto-repeat.
#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/PanelArtwork.h"
#include "corvane/frontpanel/RadioStatus.h"
#include "shared/RegisteredEvent.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {
class DigitSink : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (auto* m = CRegisteredEvent::As(e, RegisteredMessage::nMsgFreqDigit)) {
            posts << qMakePair(int(intptr_t(m->wParam())), int(m->lParam()));
            times << clock.elapsed();
            return true;
        }
        return QObject::event(e);
    }
    QList<QPair<int, int>> posts;
    QList<qint64> times;
    QElapsedTimer clock;
};

class FrequencyDisplayTest : public ::testing::Test {
protected:
    FrequencyDisplayTest()
    {
        GetSettings().SetDefaults();
        display.resize(470, 150);
        display.Build();
    }
    // Glyph index (0 point, 1 narrow blank, 2 blank digit, 3.. digits) of each place.
    QList<int> row() const
    {
        QList<int> out;
        for (int id : display.DigitRowIds())
            for (int i = 0; i < 13; ++i)
                if (PanelArtwork::DigitGlyphId(display.DigitSize(), i) == id)
                    out << i;
        return out;
    }
    QString digits() const
    {
        QString text;
        for (int i : row())
            text += i == 0 ? QChar('.') : i == 1 ? QString() : i == 2 ? QChar(' ') : QChar('0' + i - 3);
        return text;
    }
    void show(uint32_t hz)
    {
        display.SetFrequency(CRadioStatus::HzToBcdWord(hz));
        display.Update();
    }
    CFrequencyDisplay display;
};
} // namespace

TEST_F(FrequencyDisplayTest, LeadingZerosAreBlankAndPointsStay)
{
    // The frequency text other parts read is the row as it shows.
    show(7050000);
    EXPECT_EQ(digits(), "  7.050.00");
    EXPECT_EQ(display.GetFrequencyText(), "7.050.00");
    EXPECT_EQ(display.DigitRowIds().size(), 19);
    show(475000);
    EXPECT_EQ(digits(), "   .475.00");
    EXPECT_EQ(display.GetFrequencyText(), ".475.00");
    show(145500000);
    EXPECT_EQ(digits(), "145.500.00");
    EXPECT_EQ(display.GetFrequencyText(), "145.500.00");
    // The largest digits that leave room for four indicator rows.
    EXPECT_EQ(display.DigitSize(), 3);
    display.resize(300, 110);
    display.Build();
    EXPECT_LT(display.DigitSize(), 3);
}

TEST_F(FrequencyDisplayTest, NoFrequencyShowsOnlyTheBackground)
{
    display.Clear();
    EXPECT_EQ(display.GetFrequencyText(), "");
    const QImage& image = display.Buffer();
    const QRgb background = toQColor(display.GetBackgroundColour()).rgb();
    int other = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            other += image.pixel(x, y) != background;
    EXPECT_EQ(other, 0);
}

TEST_F(FrequencyDisplayTest, MeterRowReadsS9PlusAndSegments)
{
    show(14070000);
    display.SetSMeter(12);
    display.Update();
    using namespace PanelArtwork;
    EXPECT_EQ(display.MeterRowIds(), QVector<int>({kSmallS, kSmallSpacer, SmallDigitId(9), kSmallSpacer, kSmallPlus,
                                                   kSmallSpacer, SmallDigitId(3), kSmallSpacer, SmallDigitId(0)}));
    EXPECT_EQ(display.MeterSegments(), 12);
    display.SetSMeter(0xFF);
    display.Update();
    EXPECT_TRUE(display.MeterRowIds().isEmpty());
    EXPECT_EQ(display.MeterSegments(), 0);
    display.SetPowerMeter(9);
    display.Update();
    EXPECT_TRUE(display.IsShowingTxMeter());
    EXPECT_EQ(display.MeterRowIds(), QVector<int>{kSmallPwr});
    EXPECT_EQ(display.MeterSegments(), 18);
}

TEST_F(FrequencyDisplayTest, MemoryModeWithoutAChannelHidesWhatItCannotKnow)
{
    show(145500000);
    display.SetIndicator(0, true);  // DW stays
    display.SetIndicator(2, true);  // shift goes
    display.SetToneMode(2);
    display.SetCtcssTone(8);
    display.SetChannelInfo(2, 0x08, CFrequencyDisplay::kNoChannel, "See FT-817 Display");
    EXPECT_EQ(display.CaptionText(), "MEMORY");
    EXPECT_EQ(display.ToneText(), "");
    display.SetChannelInfo(3, 0x08, 4, "UHF S");
    EXPECT_EQ(display.CaptionText(), "MTUNE-005");
    EXPECT_EQ(display.ToneText(), "CTCSS: 88.5");
    display.SetDcsCode(104 + 2);  // taken modulo the table
    EXPECT_EQ(display.ToneText(), "DCS: 026");
    display.SetChannelInfo(0, 0x01, 0, "- Rx -");
    EXPECT_EQ(display.CaptionText(), "VFOa");
}

TEST_F(FrequencyDisplayTest, ChangesOnlyRenderTouchesOnlyChangedGlyphs)
{
    show(14070000);
    display.Update();
    show(14070010);  // one digit changes
    const QList<QRect> dirty = display.LastDirtyRects();
    ASSERT_EQ(dirty.size(), 1);
    EXPECT_EQ(dirty[0], QRect(display.DigitRect(7).left(), dirty[0].top(), display.DigitRect(7).width(),
                              dirty[0].height()));
}

TEST_F(FrequencyDisplayTest, ClickOnADigitTunesAndRepeats)
{
    DigitSink sink;
    display.SetTarget(&sink);
    display.EnableDigitTuning(true);
    show(14212340);
    const QRect kHz = display.DigitRect(5);
    sink.clock.start();
    QTest::mousePress(&display, Qt::LeftButton, {}, QPoint(kHz.center().x(), kHz.center().y() - 5));
    QEventLoop loop;
    QTimer::singleShot(1500, &loop, &QEventLoop::quit);
    loop.exec();
    QTest::mouseRelease(&display, Qt::LeftButton, {}, QPoint(kHz.center().x(), kHz.center().y() - 5));
    QCoreApplication::sendPostedEvents();
    // At 0, 1000, 1200 and 1400 ms.
    ASSERT_EQ(sink.posts.size(), 4);
    EXPECT_EQ(sink.posts[0], qMakePair(1, 5));
    EXPECT_NEAR(double(sink.times[1] - sink.times[0]), 1000, 100);
    EXPECT_NEAR(double(sink.times[3] - sink.times[2]), 200, 60);
    sink.posts.clear();
    QTest::mouseClick(&display, Qt::LeftButton, {}, QPoint(kHz.center().x(), kHz.center().y() + 5));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(sink.posts, (QList<QPair<int, int>>{{-1, 5}}));
    EXPECT_EQ(display.HitTestDigit(display.mapToGlobal(display.DigitRect(0).center())), 0);
    EXPECT_EQ(display.HitTestDigit(display.mapToGlobal(QPoint(1, 1))), -1);
}
