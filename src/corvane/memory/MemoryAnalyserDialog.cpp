#include "corvane/memory/MemoryAnalyserDialog.h"

#include "corvane/memory/EepromRange.h"
#include "corvane/memory/ToolSupport.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/WaitCursor.h"

CMemoryAnalyserDialog::CMemoryAnalyserDialog(QWidget* pParent, CCatLink* pLink)
    : CEepromRangeDialog(kTemplateId, QStringLiteral("Memory Analyser (Changes)"),
                         QStringLiteral("Enter an EEPROM range and press Baseline. Then change a setting on the "
                                        "FT-817 and press Changes to list the bytes and bits that changed."),
                         pParent, pLink)
{
    m_pBaseline = ToolSupport::BitmapButton(this, IDC_BASELINE, QStringLiteral("&Baseline"), 259);
    m_pBaseline->setGeometry(8, 84, 100, 28);
    m_pChanges = ToolSupport::BitmapButton(this, IDC_CHANGES, QStringLiteral("&Changes"), 260);
    m_pChanges->setGeometry(116, 84, 100, 28);
    connect(m_pBaseline, &QPushButton::clicked, this, &CMemoryAnalyserDialog::OnBaseline);
    connect(m_pChanges, &QPushButton::clicked, this, &CMemoryAnalyserDialog::OnChanges);

    m_pList->SetColumns({{QStringLiteral("Address"), LVCFMT_LEFT},
                         {QStringLiteral("Base"), LVCFMT_LEFT},
                         {QStringLiteral("New"), LVCFMT_LEFT},
                         {QStringLiteral("Bits On"), LVCFMT_LEFT},
                         {QStringLiteral("Bits Off"), LVCFMT_LEFT}});
    m_pList->AutoSizeColumns();
    UpdateButtons();
}

CMemoryAnalyserDialog::~CMemoryAnalyserDialog() = default;

void CMemoryAnalyserDialog::UpdateButtons()
{
    m_pChanges->Enable(m_bBaselineValid != 0);
}

void CMemoryAnalyserDialog::OnRangeEdited()
{
    // A baseline belongs to the range it was taken of.
    m_bBaselineValid = 0;
    UpdateButtons();
}

void CMemoryAnalyserDialog::OnOK()
{
    if (m_pChanges->IsEnabled())
        OnChanges();
    else
        OnBaseline();
}

void CMemoryAnalyserDialog::ReadRange(QByteArray& buffer, std::vector<bool>& read)
{
    const CWaitCursor wait;
    read.assign(size_t(m_nCount / 2), false);
    for (uint32_t i = 0; i < m_nCount; i += 2) {
        const uint32_t address = m_nLowest + i;
        SetProgressText(QString::asprintf("%s %04X / %04X", "Reading", address, m_nHighest));
        m_pProgress->SetPos(int(i));
        m_pProgress->Redraw();
        uint8_t first = uint8_t(buffer[qsizetype(i)]);
        uint8_t second = uint8_t(buffer[qsizetype(i + 1)]);
        read[i / 2] = ReadEepromPair(m_pLink, address, first, second);
        buffer[qsizetype(i)] = char(first);
        buffer[qsizetype(i + 1)] = char(second);
    }
    SetProgressText(QStringLiteral("Finished"));
    m_pProgress->SetPos(int(m_nCount));
    m_pProgress->Redraw();
}

void CMemoryAnalyserDialog::OnBaseline()
{
    if (!CheckRange())
        return;
    m_pList->DeleteAllItems();
    const CEepromRange range = CEepromRange::ForAnalyser(GetFrom(), GetTo());
    m_nLowest = range.nLowest;
    m_nHighest = range.nHighest;
    m_nCount = range.nCount;
    m_baseline = QByteArray(qsizetype(m_nCount), '\0');
    m_current = QByteArray(qsizetype(m_nCount), '\0');
    m_pProgress->SetRange(0, int(m_nCount));
    ReadRange(m_baseline, m_baselineRead);
    m_bBaselineValid = 1;
    UpdateButtons();
}

void CMemoryAnalyserDialog::OnChanges()
{
    if (!m_bBaselineValid)
        return;
    m_pList->DeleteAllItems();
    m_pProgress->SetRange(0, int(m_nCount));
    ReadRange(m_current, m_currentRead);
    const QList<CEepromChange> changes =
        CompareReadings(m_nLowest, m_baseline, m_current, m_baselineRead, m_currentRead);
    for (const CEepromChange& change : changes) {
        const QStringList cells = change.Row();
        const int item = m_pList->InsertItem(m_pList->GetItemCount(), cells[0]);
        for (int c = 1; c < cells.size(); ++c)
            m_pList->SetItemText(item, c, cells[c]);
    }
    m_pList->AutoSizeColumns();
}
