#pragma once
// Asks for the values of a macro's tags before it is sent: one row per tag
// with its current value, edited in place, and a live preview of the text.
// On OK the values go back to the caller and become the tags bar's values.
#include "shared/ui/BaseDialog.h"

#include <QMap>
#include <QStringList>

class CColorEdit;
class CEditableListCtrl;
class QCheckBox;
class QLabel;

class CMacroInputDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 163;
    enum : int { IDC_LIST = 122, IDC_PREVIEW = 1077, IDC_ERASE = 1079, IDC_SEND = 1080, IDC_PROMPT = 1076 };
    static constexpr int kPreviewTimer = 100;
    static constexpr int kPreviewMs = 250;
    enum Image { ImageTag = 0, ImageOwn = 1 };

    CMacroInputDialog(QWidget* pParent, int nChannel, const QString& strTitle, const QStringList& names,
                      const QStringList& definition, bool bErase, bool bSendNow);
    ~CMacroInputDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;

    // After OK: one value per name the caller passed, in the caller's order.
    const QStringList& GetValues() const { return m_values; }
    CEditableListCtrl* List() const { return m_pList; }
    CColorEdit* Preview() const { return m_pPreview; }
    // Brings the preview up to date with the values typed (the timer's work).
    void UpdatePreview();

protected:
    void timerEvent(QTimerEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void SizeColumns();
    QStringList RowValues() const;

    int m_nChannel;
    QStringList m_names;
    QStringList m_rowNames;
    // Each row's value as the dialog showed it.
    QStringList m_shownValues;
    QMap<QString, int> m_occurrence;
    QStringList m_definition;
    QStringList m_values;
    QStringList m_lastValues;
    bool m_bErase;
    bool m_bSendNow;
    CEditableListCtrl* m_pList = nullptr;
    CColorEdit* m_pPreview = nullptr;
    QCheckBox* m_pErase = nullptr;
    QCheckBox* m_pSend = nullptr;
    QBasicTimer m_previewTimer;
};
