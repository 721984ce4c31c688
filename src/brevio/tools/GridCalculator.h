#pragma once
// "Grid Square Calculator": a latitude and longitude in degrees, minutes and
// seconds become a locator. Modeless; "Compute" computes, Cancel hides.
#include "shared/ui/BaseDialog.h"

class COwnComboBox;
class QLineEdit;

class CGridCalculator : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 218;
    enum : int {
        IDC_LAT1 = 1215,
        IDC_LAT2 = 1216,
        IDC_LAT3 = 1217,
        IDC_LON1 = 1218,
        IDC_LON2 = 1219,
        IDC_LON3 = 1220,
        IDC_RESULT = 1221,
        IDC_NS = 1222,
        IDC_WE = 1223,
    };

    struct Input {
        QString lat[3];  // degrees, minutes, seconds
        QString lon[3];
        bool bSouth = false;
        bool bEast = false;
    };
    // Pads the minutes and seconds in place and answers the result text.
    static QString Compute(Input& input);

    explicit CGridCalculator(QWidget* pParent);
    ~CGridCalculator() override;

    bool OnInitDialog() override;
    void OnOK() override;

    QLineEdit* Edit(int nId) const;
    COwnComboBox* Combo(int nId) const;

protected:
    // Centred over the main window each time it is shown.
    void showEvent(QShowEvent* event) override;
};
