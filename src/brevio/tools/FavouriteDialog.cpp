#include "brevio/tools/FavouriteDialog.h"

#include "platform/Prompter.h"
#include "shared/edit/FrequencyEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CFavouriteDialog::CFavouriteDialog(QWidget* pParent, const QString& strTitle, uint32_t nFrequency)
    : CBaseDialog(IDD, pParent), m_strTitle(strTitle), m_nFrequency(nFrequency)
{
    SetFixedFrame();
    SetPersistGeometry(false);
    setWindowTitle(QStringLiteral("Favourite"));
    resize(320, 120);
    auto* titleLabel = new QLabel(QStringLiteral("Title:"), this);
    titleLabel->setGeometry(10, 12, 70, 22);
    m_pTitle = new QLineEdit(this);
    SetDlgCtrlID(m_pTitle, IDC_TITLE);
    m_pTitle->setGeometry(84, 12, 226, 22);
    titleLabel->setBuddy(m_pTitle);
    auto* frequencyLabel = new QLabel(QStringLiteral("Frequency:"), this);
    frequencyLabel->setGeometry(10, 44, 70, 22);
    m_pFrequency = new CFrequencyEdit(this);
    SetDlgCtrlID(m_pFrequency, IDC_FREQUENCY);
    m_pFrequency->setGeometry(84, 44, 150, 22);
    frequencyLabel->setBuddy(m_pFrequency);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, 1);
    ok->setDefault(true);
    ok->setGeometry(150, 82, 76, 28);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, 2);
    cancel->setGeometry(234, 82, 76, 28);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
}

CFavouriteDialog::~CFavouriteDialog() = default;

bool CFavouriteDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pTitle->setText(m_strTitle);
    m_pFrequency->SetMultiplier(1);
    m_pFrequency->SetPromptChar(QLatin1Char('_'));
    m_pFrequency->SetAutoAdvance(false);
    m_pFrequency->UseDisplayFont();
    m_pFrequency->SetMask(QStringLiteral("###.###.### MHz"));
    m_pFrequency->SetInputText(QString::asprintf("%09u", unsigned(m_nFrequency)), 0, true);
    return true;
}

void CFavouriteDialog::OnOK()
{
    // A blank left inside the digits reads as 0, not as a gap.
    m_pFrequency->Validate();
    m_nFrequency = m_pFrequency->GetFrequency();
    m_strTitle = m_pTitle->text().trimmed();
    if (m_strTitle.isEmpty()) {
        platform::messageBox(this, QStringLiteral("The title is required."), QStringLiteral("Favourite"),
                             platform::MB_OK | int(platform::MB_ICONERROR));
        m_pTitle->setFocus();
        return;
    }
    m_strFrequency = m_pFrequency->text();
    m_strFrequency.remove(QLatin1Char('_'));
    done(Accepted);
}
