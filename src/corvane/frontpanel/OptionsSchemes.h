#pragma once
// The "Schemes" page: the built-in colour schemes, applied by a button or a
// double click. Its hidden second button writes the current colours out as
// a scheme record for the program's source.
#include "shared/ui/OptionsPage.h"

class QListWidget;
class QPushButton;

class COptionsSchemes : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 249;
    static constexpr unsigned IDC_LIST = 1078;
    static constexpr unsigned IDC_APPLY = 1200;
    static constexpr unsigned IDC_DEFINITION = 1210;

    explicit COptionsSchemes(QWidget* parent = nullptr);
    ~COptionsSchemes() override;

    bool OnInitDialog() override;
    void DoDataExchange(bool bSaveAndValidate) override;
    void GetKeywords(QStringList& keywords) override;

    QListWidget* GetList() const { return m_pList; }
    QString GetSelectedName() const { return m_strScheme; }
    void OnApplyScheme();
    // The current colours (as the pages hold them) into
    // "VE817 Colour Scheme.txt", opened for reading.
    void OnCreateDefinition();

private:
    QListWidget* m_pList = nullptr;
    QPushButton* m_pApply = nullptr;
    QPushButton* m_pDefinition = nullptr;
    QString m_strScheme;
};
