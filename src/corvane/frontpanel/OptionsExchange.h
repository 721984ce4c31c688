#pragma once
// The "Exchange <->" page: loads the colours from, and saves all options to,
// a user-options file through the sheet.
#include "shared/ui/OptionsPage.h"

class COXBitmapButton;

class COptionsExchange : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 254;
    static constexpr unsigned IDC_LOAD = 1200;
    static constexpr unsigned IDC_SAVE = 1119;
    static constexpr int IDB_LOAD = 257;
    static constexpr int IDB_SAVE = 218;

    explicit COptionsExchange(QWidget* parent = nullptr);
    ~COptionsExchange() override;

    bool OnInitDialog() override;
    void GetKeywords(QStringList& keywords) override;

    // Both ask the sheet (the page's parent) to do the work.
    void OnLoad();
    void OnSave();
    COXBitmapButton* GetLoadButton() const { return m_pLoad; }
    COXBitmapButton* GetSaveButton() const { return m_pSave; }

private:
    COXBitmapButton* m_pLoad = nullptr;
    COXBitmapButton* m_pSave = nullptr;
};
