#include "organisers/Organisers.h"

#include "organisers/BandSetList.h"
#include "organisers/FavouritesCollection.h"

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
