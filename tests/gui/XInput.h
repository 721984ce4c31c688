#pragma once
// Real input on an XServer's display: keys and mouse through the XTEST
// extension (xdotool), and the window manager's view of the windows (xdotool,
// wmctrl, xprop). Every call waits until the tool has finished and says
// whether it succeeded; ErrorText() tells why not. Input goes where the
// window system sends it (the active window, the window under the pointer),
// so a test checks the outcome through the program's probe.
//
//   XInput input(x);
//   ASSERT_TRUE(input.Key("ctrl+shift+3"));     // keysyms as xdotool names them
//   ASSERT_TRUE(input.KeyDigit(3, "ctrl"));     // the digit row's "3" key, whatever it prints
//   ASSERT_TRUE(input.Type("cq cq de g4tst"));
//   ASSERT_TRUE(input.Click(QPoint(200, 300), XInput::kRight));
//   const qulonglong w = input.MainWindow(program.Pid(), "Brevio");
//   ASSERT_TRUE(input.Maximise(w, false));
#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class XServer;

class XInput {
public:
    static constexpr int kLeft = 1;
    static constexpr int kMiddle = 2;
    static constexpr int kRight = 3;

    explicit XInput(const XServer& server) : m_server(server) {}

    // Keyboard. chord: "ctrl+shift+3", "Escape", "alt+Left", "F1" (xdotool's
    // keysym names, "+" between keys pressed together; several chords may be
    // given separated by blanks).
    bool Key(const QString& chords);
    // One chord pressed and held, and let go: between the two the keyboard
    // repeats it as a held key does.
    bool KeyDown(const QString& chord);
    bool KeyUp(const QString& chord);
    // The key of the digit row that carries the digit (keycodes 10-19 of a
    // PC keyboard), with modifiers such as "ctrl" or "ctrl+shift", as the
    // operator presses it: on a layout whose digits need Shift it sends what
    // that layout gives for the unshifted key.
    bool KeyDigit(int digit, const QString& modifiers = {});
    // Each character typed with the keys the layout has for it.
    bool Type(const QString& text);

    // Mouse, in screen coordinates.
    bool MoveMouse(const QPoint& at);
    bool Click(const QPoint& at, int button = kLeft, int count = 1);
    bool Press(const QPoint& at, int button = kLeft);
    bool Release(int button = kLeft);
    // Wheel clicks at a point: positive away from the operator (up), negative
    // towards (down).
    bool Wheel(const QPoint& at, int clicks);
    QPoint MousePosition();

    // Windows (X window ids). Visible ones of a process, in the order xdotool
    // finds them; those whose title matches a regular expression.
    QList<qulonglong> Windows(qint64 pid);
    QList<qulonglong> Windows(qint64 pid, const QString& titlePattern);
    // The process's visible window whose title matches, waiting for it up to
    // timeoutMs; 0 when none shows.
    qulonglong WaitForWindow(qint64 pid, const QString& titlePattern, int timeoutMs = 10000);
    qulonglong ActiveWindow();
    QString Title(qulonglong window);
    qint64 PidOf(qulonglong window);
    bool Activate(qulonglong window);
    bool Move(qulonglong window, const QPoint& at);
    bool Resize(qulonglong window, const QSize& size);
    bool Maximise(qulonglong window, bool on);
    bool Minimise(qulonglong window);
    // The client area in screen coordinates, as the window manager placed it.
    QRect Geometry(qulonglong window);
    // What the window manager draws around the client area (title bar and
    // borders); null margins while it has not framed the window.
    QMargins FrameExtents(qulonglong window);
    // The window manager's state atoms of the window, shortened:
    // "maximized_vert", "maximized_horz", "hidden", "fullscreen", "focused"...
    QStringList State(qulonglong window);
    bool IsMaximised(qulonglong window);

    QString ErrorText() const { return m_error; }

private:
    bool Xdotool(const QStringList& arguments, QString* output = nullptr, int timeoutMs = 10000);
    bool Tool(const QString& program, const QStringList& arguments, QString* output, int timeoutMs);

    const XServer& m_server;
    QString m_error;
};
