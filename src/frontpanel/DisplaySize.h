#pragma once
// Which of the three front-panel sizes is used: 0 small, 1 medium, 2 large.
// Kept as "CDisplaySize::m_eSize"; panels made after a change use the new size.
#include <QSize>

class CDisplaySize {
public:
    // The default from the desktop's work area.
    CDisplaySize();
    explicit CDisplaySize(const QSize& workArea);
    virtual ~CDisplaySize() = default;

    static int DefaultFor(const QSize& workArea);

    void Load();
    void Save() const;
    void SetSmall() { m_eSize = 0; Save(); }
    void SetMedium() { m_eSize = 1; Save(); }
    void SetLarge() { m_eSize = 2; Save(); }
    bool IsSmall() const { return m_eSize == 0; }
    bool IsMedium() const { return m_eSize == 1; }
    bool IsLarge() const { return m_eSize == 2; }
    int GetSize() const { return m_eSize == 1 || m_eSize == 2 ? m_eSize : 0; }
    int GetFormTemplate() const;
    int GetFineTuningTemplate() const;

private:
    int m_eSize = 0;
};

// The program's one display-size object (loaded on first use).
CDisplaySize& GetDisplaySize();
