#pragma once
// The digital-mode main frame with the tools installed (its tags and macros
// bars are the real ones), offscreen, and a recorder of registered messages.
#include "platform/Program.h"
#include "brevio/core/Components.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/MacroStore.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/TagStore.h"
#include "brevio/tools/ToolComponents.h"
#include "brevio/tools/ToolDialogs.h"
#include "shared/ui/BaseDialog.h"
#include "shared/RegisteredEvent.h"
#include "support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

namespace testsupport {

class Recorder : public QObject {
public:
    struct Message {
        uint32_t msg;
        uintptr_t wParam;
        intptr_t lParam;
    };
    explicit Recorder(QObject* target) { target->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        const uint32_t type = uint32_t(e->type());
        if (type >= 0xC000 && type <= 0xFFFF)
            if (auto* r = dynamic_cast<CRegisteredEvent*>(e))
                m_messages.append({r->message(), r->wParam(), r->lParam()});
        return false;
    }
    QList<Message> Of(uint32_t msg) const
    {
        QList<Message> out;
        for (const Message& m : m_messages)
            if (m.msg == msg)
                out.append(m);
        return out;
    }
    QList<Message> m_messages;
};

class ToolsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        Tags().SetDefaults();
        Macros().RemoveAll();
        InstallToolComponents();
        testsupport::prompter().clear();
        // Every modal dialog of the tools is shown and worked by the next
        // handler of the script; with none left it is cancelled.
        SetToolDialogRunner([this](CBaseDialog& dialog) {
            dialog.show();
            QCoreApplication::processEvents();
            m_dialogTitles << dialog.windowTitle();
            int answer = platform::IDCANCEL;
            if (m_dialogs.empty()) {
                dialog.OnCancel();
            } else {
                auto handler = m_dialogs.front();
                m_dialogs.pop_front();
                handler(dialog);
                answer = dialog.result() == QDialog::Accepted ? platform::IDOK : platform::IDCANCEL;
            }
            dialog.hide();
            return answer;
        });
    }
    void TearDown() override
    {
        SetToolDialogRunner(nullptr);
        delete m_frame;
        m_frame = nullptr;
        PskComponents() = CPskComponents();
        Tags().SetDefaults();
        Macros().RemoveAll();
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        platform::setProgram(platform::corvaneIdentity());
    }
    CMainFrame* Frame()
    {
        if (!m_frame) {
            m_frame = new CMainFrame;
            m_frame->OnCreate();
            m_frame->resize(900, 700);
            m_frame->show();
            (void)QTest::qWaitForWindowExposed(m_frame);
            QCoreApplication::processEvents();
        }
        return m_frame;
    }
    // Channel 1's window, the active window of the frame.
    CFormRx* ActiveChannel()
    {
        auto* form = new CFormRx;
        QMdiSubWindow* sub = Frame()->GetMdiArea()->addSubWindow(form);
        form->SetChannel(0);
        Frame()->SetChannelWindow(form, 0);
        sub->show();
        Frame()->GetMdiArea()->setActiveSubWindow(sub);
        return form;
    }
    static void Process()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    // The next dialog: the handler works it (OnOK or OnCancel decide the answer).
    template <class Dialog>
    void Next(std::function<void(Dialog&)> handler)
    {
        m_dialogs.push_back([handler](CBaseDialog& d) {
            auto* dialog = dynamic_cast<Dialog*>(&d);
            ASSERT_NE(dialog, nullptr) << d.windowTitle().toStdString();
            handler(*dialog);
        });
    }
    CMainFrame* m_frame = nullptr;
    std::deque<std::function<void(CBaseDialog&)>> m_dialogs;
    QStringList m_dialogTitles;
};

} // namespace testsupport
