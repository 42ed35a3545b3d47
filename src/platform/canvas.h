// The one drawing surface: board squares, previews, printed pages and hint pictures draw here.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace xs {

// A colour written as 0xRRGGBB.
struct TColor {
    std::uint32_t Rgb = 0;
    constexpr int Red() const { return static_cast<int>((Rgb >> 16) & 0xFF); }
    constexpr int Green() const { return static_cast<int>((Rgb >> 8) & 0xFF); }
    constexpr int Blue() const { return static_cast<int>(Rgb & 0xFF); }
    friend constexpr bool operator==(TColor, TColor) = default;
};

constexpr TColor kBlack{0x000000};
constexpr TColor kWhite{0xFFFFFF};
constexpr TColor kNavy{0x000080};
constexpr TColor kYellow{0xFFFF00};
constexpr TColor kRed{0xFF0000};
constexpr TColor kBlue{0x0000FF};
constexpr TColor kGray{0x808080};
constexpr TColor kSilver{0xC0C0C0};

struct TPoint {
    int X = 0;
    int Y = 0;
    friend constexpr bool operator==(TPoint, TPoint) = default;
};

// Left and Top are inside the rectangle, Right and Bottom just outside it.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

// Coordinates are device pixels; font sizes are points, so the same drawing code serves the
// screen and the printer page. The pen draws lines and outlines, the brush fills shapes and
// the background of opaque text.
class TCanvas {
public:
    virtual ~TCanvas() = default;

    virtual void SetPen(TColor color, int width = 1) = 0;
    virtual void SetBrush(TColor color) = 0;
    // Shapes are then drawn unfilled and text without background.
    virtual void ClearBrush() = 0;
    // `face` is one of the names the program uses ("MS Sans Serif", "Arial", "Arial Narrow",
    // "Small Fonts", "Ariel"); the platform maps it to an installed family.
    virtual void SetFont(std::string_view face, int points, bool bold) = 0;
    virtual void SetTextColor(TColor color) = 0;

    // Text is UTF-8 and drawn on one line.
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;

    // Text with its top-left corner at (x, y), on the brush colour unless the brush is cleared.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // Fills `clip` with the brush (unless cleared), then draws the text at (x, y), cut off at
    // the edges of `clip`.
    virtual void TextRect(const TRect& clip, int x, int y, std::string_view text) = 0;

    // The brush colour over the whole rectangle, no outline; nothing when the brush is cleared.
    virtual void FillRect(const TRect& rect) = 0;
    // A one-pixel outline just inside the rectangle, in the pen colour.
    virtual void FrameRect(const TRect& rect) = 0;
    // Outline with the pen and inside with the brush.
    virtual void Rectangle(const TRect& rect) = 0;
    // Both end points are drawn.
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    // Closed; outlined with the pen and filled with the brush.
    virtual void Polygon(std::span<const TPoint> points) = 0;
};

}  // namespace xs
