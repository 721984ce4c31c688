#include "corvane/organisers/ScanTitleDialog.h"

#include "platform/Prompter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CScanTitleDialog::CScanTitleDialog(QWidget* pParent, const QStringList& titles, const QString& strTitle)
    : CBaseDialog(IDD, pParent), m_strTitle(strTitle), m_titles(titles)
{
    setWindowTitle(QStringLiteral("Title"));
    SetFixedFrame();
    SetPersistGeometry(false);
    auto* text = new QLabel(QStringLiteral("Enter a title for this entry, then press 'OK'."), this);
    text->setGeometry(10, 8, 300, 20);
    auto* label = new QLabel(QStringLiteral("Title:"), this);
    label->setGeometry(10, 40, 40, 20);
    m_pTitle = new QComboBox(this);
    m_pTitle->setEditable(true);
    m_pTitle->setInsertPolicy(QComboBox::NoInsert);
    m_pTitle->setGeometry(54, 36, 256, 26);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(152, 72, 76, 26);
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setGeometry(234, 72, 76, 26);
    SetDlgCtrlID(m_pTitle, IDC_TITLE);
    SetDlgCtrlID(ok, platform::IDOK);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    resize(320, 106);
}

CScanTitleDialog::~CScanTitleDialog() = default;

int CScanTitleDialog::SortedPosition(const QString& strText) const
{
    int at = 0;
    while (at < m_pTitle->count() && QString::compare(m_pTitle->itemText(at), strText, Qt::CaseInsensitive) <= 0)
        ++at;
    return at;
}

bool CScanTitleDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    for (const QString& title : m_titles)
        m_pTitle->insertItem(SortedPosition(title), title);
    int found = m_pTitle->findText(m_strTitle, Qt::MatchFixedString);
    if (found < 0) {
        m_pTitle->insertItem(SortedPosition(m_strTitle), m_strTitle);
        found = m_pTitle->findText(m_strTitle, Qt::MatchFixedString);
    }
    m_pTitle->setCurrentIndex(found);
    return true;
}

void CScanTitleDialog::OnOK()
{
    const QString title = m_pTitle->currentText().trimmed();
    // A definition without a name cannot be told apart in the navigator,
    // nor picked again to overwrite or delete.
    if (title.isEmpty()) {
        platform::messageBox(this, QStringLiteral("The title must be entered."), windowTitle(),
                             platform::MB_OK | platform::MB_ICONERROR);
        m_pTitle->setFocus();
        return;
    }
    for (const QString& existing : m_titles) {
        if (existing != title)
            continue;
        if (platform::messageBox(this,
                                 QStringLiteral("This title is already in use. Do you want you overwrite the "
                                                "existing entry?"),
                                 windowTitle(), platform::MB_YESNO) != platform::IDYES) {
            return;
        }
        m_bOverwrite = 1;
    }
    m_strTitle = title;
    done(Accepted);
}
