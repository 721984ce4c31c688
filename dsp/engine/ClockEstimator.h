#pragma once

namespace pskdsp {

// The sample-clock error from the times at which the timing loop takes its
// symbols: the slope of those times against the symbol count, less the
// nominal period. The slope is fitted by least squares over each unbroken
// stretch of clean signal and pooled over all the stretches since the
// channel was tuned, each weighing as much as its slope is accurate (with
// its length cubed). The loop's own clock term follows every wobble of the
// symbol timing and would read hundreds of ppm either way on an exact clock.
class ClockEstimator {
public:
    void create(double samplesPerSymbol);
    void reset();
    // A clean symbol taken at time t (samples, counted without wrap).
    void add(double t);
    // The clean stretch has ended; the next symbol starts a new one.
    void gap();
    // Enough signal for a reading.
    bool valid() const;
    // Actual minus nominal symbol period, in parts per million.
    double ppm() const;

private:
    void close();

    // The loop's clock term takes hundreds of symbols to pull in after a
    // reset: the timing drifts meanwhile and would bias the slope, so the
    // first stretch is fitted only after that. Later stretches start with
    // the term already pulled in.
    static constexpr long kWarmUp = 256;
    static constexpr long kRewarm = 64;

    double m_period = 16.0;
    long m_skipped = 0;     // symbols of the open stretch not yet fitted
    bool m_warm = false;    // the loop has been through one whole warm-up
    // The open stretch: symbol k taken at t0 + k * period + y.
    double m_t0 = 0;
    long m_n = 0;
    double m_sumK = 0, m_sumY = 0, m_sumKK = 0, m_sumKY = 0;
    // The closed stretches, centred sums pooled.
    double m_sxx = 0, m_sxy = 0;
};

} // namespace pskdsp
