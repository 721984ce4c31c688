#include "shared/ui/OwnFileDialog.h"

#include "platform/Prompter.h"

#include <QFileInfo>

COwnFileDialog::COwnFileDialog(bool bOpenFileDialog, const QString& strDefExt, const QString& strFileName,
                               unsigned dwFlags, const QString& strFilter, QWidget* pParentWnd)
    : m_bOpen(bOpenFileDialog), m_strDefExt(strDefExt), m_strFileName(strFileName), m_dwFlags(dwFlags),
      m_strFilter(strFilter), m_pParent(pParentWnd)
{
}

QString COwnFileDialog::QtFilter(const QString& strFilter)
{
    const QStringList parts = strFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patterns = parts[i + 1].trimmed();
        if (description.isEmpty() && patterns.isEmpty())
            break; // the "||" that ends the filter
        // Qt reads the patterns from the last bracket of the description.
        const qsizetype bracket = description.lastIndexOf(QLatin1String(" ("));
        if (bracket > 0 && description.endsWith(QLatin1Char(')')))
            description.truncate(bracket);
        QStringList globs;
        for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString p = pattern.trimmed();
            if (p == QLatin1String("*.*") || p == QLatin1String("*")) {
                globs << QStringLiteral("*");
                continue;
            }
            for (const QString& variant : {p, p.toUpper(), p.toLower()})
                if (!globs.contains(variant))
                    globs << variant;
        }
        filters << QStringLiteral("%1 (%2)").arg(description, globs.join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

QString COwnFileDialog::WithDefaultExtension(const QString& strPath, const QString& strDefExt)
{
    if (strDefExt.isEmpty() || QFileInfo(strPath).fileName().contains(QLatin1Char('.')))
        return strPath;
    return strPath + (strDefExt.startsWith(QLatin1Char('.')) ? strDefExt : QLatin1Char('.') + strDefExt);
}

int COwnFileDialog::DoModal()
{
    platform::Prompter& prompter = platform::Prompter::instance();
    const QString filter = QtFilter(m_strFilter);
    QString start = m_strFileName;
    for (;;) {
        const QString chosen = m_bOpen ? prompter.openFileName(m_pParent, m_strTitle, start, filter)
                                       : prompter.saveFileName(m_pParent, m_strTitle, start, filter);
        if (chosen.isEmpty())
            return platform::IDCANCEL;
        const QString path = WithDefaultExtension(chosen, m_strDefExt);
        const QString caption = !m_strTitle.isEmpty() ? m_strTitle
                                : m_bOpen            ? QStringLiteral("Open")
                                                     : QStringLiteral("Save As");
        start = path;
        if ((m_dwFlags & OFN_FILEMUSTEXIST) && !QFileInfo::exists(path)) {
            prompter.messageBox(m_pParent,
                                QStringLiteral("%1\nFile not found.\nCheck the file name and try again.")
                                    .arg(QFileInfo(path).fileName()),
                                caption, int(platform::MB_OK) | int(platform::MB_ICONWARNING));
            continue;
        }
        // The chooser asked about the name as typed; a name that gained its
        // extension here is asked about again.
        if (!m_bOpen && (m_dwFlags & OFN_OVERWRITEPROMPT) && path != chosen && QFileInfo::exists(path)) {
            const int answer = prompter.messageBox(
                m_pParent, QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(path).fileName()),
                caption, int(platform::MB_YESNO) | int(platform::MB_ICONWARNING));
            if (answer != platform::IDYES)
                continue;
        }
        m_strPath = path;
        return platform::IDOK;
    }
}

const QList<FileChooserSpec>& FileChooserSpecs()
{
    static const QList<FileChooserSpec> specs = {
        {"ChooseTextFileToOpen", true, "Text Files (*.TXT)|*.TXT||", ".txt"},
        {"ChooseWaveFileToOpen", true, "Wave Files (*.WAV)|*.WAV||", ".wav"},
        {"ChoosePaletteFileToOpen", true, "Palette Files (*.PAL)|*.PAL||", ".pal"},
        {"ChooseColourFileToOpen", true, "Colour Files (*.PBR_PAL)|*.PBR_PAL||", ".pbr_pal"},
        {"ChooseBitmapFileToSave", false, "Bitmap Files (*.BMP)|*.BMP||", ".bmp"},
        {"ChooseAdifFileToSave", false,
         "ADIF Files (*.ADF)|*.ADF|ADIF Files (*.ADI)|*.ADI|Text Files (*.TXT)|*.TXT|All Files (*.*)|*.*||", ".txt"},
        {"ChooseTextFileToSave", false, "Text Files (*.TXT)|*.TXT||", ".txt"},
        {"ChooseMapPlotFileToSave", false, "Map Plot Files (*.PNT)|*.PNT||", ".pnt"},
        {"ChooseRtfFileToSave", false, "Rich Text Files (*.RTF)|*.RTF||", ".rtf"},
        {"ChoosePaletteFileToSave", false, "Palette Files (*.PAL)|*.PAL||", ".pal"},
        {"ChooseWaveFileToSave", false, "Wave Files (*.WAV)|*.WAV||", ".wav"},
        {"ChooseColourFileToSave", false, "Colour Files (*.PBR_PAL)|*.PBR_PAL||", ".pbr_pal"},
    };
    return specs;
}

namespace {

bool RunChooser(int nIndex, QWidget* pParent, QString& strPath, const QString& strTitle)
{
    const FileChooserSpec& spec = FileChooserSpecs()[nIndex];
    const unsigned flags = spec.bOpen ? OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_FILEMUSTEXIST
                                      : OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    COwnFileDialog dialog(spec.bOpen, QString::fromLatin1(spec.pDefExt), strPath, flags,
                          QString::fromLatin1(spec.pFilter), pParent);
    if (!strTitle.isEmpty())
        dialog.SetTitle(strTitle);
    if (dialog.DoModal() != platform::IDOK)
        return false;
    strPath = dialog.GetPathName();
    return true;
}

} // namespace

bool ChooseTextFileToOpen(QWidget* p, QString& s, const QString& t) { return RunChooser(0, p, s, t); }
bool ChooseWaveFileToOpen(QWidget* p, QString& s, const QString& t) { return RunChooser(1, p, s, t); }
bool ChoosePaletteFileToOpen(QWidget* p, QString& s, const QString& t) { return RunChooser(2, p, s, t); }
bool ChooseColourFileToOpen(QWidget* p, QString& s, const QString& t) { return RunChooser(3, p, s, t); }
bool ChooseBitmapFileToSave(QWidget* p, QString& s, const QString& t) { return RunChooser(4, p, s, t); }
bool ChooseAdifFileToSave(QWidget* p, QString& s, const QString& t) { return RunChooser(5, p, s, t); }
bool ChooseTextFileToSave(QWidget* p, QString& s, const QString& t) { return RunChooser(6, p, s, t); }
bool ChooseMapPlotFileToSave(QWidget* p, QString& s, const QString& t) { return RunChooser(7, p, s, t); }
bool ChooseRtfFileToSave(QWidget* p, QString& s, const QString& t) { return RunChooser(8, p, s, t); }
bool ChoosePaletteFileToSave(QWidget* p, QString& s, const QString& t) { return RunChooser(9, p, s, t); }
bool ChooseWaveFileToSave(QWidget* p, QString& s, const QString& t) { return RunChooser(10, p, s, t); }
bool ChooseColourFileToSave(QWidget* p, QString& s, const QString& t) { return RunChooser(11, p, s, t); }
