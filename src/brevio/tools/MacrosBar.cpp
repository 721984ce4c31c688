#include "brevio/tools/MacrosBar.h"

#include "platform/Prompter.h"
#include "brevio/core/MacroExpander.h"
#include "brevio/core/MacroStore.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/MessageBroadcast.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/TagStore.h"
#include "brevio/tools/ListImages.h"
#include "brevio/tools/MacroEditorDialog.h"
#include "brevio/tools/MacrosManagerDialog.h"
#include "brevio/tools/TagsBar.h"
#include "brevio/tools/TagsManagerDialog.h"
#include "brevio/tools/ToolDialogs.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/tooltip/ToolTipWnd.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QToolTip>

namespace {
CMacrosBar::MenuRunner g_menuRunner;

constexpr int kCodeRole = Qt::UserRole;
constexpr int kDataRole = Qt::UserRole + 1;

const char* const kIncludeNames[CMacrosBar::IncCount] = {
    "CMacrosBar::m_bIncludeAbort", "CMacrosBar::m_bIncludeErase", "CMacrosBar::m_bIncludeOpenFile",
    "CMacrosBar::m_bIncludeTxOn",  "CMacrosBar::m_bIncludeTxOnAutostop", "CMacrosBar::m_bIncludeUnsend",
};
const bool kIncludeDefaults[CMacrosBar::IncCount] = {false, true, false, false, false, false};

QMdiSubWindow* ActiveChannelWindow()
{
    CMainFrame* frame = GetMainFrame();
    return frame && frame->GetMdiArea() ? frame->GetMdiArea()->activeSubWindow() : nullptr;
}

CTagsBar* MainTagsBar()
{
    CMainFrame* frame = GetMainFrame();
    return frame ? dynamic_cast<CTagsBar*>(frame->GetTagsBar()) : nullptr;
}
} // namespace

void CMacrosBar::SetMenuRunner(MenuRunner runner)
{
    g_menuRunner = std::move(runner);
}

CMacrosBar::CMacrosBar(QWidget* parent) : CSizingControlBarG(parent)
{
    CRegistry registry;
    m_bFullTitle = registry.GetBool(QStringLiteral("CMacrosBar::m_bFullTitle"), false);
    for (int i = 0; i < IncCount; ++i)
        m_include[i] = registry.GetBool(QLatin1String(kIncludeNames[i]), kIncludeDefaults[i]);
}

CMacrosBar::~CMacrosBar()
{
    delete m_pTip;
}

bool CMacrosBar::Create(const QString& strTitle, QMainWindow* pParent, unsigned nID, uint32_t dwStyle)
{
    if (!CSizingControlBarG::Create(strTitle, pParent, nID, dwStyle))
        return false;
    return OnCreate() == 0;
}

int CMacrosBar::OnCreate()
{
    SetBarStyle(GetBarStyle() | SZB_LEFT_EDGE | SZB_RIGHT_EDGE | SZB_TOP_EDGE | SZB_BOTTOM_EDGE | SZB_DRAW_EDGES |
                SZB_FIT_CHILD);
    m_pList = new QListWidget(this);
    m_pList->setProperty("controlId", kListId);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setMouseTracking(true);
    m_pList->setContextMenuPolicy(Qt::NoContextMenu);
    m_pList->viewport()->installEventFilter(this);
    m_pList->installEventFilter(this);
    // Every picture twice, so the k-th one is code 2k; red is transparent.
    m_images = LoadListImages({154, 372, 377, 388, 387, 387, 390, 149, 379, 380, 381, 382, 383, 235, 753},
                              RGB(255, 0, 0), 2);
    connect(m_pList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OnEntryClicked(m_pList->row(item)); });
    setWidget(m_pList);
    ApplyViewStyle();
    FillList();

    m_pTip = new CToolTipWnd;
    m_pTip->Create(this);
    m_pTip->AddTool(m_pList, CToolTipWnd::LPSTR_TEXTCALLBACK);
    const QScreen* screen = QGuiApplication::primaryScreen();
    m_pTip->SetMaxWidth((screen ? screen->geometry().width() : 1024) / 3);
    m_pTip->SetDelayTime(CToolTipWnd::TTDT_AUTOPOP, 1000000);
    m_pTip->SetDelayTime(CToolTipWnd::TTDT_INITIAL, 1000);
    connect(m_pTip, &CToolTipWnd::needText, this,
            [this](unsigned, QWidget*, QString* text) { *text = m_strHoverText; });
    return 0;
}

CMacrosBar* CMacrosBar::CreateForMainFrame(QWidget* pMainFrame)
{
    auto* bar = new CMacrosBar(pMainFrame);
    if (!bar->Create(QStringLiteral("Macros"), qobject_cast<QMainWindow*>(pMainFrame), kBarId)) {
        delete bar;
        return nullptr;
    }
    return bar;
}

void CMacrosBar::AddEntry(const QString& strLabel, int nCode, intptr_t data)
{
    auto* item = new QListWidgetItem(strLabel);
    item->setData(kCodeRole, nCode);
    item->setData(kDataRole, QVariant::fromValue<qlonglong>(data));
    if (nCode >= 0 && nCode < m_images.size())
        item->setIcon(QIcon(m_images[nCode]));
    m_pList->addItem(item);
}

void CMacrosBar::FillList()
{
    if (!m_pList)
        return;
    m_pList->clear();
    m_shortcuts.clear();
    m_macroNumbers.clear();
    AddEntry(QStringLiteral("Manager"), CodeManager, -1);
    if (m_include[IncAbort])
        AddEntry(QStringLiteral("Abort"), CodeAbort, -1);
    AddEntry(m_bFullTitle ? QStringLiteral("Short") : QStringLiteral("Full"), CodeTitleToggle, -1);
    if (m_include[IncErase])
        AddEntry(QStringLiteral("Erase"), CodeErase, -1);
    if (m_include[IncUnsend])
        AddEntry(QStringLiteral("Mark unsent"), CodeMarkUnsent, -1);
    if (m_include[IncOpenFile])
        AddEntry(QStringLiteral("Open file"), CodeOpenFile, -1);
    if (m_include[IncTxOn])
        AddEntry(QStringLiteral("Tx"), CodeTx, -1);
    if (m_include[IncTxOnAutostop])
        AddEntry(QStringLiteral("Tx - autostop"), CodeTxAutostop, -1);
    int n = 0;
    const CMacroStore& store = Macros();
    for (int i = 0; i < store.GetCount(); ++i) {
        const CMacro* macro = store.GetAt(i);
        if (!macro->IsEnabled())
            continue;
        QString label;
        if (n < kShortcuts) {
            label = QStringLiteral("[%1] ").arg(n);
            m_shortcuts.insert(n, i);
        }
        label += m_bFullTitle || macro->GetShortTitle().isEmpty() ? macro->GetFullTitle() : macro->GetShortTitle();
        AddEntry(label, macro->IsSendNow() ? CodeMacroSend : CodeMacro, i);
        m_macroNumbers.insert(i, n);
        ++n;
    }
    WriteIncludeFlags();
}

void CMacrosBar::WriteIncludeFlags() const
{
    CRegistry registry;
    for (int i = 0; i < IncCount; ++i)
        registry.WriteInt(QLatin1String(kIncludeNames[i]), m_include[i] ? 1 : 0);
}

int CMacrosBar::EntryCode(int nRow) const
{
    const QListWidgetItem* item = m_pList ? m_pList->item(nRow) : nullptr;
    return item ? item->data(kCodeRole).toInt() : -1;
}

intptr_t CMacrosBar::EntryData(int nRow) const
{
    const QListWidgetItem* item = m_pList ? m_pList->item(nRow) : nullptr;
    return item ? intptr_t(item->data(kDataRole).toLongLong()) : -1;
}

bool CMacrosBar::HasSelectedMacro() const
{
    return m_pList && IsMacroCode(EntryCode(m_pList->currentRow())) && m_pList->currentItem() &&
           m_pList->currentItem()->isSelected();
}

bool CMacrosBar::GetIncludeFlag(int nFlag) const
{
    return nFlag >= 0 && nFlag < IncCount && m_include[nFlag];
}

void CMacrosBar::InvertIncludeFlag(int nFlag)
{
    if (nFlag < 0 || nFlag >= IncCount)
        return;
    m_include[nFlag] = !m_include[nFlag];
    FillList();
}

void CMacrosBar::SetViewStyle(int nStyle)
{
    m_nViewStyle = nStyle;
    ApplyViewStyle();
    FillList();
}

void CMacrosBar::ApplyViewStyle()
{
    if (!m_pList)
        return;
    switch (m_nViewStyle) {
    case StyleIcon:
        m_pList->setViewMode(QListView::IconMode);
        m_pList->setIconSize(QSize(32, 32));
        m_pList->setFlow(QListView::LeftToRight);
        m_pList->setWrapping(true);
        break;
    case StyleReport:
        m_pList->setViewMode(QListView::ListMode);
        m_pList->setIconSize(QSize(16, 16));
        m_pList->setFlow(QListView::TopToBottom);
        m_pList->setWrapping(false);
        break;
    case StyleSmallIcon:
        m_pList->setViewMode(QListView::ListMode);
        m_pList->setIconSize(QSize(16, 16));
        m_pList->setFlow(QListView::LeftToRight);
        m_pList->setWrapping(true);
        break;
    default:
        m_pList->setViewMode(QListView::ListMode);
        m_pList->setIconSize(QSize(16, 16));
        m_pList->setFlow(QListView::TopToBottom);
        m_pList->setWrapping(true);
        break;
    }
    m_pList->setMovement(QListView::Static);
    m_pList->setResizeMode(QListView::Adjust);
}

void CMacrosBar::SendToActive(int nCommand, intptr_t lParam, bool bNeedVisible)
{
    QMdiSubWindow* active = ActiveChannelWindow();
    if (!active || (bNeedVisible && !active->isVisible()))
        return;
    SendMessageToDescendants(active, RegisteredMessage::nMsgMacro, uintptr_t(nCommand), lParam, true);
    if (active)
        active->setFocus();
}

void CMacrosBar::SendMacro(int nIndex)
{
    CMacro* macro = Macros().GetAt(nIndex);
    QMdiSubWindow* active = ActiveChannelWindow();
    if (!macro || !active || !active->isVisible())
        return;
    // A send from the bar always asks for every missing value.
    macro->SetLeaveHisInfoEmpty(false);
    SendToActive(RegisteredMessage::MacroSend, reinterpret_cast<intptr_t>(macro), true);
}

void CMacrosBar::OnEntryClicked(int nRow)
{
    switch (EntryCode(nRow)) {
    case CodeManager:
        OpenManager();
        break;
    case CodeAbort:
        SendToActive(RegisteredMessage::MacroAbort, 0, false);
        break;
    case CodeErase:
        SendToActive(RegisteredMessage::MacroEraseTx, 0, true);
        break;
    case CodeOpenFile:
        SendToActive(RegisteredMessage::MacroOpenFile, 0, true);
        break;
    case CodeTx:
        SendToActive(RegisteredMessage::MacroTransmit, 0, true);
        break;
    case CodeTxAutostop:
        SendToActive(RegisteredMessage::MacroTransmitAutostop, 0, true);
        break;
    case CodeMarkUnsent:
        SendToActive(RegisteredMessage::MacroMarkUnsent, 0, true);
        break;
    case CodeTitleToggle:
        m_bFullTitle = !m_bFullTitle;
        CRegistry().WriteInt(QStringLiteral("CMacrosBar::m_bFullTitle"), m_bFullTitle ? 1 : 0);
        FillList();
        break;
    case CodeMacro:
    case CodeMacroOther:
    case CodeMacroSend:
        SendMacro(int(EntryData(nRow)));
        break;
    default:
        break;
    }
}

void CMacrosBar::OnSelectMacro(int nShortcut)
{
    QMdiSubWindow* active = ActiveChannelWindow();
    if (!active || !active->isVisible() || !m_shortcuts.contains(nShortcut))
        return;
    SendMacro(m_shortcuts.value(nShortcut));
}

void CMacrosBar::OpenManager()
{
    CMacrosManagerDialog manager(window(), Macros());
    if (RunToolDialog(manager) != platform::IDOK)
        return;
    FillList();
    if (ISuperView* super = TheApp().GetSuperView())
        SendRegisteredMessage(super->GetWidget(), RegisteredMessage::nMsgReloadMacros, 0, 0);
}

void CMacrosBar::OpenTagsManager()
{
    CTagsManagerDialog manager(window(), Tags());
    if (RunToolDialog(manager) != platform::IDOK)
        return;
    if (ISuperView* super = TheApp().GetSuperView())
        SendRegisteredMessage(super->GetWidget(), RegisteredMessage::nMsgReloadTags, 0, 0);
    if (CTagsBar* tags = MainTagsBar())
        tags->FillList(Tags());
}

void CMacrosBar::EditCurrent()
{
    if (!HasSelectedMacro())
        return;
    CMacro* macro = Macros().GetAt(int(EntryData(m_pList->currentRow())));
    if (!macro)
        return;
    QStringList titles;
    Macros().GetTitles(titles);
    const QString oldTitle = macro->GetFullTitle();
    CMacroEditorDialog editor(window(), macro->GetFullTitle(), macro->GetShortTitle(), macro->GetLines(),
                              macro->IsEraseFirst(), macro->IsAlwaysPrompt(), macro->IsSendNow(),
                              macro->IsSuperBrowserOnly(), macro->IsLeaveHisInfoEmpty(), titles, macro->IsEnabled());
    if (RunToolDialog(editor) != platform::IDOK)
        return;
    Macros().Update(oldTitle, editor.m_strFullTitle, editor.m_strShortTitle, editor.m_definition, editor.m_bErase,
                    editor.m_bAlwaysPrompt, editor.m_bSendNow, editor.m_bSuperBrowserOnly, editor.m_nEnable,
                    editor.m_bLeaveHisInfo);
    Macros().SaveDefault();
    FillList();
    if (CMainFrame* frame = GetMainFrame())
        SendMessageToDescendants(frame, RegisteredMessage::nMsgReloadMacros, 0, 0, false);
    // The entry of the edited macro is selected again, whatever its label.
    const int index = Macros().IndexOf(editor.m_strFullTitle);
    for (int r = 0; r < m_pList->count(); ++r)
        if (IsMacroCode(EntryCode(r)) && EntryData(r) == index)
            m_pList->setCurrentRow(r);
}

QString CMacrosBar::InfoTip(int nRow) const
{
    if (EntryData(nRow) == -1)
        return QString();
    const CMacro* macro = Macros().GetAt(int(EntryData(nRow)));
    if (!macro)
        return QString();
    QString text;
    if (macro->IsEraseFirst() || macro->IsSendNow())
        text += QStringLiteral("Flags:   \t %1%2%3\n")
                    .arg(macro->IsEraseFirst() ? QStringLiteral("Erase Tx window") : QString(),
                         macro->IsEraseFirst() && macro->IsSendNow() ? QStringLiteral(", ") : QString(),
                         macro->IsSendNow() ? QStringLiteral("Send immediately") : QString());
    const int number = m_macroNumbers.value(int(EntryData(nRow)), kShortcuts);
    if (number <= kShortcuts - 1)
        text += QStringLiteral("Shortcut:\t Ctrl%1 + %2\n")
                    .arg(number > 9 ? QStringLiteral(" + Shift") : QString())
                    .arg(number % 10);
    if (!text.isEmpty())
        text += QStringLiteral("-----");

    const QStringList names = CMacroExpander::PlaceholderNames(macro->GetLines());
    QStringList values;
    for (qsizetype i = 0; i < names.size(); ++i)
        values.append(QString());
    QStringList barTitles, barValues;
    if (CTagsBar* bar = MainTagsBar())
        bar->GetTitlesAndValues(barTitles, barValues);
    for (qsizetype i = 0; i < names.size(); ++i) {
        for (qsizetype r = 0; r < barTitles.size(); ++r)
            if (barTitles[r].compare(names[i], Qt::CaseInsensitive) == 0)
                values[i] = barValues.value(r);
        for (int t = 0; t < Tags().GetCount(); ++t) {
            const CTag* tag = Tags().GetAt(t);
            if (tag->m_bOwnStation && tag->m_strTitle.compare(names[i], Qt::CaseInsensitive) == 0)
                values[i] = tag->m_strValue;
        }
        const CTag* tag = Tags().FindByTitle(names[i]);
        const bool keep = macro->IsLeaveHisInfoEmpty() && tag && !tag->m_bOwnStation;
        if (!keep && values[i].isEmpty())
            values[i] = QLatin1Char('<') + names[i] + QLatin1Char('>');
    }
    for (QString line : macro->GetLines()) {
        for (qsizetype i = 0; i < names.size(); ++i) {
            const QString value = values[i].trimmed();
            if (!value.isEmpty())
                line.replace(QLatin1Char('<') + names[i] + QLatin1Char('>'), value);
        }
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += line;
    }
    return text;
}

QString CMacrosBar::HoverText() const
{
    const int row = m_pList ? m_pList->currentRow() : -1;
    const int code = EntryCode(row);
    if (code != CodeMacro && code != CodeMacroSend)
        return QString();
    const CMacro* macro = Macros().GetAt(int(EntryData(row)));
    return macro ? macro->GetLines().join(QLatin1Char('\n')) : QString();
}

void CMacrosBar::OnHover(const QPoint& pos)
{
    // Hovering selects the entry under the mouse, as one-click lists do.
    if (QListWidgetItem* item = m_pList->itemAt(pos))
        m_pList->setCurrentItem(item);
    const QString text = m_pList->viewport()->rect().contains(pos) ? HoverText() : QString();
    if (text != m_strHoverText) {
        m_strHoverText = text;
        if (m_pTip)
            m_pTip->RestartTimer();
    }
}

bool CMacrosBar::event(QEvent* event)
{
    if (auto* select = CRegisteredEvent::As(event, RegisteredMessage::nMsgSelectMacro)) {
        OnSelectMacro(int(select->lParam()));
        return true;
    }
    if (CRegisteredEvent::As(event, RegisteredMessage::nMsgEditCurrent)) {
        EditCurrent();
        return true;
    }
    return CSizingControlBarG::event(event);
}

bool CMacrosBar::eventFilter(QObject* watched, QEvent* event)
{
    if (m_pList && watched == m_pList->viewport()) {
        switch (event->type()) {
        case QEvent::MouseMove:
            OnHover(static_cast<QMouseEvent*>(event)->position().toPoint());
            break;
        case QEvent::ToolTip: {
            auto* help = static_cast<QHelpEvent*>(event);
            const QString tip = InfoTip(m_pList->row(m_pList->itemAt(help->pos())));
            if (tip.isEmpty())
                QToolTip::hideText();
            else
                QToolTip::showText(help->globalPos(), tip, m_pList);
            return true;
        }
        default:
            break;
        }
        if (m_pTip && (event->type() == QEvent::MouseMove || event->type() == QEvent::MouseButtonPress ||
                       event->type() == QEvent::Leave))
            m_pTip->RelayEvent(event);
    }
    if (m_pList && watched == m_pList && event->type() == QEvent::ContextMenu) {
        contextMenuEvent(static_cast<QContextMenuEvent*>(event));
        return true;
    }
    return CSizingControlBarG::eventFilter(watched, event);
}

void CMacrosBar::contextMenuEvent(QContextMenuEvent* event)
{
    CMainFrame* frame = GetMainFrame();
    if (!frame)
        return;
    QMenu* macros = nullptr;
    for (QAction* action : frame->menuBar()->actions()) {
        QString text = action->text();
        text.remove(QLatin1Char('&'));
        if (action->menu() && text.toLower() == QLatin1String("macros")) {
            macros = action->menu();
            break;
        }
    }
    if (!macros)
        return;
    QAction* chosen = g_menuRunner ? g_menuRunner(*macros, event->globalPos()) : macros->exec(event->globalPos());
    if (chosen && g_menuRunner)
        chosen->trigger();
}
