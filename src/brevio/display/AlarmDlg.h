#pragma once
// "Alarm": one alarm's title, find expression (with a menu of expression
// snippets and a test), comment, and its actions with buttons that try them.
#include "brevio/display/Alarm.h"
#include "shared/ui/BaseDialog.h"

#include <QMap>
#include <QStringList>

class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QMenu;
class QRadioButton;
class CColourStatic;
class COXBitmapButton;

class CAlarmDlg : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 200;
    enum : int {
        IDC_TITLE = 1059,
        IDC_FIND = 1077,
        IDC_COMMENT = 1078,
        IDC_BEEP = 1156,
        IDC_HIGHLIGHT = 1159,
        IDC_PLAY = 1157,
        IDC_SPEECH = 1158,
        IDC_WAVE = 1162,
        IDC_WAVE_LABEL = 1165,
        IDC_BROWSE = 1163,
        IDC_PLAY_BUTTON = 1166,
        IDC_SPEAK_BUTTON = 1167,
        IDC_SPEECH_TEXT = 1164,
        IDC_SPEECH_LABEL = 1168,
        IDC_ADD_CHANNEL = 1172,
        IDC_ADD_MATCH = 1173,
        IDC_SPEAK = 1079,
        IDC_SPELL = 1080,
        IDC_PHONETIC = 1146,
        IDC_SPEECH_OPTIONS = 1084,
        IDC_GROUP = 1085,
        IDC_TEST = 1175,
        IDC_REGEX = 1169,
    };
    // Identifiers of the expression menu: the 13 literals, then the table.
    static constexpr int kFirstMenuId = 33364;

    // A new alarm.
    CAlarmDlg(QWidget* pParent, bool bMustBeNew, const QStringList& titlesInUse);
    // An existing alarm (or a copy that must get a new title).
    CAlarmDlg(QWidget* pParent, bool bMustBeNew, const QStringList& titlesInUse, const CAlarm& alarm);
    ~CAlarmDlg() override;

    bool OnInitDialog() override;
    void OnOK() override;
    // The edited alarm after OK (disabled: the caller sets that).
    const CAlarm& GetResult() const { return m_result; }

    void UpdateControlStates();
    void OnBrowse();
    void OnPlay();
    void OnSpeak();
    // The phrase the speak button says.
    QString SpeakPhrase() const;
    void OnTest();
    // The expression menu, built afresh; the chosen entry replaces the find
    // box's selection.
    QMenu* BuildExpressionMenu();
    void OnExpressionMenu();
    void InsertExpression(int nId);
    // (label, inserted text) of the menu's table rows, separators empty.
    static const QList<QPair<QString, QString>>& ExpressionRows();
    static QString Literals() { return QStringLiteral(".*?+(){}[]^$\\"); }

    QWidget* Control(int nId) const { return GetDlgItem(unsigned(nId)); }
    QLineEdit* Edit(int nId) const;
    QCheckBox* Check(int nId) const;
    QRadioButton* Radio(int nId) const;
    int AlphanumericMode() const;

private:
    void Build();
    void Fill(const CAlarm& alarm);

    bool m_bMustBeNew;
    QStringList m_titlesInUse;
    QString m_strTitleAtOpening;
    CAlarm m_result;
    CColourStatic* m_pWave = nullptr;
    COXBitmapButton* m_pRegex = nullptr;
    QMap<int, QString> m_menuTexts;
};
