#pragma once
// The digital-mode main frame with the tools installed (its tags and macros
// bars are the real ones), offscreen, and a recorder of registered messages.
#include "platform/Program.h"
#include "psk/core/Components.h"
#include "psk/core/MacroStore.h"
#include "psk/core/MainFrame.h"
#include "psk/core/PSK31Settings.h"
#include "psk/core/TagStore.h"
#include "psk/tools/ToolComponents.h"
#include "shared/RegisteredEvent.h"
#include "support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
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
    }
    void TearDown() override
    {
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
    static void Process()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    CMainFrame* m_frame = nullptr;
};

} // namespace testsupport
