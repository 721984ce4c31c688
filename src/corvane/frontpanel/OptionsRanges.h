#pragma once
// The "Rx Ranges" page: the six receive ranges against which entered
// frequencies are checked, each as a low and a high edge.
#include "shared/ui/OptionsPage.h"

#include <cstdint>

class CFrequencyEdit;

class COptionsRanges : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 336;
    static constexpr unsigned IDC_LOAD_DEFAULTS = 1348;
    static constexpr int kRanges = 6;
    // Edit ids: entry i of m_nFreqRanges (lows 0-5, highs 6-11).
    static const unsigned kEditIds[12];
    // The built-in ranges in Hz, in the same order.
    static const uint32_t kDefaults[12];

    explicit COptionsRanges(QWidget* parent = nullptr);
    ~COptionsRanges() override;

    bool OnInitDialog() override;
    void GetKeywords(QStringList& keywords) override;
    void WriteToSettings(CSettings& settings) override;
    void ReadFromSettings(CSettings& settings) override;

    void OnLoadDefaults();
    // FALSE, with a message naming the range and its two edges, when a
    // range starts above its end: no frequency could ever lie in it.
    bool CheckRanges(QWidget* pOwner);
    CFrequencyEdit* GetEdit(int nEntry) const { return m_pEdits[nEntry]; }

private:
    void ShowValue(int nEntry, uint32_t nHz);

    CFrequencyEdit* m_pEdits[12] = {};
};
