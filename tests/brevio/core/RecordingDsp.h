#pragma once
// The recording engine (recorder/DspRecorder.cc, a library of its own with
// the engine's 36 names), loaded through the program's binding as the real
// engine is: every call it gets is kept as "name(arg, ...)".
#include "brevio/core/DspLibrary.h"
#include "support/TestEnvironment.h"

#include <QLibrary>
#include <QString>
#include <QStringList>

namespace testsupport {

class RecordingDsp {
public:
    RecordingDsp()
    {
        m_lib.setFileName(QString::fromUtf8(DSP_RECORDER));
        m_loaded = LoadDspLibrary(nullptr, QString::fromUtf8(DSP_RECORDER)) && m_lib.load();
        if (m_loaded)
            Fn<void (*)()>("recReset")();
    }
    ~RecordingDsp() { ForgetDspLibrary(); }

    bool IsLoaded() const { return m_loaded; }
    QStringList Calls() const
    {
        QStringList calls = QString::fromLatin1(Fn<const char* (*)()>("recCalls")()).split(QLatin1Char('\n'));
        calls.removeLast();
        return calls;
    }
    // Calls whose text starts with the prefix.
    QStringList Calls(const QString& prefix) const
    {
        QStringList out;
        for (const QString& c : Calls())
            if (c.startsWith(prefix))
                out.append(c);
        return out;
    }
    void Clear() { Fn<void (*)()>("recClear")(); }
    void SetResult(const char* name, int value) { Fn<void (*)(const char*, int)>("recSetResult")(name, value); }
    void SetError(const char* text) { Fn<void (*)(const char*)>("recSetError")(text); }
    void SetInputLength(int n) { Fn<void (*)(int)>("recSetInputLength")(n); }
    PskMessageSink* Sink() const { return Fn<PskMessageSink* (*)()>("recSink")(); }
    // Posts as the engine does, from the calling thread.
    void Post(unsigned message, uintptr_t wParam, intptr_t lParam)
    {
        Fn<void (*)(unsigned, uintptr_t, intptr_t)>("recPost")(message, wParam, lParam);
    }

private:
    template <typename F>
    F Fn(const char* name) const
    {
        return reinterpret_cast<F>(const_cast<QLibrary&>(m_lib).resolve(name));
    }
    QLibrary m_lib;
    bool m_loaded = false;
};

} // namespace testsupport
