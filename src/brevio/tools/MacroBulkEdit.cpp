#include "brevio/tools/MacroBulkEdit.h"

#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnComboBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
const QString kFind = QStringLiteral("CMacroBulkEdit::m_strFind");
const QString kReplace = QStringLiteral("CMacroBulkEdit::m_strReplace");
const QString kMatchCase = QStringLiteral("CMacroBulkEdit::m_bMatchCase");
const QString kMatch = QStringLiteral("CMacroBulkEdit::m_dwMatch");
} // namespace

CMacroBulkEdit::CMacroBulkEdit(QWidget* pParent, bool bHasSelection) : CBaseDialog(IDD, pParent), m_bHasSelection(bHasSelection)
{
    // A plain dialog: no remembered size, no grip.
    SetFixedFrame();
    SetPersistGeometry(false);
    setWindowTitle(QStringLiteral("Macro Bulk Editor"));
    CRegistry registry;
    m_strFind = registry.GetString(kFind, QString());
    m_strReplace = registry.GetString(kReplace, QString());
    m_bMatchCase = registry.GetInt(kMatchCase, 0);
    m_dwMatch = registry.GetInt(kMatch, MatchBoth);

    setFixedSize(392, 210);
    auto label = [this](const QString& text, int y) {
        auto* l = new QLabel(text, this);
        l->setGeometry(8, y, 100, 22);
        return l;
    };
    QLabel* findLabel = label(QStringLiteral("&Find what:"), 10);
    m_pFind = new QLineEdit(this);
    findLabel->setBuddy(m_pFind);
    SetDlgCtrlID(m_pFind, IDC_FIND);
    m_pFind->setGeometry(110, 8, 180, 24);
    QLabel* replaceLabel = label(QStringLiteral("&Replace with:"), 40);
    m_pReplace = new QLineEdit(this);
    replaceLabel->setBuddy(m_pReplace);
    SetDlgCtrlID(m_pReplace, IDC_REPLACE);
    m_pReplace->setGeometry(110, 38, 180, 24);
    QLabel* whatLabel = label(QStringLiteral("Replace &what:"), 70);
    m_pWhat = new COwnComboBox(this);
    whatLabel->setBuddy(m_pWhat);
    SetDlgCtrlID(m_pWhat, IDC_WHAT);
    m_pWhat->setGeometry(110, 68, 180, 24);
    m_pMatchCase = new QCheckBox(QStringLiteral("&Match case"), this);
    SetDlgCtrlID(m_pMatchCase, IDC_MATCH_CASE);
    m_pMatchCase->setGeometry(8, 100, 150, 22);
    auto* scope = new QGroupBox(this);
    scope->setGeometry(8, 128, 282, 40);
    m_pAll = new QRadioButton(QStringLiteral("&All"), scope);
    SetDlgCtrlID(m_pAll, IDC_ALL);
    m_pAll->setGeometry(8, 10, 100, 22);
    m_pSelected = new QRadioButton(QStringLiteral("&Selected"), scope);
    SetDlgCtrlID(m_pSelected, IDC_SELECTED);
    m_pSelected->setGeometry(120, 10, 120, 22);
    auto* ok = new COXBitmapButton(this);
    SetDlgCtrlID(ok, 1);
    ok->SetButtonText(QStringLiteral("OK"));
    // Enter in the find or replace text presses OK.
    ok->setDefault(true);
    ok->setGeometry(298, 8, 86, 28);
    auto* cancel = new COXBitmapButton(this);
    SetDlgCtrlID(cancel, 2);
    cancel->SetButtonText(QStringLiteral("Cancel"));
    cancel->setGeometry(298, 40, 86, 28);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pFind, &QLineEdit::textChanged, this, [this] { UpdateOkState(); });
    connect(m_pReplace, &QLineEdit::textChanged, this, [this] { UpdateOkState(); });
}

CMacroBulkEdit::~CMacroBulkEdit() = default;

bool CMacroBulkEdit::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1)))
        ok->LoadBitmapResource(313, false, RGB(0, 0, 255));
    if (auto* cancel = qobject_cast<COXBitmapButton*>(GetDlgItem(2)))
        cancel->LoadBitmapResource(314, false, RGB(0, 0, 255));
    m_pWhat->AddItem(QStringLiteral("Title"), MatchTitle);
    m_pWhat->AddItem(QStringLiteral("Value"), MatchValue);
    m_pWhat->AddItem(QStringLiteral("Title + Value"), MatchBoth);
    m_pWhat->SelectByData(uint32_t(m_dwMatch));
    m_pFind->setText(m_strFind);
    m_pReplace->setText(m_strReplace);
    m_pMatchCase->setChecked(m_bMatchCase != 0);
    m_pSelected->setEnabled(m_bHasSelection);
    (m_bHasSelection ? m_pSelected : m_pAll)->setChecked(true);
    UpdateOkState();
    return true;
}

bool CMacroBulkEdit::IsOkEnabled() const
{
    return !m_pFind->text().isEmpty() && !m_pReplace->text().isEmpty();
}

void CMacroBulkEdit::UpdateOkState()
{
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1)))
        ok->Enable(IsOkEnabled());
}

void CMacroBulkEdit::OnOK()
{
    if (!IsOkEnabled())
        return;
    m_strFind = m_pFind->text();
    m_strReplace = m_pReplace->text();
    m_bMatchCase = m_pMatchCase->isChecked() ? 1 : 0;
    m_dwMatch = int(m_pWhat->GetSelectedData());
    m_bAll = m_pAll->isChecked();
    CRegistry registry;
    registry.WriteString(kFind, m_strFind);
    registry.WriteString(kReplace, m_strReplace);
    registry.WriteInt(kMatchCase, m_bMatchCase);
    registry.WriteInt(kMatch, m_dwMatch);
    m_bReplaceTitles = (m_dwMatch & MatchTitle) != 0;
    m_bReplaceDefinitions = (m_dwMatch & MatchValue) != 0;
    CBaseDialog::OnOK();
}
