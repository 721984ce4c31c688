#pragma once
// The "Various" page: behaviour switches, the arrow-key layout and the two
// sounds played when the radio's frequency enters or leaves the bands.
#include "shared/ui/OptionsPage.h"

#include <functional>

class CColourStatic;
class QCheckBox;
class QRadioButton;

class COptionsVarious : public COptionsPage {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 253;
    static constexpr unsigned IDC_TREE_SINGLE = 1196;
    static constexpr unsigned IDC_LOG_WRITES = 1350;
    static constexpr unsigned IDC_NOTIFY_COMMS = 1351;
    static constexpr unsigned IDC_CLARIFIER_OFF = 1375;
    static constexpr unsigned IDC_POWER_DOWN = 1400;
    static constexpr unsigned IDC_SCREENSAVER = 1197;
    static constexpr unsigned IDC_ARROWS_STEP = 1079;
    static constexpr unsigned IDC_ARROWS_FREQ = 1080;
    static constexpr unsigned IDC_IN_BAND = 1552;
    static constexpr unsigned IDC_IN_BAND_BROWSE = 1553;
    static constexpr unsigned IDC_OUT_OF_BAND = 1551;
    static constexpr unsigned IDC_OUT_OF_BAND_BROWSE = 1550;

    explicit COptionsVarious(QWidget* parent = nullptr);
    ~COptionsVarious() override;

    bool OnInitDialog() override;
    void DoDataExchange(bool bSaveAndValidate) override;
    void GetKeywords(QStringList& keywords) override;
    void WriteToSettings(CSettings& settings) override;
    void ReadFromSettings(CSettings& settings) override;

    // Chooses a wave file for one of the two sounds and plays it once.
    void OnChooseSound(bool bInBand);
    QString GetInBandPath() const { return m_strInBand; }
    QString GetOutOfBandPath() const { return m_strOutOfBand; }
    CColourStatic* GetPathStatic(bool bInBand) const { return bInBand ? m_pInBand : m_pOutOfBand; }

    // Plays a wave file without waiting; tests listen in.
    using SoundPlayer = std::function<void(const QString& strPath)>;
    static void SetSoundPlayer(SoundPlayer player);
    static void PlaySoundFile(const QString& strPath);

private:
    QCheckBox* m_pTreeSingle = nullptr;
    QCheckBox* m_pLogWrites = nullptr;
    QCheckBox* m_pNotifyComms = nullptr;
    QCheckBox* m_pClarifierOff = nullptr;
    QCheckBox* m_pPowerDown = nullptr;
    QCheckBox* m_pScreenSaver = nullptr;
    QRadioButton* m_pArrowsStep = nullptr;
    QRadioButton* m_pArrowsFreq = nullptr;
    CColourStatic* m_pInBand = nullptr;
    CColourStatic* m_pOutOfBand = nullptr;

    int m_bTreeSingle = 0;
    int m_bLogWrites = 0;
    int m_bNotifyComms = 0;
    int m_bClarifierOff = 0;
    int m_bPowerDown = 0;
    int m_bScreenSaver = 0;
    int m_nArrows = -1;  // 0 left/right change the step, 1 the frequency
    QString m_strInBand;
    QString m_strOutOfBand;
};
