#include "corvane/core/DocView.h"

#include "shared/MenuAccelerators.h"

#include <QChildEvent>
#include <QMdiArea>
#include <QEvent>
#include <QShowEvent>
#include <QWindowStateChangeEvent>
#include <algorithm>

namespace {
QPointer<CMDIFrameWnd> g_mainFrame;
} // namespace

// ---------------------------------------------------------------- view

CView::CView(QWidget* parent) : QWidget(parent) {}

CView::~CView()
{
    if (m_pDocument)
        m_pDocument->RemoveView(this);
}

// ---------------------------------------------------------------- document

CDocument::CDocument() = default;

CDocument::~CDocument()
{
    if (m_pTemplate)
        m_pTemplate->RemoveDocument(this);
}

void CDocument::AddView(CView* pView)
{
    if (!pView || m_views.contains(pView))
        return;
    m_views.append(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    m_views.removeAll(pView);
    // A document without views has nothing left to show.
    if (m_views.isEmpty() && !m_bClosing)
        deleteLater();
}

void CDocument::OnCloseDocument()
{
    m_bClosing = true;
    const QList<CView*> views = m_views;
    for (CView* view : views) {
        QWidget* frame = view->parentWidget();
        while (frame && !qobject_cast<QMdiSubWindow*>(frame))
            frame = frame->parentWidget();
        if (frame)
            delete frame;
        else
            delete view;
    }
    m_views.clear();
    delete this;
}

// ---------------------------------------------------------------- child frame

CMDIChildWnd::CMDIChildWnd(QWidget* parent) : QMdiSubWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    // The system menu's Close claims Ctrl+W besides Ctrl+F4; the program's
    // keys (Ctrl+W is CW Settings) are the main window's alone.
    GetMenuAccelerators().ReleaseKeys(this);
}

CMDIChildWnd::~CMDIChildWnd() = default;

QSize CMDIChildWnd::NormalSize() const
{
    const QMdiArea* area = mdiArea();
    const QSize room = area ? area->viewport()->size() : QSize(800, 600);
    return {room.width(), std::max(200, room.height() / 2)};
}

void CMDIChildWnd::showEvent(QShowEvent* event)
{
    QMdiSubWindow::showEvent(event);
    if (m_bShown)
        return;
    m_bShown = true;
    if (!m_bStartMinimised)
        return;
    // Minimised only once it is in the area: a state set before leaves an
    // icon of no size (on which the area's row of icons then builds) and
    // nothing sensible to restore to.
    QMdiArea* area = mdiArea();
    QMdiSubWindow* previous = nullptr;
    if (area) {
        for (QMdiSubWindow* w : area->subWindowList(QMdiArea::ActivationHistoryOrder))
            if (w != this && w->isVisible())
                previous = w;
    }
    setGeometry(QRect(QPoint(0, 0), NormalSize()));
    showMinimized();
    if (previous)
        area->setActiveSubWindow(previous);
    // Its title shows over a maximised panel until that is used again.
    raise();
    if (area)
        area->viewport()->update();
}

void CMDIChildWnd::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !m_bShown)
        return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    QMdiArea* area = mdiArea();
    if (!area || !(change->oldState() & Qt::WindowMinimized) || (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)))
        return;
    // The area may have changed since the frame went minimised (bars
    // docked, the main window sized): no part of it is left outside.
    const QRect room(QPoint(0, 0), area->viewport()->size());
    QRect r = geometry();
    if (m_bStartMinimised && !m_bRestored)
        r = QRect(QPoint(0, 0), NormalSize());
    m_bRestored = true;
    r.setSize(r.size().boundedTo(room.size()));
    r.moveLeft(std::clamp(r.left(), 0, room.width() - r.width()));
    r.moveTop(std::clamp(r.top(), 0, room.height() - r.height()));
    if (r != geometry())
        setGeometry(r);
}

bool CMDIChildWnd::OnCreateClient(CView* pView)
{
    m_pView = pView;
    setWidget(pView);
    return true;
}

// ---------------------------------------------------------------- icons

CMdiIconWatcher::CMdiIconWatcher(QMdiArea* pArea, std::function<void()> changed, QObject* pParent)
    : QObject(pParent), m_pArea(pArea), m_changed(std::move(changed))
{
    if (!pArea)
        return;
    pArea->viewport()->installEventFilter(this);
    for (QMdiSubWindow* w : pArea->subWindowList())
        Watch(w);
}

void CMdiIconWatcher::Watch(QObject* pChild)
{
    if (qobject_cast<QMdiSubWindow*>(pChild))
        pChild->installEventFilter(this);
}

int CMdiIconWatcher::IconBand(const QMdiArea* pArea, const QRect& rect, const QMdiSubWindow* pExcept)
{
    int band = 0;
    if (!pArea)
        return band;
    for (const QMdiSubWindow* w : pArea->subWindowList()) {
        if (w == pExcept || !w->isVisible() || !w->isMinimized() || !w->geometry().intersects(rect))
            continue;
        band = std::max(band, rect.bottom() - w->geometry().top() + 1);
    }
    return band;
}

bool CMdiIconWatcher::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildRemoved:
        if (m_pArea && watched == m_pArea->viewport()) {
            if (event->type() == QEvent::ChildAdded)
                Watch(static_cast<QChildEvent*>(event)->child());
            m_changed();
        }
        break;
    case QEvent::WindowStateChange:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
        if (qobject_cast<QMdiSubWindow*>(watched))
            m_changed();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// ---------------------------------------------------------------- template

CMultiDocTemplate::CMultiDocTemplate(unsigned nIDResource, const Classes& classes)
    : m_nIDResource(nIDResource), m_classes(classes)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    for (CDocument* document : m_documents)
        document->m_pTemplate = nullptr;
}

CDocument* CMultiDocTemplate::OpenDocumentFile(bool bMakeVisible)
{
    CMDIFrameWnd* main = CMDIFrameWnd::GetMainFrameWnd();
    if (!CanCreate() || !main)
        return nullptr;
    CDocument* document = m_classes.document();
    if (!document)
        return nullptr;
    document->m_pTemplate = this;
    m_documents.append(document);
    CMDIChildWnd* frame = m_classes.frame();
    CView* view = frame ? m_classes.view() : nullptr;
    if (!frame || !view) {
        delete view;
        delete frame;
        delete document;
        return nullptr;
    }
    document->AddView(view);
    if (!frame->OnCreateClient(view) || !document->OnNewDocument()) {
        document->m_bClosing = true;
        delete frame;
        delete document;
        return nullptr;
    }
    main->GetMdiClient()->addSubWindow(frame);
    view->OnInitialUpdate();
    if (bMakeVisible)
        frame->show();
    return document;
}

void CMultiDocTemplate::CloseAllDocuments(bool)
{
    const QList<CDocument*> documents = m_documents;
    for (CDocument* document : documents)
        document->OnCloseDocument();
}

// ---------------------------------------------------------------- main frame

CMDIFrameWnd::CMDIFrameWnd(QWidget* parent) : QMainWindow(parent), m_pMdiArea(new QMdiArea(this))
{
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A child brought forward keeps its own state: the maximised front panel
    // stays maximised while another window shows over it, instead of
    // shrinking to whatever size it had before it was maximised.
    m_pMdiArea->setOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    setCentralWidget(m_pMdiArea);
}

CMDIFrameWnd::~CMDIFrameWnd()
{
    if (g_mainFrame == this)
        g_mainFrame = nullptr;
}

CMDIFrameWnd* CMDIFrameWnd::GetMainFrameWnd()
{
    return g_mainFrame.data();
}

void CMDIFrameWnd::MakeMainFrame()
{
    g_mainFrame = this;
}
