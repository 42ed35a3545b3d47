// The one place that turns the font faces the program names into installed font families.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "storage/preferences.h"

namespace xs {

// The installed family used for a face the program names. Faces the program does not know
// are passed through unchanged, so the system's own substitution applies to them.
QString FontFamilyFor(std::string_view face);

// A font of that face, size in points and weight, with a fallback family for missing glyphs.
QFont MakeFont(std::string_view face, int points, bool bold);
QFont FontFor(const TFontSpec& font);

// Whether the family that `face` maps to is installed (rather than substituted).
bool FontFaceInstalled(std::string_view face);

}  // namespace xs
