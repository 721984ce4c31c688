// Toolbar pictures and the programs' icons: the desktop's theme for standard
// actions, our own drawings for everything else and as the fallback.
#include "shared/artwork/Artwork.h"
#include "shared/artwork/ToolbarIcons.h"
#include "shared/ui/FitText.h"
#include "support/TestEnvironment.h"

#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {
// Visible pixels of a picture: a real drawing, not an empty square.
int inkedPixels(const QImage& image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128)
                ++n;
    return n;
}

QStringList ownPictureNames()
{
    QStringList names;
    artwork::exists(QStringLiteral("icons"), QStringLiteral("list-add"));  // loads the pictures
    QDirIterator it(QStringLiteral(":/icons"), {QStringLiteral("*.svg")});
    while (it.hasNext()) {
        it.next();
        names << it.fileInfo().completeBaseName();
    }
    return names;
}
} // namespace

TEST(ToolbarIcons, EveryPictureIsDrawnAt20And40)
{
    artwork::setUseIconTheme(false);
    const QStringList names = ownPictureNames();
    ASSERT_GT(names.size(), 80);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const QIcon icon = artwork::toolbarIcon(name);
        ASSERT_FALSE(icon.isNull());
        for (int size : {20, 40}) {
            const QList<QSize> sizes = icon.availableSizes();
            EXPECT_TRUE(sizes.contains(QSize(size, size))) << "drawn for " << size << " px, not scaled";
            const QImage image = icon.pixmap(QSize(size, size)).toImage();
            EXPECT_EQ(image.size(), QSize(size, size));
            // A real drawing covers a fair part of the square.
            EXPECT_GT(inkedPixels(image), size * size / 16);
        }
    }
    // Every standard action has our own drawing to fall back on.
    for (const char* name : {"document-open", "document-save", "edit-undo", "edit-redo", "edit-copy", "edit-delete",
                             "list-add", "go-up", "go-down", "help-contents", "view-refresh", "preferences-system"}) {
        EXPECT_TRUE(artwork::isStandardAction(QString::fromLatin1(name))) << name;
        EXPECT_TRUE(names.contains(QString::fromLatin1(name))) << name;
    }
    EXPECT_FALSE(artwork::isStandardAction(QStringLiteral("scan-band")));
    EXPECT_TRUE(artwork::toolbarIcon(QStringLiteral("no-such-picture")).isNull());
    artwork::setUseIconTheme(true);
}

TEST(ToolbarIcons, StandardActionsComeFromTheDesktopTheme)
{
    artwork::setUseIconTheme(true);
    const QIcon open = artwork::toolbarIcon(QStringLiteral("document-open"));
    ASSERT_FALSE(open.isNull());
    if (QIcon::hasThemeIcon(QStringLiteral("document-open")))
        EXPECT_EQ(open.name(), QStringLiteral("document-open")) << "the theme's own picture";
    else
        GTEST_SKIP() << "no icon theme installed (scripts/setup installs one)";
    // A radio picture is ours even when the theme has one of the same name.
    EXPECT_TRUE(artwork::toolbarIcon(QStringLiteral("transmit")).name().isEmpty());
}

TEST(ToolbarIcons, EachProgramHasItsOwnIcon)
{
    const QImage corvane = artwork::programIcon(QStringLiteral("corvane")).pixmap(64).toImage();
    const QImage brevio = artwork::programIcon(QStringLiteral("brevio")).pixmap(64).toImage();
    EXPECT_GT(inkedPixels(corvane), 64 * 64 / 4);
    EXPECT_GT(inkedPixels(brevio), 64 * 64 / 4);
    EXPECT_NE(corvane, brevio);
    EXPECT_FALSE(artwork::applicationIcon().isNull());
    // Desktop launchers point at a file of it.
    const QString file = artwork::applicationIconFile();
    ASSERT_FALSE(file.isEmpty());
    EXPECT_TRUE(file.startsWith(testsupport::dataFolder()));
    EXPECT_EQ(QImage(file).size(), QSize(256, 256));
}

TEST(FitText, WrappedTextPushesWhatLiesBelowDown)
{
    QDialog dialog;
    dialog.resize(300, 200);
    auto* text = new QLabel(QStringLiteral("word ").repeated(40), &dialog);
    text->setWordWrap(true);
    text->setGeometry(10, 10, 200, 20);
    auto* below = new QLabel(QStringLiteral("below"), &dialog);
    below->setGeometry(10, 40, 100, 20);
    auto* beside = new QLabel(QStringLiteral("beside"), &dialog);
    beside->setGeometry(220, 10, 60, 20);
    const int need = text->heightForWidth(200);
    ASSERT_GT(need, 20);
    GrowToFitText(text);
    EXPECT_EQ(text->height(), need);
    EXPECT_EQ(below->y(), 40 + need - 20);
    EXPECT_EQ(beside->y(), 10) << "beside the text, not below it";
    EXPECT_EQ(dialog.height(), 200 + need - 20);
    // Already fitting: nothing moves.
    GrowToFitText(below);
    EXPECT_EQ(below->y(), 40 + need - 20);
}

TEST(FitText, AWindowGrowsToItsLayout)
{
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    auto* text = new QLabel(QStringLiteral("A long text that wraps over several lines when the window is narrow."));
    text->setWordWrap(true);
    layout->addWidget(text);
    dialog.resize(120, 20);
    GrowToLayout(&dialog);
    EXPECT_GE(dialog.height(), text->heightForWidth(120 - 2 * layout->contentsMargins().left()));
}
