#include "brevio/core/Locator.h"

#include <cmath>

namespace {
// The program's own constants, kept so distances match what it always showed.
constexpr double kPi = 3.141592654;
constexpr double kEarthKm = 6.378 * 1000;
constexpr double kKmPerMile = 1.609;

double ToRadians(double d) { return d * kPi / 180; }
double ToDegrees(double r) { return r / kPi * 180; }

// The six characters, a four-character locator taken as the middle of its square.
QString SixCharacters(const QString& strLocator)
{
    QString s = strLocator;
    if (s.size() == 4)
        s += QStringLiteral("LM");
    for (int i = 2; i < 4 && i < s.size(); ++i)
        if (s[i].unicode() == 0xD8)
            s[i] = QLatin1Char('0');
    return s;
}
} // namespace

bool IsValidLocator(const QString& strLocator)
{
    if (strLocator.size() != 4 && strLocator.size() != 6)
        return false;
    QString s = strLocator;
    if (s.size() == 4)
        s += QStringLiteral("LM");
    for (int i = 0; i < 6; ++i) {
        char16_t c = s[i].unicode();
        if (c == 0xD8)
            c = u'0';
        const bool ok = i < 2 ? (c >= u'A' && c <= u'R') : i < 4 ? (c >= u'0' && c <= u'9') : (c >= u'A' && c <= u'X');
        if (!ok)
            return false;
    }
    return true;
}

bool TakeLocatorEntry(QString& strText)
{
    const QString locator = strText.trimmed().toUpper();
    if (!locator.isEmpty() && !IsValidLocator(locator))
        return false;
    strText = locator;
    return true;
}

QString LocatorRefusal(const QString& strText)
{
    return QStringLiteral("\"%1\" is not a locator: a locator is two letters from A to R, two digits and, when it "
                          "has six characters, two letters from A to X (such as JO01AA).")
        .arg(strText.trimmed());
}

void LocatorToLatLong(const QString& strLocator, double& dLongitude, double& dLatitude)
{
    const QString s = SixCharacters(strLocator);
    auto c = [&s](int i) { return i < s.size() ? double(s[i].unicode()) : 0.0; };
    dLongitude = -((c(0) - 65) * 20 - 180 + (c(2) - 48) * 2 + (c(4) - 64.5) / 12);
    dLatitude = (c(1) - 65) * 10 - 90 + (c(3) - 48) + (c(5) - 64.5) / 24;
}

void LatLongToLocator(char* pszBuffer, double dLongitude, double dLatitude)
{
    // Held within a range any char can take, so that a position far off the
    // globe (or not a number) still gives six characters, never undefined
    // arithmetic.
    auto index = [](double v) {
        if (!(v > -1000.0))
            return -1000;
        if (v > 1000.0)
            return 1000;
        return int(std::floor(v));
    };
    double x = (180 - dLongitude) / 20;
    double y = (dLatitude + 90) / 10;
    const int i1 = index(x);
    const int i2 = index(y);
    x = (x - i1) * 10;
    y = (y - i2) * 10;
    const int i3 = index(x);
    const int i4 = index(y);
    const int i5 = index((x - i3) * 24);
    const int i6 = index((y - i4) * 24);
    pszBuffer[0] = char('A' + i1);
    pszBuffer[1] = char('A' + i2);
    pszBuffer[2] = char('0' + i3);
    pszBuffer[3] = char('0' + i4);
    pszBuffer[4] = char('A' + i5);
    pszBuffer[5] = char('A' + i6);
    pszBuffer[6] = 0;
}

QString LatLongToLocator(double dLongitude, double dLatitude)
{
    char buffer[7];
    LatLongToLocator(buffer, dLongitude, dLatitude);
    return QString::fromLatin1(buffer, 6);
}

void GetDistanceAndBearing(double dLon1, double dLat1, double dLon2, double dLat2, double& dHeading, double& dKm,
                           double& dMiles)
{
    const double l1 = ToRadians(dLon1);
    const double p1 = ToRadians(dLat1);
    const double l2 = ToRadians(dLon2);
    const double p2 = ToRadians(dLat2);
    double s = std::sin(p2) * std::sin(p1) + std::sin(l2) * std::cos(p2) * std::sin(l1) * std::cos(p1) +
               std::cos(l2) * std::cos(p2) * std::cos(l1) * std::cos(p1);
    // Rounding can carry the cosine just past 1 for one and the same place;
    // that is a distance of 0, not a failure.
    s = std::fmax(-1.0, std::fmin(1.0, s));
    dKm = std::acos(s) * kEarthKm;
    dMiles = dKm / kKmPerMile;
    double h = std::atan2(std::sin(l1 - l2) * std::cos(p2),
                          std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(l1 - l2));
    h = ToDegrees(h);
    if (h < 0)
        h += 360;
    dHeading = h;
}
