#pragma once
// A report list turned into an aligned plain-text table (or lines prepared
// elsewhere), written to a text file in the temporary folder and opened in
// the desktop's text viewer.
#include <QStringList>
#include <functional>

class COwnListCtrl;
class QWidget;

class CListExport : public QStringList {
public:
    explicit CListExport(const COwnListCtrl& list);
    explicit CListExport(const QStringList& lines);

    // Writes the lines, behind the header of the given file kind, to the
    // file of that name in the temporary folder and opens it for reading.
    void ShowInNotepad(unsigned nFileKind, const QString& strFileName, QWidget* pOwner = nullptr) const;

    static void QuoteCsvField(QString& strField);

    // What opens a written file for reading, without waiting (the desktop's
    // text viewer); answers false when nothing could. Tests replace it.
    using ViewerLauncher = std::function<bool(const QString& strPath)>;
    static void SetViewerLauncher(ViewerLauncher launcher);

    // The table from headings, column formats (low two bits: 0 left,
    // 1 right, 2 centre) and rows of cell texts.
    static QStringList BuildTable(const QStringList& headings, const QList<int>& formats,
                                  const QList<QStringList>& rows);
};
