// The solve screen's instructions page.
#include "solve/instruct_page.h"

#include <QFontMetrics>
#include <algorithm>
#include <initializer_list>
#include <vector>

#include "platform/ui_text.h"
#include "solve/board_render.h"
#include "solve/solve_widgets.h"

namespace xs {

namespace {

constexpr const char* kHowTexts[4] = {
    "Click total to show possible values (shown in yellow) for the square.",
    "Click small number to fill a square", "Re-click to return to possible values",
    "Right-click small number to toggle possible values on and off."};

constexpr const char* kNoteTexts[4] = {
    "1) After filling a square, re-click the total as the possible combinations may have been "
    "reduced.",
    "    Note : The possible combinations are only reduced when a square has actually been "
    "filled.",
    "2) Use the 'Save' button to save the current state of the puzzle, including the yellow "
    "highlighted values.",
    "    Use the 'Reset' button to restore the puzzle to its previous saved state."};

constexpr const char* kKeyTexts[kKeyLines] = {
    "3) Keys : the arrows, Home, End and Tab move the blue frame.  1..9 fill its square,",
    "    Shift+1..9 (or 1..9 after pressing M) mark values;  0, Delete or Backspace clear it.",
    "    Enter or Space clicks its across total, Shift+Enter its down total.  E, F, N change mode.",
    "    Ctrl+Z undoes, Ctrl+Y redoes.  H shows the next step and why;  H again applies it.",
    "    C marks every empty square with the values both its runs allow (one Undo takes it back).",
    "    R (on or off): an entered digit leaves the marks of the other squares of its two runs.",
    "    D (on or off): runs whose digits repeat or add up to more than their total are framed."};

// The smallest picture square the page steps down to when a hint leaves too little room.
constexpr int kLeastPictureSquare = 24;

// Row 1 of a grid: a clue square at column 0 with a run of `answers` after it.
TPuzzleGrid RunGrid(std::initializer_list<int> answers) {
    TPuzzleGrid g{};
    for (int c = 0; c < kGridCols; ++c) g.Sq[0][c].Kind = Black;
    g.Sq[1][0].Kind = Black;
    int col = 1;
    int total = 0;
    for (const int a : answers) {
        g.Sq[1][col].Kind = White;
        g.Sq[1][col].SetAnswer(a);
        total += a;
        ++col;
    }
    g.Sq[1][0].AcrossTotal = total;
    g.Sq[1][0].AcrossSquares = static_cast<std::uint8_t>(answers.size());
    return g;
}

void Mark(TSquare& square, std::initializer_list<int> digits) {
    for (const int d : digits) square.Possible[d - 1] = 1;
}

std::array<TInstructExample, 3> MakeExamples() {
    std::array<TInstructExample, 3> examples{};

    // A clue of 6 in three squares: clicking it marks 1, 2 and 3 in each of them.
    TInstructExample& clue = examples[0];
    clue.Before = RunGrid({1, 2, 3});
    clue.After = clue.Before;
    for (int c = 1; c <= 3; ++c) Mark(clue.After.Sq[1][c], {1, 2, 3});
    clue.AfterSelected.RunSquares = 3;
    clue.AfterSelected.RunTotal = 6;
    clue.AfterSelected.ClueRow = 1;
    clue.AfterSelected.ClueCol = 0;
    clue.Cols = 4;
    clue.FirstCol = 0;

    // A square with its marks; a click on the small 2 enters it, a click on the 2 takes it back.
    TInstructExample& fill = examples[1];
    fill.Before = RunGrid({2});
    Mark(fill.Before.Sq[1][1], {1, 2, 3});
    fill.After = fill.Before;
    fill.After.Sq[1][1].Entry = 2;

    // A right click on the small 2 takes its mark away (and a second one puts it back).
    TInstructExample& toggle = examples[2];
    toggle.Before = fill.Before;
    toggle.After = toggle.Before;
    toggle.After.Sq[1][1].Possible[1] = 0;
    return examples;
}

void PaintExample(TCanvas& canvas, const TInstructExample& example, int square, int width,
                  int height) {
    canvas.SetBrush(kPageBackground);
    canvas.FillRect({0, 0, width, height});
    const TCellRange range{1, example.FirstCol, 1, example.FirstCol + example.Cols - 1};
    const TGridGeometry before{1, 1, square, kBoardGridLine};
    const TRect area = GridArea(before, range);
    const int arrowWidth = 2 * square / 3 + 8;

    PaintBoard(canvas, {&example.Before, nullptr, nullptr}, before, range);
    TGridGeometry after = before;
    after.OriginX += area.Width() + arrowWidth;
    PaintBoard(canvas, {&example.After, nullptr, &example.AfterSelected}, after, range);

    // An arrow from the one picture to the other.
    const int mid = area.Top + area.Height() / 2;
    const int left = area.Right + 4;
    const int right = area.Right + arrowWidth - 4;
    const int head = std::max(4, (right - left) / 2);
    canvas.SetPen(kNavy);
    canvas.SetBrush(kNavy);
    canvas.FillRect({left, mid - 2, right - head + 1, mid + 2});
    const TPoint tip[3] = {
        {right - head, mid - head / 2 - 2}, {right, mid}, {right - head, mid + head / 2 + 2}};
    canvas.Polygon(tip);
}

}  // namespace

const std::array<TInstructExample, 3>& InstructExamples() {
    static const std::array<TInstructExample, 3> examples = MakeExamples();
    return examples;
}

TInstructPage::TInstructPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PanelInstruct"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(253, 235, 181));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);

    const auto label = [this](const char* text) {
        auto* l = new QLabel(UiText(text), this);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return l;
    };
    for (int i = 0; i < 4; ++i) {
        lblHow[i] = label(kHowTexts[i]);
        lblNotes1[i] = label(kNoteTexts[i]);
    }
    for (int i = 0; i < kKeyLines; ++i) lblKeys[i] = label(kKeyTexts[i]);
    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);
    lblHint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblHint->hide();
    lblOr = label("OR");
    lblNotes = label("Notes");
    QFont bold = lblNotes->font();
    bold.setBold(true);
    lblNotes->setFont(bold);
    lblOr->setFont(bold);

    for (int e = 0; e < 3; ++e) {
        auto* box = new TSolvePaintBox("imgExample", this);
        box->OnPaint = [this, e, box](TCanvas& canvas, const TRect&) {
            PaintExample(canvas, InstructExamples()[static_cast<std::size_t>(e)], Square,
                         box->width(), box->height());
        };
        imgExamples[e] = box;
    }
    bnInstructReturn = new QPushButton(UiText("Return"), this);
    bnInstructReturn->setObjectName(QStringLiteral("bnInstructReturn"));
    bnInstructReturn->setFocusPolicy(Qt::NoFocus);
}

void TInstructPage::SetHint(const QString& text) {
    lblHint->setText(text);
    lblHint->setVisible(!text.isEmpty());
    Layout();
}

void TInstructPage::Layout() {
    const QFontMetrics metrics(font());
    // Large enough for the pad's digits to be read, growing with the page's font; smaller only
    // where a hint shown above would push the page's foot off.
    for (Square = std::clamp(metrics.height() * 3, 42, 72);; --Square)
        if (Square <= kLeastPictureSquare || LayoutAt(Square)) return;
}

bool TInstructPage::LayoutAt(int square) {
    const QFontMetrics metrics(font());
    const int line = metrics.height() + 2;
    int widest = 0;
    for (QLabel* l : lblNotes1) widest = std::max(widest, metrics.horizontalAdvance(l->text()));
    for (QLabel* l : lblKeys) widest = std::max(widest, metrics.horizontalAdvance(l->text()));
    for (QLabel* l : lblHow) widest = std::max(widest, metrics.horizontalAdvance(l->text()));
    const int left = std::max(4, (width() - widest) / 2);
    const int textWidth = std::max(0, width() - left);

    const auto pictureWidth = [square](const TInstructExample& e) {
        return 2 * (e.Cols * (square + kBoardGridLine) + 1) + 2 * square / 3 + 8;
    };
    const int pictureHeight = square + kBoardGridLine + 2;
    const int buttonHeight = line + 8;
    const bool hint = !lblHint->text().isEmpty();
    // As wide as the notes, as the page allows.
    const int hintWidth = std::min(textWidth, widest + 8);
    const int hintHeight = hint ? lblHint->heightForWidth(hintWidth) : 0;

    // The groups from top to bottom, each a list of rows of a given height.
    struct TRow {
        QWidget* Widget;
        int Height;
        int Width;
    };
    const auto& ex = InstructExamples();
    std::vector<std::vector<TRow>> groups = {
        {{lblHow[0], line, textWidth}, {imgExamples[0], pictureHeight, pictureWidth(ex[0])}},
        {{lblHow[1], line, textWidth},
         {imgExamples[1], pictureHeight, pictureWidth(ex[1])},
         {lblHow[2], line, textWidth}},
        {{lblOr, line, textWidth}},
        {{lblHow[3], line, textWidth}, {imgExamples[2], pictureHeight, pictureWidth(ex[2])}},
        {{lblNotes, line, textWidth},
         {lblNotes1[0], line, textWidth},
         {lblNotes1[1], line, textWidth},
         {lblNotes1[2], line, textWidth},
         {lblNotes1[3], line, textWidth}},
    };
    for (QLabel* l : lblKeys) groups.back().push_back({l, line, textWidth});
    // The hint on show, whole, comes first.
    if (hint) groups.insert(groups.begin(), {{lblHint, hintHeight, hintWidth}});
    int block = buttonHeight;
    for (const auto& g : groups)
        for (const TRow& r : g) block += r.Height;
    const int count = static_cast<int>(groups.size());
    const int gap = std::clamp((height() - block) / (count + 1), 0, 2 * line);
    int top = std::max(0, (height() - block - (count - 1) * gap) / 2);
    for (const auto& g : groups) {
        for (const TRow& r : g) {
            r.Widget->setGeometry(left, top, r.Width, r.Height);
            top += r.Height;
        }
        top += gap;
    }
    top -= gap;
    const int buttonWidth = metrics.horizontalAdvance(bnInstructReturn->text()) + 40;
    bnInstructReturn->setGeometry(width() - 10 - buttonWidth, top, buttonWidth, buttonHeight);
    return top + buttonHeight <= height();
}

void TInstructPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

}  // namespace xs
