#include "corvane/organisers/ScanAdvancedDialogs.h"

#include "corvane/organisers/ScanBandDialog.h"
#include "platform/Prompter.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnComboBox.h"
#include "shared/ui/OwnSpinButtonCtrl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
QPushButton* okCancel(CBaseDialog* dialog, int x, int y, const std::function<void()>& ok,
                      const std::function<void()>& cancel)
{
    auto* okButton = new QPushButton(QStringLiteral("OK"), dialog);
    okButton->setGeometry(x, y, 76, 26);
    okButton->setDefault(true);
    auto* cancelButton = new QPushButton(QStringLiteral("Cancel"), dialog);
    cancelButton->setGeometry(x + 82, y, 76, 26);
    SetDlgCtrlID(okButton, platform::IDOK);
    SetDlgCtrlID(cancelButton, platform::IDCANCEL);
    QObject::connect(okButton, &QPushButton::clicked, dialog, ok);
    QObject::connect(cancelButton, &QPushButton::clicked, dialog, cancel);
    return okButton;
}
} // namespace

// ------------------------------------------------------------------ advanced

CScanAdvancedDialog::CScanAdvancedDialog(QWidget* pParent, int bEnable, int nLevel, int nListenTime, int bResume)
    : CBaseDialog(IDD, pParent), m_bEnable(bEnable), m_nLevel(nLevel), m_nListenTime(nListenTime),
      m_bResume(bResume)
{
    setWindowTitle(QStringLiteral("Advanced (Not Implemented Yet)"));
    SetFixedFrame();
    SetPersistGeometry(false);
    m_pEnable = new QCheckBox(QStringLiteral("&Enable advanced options"), this);
    m_pEnable->setGeometry(10, 8, 220, 20);
    auto label = [this](unsigned id, const QString& text, int x, int y, int w) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, w, 20);
        SetDlgCtrlID(l, id);
        return l;
    };
    label(1150, QStringLiteral("[1]"), 10, 38, 24);
    QLabel* reaches = label(1151, QStringLiteral("&If signal reaches"), 36, 38, 110);
    m_pLevel = new QComboBox(this);
    reaches->setBuddy(m_pLevel);
    m_pLevel->setGeometry(150, 36, 90, 24);
    label(1152, QStringLiteral("then"), 246, 38, 40);
    label(1153, QStringLiteral("[2]"), 10, 70, 24);
    m_pListen = new QRadioButton(QStringLiteral("&Listen for max."), this);
    m_pListen->setGeometry(36, 68, 120, 20);
    m_pTime = new QLineEdit(this);
    m_pTime->setMaxLength(3);
    m_pTime->setGeometry(160, 66, 44, 24);
    m_pSpin = new COwnSpinButtonCtrl(this);
    m_pSpin->setGeometry(204, 66, 16, 24);
    label(1154, QStringLiteral("seconds, or"), 226, 68, 80);
    m_pWait = new QRadioButton(QStringLiteral("&Wait until no signal."), this);
    m_pWait->setGeometry(36, 94, 180, 20);
    label(1155, QStringLiteral("[3]"), 10, 124, 24);
    label(1156, QStringLiteral("Then:"), 36, 124, 40);
    m_pResume = new QRadioButton(QStringLiteral("&Resume, or"), this);
    m_pResume->setGeometry(80, 124, 100, 20);
    m_pStop = new QRadioButton(QStringLiteral("&Stop scanning."), this);
    m_pStop->setGeometry(80, 148, 120, 20);
    // Two groups of choices.
    auto* wait = new QButtonGroup(this);
    wait->addButton(m_pListen);
    wait->addButton(m_pWait);
    auto* then = new QButtonGroup(this);
    then->addButton(m_pResume);
    then->addButton(m_pStop);
    SetDlgCtrlID(m_pEnable, IDC_ENABLE);
    SetDlgCtrlID(m_pLevel, IDC_LEVEL);
    SetDlgCtrlID(m_pListen, IDC_LISTEN);
    SetDlgCtrlID(m_pWait, IDC_WAIT);
    SetDlgCtrlID(m_pTime, IDC_TIME);
    SetDlgCtrlID(m_pSpin, IDC_SPIN);
    SetDlgCtrlID(m_pResume, IDC_RESUME);
    SetDlgCtrlID(m_pStop, IDC_STOP);
    okCancel(this, 150, 176, [this] { OnOK(); }, [this] { OnCancel(); });
    connect(m_pEnable, &QCheckBox::clicked, this, [this] { EnableControls(); });
    resize(320, 212);
}

CScanAdvancedDialog::~CScanAdvancedDialog() = default;

QList<QWidget*> CScanAdvancedDialog::DependentControls() const
{
    QList<QWidget*> controls;
    for (unsigned id : {1150u, 1151u, 1152u, 1153u, 1154u, 1155u, 1156u, 1079u, 1080u, 1081u, 1146u, 1143u, 1127u})
        if (QWidget* w = GetDlgItem(id))
            controls << w;
    return controls;
}

bool CScanAdvancedDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    static const char* const levels[] = {"S0",      "S1",      "S2",      "S3",      "S4",      "S5",
                                         "S6",      "S7",      "S8",      "S9",      "S9+10db", "S9+20db",
                                         "S9+30db", "S9+40db", "S9+50db", "S9+60db"};
    for (const char* level : levels)
        m_pLevel->addItem(QString::fromLatin1(level));
    m_pLevel->setCurrentIndex(m_nLevel);
    m_pEnable->setChecked(m_bEnable != 0);
    (m_nListenTime != 0 ? m_pListen : m_pWait)->setChecked(true);
    m_pSpin->SetBuddy(m_pTime);
    m_pSpin->SetRange(1, 999);
    m_pSpin->SetPos(m_nListenTime != 0 ? m_nListenTime : 5);
    m_pTime->setText(QString::number(m_nListenTime != 0 ? m_nListenTime : 5));
    (m_bResume ? m_pResume : m_pStop)->setChecked(true);
    EnableControls();
    return true;
}

void CScanAdvancedDialog::EnableControls()
{
    const bool on = m_pEnable->isChecked();
    for (QWidget* w : DependentControls())
        w->setEnabled(on);
}

void CScanAdvancedDialog::OnOK()
{
    m_bEnable = m_pEnable->isChecked() ? 1 : 0;
    m_nLevel = m_pLevel->currentIndex();
    m_nListenTime = m_pListen->isChecked() ? m_pTime->text().toInt() : 0;
    m_bResume = m_pResume->isChecked() ? 1 : 0;
    done(Accepted);
}

// ------------------------------------------------------------------ definition

CScanDefinitionDialog::CScanDefinitionDialog(QWidget* pParent, const QString& strTitle, const QString& strFolder,
                                             const QString& strFrequency, uint8_t nMode, int bActive)
    : CBaseDialog(IDD, pParent), m_strTitle(strTitle), m_strFolder(strFolder), m_strFrequency(strFrequency),
      m_nMode(nMode), m_bActive(bActive)
{
    setWindowTitle(QStringLiteral("Scan Definition"));
    SetFixedFrame();
    SetPersistGeometry(false);
    auto label = [this](const QString& text, int y) {
        auto* l = new QLabel(text, this);
        l->setGeometry(10, y + 3, 70, 20);
    };
    label(QStringLiteral("Title:"), 10);
    m_pTitle = new QLineEdit(this);
    m_pTitle->setGeometry(84, 10, 200, 24);
    label(QStringLiteral("Folder:"), 40);
    m_pFolder = new QLineEdit(this);
    m_pFolder->setGeometry(84, 40, 200, 24);
    label(QStringLiteral("Frequency:"), 70);
    m_pFrequency = new CFrequencyEdit(this);
    m_pFrequency->setGeometry(84, 70, 140, 26);
    label(QStringLiteral("Mode:"), 102);
    m_pMode = new COwnComboBox(this);
    m_pMode->setGeometry(84, 102, 90, 24);
    m_pActive = new QCheckBox(QStringLiteral("Active"), this);
    m_pActive->setGeometry(84, 132, 100, 20);
    SetDlgCtrlID(m_pTitle, IDC_TITLE);
    SetDlgCtrlID(m_pFolder, IDC_FOLDER);
    SetDlgCtrlID(m_pFrequency, IDC_FREQUENCY);
    SetDlgCtrlID(m_pMode, IDC_MODE);
    SetDlgCtrlID(m_pActive, IDC_ACTIVE);
    okCancel(this, 126, 162, [this] { OnOK(); }, [this] { OnCancel(); });
    resize(296, 198);
}

CScanDefinitionDialog::~CScanDefinitionDialog() = default;

bool CScanDefinitionDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pTitle->setText(m_strTitle);
    m_pFolder->setText(m_strFolder);
    m_pFrequency->SetPromptChar(QLatin1Char('_'));
    m_pFrequency->SetAutoAdvance(false);
    m_pFrequency->UseDisplayFont();
    m_pFrequency->SetMask(QStringLiteral("###\\.###\\.##"));
    QString digits = m_strFrequency;
    digits.remove(QLatin1Char('.'));
    m_pFrequency->SetFrequency(digits.trimmed().toUInt());
    m_pFrequency->Validate();
    FillScanModeList(m_pMode);
    m_pMode->SelectByData(m_nMode);
    m_pActive->setChecked(m_bActive != 0);
    return true;
}

void CScanDefinitionDialog::OnOK()
{
    m_pFrequency->Validate();
    const QString title = m_pTitle->text().trimmed();
    const QString folder = m_pFolder->text().trimmed();
    const QString frequency = m_pFrequency->GetFrequency() ? m_pFrequency->text() : QString();
    auto refuse = [this](const QString& text) {
        platform::messageBox(this, text, windowTitle(), platform::MB_OK | platform::MB_ICONERROR);
    };
    if (title.isEmpty()) {
        refuse(QStringLiteral("A title must be entered."));
        return;
    }
    if (frequency.isEmpty()) {
        refuse(QStringLiteral("A frequency must be entered."));
        return;
    }
    m_strTitle = title;
    m_strFolder = folder;
    m_strFrequency = frequency;
    m_strModeText = m_pMode->currentText();
    m_nMode = uint8_t(m_pMode->GetSelectedData());
    m_bActive = m_pActive->isChecked() ? 1 : 0;
    done(Accepted);
}
