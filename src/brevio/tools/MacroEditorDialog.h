#pragma once
// "Macro Editor": one macro's titles, text and switches, with a help text
// and the tags that can be put into the text (a double click inserts one).
#include "shared/ui/BaseDialog.h"

#include <QStringList>

class CColorEdit;
class COwnListCtrl;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

class CMacroEditorDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 384;
    enum : int {
        IDC_FULL_TITLE = 1059,
        IDC_SHORT_TITLE = 1234,
        IDC_DEFINITION = 1516,
        IDC_HELP = 1077,
        IDC_ERASE = 1079,
        IDC_SEND = 1080,
        IDC_PROMPT = 1082,
        IDC_ENABLE = 1063,
        IDC_SUPER_ONLY = 1202,
        IDC_CUSTOM_TAGS = 1083,
        IDC_FIXED_TAGS = 1084,
        IDC_DEFINITION_LABEL = 1085,
        IDC_MAX_NOTE = 1086,
        IDC_MANDATORY_NOTE = 1087,
    };
    static constexpr int kShortTitleMax = 15;

    // A new macro.
    CMacroEditorDialog(QWidget* pParent, const QStringList& titlesInUse);
    // An existing macro.
    CMacroEditorDialog(QWidget* pParent, const QString& strFullTitle, const QString& strShortTitle,
                       const QStringList& definition, bool bErase, bool bAlwaysPrompt, bool bSendNow,
                       bool bSuperBrowserOnly, bool bLeaveHisInfo, const QStringList& titlesInUse, int nEnable);
    ~CMacroEditorDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;

    // The editor's fields (after OK: as confirmed).
    QString m_strFullTitle;
    QString m_strShortTitle;
    QStringList m_definition;
    bool m_bErase = false;
    bool m_bSendNow = false;
    bool m_bAlwaysPrompt = false;
    bool m_bSuperBrowserOnly = false;
    bool m_bLeaveHisInfo = false;
    int m_nEnable = 1;

    bool IsEditMode() const { return m_bEditMode; }
    bool IsOkEnabled() const;
    static QString HelpText();

    QLineEdit* FullTitleEdit() const { return m_pFullTitle; }
    QLineEdit* ShortTitleEdit() const { return m_pShortTitle; }
    QPlainTextEdit* DefinitionEdit() const { return m_pDefinition; }
    CColorEdit* HelpEdit() const { return m_pHelp; }
    QCheckBox* SendCheck() const { return m_pSend; }
    QCheckBox* EnableCheck() const { return m_pEnable; }
    COwnListCtrl* CustomTags() const { return m_pCustomTags; }
    COwnListCtrl* FixedTags() const { return m_pFixedTags; }
    // A double click on a tag entry: the entry replaces the text's selection.
    void InsertTag(const QString& strTag);

private:
    void Build();
    void UpdateOkState();

    bool m_bEditMode = false;
    QString m_strTitleAtOpening;
    QStringList m_titlesInUse;
    QLineEdit* m_pFullTitle = nullptr;
    QLineEdit* m_pShortTitle = nullptr;
    QPlainTextEdit* m_pDefinition = nullptr;
    CColorEdit* m_pHelp = nullptr;
    QCheckBox* m_pErase = nullptr;
    QCheckBox* m_pSend = nullptr;
    QCheckBox* m_pPrompt = nullptr;
    QCheckBox* m_pEnable = nullptr;
    QCheckBox* m_pSuperOnly = nullptr;
    COwnListCtrl* m_pCustomTags = nullptr;
    COwnListCtrl* m_pFixedTags = nullptr;
};
