#include "corvane/memory/EepromRangeDialog.h"

#include "corvane/core/Settings.h"
#include "corvane/memory/ToolSupport.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/edit/OXMaskedEdit.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/ListExport.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/OwnListCtrl.h"

#include <QKeyEvent>
#include <QLabel>

namespace {
COXMaskedEdit* addressEdit(QWidget* parent, unsigned nId, unsigned nDialogId)
{
    auto* edit = new COXMaskedEdit(QString(), parent);
    SetDlgCtrlID(edit, nId);
    edit->SetMask(QStringLiteral("XXXX"));
    edit->SetPromptChar(QLatin1Char('0'));
    QFont font(QStringLiteral("Courier"), 10);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    edit->setFont(font);
    edit->SetInputText(GetRegistry().GetDialogString(nDialogId, nId, QStringLiteral("0000")), 0, true);
    return edit;
}
} // namespace

CEepromRangeDialog::CEepromRangeDialog(unsigned nIDTemplate, const QString& strTitle, const QString& strInstruction,
                                       QWidget* pParent, CCatLink* pLink)
    : CBaseDialog(nIDTemplate, pParent), m_pLink(ToolSupport::Link(pLink))
{
    setWindowTitle(strTitle);
    resize(520, 420);

    m_pInstruction = new CColourStatic(strInstruction, this);
    SetDlgCtrlID(m_pInstruction, IDC_INSTRUCTION);
    m_pInstruction->setWordWrap(true);
    m_pInstruction->setGeometry(8, 8, 504, 36);
    ToolSupport::ButtonColours(m_pInstruction);

    auto* fromLabel = new QLabel(QStringLiteral("From (hex):"), this);
    fromLabel->setGeometry(8, 52, 74, 22);
    m_pFrom = addressEdit(this, IDC_FROM, nIDTemplate);
    m_pFrom->setGeometry(84, 52, 60, 22);
    auto* toLabel = new QLabel(QStringLiteral("To (hex):"), this);
    toLabel->setGeometry(160, 52, 60, 22);
    m_pTo = addressEdit(this, IDC_TO, nIDTemplate);
    m_pTo->setGeometry(222, 52, 60, 22);
    connect(m_pFrom, &COXMaskedEdit::editChange, this, [this] { OnRangeEdited(); });
    connect(m_pTo, &COXMaskedEdit::editChange, this, [this] { OnRangeEdited(); });

    m_pSave = ToolSupport::BitmapButton(this, IDC_SAVE, QStringLiteral("&Save"), 218);
    m_pSave->setGeometry(224, 84, 100, 28);
    m_pViewer = ToolSupport::BitmapButton(this, IDC_VIEWER, QStringLiteral("&Viewer"), 258);
    m_pViewer->setGeometry(332, 84, 100, 28);
    connect(m_pSave, &QPushButton::clicked, this, &CEepromRangeDialog::OnSave);
    connect(m_pViewer, &QPushButton::clicked, this, &CEepromRangeDialog::OnViewer);

    m_pList = new COwnListCtrl(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(8, 120, 504, 260);
    m_pList->SetFullRowSelect();

    m_pProgress = new CBarMeter(this);
    SetDlgCtrlID(m_pProgress, IDC_PROGRESS);
    m_pProgress->setGeometry(8, 390, 504, 22);
    m_pProgress->SetShowText(true);
    m_pProgress->SetRange(0, 1);
    m_pProgress->SetPos(1);
    m_pProgress->SetText(QStringLiteral("Ready"));

    const DialogGeometry::AnchorRow anchors[] = {{int(IDC_LIST), 2, 2, 0, 0}, {int(IDC_PROGRESS), 2, 0, 0, 2}};
    SetAnchors(anchors, int(std::size(anchors)));
}

CEepromRangeDialog::~CEepromRangeDialog() = default;

bool CEepromRangeDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    return true;
}

uint32_t CEepromRangeDialog::GetFrom() const
{
    return ToolSupport::HexValue(m_pFrom->text());
}

uint32_t CEepromRangeDialog::GetTo() const
{
    return ToolSupport::HexValue(m_pTo->text());
}

bool CEepromRangeDialog::CheckRange()
{
    const uint32_t limit = GetSettings().GetEepromLimit();
    if (GetFrom() <= limit && GetTo() <= limit)
        return true;
    platform::messageBox(this,
                         QStringLiteral("The FT-817's EEPROM ends at address %1 (hex).\n \n"
                                        "Enter From and To addresses from 0000 to %1.")
                             .arg(QString::asprintf("%04X", limit)),
                         windowTitle(), platform::MB_ICONERROR);
    (GetFrom() > limit ? m_pFrom : m_pTo)->setFocus();
    return false;
}

void CEepromRangeDialog::SetFromTo(const QString& strFrom, const QString& strTo)
{
    m_pFrom->SetInputText(strFrom, 0, true);
    m_pTo->SetInputText(strTo, 0, true);
}

void CEepromRangeDialog::SetProgressText(const QString& strText)
{
    m_history << strText;
    m_pProgress->SetText(strText);
}

void CEepromRangeDialog::keyPressEvent(QKeyEvent* event)
{
    // Enter is the dialog's OK whichever control has the focus.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        event->accept();
        OnOK();
        return;
    }
    CBaseDialog::keyPressEvent(event);
}

void CEepromRangeDialog::OnCancel()
{
    const CRegistry& registry = GetRegistry();
    registry.WriteDialogString(GetDialogId(), IDC_FROM, m_pFrom->text());
    registry.WriteDialogString(GetDialogId(), IDC_TO, m_pTo->text());
    // A tool window: hidden, kept for the next time.
    CBaseDialog::OnCancel();
}

void CEepromRangeDialog::OnSave()
{
    CListExport rows(*m_pList);
    QString path = platform::dataFilePath(CTextFile::FileName(kFileKind));
    if (!ChooseTextFileToSave(this, path))
        return;
    CTextFile file(path, false);
    CTextFile::AddHeader(rows, kFileKind);
    file.WriteLines(rows, false);
}

void CEepromRangeDialog::OnViewer()
{
    CListExport(*m_pList).ShowInNotepad(kFileKind, CTextFile::FileName(kFileKind), this);
}
