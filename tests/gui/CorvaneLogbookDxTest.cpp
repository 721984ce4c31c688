// FT-817 Corvane on its X server with real clicks and keys: View > Logbook
// Display leaves the maximised front panel as it was and opens the logbook
// minimised, whole and restorable to a size that holds its columns (and the
// I/O log, minimised from the start, comes up at a sensible size too); the DX
// Cluster window without a server asks for one when updates are started,
// keeps what was typed, and says why its home page cannot be shown.
// With CORVANE_SCREENSHOT_DIR set, the same windows are photographed into
// docs/:
//   CORVANE_SCREENSHOT_DIR=$PWD/docs build/tests/gui_tests --gtest_filter='CorvaneLogbookDx.Screenshots'
#include "GuiTest.h"

#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace {

class CorvaneLogbookDx : public GuiTest {
protected:
    std::optional<Window> Find(const QString& className)
    {
        for (const Window& w : ParseGeometry(CorvaneProbe().Ask(QStringLiteral("geometry"))))
            if (w.className == className)
                return w;
        return std::nullopt;
    }
    QString Geometry() { return CorvaneProbe().Ask(QStringLiteral("geometry")); }
    // A menu item chosen as the operator does: the menu opened by its key,
    // the item clicked.
    bool Choose(const QString& menuKey, const QString& item)
    {
        if (!Input().Key(menuKey))
            return false;
        QRect r;
        if (!WaitFor([&] {
                r = ParseRect(CorvaneProbe().Ask(QStringLiteral("locate action:") + item));
                return r.isValid();
            }))
            return false;
        return Input().Click(r.center());
    }
};

} // namespace

TEST_F(CorvaneLogbookDx, LogbookDisplayLeavesThePanelMaximisedAndOpensTheLogbookMinimised)
{
    ASSERT_TRUE(StartCorvane());
    const std::optional<Window> panel = Find(QStringLiteral("CDisplayFrame"));
    ASSERT_TRUE(panel.has_value()) << Geometry().toStdString();
    ASSERT_EQ(panel->state, QStringLiteral("max"));
    const QRect area = ParseRect(CorvaneProbe().Ask(QStringLiteral("locate QMdiArea")));
    ASSERT_TRUE(area.isValid());

    ASSERT_TRUE(Choose(QStringLiteral("alt+v"), QStringLiteral("Logbook Display"))) << Input().ErrorText().toStdString();
    ASSERT_TRUE(WaitFor([&] { return Find(QStringLiteral("CLogbookFrame")).has_value(); })) << Geometry().toStdString();
    const Window icon = *Find(QStringLiteral("CLogbookFrame"));
    EXPECT_EQ(icon.state, QStringLiteral("min")) << "minimised, as the README says";
    EXPECT_EQ(icon.title, QStringLiteral("Logbook"));
    // Its whole title bar within the window area, not an icon of no size.
    EXPECT_TRUE(area.contains(icon.rect)) << Geometry().toStdString();
    EXPECT_GE(icon.rect.width(), 150);
    EXPECT_GE(icon.rect.height(), 16);
    const Window after = *Find(QStringLiteral("CDisplayFrame"));
    EXPECT_EQ(after.state, QStringLiteral("max")) << "the panel as it was";
    EXPECT_EQ(after.rect, panel->rect);

    // Restored from its title bar by a double click, as on a desktop, once
    // the menu has gone.
    ASSERT_TRUE(WaitUntilActive(CorvaneProbe()));
    ASSERT_TRUE(Input().Click(QPoint(icon.rect.x() + icon.rect.width() * 2 / 5, icon.rect.center().y()),
                              XInput::kLeft, 2));
    ASSERT_TRUE(WaitFor([&] { return Find(QStringLiteral("CLogbookFrame"))->state == QLatin1String("normal"); }))
        << Geometry().toStdString();
    const Window logbook = *Find(QStringLiteral("CLogbookFrame"));
    EXPECT_EQ(logbook.title, QStringLiteral("Logbook"));
    EXPECT_GE(logbook.rect.width(), std::min(area.width(), 7 * 150)) << "room for its seven columns";
    EXPECT_GE(logbook.rect.height(), 200);
    EXPECT_TRUE(area.contains(logbook.rect)) << Geometry().toStdString();
    EXPECT_EQ(Find(QStringLiteral("CDisplayFrame"))->state, QStringLiteral("max"));

    // Back to the panel and to the logbook again by its toolbar button: each
    // keeps its state and size.
    const QString inLogbook = QStringLiteral("COwnListCtrl|");
    ASSERT_TRUE(Input().Click(QPoint(area.right() - 30, area.bottom() - 20)));  // an empty corner of the panel
    ASSERT_TRUE(WaitFor([&] { return !CorvaneProbe().Ask(QStringLiteral("focus")).startsWith(inLogbook); }))
        << CorvaneProbe().Ask(QStringLiteral("focus")).toStdString();
    const QRect button = ParseRect(CorvaneProbe().Ask(QStringLiteral("locate action:Logbook Display")));
    ASSERT_TRUE(button.isValid());
    ASSERT_TRUE(Input().Click(button.center()));
    ASSERT_TRUE(WaitFor([&] { return CorvaneProbe().Ask(QStringLiteral("focus")).startsWith(inLogbook); }))
        << CorvaneProbe().Ask(QStringLiteral("focus")).toStdString();
    EXPECT_EQ(Find(QStringLiteral("CLogbookFrame"))->rect, logbook.rect) << Geometry().toStdString();
    EXPECT_EQ(Find(QStringLiteral("CLogbookFrame"))->state, QStringLiteral("normal"));
    EXPECT_EQ(Find(QStringLiteral("CDisplayFrame"))->state, QStringLiteral("max"));
    EXPECT_EQ(Find(QStringLiteral("CDisplayFrame"))->rect, panel->rect);

    // The I/O log, minimised since the start, comes up the same way.
    ASSERT_TRUE(WaitUntilActive(CorvaneProbe()));
    ASSERT_TRUE(Choose(QStringLiteral("alt+v"), QStringLiteral("I/O Logfile Display")));
    ASSERT_TRUE(WaitFor([&] { return Find(QStringLiteral("CIOLogFrame"))->state == QLatin1String("normal"); }))
        << Geometry().toStdString();
    const Window log = *Find(QStringLiteral("CIOLogFrame"));
    EXPECT_EQ(log.rect.width(), area.width()) << Geometry().toStdString();
    EXPECT_GE(log.rect.height(), 200);
    EXPECT_TRUE(area.contains(log.rect));
    EXPECT_EQ(Find(QStringLiteral("CDisplayFrame"))->state, QStringLiteral("max"));
}

TEST_F(CorvaneLogbookDx, DxClusterWithoutAServerAsksForOneAndSaysWhyItsHomePageFails)
{
    // A desktop whose opener finds no browser.
    QTemporaryDir bin;
    ASSERT_TRUE(bin.isValid());
    {
        QFile opener(bin.path() + QStringLiteral("/xdg-open"));
        ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
        opener.write("#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n");
        opener.close();
        opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + path);
    const bool started = StartCorvane();
    qputenv("PATH", path);
    ASSERT_TRUE(started);

    ASSERT_TRUE(Choose(QStringLiteral("alt+t"), QStringLiteral("DX Cluster"))) << Input().ErrorText().toStdString();
    ASSERT_TRUE(WaitFor([&] { return Find(QStringLiteral("CDxClusterDialog")).has_value(); })) << Geometry().toStdString();
    const QString title = Find(QStringLiteral("CDxClusterDialog"))->title;
    EXPECT_TRUE(title.contains(QLatin1String("no DX-spot server is set"))) << title.toStdString();
    EXPECT_FALSE(title.contains(QLatin1String("Options"))) << "no options page offers it";

    // Start display updates: the server is asked for.
    ASSERT_TRUE(WaitFor([&] { return CorvaneProbe().Ask(QStringLiteral("focus")).contains(QLatin1String("|DX Cluster")); }))
        << CorvaneProbe().Ask(QStringLiteral("focus")).toStdString();
    ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("CDxClusterDialog>COXBitmapButton:1")));
    ASSERT_TRUE(WaitFor([&] { return Find(QStringLiteral("CDxServerDialog")).has_value(); })) << Geometry().toStdString();
    EXPECT_EQ(Find(QStringLiteral("CDxServerDialog"))->title, QStringLiteral("DX-Spot Server"));
    ASSERT_TRUE(WaitFor([&] { return CorvaneProbe().Ask(QStringLiteral("focus")).startsWith(QLatin1String("QLineEdit|")); }))
        << CorvaneProbe().Ask(QStringLiteral("focus")).toStdString();
    ASSERT_TRUE(Input().Type(QStringLiteral("dxspots.invalid:8080")));
    ASSERT_TRUE(Input().Key(QStringLiteral("Return")));
    ASSERT_TRUE(WaitFor([&] { return !Find(QStringLiteral("CDxServerDialog")).has_value(); }));
    EXPECT_TRUE(WaitFor([&] {
        return Corvane().StoredValue(QStringLiteral("CDxClusterDialog::m_strHost")).toString() ==
               QLatin1String("dxspots.invalid:8080");
    })) << Corvane().StoredValue(QStringLiteral("CDxClusterDialog::m_strHost")).toString().toStdString();
    EXPECT_TRUE(WaitFor([&] {
        return !Find(QStringLiteral("CDxClusterDialog"))->title.contains(QLatin1String("no DX-spot server"));
    })) << Geometry().toStdString();

    // The home page: the opener gives up, and the window says why.
    ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("CDxClusterDialog>COXBitmapButton:4")));
    const std::optional<Box> box = AnswerBox(CorvaneProbe(), QStringLiteral("Error"), QStringLiteral("no method available"));
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->text.startsWith(QLatin1String("Error starting \"http://dxspots.invalid:8080/dxs/\""))) << box->text.toStdString();
    EXPECT_TRUE(Find(QStringLiteral("CDxClusterDialog")).has_value()) << Geometry().toStdString();
}

TEST_F(CorvaneLogbookDx, Screenshots)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "pictures for docs/ only when CORVANE_SCREENSHOT_DIR names where";
    ASSERT_TRUE(StartCorvane());
    const QString display = dir + QStringLiteral("/display.png");
    // The display, or the part of it that holds the rectangles (with room
    // for their title bars), into docs.
    auto save = [&](const QString& name, const QList<QRect>& rects) {
        ASSERT_EQ(Screenshot(display), QString());
        QImage image(display);
        QFile::remove(display);
        ASSERT_FALSE(image.isNull());
        QRect part;
        for (const QRect& r : rects)
            part = part.united(r.adjusted(-4, -26, 4, 4));
        if (!part.isNull())
            image = image.copy(part.intersected(image.rect()));
        EXPECT_TRUE(image.save(dir + QLatin1Char('/') + name)) << name.toStdString();
    };

    ASSERT_TRUE(Choose(QStringLiteral("alt+v"), QStringLiteral("Logbook Display")));
    ASSERT_TRUE(WaitFor([&] {
        const std::optional<Window> w = Find(QStringLiteral("CLogbookFrame"));
        return w && w->state == QLatin1String("min");
    })) << Geometry().toStdString();
    ASSERT_TRUE(WaitUntilActive(CorvaneProbe()));
    save(QStringLiteral("corvane-logbook-minimised.png"), {});

    // A few contacts through the entry window, and the list read again.
    ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("action:Toggle Add")));
    ASSERT_TRUE(WaitFor([&] { return Find(QStringLiteral("CLogbookAdd")).has_value(); })) << Geometry().toStdString();
    const char* const calls[] = {"G4ABC", "DL1XYZ", "VP8LP"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("CLogbookAdd>QLineEdit:1")));
        ASSERT_TRUE(Input().Key(QStringLiteral("End shift+Home")));
        ASSERT_TRUE(Input().Type(QString::fromLatin1(calls[i])));
        ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("CLogbookAdd>QPushButton:1")));
        // The entry window lists what it added, a row each.
        ASSERT_TRUE(WaitFor([&] {
            return GuiTest::Unescape(CorvaneProbe().Ask(QStringLiteral("text CLogbookAdd>COwnListCtrl")))
                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                       .size() == i + 1;
        }));
    }
    ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("CLogbookAdd>QPushButton:3")));  // Cancel hides it
    ASSERT_TRUE(WaitFor([&] { return !Find(QStringLiteral("CLogbookAdd")).has_value(); }));
    ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("action:Reload")));
    const Window icon = *Find(QStringLiteral("CLogbookFrame"));
    ASSERT_TRUE(Input().Click(QPoint(icon.rect.x() + icon.rect.width() * 2 / 5, icon.rect.center().y()),
                              XInput::kLeft, 2));
    ASSERT_TRUE(WaitFor([&] { return Find(QStringLiteral("CLogbookFrame"))->state == QLatin1String("normal"); }));
    EXPECT_EQ(Find(QStringLiteral("CDisplayFrame"))->state, QStringLiteral("max"));
    EXPECT_EQ(GuiTest::Unescape(CorvaneProbe().Ask(QStringLiteral("text CLogbookView>COwnListCtrl")))
                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                  .size(),
              3);
    save(QStringLiteral("corvane-logbook.png"), {});

    ASSERT_TRUE(Choose(QStringLiteral("alt+t"), QStringLiteral("DX Cluster")));
    ASSERT_TRUE(WaitFor([&] { return CorvaneProbe().Ask(QStringLiteral("focus")).contains(QLatin1String("|DX Cluster")); }));
    ASSERT_TRUE(ClickOn(CorvaneProbe(), QStringLiteral("CDxClusterDialog>COXBitmapButton:1")));
    ASSERT_TRUE(WaitFor([&] { return CorvaneProbe().Ask(QStringLiteral("focus")).startsWith(QLatin1String("QLineEdit|")); }));
    ASSERT_TRUE(Input().Type(QStringLiteral("dxspots.example.org")));
    ASSERT_TRUE(WaitFor([&] {
        return GuiTest::Unescape(CorvaneProbe().Ask(QStringLiteral("text CDxServerDialog>QLineEdit"))) ==
               QLatin1String("dxspots.example.org");
    }));
    save(QStringLiteral("corvane-dx-server.png"),
         {Find(QStringLiteral("CDxClusterDialog"))->rect, Find(QStringLiteral("CDxServerDialog"))->rect});
}
