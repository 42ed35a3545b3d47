// The print panel's state and layout numbers: print sizes and colour scheme kept in the
// preferences, the page plan of the selection, the previewed page. No widgets here.
#pragma once

#include <array>
#include <string>

#include "manage/print_plan.h"
#include "manage/print_render.h"
#include "storage/settings.h"

namespace xs {

// The four check boxes: cbPuzzles1, cbPuzzles2, cbAnswers1, cbAnswers2.
enum class TPrintBox { Puzzles1 = 0, Puzzles2, Answers1, Answers2 };

class TPrintPanelState {
public:
    TPrintPanelState(TSettings& settings, const TPuzzleLibrary& library);

    // bnPrintOptions: the boxes from the preferences (the large puzzles when neither puzzles nor
    // answers are chosen), the plan of `selected`, page 1.
    void Open(const TSelection& selected);
    // A check box clicked to `checked`: its partner clears, the choice is stored, page 1.
    void BoxClick(TPrintBox box, bool checked);
    // A colour picture or radio button 1..4.
    void ColorClick(int scheme);
    // The plan again from the same selection, back on page 1 (after printing or its cancel).
    void RefreshIt();
    // False when there is no page to move to.
    bool NextClick();
    bool PrevClick();

    bool Checked(TPrintBox box) const { return Boxes_[static_cast<int>(box)]; }
    int Colors() const { return Settings_.PrintColors; }
    // The preview, caption and page buttons show when a box is checked.
    bool PreviewVisible() const;
    bool NextEnabled() const { return Page_ < Plan_.PageCount; }
    bool PrevEnabled() const { return Page_ >= 2; }
    int Page() const { return Page_; }
    const TPrintPlan& Plan() const { return Plan_; }
    // "Print Preview : Page n of P", empty without pages.
    std::string Caption() const;
    // Whether the current page is previewed (and printed) across.
    bool Landscape() const { return PageLandscape(Plan_.CapacityOf(Page_)); }
    // The whole plan for the printer.
    TPageSource Source() const;

    // While true (a print job is being sent) the preview draws nothing.
    bool Printing = false;
    // The current page on a preview of that size; nothing while printing.
    void PaintPreview(TCanvas& canvas, int width, int height) const;

private:
    void Recompute();
    // The print size of the pair whose large box is `large` (0 puzzles, 2 answers).
    int BoxSize(int large) const;

    TSettings& Settings_;
    const TPuzzleLibrary& Library_;
    TSelection Selected_{};
    std::array<bool, 4> Boxes_{};
    TPrintPlan Plan_;
    int Page_ = 1;
};

// Sizes measured in the screen's font for the panel's layout.
struct TPrintPanelMetrics {
    int LineHeight = 16;
    int CaptionHeight = 20;  // PanelPageNum
    int ButtonHeight = 25;
    int PrevWidth = 60;                              // bnPrev, and bnNext beside it
    int ReturnWidth = 80;                            // bnReturn, and bnPrint above it
    int OptionHeight = 80;                           // the row of option groups
    std::array<int, 3> OptionWidths{200, 250, 250};  // PanelColors, PanelPrintOptions,
                                                     // PanelAnswerOptions
};

// Rectangles in the print panel.
struct TPrintPanelLayout {
    TRect Instruct;                // PanelInstruct
    std::array<TRect, 3> Options;  // PanelColors, PanelPrintOptions, PanelAnswerOptions
    TRect PageNum;                 // PanelPageNum
    TRect Preview;                 // PanelPreview, filled by pbPrint
    TRect Prev;
    TRect Next;
    TRect Print;
    TRect Return;
};

TPrintPanelLayout LayoutPrintPanel(int width, int height, bool landscape,
                                   const TPrintPanelMetrics& m);

}  // namespace xs
