// "FT-817 Favourites.txt" and the files merged into the favourites.
#include "FuzzTarget.h"

#include "corvane/organisers/FavouritesCollection.h"

CORVANE_FUZZ_TARGET(Favourites)
{
    CFavouritesCollection favourites;
    favourites.LoadLines(fuzz::Lines(data, size));
    favourites.RebuildFrequencyMap();
    QString titles;
    for (int i = 0; i < favourites.GetCount(); ++i) {
        if (CFavouriteEntry* entry = favourites.GetEntry(i))
            favourites.LookupFrequency(entry->GetRxFrequency(), titles);
    }
    favourites.BuildLines(false);
    return 0;
}
