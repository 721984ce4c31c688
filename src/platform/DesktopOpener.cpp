#include "platform/DesktopOpener.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace platform {

namespace {

// The opener's complaint, at most the last lines of it: xdg-open lists every
// browser it tried before saying it found none.
QString complaint(QTemporaryFile* errors)
{
    errors->seek(0);
    const QString text = QString::fromLocal8Bit(errors->readAll()).trimmed();
    QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    while (lines.size() > 6)
        lines.removeFirst();
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void openOnDesktop(const QUrl& url, OpenFailed onFailure)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        // Without the desktop's opener Qt looks for a browser itself and
        // says at once whether it found one.
        if (!QDesktopServices::openUrl(url) && onFailure)
            onFailure(QStringLiteral("No web browser or other program could be found to open it."));
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    // The complaint goes to a file, not a pipe: a browser that xdg-open keeps
    // in the foreground must not die writing to a pipe nobody reads once this
    // program has ended.
    auto* errors = new QTemporaryFile(process);
    if (errors->open())
        process->setStandardErrorFile(errors->fileName());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, errors, onFailure](int nExitCode, QProcess::ExitStatus status) {
                         if ((nExitCode != 0 || status != QProcess::NormalExit) && onFailure) {
                             QString reason = complaint(errors);
                             if (reason.isEmpty())
                                 reason = QStringLiteral("The desktop's opener (xdg-open) ended with code %1.")
                                              .arg(nExitCode);
                             onFailure(reason);
                         }
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, onFailure](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        if (onFailure)
            onFailure(QStringLiteral("The desktop's opener (xdg-open) could not be started: %1")
                          .arg(process->errorString()));
        process->deleteLater();
    });
    process->start(opener, {url.toString(QUrl::FullyEncoded)});
}

} // namespace platform
