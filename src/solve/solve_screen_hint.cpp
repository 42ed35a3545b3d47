// The solving page's hint: the instruction lines that say it, and the board's frames of what it
// names.
#include <QLabel>
#include <algorithm>

#include "solve/solve_screen.h"
#include "solve/solve_screen_parts.h"
#include "solve/solve_widgets.h"

namespace xs {

void TfrmSolve::HintChanged() {
    ShowInstructionLines();
    dgGrid->update();
}

void TfrmSolve::ShowInstructionLines() {
    const std::array<QLabel*, 3> labels{lblMode1, lblMode2, lblMode3};
    const TNextStep* hint = Solve->Hint();
    if (hint == nullptr) {
        const TModeLines lines =
            Solve->Solved() ? SolvedLines() : ModeLines(Solve->Mode(), Solve->MarksOn());
        for (std::size_t i = 0; i < 3; ++i) {
            // How the solving went stands in the solved lines' place.
            const std::string went =
                Solve->Solved() ? Solve->Tracker().SolvedLine(static_cast<int>(i)) : std::string();
            labels[i]->setText(!went.empty() ? QString::fromStdString(went) : UiText(lines[i]));
            labels[i]->setToolTip(QString());
        }
        return;
    }
    // The reason, word by word over the three lines; what does not fit ends in an ellipsis and
    // stands whole in the lines' tooltip.
    const QString text = (hint->Kind == THintKind::Notice ? QString() : UiText("Hint: ")) +
                         QString::fromStdString(hint->Text);
    const QFontMetrics metrics(lblMode1->font());
    const int width = std::max(1, lblMode1->width());
    QStringList lines;
    QString line;
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int w = 0; w < words.size(); ++w) {
        const QString tried = line.isEmpty() ? words[w] : line + QLatin1Char(' ') + words[w];
        if (line.isEmpty() || metrics.horizontalAdvance(tried) <= width) {
            line = tried;
            continue;
        }
        lines << line;
        line = words[w];
        if (lines.size() == 2) {
            line = words.mid(w).join(QLatin1Char(' '));
            break;
        }
    }
    lines << metrics.elidedText(line, Qt::ElideRight, width);
    for (std::size_t i = 0; i < 3; ++i) {
        const int at = static_cast<int>(i);
        labels[i]->setText(at < lines.size() ? lines[at] : QString());
        labels[i]->setToolTip(text);
    }
}

}  // namespace xs
