// The hints screen: six pages about the puzzle, which also walk a first-time player through it
// (the main window's screen 4).
#pragma once

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "hints/hint_pictures.h"
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

// A widget that draws itself through the drawing surface.
class THintPaintBox : public QWidget {
public:
    using TPaint = std::function<void(TCanvas& canvas, int width, int height)>;

    THintPaintBox(const char* name, QWidget* parent);

    TPaint OnPaint;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Two arrow buttons, one above the other, beside a counter.
struct THintSpin {
    QWidget* Box = nullptr;
    QToolButton* Up = nullptr;
    QToolButton* Down = nullptr;
};

class TfrmHints : public QWidget {
    Q_OBJECT

public:
    // Without a host the screen never runs as the overview.
    TfrmHints(const TProgramFonts& fonts, int radioIndent, TOverviewHost* host,
              QWidget* parent = nullptr);
    ~TfrmHints() override;

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
    QLabel* lblNotes;  // the heading of the solve page's notes

    QPushButton* bnNextExA;
    QPushButton* bnNextExB;
    QPushButton* bnPrevExB;
    QPushButton* bnPrevExC;

    QLabel* PanelTotal;
    QLabel* PanelSquares;
    THintSpin spnTotal;
    THintSpin spnSquares;
    THintPaintBox* dgValues;
    QLabel* lblInvalid;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A line of text, a strip of pictures, or (values page) a widget laid out by hand.
    struct TItem {
        QWidget* Widget = nullptr;
        int Strip = -1;  // THintStripId of a picture strip
        // A line centred under this arrow of the strip before it in its group.
        int UnderArrow = -1;
    };
    using TGroup = std::vector<TItem>;

    void BuildPages();
    void BuildValuesPage();
    QLabel* AddText(int page, const char* text);
    THintPaintBox* AddStrip(int page, THintStripId id);
    QPushButton* AddPageButton(int page, const char* name, const char* caption, int target);

    void bnOverviewNextClick();
    void bnOverviewPrevClick();
    void ShowPage(int page);
    void Refresh();
    void RefreshValues();
    void Layout();
    void LayoutPage(int page, int pageWidth, int pageHeight);
    void LayoutValuesPage(int pageWidth, int pageHeight);

    const TProgramFonts& Fonts;
    int RadioIndent;
    TOverviewHost* Host;
    THintsState HintsState;
    std::array<QPushButton*, 4> Tabs;
    std::array<std::vector<TGroup>, kHintsPages> PageGroups;
    std::array<int, kHintStrips> StripSquares{};  // the square size each strip is drawn at
    // The values page's own widgets.
    QLabel* lblValuesTitle;
    QLabel* lblValuesHelp;
    QLabel* lblTotal;
    QLabel* lblSquares;
    THintPaintBox* imgValuesArrow;
};

}  // namespace xs
