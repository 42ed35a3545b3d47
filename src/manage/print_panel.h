// The create screen's print panel: print sizes, colour scheme, page preview and printing.
#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <functional>

#include "manage/print_panel_state.h"
#include "storage/messages.h"

namespace xs {

// A surface painted by its owner through the drawing surface; a press calls OnPress.
class TPaintBox : public QWidget {
public:
    explicit TPaintBox(QWidget* parent);

    std::function<void(TCanvas& canvas, int width, int height)> OnPaint;
    std::function<void()> OnPress;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

class TPanelPrint : public QWidget {
    Q_OBJECT

public:
    // settings hold the print options; library the puzzles; messages tell the player when
    // printing stops. radioIndent: a radio button's or check box's width beyond its caption.
    TPanelPrint(TSettings& settings, const TPuzzleLibrary& library, TMessages& messages,
                int radioIndent, QWidget* parent = nullptr);

    // bnPrintOptions: the panel for these selected slots.
    void Open(const TSelection& selected);

    TPrintPanelState& State() { return Panel; }
    // bnReturn.
    std::function<void()> OnReturn;
    // Sends the pages; the default shows Qt's print dialog. Returns false when cancelled or when
    // printing stopped.
    std::function<bool(const TPageSource& source, bool& printing)> PrintPages;

    QLabel* PanelInstruct;
    QFrame* PanelColors;
    std::array<TPaintBox*, 4> imgColor;
    std::array<QRadioButton*, 4> rbColor;
    QFrame* PanelPrintOptions;
    QCheckBox* cbPuzzles1;
    QCheckBox* cbPuzzles2;
    QFrame* PanelAnswerOptions;
    QCheckBox* cbAnswers1;
    QCheckBox* cbAnswers2;
    QLabel* PanelPageNum;
    QFrame* PanelPreview;
    TPaintBox* pbPrint;
    QPushButton* bnPrev;
    QPushButton* bnNext;
    QPushButton* bnPrint;
    QPushButton* bnReturn;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BoxClick(TPrintBox box, bool checked);
    void ColorClick(int scheme);
    void bnPrevClick();
    void bnNextClick();
    void bnPrintClick();
    // Every control as the state says, then the layout for the page's orientation.
    void Sync();
    void Layout();

    TPrintPanelState Panel;
    int RadioIndent;
};

}  // namespace xs
