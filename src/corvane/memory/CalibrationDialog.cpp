#include "corvane/memory/CalibrationDialog.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/RegisteredMessages.h"
#include "corvane/memory/CalibrationTable.h"
#include "corvane/memory/ToolSupport.h"
#include "platform/DataFolder.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/TextFile.h"
#include "shared/buttons/AnimatedButton.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BarMeter.h"
#include "shared/ui/ListExport.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/OwnListCtrl.h"
#include "shared/ui/OwnSpinButtonCtrl.h"
#include "shared/ui/RotBevelLine.h"
#include "shared/ui/WaitCursor.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
enum Column { COL_ENTRY, COL_ADDRESS, COL_DEC, COL_HEX, COL_DESCRIPTION };

const char* const kWarning =
    "Warning: changing these values may make your radio unusable, requiring complete recalibration! Before you "
    "make any changes, save the current settings to a file with the 'Save' option below.";

CCalibrationDialog::ValueDialogRunner& valueRunner()
{
    static CCalibrationDialog::ValueDialogRunner runner;
    return runner;
}
} // namespace

void CCalibrationDialog::SetValueDialogRunner(ValueDialogRunner runner)
{
    valueRunner() = std::move(runner);
}

CCalibrationDialog::CCalibrationDialog(QWidget* pParent, CCatLink* pLink)
    : CBaseDialog(kTemplateId, pParent), m_pLink(ToolSupport::Link(pLink))
{
    setWindowTitle(QStringLiteral("Calibration"));
    resize(660, 440);

    m_pAnimation = new CAnimatedButton(this);
    m_pAnimation->setGeometry(8, 8, 40, 40);
    m_pList = new COwnListCtrl(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(56, 8, 596, 300);

    auto* warning = new QLabel(QString::fromLatin1(kWarning), this);
    SetDlgCtrlID(warning, IDC_WARNING);
    warning->setWordWrap(true);
    warning->setGeometry(8, 314, 644, 36);

    m_pProgress = new CBarMeter(this);
    SetDlgCtrlID(m_pProgress, IDC_PROGRESS);
    m_pProgress->setGeometry(8, 356, 644, 22);

    m_pReload = ToolSupport::BitmapButton(this, IDC_RELOAD, QStringLiteral("&Reload"), 262);
    m_pChange = ToolSupport::BitmapButton(this, IDC_CHANGE, QStringLiteral("&Change"), 260);
    m_pSave = ToolSupport::BitmapButton(this, IDC_SAVE, QStringLiteral("&Save"), 218);
    m_pViewer = ToolSupport::BitmapButton(this, IDC_VIEWER, QStringLiteral("&Viewer"), 258);
    int x = 8;
    for (COXBitmapButton* button : {m_pReload, m_pChange, m_pSave, m_pViewer}) {
        button->setGeometry(x, 394, 96, 30);
        x += 104;
    }
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    SetDlgCtrlID(close, platform::IDCANCEL);
    close->setGeometry(572, 394, 80, 30);
    close->setAutoDefault(false);

    connect(m_pReload, &QPushButton::clicked, this, &CCalibrationDialog::OnReload);
    connect(m_pChange, &QPushButton::clicked, this, &CCalibrationDialog::OnChange);
    connect(m_pSave, &QPushButton::clicked, this, &CCalibrationDialog::OnSave);
    connect(m_pViewer, &QPushButton::clicked, this, &CCalibrationDialog::OnViewer);
    connect(close, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pList, &COwnListCtrl::columnClicked, m_pList, &COwnListCtrl::OnColumnClick);
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, &CCalibrationDialog::UpdateButtons);
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] { OnChange(); });

    const DialogGeometry::AnchorRow anchors[] = {
        {int(IDC_LIST), 2, 2, 0, 0},     {int(IDC_RELOAD), 0, 0, 0, 2},  {int(IDC_CHANGE), 0, 0, 0, 2},
        {int(IDC_SAVE), 0, 0, 0, 2},     {int(IDC_VIEWER), 0, 0, 0, 2},  {int(IDC_WARNING), 2, 0, 0, 2},
        {int(platform::IDCANCEL), 0, 0, 2, 2}, {int(IDC_PROGRESS), 2, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));

    // The table goes in at once; the values come from the radio once the
    // window is up.
    m_pList->SetColumns({{QStringLiteral("Entry"), LVCFMT_LEFT},
                         {QStringLiteral("Address"), LVCFMT_LEFT},
                         {QStringLiteral("Value (dec)"), LVCFMT_RIGHT},
                         {QStringLiteral("Value (hex)"), LVCFMT_RIGHT},
                         {QStringLiteral("Description"), LVCFMT_LEFT}});
    m_pList->SetFullRowSelect();
    for (int i = 0; i < CalibrationTable::kCount; ++i) {
        const CalibrationEntry& row = CalibrationTable::Row(i);
        m_pList->InsertItem(i, CalibrationTable::Name(i));
        m_pList->SetItemText(i, COL_ADDRESS, QString::asprintf("%04X", row.nAddress));
        m_pList->SetItemText(i, COL_DESCRIPTION, CalibrationTable::Description(i));
        m_pList->SetItemData(i, row.nAddress);
        m_nLowest = std::min<uint16_t>(m_nLowest, row.nAddress);
        m_nHighest = std::max<uint16_t>(m_nHighest, row.nAddress);
    }
    m_pList->AutoSizeColumns();
    UpdateButtons();
}

CCalibrationDialog::~CCalibrationDialog() = default;

bool CCalibrationDialog::OnInitDialog()
{
    ToolSupport::WarningAnimation(m_pAnimation, this);
    CBaseDialog::OnInitDialog();
    PostRegisteredMessage(this, RegisteredMessage::nMsgInitialise);
    return true;
}

bool CCalibrationDialog::event(QEvent* event)
{
    if (CRegisteredEvent::As(event, RegisteredMessage::nMsgInitialise)) {
        OnInitialise();
        return true;
    }
    return CBaseDialog::event(event);
}

void CCalibrationDialog::OnInitialise()
{
    OnReload();
}

void CCalibrationDialog::OnReload()
{
    const CWaitCursor wait;
    ++m_nReloads;
    const int count = m_nHighest - m_nLowest + 1;
    m_pProgress->SetShowText(true);
    m_pProgress->SetRange(0, count);
    m_pProgress->SetPos(0);
    QByteArray buffer(count + 1, '\0');
    if (m_pLink) {
        buffer = CalibrationTable::ReadArea(*m_pLink, [this](uint16_t address, int offset) {
            const QString caption = QString::asprintf("Reading %04X", address);
            m_history << caption;
            m_pProgress->SetText(caption);
            m_pProgress->SetPos(offset + 1);
            m_pProgress->Redraw();
        });
    }
    m_history << QStringLiteral("Ready");
    m_pProgress->SetText(QStringLiteral("Ready"));
    m_pProgress->SetPos(count);
    m_pProgress->Redraw();

    m_pList->setUpdatesEnabled(false);
    for (int i = 0; i < m_pList->GetItemCount(); ++i) {
        const int offset = int(m_pList->GetItemData(i)) - m_nLowest;
        const uint8_t value = offset >= 0 && offset < buffer.size() ? uint8_t(buffer[offset]) : 0;
        m_pList->SetItemText(i, COL_DEC, QString::asprintf("%u", value));
        m_pList->SetItemText(i, COL_HEX, QString::asprintf("%02X", value));
    }
    m_pList->AutoSizeColumns();
    m_pList->setUpdatesEnabled(true);
    m_pList->viewport()->update();
    UpdateButtons();
}

void CCalibrationDialog::OnChange()
{
    const int item = m_pList->GetFirstSelectedItem();
    if (item < 0)
        return;
    const QString name = m_pList->GetItemText(item, COL_ENTRY);
    const QString description = m_pList->GetItemText(item, COL_DESCRIPTION);
    const unsigned address = unsigned(m_pList->GetItemData(item));
    const uint8_t value = uint8_t(m_pList->GetItemText(item, COL_DEC).toUInt());
    CCalibrationValueDialog dialog(this, name, description, address, value, m_pLink);
    if (valueRunner())
        valueRunner()(dialog);
    else
        dialog.DoModal();
    if (dialog.IsWritten())
        OnReload();
    UpdateButtons();
}

void CCalibrationDialog::OnSave()
{
    CListExport rows(*m_pList);
    QString path = platform::dataFilePath(CTextFile::FileName(kFileKind));
    if (!ChooseTextFileToSave(this, path))
        return;
    CTextFile file(path, false);
    CTextFile::AddHeader(rows, kFileKind);
    file.WriteLines(rows, false);
}

void CCalibrationDialog::OnViewer()
{
    CListExport(*m_pList).ShowInNotepad(kFileKind, CTextFile::FileName(kFileKind), this);
}

void CCalibrationDialog::UpdateButtons()
{
    m_pChange->Enable(m_pList->GetFirstSelectedItem() >= 0);
    const bool any = m_pList->GetItemCount() > 0;
    m_pSave->Enable(any);
    m_pViewer->Enable(any);
}

// ------------------------------------------------------------ value dialog

CCalibrationValueDialog::CCalibrationValueDialog(QWidget* pParent, const QString& strName,
                                                 const QString& strDescription, unsigned nAddress, uint8_t nValue,
                                                 CCatLink* pLink)
    : QDialog(pParent), m_pLink(ToolSupport::Link(pLink)), m_nAddress(nAddress), m_nValue(nValue)
{
    SetDlgCtrlID(this, kTemplateId);
    setWindowTitle(QStringLiteral("Calibration"));

    m_pAnimation = new CAnimatedButton(this);
    ToolSupport::WarningAnimation(m_pAnimation, this);
    m_pAnimation->setFixedSize(40, 40);
    auto* warning = new QLabel(QStringLiteral("Warning: changing this value may make your radio unusable, "
                                              "requiring complete recalibration!"),
                               this);
    warning->setWordWrap(true);
    auto* name = new cdxCRotBevelLine(strName, this);
    SetDlgCtrlID(name, IDC_NAME);
    auto* description = new QLabel(strDescription, this);
    SetDlgCtrlID(description, IDC_DESCRIPTION);
    description->setWordWrap(true);

    m_pValue = new QLineEdit(QString::asprintf("%u", nValue), this);
    SetDlgCtrlID(m_pValue, IDC_VALUE);
    // A byte: nothing but 0 to 255 can reach the radio.
    m_pValue->setValidator(new QIntValidator(0, 255, m_pValue));
    m_pValue->setMaximumWidth(60);
    m_pSpin = new COwnSpinButtonCtrl(this);
    SetDlgCtrlID(m_pSpin, IDC_SPIN);
    m_pSpin->SetBuddy(m_pValue);
    m_pSpin->SetRange(0, 255);
    m_pSpin->SetPos(nValue);
    auto* range = new QLabel(QStringLiteral("<- Values are between 0 and 255."), this);

    m_pApply = new QPushButton(QStringLiteral("&Apply"), this);
    SetDlgCtrlID(m_pApply, IDC_APPLY);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(m_pOk, platform::IDOK);
    m_pOk->setDefault(true);
    m_pApply->setEnabled(false);
    m_pOk->setEnabled(false);

    connect(m_pValue, &QLineEdit::textEdited, this, [this] {
        bool ok = false;
        const int value = m_pValue->text().toInt(&ok);
        if (ok)
            m_pSpin->SetPos(value);
        OnValueChanged();
    });
    connect(m_pSpin, &COwnSpinButtonCtrl::positionChanged, this, [this](int) { OnValueChanged(); });
    connect(m_pApply, &QPushButton::clicked, this, &CCalibrationValueDialog::OnApply);
    connect(m_pOk, &QPushButton::clicked, this, &CCalibrationValueDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(m_pAnimation);
    top->addWidget(warning, 1);
    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(m_pValue);
    valueRow->addWidget(m_pSpin);
    valueRow->addWidget(range);
    valueRow->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pApply);
    buttons->addWidget(cancel);
    buttons->addWidget(m_pOk);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(name);
    layout->addWidget(description);
    layout->addLayout(valueRow);
    layout->addLayout(buttons);
    resize(420, sizeHint().height());
}

CCalibrationValueDialog::~CCalibrationValueDialog() = default;

int CCalibrationValueDialog::DoModal()
{
    return exec() == Accepted ? platform::IDOK : platform::IDCANCEL;
}

void CCalibrationValueDialog::OnValueChanged()
{
    // Only a complete number from 0 to 255 can be applied.
    const bool valid = m_pValue->hasAcceptableInput();
    m_pApply->setEnabled(valid);
    m_pOk->setEnabled(valid);
}

void CCalibrationValueDialog::OnApply()
{
    if (!m_pValue->hasAcceptableInput())
        return;
    m_bWritten = 1;
    {
        const CWaitCursor wait;
        const uint8_t value = uint8_t(m_pValue->text().toUInt());
        if (m_pLink)
            m_pLink->WriteEepromByte(uint16_t(m_nAddress), value);
    }
    m_pApply->setEnabled(false);
    m_pOk->setEnabled(false);
}

void CCalibrationValueDialog::OnOK()
{
    OnApply();
    done(Accepted);
}
