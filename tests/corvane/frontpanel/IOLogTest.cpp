#include "corvane/frontpanel/IOLogList.h"
#include "support/LayoutCheck.h"

#include <QApplication>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

class IOLogListTest : public ::testing::Test {
protected:
    void TearDown() override { CIOLogList::SetClock(nullptr); }
};

TEST_F(IOLogListTest, RowFormat)
{
    CIOLogList::SetClock([] { return QTime(9, 5, 7, 42); });
    CIOLogList log;
    const uint8_t sent[5] = {0, 0, 0, 0, 8};
    const uint8_t received[1] = {0};
    log.AddEntry(sent, 5, received, 1, "Set PTT");
    log.AddText("Ready");
    log.AddEntry(nullptr, 0, received, 1, "Get result");
    ASSERT_EQ(log.GetItemCount(), 3);
    EXPECT_EQ(log.GetRow(0).strTime, "09:05:07.042");
    EXPECT_EQ(log.GetRow(0).strSent, "00 00 00 00 08");
    EXPECT_EQ(log.GetRow(0).strReceived, "00");
    EXPECT_EQ(log.GetRow(0).strComment, "Set PTT");
    EXPECT_TRUE(log.GetRow(1).strSent.isEmpty());
    EXPECT_TRUE(log.GetRow(1).strReceived.isEmpty());
    EXPECT_EQ(log.GetRow(2).strReceived, "00");

    EXPECT_EQ(log.GetModel()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "Time");
    EXPECT_EQ(log.GetModel()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Comment");
    EXPECT_EQ(log.columnWidth(0), 150);
    EXPECT_EQ(log.columnWidth(3), 300);

    CIOLogList::SetClock(nullptr);
    log.AddText("now");
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d$").match(log.GetRow(3).strTime).hasMatch());
    const uint8_t all[3] = {0xAB, 0x0F, 0xFF};
    EXPECT_EQ(CIOLogModel::FormatBytes(all, 3), "AB 0F FF");
}

TEST_F(IOLogListTest, BurstIsTrimmedToTheNewest5000OnceTheTimerFires)
{
    CIOLogList log;
    log.resize(600, 300);
    log.show();
    for (int i = 0; i < 6000; ++i)
        log.AddText(QString::number(i));
    // Rows go in at once; the trim waits for the quiet 100 ms.
    EXPECT_EQ(log.GetItemCount(), 6000);
    EXPECT_TRUE(log.IsTimerPending());
    QTRY_VERIFY_WITH_TIMEOUT(!log.IsTimerPending(), 2000);
    ASSERT_EQ(log.GetItemCount(), 5000);
    EXPECT_EQ(log.GetRow(0).strComment, "1000");
    EXPECT_EQ(log.GetRow(4999).strComment, "5999");
    // The newest row is in view.
    EXPECT_EQ(log.verticalScrollBar()->value(), log.verticalScrollBar()->maximum());
    const QRect last = log.visualRect(log.GetModel()->index(4999, 0));
    EXPECT_TRUE(log.viewport()->rect().intersects(last));
}

TEST_F(IOLogListTest, ACommentWiderThanItsColumnIsShownWholeInItsTip)
{
    CIOLogList log;
    log.resize(700, 300);
    const QString text = QStringLiteral("Read error: Input/output error (Read frequency and mode) - the device went away "
                                        "while the program was waiting for the radio's answer");
    log.AddText(text);
    const QModelIndex comment = log.GetModel()->index(0, 3);
    ASSERT_GT(log.fontMetrics().horizontalAdvance(text), log.columnWidth(3)) << "the column cuts it off";
    EXPECT_EQ(log.GetModel()->data(comment, Qt::ToolTipRole).toString(), text);
    EXPECT_EQ(log.GetModel()->data(comment, Qt::DisplayRole).toString(), text);
    EXPECT_FALSE(log.GetModel()->data(log.GetModel()->index(0, 0), Qt::ToolTipRole).isValid());
}

// A five-byte frame shows whole in the Send and Recv columns, at the default
// font and one point larger (the widths were chosen for a narrower font).
// Under a real display with CORVANE_SCREENSHOT_DIR set the list is
// photographed at the default font (docs/corvane-io-log.png,
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a \
//     build/tests/corvane_frontpanel_tests --gtest_filter='IOLogListTest.AFive*').
TEST_F(IOLogListTest, AFiveByteFrameShowsWhole)
{
    const QString shots = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    bool photograph = !shots.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb");
    auto check = [&] {
        QWidget window;
        window.resize(800, 300);
        auto* log = new CIOLogList(&window);
        log->setGeometry(0, 0, 800, 300);
        const uint8_t frame[5] = {0x01, 0x4D, 0x00, 0x00, 0xBB};
        const uint8_t reply[5] = {0x14, 0x43, 0x00, 0x00, 0x88};
        log->AddEntry(frame, 5, reply, 5, "Read EEPROM");
        window.show();
        QApplication::processEvents();
        EXPECT_GE(log->columnWidth(1), 100) << "never narrower than the design";
        const QStringList problems = testsupport::layoutProblems(&window);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
        if (photograph) {
            photograph = false;
            const uint8_t read[5] = {0x00, 0x00, 0x00, 0x00, 0x03};
            const uint8_t answer[5] = {0x01, 0x40, 0x70, 0x00, 0x01};
            const uint8_t ptt[5] = {0x00, 0x00, 0x00, 0x00, 0x08};
            const uint8_t ok[1] = {0x00};
            log->AddEntry(read, 5, answer, 5, "Read frequency and mode");
            log->AddEntry(ptt, 5, ok, 1, "Set PTT on");
            log->AddText("Ready");
            window.resize(720, 160);
            log->setGeometry(0, 0, 720, 160);
            log->OnTimer();
            QTest::qWait(500);
            const QRect r = window.frameGeometry();
            EXPECT_TRUE(window.screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).save(shots + "/corvane-io-log.png"));
        }
    };
    check();
    testsupport::withLargerFont(check);
}
