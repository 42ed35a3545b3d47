// A place and size on screen as the shell's layouts compute them: windows, screens, controls.
#pragma once

namespace xs {

// Left and Top are the top-left corner; Right() and Bottom() are just outside the area, as in
// the canvas's TRect, which names an area by its corners instead.
struct TBounds {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    constexpr int Right() const { return Left + Width; }
    constexpr int Bottom() const { return Top + Height; }
    friend constexpr bool operator==(const TBounds&, const TBounds&) = default;
};

}  // namespace xs
