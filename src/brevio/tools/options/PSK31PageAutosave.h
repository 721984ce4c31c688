#pragma once
// "Autosave": where and how the channel windows save their received text.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CColourStatic;

class CPSK31PageAutosave : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 379;
    static constexpr unsigned IDC_FOLDER = 1001;
    static constexpr unsigned IDC_BROWSE = 1002;
    static constexpr unsigned IDC_ENABLE = 1003;
    static constexpr unsigned IDC_ADD_DATE = 1004;
    static constexpr unsigned IDC_APPEND = 1005;

    explicit CPSK31PageAutosave(QWidget* parent = nullptr);
    ~CPSK31PageAutosave() override;

    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    // "...": the folder chooser.
    void OnBrowse();

private:
    CColourStatic* m_pFolder;
    QCheckBox* m_pEnable;
    QCheckBox* m_pAddDate;
    QCheckBox* m_pAppend;
    QString m_strDir;
    int m_bEnable = 0;
    int m_bAddDate = 0;
    int m_bAppend = 0;
};
