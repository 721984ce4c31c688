#pragma once
// The options sheet on its own, offscreen, announcing applied settings to a
// stand-in main window whose registered messages are recorded.
#include "shared/ShellOpen.h"
#include "platform/Program.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/tools/options/PSK31Options.h"
#include "brevio/tools/options/PSK31OptionsPage.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/BaseDialog.h"
#include "support/ScriptedPrompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QUrl>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace testsupport {

// A window that records the registered messages it is sent, and may run
// something while it handles one.
class MessageSink : public QWidget {
public:
    struct Message {
        uint32_t msg;
        intptr_t lParam;
    };
    bool event(QEvent* e) override
    {
        const uint32_t type = uint32_t(e->type());
        if (type >= 0xC000 && type <= 0xFFFF)
            if (auto* r = dynamic_cast<CRegisteredEvent*>(e)) {
                m_messages.append({r->message(), r->lParam()});
                if (m_onMessage)
                    m_onMessage(r->message());
                return true;
            }
        return QWidget::event(e);
    }
    int Count(uint32_t msg) const
    {
        int n = 0;
        for (const Message& m : m_messages)
            n += m.msg == msg ? 1 : 0;
        return n;
    }
    QList<Message> m_messages;
    std::function<void(uint32_t)> m_onMessage;
};

// Takes the files, web pages and mails the program asks the desktop to open,
// so that a test opens nothing: files by their path, the others by address.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    UrlCatcher()
    {
        for (const char* scheme : {"file", "http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
        CShellOpen::SetOpener([this](const QUrl& url, const platform::OpenFailed&) { Open(url); });
    }
    ~UrlCatcher() override
    {
        for (const char* scheme : {"file", "http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        CShellOpen::SetOpener(nullptr);
    }
    Q_INVOKABLE void Open(const QUrl& url) { m_opened << (url.isLocalFile() ? url.toLocalFile() : url.toString()); }
    QStringList m_opened;
};

class OptionsFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setProgram(platform::brevioIdentity());
        CurrentSettings().SetDefaults();
        PreviousSettings() = CurrentSettings();
        m_main = std::make_unique<MessageSink>();
        SetSettingsBroadcastTarget(m_main.get());
        prompter().clear();
    }
    void TearDown() override
    {
        m_sheet.reset();
        SetSettingsBroadcastTarget(nullptr);
        m_main.reset();
        CurrentSettings().SetDefaults();
        PreviousSettings().SetDefaults();
        platform::setProgram(platform::corvaneIdentity());
    }
    // The sheet as the main frame makes it, then shown.
    CPSK31Options* Open(bool bShow = true)
    {
        m_sheet.reset(CPSK31Options::CreateForMainFrame(nullptr));
        if (bShow) {
            m_sheet->show();
            (void)QTest::qWaitForWindowExposed(m_sheet.get());
        }
        Process();
        m_main->m_messages.clear();
        return m_sheet.get();
    }
    static void Process()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    template <typename T>
    static T* Item(CPSK31OptionsPage* page, unsigned nId)
    {
        T* item = qobject_cast<T*>(page->GetDlgItem(nId));
        EXPECT_NE(item, nullptr) << "control " << nId;
        return item;
    }
    // The operator's click on a check box or radio button.
    static void Click(CPSK31OptionsPage* page, unsigned nId)
    {
        if (auto* b = Item<QAbstractButton>(page, nId))
            b->click();
    }
    static bool IsChecked(CPSK31OptionsPage* page, unsigned nId)
    {
        auto* b = Item<QAbstractButton>(page, nId);
        return b && b->isChecked();
    }
    // The operator's choice of a list item.
    static void Choose(CPSK31OptionsPage* page, unsigned nId, int nIndex)
    {
        if (auto* c = Item<QComboBox>(page, nId)) {
            c->setCurrentIndex(nIndex);
            emit c->activated(nIndex);
        }
    }
    // The operator typing into an edit (replacing its text).
    static void Type(CPSK31OptionsPage* page, unsigned nId, const QString& strText)
    {
        if (auto* e = Item<QLineEdit>(page, nId)) {
            e->setFocus();
            e->selectAll();
            if (strText.isEmpty())
                QTest::keyClick(e, Qt::Key_Delete);
            else
                QTest::keyClicks(e, strText);
        }
    }
    // The values as the registry now holds them.
    static CPSK31Settings Stored()
    {
        CPSK31Settings s;
        s.Load();
        return s;
    }
    int Broadcasts() const { return m_main->Count(RegisteredMessage::nMsgOptions); }
    // Settings changed elsewhere and announced, as the program does it.
    static void ChangeElsewhere(const std::function<void(CPSK31Settings&)>& change)
    {
        change(CurrentSettings());
        SaveAndAnnounceSettings();
    }

    std::unique_ptr<MessageSink> m_main;
    std::unique_ptr<CPSK31Options> m_sheet;
};

} // namespace testsupport
