#include "brevio/tools/BeaconDlg.h"

#include "brevio/core/FormRx.h"
#include "brevio/core/MainFrame.h"
#include "brevio/tools/EditText.h"
#include "shared/FontFactory.h"
#include "shared/Registry.h"
#include "shared/artwork/Artwork.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QButtonGroup>
#include <QPointer>
#include <algorithm>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTimerEvent>

namespace {
const QString kOption = QStringLiteral("CBeaconDlg::m_nOption");
const QString kEvery = QStringLiteral("CBeaconDlg::m_strEvery");
const QString kCont = QStringLiteral("CBeaconDlg::m_strCont");
const QString kText = QStringLiteral("CBeaconDlg::m_strText");
} // namespace

CBeaconDlg::CBeaconDlg(QWidget* pParent, const QString& strTxText, CFormRx* pForm) : CBaseDialog(IDD, pParent)
{
    const CRegistry registry;
    m_nOption = std::clamp(registry.GetInt(kOption, 0), 0, 2);
    m_strEvery = registry.GetString(kEvery, QStringLiteral("1"));
    m_strCont = registry.GetString(kCont, QStringLiteral("30"));
    m_strText = registry.GetString(kText, strTxText);
    if (pParent)
        m_strFrameCaption = pParent->windowTitle();

    CBeaconCycle::Host host;
    if (pForm) {
        QPointer<CFormRx> form(pForm);
        host.send = [form](const QString& strText) {
            if (form)
                form->BeaconSend(true, strText);
        };
        host.stop = [form] {
            if (form)
                form->BeaconSend(false, QString());
        };
    }
    host.isTransmitting = [] {
        const CMainFrame* frame = GetMainFrame();
        return frame && frame->IsTransmitting();
    };
    m_cycle = std::make_unique<CBeaconCycle>(std::move(host));

    setWindowTitle(QStringLiteral("Beacon"));
    resize(470, 330);
    m_pOption[0] = new QRadioButton(QStringLiteral("&Once"), this);
    m_pOption[1] = new QRadioButton(QStringLiteral("Repeat ever&y:"), this);
    m_pOption[2] = new QRadioButton(QStringLiteral("Repeat &after:"), this);
    auto* group = new QButtonGroup(this);
    const int optionIds[] = {IDC_ONCE, IDC_EVERY, IDC_AFTER};
    for (int i = 0; i < 3; ++i) {
        SetDlgCtrlID(m_pOption[i], unsigned(optionIds[i]));
        group->addButton(m_pOption[i], i);
        m_pOption[i]->setGeometry(8, 8 + 26 * i, 120, 22);
    }
    m_pEvery = new QLineEdit(this);
    SetDlgCtrlID(m_pEvery, IDC_EVERY_EDIT);
    m_pEvery->setMaxLength(3);
    m_pEvery->setGeometry(132, 34, 44, 22);
    m_pEverySpin = new COwnSpinButtonCtrl(this);
    SetDlgCtrlID(m_pEverySpin, IDC_EVERY_SPIN);
    m_pEverySpin->setGeometry(176, 34, 16, 22);
    auto* minutes = new QLabel(QStringLiteral("minutes (counted from each start)"), this);
    minutes->setGeometry(198, 34, 260, 22);
    m_pAfter = new QLineEdit(this);
    SetDlgCtrlID(m_pAfter, IDC_AFTER_EDIT);
    m_pAfter->setMaxLength(3);
    m_pAfter->setGeometry(132, 60, 44, 22);
    m_pAfterSpin = new COwnSpinButtonCtrl(this);
    SetDlgCtrlID(m_pAfterSpin, IDC_AFTER_SPIN);
    m_pAfterSpin->setGeometry(176, 60, 16, 22);
    auto* seconds = new QLabel(QStringLiteral("seconds (after each end)"), this);
    seconds->setGeometry(198, 60, 260, 22);
    auto* textLabel = new QLabel(QStringLiteral("Text to send:"), this);
    textLabel->setGeometry(8, 90, 200, 18);
    m_pText = new QPlainTextEdit(this);
    SetDlgCtrlID(m_pText, IDC_TEXT);
    m_pText->setGeometry(8, 110, 454, 120);
    m_pStatus = new CColourStatic(this);
    SetDlgCtrlID(m_pStatus, IDC_STATUS);
    m_pStatus->setGeometry(8, 238, 454, 20);
    auto* line = new QFrame(this);
    SetDlgCtrlID(line, IDC_LINE);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(8, 262, 454, 4);
    struct ButtonRow {
        int id;
        const char* text;
    };
    const ButtonRow buttons[] = {{IDC_START, "&Start"}, {IDC_STOP, "S&top"}, {IDC_OPEN, "Op&en"},
                                 {IDC_SAVE, "Sa&ve"},   {2, "Cancel"}};
    int x = 8;
    for (const ButtonRow& row : buttons) {
        auto* b = new COXBitmapButton(this);
        SetDlgCtrlID(b, unsigned(row.id));
        b->SetButtonText(QString::fromLatin1(row.text));
        b->setGeometry(x, 272, 84, 30);
        // Cancel stands apart, at the right edge.
        x += row.id == IDC_SAVE ? 100 : 90;
    }
    connect(Button(IDC_START), &QPushButton::clicked, this, [this] { OnStart(); });
    connect(Button(IDC_STOP), &QPushButton::clicked, this, [this] { OnStop(); });
    connect(Button(IDC_OPEN), &QPushButton::clicked, this, [this] { OnOpen(); });
    connect(Button(IDC_SAVE), &QPushButton::clicked, this, [this] { OnSave(); });
    connect(Button(2), &QPushButton::clicked, this, [this] { OnCancel(); });
    // Typing an interval chooses its option (only the operator's typing).
    connect(m_pEvery, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_pEverySpin->SetPos(CBeaconCycle::EveryMinutes(text));
        if (m_bReady)
            m_pOption[CBeaconCycle::Every]->setChecked(true);
    });
    connect(m_pAfter, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_pAfterSpin->SetPos(CBeaconCycle::AfterSeconds(text));
        if (m_bReady)
            m_pOption[CBeaconCycle::After]->setChecked(true);
    });
    for (COwnSpinButtonCtrl* spin : {m_pEverySpin, m_pAfterSpin}) {
        connect(spin, &COwnSpinButtonCtrl::positionChanged, this, [this, spin] {
            if (m_bReady)
                m_pOption[spin == m_pEverySpin ? CBeaconCycle::Every : CBeaconCycle::After]->setChecked(true);
        });
    }

    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_TEXT, 2, 2, 0, 0},  {IDC_STATUS, 2, 0, 0, 2}, {IDC_LINE, 2, 0, 0, 2}, {IDC_START, 0, 0, 0, 2},
        {IDC_STOP, 0, 0, 0, 2},  {IDC_OPEN, 0, 0, 0, 2},   {IDC_SAVE, 0, 0, 0, 2}, {2, 0, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CBeaconDlg::~CBeaconDlg() = default;

void CBeaconDlg::SetHost(CBeaconCycle::Host host)
{
    m_cycle = std::make_unique<CBeaconCycle>(std::move(host));
}

COXBitmapButton* CBeaconDlg::Button(int nId) const
{
    return qobject_cast<COXBitmapButton*>(GetDlgItem(unsigned(nId)));
}

QDateTime CBeaconDlg::Now() const
{
    return m_clock ? m_clock() : QDateTime::currentDateTimeUtc();
}

bool CBeaconDlg::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    const CFontFactory fonts(this);
    m_pText->setFont(fonts.CreateCourier10());
    m_pStatus->SetLogFont(fonts.CreateSansSerif(8, true));
    m_pStatus->SetColours(RGB(0, 0, 0), RGB(0, 255, 0));
    setWindowTitle(windowTitle() + QStringLiteral(": ") + m_strFrameCaption);
    m_pEverySpin->SetBuddy(m_pEvery);
    m_pEverySpin->SetRange(CBeaconCycle::kEveryMin, CBeaconCycle::kEveryMax);
    m_pAfterSpin->SetBuddy(m_pAfter);
    m_pAfterSpin->SetRange(CBeaconCycle::kAfterMin, CBeaconCycle::kAfterMax);
    m_pEvery->setText(m_strEvery);
    m_pAfter->setText(m_strCont);
    m_pEverySpin->SetPos(CBeaconCycle::EveryMinutes(m_strEvery));
    m_pAfterSpin->SetPos(CBeaconCycle::AfterSeconds(m_strCont));
    m_pOption[m_nOption]->setChecked(true);
    m_pText->setPlainText(m_strText);
    struct Picture {
        int id, bitmap;
        COLORREF transparent;
        bool disabledLook;
    };
    const Picture pictures[] = {{IDC_START, 212, RGB(255, 255, 255), true},
                                {IDC_STOP, 737, RGB(255, 255, 255), true},
                                {IDC_OPEN, 388, RGB(255, 0, 0), true},
                                {IDC_SAVE, 218, RGB(255, 0, 0), true},
                                {2, 314, RGB(0, 0, 255), false}};
    for (const Picture& p : pictures) {
        COXBitmapButton* b = Button(p.id);
        b->LoadBitmapResource(p.bitmap, false, p.transparent);
        b->SetLookFlag(p.disabledLook);
    }
    const QImage icon = artwork::icon(139);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    m_bReady = true;
    OnTimer();
    m_timer.start(kTimerMs, this);
    return true;
}

void CBeaconDlg::ReadControls()
{
    for (int i = 0; i < 3; ++i)
        if (m_pOption[i]->isChecked())
            m_nOption = i;
    m_strEvery = m_pEvery->text();
    m_strCont = m_pAfter->text();
    m_strText = m_pText->toPlainText();
    m_cycle->SetOption(m_nOption);
    m_cycle->SetEvery(m_strEvery);
    m_cycle->SetAfter(m_strCont);
    m_cycle->SetText(m_strText);
}

void CBeaconDlg::WriteRegistry() const
{
    const CRegistry registry;
    registry.WriteInt(kOption, m_nOption);
    registry.WriteString(kEvery, m_strEvery);
    registry.WriteString(kCont, m_strCont);
    registry.WriteString(kText, m_strText);
}

void CBeaconDlg::OnStart()
{
    const QDateTime now = Now();
    ReadControls();
    WriteRegistry();
    m_cycle->Start(now);
    OnTimer();
}

void CBeaconDlg::OnStop()
{
    ReadControls();
    WriteRegistry();
    m_cycle->Stop();
    OnTimer();
}

void CBeaconDlg::OnOpen()
{
    LoadEditTextFromFile(this, m_pText, DefaultFileName());
}

void CBeaconDlg::OnSave()
{
    SaveEditTextToFile(this, m_pText, DefaultFileName());
}

void CBeaconDlg::OnCancel()
{
    m_timer.stop();
    CBaseDialog::OnCancel();
}

QString CBeaconDlg::GetStatusText() const
{
    return m_pStatus->text();
}

void CBeaconDlg::OnTimer()
{
    const bool hasText = !m_pText->toPlainText().isEmpty();
    const CBeaconCycle::State state = m_cycle->GetState();
    Button(IDC_SAVE)->Enable(hasText);
    Button(IDC_START)->Enable(state == CBeaconCycle::Idle && hasText);
    Button(IDC_STOP)->Enable(state != CBeaconCycle::Idle);
    // The waiting state reads the intervals as they stand now.
    if (state == CBeaconCycle::Sending || state == CBeaconCycle::Waiting)
        ReadControls();
    const QString status = m_cycle->Tick(Now());
    // A repeat starts as the Start button does, remembering the values.
    if (state == CBeaconCycle::Waiting && m_cycle->GetState() == CBeaconCycle::Starting)
        WriteRegistry();
    if (status != m_pStatus->text())
        m_pStatus->setText(status);
}

void CBeaconDlg::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId()) {
        OnTimer();
        return;
    }
    CBaseDialog::timerEvent(event);
}
