#include "shared/ui/OwnColorDialog.h"
#include "shared/ui/OwnFileDialog.h"

#include "shared/Registry.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QColorDialog>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
using Chooser = bool (*)(QWidget*, QString&, const QString&);

void Touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}
} // namespace

TEST(FileChoosers, FiltersInBothCases)
{
    struct Case {
        Chooser chooser;
        const char* qtFilter;
    };
    const Case cases[] = {
        {ChooseTextFileToOpen, "Text Files (*.TXT *.txt)"},
        {ChooseWaveFileToOpen, "Wave Files (*.WAV *.wav)"},
        {ChoosePaletteFileToOpen, "Palette Files (*.PAL *.pal)"},
        {ChooseColourFileToOpen, "Colour Files (*.PBR_PAL *.pbr_pal)"},
        {ChooseBitmapFileToSave, "Bitmap Files (*.BMP *.bmp)"},
        {ChooseAdifFileToSave,
         "ADIF Files (*.ADF *.adf);;ADIF Files (*.ADI *.adi);;Text Files (*.TXT *.txt);;All Files (*)"},
        {ChooseTextFileToSave, "Text Files (*.TXT *.txt)"},
        {ChooseMapPlotFileToSave, "Map Plot Files (*.PNT *.pnt)"},
        {ChooseRtfFileToSave, "Rich Text Files (*.RTF *.rtf)"},
        {ChoosePaletteFileToSave, "Palette Files (*.PAL *.pal)"},
        {ChooseWaveFileToSave, "Wave Files (*.WAV *.wav)"},
        {ChooseColourFileToSave, "Colour Files (*.PBR_PAL *.pbr_pal)"},
    };
    auto& prompter = testsupport::prompter();
    ASSERT_EQ(FileChooserSpecs().size(), 12);
    for (int i = 0; i < 12; ++i) {
        prompter.clear();
        QString path = QStringLiteral("keep.me");
        EXPECT_FALSE(cases[i].chooser(nullptr, path, QStringLiteral("Title %1").arg(i))) << i; // cancelled
        EXPECT_EQ(path, QStringLiteral("keep.me"));
        ASSERT_EQ(prompter.m_chooserFilters.size(), 1);
        EXPECT_EQ(prompter.m_chooserFilters[0], QString::fromLatin1(cases[i].qtFilter)) << i;
        EXPECT_EQ(prompter.m_chooserCaptions[0], QStringLiteral("Title %1").arg(i));
        EXPECT_EQ(COwnFileDialog::QtFilter(QString::fromLatin1(FileChooserSpecs()[i].pFilter)),
                  QString::fromLatin1(cases[i].qtFilter));
    }
}

TEST(FileChoosers, DefaultExtensions)
{
    const QString dir = testsupport::dataFolder();
    QDir().mkpath(dir);
    struct Case {
        Chooser chooser;
        const char* typed;
        const char* result;
    };
    const Case cases[] = {
        {ChooseAdifFileToSave, "log", "log.txt"}, // whatever filter is selected
        {ChooseAdifFileToSave, "log.adi", "log.adi"},
        {ChooseBitmapFileToSave, "shot", "shot.bmp"},
        {ChooseMapPlotFileToSave, "plot", "plot.pnt"},
        {ChooseColourFileToSave, "mine", "mine.pbr_pal"},
        {ChooseRtfFileToSave, "rx.text", "rx.text"},
    };
    auto& prompter = testsupport::prompter();
    for (const Case& c : cases) {
        prompter.clear();
        prompter.m_files = {dir + QLatin1Char('/') + QString::fromLatin1(c.typed)};
        QString path;
        EXPECT_TRUE(c.chooser(nullptr, path, QString()));
        EXPECT_EQ(path, dir + QLatin1Char('/') + QString::fromLatin1(c.result)) << c.typed;
    }
}

TEST(FileChoosers, ReplaceAndMustExistRules)
{
    const QString dir = testsupport::dataFolder();
    QDir().mkpath(dir);
    Touch(dir + "/old.txt");
    auto& prompter = testsupport::prompter();

    // Saving over a file reached by adding the extension asks first; No asks
    // for another name.
    prompter.m_files = {dir + "/old", dir + "/new"};
    prompter.m_answers = {platform::IDNO};
    QString path;
    EXPECT_TRUE(ChooseTextFileToSave(nullptr, path, "Save Favourite Definitions"));
    EXPECT_EQ(path, dir + "/new.txt");
    ASSERT_EQ(prompter.m_boxes.size(), 1);
    EXPECT_EQ(prompter.m_boxes[0].text, QStringLiteral("old.txt already exists.\nDo you want to replace it?"));
    EXPECT_EQ(prompter.m_boxes[0].caption, QStringLiteral("Save Favourite Definitions"));

    // An open chooser takes only an existing file.
    prompter.clear();
    prompter.m_files = {dir + "/missing", dir + "/old"};
    path.clear();
    EXPECT_TRUE(ChooseTextFileToOpen(nullptr, path));
    EXPECT_EQ(path, dir + "/old.txt");
    ASSERT_EQ(prompter.m_boxes.size(), 1);
    EXPECT_EQ(prompter.m_boxes[0].text, QStringLiteral("missing.txt\nFile not found.\nCheck the file name and try again."));
    EXPECT_EQ(prompter.m_boxes[0].caption, QStringLiteral("Open"));
}

TEST(ColourDialog, CustomColoursKeptAcrossRuns)
{
    CRegistry registry;
    for (int i = 0; i < 16; ++i)
        QColorDialog::setCustomColor(i, QColor(10 + i, 20, 30));
    {
        // Nothing stored: the colours the process holds stay, and all 16 are written.
        COwnColorDialog dlg(RGB(1, 2, 3));
        EXPECT_EQ(dlg.DoModal(), platform::IDCANCEL);
        EXPECT_EQ(dlg.GetColor(), RGB(1, 2, 3));
    }
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(registry.GetInt(QStringLiteral("Custom Colour %1").arg(i), -1), int(RGB(10 + i, 20, 30))) << i;

    registry.WriteInt("Custom Colour 3", int(RGB(200, 100, 50)));
    {
        COwnColorDialog dlg(0);
        EXPECT_EQ(QColorDialog::customColor(3), QColor(200, 100, 50));
        QColorDialog::setCustomColor(5, QColor(1, 1, 1)); // the operator defines one
        testsupport::prompter().m_colours = {QColor(0, 128, 255)};
        EXPECT_EQ(dlg.DoModal(), platform::IDOK);
        EXPECT_EQ(dlg.GetColor(), RGB(0, 128, 255));
    }
    EXPECT_EQ(registry.GetInt("Custom Colour 5", -1), int(RGB(1, 1, 1)));
    EXPECT_EQ(registry.GetInt("Custom Colour 3", -1), int(RGB(200, 100, 50)));
}
