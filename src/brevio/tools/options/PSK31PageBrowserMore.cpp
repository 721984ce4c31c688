#include "brevio/tools/options/PSK31PageBrowserMore.h"

#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/ColorEdit.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// always optimise, own toolbar layout, animation, channel number, signal level, signal quality
int CPSK31Settings::*const kSwitches[6] = {
    &CPSK31Settings::m_bBrowserAlwaysOpt, &CPSK31Settings::m_bBrowserToolbarStates,
    &CPSK31Settings::m_bBrowserAnimate,   &CPSK31Settings::m_bBrowserShowChNum,
    &CPSK31Settings::m_bBrowserShSignalLvl, &CPSK31Settings::m_bBrowserShVectorData,
};

} // namespace

QString CPSK31PageBrowserMore::HelpText()
{
    return QStringLiteral("Chars received:\r\n"
                          "This is the number of characters that must be received on a channel before the "
                          "channel is made visible. This value is usually set to a minimum of 5 to stop channels "
                          "from being displayed when a few characters have been found in the noise.\r\n"
                          "\r\n"
                          "Display (secs):\r\n"
                          "This is the amount of time for which a visible channel is displayed where no new data "
                          "has been received.\r\n"
                          "\r\n"
                          "Search (secs):\r\n"
                          "The number of seconds before a search for new signals is declared to have failed and the "
                          "search restarted on a new frequency.\r\n");
}

CPSK31PageBrowserMore::CPSK31PageBrowserMore(QWidget* parent)
    : CPSK31OptionsPage(IDD, QStringLiteral("Super Browser 2"), parent)
{
    QGroupBox* thresholds = MakeGroup(this, QStringLiteral("Thresholds"));
    auto makeList = [&](unsigned nId, uint32_t first, uint32_t last, uint32_t step, uint32_t preset) {
        auto* list = new COwnComboBox(thresholds);
        SetDlgCtrlID(list, nId);
        for (uint32_t v = first; v <= last; v += step)
            list->AddItem(QString::number(v), v);
        list->SelectByData(preset);
        connect(list, &QComboBox::activated, this, [this] { NotifyOptionChanged(); });
        return list;
    };
    m_pChars = makeList(IDC_CHARS, 1, 20, 1, 1);
    m_pInactive = makeList(IDC_INACTIVE, 10, 120, 5, 10);
    m_pSearch = makeList(IDC_SEARCH, 2, 10, 1, 2);
    auto* thresholdLayout = new QGridLayout(thresholds);
    thresholdLayout->addWidget(MakeLabel(thresholds, QStringLiteral("Chars received:")), 0, 0);
    thresholdLayout->addWidget(m_pChars, 0, 1);
    thresholdLayout->addWidget(MakeLabel(thresholds, QStringLiteral("Display (secs):")), 1, 0);
    thresholdLayout->addWidget(m_pInactive, 1, 1);
    thresholdLayout->addWidget(MakeLabel(thresholds, QStringLiteral("Search (secs):")), 2, 0);
    thresholdLayout->addWidget(m_pSearch, 2, 1);

    QGroupBox* appearance = MakeGroup(this, QStringLiteral("Appearance"));
    const char* const labels[6] = {"&Always optimise layout", "Save &own toolbar layout", "&Searching animation",
                                   "Show &channel number",    "Show signal le&vel",       "&Show signal quality"};
    auto* appearanceLayout = new QVBoxLayout(appearance);
    for (int i = 0; i < 6; ++i) {
        m_pChecks[i] = MakeCheck(appearance, QString::fromLatin1(labels[i]), IDC_ALWAYS_OPTIMISE + i);
        appearanceLayout->addWidget(m_pChecks[i]);
    }

    m_pHelp = new CColorEdit(this);
    SetDlgCtrlID(m_pHelp, IDC_HELP_TEXT);
    m_pHelp->setReadOnly(true);
    m_pHelp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pHelp->UseCustomColours();
    SetEditLines(m_pHelp, HelpText().split(QStringLiteral("\r\n")));

    QPushButton* defaults = MakeButton(this, QStringLiteral("&Restore defaults"), IDC_DEFAULTS);
    connect(defaults, &QPushButton::clicked, this, [this] { OnRestoreDefaults(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(thresholds, 0, 0, Qt::AlignTop);
    layout->addWidget(appearance, 0, 1, Qt::AlignTop);
    layout->addWidget(m_pHelp, 1, 0, 1, 2);
    layout->addWidget(defaults, 2, 1, Qt::AlignRight);
    layout->setRowStretch(1, 1);
}

CPSK31PageBrowserMore::~CPSK31PageBrowserMore() = default;

void CPSK31PageBrowserMore::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("Format") << QStringLiteral("Thresholds");
}

void CPSK31PageBrowserMore::DoDataExchange(bool bSaveAndValidate)
{
    for (int i = 0; i < 6; ++i) {
        if (bSaveAndValidate)
            m_bChecks[i] = m_pChecks[i]->isChecked();
        else
            SetChecked(m_pChecks[i], m_bChecks[i]);
    }
}

void CPSK31PageBrowserMore::LoadFromSettings(CPSK31Settings& settings)
{
    m_pChars->SelectByData(uint32_t(settings.m_nBrowserThChars));
    m_pInactive->SelectByData(uint32_t(settings.m_nBrowserThInactive));
    m_pSearch->SelectByData(uint32_t(settings.m_nBrowserThSearch));
    for (int i = 0; i < 6; ++i)
        m_bChecks[i] = settings.*kSwitches[i];
    UpdateData(false);
}

void CPSK31PageBrowserMore::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_nBrowserThChars = int(m_pChars->GetSelectedData());
    settings.m_nBrowserThInactive = int(m_pInactive->GetSelectedData());
    settings.m_nBrowserThSearch = int(m_pSearch->GetSelectedData());
    for (int i = 0; i < 6; ++i)
        settings.*kSwitches[i] = m_bChecks[i];
}

void CPSK31PageBrowserMore::OnRestoreDefaults()
{
    CPSK31Settings defaults;
    defaults.SetDefaults();
    LoadFromSettings(defaults);
    NotifyOptionChanged();
}
