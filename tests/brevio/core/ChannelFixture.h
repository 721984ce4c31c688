#pragma once
// A channel window as the program makes it (frame, form, initial update,
// channel), inside the main frame on the recording engine, and a small radio
// program serving the radio link's messages on its local socket.
#include "FrameFixture.h"
#include "platform/LocalMessaging.h"
#include "brevio/core/RxTextWindow.h"

#include <QMdiArea>
#include <QMutex>
#include <QThread>
#include <atomic>

namespace testsupport {

class ChannelFixture : public FrameFixture {
public:
    explicit ChannelFixture(int nChannel = 2)
    {
        CurrentSettings().m_nTxDelay = 0;
        frameRx = new CFrameRx;
        form = new CFormRx;
        frameRx->setWidget(form);
        frame->GetMdiArea()->addSubWindow(frameRx);
        form->OnInitialUpdate();
        form->SetChannel(nChannel);
        frame->SetChannelWindow(form, nChannel);
        forms[nChannel] = form;
        frame->show();
        frameRx->show();
        frame->GetMdiArea()->setActiveSubWindow(frameRx);
        Process();
        form->OnTimer(105);  // past the settling second after the first layout
        dsp.Clear();
    }
    // Ends the second after a layout in which insertion waits.
    void Settled() { form->OnTimer(105); }
    // The receive window's text, line ends as '\n'.
    QString RxText() const { return form->GetRxWindow()->toPlainText(); }

    CFrameRx* frameRx = nullptr;
    CFormRx* form = nullptr;
};

// A radio program that answers message 1090 with a dial frequency and
// records what it was asked.
class RadioProgram : public QThread {
public:
    struct Request {
        uint32_t command;
        int32_t argument;
    };
    explicit RadioProgram(uint32_t nFrequency) : m_frequency(nFrequency)
    {
        start();
        while (!m_ready.load())
            QThread::msleep(5);
    }
    ~RadioProgram() override
    {
        quit();
        wait();
    }
    QList<Request> Requests()
    {
        QMutexLocker lock(&m_mutex);
        return m_requests;
    }
    std::atomic<uint32_t> m_frequency;

protected:
    void run() override
    {
        platform::LocalEndpoint endpoint;
        endpoint.setHandler([&](uint32_t, uint32_t wParam, int32_t lParam) -> uint32_t {
            QMutexLocker lock(&m_mutex);
            m_requests.append({wParam, lParam});
            if (wParam == 10)
                m_frequency = uint32_t(lParam);
            return wParam == 9 ? 0x20523u : m_frequency.load();
        });
        QString error;
        endpoint.listen(CMainFrame::RadioProgramClass(), &error);
        m_ready = true;
        exec();
    }

private:
    QMutex m_mutex;
    QList<Request> m_requests;
    std::atomic<bool> m_ready{false};
};

} // namespace testsupport
