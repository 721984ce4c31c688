// Pictures of the front panel in its three sizes, polled from the simulator.
// Under a real display with CORVANE_SCREENSHOT_DIR set they are taken from
// the screen as an operator sees them:
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1400x1000x24" \
//       build/tests/corvane_frontpanel_tests --gtest_filter='FrontPanelGallery.*'
// otherwise each is rendered offscreen. Either way the panel must show the
// frequency and S-meter the radio reported.
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/DisplayFrame.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FormLayout.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/frontpanel/PanelArtwork.h"
#include "corvane/core/DocView.h"
#include "PanelTestSupport.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>

using namespace paneltest;

namespace {
// The frequency display's digit row as drawn: '.' a point, ' ' a blank digit.
QString Digits(const CFrequencyDisplay& display)
{
    QString text;
    for (int id : display.DigitRowIds()) {
        for (int i = 0; i < 13; ++i) {
            if (PanelArtwork::DigitGlyphId(display.DigitSize(), i) != id)
                continue;
            if (i == 0)
                text += QLatin1Char('.');
            else if (i == 2)
                text += QLatin1Char(' ');
            else if (i > 2)
                text += QChar(u'0' + (i - 3));
            break;
        }
    }
    return text;
}

class FrontPanelGallery : public SimFixture {
protected:
    void photograph(int size, const QString& name)
    {
        testsupport::Simulator::Options o;
        o.sMeter = 11;
        o.pokes << "0079=08";  // 2.5 W... and the dual-watch bits clear
        start(o);
        GetSettings().SetDefaults();
        CMDIFrameWnd main;
        auto* frame = new CDisplayFrame;
        auto* document = new CDisplayDoc;
        auto* view = new CDisplayView(nullptr, link.get(), size);
        document->AddView(view);
        ASSERT_TRUE(frame->OnCreateClient(view));
        QMdiSubWindow* sub = frame;
        main.GetMdiClient()->addSubWindow(frame);
        const QSize form = CFormLayout::FormSize(size);
        sub->resize(form + QSize(24, 40));
        main.resize(form + QSize(60, 110));
        main.show();
        sub->show();
        frame->GetView()->InitialUpdate(false);
        QTest::qWait(400);
        link->SetFrequency(1423456);
        frame->GetView()->PollRadio(false);
        frame->GetView()->PollRadio(false);
        // The picture shows what the polls read from the radio.
        const CFrequencyDisplay* display = frame->GetView()->GetRadioState();
        EXPECT_TRUE(QTest::qWaitFor([&] { return Digits(*display) == QLatin1String(" 14.234.56"); }, 5000))
            << Digits(*display).toStdString();
        EXPECT_EQ(display->GetSMeter(), 11);
        const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
        if (!dir.isEmpty() && QGuiApplication::platformName() == QLatin1String("xcb")) {
            QTest::qWait(600);
            const QRect r = main.frameGeometry();
            const QPixmap shot = main.screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
            EXPECT_TRUE(shot.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
        } else {
            const QPixmap shot = main.grab();
            const QString out = qEnvironmentVariable("CORVANE_GALLERY_DIR");
            if (!out.isEmpty())
                shot.save(out + QLatin1Char('/') + name + QStringLiteral(".png"));
        }
    }
};
} // namespace

TEST_F(FrontPanelGallery, Small) { photograph(0, "corvane-front-panel-small"); }
TEST_F(FrontPanelGallery, Medium) { photograph(1, "corvane-front-panel-medium"); }
TEST_F(FrontPanelGallery, Large) { photograph(2, "corvane-front-panel-large"); }
