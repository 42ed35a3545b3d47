// The solve screen's two strips: the combinations of the selected clue and the values strip.
#include "solve/solve_screen.h"

#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "platform/fonts.h"
#include "platform/qt_canvas.h"
#include "solve/solve_screen_parts.h"
#include "solve/solve_widgets.h"

namespace xs {

using namespace solve_screen;

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
