#include "brevio/tools/options/PSK31PageLogbookExt.h"

#include "platform/Program.h"
#include "platform/Prompter.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/tools/options/OptionsLogic.h"
#include "shared/ProgramFolders.h"
#include "shared/TextFile.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/WaitCursor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

CPSK31PageLogbookExt::CPSK31PageLogbookExt(QWidget* parent)
    : CPSK31OptionsPage(IDD, QStringLiteral("Logbook 2"), parent)
{
    QLabel* intro = MakeLabel(this, QStringLiteral("These values define a message sent to a 3rd party program every "
                                                   "time you add an entry to the PSK31 Brevio logbook files (see "
                                                   "Logbook 1).\n\nThese values are provided by the supplier of the "
                                                   "3rd party program."));
    intro->setWordWrap(true);

    QGroupBox* find = MakeGroup(this, QStringLiteral("&Class Name used by ::FindWindowEx()"));
    m_pClass = new QLineEdit(find);
    SetDlgCtrlID(m_pClass, IDC_CLASS);
    m_pClass->setMaxLength(256);
    (new QVBoxLayout(find))->addWidget(m_pClass);

    QGroupBox* post = MakeGroup(this, QStringLiteral("PostMessage()"));
    auto makeEdit = [&](unsigned nId) {
        auto* edit = new QLineEdit(post);
        SetDlgCtrlID(edit, nId);
        edit->setFixedWidth(80);
        return edit;
    };
    m_pMsgId = makeEdit(IDC_MSG_ID);
    m_pMsgId->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), m_pMsgId));
    m_pLParam = makeEdit(IDC_LPARAM);
    m_pWParam = makeEdit(IDC_WPARAM);
    auto* grid = new QGridLayout(post);
    QLabel* msgLabel = MakeLabel(post, QStringLiteral("&Msg Id:"));
    msgLabel->setBuddy(m_pMsgId);
    grid->addWidget(msgLabel, 0, 0);
    grid->addWidget(m_pMsgId, 0, 1);
    grid->addWidget(MakeLabel(post, QStringLiteral("+ WM_USER")), 0, 2);
    QLabel* lLabel = MakeLabel(post, QStringLiteral("&LPARAM"));
    lLabel->setBuddy(m_pLParam);
    grid->addWidget(lLabel, 1, 0);
    grid->addWidget(m_pLParam, 1, 1);
    grid->addWidget(MakeLabel(post, QStringLiteral("(decimal)")), 1, 2);
    QLabel* wLabel = MakeLabel(post, QStringLiteral("&WPARAM"));
    wLabel->setBuddy(m_pWParam);
    grid->addWidget(wLabel, 2, 0);
    grid->addWidget(m_pWParam, 2, 1);
    grid->addWidget(MakeLabel(post, QStringLiteral("(decimal)")), 2, 2);
    grid->setColumnStretch(3, 1);
    for (QLineEdit* edit : {m_pClass, m_pMsgId, m_pLParam, m_pWParam})
        connect(edit, &QLineEdit::textEdited, this, [this] { NotifyOptionChanged(); });

    m_pEnable = MakeCheck(this, QStringLiteral("&Enable"), IDC_ENABLE);
    QPushButton* sample = MakeButton(this, QStringLiteral("Code &Sample"), IDC_SAMPLE);
    connect(sample, &QPushButton::clicked, this, [this] { OnCodeSample(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(find);
    layout->addWidget(post);
    auto* row = new QHBoxLayout;
    row->addWidget(m_pEnable);
    row->addStretch(1);
    row->addWidget(sample);
    layout->addLayout(row);
    layout->addStretch(1);
}

CPSK31PageLogbookExt::~CPSK31PageLogbookExt() = default;

void CPSK31PageLogbookExt::GetTopicLines(QStringList& lines) const
{
    lines << QStringLiteral("FindWindowEx()") << QStringLiteral("@Class Name") << QStringLiteral("PostMessage()")
          << QStringLiteral("@Message Id") << QStringLiteral("@LPARAM") << QStringLiteral("@WPARAM");
}

bool CPSK31PageLogbookExt::ExchangeUnsigned(QLineEdit* pEdit, unsigned nMax, int& nValue)
{
    const PskOptions::UnsignedField field = PskOptions::ReadUnsignedField(pEdit->text(), 0, nMax);
    if (field.result == PskOptions::UnsignedField::kOk) {
        nValue = int(field.value);
        return true;
    }
    platform::messageBox(this, field.message, platform::program().name,
                         platform::MB_OK | platform::MB_ICONWARNING);
    pEdit->setFocus(Qt::OtherFocusReason);
    pEdit->selectAll();
    return false;
}

void CPSK31PageLogbookExt::DoDataExchange(bool bSaveAndValidate)
{
    if (!bSaveAndValidate) {
        SetText(m_pClass, m_strClass);
        SetText(m_pMsgId, QString::number(unsigned(m_nMsgId)));
        SetText(m_pLParam, QString::number(unsigned(m_nLParam)));
        SetText(m_pWParam, QString::number(unsigned(m_nWParam)));
        SetChecked(m_pEnable, m_bEnable);
        return;
    }
    // The exchange stops at the first field that fails; later fields keep
    // the values they had.
    m_bExchangeOk = false;
    m_strClass = m_pClass->text();
    if (!ExchangeUnsigned(m_pMsgId, 9999, m_nMsgId) || !ExchangeUnsigned(m_pLParam, 65535, m_nLParam) ||
        !ExchangeUnsigned(m_pWParam, 65535, m_nWParam))
        return;
    m_bEnable = m_pEnable->isChecked();
    m_bExchangeOk = true;
}

bool CPSK31PageLogbookExt::ExchangeFromControls()
{
    UpdateData(true);
    return m_bExchangeOk;
}

void CPSK31PageLogbookExt::LoadFromSettings(CPSK31Settings& settings)
{
    m_strClass = settings.m_strExtLogbookClass;
    m_nMsgId = settings.m_nExtLogbookMsgId;
    m_nLParam = settings.m_nExtLogbookLPARAM;
    m_nWParam = settings.m_nExtLogbookWPARAM;
    m_bEnable = settings.m_bExtLogbookEnable;
    UpdateData(false);
}

void CPSK31PageLogbookExt::StoreToSettings(CPSK31Settings& settings)
{
    UpdateData(true);
    settings.m_strExtLogbookClass = m_strClass;
    settings.m_nExtLogbookMsgId = m_nMsgId;
    settings.m_nExtLogbookLPARAM = m_nLParam;
    settings.m_nExtLogbookWPARAM = m_nWParam;
    settings.m_bExtLogbookEnable = m_bEnable;
}

QString CPSK31PageLogbookExt::SamplePath()
{
    return GetProgramFolders().GetTempFolder() + QLatin1Char('/') + PskOptions::ExternalLogbookSampleName();
}

void CPSK31PageLogbookExt::OnCodeSample()
{
    // A sample of values other than those shown would mislead its reader.
    if (!ExchangeFromControls())
        return;
    const QStringList lines = PskOptions::ExternalLogbookSample(m_bEnable, m_strClass, unsigned(m_nMsgId),
                                                                unsigned(m_nLParam), unsigned(m_nWParam));
    const QString path = SamplePath();
    {
        const CWaitCursor wait;
        CTextFile file(path, false);
        file.WriteLines(lines, false);
        if (!file.IsOk())
            return;
    }
    TheApp().ShellOpen(path);
}
