#include "shared/ui/Banners.h"
#include "shared/ui/Marquee.h"

#include "shared/RegisteredEvent.h"
#include "shared/VersionInfo.h"
#include "shared/WinDraw.h"
#include "shared/artwork/Artwork.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct PaletteGuard {
    QPalette saved = QApplication::palette();
    ~PaletteGuard() { QApplication::setPalette(saved); }
};
} // namespace

TEST(Marquee, ConstructionPeriodAndItems)
{
    CMarquee marquee;
    EXPECT_EQ(marquee.Items(), QStringList({CVersionInfo().GetProductName(), QString()}));
    EXPECT_EQ(marquee.GetClockItem(), 1);
    EXPECT_EQ(marquee.GetPeriod(), 20);
    EXPECT_FALSE(marquee.IsTimerActive()); // no window yet
    struct Case {
        int in, out;
    };
    for (const Case& c : {Case{0, 1}, Case{-7, 1}, Case{1, 1}, Case{250, 250}, Case{1000, 1000}, Case{5000, 1000}}) {
        marquee.SetPeriod(c.in);
        EXPECT_EQ(marquee.GetPeriod(), c.out) << c.in;
    }
    marquee.SetItems(QStringList{"CQ", "DX"}, false);
    EXPECT_EQ(marquee.GetClockItem(), -1);
    EXPECT_EQ(marquee.Items(), QStringList({"CQ", "DX"}));
}

TEST(Marquee, HighlightColoursThatCannotBeToldApart)
{
    PaletteGuard guard;
    QPalette pal = QApplication::palette();
    pal.setColor(QPalette::Highlight, QColor(40, 40, 40));
    pal.setColor(QPalette::HighlightedText, QColor(40, 40, 40));
    QApplication::setPalette(pal);
    QWidget host;
    host.resize(300, 40);
    CMarquee marquee;
    EXPECT_EQ(marquee.BackgroundColour(), marquee.TextColour()); // construction keeps them
    marquee.Create(&host);
    marquee.SetPeriod(500);
    EXPECT_EQ(SendRegisteredMessage(&marquee, CMarquee::AppearanceMessage()), 0);
    EXPECT_EQ(marquee.BackgroundColour(), qRgb(0, 0, 0));
    EXPECT_EQ(marquee.TextColour(), qRgb(255, 255, 255));
    EXPECT_EQ(marquee.GetPeriod(), 20);
}

TEST(Marquee, PictureItemsTakeTheBackgroundForTheirMappedColour)
{
    QWidget host;
    host.resize(400, 120);
    CMarquee marquee;
    marquee.Create(&host);
    marquee.SetBackgroundColour(0, 0, 128, false);
    // 206 has a white background: mapped, and unchanged with -1.
    marquee.SetItems(QStringList{"#BMP 206 FFFFFF", "#BMP 206 -1"}, true);
    ASSERT_TRUE(marquee.IsBuilt());
    const QImage logo = artwork::bitmap(206);
    const QImage mapped = marquee.ItemImage(0);
    const QImage plain = marquee.ItemImage(1);
    EXPECT_EQ(mapped.height(), 120); // the parent's height
    // 90 % of 120 is 108, above the picture's height of 96: its own size.
    const int x = mapped.width() - logo.width() + 2; // inside the picture, its white corner
    const int y = (120 - logo.height()) / 2 + 2;
    EXPECT_EQ(QColor(mapped.pixel(x, y)), QColor(0, 0, 128));
    EXPECT_EQ(QColor(plain.pixel(x, y)), QColor(255, 255, 255));

    // A low host scales the picture to 90 % of its height.
    QWidget low;
    low.resize(400, 50);
    CMarquee small;
    small.Create(&low);
    small.SetItems(QStringList{"#BMP 206 -1"}, true);
    EXPECT_EQ(small.ItemImage(0).height(), 50);
}

TEST(Marquee, ScrollsOnlyWhileTheParentShows)
{
    QWidget host;
    host.resize(200, 32);
    CMarquee marquee;
    marquee.Create(&host);
    marquee.SetItems(QStringList{"Station one", "Station two"}, true);
    EXPECT_TRUE(marquee.IsTimerActive());
    host.show();
    const int item = marquee.GetCurrentItem();
    const int column = marquee.GetColumn();
    marquee.ScrollStep();
    EXPECT_EQ(marquee.GetColumn() + (marquee.GetCurrentItem() != item ? 0 : 0), column + 1);
    host.hide();
    for (int i = 0; i < 5; ++i)
        marquee.ScrollStep();
    EXPECT_EQ(marquee.GetColumn(), column + 1); // stopped where it was
    EXPECT_TRUE(marquee.IsTimerActive());       // without stopping the timer
    host.show();
    marquee.ScrollStep();
    EXPECT_EQ(marquee.GetColumn(), column + 2);
    // A whole item scrolls through and the next one follows.
    const int width = marquee.ItemImage(marquee.GetCurrentItem()).width();
    for (int i = marquee.GetColumn(); i < width; ++i)
        marquee.ScrollStep();
    EXPECT_EQ(marquee.GetColumn(), 0);
    EXPECT_EQ(marquee.GetCurrentItem(), (item + 1) % 2);
}

TEST(Marquee, DoubleClickNotifies)
{
    QWidget host;
    host.resize(200, 32);
    host.show();
    CMarquee marquee;
    marquee.Create(&host);
    struct Sink : QObject {
        int got = 0;
        unsigned msg = RegisterWindowMessage("MarqueeTest::nMsgClick");
        bool event(QEvent* e) override
        {
            if (CRegisteredEvent::As(e, msg)) {
                ++got;
                return true;
            }
            return QObject::event(e);
        }
    } sink;
    QWidget target;
    target.installEventFilter(&sink);
    QTest::mouseDClick(&marquee, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(sink.got, 0);
    marquee.SetNotify(&target, sink.msg);
    struct Filter : QObject {
        unsigned msg;
        int got = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (unsigned(e->type()) == msg)
                ++got;
            return false;
        }
    } filter;
    filter.msg = sink.msg;
    target.installEventFilter(&filter);
    QTest::mouseDClick(&marquee, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(filter.got, 1);
}

TEST(Banners, VersionLines)
{
    CVersionBanner plain;
    plain.BuildLines(false);
    const CVersionInfo info;
    EXPECT_EQ(plain.Lines(), QStringList({info.GetVersion()}));
    CVersionBanner extra;
    extra.BuildLines(true);
    QStringList expected{info.GetVersion(), " "};
    if (!info.GetLegalCopyright().isEmpty())
        expected << info.GetLegalCopyright();
    EXPECT_EQ(extra.Lines(), expected);

    const QString self = QCoreApplication::applicationFilePath();
    SetVersionResourceLoader([self](const QString& path) -> std::optional<VersionResource> {
        VersionResource r;
        r.AddStrings(0x0409, 0x04B0, {{"ProductVersion", "2.2"}, {"SpecialBuild", "Field test"},
                                      {"LegalCopyright", "Copyright QT9XVK"}});
        return r;
    });
    CVersionBanner special;
    special.BuildLines(true);
    SetVersionResourceLoader(nullptr);
    EXPECT_EQ(special.Lines(), QStringList({QStringLiteral("Version 2.2 build %1").arg(CVersionInfo().GetBuild()),
                                            "Field test", " ", "Copyright QT9XVK"}));
}

TEST(Banners, DrawsLogoAndTextCentred)
{
    QWidget wnd;
    QImage target(400, 300, QImage::Format_RGB32);
    target.fill(QColor(10, 200, 10));
    QPainter p(&target);
    CVersionBanner banner;
    banner.Draw(&wnd, p, 400, 300, true, true);
    p.end();
    const QImage logo = artwork::bitmap(206);
    const int x = (400 - logo.width()) / 2;
    const int y = (300 - logo.height() - banner.GetTotalTextHeight()) / 2;
    EXPECT_GT(banner.GetTotalTextHeight(), 0);
    // White is left out of the logo: the corner shows the target.
    EXPECT_EQ(QColor(target.pixel(x + 1, y + 1)), QColor(10, 200, 10));
    EXPECT_EQ(BannerFontHeight(&wnd, 11), int(std::lround(11.0 * wnd.logicalDpiY() / 72.0)));
}

TEST(Banners, CreditsPanelAndBannerStatic)
{
    EXPECT_EQ(CCreditsStatic::ExtraTilePosition(QSize(300, 100), QSize(64, 64)), QPoint(18, 18));
    CCreditsStatic credits;
    credits.resize(300, 160);
    QImage image(credits.size(), QImage::Format_RGB32);
    credits.render(&image);
    const CVersionInfo info;
    EXPECT_EQ(credits.Lines(), QStringList({info.GetVersion(), "by", info.GetCompanyName()}));
    CBannerStatic banner;
    const QImage tile = artwork::bitmap(205);
    EXPECT_EQ(banner.Composition().size(), tile.size() * 3);

    CMarqueeStatusBar bar;
    bar.resize(300, 28);
    bar.SetItems({"Listening on 14.070 MHz"});
    bar.show();
    EXPECT_EQ(bar.GetMarquee()->geometry(), bar.rect());
    bar.resize(400, 30);
    EXPECT_EQ(bar.GetMarquee()->size(), QSize(400, 30));
}
