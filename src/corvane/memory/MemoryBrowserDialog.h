#pragma once
// "Memory Browser": an EEPROM range as a hexadecimal dump, 16 bytes a row.
// It never writes to the radio.
#include "corvane/memory/EepromRangeDialog.h"

#include <QFont>

class CMemoryBrowserDialog : public CEepromRangeDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 212;
    static constexpr unsigned IDC_LOAD = 1112;

    // The link defaults to the application's.
    explicit CMemoryBrowserDialog(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CMemoryBrowserDialog() override;

    void OnLoad();
    void OnOK() override { OnLoad(); }

    uint32_t GetLowest() const { return m_nLowest; }
    uint32_t GetHighest() const { return m_nHighest; }
    uint32_t GetByteCount() const { return m_nCount; }
    COXBitmapButton* GetLoadButton() const { return m_pLoad; }

private:
    void UpdateButtons();

    COXBitmapButton* m_pLoad;
    QFont m_listFont;
    uint8_t m_row[16] = {};
    uint32_t m_nLowest = 0;
    uint32_t m_nCount = 0;
    uint32_t m_nHighest = 0;
    bool m_bLoaded = false;
};
