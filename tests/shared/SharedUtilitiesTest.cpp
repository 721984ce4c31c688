// Program folders, fonts by point size, image lists from bitmaps, the user
// guide, the mail hand-over and the speech engine's text rules.
#include "shared/ShellOpen.h"
#include "shared/FontFactory.h"
#include "shared/HtmlHelp.h"
#include "shared/ImageList.h"
#include "shared/ImageListBuilder.h"
#include "shared/MapiMail.h"
#include "shared/ProgramFolders.h"
#include "shared/SupportMail.h"
#include "shared/TextToSpeech.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QUrlQuery>
#include <QWidget>
#include <gtest/gtest.h>

TEST(ProgramFolders, FoldersOfTheProgram)
{
    CProgramFolders folders("/opt/Station/FT-817 Corvane");
    EXPECT_EQ(folders.GetProgramFolder(), "/opt/Station/");
    EXPECT_EQ(folders.GetModulePath(), "/opt/Station/FT-817 Corvane");
    EXPECT_EQ(folders.GetExamplesFolder(), "/opt/Station/Examples/");
    EXPECT_EQ(folders.GetChartTemplatesFolder(), "/opt/Station/Chart/Templates/");
    EXPECT_EQ(folders.GetDataFileName(), "FT-817 Corvane.txt");

    const QByteArray saved = qgetenv("TEMP");
    qputenv("TEMP", "/tmp/a folder with blanks/");
    CProgramFolders temp;
    EXPECT_EQ(temp.GetTempFolder(), "/tmp/a folder with blanks") << "no trailing separator";
    EXPECT_EQ(temp.GetTempFileName(), "/tmp/a folder with blanks/FT-817 Corvane tmp.txt");
    if (saved.isNull())
        qunsetenv("TEMP");
    else
        qputenv("TEMP", saved);

    // The running program's own folder ends with the separator.
    EXPECT_TRUE(GetProgramFolders().GetProgramFolder().endsWith('/'));
}

TEST(FontFactory, PointSizesFollowTheScreenResolution)
{
    EXPECT_EQ(CFontFactory::HeightForPoints(10, 96), -13);
    EXPECT_EQ(CFontFactory::HeightForPoints(8, 96), -11);
    EXPECT_EQ(CFontFactory::HeightForPoints(10, 120), -17);
    QWidget window;
    const CFontFactory factory(&window);
    const int dpi = window.logicalDpiY();
    const QFont courier = factory.CreateCourierNew(10, false);
    EXPECT_EQ(courier.family(), "Courier New");
    EXPECT_EQ(courier.pixelSize(), -CFontFactory::HeightForPoints(10, dpi));
    EXPECT_TRUE(courier.fixedPitch());
    EXPECT_EQ(courier.weight(), QFont::Normal);
    const QFont bold = factory.CreateSansSerif(8, true);
    EXPECT_EQ(bold.family(), "Microsoft Sans Serif");
    EXPECT_EQ(bold.weight(), QFont::Bold);
    EXPECT_FALSE(factory.CreatePointFont("Arial", 9, false, true).underline());
    EXPECT_TRUE(factory.CreatePointFont("Arial", 9, false, true).italic());
    EXPECT_EQ(factory.GetCourier10().family(), "Courier");
    // The faces of the design find an installed family.
    EXPECT_FALSE(QFont::substitutes("Microsoft Sans Serif").isEmpty());
    EXPECT_FALSE(QFont::substitutes("Courier New").isEmpty());
}

TEST(ImageListBuilder, EveryBitmapTwice)
{
    CImageListBuilder builder;
    for (unsigned id : {207u, 208u, 266u, 380u})
        builder.AddBitmap(id);
    ASSERT_TRUE(builder.CreateMasked(0xFF00FF));
    const CImageList* list = builder.GetImageList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->GetImageCount(), 8);
    EXPECT_EQ(list->GetImage(2).toImage(), list->GetImage(3).toImage()) << "bitmap 1 is images 2 and 3";
    EXPECT_NE(list->GetImage(0).toImage(), list->GetImage(2).toImage());

    CImageListBuilder single;
    single.AddBitmap(207);
    single.AddBitmap(208);
    ASSERT_TRUE(single.CreateSingle());
    EXPECT_EQ(single.GetImageList()->GetImageCount(), 2);
    ASSERT_TRUE(single.Create());
    EXPECT_EQ(single.GetImageList()->GetImageCount(), 4);
    EXPECT_GT(single.GetImageWidth(), 0);

    CImageListBuilder missing;
    missing.AddBitmap(99999);
    EXPECT_FALSE(missing.CreateMasked(0));
}

TEST(HtmlHelp, OpensTheGuideAtItsTopics)
{
    QList<QUrl> opened;
    CShellOpen::SetOpener([&](const QUrl& url, const platform::OpenFailed&) { opened << url; });
    const QString folder = testsupport::dataFolder();
    const QString guide = folder + "/" + CHtmlHelp::FileName();
    CHtmlHelp missing(guide);
    missing.ShowContents();
    EXPECT_TRUE(opened.isEmpty());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1) << "a missing guide is said, not ignored";
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text,
              "Error starting \"" + guide + "\" -\n \nThe specified file was not found.");
    testsupport::prompter().m_boxes.clear();

    QFile file(guide);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html></html>");
    file.close();
    CHtmlHelp help(guide);
    help.ShowContents();
    help.ShowIndex();
    help.ShowSearch();
    ASSERT_EQ(opened.size(), 3);
    EXPECT_EQ(opened[0].toLocalFile(), guide);
    EXPECT_EQ(opened[0].fragment(), "contents");
    EXPECT_EQ(opened[1].fragment(), "index");
    EXPECT_EQ(opened[2].fragment(), "search");
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());
    CShellOpen::SetOpener(nullptr);

    // The program's guide sits beside the program.
    EXPECT_EQ(CHtmlHelp().GetPath(), GetProgramFolders().GetProgramFolder() + "UserGuide.html");
}

// A desktop whose opener finds no browser: its complaint reaches the user in
// a message box instead of standard error alone.
TEST(HtmlHelp, ABrowserThatCannotBeStartedIsReported)
{
    const QString folder = testsupport::dataFolder();
    const QString guide = folder + "/" + CHtmlHelp::FileName();
    QFile page(guide);
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html></html>");
    page.close();
    QDir(folder).mkpath("bin");
    QFile opener(folder + "/bin/xdg-open");
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write("#!/bin/sh\n"
                 "echo \"$1\" > \"$(dirname \"$0\")/asked\"\n"
                 "echo \"xdg-open: no method available for opening '$1'\" >&2\n"
                 "exit 3\n");
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", (folder + "/bin:").toLocal8Bit() + path);

    CHtmlHelp(guide).ShowIndex();
    QElapsedTimer waited;
    waited.start();
    while (testsupport::prompter().m_boxes.isEmpty() && waited.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    qputenv("PATH", path);

    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    const auto& box = testsupport::prompter().m_boxes[0];
    EXPECT_EQ(box.caption, "Error");
    EXPECT_EQ(box.style & 0xF0, platform::MB_ICONERROR);
    EXPECT_TRUE(box.text.startsWith("Error starting \"" + guide + "\" -\n \n")) << box.text.toStdString();
    EXPECT_TRUE(box.text.endsWith("xdg-open: no method available for opening '" +
                                  QUrl::fromLocalFile(guide).toString() + "#index'"))
        << box.text.toStdString();
    QFile asked(folder + "/bin/asked");
    ASSERT_TRUE(asked.open(QIODevice::ReadOnly));
    EXPECT_TRUE(asked.readAll().trimmed().endsWith("#index"));
}

namespace {
class RecordingMail : public CMapiMail::MailClient {
public:
    QString Unavailable() override { return missing; }
    bool HasEntry(const QString& name) override { return entries.contains(name); }
    bool Open(const QUrl& url) override
    {
        urls << url;
        return opens;
    }
    QStringList entries{"MAPISendMail", "MAPILogon"};
    QString missing;
    bool opens = true;
    QList<QUrl> urls;
};
} // namespace

// Without a mail program the operator is told so once: the session that
// cannot start for want of a mail program adds no box of its own.
TEST(MapiMail, WithoutAMailProgramOnlyTheCommandFailsWithOneBox)
{
    RecordingMail client;
    client.missing = "The desktop names no default e-mail program.";
    CMapiMail::SetMailClient(&client);
    CMapiMail::LogOff();
    {
        CMapiMail mail;
        EXPECT_FALSE(mail.Logon(nullptr));
        EXPECT_EQ(mail.GetError(), CMapiMail::ERR_LIBRARY);
        EXPECT_EQ(mail.GetError(), CMapiMail::ERR_NONE) << "reading the code resets it";
    }
    auto& boxes = testsupport::prompter().m_boxes;
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].caption, "Send E-Mail");
    // The text speaks of what this desktop has: a mail program for mailto: links.
    EXPECT_EQ(boxes[0].text, "Error starting the mail program - The desktop names no default e-mail program.\n \n"
                             "No mail program is set up for mailto: links. Choose a default e-mail program in "
                             "the desktop's settings.");
    EXPECT_EQ(boxes[0].style & 0xF0, platform::MB_ICONERROR);
    EXPECT_FALSE(boxes[0].text.contains("MAPI")) << boxes[0].text.toStdString();
    EXPECT_FALSE(boxes[0].text.contains("Outlook")) << boxes[0].text.toStdString();

    // The Help menu's support mail, twice: one box each time, nothing composed.
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        testsupport::prompter().clear();
        support::SendSupportMail(nullptr);
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_TRUE(boxes[0].text.startsWith("Error starting the mail program - ")) << boxes[0].text.toStdString();
    }
    EXPECT_TRUE(client.urls.isEmpty());

    // A mail program that lacks a step is still told by that step's box.
    client.missing.clear();
    client.entries = {"MAPISendMail"};
    testsupport::prompter().clear();
    {
        CMapiMail mail;
        EXPECT_FALSE(mail.Logon(nullptr));
    }
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0].text, "The mail program cannot be asked to start a session.\n \n"
                             "A mail program reached through a mailto: link offers no such step.");
    CMapiMail::SetMailClient(nullptr);
}

TEST(MapiMail, MessageGoesToTheComposeWindowWithAttachmentsAtTheEnd)
{
    RecordingMail client;
    CMapiMail::SetMailClient(&client);
    CMapiMail::LogOff();
    CMapiMail mail;
    ASSERT_TRUE(mail.Logon(nullptr));
    EXPECT_EQ(mail.GetError(), CMapiMail::ERR_NONE);
    EXPECT_TRUE(CMapiMail::IsLoggedOn());
    ASSERT_TRUE(mail.AddTo("ham@example.org"));
    ASSERT_TRUE(mail.AddCC("club@example.org"));
    EXPECT_FALSE(mail.AddTo(""));
    EXPECT_EQ(mail.GetError(), CMapiMail::ERR_TO);
    mail.SetSubject("FT-817 & memories");
    mail.SetBody("0123456789");
    ASSERT_TRUE(mail.AddAttachment("/tmp/one.txt"));
    ASSERT_TRUE(mail.AddAttachment("/tmp/two.txt", "two"));
    ASSERT_TRUE(mail.Send(0));
    EXPECT_EQ(mail.GetNoteText().size(), 12);
    EXPECT_EQ(mail.GetAttachmentPositions(), QList<int>({10, 11}));
    ASSERT_EQ(client.urls.size(), 1);
    const QUrl url = client.urls.first();
    EXPECT_EQ(url.scheme(), "mailto");
    EXPECT_EQ(url.path(), "ham@example.org");
    const QUrlQuery query(url);
    EXPECT_EQ(query.queryItemValue("cc", QUrl::FullyDecoded), "club@example.org");
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), "FT-817 & memories");
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded), "0123456789  ");
    EXPECT_EQ(query.allQueryItemValues("attach").size(), 2);
    EXPECT_TRUE(testsupport::prompter().m_boxes.isEmpty());

    // The compose window that cannot be opened is reported.
    client.opens = false;
    CMapiMail again;
    EXPECT_TRUE(again.Logon(nullptr));
    EXPECT_FALSE(again.Send(0));
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, "The mail program could not be started for the mailto: link.");
    CMapiMail::SetMailClient(nullptr);
    CMapiMail::LogOff();
}

TEST(TextToSpeech, CallsignsAreSpelled)
{
    EXPECT_EQ(CTextToSpeech::SpellText("Q9X", true, true), "Quebec, 9, X-ray,");
    EXPECT_EQ(CTextToSpeech::SpellText("Q9X", true, false), "Q, 9, X,");
    EXPECT_EQ(CTextToSpeech::SpellText("cq de q9xl", false, true), "cq de Quebec, 9, X-ray, Leema,");
    EXPECT_EQ(CTextToSpeech::SpellText("CQ CQ", true, true), "CQ CQ") << "words of letters alone stay";
    EXPECT_EQ(CTextToSpeech::SpellText("QRP 5W now", true, false), "QRP 5, W, now");
    EXPECT_EQ(CTextToSpeech::SpellText("Q9X", false, false), "Q9X");
    EXPECT_STREQ(CTextToSpeech::PhoneticWord('l'), "Leema");
    EXPECT_STREQ(CTextToSpeech::PhoneticWord('X'), "X-ray");
}

TEST(TextToSpeech, NoEngineIsAReportedFailure)
{
    CTextToSpeech::SetEngineName("no-such-speech-engine");
    CTextToSpeech speech;
    speech.Initialise(nullptr);
    CTextToSpeech::SetEngineName(QString());
    EXPECT_TRUE(speech.IsFailed());
    EXPECT_TRUE(speech.IsComStarted()) << "not tried again on the next request";
    EXPECT_FALSE(speech.HasEngine());
    EXPECT_TRUE(speech.GetErrorText().startsWith("Text-to-speech error: "));
    EXPECT_TRUE(speech.GetErrorText().endsWith("\n \nFor information about Text-to-speech select the "
                                               "\"Microsoft\" entry in the \"Help\" menu, then select "
                                               "\"Text-to-Speech\"."));
    speech.Speak("nothing happens", false, false);
    EXPECT_TRUE(speech.GetLastSpoken().isEmpty());
    speech.ShowError(nullptr);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, "Initialization");
}
