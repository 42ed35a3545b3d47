// The colours the program draws and the texts it shows, each held against its literal value: a
// wrong RGB value or a typo in a message fails here, wherever the code keeps it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "hints/hint_pictures.h"
#include "manage/create_state.h"
#include "manage/print_render.h"
#include "manage/single_print.h"
#include "shell/main_state.h"
#include "shell/setup_state.h"
#include "solve/board_render.h"
#include "solve/chooser.h"
#include "solve/solve_state.h"
#include "storage/data_file.h"
#include "support/recording_canvas.h"
#include "support/sample_puzzles.h"
#include "support/scripted_messages.h"

namespace xs {
namespace {

using test::TCanvasCall;
using test::TCanvasOp;
using test::TRecordingCanvas;

// ---- Colours, as drawn

// The last call that wrote `text`.
TCanvasCall Text(const TRecordingCanvas& canvas, const std::string& text) {
    TCanvasCall found;
    for (const TCanvasCall& c : canvas.Calls) {
        if ((c.Op == TCanvasOp::TextOut || c.Op == TCanvasOp::TextRect) && c.Text == text)
            found = c;
    }
    return found;
}

// A clue square (column 1) with the across total 12, across selected when asked, and a White
// square (column 2) with digit 5 marked, or the entry 6, under the check marks given.
TRecordingCanvas Board(int col, int entryCheck = 0, int possibleCheck = 0, int entry = 0,
                       bool selected = false) {
    TPuzzleGrid grid{};
    grid.Sq[1][1] = TSquare{Black, {}, 12, 9, 2, 2, 0, {}};
    grid.Sq[1][2].Kind = White;
    grid.Sq[1][2].Possible[4] = 1;
    grid.Sq[1][2].Entry = static_cast<std::uint8_t>(entry);
    TCheckMarks checks;
    checks.EntryCheck[1][2] = entryCheck;
    checks.PossibleCheck[1][2] = possibleCheck;
    TSelectedRun run;
    if (selected) run.ClueRow = run.ClueCol = 1;
    TRecordingCanvas canvas;
    if (col == 0) {
        dgSmallDrawCell(canvas, grid, 2, 1, {0, 0, 20, 20});  // the chooser's preview
    } else {
        dgGridDrawCell(canvas, {&grid, &checks, &run, kHighlightOrange}, col, 1, {0, 0, 30, 30});
    }
    return canvas;
}

// A Large puzzle's box in the puzzle lists.
TRecordingCanvas ListCell(int level, bool selected = false) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t lastId = 0;
    const int slot = test::AddSamplePuzzle(*lib, lastId, TPuzzleSize::Large, level);
    TRecordingCanvas canvas;
    int fontLevel = kListFontTop;
    DrawListCell(canvas, ListCellRect(slot, 60, 30), ListCellFor(*lib, slot, selected), fontLevel,
                 TColor{0xF0F0F0});
    return canvas;
}

// A printed Mini puzzle (Id 1, first across total 3) in a colour scheme.
TRecordingCanvas Printed(int colors) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    std::int32_t lastId = 0;
    const int slot = test::AddSamplePuzzle(*lib, lastId, TPuzzleSize::Mini, 1);
    const TPrintPlan plan = SinglePuzzlePlan(TSinglePrint::PuzzleOnly);
    TRecordingCanvas canvas;
    RenderPage(canvas, {1100, 850, 1, 1}, {&plan, lib.get(), slot, nullptr, colors});
    return canvas;
}

// The hints screen's possible-values table with only the 1 possible: cell 0 or cell 1.
TRecordingCanvas ValuesCell(int col) {
    const std::uint8_t flags[10] = {0, 1};
    TRecordingCanvas canvas;
    dgValuesDrawCell(canvas, flags, col, 0, {0, 0, 40, 40});
    return canvas;
}

TEST(FixedColours, AsDrawn) {
    using enum TCanvasOp;
    struct TRow {
        std::string What;
        TColor Drawn;
        std::uint32_t Rgb;
    };
    std::vector<TRow> rows = {
        // The board: clue squares, check colours and the small numbers of the pads.
        {"clue square", Board(1).Of(Rectangle)[0].Brush, 0x000080},
        {"clue total", Text(Board(1), "12").TextColor, 0xFFFFFF},
        {"clue total's ground", Text(Board(1), "12").Brush, 0x000080},
        {"clue diagonal", Board(1).Of(Line)[0].Pen, 0xFFFFFF},
        {"clue highlight", kHighlightOrange, 0xF5A90A},
        {"selected clue total", Text(Board(1, 0, 0, 0, true), "12").TextColor, 0x000000},
        {"entry", Text(Board(2, 0, 0, 6), "6").TextColor, 0x000000},
        {"unchecked entry", Text(Board(2, 0, 0, 6), "6").Brush, 0xFFFFFF},
        {"wrong entry", Text(Board(2, 1, 0, 6), "6").Brush, 0xFF0000},
        {"right entry", Text(Board(2, 2, 0, 6), "6").Brush, 0xAAFFAA},
        {"marked digit", Text(Board(2), "5").TextColor, 0x0000FF},
        {"marked digit's cell", Text(Board(2), "5").Brush, 0xFFFF80},
        {"unmarked digit", Text(Board(2), "1").TextColor, 0xC0C0C0},
        {"unmarked digit's cell", Text(Board(2), "1").Brush, 0xFFFFFF},
        {"marks without the answer", Text(Board(2, 0, 1), "5").Brush, 0xFF0000},
        {"  their marked digit", Text(Board(2, 0, 1), "5").TextColor, 0x0000FF},
        {"  their unmarked digit", Text(Board(2, 0, 1), "1").TextColor, 0xFF0000},
        {"marks with the answer", Text(Board(2, 0, 2), "5").Brush, 0xAAFFAA},
        {"  their marked digit", Text(Board(2, 0, 2), "5").TextColor, 0x0000FF},
        {"  their unmarked digit", Text(Board(2, 0, 2), "1").TextColor, 0xAAFFAA},
        {"pad lines", Board(2).Of(Line)[0].Pen, 0xC0C0C0},
        {"square edges", Board(2).Of(Line).back().Pen, 0x000000},
        {"marked square in the preview", Board(0).Of(Rectangle)[0].Brush, 0xFFFFB0},
        // The puzzle lists: the selection.
        {"selected puzzle's frame", ListCell(3, true).Of(FrameRect).back().Pen, 0xFF0000},
        // The possible-values table of the hints screen.
        {"possible digit", ValuesCell(0).Of(Rectangle)[0].Brush, 0xFFFF00},
        {"impossible digit", ValuesCell(1).Of(Rectangle)[0].Brush, 0xFFFFFF},
        {"table outline", ValuesCell(0).Of(Rectangle)[0].Pen, 0x000000},
        {"table digits", ValuesCell(0).Of(TextOut)[0].TextColor, 0x000080},
    };
    // The star levels' boxes and numbers in the puzzle lists.
    const std::uint32_t stars[5][2] = {{0xFFFFFF, 0x000000},
                                       {0x9DCEFF, 0x000000},
                                       {0x00FFFF, 0x000000},
                                       {0x0000FF, 0xFFFFFF},
                                       {0x000080, 0xFFFFFF}};
    for (int level = 1; level <= 5; ++level) {
        const TCanvasCall box = ListCell(level).Of(TextRect)[0];
        const std::string star = std::to_string(level) + " star";
        rows.push_back({star, box.Brush, stars[level - 1][0]});
        rows.push_back({star + " text", box.TextColor, stars[level - 1][1]});
    }
    // Printed pages: grid lines, black squares and clue totals of the four schemes; black
    // squares' outlines and the frame are grey, page and header as on paper.
    const std::uint32_t schemes[4][3] = {{0x000000, 0x000000, 0xFFFFFF},
                                         {0x808080, 0x808080, 0xFFFFFF},
                                         {0x808080, 0x808080, 0x000000},
                                         {0xC0C0C0, 0xC0C0C0, 0x000000}};
    for (int scheme = 1; scheme <= 4; ++scheme) {
        const TRecordingCanvas page = Printed(scheme);
        const std::string name = "scheme " + std::to_string(scheme);
        const auto& rgb = schemes[scheme - 1];
        rows.push_back({name + " grid lines", page.Of(Line)[0].Pen, rgb[0]});
        rows.push_back({name + " black squares", page.Of(Rectangle)[1].Brush, rgb[1]});
        rows.push_back({name + " clue totals", Text(page, "3").TextColor, rgb[2]});
        rows.push_back({name + " black square outline", page.Of(Rectangle).back().Pen, 0x808080});
        rows.push_back({name + " frame", page.Of(Line).back().Pen, 0x808080});
        rows.push_back({name + " page", page.Of(Rectangle)[0].Brush, 0xFFFFFF});
        rows.push_back({name + " header", Text(page, "Puzzle Id : 1").TextColor, 0x000000});
    }
    for (const TRow& row : rows) {
        char drawn[8];
        char expected[8];
        std::snprintf(drawn, sizeof drawn, "%06X", row.Drawn.Rgb);
        std::snprintf(expected, sizeof expected, "%06X", row.Rgb);
        EXPECT_STREQ(drawn, expected) << row.What;
    }
}

// ---- Messages, as shown

std::string Joined(const TOptionTexts& options) {
    return options[0] + " | " + options[1];
}

// What a command of the solving page asks on a board with one entry; with `options`, the
// options it offers instead.
template <typename TCommand>
std::string SolvingPageAsks(TCommand command, bool options = false) {
    auto lib = std::make_unique<TPuzzleLibrary>();
    auto work = std::make_unique<TWorkingCopy>();
    std::int32_t lastId = 0;
    work->CurrentSlot = test::AddSamplePuzzle(*lib, lastId, TPuzzleSize::Mini, 1);
    test::TScriptedMessages messages;
    TSolveState state(*lib, *work, messages);
    state.bnSolveClick();
    state.dgGridMouseDown(40, 40, TMouseButton::Left, 30);
    messages.Answers = {kResultCancel};
    command(state);
    const auto& shown = options ? messages.Offered : messages.Shown;
    return shown.empty() ? "" : shown[0];
}

std::string PrintChoiceOffered() {
    auto work = std::make_unique<TWorkingCopy>();
    TSettings settings{};
    test::TScriptedMessages messages;
    messages.Answers = {kResultCancel};
    AskSinglePrint(messages, *work, settings);
    return messages.Offered.empty() ? "" : messages.Offered[0];
}

TEST(FixedMessages, AsShown) {
    const std::string ask = "\n\rPress 'Cancel' to cancel the request.";
    const std::string needs = "Your current screen size is not big enough for '";
    const auto returnClick = [](TSolveState& s) { s.bnReturnClick(); };
    const std::pair<std::string, std::string> rows[] = {
        {SolvingPageAsks([](TSolveState& s) { s.bnFillClick(); }),
         "Press 'O.K.' to fill the answers in this puzzle" + ask},
        {SolvingPageAsks([](TSolveState& s) { s.bnClearClick(); }),
         "Press 'O.K.' to clear all answers from this puzzle" + ask},
        {SolvingPageAsks([](TSolveState& s) { s.bnSaveClick(true); }),
         "Press 'O.K.' to save the current state of this puzzle." + ask},
        {SolvingPageAsks([](TSolveState& s) { s.bnResetClick(true); }),
         "Press 'O.K.' to reset this puzzle to its last saved version." + ask},
        {SolvingPageAsks(returnClick), "You have made changes since your last save."},
        {SolvingPageAsks(returnClick, true),
         "Save this puzzle with your latest changes | Cancel the changes"},
        {kUnsavedChangesText, "You have made changes since your last save."},
        {Joined(kUnsavedChangesOptions),
         "Save this puzzle with your latest changes | Cancel the changes"},
        {PrintChoiceOffered(),
         "Print the puzzle only | Print the puzzle + answer on a single page | Print the puzzle + "
         "answer on separate pages"},
        {DeleteQuestionText(3),
         "You have selected 3 puzzles to delete.\n\r\n\rPress 'O.K.' to delete the puzzles" + ask},
        {kStopQuestionText,
         "Do you wish to stop the puzzle creation process ?\n\r\n\rPress 'O.K.' to stop puzzle "
         "creation.\n\rPress 'Cancel' to continue.\"\n\r"},
        {kDataFileOpenError,
         "Error occurred while writing the preferences file.\n\r\n\rPlease read the Frequently "
         "Asked Questions (FAQ) in the help file for more information."},
        {kDataFileWriteError, "Error occurred while writing the preferences file."},
        {kExtraLargeFontsText,
         "Your computer font size is set at extra large fonts.\n\r\n\rThe program is optimized "
         "for regular and large fonts.\n\r\n\rAll text will be easily readable, but using this "
         "font size may result in some characters being truncated at the bottom of the text."},
        {kMinimumWidthText,
         "You have reached the minimum screen width for your current font size."},
        {kMinimumHeightText,
         "You have reached the minimum screen height for your current font size."},
        {kBiggerConflictText, "Large fonts are not available with the selected screen size."},
        {Joined(kBiggerConflictOptions),
         "Set the font size to 'Nominal fonts' | Cancel the request to change the screen size."},
        {kNominalConflictText, "Nominal fonts are not available with the selected screen size."},
        {Joined(kNominalConflictOptions),
         "Set the font size to 'Small fonts' | Cancel the request to change the screen size."},
        {kSizeTooBigText,
         "Size selected is bigger than your screen setup parameters.\n\rResetting to maximum "
         "size allowable."},
        {kNominalNeeds1260Text, needs + "Nominal fonts.'\n\r\n\rPlease set your screen size to "
                                        "at least 1260 by 960 for 'Nominal Fonts'"},
        {kBiggerNeeds1260Text, needs + "Bigger fonts.'\n\r\n\rPlease set your screen size to at "
                                       "least 1260 by 960 for 'Bigger Fonts'"},
        {kNominalNeeds1000Text, needs + "Nominal fonts.'\n\r\n\rPlease set your screen size to "
                                        "at least 1000 by 720 for 'Nominal Fonts'"},
        {kBiggerNeeds1000Text, needs + "Bigger fonts.'\n\r\n\rPlease set your screen size to at "
                                       "least 1000 by 720 for 'Bigger Fonts'"},
    };
    for (const auto& [shown, text] : rows) EXPECT_EQ(shown, text);
}

}  // namespace
}  // namespace xs
