#pragma once
#include "platform/Prompter.h"

#include <QList>
#include <deque>

namespace testsupport {

// Answers every box and chooser from a script and records what was asked,
// so a test never blocks on a modal window and can check the exact texts.
class ScriptedPrompter final : public platform::Prompter {
public:
    struct Box {
        QString text;
        QString caption;
        int style;
        int answer;
    };

    int messageBox(QWidget* parent, const QString& text, const QString& caption, int style) override;
    QString openFileName(QWidget*, const QString& caption, const QString& folder, const QString& filter,
                         QString* selectedFilter) override;
    QStringList openFileNames(QWidget*, const QString& caption, const QString& folder, const QString& filter,
                              QString* selectedFilter) override;
    QString saveFileName(QWidget*, const QString& caption, const QString& path, const QString& filter,
                         QString* selectedFilter) override;
    QString existingFolder(QWidget*, const QString& caption, const QString& folder) override;
    std::optional<QColor> colour(QWidget*, const QColor& initial, const QString& caption) override;
    std::optional<QFont> font(QWidget*, const QFont& initial, const QString& caption) override;

    void clear();

    // Script: answers are taken in order; with none left a box gets its
    // first button (IDOK / IDYES / IDABORT / IDRETRY) and choosers cancel.
    std::deque<int> m_answers;
    std::deque<QString> m_files;
    std::deque<std::optional<QColor>> m_colours;
    std::deque<std::optional<QFont>> m_fonts;

    // Record.
    QList<Box> m_boxes;
    QStringList m_chooserCaptions;
    QStringList m_chooserFilters;
    // The folder or starting path each chooser was given.
    QStringList m_chooserPaths;
};

// The prompter the test main installs for every test.
ScriptedPrompter& prompter();

} // namespace testsupport
