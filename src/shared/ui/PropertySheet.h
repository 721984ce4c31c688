#pragma once
// Property sheets of both programs: a dialog holding one page per tab with
// OK, Cancel and Apply buttons along the bottom. The sheet lays its window
// out at fixed places (tab control at the top left, buttons below it to the
// right) so that an owner's initialisation can move things about and add
// controls beside the tabs. A page's own initialisation runs once, the first
// time the sheet activates it.
#include <QDialog>
#include <QList>
#include <QPointer>

class CPropertySheet;
class QPushButton;
class QTabWidget;

class CPropertyPage : public QWidget {
    Q_OBJECT
public:
    // The caption is the page's window title, set by the derived page
    // before it is added to a sheet.
    explicit CPropertyPage(unsigned nIDTemplate, QWidget* parent = nullptr);
    ~CPropertyPage() override;

    unsigned GetDialogId() const { return m_nIDTemplate; }
    // The sheet the page belongs to (the page's parent in sheet terms).
    CPropertySheet* GetSheet() const { return m_pSheet; }
    QWidget* GetDlgItem(unsigned nId) const;

    // The page's changed flag; the sheet enables Apply while any page has it.
    void SetModified(bool bChanged = true);
    bool IsModified() const { return m_bModified; }
    bool IsInitialised() const { return m_bInitialised; }

    // TRUE reads the controls into the page's members, FALSE shows the
    // members in the controls (through DoDataExchange).
    bool UpdateData(bool bSaveAndValidate = true);

    // Runs once, when the sheet first activates the page.
    virtual bool OnInitDialog() { return true; }
    virtual void DoDataExchange(bool /*bSaveAndValidate*/) {}
    virtual bool OnSetActive() { return true; }

protected:
    // The page window was shown or hidden.
    virtual void OnShowWindow(bool /*bShow*/) {}
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    friend class CPropertySheet;
    unsigned m_nIDTemplate;
    bool m_bModified = false;
    bool m_bInitialised = false;
    QPointer<CPropertySheet> m_pSheet;
};

class CPropertySheet : public QDialog {
    Q_OBJECT
public:
    static constexpr unsigned ID_APPLY_NOW = 12321;
    // Margin around the tab control and between the buttons, in pixels.
    static constexpr int kMargin = 7;
    static constexpr int kButtonGap = 6;
    static constexpr int kButtonWidth = 75;
    static constexpr int kButtonHeight = 23;

    CPropertySheet(const QString& strCaption, QWidget* pParent = nullptr, unsigned iSelectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* pPage);
    int GetPageCount() const { return int(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const { return nPage >= 0 && nPage < GetPageCount() ? m_pages[nPage] : nullptr; }
    int GetPageIndex(const CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Makes the page current, running its initialisation first when it has
    // not run yet. FALSE for an index that is no page.
    bool SetActivePage(int nPage);
    bool SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    QTabWidget* GetTabControl() const { return m_pTab; }
    unsigned GetStartPage() const { return m_nStartPage; }
    // A child window of the sheet by control id (IDOK, IDCANCEL, ID_APPLY_NOW...).
    QWidget* GetDlgItem(unsigned nId) const;
    QPushButton* GetApplyButton() const { return m_pApply; }

    // A sheet without OK, Cancel and Apply (one that applies each change at
    // once); set before the window is shown.
    void SetNoButtons() { m_bButtons = false; }

    // IDOK or IDCANCEL as the sheet was ended.
    int DoModal();
    void EndDialog(int nResult);
    // Lays the window out and runs OnInitDialog, once; showing the sheet
    // does it by itself.
    void EnsureInitialised();
    bool IsInitialised() const { return m_bInitialised; }
    // Apply follows the pages' changed flags.
    void UpdateApplyButton();

    // The framework's initialisation: activates the start page.
    virtual bool OnInitDialog();
    // The buttons: OK applies and ends with IDOK, Cancel ends with IDCANCEL,
    // Apply clears every page's changed flag.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void OnApplyNow();

protected:
    virtual void OnShowWindow(bool /*bShow*/) {}
    void showEvent(QShowEvent* event) override;
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }

private:
    void LayOut();
    void OnTabChanged(int nIndex);

    QTabWidget* m_pTab = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPushButton* m_pApply = nullptr;
    QList<CPropertyPage*> m_pages;
    unsigned m_nStartPage;
    bool m_bButtons = true;
    bool m_bLaidOut = false;
    bool m_bInitialised = false;
};
