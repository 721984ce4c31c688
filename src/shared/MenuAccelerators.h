#pragma once
#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>

class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;
class QWidget;

// Accelerator flags and the virtual keys the tables use.
constexpr uint8_t FVIRTKEY = 0x01;
constexpr uint8_t FNOINVERT = 0x02;
constexpr uint8_t FSHIFT = 0x04;
constexpr uint8_t FCONTROL = 0x08;
constexpr uint8_t FALT = 0x10;
constexpr uint16_t VK_RETURN = 0x0D;
constexpr uint16_t VK_F1 = 0x70;

// One row of an accelerator table as the program keeps it.
struct ACCEL {
    uint8_t fVirt;
    uint16_t key;
    uint16_t cmd;
};

// The keyboard accelerators of a main window. From a built-in table of keys
// it writes the key names into the menu items ("&Undo\tCtrl+Z"), makes the
// keys work, and adds the key to the tooltips of toolbar buttons. Menu items
// carry their command id as the action property "commandId". A digit key
// of the table is the digit row's key on every layout (not the keypad's).
class CMenuAccelerators {
public:
    struct Entry {
        uint8_t fVirt = 0;
        uint16_t key = 0;
        QString strDescription;
        QString strKeyName;
        uint16_t nFound = 0;
        QList<uint16_t> candidates;
    };

    CMenuAccelerators();
    explicit CMenuAccelerators(const QList<Entry>& table);

    // The radio-control program's 32 keys.
    static QList<Entry> CorvaneTable();
    void SetTable(const QList<Entry>& table);
    const QList<Entry>& GetTable() const { return m_table; }

    // Walks the menu, appends the key names and returns the accelerator
    // table of the commands found. With a window, the keys become shortcuts
    // of that window (replacing the ones of an earlier Build).
    QList<ACCEL> Build(QMenuBar* pMenu, QWidget* pWindow = nullptr);
    QList<ACCEL> Build(const QList<QMenu*>& menus, QWidget* pWindow = nullptr);

    // A tooltip for a command or control id: the description or the second
    // part of the command's prompt, then " (key)" when it has a key; at most
    // 80 characters.
    QString GetToolTipText(unsigned nId) const;
    // Where command prompts ("status text\ntooltip") come from.
    using PromptSource = std::function<QString(unsigned)>;
    void SetPromptSource(PromptSource source) { m_promptSource = std::move(source); }
    // Brings the commands' enabled states up to date before a key is acted
    // on: a state refreshed only when a menu opens would refuse a command
    // that has become available since (Abort once a transmission runs).
    void SetStateRefresh(std::function<void()> refresh) { m_refresh = std::move(refresh); }

    QString GetKeyName(unsigned nId) const { return m_keyNames.value(uint16_t(nId)); }

    // The keys of the table, whether or not the menu has their commands.
    QList<QKeySequence> Keys() const;
    // A window the main window holds (an MDI child with its system menu)
    // gives up every key of the table, so that a key stays one command's:
    // two owners of one key in a window make it do nothing every other time.
    void ReleaseKeys(QWidget* pOwner) const;

    static QString KeySequenceText(uint8_t fVirt, uint16_t key);
    static constexpr int kMaxTip = 80;

private:
    void WalkMenu(QMenu* pMenu);
    void VisitAction(QAction* pAction);

    QList<Entry> m_table;
    QHash<uint16_t, QString> m_descriptions;
    QHash<uint16_t, QString> m_keyNames;
    PromptSource m_promptSource;
    std::function<void()> m_refresh;
    // Owned by their window: one that went away took its shortcuts with it.
    QList<QPointer<QObject>> m_shortcuts;
};

CMenuAccelerators& GetMenuAccelerators();
