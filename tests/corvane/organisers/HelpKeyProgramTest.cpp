// FT-817 Corvane running whole on the simulator: F1 opens the user guide from
// the main window and from its dialogs of every kind.
#include "ProgramFixture.h"
#include "corvane/core/MainFrame.h"
#include "corvane/frontpanel/FrequencyEntryDialog.h"
#include "shared/ShellOpen.h"
#include "shared/HtmlHelp.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QTimer>

namespace {

class HelpKey : public orgtest::ProgramFixture {
protected:
    void SetUp() override
    {
        orgtest::ProgramFixture::SetUp();
        CShellOpen::SetOpener([this](const QUrl& url, const platform::OpenFailed&) { opened << url; });
    }
    void TearDown() override
    {
        CShellOpen::SetOpener(nullptr);
        orgtest::ProgramFixture::TearDown();
    }
    // What F1 brought up since the last call: the guide's page handed to
    // the browser, or the message that the guide is missing.
    int GuideShown()
    {
        int n = int(opened.size());
        for (const auto& box : testsupport::prompter().m_boxes)
            n += box.text.contains(CHtmlHelp::FileName()) ? 1 : 0;
        opened.clear();
        testsupport::prompter().m_boxes.clear();
        return n;
    }
    void F1(QWidget* window)
    {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, Qt::Key_F1);
        QApplication::processEvents();
    }
    QList<QUrl> opened;
};

} // namespace

TEST_F(HelpKey, F1OpensTheGuideFromTheMainWindowAndEveryKindOfDialog)
{
    GuideShown();
    // The main window, with the front panel's focus.
    view->setFocus();
    F1(frame);
    EXPECT_EQ(GuideShown(), 1) << "main window";

    // A modeless window of the dialog base (Enter Frequency) and a plain one
    // (CW Settings).
    for (unsigned id : {CRadioMainFrame::ID_ENTER_FREQUENCY, CRadioMainFrame::ID_CW_SETTINGS}) {
        frame->OnCommand(id);
        QWidget* w = id == CRadioMainFrame::ID_ENTER_FREQUENCY ? frame->findChild<CFrequencyEntryDialog*>()
                                                                : frame->GetToolWindow(id);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(w->isVisible());
        F1(w);
        EXPECT_EQ(GuideShown(), 1) << w->metaObject()->className();
        w->hide();
    }

    // Modal: the Program Options sheet and the Transmit dialog.
    for (unsigned id : {CRadioMainFrame::ID_PROGRAM_OPTIONS, CRadioMainFrame::ID_TRANSMIT}) {
        int shown = -1;
        QString cls;
        auto* timer = new QTimer;
        timer->setInterval(10);
        QObject::connect(timer, &QTimer::timeout, [&, timer] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            timer->stop();
            timer->deleteLater();
            cls = QString::fromLatin1(modal->metaObject()->className());
            F1(modal);
            shown = GuideShown();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->QDialog::done(QDialog::Rejected);
            else
                modal->close();
        });
        timer->start();
        frame->OnCommand(id);
        EXPECT_EQ(shown, 1) << id << " " << cls.toStdString();
    }
}
