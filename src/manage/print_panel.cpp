// The create screen's print panel.
#include "manage/print_panel.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <algorithm>

#include "manage/printing.h"
#include "platform/outlined_panel.h"
#include "platform/qt_canvas.h"
#include "platform/ui_text.h"

namespace xs {

namespace {

constexpr int kPictureSize = 36;
constexpr int kGap = 8;

void Place(QWidget* widget, const TRect& r) {
    widget->setGeometry(r.Left, r.Top, r.Width(), r.Height());
}

QFrame* MakePanel(QWidget* parent, const char* name) {
    return MakeOutlinedPanel(parent, QLatin1String(name));
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(UiText(caption), parent);
    button->setObjectName(QLatin1String(name));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QCheckBox* MakeBox(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(UiText(caption), parent);
    box->setObjectName(QLatin1String(name));
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

// A corner of a printed grid in a scheme's colours: a clue square beside white squares.
void DrawSchemePicture(TCanvas& canvas, int scheme, int width, int height) {
    const TPrintScheme colors = PrintScheme(scheme);
    const int half = std::min(width, height) / 2;
    canvas.SetBrush(kWhite);
    canvas.SetPen(kWhite);
    canvas.Rectangle({0, 0, width, height});
    canvas.SetPen(colors.Lines);
    for (int k = 0; k <= 2; ++k) {
        canvas.Line(0, k * half, 2 * half, k * half);
        canvas.Line(k * half, 0, k * half, 2 * half);
    }
    canvas.SetBrush(colors.BlackSquares);
    canvas.SetPen(kGray);
    canvas.Rectangle({0, 0, half + 1, half + 1});
    canvas.Rectangle({0, half, half + 1, 2 * half + 1});
    canvas.SetPen(kWhite);
    canvas.Line(0, 0, half, half);
    canvas.Line(0, half, half, half);
    canvas.SetFont("Small Fonts", 6, false);
    canvas.SetTextColor(colors.ClueText);
    canvas.TextOut(half / 2, 1, "9");
}

}  // namespace

TPaintBox::TPaintBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPaintBox::paintEvent(QPaintEvent*) {
    if (!OnPaint) return;
    QPainter painter(this);
    TQtCanvas canvas(painter);
    OnPaint(canvas, width(), height());
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    if (OnPress) OnPress();
    event->accept();
}

TPanelPrint::TPanelPrint(TSettings& settings, const TPuzzleLibrary& library, TMessages& messages,
                         int radioIndent, QWidget* parent)
    : QWidget(parent), Panel(settings, library), RadioIndent(radioIndent) {
    setObjectName(QStringLiteral("PanelPrint"));
    PanelInstruct = new QLabel(this);
    PanelInstruct->setObjectName(QStringLiteral("PanelInstruct"));
    PanelInstruct->setWordWrap(true);
    PanelInstruct->setAlignment(Qt::AlignCenter);
    PanelInstruct->setText(UiText(
        "Select the required print options for the puzzles and/or answers by clicking the boxes "
        "below.  The preview\nscreen is automatically updated, showing all pages in printer "
        "portrait or landscape mode, as indicated."));

    PanelColors = MakePanel(this, "PanelColors");
    for (int i = 0; i < 4; ++i) {
        const int scheme = i + 1;
        imgColor[i] = new TPaintBox(PanelColors);
        imgColor[i]->setObjectName(QStringLiteral("imgColor%1").arg(scheme));
        imgColor[i]->OnPaint = [scheme](TCanvas& canvas, int w, int h) {
            DrawSchemePicture(canvas, scheme, w, h);
        };
        imgColor[i]->OnPress = [this, scheme] { ColorClick(scheme); };
        rbColor[i] = new QRadioButton(PanelColors);
        rbColor[i]->setObjectName(QStringLiteral("rbColor%1").arg(scheme));
        rbColor[i]->setFocusPolicy(Qt::NoFocus);
        connect(rbColor[i], &QRadioButton::clicked, this, [this, scheme] { ColorClick(scheme); });
    }

    PanelPrintOptions = MakePanel(this, "PanelPrintOptions");
    cbPuzzles1 = MakeBox(PanelPrintOptions, "cbPuzzles1", "Print Puzzles :  Large print size");
    cbPuzzles2 = MakeBox(PanelPrintOptions, "cbPuzzles2", "Print Puzzles :  Small print size");
    PanelAnswerOptions = MakePanel(this, "PanelAnswerOptions");
    cbAnswers1 = MakeBox(PanelAnswerOptions, "cbAnswers1", "Print Answers :  Large print size");
    cbAnswers2 = MakeBox(PanelAnswerOptions, "cbAnswers2", "Print Answers :  Small print size");
    const std::array<std::pair<QCheckBox*, TPrintBox>, 4> boxes = {
        {{cbPuzzles1, TPrintBox::Puzzles1},
         {cbPuzzles2, TPrintBox::Puzzles2},
         {cbAnswers1, TPrintBox::Answers1},
         {cbAnswers2, TPrintBox::Answers2}}};
    for (const auto& [box, which] : boxes) {
        connect(box, &QCheckBox::clicked, this,
                [this, which = which](bool checked) { BoxClick(which, checked); });
    }

    PanelPageNum = new QLabel(this);
    PanelPageNum->setObjectName(QStringLiteral("PanelPageNum"));
    PanelPageNum->setAlignment(Qt::AlignCenter);
    PanelPreview = MakePanel(this, "PanelPreview");
    PanelPreview->setFrameShape(QFrame::NoFrame);
    pbPrint = new TPaintBox(PanelPreview);
    pbPrint->setObjectName(QStringLiteral("pbPrint"));
    pbPrint->OnPaint = [this](TCanvas& canvas, int w, int h) { Panel.PaintPreview(canvas, w, h); };

    bnPrev = MakeButton(this, "bnPrev", "Prev");
    bnNext = MakeButton(this, "bnNext", "Next");
    bnPrint = MakeButton(this, "bnPrint", "Print");
    bnReturn = MakeButton(this, "bnReturn", "Return");
    connect(bnPrev, &QPushButton::clicked, this, [this] { bnPrevClick(); });
    connect(bnNext, &QPushButton::clicked, this, [this] { bnNextClick(); });
    connect(bnPrint, &QPushButton::clicked, this, [this] { bnPrintClick(); });
    connect(bnReturn, &QPushButton::clicked, this, [this] {
        if (OnReturn) OnReturn();
    });

    PrintPages = [this, &messages](const TPageSource& source, bool& printing) {
        return PrintWithDialog(this, messages, source, printing);
    };
}

void TPanelPrint::Open(const TSelection& selected) {
    Panel.Open(selected);
    Sync();
}

void TPanelPrint::BoxClick(TPrintBox box, bool checked) {
    Panel.BoxClick(box, checked);
    Sync();
}

void TPanelPrint::ColorClick(int scheme) {
    Panel.ColorClick(scheme);
    Sync();
}

void TPanelPrint::bnPrevClick() {
    Panel.PrevClick();
    Sync();
}

void TPanelPrint::bnNextClick() {
    Panel.NextClick();
    Sync();
}

void TPanelPrint::bnPrintClick() {
    if (PrintPages) PrintPages(Panel.Source(), Panel.Printing);
    Panel.Printing = false;
    Panel.RefreshIt();
    Sync();
}

void TPanelPrint::Sync() {
    const std::array<std::pair<QCheckBox*, TPrintBox>, 4> boxes = {
        {{cbPuzzles1, TPrintBox::Puzzles1},
         {cbPuzzles2, TPrintBox::Puzzles2},
         {cbAnswers1, TPrintBox::Answers1},
         {cbAnswers2, TPrintBox::Answers2}}};
    for (const auto& [box, which] : boxes) box->setChecked(Panel.Checked(which));
    for (int i = 0; i < 4; ++i) rbColor[i]->setChecked(Panel.Colors() == i + 1);
    const bool visible = Panel.PreviewVisible();
    for (QWidget* w : std::initializer_list<QWidget*>{PanelPageNum, PanelPreview, bnPrev, bnNext})
        w->setVisible(visible);
    bnNext->setEnabled(Panel.NextEnabled());
    bnPrev->setEnabled(Panel.PrevEnabled());
    PanelPageNum->setText(QString::fromStdString(Panel.Caption()));
    Layout();
    pbPrint->update();
}

void TPanelPrint::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void TPanelPrint::Layout() {
    const QFontMetrics metrics(font());
    TPrintPanelMetrics m;
    m.LineHeight = metrics.height();
    m.CaptionHeight = metrics.height() + 6;
    m.ButtonHeight = std::max(25, metrics.height() + 10);
    m.PrevWidth = std::max(metrics.horizontalAdvance(bnPrev->text()),
                           metrics.horizontalAdvance(bnNext->text())) +
                  24;
    m.ReturnWidth = std::max(metrics.horizontalAdvance(bnReturn->text()),
                             metrics.horizontalAdvance(bnPrint->text())) +
                    32;
    const int boxHeight = std::max(metrics.height(), 20);
    int boxWidth = 0;
    for (QCheckBox* box : {cbPuzzles1, cbPuzzles2, cbAnswers1, cbAnswers2})
        boxWidth = std::max(boxWidth, metrics.horizontalAdvance(box->text()) + RadioIndent);
    const int radioWidth = std::max(RadioIndent, 20);
    const int cell = std::max(kPictureSize, radioWidth) + kGap;
    m.OptionHeight = std::max(kPictureSize + boxHeight + 3 * kGap, 2 * boxHeight + 3 * kGap);
    m.OptionWidths = {4 * cell + kGap, boxWidth + 2 * kGap, boxWidth + 2 * kGap};
    const TPrintPanelLayout l = LayoutPrintPanel(width(), height(), Panel.Landscape(), m);

    Place(PanelInstruct, l.Instruct);
    Place(PanelColors, l.Options[0]);
    Place(PanelPrintOptions, l.Options[1]);
    Place(PanelAnswerOptions, l.Options[2]);
    for (int i = 0; i < 4; ++i) {
        const int left = kGap + i * cell;
        imgColor[i]->setGeometry(left + (cell - kGap - kPictureSize) / 2, kGap, kPictureSize,
                                 kPictureSize);
        rbColor[i]->setGeometry(left + (cell - kGap - radioWidth) / 2, kPictureSize + 2 * kGap,
                                radioWidth, boxHeight);
    }
    const int boxTop = (m.OptionHeight - 2 * boxHeight - kGap) / 2;
    cbPuzzles1->setGeometry(kGap, boxTop, boxWidth, boxHeight);
    cbPuzzles2->setGeometry(kGap, boxTop + boxHeight + kGap, boxWidth, boxHeight);
    cbAnswers1->setGeometry(kGap, boxTop, boxWidth, boxHeight);
    cbAnswers2->setGeometry(kGap, boxTop + boxHeight + kGap, boxWidth, boxHeight);
    Place(PanelPageNum, l.PageNum);
    Place(PanelPreview, l.Preview);
    pbPrint->setGeometry(0, 0, l.Preview.Width(), l.Preview.Height());
    Place(bnPrev, l.Prev);
    Place(bnNext, l.Next);
    Place(bnPrint, l.Print);
    Place(bnReturn, l.Return);
}

}  // namespace xs
