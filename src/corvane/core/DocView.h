#pragma once
// The small multiple-document layer of the radio-control program: documents,
// their views in child frames of the main window's MDI area, and templates
// that make the three of them together. Template resource numbers are kept
// as identifiers (129 I/O log, 130 front panel, 318 logbook).
#include <QList>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>
#include <functional>

class QMdiArea;
class CDocument;
class CMDIFrameWnd;
class CMultiDocTemplate;

// A view: the client of one child frame, showing one document.
class CView : public QWidget {
    Q_OBJECT
public:
    explicit CView(QWidget* parent = nullptr);
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    // Called once the view is in its frame and the document is ready.
    virtual void OnInitialUpdate() {}

private:
    friend class CDocument;
    QPointer<CDocument> m_pDocument;
};

// A document: the data behind one or more views. It goes away with its last view.
class CDocument : public QObject {
    Q_OBJECT
public:
    CDocument();
    ~CDocument() override;

    virtual bool OnNewDocument() { return true; }
    virtual void OnCloseDocument();

    CMultiDocTemplate* GetDocTemplate() const { return m_pTemplate; }
    const QList<CView*>& GetViews() const { return m_views; }
    CView* GetFirstView() const { return m_views.isEmpty() ? nullptr : m_views.first(); }
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    const QString& GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& strTitle) { m_strTitle = strTitle; }

private:
    friend class CMultiDocTemplate;
    CMultiDocTemplate* m_pTemplate = nullptr;
    QList<CView*> m_views;
    QString m_strTitle;
    bool m_bClosing = false;
};

// The child frame around a view inside the MDI area.
class CMDIChildWnd : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit CMDIChildWnd(QWidget* parent = nullptr);
    ~CMDIChildWnd() override;

    // Puts the view into the frame; FALSE stops the opening.
    virtual bool OnCreateClient(CView* pView);
    CView* GetActiveView() const { return m_pView; }
    // The size the frame is restored to after starting minimised: the
    // area's width and half its height.
    virtual QSize NormalSize() const;

protected:
    // The frame comes up minimised the first time it shows, with a normal
    // size to be restored to; the window that was active stays active and
    // as it was (a maximised front panel stays so).
    void SetStartMinimised(bool bMinimised) { m_bStartMinimised = bMinimised; }
    void showEvent(QShowEvent* event) override;
    // A frame restored from minimised fits in the area as it is now: the
    // first time at its normal size, later where it was, held inside.
    void changeEvent(QEvent* event) override;

private:
    QPointer<CView> m_pView;
    bool m_bStartMinimised = false;
    bool m_bShown = false;
    bool m_bRestored = false;
};

// The icons of the minimised frames of an MDI area, which lie along its
// bottom edge: how far they reach into a rectangle, and a call whenever
// they may have changed (a frame minimised, restored, shown, hidden, moved,
// added or gone).
class CMdiIconWatcher : public QObject {
public:
    CMdiIconWatcher(QMdiArea* pArea, std::function<void()> changed, QObject* pParent);

    // How far up from the bottom of rect (in the area's viewport) the icons
    // of frames other than pExcept reach; 0 when none lies in it.
    static int IconBand(const QMdiArea* pArea, const QRect& rect, const QMdiSubWindow* pExcept);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Watch(QObject* pChild);
    QPointer<QMdiArea> m_pArea;
    std::function<void()> m_changed;
};

// Makes documents of one kind with their frame and view.
class CMultiDocTemplate {
public:
    using DocumentFactory = std::function<CDocument*()>;
    using FrameFactory = std::function<CMDIChildWnd*()>;
    using ViewFactory = std::function<CView*()>;
    struct Classes {
        DocumentFactory document;
        FrameFactory frame;
        ViewFactory view;
        bool IsComplete() const { return document && frame && view; }
    };

    CMultiDocTemplate(unsigned nIDResource, const Classes& classes);
    virtual ~CMultiDocTemplate();
    CMultiDocTemplate(const CMultiDocTemplate&) = delete;
    CMultiDocTemplate& operator=(const CMultiDocTemplate&) = delete;

    unsigned GetResourceId() const { return m_nIDResource; }
    bool CanCreate() const { return m_classes.IsComplete(); }
    // A new document in a new child frame of the main frame; nullptr when the
    // template's classes do not exist (yet) or the document refuses.
    CDocument* OpenDocumentFile(bool bMakeVisible = true);
    const QList<CDocument*>& GetDocuments() const { return m_documents; }
    void CloseAllDocuments(bool bEndSession);

private:
    friend class CDocument;
    void RemoveDocument(CDocument* pDocument) { m_documents.removeAll(pDocument); }

    unsigned m_nIDResource;
    Classes m_classes;
    QList<CDocument*> m_documents;
};

// The multiple-document main window: its client area is the MDI area.
class CMDIFrameWnd : public QMainWindow {
    Q_OBJECT
public:
    explicit CMDIFrameWnd(QWidget* parent = nullptr);
    ~CMDIFrameWnd() override;

    QMdiArea* GetMdiClient() const { return m_pMdiArea; }
    // The one main frame documents open in (the last one made main).
    static CMDIFrameWnd* GetMainFrameWnd();
    void MakeMainFrame();

private:
    QMdiArea* m_pMdiArea;
};
