#include "corvane/frontpanel/TransverterDisplay.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/core/Settings.h"
#include "corvane/frontpanel/TransverterOffsets.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/buttons/OXRoundedButton.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"

#include <QApplication>
#include <QPainter>
#include <QPushButton>

namespace {
constexpr int kDigitWidth = 18;
constexpr int kDigitHeight = 32;
constexpr int kDotWidth = 6;
constexpr int kGapWidth = 3;
constexpr int kStroke = 3;

// Our own seven-segment digits, black on white like the stored pictures the
// window recolours.
QImage DrawDigit(int digit)
{
    static const uint8_t segments[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};
    QImage image(kDigitWidth, kDigitHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const int w = kDigitWidth - 2;
    const int h = kDigitHeight - 2;
    const int mid = h / 2;
    const QRect seg[7] = {
        QRect(kStroke + 1, 1, w - 2 * kStroke, kStroke),                  // a
        QRect(w - kStroke + 1, kStroke + 1, kStroke, mid - kStroke),      // b
        QRect(w - kStroke + 1, mid + 2, kStroke, mid - kStroke),          // c
        QRect(kStroke + 1, h - kStroke + 1, w - 2 * kStroke, kStroke),    // d
        QRect(1, mid + 2, kStroke, mid - kStroke),                        // e
        QRect(1, kStroke + 1, kStroke, mid - kStroke),                    // f
        QRect(kStroke + 1, mid, w - 2 * kStroke, kStroke),                // g
    };
    for (int i = 0; i < 7; ++i)
        if (segments[digit] & (1 << i))
            p.fillRect(seg[i], Qt::black);
    return image;
}

QImage DrawDot()
{
    QImage image(kDotWidth, kDigitHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(QRect(1, kDigitHeight - 1 - kStroke - 1, kStroke + 1, kStroke + 1), Qt::black);
    return image;
}

QImage DrawGap()
{
    QImage image(kGapWidth, kDigitHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// White becomes the background, every other pixel the foreground.
QImage Recolour(const QImage& source, COLORREF background, COLORREF foreground)
{
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    const QRgb bg = toQColor(background).rgb();
    const QRgb fg = toQColor(foreground).rgb();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == 0xFFFFFF ? bg : fg;
    }
    return image;
}

int DigitIndex(QChar c)
{
    if (c.isDigit())
        return c.digitValue();
    if (c == QLatin1Char('.'))
        return 10;
    return -1;
}

QPushButton* MakeButton(QWidget* parent, const QString& text, unsigned id, const QRect& rect)
{
    auto* b = new QPushButton(text, parent);
    SetDlgCtrlID(b, id);
    b->setGeometry(rect);
    b->setAutoDefault(false);
    return b;
}
} // namespace

// --- the digits ---

CTransverterFrequencyStatic::CTransverterFrequencyStatic(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    LoadBitmaps();
}

CTransverterFrequencyStatic::~CTransverterFrequencyStatic() = default;

void CTransverterFrequencyStatic::LoadBitmaps()
{
    const CSettings& s = GetSettings();
    m_digits.clear();
    for (int d = 0; d < 10; ++d)
        m_digits << Recolour(DrawDigit(d), s.m_colFreqBackground, s.m_colFreqForeground);
    m_digits << Recolour(DrawDot(), s.m_colFreqBackground, s.m_colFreqForeground);
    m_digits << Recolour(DrawGap(), s.m_colFreqBackground, s.m_colFreqForeground);
    Redraw();
}

const QImage& CTransverterFrequencyStatic::DigitImage(QChar c) const
{
    const int i = DigitIndex(c);
    return m_digits[i < 0 ? 11 : i];
}

void CTransverterFrequencyStatic::SetValue(uint32_t nRadioHz, uint32_t nOffsetKHz, int nMode)
{
    const QString text = Transverter::DisplayText(nRadioHz, nOffsetKHz, nMode);
    if (text == m_strText)
        return;
    m_strText = text;
    Redraw();
}

void CTransverterFrequencyStatic::resizeEvent(QResizeEvent*)
{
    // The window's anchors size the control: the picture follows.
    m_buffer = QImage();
    Redraw();
}

void CTransverterFrequencyStatic::Redraw()
{
    ++m_nRedraws;
    if (m_buffer.isNull() && width() > 0 && height() > 0 && testAttribute(Qt::WA_WState_Created))
        m_buffer = QImage(size(), QImage::Format_RGB32);
    if (m_buffer.isNull())
        return;
    m_buffer.fill(toQColor(GetSettings().m_colFreqBackground));
    QList<const QImage*> run;
    for (QChar c : m_strText) {
        if (DigitIndex(c) < 0)
            continue;
        if (!run.isEmpty())
            run << &m_digits[11];
        run << &m_digits[DigitIndex(c)];
    }
    int total = 0;
    for (const QImage* image : run)
        total += image->width();
    int x = (m_buffer.width() - total) / 2;
    const int y = (m_buffer.height() - m_digits[0].height()) / 2;
    QPainter p(&m_buffer);
    for (const QImage* image : run) {
        p.drawImage(x, y, *image);
        x += image->width();
    }
    p.end();
    update();
}

void CTransverterFrequencyStatic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_buffer.isNull())
        p.fillRect(rect(), toQColor(GetSettings().m_colFreqBackground));
    else
        p.drawImage(0, 0, m_buffer);
}

// --- the window ---

CTransverterDisplay::CTransverterDisplay(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    m_nDisplay = GetRegistry().GetInt(QStringLiteral("CTransverterDisplay::m_nDisplay"), 0);
    m_nOffset = uint32_t(GetRegistry().GetInt(QStringLiteral("CTransverterDisplay::m_nOffset"), 0));
    resize(330, 80);
    m_pFrequency = new CTransverterFrequencyStatic(this);
    SetDlgCtrlID(m_pFrequency, IDC_FREQUENCY);
    m_pFrequency->setGeometry(8, 8, 230, 64);
    m_pOffsets = new COXRoundedButton(this);
    SetDlgCtrlID(m_pOffsets, IDC_OFFSETS);
    m_pOffsets->setGeometry(248, 24, 74, 30);
    m_pOffsets->SetButtonText(QStringLiteral("Offsets"));
    connect(m_pOffsets, &QAbstractButton::clicked, this, &CTransverterDisplay::OnOffsets);
    SetNoSizeGrip();
    SetAnchors({{int(IDC_FREQUENCY), 2, 2, 0, 0}, {int(IDC_OFFSETS), 0, 0, 2, 0}});
}

CTransverterDisplay::~CTransverterDisplay() = default;

void CTransverterDisplay::StyleButton(bool bWithTooltip)
{
    const CSettings& s = GetSettings();
    m_pOffsets->SetBackgroundColour(s.m_colDspBackground);
    m_pOffsets->SetSphereColour(s.m_colColButtonFace);
    m_pOffsets->SetTextColour(s.m_colColButtonText);
    m_pOffsets->SetSphereExternalRadius(6);
    m_pOffsets->SetSphereInternalRadius(3);
    if (bWithTooltip)
        PrepareButton(*m_pOffsets, QStringLiteral("Select offset frequency"));
}

void CTransverterDisplay::ApplyColours()
{
    const CSettings& s = GetSettings();
    QPalette pal = palette();
    pal.setColor(QPalette::Window, toQColor(s.m_colDspBackground));
    pal.setColor(QPalette::WindowText, toQColor(s.m_colDspForeground));
    pal.setColor(QPalette::ButtonText, toQColor(s.m_colDspForeground));
    setPalette(pal);
    setAutoFillBackground(true);
}

bool CTransverterDisplay::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    StyleButton(true);
    ApplyColours();
    m_pFrequency->LoadBitmaps();
    setWindowTitle(Transverter::Caption(m_nOffset));
    m_pFrequency->SetValue(m_nFrequency, m_nOffset, m_nDisplay);
    return true;
}

void CTransverterDisplay::SetFrequency(uint32_t nHz)
{
    m_nFrequency = nHz;
    m_pFrequency->SetValue(m_nFrequency, m_nOffset, m_nDisplay);
}

void CTransverterDisplay::ApplyChoice(int nMode, uint32_t nOffsetKHz)
{
    m_nDisplay = nMode;
    m_nOffset = nOffsetKHz;
    GetRegistry().WriteInt(QStringLiteral("CTransverterDisplay::m_nDisplay"), m_nDisplay);
    GetRegistry().WriteInt(QStringLiteral("CTransverterDisplay::m_nOffset"), int(m_nOffset));
    setWindowTitle(Transverter::Caption(m_nOffset));
    m_pFrequency->SetValue(m_nFrequency, m_nOffset, m_nDisplay);
}

void CTransverterDisplay::OnOffsets()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    CTransverterOffsetsDialog dialog(this);
    QApplication::restoreOverrideCursor();
    if (dialog.DoModal() == platform::IDOK)
        ApplyChoice(dialog.GetMode(), dialog.GetOffset());
}

bool CTransverterDisplay::event(QEvent* event)
{
    if (auto* m = CRegisteredEvent::As(event, RegisteredMessage::nMsgRedrawNew)) {
        ApplyColours();
        m_pFrequency->LoadBitmaps();
        StyleButton(false);
        update();
        m->SetResult(0);
        return true;
    }
    return CBaseDialog::event(event);
}

// --- the list of offsets ---

namespace {
CTransverterOffsetsDialog::OffsetPrompt& offsetPrompt()
{
    static CTransverterOffsetsDialog::OffsetPrompt prompt;
    return prompt;
}
const QString kListName = QStringLiteral("Transverter Offsets");
} // namespace

void CTransverterOffsetsDialog::SetOffsetPrompt(OffsetPrompt prompt)
{
    offsetPrompt() = std::move(prompt);
}

CTransverterOffsetsDialog::CTransverterOffsetsDialog(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    setWindowTitle(QStringLiteral("Transverter Offsets"));
    resize(360, 260);
    m_pInstruction = new CColourStatic(QStringLiteral("Choose the offset to display, then press 'OK'."), this);
    SetDlgCtrlID(m_pInstruction, IDC_INSTRUCTION);
    m_pInstruction->setGeometry(8, 8, 344, 20);
    m_pList = new COwnListCtrl(this);
    SetDlgCtrlID(m_pList, IDC_LIST);
    m_pList->setGeometry(8, 34, 256, 218);
    m_pOk = MakeButton(this, QStringLiteral("OK"), platform::IDOK, QRect(274, 34, 78, 24));
    m_pCancel = MakeButton(this, QStringLiteral("Cancel"), platform::IDCANCEL, QRect(274, 64, 78, 24));
    m_pAdd = MakeButton(this, QStringLiteral("&Add..."), IDC_ADD, QRect(274, 120, 78, 24));
    m_pEdit = MakeButton(this, QStringLiteral("&Edit..."), IDC_EDIT, QRect(274, 150, 78, 24));
    m_pRemove = MakeButton(this, QStringLiteral("&Remove"), IDC_REMOVE, QRect(274, 180, 78, 24));
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, &CTransverterOffsetsDialog::OnOK);
    connect(m_pCancel, &QPushButton::clicked, this, &CBaseDialog::OnCancel);
    connect(m_pAdd, &QPushButton::clicked, this, &CTransverterOffsetsDialog::OnAdd);
    connect(m_pEdit, &QPushButton::clicked, this, &CTransverterOffsetsDialog::OnEdit);
    connect(m_pRemove, &QPushButton::clicked, this, &CTransverterOffsetsDialog::OnRemove);
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this, &CTransverterOffsetsDialog::UpdateButtons);
    connect(m_pList, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_pList->HasSelection())
            OnOK();
    });
    connect(m_pList, &COwnListCtrl::columnClicked, m_pList, &COwnListCtrl::OnColumnClick);
    SetAnchors({{int(IDC_INSTRUCTION), 2, 0, 0, 0},
                {int(IDC_LIST), 2, 2, 0, 0},
                {platform::IDOK, 0, 0, 2, 0},
                {platform::IDCANCEL, 0, 0, 2, 0},
                {int(IDC_ADD), 0, 0, 2, 0},
                {int(IDC_EDIT), 0, 0, 2, 0},
                {int(IDC_REMOVE), 0, 0, 2, 0}});
}

CTransverterOffsetsDialog::~CTransverterOffsetsDialog() = default;

bool CTransverterOffsetsDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pOk->setEnabled(false);
    m_pEdit->setEnabled(false);
    m_pRemove->setEnabled(false);
    QFont courier(QStringLiteral("Courier"), 10);
    courier.setStyleHint(QFont::TypeWriter);
    m_pList->setFont(courier);
    m_pList->SetColumns({{QStringLiteral("Display"), LVCFMT_LEFT}, {QStringLiteral("Offset MHz"), LVCFMT_LEFT}});
    m_pList->SetFullRowSelect();
    LoadList();
    return true;
}

void CTransverterOffsetsDialog::LoadList()
{
    GetRegistry().GetStringArray(kListName, m_strings);
    Transverter::SortEntries(m_strings);
    m_pList->DeleteAllItems();
    for (const QString& entry : m_strings) {
        if (entry.isEmpty())
            continue;
        const int n = m_pList->InsertItem(m_pList->GetItemCount(), Transverter::ModeNameForChar(entry.at(0)));
        m_pList->SetItemText(n, 1, entry.mid(1));
        m_pList->SetItemData(n, uintptr_t(Transverter::ModeFromChar(entry.at(0))));
    }
    m_pList->Resort();
    m_pList->AutoSizeColumns();
}

void CTransverterOffsetsDialog::SaveList()
{
    QStringList entries;
    for (int i = 0; i < m_pList->GetItemCount(); ++i)
        entries << Transverter::ModeChar(int(m_pList->GetItemData(i))) + m_pList->GetItemText(i, 1);
    m_strings = entries;
    GetRegistry().WriteStringArray(kListName, entries);
}

void CTransverterOffsetsDialog::UpdateButtons()
{
    const bool bOne = m_pList->HasSingleSelection();
    m_pOk->setEnabled(bOne);
    m_pEdit->setEnabled(bOne);
    m_pRemove->setEnabled(bOne);
}

bool CTransverterOffsetsDialog::AskOffset(int& nMode, QString& strOffset)
{
    if (offsetPrompt())
        return offsetPrompt()(this, nMode, strOffset);
    CAddOffsetDialog dialog(this, nMode, strOffset);
    if (dialog.DoModal() != platform::IDOK)
        return false;
    nMode = dialog.GetMode();
    strOffset = Transverter::OffsetMHzText(dialog.GetOffset());
    return true;
}

void CTransverterOffsetsDialog::OnAdd()
{
    int nMode = 0;
    QString strOffset;
    if (!AskOffset(nMode, strOffset))
        return;
    const int n = m_pList->InsertItem(m_pList->GetItemCount(), Transverter::ModeName(nMode));
    m_pList->SetItemText(n, 1, strOffset);
    m_pList->SetItemData(n, uintptr_t(nMode));
    m_pList->DeselectAll();
    m_pList->SelectItem(n, true);
    SaveList();
}

void CTransverterOffsetsDialog::OnEdit()
{
    const int n = m_pList->GetFirstSelectedItem();
    if (n < 0)
        return;
    int nMode = int(m_pList->GetItemData(n));
    QString strOffset = m_pList->GetItemText(n, 1);
    if (!AskOffset(nMode, strOffset))
        return;
    m_pList->SetItemText(n, 0, Transverter::ModeName(nMode));
    m_pList->SetItemText(n, 1, strOffset);
    m_pList->SetItemData(n, uintptr_t(nMode));
    SaveList();
}

void CTransverterOffsetsDialog::OnRemove()
{
    const int n = m_pList->GetFirstSelectedItem();
    if (n < 0)
        return;
    if (platform::messageBox(this, QStringLiteral("Really remove this entry ?"), QStringLiteral("Remove"),
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != platform::IDYES)
        return;
    m_pList->DeleteItem(n);
    SaveList();
    UpdateButtons();
}

void CTransverterOffsetsDialog::OnOK()
{
    const int n = m_pList->GetFirstSelectedItem();
    if (n < 0)
        return;
    m_nMode = int(m_pList->GetItemData(n));
    m_nOffset = Transverter::OffsetKHzFromText(m_pList->GetItemText(n, 1));
    CBaseDialog::OnOK();
}

// --- one offset ---

CAddOffsetDialog::CAddOffsetDialog(QWidget* pParent, int nMode, const QString& strOffset)
    : CBaseDialog(IDD, pParent), m_nMode(nMode), m_nOffset(Transverter::OffsetKHzFromText(strOffset))
{
    setWindowTitle(QStringLiteral("Add Offset"));
    resize(300, 110);
    m_pMode = new COwnComboBox(this);
    SetDlgCtrlID(m_pMode, IDC_MODE);
    m_pMode->setGeometry(8, 8, 196, 24);
    m_pOffset = new CFrequencyEdit(this);
    SetDlgCtrlID(m_pOffset, IDC_OFFSET);
    m_pOffset->setGeometry(8, 44, 196, 24);
    auto* ok = MakeButton(this, QStringLiteral("OK"), platform::IDOK, QRect(214, 8, 78, 24));
    auto* cancel = MakeButton(this, QStringLiteral("Cancel"), platform::IDCANCEL, QRect(214, 38, 78, 24));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CAddOffsetDialog::OnOK);
    connect(cancel, &QPushButton::clicked, this, &CBaseDialog::OnCancel);
    SetNoSizeGrip();
    SetFixedFrame();
}

CAddOffsetDialog::~CAddOffsetDialog() = default;

bool CAddOffsetDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pOffset->SetMask(QStringLiteral("#####\\.### MHz"));
    m_pOffset->SetPromptChar(QLatin1Char('_'));
    m_pOffset->SetAutoAdvance(false);
    m_pOffset->UseDisplayFont();
    m_pOffset->SetMultiplier(1);
    m_pOffset->SetInputText(QString::asprintf("%08u", m_nOffset % 100000000u), 0, true);
    for (int mode = 0; mode < 3; ++mode)
        m_pMode->AddItem(Transverter::ModeName(mode), uint32_t(mode));
    m_pMode->SetCurSel(m_nMode >= 0 && m_nMode < 3 ? m_nMode : 0);
    return true;
}

void CAddOffsetDialog::OnOK()
{
    m_nMode = std::max(0, m_pMode->GetCurSel());
    m_nOffset = m_pOffset->GetFrequency();
    CBaseDialog::OnOK();
}
