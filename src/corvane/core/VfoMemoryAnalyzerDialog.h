#pragma once
#include <QDialog>
#include <QList>
#include <QString>

class COwnListCtrl;
class COwnSpinButtonCtrl;
class QLabel;
class QLineEdit;
class QRadioButton;

// "VFO & Memory Analyzer": reads one VFO band or memory record from the
// radio and lists its fields with their coding.
class CVfoMemoryAnalyzerDialog : public QDialog {
    Q_OBJECT
public:
    enum Selection { SEL_VFO_A = 0, SEL_VFO_B = 1, SEL_MEMORY = 2 };

    struct FieldRow {
        QString strDescription;
        QString strValue;
        QString strOffset;
        QString strBits;
        QString strRemarks;
    };

    explicit CVfoMemoryAnalyzerDialog(QWidget* pParent = nullptr);
    ~CVfoMemoryAnalyzerDialog() override;

    bool OnInitDialog();
    void Refresh();
    void SetSelection(int nSelection);
    int GetSelection() const { return m_nSelection; }

    // Label and EEPROM address of the record chosen by kind and number.
    static QString RecordLabel(int nSelection, const QString& strNumber);
    static uint32_t RecordAddress(int nSelection, long nNumber);
    // The whole record lies in the radio's EEPROM (numbers outside the spin
    // range may still name one; far outside, there is nothing to read).
    static bool IsInEeprom(int nSelection, long nNumber);
    // The rows listed for a decoded record (memory-only rows only for memories).
    static QList<FieldRow> Rows(const class CMemoryRecordText& record, bool bMemory);

    QLineEdit* GetNumberEdit(int nSelection) const { return m_pNumbers[nSelection]; }
    COwnSpinButtonCtrl* GetSpin(int nSelection) const { return m_pSpins[nSelection]; }
    COwnListCtrl* GetList() const { return m_pList; }
    QString GetStatusText() const;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_pNumbers[3] = {};
    COwnSpinButtonCtrl* m_pSpins[3] = {};
    QRadioButton* m_pRadios[3] = {};
    QLabel* m_pStatus = nullptr;
    COwnListCtrl* m_pList = nullptr;
    int m_nSelection = SEL_VFO_A;
    bool m_bInitialised = false;
};
