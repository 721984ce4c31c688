#include "shared/ui/ListExport.h"

#include "platform/Prompter.h"
#include "shared/TextFile.h"
#include "shared/ui/OwnListCtrl.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>
#include <algorithm>

namespace {
const QString kSeparator = QStringLiteral(" | ");

CListExport::ViewerLauncher& Launcher()
{
    static CListExport::ViewerLauncher launcher;
    return launcher;
}

QString Blanks(qsizetype n) { return QString(std::max<qsizetype>(0, n), QLatin1Char(' ')); }

QString Cell(const QString& text, qsizetype width, int format)
{
    const qsizetype pad = std::max<qsizetype>(0, width - text.size());
    switch (format & 3) {
    case 1: return Blanks(pad) + text + kSeparator;
    case 2: return Blanks(pad / 2) + text + Blanks(pad - pad / 2) + kSeparator;
    default: return text + Blanks(pad) + kSeparator;
    }
}

QString Line(const QStringList& cells, const QList<qsizetype>& widths, const QList<int>& formats)
{
    QString line = QStringLiteral("| ");
    for (int c = 0; c < widths.size(); ++c)
        line += Cell(c < cells.size() ? cells[c] : QString(), widths[c], formats[c]);
    // Trailing white space goes, so every line ends " |".
    qsizetype end = line.size();
    while (end > 0 && line[end - 1].isSpace())
        --end;
    line.truncate(end);
    return line;
}
} // namespace

CListExport::CListExport(const COwnListCtrl& list)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList headings;
    QList<int> formats;
    for (int c = 0; c < list.GetColumnCount(); ++c) {
        headings << list.GetColumnHeading(c).left(255);
        formats << list.GetColumnFormat(c);
    }
    QList<QStringList> rows;
    rows.reserve(list.GetItemCount());
    for (int i = 0; i < list.GetItemCount(); ++i) {
        QStringList row;
        for (int c = 0; c < headings.size(); ++c)
            row << list.GetItemText(i, c);
        rows << row;
    }
    QStringList::operator=(BuildTable(headings, formats, rows));
    QApplication::restoreOverrideCursor();
}

CListExport::CListExport(const QStringList& lines) : QStringList(lines) {}

QStringList CListExport::BuildTable(const QStringList& headings, const QList<int>& formats,
                                    const QList<QStringList>& rows)
{
    QList<qsizetype> widths;
    QList<int> fmts;
    for (int c = 0; c < headings.size(); ++c) {
        widths << headings[c].size();
        fmts << (c < formats.size() ? formats[c] : 0);
    }
    for (const QStringList& row : rows)
        for (int c = 0; c < headings.size() && c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());

    QStringList lines;
    lines.reserve(rows.size() + 4);
    const QString heading = Line(headings, widths, fmts);
    QString rule = heading.size() <= 1 ? QStringLiteral("+")
                                       : QLatin1Char('+') + QString(heading.size() - 2, QLatin1Char('-')) + QLatin1Char('+');
    lines << rule << heading << rule;
    for (const QStringList& row : rows)
        lines << Line(row, widths, fmts);
    lines << rule;
    return lines;
}

void CListExport::QuoteCsvField(QString& strField)
{
    if (!strField.contains(QLatin1Char(',')) && !strField.contains(QLatin1Char('"')))
        return;
    QString quoted;
    quoted.reserve(2 * strField.size() + 3);
    quoted += QLatin1Char('"');
    for (const QChar c : std::as_const(strField)) {
        if (c == QLatin1Char('"'))
            quoted += QLatin1Char('"');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    strField = quoted;
}

void CListExport::SetViewerLauncher(ViewerLauncher launcher) { Launcher() = std::move(launcher); }

void CListExport::ShowInNotepad(unsigned nFileKind, const QString& strFileName, QWidget* pOwner) const
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const QString path = QDir::tempPath() + QLatin1Char('/') + strFileName;
    QStringList lines = *this;
    CTextFile::AddHeader(lines, int(nFileKind));
    // A write failure is reported by the text file itself; the viewer is
    // started on the path all the same.
    CTextFile(path, false).WriteLines(lines, false);
    const bool started = Launcher() ? Launcher()(path) : QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    QApplication::restoreOverrideCursor();
    if (!started) {
        QWidget* owner = pOwner ? pOwner : QApplication::activeWindow();
        platform::messageBox(owner,
                             QStringLiteral("Unable to find a text viewer to show ") + QDir::toNativeSeparators(path) +
                                 QStringLiteral(" - please contact support."),
                             QStringLiteral("Text Viewer"), int(platform::MB_OK) | int(platform::MB_ICONERROR));
    }
}
