#pragma once
// "Logbook 1": the one or two ADIF files every logbook entry is appended to.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CColourStatic;

class CPSK31PageLogbook : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 402;
    static constexpr unsigned IDC_FILE1 = 1231;
    static constexpr unsigned IDC_BROWSE1 = 1232;
    static constexpr unsigned IDC_ENABLE1 = 1233;
    static constexpr unsigned IDC_INCLUDE1 = 1234;
    static constexpr unsigned IDC_FILE2 = 1235;
    static constexpr unsigned IDC_BROWSE2 = 1236;
    static constexpr unsigned IDC_ENABLE2 = 1237;
    static constexpr unsigned IDC_INCLUDE2 = 1238;
    static constexpr unsigned IDC_CONFIRM = 1239;

    explicit CPSK31PageLogbook(QWidget* parent = nullptr);
    ~CPSK31PageLogbook() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    // "..." of file 1 or 2.
    void OnBrowse(int nFile);

private:
    CColourStatic* m_pFile[2];
    QCheckBox* m_pEnable[2];
    QCheckBox* m_pInclude[2];
    QCheckBox* m_pConfirm;
    QString m_strFile[2];
    int m_bEnable[2] = {0, 0};
    int m_bInclude[2] = {0, 0};
    int m_bConfirm = 0;
};
