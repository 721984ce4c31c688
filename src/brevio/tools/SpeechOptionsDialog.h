#pragma once
// "Speech Options": a voice of the speech engine with a speaking rate and
// volume. The caller reads the three members after OK; the dialog keeps and
// applies nothing itself.
#include "shared/ui/BaseDialog.h"

#include <QVoice>
#include <memory>

class QComboBox;
class QSlider;
class QTextToSpeech;

class CSpeechOptionsDialog : public CBaseDialog {
    Q_OBJECT
public:
    static constexpr unsigned IDD = 203;
    static constexpr unsigned IDC_VOICE = 1001;
    static constexpr unsigned IDC_RATE = 1002;
    static constexpr unsigned IDC_VOLUME = 1003;

    explicit CSpeechOptionsDialog(QWidget* pParent = nullptr);
    ~CSpeechOptionsDialog() override;

    bool OnInitDialog() override;
    void OnOK() override;

    // The engine asked for; empty takes flite when installed, else the
    // system's default.
    static void SetEngineName(const QString& strName);

    QComboBox* GetVoiceList() const { return m_pVoice; }
    QSlider* GetRateSlider() const { return m_pRate; }
    QSlider* GetVolumeSlider() const { return m_pVolume; }
    // The voice behind a list item.
    QVoice GetVoice(int nIndex) const { return m_voices.value(nIndex); }

    int m_nVoice = 0;  // list index
    int m_nRate = 0;
    int m_nVolume = 100;

private:
    QComboBox* m_pVoice;
    QSlider* m_pRate;
    QSlider* m_pVolume;
    std::unique_ptr<QTextToSpeech> m_pEngine;
    QList<QVoice> m_voices;
};
