#include "corvane/memory/SaveChangesDialog.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/DisplayViewHooks.h"
#include "corvane/core/MemoryChannelList.h"
#include "corvane/core/RadioApp.h"
#include "corvane/memory/BarMeterProgress.h"
#include "corvane/memory/MemoryTransfer.h"
#include "platform/Prompter.h"
#include "platform/Sleeper.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/BaseDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kArchiveKind = 5;
// Long enough to read the result on the bar.
constexpr int kResultPauseMs = 1000;

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

class HistoryProgress : public CBarMeterProgress {
public:
    HistoryProgress(CBarMeter* bar, QStringList& history) : CBarMeterProgress(bar), m_history(history) {}
    void SetText(const QString& text) override
    {
        m_history << text;
        CBarMeterProgress::SetText(text);
    }

private:
    QStringList& m_history;
};
} // namespace

CSaveChangesDialog::CSaveChangesDialog(QWidget* pParent, bool bArchiveModified, bool bMemoryModified,
                                       CRadioMemoryList* pArchive, CRadioMemoryList* pMemory)
    : QDialog(pParent), m_pArchiveList(pArchive), m_pMemoryList(pMemory)
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Save Changes"));
    auto* prompt = new QLabel(QStringLiteral("Check the options to be saved, then press 'Save'."), this);
    m_pArchive = new QCheckBox(QStringLiteral("&Archive - saved to a file"), this);
    SetDlgCtrlID(m_pArchive, IDC_ARCHIVE);
    m_pMemory = new QCheckBox(QStringLiteral("&Memory - written directly to the FT-817"), this);
    SetDlgCtrlID(m_pMemory, IDC_MEMORY);
    m_pProgress = new CBarMeter(this);
    SetDlgCtrlID(m_pProgress, IDC_PROGRESS);
    m_pProgress->setMinimumHeight(20);
    m_pSave = new QPushButton(QStringLiteral("Save"), this);
    SetDlgCtrlID(m_pSave, 1);
    m_pSave->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pSave);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addWidget(m_pArchive);
    layout->addWidget(m_pMemory);
    layout->addWidget(m_pProgress);
    layout->addLayout(buttons);
    setMinimumWidth(360);

    // Only what was changed can be saved.
    m_pArchive->setChecked(false);
    m_pMemory->setChecked(false);
    m_pArchive->setEnabled(bArchiveModified && m_pArchiveList);
    m_pMemory->setEnabled(bMemoryModified && m_pMemoryList);
    m_pProgress->SetShowText(true);
    m_pProgress->SetRange(0, 1);
    m_pProgress->SetPos(1);
    m_pProgress->SetText(QStringLiteral("Ready"));
    UpdateSaveButton();

    connect(m_pArchive, &QCheckBox::clicked, this, &CSaveChangesDialog::UpdateSaveButton);
    connect(m_pMemory, &QCheckBox::clicked, this, &CSaveChangesDialog::UpdateSaveButton);
    connect(m_pSave, &QPushButton::clicked, this, &CSaveChangesDialog::OnSave);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

CSaveChangesDialog::~CSaveChangesDialog() = default;

int CSaveChangesDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

bool CSaveChangesDialog::IsArchiveChecked() const
{
    return m_pArchive->isChecked();
}

bool CSaveChangesDialog::IsMemoryChecked() const
{
    return m_pMemory->isChecked();
}

void CSaveChangesDialog::UpdateSaveButton()
{
    m_pSave->setEnabled(m_pArchive->isChecked() || m_pMemory->isChecked());
}

void CSaveChangesDialog::ShowProgress(const QString& strText)
{
    m_history << strText;
    m_pProgress->SetText(strText);
    m_pProgress->Redraw();
}

void CSaveChangesDialog::OnSave()
{
    if (!m_pSave->isEnabled())
        return;
    WaitCursor wait;
    if (IsArchiveChecked() && m_pArchiveList) {
        // The text file tells the operator itself when the file cannot be written.
        m_bArchiveSaved = m_pArchiveList->SaveRawKind(kArchiveKind);
        ShowProgress(m_bArchiveSaved ? QStringLiteral("Archive Saved") : QStringLiteral("Archive not saved"));
        platform::sleepMs(kResultPauseMs);
    }
    if (IsMemoryChecked() && m_pMemoryList) {
        m_pProgress->SetRange(0, m_pMemoryList->GetCount());
        m_pProgress->setVisible(true);
        ShowProgress(QStringLiteral("Initialising memory..."));
        CRadioApp* app = GetRadioApp();
        const CDisplayViewHooks* view = app ? app->GetDisplayView() : nullptr;
        if (view && view->IsMemoryMode()) {
            platform::messageBox(this,
                                 QStringLiteral("Your FT-817 must be switched back to VFO operation so ") +
                                     QStringLiteral("that the new memories can be saved safely."),
                                 QStringLiteral("Save Memory"), platform::MB_ICONINFORMATION);
            // VFO A, out of memory mode.
            app->GetCatLink().WriteEepromBits(0x0055, 0xFF, 0x80, QStringLiteral("Select VFOa"));
        }
        HistoryProgress progress(m_pProgress, m_history);
        const bool ok = CMemoryTransfer::WriteChanged(*m_pMemoryList, &progress);
        m_bMemoryWritten = true;
        if (ok) {
            ShowProgress(QStringLiteral("Memory Saved"));
        } else {
            ShowProgress(QStringLiteral("Memory not saved"));
            platform::messageBox(this,
                                 QStringLiteral("The FT-817 did not store these memory channels: %1.\n \n")
                                         .arg(CMemoryTransfer::FailedChannelNames()) +
                                     QStringLiteral("Check the connection to the radio, then save them again."),
                                 QStringLiteral("Save Memory"), platform::MB_ICONERROR);
        }
        platform::sleepMs(kResultPauseMs);
    }
    done(Accepted);
}
