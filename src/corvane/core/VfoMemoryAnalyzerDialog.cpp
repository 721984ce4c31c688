#include "corvane/core/VfoMemoryAnalyzerDialog.h"

#include "corvane/core/MemoryRecordText.h"
#include "corvane/core/Settings.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
void setId(QWidget* w, unsigned nId)
{
    w->setProperty("controlId", nId);
}
} // namespace

CVfoMemoryAnalyzerDialog::CVfoMemoryAnalyzerDialog(QWidget* pParent) : QDialog(pParent)
{
    setProperty("dialogId", 187);
    setWindowTitle(QStringLiteral("VFO & Memory Analyzer"));
    resize(720, 480);

    static const char* const names[3] = {"VFO-&A", "VFO-&B", "&Memory"};
    static const unsigned radioIds[3] = {1079, 1080, 1081};
    static const unsigned editIds[3] = {1082, 1084, 1086};
    static const unsigned spinIds[3] = {1083, 1085, 1087};
    static const int widths[3] = {2, 2, 3};
    for (int i = 0; i < 3; ++i) {
        const int x = 12 + i * 180;
        m_pRadios[i] = new QRadioButton(QString::fromLatin1(names[i]), this);
        setId(m_pRadios[i], radioIds[i]);
        m_pRadios[i]->setGeometry(x, 12, 86, 24);
        m_pNumbers[i] = new QLineEdit(this);
        setId(m_pNumbers[i], editIds[i]);
        m_pNumbers[i]->setMaxLength(widths[i]);
        m_pNumbers[i]->setGeometry(x + 88, 12, 44, 24);
        m_pNumbers[i]->installEventFilter(this);
        m_pSpins[i] = new COwnSpinButtonCtrl(this);
        setId(m_pSpins[i], spinIds[i]);
        m_pSpins[i]->setGeometry(x + 132, 12, 18, 24);
        m_pSpins[i]->SetBuddy(m_pNumbers[i]);
        connect(m_pNumbers[i], &QLineEdit::textChanged, this, [this] { Refresh(); });
        connect(m_pRadios[i], &QRadioButton::clicked, this, [this, i] {
            m_nSelection = i;
            Refresh();
        });
    }
    m_pStatus = new QLabel(this);
    setId(m_pStatus, 1088);
    m_pStatus->setGeometry(12, 44, 696, 22);
    m_pList = new COwnListCtrl(this);
    setId(m_pList, 1078);
    m_pList->setGeometry(12, 72, 696, 360);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    setId(close, 2);
    close->setGeometry(608, 442, 100, 28);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

CVfoMemoryAnalyzerDialog::~CVfoMemoryAnalyzerDialog() = default;

void CVfoMemoryAnalyzerDialog::showEvent(QShowEvent* event)
{
    if (!m_bInitialised)
        OnInitDialog();
    QDialog::showEvent(event);
}

bool CVfoMemoryAnalyzerDialog::OnInitDialog()
{
    if (!qApp->windowIcon().isNull())
        setWindowIcon(qApp->windowIcon());
    m_pList->SetColumns({{QStringLiteral("Description"), LVCFMT_LEFT},
                         {QStringLiteral("Value"), LVCFMT_LEFT},
                         {QStringLiteral("Offset"), LVCFMT_LEFT},
                         {QStringLiteral("Bits"), LVCFMT_LEFT},
                         {QStringLiteral("Remarks"), LVCFMT_LEFT}});
    const CSettings& settings = GetSettings();
    m_pSpins[SEL_VFO_A]->SetRange(1, int(settings.GetBandsPerVfo()));
    m_pSpins[SEL_VFO_B]->SetRange(1, int(settings.GetBandsPerVfo()));
    m_pSpins[SEL_MEMORY]->SetRange(1, settings.GetMemoryChannelCount());
    for (COwnSpinButtonCtrl* spin : m_pSpins) {
        spin->SetPos(1);
        spin->UpdateBuddy(-1, false);
    }
    m_pRadios[m_nSelection]->setChecked(true);
    m_bInitialised = true;
    Refresh();
    return true;
}

void CVfoMemoryAnalyzerDialog::SetSelection(int nSelection)
{
    m_nSelection = nSelection;
    m_pRadios[nSelection]->setChecked(true);
    Refresh();
}

bool CVfoMemoryAnalyzerDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        for (int i = 0; i < 3; ++i) {
            if (watched == m_pNumbers[i] && m_nSelection != i) {
                m_nSelection = i;
                m_pRadios[i]->setChecked(true);
                Refresh();
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString CVfoMemoryAnalyzerDialog::RecordLabel(int nSelection, const QString& strNumber)
{
    switch (nSelection) {
    case SEL_VFO_A: return QStringLiteral("VFO-A #") + strNumber;
    case SEL_VFO_B: return QStringLiteral("VFO-B #") + strNumber;
    default: return QStringLiteral("Memory #") + strNumber;
    }
}

uint32_t CVfoMemoryAnalyzerDialog::RecordAddress(int nSelection, long nNumber)
{
    const CSettings& s = GetSettings();
    // 32-bit arithmetic: number 0 gives the record before the first.
    switch (nSelection) {
    case SEL_VFO_A: return uint32_t(int64_t(s.GetVfoBase()) + (nNumber - 1) * int64_t(s.GetBandRecordSize()));
    case SEL_VFO_B:
        return uint32_t(int64_t(s.GetVfoBase()) +
                        (int64_t(s.GetBandsPerVfo()) + nNumber - 1) * int64_t(s.GetBandRecordSize()));
    default: return uint32_t(int64_t(s.GetMemoryBase()) + (nNumber - 1) * int64_t(s.GetMemoryRecordSize()));
    }
}

bool CVfoMemoryAnalyzerDialog::IsInEeprom(int nSelection, long nNumber)
{
    const CSettings& s = GetSettings();
    const int64_t size = nSelection == SEL_MEMORY ? s.GetMemoryRecordSize() : s.GetBandRecordSize();
    int64_t first = 0;
    switch (nSelection) {
    case SEL_VFO_A: first = int64_t(s.GetVfoBase()) + (int64_t(nNumber) - 1) * size; break;
    case SEL_VFO_B: first = int64_t(s.GetVfoBase()) + (int64_t(s.GetBandsPerVfo()) + nNumber - 1) * size; break;
    default: first = int64_t(s.GetMemoryBase()) + (int64_t(nNumber) - 1) * size; break;
    }
    // The record is read in pairs; the last pair must start inside.
    const int64_t lastPair = first + ((size - 1) & ~int64_t(1));
    return first >= 0 && lastPair <= int64_t(s.GetEepromLimit());
}

QString CVfoMemoryAnalyzerDialog::GetStatusText() const
{
    return m_pStatus->text();
}

QList<CVfoMemoryAnalyzerDialog::FieldRow> CVfoMemoryAnalyzerDialog::Rows(const CMemoryRecordText& r, bool bMemory)
{
    struct Def {
        const char* description;
        int offset;
        const char* bits;
        const char* remarks;
        bool memoryOnly;
        QString value;
    };
    const Def defs[] = {
        {"Mode", 0, "0-2", "000 = LSB, 001 = USB, 010 = CW, 100 = AM, 101 = FM, 110 = DIG, 111 = PKT (WFM shown as FM)",
         false, r.GetModeText()},
        {"Tag on/off", 0, "7", "0 = Memory frequency displayed, 1 = Memory tag (label) displayed", true,
         r.GetTagOnText()},
        {"Frequency range", 1, "0-2", "000 = HF, 001 = 6m, 010 = FM BCB, 011 = Air, 100 = 2m, 101 = 70cm", true,
         r.GetRangeText()},
        {"Narrow on/off (FM, FMN)", 1, "3", "0 = Off, 1 = On", false, r.GetFmNarrowText()},
        {"Narrow on/off (CW, CWR, DIG)", 1, "4", "0 = Off, 1 = On", false, r.GetCwNarrowText()},
        {"Repeater mode", 1, "6-7", "00 = Simplex, 01 = Minus, 10 = Plus, 11 = Nonstandard split", false,
         r.GetShiftText()},
        {"Tone/DCS select", 2, "0-1", "00 = Off, 01 = Tone (tx), 10 = Tone + Tone squelch, 11 = DCS", false,
         r.GetToneModeText()},
        {"Att on/off", 2, "4", "0 = off, 1 = on", false, r.GetAttText()},
        {"IPO on/off", 2, "5", "0 = off, 1 = on", false, r.GetIpoText()},
        {"FM step", 3, "0-2",
         "000 = 5KHz, 001 = 6.25KHz, 010 = 10KHz, 011 = 12.5KHz, 100 = 15KHz, 101 = 20KHz, 111 = 50KHz", false,
         r.GetFmStepText()},
        {"AM step", 3, "3-5", "000 = 2.5KHz, 001 = 5KHz, 010 = 9KHz, 011 = 10KHz, 100 = 12.5KHz, 101 = 25KHz", false,
         r.GetAmStepText()},
        {"SSB step", 3, "6-7", "00 = 1KHz, 01 = 2.5KHz, 10 = 5KHz", false, r.GetSsbStepText()},
        {"CTCSS tone freq", 6, "0-4", "0-31, 0 = 67.0Hz, 31 = 254.1Hz", false, r.GetCtcssText()},
        {"DCS code", int(CMemoryRecordText::kDcsByte), "0-6", "0-67, 0 = DCS code 023, 67 (hex) = DCS code 754", false,
         r.GetDcsText()},
        {"Repeater offset", 15, "0-23",
         "A 24 bit number with each count representing a 10Hz step (10Hz = 1, 10KHz - 1000)", false,
         r.GetOffsetText()},
        {"Rx frequency", 10, "0-31", "MSB in lower byte, LSB in upper byte", false, r.GetRxFrequencyText()},
        {"Tx frequency", 14, "0-31", "MSB in lower byte, LSB in upper byte", true, r.GetTxFrequencyText()},
        {"Label", 18, "0-63", "8 character ASCII label", true, r.GetLabelText()},
    };
    QList<FieldRow> rows;
    for (const Def& d : defs) {
        if (d.memoryOnly && !bMemory)
            continue;
        rows.append({QString::fromLatin1(d.description), d.value, QString::asprintf("%02X", d.offset),
                     QString::fromLatin1(d.bits), QString::fromLatin1(d.remarks)});
    }
    return rows;
}

void CVfoMemoryAnalyzerDialog::Refresh()
{
    if (!m_bInitialised)
        return;
    for (int i = 0; i < 3; ++i)
        if (m_pRadios[i]->isChecked())
            m_nSelection = i;
    const QString typed = m_pNumbers[m_nSelection]->text();
    // The C library's atol: leading digits, 0 when none.
    long number = 0;
    {
        const QByteArray bytes = typed.trimmed().toLatin1();
        number = std::atol(bytes.constData());
    }
    const QString label = RecordLabel(m_nSelection, typed);
    const uint32_t address = RecordAddress(m_nSelection, number);
    const QString addressText = QString::asprintf("%04X", unsigned(address & 0xFFFF));
    if (!IsInEeprom(m_nSelection, number)) {
        // Nothing is read: beyond the EEPROM the radio has no record to show.
        m_pStatus->setText(QStringLiteral("%1: Base address: %2 (hex) lies outside the EEPROM (0000 to %3)")
                               .arg(label, addressText,
                                    QString::asprintf("%04X", unsigned(GetSettings().GetEepromLimit()))));
        m_pList->DeleteAllItems();
        return;
    }
    m_pStatus->setText(QStringLiteral("%1: Base address: %2 (hex)").arg(label, addressText));

    CMemoryRecordText record(address);
    record.Decode();
    const QList<FieldRow> rows = Rows(record, m_nSelection == SEL_MEMORY);

    QTreeWidgetItem* top = m_pList->itemAt(0, 0);
    const int topIndex = top ? m_pList->indexOfTopLevelItem(top) : 0;
    const int perPage = std::max(1, m_pList->viewport()->height() / std::max(1, m_pList->fontMetrics().height()));
    const int lastVisible = topIndex + perPage - 1;
    m_pList->setUpdatesEnabled(false);
    m_pList->DeleteAllItems();
    for (const FieldRow& row : rows) {
        const int item = m_pList->InsertItem(m_pList->GetItemCount(), row.strDescription);
        m_pList->SetItemText(item, 1, row.strValue);
        m_pList->SetItemText(item, 2, row.strOffset);
        m_pList->SetItemText(item, 3, row.strBits);
        m_pList->SetItemText(item, 4, row.strRemarks);
    }
    m_pList->SortColumn(0, true);
    if (QTreeWidgetItem* item = m_pList->topLevelItem(std::min(lastVisible, m_pList->GetItemCount() - 1)))
        m_pList->scrollToItem(item);
    m_pList->AutoSizeColumns();
    m_pList->setUpdatesEnabled(true);
    m_pList->viewport()->update();
}
