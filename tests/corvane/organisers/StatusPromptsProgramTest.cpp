// FT-817 Corvane running whole on the simulator: the status bar shows a
// command's prompt while its menu item or toolbar button is under the mouse,
// and "Ready" when none is.
#include "ProgramFixture.h"
#include "corvane/core/MainFrame.h"
#include "corvane/organisers/LogbookView.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <algorithm>

namespace {

class StatusPrompts : public orgtest::ProgramFixture {
protected:
    QString Status() const { return frame->statusBar()->currentMessage(); }
};

} // namespace

TEST_F(StatusPrompts, TheStatusBarShowsPromptsAndReadyWhenNoneIsUnderTheMouse)
{
    EXPECT_EQ(Status(), CMainFrame::IdleMessage());
    // Every command of the menus and toolbars has a prompt.
    QStringList without;
    for (QAction* a : frame->findChildren<QAction*>())
        if (a->property("commandId").toUInt() != 0 && !a->isSeparator() && a->statusTip().isEmpty())
            without << QString::number(a->property("commandId").toUInt()) + " " + a->text();
    EXPECT_TRUE(without.isEmpty()) << without.join("\n").toStdString();

    // A menu item under the mouse: its prompt, without mnemonic, key or dots.
    QAction* options = frame->GetCommandAction(CRadioMainFrame::ID_PROGRAM_OPTIONS);
    ASSERT_NE(options, nullptr);
    options->showStatusText(frame->menuBar());
    EXPECT_EQ(Status(), "Program Options");
    QAction* fine = frame->GetCommandAction(CRadioMainFrame::ID_FINE_TUNING);
    ASSERT_NE(fine, nullptr);
    fine->showStatusText(frame->menuBar());
    EXPECT_EQ(Status(), "Fine Tuning") << "no \"\\tF4\"";
    // Leaving it: "Ready".
    QStatusTipEvent leave{QString()};
    QApplication::sendEvent(frame->menuBar(), &leave);
    EXPECT_EQ(Status(), CMainFrame::IdleMessage());

    // The logbook toolbar's buttons with the prompts of their commands.
    QToolBar* logbook = frame->GetLogbookBar();
    ASSERT_NE(logbook, nullptr);
    QMap<unsigned, QString> prompts;
    for (QAction* a : logbook->actions())
        prompts.insert(a->property("commandId").toUInt(), a->statusTip());
    EXPECT_EQ(prompts.value(CLogbookView::ID_LOGBOOK_SORT), "Sort entries");
    EXPECT_EQ(prompts.value(CRadioMainFrame::ID_LOGBOOK_ADD), "Toggle the Add window");
    logbook->show();
    QApplication::processEvents();
    QWidget* sortButton = logbook->widgetForAction(logbook->actions().at(
        int(std::find_if(logbook->actions().cbegin(), logbook->actions().cend(),
                         [](QAction* a) { return a->property("commandId").toUInt() == CLogbookView::ID_LOGBOOK_SORT; }) -
            logbook->actions().cbegin())));
    ASSERT_NE(sortButton, nullptr);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(sortButton, &enter);
    EXPECT_EQ(Status(), "Sort entries");
    QEvent leaveButton(QEvent::Leave);
    QApplication::sendEvent(sortButton, &leaveButton);
    EXPECT_EQ(Status(), CMainFrame::IdleMessage());

    // A menu that closes leaves "Ready" behind.
    options->showStatusText(frame->menuBar());
    QMenu* tools = qobject_cast<QMenu*>(options->parent());
    ASSERT_NE(tools, nullptr);
    emit tools->aboutToHide();
    EXPECT_EQ(Status(), CMainFrame::IdleMessage());
}
