#include "corvane/frontpanel/OptionsVarious.h"

#include "corvane/core/Settings.h"
#include "corvane/frontpanel/OptionsPageTools.h"
#include "platform/Prompter.h"
#include "shared/ui/BaseDialog.h"
#include "shared/ui/ColourStatic.h"
#include "shared/ui/OwnFileDialog.h"
#include "shared/ui/PathEllipsis.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSoundEffect>
#include <QUrl>
#include <QVBoxLayout>

using namespace OptionsPageTools;

namespace {
// OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST
constexpr unsigned kSoundChooserFlags = 0x180C;

COptionsVarious::SoundPlayer& playerSlot()
{
    static COptionsVarious::SoundPlayer player;
    return player;
}
} // namespace

void COptionsVarious::SetSoundPlayer(SoundPlayer player)
{
    playerSlot() = std::move(player);
}

void COptionsVarious::PlaySoundFile(const QString& strPath)
{
    if (playerSlot()) {
        playerSlot()(strPath);
        return;
    }
    static QPointer<QSoundEffect> effect;
    if (!effect)
        effect = new QSoundEffect(QCoreApplication::instance());
    effect->setSource(QUrl::fromLocalFile(strPath));
    effect->play();
}

COptionsVarious::COptionsVarious(QWidget* parent) : COptionsPage(IDD, parent)
{
    setWindowTitle(QStringLiteral("Various"));
    m_pTreeSingle = CheckBox(this, QStringLiteral("&Close unused folders in Favourites tree"), IDC_TREE_SINGLE);
    m_pLogWrites = CheckBox(this, QStringLiteral("Log all memor&y writes"), IDC_LOG_WRITES);
    m_pNotifyComms =
        CheckBox(this, QStringLiteral("&Display popup if connection problem with FT-817"), IDC_NOTIFY_COMMS);
    m_pClarifierOff =
        CheckBox(this, QStringLiteral("S&witch clarifier off when changing frequency"), IDC_CLARIFIER_OFF);
    m_pPowerDown = CheckBox(this, QStringLiteral("&Prompt to power-down FT-817 when closing"), IDC_POWER_DOWN);
    m_pScreenSaver = CheckBox(this, QStringLiteral("Disable &screensaver"), IDC_SCREENSAVER);

    auto* arrows = Group(this, QStringLiteral("Arrow keys"));
    m_pArrowsStep = Radio(arrows, QStringLiteral("Left + right = step size\nup + down = freq"), IDC_ARROWS_STEP);
    m_pArrowsFreq = Radio(arrows, QStringLiteral("Left + right = freq\nup + down = step size"), IDC_ARROWS_FREQ);
    auto* arrowRow = new QVBoxLayout(arrows);
    arrowRow->addWidget(m_pArrowsStep);
    arrowRow->addWidget(m_pArrowsFreq);

    auto* sounds = Group(this, QStringLiteral("Band edge sounds"));
    auto makePath = [&](unsigned nId) {
        auto* path = new CColourStatic(sounds);
        SetDlgCtrlID(path, nId);
        path->SetCaptionColours();
        path->setMinimumWidth(260);
        path->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        return path;
    };
    m_pInBand = makePath(IDC_IN_BAND);
    m_pOutOfBand = makePath(IDC_OUT_OF_BAND);
    auto* inBrowse = Button(sounds, QStringLiteral("..."), IDC_IN_BAND_BROWSE);
    auto* outBrowse = Button(sounds, QStringLiteral("..."), IDC_OUT_OF_BAND_BROWSE);
    for (QPushButton* browse : {inBrowse, outBrowse})
        browse->setFixedWidth(32);
    auto* soundGrid = new QGridLayout(sounds);
    soundGrid->addWidget(Label(sounds, QStringLiteral("Entering a band:")), 0, 0);
    soundGrid->addWidget(m_pInBand, 0, 1);
    soundGrid->addWidget(inBrowse, 0, 2);
    soundGrid->addWidget(Label(sounds, QStringLiteral("Leaving the bands:")), 1, 0);
    soundGrid->addWidget(m_pOutOfBand, 1, 1);
    soundGrid->addWidget(outBrowse, 1, 2);
    soundGrid->setColumnStretch(1, 1);

    auto* grid = new QGridLayout(this);
    int row = 0;
    for (QCheckBox* box : {m_pTreeSingle, m_pLogWrites, m_pNotifyComms, m_pClarifierOff, m_pPowerDown, m_pScreenSaver})
        grid->addWidget(box, row++, 0);
    grid->addWidget(arrows, 0, 1, 4, 1, Qt::AlignTop);
    grid->addWidget(sounds, row++, 0, 1, 2);
    grid->setRowStretch(row, 1);

    for (QCheckBox* box : {m_pTreeSingle, m_pLogWrites, m_pNotifyComms, m_pClarifierOff, m_pPowerDown, m_pScreenSaver})
        connect(box, &QCheckBox::clicked, this, [this] { SetModified(); });
    for (QRadioButton* radio : {m_pArrowsStep, m_pArrowsFreq})
        connect(radio, &QRadioButton::clicked, this, [this] { SetModified(); });
    connect(inBrowse, &QPushButton::clicked, this, [this] { OnChooseSound(true); });
    connect(outBrowse, &QPushButton::clicked, this, [this] { OnChooseSound(false); });
}

COptionsVarious::~COptionsVarious() = default;

bool COptionsVarious::OnInitDialog()
{
    COptionsPage::OnInitDialog();
    // Long paths are shortened in the middle.
    SetPathEllipsis(m_pInBand);
    SetPathEllipsis(m_pOutOfBand);
    return true;
}

void COptionsVarious::DoDataExchange(bool bSaveAndValidate)
{
    const struct {
        QCheckBox* box;
        int* value;
    } checks[] = {{m_pTreeSingle, &m_bTreeSingle},   {m_pLogWrites, &m_bLogWrites},
                  {m_pNotifyComms, &m_bNotifyComms}, {m_pClarifierOff, &m_bClarifierOff},
                  {m_pPowerDown, &m_bPowerDown},     {m_pScreenSaver, &m_bScreenSaver}};
    if (bSaveAndValidate) {
        for (const auto& c : checks)
            *c.value = c.box->isChecked() ? 1 : 0;
        m_nArrows = m_pArrowsStep->isChecked() ? 0 : m_pArrowsFreq->isChecked() ? 1 : -1;
        m_strInBand = m_pInBand->text();
        m_strOutOfBand = m_pOutOfBand->text();
        return;
    }
    for (const auto& c : checks)
        c.box->setChecked(*c.value != 0);
    m_pArrowsStep->setChecked(m_nArrows == 0);
    m_pArrowsFreq->setChecked(m_nArrows == 1);
    m_pInBand->setText(m_strInBand);
    m_pOutOfBand->setText(m_strOutOfBand);
}

void COptionsVarious::GetKeywords(QStringList& keywords)
{
    keywords << QStringLiteral("Arrow keys") << QStringLiteral("Clarifier") << QStringLiteral("Connection popups")
             << QStringLiteral("Disable screensaver") << QStringLiteral("Fade windows")
             << QStringLiteral("Favourites tree") << QStringLiteral("Log memory writes")
             << QStringLiteral("Power-down on close");
}

void COptionsVarious::OnChooseSound(bool bInBand)
{
    UpdateData(true);
    QString& path = bInBand ? m_strInBand : m_strOutOfBand;
    COwnFileDialog dialog(true, QStringLiteral("*.WAV"), path, kSoundChooserFlags,
                          QStringLiteral("Wave files (*.WAV)|*.WAV|"), this);
    if (dialog.DoModal() != platform::IDOK)
        return;
    path = dialog.GetPathName();
    UpdateData(false);
    PlaySoundFile(path);
    SetModified();
}

void COptionsVarious::WriteToSettings(CSettings& s)
{
    UpdateData(true);
    s.m_strWhiteStickInBand = m_strInBand;
    s.m_strWhiteStickOutOfBand = m_strOutOfBand;
    s.m_bClarifierOff = m_bClarifierOff;
    s.m_bTreeSingleExpand = m_bTreeSingle;
    s.m_bLogMemWrite = m_bLogWrites;
    s.m_bNotifyCommsLost = m_bNotifyComms;
    s.m_bPowerDown = m_bPowerDown;
    s.m_bArrowKeys = m_nArrows == 0 ? 1 : 0;
    s.m_bDisableScreenSaver = m_bScreenSaver;
}

void COptionsVarious::ReadFromSettings(CSettings& s)
{
    m_strInBand = s.m_strWhiteStickInBand;
    m_strOutOfBand = s.m_strWhiteStickOutOfBand;
    m_bClarifierOff = s.m_bClarifierOff;
    m_bTreeSingle = s.m_bTreeSingleExpand;
    m_bLogWrites = s.m_bLogMemWrite;
    m_bNotifyComms = s.m_bNotifyCommsLost;
    m_bPowerDown = s.m_bPowerDown;
    m_bScreenSaver = s.m_bDisableScreenSaver;
    m_nArrows = s.m_bArrowKeys ? 0 : 1;
    UpdateData(false);
}
