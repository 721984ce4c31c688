#pragma once
// The logbook's document type (template 318): an empty document, a child
// frame that starts minimised and only minimises when closed, and the view,
// a report list of the newest 100 contacts under the current order and
// filter. The view takes the requests of the entry, sort and filter
// dialogs and runs the logbook's commands.
#include "corvane/core/DocView.h"
#include "corvane/organisers/LogbookDatabase.h"

#include <QSize>
#include <QStringList>

class CCmdUI;
class COwnListCtrl;

class CLogbookDoc : public CDocument {
    Q_OBJECT
public:
    CLogbookDoc();
    ~CLogbookDoc() override;
};

class CLogbookFrame : public CMDIChildWnd {
    Q_OBJECT
public:
    explicit CLogbookFrame(QWidget* parent = nullptr);
    ~CLogbookFrame() override;

    bool OnCreateClient(CView* pView) override;
    // The size it is restored to the first time: room for its columns.
    QSize NormalSize() const override;

protected:
    void closeEvent(QCloseEvent* event) override;
};

class CLogbookView : public CView {
    Q_OBJECT
public:
    enum Command : unsigned {
        ID_LOGBOOK_RELOAD = 33028,
        ID_LOGBOOK_SORT = 33033,
        ID_LOGBOOK_FILTER = 33034,
        ID_LOGBOOK_REMOVE_FILTER = 33036,
        ID_LOGBOOK_DELETE = 33037,
    };
    static constexpr int kColumnWidth = 150;

    explicit CLogbookView(QWidget* parent = nullptr);
    ~CLogbookView() override;

    // Registers the view, opens (or creates) the logbook and fills the list.
    void OnInitialUpdate() override;

    // Reads the list again under the current order and filter.
    bool Reload(int nMaximum = CLogbookDatabase::kRowLimit);
    void OnLogbookAdd(CLogbookRequest& request);
    void OnLogbookSort(const CLogbookSortRequest& request);
    void OnLogbookFilter(const CLogbookFilterRequest& request);
    // Asks, then deletes the selected entries and reloads.
    void DeleteSelected();

    bool OnCommand(unsigned nId);
    void OnUpdateCommand(CCmdUI& cmdUI) const;

    COwnListCtrl* GetList() const { return m_pList; }
    const CLogbookQuery& GetQuery() const { return m_query; }
    // The UniqueID of each list row.
    const QStringList& GetRowIds() const { return m_rowIds; }

protected:
    bool event(QEvent* event) override;

private:
    COwnListCtrl* m_pList;
    CLogbookQuery m_query;
    QStringList m_rowIds;
};

// The logbook view and its frame while they exist.
CLogbookView* GetLogbookView();
CLogbookFrame* GetLogbookFrame();

// Template 318's classes for the application.
void InstallLogbookTemplate();
