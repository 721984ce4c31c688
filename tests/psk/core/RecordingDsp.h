#pragma once
// A recording stand-in for the DSP engine: every call is written as
// "name(arg, ...)" and answered from a small script.
#include "psk/core/PendingDsp.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace testsupport {

class RecordingDsp {
public:
    RecordingDsp();
    ~RecordingDsp();
    QStringList m_calls;
    QMap<QString, int> m_results;   // by entry-point name; 0 when absent
    QString m_errorText;             // what fnGetErrorString writes
    int m_inputLength = 0;           // what fnSetInputWavePath reports
    pendingdsp::PskMessageSink* m_sink = nullptr;
    int m_activeChannels[50] = {};
    // Calls whose text starts with the prefix.
    QStringList Calls(const QString& prefix) const;
    // Posts as the engine does, from the calling thread.
    void Post(unsigned message, uintptr_t wParam, intptr_t lParam);
    static RecordingDsp* current;
};

} // namespace testsupport
