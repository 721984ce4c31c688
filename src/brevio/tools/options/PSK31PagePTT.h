#pragma once
// "PTT Control": keying through a COM port's lines, or through the
// radio-control program or the rig-control program by message.
#include "brevio/tools/options/PSK31OptionsPage.h"

class COwnComboBox;

class CPSK31PagePTT : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 392;
    // "&COM Port", "&FT-817 Corvane", "&Ravelin"
    static constexpr unsigned IDC_OPTION_COM = 1021;
    // "&None (port disabled)", "&RTS only", "&DTR only ", "RTS &and DTR (recommended)"
    static constexpr unsigned IDC_MODE_NONE = 1024;
    static constexpr unsigned IDC_PORT = 1028;
    static constexpr unsigned IDC_PORT_LABEL = 1029;
    static constexpr unsigned IDC_PORT_GROUP = 1030;

    explicit CPSK31PagePTT(QWidget* parent = nullptr);
    ~CPSK31PagePTT() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    // The COM-port controls take input only with "&COM Port".
    void UpdateEnables();

private:
    QButtonGroup* m_pOption;
    QButtonGroup* m_pMode;
    COwnComboBox* m_pPort;
    QWidget* m_pPortGroup;
    int m_nOption = 0;
    int m_nMode = 0;
    int m_nPort = 1;
};
