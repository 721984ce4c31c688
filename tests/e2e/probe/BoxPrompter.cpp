#include "BoxPrompter.h"

#include <QCoreApplication>
#include <QFile>
#include <QList>
#include <QUrl>

namespace probe {

namespace {

QString ButtonName(int answer)
{
    switch (answer) {
    case platform::IDOK: return QStringLiteral("OK");
    case platform::IDCANCEL: return QStringLiteral("Cancel");
    case platform::IDABORT: return QStringLiteral("Abort");
    case platform::IDRETRY: return QStringLiteral("Retry");
    case platform::IDIGNORE: return QStringLiteral("Ignore");
    case platform::IDYES: return QStringLiteral("Yes");
    case platform::IDNO: return QStringLiteral("No");
    default: return QString::number(answer);
    }
}

// What Return answers in a box nobody sees: its default button, but never a
// retry.
int UnshownAnswer(int style)
{
    QList<int> buttons;
    switch (style & 0x0F) {
    case platform::MB_OKCANCEL: buttons = {platform::IDOK, platform::IDCANCEL}; break;
    case platform::MB_ABORTRETRYIGNORE: return platform::IDIGNORE;
    case platform::MB_YESNOCANCEL: buttons = {platform::IDYES, platform::IDNO, platform::IDCANCEL}; break;
    case platform::MB_YESNO: buttons = {platform::IDYES, platform::IDNO}; break;
    case platform::MB_RETRYCANCEL: return platform::IDCANCEL;
    default: buttons = {platform::IDOK}; break;
    }
    return buttons.value((style & 0xF00) >> 8, buttons.first());
}

QString Encoded(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

} // namespace

BoxPrompter& BoxPrompter::Install()
{
    static BoxPrompter prompter(platform::Prompter::instance(), !qEnvironmentVariableIsEmpty("PROBE_SHOW_BOXES"),
                                qEnvironmentVariable("PROBE_BOX_LOG"));
    platform::Prompter::setInstance(&prompter);
    return prompter;
}

BoxPrompter::BoxPrompter(platform::Prompter& shower, bool show, const QString& logPath)
    : m_shower(shower), m_show(show), m_logPath(logPath)
{
}

QString BoxPrompter::Shown(const QString& kind, const QString& caption, const QString& text)
{
    const QString id = QStringLiteral("%1-%2").arg(QCoreApplication::applicationPid()).arg(++m_count);
    Log({QStringLiteral("shown"), id, kind, Encoded(caption), Encoded(text)});
    return id;
}

void BoxPrompter::Answered(const QString& id, const QString& answer)
{
    Log({QStringLiteral("answered"), id, Encoded(answer)});
}

void BoxPrompter::Log(const QStringList& fields)
{
    if (m_logPath.isEmpty())
        return;
    // Written through at once: the program may be killed with a box open.
    QFile log(m_logPath);
    if (log.open(QIODevice::Append | QIODevice::Text))
        log.write(fields.join(QLatin1Char('\t')).toUtf8() + '\n');
}

QString BoxPrompter::TakeBoxes()
{
    const QString text = m_boxes.join(QStringLiteral(" || "));
    m_boxes.clear();
    return text;
}

QString BoxPrompter::TakeFile()
{
    if (files.empty())
        return {};
    const QString f = files.front();
    files.pop_front();
    return f;
}

int BoxPrompter::messageBox(QWidget* parent, const QString& text, const QString& caption, int style)
{
    m_boxes << caption + QStringLiteral(": ") + QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QString id = Shown(QStringLiteral("message"), caption, text);
    int answer;
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    } else if (m_show) {
        answer = m_shower.messageBox(parent, text, caption, style);
    } else {
        answer = UnshownAnswer(style);
    }
    Answered(id, ButtonName(answer));
    return answer;
}

QString BoxPrompter::ChooseFile(const QString& kind, const QString& caption, const QString& filter,
                               const std::function<QString()>& show)
{
    const QString id = Shown(kind, caption, filter);
    QString path = TakeFile();
    if (path.isEmpty() && m_show)
        path = show();
    Answered(id, path.isEmpty() ? QStringLiteral("Cancel") : path);
    return path;
}

QString BoxPrompter::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                  const QString& filter, QString* selectedFilter)
{
    return ChooseFile(QStringLiteral("open file"), caption, filter,
                      [&] { return m_shower.openFileName(parent, caption, folder, filter, selectedFilter); });
}

QStringList BoxPrompter::openFileNames(QWidget* parent, const QString& caption, const QString& folder,
                                       const QString& filter, QString* selectedFilter)
{
    const QString id = Shown(QStringLiteral("open files"), caption, filter);
    QStringList paths;
    if (const QString path = TakeFile(); !path.isEmpty())
        paths << path;
    else if (m_show)
        paths = m_shower.openFileNames(parent, caption, folder, filter, selectedFilter);
    Answered(id, paths.isEmpty() ? QStringLiteral("Cancel") : paths.join(QLatin1Char('\n')));
    return paths;
}

QString BoxPrompter::saveFileName(QWidget* parent, const QString& caption, const QString& path,
                                  const QString& filter, QString* selectedFilter)
{
    return ChooseFile(QStringLiteral("save file"), caption, filter,
                      [&] { return m_shower.saveFileName(parent, caption, path, filter, selectedFilter); });
}

QString BoxPrompter::existingFolder(QWidget* parent, const QString& caption, const QString& folder)
{
    const QString id = Shown(QStringLiteral("folder"), caption, folder);
    const QString chosen = m_show ? m_shower.existingFolder(parent, caption, folder) : QString();
    Answered(id, chosen.isEmpty() ? QStringLiteral("Cancel") : chosen);
    return chosen;
}

std::optional<QColor> BoxPrompter::colour(QWidget* parent, const QColor& initial, const QString& caption)
{
    const QString id = Shown(QStringLiteral("colour"), caption, initial.name());
    const std::optional<QColor> chosen = m_show ? m_shower.colour(parent, initial, caption) : std::nullopt;
    Answered(id, chosen ? chosen->name() : QStringLiteral("Cancel"));
    return chosen;
}

std::optional<QFont> BoxPrompter::font(QWidget* parent, const QFont& initial, const QString& caption)
{
    const QString id = Shown(QStringLiteral("font"), caption, initial.toString());
    const std::optional<QFont> chosen = m_show ? m_shower.font(parent, initial, caption) : std::nullopt;
    Answered(id, chosen ? chosen->toString() : QStringLiteral("Cancel"));
    return chosen;
}

} // namespace probe
