// FT-817 Corvane's Enter Frequency typed on a real keyboard, on the US and
// the French layout, in the running program on the simulator: the comma of
// a keyboard whose decimal sign it is separates the groups as the point
// does.
#include "GuiTest.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>

#include <string>

namespace {

class CorvaneFrequencyEntry : public GuiTest, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        if (HasFatalFailure())
            return;
        ASSERT_TRUE(X().SetLayout(QString::fromLatin1(GetParam()))) << X().ErrorText().toStdString();
        ASSERT_TRUE(StartCorvane());
        ASSERT_TRUE(WaitFor([&] { return Control(1378).isValid(); })) << Ask(QStringLiteral("geometry")).toStdString();
    }

    QString Ask(const QString& question) { return CorvaneProbe().Ask(question); }
    QRect Control(unsigned id) { return ParseRect(Ask(QStringLiteral("control %1").arg(id))); }
    QString ActiveTitle() { return Ask(QStringLiteral("focus")).section(QLatin1Char('|'), 2, 2); }
    // The frequency field of Enter Frequency, opened with Return in the main
    // window, with the keyboard in it and its text selected.
    bool OpenTheField()
    {
        if (!Input().Click(Control(1378).center()) || !WaitUntilActive(CorvaneProbe()))
            return false;
        if (!Input().Key(QStringLiteral("Return")))
            return false;
        if (!WaitFor([&] { return ActiveTitle() == QLatin1String("Frequency"); })) {
            ADD_FAILURE() << "Enter Frequency did not come up: " << Ask(QStringLiteral("focus")).toStdString();
            return false;
        }
        return FocusOn(CorvaneProbe(), QStringLiteral("CFrequencyEntryDialog>CFrequencyEdit"))
               && Input().Key(QStringLiteral("End shift+Home"));
    }
    // Set-frequency frames (opcode 01) the radio got from the first one on.
    QList<QByteArray> FrequencyFrames(qsizetype from)
    {
        QList<QByteArray> frames;
        for (const QByteArray& f : Radio().frames().mid(from))
            if (f.size() == 5 && uint8_t(f[4]) == 0x01)
                frames << f.toHex(' ');
        return frames;
    }
};

} // namespace

TEST_P(CorvaneFrequencyEntry, ACommaSeparatesTheGroupsAsThePointDoes)
{
    const struct {
        const char* typed;
        const char* frame;
    } cases[] = {
        {"7,1", "00 71 00 00 01"},
        {"14,07", "01 40 70 00 01"},
        {"7.05", "00 70 50 00 01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const qsizetype before = Radio().frames().size();
        ASSERT_TRUE(OpenTheField());
        ASSERT_TRUE(Input().Type(QString::fromLatin1(c.typed))) << Input().ErrorText().toStdString();
        ASSERT_TRUE(Input().Key(QStringLiteral("Return")));
        EXPECT_TRUE(WaitFor([&] { return !FrequencyFrames(before).isEmpty(); }))
            << "nothing sent; the field shows "
            << Ask(QStringLiteral("text CFrequencyEntryDialog>CFrequencyEdit")).toStdString() << ", boxes: "
            << Ask(QStringLiteral("boxes")).toStdString();
        EXPECT_EQ(FrequencyFrames(before), QList<QByteArray>{QByteArray(c.frame)});
        ASSERT_TRUE(Input().Key(QStringLiteral("Escape")));
    }
}

INSTANTIATE_TEST_SUITE_P(Layout, CorvaneFrequencyEntry, ::testing::Values("us", "fr"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });
