#pragma once
// Maidenhead locators ("JO01AA"): form check, centre of the sub-square, and
// great-circle distance and heading between two positions. Longitudes are
// counted positive to the WEST throughout. A slashed zero (0xD8), which the
// receive windows may show for the digit 0, reads as '0'.
#include <QString>

bool IsValidLocator(const QString& strLocator);
// The one rule of every field that takes a locator (the Locator and My
// Locator tags wherever they are typed, the own locator of the options): it
// may be left empty, or hold a locator of IsValidLocator's form once the
// blanks around it are gone and its letters are in upper case, the form in
// which the field then keeps it. Anything else is refused: false, the text
// left as it was.
bool TakeLocatorEntry(QString& strText);
// What such a field tells the operator about a text it refuses.
QString LocatorRefusal(const QString& strText);
// No check of its own: callers test the locator with IsValidLocator first.
void LocatorToLatLong(const QString& strLocator, double& dLongitude, double& dLatitude);
// The six upper-case characters of the sub-square holding the position and
// a terminating zero, into a buffer of at least 7 bytes. Positions off the
// globe give characters outside the locator alphabet: callers check.
void LatLongToLocator(char* pszBuffer, double dLongitude, double dLatitude);
QString LatLongToLocator(double dLongitude, double dLatitude);
// Point 1 is the own station; the heading is the one to steer from it.
void GetDistanceAndBearing(double dLon1, double dLat1, double dLon2, double dLat2, double& dHeading, double& dKm,
                           double& dMiles);
