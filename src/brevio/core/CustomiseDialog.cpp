#include "brevio/core/CustomiseDialog.h"

#include "platform/Prompter.h"
#include "brevio/core/Components.h"
#include "brevio/core/Locator.h"
#include "brevio/core/MainFrame.h"
#include "brevio/core/PSK31App.h"
#include "brevio/core/PSK31Settings.h"
#include "brevio/core/RegisteredMessages.h"
#include "brevio/core/TagStore.h"
#include "shared/RegisteredEvent.h"
#include "shared/Registry.h"
#include "shared/SupportMail.h"
#include "shared/VersionInfo.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDockWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
const QString kStartedOnce = QStringLiteral("Started at least once");
// Where a tag row keeps the value it was shown with.
constexpr int kShownValue = Qt::UserRole;

QLabel* SectionLabel(const QString& text, int id, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::number(id));
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette p = label->palette();
    p.setColor(QPalette::Window, p.color(QPalette::Highlight));
    p.setColor(QPalette::WindowText, p.color(QPalette::HighlightedText));
    label->setPalette(p);
    return label;
}

ITagsBar* TagsBar(QWidget* parent)
{
    auto* frame = qobject_cast<CMainFrame*>(parent);
    return frame ? dynamic_cast<ITagsBar*>(frame->GetTagsBar()) : nullptr;
}
} // namespace

QString CCustomiseDialog::StartModeDescription(int nMode)
{
    switch (nMode) {
    case 0:
        return QStringLiteral("A default layout with: one PSK channel, tags, macros and a waterfall display");
    case 1:
        return QStringLiteral("A default layout displaying up to 40 channels simultaneously with an optional "
                              "transmit window");
    default:
        return QStringLiteral("Keep the layout customisations from your previous session");
    }
}

CCustomiseDialog::CCustomiseDialog(QWidget* pParent) : QDialog(pParent)
{
    const bool startedOnce = CRegistry().GetBool(kStartedOnce, false);
    const CVersionInfo version;
    const QString special = version.GetSpecialBuild();
    setWindowTitle(QStringLiteral("%1 v%2%3%4 build %5")
                       .arg(version.GetProductName(), version.GetProductVersion(),
                            special.isEmpty() ? QString() : QStringLiteral(" "), special)
                       .arg(version.GetBuild()));

    auto* layout = new QGridLayout(this);
    auto* startBox = new QGroupBox(this);
    auto* startLayout = new QVBoxLayout(startBox);
    m_pStartMode = new QButtonGroup(this);
    const char* const startTexts[] = {"New: Classic", "New: Super Browser", "Resume previous session"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(startTexts[i]), startBox);
        b->setObjectName(QString::number(1472 + i));
        m_pStartMode->addButton(b, i);
        startLayout->addWidget(b);
    }
    m_pDescription = new QLabel(startBox);
    m_pDescription->setObjectName(QStringLiteral("1077"));
    m_pDescription->setWordWrap(true);
    startLayout->addWidget(m_pDescription);
    layout->addWidget(startBox, 0, 0, 1, 2);

    layout->addWidget(SectionLabel(QStringLiteral("-  My Station  -"), 1059, this), 1, 0, 1, 2);
    m_pTagList = new QTreeWidget(this);
    m_pTagList->setObjectName(QStringLiteral("110"));
    m_pTagList->setHeaderLabels({QStringLiteral("Tag"), QStringLiteral("Value")});
    m_pTagList->setRootIsDecorated(false);
    m_pTagList->header()->setStretchLastSection(true);
    layout->addWidget(m_pTagList, 2, 0, 1, 2);
    FillTagList();
    m_pTagList->resizeColumnToContents(0);

    layout->addWidget(SectionLabel(QStringLiteral("-  PTT  -"), 1060, this), 3, 0, 1, 2);
    auto* pttBox = new QGroupBox(this);
    auto* pttLayout = new QVBoxLayout(pttBox);
    m_pPtt = new QButtonGroup(this);
    const char* const pttTexts[] = {"COM &Port", "&FT-817 Corvane", "&Ravelin"};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(pttTexts[i]), pttBox);
        b->setObjectName(QString::number(1084 + i));
        m_pPtt->addButton(b, i);
        pttLayout->addWidget(b);
    }
    layout->addWidget(pttBox, 4, 0);
    auto* comBox = new QGroupBox(this);
    comBox->setObjectName(QStringLiteral("1134"));
    auto* comLayout = new QVBoxLayout(comBox);
    m_pComMode = new QButtonGroup(this);
    const char* const comTexts[] = {"&None (port disabled)", "&RTS only", "&DTR only ", "RTS &and DTR (recommended)"};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QRadioButton(QString::fromLatin1(comTexts[i]), comBox);
        b->setObjectName(QString::number(1079 + i));
        m_pComMode->addButton(b, i);
        comLayout->addWidget(b);
        m_comGroup.append(b);
    }
    m_pPortCombo = new QComboBox(comBox);
    m_pPortCombo->setObjectName(QStringLiteral("1050"));
    for (int n = 1; n <= 8; ++n)
        m_pPortCombo->addItem(QStringLiteral("COM%1").arg(n), n);
    comLayout->addWidget(m_pPortCombo);
    m_comGroup.append(comBox);
    layout->addWidget(comBox, 4, 1);

    auto* buttons = new QHBoxLayout;
    auto* start = new QPushButton(QStringLiteral("&Start"), this);
    start->setDefault(true);
    auto* macros = new QPushButton(QStringLiteral("&Macros"), this);
    auto* tagsButton = new QPushButton(QStringLiteral("&Tags"), this);
    auto* soundcard = new QPushButton(QStringLiteral("Soundcard Interface"), this);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* b : {start, macros, tagsButton, soundcard, cancel})
        buttons->addWidget(b);
    layout->addLayout(buttons, 5, 0, 1, 2);
    connect(start, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(macros, &QPushButton::clicked, this, [pParent] {
        if (auto* frame = qobject_cast<CMainFrame*>(pParent))
            if (auto* bar = dynamic_cast<IMacrosBar*>(frame->GetMacrosBar()))
                bar->OpenMacroManager();
    });
    connect(tagsButton, &QPushButton::clicked, this, [this, pParent] {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        if (auto* frame = qobject_cast<CMainFrame*>(pParent))
            if (auto* bar = dynamic_cast<IMacrosBar*>(frame->GetMacrosBar()))
                bar->OpenTagManager();
        FillTagList();
        QApplication::restoreOverrideCursor();
    });
    connect(soundcard, &QPushButton::clicked, this,
            [] { TheApp().ShellOpen(support::SoundcardInterfaceAddress()); });

    // Construction and initial values.
    m_pStartMode->button(startedOnce ? 2 : 0)->setChecked(true);
    m_pStartMode->button(2)->setEnabled(startedOnce);
    const CPSK31Settings& s = CurrentSettings();
    if (QAbstractButton* b = m_pComMode->button(s.m_nPTTMode))
        b->setChecked(true);
    else
        m_pComMode->button(0)->setChecked(true);
    m_pPtt->button(s.m_bPTTFT817 ? 1 : s.m_bPTTRVL ? 2 : 0)->setChecked(true);
    m_pPortCombo->setCurrentIndex(0);
    const int port = m_pPortCombo->findData(s.m_nPTTPort);
    if (port >= 0)
        m_pPortCombo->setCurrentIndex(port);
    connect(m_pPtt, &QButtonGroup::idClicked, this, [this] { UpdateControls(); });
    connect(m_pComMode, &QButtonGroup::idClicked, this, [this] { UpdateControls(); });
    connect(m_pStartMode, &QButtonGroup::idClicked, this, [this] { UpdateControls(); });
    UpdateControls();
    // An unattended start (a launcher script) takes the choices as they stand.
    if (qEnvironmentVariableIntValue("BREVIO_AUTOSTART") != 0)
        QTimer::singleShot(0, this, &CCustomiseDialog::accept);
}

CCustomiseDialog::~CCustomiseDialog() = default;

QRadioButton* CCustomiseDialog::PttButton(int n) const
{
    return qobject_cast<QRadioButton*>(m_pPtt->button(n));
}
QRadioButton* CCustomiseDialog::ComModeButton(int n) const
{
    return qobject_cast<QRadioButton*>(m_pComMode->button(n));
}
QRadioButton* CCustomiseDialog::StartModeButton(int n) const
{
    return qobject_cast<QRadioButton*>(m_pStartMode->button(n));
}

bool CCustomiseDialog::IsComGroupEnabled() const
{
    return m_comGroup.first()->isEnabled();
}

void CCustomiseDialog::FillTagList()
{
    m_pTagList->clear();
    QStringList names, values;
    if (ITagsBar* tags = TagsBar(parentWidget()))
        tags->GetOwnTags(names, values);
    for (int i = 0; i < names.size(); ++i) {
        auto* item = new QTreeWidgetItem(m_pTagList, {names[i], values.value(i)});
        item->setFlags(item->flags() | Qt::ItemIsEditable);
        item->setData(1, kShownValue, values.value(i));
    }
}

bool CCustomiseDialog::TakeTagEntries()
{
    for (int i = 0; i < m_pTagList->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_pTagList->topLevelItem(i);
        // A value as the tag held it is not the operator's entry.
        const QString typed = item->text(1);
        if (typed == item->data(1, kShownValue).toString())
            continue;
        QString value = typed;
        if (!Tags().CheckValueFor(item->text(0), value)) {
            platform::messageBox(this, LocatorRefusal(typed), QStringLiteral("Tags"),
                                 platform::MB_OK | int(platform::MB_ICONWARNING));
            m_pTagList->setCurrentItem(item, 1);
            m_pTagList->editItem(item, 1);
            return false;
        }
        if (value != typed)
            item->setText(1, value);
    }
    return true;
}

void CCustomiseDialog::UpdateControls()
{
    const bool com = m_pPtt->checkedId() == 0;
    for (QWidget* w : m_comGroup)
        w->setEnabled(com);
    m_pPortCombo->setEnabled(com && m_pComMode->checkedId() != 0);
    m_pDescription->setText(StartModeDescription(m_pStartMode->checkedId()));
}

void CCustomiseDialog::accept()
{
    // Nothing is taken while an own-station value cannot be.
    if (!TakeTagEntries())
        return;
    const int mode = m_pStartMode->checkedId();
    const int layout = mode == 0 ? 1 : mode == 1 ? 0 : 2;
    CRegistry registry;
    if (registry.GetBool(kStartedOnce, false) && layout != 2) {
        const QString text = QStringLiteral("You have selected '") + m_pStartMode->checkedButton()->text() +
                             QStringLiteral("'.\n") + QStringLiteral("\n") +
                             QStringLiteral("Any layout customisations made in the previous\n") +
                             QStringLiteral("session will be lost.\n\nContinue?");
        if (platform::messageBox(this, text, QStringLiteral("Start"),
                                 platform::MB_YESNO | int(platform::MB_ICONWARNING) | platform::MB_DEFBUTTON2) !=
            platform::IDYES)
            return;
    }
    m_nLayout = layout;
    QStringList names, values;
    for (int i = 0; i < m_pTagList->topLevelItemCount(); ++i) {
        names.append(m_pTagList->topLevelItem(i)->text(0));
        values.append(m_pTagList->topLevelItem(i)->text(1));
    }
    auto* frame = qobject_cast<CMainFrame*>(parentWidget());
    if (ITagsBar* tags = TagsBar(parentWidget())) {
        // Only values the operator changed here are saved: a start with a
        // tags file that could not be read must not be told it was not saved.
        QStringList ownNames, ownValues;
        tags->GetOwnTags(ownNames, ownValues);
        if (ownNames != names || ownValues != values) {
            tags->SetOwnTags(names, values);
            PostRegisteredMessage(frame->GetTagsBar(), RegisteredMessage::nMsgSaveNeeded, 0, 0);
        }
    }
    CPSK31Settings& s = CurrentSettings();
    s.m_nPTTMode = m_pComMode->checkedId();
    s.m_bPTTFT817 = m_pPtt->checkedId() == 1 ? 1 : 0;
    s.m_bPTTRVL = m_pPtt->checkedId() == 2 ? 1 : 0;
    s.m_nPTTPort = m_pPortCombo->currentData().toInt();
    SaveAndBroadcastSettings();
    registry.WriteBool(kStartedOnce, 1);
    QDialog::accept();
}

void CCustomiseDialog::reject()
{
    if (platform::messageBox(this, QStringLiteral("Really Cancel ?"), QStringLiteral("Startup"),
                             platform::MB_YESNO | int(platform::MB_ICONQUESTION) | platform::MB_DEFBUTTON2) ==
        platform::IDYES)
        QDialog::reject();
}
