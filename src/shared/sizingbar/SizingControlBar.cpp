#include "shared/sizingbar/SizingControlBar.h"

#include "platform/SettingsStore.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QResizeEvent>

CSizingControlBar::CSizingControlBar(QWidget* pParent) : QDockWidget(pParent)
{
    connect(this, &QDockWidget::dockLocationChanged, this, [this] { OnDockChanged(); });
    connect(this, &QDockWidget::topLevelChanged, this, [this] { OnDockChanged(); });
}

CSizingControlBar::~CSizingControlBar() = default;

bool CSizingControlBar::Create(const QString& title, QMainWindow* pParentWnd, unsigned nID, uint32_t dwStyle)
{
    if (!pParentWnd)
        return false;
    m_dwStyle = dwStyle & CBRS_ALL;
    m_nID = nID;
    setProperty("controlId", nID);
    setParent(pParentWnd);
    setWindowTitle(title);
    // A main window that grows again gives its bars back their sizes.
    if (m_pWatchedFrame != pParentWnd) {
        if (m_pWatchedFrame)
            m_pWatchedFrame->removeEventFilter(this);
        m_pWatchedFrame = pParentWnd;
        m_pWatchedFrame->installEventFilter(this);
    }
    // The main window's saved state names its bars.
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("SCBar-%1").arg(nID));
    OnDockChanged();
    return true;
}

bool CSizingControlBar::Create(const QString& title, QMainWindow* pParentWnd, QSize sizeDefault, bool,
                               unsigned nID, uint32_t dwStyle)
{
    m_sizeHorz = sizeDefault;
    m_sizeVert = sizeDefault;
    m_sizeFloat = sizeDefault;
    return Create(title, pParentWnd, nID, dwStyle);
}

QMainWindow* CSizingControlBar::mainWindow() const
{
    return qobject_cast<QMainWindow*>(parentWidget());
}

void CSizingControlBar::OnDockChanged()
{
    unsigned id = AFX_IDW_DOCKBAR_FLOAT;
    if (!isFloating()) {
        if (QMainWindow* frame = mainWindow()) {
            switch (frame->dockWidgetArea(this)) {
            case Qt::TopDockWidgetArea:
                id = AFX_IDW_DOCKBAR_TOP;
                break;
            case Qt::BottomDockWidgetArea:
                id = AFX_IDW_DOCKBAR_BOTTOM;
                break;
            case Qt::LeftDockWidgetArea:
                id = AFX_IDW_DOCKBAR_LEFT;
                break;
            case Qt::RightDockWidgetArea:
                id = AFX_IDW_DOCKBAR_RIGHT;
                break;
            default:
                id = 0;
                break;
            }
        } else {
            id = 0;
        }
    }
    m_nDockBarId = id;
    // The outer edge faces the main window's centre.
    m_dwBarStyle &= ~SZB_EDGES;
    switch (id) {
    case AFX_IDW_DOCKBAR_TOP:
        m_dwBarStyle |= SZB_BOTTOM_EDGE;
        break;
    case AFX_IDW_DOCKBAR_LEFT:
        m_dwBarStyle |= SZB_RIGHT_EDGE;
        break;
    case AFX_IDW_DOCKBAR_RIGHT:
        m_dwBarStyle |= SZB_LEFT_EDGE;
        break;
    case AFX_IDW_DOCKBAR_BOTTOM:
        m_dwBarStyle |= SZB_TOP_EDGE;
        break;
    default:
        break;
    }
    UpdateDecoration();
    updateGeometry();
    ApplySize();
}

void CSizingControlBar::ApplySize()
{
    // The main window sizes a dock from its contents; the bar's own size for
    // the side it is on is what the user set last.
    QMainWindow* frame = mainWindow();
    if (!frame || m_nDockBarId == 0)
        return;
    m_bApplyingSize = true;
    if (IsDockedHorizontally())
        frame->resizeDocks({this}, {m_sizeHorz.expandedTo(m_sizeMinHorz).height()}, Qt::Vertical);
    else if (IsDockedVertically())
        frame->resizeDocks({this}, {m_sizeVert.expandedTo(m_sizeMinVert).width()}, Qt::Horizontal);
    else
        resize(m_sizeFloat.expandedTo(m_sizeMinFloat));
    // The main window lays its docks out later, on its posted layout
    // request; what that does to this bar is not the user's sizing either.
    QMetaObject::invokeMethod(this, [this] { m_bApplyingSize = false; }, Qt::QueuedConnection);
}

QSize CSizingControlBar::GetDockedSize() const
{
    return sizeHint();
}

void CSizingControlBar::SetDockedSize(const QSize& size)
{
    CurrentSize() = size.expandedTo(CurrentMinimum());
    ApplySize();
}

bool CSizingControlBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pWatchedFrame && event->type() == QEvent::Resize) {
        // The main window lays its docks out while it handles this event: a
        // small window squeezes the bar, which is no sizing of the user's.
        // Once it is done, the bar asks for its own size again, so it comes
        // back as far as the window now allows.
        m_bFrameResizing = true;
        if (!m_bFrameFollowUp) {
            m_bFrameFollowUp = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    m_bFrameFollowUp = false;
                    m_bFrameResizing = false;
                    if (isVisible() && !IsFloatingBar())
                        ApplySize();
                },
                Qt::QueuedConnection);
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

void CSizingControlBar::UpdateDecoration()
{
}

bool CSizingControlBar::IsFloatingBar() const
{
    return !IsDockedHorizontally() && !IsDockedVertically();
}

bool CSizingControlBar::IsDockedHorizontally() const
{
    return m_nDockBarId == AFX_IDW_DOCKBAR_TOP || m_nDockBarId == AFX_IDW_DOCKBAR_BOTTOM;
}

bool CSizingControlBar::IsDockedVertically() const
{
    return m_nDockBarId == AFX_IDW_DOCKBAR_LEFT || m_nDockBarId == AFX_IDW_DOCKBAR_RIGHT;
}

QSize CSizingControlBar::CalcFixedLayout(bool bStretch, bool bHorz)
{
    if (bStretch)
        return bHorz ? QSize(32767, m_sizeHorz.height()) : QSize(m_sizeVert.width(), 32767);
    const QSize size = bHorz ? m_sizeHorz : m_sizeVert;
    const QSize minimum = bHorz ? m_sizeMinHorz : m_sizeMinVert;
    return size.expandedTo(minimum);
}

QSize CSizingControlBar::CalcDynamicLayout(int nLength, uint32_t nMode)
{
    if (nMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
    if (nMode & (LM_MRUWIDTH | LM_COMMIT))
        return m_sizeFloat;
    // A floating bar being resized along one side takes the new length.
    if (nMode & LM_LENGTHY)
        m_sizeFloat.setHeight(nLength);
    else
        m_sizeFloat.setWidth(nLength);
    m_sizeFloat = m_sizeFloat.expandedTo(m_sizeMinFloat);
    return m_sizeFloat;
}

QSize& CSizingControlBar::CurrentSize()
{
    if (IsDockedHorizontally())
        return m_sizeHorz;
    if (IsDockedVertically())
        return m_sizeVert;
    return m_sizeFloat;
}

QSize CSizingControlBar::CurrentMinimum() const
{
    if (IsDockedHorizontally())
        return m_sizeMinHorz;
    if (IsDockedVertically())
        return m_sizeMinVert;
    return m_sizeMinFloat;
}

QSize CSizingControlBar::sizeHint() const
{
    if (IsDockedHorizontally())
        return m_sizeHorz.expandedTo(m_sizeMinHorz);
    if (IsDockedVertically())
        return m_sizeVert.expandedTo(m_sizeMinVert);
    return m_sizeFloat.expandedTo(m_sizeMinFloat);
}

QSize CSizingControlBar::minimumSizeHint() const
{
    return CurrentMinimum().boundedTo(QDockWidget::minimumSizeHint().expandedTo(CurrentMinimum()));
}

void CSizingControlBar::resizeEvent(QResizeEvent* e)
{
    QDockWidget::resizeEvent(e);
    // The user's sizing is remembered for the side the bar is on: a docked
    // bar is sized by dragging its edge with the mouse, a floating one by its
    // frame. Whatever else moves it (the main window's own size, the bar's
    // asking for its size) leaves the remembered size alone.
    if (m_bApplyingSize || m_bFrameResizing || !isVisible() || m_nDockBarId == 0)
        return;
    if (!IsFloatingBar() && QGuiApplication::mouseButtons() == Qt::NoButton)
        return;
    CurrentSize() = size().expandedTo(CurrentMinimum());
}

void CSizingControlBar::closeEvent(QCloseEvent* e)
{
    // A docked bar is hidden only through its own close button or the frame
    // (a stray close, such as Escape in a child edit, leaves it open); the
    // floating frame's close button hides it.
    if (IsFloatingBar()) {
        QDockWidget::closeEvent(e);
        return;
    }
    e->ignore();
}

void CSizingControlBar::OnUpdateCmdUI()
{
}

void CSizingControlBar::PaintGrip(QPainter*, const QRect&)
{
}

QRect CSizingControlBar::CalcClientArea(const QRect& rectWindow, unsigned)
{
    return rectWindow;
}

QString CSizingControlBar::ProfileSection(const QString& strProfileName, unsigned nID)
{
    return QStringLiteral("%1-SCBar-%2").arg(strProfileName).arg(int(nID));
}

void CSizingControlBar::RestoreSizes(const QString& strProfileName)
{
    const QString section = ProfileSection(strProfileName, m_nID);
    auto read = [&section](const char* name, int current, int minimum) {
        bool ok = false;
        const int value = platform::SettingsStore::value(section, QString::fromLatin1(name), current).toInt(&ok);
        return std::max(ok ? value : current, minimum);
    };
    m_sizeHorz.setWidth(read("sizeHorzCX", m_sizeHorz.width(), m_sizeMinHorz.width()));
    m_sizeHorz.setHeight(read("sizeHorzCY", m_sizeHorz.height(), m_sizeMinHorz.height()));
    m_sizeVert.setWidth(read("sizeVertCX", m_sizeVert.width(), m_sizeMinVert.width()));
    m_sizeVert.setHeight(read("sizeVertCY", m_sizeVert.height(), m_sizeMinVert.height()));
    m_sizeFloat.setWidth(read("sizeFloatCX", m_sizeFloat.width(), m_sizeMinFloat.width()));
    m_sizeFloat.setHeight(read("sizeFloatCY", m_sizeFloat.height(), m_sizeMinFloat.height()));

    ApplySize();
}

void CSizingControlBar::StoreSizes(const QString& strProfileName)
{
    const QString section = ProfileSection(strProfileName, m_nID);
    using platform::SettingsStore;
    SettingsStore::setValue(section, QStringLiteral("sizeHorzCX"), m_sizeHorz.width());
    SettingsStore::setValue(section, QStringLiteral("sizeHorzCY"), m_sizeHorz.height());
    SettingsStore::setValue(section, QStringLiteral("sizeVertCX"), m_sizeVert.width());
    SettingsStore::setValue(section, QStringLiteral("sizeVertCY"), m_sizeVert.height());
    SettingsStore::setValue(section, QStringLiteral("sizeFloatCX"), m_sizeFloat.width());
    SettingsStore::setValue(section, QStringLiteral("sizeFloatCY"), m_sizeFloat.height());
}

void CSizingControlBar::RestoreAllSizes(QMainWindow* pFrame, const QString& strProfileName)
{
    if (!pFrame)
        return;
    for (CSizingControlBar* bar : pFrame->findChildren<CSizingControlBar*>())
        bar->RestoreSizes(strProfileName);
}

void CSizingControlBar::StoreAllSizes(QMainWindow* pFrame, const QString& strProfileName)
{
    if (!pFrame)
        return;
    for (CSizingControlBar* bar : pFrame->findChildren<CSizingControlBar*>())
        bar->StoreSizes(strProfileName);
}
