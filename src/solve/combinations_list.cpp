// The combinations strip and the values strip as data.
#include "solve/combinations_list.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "model/combinations.h"

namespace xs {

namespace {

void CopyText(char (&to)[kComboTextSize], std::string_view text) {
    const std::size_t n = std::min(text.size(), sizeof to - 1);
    std::memcpy(to, text.data(), n);
    to[n] = '\0';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

void ShowCombinations(const TSelectedRun& run, TComboList& list) {
    list = TComboList{};
    if (run.RunSquares <= 0) return;
    const int n = run.RunSquares;
    CopyText(list.Label1, "Combinations ");
    std::snprintf(list.Label2, sizeof list.Label2,
                  "for %d in %d : ", static_cast<int>(run.RunTotal), n);

    std::string_view text = CombinationText(n, run.RunTotal);
    while (!text.empty() && list.ComboCount < kMaxCombos) {
        const std::size_t cut = text.find('/');
        const std::string_view piece = Trim(text.substr(0, cut));
        text = cut == std::string_view::npos ? std::string_view{} : text.substr(cut + 1);
        if (piece.empty()) continue;
        bool possible = true;
        for (int d = 1; d <= 9; ++d)
            if (run.Placed[d] == 1 && piece.find(static_cast<char>('0' + d)) == piece.npos)
                possible = false;
        char* out = list.ComboTexts[list.ComboCount++];
        out[0] = possible ? '+' : '-';
        const std::size_t len =
            std::min(piece.size(), static_cast<std::size_t>(kComboTextSize - 2));
        std::memcpy(out + 1, piece.data(), len);
        out[len + 1] = '\0';
    }

    if (list.ComboCount >= 1) {
        std::string_view widest = "   9,9,9,9,9,9,9,9,9";
        CopyText(list.TestText,
                 widest.substr(0, 4 + 2 * static_cast<std::size_t>(std::min(n, 9) - 1)));
    }
}

TComboStripLayout LayoutCombinations(const TComboList& list, const TComboStripInput& strip,
                                     TCanvas& canvas, std::string_view face, int points) {
    canvas.SetFont(face, points, false);
    const int count = std::clamp<int>(list.ComboCount, 0, kMaxCombos);
    const int w1 = canvas.TextWidth(list.Label1);
    const int w2 = canvas.TextWidth(list.Label2);
    const int lineH = canvas.TextHeight(list.Label1);
    const int boxW = canvas.TextWidth(list.TestText);
    const int boxH = canvas.TextHeight(list.TestText) + kComboBoxPadding;

    TComboStripLayout out;
    if (!strip.AtSide) {
        const int room = strip.Width - strip.ButtonWidth - w1 - w2;
        int gap = (room - count * boxW) / (count + 2);
        out.Fits = gap >= 2;
        gap = std::min(gap, 10);
        const int margin = (room - count * boxW - count * gap) / 2;
        const int top = (strip.Height - boxH) / 2;
        int x = strip.ButtonWidth + margin;
        out.Label1 = {x, top, x + w1, top + lineH};
        x += w1;
        out.Label2 = {x, top, x + w2, top + lineH};
        x += w2;
        for (int i = 0; i < count; ++i) {
            x += gap;
            out.Boxes[i] = {x, top, x + boxW, top + boxH};
            x += boxW;
        }
        return out;
    }

    const int left = (strip.Width - boxW) / 2;
    out.Fits = left >= 2;
    const int room = strip.Height - strip.ButtonHeight - 2 * lineH - count * boxH;
    const int gap = std::min(room / (count + 3), 10);
    const int margin = (room - (count + 1) * gap) / 2;
    int y = strip.ButtonHeight + margin;
    const int left1 = (strip.Width - w1) / 2;
    const int left2 = (strip.Width - w2) / 2;
    out.Label1 = {left1, y, left1 + w1, y + lineH};
    y += lineH + gap;
    out.Label2 = {left2, y, left2 + w2, y + lineH};
    y += lineH;
    for (int i = 0; i < count; ++i) {
        y += gap;
        out.Boxes[i] = {left, y, left + boxW, y + boxH};
        y += boxH;
    }
    return out;
}

TComboFit FitCombinations(const TComboList& list, const TComboStripInput& strip, TCanvas& canvas,
                          std::string_view face, int points) {
    TComboFit fit{face, points, LayoutCombinations(list, strip, canvas, face, points)};
    if (fit.Layout.Fits) return fit;
    fit.Face = "Arial Narrow";
    for (;;) {
        fit.Layout = LayoutCombinations(list, strip, canvas, fit.Face, fit.Points);
        if (fit.Layout.Fits || fit.Points < 5) return fit;
        fit.Points -= 1;
        if (fit.Points < 8) fit.Face = "Small Fonts";
    }
}

void TValuesStrip::spnTotalUpClick() {
    if (Total < 45) ++Total;
    UpdateValues();
}

void TValuesStrip::spnTotalDownClick() {
    if (Total > 3) --Total;
    UpdateValues();
}

void TValuesStrip::spnSquaresUpClick() {
    if (Squares < 9) ++Squares;
    UpdateValues();
}

void TValuesStrip::spnSquaresDownClick() {
    if (Squares > 2) --Squares;
    UpdateValues();
}

void TValuesStrip::UpdateValues() {
    std::uint8_t flags[10] = {};
    std::int32_t error = 0;
    LookupPossibleDigits(Squares, Total, flags, error);
    Valid = error == 0 && std::any_of(flags + 1, flags + 10, [](std::uint8_t f) { return f != 0; });
    if (Valid) std::copy(std::begin(flags), std::end(flags), std::begin(ValueFlags));
}

}  // namespace xs
