// The hints screen.
#include "hints/hints.h"

#include <QFontMetrics>
#include <QPainter>
#include <QShowEvent>
#include <algorithm>
#include <functional>

#include "platform/fonts.h"
#include "platform/qt_canvas.h"
#include "solve/board_render.h"

namespace xs {

THintPaintBox::THintPaintBox(const char* name, QWidget* parent) : QWidget(parent) {
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void THintPaintBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    TQtCanvas canvas(painter);
    if (OnPaint) OnPaint(canvas, width(), height());
}

namespace {

constexpr const char* kPageNames[kHintsPages] = {"PanelXSums",    "PanelSolve",    "PanelExampleA",
                                                 "PanelExampleB", "PanelExampleC", "PanelValues"};

// The page panels' colour, the same as the solve screen's.
const QColor kPageColour(0xFD, 0xEB, 0xB5);

// Squares of the pictures: small enough for the pages to fit, large enough for the small
// numbers of the pads to be read.
constexpr int kMinPictureSquare = 30;
constexpr int kMaxPictureSquare = 72;
constexpr int kMaxPuzzleSquare = 56;
constexpr int kPageMargin = 10;

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

void PlaceSpin(const THintSpin& spin, int left, int top, int width, int height) {
    spin.Box->setGeometry(left, top, width, height);
    spin.Up->setGeometry(0, 0, width, height / 2);
    spin.Down->setGeometry(0, height / 2, width, height - height / 2);
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

TfrmHints::TfrmHints(const TProgramFonts& fonts, int radioIndent, TOverviewHost* host,
                     QWidget* parent)
    : QWidget(parent), Fonts(fonts), RadioIndent(radioIndent), Host(host) {
    setObjectName(QStringLiteral("frmHints"));
    setAutoFillBackground(true);

    for (int p = 0; p < kHintsPages; ++p) {
        auto* page = new QWidget(this);
        page->setObjectName(QLatin1String(kPageNames[p]));
        page->setAutoFillBackground(true);
        QPalette palette = page->palette();
        palette.setColor(QPalette::Window, kPageColour);
        palette.setColor(QPalette::WindowText, Qt::black);
        page->setPalette(palette);
        page->hide();
        Pages[p] = page;
    }
    BuildPages();
    BuildValuesPage();

    PanelSelect = new QWidget(this);
    PanelSelect->setObjectName(QStringLiteral("PanelSelect"));
    shpHighlight = new QFrame(PanelSelect);
    shpHighlight->setObjectName(QStringLiteral("shpHighlight"));
    shpHighlight->setToolTip(QStringLiteral("Current Screen"));
    shpHighlight->setStyleSheet(QStringLiteral("background-color: #FF0000;"));
    bnXSums = new QPushButton(PanelSelect);
    bnSolve = new QPushButton(PanelSelect);
    bnExample = new QPushButton(PanelSelect);
    bnValues = new QPushButton(PanelSelect);
    Tabs = {bnXSums, bnSolve, bnExample, bnValues};
    constexpr const char* kTabNames[4] = {"bnXSums", "bnSolve", "bnExample", "bnValues"};
    constexpr int kTabPages[4] = {1, 2, 3, kValuesPage};
    for (int t = 0; t < 4; ++t) {
        Tabs[t]->setObjectName(QLatin1String(kTabNames[t]));
        Tabs[t]->setText(QString::fromUtf8(kHintsTabCaptions[t]));
        Tabs[t]->setFocusPolicy(Qt::NoFocus);
        connect(Tabs[t], &QPushButton::clicked, this,
                [this, page = kTabPages[t]] { ShowPage(page); });
    }

    PanelOverview = new QWidget(this);
    PanelOverview->setObjectName(QStringLiteral("PanelOverview"));
    bnOverviewPrev = new QPushButton(QStringLiteral("Previous"), PanelOverview);
    bnOverviewPrev->setObjectName(QStringLiteral("bnOverviewPrev"));
    bnOverviewNext = new QPushButton(QStringLiteral("Next"), PanelOverview);
    bnOverviewNext->setObjectName(QStringLiteral("bnOverviewNext"));
    lblOverviewNote = new QLabel(QString::fromUtf8(kOverviewNote), PanelOverview);
    lblOverviewNote->setAlignment(Qt::AlignCenter);
    lblOverviewNote->setWordWrap(true);
    connect(bnOverviewNext, &QPushButton::clicked, this, &TfrmHints::bnOverviewNextClick);
    connect(bnOverviewPrev, &QPushButton::clicked, this, &TfrmHints::bnOverviewPrevClick);
    PanelOverview->hide();
}

TfrmHints::~TfrmHints() = default;

QLabel* TfrmHints::AddText(int page, const char* text) {
    auto* label = new QLabel(QString::fromStdString(KeepSumsTogether(text)), Pages[page - 1]);
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
    auto* button = new QPushButton(QString::fromUtf8(caption), Pages[page - 1]);
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
         text(2, "Re-click to return to possible values")},
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

void TfrmHints::FormShow() {
    const QFont general = FontFor(Fonts.General);
    setFont(general);
    lblNotes->setFont(general);
    HintsState.Show(Host != nullptr && Host->FirstRunOverview());
    const bool overview = HintsState.Overview();
    PanelSelect->setVisible(!overview);
    PanelOverview->setVisible(overview);
    for (QPushButton* b : {bnNextExA, bnNextExB, bnPrevExB, bnPrevExC}) b->setVisible(!overview);
    Refresh();
}

void TfrmHints::ShowPage(int page) {
    HintsState.ShowPage(page);
    Refresh();
}

void TfrmHints::bnOverviewNextClick() {
    if (HintsState.OverviewNext()) {
        if (Host != nullptr) Host->EndOverview();
        return;
    }
    Refresh();
}

void TfrmHints::bnOverviewPrevClick() {
    HintsState.OverviewPrev();
    Refresh();
}

void TfrmHints::Refresh() {
    for (int p = 0; p < kHintsPages; ++p) Pages[p]->setVisible(p + 1 == HintsState.Page());
    bnOverviewPrev->setVisible(HintsState.OverviewPrevVisible());
    if (HintsState.Overview() && Host != nullptr) {
        Host->SetOverviewCaption(QString::fromUtf8(HintsState.OverviewCaption()));
    }
    if (HintsState.Page() == kValuesPage) RefreshValues();
    Layout();
}

void TfrmHints::RefreshValues() {
    const TValuesTable& values = HintsState.Values();
    PanelTotal->setText(QString::number(values.Total()));
    PanelSquares->setText(QString::number(values.Squares()));
    dgValues->setVisible(!values.Invalid());
    lblInvalid->setVisible(values.Invalid());
    dgValues->update();
}

void TfrmHints::Layout() {
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const char* caption : kHintsTabCaptions) {
        widest = std::max(widest, metrics.horizontalAdvance(QString::fromUtf8(caption)));
    }
    const THintsTabLayout tabs = LayoutHintsTabs(width(), widest, metrics.height(), RadioIndent);
    PanelSelect->setGeometry(0, 0, width(), tabs.BarHeight);
    for (int t = 0; t < 4; ++t) {
        Tabs[t]->setGeometry(tabs.ButtonLefts[t], 7, tabs.ButtonWidth, tabs.ButtonHeight);
    }
    const int tab = HintsState.HighlightedTab();
    shpHighlight->setGeometry(tabs.ButtonLefts[tab] - 4, 3, tabs.ButtonWidth + 8,
                              tabs.ButtonHeight + 7);

    const bool overview = HintsState.Overview();
    const int barHeight = overview ? OverviewBarHeight(height()) : 0;
    PanelOverview->setGeometry(0, height() - barHeight, width(), barHeight);
    const int buttonWidth = metrics.horizontalAdvance(QStringLiteral("Previous")) + RadioIndent;
    const int buttonHeight = std::min(metrics.height() * 3 / 2, std::max(barHeight - 6, 0));
    const int prevLeft =
        OverviewPrevLeft(width(), metrics.horizontalAdvance(QString::fromUtf8(kFirstRulesLine)));
    bnOverviewPrev->setGeometry(prevLeft, 3, buttonWidth, buttonHeight);
    bnOverviewNext->setGeometry(width() - prevLeft - buttonWidth, 3, buttonWidth, buttonHeight);
    const int noteLeft = prevLeft + buttonWidth + 4;
    lblOverviewNote->setGeometry(noteLeft, 0, std::max(0, width() - 2 * noteLeft),
                                 std::max(buttonHeight + 6, barHeight));

    const int top = overview ? 0 : tabs.BarHeight;
    const int pageHeight = std::max(0, height() - top - barHeight);
    for (QWidget* page : Pages) page->setGeometry(0, top, width(), pageHeight);
    const int shown = HintsState.Page();
    if (shown == kValuesPage) {
        LayoutValuesPage(width(), pageHeight);
    } else {
        LayoutPage(shown, width(), pageHeight);
    }
}

void TfrmHints::LayoutPage(int page, int pageWidth, int pageHeight) {
    const QFontMetrics metrics(font());
    const int line = metrics.height() + 2;
    const std::vector<TGroup>& groups = PageGroups[static_cast<std::size_t>(page - 1)];
    const int room = std::max(0, pageWidth - 2 * kPageMargin);

    // The text stands as one block, as wide as its longest line where the page allows.
    int textWidth = 0;
    int stripRows = 0;
    for (const TGroup& g : groups) {
        for (const TItem& item : g) {
            if (item.Strip >= 0) {
                const THintStrip& strip = HintStrip(static_cast<THintStripId>(item.Strip));
                stripRows += strip.front().Range.LastRow - strip.front().Range.FirstRow + 1;
            } else {
                const auto* label = static_cast<QLabel*>(item.Widget);
                textWidth = std::max(
                    textWidth, QFontMetrics(label->font()).horizontalAdvance(label->text()) + 4);
            }
        }
    }
    // Lines as long as the page are hard to follow: the block keeps a margin on each side.
    textWidth = std::min(textWidth, room * 9 / 10);
    const int textLeft = (pageWidth - textWidth) / 2;

    QPushButton* const buttons[4] = {bnNextExA, bnNextExB, bnPrevExB, bnPrevExC};
    const bool hasButtons = !HintsState.Overview() && page >= 3 && page <= 5;
    const int buttonHeight = metrics.height() * 3 / 2;
    const int reserved = hasButtons ? buttonHeight + 8 : 0;

    // A picture stands a little apart from the text above and below it; the pictures share the
    // height the texts leave.
    const auto gapBefore = [](const TGroup& g, std::size_t i) {
        return i > 0 && (g[i].Strip >= 0 || g[i - 1].Strip >= 0) ? 6 : 0;
    };
    int fixedHeight = reserved + (static_cast<int>(groups.size()) + 1) * line;
    for (const TGroup& g : groups) {
        for (std::size_t i = 0; i < g.size(); ++i) fixedHeight += gapBefore(g, i);
        for (const TItem& item : g)
            if (item.Strip < 0) fixedHeight += item.Widget->heightForWidth(textWidth);
    }
    const int byHeight =
        stripRows > 0 ? (pageHeight - fixedHeight) / stripRows - kBoardGridLine : kMaxPictureSquare;

    const auto itemHeight = [&](const TItem& item) {
        if (item.Strip < 0) return item.Widget->heightForWidth(textWidth);
        return HintStripHeight(HintStrip(static_cast<THintStripId>(item.Strip)),
                               StripSquares[static_cast<std::size_t>(item.Strip)]) +
               4;
    };
    std::vector<int> heights;
    for (const TGroup& g : groups) {
        int h = 0;
        for (std::size_t i = 0; i < g.size(); ++i) {
            const TItem& item = g[i];
            if (item.Strip >= 0) {
                const THintStrip& strip = HintStrip(static_cast<THintStripId>(item.Strip));
                const int byWidth =
                    HintSquareForWidth(strip, room, kMinPictureSquare, kMaxPictureSquare);
                // A puzzle-look picture has no small numbers to read and can stay smaller.
                const int most = strip.front().PuzzleLook ? kMaxPuzzleSquare : kMaxPictureSquare;
                StripSquares[static_cast<std::size_t>(item.Strip)] =
                    std::clamp(std::min(byHeight, byWidth), kMinPictureSquare, most);
            }
            h += gapBefore(g, i) + itemHeight(item);
        }
        heights.push_back(h);
    }

    const std::vector<int> tops = SpreadGroups(heights, pageHeight - reserved, 5 * line);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        int y = tops[g];
        for (std::size_t i = 0; i < groups[g].size(); ++i) {
            const TItem& item = groups[g][i];
            y += gapBefore(groups[g], i);
            const int h = itemHeight(item);
            if (item.Strip >= 0) {
                item.Widget->setGeometry(kPageMargin, y, room, h);
                item.Widget->update();
            } else {
                item.Widget->setGeometry(textLeft, y, textWidth, h);
            }
            y += h;
        }
    }

    if (hasButtons) {
        const int width = metrics.horizontalAdvance(QStringLiteral("Previous")) + RadioIndent + 20;
        const int y = pageHeight - buttonHeight - 6;
        for (QPushButton* b : buttons) {
            if (b->parentWidget() != Pages[static_cast<std::size_t>(page - 1)]) continue;
            const bool next = b == bnNextExA || b == bnNextExB;
            const int x = next ? pageWidth - kPageMargin - width : kPageMargin;
            b->setGeometry(x, y, width, buttonHeight);
        }
    }
}

void TfrmHints::LayoutValuesPage(int pageWidth, int pageHeight) {
    const QFontMetrics metrics(font());
    const int line = metrics.height() + 2;
    const QFontMetrics digits(MakeFont("Arial", 20, true));
    const int cell = std::max(40, digits.height() * 8 / 5);
    const int table = 3 * cell + 1;

    const int counterWidth = metrics.horizontalAdvance(QStringLiteral("45")) + 24;
    const int counterHeight = line * 8 / 5;
    const int spinWidth = std::max(16, counterHeight * 2 / 3);
    const int labelWidth =
        std::max(metrics.horizontalAdvance(lblSquares->text()) + 8, counterWidth + spinWidth);
    const int gap = std::max(20, line * 2);
    const int arrowWidth = std::max(50, cell + 10);
    const int rowWidth = 2 * labelWidth + 2 * gap + arrowWidth + table;
    const int rowHeight = std::max(table, line + 4 + counterHeight);

    const int titleWidth = metrics.horizontalAdvance(lblValuesTitle->text()) + 8;
    const int helpWidth =
        std::min(pageWidth - 2 * kPageMargin,
                 std::max(rowWidth, metrics.horizontalAdvance(lblValuesHelp->text()) / 2 + 8));
    const int helpHeight = lblValuesHelp->heightForWidth(helpWidth);
    const std::vector<int> tops = SpreadGroups({line, rowHeight, helpHeight}, pageHeight, 5 * line);
    lblValuesTitle->setGeometry((pageWidth - titleWidth) / 2, tops[0], titleWidth, line);
    lblValuesHelp->setGeometry((pageWidth - helpWidth) / 2, tops[2], helpWidth, helpHeight);

    int x = std::max(kPageMargin, (pageWidth - rowWidth) / 2);
    const int counterTop = tops[1] + (rowHeight - (line + 4 + counterHeight)) / 2;
    const auto counter = [&](QLabel* label, QLabel* panel, const THintSpin& spin) {
        label->setGeometry(x, counterTop, labelWidth, line);
        const int left = x + (labelWidth - counterWidth - spinWidth) / 2;
        panel->setGeometry(left, counterTop + line + 4, counterWidth, counterHeight);
        PlaceSpin(spin, left + counterWidth, counterTop + line + 4, spinWidth, counterHeight);
        x += labelWidth;
    };
    counter(lblTotal, PanelTotal, spnTotal);
    x += gap;
    counter(lblSquares, PanelSquares, spnSquares);
    x += gap / 2;
    const int arrowHeight = std::max(20, cell / 2);
    imgValuesArrow->setGeometry(x, tops[1] + (rowHeight - arrowHeight) / 2, arrowWidth,
                                arrowHeight);
    x += arrowWidth + gap / 2;
    const int tableTop = tops[1] + (rowHeight - table) / 2;
    dgValues->setGeometry(x, tableTop, table, table);
    lblInvalid->setGeometry(x - gap / 2, tableTop, table + gap, table);
}

void TfrmHints::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmHints::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

}  // namespace xs
