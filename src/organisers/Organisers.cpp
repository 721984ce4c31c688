#include "organisers/Organisers.h"

#include "organisers/BandSetList.h"
#include "organisers/FavouritesCollection.h"
#include "organisers/FavouritesTree.h"

#include <QPointer>

CFavouritesCollection& GetFavourites()
{
    static CFavouritesCollection favourites;
    return favourites;
}

CBandSetList& GetBandSets()
{
    static CBandSetList sets;
    return sets;
}

namespace {
QPointer<CFavouritesTree> g_navigatorTree;
}

CFavouritesTree* GetNavigatorFavouritesTree()
{
    return g_navigatorTree;
}

void SetNavigatorFavouritesTree(CFavouritesTree* pTree)
{
    g_navigatorTree = pTree;
}
