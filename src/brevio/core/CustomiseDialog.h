#pragma once
#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLabel;
class QRadioButton;
class QTreeWidget;

// The start-up layout dialog "Customising PSK31 Brevio": window layout,
// own-station tags and how the transmitter is keyed. Start-up goes on only
// when it ends with OK.
class CCustomiseDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDD = 180;
    explicit CCustomiseDialog(QWidget* pParent);
    ~CCustomiseDialog() override;

    // After OK: 0 new Super Browser layout, 1 new classic layout, 2 resume.
    int GetLayout() const { return m_nLayout; }

    // Controls, for the operator's hand in tests.
    QRadioButton* PttButton(int n) const;
    QRadioButton* ComModeButton(int n) const;
    QRadioButton* StartModeButton(int n) const;
    QComboBox* PortCombo() const { return m_pPortCombo; }
    QLabel* Description() const { return m_pDescription; }
    QTreeWidget* TagList() const { return m_pTagList; }
    bool IsComGroupEnabled() const;

    static QString StartModeDescription(int nMode);

public slots:
    void accept() override;
    void reject() override;

private:
    void UpdateControls();
    // The own-station tags of the tags bar.
    void FillTagList();
    // The values typed into the tag list, as their tags keep them; false,
    // with the operator told and the value to mend in edit, for one that
    // its tag cannot take.
    bool TakeTagEntries();

    QButtonGroup* m_pPtt = nullptr;
    QButtonGroup* m_pComMode = nullptr;
    QButtonGroup* m_pStartMode = nullptr;
    QComboBox* m_pPortCombo = nullptr;
    QLabel* m_pDescription = nullptr;
    QTreeWidget* m_pTagList = nullptr;
    QList<QWidget*> m_comGroup;
    int m_nLayout = 2;
};
