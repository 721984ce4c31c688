#include "brevio/tools/FavouritesManagerDialog.h"

#include "platform/Prompter.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/tools/FavouriteDialog.h"
#include "brevio/tools/ToolDialogs.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnListCtrl.h"

#include <algorithm>

namespace {
enum { ColTitle = 0, ColFrequency = 1 };

void RegisterManagerToolbar()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    using D = CFavouritesManagerDialog;
    RegisterToolbarResource(
        D::IDR_TOOLBAR,
        {{D::ID_NEW, QImage(), QStringLiteral("Add a new favourite\nNew"), QStringLiteral("list-add")},
         {D::ID_EDIT, QImage(), QStringLiteral("Edit the selected favourite\nEdit"), QStringLiteral("document-properties")},
         {D::ID_DELETE, QImage(), QStringLiteral("Delete the selected favourites\nDelete"), QStringLiteral("edit-delete")},
         {0, QImage(), QString()},
         {D::ID_MOVE_UP, QImage(), QStringLiteral("Move the favourite up\nMove Up"), QStringLiteral("go-up")},
         {D::ID_MOVE_DOWN, QImage(),
          QStringLiteral("Move the favourite down\nMove Down"), QStringLiteral("go-down")}});
}
} // namespace

QString CFavouritesManagerDialog::FrequencyText(uint32_t nHz)
{
    // Nine places, cut in three; a frequency of ten digits keeps its extra
    // digit in front rather than losing it.
    const QString digits = QString::asprintf("%9u", unsigned(nHz));
    const int lead = int(digits.size()) - 6;
    const QString text = QStringLiteral("%1.%2.%3 MHz").arg(digits.left(lead), digits.mid(lead, 3), digits.right(3));
    int blanks = 0;
    while (blanks < text.size() && text.at(blanks) == QLatin1Char(' '))
        ++blanks;
    return text.mid(blanks);
}

CFavouritesManagerDialog::CFavouritesManagerDialog(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    setWindowTitle(QStringLiteral("Favourites Manager"));
    resize(360, 340);
    m_pList = new COwnListCtrl(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(8, 8, 344, 284);
    m_pOk = new COXBitmapButton(this);
    SetDlgCtrlID(m_pOk, 1);
    m_pOk->SetButtonText(QStringLiteral("OK"));
    m_pOk->setGeometry(180, 302, 80, 30);
    auto* cancel = new COXBitmapButton(this);
    SetDlgCtrlID(cancel, 2);
    cancel->SetButtonText(QStringLiteral("Cancel"));
    cancel->setGeometry(268, 302, 84, 30);
    connect(m_pOk, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (IsCommandEnabled(ID_EDIT))
            OnEdit();
    });
    static const DialogGeometry::AnchorRow anchors[] = {{IDC_LIST, 2, 2, 0, 0}, {1, 0, 0, 0, 2}, {2, 0, 0, 0, 2}};
    SetAnchors(anchors, int(std::size(anchors)));
}

CFavouritesManagerDialog::~CFavouritesManagerDialog() = default;

bool CFavouritesManagerDialog::OnInitDialog()
{
    RegisterManagerToolbar();
    LoadToolbar(IDR_TOOLBAR, IDC_LIST, true);
    CBaseDialog::OnInitDialog();
    m_strCaption = windowTitle();
    m_pOk->LoadBitmapResource(313, false, RGB(0, 0, 255));
    m_pOk->SetLookFlag(true);
    if (auto* cancel = qobject_cast<COXBitmapButton*>(GetDlgItem(2)))
        cancel->LoadBitmapResource(314, false, RGB(0, 0, 255));
    m_pList->SetColumns({{QStringLiteral("Title"), LVCFMT_LEFT}, {QStringLiteral("Frequency"), LVCFMT_RIGHT}});
    m_pList->SetFullRowSelect();
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QList<uint32_t> freqs;
    QStringList titles;
    if (const CMainFrame* frame = GetMainFrame())
        frame->GetFavourites(freqs, titles);
    for (int i = 0; i < freqs.size() && i < titles.size(); ++i)
        AddRow(titles[i], FrequencyText(freqs[i]), freqs[i]);
    m_pList->AutoSizeColumns();
    SetModified(false);
    return true;
}

void CFavouritesManagerDialog::AddRow(const QString& strTitle, const QString& strText, uint32_t nHz)
{
    const int row = m_pList->InsertItem(m_pList->GetItemCount(), strTitle);
    m_pList->SetItemText(row, ColFrequency, strText);
    m_pList->SetItemData(row, nHz);
}

void CFavouritesManagerDialog::GetRows(QList<uint32_t>& freqs, QStringList& titles) const
{
    freqs.clear();
    titles.clear();
    for (int r = 0; r < m_pList->GetItemCount(); ++r) {
        freqs.append(uint32_t(m_pList->GetItemData(r)));
        titles.append(m_pList->GetItemText(r, ColTitle));
    }
}

void CFavouritesManagerDialog::SetModified(bool bModified)
{
    if (bModified)
        m_bModified = true;
    setWindowTitle(m_bModified ? m_strCaption + QStringLiteral(" *") : m_strCaption);
    m_pOk->Enable(m_bModified);
}

bool CFavouritesManagerDialog::IsCommandEnabled(unsigned nId) const
{
    const int selected = m_pList->GetFirstSelectedItem();
    switch (nId) {
    case ID_EDIT:
    case ID_DELETE:
        return m_pList->HasSelection();
    case ID_MOVE_UP:
        return m_pList->HasSingleSelection() && selected > 0;
    case ID_MOVE_DOWN:
        return m_pList->HasSingleSelection() && selected >= 0 && selected < m_pList->GetItemCount() - 1;
    default:
        return true;
    }
}

void CFavouritesManagerDialog::OnUpdateCommand(CCmdUI& cmdUI)
{
    cmdUI.Enable(IsCommandEnabled(cmdUI.m_nID));
}

bool CFavouritesManagerDialog::OnCommand(unsigned nId)
{
    if (!IsCommandEnabled(nId))
        return true;
    switch (nId) {
    case ID_NEW:
        OnNew();
        return true;
    case ID_EDIT:
        OnEdit();
        return true;
    case ID_DELETE:
        OnDelete();
        return true;
    case ID_MOVE_UP:
        OnMove(-1);
        return true;
    case ID_MOVE_DOWN:
        OnMove(1);
        return true;
    default:
        return false;
    }
}

void CFavouritesManagerDialog::OnNew()
{
    const CMainFrame* frame = GetMainFrame();
    const int dial = frame && frame->GetRadioBar() ? frame->GetRadioBar()->GetFrequency() : 0;
    CFavouriteDialog dialog(this, QStringLiteral("<Title>"), uint32_t(std::max(dial, 0)));
    if (RunToolDialog(dialog) != platform::IDOK)
        return;
    AddRow(dialog.m_strTitle, dialog.m_strFrequency, dialog.m_nFrequency);
    m_pList->AutoSizeColumns();
    const int row = m_pList->GetItemCount() - 1;
    m_pList->scrollToItem(m_pList->topLevelItem(row));
    m_pList->DeselectAll();
    m_pList->SelectItem(row, true);
    SetModified(true);
}

void CFavouritesManagerDialog::OnEdit()
{
    const int row = m_pList->GetFirstSelectedItem();
    if (row < 0)
        return;
    CFavouriteDialog dialog(this, m_pList->GetItemText(row, ColTitle), uint32_t(m_pList->GetItemData(row)));
    if (RunToolDialog(dialog) != platform::IDOK)
        return;
    m_pList->SetItemText(row, ColTitle, dialog.m_strTitle);
    m_pList->SetItemText(row, ColFrequency, dialog.m_strFrequency);
    m_pList->SetItemData(row, dialog.m_nFrequency);
    m_pList->AutoSizeColumns();
    SetModified(true);
}

void CFavouritesManagerDialog::OnDelete()
{
    if (platform::messageBox(this, QStringLiteral("Really delete the selected entries?"), QStringLiteral("Delete"),
                             platform::MB_YESNO | int(platform::MB_ICONQUESTION)) != platform::IDYES)
        return;
    m_pList->DeleteSelectedItems();
    m_pList->AutoSizeColumns();
    SetModified(true);
}

void CFavouritesManagerDialog::OnMove(int nDelta)
{
    const int row = m_pList->GetFirstSelectedItem();
    const int other = row + nDelta;
    if (row < 0 || other < 0 || other >= m_pList->GetItemCount())
        return;
    for (int column : {ColTitle, ColFrequency}) {
        const QString text = m_pList->GetItemText(row, column);
        m_pList->SetItemText(row, column, m_pList->GetItemText(other, column));
        m_pList->SetItemText(other, column, text);
    }
    const uintptr_t data = m_pList->GetItemData(row);
    m_pList->SetItemData(row, m_pList->GetItemData(other));
    m_pList->SetItemData(other, data);
    m_pList->DeselectAll();
    m_pList->SelectItem(other, true);
    SetModified(true);
}

void CFavouritesManagerDialog::OnOK()
{
    // OK is offered only once something changed.
    if (!m_bModified)
        return;
    QList<uint32_t> freqs;
    QStringList titles;
    GetRows(freqs, titles);
    if (CMainFrame* frame = GetMainFrame())
        frame->SetFavourites(freqs, titles);
    done(Accepted);
}

void CFavouritesManagerDialog::OnCancel()
{
    if (m_bModified && !ConfirmCancel())
        return;
    done(Rejected);
}
