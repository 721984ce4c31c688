#include "brevio/tools/options/PSK31PageTx2.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ui/BaseDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

CPSK31PageTx2::CPSK31PageTx2(QWidget* parent) : CPSK31OptionsPage(IDD, QStringLiteral("Tx"), parent)
{
    QGroupBox* send = MakeGroup(this, QStringLiteral("Send Characters"));
    m_pSend = MakeRadioGroup();
    auto* sendLayout = new QVBoxLayout(send);
    const char* const modes[] = {"&Immediately", "&If followed by a space", "If followed by a &linefeed"};
    for (int i = 0; i < 3; ++i)
        sendLayout->addWidget(MakeRadio(send, m_pSend, QString::fromLatin1(modes[i]), IDC_SEND_IMMEDIATELY + i, i));

    m_pClear = MakeCheck(this, QStringLiteral("&Clear sent text when switching back to Rx"), IDC_CLEAR_TEXT);
    m_pBackspace = MakeCheck(this, QStringLiteral("Allow &backspace over sent text"), IDC_BACKSPACE);

    QGroupBox* delay = MakeGroup(this, QStringLiteral("Transmit Delay"));
    m_pDelay = MakeSlider(delay, Qt::Horizontal, IDC_DELAY, 0, 100, 10);
    m_pDelay->setTickPosition(QSlider::TicksBelow);
    m_pDelayLabel = MakeLabel(delay, PskOptions::TxDelayLabel(0), IDC_DELAY_LABEL);
    m_pDelayLabel->setMinimumWidth(60);
    connect(m_pDelay, &QSlider::valueChanged, this, [this] {
        UpdateDelayLabel();
        NotifyOptionChanged();
    });
    auto* delayLayout = new QHBoxLayout(delay);
    delayLayout->addWidget(MakeLabel(delay, QStringLiteral("Delay")));
    delayLayout->addWidget(m_pDelay, 1);
    delayLayout->addWidget(m_pDelayLabel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(send);
    layout->addWidget(m_pClear);
    layout->addWidget(m_pBackspace);
    layout->addWidget(delay);
    layout->addStretch(1);
    CheckIndex(m_pSend, 0);
}

CPSK31PageTx2::~CPSK31PageTx2() = default;

void CPSK31PageTx2::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Send chars") << QStringLiteral("@Immediately") << QStringLiteral("@Space")
          << QStringLiteral("@Linefeed") << QStringLiteral("Clear text") << QStringLiteral("Send backspace")
          << QStringLiteral("Transmit Delay");
}

void CPSK31PageTx2::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_nSend = CheckedIndex(m_pSend);
        m_bClear = m_pClear->isChecked();
        m_bBackspace = m_pBackspace->isChecked();
        m_nDelay = m_pDelay->value();
    } else {
        CheckIndex(m_pSend, m_nSend);
        SetChecked(m_pClear, m_bClear);
        SetChecked(m_pBackspace, m_bBackspace);
        SetSliderPos(m_pDelay, m_nDelay);
        m_pDelayLabel->setText(m_strDelay);
    }
}

void CPSK31PageTx2::UpdateDelayLabel()
{
    UpdateData(true);
    m_strDelay = PskOptions::TxDelayLabel(m_nDelay);
    UpdateData(false);
}

void CPSK31PageTx2::LoadFromSettings(CPSK31Settings& settings)
{
    m_nSend = settings.m_nTxSendChars;
    m_bClear = settings.m_bClearTxText;
    m_bBackspace = settings.m_bTxBackspace;
    m_nDelay = settings.m_nTxDelay / 10;
    UpdateData(false);
    UpdateDelayLabel();
}

void CPSK31PageTx2::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_nTxSendChars = m_nSend;
    settings.m_bClearTxText = m_bClear;
    settings.m_bTxBackspace = m_bBackspace;
    settings.m_nTxDelay = m_nDelay * 10;
}
