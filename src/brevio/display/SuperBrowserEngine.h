#pragma once
// The Super Browser's channel engine, without a window: N of its 40 slots
// (DSP ids 10 .. N + 9) spread over the display range, the received
// characters filed into them, and once a second the placement of the boxes
// of the channels that have enough text beside the waterfall, the ticks of
// the others, and the search for new signals by the silent ones. The view
// draws what a placement returns.
#include "brevio/display/SuperChannel.h"
#include "shared/WinTypes.h"

#include <array>
#include <vector>

// What the placement needs of the picture and the canvas beside it.
struct CBrowserGeometry {
    int nPictureWidth = 0;
    int nPictureHeight = 0;
    // The canvas's display range (Hz) and the rows of its plot.
    int nCanvasMin = 0;
    int nCanvasMax = 0;
    int nPlotTop = 0;
    int nPlotBottom = 0;
    // Height of one line of the box font.
    int nFontHeight = 0;
};

// One second's picture: what to draw, in order.
struct CBrowserPlacement {
    struct Tick {
        int y;
        bool bSome;  // the "some text" pen, else the "none" pen
    };
    struct Box {
        int nIndex;
        RECT rect;
        int yFrequency;  // the channel's row on the scale
        bool bTransmit;
    };
    std::vector<Tick> ticks;
    std::vector<Box> boxes;
    // No channel is shown: the searching screen fills the picture.
    bool bSearching = false;
};

class CSuperBrowserEngine {
public:
    static constexpr int kSlots = 40;
    static constexpr int kFirstDspId = 10;
    static constexpr int kMinChannels = 5;
    static constexpr int kMaxChannels = 40;
    // The connector box edge and the frequency guard between shown channels.
    static constexpr int kBoxLeft = 40;
    static constexpr int kClaimGuard = 25;

    CSuperBrowserEngine();

    CSuperChannel& Channel(int nIndex) { return m_channels[size_t(nIndex)]; }
    const CSuperChannel& Channel(int nIndex) const { return m_channels[size_t(nIndex)]; }
    int GetChannelCount() const { return m_nChannels; }
    // Kept within 5 .. 40.
    void SetChannelCount(int nChannels);
    int GetSquelchThreshold() const { return m_nSquelch; }
    // Every record's threshold; applied to the channels in use.
    void SetSquelchThreshold(int nThreshold);

    bool IsRunning() const { return m_bRunning; }
    bool IsInitialising() const { return m_bInitialising; }
    void SetInitialising(bool bOn) { m_bInitialising = bOn; }
    bool IsConfigured() const { return m_bConfigured; }
    int GetLastSearch() const { return m_nLastSearch; }
    int GetTickCount() const { return m_nTicks; }

    // The transmit channel: the selected one while the panel is shown.
    void SetTxPanel(bool bShown, int nSelected)
    {
        m_bTxPanel = bShown;
        m_nSelected = nSelected;
    }
    int TransmitChannel() const { return m_bTxPanel ? m_nSelected : -1; }

    // Spreads the channels in use over the display range and restarts them.
    void StartChannels();
    // Running again: the channels resume where they were (spread on first use).
    void Start();
    // Every browser DSP channel off, in use or not.
    void Stop();
    static void DisableAllDspChannels();

    // A received character of DSP channel id; the slot it went to, or -1
    // when it was dropped (while initialising, or an id outside 10-49).
    int OnChannelChar(int nChar, int nDspId);
    // One second: ticks, boxes and searches. With bTransmitting no channel
    // times out during the operator's own transmission.
    CBrowserPlacement Update(const CBrowserGeometry& geometry);
    // The one-second timer: refresh, placement, and on every second call
    // the alarms of the channels in use.
    CBrowserPlacement Tick(const CBrowserGeometry& geometry, bool bTransmitting);
    void CheckAlarms();
    void ClearAllBoxes();

    // The row of a frequency on the canvas's scale (real arithmetic).
    static double RowOf(int nFrequency, const CBrowserGeometry& geometry);
    static int BoxHeight(int nFontHeight, bool bTransmit);

    // Occupancy of one placement.
    bool ClaimFrequency(int nFrequency);
    bool KeepBox(const RECT& box);
    bool FindFreeRows(RECT& box);
    void ResetOccupancy(int nRows, int nFrequencies);
    // Boxes first, then the earlier start, the longer text, the higher frequency.
    void SortForPlacement(std::vector<int>& list) const;

private:
    bool ComesBefore(int a, int b) const;

    std::array<CSuperChannel, kSlots> m_channels;
    int m_nChannels = 20;
    int m_nSquelch = 50;
    bool m_bRunning = false;
    bool m_bInitialising = false;
    bool m_bConfigured = false;
    bool m_bTxPanel = false;
    int m_nSelected = -1;
    int m_nLastSearch = -1;
    int m_nTicks = 0;
    std::vector<char> m_rows;
    std::vector<char> m_frequencies;
};
