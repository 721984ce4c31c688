#include "brevio/tools/options/PSK31PageSignal.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/core/SquelchBar.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ui/BaseDialog.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

CSquelchSamples::CSquelchSamples(QWidget* parent) : QWidget(parent)
{
    m_pActive = new CSquelchBar(this);
    m_pActive->SetLevel(75);
    m_pActive->SetSquelch(60);
    m_pSquelched = new CSquelchBar(this);
    m_pSquelched->SetLevel(35);
    m_pSquelched->SetSquelch(50);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 2; ++i) {
        CSquelchBar* bar = i == 0 ? m_pActive : m_pSquelched;
        // A sample: clicks must not move its squelch.
        bar->installEventFilter(this);
        bar->setFixedSize(22, 90);
        grid->addWidget(new QLabel(i == 0 ? QStringLiteral("A") : QStringLiteral("S"), this), 0, i, Qt::AlignHCenter);
        grid->addWidget(bar, 1, i, Qt::AlignHCenter);
    }
    grid->addWidget(new QLabel(QStringLiteral("A = active, S = squelched"), this), 2, 0, 1, 2);
}

CSquelchSamples::~CSquelchSamples() = default;

bool CSquelchSamples::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void CSquelchSamples::SetColours(COLORREF colActive, COLORREF colSquelched, COLORREF colGripper,
                                 COLORREF colBackground)
{
    SetActiveColour(colActive);
    SetSquelchedColour(colSquelched);
    SetGripperColour(colGripper);
    SetBackgroundColour(colBackground);
}

void CSquelchSamples::SetActiveColour(COLORREF colour)
{
    m_pActive->SetActiveColour(colour);
    m_pSquelched->SetActiveColour(colour);
}

void CSquelchSamples::SetSquelchedColour(COLORREF colour)
{
    m_pActive->SetSquelchedColour(colour);
    m_pSquelched->SetSquelchedColour(colour);
}

void CSquelchSamples::SetGripperColour(COLORREF colour)
{
    m_pActive->SetGripperColour(colour);
    m_pSquelched->SetGripperColour(colour);
}

void CSquelchSamples::SetBackgroundColour(COLORREF colour)
{
    m_pActive->SetBackgroundColour(colour);
    m_pSquelched->SetBackgroundColour(colour);
}

CPSK31PageSignal::CPSK31PageSignal(QWidget* parent)
    : CPSK31OptionsPage(IDD, QStringLiteral("Signal / Squelch"), parent)
{
    QGroupBox* colours = MakeGroup(this, QStringLiteral("Colours"));
    m_pSamples = new CSquelchSamples(colours);
    auto* colourLayout = new QHBoxLayout(colours);
    colourLayout->addWidget(m_pSamples);
    auto* buttons = new QVBoxLayout;
    const char* const names[] = {"Active", "Squelched", "Gripper", "Background"};
    for (int i = 0; i < 4; ++i) {
        QPushButton* button = MakeButton(colours, QString::fromLatin1(names[i]), IDC_ACTIVE + i);
        connect(button, &QPushButton::clicked, this, [this, i] { OnColour(i); });
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    colourLayout->addLayout(buttons);
    colourLayout->addStretch(1);

    QGroupBox* speed = MakeGroup(this, QStringLiteral("Squelch Speed"));
    m_pSpeed = MakeRadioGroup();
    auto* speedLayout = new QVBoxLayout(speed);
    const char* const speeds[] = {"&Fast", "Slo&w", "&Variable (below)"};
    for (int i = 0; i < 3; ++i)
        speedLayout->addWidget(MakeRadio(speed, m_pSpeed, QString::fromLatin1(speeds[i]), IDC_FAST + i, i));
    m_pSlider = MakeSlider(speed, Qt::Horizontal, IDC_VARIABLE_SLIDER, 10, 200, 10);
    m_pSlider->setTickPosition(QSlider::TicksBelow);
    SetSliderPos(m_pSlider, 10);
    connect(m_pSlider, &QSlider::valueChanged, this, [this] { OnSliderMoved(); });
    auto* sliderRow = new QHBoxLayout;
    sliderRow->addWidget(MakeLabel(speed, QStringLiteral("Fastest")));
    sliderRow->addWidget(m_pSlider, 1);
    sliderRow->addWidget(MakeLabel(speed, QStringLiteral("Slowest")));
    speedLayout->addLayout(sliderRow);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(colours, 0, Qt::AlignTop);
    layout->addWidget(speed, 1, Qt::AlignTop);
    CheckIndex(m_pSpeed, 0);
}

CPSK31PageSignal::~CPSK31PageSignal() = default;

void CPSK31PageSignal::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Colours") << QStringLiteral("Squelch speed");
}

void CPSK31PageSignal::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_nSpeed = CheckedIndex(m_pSpeed);
        m_nSlider = m_pSlider->value();
    } else {
        CheckIndex(m_pSpeed, m_nSpeed);
        SetSliderPos(m_pSlider, m_nSlider);
    }
}

void CPSK31PageSignal::LoadFromSettings(CPSK31Settings& settings)
{
    m_pSamples->SetColours(COLORREF(settings.m_colSigActive), COLORREF(settings.m_colSigSquelch),
                           COLORREF(settings.m_colSigGripper), COLORREF(settings.m_colSigBackground));
    m_nSpeed = PskOptions::SquelchButton(settings.m_nRxSquelch);
    if (m_nSpeed == 2)
        m_nSlider = settings.m_nRxSquelch;
    UpdateData(false);
}

void CPSK31PageSignal::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    const CSquelchBar* bar = m_pSamples->GetActiveBar();
    settings.m_colSigActive = int(bar->GetActiveColour());
    settings.m_colSigSquelch = int(bar->GetSquelchedColour());
    settings.m_colSigGripper = int(bar->GetGripperColour());
    settings.m_colSigBackground = int(bar->GetBackgroundColour());
    settings.m_nRxSquelch = PskOptions::SquelchValue(m_nSpeed, m_nSlider);
}

void CPSK31PageSignal::OnColour(int nWhich)
{
    const CSquelchBar* bar = m_pSamples->GetActiveBar();
    COLORREF colour = nWhich == 0   ? bar->GetActiveColour()
                      : nWhich == 1 ? bar->GetSquelchedColour()
                      : nWhich == 2 ? bar->GetGripperColour()
                                    : bar->GetBackgroundColour();
    if (!ChooseColour(colour))
        return;
    switch (nWhich) {
    case 0:
        m_pSamples->SetActiveColour(colour);
        break;
    case 1:
        m_pSamples->SetSquelchedColour(colour);
        break;
    case 2:
        m_pSamples->SetGripperColour(colour);
        break;
    default:
        m_pSamples->SetBackgroundColour(colour);
        break;
    }
    NotifyOptionChanged();
}

void CPSK31PageSignal::OnSliderMoved()
{
    UpdateData(true);
    if (m_nSpeed != 2) {
        m_nSpeed = 2;
        UpdateData(false);
    }
    NotifyOptionChanged();
}
