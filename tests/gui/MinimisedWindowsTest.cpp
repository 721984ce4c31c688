// The minimised I/O log and logbook of FT-817 Corvane beside its maximised
// front panel, in the running program on the operator's two screens: their
// title bars lie along the bottom of the window area, reachable, and none
// covers a control of the panel.
#include "GuiTest.h"

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// The panel's controls nearest the bottom edge: the dial and its rows of
// buttons.
const unsigned kBottomControls[] = {1038, 1096, 1104, 1105, 1097, 1107, 1106, 1062, 1063, 1090, 1091, 1092, 1093,
                                    1094, 1095, 1061, 1070, 1060, 1071, 1394, 1399, 1400, 1305};

void PrintTo(const QSize& s, std::ostream* os)
{
    *os << s.width() << "x" << s.height();
}

class MinimisedWindows : public GuiTest, public ::testing::WithParamInterface<QSize> {
protected:
    QSize ScreenSize() const override { return GetParam(); }
    QString Ask(const QString& question) { return CorvaneProbe().Ask(question); }
    bool Choose(const QString& menuKey, const QString& item)
    {
        return Input().Key(menuKey) && ClickOn(CorvaneProbe(), QStringLiteral("action:") + item);
    }
    QList<Window> Minimised()
    {
        QList<Window> icons;
        for (const Window& w : ParseGeometry(Ask(QStringLiteral("geometry"))))
            if (w.state == QLatin1String("min"))
                icons << w;
        return icons;
    }
    // The controls an icon lies over, or that do not show; empty when all
    // show clear of the icons.
    QStringList Covered()
    {
        QStringList covered;
        const QList<Window> icons = Minimised();
        for (unsigned id : kBottomControls) {
            const QRect control = ParseRect(Ask(QStringLiteral("control %1").arg(id)));
            if (!control.isValid())
                covered << QStringLiteral("control %1 does not show").arg(id);
            for (const Window& icon : icons)
                if (control.intersects(icon.rect))
                    covered << QStringLiteral("%1 covers control %2").arg(icon.title).arg(id);
        }
        return covered;
    }
    bool HasIcon(const QString& cls)
    {
        for (const Window& w : Minimised())
            if (w.className == cls)
                return true;
        return false;
    }
};

} // namespace

TEST_P(MinimisedWindows, LieAlongTheBottomWithoutCoveringThePanel)
{
    ASSERT_TRUE(StartCorvane());
    const QRect area = ParseRect(Ask(QStringLiteral("locate QMdiArea")));
    ASSERT_TRUE(area.isValid());

    ASSERT_TRUE(Choose(QStringLiteral("alt+v"), QStringLiteral("Logbook Display")));
    ASSERT_TRUE(WaitFor([&] { return HasIcon(QStringLiteral("CLogbookFrame")) && HasIcon(QStringLiteral("CIOLogFrame")); }))
        << Ask(QStringLiteral("geometry")).toStdString();
    QStringList covered;
    EXPECT_TRUE(WaitFor([&] { return (covered = Covered()).isEmpty(); })) << covered.join(QStringLiteral("; ")).toStdString();
    for (const Window& icon : Minimised())
        EXPECT_TRUE(area.contains(icon.rect)) << icon.title.toStdString() << " lies outside the window area";

}

INSTANTIATE_TEST_SUITE_P(Screens, MinimisedWindows, ::testing::Values(QSize(1024, 768), QSize(1600, 1000)),
                         [](const ::testing::TestParamInfo<QSize>& info) {
                             return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
                         });
