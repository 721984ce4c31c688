#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace platform {

// Button sets and answers in the design's terms (the values of the Windows
// message-box constants, which stored settings and callers compare against).
// Plain ints, so styles combine with '|' as callers expect.
inline constexpr int MB_OK = 0x0;
inline constexpr int MB_OKCANCEL = 0x1;
inline constexpr int MB_ABORTRETRYIGNORE = 0x2;
inline constexpr int MB_YESNOCANCEL = 0x3;
inline constexpr int MB_YESNO = 0x4;
inline constexpr int MB_RETRYCANCEL = 0x5;
inline constexpr int MB_ICONNONE = 0x0;
inline constexpr int MB_ICONERROR = 0x10;
inline constexpr int MB_ICONQUESTION = 0x20;
inline constexpr int MB_ICONWARNING = 0x30;
inline constexpr int MB_ICONINFORMATION = 0x40;
inline constexpr int MB_DEFBUTTON1 = 0x0;
inline constexpr int MB_DEFBUTTON2 = 0x100;
inline constexpr int MB_DEFBUTTON3 = 0x200;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Every message box, file, folder, colour and font chooser of both programs
// goes through here, so tests answer them without a modal loop.
class Prompter {
public:
    virtual ~Prompter() = default;

    // style = buttons | icon | default button. Returns an IDxxx answer.
    virtual int messageBox(QWidget* parent, const QString& text, const QString& caption, int style) = 0;
    // Empty string: cancelled. filter is in Qt's form ("Text (*.txt *.TXT);;All (*)").
    virtual QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                 const QString& filter, QString* selectedFilter = nullptr) = 0;
    virtual QStringList openFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                      const QString& filter, QString* selectedFilter = nullptr) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& caption, const QString& path,
                                 const QString& filter, QString* selectedFilter = nullptr) = 0;
    virtual QString existingFolder(QWidget* parent, const QString& caption, const QString& folder) = 0;
    virtual std::optional<QColor> colour(QWidget* parent, const QColor& initial, const QString& caption) = 0;
    virtual std::optional<QFont> font(QWidget* parent, const QFont& initial, const QString& caption) = 0;

    static Prompter& instance();
    // nullptr restores the real, interactive prompter.
    static void setInstance(Prompter* prompter);
};

// Shorthands.
int messageBox(QWidget* parent, const QString& text, const QString& caption, int style = MB_OK);
// The design's error box: caption "Error", text "%s -\n%s" when a reason is given.
int errorBox(QWidget* parent, const QString& description, const QString& reason = QString());

} // namespace platform
