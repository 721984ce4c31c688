#include "corvane/memory/CloneDialogs.h"

#include "corvane/core/CatLink.h"
#include "corvane/memory/MemoryCommands.h"
#include "corvane/memory/ToolSupport.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "shared/ui/FitText.h"
#include "shared/MainWindow.h"
#include "shared/TextFile.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/PathEllipsis.h"
#include "shared/ui/WaitCursor.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
const char* const kDescriptions[3] = {
    "Rx gain, S-meter, Squelch, Output power,  Deviation and much more.",
    "Transceiver performance and operating characteristics as set  with the rig's menu .",
    "The 202 built-in memories. There are 200 standard memories plus 2 used for scanning.",
};
const unsigned kDescriptionIds[3] = {1540, 1542, 1544};
const QString kChooserTitle = QStringLiteral("Clone FT-817 Data");

std::function<void(QWidget*)>& memoryReloader()
{
    static std::function<void(QWidget*)> reloader;
    return reloader;
}

QLabel* label(QWidget* parent, const QString& text, unsigned id = 0)
{
    auto* l = new QLabel(text, parent);
    l->setWordWrap(true);
    if (id)
        SetDlgCtrlID(l, id);
    return l;
}

CBarMeter* progressBar(QWidget* parent)
{
    auto* bar = new CBarMeter(parent);
    SetDlgCtrlID(bar, 1101);
    bar->Initialise();
    bar->SetShowText(true);
    bar->setMinimumHeight(22);
    bar->hide();
    return bar;
}

COXBitmapButton* chooseButton(QWidget* parent, const QString& text)
{
    auto* button = new COXBitmapButton(parent);
    SetDlgCtrlID(button, 1521);
    button->LoadBitmapResource(378, false, RGB(255, 0, 0));
    button->SetButtonText(text);
    button->SetLookFlag(true);
    button->setAutoDefault(false);
    return button;
}

QLabel* pathStatic(QWidget* parent)
{
    auto* path = new QLabel(parent);
    SetDlgCtrlID(path, 1538);
    path->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    path->setMinimumWidth(320);
    SetPathEllipsis(path);
    return path;
}

QWidget* owner(QWidget* fallback)
{
    QWidget* main = GetMainWindow();
    return main ? main : fallback;
}
} // namespace

// -------------------------------------------------------------------- save

CCloneSaveDialog::CCloneSaveDialog(QWidget* pParent, CCatLink* pLink)
    : QDialog(pParent), m_pLink(ToolSupport::Link(pLink))
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Clone - Save to File"));
    if (!QApplication::windowIcon().isNull())
        setWindowIcon(QApplication::windowIcon());

    auto* instructions = new QGroupBox(QStringLiteral("Instructions"), this);
    auto* instructionRow = new QVBoxLayout(instructions);
    instructionRow->addWidget(label(instructions, QStringLiteral("Select the data to be cloned and the file where the "
                                                                 "cloned data will be saved, then press 'Save'.")));

    auto* data = new QGroupBox(QStringLiteral("Data to Clone"), this);
    auto* grid = new QGridLayout(data);
    auto* group = new QButtonGroup(this);
    const char* const captions[3] = {"Calibration:", "Customisation:", "Memories:"};
    for (int i = 0; i < 3; ++i) {
        m_pSections[i] = new QRadioButton(QString::fromLatin1(captions[i]), data);
        SetDlgCtrlID(m_pSections[i], 1079 + unsigned(i));
        group->addButton(m_pSections[i], i);
        grid->addWidget(m_pSections[i], i, 0, Qt::AlignTop);
        grid->addWidget(label(data, QString::fromLatin1(kDescriptions[i]), kDescriptionIds[i]), i, 1);
        connect(m_pSections[i], &QRadioButton::clicked, this, &CCloneSaveDialog::UpdateControls);
    }
    grid->setColumnStretch(1, 1);

    m_pChoose = chooseButton(this, QStringLiteral("&Save To"));
    m_pPath = pathStatic(this);
    m_pProgress = progressBar(this);
    m_pSave = new QPushButton(QStringLiteral("Save"), this);
    SetDlgCtrlID(m_pSave, platform::IDOK);
    m_pSave->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    cancel->setAutoDefault(false);
    connect(m_pChoose, &QPushButton::clicked, this, &CCloneSaveDialog::OnChoose);
    connect(m_pSave, &QPushButton::clicked, this, &CCloneSaveDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_pChoose);
    pathRow->addWidget(m_pPath, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pSave);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions);
    layout->addWidget(data);
    layout->addLayout(pathRow);
    layout->addWidget(m_pProgress);
    layout->addLayout(buttons);
    UpdateControls();
}

CCloneSaveDialog::~CCloneSaveDialog() = default;

int CCloneSaveDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

void CCloneSaveDialog::TakeControls()
{
    m_nSection = -1;
    for (int i = 0; i < 3; ++i)
        if (m_pSections[i]->isChecked())
            m_nSection = i;
}

void CCloneSaveDialog::UpdateControls()
{
    TakeControls();
    const bool chosen = m_nSection >= 0;
    m_pChoose->setEnabled(chosen);
    m_pPath->setEnabled(chosen);
    m_pSave->setEnabled(!m_strPath.isEmpty());
}

void CCloneSaveDialog::OnChoose()
{
    const CWaitCursor wait;
    TakeControls();
    if (m_nSection < 0)
        return;
    m_strPath = platform::dataFilePath(CloneFile::GetSection(m_nSection).FileName());
    if (ChooseTextFileToSave(owner(this), m_strPath, kChooserTitle))
        m_pPath->setText(m_strPath);
    UpdateControls();
}

void CCloneSaveDialog::SetProgressText(const QString& strText)
{
    m_history << strText;
    m_pProgress->SetText(strText);
}

bool CCloneSaveDialog::WriteCloneSection(uint16_t nFirst, uint16_t nLast, const QString& strName,
                                         const QString& strPrefix, QStringList& lines)
{
    CloneFile::Section section{nullptr, nullptr, nFirst, nLast, nullptr};
    const QByteArray prefix = strPrefix.toLatin1();
    const QByteArray name = strName.toLatin1();
    section.pPrefix = prefix.constData();
    section.pName = name.constData();
    lines << CloneFile::HeaderLines(section);
    SetProgressText(strName);
    m_pProgress->SetRange(0, nLast - nFirst);
    for (uint32_t address = nFirst; address <= nLast; address += 2) {
        m_pProgress->SetPos(int(address - nFirst));
        m_pProgress->Redraw();
        uint8_t first = 0;
        uint8_t second = 0;
        // A clone must hold what the radio holds: a byte that could not be
        // read is never saved as 00.
        if (!m_pLink || !m_pLink->ReadEepromConfirmed(uint16_t(address), first, second)) {
            SetProgressText(QStringLiteral("Failed"));
            m_pProgress->Redraw();
            platform::messageBox(this,
                                 QString::asprintf("The FT-817 did not answer when address %04X was read.\n\n",
                                                   address) +
                                     QStringLiteral("Nothing has been saved."),
                                 QStringLiteral("Clone - Save to File"), int(platform::MB_OK) | platform::MB_ICONERROR);
            return false;
        }
        lines << CloneFile::DataLine(section, uint16_t(address), first, second);
    }
    SetProgressText(QStringLiteral("Finished"));
    m_pProgress->SetPos(m_pProgress->GetUpper());
    m_pProgress->Redraw();
    lines << QString();
    return true;
}

void CCloneSaveDialog::OnOK()
{
    const CWaitCursor wait;
    TakeControls();
    if (m_nSection < 0 || m_strPath.isEmpty())
        return;
    if (CTextFile(m_strPath, true).Exists() &&
        platform::messageBox(this, QStringLiteral("The destination file already exists, really overwrite it?"),
                             QStringLiteral("Overwrite"), int(platform::MB_YESNO) | platform::MB_ICONQUESTION) !=
            platform::IDYES)
        return;
    m_pProgress->show();
    GrowToLayout(this);
    const CloneFile::Section& section = CloneFile::GetSection(m_nSection);
    QStringList lines;
    if (!WriteCloneSection(section.nFirst, section.nLast, section.Name(), section.Prefix(), lines))
        return;
    SetProgressText(QStringLiteral("Saving"));
    m_pProgress->Redraw();
    CTextFile file(m_strPath, false);
    file.WriteLines(lines, false);
    // The file reports its own errors; "Saved" only when it was.
    SetProgressText(file.IsOk() ? QStringLiteral("Saved") : QStringLiteral("Not saved"));
    m_pProgress->Redraw();
}

// -------------------------------------------------------------------- load

void CCloneLoadDialog::SetMemoryReloader(std::function<void(QWidget*)> reloader)
{
    memoryReloader() = std::move(reloader);
}

CCloneLoadDialog::CCloneLoadDialog(QWidget* pParent, CCatLink* pLink)
    : QDialog(pParent), m_pLink(ToolSupport::Link(pLink))
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Clone - Load from File"));
    if (!QApplication::windowIcon().isNull())
        setWindowIcon(QApplication::windowIcon());

    auto* instructions = new QGroupBox(QStringLiteral("Instructions"), this);
    auto* instructionRow = new QVBoxLayout(instructions);
    instructionRow->addWidget(
        label(instructions, QStringLiteral("Select the file containing the cloned data, then press 'Load'.\n\nOnly "
                                           "restore your own calibration settings, these are set in the Yaesu factory "
                                           "for each FT-817.")));

    auto* contents = new QGroupBox(QStringLiteral("File Contents"), this);
    auto* grid = new QGridLayout(contents);
    QLabel* calibration = label(contents, QStringLiteral("Calibration:"), 1539);
    QLabel* calibrationText = label(contents, QString::fromLatin1(kDescriptions[0]), 1540);
    QLabel* warning = label(contents, QStringLiteral(">>> Only restore own calibration settings <<<"), 1545);
    QLabel* customisation = label(contents, QStringLiteral("Customisation:"), 1541);
    QLabel* customisationText = label(contents, QString::fromLatin1(kDescriptions[1]), 1542);
    QLabel* memories = label(contents, QStringLiteral("Memories:"), 1543);
    QLabel* memoriesText = label(contents, QString::fromLatin1(kDescriptions[2]), 1544);
    grid->addWidget(calibration, 0, 0, Qt::AlignTop);
    grid->addWidget(calibrationText, 0, 1);
    grid->addWidget(warning, 1, 1);
    grid->addWidget(customisation, 2, 0, Qt::AlignTop);
    grid->addWidget(customisationText, 2, 1);
    grid->addWidget(memories, 3, 0, Qt::AlignTop);
    grid->addWidget(memoriesText, 3, 1);
    grid->setColumnStretch(1, 1);
    m_sectionTexts[0] = {calibration, calibrationText, warning};
    m_sectionTexts[1] = {customisation, customisationText};
    m_sectionTexts[2] = {memories, memoriesText};

    m_pChoose = chooseButton(this, QStringLiteral("&Load From"));
    m_pPath = pathStatic(this);
    m_pProgress = progressBar(this);
    m_pLoad = new QPushButton(QStringLiteral("Load"), this);
    SetDlgCtrlID(m_pLoad, platform::IDOK);
    m_pLoad->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    cancel->setAutoDefault(false);
    connect(m_pChoose, &QPushButton::clicked, this, &CCloneLoadDialog::ParseFile);
    connect(m_pLoad, &QPushButton::clicked, this, &CCloneLoadDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_pChoose);
    pathRow->addWidget(m_pPath, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pLoad);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions);
    layout->addLayout(pathRow);
    layout->addWidget(contents);
    layout->addWidget(m_pProgress);
    layout->addLayout(buttons);
    EnableSections();
}

CCloneLoadDialog::~CCloneLoadDialog() = default;

int CCloneLoadDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

void CCloneLoadDialog::EnableSections()
{
    for (int i = 0; i < 3; ++i)
        for (QWidget* w : std::as_const(m_sectionTexts[i]))
            w->setEnabled(m_bFound[i]);
    m_pLoad->setEnabled(m_bFound[0] || m_bFound[1] || m_bFound[2]);
}

void CCloneLoadDialog::SetProgressText(const QString& strText)
{
    m_history << strText;
    m_pProgress->SetText(strText);
}

void CCloneLoadDialog::ParseFile()
{
    const CWaitCursor wait;
    QString path = m_strPath.isEmpty() ? platform::dataFolder() : m_strPath;
    if (!ChooseTextFileToOpen(owner(this), path, kChooserTitle))
        return;
    CTextFile file(path, false);
    file.ReadLines(m_lines);
    CloneFile::Contents contents;
    if (file.IsOk())
        contents = CloneFile::Parse(m_lines);
    else
        contents.bValid = false;
    for (bool& found : m_bFound)
        found = false;
    if (!contents.bValid) {
        // Nothing of a file that fails the checks is kept.
        if (file.IsOk())
            platform::messageBox(this, CloneFile::InvalidFileText(contents), QStringLiteral("Error"),
                                 int(platform::MB_OK) | platform::MB_ICONERROR);
        m_lines.clear();
        m_contents = CloneFile::Contents();
        m_strPath.clear();
        m_pPath->clear();
        EnableSections();
        return;
    }
    m_contents = contents;
    m_strPath = path;
    m_pPath->setText(path);
    for (int i = 0; i < 3; ++i)
        m_bFound[i] = contents.found[i];
    EnableSections();
}

void CCloneLoadDialog::OnOK()
{
    const CWaitCursor wait;
    if (m_contents.lines.isEmpty())
        return;
    if (platform::messageBox(this,
                             QStringLiteral("The values in this file will now be restored. While this is running do NOT "
                                            "switch the FT-817 off or make changes via the front panel.\n\nRestore "
                                            "cloned data at your own risk.\n\nContinue?\n"),
                             QStringLiteral("Restore"), int(platform::MB_YESNO) | platform::MB_ICONQUESTION) !=
        platform::IDYES)
        return;
    if (platform::messageBox(this, QStringLiteral("Really restore the cloned data?"), QStringLiteral("Restore"),
                             int(platform::MB_YESNO) | platform::MB_ICONQUESTION) != platform::IDYES)
        return;

    m_pProgress->show();
    GrowToLayout(this);
    m_nWritten = 0;
    m_failed.clear();
    int current = -1;
    bool memory = false;
    for (const CloneFile::Line& line : std::as_const(m_contents.lines)) {
        const CloneFile::Section& section = CloneFile::GetSection(line.nSection);
        if (line.nSection != current) {
            current = line.nSection;
            m_pProgress->SetRange(0, section.nLast - section.nFirst);
            SetProgressText(section.Name());
        }
        memory = memory || line.nSection == CloneFile::MEMORY;
        m_pProgress->SetPos(int(line.nAddress - section.nFirst));
        m_pProgress->Redraw();
        const uint16_t address = uint16_t(line.nAddress);
        uint8_t radioFirst = 0;
        uint8_t radioSecond = 0;
        // Without the radio's pair nothing can be compared, and at a
        // section's end the second byte belongs to the next area.
        // The second byte may be written back as read: it must be the radio's.
        if (!m_pLink || !m_pLink->ReadEepromConfirmed(address, radioFirst, radioSecond)) {
            m_failed << address;
            continue;
        }
        const uint8_t second = line.bSecond ? line.nSecond : radioSecond;
        if (radioFirst == line.nFirst && radioSecond == second)
            continue;
        m_pLink->WriteEepromWord(address, line.nFirst, second);
        ++m_nWritten;
        // A restore is told apart from a failed one by reading the pair back.
        uint8_t backFirst = 0;
        uint8_t backSecond = 0;
        if (!m_pLink->ReadEepromConfirmed(address, backFirst, backSecond) || backFirst != line.nFirst ||
            backSecond != second)
            m_failed << address;
    }
    m_pProgress->SetRange(0, 1);
    m_pProgress->SetPos(1);
    SetProgressText(m_failed.isEmpty() ? QStringLiteral("Finished") : QStringLiteral("Finished with errors"));
    m_pProgress->Redraw();

    if (!m_failed.isEmpty()) {
        QStringList addresses;
        for (int i = 0; i < m_failed.size() && i < 8; ++i)
            addresses << QString::asprintf("%04X", m_failed[i]);
        if (m_failed.size() > 8)
            addresses << QStringLiteral("...");
        platform::messageBox(this,
                             QString::asprintf("%d of the values in this file could not be restored (address ",
                                               int(m_failed.size())) +
                                 addresses.join(QStringLiteral(", ")) +
                                 QStringLiteral(").\n\nCheck the connection to the FT-817 and restore the file again."),
                             QStringLiteral("Restore"), int(platform::MB_OK) | platform::MB_ICONERROR);
    }
    if (memory) {
        if (memoryReloader())
            memoryReloader()(this);
        else
            MemoryCommands::ReloadMemory(this);
    }
}
