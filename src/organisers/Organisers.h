#pragma once
// The frequency organisers of the radio program: the application's one
// favourites collection and band-set list, alive for the whole run.
class CBandSetList;
class CFavouritesCollection;
class CFavouritesTree;

CFavouritesCollection& GetFavourites();
CBandSetList& GetBandSets();

// The navigator's favourites tree, which the favourite dialogs copy; null
// until the navigator's groups exist.
CFavouritesTree* GetNavigatorFavouritesTree();
void SetNavigatorFavouritesTree(CFavouritesTree* pTree);
