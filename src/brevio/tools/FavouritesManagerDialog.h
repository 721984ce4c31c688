#pragma once
// "Favourites Manager": the digital-mode program's list of favourite radio
// frequencies, edited on a copy and handed to the main frame on OK.
#include "shared/ui/BaseDialog.h"

#include <QList>
#include <QStringList>
#include <cstdint>

class COwnListCtrl;
class COXBitmapButton;

class CFavouritesManagerDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 155;
    static constexpr unsigned IDR_TOOLBAR = 156;
    enum : int {
        IDC_LIST = 110,
        ID_NEW = 32824,
        ID_EDIT = 32825,
        ID_DELETE = 32823,
        ID_MOVE_UP = 32821,
        ID_MOVE_DOWN = 32822,
    };

    // "14.070.150 MHz": the hertz in groups of three.
    static QString FrequencyText(uint32_t nHz);

    explicit CFavouritesManagerDialog(QWidget* pParent);
    ~CFavouritesManagerDialog() override;

    bool OnInitDialog() override;
    bool OnCommand(unsigned nId) override;
    void OnUpdateCommand(CCmdUI& cmdUI) override;
    bool IsCommandEnabled(unsigned nId) const;
    void OnOK() override;
    void OnCancel() override;

    void OnNew();
    void OnEdit();
    void OnDelete();
    void OnMove(int nDelta);
    void SetModified(bool bModified);

    bool IsModified() const { return m_bModified; }
    QString BaseCaption() const { return m_strCaption; }
    COwnListCtrl* List() const { return m_pList; }
    COXBitmapButton* OkButton() const { return m_pOk; }
    // The rows, top to bottom.
    void GetRows(QList<uint32_t>& freqs, QStringList& titles) const;

private:
    void AddRow(const QString& strTitle, const QString& strText, uint32_t nHz);

    COwnListCtrl* m_pList = nullptr;
    COXBitmapButton* m_pOk = nullptr;
    bool m_bModified = false;
    QString m_strCaption;
};
