#include "shared/ui/MDIClientWnd.h"

#include "shared/ui/Banners.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {
int differingPixels(const QImage& a, const QImage& b)
{
    int n = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}
} // namespace

TEST(MDIClientWnd, TiledBackgroundThenTheBannerOnceStartupHasFinished)
{
    QMainWindow frame;
    auto* area = new QMdiArea;
    frame.setCentralWidget(area);
    frame.resize(800, 600);
    CMDIClientWnd client(&frame);
    ASSERT_TRUE(client.SubclassWindow(area));
    EXPECT_FALSE(client.SubclassWindow(nullptr));
    frame.show();

    QImage tile;
    CVersionBanner::LoadBackground(tile);
    ASSERT_FALSE(tile.isNull());
    const QImage before = client.Render();
    // Only the tiled picture: every tile equals the first.
    EXPECT_EQ(before.copy(tile.width(), tile.height(), tile.width(), tile.height()),
              before.copy(0, 0, tile.width(), tile.height()));
    EXPECT_EQ(differingPixels(before.copy(0, 0, tile.width(), tile.height()), tile.convertToFormat(QImage::Format_RGB32)), 0);

    client.EnableBanner();
    const QImage after = client.Render();
    // The logo sits in the middle; the corners keep the tiles.
    const QPoint centre(after.width() / 2, after.height() / 2);
    EXPECT_GT(differingPixels(after.copy(centre.x() - 40, centre.y() - 40, 80, 80),
                              before.copy(centre.x() - 40, centre.y() - 40, 80, 80)), 100);
    EXPECT_EQ(differingPixels(after.copy(0, 0, 20, 20), before.copy(0, 0, 20, 20)), 0);

    // What the viewport shows is that background.
    const QImage shown = area->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(differingPixels(shown, after), 0);
}

TEST(MDIClientWnd, ResizeAndScrollRedrawTheWholeBackgroundAndCommandsReachTheFrame)
{
    QMainWindow frame;
    auto* area = new QMdiArea;
    frame.setCentralWidget(area);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    frame.resize(400, 300);
    CMDIClientWnd client(&frame);
    client.SubclassWindow(area);
    QList<unsigned> commands;
    client.SetCommandTarget([&](unsigned id) {
        commands << id;
        return true;
    });
    frame.show();
    QCoreApplication::processEvents();
    const int before = client.GetRedrawCount();
    frame.resize(500, 350);
    QCoreApplication::processEvents();
    EXPECT_GT(client.GetRedrawCount(), before);

    // A child far off to the right gives the area a scroll bar; a scroll step
    // posts one redraw that runs later.
    auto* child = area->addSubWindow(new QWidget);
    child->setGeometry(900, 10, 200, 100);
    child->show();
    QCoreApplication::processEvents();
    ASSERT_GT(area->horizontalScrollBar()->maximum(), 0);
    const int beforeScroll = client.GetRedrawCount();
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    EXPECT_EQ(client.GetRedrawCount(), beforeScroll);
    QCoreApplication::processEvents();
    EXPECT_GT(client.GetRedrawCount(), beforeScroll);

    EXPECT_TRUE(client.OnCommand(32858));
    EXPECT_EQ(commands, QList<unsigned>({32858}));
}
