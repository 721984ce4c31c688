#include "corvane/frontpanel/MergeColoursDialog.h"

#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

CMergeColoursDialog::CMergeColoursDialog(QWidget* pParent, const QStringList& points)
    : QDialog(pParent), m_points(points)
{
    setWindowTitle(QStringLiteral("Merge Colours"));
    auto* text = new QLabel(QStringLiteral("Merge the colour definitions between two points. Select the Start and End "
                                           "points, then press OK."),
                            this);
    text->setWordWrap(true);
    m_pStart = new COwnComboBox(this);
    SetDlgCtrlID(m_pStart, IDC_START);
    m_pEnd = new COwnComboBox(this);
    SetDlgCtrlID(m_pEnd, IDC_END);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    SetDlgCtrlID(buttons->button(QDialogButtonBox::Ok), platform::IDOK);
    SetDlgCtrlID(buttons->button(QDialogButtonBox::Cancel), platform::IDCANCEL);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMergeColoursDialog::OnOK);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* grid = new QGridLayout(this);
    grid->addWidget(text, 0, 0, 1, 2);
    auto* startLabel = new QLabel(QStringLiteral("&Start"), this);
    startLabel->setBuddy(m_pStart);
    auto* endLabel = new QLabel(QStringLiteral("&End"), this);
    endLabel->setBuddy(m_pEnd);
    grid->addWidget(startLabel, 1, 0);
    grid->addWidget(m_pStart, 1, 1);
    grid->addWidget(endLabel, 2, 0);
    grid->addWidget(m_pEnd, 2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    OnInitDialog();
}

CMergeColoursDialog::~CMergeColoursDialog() = default;

bool CMergeColoursDialog::OnInitDialog()
{
    if (m_bInitialised)
        return true;
    m_bInitialised = true;
    m_pStart->AddStrings(m_points);
    m_pEnd->AddStrings(m_points);
    m_pStart->SetCurSel(m_points.isEmpty() ? -1 : 0);
    m_pEnd->SetCurSel(int(m_points.size()) - 1);
    return true;
}

void CMergeColoursDialog::OnOK()
{
    m_nStart = m_pStart->GetCurSel();
    m_nEnd = m_pEnd->GetCurSel();
    done(Accepted);
}

int CMergeColoursDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}
