// The hints screen: six pages about the puzzle, which also walk a first-time player through it
// (the main window's screen 4).
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>

#include "hints/hints_state.h"
#include "storage/preferences.h"

namespace xs {

// What the hints screen needs of the window that holds it during the first-run overview.
class TOverviewHost {
public:
    virtual ~TOverviewHost() = default;
    virtual bool FirstRunOverview() const = 0;
    // The caption naming the page, shown where the tool bar is.
    virtual void SetOverviewCaption(const QString& caption) = 0;
    // Clears the overview, uncovers the tool bar and goes on to the solve screen.
    virtual void EndOverview() = 0;
};

class TfrmHints : public QWidget {
    Q_OBJECT

public:
    // Without a host the screen never runs as the overview.
    TfrmHints(const TProgramFonts& fonts, int radioIndent, TOverviewHost* host,
              QWidget* parent = nullptr);

    // Page 1, in overview mode when the host is running the first-run overview.
    void FormShow();
    const THintsState& State() const { return HintsState; }

    QWidget* PanelSelect;
    QPushButton* bnXSums;
    QPushButton* bnSolve;
    QPushButton* bnExample;
    QPushButton* bnValues;
    QFrame* shpHighlight;

    QWidget* PanelOverview;
    QPushButton* bnOverviewPrev;
    QPushButton* bnOverviewNext;
    QLabel* lblOverviewNote;

    // PanelXSums, PanelSolve, PanelExampleA, PanelExampleB, PanelExampleC, PanelValues.
    std::array<QWidget*, kHintsPages> Pages;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void bnOverviewNextClick();
    void bnOverviewPrevClick();
    void ShowPage(int page);
    void Refresh();
    void Layout();

    const TProgramFonts& Fonts;
    int RadioIndent;
    TOverviewHost* Host;
    THintsState HintsState;
    std::array<QPushButton*, 4> Tabs;
};

}  // namespace xs
