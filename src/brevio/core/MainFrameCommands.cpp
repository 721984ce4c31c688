// Menus, status bar panes, favourites, full screen and the tool windows.
#include "brevio/core/MainFrame.h"

#include "brevio/core/AboutDialog.h"
#include "brevio/core/Components.h"
#include "brevio/core/DspCalls.h"
#include "brevio/core/ChannelCommands.h"
#include "brevio/core/FormRx.h"
#include "brevio/core/FullScreenDialog.h"
#include "brevio/core/LogView.h"
#include "brevio/core/MixerDialog.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RadioToolBar.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/SettingToolbars.h"
#include "brevio/core/ToolbarPictures.h"
#include "platform/Program.h"
#include "platform/Prompter.h"
#include "platform/SettingsStore.h"
#include "shared/artwork/ToolbarIcons.h"
#include "shared/HtmlHelp.h"
#include "shared/PrintSetup.h"
#include "shared/ProgramFolders.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/SupportMail.h"
#include "shared/ui/FullScreenPlacement.h"
#include "shared/VersionInfo.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <iterator>

namespace {
constexpr int kFavouriteFirst = 32826;
constexpr int kFavouriteLast = 33325;
// Help's mail and web-page items have commands inside the favourites' range;
// the favourites' entries pass over them, so neither takes the other's.
constexpr int kInsideFavourites[] = {32904, 32906, 32909};

bool IsHelpCommandInRange(int nCommand)
{
    return std::find(std::begin(kInsideFavourites), std::end(kInsideFavourites), nCommand) !=
           std::end(kInsideFavourites);
}

// The command of favourite nIndex, 0 beyond the range.
int FavouriteCommand(int nIndex)
{
    for (int id = kFavouriteFirst, i = 0; id <= kFavouriteLast; ++id) {
        if (IsHelpCommandInRange(id))
            continue;
        if (i++ == nIndex)
            return id;
    }
    return 0;
}

// The favourite a command stands for, -1 when it is none.
int FavouriteIndex(int nCommand)
{
    if (nCommand < kFavouriteFirst || nCommand > kFavouriteLast || IsHelpCommandInRange(nCommand))
        return -1;
    int index = nCommand - kFavouriteFirst;
    for (int id : kInsideFavourites)
        index -= id < nCommand ? 1 : 0;
    return index;
}

// The active child window as the operator knows it: the MDI area reports
// none while another program is in front, but keeps it as its current one.
QMdiSubWindow* ActiveChild(const QMdiArea* area)
{
    return area ? area->currentSubWindow() : nullptr;
}

CHtmlHelp Guide()
{
    return CHtmlHelp(GetProgramFolders().GetProgramFolder() + CMainFrame::GuideFileName());
}

struct BarToggle {
    int command;
    const char* text;
    int bar;  // tool bar id, or 1 display, 2 macros, 3 tags
};
const BarToggle kBarToggles[] = {
    {32772, "&Soundcard", 59427}, {32786, "Si&gnal", 1},         {32788, "&Tx/Rx", 59428},
    {32808, "&Macros", 2},        {32811, "&Tags", 3},           {32816, "&Radio", 59404},
    {33335, "Waterfall &Display", 59429}, {33471, "&AFC", 59430}, {33477, "&Waterfall Data Mode", 59431},
    {33511, "&Clock", 59432},     {33560, "Ce&ntre", 59433},     {33571, "Distance Calculator", 59434},
};
} // namespace

QAction* CMainFrame::AddCommand(QMenu* menu, int nCommand, const QString& strText, bool bCheckable)
{
    QAction* action = menu->addAction(strText);
    action->setData(nCommand);
    action->setProperty("commandId", nCommand);
    action->setCheckable(bCheckable);
    connect(action, &QAction::triggered, this, [this, nCommand] { OnCommand(nCommand); });
    m_commands.insert(nCommand, action);
    return action;
}

void CMainFrame::BuildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    AddCommand(file, 57606, QStringLiteral("P&rint Setup..."));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    m_pToolbarsMenu = view->addMenu(QStringLiteral("Toolbars"));
    for (const BarToggle& t : kBarToggles)
        AddCommand(m_pToolbarsMenu, t.command, QString::fromLatin1(t.text), true);
    AddCommand(view, 33632, QStringLiteral("&Full Screen"), true);
    AddCommand(view, 33626, QStringLiteral("Full Size"));
    AddCommand(view, 33524, QStringLiteral("Close All Windows"))->setStatusTip(QStringLiteral("Closes all windows"));
    for (int n = 0; n < 4; ++n)
        AddCommand(view, 32777 + n, QStringLiteral("Channel &%1").arg(n + 1), true);

    QMenu* sound = bar->addMenu(QStringLiteral("So&undcard"));
    AddCommand(sound, 32771, QStringLiteral("&Start"), true);
    AddCommand(sound, 32785, QStringLiteral("&Rewind"));
    sound->addSeparator();
    AddCommand(sound, 32774, QStringLiteral("&Line-in Level"), true);
    AddCommand(sound, 33528, QStringLiteral("&Microphone Level"), true);
    AddCommand(sound, 32775, QStringLiteral("&Output Level"), true);
    AddCommand(sound, 32776, QStringLiteral("&All Play Controls"));

    QMenu* tx = bar->addMenu(QStringLiteral("&Tx"));
    AddCommand(tx, 33628, QStringLiteral("PSK31"), true);
    AddCommand(tx, 33629, QStringLiteral("PSK63"), true);
    AddCommand(tx, 32819, QStringLiteral("A&bort"));
    QMenu* rx = bar->addMenu(QStringLiteral("&Rx"));
    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    AddChannelMenus(tx, rx, edit, [this](QMenu* menu, int nCommand, const QString& strText, bool bCheckable) {
        m_channelCommands.insert(nCommand);
        return AddCommand(menu, nCommand, strText, bCheckable);
    });

    QMenu* log = bar->addMenu(QStringLiteral("&Log"));
    AddCommand(log, 32787, QStringLiteral("&Display"), true);
    AddCommand(log, 33472, QStringLiteral("&Erase"));

    QMenu* browser = bar->addMenu(QStringLiteral("&Browser"));
    AddCommand(browser, 33490, QStringLiteral("&Display"), true);
    QMenu* active = browser->addMenu(QStringLiteral("Active Channels"));
    for (int i = 0; i < 8; ++i)
        AddCommand(active, 33491 + i, QString::number(5 * (i + 1)), true);
    AddCommand(browser, 33499, QStringLiteral("Re&start"));
    AddCommand(browser, 33500, QStringLiteral("&Redraw"));
    AddCommand(browser, 33501, QStringLiteral("Options"));
    browser->addSeparator();
    AddCommand(browser, 33535, QStringLiteral("Define Alar&ms"));
    AddCommand(browser, 33536, QStringLiteral("&Enable Alarms"), true);
    QMenu* repeats = browser->addMenu(QStringLiteral("Text Repeats"));
    AddCommand(repeats, 33539, QStringLiteral("One (x1)"), true);
    AddCommand(repeats, 33540, QStringLiteral("Two (x2)"), true);
    AddCommand(repeats, 33541, QStringLiteral("Three (x3)"), true);

    QMenu* macros = bar->addMenu(QStringLiteral("&Macros"));
    AddCommand(macros, 33338, QStringLiteral("&Manager"));
    AddCommand(macros, 33558, QStringLiteral("&Edit"));
    QMenu* include = macros->addMenu(QStringLiteral("&Include"));
    AddCommand(include, 33343, QStringLiteral("&Abort"), true);
    AddCommand(include, 33340, QStringLiteral("&Erase"), true);
    AddCommand(include, 33352, QStringLiteral("Mark &Unsent"), true);
    AddCommand(include, 33344, QStringLiteral("&Open File"), true);
    AddCommand(include, 33341, QStringLiteral("&Tx"), true);
    AddCommand(include, 33342, QStringLiteral("T&x - Autostop"), true);
    AddCommand(macros, 33520, QStringLiteral("Large Icons"), true);
    AddCommand(macros, 33521, QStringLiteral("Small Icons"), true);
    AddCommand(macros, 33522, QStringLiteral("List"), true);
    AddCommand(macros, 33523, QStringLiteral("Details"), true);

    QMenu* tags = bar->addMenu(QStringLiteral("Ta&gs"));
    AddCommand(tags, 33339, QStringLiteral("&Manager"));
    AddCommand(tags, 33538, QStringLiteral("&Clear Values"));
    AddCommand(tags, 33514, QStringLiteral("&Per-channel Tags"), true);

    m_pFavouritesMenu = bar->addMenu(QStringLiteral("F&avourites"));
    AddCommand(m_pFavouritesMenu, 32820, QStringLiteral("&Manager"))
        ->setToolTip(QStringLiteral("Start the favourites manager"));

    QMenu* tools = bar->addMenu(QStringLiteral("Tool&s"));
    AddCommand(tools, 32784, QStringLiteral("&Options"), true)->setStatusTip(QStringLiteral("Program options"));
    AddCommand(tools, 32789, QStringLiteral("Add Desktop Icon"));
    AddCommand(tools, 33512, QStringLiteral("&Palette Editor"));
    AddCommand(tools, 33564, QStringLiteral("Grid Square Calculator"));
    AddCommand(tools, 33565, QStringLiteral("Distance Calculator"));
    AddCommand(tools, 33627, QStringLiteral("Grid Square Summary"), true);
    AddCommand(tools, 33517, QStringLiteral("&Reset"));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    AddCommand(help, 33526, QStringLiteral("&Contents"));
    AddCommand(help, 57666, QStringLiteral("&Index..."));
    AddCommand(help, 33525, QStringLiteral("&Search..."));
    help->addSeparator();
    AddCommand(help, 32906, QStringLiteral("Send E-mail to QT9XVK"));
    AddCommand(help, 32909, QStringLiteral("&Usergroup Homepage"));
    AddCommand(help, 32904, QStringLiteral("QT9XVK on the Web"));
    AddCommand(help, 33636, QStringLiteral("Soundcard Interface"));
    QMenu* speech = help->addMenu(QStringLiteral("&Flite Speech Engine"));
    AddCommand(speech, 33542, QStringLiteral("&Reader"));
    AddCommand(speech, 33543, QStringLiteral("&Text-to-Speech"));
    help->addSeparator();
    AddCommand(help, 57664, QStringLiteral("&About PSK31 Brevio..."));

    // Toolbar-only commands still have their actions (the bars' buttons).
    for (auto [id, text] : std::initializer_list<std::pair<int, const char*>>{
             {33551, "Waterfall options"}, {33554, "Waterfall data options"}, {33563, "Soundcard options"},
             {33572, "Distance calculator options"}, {33329, "Waterfall"}, {33330, "Spectrum"}, {33331, "Input"},
             {33473, "4th Root of Linear FFT Power"}, {33474, "10log() of FFT Power"},
             {33475, "10log() of FFT Power with Clipping"}, {33353, "Adjust Frequency Range"}, {137, "Clock"}}) {
        QAction* a = new QAction(QString::fromLatin1(id == 137 ? "Clock" : text), this);
        a->setIcon(artwork::toolbarIcon(ToolbarPictureName(id)));
        a->setData(id);
        const int command = id;
        connect(a, &QAction::triggered, this, [this, command] { OnCommand(command); });
        m_commands.insert(id, a);
        // The display and waterfall-data buttons sit on their setting bars.
        const bool onSettingBar = (id >= 33329 && id <= 33331) || id == 33512 || id == 33551 || id == 33554;
        const int barId = id == 137 ? 59432 : id == 33572 ? 59434 : 59392;
        if (QToolBar* tb = onSettingBar ? nullptr : m_toolBars.value(barId))
            tb->addAction(a);
    }
    for (int id : {32771, 32785}) {
        m_commands[id]->setIcon(artwork::toolbarIcon(ToolbarPictureName(id)));
        m_toolBars[59427]->addAction(m_commands[id]);
    }

    connect(bar, &QMenuBar::hovered, this, [this] { UpdateCommandStates(); });
    for (QMenu* m : bar->findChildren<QMenu*>())
        connect(m, &QMenu::aboutToShow, this, [this] { UpdateCommandStates(); });
}

void CMainFrame::BuildAccelerators()
{
    // The 26 shortcut rows; a command that no menu item carries gets no key.
    constexpr uint8_t kAlt = FVIRTKEY | FNOINVERT | FALT;
    constexpr uint8_t kCtrl = FVIRTKEY | FNOINVERT | FCONTROL;
    constexpr uint8_t kKey = FVIRTKEY | FNOINVERT;
    struct Row {
        uint8_t fVirt;
        uint16_t key;
        const char* keyName;
        uint16_t command;
    };
    const Row rows[] = {
        {kAlt, '1', "Alt+1", 32777},     {kAlt, '2', "Alt+2", 32778},     {kAlt, '3', "Alt+3", 32779},
        {kAlt, '4', "Alt+4", 32780},     {kAlt, '5', "Alt+5", 32781},     {kAlt, '6', "Alt+6", 32792},
        {kAlt, '7', "Alt+7", 32793},     {kAlt, '8', "Alt+8", 32794},     {kAlt, '9', "Alt+9", 32795},
        {kAlt, 'C', "Alt+C", 33538},     {kAlt, 'O', "Alt+O", 32803},     {kAlt, 'P', "Alt+P", 33512},
        {kAlt, 'Y', "Alt+Y", 32804},     {kCtrl, 'C', "Ctrl+C", 57634},   {kCtrl, 'X', "Ctrl+X", 57635},
        {kCtrl, 'V', "Ctrl+V", 57637},   {kKey, 0x70, "F1", 32801},       {kKey, 0x71, "F2", 32799},
        {kKey, 0x72, "F3", 33573},       {kKey, 0x1B, "Escape", 32819},   {kKey, 0x74, "F5", 32785},
        {kKey, 0x75, "F6", 33500},       {kKey, 0x76, "F7", 33490},       {kKey, 0x77, "F8", 32784},
        {kAlt, 0x25, "Alt <-", 33478},   {kAlt, 0x27, "Alt ->", 33479},
    };
    QList<CMenuAccelerators::Entry> table;
    for (const Row& row : rows) {
        CMenuAccelerators::Entry entry;
        entry.fVirt = row.fVirt;
        entry.key = row.key;
        entry.strKeyName = QString::fromLatin1(row.keyName);
        entry.candidates = {row.command};
        table.append(entry);
    }
    m_accelerators.SetTable(table);
    m_accelerators.SetStateRefresh([this] { UpdateCommandStates(); });
    m_accelTable = m_accelerators.Build(menuBar(), this);
    // A toolbar button shares its menu item's action; its tip names the key
    // as "Rewind (F5)" rather than showing the menu's tab and key.
    for (QAction* action : std::as_const(m_commands)) {
        const QString text = action->text();
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            continue;
        QString tip = text.left(tab);
        tip.remove(QLatin1Char('&'));
        action->setToolTip(tip + QStringLiteral(" (") + text.mid(tab + 1) + QLatin1Char(')'));
    }
}

void CMainFrame::UpdateCommandStates()
{
    for (auto it = m_commands.begin(); it != m_commands.end(); ++it) {
        it.value()->setEnabled(IsCommandEnabled(it.key()));
        if (it.value()->isCheckable())
            it.value()->setChecked(IsCommandChecked(it.key()));
    }
    // The radio toolbar's buttons: off while no radio program is linked, and
    // pressed while the switch they toggle is on.
    if (m_pRadioBar) {
        for (QAction* a : m_pRadioBar->actions()) {
            const int id = a->data().toInt();
            if (id == 0)
                continue;
            a->setEnabled(IsCommandEnabled(id));
            const bool checked = IsCommandChecked(id);
            a->setCheckable(checked || a->isCheckable());
            a->setChecked(checked);
        }
    }
}

void CMainFrame::BuiltInFavourites(QList<uint32_t>& freqs, QStringList& titles)
{
    static const uint32_t kHz[] = {1838150,  3580150,  7035150,  7080150,  10142150, 14070150, 18100150,
                                   21070150, 21080150, 24920150, 28120150, 50250000, 50285000, 50385000};
    freqs.clear();
    titles.clear();
    for (uint32_t hz : kHz) {
        freqs.append(hz);
        QString title = CRadioToolBar::FormatFrequency(hz) + QStringLiteral(" MHz");
        if (hz == 7080150)
            title += QStringLiteral(" (US)");
        titles.append(title);
    }
}

void CMainFrame::BuildFavouritesMenu()
{
    if (!m_pFavouritesMenu)
        return;
    const QList<QAction*> actions = m_pFavouritesMenu->actions();
    for (int i = 1; i < actions.size(); ++i) {
        const int id = actions[i]->data().toInt();
        if (FavouriteIndex(id) >= 0)
            m_commands.remove(id);
        m_pFavouritesMenu->removeAction(actions[i]);
        delete actions[i];
    }
    if (m_arrFavFreq.isEmpty())
        return;
    m_pFavouritesMenu->addSeparator();
    // The command range holds 500 entries less Help's three; favourites
    // beyond it get no menu entry rather than a command that belongs to
    // something else.
    for (int i = 0; i < int(m_arrFavFreq.size()) && FavouriteCommand(i) != 0; ++i)
        AddCommand(m_pFavouritesMenu, FavouriteCommand(i), m_arrFavTitle.value(i));
}

void CMainFrame::SetFavourites(const QList<uint32_t>& freqs, const QStringList& titles)
{
    m_arrFavFreq = freqs;
    m_arrFavTitle = titles;
    CRegistry registry;
    registry.WriteIntArray(QStringLiteral("Favourites-I"), freqs);
    registry.WriteStringArray(QStringLiteral("Favourites-S"), titles);
    BuildFavouritesMenu();
}

void CMainFrame::GetFavourites(QList<uint32_t>& freqs, QStringList& titles) const
{
    freqs = m_arrFavFreq;
    titles = m_arrFavTitle;
}

uint32_t CMainFrame::NextFavourite(const QList<uint32_t>& freqs, uint32_t nDial, bool bUp)
{
    if (freqs.isEmpty())
        return 0;
    QList<uint32_t> sorted = freqs;
    std::sort(sorted.begin(), sorted.end());
    if (bUp) {
        for (uint32_t f : sorted)
            if (f > nDial)
                return f;
        return sorted.first();
    }
    for (auto it = sorted.rbegin(); it != sorted.rend(); ++it)
        if (*it < nDial)
            return *it;
    return sorted.last();
}

void CMainFrame::ToggleBar(QWidget* pBar)
{
    if (pBar)
        pBar->setVisible(!pBar->isVisible());
}

void CMainFrame::ToggleToolWindow(QWidget* pWindow)
{
    if (!pWindow)
        return;
    if (pWindow->isVisible()) {
        pWindow->hide();
    } else {
        pWindow->showNormal();
        pWindow->raise();
        pWindow->activateWindow();
    }
}

void CMainFrame::ShowOptionsPage(int nPage)
{
    if (!m_pOptions)
        return;
    m_pOptions->SetActivePage(nPage);
    if (QWidget* w = m_pOptions->GetWidget()) {
        w->showNormal();
        w->raise();
        w->activateWindow();
    }
}

void CMainFrame::HideToolWindows()
{
    if (m_pOptionsWidget)
        m_pOptionsWidget->hide();
    if (m_pMixerLineIn)
        m_pMixerLineIn->hide();
    if (m_pVolumeOut)
        m_pVolumeOut->hide();
}

void CMainFrame::LogLocator(const QString& strLocator, const QString& strDistance, const QString& strHeading,
                            const QString& strFrequency)
{
    // Nothing is collected while the summary was never opened.
    if (auto* log = dynamic_cast<ILocatorLog*>(GetToolWindow(33627)))
        log->AddEntry(strLocator, strDistance, strHeading, strFrequency);
}

CFormRx* CMainFrame::GetActiveChannel() const
{
    QMdiSubWindow* active = ActiveChild(m_pMdiArea);
    return active ? qobject_cast<CFormRx*>(active->widget()) : nullptr;
}

void CMainFrame::OnFullScreen()
{
    m_bFullScreen = !m_bFullScreen;
    if (m_bFullScreen) {
        const QRect area(m_pMdiArea->mapToGlobal(QPoint(0, 0)), m_pMdiArea->size());
        const QSize screen = this->screen() ? this->screen()->size() : QSize(1024, 768);
        const int frame = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        m_fullScreenPlacement.Enter(
            this, CFullScreenPlacement::EnlargedRect(geometry(), area, screen, QSize(frame, frame)));
        if (!m_pFullScreenDlg)
            m_pFullScreenDlg = new CFullScreenDialog(this);
        CFullScreenPlacement::KeepAbove(m_pFullScreenDlg, this);
        m_pFullScreenDlg->showNormal();
        m_pFullScreenDlg->raise();
    } else {
        m_fullScreenPlacement.Leave(this);
        if (m_pFullScreenDlg && m_pFullScreenDlg->isVisible())
            m_pFullScreenDlg->hide();
    }
    update();
    if (QMdiSubWindow* active = m_pMdiArea->activeSubWindow())
        active->update();
}

void CMainFrame::ResetSettings()
{
    if (platform::messageBox(this, QStringLiteral("Really reset this program's settings?"), platform::program().name,
                             platform::MB_YESNO | int(platform::MB_ICONQUESTION)) != platform::IDYES)
        return;
    platform::SettingsStore::removeProgramKey();
    CurrentSettings().SetDefaults();
    CurrentSettings().Load();
    SaveAndBroadcastSettings();
}

void CMainFrame::UpdateStatusPanes()
{
    if (m_panes.size() < 8)
        return;
    for (int pane = 1; pane <= 8; ++pane) {
        QLabel* label = pane == 8 ? m_panes[7] : (pane <= 4 ? m_panes[pane - 1] : nullptr);
        if (!label)
            continue;
        label->setText(GetPaneText(pane));
        label->setEnabled(IsPaneEnabled(pane));
    }
}

QString CMainFrame::GetPaneText(int nPane) const
{
    const CPSK31Settings& s = CurrentSettings();
    QMdiSubWindow* active = ActiveChild(m_pMdiArea);
    auto askActive = [active](uint32_t msg, int& value) {
        int valid = 0;
        if (active && active->widget())
            for (QObject* child : active->widget()->children())
                SendRegisteredMessage(child, msg, uintptr_t(&valid), intptr_t(&value));
        if (active && active->widget() && !valid)
            SendRegisteredMessage(active->widget(), msg, uintptr_t(&valid), intptr_t(&value));
        return valid == 1;
    };
    switch (nPane) {
    case 1: {
        int value = 0;
        return askActive(RegisteredMessage::nMsgGetClockError, value) ? QStringLiteral("Clock error: %1").arg(value)
                                                                      : QString();
    }
    case 2:
        return QStringLiteral("Autosave");
    case 3:
        if (s.m_bPTTFT817)
            return QStringLiteral("PTT: FT-817 Corvane");
        if (s.m_bPTTRVL)
            return QStringLiteral("PTT: Ravelin");
        if (s.m_nPTTMode != 0)
            return QStringLiteral("PTT: COM%1").arg(s.m_nPTTPort);
        return QStringLiteral("PTT: None");
    case 4: {
        bool overload = false;
        if (auto* host = dynamic_cast<IDisplayCanvasHost*>(m_pDisplayBar))
            overload = m_pDisplayBar->isVisible() && host->GetCanvas() && host->GetCanvas()->IsOverloaded();
        if (ISuperView* super = TheApp().GetSuperView())
            overload = overload || (super->GetWidget() && super->GetWidget()->isVisible() && super->GetCanvas() &&
                                    super->GetCanvas()->IsOverloaded());
        if (overload)
            return QStringLiteral("OVERLOAD");
        int value = 0;
        if (!askActive(RegisteredMessage::nMsgGetAFC, value))
            value = 0;
        if (value >= 1 && value <= 1000)
            return QStringLiteral("AFC: %1Hz").arg(value);
        if (value == 3000)
            return QStringLiteral("AFC: Fast");
        return QStringLiteral("AFC: Off");
    }
    case 8: {
        const QDateTime now = s.m_bUTC ? QDateTime::currentDateTimeUtc() : QDateTime::currentDateTime();
        return now.toString(QStringLiteral("HH:mm:ss"));
    }
    default:
        return QString();
    }
}

bool CMainFrame::IsPaneEnabled(int nPane) const
{
    if (nPane == 2)
        return CurrentSettings().m_bAutosaveEnable != 0;
    if (nPane == 4 && GetPaneText(4) == QLatin1String("OVERLOAD"))
        return m_bBlink;
    return true;
}

ISuperView* CMainFrame::CommandSuperView(int nCommand) const
{
    ISuperView* super = TheApp().GetSuperView();
    if (!super)
        return nullptr;
    // The Browser menu is the browser's wherever the focus is; its other
    // commands reach it while its window is the active one.
    const bool browserMenu = (nCommand >= 33491 && nCommand <= 33501) || nCommand == 33535 || nCommand == 33536 ||
                             (nCommand >= 33539 && nCommand <= 33541);
    const bool active = TheApp().GetSuperFrame() && ActiveChild(m_pMdiArea) == TheApp().GetSuperFrame();
    return browserMenu || active ? super : nullptr;
}

bool CMainFrame::IsCommandEnabled(int nCommand)
{
    // The active channel window answers its own commands first.
    if (CFormRx* form = GetActiveChannel()) {
        bool enabled = true, checked = false;
        if (form->UpdateCommand(nCommand, enabled, checked))
            return enabled;
    }
    if (ISuperView* super = CommandSuperView(nCommand)) {
        bool enabled = true, checked = false;
        if (super->UpdateCommand(nCommand, enabled, checked))
            return enabled;
    }
    // With no channel window active (the Super Browser in front, or no
    // window at all) nothing would carry out a channel's command.
    if (m_channelCommands.contains(nCommand))
        return false;
    if (FavouriteIndex(nCommand) >= 0)
        return m_bRadioLinked;
    switch (nCommand) {
    case 32813:
    case 32814:
    case 32817:
    case 32818:
    case 113:
    case 114:
    case 116:
    case 118:
        return m_bRadioLinked;
    case 130:
        return m_bRadioLinked && !m_bRadioDig;
    case 33628:
    case 33629:
        return !m_bTransmitting;
    case 32819:
        return m_bTransmitting;
    case 32785:
        return m_bDataFlowing && !m_bTransmitting;
    case 33329:
    case 33330:
    case 33331:
        return m_pDisplayBar && m_pDisplayBar->isVisible();
    case 33551:
    case 33512: {
        if (nCommand == 33512 && !PskComponents().runPaletteDesigner)
            return false;
        ISuperView* super = TheApp().GetSuperView();
        return (m_pDisplayBar && m_pDisplayBar->isVisible()) ||
               (super && super->GetWidget() && super->GetWidget()->isVisible());
    }
    case 33558: {
        auto* macros = dynamic_cast<IMacrosBar*>(m_pMacrosBar);
        return macros && macros->HasSelectedMacro();
    }
    case 33626:
        return ActiveChild(m_pMdiArea) && ActiveChild(m_pMdiArea)->isVisible();
    case 33472:
        return TheApp().GetLogView() != nullptr;
    case 33564:
    case 33565:
    case 33627:
        return GetToolWindow(nCommand) || PskComponents().createToolWindow;
    case 32820:
        return bool(PskComponents().runFavouritesManager);
    default:
        return true;
    }
}

bool CMainFrame::IsCommandChecked(int nCommand)
{
    if (CFormRx* form = GetActiveChannel()) {
        bool enabled = true, checked = false;
        if (form->UpdateCommand(nCommand, enabled, checked))
            return checked;
    }
    if (ISuperView* super = CommandSuperView(nCommand)) {
        bool enabled = true, checked = false;
        if (super->UpdateCommand(nCommand, enabled, checked))
            return checked;
    }
    const CPSK31Settings& s = CurrentSettings();
    for (const BarToggle& t : kBarToggles) {
        if (t.command != nCommand)
            continue;
        QWidget* bar = t.bar == 1 ? m_pDisplayBar : t.bar == 2 ? m_pMacrosBar : t.bar == 3 ? static_cast<QWidget*>(m_pTagsBar)
                                                                                          : m_toolBars.value(t.bar);
        return bar && bar->isVisible();
    }
    auto viewChecked = [this](QMdiSubWindow* frame) {
        if (!frame)
            return false;
        QMdiSubWindow* active = ActiveChild(m_pMdiArea);
        if (active && active->isMaximized())
            return frame == active && frame->isVisible();
        return frame->isVisible();
    };
    switch (nCommand) {
    case 113:
        return m_bRadioLinked && m_bRadioAtt;
    case 114:
        return m_bRadioLinked && m_bRadioPreamp;
    case 116:
        return m_bRadioLinked && m_bRadioNarrow;
    case 118:
        return m_bRadioLinked && m_bRadioNB;
    case 32771:
        return m_bDataFlowing;
    case 33628:
        return s.m_eSpeed == 0;
    case 33629:
        return s.m_eSpeed == 1;
    case 32784:
        return m_pOptionsWidget && m_pOptionsWidget->isVisible();
    case 32774:
        return m_pMixerLineIn && m_pMixerLineIn->isVisible();
    case 33528:
        return m_pMixerMic && m_pMixerMic->isVisible();
    case 32775:
        return m_pVolumeOut && m_pVolumeOut->isVisible();
    case 33329:
    case 33330:
    case 33331:
        return m_pDisplayBar && m_pDisplayBar->isVisible() && s.m_nDisplayMode == nCommand - 33329;
    case 33473:
        return s.m_nFFTMode == 0;
    case 33474:
        return s.m_nFFTMode == 1;
    case 33475:
        return s.m_nFFTMode > 1;
    case 33353:
        return m_bFreqAdjust;
    case 33514:
        return s.m_bTagsPerChannel != 0;
    case 33632:
        return m_bFullScreen;
    case 32777:
    case 32778:
    case 32779:
    case 32780:
        return viewChecked(TheApp().GetChannelFrame(nCommand - 32777));
    case 32787:
        return viewChecked(TheApp().GetLogFrame());
    case 33627:
        return GetToolWindow(nCommand) && GetToolWindow(nCommand)->isVisible();
    case 33490:
        return viewChecked(TheApp().GetSuperFrame());
    case 33343:
    case 33340:
    case 33352:
    case 33344:
    case 33341:
    case 33342: {
        auto* macros = dynamic_cast<IMacrosBar*>(m_pMacrosBar);
        static const QMap<int, int> flags = {{33343, 0}, {33340, 1}, {33344, 2}, {33341, 3}, {33342, 4}, {33352, 5}};
        return macros && macros->GetIncludeFlag(flags.value(nCommand));
    }
    case 33520:
    case 33521:
    case 33522:
    case 33523: {
        auto* macros = dynamic_cast<IMacrosBar*>(m_pMacrosBar);
        static const QMap<int, int> styles = {{33520, 0}, {33521, 2}, {33522, 3}, {33523, 1}};
        return macros && macros->GetViewStyle() == styles.value(nCommand);
    }
    default:
        return false;
    }
}

void CMainFrame::OnCommand(int nCommand)
{
    if (!IsCommandEnabled(nCommand))
        return;
    if (CFormRx* form = GetActiveChannel()) {
        if (form->OnCommand(nCommand)) {
            UpdateCommandStates();
            return;
        }
    }
    if (ISuperView* super = CommandSuperView(nCommand)) {
        if (super->OnCommand(nCommand)) {
            UpdateCommandStates();
            return;
        }
    }
    CPSK31Settings& s = CurrentSettings();
    if (const int index = FavouriteIndex(nCommand); index >= 0) {
        if (index < m_arrFavFreq.size())
            RadioCommand(10, int(m_arrFavFreq[index]));
        return;
    }
    for (const BarToggle& t : kBarToggles) {
        if (t.command == nCommand) {
            ToggleBar(t.bar == 1 ? m_pDisplayBar : t.bar == 2 ? m_pMacrosBar : t.bar == 3 ? static_cast<QWidget*>(m_pTagsBar)
                                                                                        : m_toolBars.value(t.bar));
            return;
        }
    }
    auto setAndBroadcast = [](int& member, int value) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        member = value;
        SaveAndBroadcastSettings();
        QApplication::restoreOverrideCursor();
    };
    switch (nCommand) {
    case 57606:
        CPrintSetup::Run(this);
        break;
    case 32813:
        RadioCommand(0, 200);
        break;
    case 32814:
        RadioCommand(1, -200);
        break;
    case 113:
        RadioCommand(6, m_bRadioAtt ? 0 : 2);
        break;
    case 114:
        if (m_nRadioProgram == 1)
            RadioCommand(7, m_bRadioPreamp ? 4 : 0);
        else
            RadioCommand(7, m_bRadioPreamp ? 0 : 4);
        break;
    case 116:
        RadioCommand(8, m_bRadioNarrow ? 0 : 8);
        break;
    case 118:
        RadioCommand(12, m_bRadioNB ? 0 : 16);
        break;
    case 130:
        RadioCommand(15, 32);
        break;
    case 112:
        if (!platform::LocalClient::postTo(RadioProgramClass(), 0x0006, 1, 0, 500))
            ActivateRadioProgram();
        break;
    case 32817:
    case 32818: {
        const uint32_t target = NextFavourite(m_arrFavFreq, uint32_t(m_pRadioBar->GetFrequency()), nCommand == 32817);
        if (!m_arrFavFreq.isEmpty())
            RadioCommand(10, int(target));
        break;
    }
    case 33628:
    case 33629:
        s.m_eSpeed = nCommand - 33628;
        s.Save();
        ApplyRxModeToAllChannels();
        break;
    case 32771:
        OnSoundcardStart();
        break;
    case 32785:
        RewindInput();
        break;
    case 32774:
        if (!m_pMixerLineIn)
            m_pMixerLineIn = new CMixerDialog(this, 0);
        ToggleToolWindow(m_pMixerLineIn);
        break;
    case 33528:
        if (!m_pMixerMic)
            m_pMixerMic = new CMixerDialog(this, 1);
        ToggleToolWindow(m_pMixerMic);
        break;
    case 32775:
        if (!m_pVolumeOut)
            m_pVolumeOut = new CVolumeDialog(this, 1);
        ToggleToolWindow(m_pVolumeOut);
        break;
    case 32776:
        if (!QProcess::startDetached(QStringLiteral("pavucontrol"), {}))
            platform::messageBox(this, QStringLiteral("The system volume control (pavucontrol) is not installed."),
                                 QStringLiteral("Volume"), platform::MB_OK | int(platform::MB_ICONERROR));
        break;
    case 32784:
        QApplication::setOverrideCursor(Qt::WaitCursor);
        ToggleToolWindow(m_pOptionsWidget);
        QApplication::restoreOverrideCursor();
        break;
    case 33551:
        ShowOptionsPage(2);
        break;
    case 33554:
        ShowOptionsPage(3);
        break;
    case 33512:
        // The palette designer runs modally; its result needs no answer here.
        if (PskComponents().runPaletteDesigner)
            PskComponents().runPaletteDesigner(this);
        break;
    case 33563:
        ShowOptionsPage(12);
        break;
    case 33572:
        ShowOptionsPage(4);
        break;
    case 33329:
    case 33330:
    case 33331:
        setAndBroadcast(s.m_nDisplayMode, nCommand - 33329);
        break;
    case 33473:
        setAndBroadcast(s.m_nFFTMode, 0);
        break;
    case 33474:
        setAndBroadcast(s.m_nFFTMode, 1);
        break;
    case 33475:
        // The clipping percentage lives in the waterfall data mode toolbar;
        // until that bar is built it is the stored default of 90.
        setAndBroadcast(s.m_nFFTMode, s.m_nFFTMode > 1 ? 1 : 90);
        break;
    case 33353:
        m_bFreqAdjust = !m_bFreqAdjust;
        CRegistry().WriteBool(QStringLiteral("CMainFrame::m_bFreqAdjust"), m_bFreqAdjust ? 1 : 0);
        if (auto* passband = dynamic_cast<CPassbandBar*>(m_toolBars.value(CPassbandBar::kBarId)))
            passband->SetEnabled(m_bFreqAdjust);
        break;
    case 137: {
        int n = (s.m_bUTC ? 1 : 0) + 2 * (s.m_bDate ? 1 : 0);
        n = (n + 1) % 4;
        s.m_bDate = (n >> 1) & 1;
        s.m_bUTC = n & 1;
        s.Save();
        break;
    }
    case 33338:
    case 33339:
        if (auto* macros = dynamic_cast<IMacrosBar*>(m_pMacrosBar))
            nCommand == 33338 ? macros->OpenMacroManager() : macros->OpenTagManager();
        break;
    case 33558:
        PostRegisteredMessage(m_pMacrosBar, RegisteredMessage::nMsgEditCurrent, 0, 0);
        break;
    case 33343:
    case 33340:
    case 33352:
    case 33344:
    case 33341:
    case 33342:
        if (auto* macros = dynamic_cast<IMacrosBar*>(m_pMacrosBar)) {
            static const QMap<int, int> flags = {{33343, 0}, {33340, 1}, {33344, 2}, {33341, 3}, {33342, 4}, {33352, 5}};
            macros->InvertIncludeFlag(flags.value(nCommand));
        }
        break;
    case 33520:
    case 33521:
    case 33522:
    case 33523:
        if (auto* macros = dynamic_cast<IMacrosBar*>(m_pMacrosBar)) {
            static const QMap<int, int> styles = {{33520, 0}, {33521, 2}, {33522, 3}, {33523, 1}};
            macros->SetViewStyle(styles.value(nCommand));
        }
        break;
    case 33538:
        if (auto* tags = dynamic_cast<ITagsBar*>(m_pTagsBar))
            tags->ClearValues();
        break;
    case 33514:
        s.m_bTagsPerChannel = s.m_bTagsPerChannel ? 0 : 1;
        s.Save();
        if (auto* tags = dynamic_cast<ITagsBar*>(m_pTagsBar))
            tags->Reload();
        if (ISuperView* super = TheApp().GetSuperView())
            SendRegisteredMessage(super->GetWidget(), RegisteredMessage::nMsgReloadTags, 0, 0);
        break;
    case 33526:
        Guide().ShowContents();
        break;
    case 57666:
        Guide().ShowIndex();
        break;
    case 33525:
        Guide().ShowSearch();
        break;
    case 32906:
        support::SendSupportMail(this);
        break;
    case 32904:
        TheApp().ShellOpen(support::MakerWebAddress());
        break;
    case 33636:
        TheApp().ShellOpen(support::SoundcardInterfaceAddress());
        break;
    case 32909:
        TheApp().ShellOpen(support::UserGroupAddress());
        break;
    case 33542:
        TheApp().ShellOpen(support::SpeechReaderAddress());
        break;
    case 33543:
        TheApp().ShellOpen(support::SpeechEngineAddress());
        break;
    case 57664: {
        CAboutDialog about(this);
        about.exec();
        break;
    }
    case 32789: {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        const QString product = CVersionInfo().GetProductName();
        QSaveFile link(QStringLiteral("%1/%2.desktop").arg(desktop, product));
        bool ok = QDir().mkpath(desktop) && link.open(QIODevice::WriteOnly);
        if (ok) {
            QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=%1\nComment=%1\nExec=\"%2\"\n")
                               .arg(product, QCoreApplication::applicationFilePath());
            const QString icon = artwork::applicationIconFile();
            if (!icon.isEmpty())
                text += QStringLiteral("Icon=%1\n").arg(icon);
            link.write(text.toUtf8());
            ok = link.commit();
        }
        QApplication::restoreOverrideCursor();
        if (ok)
            platform::messageBox(this, QStringLiteral("An icon has been added to your Desktop."),
                                 QStringLiteral("Add Icon"), platform::MB_OK | int(platform::MB_ICONINFORMATION));
        break;
    }
    case 33517:
        ResetSettings();
        break;
    case 33564:
    case 33565:
    case 33627:
        if (!m_toolWindows.value(nCommand))
            m_toolWindows[nCommand] = PskComponents().createToolWindow(nCommand, this);
        ToggleToolWindow(m_toolWindows.value(nCommand));
        break;
    case 32820:
        PskComponents().runFavouritesManager(this);
        break;
    case 33626: {
        QMdiSubWindow* child = ActiveChild(m_pMdiArea);
        if (!child)
            break;
        const QRect r = m_pMdiArea->viewport()->rect();
        if (r.width() == 0 || r.height() == 0)
            break;
        if (child->isMaximized() || child->isMinimized())
            child->showNormal();
        child->setGeometry(0, 0, r.width(), r.height());
        break;
    }
    case 33632:
        OnFullScreen();
        break;
    // Commands of the application object.
    case 32777:
    case 32778:
    case 32779:
    case 32780:
        TheApp().ToggleView(TheApp().GetChannelFrame(nCommand - 32777));
        break;
    case 32787:
        TheApp().ToggleView(TheApp().GetLogFrame());
        break;
    case 33472:
        if (TheApp().GetLogView())
            TheApp().GetLogView()->Erase();
        break;
    case 33490:
        TheApp().ToggleView(TheApp().GetSuperFrame());
        if (ISuperView* super = TheApp().GetSuperView()) {
            if (TheApp().GetSuperFrame() && TheApp().GetSuperFrame()->isVisible())
                super->StartBrowser();
            else
                super->StopBrowser();
        }
        break;
    case 33524:
        HideToolWindows();
        for (int n = 0; n < 4; ++n)
            if (TheApp().GetChannelFrame(n))
                TheApp().HideView(TheApp().GetChannelFrame(n));
        if (TheApp().GetLogFrame())
            TheApp().HideView(TheApp().GetLogFrame());
        if (TheApp().GetSuperFrame())
            TheApp().HideView(TheApp().GetSuperFrame());
        break;
    default:
        break;
    }
    UpdateCommandStates();
}
