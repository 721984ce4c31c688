#include "engine/PskReceiver.h"

#include <algorithm>
#include <cmath>

namespace pskdsp {
namespace {

constexpr int kSamplesPerSymbol = 16; // after decimation
constexpr int kFilterTaps = 160;
constexpr int kCoarseWindow = 256;
constexpr int kCoarseEvery = 64;

// Symbol-spaced equaliser that undoes the overlap of neighbouring pulses
// after the matched filter (one sixth of a pulse on each side).
const float kEqualiser[5] = {0.02944f, -0.17157f, 1.0f, -0.17157f, 0.02944f};

} // namespace

PskReceiver::PskReceiver() : m_viterbi(24), m_history(kHistory), m_fftIn(kCoarseWindow), m_fftOut(kCoarseWindow) {}

void PskReceiver::create(double sampleRate, int modeCode, double frequency)
{
    m_rate = sampleRate;
    m_modeCode = modeCode;
    m_mode = PskMode::fromCode(modeCode, false);
    if (!m_mode.valid) {
        m_modeCode = 0;
        m_mode = PskMode::fromCode(0, false);
    }
    m_frequency = m_setFrequency = frequency;
    rebuild();
}

void PskReceiver::setSampleRate(double sampleRate)
{
    if (sampleRate == m_rate)
        return;
    m_rate = sampleRate;
    rebuild();
}

bool PskReceiver::setMode(int modeCode)
{
    const PskMode mode = PskMode::fromCode(modeCode, false);
    if (!mode.valid)
        return false;
    if (modeCode == m_modeCode)
        return true;
    m_modeCode = modeCode;
    m_mode = mode;
    rebuild();
    return true;
}

void PskReceiver::setSquelch(int threshold, int speed)
{
    m_threshold = threshold;
    // Time constant of the level in symbols: fast, slow, or half the given value.
    double tau = 6;
    if (speed == 1)
        tau = 32;
    else if (speed >= 10)
        tau = speed / 2.0;
    m_squelchAlpha = 1.0 / tau;
}

void PskReceiver::rebuild()
{
    m_decimation = m_mode.symbolRate > 40 ? 8 : 16;
    m_decimatedRate = m_rate / m_decimation;
    m_filter.create(designLowPass(kFilterTaps, 3.2 * m_mode.symbolRate, m_rate), m_decimation);
    std::vector<float> mf(2 * kSamplesPerSymbol);
    double sum = 0;
    for (int i = 0; i < int(mf.size()); ++i) {
        const double s = std::sin(M_PI * (i + 0.5) / mf.size());
        mf[i] = float(s * s);
        sum += mf[i];
    }
    for (float& v : mf)
        v = float(v / sum);
    m_matched.create(mf, 1);
    m_timing.create(m_decimatedRate / m_mode.symbolRate);
    m_clock.create(m_decimatedRate / m_mode.symbolRate);
    m_imd.create(m_decimatedRate, m_mode.symbolRate, 16 * kSamplesPerSymbol);
    m_oscillator.create(-m_frequency, m_rate);
    reset();
}

void PskReceiver::reset()
{
    m_filter.reset();
    m_matched.reset();
    m_timing.reset();
    m_oscillator.reset();
    m_eqLine.fill({});
    m_eqFill = 0;
    m_prevSymbol = {};
    m_power = 0;
    m_quality = 0;
    m_recentPower = 0;
    m_signalPower = 0;
    m_viterbi.reset();
    for (auto& v : m_turned)
        v.reset();
    m_fit.fill(0);
    m_fitSymbols = 0;
    m_turnVotes = 0;
    m_turnVoted = 0;
    m_varicode.reset();
    m_inCharacter = false;
    m_lastBitZero = false;
    m_characterLevel = 0;
    std::fill(m_history.begin(), m_history.end(), cfloat{});
    m_historyCount = 0;
    m_sinceCoarse = 0;
    m_lastCoarse = 1e9;
    m_afcSum = 0;
    m_afcWeight = 0;
    m_afcCount = 0;
    m_reversals = 0;
    m_sinceImd = 0;
    m_clock.reset();
    m_clockCount = 0;
    m_vectors.fill({});
    m_vectorLength.fill(0);
    m_levels.fill(0);
    m_symbolCount = 0;
}

void PskReceiver::setFrequency(double hz)
{
    m_setFrequency = std::clamp(hz, kMinFrequency, kMaxFrequency);
    retune(m_setFrequency);
    // Another signal, likely from another station's clock.
    m_clock.reset();
    m_clockCount = 0;
    m_quality = 0;
}

void PskReceiver::retune(double hz)
{
    m_frequency = std::clamp(hz, kMinFrequency, kMaxFrequency);
    m_oscillator.setFrequency(-m_frequency, m_rate);
}

int PskReceiver::level() const
{
    return std::clamp(int(std::lround(99 * m_quality)), 0, 99);
}

void PskReceiver::vectors(int out[16]) const
{
    for (int i = 0; i < 8; ++i) {
        const cfloat v = m_vectors[(m_vectorPos + i) % 8];
        const float len = m_vectorLength[(m_vectorPos + i) % 8];
        const float a = std::abs(v);
        if (a <= 0) {
            out[2 * i] = out[2 * i + 1] = 0;
            continue;
        }
        // No phase change points up, a reversal down.
        out[2 * i] = int(std::lround(1000 * len * v.imag() / a));
        out[2 * i + 1] = int(std::lround(1000 * len * v.real() / a));
    }
}

double PskReceiver::clockErrorPpm() const
{
    return m_clock.ppm();
}

void PskReceiver::execute(const float* in, int n, RxEvents& events)
{
    for (int i = 0; i < n; ++i) {
        cfloat y;
        if (m_filter.execute(in[i] * m_oscillator.next(), &y))
            decimated(y, events);
    }
}

void PskReceiver::decimated(cfloat x, RxEvents& events)
{
    m_history[m_historyCount % kHistory] = x;
    ++m_historyCount;
    if (++m_sinceCoarse >= kCoarseEvery) {
        m_sinceCoarse = 0;
        coarseAfc();
    }
    cfloat mf;
    if (m_matched.execute(x, &mf)) {
        cfloat s;
        if (m_timing.execute(mf, &s))
            symbol(s, events);
    }
}

void PskReceiver::symbol(cfloat s, RxEvents& events)
{
    for (int i = 4; i > 0; --i)
        m_eqLine[i] = m_eqLine[i - 1];
    m_eqLine[0] = s;
    if (m_eqFill < 5) {
        ++m_eqFill;
        return;
    }
    cfloat y{};
    for (int i = 0; i < 5; ++i)
        y += kEqualiser[i] * m_eqLine[i];
    const double p = std::norm(y);
    m_power += (p - m_power) * (m_power == 0 ? 1.0 : 1.0 / 16);
    const cfloat z = y * std::conj(m_prevSymbol);
    m_prevSymbol = y;
    m_recentPower += (p - m_recentPower) / 2;
    const float mag = std::abs(z);
    if (mag <= 0 || m_power <= 0) {
        m_clock.gap();
        m_quality -= m_quality * m_squelchAlpha; // silence
        if (m_quality < 0.2)
            m_timing.setLocked(false);
        return;
    }

    // Level: how well the phase changes sit on the constellation.
    const cfloat u = z / mag;
    const cfloat u2 = u * u;
    const double q = m_mode.qpsk ? double((u2 * u2).real()) : double(u2.real());
    m_quality += (q - m_quality) * m_squelchAlpha;
    // Locked on a signal from a clear level until it is plainly gone.
    if (m_quality > 0.5)
        m_timing.setLocked(true);
    else if (m_quality < 0.2)
        m_timing.setLocked(false);

    m_vectors[m_vectorPos] = z;
    m_vectorLength[m_vectorPos] = float(std::min(1.0, std::sqrt(p / m_power)));
    m_vectorPos = (m_vectorPos + 1) % 8;

    // Fine AFC: the residual rotation with the data removed (squared, or to
    // the fourth power), summed over a few symbols so that noisy ones weigh less.
    if (m_afcLimit > 0) {
        const std::complex<double> zz(z.real(), z.imag());
        std::complex<double> v = zz * zz;
        if (m_mode.qpsk)
            v = v * v / std::norm(zz);
        // Each symbol weighs by its strength against the recent average, but
        // no more than twice: when a signal starts, the average still holds
        // the noise, and one strong symbol (the first, whose phase change is
        // from the noise) would otherwise make the sum look coherent alone
        // and step the channel off the signal it is about to copy.
        const double size = std::abs(v);
        if (size > 0) {
            const double weight = std::min(size / (m_power * m_power), 2.0);
            m_afcSum += v / size * weight;
            m_afcWeight += weight;
        }
        // Fast: a short sum for doppler; else a second's worth, which noise
        // alone almost never makes coherent.
        const bool fast = m_afcLimit >= 3000;
        // The fourth power is far noisier and aliases a quarter of the symbol
        // rate away: QPSK sums longer and moves in smaller steps.
        const int length = fast ? 8 : 16;
        if (++m_afcCount >= length) {
            const double coherence = m_afcWeight > 0 ? std::abs(m_afcSum) / m_afcWeight : 0;
            if (coherence > (m_mode.qpsk ? 0.6 : 0.5)) {
                const double err = std::arg(m_afcSum) / (m_mode.qpsk ? 4 : 2);
                const double hz = err * m_mode.symbolRate / (2 * M_PI);
                const double gain = m_mode.qpsk && !fast ? 0.4 : 0.6;
                const double step = std::clamp(gain * hz, -m_mode.symbolRate / 32, m_mode.symbolRate / 32);
                double f = m_frequency + (fast ? gain * hz : step);
                if (m_afcLimit < 3000)
                    f = std::clamp(f, m_setFrequency - m_afcLimit, m_setFrequency + m_afcLimit);
                retune(f);
            }
            m_afcSum = 0;
            m_afcWeight = 0;
            m_afcCount = 0;
        }
    }

    // Idle reversals: the time to read the IMD.
    const bool reversal = z.real() < 0 && std::abs(z.imag()) < -z.real();
    m_reversals = reversal ? m_reversals + 1 : 0;
    if (m_reversals >= 24 && ++m_sinceImd >= 16) {
        m_sinceImd = 0;
        // The newest symbols are still in the filters: leave four out.
        const int window = m_imd.window();
        const long end = m_historyCount - 4 * kSamplesPerSymbol;
        if (end - window >= 0 && m_historyCount - (end - window) <= kHistory) {
            std::vector<cfloat> buf(window);
            for (int i = 0; i < window; ++i)
                buf[i] = m_history[(end - window + i) % kHistory];
            events.imd = true;
            events.imdReading = m_imd.execute(buf.data());
        }
    } else if (m_reversals < 24) {
        m_sinceImd = 15;
    }

    // Clock error from the symbols taken while the signal is clean enough,
    // read out after every ten seconds of them.
    if (m_quality > 0.5 && m_timing.settled()) {
        m_clock.add(m_timing.lastTime());
        if (++m_clockCount >= long(10 * m_mode.symbolRate)) {
            m_clockCount = 0;
            if (m_clock.valid()) {
                events.clock = true;
                events.clockPpm = int(std::lround(m_clock.ppm()));
            }
        }
    } else {
        m_clock.gap();
    }

    // A signal that has just stopped leaves the level high for a moment:
    // its missing power closes the squelch at once.
    if (m_quality > 0.4)
        m_signalPower += (m_recentPower - m_signalPower) / (m_signalPower == 0 ? 1 : 64);
    const bool present = m_recentPower > 0.15 * m_signalPower;
    const int now = present ? level() : 0;
    m_levels[m_symbolCount % m_levels.size()] = now;
    ++m_symbolCount;
    const cfloat d = m_mode.lsb ? std::conj(z) : z;
    if (!m_mode.qpsk) {
        deliver(d.real() > 0 ? 1 : 0, m_symbolCount - 1, now, events);
        return;
    }
    const cfloat w = d * cfloat(float(M_SQRT1_2), -float(M_SQRT1_2));
    const float scale = float(1.0 / m_power);
    const int bit = m_viterbi.execute(-w.imag() * scale, w.real() * scale);
    checkRotation(d, scale);
    if (bit >= 0) {
        deliver(bit, m_symbolCount - 1 - m_viterbi.depth(), now, events);
    }
}

int PskReceiver::levelAt(long symbol) const
{
    return symbol < 0 ? 0 : m_levels[symbol % m_levels.size()];
}

void PskReceiver::deliver(int bit, long symbol, int now, RxEvents& events)
{
    // A bit that leaves the Viterbi decoder late is judged by the level of
    // its own time, and by the present one, so that the squelch still closes
    // at once when a signal stops.
    const int level = std::min(now, levelAt(symbol));
    // The squelch has to be open where the character starts as well as where
    // it ends, and already for a few symbols where it starts: one begun by
    // the noise before a signal, or by the errors of its first symbols while
    // the receiver pulls in, is not shown however quickly the level rises. A
    // short dip in between, which noise alone makes on a QPSK signal, does
    // not lose it.
    if (bit && !m_inCharacter) {
        m_inCharacter = true;
        m_characterLevel = level;
        for (long k = 1; k <= kSquelchSettle; ++k)
            m_characterLevel = std::min(m_characterLevel, levelAt(symbol - k));
    }
    const int c = m_varicode.execute(bit);
    if (c >= 0 && m_characterLevel >= m_threshold && level >= m_threshold)
        events.characters.push_back(c);
    if (!bit && m_lastBitZero)
        m_inCharacter = false;
    m_lastBitZero = !bit;
}

void PskReceiver::checkRotation(cfloat d, float scale)
{
    if (m_afcLimit <= 0)
        return;
    // A QPSK channel a quarter of the symbol rate off sees every phase change
    // turned by a quarter turn, which still sits on the constellation: the
    // level may even say locked, and neither AFC can see it. The code can: the turned
    // stream fits it badly, while the same stream turned back fits it well.
    constexpr double kAlpha = 1.0 / 64;
    m_fit[0] += (m_viterbi.lastFit() - m_fit[0]) * kAlpha;
    const cfloat rotate45(float(M_SQRT1_2), -float(M_SQRT1_2));
    cfloat turned = d;
    for (int k = 1; k <= 3; ++k) {
        turned *= cfloat(0, -1);
        const cfloat w = turned * rotate45;
        m_turned[k - 1].execute(-w.imag() * scale, w.real() * scale);
        m_fit[k] += (m_turned[k - 1].lastFit() - m_fit[k]) * kAlpha;
    }
    if (++m_fitSymbols < 64 || m_fitSymbols % 16 != 0)
        return;
    int best = 0;
    for (int k = 1; k <= 3; ++k)
        if (m_fit[k] > m_fit[best])
            best = k;
    // Only for a stream that plainly is coded (noise fits every turn alike,
    // at about 0.8), and on two checks in a row.
    if (best == 0 || m_fit[best] < 0.86 || m_fit[best] < m_fit[0] + 0.06) {
        m_turnVotes = 0;
        return;
    }
    if (m_turnVoted != best)
        m_turnVotes = 0;
    m_turnVoted = best;
    if (++m_turnVotes < 2)
        return;
    // The phase changes run a quarter turn ahead (or behind): the signal is a
    // quarter of the symbol rate above (below; the other way round in lower
    // sideband). A half turn is half the symbol rate either side: the side
    // with the signal's power is the one.
    double quarters = best == 3 ? -1 : 1;
    if (m_mode.lsb)
        quarters = -quarters;
    if (best == 2)
        quarters = sidePower(m_mode.symbolRate / 2) >= sidePower(-m_mode.symbolRate / 2) ? 2 : -2;
    double f = m_frequency + quarters * m_mode.symbolRate / 4;
    if (m_afcLimit < 3000)
        f = std::clamp(f, m_setFrequency - m_afcLimit, m_setFrequency + m_afcLimit);
    retune(f);
    m_fit.fill(0);
    m_fitSymbols = 0;
    m_turnVotes = 0;
    m_afcSum = 0;
    m_afcWeight = 0;
    m_afcCount = 0;
}

double PskReceiver::sidePower(double hz) const
{
    // The baseband history moved by hz and summed over a symbol: a sum that
    // long lets through what sits at hz and nulls what sits a symbol rate away.
    const long n = std::min<long>(m_historyCount, kHistory);
    const double step = -2 * M_PI * hz / m_decimatedRate;
    std::vector<std::complex<double>> moved(static_cast<size_t>(n));
    double total = 0;
    std::complex<double> sum{};
    for (long i = 0; i < n; ++i) {
        const long t = m_historyCount - n + i;
        moved[size_t(i)] = std::complex<double>(m_history[t % kHistory]) * std::polar(1.0, step * double(i));
        sum += moved[size_t(i)];
        if (i >= kSamplesPerSymbol)
            sum -= moved[size_t(i - kSamplesPerSymbol)];
        if (i >= kSamplesPerSymbol - 1)
            total += std::norm(sum);
    }
    return total;
}

void PskReceiver::coarseAfc()
{
    // A squared (or fourth-power) signal shows a line at twice (four times)
    // its offset, with no ambiguity at fractions of the symbol rate, so it
    // also pulls a QPSK channel out of a lock a quarter symbol rate off.
    // Only while nothing is locked: once locked, the fine AFC follows, and
    // the transitions' sidebands could pass for the line.
    if (m_afcLimit <= 0 || m_quality > 0.3 || m_historyCount < kCoarseWindow)
        return;
    const int power = m_mode.qpsk ? 4 : 2;
    for (int i = 0; i < kCoarseWindow; ++i) {
        cfloat v = m_history[(m_historyCount - kCoarseWindow + i) % kHistory];
        cfloat r = v * v;
        if (power == 4)
            r *= r;
        m_fftIn[i][0] = r.real();
        m_fftIn[i][1] = r.imag();
    }
    fftwf_execute_dft(Fft::complexPlan(kCoarseWindow), m_fftIn.data(), m_fftOut.data());
    const double binHz = m_decimatedRate / kCoarseWindow;
    const double reach = std::min(double(power) * m_afcLimit, 0.45 * m_decimatedRate);
    const int maxBin = int(reach / binHz);
    auto mag = [&](int k) {
        const int i = (k + kCoarseWindow) % kCoarseWindow;
        return double(m_fftOut[i][0]) * m_fftOut[i][0] + double(m_fftOut[i][1]) * m_fftOut[i][1];
    };
    double total = 0;
    for (int k = 0; k < kCoarseWindow; ++k)
        total += mag(k);
    const double mean = total / kCoarseWindow;
    int best = 0;
    double bestMag = -1;
    for (int k = -maxBin; k <= maxBin; ++k) {
        if (mag(k) > bestMag) {
            bestMag = mag(k);
            best = k;
        }
    }
    // The symbol transitions put sidebands one symbol rate either side of
    // the line, and noise can lift one above it. The line is the one with a
    // sideband on each side; a sideband has the line on one side only.
    const int side = int(std::lround(m_mode.symbolRate / binHz));
    auto around = [&](int k) {
        auto peakNear = [&](int c) { return std::max({mag(c - 1), mag(c), mag(c + 1)}); };
        return mag(k) + 2 * std::min(peakNear(k - side), peakNear(k + side));
    };
    int centre = best;
    for (int c : {best - side, best + side})
        if (std::abs(c) <= maxBin && around(c) > around(centre))
            centre = c;
    if (centre != best) {
        // Refine on the line itself.
        for (int k = centre - 1; k <= centre + 1; ++k)
            if (mag(k) > mag(centre))
                centre = k;
        best = centre;
        bestMag = mag(best);
    }
    if (mean <= 0 || bestMag < 16 * mean) {
        m_lastCoarse = 1e9;
        return;
    }
    const double a = mag(best - 1), b = bestMag, c = mag(best + 1);
    const double denom = a - 2 * b + c;
    const double frac = denom != 0 ? 0.5 * (a - c) / denom : 0;
    const double offset = (best + frac) * binHz / power;
    // Noise makes a line now and then: act only on two estimates that agree.
    const double estimate = m_frequency + offset;
    const bool confirmed = std::abs(estimate - m_lastCoarse) < 1.5 || bestMag > 60 * mean;
    m_lastCoarse = estimate;
    // A small offset is left to the fine AFC. Any larger one the line
    // decides while nothing is locked: the fine AFC moves about a hertz each
    // half second, which is slower than the 32 reversals before a first
    // character (a channel a few hertz off, where a click on the waterfall
    // leaves it, lost that character), and it cannot see beyond its reach at
    // all (a QPSK lock a quarter of the symbol rate off looks clean).
    const double reachFine = m_mode.symbolRate / (m_mode.qpsk ? 8 : 4);
    if (!confirmed || std::abs(offset) < 0.25 * reachFine)
        return;
    // In the fourth power the first sidebands sit a quarter of the symbol
    // rate out, where a false QPSK lock would also put the line: a weak
    // QPSK signal cannot tell them apart, so those offsets are not taken.
    if (m_mode.qpsk) {
        const double quarter = m_mode.symbolRate / 4;
        const double k = std::round(offset / quarter);
        if (k != 0 && std::abs(offset - k * quarter) < 1.5)
            return;
    }
    m_lastCoarse = 1e9;
    double f = m_frequency + offset;
    if (m_afcLimit < 3000)
        f = std::clamp(f, m_setFrequency - m_afcLimit, m_setFrequency + m_afcLimit);
    retune(f);
    // The window still holds the old tuning: wait for a fresh one.
    m_sinceCoarse = kCoarseEvery - kCoarseWindow;
}

} // namespace pskdsp
