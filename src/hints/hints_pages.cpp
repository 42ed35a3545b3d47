// The hints screen's pages: their texts and pictures in order, and the values page's controls.
#include <QPalette>

#include "hints/hints.h"
#include "platform/ui_text.h"
#include "solve/board_render.h"

namespace xs {

namespace {
const char* const kRulesLine2 = "the total given in the preceding black square.";
const char* const kRulesLine3 =
    "Only the numbers 1-9 are used and the same number cannot be used more than once in each "
    "group.";

THintSpin MakeSpin(const char* name, QWidget* parent) {
    THintSpin spin;
    spin.Box = new QWidget(parent);
    spin.Box->setObjectName(QLatin1String(name));
    spin.Up = new QToolButton(spin.Box);
    spin.Up->setArrowType(Qt::UpArrow);
    spin.Down = new QToolButton(spin.Box);
    spin.Down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {spin.Up, spin.Down}) b->setFocusPolicy(Qt::NoFocus);
    return spin;
}

QLabel* MakeCounter(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

}  // namespace

QLabel* TfrmHints::AddText(int page, const char* text) {
    auto* label = new QLabel(QString::fromStdString(KeepSumsTogether(UiText(text).toStdString())),
                             Pages[page - 1]);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

THintPaintBox* TfrmHints::AddStrip(int page, THintStripId id) {
    auto* box = new THintPaintBox("imgHints", Pages[page - 1]);
    const int strip = static_cast<int>(id);
    box->OnPaint = [this, id, strip](TCanvas& canvas, int width, int height) {
        PaintHintStrip(canvas, HintStrip(id), StripSquares[static_cast<std::size_t>(strip)], width,
                       height, kPageBackground);
    };
    return box;
}

QPushButton* TfrmHints::AddPageButton(int page, const char* name, const char* caption, int target) {
    auto* button = new QPushButton(UiText(caption), Pages[page - 1]);
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::NoFocus);
    connect(button, &QPushButton::clicked, this, [this, target] { ShowPage(target); });
    return button;
}

void TfrmHints::BuildPages() {
    const auto text = [this](int page, const char* t) { return TItem{AddText(page, t), -1}; };
    const auto strip = [this](int page, THintStripId id) {
        return TItem{AddStrip(page, id), static_cast<int>(id)};
    };

    PageGroups[0] = {
        {text(1, kFirstRulesLine), text(1, kRulesLine2), text(1, kRulesLine3)},
        {text(1, "The top left corner of a typical puzzle:"), strip(1, THintStripId::Corner),
         text(1,
              "In a black square, the number above the diagonal is the total of the white "
              "squares to its right,"),
         text(1, "the number below the diagonal the total of those below it."),
         text(1, "Here 3 and 8 are totals across, 4 and 7 totals down.")},
        {text(1,
              "How its first squares are worked out, drawn as the 'Solve' screen shows them "
              "(possible values in yellow):"),
         text(1,
              "1) A total of 3 in two squares can only be 1 + 2 or 2 + 1, so both squares can "
              "only be 1 or 2."),
         text(1,
              "2) A total of 4 in two squares can only be 1 + 3 or 3 + 1. The square it "
              "shares with the 3 can only be 1."),
         text(1, "3) That square is 1."),
         text(1, "4) The others follow: 3 - 1 = 2 across and 4 - 1 = 3 down."),
         strip(1, THintStripId::CornerSteps)},
    };

    lblNotes = AddText(2, "Notes");
    lblNotes->setObjectName(QStringLiteral("lblNotes"));
    PageGroups[1] = {
        {text(2, "Click total to show possible values (shown in yellow) for the square."),
         strip(2, THintStripId::ClickTotal)},
        {text(2, "Click small number to fill a square"), strip(2, THintStripId::FillSquare),
         TItem{AddText(2, "Re-click to return to possible values"), -1, 1}},
        {text(2, "Right-click small number to toggle possible values on and off."),
         strip(2, THintStripId::ToggleMark)},
        {TItem{lblNotes, -1},
         text(2,
              "1) After filling a square, click the totals of its runs again: with a digit in "
              "place, the other squares may have fewer possible values."),
         text(2,
              "    A click on a total keeps only the possible values that can still make it, so "
              "clicking the across and the down total of a square narrows it from both sides."),
         text(2,
              "2) 'Save' keeps the puzzle as it stands, the possible values in yellow "
              "included. 'Reset' takes it back to the last save."),
         text(2, "3) In the pictures, a red frame marks where the click goes.")},
    };

    PageGroups[2] = {
        {strip(3, THintStripId::ExampleA)},
        {text(3,
              "1) Click the across total 11. Four different digits make 11 only as "
              "1 + 2 + 3 + 5, so each of its squares can only be 1, 2, 3 or 5."),
         text(3,
              "2) Click the down totals 13 and 10. 13 in two squares needs 4 or more in each, "
              "which leaves only 5 in the square it shares with the 11. 10 in two squares "
              "cannot use a 5, which leaves 1, 2 or 3 in its square of the 11."),
         text(3,
              "3) Click the down totals 3 and 7. 3 in two squares is 1 + 2, and 7 in three "
              "squares is 1 + 2 + 4, so the last two squares of the 11 can only be 1 or 2.")},
    };
    PageGroups[3] = {
        {strip(4, THintStripId::ExampleB)},
        {text(4,
              "1) The last two squares of the 11 hold 1 and 2 between them, and its first "
              "square can only be 5, so the second is 11 - 5 - 1 - 2 = 3. Fill 5 and 3."),
         text(4, "2) Click the down totals 13 and 10 again: 13 - 5 leaves 8, and 10 - 3 leaves 7."),
         text(4,
              "3) Fill 8 and 7. The across total agrees: 8 + 7 = 15, and the top left corner "
              "is done."),
         text(4,
              "Note: a total that can only be made with the largest digits fixes which digits "
              "its squares hold, though not which square holds which: 17 in two squares is "
              "always 8 and 9; 24 in three squares 7, 8 and 9. The same goes for the smallest: "
              "3 in two squares is always 1 and 2. The other totals through the squares tell "
              "where each digit goes.")},
    };
    PageGroups[4] = {
        {strip(5, THintStripId::ExampleC)},
        {text(5,
              "1) Click the across total 6. Its squares can be 1 or 2, and 1, 2 or 4; only "
              "2 + 4 makes 6. Fill 2 and 4."),
         text(5,
              "2) The down total 3 leaves 1 above the 2, and 11 - 5 - 3 - 1 leaves 2 for the "
              "last square of the 11."),
         text(5, "3) The down total 7 leaves 7 - 2 - 4 = 1 for its last square."),
         text(5,
              "Note: that 1 could have been found at once. The across totals "
              "15 + 11 + 6 = 32 count the same squares as the down totals "
              "13 + 10 + 3 + 7 = 33, except the last square of the 7, which only the down "
              "totals count. It must be 33 - 32 = 1.")},
    };

    bnNextExA = AddPageButton(3, "bnNextExA", "Next", 4);
    bnNextExB = AddPageButton(4, "bnNextExB", "Next", 5);
    bnPrevExB = AddPageButton(4, "bnPrevExB", "Previous", 3);
    bnPrevExC = AddPageButton(5, "bnPrevExC", "Previous", 4);
}

void TfrmHints::BuildValuesPage() {
    QWidget* page = Pages[kValuesPage - 1];
    lblValuesTitle = AddText(kValuesPage, "Show the possible values for any combination");
    lblTotal = AddText(kValuesPage, "total");
    lblSquares = AddText(kValuesPage, "# squares");
    lblValuesHelp = AddText(kValuesPage,
                            "Set a total and a number of squares with the arrows: the digits in "
                            "yellow are those that can stand in a run of that many squares adding "
                            "up to that total.");
    for (QLabel* l : {lblValuesTitle, lblTotal, lblSquares, lblValuesHelp}) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    PanelTotal = MakeCounter("PanelTotal", page);
    PanelSquares = MakeCounter("PanelSquares", page);
    spnTotal = MakeSpin("spnTotal", page);
    spnSquares = MakeSpin("spnSquares", page);
    const auto click = [this](THintSpin& spin, void (TValuesTable::*step)(bool)) {
        for (const bool up : {true, false}) {
            connect(up ? spin.Up : spin.Down, &QToolButton::clicked, this, [this, step, up] {
                (HintsState.Values().*step)(up);
                RefreshValues();
            });
        }
    };
    click(spnTotal, &TValuesTable::spnTotalClick);
    click(spnSquares, &TValuesTable::spnSquaresClick);

    imgValuesArrow = new THintPaintBox("imgValuesArrow", page);
    imgValuesArrow->OnPaint = [](TCanvas& canvas, int width, int height) {
        canvas.SetBrush(kPageBackground);
        canvas.FillRect({0, 0, width, height});
        PaintHintArrow(canvas, {0, 0, width, height});
    };
    dgValues = new THintPaintBox("dgValues", page);
    dgValues->OnPaint = [this](TCanvas& canvas, int width, int height) {
        canvas.SetBrush(kPageBackground);
        canvas.FillRect({0, 0, width, height});
        const int cell = (std::min(width, height) - 1) / 3;
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c) {
                // Neighbouring cells share their outline.
                const TRect rect{c * cell, r * cell, (c + 1) * cell + 1, (r + 1) * cell + 1};
                dgValuesDrawCell(canvas, HintsState.Values().Possible(), c, r, rect);
            }
        }
    };
    lblInvalid = AddText(kValuesPage, "Not a valid combination");
    lblInvalid->setObjectName(QStringLiteral("lblInvalid"));
    lblInvalid->setAlignment(Qt::AlignCenter);
}

}  // namespace xs
