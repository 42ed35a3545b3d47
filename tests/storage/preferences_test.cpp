// Window geometry and font size from the stored preferences, for every kind of screen.
#include "storage/preferences.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace xs {
namespace {

constexpr TFontClass R = TFontClass::Regular;
constexpr TFontClass L = TFontClass::Large;
constexpr TFontClass XL = TFontClass::ExtraLarge;

TSettings Stored(int height, int width, int top, int left, int fontSize) {
    TSettings s;
    std::memset(&s, 0, sizeof s);
    s.WindowHeight = height;
    s.WindowWidth = width;
    s.WindowTop = top;
    s.WindowLeft = left;
    s.FontSize = fontSize;
    return s;
}

TEST(Preferences, FontClassFromLogicalPixelsPerInch) {
    const std::pair<int, TFontClass> cases[] = {{72, R},  {96, R},   {97, L},
                                                {120, L}, {121, XL}, {192, XL}};
    for (const auto& [dpi, expected] : cases) EXPECT_EQ(FontClassForDpi(dpi), expected) << dpi;
}

TEST(Preferences, RestoreWindowKeepsTheWindowUsableAndFitsTheFont) {
    struct Case {
        const char* what;
        int height, width, top, left, font;  // stored
        TScreenMetrics screen;
        TWindowRect expected;
        int expectedFont;
    };
    const TScreenMetrics wide{1280, 1024, 994, R};
    const Case cases[] = {
        {"too small grows to 600 x 800", 500, 700, 10, 10, 2, wide, {10, 10, 800, 600}, 2},
        {"wider than the screen", 700, 1600, 0, 0, 2, wide, {0, 0, 1280, 700}, 2},
        {"taller than the usable height", 1000, 900, 0, 0, 2, wide, {0, 0, 900, 994}, 2},
        {"off the right edge moves left", 700, 700, 0, 1000, 2, wide, {480, 0, 800, 700}, 2},
        {"off the bottom moves up", 700, 900, 900, 0, 2, wide, {0, 324, 900, 700}, 2},
        {"negative top and left are kept", 700, 900, -40, -300, 2, wide, {-300, -40, 900, 700}, 2},
        {"extreme stored values",
         INT_MAX,
         INT_MAX,
         INT_MAX,
         INT_MIN,
         2,
         wide,
         {INT_MIN, 30, 1280, 994},
         2},
        {"regular: narrow drops 3 to 2", 700, 999, 0, 0, 3, wide, {0, 0, 999, 700}, 2},
        {"regular: 1000 keeps 3", 700, 1000, 0, 0, 3, wide, {0, 0, 1000, 700}, 3},
        {"regular: 2 is kept when narrow", 700, 800, 0, 0, 2, wide, {0, 0, 800, 700}, 2},
        {"large: 3 at 900 drops to 1",
         700,
         900,
         0,
         0,
         3,
         {1280, 1024, 994, L},
         {0, 0, 900, 700},
         1},
        {"large: 3 at 1100 drops to 2",
         700,
         1100,
         0,
         0,
         3,
         {1280, 1024, 994, L},
         {0, 0, 1100, 700},
         2},
        {"large: 3 at 1260 is kept",
         700,
         1260,
         0,
         0,
         3,
         {1280, 1024, 994, L},
         {0, 0, 1260, 700},
         3},
        {"large: 2 at 999 drops to 1",
         700,
         999,
         0,
         0,
         2,
         {1280, 1024, 994, L},
         {0, 0, 999, 700},
         1},
        {"extra large: 3 at 1260 drops to 2",
         700,
         1260,
         0,
         0,
         3,
         {1280, 1024, 994, XL},
         {0, 0, 1260, 700},
         2},
        {"extra large: 3 at 800 stops at 2",
         700,
         800,
         0,
         0,
         3,
         {1280, 1024, 994, XL},
         {0, 0, 800, 700},
         2},
        {"extra large: 2 at 1259 drops to 1",
         700,
         1259,
         0,
         0,
         2,
         {1280, 1024, 994, XL},
         {0, 0, 1259, 700},
         1},
        {"extra large: 2 at 1260 is kept",
         700,
         1260,
         0,
         0,
         2,
         {1280, 1024, 994, XL},
         {0, 0, 1260, 700},
         2},
        {"a font size outside 1..3 is left alone",
         700,
         800,
         0,
         0,
         7,
         {1280, 1024, 994, L},
         {0, 0, 800, 700},
         7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSettings s = Stored(c.height, c.width, c.top, c.left, c.font);
        const TWindowRect w = RestoreWindow(s, c.screen);
        EXPECT_EQ(w.Left, c.expected.Left);
        EXPECT_EQ(w.Top, c.expected.Top);
        EXPECT_EQ(w.Width, c.expected.Width);
        EXPECT_EQ(w.Height, c.expected.Height);
        EXPECT_EQ(s.FontSize, c.expectedFont);
    }
}

TEST(Preferences, DefaultWindowPicksAStandardSizeCentred) {
    struct Case {
        const char* what;
        TScreenMetrics screen;
        TWindowRect expected;
        int expectedFont;
    };
    const Case cases[] = {
        {"1024 x 768, task bar on top", {1024, 768, 738, R}, {12, 24, 1000, 720}, 2},
        {"1280 x 1024 regular", {1280, 1024, 994, R}, {10, 32, 1260, 960}, 2},
        {"1280 x 1024 large", {1280, 1024, 994, L}, {10, 32, 1260, 960}, 2},
        {"1280 x 1024 extra large", {1280, 1024, 994, XL}, {10, 32, 1260, 960}, 2},
        {"usable height 959", {1280, 1024, 959, XL}, {140, 152, 1000, 720}, 1},
        {"usable height 959, large", {1280, 1024, 959, L}, {140, 152, 1000, 720}, 2},
        {"999 wide", {999, 1000, 1000, R}, {99, 200, 800, 600}, 2},
        {"usable height 719", {1100, 750, 719, L}, {150, 75, 800, 600}, 1},
        {"800 x 600 extra large", {800, 600, 570, XL}, {0, 0, 800, 600}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TSettings s = Stored(0, 0, 0, 0, 0);
        const TWindowRect w = DefaultWindow(s, c.screen);
        EXPECT_EQ(w.Left, c.expected.Left);
        EXPECT_EQ(w.Top, c.expected.Top);
        EXPECT_EQ(w.Width, c.expected.Width);
        EXPECT_EQ(w.Height, c.expected.Height);
        EXPECT_EQ(s.FontSize, c.expectedFont);
    }
}

TEST(Preferences, FontSizeSetsBothFontsOrLeavesThem) {
    struct Case {
        int fontSize;
        const char* generalFace;
        int generalPoints;
        const char* smallFace;
        int smallPoints;
    };
    const Case cases[] = {
        {1, "MS Sans Serif", 8, "Small Fonts", 6},
        {2, "MS Sans Serif", 10, "MS Sans Serif", 8},
        {3, "MS Sans Serif", 12, "MS Sans Serif", 10},
        {0, "Kept", 99, "Kept", 98},
        {4, "Kept", 99, "Kept", 98},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fontSize);
        TProgramFonts fonts;
        fonts.General = {"Kept", 99, false};
        fonts.Small = {"Kept", 98, false};
        ApplyFontSize(c.fontSize, fonts);
        EXPECT_STREQ(fonts.General.Face, c.generalFace);
        EXPECT_EQ(fonts.General.Points, c.generalPoints);
        EXPECT_STREQ(fonts.Small.Face, c.smallFace);
        EXPECT_EQ(fonts.Small.Points, c.smallPoints);
    }
}

TEST(Preferences, PrintColorsOutsideTheSchemesBecomeTwo) {
    const std::pair<int, int> cases[] = {{1, 1}, {4, 4}, {0, 2}, {5, 2}, {-1, 2}, {INT_MAX, 2}};
    for (const auto& [stored, expected] : cases) {
        TSettings s = Stored(0, 0, 0, 0, 0);
        s.PrintColors = stored;
        EXPECT_EQ(CheckedPrintColors(s), expected) << stored;
        EXPECT_EQ(s.PrintColors, expected) << stored;
    }
}

}  // namespace
}  // namespace xs
