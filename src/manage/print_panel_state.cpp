// The print panel's state and layout numbers.
#include "manage/print_panel_state.h"

#include <algorithm>

#include "model/translate.h"
#include "storage/preferences.h"

namespace xs {

TPrintPanelState::TPrintPanelState(TSettings& settings, const TPuzzleLibrary& library)
    : Settings_(settings), Library_(library) {}

void TPrintPanelState::Open(const TSelection& selected) {
    Selected_ = selected;
    auto chosen = [](int size) { return size == kPrintLarge || size == kPrintSmall; };
    if (!chosen(Settings_.PrintPuzzles) && !chosen(Settings_.PrintAnswers)) {
        Settings_.PrintPuzzles = kPrintLarge;
    }
    Boxes_ = {Settings_.PrintPuzzles == kPrintLarge, Settings_.PrintPuzzles == kPrintSmall,
              Settings_.PrintAnswers == kPrintLarge, Settings_.PrintAnswers == kPrintSmall};
    CheckedPrintColors(Settings_);
    Printing = false;
    RefreshIt();
}

void TPrintPanelState::BoxClick(TPrintBox box, bool checked) {
    const int index = static_cast<int>(box);
    Boxes_[index] = checked;
    if (checked) Boxes_[index ^ 1] = false;  // the other size of the same pair
    if (index < 2) {
        Settings_.PrintPuzzles = BoxSize(0);
    } else {
        Settings_.PrintAnswers = BoxSize(2);
    }
    RefreshIt();
}

void TPrintPanelState::ColorClick(int scheme) {
    if (scheme < 1 || scheme > 4) return;
    Settings_.PrintColors = scheme;
    RefreshIt();
}

void TPrintPanelState::RefreshIt() {
    Recompute();
    Page_ = 1;
}

int TPrintPanelState::BoxSize(int large) const {
    return Boxes_[large] ? kPrintLarge : Boxes_[large + 1] ? kPrintSmall : kPrintNone;
}

void TPrintPanelState::Recompute() {
    Plan_ = PrintPlan(Selected_, Library_, BoxSize(0), BoxSize(2));
}

bool TPrintPanelState::NextClick() {
    if (!NextEnabled()) return false;
    ++Page_;
    return true;
}

bool TPrintPanelState::PrevClick() {
    if (!PrevEnabled()) return false;
    --Page_;
    return true;
}

bool TPrintPanelState::PreviewVisible() const {
    return std::ranges::any_of(Boxes_, [](bool b) { return b; });
}

std::string TPrintPanelState::Caption() const {
    if (Plan_.PageCount < 1) return {};
    return Fill(Tr("Texts", "Print Preview : Page %1 of %2"),
                {std::to_string(Page_), std::to_string(Plan_.PageCount)});
}

TPageSource TPrintPanelState::Source() const {
    return {&Plan_, &Library_, -1, nullptr, Settings_.PrintColors};
}

void TPrintPanelState::PaintPreview(TCanvas& canvas, int width, int height) const {
    if (Printing) return;
    RenderPage(canvas, {width, height, 1, Page_}, Source());
}

TPrintPanelLayout LayoutPrintPanel(int width, int height, bool landscape,
                                   const TPrintPanelMetrics& m) {
    TPrintPanelLayout l;
    const int instructHeight = 3 * std::max(15, m.LineHeight);
    l.Instruct = {0, 0, width, instructHeight};

    const int fixed = instructHeight + m.OptionHeight + m.CaptionHeight;
    const int room =
        std::max(0, std::min(height - fixed - 20, width - 2 * m.PrevWidth - m.ReturnWidth - 20));
    const int side = room * 85 / 110;
    const int previewWidth = landscape ? room : side;
    const int previewHeight = landscape ? side : room;
    const int third = std::max(0, (height - fixed - previewHeight) / 3);

    const int optionTop = instructHeight + third;
    int optionsWidth = 0;
    for (int w : m.OptionWidths) optionsWidth += w;
    const int gap = std::max(0, (width - optionsWidth) / 4);
    int x = gap;
    for (int i = 0; i < 3; ++i) {
        l.Options[i] = {x, optionTop, x + m.OptionWidths[i], optionTop + m.OptionHeight};
        x += m.OptionWidths[i] + gap;
    }

    const int captionTop = optionTop + m.OptionHeight + third;
    const int previewTop = captionTop + m.CaptionHeight;
    // The row is centred unless that leaves too little room for Return on its right.
    const int rowWidth = 2 * m.PrevWidth + previewWidth;
    const int rowLeft =
        std::max(0, std::min((width - rowWidth) / 2, width - rowWidth - m.ReturnWidth - 20));
    const int previewLeft = rowLeft + m.PrevWidth;
    const int previewRight = previewLeft + previewWidth;
    const int previewBottom = previewTop + previewHeight;
    l.PageNum = {previewLeft, captionTop, previewRight, previewTop};
    l.Preview = {previewLeft, previewTop, previewRight, previewBottom};
    const int buttonTop = previewTop + (previewHeight - m.ButtonHeight) / 2;
    l.Prev = {rowLeft, buttonTop, previewLeft, buttonTop + m.ButtonHeight};
    l.Next = {previewRight, buttonTop, previewRight + m.PrevWidth, buttonTop + m.ButtonHeight};
    const int spaceLeft = l.Next.Right;
    const int returnLeft = spaceLeft + (width - spaceLeft - m.ReturnWidth) / 2;
    l.Return = {returnLeft, previewBottom - m.ButtonHeight, returnLeft + m.ReturnWidth,
                previewBottom};
    l.Print = {returnLeft, l.Return.Top - m.ButtonHeight, returnLeft + m.ReturnWidth, l.Return.Top};
    return l;
}

}  // namespace xs
