// The solve screen: its three pages, the controls' events turned into calls on the solving state,
// and the layout numbers applied to the controls.
#include "solve/solve_screen.h"

#include <QPainter>
#include <QPixmap>
#include <QShowEvent>
#include <algorithm>

#include "manage/printing.h"
#include "model/slot_check.h"
#include "platform/fonts.h"
#include "platform/qt_canvas.h"
#include "solve/board_layout.h"
#include "solve/board_render.h"
#include "solve/chooser.h"
#include "solve/combinations_list.h"
#include "solve/instruct_page.h"
#include "solve/solve_screen_parts.h"
#include "solve/solve_widgets.h"

namespace xs {

using namespace solve_screen;

namespace {

constexpr const char* kMainInstructions[4] = {
    "Select a puzzle by clicking within the grid on the left.  The preview",
    "screen below shows the selected puzzle.",
    "Press 'Print this puzzle' to print the puzzle (with or without answer)",
    "Press 'Solve this puzzle' to solve the puzzle on screen."};

// The solving page's background and the combinations strip's orange.
const QColor kPageColour = ToQColor(kPageBackground);
const QColor kStripColour = ToQColor(kHighlightOrange);

}  // namespace

TfrmSolve::TfrmSolve(const TProgramFonts& fonts, TMessages& messages, int radioIndent,
                     QWidget* parent)
    : QWidget(parent),
      App(AppData()),
      Fonts(fonts),
      RadioIndent(radioIndent),
      Messages(messages),
      Solve(std::make_unique<TSolveState>(App.File.Library, App.Work, messages)),
      EraseCursor(EraserCursor()),
      FillCursor(FillerCursor()),
      Strips(std::make_unique<TStrips>()) {
    setObjectName(QStringLiteral("frmSolve"));
    BuildChooserPage();
    BuildSolvePage();
    PanelInstruct = new TInstructPage(this);
    connect(PanelInstruct->bnInstructReturn, &QPushButton::clicked, this,
            &TfrmSolve::bnInstructReturnClick);
    PanelSolve->hide();
    PanelInstruct->hide();
    Solve->SetView(this);
    BuildClock();
    // The solving page's keys arrive here; buttons never take the focus.
    setFocusPolicy(Qt::StrongFocus);
}

TfrmSolve::~TfrmSolve() {
    Solve->SetView(nullptr);
}

void TfrmSolve::BuildChooserPage() {
    PanelMain = new QWidget(this);
    PanelMain->setObjectName(QStringLiteral("PanelMain"));

    sgPuzzles = new TSolvePaintBox("sgPuzzles", PanelMain);
    sgPuzzles->OnPaint = [this](TCanvas& canvas, const TRect& dirty) {
        PaintChooser(canvas, ToQRect(dirty));
    };
    sgPuzzles->OnPress = [this](int x, int y, TMouseButton) { sgPuzzlesMouseDown(x, y); };

    PanelLegendRow = new QWidget(PanelMain);
    PanelLegendRow->setObjectName(QStringLiteral("PanelLegendRow"));
    PanelLegend = MakeLabel(PanelLegendRow, "PanelLegend", "Legend :");
    constexpr const char* kStarNames[5] = {"Panel1Star", "Panel2Star", "Panel3Star", "Panel4Star",
                                           "Panel5Star"};
    constexpr const char* kStarCaptions[5] = {"1 Star", "2 Star", "3 Star", "4 Star", "5 Star"};
    for (int d = 0; d < 5; ++d) {
        PanelStars[d] = MakeLabel(PanelLegendRow, kStarNames[d], kStarCaptions[d]);
        PanelStars[d]->setFrameShape(QFrame::Box);
        const TStarColours colours = StarColours(d + 1);
        SetColours(PanelStars[d], ToQColor(colours.Fill), ToQColor(colours.Text));
    }

    PanelMainInstruct = MakePanel(PanelMain, "PanelMainInstruct");
    for (int i = 0; i < 4; ++i) {
        lblMainInstruct[i] = MakeLabel(PanelMainInstruct, "lblMainInstruct", kMainInstructions[i]);
    }

    dgSmall = new TSolvePaintBox("dgSmall", PanelMain);
    dgSmall->OnPaint = [this](TCanvas& canvas, const TRect& dirty) {
        PaintPreview(canvas, ToQRect(dirty));
    };

    PanelDetails = MakeLabel(PanelMain, "PanelDetails", "");
    PanelDetails->setFrameShape(QFrame::Panel);
    PanelDetails->setFrameShadow(QFrame::Raised);
    bnPrint1 = MakeButton(PanelMain, "bnPrint1", "Print this puzzle");
    bnSolve = MakeButton(PanelMain, "bnSolve", "Solve this puzzle", "Solve XSums puzzle");
    connect(bnSolve, &QPushButton::clicked, this, &TfrmSolve::bnSolveClick);
    connect(bnPrint1, &QPushButton::clicked, this, &TfrmSolve::bnPrintClick);
}

void TfrmSolve::BuildSolvePage() {
    PanelSolve = new QWidget(this);
    PanelSolve->setObjectName(QStringLiteral("PanelSolve"));
    SetColours(PanelSolve, kPageColour, Qt::black);

    PanelHeader = new QWidget(PanelSolve);
    PanelHeader->setObjectName(QStringLiteral("PanelHeader"));
    PanelDetails1 = MakeLabel(PanelHeader, "PanelDetails1", "");
    PanelDetails1->setFrameShape(QFrame::Panel);
    PanelDetails1->setFrameShadow(QFrame::Raised);

    PanelTotal = MakeLabel(PanelHeader, "PanelTotal", "24");
    PanelSquares = MakeLabel(PanelHeader, "PanelSquares", "3");
    for (QLabel* number : {PanelTotal, PanelSquares}) {
        number->setFrameShape(QFrame::Panel);
        number->setFrameShadow(QFrame::Sunken);
        SetColours(number, Qt::white, Qt::black);
    }
    spnTotal = new TSpinButton("spnTotal", PanelHeader);
    spnSquares = new TSpinButton("spnSquares", PanelHeader);
    connect(spnTotal->Up, &QToolButton::clicked, this, [this] { spnTotalClick(+1); });
    connect(spnTotal->Down, &QToolButton::clicked, this, [this] { spnTotalClick(-1); });
    connect(spnSquares->Up, &QToolButton::clicked, this, [this] { spnSquaresClick(+1); });
    connect(spnSquares->Down, &QToolButton::clicked, this, [this] { spnSquaresClick(-1); });
    lblIn = MakeLabel(PanelHeader, "lblIn", "in");
    imgArrow = MakeLabel(PanelHeader, "imgArrow", "");
    dgValues = new TSolvePaintBox("dgValues", PanelHeader);
    dgValues->OnPaint = [this](TCanvas& canvas, const TRect& dirty) {
        PaintValues(canvas, ToQRect(dirty));
    };
    lblInvalid = MakeLabel(PanelHeader, "lblInvalid", "Not a valid combination",
                           Qt::AlignLeft | Qt::AlignVCenter);
    lblInvalid->hide();

    PanelPoss = new QFrame(PanelSolve);
    PanelPoss->setObjectName(QStringLiteral("PanelPoss"));
    PanelPoss->setFrameShape(QFrame::Panel);
    PanelPoss->setFrameShadow(QFrame::Raised);
    SetColours(PanelPoss, kStripColour, Qt::black);
    lblPoss1 = MakeLabel(PanelPoss, "lblPoss1", "");
    lblPoss2 = MakeLabel(PanelPoss, "lblPoss2", "");
    for (int i = 0; i < 12; ++i) {
        const QByteArray name = "PanelPoss" + QByteArray::number(i + 1);
        PanelPossBoxes[i] = MakeLabel(PanelPoss, name.constData(), "");
        PanelPossBoxes[i]->setFrameShape(QFrame::Panel);
        PanelPossBoxes[i]->setFrameShadow(QFrame::Sunken);
        SetColours(PanelPossBoxes[i], Qt::white, Qt::black);
        PanelPossBoxes[i]->hide();
    }
    bnMoveToSide = MakeButton(PanelPoss, "bnMoveToSide", "", "Move to side");
    bnMoveToSide->setIcon(QIcon(ValuesArrow(14, 14)));
    bnMoveToTop = MakeButton(PanelPoss, "bnMoveToTop", "", "Move to top");
    bnMoveToTop->setIcon(QIcon(ValuesArrow(14, 14).transformed(QTransform().rotate(-90))));
    connect(bnMoveToSide, &QPushButton::clicked, this, &TfrmSolve::Button1Click);
    connect(bnMoveToTop, &QPushButton::clicked, this, &TfrmSolve::Button1Click);

    PanelGrid = new QWidget(PanelSolve);
    PanelGrid->setObjectName(QStringLiteral("PanelGrid"));
    dgGrid = new TSolvePaintBox("dgGrid", PanelGrid);
    dgGrid->OnPaint = [this](TCanvas& canvas, const TRect& dirty) {
        PaintBoard(canvas, ToQRect(dirty));
    };
    dgGrid->OnPress = [this](int x, int y, TMouseButton b) { dgGridMouseDown(x, y, b); };
    dgGrid->OnMove = [this](int x, int y) { dgGridMouseMove(x, y); };
    dgGrid->OnRelease = [this] { dgGridMouseUp(); };
    PanelHideTop = new QWidget(PanelGrid);
    PanelHideTop->setObjectName(QStringLiteral("PanelHideTop"));
    PanelHideLeft = new QWidget(PanelGrid);
    PanelHideLeft->setObjectName(QStringLiteral("PanelHideLeft"));
    for (QWidget* cover : {PanelHideTop, PanelHideLeft}) {
        SetColours(cover, kPageColour, Qt::black);
        cover->hide();
    }
    bnUp = MakeButton(PanelGrid, "bnUp", "", "Pan up");
    bnDown = MakeButton(PanelGrid, "bnDown", "", "Pan down");
    bnLeft = MakeButton(PanelGrid, "bnLeft", "", "Pan left");
    bnRight = MakeButton(PanelGrid, "bnRight", "", "Pan right");
    const auto arrow = [](Qt::ArrowType type) {
        QPixmap pixmap = ValuesArrow(16, 16);
        const int angle = type == Qt::UpArrow     ? -90
                          : type == Qt::DownArrow ? 90
                          : type == Qt::LeftArrow ? 180
                                                  : 0;
        return QIcon(pixmap.transformed(QTransform().rotate(angle)));
    };
    bnUp->setIcon(arrow(Qt::UpArrow));
    bnDown->setIcon(arrow(Qt::DownArrow));
    bnLeft->setIcon(arrow(Qt::LeftArrow));
    bnRight->setIcon(arrow(Qt::RightArrow));
    connect(bnUp, &QPushButton::clicked, this, &TfrmSolve::bnUpClick);
    connect(bnDown, &QPushButton::clicked, this, &TfrmSolve::bnDownClick);
    connect(bnLeft, &QPushButton::clicked, this, &TfrmSolve::bnLeftClick);
    connect(bnRight, &QPushButton::clicked, this, &TfrmSolve::bnRightClick);
    for (QPushButton* pan : {bnUp, bnDown, bnLeft, bnRight}) pan->hide();

    PanelMode = MakePanel(PanelSolve, "PanelMode");
    PanelHead1 = MakeLabel(PanelMode, "PanelHead1", "Select mode");
    sbNormal = MakeButton(PanelMode, "sbNormal", "Solve", "Solve Mode");
    sbEraser = MakeButton(PanelMode, "sbEraser", "Erase", "Erase Mode");
    sbFiller = MakeButton(PanelMode, "sbFiller", "Fill", "Fill Mode");
    const std::array<QPushButton*, 3> modeButtons{sbNormal, sbEraser, sbFiller};
    for (int m = 0; m < 3; ++m) {
        modeButtons[m]->setCheckable(true);
        modeButtons[m]->setAutoExclusive(true);
        const auto mode = static_cast<TSolveMode>(m);
        connect(modeButtons[m], &QPushButton::clicked, this, [this, mode] { rbModeClick(mode); });
    }
    sbNormal->setChecked(true);

    PanelMode2 = MakePanel(PanelSolve, "PanelMode2");
    lblMode1 = MakeLabel(PanelMode2, "lblMode1", "", Qt::AlignLeft | Qt::AlignVCenter);
    lblMode2 = MakeLabel(PanelMode2, "lblMode2", "", Qt::AlignLeft | Qt::AlignVCenter);
    lblMode3 = MakeLabel(PanelMode2, "lblMode3", "", Qt::AlignLeft | Qt::AlignVCenter);
    bnMore = MakeButton(PanelMode2, "bnMore", "... more", "More Information");
    connect(bnMore, &QPushButton::clicked, this, &TfrmSolve::bnMoreClick);
    PanelHint = new QFrame(PanelSolve);
    PanelHint->setObjectName(QStringLiteral("PanelHint"));
    PanelHint->setStyleSheet(
        QStringLiteral("QFrame#PanelHint { background: #FFFFFF; border: 2px solid #E040E0; }"));
    lblHint = MakeLabel(PanelHint, "lblHint", "", Qt::AlignLeft | Qt::AlignTop);
    lblHint->setWordWrap(true);
    PanelHint->hide();

    PanelZoom = MakePanel(PanelSolve, "PanelZoom");
    PanelHeadZoom = MakeLabel(PanelZoom, "PanelHeadZoom", "Zoom");
    bnZoomIn = MakeButton(PanelZoom, "bnZoomIn", "", "Larger");
    bnZoomOut = MakeButton(PanelZoom, "bnZoomOut", "", "Smaller");
    bnZoomIn->setIcon(ButtonIcon(TIconKind::ZoomIn, 18));
    bnZoomOut->setIcon(ButtonIcon(TIconKind::ZoomOut, 18));
    connect(bnZoomIn, &QPushButton::clicked, this, &TfrmSolve::bnZoomInClick);
    connect(bnZoomOut, &QPushButton::clicked, this, &TfrmSolve::bnZoomOutClick);

    bnUndo = MakeButton(PanelSolve, "bnUndo", "Undo", "Backstep");
    bnCheck = MakeButton(PanelSolve, "bnCheck", "Check", "Check entire puzzle");
    bnClear = MakeButton(PanelSolve, "bnClear", "Erase All", "Erase entire puzzle");
    bnFill = MakeButton(PanelSolve, "bnFill", "Fill All", "Fill entire puzzle");
    bnReset = MakeButton(PanelSolve, "bnReset", "Reset", "Reset from hard drive");
    bnSave = MakeButton(PanelSolve, "bnSave", "Save", "Save to hard drive");
    bnPrint = MakeButton(PanelSolve, "bnPrint", "Print", "Print puzzle/answer");
    bnReturn = MakeButton(PanelSolve, "bnReturn", "Return", "Return to main screen");
    connect(bnUndo, &QPushButton::clicked, this, [this] { Solve->bnUndoClick(); });
    connect(bnCheck, &QPushButton::clicked, this, [this] { Solve->bnCheckClick(); });
    connect(bnClear, &QPushButton::clicked, this, [this] { Solve->bnClearClick(); });
    connect(bnFill, &QPushButton::clicked, this, [this] { Solve->bnFillClick(); });
    connect(bnReset, &QPushButton::clicked, this, [this] { Solve->bnResetClick(true); });
    connect(bnSave, &QPushButton::clicked, this, [this] { Solve->bnSaveClick(true); });
    connect(bnReturn, &QPushButton::clicked, this, &TfrmSolve::bnReturnClick);
    connect(bnPrint, &QPushButton::clicked, this, &TfrmSolve::bnPrintClick);
}

// ---- Showing the screen and its pages -----------------------------------------------------

void TfrmSolve::FormShow() {
    const QFont general = FontFor(Fonts.General);
    setFont(general);
    for (QWidget* w : {static_cast<QWidget*>(PanelDetails), static_cast<QWidget*>(PanelStars[3]),
                       static_cast<QWidget*>(PanelStars[4])}) {
        w->setFont(general);
    }
    PanelSolve->setFont(FontFor(Fonts.Small));
    PanelInstruct->setFont(general);
    ShowPage(PanelMain);

    const TPuzzleLibrary& lib = App.File.Library;
    PreviewShown = false;
    SelectSlot(ChooserStartSlot(lib, App.File.Settings.CurrentPuzzleId));
    if (lib.Counts.Total <= 0) {
        PanelDetails->setText(QString::fromUtf8(kNoPuzzlesText));
        SetColours(PanelDetails, palette().color(QPalette::Window),
                   palette().color(QPalette::WindowText));
    }
    ShowChooserControls();

    const bool side = App.File.Settings.CombosAtSide != 0;
    bnMoveToTop->setVisible(side);
    bnMoveToSide->setVisible(!side);
    FormResize();
}

void TfrmSolve::ShowChooserControls() {
    const bool any = App.File.Library.Counts.Total > 0;
    dgSmall->setVisible(any && PreviewShown);
    bnPrint1->setVisible(any);
    bnSolve->setVisible(any);
    bnSolve->setEnabled(PreviewShown);
}

void TfrmSolve::ShowPage(QWidget* page) {
    for (QWidget* p : {PanelMain, PanelSolve, static_cast<QWidget*>(PanelInstruct)}) {
        p->setVisible(p == page);
    }
    Solve->Tracker().PageShown(page == PanelSolve && Solve->Solving());
    ShowClock();
}

void TfrmSolve::FormResize() {
    for (QWidget* p : {PanelMain, PanelSolve, static_cast<QWidget*>(PanelInstruct)}) {
        p->setGeometry(0, 0, width(), height());
    }
    if (PanelMain->isVisibleTo(this)) LayoutChooser();
    if (PanelSolve->isVisibleTo(this)) LayoutSolvePage();
    if (PanelInstruct->isVisibleTo(this)) PanelInstruct->Layout();
}

void TfrmSolve::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmSolve::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

bool TfrmSolve::IsPuzzleModified() const {
    const int slot = App.Work.CurrentSlot;
    if (slot < 1 || slot > UsedSlots(App.File.Library.Counts)) return false;
    if (ClassifySlot(App.File.Library, slot) != TSlotState::Valid) return false;
    return IsModified(App.File.Library, slot, App.Work);
}

void TfrmSolve::SavePuzzle() {
    if (Solve->Solving()) {
        Solve->bnSaveClick(false);
        return;
    }
    if (IsPuzzleModified()) SaveSlot(App.File.Library, App.Work.CurrentSlot, App.Work);
}

// ---- Starting and leaving the solving page --------------------------------------------------

void TfrmSolve::bnSolveClick() {
    // Only the puzzle the chooser shows: none in an empty library or on a damaged slot.
    if (!PreviewShown || !Solve->bnSolveClick()) return;
    PanelDetails1->setText(PanelDetails->text());
    PanelDetails1->setPalette(PanelDetails->palette());
    PanelDetails1->setAutoFillBackground(true);
    Zoom = 0;
    PanRow = 0;
    PanCol = 0;
    sbNormal->setChecked(true);
    ShowPage(PanelSolve);
    FormResize();
    dgGrid->update();
    setFocus();
}

void TfrmSolve::bnPrintClick() {
    PrintWorkingPuzzle(this, Messages, App.File.Settings, App.File.Library, App.Work);
}

void TfrmSolve::bnReturnClick() {
    Solve->bnReturnClick();
    ShowPage(PanelMain);
    FormResize();
    dgSmall->update();
}

void TfrmSolve::bnInstructReturnClick() {
    ShowPage(PanelSolve);
    FormResize();
    setFocus();
}

// ---- The solving page's layout --------------------------------------------------------------

void TfrmSolve::LayoutSolvePage() {
    const QFontMetrics metrics(PanelSolve->font());
    TSolvePageMetrics m;
    m.LineHeight = std::max(16, metrics.height());
    // The widest caption of a group of buttons, as the player's language words them.
    const auto widest = [&metrics](std::initializer_list<const QPushButton*> buttons) {
        int most = 0;
        for (const QPushButton* b : buttons)
            most = std::max(most, metrics.horizontalAdvance(b->text()));
        return most;
    };
    m.SolveWidth = widest({sbNormal, sbEraser, sbFiller});
    m.ModeTextWidth =
        metrics.horizontalAdvance(UiText("to fill a square.  Click the total to show all"));
    m.MoreWidth = metrics.horizontalAdvance(bnMore->text());
    m.ZoomWidth = metrics.horizontalAdvance(PanelHeadZoom->text());
    m.EraseAllWidth =
        widest({bnUndo, bnCheck, bnClear, bnFill, bnReset, bnSave, bnPrint, bnReturn});
    m.RadioIndent = RadioIndent;
    const bool side = App.File.Settings.CombosAtSide != 0;
    const TSolvePageLayout page = xs::LayoutSolvePage(width(), height(), m, side);
    PageLayout = page;

    Apply(PanelHeader, page.Header);
    const auto inHeader = [&page](const TRect& r) {
        return TRect{r.Left - page.Header.Left, r.Top - page.Header.Top, r.Right - page.Header.Left,
                     r.Bottom - page.Header.Top};
    };
    Apply(PanelDetails1, inHeader(page.Details));
    PlaceClock();
    LayoutValuesStrip(ToQRect(inHeader(page.Values)));

    Apply(PanelPoss, page.Poss);
    ApplyIn(side ? bnMoveToTop : bnMoveToSide, page.MoveButton, page.Poss);
    Apply(PanelGrid, page.Grid);

    Apply(PanelMode, page.Mode);
    ApplyIn(PanelHead1, page.ModeCaption, page.Mode);
    const std::array<QPushButton*, 3> modes{sbNormal, sbEraser, sbFiller};
    for (int i = 0; i < 3; ++i) {
        ApplyIn(modes[static_cast<std::size_t>(i)], page.ModeButtons[i], page.Mode);
    }
    Apply(PanelMode2, page.Mode2);
    ApplyIn(lblMode1, page.ModeLines[0], page.Mode2);
    ApplyIn(lblMode2, page.ModeLines[1], page.Mode2);
    ApplyIn(lblMode3, page.ModeLines[2], page.Mode2);
    ApplyIn(bnMore, page.More, page.Mode2);
    Apply(PanelZoom, page.Zoom);
    ApplyIn(PanelHeadZoom, page.ZoomCaption, page.Zoom);
    ApplyIn(bnZoomIn, page.ZoomIn, page.Zoom);
    ApplyIn(bnZoomOut, page.ZoomOut, page.Zoom);
    const std::array<QPushButton*, kCommandButtonCount> commands{
        bnUndo, bnCheck, bnClear, bnFill, bnReset, bnSave, bnPrint, bnReturn};
    for (int i = 0; i < kCommandButtonCount; ++i) {
        Apply(commands[static_cast<std::size_t>(i)], page.Commands[i]);
    }
    LayoutBoard();
    ShowCombinations();
}

// ---- Modes and buttons ----------------------------------------------------------------------

void TfrmSolve::rbModeClick(TSolveMode mode) {
    const std::array<QPushButton*, 3> buttons{sbNormal, sbEraser, sbFiller};
    buttons[static_cast<std::size_t>(mode)]->setChecked(true);
    Solve->rbModeClick(mode);
}

void TfrmSolve::ModeChanged(TSolveMode mode) {
    ShowInstructionLines();
    const std::array<QPushButton*, 3> buttons{sbNormal, sbEraser, sbFiller};
    buttons[static_cast<std::size_t>(mode)]->setChecked(true);
    // The mode's cursor over the whole page, the board included.
    const QCursor cursor = ModeCursor();
    PanelSolve->setCursor(cursor);
    PanelMode->setCursor(cursor);
    dgGrid->setCursor(cursor);
    ButtonsChanged();
}

void TfrmSolve::ButtonsChanged() {
    const TSolveButtons& b = Solve->Buttons();
    bnUndo->setEnabled(b.UndoEnabled());
    bnCheck->setEnabled(b.CheckEnabled());
    bnClear->setEnabled(b.ClearEnabled());
    bnFill->setEnabled(b.FillEnabled());
    bnReset->setEnabled(b.FileEnabled());
    bnSave->setEnabled(b.FileEnabled());
    bnPrint->setEnabled(b.FileEnabled());
    sbEraser->setEnabled(b.sbEraser);
    sbFiller->setEnabled(b.sbFiller);
    bnMore->setVisible(b.bnMore);
}

}  // namespace xs
