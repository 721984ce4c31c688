#include "corvane/organisers/BrowseFolderDialog.h"

#include "corvane/organisers/AddFavouriteDialog.h"
#include "corvane/organisers/FavouritesTree.h"
#include "platform/Prompter.h"

#include <QLabel>
#include <QPushButton>

CBrowseFolderDialog::CBrowseFolderDialog(QWidget* pParent, const CFavouritesTree& source)
    : CBaseDialog(kTemplateId, pParent), m_source(source)
{
    setWindowTitle(QStringLiteral("Browse for Folder"));
    auto* text = new QLabel(QStringLiteral("Click the folder that you want to move the selected entry to."), this);
    SetDlgCtrlID(text, IDC_TEXT);
    text->setGeometry(10, 10, 300, 20);
    m_pTree = new CFavouritesTree(this);
    SetDlgCtrlID(m_pTree, IDC_TREE);
    m_pTree->setGeometry(10, 36, 300, 240);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    SetDlgCtrlID(ok, platform::IDOK);
    ok->setDefault(true);
    ok->setGeometry(160, 286, 70, 26);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    SetDlgCtrlID(cancel, platform::IDCANCEL);
    cancel->setGeometry(240, 286, 70, 26);
    resize(320, 322);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    const DialogGeometry::AnchorRow anchors[] = {
        {int(IDC_TEXT), 2, 0, 0, 0},
        {int(IDC_TREE), 2, 2, 0, 0},
        {platform::IDOK, 0, 0, 0, 2},
        {platform::IDCANCEL, 0, 0, 0, 2},
    };
    SetAnchors(anchors, int(std::size(anchors)));
}

CBrowseFolderDialog::~CBrowseFolderDialog() = default;

bool CBrowseFolderDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    m_pTree->CopyFrom(m_source, false, true);
    return true;
}

void CBrowseFolderDialog::OnOK()
{
    m_strPath = CAddFavouriteDialog::FolderPath(m_pTree->GetSelectedItem());
    CBaseDialog::OnOK();
}
