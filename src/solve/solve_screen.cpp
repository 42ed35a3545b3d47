// The solve screen: its three pages, the controls' events turned into calls on the solving state,
// and the layout numbers applied to the controls.
#include "solve/solve_screen.h"

#include <QPainter>
#include <QPixmap>
#include <QShowEvent>
#include <algorithm>

#include "model/slot_check.h"
#include "platform/fonts.h"
#include "platform/qt_canvas.h"
#include "solve/board_layout.h"
#include "solve/board_render.h"
#include "solve/chooser.h"
#include "solve/combinations_list.h"
#include "solve/instruct_page.h"
#include "solve/solve_widgets.h"

namespace xs {

namespace {

constexpr const char* kMainInstructions[4] = {
    "Select a puzzle by clicking within the grid on the left.  The preview",
    "screen below shows the selected puzzle.",
    "Press 'Print this puzzle' to print the puzzle (with or without answer)",
    "Press 'Solve this puzzle' to solve the puzzle on screen."};

// The solving page's background and the combinations strip's orange.
const QColor kPageColour = ToQColor(kPageBackground);
const QColor kStripColour = ToQColor(kHighlightOrange);
// The two pixels between board squares.
constexpr TColor kGridLineColour = kGray;

TColor FromQColor(const QColor& colour) {
    return TColor{static_cast<std::uint32_t>(colour.rgb() & 0xFFFFFF)};
}

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Width(), r.Height());
}

TRect FromQRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void Apply(QWidget* widget, const TRect& r) {
    widget->setGeometry(ToQRect(r));
}

// A rectangle given in the page's coordinates, for a control inside the panel at `panel`.
void ApplyIn(QWidget* widget, const TRect& r, const TRect& panel) {
    widget->setGeometry(r.Left - panel.Left, r.Top - panel.Top, r.Width(), r.Height());
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption,
                        const char* hint = nullptr) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QLatin1String(name));
    if (hint != nullptr) button->setToolTip(QString::fromUtf8(hint));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text,
                  Qt::Alignment align = Qt::AlignCenter) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(align);
    return label;
}

QFrame* MakePanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Raised);
    return panel;
}

void SetColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace

struct TfrmSolve::TStrips {
    TComboList Combos;
    TValuesStrip Values;
};

TfrmSolve::TfrmSolve(const TProgramFonts& fonts, TMessages& messages, int radioIndent,
                     QWidget* parent)
    : QWidget(parent),
      App(AppData()),
      Fonts(fonts),
      Messages(messages),
      RadioIndent(radioIndent),
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
}

TfrmSolve::~TfrmSolve() {
    Solve->SetView(nullptr);
}

void TfrmSolve::BuildChooserPage() {
    PanelMain = new QWidget(this);
    PanelMain->setObjectName(QStringLiteral("PanelMain"));

    sgPuzzles = new TPaintBox("sgPuzzles", PanelMain);
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

    dgSmall = new TPaintBox("dgSmall", PanelMain);
    dgSmall->OnPaint = [this](TCanvas& canvas, const TRect& dirty) {
        PaintPreview(canvas, ToQRect(dirty));
    };

    PanelDetails = MakeLabel(PanelMain, "PanelDetails", "");
    PanelDetails->setFrameShape(QFrame::Panel);
    PanelDetails->setFrameShadow(QFrame::Raised);
    bnPrint1 = MakeButton(PanelMain, "bnPrint1", "Print this puzzle");
    bnSolve = MakeButton(PanelMain, "bnSolve", "Solve this puzzle", "Solve XSums puzzle");
    connect(bnSolve, &QPushButton::clicked, this, &TfrmSolve::bnSolveClick);
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
    dgValues = new TPaintBox("dgValues", PanelHeader);
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
    dgGrid = new TPaintBox("dgGrid", PanelGrid);
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

// ---- The chooser page -----------------------------------------------------------------------

void TfrmSolve::sgPuzzlesMouseDown(int x, int y) {
    const int slot = ListSlotAt(x, y, ChooserColWidth, ChooserRowHeight);
    if (slot >= 1) SelectSlot(slot);
}

void TfrmSolve::SelectSlot(int slot) {
    TPuzzleLibrary& lib = App.File.Library;
    const TChooserPick pick = PickSlot(lib, slot, App.Work, App.File.Settings.CurrentPuzzleId);
    if (pick == TChooserPick::Ignored) return;
    PreviewShown = pick == TChooserPick::Loaded;
    const TDescription description = DescribeSlot(lib, slot);
    PanelDetails->setText(QString::fromStdString(description.Caption));
    SetColours(PanelDetails, ToQColor(description.Colours.Fill),
               ToQColor(description.Colours.Text));
    ShowChooserControls();
    sgPuzzles->update();
    LayoutChooser();
    dgSmall->update();
}

QRect TfrmSolve::ChooserCellRect(int slot) const {
    return ToQRect(ListCellRect(slot, ChooserColWidth, ChooserRowHeight));
}

void TfrmSolve::LayoutChooser() {
    const QFontMetrics metrics(font());
    TChooserMetrics m;
    m.LineHeight = metrics.height();
    m.DetailsHeight = metrics.height() + 8;
    m.ButtonHeight = metrics.height() + 11;
    m.PrintWidth = metrics.horizontalAdvance(bnPrint1->text()) + RadioIndent + 12;
    m.SolveWidth = metrics.horizontalAdvance(bnSolve->text()) + RadioIndent + 12;
    const bool any = App.File.Library.Counts.Total > 0 && PreviewShown;
    const TChooserLayout layout = xs::LayoutChooser(width(), height(), App.Work.PuzzleDims, any, m);
    ChooserColWidth = layout.ColWidth;
    ChooserRowHeight = layout.RowHeight;
    ChooserFontLevel = kListFontTop;
    PreviewCell = layout.PreviewCell;
    Apply(sgPuzzles, layout.Puzzles);
    const TRect& legend = layout.Legend;
    const int legendRight = layout.StarPanels[4].Right;
    const int legendBottom = std::max(legend.Bottom, layout.StarPanels[0].Bottom);
    PanelLegendRow->setGeometry(legend.Left, legend.Top, legendRight - legend.Left,
                                legendBottom - legend.Top);
    const auto inRow = [&legend](const TRect& r) {
        return TRect{r.Left - legend.Left, r.Top - legend.Top, r.Right - legend.Left,
                     r.Bottom - legend.Top};
    };
    Apply(PanelLegend, inRow(legend));
    for (int d = 0; d < 5; ++d) Apply(PanelStars[d], inRow(layout.StarPanels[d]));
    Apply(PanelMainInstruct, layout.Instruct);
    for (int i = 0; i < 4; ++i) {
        lblMainInstruct[i]->setGeometry(0, layout.InstructLineTop[i], layout.Instruct.Width(),
                                        m.LineHeight);
    }
    Apply(dgSmall, layout.Preview);
    Apply(PanelDetails, layout.Details);
    Apply(bnPrint1, layout.Print);
    Apply(bnSolve, layout.Solve);
    PanelDetails->raise();
    sgPuzzles->update();
}

void TfrmSolve::PaintChooser(TCanvas& canvas, const QRect& dirtyRect) {
    const TRect dirty = FromQRect(dirtyRect);
    const TColor face = FromQColor(palette().color(QPalette::Button));
    canvas.SetBrush(FromQColor(palette().color(QPalette::Mid)));
    canvas.FillRect(dirty);
    const int current = App.Work.CurrentSlot;
    for (int slot = 1; slot <= MaxPuzzles; ++slot) {
        const TRect cell = ListCellRect(slot, ChooserColWidth, ChooserRowHeight);
        if (cell.Right <= dirty.Left || cell.Left >= dirty.Right || cell.Bottom <= dirty.Top ||
            cell.Top >= dirty.Bottom) {
            continue;
        }
        const TListCell item = ListCellFor(App.File.Library, slot, slot == current);
        if (!DrawListCell(canvas, cell, item, ChooserFontLevel, face)) {
            // The numbers did not fit: the whole list again in the next smaller font.
            sgPuzzles->update();
            return;
        }
    }
}

void TfrmSolve::PaintPreview(TCanvas& canvas, const QRect&) {
    const TPuzzleDims dims = App.Work.PuzzleDims;
    canvas.SetBrush(kWhite);
    canvas.FillRect({0, 0, dgSmall->width(), dgSmall->height()});
    xs::PaintPreview(canvas, App.Work.CurrentPuzzle, {0, 0, PreviewCell, 1},
                     {0, 0, dims.LastRow, dims.LastCol});
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
}

void TfrmSolve::bnReturnClick() {
    Solve->bnReturnClick();
    ShowPage(PanelMain);
    FormResize();
    dgSmall->update();
}

void TfrmSolve::bnMoreClick() {
    ShowPage(PanelInstruct);
    FormResize();
}

void TfrmSolve::bnInstructReturnClick() {
    ShowPage(PanelSolve);
    FormResize();
}

// ---- The solving page's layout --------------------------------------------------------------

void TfrmSolve::LayoutSolvePage() {
    const QFontMetrics metrics(PanelSolve->font());
    TSolvePageMetrics m;
    m.LineHeight = std::max(16, metrics.height());
    m.SolveWidth = metrics.horizontalAdvance(sbNormal->text());
    m.ModeTextWidth =
        metrics.horizontalAdvance(QStringLiteral("to fill a square.  Click the total to show all"));
    m.MoreWidth = metrics.horizontalAdvance(bnMore->text());
    m.ZoomWidth = metrics.horizontalAdvance(PanelHeadZoom->text());
    m.EraseAllWidth = metrics.horizontalAdvance(bnClear->text());
    m.RadioIndent = RadioIndent;
    const bool side = App.File.Settings.CombosAtSide != 0;
    const TSolvePageLayout page = xs::LayoutSolvePage(width(), height(), m, side);

    Apply(PanelHeader, page.Header);
    const auto inHeader = [&page](const TRect& r) {
        return TRect{r.Left - page.Header.Left, r.Top - page.Header.Top, r.Right - page.Header.Left,
                     r.Bottom - page.Header.Top};
    };
    Apply(PanelDetails1, inHeader(page.Details));
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

void TfrmSolve::LayoutBoard() {
    const QFontMetrics metrics(PanelSolve->font());
    TBoardLayoutInput in;
    in.GridWidth = PanelGrid->width();
    in.GridHeight = PanelGrid->height();
    in.Dims = App.Work.PuzzleDims;
    in.ZoomLevel = Zoom;
    in.PanRow = PanRow;
    in.PanCol = PanCol;
    in.PanThickness = std::max(20, metrics.height() + 6);
    in.PanLength = 3 * in.PanThickness;
    const TBoardLayout board = xs::LayoutBoard(in);
    PanRow = board.PanRow;
    PanCol = board.PanCol;
    const bool resized = BoardSquare != board.Square;
    BoardSquare = board.Square;
    Apply(dgGrid, board.Board);
    PanelHideTop->setVisible(board.HideTopShown);
    if (board.HideTopShown) Apply(PanelHideTop, board.HideTop);
    PanelHideLeft->setVisible(board.HideLeftShown);
    if (board.HideLeftShown) Apply(PanelHideLeft, board.HideLeft);
    const std::array<std::pair<QPushButton*, const TPanButton*>, 4> pans{
        {{bnUp, &board.Up}, {bnDown, &board.Down}, {bnLeft, &board.Left}, {bnRight, &board.Right}}};
    for (const auto& [button, place] : pans) {
        button->setVisible(!board.Fits);
        if (board.Fits) continue;
        Apply(button, place->Rect);
        button->setEnabled(place->Enabled);
        button->raise();
    }
    bnZoomIn->setEnabled(board.ZoomInEnabled);
    bnZoomOut->setEnabled(Zoom > 0);
    if (resized) dgGrid->update();
}

// ---- The board ------------------------------------------------------------------------------

QRect TfrmSolve::SquareRect(int row, int col) const {
    // With the grid line after the square: a check colour reaches one pixel into it.
    const TRect r = BoardSquareRect(row, col, BoardSquare);
    return QRect(r.Left, r.Top, r.Width() + kBoardGridLine, r.Height() + kBoardGridLine);
}

void TfrmSolve::PaintBoard(TCanvas& canvas, const QRect& dirtyRect) {
    const TRect dirty = FromQRect(dirtyRect);
    const int pitch = BoardSquare + kBoardGridLine;
    if (pitch <= kBoardGridLine) return;
    const TPuzzleDims dims = App.Work.PuzzleDims;
    // Only the squares the dirty rectangle touches: a redrawn square costs one square.
    const TCellRange range{std::max(0, dirty.Top / pitch), std::max(0, dirty.Left / pitch),
                           std::min(dims.LastRow, (dirty.Bottom - 1) / pitch),
                           std::min(dims.LastCol, (dirty.Right - 1) / pitch)};
    canvas.SetBrush(kPageBackground);
    canvas.FillRect(dirty);
    if (range.FirstRow > range.LastRow || range.FirstCol > range.LastCol) return;
    const TBoardView view{&App.Work.CurrentPuzzle, &Solve->Checks(), &Solve->SelectedRun(),
                          FromQColor(PanelPoss->palette().color(QPalette::Window))};
    const TGridGeometry geometry{range.FirstCol * pitch, range.FirstRow * pitch, BoardSquare,
                                 kBoardGridLine};
    xs::PaintBoard(canvas, view, geometry, range, kGridLineColour);
}

void TfrmSolve::RedrawSquare(int row, int col) {
    dgGrid->repaint(SquareRect(row, col));
}

void TfrmSolve::RepaintBoard() {
    dgGrid->update();
}

void TfrmSolve::SelectionChanged(int oldRow, int oldCol) {
    if (oldRow >= 0) RedrawSquare(oldRow, oldCol);
    const TSelectedRun& run = Solve->SelectedRun();
    if (run.ClueRow >= 0) RedrawSquare(run.ClueRow, run.ClueCol);
    ShowCombinations();
}

void TfrmSolve::dgGridMouseDown(int x, int y, TMouseButton button) {
    if (Solve->dgGridMouseDown(x, y, button, BoardSquare)) {
        dgGrid->setCursor(ModeCursor());
    }
}

void TfrmSolve::dgGridMouseMove(int x, int y) {
    if (!Solve->Dragging()) return;
    const bool accepted = Solve->dgGridDragOver(x, y, BoardSquare);
    dgGrid->setCursor(accepted ? ModeCursor() : QCursor(Qt::ForbiddenCursor));
}

void TfrmSolve::dgGridMouseUp() {
    if (!Solve->Dragging()) return;
    Solve->dgGridEndDrag();
    // The mode's cursor stays on the board, so the player still sees the mode after a drag.
    dgGrid->setCursor(ModeCursor());
}

QCursor TfrmSolve::ModeCursor() const {
    switch (Solve->Mode()) {
        case TSolveMode::Erase:
            return EraseCursor;
        case TSolveMode::Fill:
            return FillCursor;
        case TSolveMode::Solve:
            break;
    }
    return QCursor(Qt::ArrowCursor);
}

void TfrmSolve::bnZoomInClick() {
    ++Zoom;
    LayoutSolvePage();
}

void TfrmSolve::bnZoomOutClick() {
    if (Zoom > 0) --Zoom;
    LayoutSolvePage();
}

void TfrmSolve::bnUpClick() {
    if (PanRow <= 0) return;
    --PanRow;
    LayoutSolvePage();
}

void TfrmSolve::bnDownClick() {
    ++PanRow;
    LayoutSolvePage();
}

void TfrmSolve::bnLeftClick() {
    if (PanCol <= 0) return;
    --PanCol;
    LayoutSolvePage();
}

void TfrmSolve::bnRightClick() {
    ++PanCol;
    LayoutSolvePage();
}

// ---- Modes and buttons ----------------------------------------------------------------------

void TfrmSolve::rbModeClick(TSolveMode mode) {
    const std::array<QPushButton*, 3> buttons{sbNormal, sbEraser, sbFiller};
    buttons[static_cast<std::size_t>(mode)]->setChecked(true);
    Solve->rbModeClick(mode);
}

void TfrmSolve::ModeChanged(TSolveMode mode) {
    const TModeLines lines = ModeLines(mode);
    const std::array<QLabel*, 3> labels{lblMode1, lblMode2, lblMode3};
    for (std::size_t i = 0; i < 3; ++i) {
        labels[i]->setText(
            QString::fromUtf8(lines[i].data(), static_cast<qsizetype>(lines[i].size())));
    }
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

// ---- Combinations and values strips ---------------------------------------------------------

void TfrmSolve::Button1Click() {
    TSettings& settings = App.File.Settings;
    settings.CombosAtSide = settings.CombosAtSide != 0 ? 0 : 1;
    bnMoveToTop->setVisible(settings.CombosAtSide == 1);
    bnMoveToSide->setVisible(!bnMoveToTop->isVisibleTo(PanelPoss));
    LayoutSolvePage();
}

void TfrmSolve::ShowCombinations() {
    xs::ShowCombinations(Solve->SelectedRun(), Strips->Combos);
    lblPoss1->setText(QString::fromUtf8(Strips->Combos.Label1));
    lblPoss2->setText(QString::fromUtf8(Strips->Combos.Label2));

    const bool side = App.File.Settings.CombosAtSide != 0;
    const QPushButton* move = side ? bnMoveToTop : bnMoveToSide;
    TComboStripInput strip;
    strip.Width = PanelPoss->width();
    strip.Height = PanelPoss->height();
    strip.AtSide = side;
    strip.ButtonWidth = move->width();
    strip.ButtonHeight = move->height();
    // Measured as the screen measures: a pixmap has the screen's resolution.
    QPixmap measure(1, 1);
    QPainter painter(&measure);
    TQtCanvas canvas(painter);
    const TComboFit fit =
        FitCombinations(Strips->Combos, strip, canvas, Fonts.Small.Face, Fonts.Small.Points);
    painter.end();

    const QFont font = MakeFont(fit.Face, fit.Points, false);
    for (QLabel* label : {lblPoss1, lblPoss2}) label->setFont(font);
    Apply(lblPoss1, fit.Layout.Label1);
    Apply(lblPoss2, fit.Layout.Label2);
    for (int i = 0; i < kMaxCombos; ++i) {
        QLabel* box = PanelPossBoxes[static_cast<std::size_t>(i)];
        if (i >= Strips->Combos.ComboCount) {
            box->hide();
            continue;
        }
        const std::string_view caption = Strips->Combos.Caption(i);
        box->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
        box->setFont(font);
        QPalette palette = box->palette();
        palette.setColor(QPalette::WindowText,
                         Strips->Combos.Greyed(i) ? ToQColor(kSilver) : Qt::black);
        box->setPalette(palette);
        Apply(box, fit.Layout.Boxes[i]);
        box->show();
    }
}

void TfrmSolve::LayoutValuesStrip(const QRect& area) {
    QFont bold = MakeFont("MS Sans Serif", 10, true);
    bold.setPixelSize(13);
    const int w55 = QFontMetrics(bold).horizontalAdvance(QStringLiteral("55"));
    const QFontMetrics metrics(PanelSolve->font());
    const int cell = w55 + 4;
    const int gridWidth = 9 * (cell + 1) + 1;
    const int panel = w55 + 10;
    const int gap = w55 / 2;
    const int inWidth = metrics.horizontalAdvance(lblIn->text());
    const int arrowWidth = w55 + 4;
    const int total = 4 * panel + 2 * gap + inWidth + gap + arrowWidth + gap + gridWidth;
    const int height = std::max(8, std::min(area.height() - 6, metrics.height() + 10));
    const int top = area.top() + (area.height() - height) / 2;
    int x = area.left() + std::max(0, (area.width() - total) / 2);
    const auto place = [&x, top, height](QWidget* w, int width) {
        w->setGeometry(x, top, width, height);
        x += width;
    };
    place(PanelTotal, panel);
    place(spnTotal, panel);
    x += gap;
    place(lblIn, inWidth);
    x += gap;
    place(PanelSquares, panel);
    place(spnSquares, panel);
    x += gap;
    imgArrow->setPixmap(ValuesArrow(arrowWidth, height));
    place(imgArrow, arrowWidth);
    x += gap;
    lblInvalid->setGeometry(
        x, top, std::max(gridWidth, metrics.horizontalAdvance(lblInvalid->text())), height);
    place(dgValues, gridWidth);
}

void TfrmSolve::UpdateValues() {
    PanelTotal->setText(QString::number(Strips->Values.Total));
    PanelSquares->setText(QString::number(Strips->Values.Squares));
    dgValues->setVisible(Strips->Values.Valid);
    lblInvalid->setVisible(!Strips->Values.Valid);
    dgValues->update();
}

void TfrmSolve::PaintValues(TCanvas& canvas, const QRect&) {
    const int cell = (dgValues->width() - 1) / 9 - 1;
    canvas.SetBrush(kGray);
    canvas.FillRect({0, 0, dgValues->width(), dgValues->height()});
    canvas.SetFont("Arial", 10, true);
    canvas.SetTextColor(kNavy);
    const int textHeight = canvas.TextHeight("9");
    for (int i = 0; i < 9; ++i) {
        const TRect box{1 + i * (cell + 1), 1, 1 + i * (cell + 1) + cell, dgValues->height() - 1};
        canvas.SetBrush(Strips->Values.ValueFlags[i + 1] == 1 ? kYellow : kWhite);
        const char digit[2] = {static_cast<char>('1' + i), '\0'};
        canvas.TextRect(box, box.Left + (box.Width() - canvas.TextWidth(digit)) / 2,
                        box.Top + (box.Height() - textHeight) / 2, digit);
    }
}

void TfrmSolve::spnTotalClick(int step) {
    if (step > 0) {
        Strips->Values.spnTotalUpClick();
    } else {
        Strips->Values.spnTotalDownClick();
    }
    UpdateValues();
}

void TfrmSolve::spnSquaresClick(int step) {
    if (step > 0) {
        Strips->Values.spnSquaresUpClick();
    } else {
        Strips->Values.spnSquaresDownClick();
    }
    UpdateValues();
}

}  // namespace xs
