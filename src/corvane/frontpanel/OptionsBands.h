#pragma once
// The "Band Plans" page: which edges the 80 m, 40 m, 6 m, 2 m and 70 cm
// bands take in the band plans of the dial and the band-plan bar.
#include "shared/ui/OptionsPage.h"

class COwnComboBox;

class COptionsBands : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 284;
    static constexpr unsigned IDC_80M = 1310;
    static constexpr unsigned IDC_40M = 1309;
    static constexpr unsigned IDC_6M = 1314;
    static constexpr unsigned IDC_2M = 1311;
    static constexpr unsigned IDC_70CM = 1312;
    static constexpr int kBands = 5;

    explicit COptionsBands(QWidget* parent = nullptr);
    ~COptionsBands() override;

    bool OnInitDialog() override;
    void GetKeywords(QStringList& keywords) override;
    void WriteToSettings(CSettings& settings) override;
    void ReadFromSettings(CSettings& settings) override;

    // In the order 80 m, 40 m, 6 m, 2 m, 70 cm.
    COwnComboBox* GetCombo(int nBand) const { return m_pCombos[nBand]; }

private:
    COwnComboBox* m_pCombos[kBands] = {};
};
