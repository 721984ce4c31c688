#include "corvane/frontpanel/OptionsExchange.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "shared/RegisteredEvent.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BaseDialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

using namespace OptionsPageTools;

COptionsExchange::COptionsExchange(QWidget* parent) : COptionsPage(IDD, parent)
{
    setWindowTitle(QStringLiteral("Exchange <->"));
    auto* group = Group(this, QStringLiteral("User options file"));
    m_pLoad = new COXBitmapButton(group);
    m_pLoad->setText(QStringLiteral("&Load"));
    SetDlgCtrlID(m_pLoad, IDC_LOAD);
    m_pSave = new COXBitmapButton(group);
    m_pSave->setText(QStringLiteral("&Save"));
    SetDlgCtrlID(m_pSave, IDC_SAVE);
    auto* groupGrid = new QGridLayout(group);
    groupGrid->addWidget(m_pLoad, 0, 0);
    groupGrid->addWidget(Label(group, QStringLiteral("Load the display colours from a file")), 0, 1);
    groupGrid->addWidget(m_pSave, 1, 0);
    groupGrid->addWidget(Label(group, QStringLiteral("Save all options to a file")), 1, 1);
    groupGrid->setColumnStretch(1, 1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(group, 0, 0);
    grid->setRowStretch(1, 1);
    connect(m_pLoad, &COXBitmapButton::clicked, this, &COptionsExchange::OnLoad);
    connect(m_pSave, &COXBitmapButton::clicked, this, &COptionsExchange::OnSave);
}

COptionsExchange::~COptionsExchange() = default;

bool COptionsExchange::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    // Red is the pictures' transparent colour.
    m_pLoad->LoadBitmapResource(IDB_LOAD, false, 0x0000FF);
    m_pSave->LoadBitmapResource(IDB_SAVE, false, 0x0000FF);
    return true;
}

void COptionsExchange::GetKeywords(QStringList& keywords)
{
    keywords << QStringLiteral("Load from file") << QStringLiteral("Save to file");
}

void COptionsExchange::OnLoad()
{
    PostRegisteredMessage(GetSheet(), RegisteredMessage::nMsgLoad, 0, 0);
}

void COptionsExchange::OnSave()
{
    PostRegisteredMessage(GetSheet(), RegisteredMessage::nMsgSave, 0, 0);
}
