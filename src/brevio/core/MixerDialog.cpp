#include "brevio/core/MixerDialog.h"

#include "shared/mixer/SoundMixer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QTimer>

namespace {
// Other programs' changes reach the windows by polling the mixer's events.
constexpr int kChangePollMs = 250;

QSlider* MakeSlider(QWidget* parent)
{
    auto* slider = new QSlider(Qt::Vertical, parent);
    slider->setObjectName(QStringLiteral("1162"));
    slider->setInvertedAppearance(true);  // position 0 at the top
    slider->setInvertedControls(true);
    slider->setTickPosition(QSlider::TicksBothSides);
    return slider;
}

void Layout(QWidget* dialog, QSlider* slider, QCheckBox* box)
{
    auto* grid = new QGridLayout(dialog);
    grid->addWidget(slider, 0, 0, 2, 1);
    auto* max = new QLabel(QStringLiteral("Max"), dialog);
    max->setObjectName(QStringLiteral("1084"));
    auto* min = new QLabel(QStringLiteral("Min"), dialog);
    min->setObjectName(QStringLiteral("1085"));
    grid->addWidget(max, 0, 1, Qt::AlignTop);
    grid->addWidget(min, 1, 1, Qt::AlignBottom);
    grid->addWidget(box, 2, 0, 1, 2);
}
} // namespace

int CMixerDialog::LineStep(int nPosition, int nMin, int nMax, bool bDown)
{
    const int step = (nMax - nMin) / 200;
    if (step == 0)
        return nPosition;
    if (!bDown)
        return std::max(nMin, (nPosition / step) * step);
    return std::min(nMax, ((nPosition - 1 + step) / step) * step);
}

CVolumeDialog::CVolumeDialog(QWidget* parent, int nMode) : CBaseDialog(IDD, parent), m_nMode(nMode)
{
    // Each window remembers its own place.
    SetSecondId(nMode);
    setWindowTitle(nMode == 1 ? QStringLiteral("Output") : QStringLiteral("Volume"));
    m_pSlider = MakeSlider(this);
    m_pMute = new QCheckBox(QStringLiteral("&Mute"), this);
    m_pMute->setObjectName(QStringLiteral("1337"));
    Layout(this, m_pSlider, m_pMute);
    m_mixer = CSoundMixer::Open();
    if (m_mixer && m_mixer->GetMasterRange(m_nMin, m_nMax)) {
        m_pSlider->setRange(int(m_nMin), int(m_nMax));
        m_pSlider->setTickInterval(int(m_nMax / 10));
        bool muted = false;
        if (GetMute(muted))
            m_pMute->setChecked(muted);
        long volume = 0;
        if (GetVolume(volume))
            m_pSlider->setValue(int(m_nMax - volume));
    }
    connect(m_pMute, &QCheckBox::clicked, this, [this](bool checked) { SetMute(checked); });
    connect(m_pSlider, &QSlider::actionTriggered, this, [this](int action) { OnScroll(action); });
    connect(m_pSlider, &QSlider::sliderMoved, this, [this](int position) { SetVolume(m_nMax - position); });
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] {
        if (m_mixer && m_mixer->TakeChanges())
            OnMixerChange();
    });
    poll->start(kChangePollMs);
}

CVolumeDialog::~CVolumeDialog() = default;

bool CVolumeDialog::GetMute(bool& bValue) const
{
    return m_mixer && m_mixer->GetMasterMute(bValue);
}
bool CVolumeDialog::SetMute(bool bValue)
{
    return m_mixer && m_mixer->SetMasterMute(bValue);
}
bool CVolumeDialog::GetVolume(long& nValue) const
{
    return m_mixer && m_mixer->GetMasterVolume(nValue);
}
bool CVolumeDialog::SetVolume(long nValue)
{
    return m_mixer && m_mixer->SetMasterVolume(nValue);
}

void CVolumeDialog::OnScroll(int nAction)
{
    int position = m_pSlider->sliderPosition();
    if (nAction == QAbstractSlider::SliderSingleStepSub)
        position = CMixerDialog::LineStep(position, int(m_nMin), int(m_nMax), false);
    else if (nAction == QAbstractSlider::SliderSingleStepAdd)
        position = CMixerDialog::LineStep(position, int(m_nMin), int(m_nMax), true);
    m_pSlider->setSliderPosition(position);
    SetVolume(m_nMax - position);
}

void CVolumeDialog::OnMixerChange()
{
    bool muted = false;
    if (GetMute(muted))
        m_pMute->setChecked(muted);
    long volume = 0;
    if (GetVolume(volume))
        m_pSlider->setValue(int(m_nMax - volume));
}

CMixerDialog::CMixerDialog(QWidget* parent, int nMode) : CBaseDialog(IDD, parent), m_nMode(nMode)
{
    SetSecondId(nMode);
    m_pSlider = MakeSlider(this);
    m_pSelect = new QCheckBox(QStringLiteral("&Select"), this);
    m_pSelect->setObjectName(QStringLiteral("1004"));
    Layout(this, m_pSlider, m_pSelect);
    connect(m_pSelect, &QCheckBox::clicked, this, [this] { OnSelectClicked(); });
    connect(m_pSlider, &QSlider::actionTriggered, this, [this](int action) { OnScroll(action); });
    connect(m_pSlider, &QSlider::sliderMoved, this, [this](int position) { SetLevel(m_nMax - position); });
    SetUp();
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] {
        if (m_mixer && m_mixer->TakeChanges())
            OnMixerChange();
    });
    poll->start(kChangePollMs);
}

CMixerDialog::~CMixerDialog() = default;

void CMixerDialog::SetUp()
{
    setWindowTitle(QStringLiteral("Input"));
    for (QWidget* child : findChildren<QWidget*>())
        child->setEnabled(false);
    m_mixer = CSoundMixer::Open();
    m_bMixerOpen = m_mixer != nullptr;
    QString caption;
    // Nothing found on the way goes on with an empty caption; a destination
    // without the wanted source stops with the controls disabled.
    if (m_mixer && m_mixer->GetSelectKind() != CSoundMixer::SelectKind::None) {
        const QStringList items = m_mixer->GetItemNames();
        m_nItemCount = int(items.size());
        if (m_nItemCount > 0) {
            m_nSourceIndex = -1;
            for (int i = 0; i < m_nItemCount; ++i) {
                if (m_mixer->GetItemType(i) == m_nMode) {
                    m_nSourceIndex = i;
                    break;
                }
            }
            if (m_nSourceIndex < 0 || !m_mixer->HasSourceVolume(m_nSourceIndex) ||
                !m_mixer->GetSourceRange(m_nSourceIndex, m_nMin, m_nMax))
                return;
            caption = items[m_nSourceIndex];
        }
    }
    setWindowTitle(caption);
    m_pSlider->setRange(int(m_nMin), int(m_nMax));
    m_pSlider->setTickInterval(int(m_nMax / 10));
    bool selected = false;
    m_pSelect->setChecked(GetSelected(selected) && selected);
    long level = 0;
    if (GetLevel(level))
        m_pSlider->setValue(int(m_nMax - level));
    for (QWidget* child : findChildren<QWidget*>())
        child->setEnabled(true);
    m_bReady = true;
}

bool CMixerDialog::GetSelected(bool& bValue) const
{
    if (!m_mixer || m_nItemCount == 0 || m_nSourceIndex < 0 || m_nSourceIndex >= m_nItemCount)
        return false;
    QList<bool> values;
    if (!m_mixer->GetSelectValues(values) || m_nSourceIndex >= values.size())
        return false;
    bValue = values[m_nSourceIndex];
    return true;
}

bool CMixerDialog::SetSelected(bool bValue)
{
    if (!m_mixer || m_nItemCount == 0 || m_nSourceIndex < 0 || m_nSourceIndex >= m_nItemCount)
        return false;
    QList<bool> values;
    if (!m_mixer->GetSelectValues(values) || m_nSourceIndex >= values.size())
        return false;
    // A multiplexer selects exactly one source.
    if (m_mixer->GetSelectKind() == CSoundMixer::SelectKind::Mux && bValue)
        values.fill(false);
    values[m_nSourceIndex] = bValue;
    return m_mixer->SetSelectValues(values);
}

bool CMixerDialog::GetLevel(long& nValue) const
{
    return m_mixer && m_nSourceIndex >= 0 && m_mixer->GetSourceVolume(m_nSourceIndex, nValue);
}

bool CMixerDialog::SetLevel(long nValue)
{
    return m_mixer && m_nSourceIndex >= 0 && m_mixer->SetSourceVolume(m_nSourceIndex, nValue);
}

void CMixerDialog::OnSelectClicked()
{
    SetSelected(m_pSelect->isChecked());
    bool selected = false;
    m_pSelect->setChecked(GetSelected(selected) && selected);
}

void CMixerDialog::OnScroll(int nAction)
{
    int position = m_pSlider->sliderPosition();
    if (nAction == QAbstractSlider::SliderSingleStepSub)
        position = LineStep(position, int(m_nMin), int(m_nMax), false);
    else if (nAction == QAbstractSlider::SliderSingleStepAdd)
        position = LineStep(position, int(m_nMin), int(m_nMax), true);
    m_pSlider->setSliderPosition(position);
    SetLevel(m_nMax - position);
}

void CMixerDialog::OnMixerChange()
{
    bool selected = false;
    if (GetSelected(selected))
        m_pSelect->setChecked(selected);
    long level = 0;
    if (GetLevel(level))
        m_pSlider->setValue(int(m_nMax - level));
}

void CMixerDialog::ReduceLevel(int nPercent)
{
    if (!m_bReady || !m_pSelect->isChecked())
        return;
    long level = 0;
    if (!GetLevel(level))
        return;
    const long reduction = long(nPercent) * (m_nMax - m_nMin) / 100;
    const long newLevel = reduction < level ? level - reduction : level / 2;
    if (SetLevel(newLevel))
        m_pSlider->setValue(int(m_nMax - newLevel));
}
