// The hints screen.
#include "hints/hints.h"

#include <QFontMetrics>
#include <QShowEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/fonts.h"

namespace xs {

namespace {

constexpr const char* kPageNames[kHintsPages] = {"PanelXSums",    "PanelSolve",    "PanelExampleA",
                                                 "PanelExampleB", "PanelExampleC", "PanelValues"};

}  // namespace

TfrmHints::TfrmHints(const TProgramFonts& fonts, int radioIndent, TOverviewHost* host,
                     QWidget* parent)
    : QWidget(parent), Fonts(fonts), RadioIndent(radioIndent), Host(host) {
    setObjectName(QStringLiteral("frmHints"));

    for (int p = 0; p < kHintsPages; ++p) {
        auto* page = new QWidget(this);
        page->setObjectName(QLatin1String(kPageNames[p]));
        auto* title = new QLabel(QString::fromUtf8(kOverviewCaptions[p]).section(" : ", 1), page);
        title->setAlignment(Qt::AlignCenter);
        auto* box = new QVBoxLayout(page);
        box->addWidget(title);
        page->hide();
        Pages[p] = page;
    }

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
    constexpr int kTabPages[4] = {1, 2, 3, 6};
    for (int t = 0; t < 4; ++t) {
        Tabs[t]->setText(QString::fromUtf8(kHintsTabCaptions[t]));
        Tabs[t]->setFocusPolicy(Qt::NoFocus);
        connect(Tabs[t], &QPushButton::clicked, this,
                [this, page = kTabPages[t]] { ShowPage(page); });
    }

    PanelOverview = new QWidget(this);
    PanelOverview->setObjectName(QStringLiteral("PanelOverview"));
    bnOverviewPrev = new QPushButton(QStringLiteral("Previous"), PanelOverview);
    bnOverviewNext = new QPushButton(QStringLiteral("Next"), PanelOverview);
    lblOverviewNote = new QLabel(QString::fromUtf8(kOverviewNote), PanelOverview);
    lblOverviewNote->setAlignment(Qt::AlignCenter);
    lblOverviewNote->setWordWrap(true);
    connect(bnOverviewNext, &QPushButton::clicked, this, &TfrmHints::bnOverviewNextClick);
    connect(bnOverviewPrev, &QPushButton::clicked, this, &TfrmHints::bnOverviewPrevClick);
    PanelOverview->hide();
}

void TfrmHints::FormShow() {
    setFont(FontFor(Fonts.General));
    HintsState.Show(Host != nullptr && Host->FirstRunOverview());
    const bool overview = HintsState.Overview();
    PanelSelect->setVisible(!overview);
    PanelOverview->setVisible(overview);
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
    Layout();
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
    const int buttonHeight = metrics.height() * 3 / 2;
    const int prevLeft =
        OverviewPrevLeft(width(), metrics.horizontalAdvance(QString::fromUtf8(kFirstRulesLine)));
    bnOverviewPrev->setGeometry(prevLeft, 4, buttonWidth, buttonHeight);
    bnOverviewNext->setGeometry(width() - prevLeft - buttonWidth, 4, buttonWidth, buttonHeight);
    const int noteLeft = prevLeft + buttonWidth + 4;
    lblOverviewNote->setGeometry(noteLeft, 4, std::max(0, width() - 2 * noteLeft),
                                 std::max(buttonHeight, barHeight - 8));

    const int top = overview ? 0 : tabs.BarHeight;
    for (QWidget* page : Pages) page->setGeometry(0, top, width(), height() - top - barHeight);
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
