// The solving page's clock and what it tells the tracker: the page shown or hidden.
#include <QHideEvent>
#include <QTimer>

#include "solve/solve_screen.h"

namespace xs {

void TfrmSolve::BuildClock() {
    // In the description line's right end, over its empty part, so no control moves.
    lblClock = new QLabel(PanelDetails1);
    lblClock->setObjectName(QStringLiteral("lblClock"));
    lblClock->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblClock->setToolTip(QStringLiteral("Time on this puzzle (hide it on the Progress screen)"));
    lblClock->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* refresh = new QTimer(this);
    refresh->setInterval(500);
    connect(refresh, &QTimer::timeout, this, &TfrmSolve::ShowClock);
    refresh->start();
}

void TfrmSolve::PlaceClock() {
    const int width = lblClock->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) + 8;
    lblClock->setGeometry(PanelDetails1->width() - width - 4, 2, width,
                          std::max(1, PanelDetails1->height() - 4));
}

void TfrmSolve::SetTracker(TSolveTracker* tracker) {
    Solve->SetTracker(tracker);
    ShowClock();
}

void TfrmSolve::ShowClock() {
    const bool shown = PanelSolve->isVisible() && Solve->Solving();
    const QString text = shown ? QString::fromStdString(Solve->Tracker().ClockText()) : QString();
    if (lblClock->text() != text) lblClock->setText(text);
}

void TfrmSolve::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) Solve->Tracker().PageShown(false);
}

}  // namespace xs
