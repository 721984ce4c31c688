#include "corvane/memory/MemorySortDialog.h"

#include "platform/Prompter.h"
#include "shared/Registry.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/RotBevelLine.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const unsigned kKeyIds[3] = {CMemorySortDialog::IDC_KEY1, CMemorySortDialog::IDC_KEY2, CMemorySortDialog::IDC_KEY3};
const unsigned kCaptionIds[3] = {CMemorySortDialog::IDC_CAPTION1, CMemorySortDialog::IDC_CAPTION2,
                                 CMemorySortDialog::IDC_CAPTION3};
const unsigned kAscendingIds[3] = {CMemorySortDialog::IDC_ASCENDING1, CMemorySortDialog::IDC_ASCENDING2,
                                   CMemorySortDialog::IDC_ASCENDING3};
const unsigned kDescendingIds[3] = {CMemorySortDialog::IDC_DESCENDING1, CMemorySortDialog::IDC_DESCENDING2,
                                    CMemorySortDialog::IDC_DESCENDING3};
// The registry names of the direction groups (the radio controls 1079-1081).
const unsigned kDirectionValueIds[3] = {1079, 1080, 1081};
const char* const kAscendingTexts[3] = {"&Ascending", "As&cending", "Ascend&ing"};
const char* const kDescendingTexts[3] = {"&Descending", "Desce&nding", "Descendin&g"};
const char* const kCaptions[3] = {"Sort by", "Then by", "Then by"};
const int kDefaultKeys[3] = {0, 2, 4};

int positiveModulo(int value, int modulus)
{
    if (modulus <= 0)
        return 0;
    const int m = value % modulus;
    return m < 0 ? m + modulus : m;
}
} // namespace

CMemorySortDialog::CMemorySortDialog(QWidget* pParent, const QString& strTitle, bool bSeparateSettings,
                                     bool bEmptyRemovalAllowed)
    : QDialog(pParent), m_bEmptyRemovalAllowed(bEmptyRemovalAllowed),
      m_nSettingsId(bSeparateSettings ? kTemplateId : kArchiveSettingsId)
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Sort ") + strTitle);
    const CRegistry registry;
    auto* grid = new QGridLayout;
    for (int k = 0; k < 3; ++k) {
        m_pCaptions[k] = new cdxCRotBevelLine(QString::fromLatin1(kCaptions[k]), this);
        SetDlgCtrlID(m_pCaptions[k], kCaptionIds[k]);
        m_pKeys[k] = new COwnComboBox(this);
        SetDlgCtrlID(m_pKeys[k], kKeyIds[k]);
        if (k > 0)
            m_pKeys[k]->AddItem(QString(), CMemorySortChoice::KEY_NONE);
        m_pKeys[k]->AddItem(QStringLiteral("Label"), CMemorySortChoice::KEY_LABEL);
        m_pKeys[k]->AddItem(QStringLiteral("Rx Frequency"), CMemorySortChoice::KEY_RX_FREQUENCY);
        m_pKeys[k]->AddItem(QStringLiteral("Tx Frequency"), CMemorySortChoice::KEY_TX_FREQUENCY);
        m_pKeys[k]->AddItem(QStringLiteral("Mode"), CMemorySortChoice::KEY_MODE);
        const int stored = registry.GetDialogInt(m_nSettingsId, kKeyIds[k], kDefaultKeys[k]);
        m_pKeys[k]->SetCurSel(positiveModulo(stored, m_pKeys[k]->count()));

        auto* ascending = new QRadioButton(QString::fromLatin1(kAscendingTexts[k]), this);
        SetDlgCtrlID(ascending, kAscendingIds[k]);
        auto* descending = new QRadioButton(QString::fromLatin1(kDescendingTexts[k]), this);
        SetDlgCtrlID(descending, kDescendingIds[k]);
        m_pDirections[k] = new QButtonGroup(this);
        m_pDirections[k]->addButton(ascending, 0);
        m_pDirections[k]->addButton(descending, 1);
        const int direction = positiveModulo(registry.GetDialogInt(m_nSettingsId, kDirectionValueIds[k], 0), 2);
        (direction ? descending : ascending)->setChecked(true);

        grid->addWidget(m_pCaptions[k], k * 2, 0, 1, 3);
        grid->addWidget(m_pKeys[k], k * 2 + 1, 0);
        grid->addWidget(ascending, k * 2 + 1, 1);
        grid->addWidget(descending, k * 2 + 1, 2);
    }
    m_pDuplicates = new QCheckBox(QStringLiteral("Remove duplicate definitions"), this);
    SetDlgCtrlID(m_pDuplicates, IDC_REMOVE_DUPLICATES);
    m_pDuplicates->setChecked(registry.GetDialogInt(m_nSettingsId, IDC_REMOVE_DUPLICATES, 0) != 0);
    m_pEmpty = new QCheckBox(QStringLiteral("Remove empty entries, keep current order"), this);
    SetDlgCtrlID(m_pEmpty, IDC_REMOVE_EMPTY);
    m_pEmpty->setChecked(m_bEmptyRemovalAllowed && registry.GetDialogInt(m_nSettingsId, IDC_REMOVE_EMPTY, 0) != 0);
    m_pEmpty->setEnabled(m_bEmptyRemovalAllowed);
    connect(m_pEmpty, &QCheckBox::clicked, this, &CMemorySortDialog::UpdateControls);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    SetDlgCtrlID(buttons->button(QDialogButtonBox::Ok), 1);
    SetDlgCtrlID(buttons->button(QDialogButtonBox::Cancel), 2);
    connect(buttons, &QDialogButtonBox::accepted, this, &CMemorySortDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(m_pDuplicates);
    layout->addWidget(m_pEmpty);
    layout->addWidget(buttons);
    UpdateControls();
}

CMemorySortDialog::~CMemorySortDialog() = default;

int CMemorySortDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

QRadioButton* CMemorySortDialog::GetDirectionButton(int nGroup, bool bDescending) const
{
    return qobject_cast<QRadioButton*>(m_pDirections[nGroup]->button(bDescending ? 1 : 0));
}

void CMemorySortDialog::UpdateControls()
{
    // Compaction keeps the order: the sort choices do not apply.
    const bool sorting = !m_pEmpty->isChecked();
    for (int k = 0; k < 3; ++k) {
        m_pCaptions[k]->setEnabled(sorting);
        m_pKeys[k]->setEnabled(sorting);
        for (QAbstractButton* b : m_pDirections[k]->buttons())
            b->setEnabled(sorting);
    }
    m_pDuplicates->setEnabled(sorting);
}

void CMemorySortDialog::accept()
{
    const CRegistry registry;
    for (int k = 0; k < 3; ++k) {
        const int direction = m_pDirections[k]->checkedId() == 1 ? 1 : 0;
        registry.WriteDialogInt(m_nSettingsId, kDirectionValueIds[k], direction);
        registry.WriteDialogInt(m_nSettingsId, kKeyIds[k], m_pKeys[k]->GetCurSel());
        m_choice.keys[size_t(k)] = int(m_pKeys[k]->GetSelectedData());
        m_choice.ascending[size_t(k)] = direction == 0;
    }
    m_choice.bRemoveDuplicates = m_pDuplicates->isChecked();
    m_choice.bRemoveEmpty = m_bEmptyRemovalAllowed && m_pEmpty->isChecked();
    registry.WriteDialogInt(m_nSettingsId, IDC_REMOVE_EMPTY, m_choice.bRemoveEmpty ? 1 : 0);
    registry.WriteDialogInt(m_nSettingsId, IDC_REMOVE_DUPLICATES, m_choice.bRemoveDuplicates ? 1 : 0);
    QDialog::accept();
}
