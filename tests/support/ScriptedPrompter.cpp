#include "support/ScriptedPrompter.h"

namespace testsupport {

using namespace platform;

int ScriptedPrompter::messageBox(QWidget*, const QString& text, const QString& caption, int style)
{
    int answer;
    if (!m_answers.empty()) {
        answer = m_answers.front();
        m_answers.pop_front();
    } else {
        switch (style & 0x0F) {
        case MB_ABORTRETRYIGNORE: answer = IDABORT; break;
        case MB_YESNOCANCEL:
        case MB_YESNO: answer = IDYES; break;
        case MB_RETRYCANCEL: answer = IDRETRY; break;
        default: answer = IDOK; break;
        }
    }
    m_boxes << Box{text, caption, style, answer};
    return answer;
}

QString ScriptedPrompter::openFileName(QWidget*, const QString& caption, const QString& folder, const QString& filter,
                                       QString*)
{
    m_chooserCaptions << caption;
    m_chooserPaths << folder;
    m_chooserFilters << filter;
    if (m_files.empty())
        return {};
    const QString f = m_files.front();
    m_files.pop_front();
    return f;
}

QStringList ScriptedPrompter::openFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                            const QString& filter, QString* selectedFilter)
{
    const QString f = openFileName(parent, caption, folder, filter, selectedFilter);
    return f.isEmpty() ? QStringList() : QStringList{f};
}

QString ScriptedPrompter::saveFileName(QWidget* parent, const QString& caption, const QString& path,
                                       const QString& filter, QString* selectedFilter)
{
    return openFileName(parent, caption, path, filter, selectedFilter);
}

QString ScriptedPrompter::existingFolder(QWidget* parent, const QString& caption, const QString& folder)
{
    return openFileName(parent, caption, folder, QString(), nullptr);
}

std::optional<QColor> ScriptedPrompter::colour(QWidget*, const QColor&, const QString& caption)
{
    m_chooserCaptions << caption;
    if (m_colours.empty())
        return std::nullopt;
    auto c = m_colours.front();
    m_colours.pop_front();
    return c;
}

std::optional<QFont> ScriptedPrompter::font(QWidget*, const QFont&, const QString& caption)
{
    m_chooserCaptions << caption;
    if (m_fonts.empty())
        return std::nullopt;
    auto f = m_fonts.front();
    m_fonts.pop_front();
    return f;
}

void ScriptedPrompter::clear()
{
    m_answers.clear();
    m_files.clear();
    m_colours.clear();
    m_fonts.clear();
    m_boxes.clear();
    m_chooserCaptions.clear();
    m_chooserFilters.clear();
    m_chooserPaths.clear();
}

ScriptedPrompter& prompter()
{
    static ScriptedPrompter p;
    return p;
}

} // namespace testsupport
