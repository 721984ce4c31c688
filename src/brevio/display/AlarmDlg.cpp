#include "brevio/display/AlarmDlg.h"

#include "platform/Prompter.h"
#include "brevio/core/PSK31App.h"
#include "brevio/display/AlarmActions.h"
#include "brevio/display/AlarmTestDlg.h"
#include "shared/TextToSpeech.h"
#include "shared/buttons/OXBitmapButton.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnFileDialog.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace {
QString TrimRight(QString text)
{
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}
} // namespace

CAlarmDlg::CAlarmDlg(QWidget* pParent, bool bMustBeNew, const QStringList& titlesInUse)
    : CBaseDialog(IDD, pParent), m_bMustBeNew(bMustBeNew), m_titlesInUse(titlesInUse)
{
    Build();
    Radio(IDC_SPEAK)->setChecked(true);
}

CAlarmDlg::CAlarmDlg(QWidget* pParent, bool bMustBeNew, const QStringList& titlesInUse, const CAlarm& alarm)
    : CBaseDialog(IDD, pParent), m_bMustBeNew(bMustBeNew), m_titlesInUse(titlesInUse)
{
    Build();
    Fill(alarm);
}

CAlarmDlg::~CAlarmDlg() = default;

QLineEdit* CAlarmDlg::Edit(int nId) const
{
    return qobject_cast<QLineEdit*>(Control(nId));
}

QCheckBox* CAlarmDlg::Check(int nId) const
{
    return qobject_cast<QCheckBox*>(Control(nId));
}

QRadioButton* CAlarmDlg::Radio(int nId) const
{
    return qobject_cast<QRadioButton*>(Control(nId));
}

void CAlarmDlg::Build()
{
    setWindowTitle(QStringLiteral("Alarm"));
    SetFixedFrame();
    resize(420, 360);
    auto place = [](QWidget* w, int id, int x, int y, int cx, int cy) {
        if (id)
            SetDlgCtrlID(w, unsigned(id));
        w->setGeometry(x, y, cx, cy);
        return w;
    };
    auto label = [&](const QString& text, int id, int x, int y, int cx) {
        return place(new QLabel(text, this), id, x, y, cx, 20);
    };
    auto buddy = [](QWidget* label, QWidget* control) {
        static_cast<QLabel*>(label)->setBuddy(control);
    };
    buddy(label(QStringLiteral("&Title:"), 0, 10, 10, 70), place(new QLineEdit(this), IDC_TITLE, 80, 10, 330, 22));
    buddy(label(QStringLiteral("&Find:"), 0, 10, 38, 70), place(new QLineEdit(this), IDC_FIND, 80, 38, 240, 22));
    m_pRegex = new COXBitmapButton(this);
    place(m_pRegex, IDC_REGEX, 324, 38, 24, 22);
    auto* test = new COXBitmapButton(this);
    place(test, IDC_TEST, 352, 38, 58, 22);
    test->SetButtonText(QStringLiteral("Test"));
    buddy(label(QStringLiteral("&Comment:"), 0, 10, 66, 70),
          place(new QLineEdit(this), IDC_COMMENT, 80, 66, 330, 22));

    place(new QCheckBox(QStringLiteral("&Beep"), this), IDC_BEEP, 10, 100, 190, 20);
    place(new QCheckBox(QStringLiteral("&Highlight text channel"), this), IDC_HIGHLIGHT, 210, 100, 200, 20);
    place(new QCheckBox(QStringLiteral("&Play .wav file"), this), IDC_PLAY, 10, 126, 190, 20);
    label(QStringLiteral("File:"), IDC_WAVE_LABEL, 10, 152, 40);
    m_pWave = new CColourStatic(this);
    m_pWave->SetCaptionColours();
    place(m_pWave, IDC_WAVE, 50, 152, 270, 22);
    place(new QPushButton(QStringLiteral("..."), this), IDC_BROWSE, 324, 152, 30, 22);
    auto* play = new COXBitmapButton(this);
    place(play, IDC_PLAY_BUTTON, 358, 152, 52, 22);
    play->SetButtonText(QStringLiteral("Play"));

    place(new QCheckBox(QStringLiteral("Te&xt to speech"), this), IDC_SPEECH, 10, 186, 190, 20);
    place(new QPushButton(QStringLiteral("Speech Options"), this), IDC_SPEECH_OPTIONS, 290, 184, 120, 24);
    buddy(label(QStringLiteral("&Speech:"), IDC_SPEECH_LABEL, 10, 212, 60),
          place(new QLineEdit(this), IDC_SPEECH_TEXT, 80, 212, 240, 22));
    auto* speak = new COXBitmapButton(this);
    place(speak, IDC_SPEAK_BUTTON, 324, 212, 86, 22);
    speak->SetButtonText(QStringLiteral("Speak"));
    place(new QCheckBox(QStringLiteral("A&dd channel number"), this), IDC_ADD_CHANNEL, 10, 240, 190, 20);
    place(new QCheckBox(QStringLiteral("&Add matched text"), this), IDC_ADD_MATCH, 210, 240, 200, 20);
    auto* group = new QGroupBox(QStringLiteral("Alphanumeric Strings (Callsigns, Locators, etc.)"), this);
    place(group, IDC_GROUP, 10, 264, 400, 52);
    place(new QRadioButton(QStringLiteral("&Speak"), this), IDC_SPEAK, 20, 286, 90, 22);
    place(new QRadioButton(QStringLiteral("S&pell"), this), IDC_SPELL, 116, 286, 90, 22);
    place(new QRadioButton(QStringLiteral("&Use phonetic alphabet"), this), IDC_PHONETIC, 212, 286, 192, 22);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    place(ok, 1, 250, 326, 76, 26);
    ok->setDefault(true);
    place(new QPushButton(QStringLiteral("Cancel"), this), 2, 334, 326, 76, 26);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(qobject_cast<QPushButton*>(Control(2)), &QPushButton::clicked, this, [this] { OnCancel(); });

    for (int id : {IDC_BEEP, IDC_HIGHLIGHT, IDC_PLAY, IDC_SPEECH, IDC_ADD_MATCH})
        connect(Check(id), &QCheckBox::clicked, this, &CAlarmDlg::UpdateControlStates);
    for (int id : {IDC_SPEECH_TEXT, IDC_TITLE, IDC_FIND})
        connect(Edit(id), &QLineEdit::textChanged, this, &CAlarmDlg::UpdateControlStates);
    connect(qobject_cast<QPushButton*>(Control(IDC_BROWSE)), &QPushButton::clicked, this, &CAlarmDlg::OnBrowse);
    connect(play, &QPushButton::clicked, this, &CAlarmDlg::OnPlay);
    connect(speak, &QPushButton::clicked, this, &CAlarmDlg::OnSpeak);
    connect(test, &QPushButton::clicked, this, &CAlarmDlg::OnTest);
    connect(m_pRegex, &QPushButton::clicked, this, &CAlarmDlg::OnExpressionMenu);
}

void CAlarmDlg::Fill(const CAlarm& alarm)
{
    m_strTitleAtOpening = alarm.GetTitle();
    Edit(IDC_TITLE)->setText(alarm.GetTitle());
    Edit(IDC_FIND)->setText(alarm.GetExpression());
    Edit(IDC_COMMENT)->setText(alarm.GetComment());
    Edit(IDC_SPEECH_TEXT)->setText(alarm.GetSpeechText());
    m_pWave->setText(alarm.GetWaveFile());
    Check(IDC_BEEP)->setChecked(alarm.HasFlag(CAlarm::kBeep));
    Check(IDC_HIGHLIGHT)->setChecked(alarm.HasFlag(CAlarm::kHighlight));
    Check(IDC_PLAY)->setChecked(alarm.HasFlag(CAlarm::kPlayWave));
    Check(IDC_SPEECH)->setChecked(alarm.HasFlag(CAlarm::kSpeak));
    Check(IDC_ADD_CHANNEL)->setChecked(alarm.HasFlag(CAlarm::kAddChannel));
    Check(IDC_ADD_MATCH)->setChecked(alarm.HasFlag(CAlarm::kAddMatch));
    if (alarm.HasFlag(CAlarm::kPhonetic))
        Radio(IDC_PHONETIC)->setChecked(true);
    else if (alarm.HasFlag(CAlarm::kSpell))
        Radio(IDC_SPELL)->setChecked(true);
    else
        Radio(IDC_SPEAK)->setChecked(true);
}

bool CAlarmDlg::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pRegex->LoadBitmapResource(202, false, RGB(255, 0, 0));
    m_pRegex->SetToolTipText(QStringLiteral("Regular expressions"));
    if (auto* speak = qobject_cast<COXBitmapButton*>(Control(IDC_SPEAK_BUTTON)))
        speak->LoadBitmapResource(202, false, RGB(255, 0, 0));
    if (auto* test = qobject_cast<COXBitmapButton*>(Control(IDC_TEST)))
        test->LoadBitmapResource(207, false, RGB(255, 0, 0));
    QLineEdit* find = Edit(IDC_FIND);
    find->setCursorPosition(int(find->text().size()));
    UpdateControlStates();
    return true;
}

int CAlarmDlg::AlphanumericMode() const
{
    if (Radio(IDC_PHONETIC)->isChecked())
        return 2;
    if (Radio(IDC_SPELL)->isChecked())
        return 1;
    return 0;
}

void CAlarmDlg::UpdateControlStates()
{
    const bool play = Check(IDC_PLAY)->isChecked();
    const bool speech = Check(IDC_SPEECH)->isChecked();
    for (int id : {IDC_WAVE, IDC_BROWSE, IDC_WAVE_LABEL})
        Control(id)->setEnabled(play);
    Control(IDC_PLAY_BUTTON)->setEnabled(play && !m_pWave->text().isEmpty());
    for (int id : {IDC_SPEECH_TEXT, IDC_SPEECH_LABEL, IDC_ADD_MATCH, IDC_ADD_CHANNEL, IDC_SPEAK, IDC_SPELL,
                   IDC_PHONETIC, IDC_SPEECH_OPTIONS, IDC_GROUP, IDC_SPEAK_BUTTON})
        Control(id)->setEnabled(speech);
    Control(IDC_TEST)->setEnabled(!Edit(IDC_FIND)->text().isEmpty());
    Control(1)->setEnabled(!TrimRight(Edit(IDC_TITLE)->text()).isEmpty() &&
                           !TrimRight(Edit(IDC_FIND)->text()).isEmpty());
}

void CAlarmDlg::OnBrowse()
{
    QString path = m_pWave->text();
    if (!ChooseWaveFileToOpen(this, path, QStringLiteral("Select .WAV File")))
        return;
    m_pWave->setText(path);
    OnPlay();
    UpdateControlStates();
}

void CAlarmDlg::OnPlay()
{
    const QString path = m_pWave->text();
    QFile file(path);
    QString reason;
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
    } else {
        const QByteArray head = file.read(12);
        if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
            reason = QStringLiteral("The file is not a wave file.");
    }
    if (!reason.isEmpty()) {
        platform::errorBox(this, QStringLiteral("Error playing .wav file"), reason);
        return;
    }
    CAlarmActions::Instance().PlayWave(path);
}

QString CAlarmDlg::SpeakPhrase() const
{
    const QString speech = Edit(IDC_SPEECH_TEXT)->text();
    if (!Check(IDC_ADD_CHANNEL)->isChecked())
        return speech;
    return QString::asprintf("%s, %son channel %d", speech.toLatin1().constData(),
                             Check(IDC_ADD_MATCH)->isChecked() ? "Match " : "", 99);
}

void CAlarmDlg::OnSpeak()
{
    const int mode = AlphanumericMode();
    CAlarmActions::Instance().Speak(SpeakPhrase(), mode == 1, mode == 2);
    TheApp().Speech().ShowError(this);
}

void CAlarmDlg::OnTest()
{
    CAlarmTestDlg test(this, Edit(IDC_FIND)->text());
    if (test.DoModal() == platform::IDOK)
        Edit(IDC_FIND)->setText(test.GetFindText());
}

const QList<QPair<QString, QString>>& CAlarmDlg::ExpressionRows()
{
    static const QList<QPair<QString, QString>> rows = {
        {QString(), QString()},
        {QStringLiteral("Any Character"), QStringLiteral(".")},
        {QStringLiteral("Character in Range"), QStringLiteral("[]")},
        {QStringLiteral("Character Not in Range"), QStringLiteral("[^]")},
        {QStringLiteral("Not"), QStringLiteral("^")},
        {QStringLiteral("Or"), QStringLiteral("|")},
        {QStringLiteral("0 or More Matches"), QStringLiteral("*")},
        {QStringLiteral("0 or 1 Matches"), QStringLiteral("?")},
        {QStringLiteral("1 or More Matches"), QStringLiteral("+")},
        {QStringLiteral("2 to 4 Matches"), QStringLiteral("{2,4}")},
        {QString(), QString()},
        {QStringLiteral("Space"), QStringLiteral("\\s")},
        {QStringLiteral("1 or More Spaces"), QStringLiteral("\\s+")},
        {QStringLiteral("a-z"), QStringLiteral("[a-z]")},
        {QStringLiteral("a-z or 0-9"), QStringLiteral("[a-z0-9]")},
        {QStringLiteral("a, b or x"), QStringLiteral("[abx]")},
        {QStringLiteral("0-9"), QStringLiteral("[0-9]")},
        {QStringLiteral("3, 4 or 7"), QStringLiteral("[347]")},
        {QStringLiteral("CQ DX"), QStringLiteral("cq\\s*dx")},
        {QStringLiteral("G or M UK Callsign"), QStringLiteral("[gm][a-z]?[0-9][a-z]{2,3}")},
        {QStringLiteral("QT9XVK"), QStringLiteral("qt9xvk")},
        {QStringLiteral("Locator"), QStringLiteral("[a-z]{2}[0-9]{2}[a-z]{2}")},
    };
    return rows;
}

QMenu* CAlarmDlg::BuildExpressionMenu()
{
    auto* menu = new QMenu(this);
    m_menuTexts.clear();
    QMenu* literals = menu->addMenu(QStringLiteral("Literals"));
    int id = kFirstMenuId;
    for (QChar c : Literals()) {
        QAction* a = literals->addAction(QString(c));
        a->setData(id);
        m_menuTexts.insert(id++, QStringLiteral("\\") + c);
    }
    for (const auto& row : ExpressionRows()) {
        if (row.first.isEmpty()) {
            menu->addSeparator();
        } else {
            QAction* a = menu->addAction(row.first);
            a->setData(id);
            m_menuTexts.insert(id, row.second);
        }
        ++id;
    }
    return menu;
}

void CAlarmDlg::InsertExpression(int nId)
{
    if (!m_menuTexts.contains(nId))
        return;
    // insert() replaces the selection and can be undone.
    Edit(IDC_FIND)->insert(m_menuTexts.value(nId));
}

void CAlarmDlg::OnExpressionMenu()
{
    QMenu* menu = BuildExpressionMenu();
    Edit(IDC_FIND)->setFocus();
    if (QAction* chosen = menu->exec(m_pRegex->mapToGlobal(QPoint(0, m_pRegex->height()))))
        InsertExpression(chosen->data().toInt());
    delete menu;
}

void CAlarmDlg::OnOK()
{
    const QString title = TrimRight(Edit(IDC_TITLE)->text());
    Edit(IDC_TITLE)->setText(title);
    bool inUse = false;
    for (const QString& t : m_titlesInUse)
        inUse = inUse || t.compare(title, Qt::CaseInsensitive) == 0;
    if (inUse && (m_bMustBeNew || title != m_strTitleAtOpening)) {
        platform::messageBox(this, QStringLiteral("The title \"%1\" is in use.").arg(title),
                             QStringLiteral("Define Alarm"), platform::MB_OK | int(platform::MB_ICONERROR));
        return;
    }
    m_result.Clear();
    uint32_t flags = 0;
    if (Check(IDC_BEEP)->isChecked())
        flags |= CAlarm::kBeep;
    if (Check(IDC_HIGHLIGHT)->isChecked())
        flags |= CAlarm::kHighlight;
    if (Check(IDC_SPEECH)->isChecked())
        flags |= CAlarm::kSpeak;
    if (Check(IDC_PLAY)->isChecked())
        flags |= CAlarm::kPlayWave;
    if (Check(IDC_ADD_CHANNEL)->isChecked())
        flags |= CAlarm::kAddChannel;
    if (Check(IDC_ADD_MATCH)->isChecked())
        flags |= CAlarm::kAddMatch;
    const int mode = AlphanumericMode();
    if (mode == 1)
        flags |= CAlarm::kSpell;
    else if (mode == 2)
        flags |= CAlarm::kPhonetic;
    m_result.SetFlags(flags);
    m_result.SetSpeechText(Edit(IDC_SPEECH_TEXT)->text());
    m_result.SetComment(Edit(IDC_COMMENT)->text());
    m_result.SetExpression(Edit(IDC_FIND)->text());
    m_result.SetTitle(title);
    m_result.SetWaveFile(m_pWave->text());
    done(Accepted);
}
