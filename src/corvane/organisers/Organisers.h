#pragma once
// The frequency organisers of the radio program: the application's one
// favourites collection and band-set list (alive for the whole run), the
// navigator bar, and their installation into the program's start-up,
// commands, main window and front panel.
class CBandSetList;
class CFavouritesCollection;
class CFavouritesTree;
class CNavigatorBar;
class QWidget;

CFavouritesCollection& GetFavourites();
CBandSetList& GetBandSets();
// The main window's navigator bar, once it exists.
CNavigatorBar* GetNavigatorBar();

// The navigator's favourites tree, which the favourite dialogs copy; null
// until the navigator's groups exist.
CFavouritesTree* GetNavigatorFavouritesTree();
void SetNavigatorFavouritesTree(CFavouritesTree* pTree);

// After the favourites file was written by the manager: the navigator keeps
// its open folders, refills its tree, and the dial redraws its markers.
void FavouritesSaved();

// The application's commands of the favourites: the manager (32779) and the
// built-in list (32789); Add to Favourites of the main window (32776).
void RunFavouritesManager(QWidget* pParent);
void LoadDefaultFavourites(QWidget* pOwner);
void AddToFavourites(QWidget* pParent);

// Hooks the organisers into the application, the main frame and the front
// panel; the program calls it before its start-up, after the front panel's
// and the main frame's own installation.
void InstallOrganisers();
