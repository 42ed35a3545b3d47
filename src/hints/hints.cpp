// The hints screen.
#include "hints/hints.h"

#include <QFontMetrics>
#include <QPainter>
#include <QShowEvent>
#include <algorithm>
#include <functional>

#include "platform/fonts.h"
#include "platform/qt_canvas.h"
#include "platform/ui_text.h"
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

// The width a label's text takes on one line.
int OneLineWidth(const QWidget* widget) {
    const auto* label = static_cast<const QLabel*>(widget);
    return QFontMetrics(label->font()).horizontalAdvance(label->text()) + 4;
}

void PlaceSpin(const THintSpin& spin, int left, int top, int width, int height) {
    spin.Box->setGeometry(left, top, width, height);
    spin.Up->setGeometry(0, 0, width, height / 2);
    spin.Down->setGeometry(0, height / 2, width, height - height / 2);
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
    shpHighlight->setToolTip(UiText("Current Screen"));
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
        Tabs[t]->setText(UiText(kHintsTabCaptions[t]));
        Tabs[t]->setFocusPolicy(Qt::NoFocus);
        connect(Tabs[t], &QPushButton::clicked, this,
                [this, page = kTabPages[t]] { ShowPage(page); });
    }

    PanelOverview = new QWidget(this);
    PanelOverview->setObjectName(QStringLiteral("PanelOverview"));
    bnOverviewPrev = new QPushButton(UiText("Previous"), PanelOverview);
    bnOverviewPrev->setObjectName(QStringLiteral("bnOverviewPrev"));
    bnOverviewNext = new QPushButton(UiText("Next"), PanelOverview);
    bnOverviewNext->setObjectName(QStringLiteral("bnOverviewNext"));
    lblOverviewNote = new QLabel(UiText(kOverviewNote), PanelOverview);
    lblOverviewNote->setAlignment(Qt::AlignCenter);
    lblOverviewNote->setWordWrap(true);
    connect(bnOverviewNext, &QPushButton::clicked, this, &TfrmHints::bnOverviewNextClick);
    connect(bnOverviewPrev, &QPushButton::clicked, this, &TfrmHints::bnOverviewPrevClick);
    PanelOverview->hide();
}

TfrmHints::~TfrmHints() = default;

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
        Host->SetOverviewCaption(UiText(HintsState.OverviewCaption()));
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
        widest = std::max(widest, metrics.horizontalAdvance(UiText(caption)));
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
    const int buttonWidth = metrics.horizontalAdvance(UiText("Previous")) + RadioIndent;
    const int buttonHeight = std::min(metrics.height() * 3 / 2, std::max(barHeight - 6, 0));
    const int prevLeft =
        OverviewPrevLeft(width(), metrics.horizontalAdvance(UiText(kFirstRulesLine)));
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
            } else if (item.UnderArrow < 0) {
                textWidth = std::max(textWidth, OneLineWidth(item.Widget));
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
            if (item.Strip < 0)
                fixedHeight += item.Widget->heightForWidth(
                    item.UnderArrow < 0 ? textWidth : std::min(room, OneLineWidth(item.Widget)));
    }
    const int byHeight =
        stripRows > 0 ? (pageHeight - fixedHeight) / stripRows - kBoardGridLine : kMaxPictureSquare;

    // A line under an arrow is as wide as its text.
    const auto labelWidth = [&](const TItem& item) {
        return item.UnderArrow < 0 ? textWidth : std::min(room, OneLineWidth(item.Widget));
    };
    const auto itemHeight = [&](const TItem& item) {
        if (item.Strip < 0) return item.Widget->heightForWidth(labelWidth(item));
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
        int lastStrip = -1;
        for (std::size_t i = 0; i < groups[g].size(); ++i) {
            const TItem& item = groups[g][i];
            y += gapBefore(groups[g], i);
            const int h = itemHeight(item);
            if (item.Strip >= 0) {
                item.Widget->setGeometry(kPageMargin, y, room, h);
                item.Widget->update();
                lastStrip = item.Strip;
            } else if (item.UnderArrow >= 0 && lastStrip >= 0) {
                const TRect arrow = HintArrowSpan(HintStrip(static_cast<THintStripId>(lastStrip)),
                                                  StripSquares[static_cast<std::size_t>(lastStrip)],
                                                  room, item.UnderArrow);
                const int w = labelWidth(item);
                const int centre = kPageMargin + (arrow.Left + arrow.Right) / 2;
                item.Widget->setGeometry(
                    std::clamp(centre - w / 2, kPageMargin,
                               std::max(kPageMargin, pageWidth - kPageMargin - w)),
                    y, w, h);
            } else {
                item.Widget->setGeometry(textLeft, y, textWidth, h);
            }
            y += h;
        }
    }

    if (hasButtons) {
        const int width = metrics.horizontalAdvance(UiText("Previous")) + RadioIndent + 20;
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
