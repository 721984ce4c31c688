#include "corvane/organisers/FavouritesDialog.h"

#include "corvane/core/Settings.h"
#include "corvane/organisers/FavouritesTree.h"
#include "corvane/organisers/Organisers.h"

#include <QScreen>

CFavouritesDialog::CFavouritesDialog(QWidget* pOwner, uint32_t nMessage)
    : CBaseDialog(kTemplateId, pOwner), m_pOwner(pOwner), m_nMessage(nMessage)
{
    setWindowTitle(QStringLiteral("Favourites"));
    SetNoSizeGrip();
    m_pTree = new CFavouritesTree(this);
    SetDlgCtrlID(m_pTree, IDC_TREE);
    m_pTree->setGeometry(0, 0, 220, 360);
    resize(220, 360);
    const DialogGeometry::AnchorRow anchors[] = {{int(IDC_TREE), 2, 2, 0, 0}};
    SetAnchors(anchors, 1);
}

CFavouritesDialog::~CFavouritesDialog() = default;

bool CFavouritesDialog::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    if (CFavouritesTree* source = GetNavigatorFavouritesTree())
        m_pTree->CopyFrom(*source, true, false);
    if (GetSettings().m_bTreeSingleExpand)
        m_pTree->ModifyTreeStyle(0, CFavouritesTree::TVS_SINGLEEXPAND);
    m_pTree->AddMemoryChannels();
    m_pTree->SetNotifyWindow(m_pOwner);
    m_pTree->SetNotifyMessage(m_nMessage);
    if (m_pOwner) {
        QWidget* owner = m_pOwner->window();
        QRect ownerFrame = owner->frameGeometry();
        const int width = frameGeometry().width();
        const QRect screen = owner->screen() ? owner->screen()->availableGeometry() : QRect();
        if (ownerFrame.left() - screen.left() < width) {
            owner->move(screen.left() + width + 10, ownerFrame.top());
            ownerFrame = owner->frameGeometry();
        }
        move(ownerFrame.left() - width, ownerFrame.top());
    }
    return true;
}
