#pragma once
// "Wave Files": the engine's input from a wave file instead of the sound
// card, and its output recorded to one. Changing these restarts the sound
// card, so the page collects its changes behind its own "&Apply".
#include "brevio/tools/options/PSK31OptionsPage.h"

class CColourStatic;

class CPSK31PageWavefiles : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 372;
    static constexpr unsigned IDC_INPUT_FILE = 1461;
    static constexpr unsigned IDC_INPUT_BROWSE = 1462;
    static constexpr unsigned IDC_INPUT_ENABLE = 1463;
    static constexpr unsigned IDC_INPUT_REPEAT = 1464;
    static constexpr unsigned IDC_INPUT_OFFSET = 1465;
    static constexpr unsigned IDC_OUTPUT_FILE = 1466;
    static constexpr unsigned IDC_OUTPUT_BROWSE = 1467;
    static constexpr unsigned IDC_OUTPUT_ENABLE = 1468;
    static constexpr unsigned IDC_OUTPUT_APPEND = 1469;
    static constexpr unsigned IDC_OUTPUT_LIMIT = 1470;
    static constexpr unsigned IDC_APPLY = 1471;

    explicit CPSK31PageWavefiles(QWidget* parent = nullptr);
    ~CPSK31PageWavefiles() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;

    void OnInputFile();
    void OnOutputFile();
    // "&Apply": the sheet applies every page once this page's request arrives.
    void OnApply();
    QPushButton* GetApplyButton() const { return m_pApply; }

private:
    void EnableApply();

    CColourStatic* m_pInputFile;
    QCheckBox* m_pInputEnable;
    QCheckBox* m_pInputRepeat;
    QLineEdit* m_pInputOffset;
    CColourStatic* m_pOutputFile;
    QCheckBox* m_pOutputEnable;
    QCheckBox* m_pOutputAppend;
    QLineEdit* m_pOutputLimit;
    QPushButton* m_pApply;

    QString m_strInputFile;
    int m_bInputEnable = 0;
    int m_bInputRepeat = 0;
    QString m_strInputOffset;
    QString m_strOutputFile;
    int m_bOutputEnable = 0;
    int m_bOutputAppend = 0;
    QString m_strOutputLimit;
};
