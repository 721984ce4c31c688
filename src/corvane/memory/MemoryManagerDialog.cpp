#include "corvane/memory/MemoryManagerDialog.h"

#include "corvane/core/MainFrame.h"
#include "corvane/core/RadioApp.h"
#include "corvane/core/DisplayViewHooks.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/memory/BarMeterProgress.h"
#include "corvane/memory/MemoryArchiveCheck.h"
#include "corvane/memory/MemoryChannelEditorDialog.h"
#include "corvane/memory/MemorySortDialog.h"
#include "corvane/memory/MemoryTransfer.h"
#include "corvane/memory/SaveChangesDialog.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "shared/ImageList.h"
#include "shared/ImageListBuilder.h"
#include "shared/RegisteredEvent.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/OwnListCtrl.h"

#include <QApplication>
#include <QHash>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

namespace {
constexpr int kArchiveKind = 5;
constexpr COLORREF kMagenta = RGB(255, 0, 255);
const char* const kCommandId = "commandId";

enum LiveColumn { LIVE_IMAGE, LIVE_CHANNEL, LIVE_LABEL, LIVE_RX, LIVE_TX, LIVE_MODE };
enum ArchiveColumn { ARCHIVE_IMAGE, ARCHIVE_LABEL, ARCHIVE_RX, ARCHIVE_TX, ARCHIVE_MODE };

struct CommandInfo {
    unsigned id;
    const char* prompt;
    const char* glyph;  // drawn on the toolbar button
    QRgb colour;
};

// Live-list commands are blue, archive commands brown, the others grey.
constexpr QRgb kLive = 0xFF2A5D9F;
constexpr QRgb kArchive = 0xFF8A5A2B;
constexpr QRgb kOther = 0xFF5A5A5A;

const CommandInfo kCommands[] = {
    {CMemoryManagerDialog::ID_AUTOFIT, "Autofit column widths\nAutofit Column Widths", "<>", kOther},
    {CMemoryManagerDialog::ID_CLOSE, "Close\nClose", "x", kOther},
    {CMemoryManagerDialog::ID_MEMORY_NEW, "Create a new entry\nMemory: New Entry", "+", kLive},
    {CMemoryManagerDialog::ID_MEMORY_COPY, "Copy the selected entry\nMemory: Copy Entry", "C", kLive},
    {CMemoryManagerDialog::ID_MEMORY_EDIT, "Edit the selected entry\nMemory: Edit Entry", "E", kLive},
    {CMemoryManagerDialog::ID_MEMORY_ERASE, "Erase this entry\nMemory: Erase Entry", "X", kLive},
    {CMemoryManagerDialog::ID_MEMORY_DUPLICATES, "Remove duplicate entries\nMemory: Remove Duplicates", "=", kLive},
    {CMemoryManagerDialog::ID_MEMORY_ENABLE, "Enable the selected entry\nMemory: Enable Entry", "on", kLive},
    {CMemoryManagerDialog::ID_MEMORY_DISABLE, "Disable the selected entry\nMemory: Disable Entry", "off", kLive},
    {CMemoryManagerDialog::ID_MEMORY_SAVE_VFO,
     "Save current FT-817 configuration to memory\nSave current VFO  to Memory", "V", kOther},
    {CMemoryManagerDialog::ID_MEMORY_SAVE_FILE, "Save memory definitions to file\nMemory: Save to File", "S", kLive},
    {CMemoryManagerDialog::ID_MEMORY_LOAD_FILE, "Load definitions from file\nMemory: Load from File", "L", kLive},
    {CMemoryManagerDialog::ID_MEMORY_UP, "Move current entry up one place\nMemory: Move Up", "^", kLive},
    {CMemoryManagerDialog::ID_MEMORY_DOWN, "Move current entry down one place\nMemory: Move Down", "v", kLive},
    {CMemoryManagerDialog::ID_MEMORY_SORT, "Sort entries\nMemory: Sort", "az", kLive},
    {CMemoryManagerDialog::ID_MEMORY_AUTOFIT, "Autofit column widths\nAutofit Column Widths", "<>", kLive},
    {CMemoryManagerDialog::ID_MEMORY_RELOAD, "Reload from the FT-817\nMemory: Reload", "R", kLive},
    {CMemoryManagerDialog::ID_ARCHIVE_EDIT, "Edit the selected entry\nArchive: Edit Entry", "E", kArchive},
    {CMemoryManagerDialog::ID_ARCHIVE_ERASE, "Erase the selected entry\nArchive: Erase Entry", "X", kArchive},
    {CMemoryManagerDialog::ID_ARCHIVE_DUPLICATES, "Remove duplicate entries\nArchive: Remove Duplicates", "=",
     kArchive},
    {CMemoryManagerDialog::ID_ARCHIVE_SORT, "Sort entries\nArchive: Sort", "az", kArchive},
    {CMemoryManagerDialog::ID_ARCHIVE_LOAD_FILE, "Load archive definitions from file\nArchive: Load from File", "L",
     kArchive},
    {CMemoryManagerDialog::ID_ARCHIVE_SAVE_FILE, "Save archive definitions to file\nArchive: Save to File", "S",
     kArchive},
    {CMemoryManagerDialog::ID_ARCHIVE_AUTOFIT, "Autofit column widths\nAutofit Column Widths", "<>", kArchive},
};

const CommandInfo* commandInfo(unsigned id)
{
    for (const CommandInfo& c : kCommands)
        if (c.id == id)
            return &c;
    return nullptr;
}

QString prompt(unsigned id)
{
    const CommandInfo* c = commandInfo(id);
    return c ? QString::fromLatin1(c->prompt) : QString();
}

// The toolbar picture of a command, by the glyph that stands for it.
QString pictureName(const CommandInfo& c)
{
    static const QHash<QString, const char*> names{
        {QStringLiteral("<>"), "autofit-columns"}, {QStringLiteral("+"), "list-add"},
        {QStringLiteral("C"), "edit-copy"},        {QStringLiteral("E"), "document-properties"},
        {QStringLiteral("X"), "edit-delete"},      {QStringLiteral("="), "memory-duplicates"},
        {QStringLiteral("on"), "memory-enable"},   {QStringLiteral("off"), "memory-disable"},
        {QStringLiteral("V"), "memory-save-vfo"},  {QStringLiteral("S"), "document-save-as"},
        {QStringLiteral("L"), "document-open"},    {QStringLiteral("^"), "go-up"},
        {QStringLiteral("v"), "go-down"},          {QStringLiteral("az"), "view-sort-ascending"},
        {QStringLiteral("R"), "view-refresh"},
    };
    const char* name = names.value(QString::fromLatin1(c.glyph), nullptr);
    return name ? QString::fromLatin1(name) : QString();
}

// A 20 x 20 toolbar picture: the command's glyph on its colour.
QImage buttonImage(const CommandInfo& c)
{
    QImage image(20, 20, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(c.colour).darker(140));
    p.setBrush(QColor(c.colour));
    p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 3, 3);
    QFont font = QApplication::font();
    font.setPixelSize(strlen(c.glyph) > 2 ? 8 : 11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, QString::fromLatin1(c.glyph));
    return image;
}

void highlight(CColourStatic* label)
{
    const QPalette p = QApplication::palette();
    label->SetColours(fromQColor(p.color(QPalette::Highlight)), fromQColor(p.color(QPalette::HighlightedText)));
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

int box(QWidget* parent, const QString& text, const QString& caption, int style)
{
    return platform::messageBox(parent, text, caption, style);
}
} // namespace

void CMemoryManagerDialog::RegisterToolbar()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    const unsigned order[] = {ID_MEMORY_SAVE_VFO, ID_AUTOFIT,         0,
                              ID_MEMORY_NEW,      ID_MEMORY_COPY,     ID_MEMORY_EDIT,
                              ID_MEMORY_ERASE,    ID_MEMORY_ENABLE,   ID_MEMORY_DISABLE,
                              ID_MEMORY_SORT,     ID_MEMORY_UP,       ID_MEMORY_DOWN,
                              ID_MEMORY_RELOAD,   ID_MEMORY_SAVE_FILE, ID_MEMORY_LOAD_FILE,
                              0,                  ID_ARCHIVE_EDIT,    0,
                              ID_ARCHIVE_ERASE,   ID_ARCHIVE_SORT,    ID_ARCHIVE_SAVE_FILE,
                              ID_ARCHIVE_LOAD_FILE};
    QList<ToolbarButton> buttons;
    for (unsigned id : order) {
        if (id == 0) {
            buttons << ToolbarButton{0, QImage(), QString()};
            continue;
        }
        const CommandInfo* c = commandInfo(id);
        buttons << ToolbarButton{id, buttonImage(*c), QString::fromLatin1(c->prompt), pictureName(*c)};
    }
    RegisterToolbarResource(kMenuId, buttons);
}

CMemoryManagerDialog::CMemoryManagerDialog(QWidget* pParent, bool bSaveToMemory)
    : CBaseDialog(kTemplateId, pParent), m_bSaveToMemory(bSaveToMemory)
{
    RegisterToolbar();
    setWindowTitle(QStringLiteral("Memory Manager"));
    resize(780, 500);

    BuildMenus();
    m_pToolBar = new CBaseDialogToolBar(this);
    m_pToolBar->setIconSize(QSize(20, 20));
    m_pToolBar->LoadToolBar(kMenuId);
    connect(m_pToolBar, &CBaseDialogToolBar::command, this, [this](unsigned id) { OnCommand(id); });
    const int menuHeight = m_pMenuBar->sizeHint().height();
    const int barHeight = m_pToolBar->sizeHint().height();
    m_pMenuBar->setGeometry(0, 0, width(), menuHeight);
    m_pToolBar->setGeometry(0, menuHeight, width(), barHeight);
    const int top = menuHeight + barHeight + 6;
    const int listHeight = 500 - top - 24 - 48;

    m_pLiveCaption = new CColourStatic(QStringLiteral("FT-817 Memories"), this);
    SetDlgCtrlID(m_pLiveCaption, IDC_LIVE_CAPTION);
    m_pLiveCaption->setGeometry(8, top, 360, 20);
    m_pArchiveCaption = new CColourStatic(QStringLiteral("File Archive"), this);
    SetDlgCtrlID(m_pArchiveCaption, IDC_ARCHIVE_CAPTION);
    m_pArchiveCaption->setGeometry(412, top, 360, 20);
    m_pLive = new COwnListCtrl(this);
    SetDlgCtrlID(m_pLive, IDC_LIVE);
    m_pLive->setGeometry(8, top + 24, 360, listHeight);
    m_pArchive = new COwnListCtrl(this);
    SetDlgCtrlID(m_pArchive, IDC_ARCHIVE);
    m_pArchive->setGeometry(412, top + 24, 360, listHeight);

    auto button = [this](unsigned id, const QString& text, int y) {
        auto* b = new COXBitmapButton(this);
        SetDlgCtrlID(b, id);
        b->SetButtonText(text);
        b->setGeometry(372, y, 36, 28);
        return b;
    };
    const int middle = top + 24 + listHeight / 2;
    m_pFromArchive = button(IDC_FROM_ARCHIVE, QStringLiteral("<"), middle - 50);
    m_pToArchive = button(IDC_TO_ARCHIVE, QStringLiteral(">"), middle - 14);
    m_pAllToArchive = button(IDC_ALL_TO_ARCHIVE, QStringLiteral(">>"), middle + 22);

    const int bottom = top + 24 + listHeight + 10;
    m_pSave = new COXBitmapButton(this);
    SetDlgCtrlID(m_pSave, IDC_SAVE);
    m_pSave->SetButtonText(QStringLiteral("&Save"));
    m_pSave->setGeometry(8, bottom, 96, 30);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, 1);
    ok->setGeometry(112, bottom, 80, 30);
    ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, 2);
    cancel->setGeometry(200, bottom, 80, 30);
    cancel->setAutoDefault(false);
    m_pProgress = new CBarMeter(this);
    SetDlgCtrlID(m_pProgress, IDC_PROGRESS);
    m_pProgress->setGeometry(300, bottom + 3, 472, 24);
    m_pProgress->hide();

    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pSave, &QPushButton::clicked, this, &CMemoryManagerDialog::OnSave);
    connect(m_pFromArchive, &QPushButton::clicked, this, &CMemoryManagerDialog::OnFromArchive);
    connect(m_pToArchive, &QPushButton::clicked, this, [this] { OnToArchive(false); });
    connect(m_pAllToArchive, &QPushButton::clicked, this, [this] { OnToArchive(true); });
    connect(m_pLive, &QTreeWidget::itemSelectionChanged, this, &CMemoryManagerDialog::OnLiveSelectionChanged);
    connect(m_pArchive, &QTreeWidget::itemSelectionChanged, this, &CMemoryManagerDialog::UpdateCopyButtons);
    connect(m_pLive, &QTreeWidget::itemDoubleClicked, this, [this] { OnLiveDoubleClick(); });
    connect(m_pArchive, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (IsCommandEnabled(ID_ARCHIVE_EDIT))
            EditArchive();
    });
    // The right button opens the list's own menu at the cursor.
    for (COwnListCtrl* list : {m_pLive, m_pArchive}) {
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this, [this, list](const QPoint& pos) {
            UpdateMenuCmdUI();
            (list == m_pLive ? m_pMemoryMenu : m_pArchiveMenu)->popup(list->viewport()->mapToGlobal(pos));
        });
    }

    const DialogGeometry::AnchorRow anchors[] = {
        {IDC_LIVE_CAPTION, 1, 0, 0, 0},   {IDC_ARCHIVE_CAPTION, 1, 0, 1, 0}, {IDC_LIVE, 1, 2, 0, 0},
        {IDC_ARCHIVE, 1, 2, 1, 0},        {IDC_TO_ARCHIVE, 0, 0, 1, 1},      {IDC_ALL_TO_ARCHIVE, 0, 0, 1, 1},
        {IDC_FROM_ARCHIVE, 0, 0, 1, 1},   {2, 0, 0, 0, 2},                   {1, 0, 0, 0, 2},
        {IDC_SAVE, 0, 0, 0, 2},           {IDC_PROGRESS, 2, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CMemoryManagerDialog::~CMemoryManagerDialog() = default;

void CMemoryManagerDialog::BuildMenus()
{
    m_pMenuBar = new QMenuBar(this);
    auto add = [this](QMenu* menu, unsigned id, const char* text) {
        QAction* action = menu->addAction(QString::fromLatin1(text));
        action->setProperty(kCommandId, id);
        const QString p = prompt(id);
        action->setStatusTip(p.section(QLatin1Char('\n'), 0, 0));
        action->setToolTip(p.section(QLatin1Char('\n'), 1));
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
    };
    QMenu* file = m_pMenuBar->addMenu(QStringLiteral("&File"));
    add(file, ID_AUTOFIT, "AutoFit Columns");
    file->addSeparator();
    add(file, ID_CLOSE, "&Close");
    m_pMemoryMenu = m_pMenuBar->addMenu(QStringLiteral("&Memory"));
    add(m_pMemoryMenu, ID_MEMORY_NEW, "Ne&w");
    add(m_pMemoryMenu, ID_MEMORY_COPY, "&Copy");
    add(m_pMemoryMenu, ID_MEMORY_EDIT, "&Edit");
    add(m_pMemoryMenu, ID_MEMORY_ERASE, "Erase");
    add(m_pMemoryMenu, ID_MEMORY_DUPLICATES, "Remove Duplicates");
    m_pMemoryMenu->addSeparator();
    add(m_pMemoryMenu, ID_MEMORY_ENABLE, "E&nable");
    add(m_pMemoryMenu, ID_MEMORY_DISABLE, "&Disable");
    m_pMemoryMenu->addSeparator();
    add(m_pMemoryMenu, ID_MEMORY_SAVE_VFO, "&Add to memory");
    add(m_pMemoryMenu, ID_MEMORY_SAVE_VFO, "Save to Memor&y");
    m_pMemoryMenu->addSeparator();
    add(m_pMemoryMenu, ID_MEMORY_SAVE_FILE, "Sa&ve to file");
    add(m_pMemoryMenu, ID_MEMORY_LOAD_FILE, "&Load from file");
    m_pMemoryMenu->addSeparator();
    add(m_pMemoryMenu, ID_MEMORY_UP, "Move &up");
    add(m_pMemoryMenu, ID_MEMORY_DOWN, "&Move down");
    add(m_pMemoryMenu, ID_MEMORY_SORT, "&Sort");
    add(m_pMemoryMenu, ID_MEMORY_AUTOFIT, "AutoFit Columns");
    m_pMemoryMenu->addSeparator();
    add(m_pMemoryMenu, ID_MEMORY_RELOAD, "&Reload");
    m_pArchiveMenu = m_pMenuBar->addMenu(QStringLiteral("&Archive"));
    add(m_pArchiveMenu, ID_ARCHIVE_EDIT, "&Edit");
    add(m_pArchiveMenu, ID_ARCHIVE_ERASE, "E&rase");
    add(m_pArchiveMenu, ID_ARCHIVE_DUPLICATES, "Remove &Duplicates");
    add(m_pArchiveMenu, ID_ARCHIVE_SORT, "&Sort");
    m_pArchiveMenu->addSeparator();
    add(m_pArchiveMenu, ID_ARCHIVE_LOAD_FILE, "&Load from file");
    add(m_pArchiveMenu, ID_ARCHIVE_SAVE_FILE, "Sa&ve to file");
    add(m_pArchiveMenu, ID_ARCHIVE_AUTOFIT, "AutoFit Columns");
}

bool CMemoryManagerDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_strInitialTitle = windowTitle();
    m_strInitialLiveCaption = m_pLiveCaption->text();
    m_strInitialArchiveCaption = m_pArchiveCaption->text();
    highlight(m_pLiveCaption);
    highlight(m_pArchiveCaption);

    m_pLive->SetColumns({{QString(), LVCFMT_LEFT},
                         {QStringLiteral("Channel"), LVCFMT_RIGHT},
                         {QStringLiteral("Label"), LVCFMT_LEFT},
                         {QStringLiteral("Rx Frequency"), LVCFMT_RIGHT},
                         {QStringLiteral("Tx Frequency"), LVCFMT_RIGHT},
                         {QStringLiteral("Mode"), LVCFMT_LEFT}});
    m_pArchive->SetColumns({{QString(), LVCFMT_LEFT},
                            {QStringLiteral("Label"), LVCFMT_LEFT},
                            {QStringLiteral("Rx Frequency"), LVCFMT_RIGHT},
                            {QStringLiteral("Tx Frequency"), LVCFMT_RIGHT},
                            {QStringLiteral("Mode"), LVCFMT_LEFT}});
    m_pLive->SetFullRowSelect();
    m_pArchive->SetFullRowSelect();
    CImageListBuilder images;
    for (unsigned id : {207u, 208u, 266u})
        images.AddBitmap(id);
    if (images.CreateMasked(kMagenta)) {
        QList<QPixmap> pictures;
        const CImageList* list = images.GetImageList();
        for (int i = 0; i < list->GetImageCount(); ++i)
            pictures << list->GetImage(i);
        m_pLive->SetImageList(pictures);
        m_pArchive->SetImageList(pictures);
    }
    PrepareButton(*m_pFromArchive, QStringLiteral("Copy from the archive to live channels."));
    PrepareButton(*m_pToArchive, QStringLiteral("Copy selected live channels to the archive."));
    PrepareButton(*m_pAllToArchive, QStringLiteral("Copy all live channels to the archive."));
    m_pSave->LoadBitmapResource(218, false, RGB(255, 0, 0));
    m_pProgress->SetShowText(true);
    UpdateTitle();
    UpdateCopyButtons();
    return true;
}

void CMemoryManagerDialog::showEvent(QShowEvent* event)
{
    CBaseDialog::showEvent(event);
    if (!m_bInitialised) {
        m_bInitialised = true;
        PostRegisteredMessage(this, RegisteredMessage::nMsgInitialise);
    }
}

void CMemoryManagerDialog::resizeEvent(QResizeEvent* event)
{
    CBaseDialog::resizeEvent(event);
    if (m_pMenuBar)
        m_pMenuBar->resize(width(), m_pMenuBar->height());
    if (m_pToolBar)
        m_pToolBar->resize(width(), m_pToolBar->height());
}

bool CMemoryManagerDialog::event(QEvent* event)
{
    if (CRegisteredEvent::As(event, RegisteredMessage::nMsgInitialise)) {
        OnInitialise();
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgSelect)) {
        // The editor moved to another entry: show it here too.
        const int index = int(m->wParam());
        COwnListCtrl* list = m->lParam() ? m_pLive : m_pArchive;
        if (index >= 0 && index < list->GetItemCount()) {
            list->DeselectAll();
            list->SelectItem(index, true);
        }
        return true;
    }
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgUpdate)) {
        // The editor stored an entry.
        const int index = int(m->wParam());
        if (m->lParam()) {
            m_model.SetLiveModified(true);
            RefreshLiveRow(index);
        } else {
            m_model.SetArchiveModified(true);
            RefreshArchiveRow(index);
        }
        UpdateTitle();
        return true;
    }
    return CBaseDialog::event(event);
}

void CMemoryManagerDialog::OnInitialise()
{
    {
        WaitCursor wait;
        repaint();
        LoadLive(true, true);
        RefreshArchive(true);
    }
    if (m_bSaveToMemory)
        SaveToMemory();
}

// ---------------------------------------------------------------- lists

void CMemoryManagerDialog::LoadLive(bool bRead, bool bFitColumns)
{
    CRadioMemoryList& live = m_model.Live();
    if (bRead) {
        m_pProgress->SetRange(0, live.GetCount());
        m_pProgress->show();
        CBarMeterProgress progress(m_pProgress);
        const bool ok = CMemoryTransfer::LoadAll(live, true, &progress);
        m_model.SetLiveRead(ok);
        m_model.SetLiveModified(false);
        if (!ok) {
            const QString what = CMemoryTransfer::BitmapRead()
                                     ? QStringLiteral("These memory channels could not be read from the FT-817: %1.")
                                           .arg(CMemoryTransfer::FailedChannelNames())
                                     : QStringLiteral("The memory channels could not be read from the FT-817.");
            box(this, what + QStringLiteral("\n \nUse Reload to read them again; until then the memory ") +
                          QStringLiteral("cannot be changed."),
                QStringLiteral("Memory Manager"), platform::MB_ICONERROR);
        }
    }
    while (m_pLive->GetItemCount() < live.GetCount())
        m_pLive->InsertItem(m_pLive->GetItemCount(), QString(), 4);
    while (m_pLive->GetItemCount() > live.GetCount())
        m_pLive->DeleteItem(m_pLive->GetItemCount() - 1);
    RefreshLiveRows();
    if (bFitColumns)
        m_pLive->AutoSizeColumns();
    repaint();
    if (bRead)
        m_pProgress->hide();
    UpdateTitle();
    UpdateCopyButtons();
}

void CMemoryManagerDialog::RefreshLiveRows()
{
    for (int i = 0; i < m_model.Live().GetCount(); ++i)
        RefreshLiveRow(i);
}

void CMemoryManagerDialog::RefreshLiveRow(int nChannel)
{
    const CMemoryChannel* c = m_model.Live().GetChannel(nChannel);
    if (!c || nChannel >= m_pLive->GetItemCount())
        return;
    m_pLive->SetItemText(nChannel, LIVE_CHANNEL, m_model.LiveChannelText(nChannel));
    m_pLive->SetItemData(nChannel, c->HasFrequency() ? 1 : 0);
    m_pLive->SetItemImage(nChannel, m_model.LiveImage(nChannel));
    if (c->HasFrequency()) {
        m_pLive->SetItemText(nChannel, LIVE_LABEL, c->IsTagOn() ? c->GetTag() : QString());
        m_pLive->SetItemText(nChannel, LIVE_RX, c->GetRxFrequencyText());
        m_pLive->SetItemText(nChannel, LIVE_TX, c->GetTxFrequencyText());
        m_pLive->SetItemText(nChannel, LIVE_MODE, CMemoryManagerModel::ModeColumnText(*c));
    } else {
        for (int column : {LIVE_LABEL, LIVE_RX, LIVE_TX, LIVE_MODE})
            m_pLive->SetItemText(nChannel, column, QString());
    }
}

void CMemoryManagerDialog::RefreshArchive(bool bReload)
{
    CRadioMemoryList& archive = m_model.Archive();
    if (bReload) {
        archive.RemoveAll();
        archive.LoadKind(kArchiveKind);
        // A memory list saved whole holds every empty channel too.
        m_model.DropEmptyArchiveEntries();
    }
    while (m_pArchive->GetItemCount() < archive.GetCount())
        m_pArchive->InsertItem(m_pArchive->GetItemCount(), QString(), 2);
    while (m_pArchive->GetItemCount() > archive.GetCount())
        m_pArchive->DeleteItem(m_pArchive->GetItemCount() - 1);
    for (int i = 0; i < archive.GetCount(); ++i)
        RefreshArchiveRow(i);
    m_pArchive->AutoSizeColumns();
    repaint();
    UpdateTitle();
    UpdateCopyButtons();
}

void CMemoryManagerDialog::RefreshArchiveRow(int nIndex)
{
    const CMemoryChannel* c = m_model.Archive().GetChannel(nIndex);
    if (!c || nIndex >= m_pArchive->GetItemCount())
        return;
    if (!c->HasFrequency()) {
        // As in the live list: an entry without data shows nothing.
        m_pArchive->SetItemImage(nIndex, 4);
        for (int column : {ARCHIVE_LABEL, ARCHIVE_RX, ARCHIVE_TX, ARCHIVE_MODE})
            m_pArchive->SetItemText(nIndex, column, QString());
        return;
    }
    m_pArchive->SetItemImage(nIndex, c->IsUsed() ? 0 : 2);
    m_pArchive->SetItemText(nIndex, ARCHIVE_LABEL, c->GetTag());
    m_pArchive->SetItemText(nIndex, ARCHIVE_RX, c->GetRxFrequencyText());
    m_pArchive->SetItemText(nIndex, ARCHIVE_TX, c->GetTxFrequencyText());
    m_pArchive->SetItemText(nIndex, ARCHIVE_MODE, c->GetModeText());
}

void CMemoryManagerDialog::UpdateTitle()
{
    const bool modified = m_model.IsLiveModified() || m_model.IsArchiveModified();
    setWindowTitle(modified ? m_strInitialTitle + QStringLiteral(" (save needed)") : m_strInitialTitle);
    m_pArchiveCaption->setText(m_strInitialArchiveCaption +
                               (m_model.IsArchiveModified() ? QStringLiteral(" *") : QString()));
    m_pLiveCaption->setText(m_strInitialLiveCaption + (m_model.IsLiveModified() ? QStringLiteral(" *") : QString()));
    m_pSave->setEnabled(modified);
}

QList<int> CMemoryManagerDialog::LiveSelection() const
{
    QList<int> selection;
    for (int i = 0; i < m_pLive->GetItemCount(); ++i)
        if (m_pLive->IsItemSelected(i))
            selection << i;
    return selection;
}

QList<int> CMemoryManagerDialog::ArchiveSelection() const
{
    QList<int> selection;
    for (int i = 0; i < m_pArchive->GetItemCount(); ++i)
        if (m_pArchive->IsItemSelected(i))
            selection << i;
    return selection;
}

void CMemoryManagerDialog::SelectLive(int nChannel, bool bOnly)
{
    if (bOnly)
        m_pLive->DeselectAll();
    m_pLive->SelectItem(nChannel, true);
}

void CMemoryManagerDialog::UpdateCopyButtons()
{
    const QList<int> live = LiveSelection();
    bool selectedData = false;
    m_bEnableAllowed = m_bDisableAllowed = false;
    for (int i : live) {
        selectedData = selectedData || m_model.HoldsData(i);
        const int image = m_model.LiveImage(i);
        m_bEnableAllowed = m_bEnableAllowed || image == 2;
        m_bDisableAllowed = m_bDisableAllowed || image == 0;
    }
    const bool allowed = LiveCommandsAllowed();
    m_pFromArchive->Enable(allowed && m_pArchive->HasSelection());
    m_pToArchive->Enable(allowed && selectedData);
    m_pAllToArchive->Enable(allowed && m_pLive->GetItemCount() > 0);
}

void CMemoryManagerDialog::OnLiveSelectionChanged()
{
    UpdateCopyButtons();
}

COXBitmapButton* CMemoryManagerDialog::GetButton(unsigned nId) const
{
    switch (nId) {
    case IDC_FROM_ARCHIVE: return m_pFromArchive;
    case IDC_TO_ARCHIVE: return m_pToArchive;
    case IDC_ALL_TO_ARCHIVE: return m_pAllToArchive;
    case IDC_SAVE: return m_pSave;
    default: return nullptr;
    }
}

// ---------------------------------------------------------------- commands

bool CMemoryManagerDialog::IsCommandEnabled(unsigned nId)
{
    CCmdUI ui;
    ui.m_nID = nId;
    OnUpdateCommand(ui);
    return !ui.m_bEnableSet || ui.m_bEnabled;
}

void CMemoryManagerDialog::OnUpdateCommand(CCmdUI& cmdUI)
{
    const QList<int> live = LiveSelection();
    const int liveCount = m_pLive->GetItemCount();
    const bool single = live.size() == 1;
    const bool read = LiveCommandsAllowed();
    const int archiveCount = m_model.Archive().GetCount();
    bool enabled = true;
    switch (cmdUI.m_nID) {
    case ID_AUTOFIT: enabled = liveCount > 0; break;
    case ID_CLOSE:
    case ID_MEMORY_AUTOFIT:
    case ID_ARCHIVE_AUTOFIT: enabled = true; break;
    case ID_MEMORY_RELOAD: enabled = liveCount > 0; break;
    case ID_MEMORY_NEW:
    case ID_MEMORY_SAVE_VFO:
    case ID_MEMORY_SAVE_FILE:
    case ID_MEMORY_LOAD_FILE:
    case ID_MEMORY_SORT: enabled = read && liveCount > 0; break;
    case ID_MEMORY_COPY:
    case ID_MEMORY_EDIT: enabled = read && single && m_model.HoldsData(live.first()); break;
    case ID_MEMORY_ERASE: enabled = read && !live.isEmpty(); break;
    case ID_MEMORY_DUPLICATES: enabled = read && liveCount > 1; break;
    case ID_MEMORY_ENABLE: enabled = read && m_bEnableAllowed; break;
    case ID_MEMORY_DISABLE: enabled = read && m_bDisableAllowed; break;
    case ID_MEMORY_UP: enabled = read && m_model.CanMoveUp(live); break;
    case ID_MEMORY_DOWN: enabled = read && m_model.CanMoveDown(live); break;
    case ID_ARCHIVE_EDIT: enabled = ArchiveSelection().size() == 1; break;
    case ID_ARCHIVE_ERASE: enabled = m_pArchive->HasSelection(); break;
    case ID_ARCHIVE_DUPLICATES:
    case ID_ARCHIVE_SORT: enabled = archiveCount > 1; break;
    case ID_ARCHIVE_LOAD_FILE: enabled = liveCount > 0; break;
    case ID_ARCHIVE_SAVE_FILE: enabled = archiveCount > 0; break;
    default: return;
    }
    cmdUI.Enable(enabled);
}

bool CMemoryManagerDialog::OnCommand(unsigned nId)
{
    if (!IsCommandEnabled(nId))
        return true;
    switch (nId) {
    case ID_AUTOFIT:
        m_pLive->AutoSizeColumns();
        m_pArchive->AutoSizeColumns();
        break;
    case ID_CLOSE: OnCancel(); break;
    case ID_MEMORY_AUTOFIT: m_pLive->AutoSizeColumns(); break;
    case ID_ARCHIVE_AUTOFIT: m_pArchive->AutoSizeColumns(); break;
    case ID_MEMORY_NEW: NewLive(); break;
    case ID_MEMORY_COPY: CopyLive(); break;
    case ID_MEMORY_EDIT: EditLive(); break;
    case ID_MEMORY_ERASE: EraseLive(); break;
    case ID_MEMORY_DUPLICATES: RemoveLiveDuplicates(); break;
    case ID_MEMORY_ENABLE: EnableLive(); break;
    case ID_MEMORY_DISABLE: DisableLive(); break;
    case ID_MEMORY_SAVE_VFO: SaveToMemory(); break;
    case ID_MEMORY_SAVE_FILE: SaveLiveToFile(); break;
    case ID_MEMORY_LOAD_FILE: LoadLiveFromFile(); break;
    case ID_MEMORY_UP: MoveLive(true); break;
    case ID_MEMORY_DOWN: MoveLive(false); break;
    case ID_MEMORY_SORT: SortLive(); break;
    case ID_MEMORY_RELOAD: ReloadLive(); break;
    case ID_ARCHIVE_EDIT: EditArchive(); break;
    case ID_ARCHIVE_ERASE: EraseArchive(); break;
    case ID_ARCHIVE_DUPLICATES: RemoveArchiveDuplicates(); break;
    case ID_ARCHIVE_SORT: SortArchive(); break;
    case ID_ARCHIVE_LOAD_FILE: LoadArchiveFromFile(); break;
    case ID_ARCHIVE_SAVE_FILE: SaveArchiveToFile(); break;
    default: return false;
    }
    return true;
}

bool CMemoryManagerDialog::RunEditor(CRadioMemoryList& list, int nIndex, bool bLive, bool* pStored)
{
    CMemoryChannelEditorDialog editor(this, &list, nIndex, bLive);
    const bool ok = editor.DoModal() == platform::IDOK;
    if (pStored)
        *pStored = editor.WasStored();
    // Rows the editor stored while stepping were refreshed by its messages;
    // refresh them all the same, the messages may still be queued.
    if (bLive)
        RefreshLiveRows();
    else
        for (int i = 0; i < list.GetCount(); ++i)
            RefreshArchiveRow(i);
    UpdateTitle();
    UpdateCopyButtons();
    return ok;
}

void CMemoryManagerDialog::OnLiveDoubleClick()
{
    const QList<int> live = LiveSelection();
    if (live.isEmpty() || !LiveCommandsAllowed())
        return;
    if (m_model.HoldsData(live.first()))
        EditLive();
    else
        NewLive();
}

void CMemoryManagerDialog::EditLive()
{
    const QList<int> live = LiveSelection();
    if (!live.isEmpty())
        RunEditor(m_model.Live(), live.first(), true);
}

void CMemoryManagerDialog::NewLive()
{
    bool select = false;
    const int target = m_model.FindNewTarget(LiveSelection(), select);
    if (target < 0) {
        box(this, QStringLiteral("There are no free memories. Select an entry, then use the edit option."),
            QStringLiteral("New Definition"), platform::MB_ICONERROR);
        return;
    }
    if (select)
        SelectLive(target, true);
    CMemoryChannel& channel = *m_model.Live().GetChannel(target);
    // Kept so that a cancelled New leaves the channel as it was.
    CRadioMemoryChannel before;
    before.CopyFrom(channel);
    const bool beforeHadBytes = channel.HasRawBytes();
    const bool beforeModified = channel.IsModified();
    const bool beforeLiveModified = m_model.IsLiveModified();
    m_model.Live().ResetChannel(target);
    channel.SetModified(true);
    m_model.SetLiveModified(true);
    RefreshLiveRow(target);
    bool stored = false;
    if (!RunEditor(m_model.Live(), target, true, &stored) && !stored) {
        if (beforeHadBytes) {
            channel.CopyFrom(before);
        } else {
            channel.Clear();
            channel.SetEmpty(before.IsUsed());
        }
        channel.SetModified(beforeModified);
        m_model.SetLiveModified(beforeLiveModified);
        RefreshLiveRow(target);
        UpdateTitle();
        UpdateCopyButtons();
    }
}

void CMemoryManagerDialog::CopyLive()
{
    const QList<int> live = LiveSelection();
    if (live.isEmpty())
        return;
    const int source = live.first();
    const int target = m_model.FindCopyTarget(source);
    if (target < 0) {
        box(this, QStringLiteral("There are no free channels for the copy operation."), QStringLiteral("Copy"),
            platform::MB_ICONINFORMATION);
        return;
    }
    m_model.CopyChannel(source, target);
    RefreshLiveRow(target);
    m_pLive->SelectItem(source, false);
    m_pLive->SelectItem(target, true);
    UpdateTitle();
}

void CMemoryManagerDialog::EraseLive()
{
    const QList<int> live = LiveSelection();
    if (m_model.Erase(live) == CMemoryManagerModel::REFUSED_CHANNEL_1_ERASE)
        box(this, QStringLiteral("Channel 1 cannot be erased (FT-817 Restriction)."), QStringLiteral("Erase"),
            platform::MB_ICONWARNING);
    for (int i : live)
        RefreshLiveRow(i);
    UpdateTitle();
    UpdateCopyButtons();
}

void CMemoryManagerDialog::DisableLive()
{
    const QList<int> live = LiveSelection();
    if (live.contains(0))
        box(this, QStringLiteral("Channel 1 cannot be disabled."), QStringLiteral("Delete"),
            platform::MB_ICONINFORMATION);
    m_model.Disable(live);
    for (int i : live)
        RefreshLiveRow(i);
    UpdateTitle();
    UpdateCopyButtons();
}

void CMemoryManagerDialog::EnableLive()
{
    const QList<int> live = LiveSelection();
    m_model.Enable(live);
    for (int i : live)
        RefreshLiveRow(i);
    UpdateTitle();
    UpdateCopyButtons();
}

void CMemoryManagerDialog::MoveLive(bool bUp)
{
    const QList<int> live = LiveSelection();
    if (live.size() != 1)
        return;
    const int from = live.first();
    const int to = bUp ? from - 1 : from + 1;
    if (bUp)
        m_model.MoveUp(from);
    else
        m_model.MoveDown(from);
    RefreshLiveRow(from);
    RefreshLiveRow(to);
    // The entries keep their selection states.
    const bool toSelected = m_pLive->IsItemSelected(to);
    m_pLive->SelectItem(from, toSelected);
    m_pLive->SelectItem(to, true);
    UpdateTitle();
}

void CMemoryManagerDialog::RemoveLiveDuplicates()
{
    if (m_model.RemoveLiveDuplicates() > 0) {
        LoadLive(false, false);
        UpdateTitle();
    }
}

void CMemoryManagerDialog::SortLive()
{
    CMemorySortDialog dialog(this, m_pLiveCaption->text(), true, true);
    if (dialog.DoModal() != platform::IDOK)
        return;
    CMemorySort::SortLive(m_model.Live(), dialog.GetChoice());
    m_model.SetLiveModified(true);
    LoadLive(false, false);
}

void CMemoryManagerDialog::ReloadLive()
{
    if (m_model.IsLiveModified() &&
        box(this, QStringLiteral("You have outstanding Memory changes which will be lost.\n \nContinue ?"),
            QStringLiteral("Reload"), platform::MB_YESNO) != platform::IDYES)
        return;
    // The radio's texts may be longer than those the columns were fitted to.
    LoadLive(true, true);
    m_model.SetLiveModified(false);
    UpdateTitle();
}

QString CMemoryManagerDialog::ChooseFile(bool bSave, const QString& strTitle)
{
    QString path = platform::dataFilePath(QStringLiteral("FT-817 Memory Archive.txt"));
    const bool chosen = bSave ? ChooseTextFileToSave(this, path, strTitle) : ChooseTextFileToOpen(this, path, strTitle);
    return chosen ? path : QString();
}

void CMemoryManagerDialog::SaveLiveToFile()
{
    const QString path = ChooseFile(true, QStringLiteral("Save Memory Definitions"));
    if (!path.isEmpty())
        m_model.Live().SaveRaw(kArchiveKind, path);
}

void CMemoryManagerDialog::LoadLiveFromFile()
{
    const QString path = ChooseFile(false, QStringLiteral("Load Memory Definitions"));
    if (path.isEmpty())
        return;
    CRadioMemoryList file;
    file.Load(kArchiveKind, path);
    if (!CMemoryManagerModel::HoldsRadioRecords(file) || !file.WasListFile()) {
        box(this, QStringLiteral("No entries loaded - check correct file selected."), QStringLiteral("Error"),
            platform::MB_ICONERROR);
        return;
    }
    if (!AcceptArchiveRecords(path))
        return;
    if (m_model.IsLiveModified())
        LoadLive(true, false);
    if (!LiveCommandsAllowed())
        return;
    m_model.LoadLiveFrom(file);
    LoadLive(false, false);
}

void CMemoryManagerDialog::SaveToMemory()
{
    bool select = false;
    const int target = m_model.FindSaveTarget(LiveSelection(), select);
    if (target < 0) {
        box(this,
            QStringLiteral("There are currently no unused memory channels.\n") + QStringLiteral(" \n") +
                QStringLiteral("To save the current configuration to memory:\n") + QStringLiteral(" \n") +
                QStringLiteral("    [1] Select a memory channel,\n") + QStringLiteral(" \n") +
                QStringLiteral("    [2] From the 'Memory' menu select 'Save to Memory'.\n"),
            QStringLiteral("Save to Memory"), platform::MB_ICONINFORMATION);
        return;
    }
    if (select)
        SelectLive(target, true);
    CMemoryManagerModel::VfoState state;
    if (!CMemoryManagerModel::ReadVfoState(state)) {
        box(this, QStringLiteral("The current VFO could not be read from the FT-817."), QStringLiteral("Save to Memory"),
            platform::MB_ICONERROR);
        return;
    }
    if (box(this, CMemoryManagerModel::SaveToMemoryQuestion(state, target), QStringLiteral("Save to Memory"),
            platform::MB_YESNO) != platform::IDYES)
        return;
    CRadioApp* app = GetRadioApp();
    const CDisplayViewHooks* view = app ? app->GetDisplayView() : nullptr;
    if (!m_model.StoreVfo(target, state, view ? view->GetFrequency() : 0)) {
        box(this, QStringLiteral("The current VFO could not be read from the FT-817."), QStringLiteral("Save to Memory"),
            platform::MB_ICONERROR);
        return;
    }
    RefreshLiveRow(target);
    UpdateTitle();
    UpdateCopyButtons();
    EditLive();
}

void CMemoryManagerDialog::EditArchive()
{
    const QList<int> archive = ArchiveSelection();
    if (!archive.isEmpty())
        RunEditor(m_model.Archive(), archive.first(), false);
}

void CMemoryManagerDialog::EraseArchive()
{
    m_model.EraseArchive(ArchiveSelection());
    RefreshArchive(false);
}

void CMemoryManagerDialog::RemoveArchiveDuplicates()
{
    if (m_model.RemoveArchiveDuplicates() > 0)
        RefreshArchive(false);
}

void CMemoryManagerDialog::SortArchive()
{
    CMemorySortDialog dialog(this, m_pArchiveCaption->text(), false, false);
    if (dialog.DoModal() != platform::IDOK)
        return;
    CMemorySort::SortArchive(m_model.Archive(), dialog.GetChoice());
    m_model.SetArchiveModified(true);
    RefreshArchive(false);
}

void CMemoryManagerDialog::LoadArchiveFromFile()
{
    const QString path = ChooseFile(false, QStringLiteral("Load Memory Definitions"));
    if (path.isEmpty())
        return;
    CRadioMemoryList file;
    file.Load(kArchiveKind, path);
    // An archive without entries empties the archive; a file that is no
    // archive at all (nothing read from it) leaves it as it is.
    if (!file.WasListFile() ||
        (file.GetCount() > 0 && !CMemoryManagerModel::HoldsRadioRecords(file))) {
        box(this, QStringLiteral("No entries loaded - check correct file selected."), QStringLiteral("Error"),
            platform::MB_ICONERROR);
        return;
    }
    if (!AcceptArchiveRecords(path))
        return;
    m_model.LoadArchiveFrom(file);
    RefreshArchive(false);
}

bool CMemoryManagerDialog::AcceptArchiveRecords(const QString& strPath)
{
    const QString problem = CMemoryArchiveCheck::CheckFile(strPath);
    if (problem.isEmpty())
        return true;
    box(this, QStringLiteral("No entries loaded - check correct file selected.\n \n") + problem + QLatin1Char('.'),
        QStringLiteral("Error"), platform::MB_ICONERROR);
    return false;
}

void CMemoryManagerDialog::SaveArchiveToFile()
{
    const QString path = ChooseFile(true, QStringLiteral("Save Memory Definitions"));
    if (!path.isEmpty())
        m_model.Archive().SaveRaw(kArchiveKind, path);
}

void CMemoryManagerDialog::OnToArchive(bool bAll)
{
    if (!LiveCommandsAllowed())
        return;
    QList<int> channels = LiveSelection();
    if (bAll) {
        channels.clear();
        for (int i = 0; i < m_model.Live().GetCount(); ++i)
            channels << i;
    }
    if (m_model.CopyToArchive(channels) > 0)
        RefreshArchive(false);
}

void CMemoryManagerDialog::OnFromArchive()
{
    if (!LiveCommandsAllowed() || !m_pArchive->HasSelection())
        return;
    if (m_model.CopyFromArchive(ArchiveSelection(), LiveSelection()) == CMemoryManagerModel::REFUSED_NO_TARGETS) {
        box(this, QStringLiteral("You must select the memory channels to be loaded (there are no free channels)."),
            QStringLiteral("Copy from Archive"), platform::MB_ICONERROR);
        return;
    }
    LoadLive(false, false);
}

// ---------------------------------------------------------------- saving and closing

bool CMemoryManagerDialog::RunSaveChanges()
{
    CSaveChangesDialog dialog(this, m_model.IsArchiveModified(), m_model.IsLiveModified() && LiveCommandsAllowed(),
                              &m_model.Archive(), &m_model.Live());
    if (dialog.DoModal() != platform::IDOK)
        return false;
    bool complete = true;
    if (dialog.IsArchiveChecked()) {
        if (dialog.WasArchiveSaved())
            m_model.SetArchiveModified(false);
        else
            complete = false;
    }
    if (dialog.WasMemoryWritten()) {
        m_bMemoryWritten = true;
        complete = complete && CMemoryTransfer::GetFailedChannels().isEmpty();
    }
    return complete;
}

void CMemoryManagerDialog::AfterMemoryWrite()
{
    const QList<int> failed = CMemoryTransfer::GetFailedChannels();
    if (failed.isEmpty()) {
        m_model.SetLiveModified(false);
        LoadLive(true, true);
        return;
    }
    // Reading the radio now would throw away what it did not take.
    m_model.KeepUnsaved(failed);
    RefreshLiveRows();
    UpdateTitle();
    UpdateCopyButtons();
}

void CMemoryManagerDialog::OnSave()
{
    const bool hadMemory = m_bMemoryWritten;
    m_bMemoryWritten = false;
    RunSaveChanges();
    if (m_bMemoryWritten)
        AfterMemoryWrite();
    m_bMemoryWritten = m_bMemoryWritten || hadMemory;
    UpdateTitle();
}

void CMemoryManagerDialog::OnOK()
{
    if (m_model.IsLiveModified() || m_model.IsArchiveModified()) {
        const bool before = m_bMemoryWritten;
        m_bMemoryWritten = false;
        const bool complete = RunSaveChanges();
        const bool wrote = m_bMemoryWritten;
        m_bMemoryWritten = m_bMemoryWritten || before;
        if (!complete) {
            // Something was not saved: stay, with what is still to be saved.
            if (wrote)
                AfterMemoryWrite();
            UpdateTitle();
            return;
        }
    }
    Finish(Accepted);
}

void CMemoryManagerDialog::OnCancel()
{
    if (m_model.IsLiveModified() || m_model.IsArchiveModified()) {
        const int answer = box(this, QStringLiteral("You have outstanding changes. Save now?"), QStringLiteral("Changes"),
                               platform::MB_YESNOCANCEL);
        if (answer == platform::IDCANCEL)
            return;
        if (answer == platform::IDYES) {
            const bool before = m_bMemoryWritten;
            m_bMemoryWritten = false;
            const bool complete = RunSaveChanges();
            const bool wrote = m_bMemoryWritten;
            m_bMemoryWritten = m_bMemoryWritten || before;
            if (!complete) {
                if (wrote)
                    AfterMemoryWrite();
                UpdateTitle();
                return;
            }
        }
    }
    Finish(Rejected);
}

void CMemoryManagerDialog::Finish(int nResult)
{
    // The application's channel list is read again after a memory write.
    if (m_bMemoryWritten) {
        if (QObject* frame = GetMainFrame())
            PostRegisteredMessage(frame, RegisteredMessage::nMsgReloadMemory, 0, 0);
    }
    done(nResult);
}
