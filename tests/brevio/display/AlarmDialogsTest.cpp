// The alarm dialogs offscreen: the list with its enable boxes and its
// commands, one alarm's editor with its title rule, control states and
// expression menu, and the test dialog.
#include "brevio/display/AlarmDlg.h"
#include "brevio/display/AlarmTestDlg.h"
#include "brevio/display/AlarmsDlg.h"

#include "platform/Program.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/display/AlarmActions.h"
#include "brevio/display/AlarmList.h"
#include "shared/TextToSpeech.h"
#include "shared/ui/OwnListCtrl.h"
#include "support/LayoutCheck.h"
#include "support/ScriptedPrompter.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QScreen>
#include <QCheckBox>
#include <QDataStream>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class Heard : public CAlarmActions {
public:
    void Beep() override {}
    void PlayWave(const QString& strPath) override { m_calls << QStringLiteral("play ") + strPath; }
    void Speak(const QString& strText, bool bSpell, bool bPhonetic) override
    {
        m_calls << QStringLiteral("speak %1|%2|%3").arg(strText).arg(int(bSpell)).arg(int(bPhonetic));
    }
    QStringList m_calls;
};

class AlarmDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        CurrentSettings().SetDefaults();
        CAlarmActions::SetInstance(&m_heard);
        Alarms().RemoveAll();
        Alarms().Add(1, QStringLiteral("Beta"), QStringLiteral("cq"), QStringLiteral("second"), CAlarm::kBeep,
                     QString(), QString());
        Alarms().Add(0, QStringLiteral("Alpha"), QStringLiteral("dx"), QStringLiteral("first"), CAlarm::kSpeak,
                     QString(), QStringLiteral("DX"));
    }
    void TearDown() override
    {
        CAlarmsDlg::SetEditorRunner(nullptr);
        CAlarmActions::SetInstance(nullptr);
        CTextToSpeech::SetEngineName(QString());
        Alarms().RemoveAll();
        platform::setProgram(platform::corvaneIdentity());
    }
    Heard m_heard;
};

} // namespace

TEST_F(AlarmDialogs, ListShowsSortedAlarmsAndSavesTheEnableBoxes)
{
    CAlarmsDlg dialog(nullptr);
    dialog.show();
    COwnListCtrl* list = dialog.List();
    ASSERT_EQ(list->GetItemCount(), 2);
    EXPECT_EQ(list->GetItemText(0, 0), QStringLiteral("Alpha"));
    EXPECT_EQ(list->GetItemText(0, 1), QStringLiteral("first"));
    EXPECT_FALSE(list->GetCheck(0));
    EXPECT_TRUE(list->GetCheck(1));
    EXPECT_EQ(list->GetFirstSelectedItem(), 0);
    EXPECT_FALSE(dialog.IsModified());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Super Browser Alarms"));

    // Unchecking marks the dialog changed; OK saves the alarm disabled.
    list->SetCheck(1, false);
    EXPECT_TRUE(dialog.IsModified());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Super Browser Alarms *"));
    dialog.OnOK();
    EXPECT_EQ(Alarms().FindByTitle(QStringLiteral("Beta"))->GetEnabled(), 0);
    CAlarmList saved;
    saved.LoadDefault();
    ASSERT_EQ(saved.GetCount(), 2);
    EXPECT_EQ(saved.FindByTitle(QStringLiteral("Beta"))->GetEnabled(), 0);
}

TEST_F(AlarmDialogs, CancelWithChangesAsksFirst)
{
    CAlarmsDlg dialog(nullptr);
    dialog.show();
    dialog.List()->SetCheck(0, true);
    testsupport::prompter().m_answers = {platform::IDNO};
    dialog.OnCancel();
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("You have outstanding changes - really cancel ?"));
    testsupport::prompter().m_answers = {platform::IDYES};
    dialog.OnCancel();
    EXPECT_FALSE(dialog.isVisible());
    // Nothing reached the application's list.
    EXPECT_EQ(Alarms().FindByTitle(QStringLiteral("Alpha"))->GetEnabled(), 0);
}

TEST_F(AlarmDialogs, NewCopyEditAndDelete)
{
    CAlarmsDlg dialog(nullptr);
    dialog.show();
    // New: the editor's result, enabled, selected.
    CAlarmsDlg::SetEditorRunner([](CAlarmDlg& editor) {
        editor.show();
        editor.Edit(CAlarmDlg::IDC_TITLE)->setText(QStringLiteral("Gamma  "));
        editor.Edit(CAlarmDlg::IDC_FIND)->setText(QStringLiteral("qrz"));
        editor.OnOK();
        return editor.result() == QDialog::Accepted ? platform::IDOK : platform::IDCANCEL;
    });
    dialog.OnCommand(CAlarmsDlg::ID_NEW);
    const CAlarm* gamma = dialog.WorkingList().FindByTitle(QStringLiteral("Gamma"));
    ASSERT_NE(gamma, nullptr);
    EXPECT_EQ(gamma->GetEnabled(), 1);
    EXPECT_EQ(dialog.List()->GetSelectedItemText(0), QStringLiteral("Gamma"));

    // Copy with the title unchanged: refused as in use, the editor stays open.
    dialog.List()->DeselectAll();
    dialog.List()->SelectItem(0, true);
    bool stayedOpen = false;
    CAlarmsDlg::SetEditorRunner([&](CAlarmDlg& editor) {
        editor.show();
        editor.OnOK();
        stayedOpen = editor.result() != QDialog::Accepted;
        return platform::IDCANCEL;
    });
    dialog.OnCommand(CAlarmsDlg::ID_COPY);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(testsupport::prompter().m_boxes.size(), 1);
    EXPECT_EQ(testsupport::prompter().m_boxes[0].text, QStringLiteral("The title \"Alpha\" is in use."));
    EXPECT_EQ(testsupport::prompter().m_boxes[0].caption, QStringLiteral("Define Alarm"));

    // Edit keeps the row's check state and replaces by the old title.
    dialog.List()->SetCheck(0, true);
    CAlarmsDlg::SetEditorRunner([](CAlarmDlg& editor) {
        editor.show();
        editor.Edit(CAlarmDlg::IDC_TITLE)->setText(QStringLiteral("Zulu"));
        editor.OnOK();
        return platform::IDOK;
    });
    dialog.OnCommand(CAlarmsDlg::ID_EDIT);
    EXPECT_EQ(dialog.WorkingList().FindByTitle(QStringLiteral("Alpha")), nullptr);
    ASSERT_NE(dialog.WorkingList().FindByTitle(QStringLiteral("Zulu")), nullptr);
    EXPECT_EQ(dialog.WorkingList().FindByTitle(QStringLiteral("Zulu"))->GetEnabled(), 1);
    EXPECT_EQ(dialog.WorkingList().FindByTitle(QStringLiteral("Zulu"))->GetExpression(), QStringLiteral("dx"));

    // Delete every selected row after the question.
    dialog.List()->DeselectAll();
    dialog.List()->SelectItem(0, true);
    dialog.List()->SelectItem(1, true);
    testsupport::prompter().m_answers = {platform::IDYES};
    dialog.OnCommand(CAlarmsDlg::ID_DELETE);
    EXPECT_EQ(testsupport::prompter().m_boxes.last().text, QStringLiteral("Really delete the selected entries?"));
    QStringList titles;
    dialog.WorkingList().GetTitles(titles);
    EXPECT_EQ(titles, QStringList{QStringLiteral("Zulu")});
    // The application's list changes only on save.
    EXPECT_EQ(Alarms().GetCount(), 2);
    dialog.Save();
    EXPECT_EQ(Alarms().GetCount(), 1);
    EXPECT_FALSE(dialog.IsModified());
}

TEST_F(AlarmDialogs, SaveAndLoadThroughTheChoosers)
{
    CAlarmsDlg dialog(nullptr);
    dialog.show();
    const QString path = testsupport::dataFolder() + QStringLiteral("/kept.txt");
    testsupport::prompter().m_files = {path};
    dialog.OnCommand(CAlarmsDlg::ID_SAVE_AS);
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.last(),
              QStringLiteral("Save Alarm Definitions (can be restored later)"));
    ASSERT_TRUE(QFile::exists(path));
    dialog.List()->SelectItem(0, true);
    testsupport::prompter().m_answers = {platform::IDYES};
    dialog.OnCommand(CAlarmsDlg::ID_DELETE);
    testsupport::prompter().m_files = {path};
    dialog.OnCommand(CAlarmsDlg::ID_LOAD);
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.last(), QStringLiteral("Load Alarm Definitions"));
    EXPECT_EQ(dialog.List()->GetItemCount(), 2);
    EXPECT_TRUE(dialog.IsModified());
}

TEST_F(AlarmDialogs, EditorTitleRuleIsCaseBlindAmongOthersButExactForItsOwn)
{
    const QStringList titles = {QStringLiteral("Alpha"), QStringLiteral("Beta")};
    CAlarm alpha = *Alarms().FindByTitle(QStringLiteral("Alpha"));
    // Only the case of its own title changed: refused.
    CAlarmDlg edit(nullptr, false, titles, alpha);
    edit.show();
    edit.Edit(CAlarmDlg::IDC_TITLE)->setText(QStringLiteral("ALPHA"));
    edit.OnOK();
    EXPECT_NE(edit.result(), QDialog::Accepted);
    // Unchanged: accepted.
    edit.Edit(CAlarmDlg::IDC_TITLE)->setText(QStringLiteral("Alpha"));
    edit.OnOK();
    EXPECT_EQ(edit.result(), QDialog::Accepted);
    EXPECT_EQ(edit.GetResult().GetEnabled(), 0);
    // Another alarm's title in other letters: refused.
    CAlarmDlg fresh(nullptr, true, titles);
    fresh.show();
    fresh.Edit(CAlarmDlg::IDC_TITLE)->setText(QStringLiteral("beta"));
    fresh.Edit(CAlarmDlg::IDC_FIND)->setText(QStringLiteral("x"));
    fresh.OnOK();
    EXPECT_NE(fresh.result(), QDialog::Accepted);
}

TEST_F(AlarmDialogs, EditorFlagsAndControlStates)
{
    CAlarm alarm;
    alarm.SetTitle(QStringLiteral("Calls"));
    alarm.SetExpression(QStringLiteral("G4\\D"));
    alarm.SetFlags(CAlarm::kSpeak | CAlarm::kPhonetic | CAlarm::kSpell | CAlarm::kAddMatch);
    alarm.SetSpeechText(QStringLiteral("Heard"));
    CAlarmDlg dialog(nullptr, false, {QStringLiteral("Calls")}, alarm);
    dialog.show();
    // Phonetic wins over spell when both are stored.
    EXPECT_TRUE(dialog.Radio(CAlarmDlg::IDC_PHONETIC)->isChecked());
    EXPECT_TRUE(dialog.Control(CAlarmDlg::IDC_SPEECH_TEXT)->isEnabled());
    EXPECT_FALSE(dialog.Control(CAlarmDlg::IDC_BROWSE)->isEnabled());
    EXPECT_FALSE(dialog.Control(CAlarmDlg::IDC_PLAY_BUTTON)->isEnabled());
    QTest::mouseClick(dialog.Check(CAlarmDlg::IDC_SPEECH), Qt::LeftButton);
    EXPECT_FALSE(dialog.Control(CAlarmDlg::IDC_SPEECH_TEXT)->isEnabled());
    EXPECT_FALSE(dialog.Control(CAlarmDlg::IDC_SPELL)->isEnabled());
    QTest::mouseClick(dialog.Check(CAlarmDlg::IDC_PLAY), Qt::LeftButton);
    EXPECT_TRUE(dialog.Control(CAlarmDlg::IDC_BROWSE)->isEnabled());
    EXPECT_FALSE(dialog.Control(CAlarmDlg::IDC_PLAY_BUTTON)->isEnabled());
    // OK needs a title and a find text without trailing blanks.
    dialog.Edit(CAlarmDlg::IDC_FIND)->setText(QStringLiteral("  "));
    EXPECT_FALSE(dialog.Control(1)->isEnabled());
    EXPECT_TRUE(dialog.Control(CAlarmDlg::IDC_TEST)->isEnabled());
    dialog.Edit(CAlarmDlg::IDC_FIND)->setText(QString());
    EXPECT_FALSE(dialog.Control(CAlarmDlg::IDC_TEST)->isEnabled());
    dialog.Edit(CAlarmDlg::IDC_FIND)->setText(QStringLiteral("G4\\D "));
    EXPECT_TRUE(dialog.Control(1)->isEnabled());

    QTest::mouseClick(dialog.Check(CAlarmDlg::IDC_SPEECH), Qt::LeftButton);
    dialog.Radio(CAlarmDlg::IDC_SPELL)->setChecked(true);
    dialog.OnOK();
    const CAlarm& r = dialog.GetResult();
    EXPECT_EQ(r.GetFlags(), CAlarm::kSpeak | CAlarm::kSpell | CAlarm::kAddMatch | CAlarm::kPlayWave);
    // The find text stays as typed; its matching copy is lowered.
    EXPECT_EQ(r.GetExpression(), QStringLiteral("G4\\D "));
    EXPECT_EQ(r.GetExpressionLower(), QStringLiteral("g4\\d "));
    EXPECT_EQ(r.GetSpeechText(), QStringLiteral("Heard"));
}

TEST_F(AlarmDialogs, SpeakAndPlayButtons)
{
    CTextToSpeech::SetEngineName(QStringLiteral("no-such-speech-engine"));
    CAlarmDlg dialog(nullptr, true, {});
    dialog.show();
    QTest::mouseClick(dialog.Check(CAlarmDlg::IDC_SPEECH), Qt::LeftButton);
    dialog.Edit(CAlarmDlg::IDC_SPEECH_TEXT)->setText(QStringLiteral("DX alert"));
    dialog.Check(CAlarmDlg::IDC_ADD_CHANNEL)->setChecked(true);
    EXPECT_EQ(dialog.SpeakPhrase(), QStringLiteral("DX alert, on channel 99"));
    dialog.Check(CAlarmDlg::IDC_ADD_MATCH)->setChecked(true);
    EXPECT_EQ(dialog.SpeakPhrase(), QStringLiteral("DX alert, Match on channel 99"));
    dialog.Radio(CAlarmDlg::IDC_SPELL)->setChecked(true);
    dialog.OnSpeak();
    EXPECT_EQ(m_heard.m_calls, QStringList{QStringLiteral("speak DX alert, Match on channel 99|1|0")});
    // The engine's start-up failure is shown after speaking.
    ASSERT_FALSE(testsupport::prompter().m_boxes.isEmpty());
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, QStringLiteral("Initialization"));

    // A file that is not a wave file: the error box, nothing played.
    const QString text = testsupport::dataFolder() + QStringLiteral("/not.wav");
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("hello");
    f.close();
    testsupport::prompter().m_files = {text};
    QTest::mouseClick(dialog.Check(CAlarmDlg::IDC_PLAY), Qt::LeftButton);
    dialog.OnBrowse();
    EXPECT_EQ(testsupport::prompter().m_chooserCaptions.last(), QStringLiteral("Select .WAV File"));
    EXPECT_EQ(testsupport::prompter().m_boxes.last().caption, QStringLiteral("Error"));
    EXPECT_TRUE(testsupport::prompter().m_boxes.last().text.startsWith(QStringLiteral("Error playing .wav file -\n")));
    EXPECT_TRUE(dialog.Control(CAlarmDlg::IDC_PLAY_BUTTON)->isEnabled());
    EXPECT_EQ(m_heard.m_calls.size(), 1);

    // A real wave file plays.
    const QString wave = testsupport::dataFolder() + QStringLiteral("/ding.wav");
    QFile w(wave);
    ASSERT_TRUE(w.open(QIODevice::WriteOnly));
    QDataStream s(&w);
    s.setByteOrder(QDataStream::LittleEndian);
    s.writeRawData("RIFF", 4);
    s << quint32(36 + 16);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(16);
    for (int i = 0; i < 8; ++i)
        s << qint16(0);
    w.close();
    testsupport::prompter().m_files = {wave};
    dialog.OnBrowse();
    EXPECT_EQ(m_heard.m_calls.last(), QStringLiteral("play ") + wave);
}

TEST_F(AlarmDialogs, ExpressionMenuInsertsItsSnippets)
{
    CAlarmDlg dialog(nullptr, true, {});
    dialog.show();
    QMenu* menu = dialog.BuildExpressionMenu();
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), 23);  // "Literals" and the 22 rows
    ASSERT_NE(actions[0]->menu(), nullptr);
    EXPECT_EQ(actions[0]->menu()->actions().size(), 13);
    EXPECT_EQ(actions[0]->menu()->actions().last()->data().toInt(), 33376);
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[2]->text(), QStringLiteral("Any Character"));
    EXPECT_EQ(actions[2]->data().toInt(), 33378);
    EXPECT_EQ(actions[22]->text(), QStringLiteral("Locator"));
    EXPECT_EQ(actions[22]->data().toInt(), 33398);

    QLineEdit* find = dialog.Edit(CAlarmDlg::IDC_FIND);
    find->setText(QStringLiteral("cq XX de"));
    find->setSelection(3, 2);
    dialog.InsertExpression(33398);
    EXPECT_EQ(find->text(), QStringLiteral("cq [a-z]{2}[0-9]{2}[a-z]{2} de"));
    find->undo();
    EXPECT_EQ(find->text(), QStringLiteral("cq XX de"));
    find->setCursorPosition(2);
    dialog.InsertExpression(33364);  // the literal "."
    EXPECT_EQ(find->text(), QStringLiteral("cq\\. XX de"));
    delete menu;
}

TEST_F(AlarmDialogs, TestDialogShowsTheMatch)
{
    struct Case {
        const char* find;
        const char* in;
        const char* result;
    };
    const Case cases[] = {
        {"g4[a-z]+", "cq de g4abc k", "g4abc"},
        {"G4ABC", "cq de g4abc k", "No match"},  // the text is lower case, the find text is not lowered
        {"(cq", "cq", "Invalid find string"},
        {"\\s+dx\\s+", "cq  dx  de", "dx"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CAlarmTestDlg::Evaluate(QString::fromLatin1(c.find), QString::fromLatin1(c.in)),
                  QString::fromLatin1(c.result))
            << c.find;

    CAlarmTestDlg dialog(nullptr, QStringLiteral("cq\\s*dx"));
    dialog.show();
    EXPECT_EQ(dialog.GetResultText(), QStringLiteral("No match"));
    QTest::keyClicks(dialog.InEdit(), QStringLiteral("CQ DX de G4ABC"));
    EXPECT_EQ(dialog.InEdit()->text(), QStringLiteral("cq dx de g4abc"));
    EXPECT_EQ(dialog.GetResultText(), QStringLiteral("cq dx"));
    dialog.FindEdit()->setText(QStringLiteral("de (g4"));
    EXPECT_EQ(dialog.GetResultText(), QStringLiteral("Invalid find string"));
    dialog.OnOK();
    EXPECT_EQ(dialog.GetFindText(), QStringLiteral("de (g4"));
}

// The alarm editor's lower group holds its three choices whole, and no text
// clips, at the default font and one point larger.
TEST(AlarmEditorLayout, NothingClipsOrOverlaps)
{
    auto check = [] {
        CAlarmDlg editor(nullptr, true, {});
        editor.show();
        QApplication::processEvents();
        const QStringList problems = testsupport::layoutProblems(&editor);
        EXPECT_TRUE(problems.isEmpty()) << problems.join("\n").toStdString();
    };
    check();
    testsupport::withLargerFont(check);
}

// Under a real display with CORVANE_SCREENSHOT_DIR set, the alarm editor is
// photographed into docs/:
//   CORVANE_SCREENSHOT_DIR=docs QT_QPA_PLATFORM=xcb xvfb-run -a build/tests/brevio_display_tests
//   --gtest_filter='AlarmEditorLayout.Screenshot'
TEST(AlarmEditorLayout, Screenshot)
{
    const QString dir = qEnvironmentVariable("CORVANE_SCREENSHOT_DIR");
    if (dir.isEmpty() || QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "screenshots are taken under a real display only";
    CAlarmDlg editor(nullptr, true, {});
    editor.Edit(CAlarmDlg::IDC_TITLE)->setText(QStringLiteral("DX call"));
    editor.Edit(CAlarmDlg::IDC_FIND)->setText(QStringLiteral("\\bVP8\\w+"));
    editor.show();
    QTest::qWait(600);
    QCoreApplication::processEvents();
    const QRect frame = editor.frameGeometry();
    const QPixmap shot = editor.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    EXPECT_TRUE(shot.save(dir + QStringLiteral("/brevio-alarm-editor.png")));
}
