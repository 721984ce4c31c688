#include "shared/buttons/OXRoundedButton.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(RoundedButton, RadiiInEffect)
{
    struct Case {
        QSize size;
        int external, internal;
        QSize radii;
    } cases[] = {
        {{60, 30}, 8, 3, {8, 3}},
        {{10, 30}, 8, 3, {5, 3}},  // half the smaller side limits both
        {{4, 4}, 8, 3, {2, 2}},
        {{1, 40}, 8, 3, {0, 0}},
    };
    for (const Case& c : cases) {
        COXRoundedButton b;
        b.resize(c.size);
        b.SetSphereExternalRadius(c.external);
        b.SetSphereInternalRadius(c.internal);
        EXPECT_EQ(b.GetSphereRadii(), c.radii) << c.size.width() << "x" << c.size.height();
    }
}

TEST(RoundedButton, RadiusSettersKeepTheInvariant)
{
    COXRoundedButton b;
    EXPECT_FALSE(b.SetSphereExternalRadius(2)); // below the internal 3
    EXPECT_FALSE(b.SetSphereExternalRadius(0));
    EXPECT_FALSE(b.SetSphereInternalRadius(9)); // above the external 8
    EXPECT_FALSE(b.SetSphereInternalRadius(-1));
    EXPECT_EQ(b.GetSphereExternalRadius(), 8);
    EXPECT_EQ(b.GetSphereInternalRadius(), 3);
    EXPECT_TRUE(b.SetSphereInternalRadius(8));
    EXPECT_TRUE(b.SetSphereExternalRadius(12));
    EXPECT_TRUE(b.SetSphereInternalRadius(0));
}

TEST(RoundedButton, PushedAndToggledLooks)
{
    COXRoundedButton b;
    b.resize(60, 30);
    const auto normal = b.GetSphereLook(0);
    EXPECT_EQ(normal.internalRadius, 3);
    EXPECT_FLOAT_EQ(normal.azimuth, -45.0f);
    EXPECT_FLOAT_EQ(normal.specular, 0.6f);
    const auto pushed = b.GetSphereLook(ODS_SELECTED);
    EXPECT_EQ(pushed.externalRadius, 8);
    EXPECT_EQ(pushed.internalRadius, (8 - 3) / 3 + 3);
    EXPECT_FLOAT_EQ(pushed.azimuth, 135.0f);
    EXPECT_FLOAT_EQ(pushed.specular, 0.0f);
    b.SetExtendedStyle(BBS_TOGGLE);
    b.SetToggleState(BBST_ON);
    EXPECT_EQ(b.GetSphereLook(0).internalRadius, 4);
}

TEST(RoundedButton, TextStaysOnTheFlatTop)
{
    COXRoundedButton round;
    COXBitmapButton flat;
    for (COXBitmapButton* b : {static_cast<COXBitmapButton*>(&round), &flat}) {
        b->SetWindowText(QStringLiteral("Mode"));
        b->resize(80, 40);
    }
    const int d = 8 - 3;
    EXPECT_EQ(round.GetFitSize(), flat.GetFitSize() + QSize(2 * d, 2 * d));
    // In a narrow button the wider margins leave the text less room.
    round.resize(40, 40);
    flat.resize(40, 40);
    QRect roundText, flatText;
    round.CalcLayout(0, round.rect(), nullptr, nullptr, &roundText);
    flat.CalcLayout(0, flat.rect(), nullptr, nullptr, &flatText);
    EXPECT_LT(roundText.width(), flatText.width());
    // The margins are back once the layout is done.
    EXPECT_EQ(round.GetFitSize(), flat.GetFitSize() + QSize(2 * d, 2 * d));
}

TEST(RoundedButton, FaceIsTheCushionInTheGivenColours)
{
    QWidget window;
    auto* b = new COXRoundedButton(&window);
    b->setGeometry(0, 0, 60, 30);
    b->SetBackgroundColour(RGB(0, 0, 0));
    b->SetSphereColour(RGB(200, 40, 40));
    b->SetHotTrack(true); // does not change the face
    window.show();
    const QImage shot = b->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(0, 0)), QColor(0, 0, 0));
    const QColor centre(shot.pixel(30, 15));
    EXPECT_GT(centre.red(), 200);
    EXPECT_LT(centre.green(), 60);

    // Faces too small to shade are filled, never overrun.
    for (QSize tiny : {QSize(1, 1), QSize(1, 20), QSize(0, 0), QSize(2, 2)}) {
        b->resize(tiny);
        b->grab();
    }
}

} // namespace
