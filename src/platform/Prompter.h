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
enum MessageButtons : int {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_ABORTRETRYIGNORE = 0x2,
    MB_YESNOCANCEL = 0x3,
    MB_YESNO = 0x4,
    MB_RETRYCANCEL = 0x5,
};
enum MessageIcon : int {
    MB_ICONNONE = 0x0,
    MB_ICONERROR = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONWARNING = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum MessageDefault : int { MB_DEFBUTTON1 = 0x0, MB_DEFBUTTON2 = 0x100, MB_DEFBUTTON3 = 0x200 };
enum MessageAnswer : int { IDOK = 1, IDCANCEL = 2, IDABORT = 3, IDRETRY = 4, IDIGNORE = 5, IDYES = 6, IDNO = 7 };

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
