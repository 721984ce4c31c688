#pragma once
// "Locator Square": the operator's own locator (typed, or computed from a
// latitude and longitude), where distances and headings are inserted, the
// unit, and the link to the map program.
#include "brevio/tools/options/PSK31OptionsPage.h"

class QComboBox;

class CPSK31PageLocator : public CPSK31OptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 397;
    static constexpr unsigned IDC_LAT_DEG = 1201;
    static constexpr unsigned IDC_LAT_MIN = 1202;
    static constexpr unsigned IDC_LAT_SEC = 1203;
    static constexpr unsigned IDC_LAT_HEMISPHERE = 1204;
    static constexpr unsigned IDC_LON_DEG = 1205;
    static constexpr unsigned IDC_LON_MIN = 1206;
    static constexpr unsigned IDC_LON_SEC = 1207;
    static constexpr unsigned IDC_LON_SIDE = 1208;
    static constexpr unsigned IDC_COMPUTE = 1209;
    static constexpr unsigned IDC_STATUS = 1210;
    static constexpr unsigned IDC_LOCATOR = 1211;
    static constexpr unsigned IDC_SUPER_HEADING = 1212;
    static constexpr unsigned IDC_SUPER_DISTANCE = 1213;
    static constexpr unsigned IDC_CHANNEL_HEADING = 1214;
    static constexpr unsigned IDC_CHANNEL_DISTANCE = 1215;
    static constexpr unsigned IDC_KILOMETERS = 1216;
    static constexpr unsigned IDC_MILES = 1217;
    static constexpr unsigned IDC_ORBISK = 1218;

    explicit CPSK31PageLocator(QWidget* parent = nullptr);
    ~CPSK31PageLocator() override;

    void GetTopicLines(QStringList& lines) const override;
    void LoadFromSettings(CPSK31Settings& settings) override;
    void StoreToSettings(CPSK31Settings& settings) override;
    void DoDataExchange(bool bSaveAndValidate) override;
    // "&Compute": the locator from the position fields.
    void OnCompute();

private:
    QLineEdit* MakeNumberEdit(QWidget* pParent, unsigned nId, int nLength);

    QLineEdit* m_pLatDeg;
    QLineEdit* m_pLatMin;
    QLineEdit* m_pLatSec;
    QComboBox* m_pLatHemisphere;
    QLineEdit* m_pLonDeg;
    QLineEdit* m_pLonMin;
    QLineEdit* m_pLonSec;
    QComboBox* m_pLonSide;
    QLabel* m_pStatus;
    QLineEdit* m_pLocator;
    QCheckBox* m_pSuperHeading;
    QCheckBox* m_pSuperDistance;
    QCheckBox* m_pChannelHeading;
    QCheckBox* m_pChannelDistance;
    QButtonGroup* m_pUnits;
    QCheckBox* m_pOrbisk;

    QString m_strLatDeg, m_strLatMin, m_strLatSec;
    QString m_strLonDeg, m_strLonMin, m_strLonSec;
    int m_nLatHemisphere = 0;  // 0 N, 1 S
    int m_nLonSide = 0;        // 0 W, 1 E
    QString m_strStatus;
    QString m_strLocator;
    int m_bSuperHeading = 0;
    int m_bSuperDistance = 0;
    int m_bChannelHeading = 0;
    int m_bChannelDistance = 0;
    int m_nUnits = 0;  // button index: 0 kilometres, 1 miles
    int m_bOrbisk = 0;
};
