// Window geometry and font size from the stored preferences and the screen.
#include "storage/preferences.h"

#include <algorithm>
#include <cstdint>

namespace xs {

namespace {

constexpr int kMinWindowHeight = 600;
constexpr int kMinWindowWidth = 800;

// Keeps a window edge on screen. Stored values come from the file and may be anything, so the
// sum is formed in 64 bits; a result that no longer fits is clamped to the screen's far edge.
int KeepOnScreen(std::int32_t start, int length, int screenLength) {
    const std::int64_t end = std::int64_t{start} + length;
    if (end > screenLength) return screenLength - length;
    return start;
}

}  // namespace

TFontClass FontClassForDpi(int logicalDpi) {
    if (logicalDpi <= 96) return TFontClass::Regular;
    if (logicalDpi <= 120) return TFontClass::Large;
    return TFontClass::ExtraLarge;
}

TWindowRect RestoreWindow(TSettings& settings, const TScreenMetrics& screen) {
    TWindowRect w;
    w.Height = settings.WindowHeight < kMinWindowHeight
                   ? kMinWindowHeight
                   : std::min<int>(settings.WindowHeight, screen.UsableHeight);
    w.Width = settings.WindowWidth < kMinWindowWidth
                  ? kMinWindowWidth
                  : std::min<int>(settings.WindowWidth, screen.Width);
    // A negative top or left is kept: it can be a screen to the left of or above this one.
    w.Top = KeepOnScreen(settings.WindowTop, w.Height, screen.Height);
    w.Left = KeepOnScreen(settings.WindowLeft, w.Width, screen.Width);

    std::int32_t& font = settings.FontSize;
    switch (screen.FontClass) {
        case TFontClass::ExtraLarge:
            if (font == 3) {
                font = 2;
            } else if (w.Width < 1260 && font == 2) {
                font = 1;
            }
            break;
        case TFontClass::Large:
            if (w.Width < 1260 && font == 3) font = 2;
            if (w.Width < 1000 && font == 2) font = 1;
            break;
        case TFontClass::Regular:
            if (w.Width < 1000 && font == 3) font = 2;
            break;
    }
    return w;
}

TWindowRect DefaultWindow(TSettings& settings, const TScreenMetrics& screen) {
    TWindowRect w;
    if (screen.Width >= 1260 && screen.UsableHeight >= 960) {
        w.Width = 1260;
        w.Height = 960;
    } else if (screen.Width < 1000 || screen.UsableHeight < 720) {
        w.Width = 800;
        w.Height = 600;
    } else {
        w.Width = 1000;
        w.Height = 720;
    }
    switch (screen.FontClass) {
        case TFontClass::ExtraLarge:
            settings.FontSize = w.Width == 1260 ? 2 : 1;
            break;
        case TFontClass::Large:
            settings.FontSize = w.Width >= 1000 ? 2 : 1;
            break;
        case TFontClass::Regular:
            settings.FontSize = 2;
            break;
    }
    w.Top = (screen.Height - w.Height) / 2;
    w.Left = (screen.Width - w.Width) / 2;
    return w;
}

void ApplyFontSize(int fontSize, TProgramFonts& fonts) {
    switch (fontSize) {
        case 1:
            fonts.General = {"MS Sans Serif", 8, false};
            fonts.Small = {"Small Fonts", 6, false};
            break;
        case 2:
            fonts.General = {"MS Sans Serif", 10, false};
            fonts.Small = {"MS Sans Serif", 8, false};
            break;
        case 3:
            fonts.General = {"MS Sans Serif", 12, false};
            fonts.Small = {"MS Sans Serif", 10, false};
            break;
        default:
            break;
    }
}

int CheckedPrintColors(TSettings& settings) {
    if (settings.PrintColors < 1 || settings.PrintColors > 4) settings.PrintColors = 2;
    return settings.PrintColors;
}

}  // namespace xs
