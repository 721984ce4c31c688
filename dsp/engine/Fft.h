#pragma once
#include <complex>
#include <cstring>
#include <fftw3.h>

namespace pskdsp {

// FFTW plans made once per size and shared; planning is not thread-safe in
// FFTW, executing a plan on other arrays is.
class Fft {
public:
    // Complex forward transform of n points.
    static fftwf_plan complexPlan(int n);
    // Real-to-complex transform of n points.
    static fftwf_plan realPlan(int n);
};

// An aligned buffer of FFTW's allocator.
template <typename T>
class FftBuffer {
public:
    explicit FftBuffer(int n = 0) { resize(n); }
    ~FftBuffer() { fftwf_free(m_data); }
    FftBuffer(const FftBuffer&) = delete;
    FftBuffer& operator=(const FftBuffer&) = delete;
    void resize(int n)
    {
        fftwf_free(m_data);
        m_data = n > 0 ? static_cast<T*>(fftwf_malloc(sizeof(T) * size_t(n))) : nullptr;
        m_size = n;
        if (m_data)
            std::memset(static_cast<void*>(m_data), 0, sizeof(T) * size_t(n));
    }
    T* data() { return m_data; }
    const T* data() const { return m_data; }
    T& operator[](int i) { return m_data[i]; }
    const T& operator[](int i) const { return m_data[i]; }
    int size() const { return m_size; }

private:
    T* m_data = nullptr;
    int m_size = 0;
};

} // namespace pskdsp
