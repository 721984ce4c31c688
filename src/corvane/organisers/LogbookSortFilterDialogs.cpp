#include "corvane/organisers/LogbookSortFilterDialogs.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/organisers/LogbookRequests.h"
#include "corvane/organisers/LogbookView.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/RotBevelLine.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidgetItem>

namespace {
constexpr unsigned kFieldIds[3] = {CLogbookRowsDialog::IDC_FIELD_1, CLogbookRowsDialog::IDC_FIELD_2,
                                   CLogbookRowsDialog::IDC_FIELD_3};
constexpr unsigned kLabelIds[3] = {CLogbookRowsDialog::IDC_LABEL_1, CLogbookRowsDialog::IDC_LABEL_2,
                                   CLogbookRowsDialog::IDC_LABEL_3};
constexpr unsigned kFirstIds[3] = {CLogbookRowsDialog::IDC_FIRST_1, CLogbookRowsDialog::IDC_FIRST_2,
                                   CLogbookRowsDialog::IDC_FIRST_3};
constexpr unsigned kSecondIds[3] = {CLogbookRowsDialog::IDC_SECOND_1, CLogbookRowsDialog::IDC_SECOND_2,
                                    CLogbookRowsDialog::IDC_SECOND_3};
constexpr unsigned kValueIds[3] = {CLogbookFilterDialog::IDC_VALUE_1, CLogbookFilterDialog::IDC_VALUE_2,
                                   CLogbookFilterDialog::IDC_VALUE_3};

const CLogbookRowsDialog::RowTexts kSortRows[3] = {
    {"Sort by", "&Ascending", "&Descending", 1},
    {"Then by", "As&cending", "Desce&nding", 0},
    {"Then by", "Ascend&ing", "Descendin&g", 0},
};
const CLogbookRowsDialog::RowTexts kFilterRows[3] = {
    {"&Where", "&Contains", "&Exact match", 0},
    {"&And", "C&ontains", "E&xact match", 0},
    {"A&nd", "Contain&s", "Exact &match", 0},
};
constexpr int kRowTop = 12;
constexpr int kRowHeight = 58;
} // namespace

CLogbookRowsDialog::CLogbookRowsDialog(unsigned nIDD, const QString& strTitle, QWidget* pParent,
                                       const COwnListCtrl* pList, const RowTexts rows[3], bool bValueEdits)
    : CBaseDialog(nIDD, pParent)
{
    setWindowTitle(strTitle);
    SetFixedFrame();
    SetPersistGeometry(false);
    // The choices are the list's column headers, in their order.
    if (pList && pList->headerItem())
        for (int i = 0; i < pList->columnCount(); ++i)
            m_captions << pList->headerItem()->text(i).left(256);

    for (int r = 0; r < 3; ++r) {
        const int top = kRowTop + r * kRowHeight;
        m_pLabel[r] = new cdxCRotBevelLine(QString::fromLatin1(rows[r].pLabel), this);
        m_pLabel[r]->setGeometry(10, top, 400, 18);
        m_pField[r] = new COwnComboBox(this);
        m_pField[r]->setGeometry(10, top + 22, 140, 26);
        m_pLabel[r]->setBuddy(m_pField[r]);
        int left = 160;
        if (bValueEdits) {
            m_pValue[r] = new QLineEdit(this);
            m_pValue[r]->setGeometry(left, top + 22, 120, 26);
            SetDlgCtrlID(m_pValue[r], kValueIds[r]);
            left += 130;
        }
        m_pFirst[r] = new QRadioButton(QString::fromLatin1(rows[r].pFirst), this);
        m_pSecond[r] = new QRadioButton(QString::fromLatin1(rows[r].pSecond), this);
        m_pFirst[r]->setGeometry(left, top + 24, 110, 22);
        m_pSecond[r]->setGeometry(left + 112, top + 24, 110, 22);
        auto* group = new QButtonGroup(this);
        group->addButton(m_pFirst[r], 0);
        group->addButton(m_pSecond[r], 1);
        (rows[r].nStart == 0 ? m_pFirst[r] : m_pSecond[r])->setChecked(true);
        SetDlgCtrlID(m_pLabel[r], kLabelIds[r]);
        SetDlgCtrlID(m_pField[r], kFieldIds[r]);
        SetDlgCtrlID(m_pFirst[r], kFirstIds[r]);
        SetDlgCtrlID(m_pSecond[r], kSecondIds[r]);
    }
    const int width = bValueEdits ? 530 : 400;
    for (int r = 0; r < 3; ++r)
        m_pLabel[r]->setFixedWidth(width - 20);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    const int buttonsTop = kRowTop + 3 * kRowHeight + 4;
    cancel->setGeometry(width - 86, buttonsTop, 76, 26);
    ok->setGeometry(width - 86 - (bValueEdits ? 164 : 82), buttonsTop, 76, 26);
    SetDlgCtrlID(ok, platform::IDOK);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    resize(width, buttonsTop + 38);
}

bool CLogbookRowsDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    // Rows 2 and 3 can be left out: they start with an empty entry.
    m_pField[1]->addItem(QString());
    m_pField[2]->addItem(QString());
    for (const QString& caption : m_captions)
        for (COwnComboBox* box : m_pField)
            box->addItem(caption);
    for (COwnComboBox* box : m_pField)
        box->SetCurSel(0);
    return true;
}

int CLogbookRowsDialog::GetRadio(int nRow) const
{
    return m_pSecond[nRow]->isChecked() ? 1 : 0;
}

// ---------------------------------------------------------------- Sort

CLogbookSortDialog::CLogbookSortDialog(QWidget* pParent, const COwnListCtrl* pList)
    : CLogbookRowsDialog(IDD, QStringLiteral("Sort"), pParent, pList, kSortRows, false)
{
}

CLogbookSortDialog::~CLogbookSortDialog() = default;

void CLogbookSortDialog::OnOK()
{
    CLogbookSortRequest request;
    for (int r = 0; r < 3; ++r) {
        request.strKey[r] = m_pField[r]->currentText();
        request.bAscending[r] = GetRadio(r) == 0 ? 1 : 0;
    }
    if (CLogbookView* view = GetLogbookView())
        SendRegisteredMessage(view, RegisteredMessage::nMsgLogbookSort, 0, reinterpret_cast<intptr_t>(&request));
}

// ---------------------------------------------------------------- Filter

CLogbookFilterDialog::CLogbookFilterDialog(QWidget* pParent, const COwnListCtrl* pList)
    : CLogbookRowsDialog(IDD, QStringLiteral("Filter"), pParent, pList, kFilterRows, true)
{
    auto* remove = new QPushButton(QStringLiteral("&Remove"), this);
    if (auto* cancel = GetDlgItem(platform::IDCANCEL))
        remove->setGeometry(cancel->x() - 82, cancel->y(), 76, 26);
    SetDlgCtrlID(remove, IDC_REMOVE);
    connect(remove, &QPushButton::clicked, this, [this] { OnRemove(); });
    // The operator's choice only; filling the boxes stays silent.
    connect(m_pField[1], &QComboBox::activated, this, [this] { ApplyEnableRule(); });
    connect(m_pField[2], &QComboBox::activated, this, [this] { ApplyEnableRule(); });
}

CLogbookFilterDialog::~CLogbookFilterDialog() = default;

bool CLogbookFilterDialog::OnInitDialog()
{
    CLogbookRowsDialog::OnInitDialog();
    ApplyEnableRule();
    return true;
}

void CLogbookFilterDialog::ApplyEnableRule()
{
    for (int r = 1; r < 3; ++r) {
        const bool on = !m_pField[r]->currentText().isEmpty();
        m_pValue[r]->setEnabled(on);
        m_pFirst[r]->setEnabled(on);
        m_pSecond[r]->setEnabled(on);
    }
}

void CLogbookFilterDialog::OnOK()
{
    CLogbookFilterRequest request;
    for (int r = 0; r < 3; ++r) {
        request.strCaption[r] = m_pField[r]->currentText();
        request.strValue[r] = m_pValue[r]->text();
        request.bExact[r] = GetRadio(r) == 1 ? 1 : 0;
    }
    if (CLogbookView* view = GetLogbookView())
        SendRegisteredMessage(view, RegisteredMessage::nMsgLogbookFilter, 0, reinterpret_cast<intptr_t>(&request));
}

void CLogbookFilterDialog::OnRemove()
{
    CLogbookFilterRequest request;
    request.bRemove = 1;
    if (CLogbookView* view = GetLogbookView())
        SendRegisteredMessage(view, RegisteredMessage::nMsgLogbookFilter, 0, reinterpret_cast<intptr_t>(&request));
}
