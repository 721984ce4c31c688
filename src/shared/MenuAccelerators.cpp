#include "shared/MenuAccelerators.h"

#include "platform/KeyboardKeys.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QEvent>
#include <QHash>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QShortcutEvent>
#include <QShortcut>
#include <QWidget>

namespace {
constexpr const char* kCommandId = "commandId";

// Keys of the table that a menu bar of the window also claims (Alt and a
// menu title's underlined letter): when the two collide, Qt hands the key to
// one of them in turn. The one handed to the menu bar is taken back here and
// runs the table's command, so the key always does the same thing.
class AcceleratorKeeper : public QObject {
public:
    explicit AcceleratorKeeper(QWidget* pWindow) : QObject(pWindow)
    {
        for (QMenuBar* bar : pWindow->findChildren<QMenuBar*>())
            bar->installEventFilter(this);
    }
    void Add(const QKeySequence& keys, std::function<void()> run) { m_actions.insert(keys, std::move(run)); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Shortcut) {
            auto* shortcut = static_cast<QShortcutEvent*>(event);
            const auto it = m_actions.constFind(shortcut->key());
            if (it != m_actions.constEnd()) {
                (*it)();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QHash<QKeySequence, std::function<void()>> m_actions;
};

// Keys of the table on the digit row, taken by the key's place rather than
// by what the layout prints on it: Alt+1 is the key marked 1 also where that
// key gives "&" unless Shift is held, which no shortcut of Qt's would match.
// The keypad's digits are other keys and are left alone. A key is taken
// while the window (or one of its floating bars) is the active window, as
// its shortcuts are.
class DigitRowKeys : public QObject {
public:
    explicit DigitRowKeys(QWidget* pWindow) : QObject(pWindow), m_window(pWindow) { qApp->installEventFilter(this); }
    void Add(Qt::KeyboardModifiers modifiers, int digit, std::function<void()> run)
    {
        m_keys.insert(KeyOf(modifiers, digit), std::move(run));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || !InWindow())
            return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const int digit = platform::digitRowKey(*key);
        const auto it = digit < 0 ? m_keys.constEnd() : m_keys.constFind(KeyOf(key->modifiers(), digit));
        if (it == m_keys.constEnd())
            return QObject::eventFilter(watched, event);
        // Claimed before the shortcut map looks at it, so that nothing else
        // acts on the key; the command runs on the key press itself.
        key->accept();
        if (type == QEvent::KeyPress)
            (*it)();
        return true;
    }

private:
    static int KeyOf(Qt::KeyboardModifiers modifiers, int digit)
    {
        const Qt::KeyboardModifiers counted = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
        return int((modifiers & counted).toInt()) | digit;
    }
    bool InWindow() const
    {
        if (!m_window || !m_window->isEnabled() || QApplication::activePopupWidget())
            return false;
        QWidget* active = QApplication::activeWindow();
        if (active == m_window)
            return true;
        auto* dock = qobject_cast<QDockWidget*>(active);
        return dock && dock->isFloating() && dock->parentWidget() == m_window;
    }

    QPointer<QWidget> m_window;
    QHash<int, std::function<void()>> m_keys;
};

constexpr uint8_t kAlt = FVIRTKEY | FNOINVERT | FALT;
constexpr uint8_t kCtrl = FVIRTKEY | FNOINVERT | FCONTROL;
constexpr uint8_t kPlain = FVIRTKEY | FNOINVERT;

CMenuAccelerators::Entry row(uint8_t flags, uint16_t key, const char* name, uint16_t command)
{
    CMenuAccelerators::Entry e;
    e.fVirt = flags;
    e.key = key;
    e.strKeyName = QString::fromLatin1(name);
    e.candidates = {command};
    return e;
}

int qtKey(uint16_t key)
{
    if (key >= 'A' && key <= 'Z')
        return Qt::Key_A + (key - 'A');
    if (key >= '0' && key <= '9')
        return Qt::Key_0 + (key - '0');
    if (key >= VK_F1 && key <= VK_F1 + 23)
        return Qt::Key_F1 + (key - VK_F1);
    switch (key) {
    case VK_RETURN: return Qt::Key_Return;
    case 0x1B: return Qt::Key_Escape;
    case 0x2D: return Qt::Key_Insert;
    case 0x2E: return Qt::Key_Delete;
    case 0x21: return Qt::Key_PageUp;
    case 0x22: return Qt::Key_PageDown;
    case 0x23: return Qt::Key_End;
    case 0x24: return Qt::Key_Home;
    case 0x25: return Qt::Key_Left;
    case 0x26: return Qt::Key_Up;
    case 0x27: return Qt::Key_Right;
    case 0x28: return Qt::Key_Down;
    default: return 0;
    }
}

QKeySequence sequenceOf(uint8_t fVirt, uint16_t key)
{
    const int k = qtKey(key);
    if (!k)
        return {};
    int modifiers = 0;
    if (fVirt & FALT)
        modifiers |= Qt::AltModifier;
    if (fVirt & FCONTROL)
        modifiers |= Qt::ControlModifier;
    if (fVirt & FSHIFT)
        modifiers |= Qt::ShiftModifier;
    return QKeySequence(k | modifiers);
}
} // namespace

CMenuAccelerators& GetMenuAccelerators()
{
    static CMenuAccelerators accelerators;
    return accelerators;
}

CMenuAccelerators::CMenuAccelerators() : m_table(CorvaneTable()) {}

CMenuAccelerators::CMenuAccelerators(const QList<Entry>& table) : m_table(table) {}

void CMenuAccelerators::SetTable(const QList<Entry>& table)
{
    m_table = table;
    m_descriptions.clear();
    m_keyNames.clear();
}

QList<CMenuAccelerators::Entry> CMenuAccelerators::CorvaneTable()
{
    return {
        row(kAlt, 'A', "Alt+A", 32776),      // Favourites, Add
        row(kAlt, 'N', "Alt+N", 32794),      // Scanning, Band
        row(kAlt, 'C', "Alt+C", 32790),      // Tools, Calibration
        row(kAlt, 'G', "Alt+G", 32811),      // Memory, Manager
        row(kAlt, 'L', "Alt+L", 32876),      // Tools, Lock Front Panel
        row(kAlt, 'O', "Alt+O", 32779),      // Favourites, Manager
        row(kAlt, 'Q', "Alt+Q", 32796),      // Scanning, Memory
        row(kAlt, 'P', "Alt+P", 33041),      // Tools, PSK31 Brevio
        row(kAlt, 'R', "Alt+R", 32898),      // Tools, Repeater Settings
        row(kAlt, 'X', "Alt+X", 32877),      // Tools, Transmit
        row(kAlt, 'Y', "Alt+Y", 33063),      // Favourites, Show Markers
        row(kCtrl, 'B', "Ctrl+B", 32925),    // Bands, Manager
        row(kCtrl, 'L', "Ctrl+L", 32910),    // Tools, Volume Control
        row(kCtrl, 'P', "Ctrl+P", 57607),    // File, Print
        row(kCtrl, 'R', "Ctrl+R", 32847),    // Memory, Reload
        row(kCtrl, 'S', "Ctrl+S", 32774),    // Memory, Save to Memory
        row(kCtrl, 'W', "Ctrl+W", 32912),    // Tools, CW Settings
        row(kCtrl, 'Y', "Ctrl+Y", 32813),    // Edit, Redo
        row(kCtrl, 'Z', "Ctrl+Z", 32812),    // Edit, Undo
        row(kPlain, 0x73, "F4", 32922),      // View, Fine Tuning
        row(kPlain, 0x74, "F5", 32775),      // View, Selection Window
        row(kPlain, 0x75, "F6", 32916),      // View, S-Meter History
        row(kPlain, 0x76, "F7", 32802),      // Tools, FT-817 Manager
        row(kPlain, 0x77, "F8", 32809),      // Tools, Program Options
        row(kPlain, 0x78, "F9", 33018),      // View, Quick Save Toolbar
        row(kPlain, 0x79, "F10", 33042),     // View, Full Screen
        row(kAlt, 0x7A, "Alt+F11", 33067),   // Speech, Full Frequency
        row(kCtrl, 0x7A, "Ctrl+F11", 33066), // Speech, Auto-announce
        row(kPlain, 0x7A, "F11", 33064),     // Speech, Frequency
        row(kPlain, 0x7B, "F12", 33065),     // Speech, Frequency + Mode
        row(kCtrl, 0x7B, "Ctrl+F12", 33068), // Speech, Out of Band
        row(kPlain, VK_RETURN, "Enter", 32858), // Tools, Enter Frequency
    };
}

QList<QKeySequence> CMenuAccelerators::Keys() const
{
    QList<QKeySequence> keys;
    for (const Entry& entry : m_table) {
        const QKeySequence keySequence = sequenceOf(entry.fVirt, entry.key);
        if (!keySequence.isEmpty() && !keys.contains(keySequence))
            keys << keySequence;
    }
    return keys;
}

void CMenuAccelerators::ReleaseKeys(QWidget* pOwner) const
{
    if (!pOwner)
        return;
    const QList<QKeySequence> taken = Keys();
    QList<QAction*> actions = pOwner->actions();
    for (QAction* action : pOwner->findChildren<QAction*>())
        if (!actions.contains(action))
            actions << action;
    for (QAction* action : actions) {
        QList<QKeySequence> keys = action->shortcuts();
        const qsizetype before = keys.size();
        keys.removeIf([&](const QKeySequence& k) { return taken.contains(k); });
        if (keys.size() != before)
            action->setShortcuts(keys);
    }
}

QString CMenuAccelerators::KeySequenceText(uint8_t fVirt, uint16_t key)
{
    return sequenceOf(fVirt, key).toString(QKeySequence::PortableText);
}

void CMenuAccelerators::VisitAction(QAction* pAction)
{
    const unsigned id = pAction->property(kCommandId).toUInt();
    if (id == 0)
        return;
    QString appended;
    for (Entry& entry : m_table) {
        if (entry.nFound != 0)
            continue;
        if (!entry.candidates.contains(uint16_t(id)))
            continue;
        if (appended.isEmpty() && !entry.strKeyName.isEmpty())
            appended = QStringLiteral("\t") + entry.strKeyName;
        entry.nFound = uint16_t(id);
    }
    if (!appended.isEmpty())
        pAction->setText(pAction->text() + appended);
}

void CMenuAccelerators::WalkMenu(QMenu* pMenu)
{
    if (!pMenu)
        return;
    for (QAction* action : pMenu->actions()) {
        if (action->isSeparator())
            continue;
        if (action->menu())
            WalkMenu(action->menu());
        else
            VisitAction(action);
    }
}

QList<ACCEL> CMenuAccelerators::Build(QMenuBar* pMenu, QWidget* pWindow)
{
    QList<QMenu*> menus;
    if (pMenu)
        for (QAction* action : pMenu->actions())
            if (action->menu())
                menus << action->menu();
    return Build(menus, pWindow);
}

QList<ACCEL> CMenuAccelerators::Build(const QList<QMenu*>& menus, QWidget* pWindow)
{
    for (Entry& entry : m_table)
        entry.nFound = 0;
    QHash<uint16_t, QAction*> actions;
    for (QMenu* menu : menus)
        WalkMenu(menu);
    // The actions by command, for the shortcuts.
    std::function<void(QMenu*)> collect = [&](QMenu* menu) {
        for (QAction* action : menu->actions()) {
            if (action->menu())
                collect(action->menu());
            else if (const unsigned id = action->property(kCommandId).toUInt())
                actions.insert(uint16_t(id), action);
        }
    };
    for (QMenu* menu : menus)
        collect(menu);

    QList<ACCEL> table;
    for (const Entry& entry : m_table)
        if (entry.nFound != 0 && entry.key != 0)
            table.append({entry.fVirt, entry.key, entry.nFound});

    if (pWindow) {
        for (const QPointer<QObject>& old : std::as_const(m_shortcuts))
            delete old;
        m_shortcuts.clear();
        auto* keeper = new AcceleratorKeeper(pWindow);
        auto* digitRow = new DigitRowKeys(pWindow);
        for (const ACCEL& accel : table) {
            QAction* action = actions.value(accel.cmd);
            const QKeySequence keys = sequenceOf(accel.fVirt, accel.key);
            if (!action || keys.isEmpty())
                continue;
            QPointer<QAction> target(action);
            auto run = [refresh = m_refresh, target] {
                if (refresh)
                    refresh();
                if (target && target->isEnabled())
                    target->trigger();
            };
            if (accel.key >= '0' && accel.key <= '9') {
                digitRow->Add(keys[0].keyboardModifiers(), accel.key - '0', run);
                continue;
            }
            auto* shortcut = new QShortcut(keys, pWindow);
            QObject::connect(shortcut, &QShortcut::activated, pWindow, run);
            // A menu title's mnemonic may use the same Alt key; the table's
            // key is the one that counts, as accelerators come before
            // mnemonics.
            QObject::connect(shortcut, &QShortcut::activatedAmbiguously, pWindow, run);
            keeper->Add(keys, run);
            m_shortcuts << shortcut;
        }
        m_shortcuts << keeper << digitRow;
    }

    if (m_keyNames.isEmpty()) {
        for (const Entry& entry : m_table) {
            for (uint16_t command : entry.candidates) {
                if (!entry.strKeyName.isEmpty())
                    m_keyNames.insert(command, entry.strKeyName);
                if (!entry.strDescription.isEmpty())
                    m_descriptions.insert(command, entry.strDescription);
            }
        }
    }
    return table;
}

QString CMenuAccelerators::GetToolTipText(unsigned nId) const
{
    if (nId == 0)
        return {};
    const uint16_t id = uint16_t(nId);
    QString tip = m_descriptions.value(id);
    if (tip.isEmpty() && m_promptSource) {
        const QString prompt = m_promptSource(nId);
        const qsizetype newline = prompt.indexOf(QLatin1Char('\n'));
        tip = newline >= 0 ? prompt.mid(newline + 1).section(QLatin1Char('\n'), 0, 0) : QString();
    }
    const auto key = m_keyNames.constFind(id);
    if (key != m_keyNames.constEnd()) {
        while (!tip.isEmpty() && tip.back().isSpace())
            tip.chop(1);
        tip += QStringLiteral(" (") + *key + QLatin1Char(')');
    }
    return tip.left(kMaxTip);
}
