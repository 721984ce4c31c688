// The EEPROM tools' windows rendered into the build's gallery (gallery/) on
// the simulator, so a person can look at them; each picture is also checked
// for content.
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/memory/CWSettingsDialog.h"
#include "corvane/memory/CWSpeedDialog.h"
#include "corvane/memory/CalibrationDialog.h"
#include "corvane/memory/CloneDialogs.h"
#include "corvane/memory/CommandEntryDialog.h"
#include "corvane/memory/MemoryAnalyserDialog.h"
#include "corvane/memory/MemoryBrowserDialog.h"
#include "corvane/memory/MenuManager.h"
#include "corvane/memory/RepeaterPanel.h"
#include "corvane/memory/RepeaterSheet.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QImage>

using namespace memtest;

namespace {
QString galleryPath(const QString& name)
{
    const QString dir = testsupport::buildDir() + QStringLiteral("/gallery");
    QDir().mkpath(dir);
    return dir + QLatin1Char('/') + name;
}

bool hasContent(const QImage& image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}

void shoot(QWidget& window, const char* name)
{
    window.show();
    QApplication::processEvents();
    const QImage image = window.grab().toImage();
    EXPECT_TRUE(image.save(galleryPath(QString::fromLatin1(name)))) << name;
    EXPECT_TRUE(hasContent(image)) << name;
}

// The radio's 2 m record as a front panel would poll it.
class RecordPanel final : public CRepeaterPanel {
public:
    bool PollRadio(bool) override { return true; }
    uint8_t GetEepromByte(int) const override { return 0x60; }
    uint8_t GetRecordByte(int n) const override
    {
        switch (n) {
        case 1: return 0x44;
        case 4: return 0x01;
        case 6: return 8;
        case 16: return 0xEA;
        case 17: return 0x60;
        default: return 0;
        }
    }
    bool IsDualWatch() const override { return false; }
};
} // namespace

TEST_F(MemoryRadio, GalleryOfTheEepromTools)
{
    start();
    CCalibrationDialog calibration;
    calibration.show();
    ASSERT_TRUE(waitFor([&] { return calibration.GetReloadCount() == 1; }));
    calibration.GetList()->SelectItem(6, true);
    shoot(calibration, "eeprom-calibration.png");

    CMemoryAnalyserDialog analyser;
    analyser.SetFromTo("0055", "0080");
    analyser.OnBaseline();
    ASSERT_TRUE(app->GetCatLink().WriteEepromBits(0x62, 0x3F, 8, QString()));
    analyser.OnChanges();
    shoot(analyser, "eeprom-analyser.png");

    CMemoryBrowserDialog browser;
    browser.SetFromTo("0000", "0050");
    browser.OnLoad();
    shoot(browser, "eeprom-browser.png");

    CMenuManager manager;
    manager.show();
    QApplication::processEvents();
    for (int page : {0, 2, 5, 9}) {
        manager.SetActivePage(page);
        shoot(manager, QString::asprintf("eeprom-menu-%d.png", page).toLatin1().constData());
    }
    manager.OnCancel();

    CCWSpeedDialog speed;
    shoot(speed, "eeprom-cw-speed.png");
    CCWSettingsDialog cw;
    shoot(cw, "eeprom-cw-settings.png");

    RecordPanel panel;
    CRepeaterSheet repeater(&panel);
    shoot(repeater, "eeprom-repeater.png");
    repeater.SetActivePage(1);
    shoot(repeater, "eeprom-repeater-ctcss.png");

    CCloneSaveDialog cloneSave;
    shoot(cloneSave, "eeprom-clone-save.png");
    CCloneLoadDialog cloneLoad;
    shoot(cloneLoad, "eeprom-clone-load.png");
    CCommandEntryDialog entry;
    shoot(entry, "eeprom-command-entry.png");
}
