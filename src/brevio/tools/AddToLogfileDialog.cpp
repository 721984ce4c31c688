#include "brevio/tools/AddToLogfileDialog.h"

#include "brevio/core/Components.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31Settings.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

CAddToLogfileDialog::CAddToLogfileDialog(QWidget* pParent, const QString& strRecord)
    : CBaseDialog(IDD, pParent), m_strRecord(strRecord), m_bConfirm(CurrentSettings().m_bLogbookConfirm != 0)
{
    setWindowTitle(QStringLiteral("Add To Logfile"));
    resize(460, 260);
    m_pRecord = new QPlainTextEdit(this);
    SetDlgCtrlID(m_pRecord, IDC_RECORD);
    m_pRecord->setGeometry(8, 8, 444, 150);
    m_pConfirm = new QCheckBox(QStringLiteral("&Confirm entry before adding to logbook"), this);
    SetDlgCtrlID(m_pConfirm, IDC_CONFIRM);
    m_pConfirm->setGeometry(8, 164, 444, 22);
    auto* note = new QLabel(QStringLiteral("Press 'Add' to add this entry to the logfile."), this);
    SetDlgCtrlID(note, IDC_NOTE);
    note->setGeometry(8, 190, 444, 20);
    auto* add = new QPushButton(QStringLiteral("Add"), this);
    SetDlgCtrlID(add, 1);
    add->setDefault(true);
    add->setGeometry(220, 222, 72, 28);
    m_pOptions = new QPushButton(QStringLiteral("Options"), this);
    SetDlgCtrlID(m_pOptions, IDC_OPTIONS);
    m_pOptions->setGeometry(300, 222, 72, 28);
    // The options sheet cannot be worked while this dialog holds the
    // program, so the button offers nothing.
    m_pOptions->setEnabled(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, 2);
    cancel->setGeometry(380, 222, 72, 28);
    connect(add, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_RECORD, 2, 2, 0, 0}, {IDC_CONFIRM, 0, 0, 0, 2}, {IDC_NOTE, 0, 0, 0, 2},
        {1, 0, 0, 0, 2},          {IDC_OPTIONS, 0, 0, 0, 2}, {2, 0, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CAddToLogfileDialog::~CAddToLogfileDialog() = default;

bool CAddToLogfileDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pRecord->setPlainText(m_strRecord);
    m_pConfirm->setChecked(m_bConfirm);
    return true;
}

void CAddToLogfileDialog::OnOK()
{
    // Lines of the record end as in the logbook files.
    m_strRecord = m_pRecord->toPlainText();
    m_strRecord.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_strRecord.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    m_bConfirm = m_pConfirm->isChecked();
    CPSK31Settings& s = CurrentSettings();
    if (m_bConfirm != (s.m_bLogbookConfirm != 0)) {
        s.m_bLogbookConfirm = m_bConfirm ? 1 : 0;
        s.Save();
        if (CMainFrame* frame = GetMainFrame())
            if (IOptionsSheet* sheet = frame->GetOptionsSheet())
                sheet->LoadAllPages();
    }
    done(Accepted);
}
