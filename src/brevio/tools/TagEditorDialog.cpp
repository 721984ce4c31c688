#include "brevio/tools/TagEditorDialog.h"

#include "platform/Prompter.h"
#include "brevio/tools/ColorEdit.h"
#include "shared/buttons/OXBitmapButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

CTagEditorDialog::CTagEditorDialog(QWidget* pParent, const QStringList& titlesInUse)
    : CBaseDialog(IDD, pParent), m_titlesInUse(titlesInUse)
{
    Build();
}

CTagEditorDialog::CTagEditorDialog(QWidget* pParent, const QString& strTitle, const QString& strLogField,
                                   int bEnabled, int bOwnStation, int bLocked, const QStringList& titlesInUse)
    : CBaseDialog(IDD, pParent), m_strTitle(strTitle), m_strLogField(strLogField), m_bEnabled(bEnabled),
      m_bOwnStation(bOwnStation), m_bEditMode(true), m_strPreviousTitle(strTitle), m_titlesInUse(titlesInUse)
{
    Q_UNUSED(bLocked);
    Build();
}

CTagEditorDialog::~CTagEditorDialog() = default;

QString CTagEditorDialog::HelpText()
{
    return QStringLiteral(
        "A tag contains a title field - examples of tags are: Callsign, QTH and Rig.\r\n\r\n'My Value' tags are used "
        "to store your information such as My Callsign, My Name, My QTH etc. It is easier to change the value of a "
        "tag than all the macros where the text occurs.\r\n\r\nYou can add the value into the Tx window by "
        "double-clicking on the title.\r\n\r\nTo load a value into a tag either edit inside the Tags window or "
        "double-click on text inside the Rx window (where received text is displayed).");
}

void CTagEditorDialog::Build()
{
    setWindowTitle(QStringLiteral("Tag Editor"));
    resize(420, 300);
    auto* titleLabel = new QLabel(QStringLiteral("&Tag title:"), this);
    titleLabel->setGeometry(8, 10, 80, 20);
    m_pTitle = new QLineEdit(this);
    SetDlgCtrlID(m_pTitle, IDC_TITLE);
    m_pTitle->setGeometry(90, 8, 322, 24);
    titleLabel->setBuddy(m_pTitle);
    auto* logLabel = new QLabel(QStringLiteral("Logbook:"), this);
    logLabel->setGeometry(8, 40, 80, 20);
    m_pLogbook = new QLineEdit(this);
    SetDlgCtrlID(m_pLogbook, IDC_LOGBOOK);
    m_pLogbook->setGeometry(90, 38, 160, 24);
    m_pEnabled = new QCheckBox(QStringLiteral("&Enabled"), this);
    SetDlgCtrlID(m_pEnabled, IDC_ENABLED);
    m_pEnabled->setGeometry(8, 68, 120, 22);
    m_pOwn = new QCheckBox(QStringLiteral("&My value - My Callsign, My Name, My QTH etc."), this);
    SetDlgCtrlID(m_pOwn, IDC_OWN);
    m_pOwn->setGeometry(8, 92, 404, 22);
    m_pHelp = new CColorEdit(this);
    SetDlgCtrlID(m_pHelp, IDC_HELP);
    m_pHelp->setReadOnly(true);
    m_pHelp->setGeometry(8, 120, 404, 132);
    auto* ok = new COXBitmapButton(this);
    SetDlgCtrlID(ok, 1);
    ok->SetButtonText(QStringLiteral("OK"));
    ok->setGeometry(252, 262, 76, 28);
    auto* cancel = new COXBitmapButton(this);
    SetDlgCtrlID(cancel, 2);
    cancel->SetButtonText(QStringLiteral("Cancel"));
    cancel->setGeometry(336, 262, 76, 28);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pTitle, &QLineEdit::textChanged, this, [this] { UpdateOkState(); });
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_TITLE, 2, 0, 0, 0}, {IDC_OWN, 2, 0, 0, 0}, {IDC_HELP, 2, 2, 0, 0}, {1, 0, 0, 0, 2}, {2, 0, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

bool CTagEditorDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1))) {
        ok->LoadBitmapResource(313, false, RGB(0, 0, 255));
        ok->SetLookFlag(true);
    }
    if (auto* cancel = qobject_cast<COXBitmapButton*>(GetDlgItem(2)))
        cancel->LoadBitmapResource(314, false, RGB(0, 0, 255));
    m_pTitle->setText(m_strTitle);
    m_pLogbook->setText(m_strLogField);
    m_pEnabled->setChecked(m_bEnabled != 0);
    m_pOwn->setChecked(m_bOwnStation != 0);
    m_pHelp->setPlainText(QString(HelpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_pHelp->UseCustomColours();
    UpdateOkState();
    return true;
}

bool CTagEditorDialog::IsOkEnabled() const
{
    QString title = m_pTitle->text();
    while (!title.isEmpty() && title.back().isSpace())
        title.chop(1);
    return !title.isEmpty();
}

void CTagEditorDialog::UpdateOkState()
{
    if (auto* ok = qobject_cast<COXBitmapButton*>(GetDlgItem(1)))
        ok->Enable(IsOkEnabled());
}

void CTagEditorDialog::OnOK()
{
    if (!IsOkEnabled())
        return;
    const QString title = m_pTitle->text();
    if ((!m_bEditMode || title != m_strPreviousTitle) && m_titlesInUse.contains(title)) {
        platform::messageBox(this, QStringLiteral("This title is already in use."), QStringLiteral("Title in Use"),
                             platform::MB_OK | int(platform::MB_ICONERROR));
        m_pTitle->setFocus();
        return;
    }
    m_strTitle = title;
    m_strLogField = m_pLogbook->text();
    m_bEnabled = m_pEnabled->isChecked() ? 1 : 0;
    m_bOwnStation = m_pOwn->isChecked() ? 1 : 0;
    m_bLocked = 0;
    CBaseDialog::OnOK();
}
