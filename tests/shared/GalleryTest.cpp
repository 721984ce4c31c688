// Renders each toolkit control offscreen into a PNG under the build tree
// (gallery/), so a person can look at them; each picture is also checked
// for not being blank.
#include "shared/ui/Banners.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/Marquee.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/OwnSpinButtonCtrl.h"
#include "shared/ui/RotBevelLine.h"
#include "shared/ui/TitleTip.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>
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

namespace {

QImage ToolIcon(QColor colour, bool round)
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(colour);
    p.setPen(colour.darker());
    if (round)
        p.drawEllipse(2, 2, 12, 12);
    else
        p.drawRect(2, 3, 11, 10);
    return image;
}

// A dialog made of the toolkit's controls, laid out as the programs' dialogs are.
class ToolkitDialog : public CBaseDialog {
public:
    ToolkitDialog() : CBaseDialog(0x1F0)
    {
        setWindowTitle("Memory Browser");
        resize(460, 330);
        auto* head = new cdxCRotBevelLine("Channels", this);
        head->setGeometry(10, 8, 330, 20);
        SetDlgCtrlID(head, 1100);
        list = new COwnListCtrl(this);
        list->setGeometry(10, 30, 330, 170);
        SetDlgCtrlID(list, 1000);
        list->SetColumns({{"Tag", LVCFMT_LEFT}, {"Frequency", LVCFMT_RIGHT}, {"Mode", LVCFMT_CENTER}});
        const char* rows[][3] = {{"HOME", "145.500.00", "FM"},  {"GB3WH", "145.775.00", "FM"},
                                 {"BEACON", "50.050.00", "CW"}, {"PSK20", "14.070.00", "USB"},
                                 {"NET80", "3.760.00", "LSB"},  {"SAT", "435.300.00", "FM"}};
        for (int i = 0; i < 6; ++i) {
            list->InsertItem(i, rows[i][0]);
            list->SetItemText(i, 1, rows[i][1]);
            list->SetItemText(i, 2, rows[i][2]);
        }
        list->EnableCheckBoxes();
        list->EnableGridLines();
        list->SetCheck(0, true);
        list->SetCheck(3, true);
        list->OnColumnClick(0);
        list->AutoSizeColumns();
        list->SelectItem(2, true);

        auto* side = new cdxCRotBevelLine("~Actions", this);
        side->setGeometry(350, 30, 20, 170);
        SetDlgCtrlID(side, 1101);
        ok = new QPushButton("OK", this);
        ok->setGeometry(376, 30, 74, 26);
        SetDlgCtrlID(ok, 1);
        auto* cancel = new QPushButton("Cancel", this);
        cancel->setGeometry(376, 62, 74, 26);
        SetDlgCtrlID(cancel, 2);

        auto* stepLabel = new CColourStatic("Step", this);
        stepLabel->setGeometry(10, 210, 60, 24);
        stepLabel->SetColours(RGB(40, 70, 120), RGB(255, 255, 255));
        stepLabel->setAlignment(Qt::AlignCenter);
        SetDlgCtrlID(stepLabel, 1200);
        auto* combo = new COwnComboBox(this);
        combo->setGeometry(76, 210, 110, 24);
        combo->AddItem("100 Hz", 100);
        combo->AddItem("2.5 kHz", 2500);
        combo->SelectByData(2500);
        SetDlgCtrlID(combo, 1201);
        auto* edit = new QLineEdit(this);
        edit->setGeometry(200, 210, 70, 24);
        SetDlgCtrlID(edit, 1202);
        auto* spin = new COwnSpinButtonCtrl(this);
        spin->setGeometry(270, 210, 16, 24);
        spin->SetBuddy(edit);
        spin->SetRange(0, 100);
        spin->SetPos(25);
        spin->SetScale(-10);
        spin->SetPrefix("+");
        spin->UpdateBuddy(-1, false);
        SetDlgCtrlID(spin, 1203);

        meter = new CBarMeter(this);
        meter->setGeometry(10, 250, 440, 22);
        meter->Initialise();
        meter->SetColourScheme(3, false);
        meter->SetBorderWidth(2);
        meter->SetRange(0, 202);
        meter->SetPos(130);
        meter->SetShowText(true);
        SetDlgCtrlID(meter, 1201 + 100);
        auto* status = new CColourStatic("Reading memory channels...", this);
        status->setGeometry(10, 282, 440, 22);
        status->SetCaptionColours();
        SetDlgCtrlID(status, 1300);

        SetAnchors({{1000, 2, 2, 0, 0}, {1100, 2, 0, 0, 0}, {1101, 0, 2, 2, 0}, {1, 0, 0, 2, 0}, {2, 0, 0, 2, 0},
                    {1200, 0, 0, 0, 2}, {1201, 0, 0, 0, 2}, {1202, 0, 0, 0, 2}, {1203, 0, 0, 0, 2},
                    {1201 + 100, 2, 0, 0, 2}, {1300, 2, 0, 0, 2}});
        RegisterToolbarResource(0x1F0, {{32801, ToolIcon(QColor(60, 140, 60), true), "Read\nRead from the radio"},
                                        {32802, ToolIcon(QColor(170, 60, 40), false), "Write\nWrite to the radio"},
                                        {0, QImage(), ""},
                                        {32803, ToolIcon(QColor(60, 90, 170), false), "Export\nShow as text"}});
    }
    bool OnInitDialog() override
    {
        CBaseDialog::OnInitDialog();
        LoadToolbarAndGrow(0x1F0, true);
        return true;
    }
    void OnUpdateCommand(CCmdUI& ui) override
    {
        if (ui.m_nID == 32802)
            ui.Enable(false);
    }
    COwnListCtrl* list;
    QPushButton* ok;
    CBarMeter* meter;
};

class BannerWindow : public QWidget {
public:
    BannerWindow()
    {
        setWindowTitle("PSK31 Brevio");
        resize(420, 300);
        auto* credits = new CCreditsStatic(this);
        credits->setGeometry(0, 0, 420, 240);
        bar = new CMarqueeStatusBar(this);
        bar->setGeometry(0, 246, 420, 54);
        bar->SetItems({"CQ CQ de QT9XVK", "#BMP 347 -1", "Listening on 14.070 MHz"});
    }
    CMarqueeStatusBar* bar;
};

// Under a real display and with CORVANE_SCREENSHOT_DIR set, the windows are
// photographed from the screen as an operator sees them (docs/ holds such
// pictures, taken with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a build/tests/shared_tests --gtest_filter='Gallery.T*:Gallery.B*');
// otherwise they are rendered into the gallery.
void Photograph(QWidget& w, const QString& name)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb")) {
        Save(w, name);
        return;
    }
    QTest::qWait(600);
    QCoreApplication::processEvents();
    const QRect frame = w.frameGeometry();
    const QPixmap shot = w.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    EXPECT_TRUE(shot.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

} // namespace

TEST(Gallery, ToolkitDialog)
{
    ToolkitDialog dlg;
    dlg.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    dlg.resize(520, 400);
    EXPECT_GT(dlg.list->width(), 330);
    Photograph(dlg, "toolkit-dialogs");
}

TEST(Gallery, BannersAndMarquee)
{
    BannerWindow window;
    window.show();
    for (int i = 0; i < 120; ++i)
        window.bar->GetMarquee()->ScrollStep();
    Photograph(window, "toolkit-banners");
}
