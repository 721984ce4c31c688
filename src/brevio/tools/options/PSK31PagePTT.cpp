#include "brevio/tools/options/PSK31PagePTT.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

CPSK31PagePTT::CPSK31PagePTT(QWidget* parent) : CPSK31OptionsPage(IDD, QStringLiteral("PTT Control"), parent)
{
    QLabel* intro = MakeLabel(this, QStringLiteral("Select either a COM Port or use the FT-817 Corvane to switch "
                                                   "your rig between RX and TX."));
    intro->setWordWrap(true);

    QGroupBox* option = MakeGroup(this, QStringLiteral("Option"));
    m_pOption = MakeRadioGroup(false);
    connect(m_pOption, &QButtonGroup::idClicked, this, [this] {
        NotifyOptionChanged();
        UpdateEnables();
    });
    auto* optionLayout = new QVBoxLayout(option);
    const char* const options[] = {"&COM Port", "&FT-817 Corvane", "&Ravelin"};
    for (int i = 0; i < 3; ++i)
        optionLayout->addWidget(MakeRadio(option, m_pOption, QString::fromLatin1(options[i]), IDC_OPTION_COM + i, i));

    QGroupBox* port = MakeGroup(this, QStringLiteral("COM Port Options"), IDC_PORT_GROUP);
    m_pPortGroup = port;
    m_pMode = MakeRadioGroup();
    auto* portLayout = new QVBoxLayout(port);
    const char* const modes[] = {"&None (port disabled)", "&RTS only", "&DTR only ", "RTS &and DTR (recommended)"};
    for (int i = 0; i < 4; ++i)
        portLayout->addWidget(MakeRadio(port, m_pMode, QString::fromLatin1(modes[i]), IDC_MODE_NONE + i, i));
    auto* portRow = new QHBoxLayout;
    QLabel* portLabel = MakeLabel(port, QStringLiteral("&Port:"), IDC_PORT_LABEL);
    m_pPort = new COwnComboBox(port);
    SetDlgCtrlID(m_pPort, IDC_PORT);
    portLabel->setBuddy(m_pPort);
    for (uint32_t n = 1; n <= 8; ++n)
        m_pPort->AddItem(QStringLiteral("COM%1").arg(n), n);
    m_pPort->SetCurSel(0);
    connect(m_pPort, &QComboBox::activated, this, [this] { NotifyOptionChanged(); });
    portRow->addWidget(portLabel);
    portRow->addWidget(m_pPort);
    portRow->addStretch(1);
    portLayout->addLayout(portRow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    auto* groups = new QHBoxLayout;
    groups->addWidget(option, 0, Qt::AlignTop);
    groups->addWidget(port, 1);
    layout->addLayout(groups);
    layout->addStretch(1);

    CheckIndex(m_pOption, 0);
    CheckIndex(m_pMode, 0);
    UpdateEnables();
}

CPSK31PagePTT::~CPSK31PagePTT() = default;

void CPSK31PagePTT::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("COM Port") << QStringLiteral("FT-817 Corvane");
}

void CPSK31PagePTT::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_nOption = CheckedIndex(m_pOption);
        m_nMode = CheckedIndex(m_pMode);
    } else {
        CheckIndex(m_pOption, m_nOption);
        CheckIndex(m_pMode, m_nMode);
    }
}

void CPSK31PagePTT::UpdateEnables()
{
    UpdateData(true);
    const bool com = m_nOption == 0;
    m_pPortGroup->setEnabled(com);
}

void CPSK31PagePTT::LoadFromSettings(CPSK31Settings& settings)
{
    m_nOption = PskOptions::PttOptionButton(settings.m_bPTTFT817, settings.m_bPTTRVL);
    m_nMode = settings.m_nPTTMode;
    m_pPort->SelectByData(uint32_t(settings.m_nPTTPort));
    UpdateData(false);
    UpdateEnables();
}

void CPSK31PagePTT::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    PskOptions::PttOptionValues(m_nOption, settings.m_bPTTFT817, settings.m_bPTTRVL);
    settings.m_nPTTMode = m_nMode;
    settings.m_nPTTPort = int(m_pPort->GetSelectedData());
}
