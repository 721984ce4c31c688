#include "brevio/tools/options/PSK31PageFFT.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ui/BaseDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

CPSK31PageFFT::CPSK31PageFFT(QWidget* parent) : CPSK31OptionsPage(IDD, QStringLiteral("Waterfall Data"), parent)
{
    QGroupBox* smoothing = MakeGroup(this, QStringLiteral("Smoothing"));
    m_pSmoothing = MakeSlider(smoothing, Qt::Vertical, IDC_SMOOTHING, 1, 10, 1);
    // "min" at the top as the control was drawn.
    m_pSmoothing->setInvertedAppearance(true);
    m_pSmoothing->setInvertedControls(true);
    m_pSmoothing->setTickPosition(QSlider::TicksBothSides);
    SetSliderPos(m_pSmoothing, 1);
    connect(m_pSmoothing, &QSlider::valueChanged, this, [this] { NotifyOptionChanged(); });
    auto* smoothLayout = new QVBoxLayout(smoothing);
    smoothLayout->addWidget(MakeLabel(smoothing, QStringLiteral("min")), 0, Qt::AlignHCenter);
    smoothLayout->addWidget(m_pSmoothing, 1, Qt::AlignHCenter);
    smoothLayout->addWidget(MakeLabel(smoothing, QStringLiteral("max")), 0, Qt::AlignHCenter);

    QGroupBox* waterfall = MakeGroup(this, QStringLiteral("Waterfall"));
    m_pMode = MakeRadioGroup();
    auto* waterLayout = new QVBoxLayout(waterfall);
    const char* const modes[] = {"Root - data is 4th root of linear FFT power", "Log - data is 10log() of FFT power",
                                 "Log (as above) with 10% to 90% baseline clipping"};
    for (int i = 0; i < 3; ++i)
        waterLayout->addWidget(MakeRadio(waterfall, m_pMode, QString::fromLatin1(modes[i]), IDC_MODE_ROOT + i, i));
    m_pClipping = MakeSlider(waterfall, Qt::Horizontal, IDC_CLIPPING, 10, 90, 10);
    m_pClipping->setTickPosition(QSlider::TicksAbove);
    SetSliderPos(m_pClipping, 10);
    connect(m_pClipping, &QSlider::valueChanged, this, [this] { OnClippingMoved(); });
    m_pClippingLabel = MakeLabel(waterfall, PskOptions::PercentLabel(10), IDC_CLIPPING_LABEL);
    m_pClippingLabel->setMinimumWidth(40);
    auto* clipRow = new QHBoxLayout;
    clipRow->addSpacing(20);
    clipRow->addWidget(MakeLabel(waterfall, QStringLiteral("Clipping:")));
    clipRow->addWidget(m_pClipping, 1);
    clipRow->addWidget(m_pClippingLabel);
    waterLayout->addLayout(clipRow);
    QLabel* note = MakeLabel(waterfall, QStringLiteral("Use clipping to shift the data so that baseline noise is at "
                                                       "the bottom of the screen, thus a larger viewing dynamic "
                                                       "range."));
    note->setWordWrap(true);
    waterLayout->addWidget(note);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(smoothing);
    layout->addWidget(waterfall, 1, Qt::AlignTop);
    CheckIndex(m_pMode, 2);
}

CPSK31PageFFT::~CPSK31PageFFT() = default;

void CPSK31PageFFT::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Smoothing") << QStringLiteral("Waterfall");
}

void CPSK31PageFFT::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_nMode = CheckedIndex(m_pMode);
        m_nClipping = m_pClipping->value();
        m_nSmoothing = m_pSmoothing->value();
    } else {
        CheckIndex(m_pMode, m_nMode);
        SetSliderPos(m_pClipping, m_nClipping);
        SetSliderPos(m_pSmoothing, m_nSmoothing);
        m_nClipping = m_pClipping->value();
        m_nSmoothing = m_pSmoothing->value();
    }
}

void CPSK31PageFFT::LoadFromSettings(CPSK31Settings& settings)
{
    m_nMode = PskOptions::FftModeButton(settings.m_nFFTMode);
    if (m_nMode == 2)
        m_nClipping = settings.m_nFFTMode;
    m_nSmoothing = settings.m_nFFTSmoothing;
    UpdateData(false);
    m_pClippingLabel->setText(PskOptions::PercentLabel(m_nClipping));
}

void CPSK31PageFFT::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_nFFTMode = PskOptions::FftModeValue(m_nMode, m_nClipping);
    settings.m_nFFTSmoothing = m_nSmoothing;
}

void CPSK31PageFFT::OnClippingMoved()
{
    UpdateData(true);
    m_pClippingLabel->setText(PskOptions::PercentLabel(m_nClipping));
    m_nMode = 2;
    UpdateData(false);
    NotifyOptionChanged();
}
