#pragma once
#include <QSize>

// Which of the three front-panel sizes is used: 0 small, 1 medium, 2 large
// (registry "CDisplaySize::m_eSize"); the default follows the screen.
class CDisplaySize {
public:
    CDisplaySize();
    virtual ~CDisplaySize() = default;

    // The default for a desktop work area of that size.
    static int DefaultForWorkArea(const QSize& workArea);

    void Load();
    void Save() const;
    void SetSmall() { Set(0); }
    void SetMedium() { Set(1); }
    void SetLarge() { Set(2); }
    bool IsSmall() const { return m_eSize == 0; }
    bool IsMedium() const { return m_eSize == 1; }
    int GetSize() const { return m_eSize; }
    // The front-panel form and the Fine Tuning dialog of the size.
    unsigned GetFormTemplate() const;
    unsigned GetFineTuningTemplate() const;

private:
    void Set(int nSize);

    int m_eSize = 0;
};
