#include "corvane/organisers/AddFavouriteDialog.h"

#include "corvane/core/CatLink.h"
#include "corvane/core/FrequencyRangeCheck.h"
#include "corvane/core/FrequencyText.h"
#include "corvane/core/RadioApp.h"
#include "corvane/frontpanel/DisplayView.h"
#include "corvane/frontpanel/FrequencyDisplay.h"
#include "corvane/organisers/CreateFolderDialog.h"
#include "corvane/organisers/FavouriteEntry.h"
#include "corvane/organisers/FavouriteModes.h"
#include "corvane/organisers/FavouritesCollection.h"
#include "corvane/organisers/FavouritesTree.h"
#include "corvane/organisers/OrganiserCursor.h"
#include "corvane/organisers/Organisers.h"
#include "corvane/organisers/RepeaterDialog.h"
#include "platform/Prompter.h"
#include "shared/edit/FrequencyEdit.h"
#include "shared/ui/OwnComboBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
QString withoutTrailingBlanks(const QString& text)
{
    int end = int(text.size());
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.left(end);
}

QLabel* label(QWidget* parent, const QString& text, QWidget* buddy, const QRect& rect)
{
    auto* l = new QLabel(text, parent);
    l->setBuddy(buddy);
    l->setGeometry(rect);
    return l;
}
} // namespace

CAddFavouriteDialog::CAddFavouriteDialog(QWidget* pParent, const QString& strFolder, const CRadioStatus& status,
                                         CCatLink* pLink)
    : CBaseDialog(kTemplateId, pParent), m_status(status), m_pLink(pLink), m_strFolder(strFolder)
{
    setWindowTitle(QStringLiteral("Add Favourite"));
    // The repeater values of the record the radio is on.
    m_nCtcss = status.Record(6) & 0x3F;
    m_nDcs = status.Record(7) & 0x7F;
    m_nOffset = status.Record(1) >> 6;
    m_nShift = (uint32_t(status.Record(15)) << 16 | uint32_t(status.Record(16)) << 8 | status.Record(17)) * 10;
    m_nToneMode = status.Record(4) & 0x03;
    m_bEnable = m_nOffset > 0;

    m_pTitle = new QLineEdit(this);
    SetDlgCtrlID(m_pTitle, IDC_TITLE);
    m_pTitle->setGeometry(70, 10, 200, 24);
    label(this, QStringLiteral("&Title:"), m_pTitle, QRect(10, 12, 56, 20));
    if (CDisplayView* view = GetDisplayView())
        if (view->GetRadioState())
            m_pTitle->setText(view->GetRadioState()->GetFrequencyText());

    m_pFrequency = new CFrequencyEdit(this);
    SetDlgCtrlID(m_pFrequency, IDC_FREQUENCY);
    m_pFrequency->setGeometry(70, 42, 160, 24);
    label(this, QStringLiteral("&Freq:"), m_pFrequency, QRect(10, 44, 56, 20));

    m_pMode = new COwnComboBox(this);
    SetDlgCtrlID(m_pMode, IDC_MODE);
    m_pMode->setGeometry(70, 74, 90, 24);
    label(this, QStringLiteral("&Mode:"), m_pMode, QRect(10, 76, 56, 20));

    auto* repeater = new QGroupBox(QStringLiteral("Repeater"), this);
    // The check box and its button one under the other: side by side they
    // do not fit the box.
    repeater->setGeometry(170, 66, 100, 80);
    m_pEnable = new QCheckBox(QStringLiteral("&Enable"), repeater);
    SetDlgCtrlID(m_pEnable, IDC_ENABLE);
    m_pEnable->setGeometry(8, 20, 88, 22);
    m_pEnable->setChecked(m_bEnable);
    auto* edit = new QPushButton(QStringLiteral("&Edit"), repeater);
    SetDlgCtrlID(edit, IDC_EDIT);
    edit->setGeometry(8, 46, 84, 26);

    m_pTree = new CFavouritesTree(this);
    SetDlgCtrlID(m_pTree, IDC_TREE);
    m_pTree->setGeometry(10, 150, 340, 220);
    label(this, QStringLiteral("&Where:"), m_pTree, QRect(10, 130, 60, 18));

    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(m_pOk, platform::IDOK);
    m_pOk->setGeometry(272, 10, 80, 26);
    m_pOk->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    cancel->setGeometry(272, 42, 80, 26);
    auto* newFolder = new QPushButton(QStringLiteral("New &Folder"), this);
    SetDlgCtrlID(newFolder, IDC_NEW_FOLDER);
    newFolder->setGeometry(272, 100, 80, 26);
    resize(360, 380);

    connect(m_pOk, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(newFolder, &QPushButton::clicked, this, &CAddFavouriteDialog::OnNewFolder);
    connect(edit, &QPushButton::clicked, this, &CAddFavouriteDialog::OnEditRepeater);
    connect(m_pTitle, &QLineEdit::textChanged, this, &CAddFavouriteDialog::UpdateOk);

    const DialogGeometry::AnchorRow anchors[] = {
        {int(IDC_TITLE), 2, 0, 0, 0},
        {int(IDC_TREE), 2, 2, 0, 0},
        {platform::IDOK, 0, 0, 2, 0},
        {platform::IDCANCEL, 0, 0, 2, 0},
        {int(IDC_NEW_FOLDER), 0, 0, 2, 0},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CAddFavouriteDialog::~CAddFavouriteDialog() = default;

bool CAddFavouriteDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (CFavouritesTree* source = GetNavigatorFavouritesTree())
        m_pTree->CopyFrom(*source, false, true);
    else
        m_pTree->CopyFrom(CFavouritesTree(), false, true);
    UpdateOk();

    uint32_t hz = 0;
    uint8_t mode = 0;
    CCatLink* link = m_pLink ? m_pLink : (GetRadioApp() ? &GetRadioApp()->GetCatLink() : nullptr);
    uint32_t bytes = 0;
    uint8_t catMode = 0;
    if (link && link->ReadFrequencyAndMode(bytes, catMode)) {
        hz = CFrequencyText(bytes, CFrequencyText::FORM_CAT_BYTES).GetFrequency();
        mode = uint8_t(catMode & 0x0F);
    }
    m_pFrequency->SetPromptChar(QLatin1Char('_'));
    m_pFrequency->SetAutoAdvance(false);
    m_pFrequency->UseDisplayFont();
    m_pFrequency->SetMask(QStringLiteral("###\\.###\\.## MHz"));
    m_pFrequency->SetInputText(QString::asprintf("%8.8u", hz / 10), 0, true);
    m_pFrequency->Validate();

    FavouriteModes::Fill(*m_pMode);
    FavouriteModes::Select(*m_pMode, mode);
    RepositionControls();
    SelectFolder(m_strFolder);
    return true;
}

void CAddFavouriteDialog::SelectFolder(const QString& strFolder)
{
    QTreeWidgetItem* item = m_pTree->topLevelItem(0);
    if (!item || strFolder.isEmpty())
        return;
    for (const QString& level : strFolder.split(QLatin1Char('\\'))) {
        item = m_pTree->FindChild(item, level);
        if (!item)
            break;
        m_pTree->SelectItem(item);
        m_pTree->scrollToItem(item);
    }
}

void CAddFavouriteDialog::UpdateOk()
{
    m_pOk->setEnabled(!withoutTrailingBlanks(m_pTitle->text()).isEmpty());
}

QString CAddFavouriteDialog::FolderPath(const QTreeWidgetItem* pItem)
{
    QStringList levels;
    // Every level up to the root, which itself gives no level.
    for (const QTreeWidgetItem* p = pItem; p && p->parent(); p = p->parent())
        levels.prepend(p->text(0));
    return levels.join(QLatin1Char('\\'));
}

void CAddFavouriteDialog::OnNewFolder()
{
    OrganiserCursor wait;
    CCreateFolderDialog dialog(this);
    if (dialog.DoModal() != platform::IDOK)
        return;
    QTreeWidgetItem* folder = m_pTree->AddFolderUnderSelection(dialog.GetFolderName());
    m_pTree->SelectItem(folder);
    folder->setExpanded(true);
}

void CAddFavouriteDialog::OnEditRepeater()
{
    OrganiserCursor wait;
    CRepeaterDialog dialog(this, m_status);
    if (dialog.DoModal() != platform::IDOK)
        return;
    m_nCtcss = dialog.GetCtcssIndex();
    m_nDcs = dialog.GetDcsIndex();
    m_nOffset = dialog.GetShift();
    m_nShift = dialog.GetOffset();
    m_nToneMode = dialog.GetToneMode();
}

QString CAddFavouriteDialog::GetRepeaterSettings() const
{
    auto field = [](int n) { return n < 0 ? 0u : uint32_t(n); };
    return CFavouriteEntry::FormatRepeaterSettings(m_bEnable ? 1 : 0, m_nShift, field(m_nCtcss), field(m_nDcs),
                                                   field(m_nOffset), field(m_nToneMode));
}

void CAddFavouriteDialog::OnOK()
{
    m_bEnable = m_pEnable->isChecked();
    const QString title = withoutTrailingBlanks(m_pTitle->text());
    if (title.isEmpty())
        return;
    // A favourite that tunes nowhere is no favourite (the Edit dialog says the same).
    if (m_pFrequency->GetFrequency() == 0) {
        platform::messageBox(this, QStringLiteral("The frequency cannot be 0."), windowTitle(),
                             platform::MB_ICONERROR);
        m_pFrequency->setFocus();
        return;
    }
    if (!CFrequencyRangeCheck::CheckReceivable(this, *m_pFrequency, windowTitle())) {
        m_pFrequency->setFocus();
        return;
    }
    const QString folder = FolderPath(m_pTree->GetSelectedItem());
    if (GetFavourites().Find(folder, title)) {
        const int answer = platform::messageBox(
            this, QStringLiteral("An entry with this name already exists on your favourites menu.\nDo you want to overwrite it?"),
            windowTitle(), platform::MB_YESNO | platform::MB_ICONQUESTION);
        if (answer != platform::IDYES)
            return;
    }
    m_strTitle = title;
    m_strFolder = folder;
    m_nMode = uint8_t(m_pMode->GetSelectedData());
    m_nFrequency = m_pFrequency->GetFrequency();
    CBaseDialog::OnOK();
}
