#pragma once
// "Super Browser 2": when a browser channel is shown, kept and searched
// again, and what each box shows.
#include "brevio/tools/options/PSK31OptionsPage.h"

class CColorEdit;
class COwnComboBox;

class CPSK31PageBrowserMore : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 394;
    static constexpr unsigned IDC_CHARS = 1441;
    static constexpr unsigned IDC_INACTIVE = 1442;
    static constexpr unsigned IDC_SEARCH = 1443;
    static constexpr unsigned IDC_ALWAYS_OPTIMISE = 1444;
    static constexpr unsigned IDC_TOOLBAR_STATES = 1445;
    static constexpr unsigned IDC_ANIMATE = 1446;
    static constexpr unsigned IDC_CHANNEL_NUMBER = 1447;
    static constexpr unsigned IDC_SIGNAL_LEVEL = 1448;
    static constexpr unsigned IDC_SIGNAL_QUALITY = 1449;
    static constexpr unsigned IDC_HELP_TEXT = 1450;
    static constexpr unsigned IDC_DEFAULTS = 1451;

    static QString HelpText();

    explicit CPSK31PageBrowserMore(QWidget* parent = nullptr);
    ~CPSK31PageBrowserMore() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    void OnRestoreDefaults();
    CColorEdit* GetHelpEdit() const { return m_pHelp; }

private:
    COwnComboBox* m_pChars;
    COwnComboBox* m_pInactive;
    COwnComboBox* m_pSearch;
    QCheckBox* m_pChecks[6];
    CColorEdit* m_pHelp;
    int m_bChecks[6] = {};
};
