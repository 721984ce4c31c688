#pragma once
// An X server of the test's own (Xvfb, 1280x1024 or the size asked for, 24
// bits, a free display number it picks itself) with a small window manager
// (openbox), so that maximising, activation and focus behave as on a desktop.
// Both end with the object, or with the test process.
//
//   XServer x;                                 // or x(QSize(1024, 768))
//   ASSERT_TRUE(x.Start()) << x.ErrorText();   // names what is missing
//   ASSERT_TRUE(x.SetLayout("fr")) << x.ErrorText();
//   env["DISPLAY"] = x.Display();              // ":N"
#include <QProcess>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class XServer {
public:
    static constexpr int kWidth = 1280;
    static constexpr int kHeight = 1024;

    explicit XServer(QSize screen = QSize(kWidth, kHeight));
    ~XServer();
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    // Starts the server and the window manager and waits until both serve;
    // false with ErrorText() when a program is missing or does not come up.
    bool Start();
    bool IsRunning() const;
    QString Display() const { return m_display; }
    QSize ScreenSize() const { return m_screen; }
    QString ErrorText() const { return m_error; }

    // The keyboard layout of this display ("us", "fr"), through setxkbmap.
    bool SetLayout(const QString& layout);

    // Runs an X client program on this display to its end (at most
    // timeoutMs); true when it exits with 0. Its output goes to *output.
    bool Run(const QString& program, const QStringList& arguments, QString* output = nullptr,
             int timeoutMs = 10000) const;

    // The absolute path of a program on PATH, or "" when it is not installed.
    static QString Find(const QString& program);

private:
    bool StartServer();
    bool StartWindowManager();

    QSize m_screen;
    QTemporaryDir m_dir;
    QProcess m_server;
    QProcess m_manager;
    QString m_display;
    QString m_error;
};
