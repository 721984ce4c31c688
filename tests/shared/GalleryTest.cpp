// Renders each toolkit control offscreen into a PNG under the build tree
// (gallery/), so a person can look at them; each picture is also checked
// for not being blank.
#include "shared/ui/BarMeter.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/OwnSpinButtonCtrl.h"
#include "shared/ui/RotBevelLine.h"
#include "shared/ui/TitleTip.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QLineEdit>
#include <QSet>
#include <gtest/gtest.h>

namespace {

void Save(QWidget& w, const QString& name)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/gallery");
    QDir().mkpath(dir);
    QImage image(w.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    w.render(&image);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 2) << name.toStdString() << " looks blank";
    EXPECT_TRUE(image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"))) << name.toStdString();
}

} // namespace

TEST(Gallery, BarMeters)
{
    QWidget panel;
    panel.resize(260, 150);
    auto* a = new CBarMeter(&panel);
    a->setGeometry(10, 10, 240, 22);
    a->Initialise();
    a->SetRange(0, 200);
    a->SetPos(120);
    a->SetShowText(true);

    auto* b = new CBarMeter(&panel);
    b->setGeometry(10, 42, 240, 22);
    b->Initialise();
    b->SetColourScheme(3, false);
    b->SetBorderWidth(2);
    b->SetPos(70);
    b->SetShowText(true);
    b->SetText("Reading memories");

    auto* c = new CBarMeter(&panel);
    c->setGeometry(10, 74, 240, 30);
    c->Initialise();
    c->SetColourScheme(2, false);
    c->SetTrackStyle(true);
    c->SetPicture(347, RGB(255, 0, 0), 4);
    c->SetPos(40);
    c->SetShowText(true);
    c->SetTextAlignment(0);

    auto* d = new CBarMeter(&panel);
    d->setGeometry(10, 114, 240, 22);
    d->Initialise();
    d->SetColourScheme(1, false);
    d->SetRange(0, 0); // empty range: empty bar
    d->SetShowText(true);
    Save(panel, "bar-meters");
}

TEST(Gallery, ListComboSpinAndLabels)
{
    QWidget panel;
    panel.resize(360, 260);
    auto* list = new COwnListCtrl(&panel);
    list->setGeometry(10, 10, 340, 130);
    list->SetColumns({{"Channel", LVCFMT_LEFT}, {"Frequency", LVCFMT_RIGHT}, {"Mode", LVCFMT_CENTER}});
    const char* rows[][3] = {{"Home", "145.500.00", "FM"}, {"Beacon", "50.050.00", "CW"}, {"Net", "3.760.00", "LSB"}};
    for (int i = 0; i < 3; ++i) {
        list->InsertItem(i, rows[i][0]);
        list->SetItemText(i, 1, rows[i][1]);
        list->SetItemText(i, 2, rows[i][2]);
    }
    list->EnableCheckBoxes();
    list->EnableGridLines();
    list->SetCheck(1, true);
    list->OnColumnClick(0);
    list->AutoSizeColumns();
    list->SelectItem(2, true);

    auto* combo = new COwnComboBox(&panel);
    combo->setGeometry(10, 150, 150, 24);
    combo->AddItem("100 Hz", 100);
    combo->AddItem("1 kHz", 1000);
    combo->SelectByData(1000);

    auto* edit = new QLineEdit(&panel);
    edit->setGeometry(180, 150, 80, 24);
    auto* spin = new COwnSpinButtonCtrl(&panel);
    spin->setGeometry(260, 150, 16, 24);
    spin->SetBuddy(edit);
    spin->SetRange(0, 100);
    spin->SetPos(55);
    spin->SetScale(-10);
    spin->SetPrefix("+");
    spin->UpdateBuddy(-1, false);

    auto* label = new CColourStatic("Colour label", &panel);
    label->setGeometry(10, 184, 150, 22);
    label->SetColours(RGB(0, 64, 128), RGB(255, 255, 160));
    auto* dim = new CColourStatic("Disabled label", &panel);
    dim->setGeometry(180, 184, 150, 22);
    dim->SetColours(RGB(255, 255, 255), RGB(0, 0, 0));
    dim->setEnabled(false);

    auto* tip = new CTitleTip(&panel);
    tip->Show(&panel, 200, 220, "2m\\Repeaters", "GB3WH");
    Save(panel, "list-combo-spin-labels");
}

TEST(Gallery, BevelLines)
{
    QWidget panel;
    panel.resize(300, 160);
    panel.setAutoFillBackground(true);
    auto* left = new cdxCRotBevelLine("Receiver", &panel);
    left->setGeometry(10, 10, 220, 20);
    auto* centre = new cdxCRotBevelLine("Transmitter", &panel);
    centre->setAlignment(Qt::AlignHCenter);
    centre->setGeometry(10, 40, 220, 20);
    auto* right = new cdxCRotBevelLine("Disabled", &panel);
    right->setAlignment(Qt::AlignRight);
    right->setEnabled(false);
    right->setGeometry(10, 70, 220, 20);
    auto* up = new cdxCRotBevelLine("Upward", &panel);
    up->setGeometry(240, 10, 20, 140);
    auto* down = new cdxCRotBevelLine("~Downward", &panel);
    down->setGeometry(270, 10, 20, 140);
    Save(panel, "bevel-lines");
}
