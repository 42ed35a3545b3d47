// The create screen's layout numbers and the drawing of its puzzle list.
#include "manage/create_layout.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace xs {

namespace {

constexpr int kMargin = 10;  // around the list and between the panels
constexpr int kPad = 8;      // inside a panel
constexpr int kMaxRowHeight = 40;

TRect At(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// Tops of rows of the given heights, stacked in `height` with equal gaps above, between and
// below them (at least 2 pixels).
std::vector<int> Spread(int height, std::initializer_list<int> rows) {
    int used = 0;
    for (int h : rows) used += h;
    const int count = static_cast<int>(rows.size());
    const int gap = std::max(2, (height - used) / (count + 1));
    std::vector<int> tops;
    int top = gap;
    for (int h : rows) {
        tops.push_back(top);
        top += h + gap;
    }
    return tops;
}

}  // namespace

TCreateLayout LayoutCreate(int width, int height, const TCreateMetrics& m) {
    TCreateLayout l;
    const int third = (width - 30) / 3;
    l.ColWidth = std::max(0, (third - 6) / 5);
    l.RowHeight = std::clamp((height - 51) / 20, 0, kMaxRowHeight);
    const int gridHeight = 20 * l.RowHeight + 21;
    l.Puzzles = At(kMargin, (height - gridHeight) / 2, 5 * l.ColWidth + 6, gridHeight);

    // The two panels share the list's height on its right, the creation panel taking more.
    const int line = m.LineHeight + 4;
    const int button = m.ButtonHeight;
    const int starRow = button + 6;
    const int createNeeds = 2 * kPad + 3 * line + starRow + 4 * line + 4 + button;
    const int deleteNeeds = 2 * kPad + 4 * line + starRow + button;
    const int panelsLeft = l.Puzzles.Right + kMargin;
    const int panelsWidth = 2 * third;
    const int available = std::max(createNeeds + deleteNeeds, gridHeight - kMargin);
    const int spare = available - createNeeds - deleteNeeds;
    const int createHeight = createNeeds + spare * 3 / 5;
    l.PanelCreate = At(panelsLeft, l.Puzzles.Top, panelsWidth, createHeight);
    l.PanelDelete =
        At(panelsLeft, l.PanelCreate.Bottom + kMargin, panelsWidth, available - createHeight);

    // Creation panel: a caption column, then five star columns and the total.
    {
        const int w = panelsWidth;
        const int h = createHeight;
        // The title and its instruction stand together, as one paragraph.
        // The note on the library's room stands right under the counters it speaks of.
        const int noteGap = 4;
        const std::vector<int> t =
            Spread(h, {2 * line, starRow, line, 2 * line + noteGap, line, button});
        const int top[8] = {t[0], t[0] + line, t[1], t[2], t[3], t[4], t[5], t[3] + line + noteGap};
        l.CreateTitle = At(kPad, top[0], w - 2 * kPad, line);
        l.CreateInstruct = At(kPad, top[1], w - 2 * kPad, line);
        const int captionWidth = m.LabelWidth + kPad;
        const int columnsLeft = kPad + captionWidth;
        const int columnsWidth = std::max(0, w - kPad - columnsLeft);
        const int column = columnsWidth / 6;
        const auto columnAt = [&](int i, int rowTop, int rowHeight) {
            return At(columnsLeft + i * column + 2, rowTop, std::max(0, column - 4), rowHeight);
        };
        for (int level = 1; level <= 5; ++level)
            l.StarPanels[level - 1] = columnAt(level - 1, top[2], starRow);
        const int starWidth = std::max(0, column - 4);
        const int spinWidth = std::min(18, starWidth / 3);
        l.Spin = At(starWidth - spinWidth - 3, 3, spinWidth, std::max(0, starRow - 6));
        l.StarCaption = At(3, 0, std::max(0, l.Spin.Left - 3), starRow);
        l.TotalTitle = columnAt(5, top[2], starRow);

        l.ToCreateLabel = At(kPad, top[3], captionWidth, line);
        l.ExistingLabel = At(kPad, top[4], captionWidth, line);
        l.SizeLabel = At(kPad, top[5], captionWidth, line);
        for (int level = 1; level <= 5; ++level) {
            l.CreateCounts[level] = columnAt(level - 1, top[3], line);
            l.ExistCounts[level] = columnAt(level - 1, top[4], line);
        }
        l.CreateCounts[0] = columnAt(5, top[3], line);
        l.ExistCounts[0] = columnAt(5, top[4], line);
        l.RoomNote = At(kPad, top[7], w - 2 * kPad, line);

        // Smallest size first: Mini, Small, Medium, Large; each radio centred in a quarter.
        const int quarter = columnsWidth / 4;
        const int radioWidth = std::min(quarter, m.SizeTextWidth + m.RadioIndent);
        const int order[4] = {3, 0, 1, 2};
        for (int i = 0; i < 4; ++i) {
            l.SizeRadios[order[i]] = At(columnsLeft + i * quarter + (quarter - radioWidth) / 2,
                                        top[5], radioWidth, line);
        }
        const int createWidth = std::min(w - 2 * kPad, std::max(2 * column, 140));
        l.CreateButton = At((w - createWidth) / 2, top[6], createWidth, button);
    }

    // Delete panel: title, three lines, the selection buttons, then the commands.
    {
        const int w = panelsWidth;
        const int h = l.PanelDelete.Height();
        const std::vector<int> t = Spread(h, {line, 3 * line, starRow, button});
        const int top[6] = {t[0], t[1], t[1] + line, t[1] + 2 * line, t[2], t[3]};
        l.DeleteTitle = At(kPad, top[0], w - 2 * kPad, line);
        for (int i = 0; i < 3; ++i) l.DeleteLines[i] = At(kPad, top[1 + i], w - 2 * kPad, line);
        const int column = std::max(0, (w - 2 * kPad) / 6);
        for (int level = 1; level <= 5; ++level)
            l.SelectPanels[level - 1] =
                At(kPad + (level - 1) * column + 2, top[4], std::max(0, column - 4), starRow);
        l.SelectButton = At(3, 3, std::max(0, column - 10), button);
        l.SelectAll = At(kPad + 5 * column + 5, top[4] + 3, std::max(0, column - 10), button);
        const int third3 = std::max(0, (w - 2 * kPad) / 3);
        l.Clear = At(kPad + 4, top[5], std::max(0, third3 - 8), button);
        l.Delete = At(kPad + third3 + 4, top[5], std::max(0, third3 - 8), button);
        l.PrintOptions = At(kPad + 2 * third3 + 4, top[5], std::max(0, third3 - 8), button);

        l.Processing = At(0, 0, w, h);
        const std::vector<int> rows = Spread(h, {2 * button, button});
        const int processWidth = std::max(0, w * 2 / 3);
        const int stopWidth = std::max(0, w / 2);
        l.Process = At((w - processWidth) / 2, rows[0], processWidth, 2 * button);
        l.Stop = At((w - stopWidth) / 2, rows[1], stopWidth, button);
    }
    return l;
}

void DrawPuzzleList(TCanvas& canvas, const std::function<TListCell(int slot)>& cellOf, int colWidth,
                    int rowHeight, int& fontLevel, TColor face) {
    bool again = true;
    while (again) {
        again = false;
        for (int slot = 1; slot <= kListColumns * kListRows && !again; ++slot) {
            const TRect cell = ListCellRect(slot, colWidth, rowHeight);
            const int level = fontLevel;
            // Only a lower level starts over, so the drawing ends at level 1 at the latest.
            again = !DrawListCell(canvas, cell, cellOf(slot), fontLevel, face) && fontLevel < level;
        }
    }
}

}  // namespace xs
