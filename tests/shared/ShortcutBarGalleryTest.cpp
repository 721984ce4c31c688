// Renders the shortcut bar, its lists, the sizing bars and the tooltip
// offscreen into PNGs under the build tree (gallery/) for a person to look
// at. With CORVANE_SCREENSHOT_DIR set (run under Xvfb with QT_QPA_PLATFORM=xcb)
// the same panels are also shown as real windows and photographed from the
// screen into that folder.
#include "shared/shortcutbar/OXSHBListCtrl.h"
#include "shared/shortcutbar/OXShortcutBar.h"
#include "shared/sizingbar/SizingControlBarG.h"
#include "shared/tooltip/ToolTipWnd.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

using namespace winapi;

namespace {

void Save(QWidget& panel, const QString& name)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/gallery");
    QDir().mkpath(dir);
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    panel.render(&image);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 8) << name.toStdString() << " looks blank";
    EXPECT_TRUE(image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"))) << name.toStdString();

    const QString shots = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (shots.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    panel.move(40, 40);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    QTest::qWait(400);
    const QRect area = panel.frameGeometry();
    const QPixmap shot = panel.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    QDir().mkpath(shots);
    EXPECT_TRUE(shot.save(shots + QStringLiteral("/toolkit-") + name + QStringLiteral(".png")));
    panel.hide();
}

// Pictograms drawn in code: a coloured tile with a simple white sign.
QPixmap Pictogram(int size, int kind)
{
    static const QColor tiles[] = {QColor(0xD9, 0x8C, 0x1F), QColor(0x2E, 0x7D, 0x32), QColor(0x15, 0x65, 0xC0),
                                   QColor(0x6A, 0x1B, 0x9A), QColor(0xC6, 0x28, 0x28), QColor(0x00, 0x83, 0x8F)};
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(1, 1, size - 2, size - 2);
    p.setPen(QPen(tiles[kind % 6].darker(140), 1));
    p.setBrush(tiles[kind % 6]);
    p.drawRoundedRect(tile, size / 6.0, size / 6.0);
    p.setPen(QPen(Qt::white, std::max(1.5, size / 12.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QPointF c = tile.center();
    const double r = size * 0.28;
    switch (kind % 6) {
    case 0: { // star: favourites
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double rr = i % 2 ? r * 0.45 : r;
            const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
            i ? star.lineTo(pt) : star.moveTo(pt);
        }
        star.closeSubpath();
        p.setBrush(Qt::white);
        p.drawPath(star);
        break;
    }
    case 1: // band edges: a bar between two ticks
        p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
        p.drawLine(QPointF(c.x() - r, c.y() - r * 0.6), QPointF(c.x() - r, c.y() + r * 0.6));
        p.drawLine(QPointF(c.x() + r, c.y() - r * 0.6), QPointF(c.x() + r, c.y() + r * 0.6));
        break;
    case 2: // memory chip
        p.drawRect(QRectF(c.x() - r * 0.6, c.y() - r * 0.8, r * 1.2, r * 1.6));
        for (int i = -1; i <= 1; ++i) {
            p.drawLine(QPointF(c.x() - r * 0.6, c.y() + i * r * 0.5), QPointF(c.x() - r, c.y() + i * r * 0.5));
            p.drawLine(QPointF(c.x() + r * 0.6, c.y() + i * r * 0.5), QPointF(c.x() + r, c.y() + i * r * 0.5));
        }
        break;
    case 3: // quick save: a down arrow into a tray
        p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r * 0.3));
        p.drawLine(QPointF(c.x() - r * 0.5, c.y() - r * 0.2), QPointF(c.x(), c.y() + r * 0.3));
        p.drawLine(QPointF(c.x() + r * 0.5, c.y() - r * 0.2), QPointF(c.x(), c.y() + r * 0.3));
        p.drawLine(QPointF(c.x() - r, c.y() + r * 0.8), QPointF(c.x() + r, c.y() + r * 0.8));
        break;
    case 4: { // scanning: a sine wave
        QPainterPath wave;
        for (int i = 0; i <= 20; ++i) {
            const double x = c.x() - r + i * r / 10;
            const QPointF pt(x, c.y() - r * 0.6 * std::sin(i * M_PI / 5));
            i ? wave.lineTo(pt) : wave.moveTo(pt);
        }
        p.drawPath(wave);
        break;
    }
    default: // antenna
        p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
        p.drawLine(QPointF(c.x() - r * 0.7, c.y() - r), QPointF(c.x(), c.y() - r * 0.2));
        p.drawLine(QPointF(c.x() + r * 0.7, c.y() - r), QPointF(c.x(), c.y() - r * 0.2));
        break;
    }
    return pm;
}

struct Images {
    CImageList large;
    CImageList small;
    CImageList headers;
    Images()
    {
        large.Create(32, 32, ILC_MASK, 0, 1);
        small.Create(16, 16, ILC_MASK, 0, 1);
        headers.Create(16, 16, ILC_MASK, 0, 1);
        for (int k = 0; k < 6; ++k) {
            large.Add(Pictogram(32, k));
            small.Add(Pictogram(16, k));
            headers.Add(Pictogram(16, k));
        }
    }
};

// The navigator's groups, filled the way the radio program fills them.
COXShortcutBar* Navigator(QWidget* parent, Images& images, uint32_t style, bool smallView)
{
    auto* bar = new COXShortcutBar;
    bar->Create(parent, QRect(0, 0, 170, 360), style, 102, WS_VISIBLE, WS_EX_STATICEDGE);
    bar->SetChildMargins(1, 0, 1, 1);
    bar->SetImageList(&images.headers);
    const QStringList groups{"Favourites", "Bands", "Memories", "Quick Save", "Scanning"};
    const QList<QStringList> items{
        {"PSK31 20 m", "Local repeater", "Beacon 28.200", "Net on 3.760"},
        {"160 m", "80 m", "40 m", "30 m", "20 m", "17 m", "15 m", "12 m", "10 m", "6 m", "2 m", "70 cm"},
        {"001 GB3WE", "002 Simplex", "003 APRS", "004 ISS"},
        {"Toolbar", "(1) USB 14.070.150", "(2) FM 145.500.000"},
        {"Band scan", "Memory scan"}};
    for (int g = 0; g < groups.size(); ++g) {
        SHB_GROUPINFO info;
        info.nMask = SHBGI_TEXT | SHBGI_ORDER | SHBGI_IMAGE;
        info.strText = groups[g];
        info.nOrder = SHBGI_ORDER_LAST;
        info.nImage = g;
        const SHBGROUPID h = bar->InsertGroup(&info);
        bar->SetGroupHeaderHeight(h, QFontMetrics(*bar->GetGroupHeaderTextFont(h)).height() + 8);
        bar->SetLCImageList(h, &images.large, LVSIL_NORMAL);
        bar->SetLCImageList(h, &images.small, LVSIL_SMALL);
        bar->SetGroupView(h, smallView ? SHBV_SMALLICONS : SHBV_LARGEICONS);
        for (int i = 0; i < items[g].size(); ++i)
            bar->InsertLCItem(h, LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, i, items[g][i], 0, 0, (g + i) % 6, i);
    }
    return bar;
}

} // namespace

TEST(ShortcutBarGallery, NavigatorInSizingBars)
{
    Images images;
    QMainWindow panel;
    panel.setWindowTitle(QStringLiteral("Shortcut bar and sizing bars"));
    panel.resize(640, 420);
    auto* centre = new QLabel(QStringLiteral("Navigator bar (gripper, close button) on the left;\n"
                                             "caption bar with the small-icon view on the right."));
    centre->setAlignment(Qt::AlignCenter);
    centre->setStyleSheet(QStringLiteral("background: #E8E4DA;"));
    panel.setCentralWidget(centre);

    auto* left = new CSizingControlBarG;
    left->Create(QStringLiteral("Navigator"), &panel, QSize(180, 380), true, 301);
    left->SetBarStyle(SZB_DRAW_EDGES | SZB_FIT_CHILD);
    COXShortcutBar* nav = Navigator(left, images, 0x2B80, false);
    left->setWidget(nav);
    panel.addDockWidget(Qt::LeftDockWidgetArea, left);
    nav->ExpandGroup(nav->FindGroupByText(QStringLiteral("Bands")));
    COXSHBListCtrl* bands = nav->GetGroupListCtrl(nav->GetExpandedGroup());
    bands->SetHotItem(2);
    bands->SetSelectedItem(1);

    auto* right = new CSizingControlBarCF;
    right->Create(QStringLiteral("Memories"), &panel, QSize(190, 380), true, 302);
    COXShortcutBar* small = Navigator(right, images, SHBS_BOLDOPENHEADER, true);
    right->setWidget(small);
    panel.addDockWidget(Qt::RightDockWidgetArea, right);
    small->SetGroupHeaderBkColour(0, RGB(0x3A, 0x5A, 0x80));
    small->SetGroupHeaderTextColour(0, RGB(255, 255, 255));
    small->SetGroupBkColour(0, RGB(0xF4, 0xF1, 0xE8));
    small->SetGroupTextColour(0, RGB(0x20, 0x20, 0x20));
    small->ExpandGroup(small->FindGroupByText(QStringLiteral("Memories")));

    QApplication::processEvents();
    Save(panel, QStringLiteral("shortcutbar"));
}

TEST(ShortcutBarGallery, EditingDraggingAndTips)
{
    Images images;
    QWidget panel;
    panel.setWindowTitle(QStringLiteral("Renaming, drop marker and tooltip"));
    panel.resize(560, 380);
    panel.setStyleSheet(QStringLiteral("QLabel { color: #333; }"));
    auto* note = new QLabel(QStringLiteral("A header renamed in place, a drag over the list with its insert marker,\n"
                                           "the scroll buttons and a two-part tooltip."),
                            &panel);
    note->move(10, 6);

    COXShortcutBar* bar = Navigator(&panel, images, SHBS_EDITHEADERS | SHBS_EDITITEMS | SHBS_HOTITEMUNDERLINE, false);
    bar->setGeometry(10, 44, 170, 320);
    const SHBGROUPID bands = bar->FindGroupByText(QStringLiteral("Bands"));
    bar->ExpandGroup(bands);
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    COXSHBEdit* edit = bar->EditGroupHeader(bar->FindGroupByText(QStringLiteral("Scanning")));
    ASSERT_NE(edit, nullptr);

    // A stand-alone list in the small view with an item dragged over it.
    COXSHBListCtrl list;
    list.Create(WS_VISIBLE | LVS_EDITLABELS, QRect(200, 44, 160, 150), &panel, 7);
    list.ModifyStyle(0, LVS_SMALLICON);
    list.SetImageList(&images.small, LVSIL_SMALL);
    for (int i = 0; i < 9; ++i)
        list.InsertItem(LVIF_TEXT | LVIF_IMAGE, i, QStringLiteral("Channel %1").arg(i + 1), 0, 0, i % 6, 0);
    QMimeData data;
    data.setData(ShbChildItemMimeType(), QByteArray("x\0\0\0\0\0\0\0\0\0\0\0\0\0", 14));
    QRect row;
    list.GetItemRect(2, &row, -1);
    QDragEnterEvent enter(QPoint(30, row.top() - 3), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&list, &enter);

    // The tooltip window, placed by hand beside the list.
    CToolTipWnd tip;
    tip.Create(&panel);
    tip.SetDelayTime(CToolTipWnd::TTDT_INITIAL, 1);
    tip.AddTool(&list, QStringLiteral("Frequency\rStep size"));
    const QPoint over = list.mapToGlobal(QPoint(40, 100));
    QCursor::setPos(over);
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 100), QPointF(over), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    tip.RelayEvent(&move);
    for (int i = 0; i < 200 && !tip.isVisible(); ++i)
        QTest::qWait(5);
    ASSERT_TRUE(tip.isVisible());
    auto* tipShot = new QLabel(&panel);
    tipShot->setPixmap(tip.grab());
    tipShot->move(380, 60);
    tipShot->adjustSize();
    tipShot->show();
    tip.Hide();

    // A second stand-alone list in the large view, scrolled to show both scroll buttons.
    COXSHBListCtrl large;
    large.Create(WS_VISIBLE, QRect(200, 210, 160, 150), &panel, 8);
    large.SetImageList(&images.large, LVSIL_NORMAL);
    for (int i = 0; i < 6; ++i)
        large.InsertItem(LVIF_TEXT | LVIF_IMAGE, i, QStringLiteral("Preset %1").arg(i + 1), 0, 0, i, 0);
    large.ScrollBy(QSize(0, 40));

    QApplication::processEvents();
    Save(panel, QStringLiteral("shortcutbar-editing"));
    QDragLeaveEvent leave;
    QApplication::sendEvent(&list, &leave);
}
