#include "brevio/tools/options/PSK31PageSoundcard.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/mixer/WaveDevices.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

CPSK31PageSoundcard::CPSK31PageSoundcard(QWidget* parent)
    : CPSK31OptionsPage(IDD, QStringLiteral("Sound Card"), parent)
{
    QGroupBox* card = MakeGroup(this, QStringLiteral("Card Number"));
    m_pCard = MakeRadioGroup();
    auto* cardLayout = new QHBoxLayout(card);
    const char* const cards[] = {"0", "1", "2", "3", "&Auto-detect"};
    for (int i = 0; i < 5; ++i)
        cardLayout->addWidget(MakeRadio(card, m_pCard, QString::fromLatin1(cards[i]), IDC_CARD_0 + i, i));
    cardLayout->addStretch(1);

    m_pEchoInput = MakeCheck(this, QStringLiteral("Echo &input to sound card"), IDC_ECHO_INPUT);
    m_pEchoOutput = MakeCheck(this, QStringLiteral("Echo &output to sound card"), IDC_ECHO_OUTPUT);

    QGroupBox* clock = MakeGroup(this, QStringLiteral("Clock Adjust"));
    m_pClock = new QLineEdit(clock);
    SetDlgCtrlID(m_pClock, IDC_CLOCK);
    m_pClock->setReadOnly(true);
    m_pClock->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("-?[0-9]*")), m_pClock));
    m_pClock->setFixedWidth(80);
    m_pSpin = new COwnSpinButtonCtrl(clock);
    SetDlgCtrlID(m_pSpin, IDC_CLOCK_SPIN);
    m_pSpin->SetBuddy(m_pClock);
    m_pSpin->SetScale(100);
    m_pSpin->SetRange(-1000, 1000);
    m_pSpin->SetPos(0);
    m_pSpin->UpdateBuddy(-1, false);
    connect(m_pSpin, &COwnSpinButtonCtrl::positionChanged, this, [this] { NotifyOptionChanged(); });
    auto* clockLayout = new QHBoxLayout(clock);
    clockLayout->addWidget(m_pClock);
    clockLayout->addWidget(m_pSpin);
    clockLayout->addWidget(MakeLabel(clock, QStringLiteral("In parts per million")));
    clockLayout->addStretch(1);

    QLabel* devices = MakeLabel(this, PskOptions::WaveInputDevicesText(WaveInputDeviceCount()), IDC_DEVICES);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(card);
    layout->addWidget(m_pEchoInput);
    layout->addWidget(m_pEchoOutput);
    layout->addWidget(clock);
    layout->addStretch(1);
    layout->addWidget(devices);
    CheckIndex(m_pCard, 0);
}

CPSK31PageSoundcard::~CPSK31PageSoundcard() = default;

void CPSK31PageSoundcard::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Card number") << QStringLiteral("Clock adjust") << QStringLiteral("Echo input")
          << QStringLiteral("Echo output");
}

void CPSK31PageSoundcard::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_nCard = CheckedIndex(m_pCard);
        m_bEchoInput = m_pEchoInput->isChecked();
        m_bEchoOutput = m_pEchoOutput->isChecked();
        m_strClock = m_pClock->text();
    } else {
        CheckIndex(m_pCard, m_nCard);
        SetChecked(m_pEchoInput, m_bEchoInput);
        SetChecked(m_pEchoOutput, m_bEchoOutput);
        SetText(m_pClock, m_strClock);
    }
}

void CPSK31PageSoundcard::LoadFromSettings(CPSK31Settings& settings)
{
    m_nCard = PskOptions::SoundcardButton(settings.m_nSoundcardNum);
    m_bEchoInput = settings.m_bSoundcardEchoInput;
    m_bEchoOutput = settings.m_bSoundcardEchoOutput;
    m_strClock = QString::number(settings.m_nSoundcardClockAdjust);
    m_pSpin->SetPos(PskOptions::HundredsPosition(settings.m_nSoundcardClockAdjust));
    UpdateData(false);
}

void CPSK31PageSoundcard::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_nSoundcardNum = PskOptions::SoundcardValue(m_nCard);
    settings.m_bSoundcardEchoInput = m_bEchoInput;
    settings.m_bSoundcardEchoOutput = m_bEchoOutput;
    settings.m_nSoundcardClockAdjust = PskOptions::ReadLeadingInt(m_strClock);
}
