// Renders the picture buttons and masked fields offscreen into PNGs under
// the build tree (gallery/) for a person to look at. With
// CORVANE_SCREENSHOT_DIR set (run under Xvfb with QT_QPA_PLATFORM=xcb) the
// same panels are also shown as real windows and photographed from the
// screen into that folder.
#include "shared/buttons/AnimatedButton.h"
#include "shared/buttons/OXRoundedButton.h"
#include "shared/buttons/ResourceBitmapButton.h"
#include "shared/edit/FrequencyEdit.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

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
    const QPixmap shot =
        panel.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    QDir().mkpath(shots);
    EXPECT_TRUE(shot.save(shots + QStringLiteral("/toolkit-") + name + QStringLiteral(".png")));
    panel.hide();
}

QLabel* caption(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

} // namespace

TEST(ButtonGallery, Buttons)
{
    QWidget panel;
    panel.setWindowTitle(QStringLiteral("Picture buttons"));
    panel.resize(560, 330);

    caption(&panel, QStringLiteral("Bitmap buttons: normal, disabled, hot-track, latched, drop-down, stacked"), 10, 8);
    auto bitmapButton = [&](int x, int y, int w, int h, const QString& text) {
        auto* b = new COXBitmapButton(&panel);
        b->setGeometry(x, y, w, h);
        b->SetWindowText(text);
        b->LoadBitmapResource(218, false, RGB(255, 0, 0));
        b->SetLookFlag(true);
        return b;
    };
    bitmapButton(10, 30, 80, 30, QStringLiteral("&Save\nSave the list"));
    auto* disabled = bitmapButton(96, 30, 80, 30, QStringLiteral("&Save"));
    disabled->SetPseudoDisabled(true);
    disabled->Enable(false);
    auto* hot = bitmapButton(182, 30, 80, 30, QStringLiteral("&Merge"));
    hot->SetHotTrack(true);
    auto* latched = bitmapButton(268, 30, 80, 30, QStringLiteral("&Scan"));
    latched->SetExtendedStyle(BBS_TOGGLE);
    latched->SetToggleState(BBST_ON);
    auto* drop = bitmapButton(354, 30, 96, 30, QStringLiteral("&Load"));
    drop->SetExtendedStyle(BBS_DROPDOWN);
    auto* menu = new QMenu(drop);
    menu->addAction(QStringLiteral("Favourites"));
    drop->SetDropDownMenu(menu, false);
    auto* stacked = bitmapButton(456, 24, 90, 46, QStringLiteral("&Viewer"));
    stacked->SetVerticalAlignment(BS_TOP);

    caption(&panel, QStringLiteral("Rounded buttons: released, latched, small radius, narrow"), 10, 86);
    auto rounded = [&](int x, int y, int w, int h, const QString& text, COLORREF sphere) {
        auto* b = new COXRoundedButton(&panel);
        b->setGeometry(x, y, w, h);
        b->SetWindowText(text);
        b->SetBackgroundColour(fromQColor(panel.palette().color(QPalette::Window)));
        b->SetSphereColour(sphere);
        b->SetTextColour(RGB(255, 255, 255));
        return b;
    };
    rounded(10, 108, 70, 32, QStringLiteral("MODE"), RGB(40, 90, 160));
    auto* on = rounded(86, 108, 70, 32, QStringLiteral("A/B"), RGB(40, 90, 160));
    on->SetExtendedStyle(BBS_TOGGLE);
    on->SetToggleState(BBST_ON);
    auto* small = rounded(162, 108, 70, 32, QStringLiteral("SPLIT"), RGB(150, 40, 40));
    small->SetSphereExternalRadius(4);
    small->SetSphereInternalRadius(1);
    auto* big = rounded(238, 104, 40, 40, QStringLiteral("F"), RGB(30, 120, 60));
    big->SetSphereExternalRadius(20);
    big->SetSphereInternalRadius(8);
    rounded(284, 108, 90, 32, QStringLiteral("ATT"), RGB(200, 160, 40))->SetTextColour(RGB(0, 0, 0));

    caption(&panel, QStringLiteral("Animated button, 3-D resource-bitmap buttons (left, top, centre, disabled)"),
            10, 160);
    auto* anim = new CAnimatedButton;
    anim->Create(1201, &panel, 263, 0, 20, 6);
    anim->setGeometry(10, 182, 44, 44);
    auto resource = [&](int x, int y, int w, int h, const QString& text, int id, COLORREF mask, int alignment) {
        auto* b = new CResourceBitmapButton;
        b->Create(text, 0, QRect(x, y, w, h), &panel, 2000);
        b->SetBitmap(id, mask, alignment);
        return b;
    };
    resource(62, 186, 90, 34, QStringLiteral("&Save"), 218, RGB(255, 0, 0), CResourceBitmapButton::AlignLeft);
    resource(158, 176, 70, 50, QStringLiteral("&Next"), 226, RGB(255, 255, 255), CResourceBitmapButton::AlignTop);
    resource(234, 186, 40, 34, QString(), 225, RGB(255, 255, 255), CResourceBitmapButton::AlignCentre);
    resource(280, 186, 90, 34, QStringLiteral("&Save"), 218, RGB(255, 0, 0), CResourceBitmapButton::AlignLeft)
        ->setEnabled(false);

    caption(&panel, QStringLiteral("Multiline text fitted to a pleasing shape"), 10, 240);
    auto* multi = new COXBitmapButton(&panel);
    multi->ModifyStyle(0, BS_MULTILINE);
    multi->SetWindowText(QStringLiteral("Read all memory channels from the radio"));
    multi->LoadBitmapResource(218, false, RGB(255, 0, 0));
    multi->move(10, 262);
    multi->SizeToContent();

    Save(panel, QStringLiteral("buttons"));
}

TEST(ButtonGallery, MaskedFields)
{
    QWidget panel;
    panel.setWindowTitle(QStringLiteral("Masked fields"));
    panel.resize(420, 170);
    caption(&panel, QStringLiteral("Frequency, prompt \"0\":"), 10, 14);
    auto* zero = new COXMaskedEdit(QString(), &panel);
    zero->SetPromptChar(QLatin1Char('0'));
    zero->SetMask(QStringLiteral("###\\.###\\.## MHz"));
    zero->SetInputText(QStringLiteral("145"));
    zero->setGeometry(200, 10, 200, 24);

    caption(&panel, QStringLiteral("Frequency edit, display font:"), 10, 50);
    auto* freq = new CFrequencyEdit(&panel);
    freq->SetPromptChar(QLatin1Char('_'));
    freq->UseDisplayFont();
    freq->SetMask(QStringLiteral("###\\.###\\.##"));
    freq->SetFrequency(14250000);
    freq->Validate();
    freq->setGeometry(200, 46, 200, 24);

    caption(&panel, QStringLiteral("Offset, seven digits:"), 10, 86);
    auto* offset = new CFrequencyEdit(&panel);
    offset->SetPromptChar(QLatin1Char('_'));
    offset->UseDisplayFont();
    offset->SetMask(QStringLiteral("##\\.###\\.## MHz"));
    offset->SetInputText(QString::asprintf("%7.7u", 60000u));
    offset->Validate();
    offset->setGeometry(200, 82, 200, 24);

    caption(&panel, QStringLiteral("Command bytes (hex):"), 10, 122);
    auto* hex = new COXMaskedEdit(QString(), &panel);
    hex->SetPromptChar(QLatin1Char('_'));
    hex->SetMask(QStringLiteral("XX XX XX XX XX"));
    hex->SetInputText(QStringLiteral("0000000003"));
    hex->setGeometry(200, 118, 200, 24);

    Save(panel, QStringLiteral("fields"));
}
