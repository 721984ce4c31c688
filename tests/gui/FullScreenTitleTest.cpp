// FT-817 Corvane's Full Screen window shows its whole title in the window
// manager's title bar: the title's text takes as much of its bar as the same
// title does on a wide window beside it (a plain X program's), not a
// shortened "Ful...en".
#include "GuiTest.h"

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

const QString kTitle = QStringLiteral("Full Screen");

// How wide the title's text is drawn in a window's title bar: the span of
// the columns, between the icon at its left and the three buttons at its
// right, that hold a pixel unlike the bar's own colour in that row (taken
// just after the icon: a bar may shade from top to bottom).
int TitleTextWidth(const QImage& screen, const QRect& client, const QMargins& frame)
{
    const int bar = frame.top();
    const QRect label(client.left() + bar, client.top() - bar + 3, client.width() - 4 * bar, bar - 6);
    const auto unlike = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 60;
    };
    int first = -1, last = -1;
    for (int x = label.left() + 1; x <= label.right(); ++x)
        for (int y = label.top(); y <= label.bottom(); ++y)
            if (unlike(screen.pixel(x, y), screen.pixel(label.left(), y))) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return first < 0 ? 0 : last - first + 1;
}

class FullScreenTitle : public GuiTest {
protected:
    void TearDown() override
    {
        if (m_reference.state() != QProcess::NotRunning) {
            m_reference.kill();
            m_reference.waitForFinished(3000);
        }
        GuiTest::TearDown();
    }
    QString Ask(const QString& question) { return CorvaneProbe().Ask(question); }
    QProcess m_reference;
};

} // namespace

TEST_F(FullScreenTitle, ShowsTheWholeTitle)
{
    ASSERT_TRUE(StartCorvane());
    ASSERT_TRUE(Input().Key(QStringLiteral("alt+v")));
    ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("action:Full Screen")));
    QRect dialog;
    ASSERT_TRUE(WaitFor([&] {
        for (const Window& w : ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.className == QLatin1String("CFullScreenDialog") && w.state == QLatin1String("normal"))
                dialog = w.rect;
        return dialog.isValid();
    })) << Ask(QStringLiteral("geometry")).toStdString();
    const qulonglong window = Input().WaitForWindow(Corvane().Pid(), QStringLiteral("^Full Screen$"));
    ASSERT_NE(window, 0u) << Input().ErrorText().toStdString();
    QMargins frame;
    ASSERT_TRUE(WaitFor([&] { return !(frame = Input().FrameExtents(window)).isNull(); }));

    // The same title on a window wide enough for any title bar, away from
    // the Full Screen window.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), X().Display());
    m_reference.setProcessEnvironment(env);
    m_reference.start(XServer::Find(QStringLiteral("xmessage")),
                      {QStringLiteral("-title"), kTitle, QStringLiteral("-geometry"), QStringLiteral("600x80+40+40"),
                       QStringLiteral("reference")});
    ASSERT_TRUE(m_reference.waitForStarted(5000)) << "xmessage: " << m_reference.errorString().toStdString();
    // xmessage gives no process id to its window: the other one of that title.
    qulonglong other = 0;
    ASSERT_TRUE(WaitFor([&] {
        QString found;
        X().Run(XServer::Find(QStringLiteral("xdotool")),
                {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral("^Full Screen$")},
                &found);
        for (const QString& line : found.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            if (line.trimmed().toULongLong() != window)
                other = line.trimmed().toULongLong();
        return other != 0;
    })) << "the reference window does not show";
    QMargins otherFrame;
    ASSERT_TRUE(WaitFor([&] { return !(otherFrame = Input().FrameExtents(other)).isNull(); }));
    // xdotool gives a framed window's place with its frame added once more.
    const QRect otherClient = Input().Geometry(other).translated(-otherFrame.left(), -otherFrame.top());

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("screen.png"));
    int reference = 0, shown = 0;
    // Until both bars are drawn.
    EXPECT_TRUE(WaitFor([&] {
        if (!Screenshot(path).isEmpty())
            return false;
        const QImage screen(path);
        reference = TitleTextWidth(screen, otherClient, otherFrame);
        shown = TitleTextWidth(screen, dialog, frame);
        return reference > 20 && shown >= reference - 2;
    })) << "the title takes " << shown << " px of the Full Screen window's bar, " << reference
        << " px of a wide window's; the window is " << dialog.width() << " px wide";
}
