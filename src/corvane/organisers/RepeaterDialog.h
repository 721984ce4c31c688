#pragma once
// "Repeater": the repeater settings kept with a favourite (offset direction,
// tone mode, CTCSS tone, DCS code and offset size). It touches no radio:
// the caller reads the values, or the settings text, after OK.
#include <QDialog>
#include <cstdint>

struct CRadioStatus;
class CFrequencyEdit;
class CMemoryChannel;
class COwnComboBox;
class QButtonGroup;
class QListWidget;

class CRepeaterDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 366;
    enum ControlId : unsigned {
        IDC_SIMPLEX = 1321, IDC_MINUS = 1323, IDC_PLUS = 1322,
        IDC_TONE_OFF = 1324, IDC_TONE = 1325, IDC_TONE_SQUELCH = 1326, IDC_DCS = 1172,
        IDC_CTCSS_LIST = 1260, IDC_DCS_LIST = 1261, IDC_OFFSET = 1317, IDC_STANDARD_OFFSETS = 1137,
        IDC_DCS_CAPTION = 1150, IDC_CTCSS_CAPTION = 1151, IDC_NOTE = 1528,
    };

    // From the current record of a poll (bytes 1, 4, 6, 7 and 15-17).
    CRepeaterDialog(QWidget* pParent, const CRadioStatus& status);
    // From a favourite's settings text.
    CRepeaterDialog(QWidget* pParent, const CMemoryChannel& favourite);
    ~CRepeaterDialog() override;

    int DoModal();
    void OnOK();

    int GetCtcssIndex() const { return m_nCtcss; }
    int GetDcsIndex() const { return m_nDcs; }
    // Offset direction: 0 simplex, 1 minus, 2 plus.
    int GetShift() const { return m_nShift; }
    // 0 off, 1 tone, 2 tone squelch, 3 DCS.
    int GetToneMode() const { return m_nToneMode; }
    // Offset size in Hz after OK (10 Hz units before).
    uint32_t GetOffset() const { return m_nOffset; }
    // "%u,%u,%u,%u,%u,%u": valid flag, offset, CTCSS, DCS, shift, tone mode.
    QString GetSettingsText(uint32_t nValid) const;

    // Controls, for the operator's hand in tests.
    QListWidget* CtcssList() const { return m_pCtcss; }
    QListWidget* DcsList() const { return m_pDcs; }
    CFrequencyEdit* OffsetEdit() const { return m_pOffsetEdit; }
    COwnComboBox* StandardOffsets() const { return m_pStandard; }
    QButtonGroup* ShiftGroup() const { return m_pShiftGroup; }
    QButtonGroup* ToneGroup() const { return m_pToneGroup; }
    void OnStandardOffset();

private:
    void CreateControls();
    void InitControls();

    int m_nShift = -1;
    int m_nToneMode = -1;
    int m_nCtcss = 0;
    int m_nDcs = 0;
    uint32_t m_nOffset = 0;
    QListWidget* m_pCtcss = nullptr;
    QListWidget* m_pDcs = nullptr;
    CFrequencyEdit* m_pOffsetEdit = nullptr;
    COwnComboBox* m_pStandard = nullptr;
    QButtonGroup* m_pShiftGroup = nullptr;
    QButtonGroup* m_pToneGroup = nullptr;
};
