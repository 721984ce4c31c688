#include "corvane/organisers/DefineBandDialog.h"

#include "corvane/core/FrequencyRangeCheck.h"
#include "platform/Prompter.h"
#include "shared/edit/FrequencyEdit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
void setUpEdit(CFrequencyEdit* edit, uint32_t nHz)
{
    edit->SetPromptChar(QLatin1Char('_'));
    edit->SetAutoAdvance(false);
    edit->UseDisplayFont();
    edit->SetMask(QStringLiteral("###\\.###\\.## MHz"));
    edit->SetFrequency(nHz);
    edit->Validate();
}
} // namespace

CDefineBandDialog::CDefineBandDialog(QWidget* pParent, const QString& strTitle, uint32_t nFrom, uint32_t nTo,
                                     int bEnabled)
    : CBaseDialog(IDD, pParent), m_strTitle(strTitle), m_nFrom(nFrom), m_nTo(nTo), m_bEnabled(bEnabled)
{
    setWindowTitle(QStringLiteral("Define Band"));
    SetFixedFrame();
    SetPersistGeometry(false);
    auto label = [this](const QString& text, int y) {
        auto* l = new QLabel(text, this);
        l->setGeometry(10, y + 4, 50, 18);
    };
    label(QStringLiteral("Title:"), 10);
    m_pTitle = new QLineEdit(this);
    m_pTitle->setGeometry(64, 10, 176, 24);
    label(QStringLiteral("From:"), 42);
    m_pFrom = new CFrequencyEdit(this);
    m_pFrom->setGeometry(64, 42, 176, 26);
    label(QStringLiteral("To:"), 76);
    m_pTo = new CFrequencyEdit(this);
    m_pTo->setGeometry(64, 76, 176, 26);
    m_pEnable = new QCheckBox(QStringLiteral("&Enable"), this);
    m_pEnable->setGeometry(64, 110, 120, 20);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(250, 10, 76, 26);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(250, 42, 76, 26);
    SetDlgCtrlID(m_pTitle, IDC_TITLE);
    SetDlgCtrlID(m_pFrom, IDC_FROM);
    SetDlgCtrlID(m_pTo, IDC_TO);
    SetDlgCtrlID(m_pEnable, IDC_ENABLE);
    SetDlgCtrlID(ok, platform::IDOK);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    resize(336, 140);
}

CDefineBandDialog::~CDefineBandDialog() = default;

bool CDefineBandDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pTitle->setText(m_strTitle);
    setUpEdit(m_pFrom, m_nFrom);
    setUpEdit(m_pTo, m_nTo);
    m_pEnable->setChecked(m_bEnabled != 0);
    return true;
}

void CDefineBandDialog::OnOK()
{
    m_pFrom->Validate();
    m_pTo->Validate();
    const QString title = m_pTitle->text().trimmed();
    const uint32_t from = m_pFrom->GetFrequency();
    const uint32_t to = m_pTo->GetFrequency();
    auto refuse = [this](const QString& text) {
        platform::messageBox(this, text, windowTitle(), platform::MB_OK | platform::MB_ICONERROR);
    };
    if (title.isEmpty()) {
        refuse(QStringLiteral("The title must be entered."));
        return;
    }
    if (from == 0 || to == 0) {
        refuse(QStringLiteral("The From: and To: frequencies cannot be empty."));
        return;
    }
    if (from == to) {
        refuse(QStringLiteral("The From: and To: frequencies cannot be the same."));
        return;
    }
    // A band the dial tunes across: its edges must be frequencies the radio takes.
    for (CFrequencyEdit* edge : {m_pFrom, m_pTo}) {
        if (!CFrequencyRangeCheck::CheckReceivable(this, *edge, windowTitle())) {
            edge->setFocus();
            return;
        }
    }
    m_strTitle = title;
    m_nFrom = from;
    m_nTo = to;
    m_bEnabled = m_pEnable->isChecked() ? 1 : 0;
    done(Accepted);
}
