#include "corvane/frontpanel/VolumeDialog.h"

#include "shared/mixer/SoundMixer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

CVolumeDialog::CVolumeDialog(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    setWindowTitle(QStringLiteral("Volume"));
    m_pSlider = new QSlider(Qt::Vertical, this);
    SetDlgCtrlID(m_pSlider, IDC_SLIDER);
    // Position 0 at the top, as the volume's maximum.
    m_pSlider->setInvertedAppearance(true);
    m_pSlider->setInvertedControls(true);
    m_pSlider->setTickPosition(QSlider::TicksBothSides);
    m_pSlider->setMinimumHeight(120);
    m_pMute = new QCheckBox(QStringLiteral("&Mute"), this);
    SetDlgCtrlID(m_pMute, IDC_MUTE);
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_pSlider, 0, 0, 2, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(QStringLiteral("Max"), this), 0, 1, Qt::AlignTop);
    grid->addWidget(new QLabel(QStringLiteral("Min"), this), 1, 1, Qt::AlignBottom);
    grid->addWidget(m_pMute, 2, 0, 1, 2);
    SetFixedFrame();
    connect(m_pMute, &QCheckBox::clicked, this, &CVolumeDialog::OnMute);
    connect(m_pSlider, &QSlider::valueChanged, this, &CVolumeDialog::OnSliderMoved);
}

CVolumeDialog::~CVolumeDialog() = default;

bool CVolumeDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_mixer = CSoundMixer::Open();
    if (!m_mixer)
        return true;  // no mixer: the controls do nothing
    m_bMixerOpen = true;
    m_bHasVolume = m_mixer->HasMasterVolume() && m_mixer->GetMasterRange(m_nMin, m_nMax);
    {
        const QSignalBlocker blocker(m_pSlider);
        if (m_bHasVolume) {
            m_pSlider->setRange(int(m_nMin), int(m_nMax));
            m_pSlider->setTickInterval(std::max(1, int(m_nMax / 10)));
            m_pSlider->setPageStep(std::max(1, int((m_nMax - m_nMin) / 5)));
        }
    }
    OnMixerChange();
    // The mixer reports other programs' changes as events we collect.
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] {
        if (m_mixer && m_mixer->TakeChanges())
            OnMixerChange();
    });
    poll->start(kChangePollMs);
    return true;
}

bool CVolumeDialog::GetMute(bool& bValue) const
{
    return m_bMixerOpen && m_mixer->HasMasterMute() && m_mixer->GetMasterMute(bValue);
}

bool CVolumeDialog::SetMute(bool bValue)
{
    return m_bMixerOpen && m_mixer->HasMasterMute() && m_mixer->SetMasterMute(bValue);
}

bool CVolumeDialog::GetVolume(long& nValue) const
{
    return m_bMixerOpen && m_bHasVolume && m_mixer->GetMasterVolume(nValue);
}

bool CVolumeDialog::SetVolume(long nValue)
{
    return m_bMixerOpen && m_bHasVolume && m_mixer->SetMasterVolume(nValue);
}

void CVolumeDialog::OnMute()
{
    m_bMute = !m_bMute;
    SetMute(m_bMute);
    const QSignalBlocker blocker(m_pMute);
    m_pMute->setChecked(m_bMute);
}

void CVolumeDialog::OnSliderMoved(int nPosition)
{
    SetVolume(m_nMax - nPosition);
}

void CVolumeDialog::OnMixerChange()
{
    bool muted = false;
    if (GetMute(muted)) {
        m_bMute = muted;
        const QSignalBlocker blocker(m_pMute);
        m_pMute->setChecked(muted);
    }
    long volume = 0;
    if (GetVolume(volume)) {
        const QSignalBlocker blocker(m_pSlider);
        m_pSlider->setValue(int(m_nMax - volume));
    }
}
