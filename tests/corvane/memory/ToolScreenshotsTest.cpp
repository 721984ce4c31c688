// Under a real display with CORVANE_SCREENSHOT_DIR set, the tools whose
// windows change as they work are photographed on the simulator: Clone Save
// with its progress bar, Command Entry after a refused Send (its long status
// on a line of its own), and the About box with the program's icon. docs/
// holds these, taken with
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a -s '-screen 0 1280x900x24'
//     build/tests/corvane_memory_tests --gtest_filter='ToolScreenshots.*'
#include "MemoryRadioFixture.h"

#include "corvane/core/AboutDialog.h"
#include "corvane/memory/CloneDialogs.h"
#include "corvane/memory/CommandEntryDialog.h"
#include "platform/DataFolder.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/edit/FrequencyEdit.h"

#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

using namespace memtest;

namespace {
using ToolScreenshots = MemoryRadio;
} // namespace

TEST_F(ToolScreenshots, Photographs)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "screenshots are taken under a real display only";
    start();
    auto photograph = [&dir](QWidget& w, const char* name) {
        w.show();
        QTest::qWait(600);
        QCoreApplication::processEvents();
        const QRect r = w.frameGeometry();
        const QPixmap shot = w.screen()->grabWindow(0, r.x(), r.y(), r.width(), r.height());
        EXPECT_TRUE(shot.save(dir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png")));
    };
    {
        const QString path = platform::dataFilePath(QStringLiteral("Calibration.txt"));
        QFile::remove(path);
        CCloneSaveDialog dialog;
        dialog.show();
        dialog.GetSectionButton(0)->click();
        testsupport::prompter().m_files.push_back(path);
        dialog.GetChooseButton()->click();
        dialog.OnOK();
        EXPECT_TRUE(QFile::exists(path));
        photograph(dialog, "corvane-clone-save");
        QFile::remove(path);
    }
    {
        CCommandEntryDialog dialog;
        dialog.show();
        const char* const bytes[5] = {"00", "02", "00", "00", "BC"};
        for (int i = 0; i < 5; ++i)
            dialog.GetByteEdit(i)->SetInputText(QString::fromLatin1(bytes[i]), 0, true);
        dialog.GetSendButton()->click();
        EXPECT_EQ(dialog.GetStatus(), "Error - cannot write to address 0x0000 to 0x0005");
        photograph(dialog, "corvane-command-entry");
    }
    {
        CAboutDialog about;
        photograph(about, "corvane-about");
    }
}
