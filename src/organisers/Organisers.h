#pragma once
// The frequency organisers of the radio program: the application's one
// favourites collection and band-set list, alive for the whole run.
class CBandSetList;
class CFavouritesCollection;

CFavouritesCollection& GetFavourites();
CBandSetList& GetBandSets();
