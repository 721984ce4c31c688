#pragma once
// "Loading Memory": reads every channel of the application's channel list
// from the radio with a progress bar, then closes by itself.
#include <QDialog>

class CBarMeter;
class CRadioMemoryList;

class CLoadingMemoryDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned kTemplateId = 266;
    static constexpr unsigned IDC_PROGRESS = 1206;

    // The list defaults to the application's.
    explicit CLoadingMemoryDialog(QWidget* pParent = nullptr, CRadioMemoryList* pList = nullptr);
    ~CLoadingMemoryDialog() override;

    // IDOK once every channel was read; IDCANCEL when the radio did not answer.
    int DoModal();
    // The reading itself (run once, after the dialog is first shown).
    void OnInitialise();

    CBarMeter* GetProgress() const { return m_pProgress; }
    const QStringList& GetProgressHistory() const { return m_history; }

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    CRadioMemoryList* m_pList;
    CBarMeter* m_pProgress;
    bool m_bInitialised = false;
    bool m_bLoaded = false;
    QStringList m_history;
};
