#include "shared/ui/BaseDialog.h"

#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/artwork/ToolbarIcons.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMap>
#include <QMenuBar>
#include <QScreen>
#include <QTimerEvent>

using namespace DialogGeometry;

void SetDlgCtrlID(QWidget* pWnd, unsigned nId)
{
    if (pWnd)
        pWnd->setProperty("controlId", nId);
}

unsigned GetDlgCtrlID(const QWidget* pWnd) { return pWnd ? pWnd->property("controlId").toUInt() : 0; }

namespace {

QMap<unsigned, QList<ToolbarButton>>& ToolbarResources()
{
    static QMap<unsigned, QList<ToolbarButton>> resources;
    return resources;
}

std::function<void()>& HelpHandler()
{
    static std::function<void()> handler;
    return handler;
}

constexpr const char* kCommandId = "commandId";

} // namespace

void RegisterToolbarResource(unsigned nResourceId, const QList<ToolbarButton>& buttons)
{
    ToolbarResources().insert(nResourceId, buttons);
}

// ---------------------------------------------------------------------------

CBaseDialogToolBar::CBaseDialogToolBar(QWidget* parent) : QToolBar(parent)
{
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
}

QString CBaseDialogToolBar::TipFromPrompt(const QString& strPrompt)
{
    const qsizetype nl = strPrompt.indexOf(QLatin1Char('\n'));
    return nl < 0 ? QString() : strPrompt.mid(nl + 1);
}

bool CBaseDialogToolBar::LoadToolBar(unsigned nResourceId)
{
    const auto it = ToolbarResources().constFind(nResourceId);
    if (it == ToolbarResources().constEnd())
        return false;
    clear();
    for (const ToolbarButton& button : *it) {
        if (button.nId == 0) {
            addSeparator();
            continue;
        }
        const QIcon icon = button.strPicture.isEmpty() ? QIcon(QPixmap::fromImage(button.image))
                                                        : artwork::toolbarIcon(button.strPicture);
        QAction* action = addAction(icon, TipFromPrompt(button.strPrompt));
        action->setProperty(kCommandId, button.nId);
        action->setToolTip(TipFromPrompt(button.strPrompt));
        const unsigned id = button.nId;
        connect(action, &QAction::triggered, this, [this, id] { emit command(id); });
    }
    return true;
}

QAction* CBaseDialogToolBar::ActionFor(unsigned nId) const
{
    for (QAction* action : actions())
        if (action->property(kCommandId).toUInt() == nId && nId != 0)
            return action;
    return nullptr;
}

void CBaseDialogToolBar::OnUpdateCmdUI(CBaseDialog* pTarget)
{
    if (!pTarget)
        return;
    for (QAction* action : actions()) {
        const unsigned id = action->property(kCommandId).toUInt();
        if (id == 0)
            continue;
        CCmdUI ui;
        ui.m_nID = id;
        pTarget->OnUpdateCommand(ui);
        if (ui.m_bEnableSet)
            action->setEnabled(ui.m_bEnabled);
        if (ui.m_bCheckSet) {
            action->setCheckable(true);
            action->setChecked(ui.m_nCheck != 0);
        }
    }
}

// ---------------------------------------------------------------------------

CBaseDialog::CBaseDialog(unsigned nIDTemplate, QWidget* pParent) : QDialog(pParent), m_nIDTemplate(nIDTemplate)
{
    setProperty("dialogId", nIDTemplate);
}

CBaseDialog::~CBaseDialog()
{
    // A modeless dialog destroyed while open still leaves its geometry.
    if (isVisible())
        SaveGeometry();
}

void CBaseDialog::SetHelpHandler(std::function<void()> handler) { HelpHandler() = std::move(handler); }

int CBaseDialog::DoModal() { return exec() == Accepted ? platform::IDOK : platform::IDCANCEL; }

void CBaseDialog::SetAnchors(const AnchorRow* pRows, int nCount)
{
    m_anchors.clear();
    for (int i = 0; i < nCount; ++i) {
        AnchorEntry e;
        e.nId = pRows[i].nId;
        e.nSizeX = pRows[i].nSizeX;
        e.nSizeY = pRows[i].nSizeY;
        e.nMoveX = pRows[i].nMoveX;
        e.nMoveY = pRows[i].nMoveY;
        m_anchors << e;
    }
}

void CBaseDialog::SetNoSizeGrip()
{
    m_bNoSizeGrip = true;
    setSizeGripEnabled(false);
}

QWidget* CBaseDialog::GetDlgItem(unsigned nId) const
{
    const QList<QWidget*> children = findChildren<QWidget*>();
    for (QWidget* child : children)
        if (GetDlgCtrlID(child) == nId)
            return child;
    return nullptr;
}

namespace {

// The frame the window manager last gave a dialog of this program: dialogs
// are framed alike, so a new one is placed with it before it has its own.
QMargins& LastFrame()
{
    static QMargins margins;
    return margins;
}

QMargins MarginsOf(const QWidget* w)
{
    const QRect outer = w->frameGeometry();
    const QRect inner = w->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom());
}

// How long after showing a window waits for the window manager's frame.
constexpr int kFrameCheckMs = 25;
constexpr int kFrameChecks = 80;
// No window manager draws a wider edge or a taller title bar than this.
constexpr int kMostFrame = 100;

} // namespace

bool CBaseDialog::HasKnownFrame() const
{
    if (!isVisible() || frameGeometry() == geometry())
        return false;
    // While the window manager is still building the frame, the window
    // system can report one of no size around the client area.
    const QMargins m = MarginsOf(this);
    const auto plausible = [](int side) { return side >= 0 && side <= kMostFrame; };
    return plausible(m.left()) && plausible(m.top()) && plausible(m.right()) && plausible(m.bottom());
}

QMargins CBaseDialog::FrameMargins() const
{
    if (HasKnownFrame()) {
        LastFrame() = MarginsOf(this);
        return LastFrame();
    }
    if (!LastFrame().isNull())
        return LastFrame();
    const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
    if (owner && owner->isVisible() && !owner->isMaximized() && owner->frameGeometry() != owner->geometry())
        return MarginsOf(owner);
    return {};
}

RECT CBaseDialog::WindowRect() const
{
    const QRect r = geometry().marginsAdded(FrameMargins());
    return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CBaseDialog::showEvent(QShowEvent* event)
{
    if (!m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
    QDialog::showEvent(event);
    if (m_bPlacePending) {
        // The window manager frames the window only once it shows.
        m_nFrameChecks = 0;
        m_frameCheck.start(kFrameCheckMs, this);
    }
}

void CBaseDialog::CheckFrame()
{
    if (!HasKnownFrame()) {
        if (++m_nFrameChecks >= kFrameChecks || !isVisible()) {
            m_frameCheck.stop();
            m_bPlacePending = false;
        }
        return;
    }
    m_frameCheck.stop();
    m_bPlacePending = false;
    if (isMaximized() || isMinimized() || FrameMargins() == m_placedMargins)
        return;
    PlaceWindow(m_placedRect, m_bPlacedSize);
    SaveGeometry();
}

bool CBaseDialog::OnInitDialog()
{
    if (!qApp->windowIcon().isNull())
        setWindowIcon(qApp->windowIcon());
    if (m_bResizable)
        setSizeGripEnabled(!m_bNoSizeGrip);
    m_heartbeat.start(250, this);
    MeasureFrame();
    RecordControlRects(true);
    if (!m_bResizable)
        setFixedSize(size());
    if (m_bRestoreAtOpen)
        SaveRestoreGeometry(1);
    return true;
}

RECT CBaseDialog::ClientRect() const
{
    const QRect r = geometry();
    return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CBaseDialog::MeasureFrame()
{
    // The anchors are worked out on the client area: the window manager's
    // frame is not there yet while a dialog is laid out, and it changes
    // nothing that the controls get.
    if (m_initialWindow.bottom - m_initialWindow.top == 0) {
        m_initialWindow = ClientRect();
        m_nMinHeight = m_initialWindow.bottom - m_initialWindow.top;
        m_nMinWidth = m_initialWindow.right - m_initialWindow.left;
    }
    if (m_initialClient.isEmpty())
        m_initialClient = ClientSize();
    m_nFrameWidth = m_nFrameHeight = 0;
    m_nCaption = m_nMinHeight - m_initialClient.height() - 2 * m_nFrameHeight - m_nToolbarOffset;
    m_bMeasured = true;
    // The dialog cannot be made smaller than it was first laid out.
    if (m_bResizable)
        setMinimumSize(m_initialClient);
}

void CBaseDialog::RecordControlRects(bool bTakeWindowRect)
{
    if (bTakeWindowRect)
        m_recordWindow = ClientRect();
    for (AnchorEntry& e : m_anchors) {
        const QWidget* control = GetDlgItem(unsigned(e.nId));
        if (!control)
            continue;
        const QRect g = control->geometry();
        e.left = g.left();
        e.top = g.top();
        e.right = g.left() + g.width();
        e.bottom = g.top() + g.height();
    }
}

void CBaseDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (m_bMeasured)
        RepositionControls();
}

int CBaseDialog::ToolbarTop() const
{
    // A dialog with a menu bar of its own has its toolbar right under it.
    const QMenuBar* menu = findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    return menu && !menu->isHidden() ? menu->height() : 0;
}

void CBaseDialog::RepositionControls()
{
    if (auto* menu = findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
        menu->setGeometry(0, 0, width(), menu->height());
    if (m_toolbar)
        m_toolbar->setGeometry(0, ToolbarTop(), width(), m_toolbar->sizeHint().height());
    const QSize client = ClientSize();
    const QPoint delta = Deltas(client.width(), client.height(), m_recordWindow.right - m_recordWindow.left,
                                m_recordWindow.bottom - m_recordWindow.top, m_nFrameWidth, m_nFrameHeight, m_nCaption);
    for (const AnchorEntry& e : std::as_const(m_anchors)) {
        QWidget* control = GetDlgItem(unsigned(e.nId));
        if (!control)
            continue;
        const Placement p = Place(e, delta, m_nFrameWidth, m_nFrameHeight, m_nCaption);
        if (p.bResize)
            control->resize(p.size);
        if (p.bMove)
            control->move(p.pos);
    }
    update();
    SaveRestoreGeometry(0);
}

void CBaseDialog::PlaceWindow(const RECT& rect, bool bSize, bool bExact)
{
    const QMargins m = FrameMargins();
    QRect client(QPoint(rect.left + m.left(), rect.top + m.top()), size());
    if (bSize)
        client.setSize(QSize(rect.right - rect.left - m.left() - m.right(), rect.bottom - rect.top - m.top() - m.bottom()));
    // The client rectangle, not a position of the frame: a frame position
    // given before the window manager has framed the window leaves the
    // program with a client area other than the one on the screen. A
    // dialog whose size is not given still takes the one its layout asks.
    const bool sized = testAttribute(Qt::WA_Resized);
    setGeometry(client);
    if (!bSize && !sized)
        setAttribute(Qt::WA_Resized, false);
    raise();
    m_placedRect = rect;
    m_bPlacedSize = bSize;
    m_placedMargins = m;
    m_bPlacePending = bExact && !HasKnownFrame();
}

namespace {
QList<QRect> AvailableAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->availableGeometry();
    return areas;
}
} // namespace

void CBaseDialog::SaveRestoreGeometry(int nMode)
{
    if (!m_bPersistGeometry)
        return;
    const QString name = GeometryValueName();
    CRegistry registry;
    if (nMode == 0) {
        if (!m_bGeometryLoaded)
            return;
        registry.WriteIntArray(name, SavedValues(WindowRect(), isMaximized(), isMinimized()));
        return;
    }
    QList<uint32_t> values;
    registry.GetIntArray(name, values);
    const RestoreResult result = Restored(values, WindowRect(), m_bResizable);
    if (result.action == Restore::Centre) {
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        QRect area;
        if (owner && owner->isVisible())
            area = owner->frameGeometry();
        else if (const QScreen* screen = (owner ? owner->screen() : QGuiApplication::primaryScreen()))
            area = screen->availableGeometry();
        if (!area.isEmpty()) {
            QRect r(QPoint(0, 0), geometry().marginsAdded(FrameMargins()).size());
            r.moveCenter(area.center());
            const RECT centred{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
            const RECT fitted = FitOnScreens(centred, AvailableAreas(), m_bResizable);
            // A dialog that fits keeps the size its layout gives it.
            const bool shrunk = fitted.right - fitted.left != r.width() || fitted.bottom - fitted.top != r.height();
            // Centred: a frame other than assumed moves nothing after showing.
            PlaceWindow(fitted, shrunk, false);
        }
    } else if (result.action == Restore::Place) {
        PlaceWindow(FitOnScreens(result.rect, AvailableAreas(), m_bResizable), m_bResizable);
    }
    m_bGeometryLoaded = true;
}

bool CBaseDialog::ConfirmCancel()
{
    return platform::messageBox(this, QStringLiteral("You have outstanding changes - really cancel ?"),
                                QStringLiteral("Cancel"), int(platform::MB_YESNO) | int(platform::MB_ICONQUESTION)) ==
           platform::IDYES;
}

bool CBaseDialog::CreateToolbar(unsigned nResourceId, bool bBottomBorder, bool)
{
    auto* toolbar = new CBaseDialogToolBar(this);
    if (!toolbar->LoadToolBar(nResourceId)) {
        delete toolbar;
        return false;
    }
    if (bBottomBorder)
        toolbar->setStyleSheet(QStringLiteral("QToolBar { border-bottom: 1px solid palette(mid); }"));
    connect(toolbar, &CBaseDialogToolBar::command, this, [this](unsigned id) { OnCommand(id); });
    toolbar->setGeometry(0, ToolbarTop(), width(), toolbar->sizeHint().height());
    toolbar->show();
    m_toolbar = toolbar;
    m_nToolbarOffset = toolbar->sizeHint().height() + 4;
    return true;
}

void CBaseDialog::ShiftControl(unsigned nId, bool bWhole)
{
    QWidget* control = GetDlgItem(nId);
    if (!control)
        return;
    QRect g = control->geometry();
    if (bWhole)
        g.translate(0, m_nToolbarOffset);
    else
        g.setTop(g.top() + m_nToolbarOffset);
    control->setGeometry(g);
}

void CBaseDialog::LoadToolbar(unsigned nResourceId, const QList<unsigned>& shiftDown, const QList<unsigned>& topDown,
                              bool bBottomBorder)
{
    if (!CreateToolbar(nResourceId, bBottomBorder, false))
        return;
    for (unsigned id : shiftDown)
        ShiftControl(id, true);
    for (unsigned id : topDown)
        ShiftControl(id, false);
    SendIdleUpdate();
    MeasureFrame();
}

void CBaseDialog::LoadToolbar(unsigned nResourceId, unsigned nTopDownId, bool bBottomBorder)
{
    LoadToolbar(nResourceId, {}, {nTopDownId}, bBottomBorder);
}

bool CBaseDialog::LoadToolbarAndGrow(unsigned nResourceId, bool bBottomBorder)
{
    if (!CreateToolbar(nResourceId, bBottomBorder, true))
        return false;
    // The growth itself must not run the anchors with the old allowance.
    const bool measured = m_bMeasured;
    m_bMeasured = false;
    const int minHeight = minimumHeight();
    resize(width(), height() + m_nToolbarOffset);
    for (QWidget* child : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (child != m_toolbar && !child->isWindow())
            child->move(child->pos() + QPoint(0, m_nToolbarOffset));
    setMinimumHeight(minHeight);
    m_bMeasured = measured;
    SendIdleUpdate();
    m_heartbeat.start(250, this);
    MeasureFrame();
    return true;
}

void CBaseDialog::SendIdleUpdate()
{
    const QList<CBaseDialogToolBar*> bars = findChildren<CBaseDialogToolBar*>();
    for (CBaseDialogToolBar* bar : bars)
        bar->OnUpdateCmdUI(this);
}

void CBaseDialog::UpdateMenuCmdUI()
{
    const QMenuBar* menu = findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
    if (!menu)
        return;
    const QList<QAction*> actions = menu->findChildren<QAction*>();
    for (QAction* action : actions) {
        const unsigned id = action->property(kCommandId).toUInt();
        if (id == 0)
            continue;
        CCmdUI ui;
        ui.m_nID = id;
        OnUpdateCommand(ui);
        if (ui.m_bEnableSet)
            action->setEnabled(ui.m_bEnabled);
        if (ui.m_bCheckSet) {
            action->setCheckable(true);
            action->setChecked(ui.m_nCheck != 0);
        }
    }
}

void CBaseDialog::Heartbeat()
{
    SendIdleUpdate();
    UpdateMenuCmdUI();
    if (m_nPeriodicMessage)
        PostRegisteredMessage(this, m_nPeriodicMessage);
}

void CBaseDialog::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    // A drag saves once, a quarter of a second after the last move.
    m_moveSave.start(250, this);
}

void CBaseDialog::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_heartbeat.timerId()) {
        Heartbeat();
        return;
    }
    if (event->timerId() == m_frameCheck.timerId()) {
        CheckFrame();
        return;
    }
    if (event->timerId() == m_moveSave.timerId()) {
        m_moveSave.stop();
        SaveGeometry();
        return;
    }
    QDialog::timerEvent(event);
}

void CBaseDialog::done(int r)
{
    SaveGeometry();
    m_heartbeat.stop();
    m_moveSave.stop();
    QDialog::done(r);
}

void CBaseDialog::closeEvent(QCloseEvent* event) { QDialog::closeEvent(event); }

void CBaseDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        if (HelpHandler())
            HelpHandler()();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool CBaseDialog::event(QEvent* event)
{
    if (event->type() == QEvent::Show && !m_heartbeat.isActive() && m_bInitialised)
        m_heartbeat.start(250, this);
    return QDialog::event(event);
}
