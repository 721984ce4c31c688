// The spin, combo and colour-label controls.
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnSpinButtonCtrl.h"
#include "shared/WinDraw.h"
#include "shared/ui/ColourMix.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

TEST(OwnSpinButtonCtrl, BuddyText)
{
    struct Case {
        const char* prefix;
        int scale, offset, pos;
        const char* text;
    };
    const Case cases[] = {
        {"", -10, 0, 55, "5.5"},
        {"+", 2, -1, 10, "+18"},
        {"x", 0, 0, 10, ""},
        {"", 1, 0, -3, "-3"},
        {"", -3, 0, -5, "-1.7"},
        {"Step ", 25, 0, 4, "Step 100"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(COwnSpinButtonCtrl::BuddyText(c.prefix, c.scale, c.offset, c.pos), QString::fromLatin1(c.text))
            << c.scale << " " << c.pos;
}

TEST(OwnSpinButtonCtrl, WritesItsBuddyAndHoldsTheRange)
{
    QWidget dialog;
    auto* edit = new QLineEdit(&dialog);
    auto* spin = new COwnSpinButtonCtrl(&dialog);
    spin->SetBuddy(edit);
    spin->SetRange(0, 20);
    spin->SetPos(10);
    spin->SetPrefix("T");
    spin->SetScale(-10);
    spin->UpdateBuddy(-1, false);
    EXPECT_EQ(edit->text(), QStringLiteral("T1.0"));
    EXPECT_EQ(spin->GetPos(), 10);

    // A notification writes the new position but leaves the position to the
    // control's own handling.
    EXPECT_EQ(spin->OnDeltaPos(10, 1), 0);
    EXPECT_EQ(edit->text(), QStringLiteral("T1.1"));
    EXPECT_EQ(spin->GetPos(), 10);
    EXPECT_EQ(spin->OnDeltaPos(20, 1), 0);
    EXPECT_EQ(edit->text(), QStringLiteral("T2.0"));
    EXPECT_EQ(spin->OnDeltaPos(0, -1), 0);
    EXPECT_EQ(edit->text(), QStringLiteral("T0.0"));

    QSignalSpy moved(spin, &COwnSpinButtonCtrl::positionChanged);
    spin->resize(16, 24);
    dialog.show();
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(8, 3));
    EXPECT_EQ(spin->GetPos(), 11);
    EXPECT_EQ(edit->text(), QStringLiteral("T1.1"));
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(8, 20));
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(8, 20));
    EXPECT_EQ(spin->GetPos(), 9);
    EXPECT_EQ(edit->text(), QStringLiteral("T0.9"));
    EXPECT_EQ(moved.count(), 3);
    spin->SetPos(20);
    QTest::mouseClick(spin, Qt::LeftButton, {}, QPoint(8, 3));
    EXPECT_EQ(spin->GetPos(), 20);
    EXPECT_EQ(edit->text(), QStringLiteral("T2.0"));
}

TEST(OwnComboBox, ItemsCarryData)
{
    COwnComboBox combo;
    EXPECT_EQ(combo.GetSelectedData(), 0u);
    EXPECT_EQ(combo.GetSelectedText(), QString());
    QSignalSpy changed(&combo, &QComboBox::currentIndexChanged);
    combo.AddItem("10 Hz", 10);
    combo.AddItem("100 Hz", 100);
    combo.AddItem("1 kHz", 1000);
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.GetSelectedData(), 0u);
    combo.SelectByData(100);
    EXPECT_EQ(combo.GetSelectedData(), 100u);
    EXPECT_EQ(combo.GetSelectedText(), QStringLiteral("100 Hz"));
    combo.SelectByData(12345); // no such item: unchanged
    EXPECT_EQ(combo.GetSelectedData(), 100u);
    EXPECT_EQ(changed.count(), 0); // filling and selecting from code is silent

    COwnComboBox other;
    other.AddStrings({"a", "b"});
    EXPECT_EQ(other.GetItemData(1), 1u);
    other.AddStringsWithData({"c", "d"}, {7, 9});
    EXPECT_EQ(other.GetItemData(3), 9u);
    EXPECT_EQ(other.count(), 4);
}

TEST(ColourStatic, ColoursAndDisabledText)
{
    CColourStatic label("Text");
    EXPECT_EQ(label.GetBackgroundColour(), winapi::GetSysColor(winapi::COLOR_BTNFACE));
    EXPECT_EQ(label.GetTextColour(), winapi::GetSysColor(winapi::COLOR_BTNTEXT));
    label.SetColours(RGB(255, 255, 255), RGB(0, 0, 0));
    label.setEnabled(false);
    EXPECT_EQ(label.PaintedTextColour(), RGB(204, 204, 204));
    label.setEnabled(true);
    EXPECT_EQ(label.PaintedTextColour(), RGB(0, 0, 0));
    label.SetBackgroundColour(RGB(0, 0, 255));
    label.SetTextColour(RGB(255, 255, 0));
    label.resize(60, 20);
    QImage image(label.size(), QImage::Format_RGB32);
    label.render(&image);
    EXPECT_EQ(fromQColor(QColor(image.pixel(58, 2))), RGB(0, 0, 255));
}
