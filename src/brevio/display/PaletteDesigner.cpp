#include "brevio/display/PaletteDesigner.h"

#include "brevio/core/DefinitionFileHeader.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/display/ColorButton.h"
#include "brevio/display/GradientCtrl.h"
#include "brevio/display/PalettePreview.h"
#include "platform/Prompter.h"
#include "shared/Registry.h"
#include "shared/TextFile.h"
#include "shared/artwork/Artwork.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/WaitCursor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSpinBox>
#include <QTimerEvent>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kRange = 255;
constexpr int kPreviewHeightPercent = 200;
} // namespace

CPaletteDesigner::CPaletteDesigner(QWidget* pParent) : QDialog(pParent)
{
    SetDlgCtrlID(this, IDD);
    m_bApplyNow = CRegistry().GetBool(ApplyNowValue(), true);
    for (int i = 0; i < 256; ++i)
        m_savedTable[size_t(i)] = CurrentSettings().GetColour(i);
    BuildControls();
}

CPaletteDesigner::~CPaletteDesigner() = default;

int CPaletteDesigner::DoModal()
{
    return exec() == QDialog::Accepted ? platform::IDOK : platform::IDCANCEL;
}

QWidget* CPaletteDesigner::GetDlgItem(unsigned nId) const
{
    for (QWidget* child : findChildren<QWidget*>())
        if (GetDlgCtrlID(child) == nId)
            return child;
    return nullptr;
}

void CPaletteDesigner::BuildControls()
{
    setWindowTitle(QStringLiteral("Palette Editor"));
    const QImage icon = artwork::icon(190);
    if (!icon.isNull())
        setWindowIcon(QPixmap::fromImage(icon));

    auto bitmapButton = [this](unsigned nId, const QString& text) {
        auto* button = new COXBitmapButton(this);
        SetDlgCtrlID(button, nId);
        button->SetButtonText(text);
        button->setMinimumHeight(26);
        return button;
    };

    m_pGradient = new CGradientCtrl(this);
    SetDlgCtrlID(m_pGradient, IDC_GRADIENT);
    m_pGradient->setToolTip(QStringLiteral("Gradient"));
    m_pGradient->setFixedWidth(110);
    m_pGradient->setMinimumHeight(330);

    m_pPreview = new CPalettePreview(this);
    SetDlgCtrlID(m_pPreview, IDC_PREVIEW);
    m_pPreview->setFixedWidth(140);
    m_pPreview->setMinimumHeight(330);

    // New peg.
    auto* newPeg = new QGroupBox(QStringLiteral("New Peg"), this);
    m_pNewPosition = new QSpinBox(newPeg);
    SetDlgCtrlID(m_pNewPosition, IDC_NEW_POSITION);
    m_pNewPosition->setRange(0, 255);
    m_pNewColour = new CColorButton(newPeg);
    SetDlgCtrlID(m_pNewColour, IDC_NEW_COLOUR);
    m_pNewColour->setText(QStringLiteral("Colour..."));
    m_pNewColour->setMinimumSize(70, 24);
    m_pAdd = bitmapButton(IDC_ADD, QStringLiteral("Add"));
    auto* newLayout = new QGridLayout(newPeg);
    newLayout->addWidget(new QLabel(QStringLiteral("Position:"), newPeg), 0, 0);
    newLayout->addWidget(m_pNewPosition, 0, 1);
    newLayout->addWidget(new QLabel(QStringLiteral("Colour:"), newPeg), 1, 0);
    newLayout->addWidget(m_pNewColour, 1, 1);
    newLayout->addWidget(m_pAdd, 2, 1);

    // Selection.
    m_pSelection = new QGroupBox(QStringLiteral("Selection"), this);
    SetDlgCtrlID(m_pSelection, IDC_SELECTION);
    m_pSelectionLabel = new QLabel(QStringLiteral("Position:"), m_pSelection);
    SetDlgCtrlID(m_pSelectionLabel, IDC_SELECTION_LABEL);
    m_pSelPosition = new QLineEdit(m_pSelection);
    SetDlgCtrlID(m_pSelPosition, IDC_SELECTION_POSITION);
    m_pSelPosition->setReadOnly(true);
    m_pSelColour = new CColorButton(m_pSelection);
    SetDlgCtrlID(m_pSelColour, IDC_SELECTION_COLOUR);
    m_pSelColour->setText(QStringLiteral("Colour..."));
    m_pSelColour->setMinimumSize(70, 24);
    m_pDelete = bitmapButton(IDC_DELETE, QStringLiteral("Delete"));
    auto* selLayout = new QGridLayout(m_pSelection);
    selLayout->addWidget(m_pSelectionLabel, 0, 0);
    selLayout->addWidget(m_pSelPosition, 0, 1);
    selLayout->addWidget(new QLabel(QStringLiteral("Colour:"), m_pSelection), 1, 0);
    selLayout->addWidget(m_pSelColour, 1, 1);
    selLayout->addWidget(m_pDelete, 2, 1);

    COXBitmapButton* load = bitmapButton(IDC_LOAD, QStringLiteral("&Load"));
    COXBitmapButton* save = bitmapButton(IDC_SAVE, QStringLiteral("&Save"));
    COXBitmapButton* pal = bitmapButton(IDC_CREATE_PAL, QStringLiteral("Create PAL File"));
    COXBitmapButton* restore = bitmapButton(IDC_RESTORE_DEFAULT, QStringLiteral("Restore &Default"));
    auto* files = new QGridLayout;
    files->addWidget(load, 0, 0);
    files->addWidget(save, 0, 1);
    files->addWidget(pal, 1, 0);
    files->addWidget(restore, 1, 1);

    m_pApplyNow = new QCheckBox(
        QStringLiteral("Apply changes &immediately (to see changes make sure you have a visible Waterfall display)"),
        this);
    SetDlgCtrlID(m_pApplyNow, IDC_APPLY_NOW);
    m_pApply = new QPushButton(QStringLiteral("&Apply"), this);
    SetDlgCtrlID(m_pApply, IDC_APPLY);
    COXBitmapButton* ok = bitmapButton(IDC_OK, QStringLiteral("&OK"));
    COXBitmapButton* cancel = bitmapButton(IDC_CANCEL, QStringLiteral("&Cancel"));
    ok->setDefault(true);

    // Pictures, each with its transparent colour.
    const struct {
        COXBitmapButton* button;
        int resource;
        COLORREF mask;
    } pictures[] = {{restore, 260, RGB(255, 0, 0)}, {pal, 154, RGB(255, 0, 0)},   {m_pAdd, 190, RGB(0, 0, 255)},
                    {m_pDelete, 314, RGB(0, 0, 255)}, {ok, 313, RGB(0, 0, 255)}, {cancel, 314, RGB(0, 0, 255)},
                    {save, 218, RGB(255, 0, 0)},    {load, 388, RGB(255, 0, 0)}};
    for (const auto& picture : pictures)
        picture.button->LoadBitmapResource(picture.resource, false, picture.mask);
    m_pDelete->SetLookFlag(true);

    auto* right = new QVBoxLayout;
    right->addWidget(newPeg);
    right->addWidget(m_pSelection);
    right->addLayout(files);
    right->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(m_pGradient);
    top->addWidget(m_pPreview);
    top->addLayout(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_pApply);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* main = new QVBoxLayout(this);
    main->addLayout(top, 1);
    main->addWidget(m_pApplyNow);
    main->addLayout(buttons);
    main->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_pGradient, &CGradientCtrl::notify, this,
            [this](unsigned nMessage, intptr_t wParam, intptr_t lParam) { OnGradientNotify(nMessage, wParam, lParam); });
    for (CColorButton* button : {m_pNewColour, m_pSelColour})
        connect(button, &CColorButton::notify, this, [this](unsigned nMessage, COLORREF, int) { OnColourNotify(nMessage); });
    connect(m_pAdd, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(m_pDelete, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(load, &QPushButton::clicked, this, [this] { OnLoad(); });
    connect(save, &QPushButton::clicked, this, [this] { OnSave(); });
    connect(pal, &QPushButton::clicked, this, [this] { OnCreatePalFile(); });
    connect(restore, &QPushButton::clicked, this, [this] { OnRestoreDefault(); });
    connect(m_pApplyNow, &QCheckBox::clicked, this, [this] { OnApplyNowChanged(); });
    connect(m_pApply, &QPushButton::clicked, this, [this] { Apply(); });
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
}

void CPaletteDesigner::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_bInitialised)
        OnInitDialog();
}

void CPaletteDesigner::OnInitDialog()
{
    if (m_bInitialised)
        return;
    m_bInitialised = true;
    m_pGradient->GetGradient().SetRange(kRange);
    LoadArrays(ReadRegistryArrays());
    SetNewPegPosition(m_pGradient->GetGradient().GetRange() / 2);
    m_pPreview->InitFire();
    m_pPreview->SetFlameHeight(kPreviewHeightPercent);
    UpdatePreview();
    EnableSelectionControls(false, false);
    m_pApplyNow->setChecked(m_bApplyNow);
    OnApplyNowChanged();
    ApplyIfNow();
    m_blinkTimer.start(kBlinkPeriod, this);
}

int CPaletteDesigner::GetNewPegPosition() const
{
    return m_pNewPosition->value();
}

void CPaletteDesigner::SetNewPegPosition(int nPosition)
{
    m_pNewPosition->setValue(nPosition);
}

QString CPaletteDesigner::GetSelectionPositionText() const
{
    return m_pSelPosition->text();
}

COLORREF CPaletteDesigner::ChosenColour(const CColorButton* pButton)
{
    return pButton->GetShownColor();
}

CPaletteFile::Entries CPaletteDesigner::ReadRegistryArrays()
{
    QList<uint32_t> colours;
    QList<uint32_t> positions;
    CRegistry().GetIntArray(PegColoursValue(), colours);
    CRegistry().GetIntArray(PegPositionsValue(), positions);
    const qsizetype n = std::min(colours.size(), positions.size());
    if (n < 2)
        return CPaletteFile::DefaultEntries();
    CPaletteFile::Entries entries;
    for (qsizetype i = 0; i < n; ++i) {
        entries.colours.append(colours[i]);
        entries.positions.append(int32_t(positions[i]));
    }
    return entries;
}

void CPaletteDesigner::WriteRegistryArrays() const
{
    const CPaletteFile::Entries entries = CPaletteFile::FromGradient(m_pGradient->GetGradient());
    QList<uint32_t> positions;
    for (int p : entries.positions)
        positions.append(uint32_t(p));
    CRegistry().WriteIntArray(PegColoursValue(), entries.colours);
    CRegistry().WriteIntArray(PegPositionsValue(), positions);
}

void CPaletteDesigner::LoadArrays(const CPaletteFile::Entries& entries)
{
    // Each peg goes as the operator's Delete would take it.
    while (m_pGradient->GetGradient().GetPegCount() > 0) {
        m_pGradient->SetSelIndex(0, false);
        m_pGradient->RemoveSelected(false);
    }
    CPaletteFile::ToGradient(entries, m_pGradient->GetGradient());
    m_pGradient->SetSelIndex(CGradient::kNone, true);
    EnableSelectionControls(false, false);
}

void CPaletteDesigner::UpdatePreview()
{
    std::vector<COLORREF> entries = m_pGradient->GetGradient().MakeEntries(256);
    // The flame's cold parts stay black whatever the top of the strip is.
    entries[0] = RGB(0, 0, 0);
    m_pPreview->SetColours(entries);
}

void CPaletteDesigner::Apply()
{
    // The settings' table is the strip upside down: value 0 takes the bottom colour.
    const std::vector<COLORREF> entries = m_pGradient->GetGradient().MakeEntries(256);
    for (int i = 0; i < 256; ++i)
        CurrentSettings().SetColour(i, entries[size_t(255 - i)]);
}

void CPaletteDesigner::ApplyIfNow()
{
    if (m_bApplyNow)
        Apply();
}

void CPaletteDesigner::AfterChange()
{
    UpdatePreview();
    ApplyIfNow();
}

void CPaletteDesigner::OnApplyNowChanged()
{
    m_bApplyNow = m_pApplyNow->isChecked();
    m_pApply->setEnabled(!m_bApplyNow);
    CRegistry().WriteBool(ApplyNowValue(), m_bApplyNow ? 1 : 0);
}

void CPaletteDesigner::OnAdd()
{
    m_pNewPosition->interpretText();
    m_pGradient->GetGradient().AddPeg(ChosenColour(m_pNewColour), 255 - GetNewPegPosition());
    m_pGradient->update();
    AfterChange();
}

void CPaletteDesigner::EnableSelectionControls(bool bAny, bool bPeg)
{
    m_pSelection->setEnabled(bAny);
    m_pSelectionLabel->setEnabled(bAny);
    m_pSelColour->setEnabled(bAny);
    m_pSelPosition->setEnabled(bAny && bPeg);
    m_pDelete->Enable(bAny && bPeg);
}

void CPaletteDesigner::OnSelectionChanged()
{
    const int selected = m_pGradient->GetSelIndex();
    if (selected == CGradient::kNone) {
        EnableSelectionControls(false, false);
        const int position = m_pGradient->GetClickPosition();
        if (position >= 0 && position <= 255)
            SetNewPegPosition(255 - position);
        return;
    }
    const CPeg peg = m_pGradient->GetSelPeg();
    m_pSelColour->SetColor(peg.colour);
    m_pSelPosition->setText(QString::number(selected >= 0 ? 255 - peg.position : -1));
    EnableSelectionControls(true, selected >= 0);
}

void CPaletteDesigner::OnGradientNotify(unsigned nMessage, intptr_t wParam, intptr_t)
{
    switch (nMessage) {
    case CGradientCtrl::GradientSelChange:
        OnSelectionChanged();
        break;
    case CGradientCtrl::GradientPegMove:
        m_pSelPosition->setText(QString::number(255 - int(wParam)));
        AfterChange();
        break;
    case CGradientCtrl::GradientPegMoved:
    case CGradientCtrl::GradientPegRemoved:
        AfterChange();
        break;
    case CGradientCtrl::GradientCreatePeg:
        m_pGradient->GetGradient().AddPeg(ChosenColour(m_pNewColour), int(wParam));
        m_pGradient->update();
        AfterChange();
        break;
    default:
        break;
    }
}

void CPaletteDesigner::OnColourNotify(unsigned nMessage)
{
    if (nMessage != CColorButton::ColourSelEndOk)
        return;
    const int selected = m_pGradient->GetSelIndex();
    if (selected == CGradient::kNone)
        return;
    const COLORREF colour = ChosenColour(m_pSelColour);
    if (selected >= 0)
        m_pGradient->SetSelPegColour(colour, true);
    else
        m_pGradient->GetGradient().SetPeg(selected, colour, 0);
    m_pGradient->update();
    AfterChange();
}

void CPaletteDesigner::OnDelete()
{
    m_pGradient->RemoveSelected(true);
    AfterChange();
}

void CPaletteDesigner::OnTimer()
{
    m_nBlinkPhase = m_nBlinkPhase ? 0 : 1;
    if (m_pGradient->IsButtonDown())
        return;
    m_pGradient->SetBlinkPhase(m_nBlinkPhase);
    if (m_pGradient->GetSelIndex() != CGradient::kNone)
        m_pGradient->BlinkSelection();
}

void CPaletteDesigner::OnRestoreDefault()
{
    LoadArrays(CPaletteFile::DefaultEntries());
    AfterChange();
}

void CPaletteDesigner::OnOK()
{
    SaveAndBroadcastSettings();
    WriteRegistryArrays();
    m_blinkTimer.stop();
    QDialog::accept();
}

void CPaletteDesigner::OnCancel()
{
    for (int i = 0; i < 256; ++i)
        CurrentSettings().SetColour(i, m_savedTable[size_t(i)]);
    m_blinkTimer.stop();
    QDialog::reject();
}

void CPaletteDesigner::OnSave()
{
    QString path;
    if (!ChooseColourFileToSave(this, path, QStringLiteral("Save Palette Editor Definition")))
        return;
    CWaitCursor wait;
    QStringList lines = CPaletteFile::DefinitionLines(CPaletteFile::FromGradient(m_pGradient->GetGradient()));
    CDefinitionFileHeader().Write(CPaletteFile::kFileKind, lines);
    // A failed write is reported by the file and leaves any old file whole.
    CTextFile(path, false).WriteLines(lines, false);
}

void CPaletteDesigner::OnLoad()
{
    QString path;
    if (!ChooseColourFileToOpen(this, path, QStringLiteral("Open Palette Editor Definition")))
        return;
    CPaletteFile::Entries entries;
    {
        CWaitCursor wait;
        CTextFile file(path, false);
        if (!file.Exists())
            return;
        QStringList lines;
        file.ReadLines(lines);
        if (!file.IsOk())
            return;  // the file has said why
        if (!CPaletteFile::ParseDefinition(lines, entries))
            entries = CPaletteFile::Entries();
    }
    if (entries.size() < 2) {
        platform::messageBox(this, QStringLiteral("This is not a valid PSK31 Brevio palette file."),
                             QStringLiteral("Error"), platform::MB_OK | platform::MB_ICONERROR);
        return;
    }
    LoadArrays(entries);
    AfterChange();
}

void CPaletteDesigner::OnCreatePalFile()
{
    QString path;
    if (!ChoosePaletteFileToSave(this, path, QStringLiteral("Save as Palette (PAL) File")))
        return;
    CWaitCursor wait;
    CTextFile(path, false).WriteLines(CPaletteFile::PalLines(m_pGradient->GetGradient()), false);
}

void CPaletteDesigner::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_blinkTimer.timerId())
        OnTimer();
    else
        QDialog::timerEvent(event);
}
