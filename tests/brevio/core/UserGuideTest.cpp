// PSK31 Brevio's user guide as installed beside the program: its own (not
// FT-817 Corvane's), every topic the operator needs, every link inside it
// leading somewhere, and every menu item and key it names one the program
// really has, with the key it says.
#include "FrameFixture.h"
#include "brevio/core/MainFrame.h"
#include "support/TestEnvironment.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QTextBrowser>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

using testsupport::FrameFixture;

namespace {

QString ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QString PlainText(QString html)
{
    html.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    html.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    html.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    html.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return html.simplified();
}

QString MenuText(const QString& text)
{
    QString plain = text.section(QLatin1Char('\t'), 0, 0);
    plain.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    plain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return plain;
}

// The key a menu item shows, written as the guide writes keys.
QString KeyText(const QString& text)
{
    QString key = text.section(QLatin1Char('\t'), 1);
    if (key == QStringLiteral("Alt <-"))
        return QStringLiteral("Alt+Left");
    if (key == QStringLiteral("Alt ->"))
        return QStringLiteral("Alt+Right");
    return key;
}

// Every item of the main menu by its path ("Browser > Display"), menus too.
void CollectMenu(QMenu* menu, const QString& path, QMap<QString, QAction*>& items)
{
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        const QString here = path + QStringLiteral(" > ") + MenuText(a->text());
        items.insert(here, a);
        if (a->menu())
            CollectMenu(a->menu(), here, items);
    }
}

QString GuidePath()
{
    return testsupport::buildDir() + QStringLiteral("/bin/") + CMainFrame::GuideFileName();
}

} // namespace

TEST(UserGuide, ItIsThisProgramsOwnAndCoversTheOperatorsTopics)
{
    const QString guide = ReadFile(GuidePath());
    ASSERT_FALSE(guide.isEmpty()) << GuidePath().toStdString() << " is not installed beside the program";
    EXPECT_TRUE(guide.contains(QStringLiteral("<title>PSK31 Brevio - User Guide</title>")));
    // FT-817 Corvane's guide, in the same folder, stays its own.
    const QString other = ReadFile(testsupport::buildDir() + QStringLiteral("/bin/UserGuide.html"));
    EXPECT_TRUE(other.contains(QStringLiteral("<title>FT-817 Corvane")));
    EXPECT_NE(other, guide);

    // Help > Contents, Index and Search open these places.
    const char* const topics[] = {"contents", "index", "search", "introduction", "startup", "channels",
                                  "transmitting", "macros", "tags", "browser", "alarms", "palettes",
                                  "distance", "beacon", "options", "files", "keying", "keys",
                                  "troubleshooting"};
    for (const char* id : topics)
        EXPECT_TRUE(guide.contains(QStringLiteral("<section id=\"%1\">").arg(QLatin1String(id)))) << id;
    const QString text = PlainText(guide);
    for (const char* words : {"[stop]", "[cw-id-on]", "[date]", "Ctrl+Shift+0", "Customising PSK31 Brevio",
                              "New: Super Browser", "Resume previous session", "PSK31 Brevio Macros v2.txt",
                              "PSK31 Brevio Tags v2.txt", "PTT: FT-817 Corvane", "Options: Changes applied immediately"})
        EXPECT_TRUE(text.contains(QLatin1String(words))) << words;

    // Every link inside the guide has its target.
    QSet<QString> ids;
    for (const auto& m : QRegularExpression(QStringLiteral("id=\"([^\"]+)\"")).globalMatch(guide))
        ids.insert(m.captured(1));
    int links = 0;
    for (const auto& m : QRegularExpression(QStringLiteral("href=\"#([^\"]+)\"")).globalMatch(guide)) {
        ++links;
        EXPECT_TRUE(ids.contains(m.captured(1))) << "#" << m.captured(1).toStdString();
    }
    EXPECT_GT(links, 40);
}

TEST(UserGuide, EveryMenuItemAndKeyItNamesIsTheProgramsOwn)
{
    const QString guide = ReadFile(GuidePath());
    ASSERT_FALSE(guide.isEmpty()) << GuidePath().toStdString();
    FrameFixture f;
    f.frame->InitialiseFrame();
    QMap<QString, QAction*> items;
    for (QAction* a : f.frame->menuBar()->actions())
        if (a->menu()) {
            items.insert(MenuText(a->text()), a);
            CollectMenu(a->menu(), MenuText(a->text()), items);
        }
    QMap<QString, QString> keys;  // key -> the item that carries it
    for (auto it = items.begin(); it != items.end(); ++it)
        if (!KeyText(it.value()->text()).isEmpty())
            keys.insert(KeyText(it.value()->text()), it.key());

    // Menu items, as "Menu > Item" in bold.
    int paths = 0;
    for (const auto& m : QRegularExpression(QStringLiteral("<span class=\"menu\">(.*?)</span>")).globalMatch(guide)) {
        ++paths;
        const QString path = PlainText(m.captured(1));
        EXPECT_TRUE(items.contains(path)) << "no menu item " << path.toStdString();
    }
    EXPECT_GT(paths, 60);

    // Keys: a menu item's key, or a channel window's macro keys.
    QSet<QString> macroKeys;
    for (int digit = 0; digit <= 9; ++digit) {
        macroKeys.insert(QStringLiteral("Ctrl+%1").arg(digit));
        macroKeys.insert(QStringLiteral("Ctrl+Shift+%1").arg(digit));
    }
    int named = 0;
    for (const auto& m : QRegularExpression(QStringLiteral("<kbd>(.*?)</kbd>")).globalMatch(guide)) {
        ++named;
        const QString key = m.captured(1);
        EXPECT_TRUE(keys.contains(key) || macroKeys.contains(key)) << "no key " << key.toStdString();
    }
    EXPECT_GT(named, 40);

    // The shortcut table: each row's first key belongs to the item it names.
    const QString table = guide.section(QStringLiteral("<section id=\"keys\">"), 1).section(QStringLiteral("</section>"), 0, 0);
    int rows = 0;
    const QRegularExpression row(QStringLiteral("<tr><td><kbd>([^<]+)</kbd>.*?</td><td>(.*?)</td></tr>"));
    for (const auto& m : row.globalMatch(table)) {
        const QString key = m.captured(1);
        QString command = PlainText(m.captured(2));
        if (!command.contains(QLatin1String(" > "))) {
            EXPECT_TRUE(macroKeys.contains(key)) << key.toStdString() << " for " << command.toStdString();
            continue;
        }
        ++rows;
        // "View > Channel 1 to Channel 4", "Edit > Copy, Cut, Paste", "Tx > Transmit (start or stop)".
        command = command.section(QStringLiteral(" to "), 0, 0).section(QLatin1Char(','), 0, 0);
        command = command.section(QStringLiteral(" ("), 0, 0).trimmed();
        EXPECT_EQ(keys.value(key).toStdString(), command.toStdString()) << key.toStdString();
    }
    EXPECT_EQ(rows, 15);
}

// With CORVANE_SCREENSHOT_DIR set, the guide's first page as a browser shows
// it (docs/brevio-user-guide.png).
TEST(UserGuide, Screenshot)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty())
        GTEST_SKIP() << "the picture is taken only when CORVANE_SCREENSHOT_DIR names where";
    const QString guide = ReadFile(GuidePath());
    ASSERT_FALSE(guide.isEmpty());
    QTextBrowser browser;
    browser.resize(920, 820);
    browser.setHtml(guide);
    browser.show();
    const QImage page = browser.grab().toImage();
    EXPECT_TRUE(page.save(dir + QStringLiteral("/brevio-user-guide.png")));
}
