#include "brevio/display/SuperBrowserEngine.h"

#include "brevio/core/PSK31Settings.h"

#include <algorithm>
#include <cmath>

CSuperBrowserEngine::CSuperBrowserEngine() = default;

void CSuperBrowserEngine::SetChannelCount(int nChannels)
{
    m_nChannels = std::clamp(nChannels, kMinChannels, kMaxChannels);
}

void CSuperBrowserEngine::SetSquelchThreshold(int nThreshold)
{
    m_nSquelch = nThreshold;
    for (CSuperChannel& c : m_channels)
        c.SetSquelch(nThreshold);
    for (int i = 0; i < m_nChannels; ++i)
        m_channels[size_t(i)].ApplySquelch();
}

void CSuperBrowserEngine::StartChannels()
{
    const CPSK31Settings& s = CurrentSettings();
    m_bConfigured = true;
    for (CSuperChannel& c : m_channels)
        c.Reset();
    double span = double(s.m_nDisplayMax - s.m_nDisplayMin) / m_nChannels;
    for (int i = 0; i < m_nChannels; ++i) {
        CSuperChannel& c = m_channels[size_t(i)];
        c.SetDspChannel(i + kFirstDspId);
        c.SetBaseFrequency(s.m_nDisplayMin + int(std::trunc(i * span)));
        c.SetCurrentFrequency(c.GetBaseFrequency());
        c.SetAlarmHit(0);
        c.SetSpan(int(std::trunc(span)));
        c.SetSquelch(m_nSquelch);
    }
    m_nLastSearch = -1;
    for (int i = 0; i < m_nChannels; ++i)
        m_channels[size_t(i)].Restart();
}

void CSuperBrowserEngine::Start()
{
    m_bRunning = true;
    if (m_bConfigured) {
        for (int i = 0; i < m_nChannels; ++i) {
            CBrowserEnvironment::Instance().EnableRxChannel(i + kFirstDspId, 1);
            m_channels[size_t(i)].ApplySquelch();
        }
    } else {
        StartChannels();
    }
    m_bInitialising = true;
}

void CSuperBrowserEngine::Stop()
{
    m_bRunning = false;
    DisableAllDspChannels();
}

void CSuperBrowserEngine::DisableAllDspChannels()
{
    for (int id = kFirstDspId; id < kFirstDspId + kSlots; ++id)
        CBrowserEnvironment::Instance().EnableRxChannel(id, 0);
}

int CSuperBrowserEngine::OnChannelChar(int nChar, int nDspId)
{
    if (m_bInitialising)
        return -1;
    const int index = nDspId - kFirstDspId;
    if (index < 0 || index >= kSlots)
        return -1;
    m_channels[size_t(index)].AddChar(nChar);
    return index;
}

void CSuperBrowserEngine::ClearAllBoxes()
{
    for (CSuperChannel& c : m_channels)
        c.ClearBox();
}

double CSuperBrowserEngine::RowOf(int nFrequency, const CBrowserGeometry& g)
{
    if (g.nCanvasMax <= g.nCanvasMin)
        return g.nPlotTop;
    return double(g.nCanvasMax - nFrequency) / double(g.nCanvasMax - g.nCanvasMin) *
               double(g.nPlotBottom - g.nPlotTop + 1) +
           g.nPlotTop;
}

int CSuperBrowserEngine::BoxHeight(int nFontHeight, bool bTransmit)
{
    int h = nFontHeight;
    if (h % 2 == 0)
        ++h;
    h += 4;
    return bTransmit ? 4 * h : h;
}

void CSuperBrowserEngine::ResetOccupancy(int nRows, int nFrequencies)
{
    m_rows.assign(size_t(std::max(0, nRows)), 0);
    m_frequencies.assign(size_t(std::max(0, nFrequencies)), 0);
}

bool CSuperBrowserEngine::ClaimFrequency(int f)
{
    const int size = int(m_frequencies.size());
    if (f < 0 || f >= size)
        return true;
    if (m_frequencies[size_t(f)])
        return false;
    for (int k = std::max(0, f - kClaimGuard); k <= std::min(size - 1, f + kClaimGuard); ++k)
        m_frequencies[size_t(k)] = 1;
    return true;
}

bool CSuperBrowserEngine::KeepBox(const RECT& box)
{
    const int rows = int(m_rows.size());
    if (box.top < 0 || box.bottom >= rows || m_rows[size_t(box.top)] || m_rows[size_t(box.bottom)])
        return false;
    for (int r = std::max(box.top, 0); r <= box.bottom; ++r)
        m_rows[size_t(r)] = 1;
    return true;
}

bool CSuperBrowserEngine::FindFreeRows(RECT& box)
{
    const int rows = int(m_rows.size());
    for (int d = 0; d <= rows; ++d) {
        for (int sign : {1, -1}) {
            RECT moved = box;
            moved.top += sign * d;
            moved.bottom += sign * d;
            if (moved.top >= 0 && moved.bottom < rows && !m_rows[size_t(moved.top)] &&
                !m_rows[size_t(moved.bottom)]) {
                box = moved;
                for (int r = std::max(box.top, 0); r <= box.bottom; ++r)
                    m_rows[size_t(r)] = 1;
                return true;
            }
            if (d == 0)
                break;
        }
    }
    return false;
}

bool CSuperBrowserEngine::ComesBefore(int a, int b) const
{
    const CSuperChannel& x = m_channels[size_t(a)];
    const CSuperChannel& y = m_channels[size_t(b)];
    if (x.HasBox() != y.HasBox())
        return x.HasBox();
    if (x.GetStartTime().nSeconds != y.GetStartTime().nSeconds)
        return x.GetStartTime().nSeconds < y.GetStartTime().nSeconds;
    if (x.GetStartTime().nMilliseconds != y.GetStartTime().nMilliseconds)
        return x.GetStartTime().nMilliseconds < y.GetStartTime().nMilliseconds;
    if (x.GetDisplayText().size() != y.GetDisplayText().size())
        return x.GetDisplayText().size() > y.GetDisplayText().size();
    return x.GetCurrentFrequency() > y.GetCurrentFrequency();
}

void CSuperBrowserEngine::SortForPlacement(std::vector<int>& list) const
{
    // A bubble sort: equal channels keep their order.
    for (size_t n = list.size(); n > 1; --n)
        for (size_t j = 1; j < n; ++j)
            if (ComesBefore(list[j], list[j - 1]))
                std::swap(list[j], list[j - 1]);
}

CBrowserPlacement CSuperBrowserEngine::Update(const CBrowserGeometry& g)
{
    const CPSK31Settings& s = CurrentSettings();
    CBrowserEnvironment& env = CBrowserEnvironment::Instance();
    CBrowserPlacement out;
    const int transmit = TransmitChannel();
    const int threshold = s.m_nBrowserThChars;
    auto tickAt = [&](int f, bool some) { out.ticks.push_back({int(std::trunc(RowOf(f, g))), some}); };

    std::vector<int> idle;
    std::vector<int> show;
    for (int i = m_nChannels - 1; i >= 0; --i) {
        CSuperChannel& c = m_channels[size_t(i)];
        const bool tx = i == transmit;
        if (!tx && !c.IsActive()) {
            idle.push_back(i);
        } else if (!tx && c.GetDisplayText().size() < threshold) {
            tickAt(c.GetCurrentFrequency(), c.GetDisplayText().size() >= threshold / 4);
        } else {
            c.SetCurrentFrequency(env.GetRxFrequency(c.GetDspChannel()));
            if (!tx)
                show.push_back(i);
        }
    }
    if (transmit >= 0 && transmit < m_nChannels)
        show.insert(show.begin(), transmit);

    std::vector<int> used;
    if (show.empty()) {
        out.bSearching = true;
    } else {
        ResetOccupancy(g.nPictureHeight, g.nCanvasMax);
        SortForPlacement(show);
        for (int i : show) {
            CSuperChannel& c = m_channels[size_t(i)];
            const int f = c.GetCurrentFrequency();
            if (f < s.m_nDisplayMin || f > s.m_nDisplayMax || !ClaimFrequency(f)) {
                c.ClearText();
                c.SetSearching(0);
                idle.push_back(i);
                continue;
            }
            used.push_back(f);
            const double y = RowOf(f, g);
            const int height = BoxHeight(g.nFontHeight, i == transmit);
            RECT box;
            box.left = kBoxLeft;
            box.top = int(std::trunc(y)) - height / 2;
            box.right = g.nPictureWidth - 10;
            box.bottom = box.top + height;
            if (s.m_bBrowserAlwaysOpt)
                c.ClearBox();
            if (c.HasBox() && KeepBox(c.GetBox())) {
                box = c.GetBox();
            } else if (FindFreeRows(box)) {
                c.SetBox(box);
            } else {
                c.ClearBox();
                continue;
            }
            out.boxes.push_back({i, box, int(std::trunc(y)), i == transmit});
        }
    }

    const int searchLimit = s.m_nBrowserThSearch * 1000;
    for (int i : idle) {
        const CSuperChannel& c = m_channels[size_t(i)];
        if (c.IsSearching() && c.MsSinceSearch() < searchLimit)
            used.push_back(c.GetCurrentFrequency());
    }
    for (int i : idle) {
        CSuperChannel& c = m_channels[size_t(i)];
        if (!(c.IsSearching() && c.MsSinceSearch() < searchLimit)) {
            c.ClearText();
            c.ClearBox();
            c.SetCurrentFrequency(c.GetBaseFrequency());
            m_nLastSearch = c.SearchNewFrequency(m_nLastSearch, g.nCanvasMax, g.nCanvasMin, used);
        }
        used.push_back(c.GetCurrentFrequency());
        tickAt(c.GetCurrentFrequency(), false);
    }
    return out;
}

CBrowserPlacement CSuperBrowserEngine::Tick(const CBrowserGeometry& geometry, bool bTransmitting)
{
    if (bTransmitting) {
        const CTimeStamp now = CBrowserEnvironment::Instance().Now();
        for (CSuperChannel& c : m_channels)
            if (!c.GetDisplayText().isEmpty() && !c.GetLastCharTime().IsZero())
                c.SetLastCharTime(now);
    }
    CBrowserPlacement placement = Update(geometry);
    ++m_nTicks;
    if (m_nTicks % 2 == 1)
        CheckAlarms();
    return placement;
}

void CSuperBrowserEngine::CheckAlarms()
{
    for (int i = 0; i < m_nChannels; ++i)
        m_channels[size_t(i)].CheckAlarms();
}
