#include "corvane/memory/MemoryBrowserDialog.h"

#include "corvane/memory/EepromRange.h"
#include "corvane/memory/ToolSupport.h"
#include "shared/FontFactory.h"
#include "shared/MainWindow.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/WaitCursor.h"

CMemoryBrowserDialog::CMemoryBrowserDialog(QWidget* pParent, CCatLink* pLink)
    : CEepromRangeDialog(kTemplateId, QStringLiteral("Memory Browser"),
                         QStringLiteral("Enter an EEPROM range and press Load to show its contents, 16 bytes a "
                                        "row."),
                         pParent, pLink)
{
    m_pLoad = ToolSupport::BitmapButton(this, IDC_LOAD, QStringLiteral("&Load"), 259);
    m_pLoad->setGeometry(8, 84, 100, 28);
    connect(m_pLoad, &QPushButton::clicked, this, &CMemoryBrowserDialog::OnLoad);

    m_listFont = CFontFactory(GetMainWindow()).CreateCourier10();
    m_pList->setFont(m_listFont);
    QList<ListColumn> columns{{QStringLiteral("Address"), LVCFMT_LEFT}};
    for (int c = 0; c < 16; c += 2)
        columns << ListColumn{QString::asprintf("%02X %02X", c, c + 1), LVCFMT_LEFT};
    m_pList->SetColumns(columns);
    m_pList->AutoSizeColumns();
    UpdateButtons();
}

CMemoryBrowserDialog::~CMemoryBrowserDialog() = default;

void CMemoryBrowserDialog::UpdateButtons()
{
    m_pSave->Enable(m_bLoaded);
    m_pViewer->Enable(m_bLoaded);
}

void CMemoryBrowserDialog::OnLoad()
{
    if (!CheckRange())
        return;
    const CWaitCursor wait;
    const CEepromRange range = CEepromRange::ForBrowser(GetFrom(), GetTo());
    m_nLowest = range.nLowest;
    m_nHighest = range.nHighest;
    m_nCount = range.nCount;
    m_pProgress->SetRange(0, int(m_nCount));
    m_pList->setUpdatesEnabled(false);
    m_pList->DeleteAllItems();
    for (uint32_t r = 0; r < m_nCount; r += 16) {
        const int item = m_pList->InsertItem(m_pList->GetItemCount(), QString::asprintf("0x%04X", m_nLowest + r));
        for (uint32_t c = 0; c < 16; c += 2) {
            const uint32_t address = m_nLowest + r + c;
            SetProgressText(QString::asprintf("Reading %04X", address));
            m_pProgress->SetPos(int(address - m_nLowest));
            m_pProgress->Redraw();
            const bool read = ReadEepromPair(m_pLink, address, m_row[c], m_row[c + 1]);
            // A pair the radio did not answer for is shown as unknown, never
            // as the bytes of an earlier read.
            m_pList->SetItemText(item, int(c / 2 + 1),
                                 read ? QString::asprintf("%02X %02X", m_row[c], m_row[c + 1])
                                      : QStringLiteral("?? ??"));
        }
    }
    m_pList->AutoSizeColumns();
    m_pList->setUpdatesEnabled(true);
    m_pList->viewport()->update();
    SetProgressText(QStringLiteral("Finished"));
    m_pProgress->SetPos(int(m_nCount));
    m_pProgress->Redraw();
    m_bLoaded = true;
    UpdateButtons();
}
