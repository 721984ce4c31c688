#pragma once
// Loads the scripted stand-in DSP library through the program's binding and
// reaches its script functions, so a test feeds display data through the
// same wrappers the program calls.
#include "brevio/core/DspLibrary.h"

#include <QLibrary>
#include <QString>
#include <vector>

namespace testsupport {

class ScriptedDsp {
public:
    explicit ScriptedDsp(const char* path) : m_library(QString::fromUtf8(path))
    {
        ForgetDspLibrary();
        m_bLoaded = LoadDspLibrary(nullptr, QString::fromUtf8(path)) && m_library.load();
        if (m_bLoaded)
            Call<void (*)()>("scriptReset")();
    }
    ~ScriptedDsp() { ForgetDspLibrary(); }
    ScriptedDsp(const ScriptedDsp&) = delete;
    ScriptedDsp& operator=(const ScriptedDsp&) = delete;

    bool IsLoaded() const { return m_bLoaded; }

    void SetSpectrum(const std::vector<int>& values)
    {
        Call<void (*)(const int*, int)>("scriptSetSpectrum")(values.data(), int(values.size()));
    }
    void SetRaw(const std::vector<int>& values)
    {
        Call<void (*)(const int*, int)>("scriptSetRaw")(values.data(), int(values.size()));
    }
    void SetResults(int nFft, int nRaw) { Call<void (*)(int, int)>("scriptSetResults")(nFft, nRaw); }
    void SetRxFrequency(int nChannel, int nFrequency)
    {
        Call<void (*)(int, int)>("scriptSetRxFrequency")(nChannel, nFrequency);
    }
    void SetVectors(int nChannel, const std::vector<int>& points)
    {
        std::vector<int> p(points);
        p.resize(16);
        Call<void (*)(int, const int*)>("scriptSetVectors")(nChannel, p.data());
    }
    int VectorCalls() { return Call<int (*)()>("scriptVectorCalls")(); }
    int FftModeCount() { return Call<int (*)()>("scriptFftModeCount")(); }
    // Smoothing, scale and mode of the i-th fnSetFFTMode.
    int FftMode(int i, int nPart) { return Call<int (*)(int, int)>("scriptFftMode")(i, nPart); }
    int FftCalls() { return Call<int (*)()>("scriptFftCalls")(); }
    int LastFirstBin() { return Call<int (*)()>("scriptLastFirstBin")(); }
    int LastLastBin() { return Call<int (*)()>("scriptLastLastBin")(); }
    int RawCalls() { return Call<int (*)()>("scriptRawCalls")(); }
    int RawCount() { return Call<int (*)()>("scriptRawCount")(); }
    int TuneCount() { return Call<int (*)()>("scriptTuneCount")(); }
    // Frequency and channel of the i-th fnSetRXFrequency.
    int Tune(int i, int nPart) { return Call<int (*)(int, int)>("scriptTune")(i, nPart); }
    int Rewinds() { return Call<int (*)()>("scriptRewinds")(); }

private:
    template <class F>
    F Call(const char* name)
    {
        return reinterpret_cast<F>(m_library.resolve(name));
    }

    QLibrary m_library;
    bool m_bLoaded = false;
};

} // namespace testsupport
