#pragma once
// The file chooser of both programs and its typed forms: every open and
// save-as question offers the same filters, default extensions and rules
// (an open chooser takes only an existing file, a save chooser asks before
// replacing one).
#include <QList>
#include <QString>

class QWidget;

enum FileDialogFlags : unsigned {
    OFN_OVERWRITEPROMPT = 0x00000002,
    OFN_HIDEREADONLY = 0x00000004,
    OFN_FILEMUSTEXIST = 0x00001000,
};

class COwnFileDialog {
public:
    // The filter in its stored form: "description|pattern|...||".
    COwnFileDialog(bool bOpenFileDialog, const QString& strDefExt = QString(), const QString& strFileName = QString(),
                   unsigned dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const QString& strFilter = QString(),
                   QWidget* pParentWnd = nullptr);

    void SetTitle(const QString& strTitle) { m_strTitle = strTitle; }
    // IDOK with the path chosen, else IDCANCEL.
    int DoModal();
    QString GetPathName() const { return m_strPath; }

    // The stored filter as the platform chooser takes it. On a file system
    // whose names are case-sensitive each pattern lists both cases; "*.*"
    // means every file.
    static QString QtFilter(const QString& strFilter);
    // The name with the default extension added when it has none.
    static QString WithDefaultExtension(const QString& strPath, const QString& strDefExt);

private:
    bool m_bOpen;
    QString m_strDefExt;
    QString m_strFileName;
    unsigned m_dwFlags;
    QString m_strFilter;
    QWidget* m_pParent;
    QString m_strTitle;
    QString m_strPath;
};

// The typed choosers. The path holds the initial name and receives the
// chosen path; a cancelled chooser leaves it alone and answers false. An
// empty title gives the platform's own.
bool ChooseTextFileToOpen(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChooseWaveFileToOpen(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChoosePaletteFileToOpen(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChooseColourFileToOpen(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChooseBitmapFileToSave(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChooseAdifFileToSave(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChooseTextFileToSave(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChooseMapPlotFileToSave(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChooseRtfFileToSave(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChoosePaletteFileToSave(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChooseWaveFileToSave(QWidget* pParent, QString& strPath, const QString& strTitle = QString());
bool ChooseColourFileToSave(QWidget* pParent, QString& strPath, const QString& strTitle = QString());

// What each typed chooser asks with.
struct FileChooserSpec {
    const char* pName;
    bool bOpen;
    const char* pFilter;
    const char* pDefExt;
};
const QList<FileChooserSpec>& FileChooserSpecs();
