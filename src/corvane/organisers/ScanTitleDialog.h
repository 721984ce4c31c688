#pragma once
// "Title": the name a scan definition is saved under, chosen from or added
// to the stored names; overwriting a stored one is confirmed.
#include "shared/ui/BaseDialog.h"

#include <QStringList>

class QComboBox;

class CScanTitleDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 236;
    static constexpr unsigned IDC_TITLE = 1137;

    CScanTitleDialog(QWidget* pParent, const QStringList& titles, const QString& strTitle);
    ~CScanTitleDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;

    const QString& GetTitle() const { return m_strTitle; }
    int GetOverwrite() const { return m_bOverwrite; }
    QComboBox* TitleBox() const { return m_pTitle; }

private:
    // Where the text goes in the list, which keeps itself in order.
    int SortedPosition(const QString& strText) const;

    QString m_strTitle;
    int m_bOverwrite = 0;
    QStringList m_titles;
    QComboBox* m_pTitle;
};
