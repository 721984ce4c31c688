#include "brevio/tools/TagsBar.h"

#include "brevio/core/Locator.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/TagStore.h"
#include "brevio/display/EditableListCtrl.h"
#include "brevio/display/TagValueKeeper.h"
#include "brevio/tools/ListImages.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>

namespace {
CTagsBar::MenuRunner g_menuRunner;

QString& LocatorBuffer()
{
    static QString buffer;
    return buffer;
}

intptr_t RowData(const CEditableListCtrl* list, int row)
{
    return intptr_t(list->GetItemData(row));
}

// Own-station rows: the store index with the 32-bit top bit set, so negative.
intptr_t OwnRowData(int index)
{
    return intptr_t(int32_t(uint32_t(index) | 0x80000000u));
}
} // namespace

void CTagsBar::SetMenuRunner(MenuRunner runner)
{
    g_menuRunner = std::move(runner);
}

const QString& CTagsBar::LastLocator()
{
    return LocatorBuffer();
}

CTagsBar::CTagsBar(QWidget* parent) : CSizingControlBarG(parent)
{
    m_bShowOwn = CRegistry().GetBool(QStringLiteral("CTagsBar::m_bShowOwn"), false);
    m_saveTimer.setSingleShot(true);
    m_saveTimer.setInterval(kSaveDelayMs);
    connect(&m_saveTimer, &QTimer::timeout, this, [this] { SaveIfNeeded(); });
}

CTagsBar::~CTagsBar() = default;

bool CTagsBar::Create(const QString& strTitle, QMainWindow* pParent, unsigned nID, uint32_t dwStyle)
{
    if (!CSizingControlBarG::Create(strTitle, pParent, nID, dwStyle))
        return false;
    return OnCreate() == 0;
}

int CTagsBar::OnCreate()
{
    SetBarStyle(GetBarStyle() | SZB_DRAW_EDGES | SZB_FIT_CHILD);
    m_pList = new CEditableListCtrl(QString(), this);
    m_pList->setProperty("controlId", kListId);
    m_pList->SetNotifyWindow(this);
    auto* keeper = new CTagValueKeeper(m_pList, [this] { return StoreChannel(); });
    connect(keeper, &CTagValueKeeper::Taken, this,
            [this] { PostRegisteredMessage(this, RegisteredMessage::nMsgNewValue, 0, 0); });
    // Told where it does not take the keyboard away.
    connect(keeper, &CTagValueKeeper::Refused, this, [](const QString& strText) {
        if (CMainFrame* frame = GetMainFrame())
            frame->statusBar()->showMessage(strText);
    });
    m_pList->SetColumns({{QStringLiteral("Tag"), LVCFMT_LEFT}, {QStringLiteral("Value"), LVCFMT_LEFT}});
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->SetFullRowSelect();
    m_pList->EnableGridLines();
    m_pList->header()->setSectionsClickable(false);
    m_pList->setContextMenuPolicy(Qt::NoContextMenu);
    m_pList->SetImageList(LoadListImages({727, 728, 745, 746, 747}));
    m_pList->installEventFilter(this);
    // The viewport's own size: the list's resize comes before its viewport's.
    m_pList->viewport()->installEventFilter(this);
    setWidget(m_pList);
    SelectChannel(0);
    FillList(Tags());
    m_bCreated = true;
    SizeColumns();
    return 0;
}

CTagsBar* CTagsBar::CreateForMainFrame(QWidget* pMainFrame)
{
    auto* bar = new CTagsBar(pMainFrame);
    if (!bar->Create(QStringLiteral("Tags"), qobject_cast<QMainWindow*>(pMainFrame), kBarId)) {
        delete bar;
        return nullptr;
    }
    return bar;
}

QString CTagsBar::ChannelCaption(int nChannel)
{
    return nChannel < 10 ? QStringLiteral("%1 %2").arg(QStringLiteral("Channel:")).arg(nChannel + 1)
                         : QStringLiteral("%1 %2").arg(QStringLiteral("Browser:")).arg(nChannel - 9);
}

int CTagsBar::StoreChannel() const
{
    return CurrentSettings().m_bTagsPerChannel ? m_nShownChannel : -1;
}

void CTagsBar::SizeColumns()
{
    if (!m_bCreated || !m_pList)
        return;
    m_pList->AutoSizeColumn(0);
    m_pList->setColumnWidth(1, std::max(0, m_pList->viewport()->width() - m_pList->columnWidth(0)));
}

void CTagsBar::FillList(const CTagStore& store)
{
    if (!m_pList)
        return;
    m_pList->setUpdatesEnabled(false);
    m_pList->DeleteAllItems();
    QList<unsigned> editable;
    const int channel = StoreChannel();
    auto addRow = [&](const QString& title, const QString& value, int image, intptr_t data, unsigned canEdit) {
        const int row = m_pList->InsertItem(m_pList->GetItemCount(), title, image);
        m_pList->SetItemText(row, 1, value);
        m_pList->SetItemData(row, uintptr_t(data));
        editable.append(canEdit);
    };
    for (int i = 0; i < store.GetCount(); ++i) {
        const CTag* tag = store.GetAt(i);
        if (tag->m_bEnabled && !tag->m_bOwnStation)
            addRow(tag->m_strTitle, tag->Value(channel), tag->m_bLocked ? ImageLocked : ImageTag, i, 1);
    }
    addRow(QStringLiteral("My station"), QString(), m_bShowOwn ? ImageMyStationOpen : ImageMyStationClosed,
           kMyStationRow, 0);
    if (m_bShowOwn) {
        for (int i = 0; i < store.GetCount(); ++i) {
            const CTag* tag = store.GetAt(i);
            if (tag->m_bEnabled && tag->m_bOwnStation)
                addRow(tag->m_strTitle, tag->m_strValue, ImageOwn, OwnRowData(i), 1);
        }
    }
    m_pList->SetRowEditable(editable);
    m_pList->setUpdatesEnabled(true);
    SizeColumns();
}

void CTagsBar::SelectChannel(int nChannel)
{
    if (!CurrentSettings().m_bTagsPerChannel) {
        m_nShownChannel = nChannel;
        return;
    }
    const QString caption = ChannelCaption(nChannel);
    // Pending edits belong to the channel shown until now.
    SaveIfNeeded();
    if (m_pList)
        m_pList->headerItem()->setText(0, caption);
    m_nShownChannel = nChannel;
    m_bSwitching = true;
    RefreshValues();
    m_bSwitching = false;
}

void CTagsBar::RefreshValues()
{
    if (!m_pList)
        return;
    const int channel = StoreChannel();
    m_pList->setUpdatesEnabled(false);
    for (int row = 0; row < m_pList->GetItemCount(); ++row) {
        if (RowData(m_pList, row) == kMyStationRow)
            continue;
        const CTag* tag = Tags().FindByTitle(m_pList->GetItemText(row, 0));
        if (!tag)
            continue;
        const QString& value = tag->Value(channel);
        if (m_pList->GetItemText(row, 1) != value)
            m_pList->SetItemText(row, 1, value);
    }
    m_pList->setUpdatesEnabled(true);
    m_pList->viewport()->update();
}

void CTagsBar::SaveIfNeeded()
{
    // A keystroke whose notice is still queued counts as an edit of the
    // channel shown now, not of the one shown after a switch.
    if (!m_bSwitching) {
        QCoreApplication::sendPostedEvents(this, int(RegisteredMessage::nMsgNewValue));
        QCoreApplication::sendPostedEvents(this, int(RegisteredMessage::nMsgSaveNeeded));
    }
    m_saveTimer.stop();
    bool saved = true;
    if (m_bSavePending) {
        StoreListedValues();
        saved = Tags().SaveDefault(false);
        m_bSavePending = false;
    }
    // The heading goes on saying when the values are not in the file.
    if (m_pList)
        m_pList->headerItem()->setText(1, saved ? QStringLiteral("Value") : QStringLiteral("Value *"));
}

void CTagsBar::OnNewValue()
{
    PostRegisteredMessage(this, RegisteredMessage::nMsgSaveNeeded, 0, 0);
    StoreListedValues();
    if (ISuperView* super = TheApp().GetSuperView())
        SendRegisteredMessage(super->GetWidget(), RegisteredMessage::nMsgReloadTags, 0, 0);
}

void CTagsBar::StoreListedValues()
{
    // Stored as typed, but for a locator still being typed: the keeper
    // takes that once it is kept.
    const int channel = StoreChannel();
    for (int row = 0; m_pList && row < m_pList->GetItemCount(); ++row)
        if (RowData(m_pList, row) != kMyStationRow && CTagValueKeeper::TakesTyping(*m_pList, row))
            Tags().SetValue(m_pList->GetItemText(row, 0), m_pList->GetItemText(row, 1), channel);
}

void CTagsBar::OnSaveNeeded()
{
    if (m_bSwitching)
        return;
    m_saveTimer.start(kSaveDelayMs);
    m_bSavePending = true;
    if (m_pList)
        m_pList->headerItem()->setText(1, QStringLiteral("Value *"));
}

void CTagsBar::SetTagValue(const QString& strTitle, const QString& strValue)
{
    if (!Tags().SetValue(strTitle, strValue, StoreChannel())) {
        platform::messageBox(this, LocatorRefusal(strValue), QStringLiteral("Tags"),
                             platform::MB_OK | int(platform::MB_ICONWARNING));
        return;
    }
    const QString upper = strValue.toUpper();
    if (IsValidLocator(upper)) {
        LocatorBuffer() = upper;
        if (CMainFrame* frame = GetMainFrame())
            SendRegisteredMessage(frame, RegisteredMessage::nMsgLocator, 0, reinterpret_cast<intptr_t>(&LocatorBuffer()));
    }
    RefreshValues();
    // An own-station value lives in the tags file: without this it would be
    // lost when the program ends before any other edit.
    const CTag* tag = Tags().FindByTitle(strTitle);
    if (tag && tag->m_bOwnStation)
        OnSaveNeeded();
}

void CTagsBar::GetTitlesAndValues(QStringList& titles, QStringList& values) const
{
    if (!m_pList)
        return;
    for (int row = 0; row < m_pList->GetItemCount(); ++row) {
        if (RowData(m_pList, row) == kMyStationRow)
            continue;
        titles.append(m_pList->GetItemText(row, 0));
        values.append(m_pList->GetItemText(row, 1));
    }
}

void CTagsBar::GetOwnTitlesAndValues(QStringList& titles, QStringList& values)
{
    const bool hidden = !m_bShowOwn;
    if (hidden) {
        m_bShowOwn = true;
        FillList(Tags());
    }
    for (int row = 0; m_pList && row < m_pList->GetItemCount(); ++row) {
        const intptr_t data = RowData(m_pList, row);
        if (data < 0 && data != kMyStationRow) {
            titles.append(m_pList->GetItemText(row, 0));
            values.append(m_pList->GetItemText(row, 1));
        }
    }
    if (hidden) {
        m_bShowOwn = false;
        FillList(Tags());
    }
}

void CTagsBar::LookupValues(const QStringList& titles, QStringList& values) const
{
    values.clear();
    for (qsizetype i = 0; i < titles.size(); ++i)
        values.append(QString());
    for (int row = 0; m_pList && row < m_pList->GetItemCount(); ++row) {
        const QString title = m_pList->GetItemText(row, 0);
        for (qsizetype i = 0; i < titles.size(); ++i)
            if (titles[i].compare(title, Qt::CaseInsensitive) == 0)
                values[i] = m_pList->GetItemText(row, 1);
    }
    if (!m_bShowOwn) {
        for (qsizetype i = 0; i < titles.size(); ++i) {
            const CTag* tag = Tags().FindByTitle(titles[i]);
            if (tag && tag->m_bOwnStation)
                values[i] = tag->m_strValue;
        }
    }
}

void CTagsBar::SetValuesFromMacro(const QStringList& titles, const QStringList& values, bool bIncludeOwn)
{
    const bool shownForThis = bIncludeOwn && !m_bShowOwn;
    if (shownForThis) {
        m_bShowOwn = true;
        FillList(Tags());
    }
    for (int row = 0; m_pList && row < m_pList->GetItemCount(); ++row) {
        if (RowData(m_pList, row) == kMyStationRow)
            continue;
        const QString title = m_pList->GetItemText(row, 0);
        for (qsizetype i = 0; i < titles.size() && i < values.size(); ++i) {
            if (titles[i].compare(title, Qt::CaseInsensitive) == 0 && m_pList->GetItemText(row, 1) != values[i]) {
                m_pList->SetItemText(row, 1, values[i]);
                m_bSavePending = true;
            }
        }
    }
    SaveIfNeeded();
    if (shownForThis) {
        m_bShowOwn = false;
        FillList(Tags());
    }
}

QString CTagsBar::GetValueText(int nRow) const
{
    return m_pList && nRow >= 0 && nRow < m_pList->GetItemCount() ? m_pList->GetItemText(nRow, 1) : QString();
}

void CTagsBar::ClearValues()
{
    if (!m_pList)
        return;
    m_pList->setFocus();
    for (int row = 0; row < m_pList->GetItemCount(); ++row)
        if (RowData(m_pList, row) >= 0)
            m_pList->SetItemText(row, 1, QString());
    PostRegisteredMessage(this, RegisteredMessage::nMsgNewValue, 0, 0);
}

void CTagsBar::OnPerChannelChanged()
{
    setFocus();
    if (m_pList)
        m_pList->headerItem()->setText(
            0, CurrentSettings().m_bTagsPerChannel ? ChannelCaption(m_nShownChannel) : QStringLiteral("Tag"));
    RefreshValues();
}

bool CTagsBar::event(QEvent* event)
{
    const uint32_t msg = uint32_t(event->type());
    if (msg == RegisteredMessage::nMsgNewValue) {
        OnNewValue();
        return true;
    }
    if (msg == RegisteredMessage::nMsgSaveNeeded) {
        OnSaveNeeded();
        return true;
    }
    if (auto* tag = CRegisteredEvent::As(event, RegisteredMessage::nMsgTag)) {
        if (tag->lParam() == -1) {
            m_bShowOwn = !m_bShowOwn;
            CRegistry().WriteInt(QStringLiteral("CTagsBar::m_bShowOwn"), m_bShowOwn ? 1 : 0);
            FillList(Tags());
        }
        return true;
    }
    return CSizingControlBarG::event(event);
}

bool CTagsBar::eventFilter(QObject* watched, QEvent* event)
{
    if (m_pList && watched == m_pList->viewport() && event->type() == QEvent::Resize)
        SizeColumns();
    if (watched == m_pList && event->type() == QEvent::ContextMenu) {
        contextMenuEvent(static_cast<QContextMenuEvent*>(event));
        return true;
    }
    return CSizingControlBarG::eventFilter(watched, event);
}

void CTagsBar::contextMenuEvent(QContextMenuEvent* event)
{
    CMainFrame* frame = GetMainFrame();
    QMenu menu(this);
    menu.setTitle(QStringLiteral("Tags"));
    auto add = [&menu](int id, const QString& text) {
        QAction* a = menu.addAction(text);
        a->setData(id);
        return a;
    };
    add(33339, QStringLiteral("&Manager"));
    menu.addSeparator();
    add(33538, QStringLiteral("&Clear Values"));
    QAction* perChannel = add(33514, QStringLiteral("&Per-channel Tags"));
    perChannel->setCheckable(true);
    perChannel->setChecked(CurrentSettings().m_bTagsPerChannel != 0);
    QAction* chosen = g_menuRunner ? g_menuRunner(menu, event->globalPos()) : menu.exec(event->globalPos());
    if (chosen && frame)
        frame->OnCommand(chosen->data().toInt());
}
