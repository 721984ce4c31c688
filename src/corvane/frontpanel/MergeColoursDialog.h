#pragma once
// "Merge Colours": the operator picks two points of a meter's colour row;
// the caller then spreads the colours evenly between them.
#include <QDialog>
#include <QStringList>

class COwnComboBox;

class CMergeColoursDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 317;
    static constexpr unsigned IDC_START = 1360;
    static constexpr unsigned IDC_END = 1361;

    CMergeColoursDialog(QWidget* pParent, const QStringList& points);
    ~CMergeColoursDialog() override;

    // IDOK or IDCANCEL.
    int DoModal();
    // Fills both lists: Start on the first point, End on the last.
    bool OnInitDialog();
    void OnOK();
    // Combo indexes read at OK (-1 before).
    int GetStart() const { return m_nStart; }
    int GetEnd() const { return m_nEnd; }
    COwnComboBox* GetStartCombo() const { return m_pStart; }
    COwnComboBox* GetEndCombo() const { return m_pEnd; }

protected:
    void accept() override { OnOK(); }

private:
    QStringList m_points;
    COwnComboBox* m_pStart = nullptr;
    COwnComboBox* m_pEnd = nullptr;
    int m_nStart = -1;
    int m_nEnd = -1;
    bool m_bInitialised = false;
};
