#pragma once
// "Memory Analyser (Changes)": takes a baseline of an EEPROM range and, on
// request, reads the range again and lists every byte that changed with the
// bits switched on and off, to find out which EEPROM bits a radio menu
// option uses. It never writes to the radio.
#include "corvane/memory/EepromRangeDialog.h"

#include <QByteArray>
#include <vector>

class CMemoryAnalyserDialog : public CEepromRangeDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 211;
    static constexpr unsigned IDC_BASELINE = 1112;
    static constexpr unsigned IDC_CHANGES = 1115;

    // The link defaults to the application's.
    explicit CMemoryAnalyserDialog(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CMemoryAnalyserDialog() override;

    void OnBaseline();
    void OnChanges();
    // Enter: Changes while a baseline exists, else Baseline.
    void OnOK() override;

    bool IsBaselineValid() const { return m_bBaselineValid != 0; }
    uint32_t GetLowest() const { return m_nLowest; }
    uint32_t GetHighest() const { return m_nHighest; }
    uint32_t GetByteCount() const { return m_nCount; }
    COXBitmapButton* GetBaselineButton() const { return m_pBaseline; }
    COXBitmapButton* GetChangesButton() const { return m_pChanges; }

protected:
    void OnRangeEdited() override;

private:
    void ReadRange(QByteArray& buffer, std::vector<bool>& read);
    void UpdateButtons();

    COXBitmapButton* m_pBaseline;
    COXBitmapButton* m_pChanges;
    QByteArray m_baseline;
    QByteArray m_current;
    std::vector<bool> m_baselineRead;
    std::vector<bool> m_currentRead;
    uint32_t m_nLowest = 0;
    uint32_t m_nCount = 0;
    uint32_t m_nHighest = 0;
    int m_bBaselineValid = 0;
};
