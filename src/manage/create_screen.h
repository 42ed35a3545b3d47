// The create screen: making, listing, deleting and printing puzzles (the main window's screen 2).
#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QWidget>
#include <array>
#include <atomic>
#include <functional>
#include <memory>

#include "storage/messages.h"
#include "storage/preferences.h"

namespace xs {

// Only declared here: the drawing surface's rectangle must not meet the main window's.
class TCanvas;
class TCreateState;
class TPanelPrint;
struct TCreateLayout;

// The puzzle list: every pixel drawn by its owner, who also hears the presses on it.
class TPuzzleListView : public QWidget {
public:
    explicit TPuzzleListView(QWidget* parent);

    std::function<void(TCanvas& canvas)> OnPaint;
    std::function<void(int x, int y)> OnPress;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// Two small arrow buttons, one above the other, that step a request counter.
class TCreateSpin : public QWidget {
public:
    TCreateSpin(const QString& name, QWidget* parent);

    QToolButton* Up;
    QToolButton* Down;

protected:
    void resizeEvent(QResizeEvent* event) override;
};

class TfrmCreate : public QWidget {
    Q_OBJECT

public:
    // The screen works on the process-wide library and preferences (AppData()). radioIndent is
    // the extra width the main window gives radio buttons beyond their caption.
    TfrmCreate(const TProgramFonts& fonts, TMessages& messages, int radioIndent,
               QWidget* parent = nullptr);
    ~TfrmCreate() override;

    // Back to the list view: counters from the library, no requests, the selection kept.
    void FormShow();

    const TCreateState& State() const;
    TCreateState& State();
    bool Creating() const;
    // The session or the program ends: a running batch stops at its next poll, without asking.
    void StopForSession();
    // A puzzle pasted or dropped on the window: taken while the list is shown and no batch runs;
    // the list then shows it selected.
    bool ListShown() const;
    // Adds the slot to the selection and shows it; the player's selection stays.
    void ShowAddedPuzzle(int slot);
    // Runs the check of a pasted puzzle on a thread of its own while the progress panel says so
    // and its stop button sets `stop`; the window paints meanwhile and takes no other input.
    // Returns when the check is over.
    void RunCheck(const std::function<void(const std::atomic<bool>& stop)>& check);
    // For tests: runs before every poll of a batch, inside the poll.
    std::function<void()> BeforePoll;

    QWidget* PanelMain;
    TPuzzleListView* sgPuzzles;

    QFrame* PanelCreate;
    QLabel* lblCreateInstruct1;
    QLabel* lblCreateInstruct2;
    std::array<QFrame*, 5> PanelStarCreate;  // Panel1Create .. Panel5Create
    std::array<QLabel*, 5> lblStarCreate;    // their captions
    std::array<TCreateSpin*, 5> spnCreate;   // spn1Create .. spn5Create
    QLabel* lblTotal;
    QLabel* lblFour;  // "To create" row
    QLabel* lblFive;  // "Existing" row
    QLabel* lblSize;
    std::array<QLabel*, 6> PanelCreateCounts;  // PanelCreateT, PanelCreate1 .. PanelCreate5
    std::array<QLabel*, 6> PanelExistCounts;   // PanelExistT, PanelExist1 .. PanelExist5
    QLabel* lblRoom;                           // why the counters stop: the library's 100 places
    QRadioButton* rbSmall;
    QRadioButton* rbMedium;
    QRadioButton* rbLarge;
    QRadioButton* rbMini;
    std::array<QRadioButton*, 4> SizeButtons;  // by size code
    QPushButton* bnCreate;

    QFrame* PanelDelete;
    QLabel* lblDeleteInstruct1;
    std::array<QLabel*, 3> lblDeleteInstruct;  // the three instruction lines
    std::array<QFrame*, 5> PanelStarDelete;    // Panel1Delete .. Panel5Delete
    std::array<QPushButton*, 5> bnSelect;      // bnSelect1 .. bnSelect5
    QPushButton* bnSelectT;
    QPushButton* bnClear;
    QPushButton* bnDelete;
    QPushButton* bnPrintOptions;
    TPanelPrint* PanelPrint;  // in place of PanelMain while open

    QFrame* PanelProcessing;
    QPushButton* bnProcess;
    QPushButton* bnStop;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void spnCreateUpClick(int level);
    void spnCreateDownClick(int level);
    void rbSizeClick(int sizeCode);
    void bnCreateClick();
    void bnStopClick();
    void PollProgress();
    // Lets the window paint and the stop button be pressed; at most every few milliseconds
    // unless forced.
    void PumpEvents(bool force);
    void sgPuzzlesMouseDown(int x, int y);
    void bnSelectClick(int level);
    void bnSelectTClick();
    void bnClearClick();
    void bnDeleteClick();
    void bnPrintOptionsClick();
    // Every control as the state says.
    void Sync();
    void Layout();

    const TProgramFonts& Fonts;
    int RadioIndent;
    std::unique_ptr<TCreateState> Create;
    std::unique_ptr<TCreateLayout> Current;
    QElapsedTimer SincePump;
    bool Asking = false;
    bool CloseAfterBatch = false;
    std::atomic<bool>* StopCheck = nullptr;  // while a pasted puzzle is checked
};

}  // namespace xs
