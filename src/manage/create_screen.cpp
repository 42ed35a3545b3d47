// The create screen.
#include "manage/create_screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QSessionManager>
#include <QShowEvent>
#include <chrono>

#include "manage/create_layout.h"
#include "manage/create_state.h"
#include "manage/print_panel.h"
#include "platform/fonts.h"
#include "platform/outlined_panel.h"
#include "platform/qt_canvas.h"
#include "platform/ui_text.h"
#include "storage/settings.h"

namespace xs {

namespace {

const char* const kStarCaptions[5] = {"1 star", "2 star", "3 star", "4 star", "5 star"};

void Place(QWidget* widget, const TRect& r) {
    widget->setGeometry(r.Left, r.Top, r.Width(), r.Height());
}

TOutlinedPanel* MakePanel(QWidget* parent, const QString& name) {
    return MakeOutlinedPanel(parent, name);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text,
                  Qt::Alignment align = Qt::AlignCenter) {
    auto* label = new QLabel(UiText(text), parent);
    label->setObjectName(QLatin1String(name));
    label->setAlignment(align);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const char* caption) {
    auto* button = new QPushButton(UiText(caption), parent);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A counter: a sunken box with its number in the middle.
QLabel* MakeCounter(QWidget* parent, const QString& name) {
    auto* counter = new QLabel(QStringLiteral("0"), parent);
    counter->setObjectName(name);
    counter->setAlignment(Qt::AlignCenter);
    counter->setFrameShape(QFrame::Panel);
    counter->setFrameShadow(QFrame::Sunken);
    return counter;
}

QString ColourName(TColor colour) {
    return ToQColor(colour).name();
}

// A star panel in the star's colours; a caption inside takes the star's text colour.
void PaintStar(TOutlinedPanel* panel, int level) {
    const TStarColours colours = StarColours(level);
    panel->setStyleSheet(
        QStringLiteral("QFrame#%1 { background-color: %2; } QLabel { color: %3; }")
            .arg(panel->objectName(), ColourName(colours.Fill), ColourName(colours.Text)));
    panel->SetLineColour(QColor(0x80, 0x80, 0x80));
}

}  // namespace

TPuzzleListView::TPuzzleListView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sgPuzzles"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPuzzleListView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The grid lines are what the cells leave uncovered.
    painter.fillRect(rect(), palette().color(QPalette::Dark));
    TQtCanvas canvas(painter);
    if (OnPaint) OnPaint(canvas);
}

void TPuzzleListView::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (OnPress) OnPress(at.x(), at.y());
}

TCreateSpin::TCreateSpin(const QString& name, QWidget* parent) : QWidget(parent) {
    setObjectName(name);
    Up = new QToolButton(this);
    Up->setObjectName(name + QStringLiteral("Up"));
    Up->setArrowType(Qt::UpArrow);
    Down = new QToolButton(this);
    Down->setObjectName(name + QStringLiteral("Down"));
    Down->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {Up, Down}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRepeat(true);
    }
}

void TCreateSpin::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    Up->setGeometry(0, 0, width(), half);
    Down->setGeometry(0, half, width(), height() - half);
}

TfrmCreate::TfrmCreate(const TProgramFonts& fonts, TMessages& messages, int radioIndent,
                       QWidget* parent)
    : QWidget(parent),
      Fonts(fonts),
      RadioIndent(radioIndent),
      Current(std::make_unique<TCreateLayout>()) {
    setObjectName(QStringLiteral("frmCreate"));
    TDataFileRecord& file = AppData().File;
    // The generator's one random source, seeded from the clock when the screen is made.
    const auto seed =
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    Create = std::make_unique<TCreateState>(file.Settings, file.Library, messages, seed);

    PanelMain = new QWidget(this);
    PanelMain->setObjectName(QStringLiteral("PanelMain"));
    sgPuzzles = new TPuzzleListView(PanelMain);
    sgPuzzles->OnPaint = [this](TCanvas& canvas) {
        Create->DrawList(canvas, Current->ColWidth, Current->RowHeight,
                         TColor{static_cast<std::uint32_t>(
                             sgPuzzles->palette().color(QPalette::Button).rgb() & 0xFFFFFF)});
    };
    sgPuzzles->OnPress = [this](int x, int y) { sgPuzzlesMouseDown(x, y); };

    // The creation panel.
    PanelCreate = MakePanel(PanelMain, QStringLiteral("PanelCreate"));
    lblCreateInstruct1 =
        MakeLabel(PanelCreate, "lblCreateInstruct1", "To create Cross Sums puzzles");
    lblCreateInstruct2 = MakeLabel(PanelCreate, "lblCreateInstruct2",
                                   "Choose how many puzzles to create and their size.");
    for (int level = 1; level <= 5; ++level) {
        TOutlinedPanel* panel = MakePanel(PanelCreate, QStringLiteral("Panel%1Create").arg(level));
        PaintStar(panel, level);
        PanelStarCreate[level - 1] = panel;
        lblStarCreate[level - 1] =
            MakeLabel(panel, "", kStarCaptions[level - 1], Qt::AlignLeft | Qt::AlignVCenter);
        auto* spin = new TCreateSpin(QStringLiteral("spn%1Create").arg(level), panel);
        connect(spin->Up, &QToolButton::clicked, this, [this, level] { spnCreateUpClick(level); });
        connect(spin->Down, &QToolButton::clicked, this,
                [this, level] { spnCreateDownClick(level); });
        spnCreate[level - 1] = spin;
    }
    lblTotal = MakeLabel(PanelCreate, "lblTotal", "Total");
    lblFour = MakeLabel(PanelCreate, "lblFour", "To create", Qt::AlignLeft | Qt::AlignVCenter);
    lblFive = MakeLabel(PanelCreate, "lblFive", "Existing", Qt::AlignLeft | Qt::AlignVCenter);
    lblSize = MakeLabel(PanelCreate, "lblSize", "Puzzle size", Qt::AlignLeft | Qt::AlignVCenter);
    PanelCreateCounts[0] = MakeCounter(PanelCreate, QStringLiteral("PanelCreateT"));
    PanelExistCounts[0] = MakeCounter(PanelCreate, QStringLiteral("PanelExistT"));
    for (int level = 1; level <= 5; ++level) {
        PanelCreateCounts[level] =
            MakeCounter(PanelCreate, QStringLiteral("PanelCreate%1").arg(level));
        PanelExistCounts[level] =
            MakeCounter(PanelCreate, QStringLiteral("PanelExist%1").arg(level));
    }
    lblRoom = MakeLabel(PanelCreate, "lblRoom", "");
    const char* const sizeNames[4] = {"rbSmall", "rbMedium", "rbLarge", "rbMini"};
    for (int code = 0; code < 4; ++code) {
        auto* radio = new QRadioButton(UiText(SizeText(code)), PanelCreate);
        radio->setObjectName(QLatin1String(sizeNames[code]));
        radio->setFocusPolicy(Qt::NoFocus);
        connect(radio, &QRadioButton::clicked, this, [this, code] { rbSizeClick(code); });
        SizeButtons[code] = radio;
    }
    rbSmall = SizeButtons[0];
    rbMedium = SizeButtons[1];
    rbLarge = SizeButtons[2];
    rbMini = SizeButtons[3];
    bnCreate = MakeButton(PanelCreate, QStringLiteral("bnCreate"), "Create puzzles");
    connect(bnCreate, &QPushButton::clicked, this, &TfrmCreate::bnCreateClick);

    // The delete-or-print panel.
    PanelDelete = MakePanel(PanelMain, QStringLiteral("PanelDelete"));
    lblDeleteInstruct1 =
        MakeLabel(PanelDelete, "lblDeleteInstruct1", "To delete or print Cross Sums puzzles");
    const char* const lines[3] = {
        "Select all puzzles to delete or print using the buttons below, or by",
        "clicking the puzzle in the grid.  Selected puzzles are outlined in red.",
        "Then press the 'Delete puzzles' or 'Print options' button."};
    for (int i = 0; i < 3; ++i) lblDeleteInstruct[i] = MakeLabel(PanelDelete, "", lines[i]);
    for (int level = 1; level <= 5; ++level) {
        TOutlinedPanel* panel = MakePanel(PanelDelete, QStringLiteral("Panel%1Delete").arg(level));
        PaintStar(panel, level);
        PanelStarDelete[level - 1] = panel;
        QPushButton* select =
            MakeButton(panel, QStringLiteral("bnSelect%1").arg(level), kStarCaptions[level - 1]);
        connect(select, &QPushButton::clicked, this, [this, level] { bnSelectClick(level); });
        bnSelect[level - 1] = select;
    }
    bnSelectT = MakeButton(PanelDelete, QStringLiteral("bnSelectT"), "All");
    connect(bnSelectT, &QPushButton::clicked, this, &TfrmCreate::bnSelectTClick);
    bnClear = MakeButton(PanelDelete, QStringLiteral("bnClear"), "Clear all highlighted");
    connect(bnClear, &QPushButton::clicked, this, &TfrmCreate::bnClearClick);
    bnDelete = MakeButton(PanelDelete, QStringLiteral("bnDelete"), "Delete puzzles");
    connect(bnDelete, &QPushButton::clicked, this, &TfrmCreate::bnDeleteClick);
    bnPrintOptions = MakeButton(PanelDelete, QStringLiteral("bnPrintOptions"), "Print options");
    connect(bnPrintOptions, &QPushButton::clicked, this, &TfrmCreate::bnPrintOptionsClick);
    PanelPrint = new TPanelPrint(file.Settings, file.Library, messages, RadioIndent, this);
    PanelPrint->hide();
    PanelPrint->OnReturn = [this] { FormShow(); };

    // The progress panel covers the delete panel while a batch runs.
    PanelProcessing = MakePanel(PanelDelete, QStringLiteral("PanelProcessing"));
    PanelProcessing->setAutoFillBackground(true);
    bnProcess = MakeButton(PanelProcessing, QStringLiteral("bnProcess"), "Creating puzzles");
    bnStop = MakeButton(PanelProcessing, QStringLiteral("bnStop"), "Stop puzzle creation");
    connect(bnStop, &QPushButton::clicked, this, &TfrmCreate::bnStopClick);
    PanelProcessing->hide();

    // Logging out while a batch runs: the batch stops before the library is written. This
    // connection is made before the main window's, so it runs first.
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, &TfrmCreate::StopForSession,
                Qt::DirectConnection);
    }
    Sync();
}

TfrmCreate::~TfrmCreate() = default;

const TCreateState& TfrmCreate::State() const {
    return *Create;
}

TCreateState& TfrmCreate::State() {
    return *Create;
}

bool TfrmCreate::Creating() const {
    return Create->Creating();
}

void TfrmCreate::FormShow() {
    const QFont general = FontFor(Fonts.General);
    setFont(general);
    for (QLabel* label : {lblFour, lblFive, lblSize, lblCreateInstruct1, lblDeleteInstruct1})
        label->setFont(general);
    Create->Refresh();
    PanelMain->show();
    PanelPrint->hide();
    PanelProcessing->hide();
    Layout();
    Sync();
}

bool TfrmCreate::ListShown() const {
    return isVisible() && PanelMain->isVisible() && !Creating();
}

void TfrmCreate::ShowAddedPuzzle(int slot) {
    FormShow();
    if (!Create->Selected(slot)) Create->CellClick(slot);
    Sync();
}

void TfrmCreate::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmCreate::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void TfrmCreate::Layout() {
    const QFontMetrics metrics(font());
    TCreateMetrics m;
    m.LineHeight = metrics.height();
    m.ButtonHeight = std::max(25, metrics.height() + 10);
    m.LabelWidth = 0;
    for (QLabel* label : {lblFour, lblFive, lblSize, lblTotal})
        m.LabelWidth = std::max(m.LabelWidth, metrics.horizontalAdvance(label->text()));
    m.RadioIndent = RadioIndent;
    m.SizeTextWidth = metrics.horizontalAdvance(rbMedium->text());
    *Current = LayoutCreate(width(), height(), m);

    PanelMain->setGeometry(0, 0, width(), height());
    PanelPrint->setGeometry(0, 0, width(), height());
    Place(sgPuzzles, Current->Puzzles);
    Place(PanelCreate, Current->PanelCreate);
    Place(lblCreateInstruct1, Current->CreateTitle);
    Place(lblCreateInstruct2, Current->CreateInstruct);
    for (int i = 0; i < 5; ++i) {
        Place(PanelStarCreate[i], Current->StarPanels[i]);
        Place(lblStarCreate[i], Current->StarCaption);
        Place(spnCreate[i], Current->Spin);
        Place(PanelStarDelete[i], Current->SelectPanels[i]);
        Place(bnSelect[i], Current->SelectButton);
    }
    Place(lblTotal, Current->TotalTitle);
    Place(lblFour, Current->ToCreateLabel);
    Place(lblFive, Current->ExistingLabel);
    Place(lblSize, Current->SizeLabel);
    Place(lblRoom, Current->RoomNote);
    for (int i = 0; i < 6; ++i) {
        Place(PanelCreateCounts[i], Current->CreateCounts[i]);
        Place(PanelExistCounts[i], Current->ExistCounts[i]);
    }
    for (int code = 0; code < 4; ++code) Place(SizeButtons[code], Current->SizeRadios[code]);
    Place(bnCreate, Current->CreateButton);

    Place(PanelDelete, Current->PanelDelete);
    Place(lblDeleteInstruct1, Current->DeleteTitle);
    for (int i = 0; i < 3; ++i) Place(lblDeleteInstruct[i], Current->DeleteLines[i]);
    Place(bnSelectT, Current->SelectAll);
    Place(bnClear, Current->Clear);
    Place(bnDelete, Current->Delete);
    Place(bnPrintOptions, Current->PrintOptions);
    Place(PanelProcessing, Current->Processing);
    Place(bnProcess, Current->Process);
    Place(bnStop, Current->Stop);
    PanelProcessing->raise();

    Create->ResetListFont();
    sgPuzzles->update();
}

void TfrmCreate::Sync() {
    const TCreateState& s = *Create;
    for (int i = 0; i < 6; ++i) {
        PanelCreateCounts[i]->setText(QString::fromStdString(s.CreateText(i)));
        PanelExistCounts[i]->setText(QString::fromStdString(s.ExistText(i)));
    }
    lblRoom->setText(UiText(s.RoomText()));
    bnCreate->setEnabled(s.CreateEnabled());
    for (QFrame* panel : PanelStarCreate) panel->setEnabled(s.LevelPanelsEnabled());
    for (int code = 0; code < 4; ++code) {
        SizeButtons[code]->setChecked(s.SizeCode() == code);
        SizeButtons[code]->setEnabled(!s.Creating());
    }
    const bool selection = s.SelectionButtonsEnabled();
    bnDelete->setEnabled(selection);
    bnPrintOptions->setEnabled(selection);
    bnClear->setEnabled(selection);
    sgPuzzles->update();
}

void TfrmCreate::bnPrintOptionsClick() {
    TSelection selected{};
    for (int slot = 1; slot <= MaxPuzzles; ++slot) selected[slot - 1] = Create->Selected(slot);
    PanelMain->hide();
    PanelPrint->setFont(font());
    PanelPrint->show();
    PanelPrint->Open(selected);
}

void TfrmCreate::spnCreateUpClick(int level) {
    Create->SpinUp(level);
    Sync();
}

void TfrmCreate::spnCreateDownClick(int level) {
    Create->SpinDown(level);
    Sync();
}

void TfrmCreate::rbSizeClick(int sizeCode) {
    Create->SizeClick(sizeCode);
    Sync();
}

void TfrmCreate::sgPuzzlesMouseDown(int x, int y) {
    const int slot = ListSlotAt(x, y, Current->ColWidth, Current->RowHeight);
    if (slot < 1 || !Create->CellClick(slot)) return;
    Sync();
}

void TfrmCreate::bnSelectClick(int level) {
    Create->SelectLevel(level);
    Sync();
}

void TfrmCreate::bnSelectTClick() {
    Create->SelectAll();
    Sync();
}

void TfrmCreate::bnClearClick() {
    Create->ClearSelection();
    Sync();
}

void TfrmCreate::bnDeleteClick() {
    if (Create->DeleteClick()) {
        FormShow();
        return;
    }
    Sync();
}

}  // namespace xs
