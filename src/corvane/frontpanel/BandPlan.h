#pragma once
// The band plan the tuning dials draw: an ordered list of bands, each with
// its edges in Hz, and the screen rectangles and click marks a dial leaves
// on it while drawing. Built-in sets follow the band-plan options.
#include "shared/WinTypes.h"

#include <QPoint>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class CSettings;

// A click mark: a rectangle and the frequency a click on it tunes to.
struct CBandRect {
    RECT rect;
    uint32_t nFrequency = 0;
};

class CBandPlanEntry {
public:
    CBandPlanEntry() { Reset(); }
    virtual ~CBandPlanEntry() = default;

    void Reset();
    // Every field but the marks.
    void CopyFrom(const CBandPlanEntry& other);
    void ClearRects();
    void RemoveMarks() { m_marks.clear(); }
    // The rectangle runs from topLeft to one pixel beyond bottomRight, then
    // grows by one pixel on every side.
    void AddMark(QPoint topLeft, QPoint bottomRight, uint32_t nFrequency);
    // The frequency of the first mark holding the point, else 0.
    uint32_t HitTest(QPoint point) const;
    const std::vector<CBandRect>& GetMarks() const { return m_marks; }

    bool Contains(uint32_t f) const { return m_nFrom <= f && f <= m_nTo; }

    int GetVisible() const { return m_bVisible; }
    void SetVisible(int b) { m_bVisible = b; }
    int GetEnabled() const { return m_bEnabled; }
    void SetEnabled(int b) { m_bEnabled = b; }
    int GetShown() const { return m_bShown; }
    void SetShown(int b) { m_bShown = b; }
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& s) { m_strTitle = s; }
    uint32_t GetFrom() const { return m_nFrom; }
    uint32_t GetTo() const { return m_nTo; }
    void SetFrom(uint32_t f) { m_nFrom = f; }
    void SetTo(uint32_t f) { m_nTo = f; }
    // Label area (the baseline), bar area (maps x to frequency), click area.
    const RECT& GetLabelRect() const { return m_rcLabel; }
    const RECT& GetBarRect() const { return m_rcBar; }
    const RECT& GetClickRect() const { return m_rcClick; }
    void SetLabelRect(const RECT& r) { m_rcLabel = r; }
    void SetBarRect(const RECT& r) { m_rcBar = r; }
    void SetClickRect(const RECT& r) { m_rcClick = r; }

private:
    int m_bVisible = 0;
    int m_bEnabled = 0;
    int m_bShown = 0;
    QString m_strTitle;
    uint32_t m_nFrom = 0xFFFFFFFF;
    uint32_t m_nTo = 0xFFFFFFFF;
    RECT m_rcLabel;
    RECT m_rcBar;
    RECT m_rcClick;
    std::vector<CBandRect> m_marks;
};

class CBandPlan {
public:
    CBandPlan() = default;
    virtual ~CBandPlan() = default;
    CBandPlan(const CBandPlan& other) { CopyFrom(other); }
    CBandPlan& operator=(const CBandPlan& other)
    {
        if (this != &other)
            CopyFrom(other);
        return *this;
    }

    // From the smaller to the larger edge; nothing (nullptr) when not enabled.
    CBandPlanEntry* AddBand(const QString& strTitle, uint32_t a, uint32_t b, int bEnabled, int bShown);
    void RemoveAll();
    // Sets 0-4 with edges from the band-plan options; any other number
    // leaves the plan empty.
    void BuildStandard(int n);
    void BuildStandard(int n, const CSettings& settings);
    void BuildStandardDefault() { BuildStandard(0); }
    void CopyFrom(const CBandPlan& other);

    int GetCount() const { return int(m_entries.size()); }
    CBandPlanEntry* GetEntry(int n) const { return n >= 0 && n < GetCount() ? m_entries[size_t(n)].get() : nullptr; }
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& s) { m_strTitle = s; }

private:
    QString m_strTitle;
    std::vector<std::unique_ptr<CBandPlanEntry>> m_entries;
};

// "160m - 10m", "160m - 70cm", "VHF - UHF", "Shortwave"; empty for others.
QString GetStandardSetName(int n);
