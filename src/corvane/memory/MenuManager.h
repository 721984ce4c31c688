#pragma once
// "FT-817 Manager": the radio's own menu settings on ten pages, with a list
// of every page and its settings at the left. Opening reads every page from
// the radio; Apply writes the pages the operator changed, waits for the
// radio to settle and reads them back; Refresh reads everything again; OK
// applies and closes, Cancel closes without writing. The page last shown is
// remembered ("Menu manager page").
#include "shared/ui/PropertySheet.h"

class CCatLink;
class CMenuPage;
class CPageSelectorList;
class QPushButton;

class CMenuManager : public CPropertySheet {
    Q_OBJECT
public:
    static constexpr unsigned IDC_SELECTOR = 1078;
    static constexpr unsigned ID_REFRESH = 105;
    static constexpr int kSelectorWidth = 200;
    static constexpr int kEdge = 2;  // the system's 3-D edge height
    static constexpr int kPageCount = 10;
    static constexpr int kSettleMs = 1000;

    // The link defaults to the application's.
    explicit CMenuManager(QWidget* pParent = nullptr, CCatLink* pLink = nullptr);
    ~CMenuManager() override;

    bool OnInitDialog() override;
    void OnApplyNow() override;
    void OnOK() override;
    void OnCancel() override;
    void OnRefresh();
    // The list follows the tabs (posted by each page when it is shown).
    int OnSelect();

    CMenuPage* GetMenuPage(int nPage) const;
    CPageSelectorList* GetSelectorList() const { return m_pSelector; }
    QPushButton* GetRefreshButton() const { return m_pRefresh; }

    static QString PageValueName() { return QStringLiteral("Menu manager page"); }

protected:
    bool event(QEvent* event) override;
    void OnShowWindow(bool bShow) override;

private:
    void ReadPage(CMenuPage* pPage);

    CPageSelectorList* m_pSelector = nullptr;  // owned; made at initialisation
    QPushButton* m_pRefresh = nullptr;         // owned; made at initialisation
    CCatLink* m_pLink = nullptr;               // the pages' link
};
