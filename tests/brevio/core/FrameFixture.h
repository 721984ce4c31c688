#pragma once
// A main frame with four channel windows and a log window, on the recording
// engine, as start-up leaves it (without the start-up dialog).
#include "RecordingDsp.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/LogView.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/TxTextWindow.h"

#include <QCoreApplication>
#include <QEvent>
#include <memory>

namespace testsupport {

// Records the registered messages a window receives.
class MessageRecorder : public QObject {
public:
    struct Message {
        uint32_t msg;
        uintptr_t wParam;
        intptr_t lParam;
    };
    explicit MessageRecorder(QObject* target) : m_target(target) { target->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* e) override;
    QList<Message> Of(uint32_t msg) const;
    QObject* m_target;
    QList<Message> m_messages;
};

class FrameFixture {
public:
    FrameFixture();
    ~FrameFixture();

    // Posts as the engine does and lets the frame handle it.
    void Engine(unsigned message, uintptr_t wParam, intptr_t lParam);
    void Process();
    QStringList LogLines() const;

    RecordingDsp dsp;
    CMainFrame* frame = nullptr;
    CFormRx* forms[4] = {};
    CPSK31BrevioView* log = nullptr;
};

} // namespace testsupport
