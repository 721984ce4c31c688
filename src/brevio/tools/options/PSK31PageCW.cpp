#include "brevio/tools/options/PSK31PageCW.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ui/BaseDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CPSK31PageCW::CPSK31PageCW(QWidget* parent) : CPSK31OptionsPage(IDD, QStringLiteral("CW ID"), parent)
{
    QGroupBox* text = MakeGroup(this, QStringLiteral("CW String"));
    m_pString = new QLineEdit(text);
    SetDlgCtrlID(m_pString, IDC_STRING);
    connect(m_pString, &QLineEdit::textEdited, this, [this] { NotifyOptionChanged(); });
    auto* textLayout = new QVBoxLayout(text);
    textLayout->addWidget(m_pString);
    textLayout->addWidget(MakeLabel(text, QStringLiteral("The string is usually \"de Your Callsign\"")));

    QGroupBox* speed = MakeGroup(this, QStringLiteral("CW Speed"));
    m_pSpeed = MakeRadioGroup();
    auto* speedLayout = new QVBoxLayout(speed);
    const char* const speeds[] = {"37.5 wpm", "18.75 wpm", "12.5 wpm", "9.375 wpm"};
    for (int i = 0; i < 4; ++i)
        speedLayout->addWidget(MakeRadio(speed, m_pSpeed, QString::fromLatin1(speeds[i]), IDC_SPEED_1 + i, i));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(speed);
    layout->addStretch(1);
    CheckIndex(m_pSpeed, 0);
}

CPSK31PageCW::~CPSK31PageCW() = default;

void CPSK31PageCW::DoDataExchange(bool bSaveAndValidate)
{
    if (bSaveAndValidate) {
        m_strString = m_pString->text();
        m_nSpeed = CheckedIndex(m_pSpeed);
    } else {
        SetText(m_pString, m_strString);
        CheckIndex(m_pSpeed, m_nSpeed);
    }
}

void CPSK31PageCW::LoadFromSettings(CPSK31Settings& settings)
{
    m_strString = settings.m_strCWString;
    m_nSpeed = PskOptions::CwSpeedButton(settings.m_nCWSpeed);
    UpdateData(false);
}

void CPSK31PageCW::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_strCWString = m_strString;
    settings.m_nCWSpeed = PskOptions::CwSpeedValue(m_nSpeed);
}
