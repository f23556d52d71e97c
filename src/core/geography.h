#pragma once
// Maidenhead locators, great-circle distance and initial bearing.

#include <cstdint>
#include <string>
#include <string_view>

namespace tsl {

struct AppState;

// The 4-character locator (in a 6-character field) of a place west of Greenwich and north
// of the equator, from its longitude (west positive) and latitude texts, read with blanks
// inside skipped ("4 1.6" is 41.6); sets dxlonwest, dxlatnorth and gridsquare.
void makegridsquare(AppState& state, const std::string& longitude, const std::string& latitude);

// A locator as a call book sends it, without leading and trailing blanks, when it is a
// Maidenhead locator: two letters A-R and two digits, then optionally two letters A-X, and
// after those optionally two more digits; letters of either case. Anything else gives an
// empty text, as a record without a locator does.
std::string maidenheadlocator(std::string_view text);

// Arc-cosine in radians, 0 to pi; arguments outside -1..1 are taken as -1 or 1.
float arccos(float x);

struct distanceandbearing {
    int16_t miles = 0;
    int16_t kilometres = 0; // from the whole miles
    int16_t degrees = 0;    // initial bearing; due north is 360
};

// From the own position to the other's, degrees north and east positive.
distanceandbearing distancebearing(float lat1, float lon1, float lat2, float lon2);

// The distance text in the unit of the settings.
std::string distancetext(const AppState& state, const distanceandbearing& d);

} // namespace tsl
