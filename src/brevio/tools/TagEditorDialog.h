#pragma once
// "Tag Editor": one tag's title, logbook field and switches for the Tags Manager.
#include "shared/ui/BaseDialog.h"

#include <QStringList>

class CColorEdit;
class QCheckBox;
class QLineEdit;

class CTagEditorDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 387;
    enum : int { IDC_TITLE = 1059, IDC_LOGBOOK = 1240, IDC_ENABLED = 1063, IDC_OWN = 1098, IDC_HELP = 1077 };

    // A new tag.
    CTagEditorDialog(QWidget* pParent, const QStringList& titlesInUse);
    // An existing tag (the locked argument is not used: the editor never locks).
    CTagEditorDialog(QWidget* pParent, const QString& strTitle, const QString& strLogField, int bEnabled,
                     int bOwnStation, int bLocked, const QStringList& titlesInUse);
    ~CTagEditorDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;
    bool IsOkEnabled() const;
    static QString HelpText();

    QString m_strTitle;
    QString m_strLogField;
    int m_bEnabled = 1;
    int m_bOwnStation = 0;
    int m_bLocked = 0;

    QLineEdit* TitleEdit() const { return m_pTitle; }
    QLineEdit* LogbookEdit() const { return m_pLogbook; }
    QCheckBox* EnabledCheck() const { return m_pEnabled; }
    QCheckBox* OwnCheck() const { return m_pOwn; }
    CColorEdit* HelpEdit() const { return m_pHelp; }

private:
    void Build();
    void UpdateOkState();

    bool m_bEditMode = false;
    QString m_strPreviousTitle;
    QStringList m_titlesInUse;
    QLineEdit* m_pTitle = nullptr;
    QLineEdit* m_pLogbook = nullptr;
    QCheckBox* m_pEnabled = nullptr;
    QCheckBox* m_pOwn = nullptr;
    CColorEdit* m_pHelp = nullptr;
};
