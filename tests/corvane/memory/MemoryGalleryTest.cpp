// The memory tools' windows rendered into the build's gallery (gallery/) on
// the simulator's memory, so a person can look at them: the manager once its
// list holds the radio's 202 channels, the editor and the sort dialog. Each
// picture is checked only to be saved and to be drawn (not one flat colour).
#include "MemoryRadioFixture.h"
#include "MemoryTestSupport.h"

#include "corvane/core/MainFrame.h"
#include "corvane/memory/MemoryChannelEditorDialog.h"
#include "corvane/memory/MemoryManagerDialog.h"
#include "corvane/memory/MemorySortDialog.h"
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

// A picture that is not one flat colour.
bool hasContent(const QImage& image)
{
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (image.pixel(x, y) != first)
                return true;
    return false;
}
} // namespace

TEST_F(MemoryRadio, GalleryOfTheMemoryTools)
{
    start();
    CMainFrame frame;
    frame.MakeMainFrame();
    CMemoryManagerDialog manager(nullptr, false);
    manager.show();
    ASSERT_TRUE(waitFor([&] { return manager.GetLiveList()->GetItemCount() == 202; }));
    manager.GetLiveList()->SelectItem(3, true);
    QApplication::processEvents();
    const QImage managerImage = manager.grab().toImage();
    EXPECT_TRUE(managerImage.save(galleryPath("memory-manager.png")));
    EXPECT_TRUE(hasContent(managerImage));

    CMemoryChannelEditorDialog editor(&manager, &manager.Model().Live(), 3, true);
    editor.show();
    QApplication::processEvents();
    const QImage editorImage = editor.grab().toImage();
    EXPECT_TRUE(editorImage.save(galleryPath("memory-editor.png")));
    EXPECT_TRUE(hasContent(editorImage));
    editor.hide();

    CMemorySortDialog sort(&manager, "FT-817 Memories", true, true);
    sort.show();
    QApplication::processEvents();
    const QImage sortImage = sort.grab().toImage();
    EXPECT_TRUE(sortImage.save(galleryPath("memory-sort.png")));
    EXPECT_TRUE(hasContent(sortImage));
}
