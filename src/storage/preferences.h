// Meaning of the preferences: window geometry and font size for a given screen.
#pragma once

#include "storage/settings.h"

namespace xs {

// The system font class from the screen's logical pixels per inch.
enum class TFontClass { Regular, Large, ExtraLarge };
TFontClass FontClassForDpi(int logicalDpi);  // up to 96, 97..120, above 120

struct TScreenMetrics {
    int Width = 0;         // full screen
    int Height = 0;        // full screen
    int UsableHeight = 0;  // UsableScreenHeight: less the task bar when it stays on top
    TFontClass FontClass = TFontClass::Regular;
};

struct TWindowRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// Geometry from the stored fields, kept on screen; adjusts settings.FontSize to the width.
TWindowRect RestoreWindow(TSettings& settings, const TScreenMetrics& screen);
// A standard size for the screen, centred; sets settings.FontSize to suit it.
TWindowRect DefaultWindow(TSettings& settings, const TScreenMetrics& screen);

// A font as the program names it: face and size in points.
struct TFontSpec {
    const char* Face = "MS Sans Serif";
    int Points = 10;
    bool Bold = false;
};

struct TProgramFonts {
    TFontSpec General{"MS Sans Serif", 10, false};  // GeneralFont
    TFontSpec Small{"MS Sans Serif", 8, false};     // SmallFont
};

// Sets both fonts from FontSize 1..3; any other value leaves them unchanged.
void ApplyFontSize(int fontSize, TProgramFonts& fonts);

// The print colour scheme 1..4; any other stored value becomes 2, in the settings as well.
int CheckedPrintColors(TSettings& settings);

}  // namespace xs
