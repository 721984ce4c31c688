// frontpanel_bench: what one front-panel poll costs.
//
//   frontpanel_bench [renders=500] [polls=100] [baud=38400]
//
// Rendering: the large panel (template 324) with every control on screen
// (offscreen platform unless QT_QPA_PLATFORM says otherwise) takes one
// polled record and brings its controls in line with it, then paints them
// all; two records that differ in frequency, S-meter, mode, lamps and
// buttons alternate, so every render changes what the panel shows (the
// worst case; a steady radio repaints almost nothing). Target: under 5 ms.
//
// CAT time: the poll's read sequence (16 exchanges) against bin/ft817-sim
// pacing its replies at the line speed, against the wire time of the bytes
// (11 bits each: start, eight data, two stop).
#include "corvane/core/CatLink.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FormLayout.h"
#include "corvane/frontpanel/RadioPoll.h"
#include "corvane/frontpanel/RadioStatus.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
struct Stats {
    double mean, median, p95, max;
};

Stats stats(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v)
        sum += x;
    return {sum / double(v.size()), v[v.size() / 2], v[std::min(v.size() - 1, v.size() * 95 / 100)], v.back()};
}

void print(const char* name, const Stats& s, const char* unit = "ms")
{
    std::printf("  %-34s mean %7.3f %s  median %7.3f  p95 %7.3f  max %7.3f\n", name, s.mean, unit, s.median, s.p95,
                s.max);
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int renders = argc > 1 ? std::max(2, atoi(argv[1])) : 500;
    const int polls = argc > 2 ? std::max(1, atoi(argv[2])) : 100;
    const int baud = argc > 3 ? atoi(argv[3]) : 38400;
    GetSettings().SetDefaults();

    QProcess sim;
    const QString simPath = QCoreApplication::applicationDirPath() + QStringLiteral("/ft817-sim");
    sim.start(simPath, {QStringLiteral("--print-path"), QStringLiteral("--exit-with-parent"), QStringLiteral("--realtime"),
                        QStringLiteral("--baud"), QString::number(baud)});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        std::fprintf(stderr, "frontpanel_bench: cannot start %s\n", qPrintable(simPath));
        return 1;
    }
    const QString port = QString::fromLocal8Bit(sim.readLine()).trimmed();
    CCatLink link;
    QString error;
    if (!link.Open(port, QString::number(baud), error)) {
        std::fprintf(stderr, "frontpanel_bench: %s\n", qPrintable(error));
        return 1;
    }

    // --- CAT time of one poll ---
    std::vector<double> cat;
    CRadioPoll poll(link, GetSettings());
    CRadioStatus first;
    for (int i = 0; i < polls + 3; ++i) {
        CRadioStatus s;
        QElapsedTimer t;
        t.start();
        poll.ReadRadioStatus(s, CRadioStatus::kNoChannel);
        if (i >= 3)
            cat.push_back(double(t.nsecsElapsed()) / 1e6);
        if (s.m_bFailed) {
            std::fprintf(stderr, "frontpanel_bench: a poll failed\n");
            return 1;
        }
        first = s;
    }
    const int sent = 16 * 5, received = 5 + 1 + 1 + 12 * 2 + 1;
    const double byteMs = 11.0 * 1000.0 / baud;

    // --- Rendering at the large size ---
    QWidget window;
    auto* view = new CDisplayView(&window, &link, 2);
    const QSize form = CFormLayout::FormSize(2);
    window.resize(form + QSize(2, 2));
    view->resize(form + QSize(2, 2));
    window.show();
    view->InitialUpdate(false);
    QCoreApplication::processEvents();
    view->Relayout();
    view->Form()->show();

    // The second record: another frequency, S9+40, FM, tone squelch, squelch open.
    CRadioStatus second = first;
    second.SetFrequencyWord(CRadioStatus::HzToBcdWord(14234560));
    second.m_nRxStatus = 0x0D;
    second.m_nMode = 0x08;
    second.m_current[0] = 0x44;
    second.m_current[1] = 0x70;
    second.m_current[3] = 0x02;
    second.m_eeprom[CRadioStatus::EepromIndex(0x79)] = 0x1B;
    second.m_eeprom[CRadioStatus::EepromIndex(0x57)] = 0x22;
    std::vector<double> apply, paint;
    for (int i = 0; i < renders; ++i) {
        const CRadioStatus& record = (i % 2) ? second : first;
        QElapsedTimer t;
        t.start();
        view->Panel().ApplyRadioStatus(record);
        const double a = double(t.nsecsElapsed()) / 1e6;
        view->Form()->repaint();
        const double total = double(t.nsecsElapsed()) / 1e6;
        if (i >= 4) {
            apply.push_back(a);
            paint.push_back(total);
        }
    }

    std::printf("frontpanel_bench: large panel %dx%d px, %d renders, platform %s\n", form.width(), form.height(),
                renders, qPrintable(QGuiApplication::platformName()));
    print("state into controls", stats(apply));
    const Stats total = stats(paint);
    print("state and full repaint (one poll)", total);
    std::printf("  target: under 5 ms per poll ... %s (mean %.3f ms)\n", total.mean < 5.0 ? "met" : "MISSED", total.mean);
    std::printf("\nCAT time of one poll against ft817-sim --realtime at %d baud 8N2 (%d polls)\n", baud, polls);
    const Stats c = stats(cat);
    print("read sequence (16 exchanges)", c);
    const double wire = (sent + received) * byteMs;
    std::printf("  wire limit %.2f ms (%d bytes sent %.2f ms, %d received %.2f ms)\n", wire, sent, sent * byteMs,
                received, received * byteMs);
    std::printf("  on a real line %.2f ms (measured + sent bytes' wire time), ratio to the wire limit %.3f\n",
                c.mean + sent * byteMs, (c.mean + sent * byteMs) / wire);
    std::printf("  poll period 200 ms: the line is busy %.1f%% of it\n", 100.0 * (c.mean + sent * byteMs) / 200.0);
    sim.terminate();
    sim.waitForFinished(2000);
    return 0;
}
