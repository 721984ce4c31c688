#include "corvane/organisers/LogbookView.h"

#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/organisers/LogbookRequests.h"
#include "corvane/organisers/LogbookSortFilterDialogs.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnListCtrl.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPointer>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QPointer<CLogbookView> g_view;
QPointer<CLogbookFrame> g_frame;
} // namespace

CLogbookView* GetLogbookView()
{
    return g_view;
}

CLogbookFrame* GetLogbookFrame()
{
    return g_frame;
}

// ---------------------------------------------------------------- document

CLogbookDoc::CLogbookDoc() = default;
CLogbookDoc::~CLogbookDoc() = default;

// ---------------------------------------------------------------- frame

CLogbookFrame::CLogbookFrame(QWidget* parent) : CMDIChildWnd(parent)
{
    SetStartMinimised(true);
}

CLogbookFrame::~CLogbookFrame() = default;

QSize CLogbookFrame::NormalSize() const
{
    // The seven columns where there is room for them.
    const QSize size = CMDIChildWnd::NormalSize();
    return {std::min(size.width(), 7 * CLogbookView::kColumnWidth + 40), size.height()};
}

bool CLogbookFrame::OnCreateClient(CView* pView)
{
    if (!CMDIChildWnd::OnCreateClient(pView))
        return false;
    g_frame = this;
    setWindowTitle(QStringLiteral("Logbook"));
    return true;
}

void CLogbookFrame::closeEvent(QCloseEvent* event)
{
    // The logbook stays open for the whole run; closing puts it aside.
    event->ignore();
    showMinimized();
}

// ---------------------------------------------------------------- view

CLogbookView::CLogbookView(QWidget* parent) : CView(parent), m_pList(new COwnListCtrl(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pList);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setSortingEnabled(false);
}

CLogbookView::~CLogbookView() = default;

void CLogbookView::OnInitialUpdate()
{
    g_view = this;
    m_pList->SetFullRowSelect();
    QList<ListColumn> columns;
    for (const QString& caption : CLogbookDatabase::ColumnCaptions())
        columns.append({caption, LVCFMT_LEFT});
    m_pList->SetColumns(columns);
    for (int i = 0; i < m_pList->GetColumnCount(); ++i)
        m_pList->setColumnWidth(i, kColumnWidth);
    // A logbook that cannot be opened has said so once; the list stays empty.
    if (GetLogbookDatabase().Open())
        Reload();
    // The last column takes the rest of the width.
    m_pList->header()->setStretchLastSection(true);
}

bool CLogbookView::Reload(int nMaximum)
{
    m_pList->DeleteAllItems();
    m_rowIds.clear();
    QList<CLogbookDatabase::Row> rows;
    CLogbookDatabase& store = GetLogbookDatabase();
    const bool ok = store.Reload(nMaximum, m_query, rows);
    for (int k = 0; k < rows.size(); ++k) {
        m_pList->InsertItem(k, rows[k].columns.value(0));
        for (int c = 1; c < rows[k].columns.size(); ++c)
            m_pList->SetItemText(k, c, rows[k].columns[c]);
        m_rowIds.append(rows[k].strUniqueId);
    }
    return ok;
}

void CLogbookView::OnLogbookAdd(CLogbookRequest& request)
{
    // The list shows the entry after its next reload.
    GetLogbookDatabase().Add(request);
}

void CLogbookView::OnLogbookSort(const CLogbookSortRequest& request)
{
    if (CLogbookDatabase::BuildOrder(request, m_query))
        Reload();
}

void CLogbookView::OnLogbookFilter(const CLogbookFilterRequest& request)
{
    CLogbookDatabase::BuildFilter(request, m_query);
    Reload();
}

void CLogbookView::DeleteSelected()
{
    QStringList ids;
    for (int i = 0; i < m_pList->GetItemCount(); ++i)
        if (m_pList->IsItemSelected(i) && i < m_rowIds.size())
            ids << m_rowIds[i];
    if (ids.isEmpty())
        return;
    const QString text = QStringLiteral("You are about to delete %1 record(s).\n \n").arg(ids.size()) +
                         QStringLiteral("If you click Yes you will not be able to undo this Delete operation.\n") +
                         QStringLiteral("Are you sure you want to delete these records?");
    if (platform::messageBox(this, text, QStringLiteral("Delete"), platform::MB_YESNO | platform::MB_ICONQUESTION) !=
        platform::IDYES)
        return;
    OrganiserCursor wait;
    GetLogbookDatabase().Delete(ids);
    Reload();
}

bool CLogbookView::OnCommand(unsigned nId)
{
    switch (nId) {
    case ID_LOGBOOK_RELOAD: {
        OrganiserCursor wait;
        Reload();
        return true;
    }
    case ID_LOGBOOK_SORT: {
        std::unique_ptr<CLogbookSortDialog> dialog;
        {
            OrganiserCursor wait;
            dialog = std::make_unique<CLogbookSortDialog>(this, m_pList);
        }
        dialog->DoModal();
        return true;
    }
    case ID_LOGBOOK_FILTER: {
        std::unique_ptr<CLogbookFilterDialog> dialog;
        {
            OrganiserCursor wait;
            dialog = std::make_unique<CLogbookFilterDialog>(this, m_pList);
        }
        dialog->DoModal();
        return true;
    }
    case ID_LOGBOOK_REMOVE_FILTER: {
        OrganiserCursor wait;
        m_query.strFilter.clear();
        m_query.filterValues.clear();
        Reload();
        return true;
    }
    case ID_LOGBOOK_DELETE:
        DeleteSelected();
        return true;
    default:
        return false;
    }
}

void CLogbookView::OnUpdateCommand(CCmdUI& cmdUI) const
{
    switch (cmdUI.m_nID) {
    case ID_LOGBOOK_RELOAD:
    case ID_LOGBOOK_SORT:
    case ID_LOGBOOK_FILTER:
        cmdUI.Enable(true);
        break;
    case ID_LOGBOOK_REMOVE_FILTER:
        cmdUI.Enable(!m_query.strFilter.isEmpty());
        break;
    case ID_LOGBOOK_DELETE:
        cmdUI.Enable(m_pList->HasSelection());
        break;
    default:
        break;
    }
}

bool CLogbookView::event(QEvent* event)
{
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgLogbookAdd)) {
        if (auto* request = reinterpret_cast<CLogbookRequest*>(m->lParam()))
            OnLogbookAdd(*request);
        m->SetResult(0);
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgLogbookSort)) {
        if (auto* request = reinterpret_cast<const CLogbookSortRequest*>(m->lParam()))
            OnLogbookSort(*request);
        m->SetResult(0);
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgLogbookFilter)) {
        if (auto* request = reinterpret_cast<const CLogbookFilterRequest*>(m->lParam()))
            OnLogbookFilter(*request);
        m->SetResult(0);
        return true;
    }
    return CView::event(event);
}

void InstallLogbookTemplate()
{
    CRadioApp::GetServices().templates[CRadioApp::IDR_LOGBOOK] = CMultiDocTemplate::Classes{
        [] { return new CLogbookDoc; }, [] { return new CLogbookFrame; }, [] { return new CLogbookView; }};
}
