#pragma once
// "Save Changes": writes the memory manager's changed channels to the radio
// and its archive to the archive file, as the operator ticks them.
#include <QDialog>

class CBarMeter;
class CRadioMemoryList;
class QCheckBox;
class QPushButton;

class CSaveChangesDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 265;
    enum Control : unsigned { IDC_ARCHIVE = 1203, IDC_MEMORY = 1168, IDC_PROGRESS = 1101 };

    CSaveChangesDialog(QWidget* pParent, bool bArchiveModified, bool bMemoryModified, CRadioMemoryList* pArchive,
                       CRadioMemoryList* pMemory);
    ~CSaveChangesDialog() override;

    // IDOK after a save, IDCANCEL otherwise.
    int DoModal();
    // "Save": the ticked parts, then the dialog closes.
    void OnSave();

    // The check states as the operator left them.
    bool IsArchiveChecked() const;
    bool IsMemoryChecked() const;
    // What really happened: the archive file was written; the radio's
    // memory was written to (some channels may have failed).
    bool WasArchiveSaved() const { return m_bArchiveSaved; }
    bool WasMemoryWritten() const { return m_bMemoryWritten; }

    QCheckBox* GetArchiveCheck() const { return m_pArchive; }
    QCheckBox* GetMemoryCheck() const { return m_pMemory; }
    QPushButton* GetSaveButton() const { return m_pSave; }
    CBarMeter* GetProgress() const { return m_pProgress; }

    // Texts shown while saving, in order (for the operator and for tests).
    const QStringList& GetProgressHistory() const { return m_history; }

private:
    void UpdateSaveButton();
    void ShowProgress(const QString& strText);

    QCheckBox* m_pArchive;
    QCheckBox* m_pMemory;
    QPushButton* m_pSave;
    CBarMeter* m_pProgress;
    CRadioMemoryList* m_pArchiveList;
    CRadioMemoryList* m_pMemoryList;
    bool m_bArchiveSaved = false;
    bool m_bMemoryWritten = false;
    QStringList m_history;
};
