// Where the create screen's parts go, and the drawing of its puzzle list; plain numbers and the
// drawing surface, no widgets.
#pragma once

#include <array>
#include <functional>

#include "platform/canvas.h"
#include "solve/chooser.h"

namespace xs {

// Measured in the screen's font.
struct TCreateMetrics {
    int LineHeight = 16;     // one line of text
    int ButtonHeight = 25;   // a push button
    int LabelWidth = 80;     // the widest row caption of the creation panel
    int RadioIndent = 20;    // a radio button's width beyond its caption
    int SizeTextWidth = 50;  // the widest size caption ("12 x 20")
};

// Rectangles of panels are in PanelMain; those of controls in their own panel.
struct TCreateLayout {
    int ColWidth = 0;  // sgPuzzles
    int RowHeight = 0;
    TRect Puzzles;

    TRect PanelCreate;
    TRect CreateTitle;                  // lblCreateInstruct1
    TRect CreateInstruct;               // lblCreateInstruct2
    std::array<TRect, 5> StarPanels;    // Panel1Create .. Panel5Create
    TRect StarCaption;                  // in a star panel
    TRect Spin;                         // spn1Create .. spn5Create, in their star panel
    TRect TotalTitle;                   // over the total column
    TRect ToCreateLabel;                // lblFour
    TRect ExistingLabel;                // lblFive
    TRect SizeLabel;                    // lblSize
    std::array<TRect, 6> CreateCounts;  // PanelCreateT, PanelCreate1 .. PanelCreate5
    std::array<TRect, 6> ExistCounts;   // PanelExistT, PanelExist1 .. PanelExist5
    TRect RoomNote;                     // lblRoom, under the counters
    std::array<TRect, 4> SizeRadios;    // by size code: rbSmall, rbMedium, rbLarge, rbMini
    TRect CreateButton;                 // bnCreate

    TRect PanelDelete;
    TRect DeleteTitle;                  // lblDeleteInstruct1
    std::array<TRect, 3> DeleteLines;   // the three instruction lines
    std::array<TRect, 5> SelectPanels;  // Panel1Delete .. Panel5Delete
    TRect SelectButton;                 // bnSelect1 .. bnSelect5, in their panel
    TRect SelectAll;                    // bnSelectT
    TRect Clear;                        // bnClear
    TRect Delete;                       // bnDelete
    TRect PrintOptions;                 // bnPrintOptions

    TRect Processing;  // PanelProcessing, in PanelDelete: it covers the panel during a batch
    TRect Process;     // bnProcess
    TRect Stop;        // bnStop
};

// The screen's PanelMain of width x height.
TCreateLayout LayoutCreate(int width, int height, const TCreateMetrics& metrics);

// Draws the 100 cells of a puzzle list with the given column width and row height. When a
// number does not fit at the current font level the level drops and the whole list is drawn
// again, so every cell ends in the same font.
void DrawPuzzleList(TCanvas& canvas, const std::function<TListCell(int slot)>& cellOf, int colWidth,
                    int rowHeight, int& fontLevel, TColor face);

}  // namespace xs
