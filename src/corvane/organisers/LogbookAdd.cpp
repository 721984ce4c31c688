#include "corvane/organisers/LogbookAdd.h"

#include "corvane/core/RegisteredMessages.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/core/FrequencyText.h"
#include "corvane/organisers/LogbookDatabase.h"
#include "corvane/organisers/LogbookRequests.h"
#include "corvane/organisers/LogbookView.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "platform/Prompter.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnListCtrl.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeZone>
#include <QTimerEvent>

namespace {
const QString kSyncValue = QStringLiteral("CLogbookAdd::m_bSync");

bool panelReading(CLogbookAdd::RadioReading& reading)
{
    CDisplayView* view = GetDisplayView();
    if (!view)
        return false;
    // The dotted form the panel shows ("7.012.500"), from the last poll.
    reading.strFrequency = CFrequencyText::Format(view->GetFrequency());
    reading.nMode = view->GetMode();
    reading.nPowerLevel = view->GetPowerLevel();
    reading.nSMeter = view->GetSMeter();
    return true;
}

CLogbookAdd::RadioSource& radioSource()
{
    static CLogbookAdd::RadioSource source = panelReading;
    return source;
}

std::function<std::time_t()>& syncClock()
{
    static std::function<std::time_t()> now;
    return now;
}

bool isZero(const std::tm& t)
{
    return t.tm_year == 0 && t.tm_mon == 0 && t.tm_mday == 0 && t.tm_hour == 0 && t.tm_min == 0 && t.tm_sec == 0;
}

QDateTime fromTm(const std::tm& t)
{
    return QDateTime(QDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday), QTime(t.tm_hour, t.tm_min, t.tm_sec),
                     Qt::UTC);
}

std::tm utcNow()
{
    const std::time_t now = syncClock() ? syncClock()() : std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    gmtime_s(&utc, &now);
#else
    gmtime_r(&now, &utc);
#endif
    return utc;
}

QLabel* label(QWidget* parent, const QString& text, QWidget* buddy, int x, int y, int w)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y + 4, w, 20);
    l->setBuddy(buddy);
    return l;
}
} // namespace

void CLogbookAdd::SetRadioSource(RadioSource source)
{
    radioSource() = source ? std::move(source) : RadioSource(panelReading);
}

void CLogbookAdd::SetClock(std::function<std::time_t()> now)
{
    syncClock() = std::move(now);
}

CLogbookAdd::CLogbookAdd(QWidget* pParent) : CBaseDialog(IDD, pParent)
{
    setWindowTitle(QStringLiteral("Logbook: Add Entry"));
    setModal(false);
    m_bSync = GetRegistry().GetInt(kSyncValue, 1) != 0 ? 1 : 0;

    // Created in the tab order of the window.
    m_pCallsign = new QLineEdit(this);
    m_pPower = new QLineEdit(this);
    m_pSignal = new QLineEdit(this);
    m_pComment = new QLineEdit(this);
    m_pDate = new QLineEdit(this);
    m_pFrequency = new QLineEdit(this);
    m_pMode = new COwnComboBox(this);
    m_pList = new COwnListCtrl(this);
    auto* frame = new QFrame(this);
    m_pAdd = new QPushButton(QStringLiteral("&Add"), this);
    m_pSync = new QPushButton(QStringLiteral("&Sync"), this);
    m_pCancel = new QPushButton(QStringLiteral("Cancel"), this);
    m_pSyncCheck = new QCheckBox(QStringLiteral("S&ynchronise with FT-817"), this);
    m_pSignalButton = new COXBitmapButton(this);

    label(this, QStringLiteral("&Callsign:"), m_pCallsign, 10, 10, 80);
    m_pCallsign->setGeometry(92, 10, 120, 26);
    label(this, QStringLiteral("&Power:"), m_pPower, 222, 10, 50);
    m_pPower->setGeometry(274, 10, 70, 26);
    label(this, QStringLiteral("&Signal:"), m_pSignal, 354, 10, 50);
    m_pSignal->setGeometry(406, 10, 80, 26);
    m_pSignalButton->setGeometry(490, 8, 30, 30);
    label(this, QStringLiteral("&Mode:"), m_pMode, 10, 44, 80);
    m_pMode->setGeometry(92, 44, 80, 26);
    label(this, QStringLiteral("&Frequency:"), m_pFrequency, 182, 44, 80);
    m_pFrequency->setGeometry(264, 44, 256, 26);
    label(this, QStringLiteral("Date + time:"), m_pDate, 10, 78, 80);
    m_pDate->setGeometry(92, 78, 428, 26);
    label(this, QStringLiteral("C&omment:"), m_pComment, 10, 112, 80);
    m_pComment->setGeometry(92, 112, 428, 26);
    m_pList->setGeometry(10, 148, 510, 150);
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(10, 306, 510, 4);
    m_pAdd->setGeometry(10, 318, 76, 26);
    m_pSync->setGeometry(92, 318, 76, 26);
    m_pCancel->setGeometry(174, 318, 76, 26);
    m_pSyncCheck->setGeometry(262, 320, 258, 22);
    m_pAdd->setDefault(true);
    m_pDate->setReadOnly(true);
    for (QLineEdit* edit : {m_pCallsign, m_pPower, m_pSignal, m_pComment, m_pFrequency})
        edit->setMaxLength(CLogbookDatabase::kTextSize);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setSortingEnabled(false);
    m_pSyncCheck->setChecked(m_bSync != 0);

    SetDlgCtrlID(m_pCallsign, IDC_CALLSIGN);
    SetDlgCtrlID(m_pPower, IDC_POWER);
    SetDlgCtrlID(m_pSignal, IDC_SIGNAL);
    SetDlgCtrlID(m_pComment, IDC_COMMENT);
    SetDlgCtrlID(m_pDate, IDC_DATE);
    SetDlgCtrlID(m_pFrequency, IDC_FREQUENCY);
    SetDlgCtrlID(m_pMode, IDC_MODE);
    SetDlgCtrlID(m_pList, IDC_LIST);
    SetDlgCtrlID(frame, IDC_FRAME);
    SetDlgCtrlID(m_pAdd, platform::IDOK);
    SetDlgCtrlID(m_pSync, IDC_SYNC);
    SetDlgCtrlID(m_pCancel, platform::IDCANCEL);
    SetDlgCtrlID(m_pSyncCheck, IDC_SYNC_CHECK);
    SetDlgCtrlID(m_pSignalButton, IDC_SIGNAL_BUTTON);

    connect(m_pAdd, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_pSync, &QPushButton::clicked, this, [this] { OnSync(); });
    connect(m_pCancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(m_pSyncCheck, &QCheckBox::clicked, this, [this] { OnSyncCheck(); });
    connect(m_pSignalButton, &QPushButton::clicked, this, [this] { OnSignalButton(); });

    resize(530, 354);
    static const DialogGeometry::AnchorRow anchors[] = {
        {IDC_DATE, 2, 0, 0, 0},      {IDC_FREQUENCY, 2, 0, 0, 0},      {IDC_COMMENT, 2, 0, 0, 0},
        {IDC_LIST, 2, 2, 0, 0},      {IDC_FRAME, 2, 0, 0, 2},          {platform::IDOK, 0, 0, 0, 2},
        {platform::IDCANCEL, 0, 0, 0, 2}, {IDC_SYNC, 0, 0, 0, 2},      {IDC_SYNC_CHECK, 0, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CLogbookAdd::~CLogbookAdd() = default;

bool CLogbookAdd::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    QList<ListColumn> columns;
    for (const QString& caption : CLogbookDatabase::ColumnCaptions())
        columns.append({caption, LVCFMT_LEFT});
    m_pList->SetColumns(columns);
    m_pList->SetFullRowSelect();
    m_pList->AutoSizeColumns();

    struct ModeItem {
        const char* pText;
        uint32_t nCode;
    };
    static const ModeItem modes[] = {{"LSB", 0}, {"USB", 1}, {"CW", 2},   {"CWR", 3}, {"AM", 4},
                                     {"FM", 8},  {"WFM", 6}, {"DIG", 10}, {"PKT", 12}};
    for (const ModeItem& m : modes)
        m_pMode->AddItem(QString::fromLatin1(m.pText), m.nCode);
    m_pMode->model()->sort(0);

    m_pSignalButton->LoadBitmapResource(238, false, RGB(255, 0, 255));
    m_pSignalButton->SetHotTrack(true);
    m_pSignalButton->setToolTip(QStringLiteral("Signal report from the S-meter"));
    OnSyncCheck();
    m_timer.start(kSyncTimerMs, this);
    return true;
}

void CLogbookAdd::OnSyncCheck()
{
    m_bSync = m_pSyncCheck->isChecked() ? 1 : 0;
    GetRegistry().WriteInt(kSyncValue, m_bSync);
    m_pFrequency->setReadOnly(m_bSync != 0);
    m_pPower->setReadOnly(m_bSync != 0);
    m_pMode->setEnabled(m_bSync == 0);
    m_pSync->setEnabled(m_bSync == 0);
}

void CLogbookAdd::OnTimer()
{
    if (m_bSync && isVisible())
        OnSync();
}

void CLogbookAdd::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_timer.timerId()) {
        OnTimer();
        return;
    }
    CBaseDialog::timerEvent(event);
}

QString CLogbookAdd::PowerText(int nLevel)
{
    switch (nLevel) {
    case 0: return QStringLiteral("5.0 W");
    case 1: return QStringLiteral("2.5 W");
    case 2: return QStringLiteral("1.0 W");
    case 3: return QStringLiteral("0.5 W");
    default: return {};
    }
}

QString CLogbookAdd::SignalText(int nSMeter)
{
    if (nSMeter <= 9)
        return QStringLiteral("S%1").arg(nSMeter);
    return QStringLiteral("S9+%1db").arg((nSMeter - 9) * 10);
}

void CLogbookAdd::OnSync()
{
    m_utc = utcNow();
    const QString date = CLogbookDatabase::DateText(fromTm(m_utc)) + QStringLiteral(" UTC");
    // Only a changed text is put in, so a field is not rewritten ten times a second.
    auto put = [](QLineEdit* edit, const QString& text) {
        if (edit->text() != text)
            edit->setText(text);
    };
    put(m_pDate, date);
    RadioReading reading;
    if (!radioSource()(reading))
        return;
    put(m_pPower, PowerText(reading.nPowerLevel));
    put(m_pFrequency, reading.strFrequency);
    m_pMode->SelectByData(reading.nMode & 0x7F);
}

void CLogbookAdd::OnSignalButton()
{
    RadioReading reading;
    if (radioSource()(reading))
        m_pSignal->setText(SignalText(reading.nSMeter));
}

void CLogbookAdd::Deliver(CLogbookRequest& request)
{
    if (CLogbookView* view = GetLogbookView())
        SendRegisteredMessage(view, RegisteredMessage::nMsgLogbookAdd, 0, reinterpret_cast<intptr_t>(&request));
    else
        GetLogbookDatabase().Add(request);
}

void CLogbookAdd::OnOK()
{
    OrganiserCursor wait;
    CLogbookRequest request;
    request.strCallsign = m_pCallsign->text();
    request.strComment = m_pComment->text();
    request.strFrequency = m_pFrequency->text();
    request.strPower = m_pPower->text();
    request.strSignal = m_pSignal->text();
    request.strMode = m_pMode->currentText();
    request.strDateTime = m_pDate->text();
    request.utc = m_utc;
    // Never synchronised: the contact is logged now rather than at no date.
    if (isZero(request.utc)) {
        request.utc = utcNow();
        request.strDateTime = CLogbookDatabase::DateText(fromTm(request.utc));
    }
    Deliver(request);
    if (!request.nDone)
        return;
    QString date = request.strDateTime;
    date.remove(QStringLiteral(" UTC"));
    m_pList->InsertItem(0, date);
    const QString cells[] = {request.strCallsign, request.strFrequency, request.strMode, request.strPower, QString(),
                             request.strComment};
    for (int c = 0; c < 6; ++c)
        m_pList->SetItemText(0, c + 1, cells[c]);
    m_pList->AutoSizeColumns(false, 20);
}
