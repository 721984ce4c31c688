#pragma once
// Every message box and every file, folder, colour and font chooser of a
// probed program, recorded as it opens and again as it is answered.
//
// With PROBE_SHOW_BOXES set (the tests that drive the program with real
// input) each one is really shown, by the program's own prompter, and stays
// until someone answers it: the test with real keys, or nobody, so that a
// box no test expected stays on the screen for the test to fail on. Without
// it (tests that drive the program through the probe alone) each is answered
// at once as the operator pressing Return would, except that a question
// offering to retry is cancelled, or a retry answered for ever would never
// end.
//
// Answers the probe queued for itself (files, answers) are given without
// showing anything, either way: they belong to a probe command that acts for
// the operator.
//
// With PROBE_BOX_LOG naming a file, each event is appended to it at once, so
// that what was shown can be read even once the program has ended or while a
// box holds it. One line per event, fields separated by tabs, texts
// percent-encoded (QUrl::toPercentEncoding):
//   shown    <id> <kind> <caption> <text>
//   answered <id> <answer>
// id: "<process id>-<number>"; kind: message, open file, open files, save
// file, folder, colour, font; text: a message box's text, a file chooser's
// filter, a folder chooser's folder, the colour or font offered; answer: the
// button (OK, Cancel, Abort, Retry, Ignore, Yes, No), the path, colour or
// font chosen, or Cancel.
#include "platform/Prompter.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

namespace probe {

class BoxPrompter final : public platform::Prompter {
public:
    // Takes over from the program's prompter, which stays the one that shows.
    static BoxPrompter& Install();

    int messageBox(QWidget* parent, const QString& text, const QString& caption, int style) override;
    QString openFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                         QString* selectedFilter) override;
    QStringList openFileNames(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                              QString* selectedFilter) override;
    QString saveFileName(QWidget* parent, const QString& caption, const QString& path, const QString& filter,
                         QString* selectedFilter) override;
    QString existingFolder(QWidget* parent, const QString& caption, const QString& folder) override;
    std::optional<QColor> colour(QWidget* parent, const QColor& initial, const QString& caption) override;
    std::optional<QFont> font(QWidget* parent, const QFont& initial, const QString& caption) override;

    // The message boxes shown since the last call, "caption: text" each
    // (line breaks as blanks), " || " between; the list starts again.
    QString TakeBoxes();

    // Files and answers a probe command queues for the choosers and message
    // boxes its action opens.
    std::deque<QString> files;
    std::deque<int> answers;

private:
    BoxPrompter(platform::Prompter& shower, bool show, const QString& logPath);
    // Notes a box opening; its id.
    QString Shown(const QString& kind, const QString& caption, const QString& text);
    void Answered(const QString& id, const QString& answer);
    void Log(const QStringList& fields);
    QString TakeFile();
    // A file chooser: the file a command queued, else the one chosen where it
    // is shown; noted as it opens and as it is answered.
    QString ChooseFile(const QString& kind, const QString& caption, const QString& filter,
                       const std::function<QString()>& show);

    platform::Prompter& m_shower;
    bool m_show;
    QString m_logPath;
    int m_count = 0;
    QStringList m_boxes;
};

} // namespace probe
