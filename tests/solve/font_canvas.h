// A recording canvas whose text sizes follow the font size, for tests of font fitting.
#pragma once

#include <string_view>

#include "support/recording_canvas.h"

namespace xs::test {

// A line is the point size + 3 pixels high; a character is CharPerPoint[points] pixels wide,
// narrow faces one less.
class TFontSizedCanvas : public TRecordingCanvas {
public:
    void SetFont(std::string_view face, int points, bool bold) override {
        Points = points;
        Narrow = face == "Arial Narrow" || face == "Small Fonts";
        TRecordingCanvas::SetFont(face, points, bold);
    }
    int TextWidth(std::string_view text) override {
        const int perChar = Points * 7 / 10 - (Narrow ? 1 : 0);
        return perChar * static_cast<int>(text.size());
    }
    int TextHeight(std::string_view) override { return Points + 3; }

    int Points = 10;
    bool Narrow = false;
};

}  // namespace xs::test
