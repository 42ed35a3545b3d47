// The create screen while it works: a batch of new puzzles or the check of a pasted one runs with
// the progress panel shown, the window painting and only the stop button taking input.
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <atomic>
#include <thread>

#include "manage/create_screen.h"
#include "manage/create_state.h"
#include "platform/ui_text.h"

namespace xs {

namespace {

// How often a running batch lets the window paint and take a click on the stop button. The
// generator polls far more often than this; pumping the event queue at every poll would slow it.
constexpr int kPumpMilliseconds = 15;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::Drop:
            return true;
        default:
            return false;
    }
}

bool IsMouseButton(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick;
}

}  // namespace

void TfrmCreate::bnCreateClick() {
    if (!Create->CreateEnabled()) return;
    bnCreate->setEnabled(false);
    for (QFrame* panel : PanelStarCreate) panel->setEnabled(false);
    for (QRadioButton* radio : SizeButtons) radio->setEnabled(false);
    bnProcess->setText(UiText(kCreatingCaption));
    PanelProcessing->show();
    PanelProcessing->raise();
    CloseAfterBatch = false;

    // Only the stop button (and the stop question) take input while the batch runs.
    qApp->installEventFilter(this);
    SincePump.start();
    PumpEvents(true);
    TBatchHooks hooks;
    hooks.Poll = [this] { PollProgress(); };
    hooks.AfterEach = [this](const TBatchStep&) {
        for (int i = 0; i < 6; ++i) {
            PanelCreateCounts[i]->setText(QString::fromStdString(Create->CreateText(i)));
            PanelExistCounts[i]->setText(QString::fromStdString(Create->ExistText(i)));
        }
        sgPuzzles->update();
        PumpEvents(true);
    };
    Create->Create(hooks);
    qApp->removeEventFilter(this);

    PanelProcessing->hide();
    Sync();
    if (CloseAfterBatch) {
        CloseAfterBatch = false;
        window()->close();
    }
}

void TfrmCreate::PollProgress() {
    if (BeforePoll) BeforePoll();
    const QString caption = UiText(Create->ProgressCaption());
    if (bnProcess->text() != caption) bnProcess->setText(caption);
    PumpEvents(false);
}

void TfrmCreate::PumpEvents(bool force) {
    if (!force && SincePump.elapsed() < kPumpMilliseconds) return;
    SincePump.restart();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TfrmCreate::RunCheck(const std::function<void(const std::atomic<bool>& stop)>& check) {
    std::atomic<bool> stop = false;
    std::atomic<bool> done = false;
    StopCheck = &stop;
    const QString stopCaption = bnStop->text();
    bnProcess->setText(UiText("Checking the puzzle"));
    bnStop->setText(UiText("Stop the check"));
    PanelProcessing->show();
    PanelProcessing->raise();
    qApp->installEventFilter(this);
    // The window's thread paints and serves the stop button until the check is over.
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done) loop.quit();
    });
    std::thread worker([&] {
        check(stop);
        done = true;
    });
    poll.start(10);
    loop.exec();
    worker.join();
    qApp->removeEventFilter(this);
    StopCheck = nullptr;
    bnStop->setText(stopCaption);
    PanelProcessing->hide();
}

void TfrmCreate::bnStopClick() {
    if (StopCheck != nullptr) {
        *StopCheck = true;
        return;
    }
    if (!Create->Creating()) return;
    Asking = true;
    const bool stopping = Create->StopClick();
    Asking = false;
    if (!stopping) sgPuzzles->update();
}

void TfrmCreate::StopForSession() {
    if (StopCheck != nullptr) *StopCheck = true;
    if (Create->Creating()) Create->StopWithoutAsking();
}

bool TfrmCreate::eventFilter(QObject* watched, QEvent* event) {
    if (StopCheck != nullptr && event->type() == QEvent::Close && watched == window()) {
        // A check ends within two seconds; closing waits for the player's next try.
        *StopCheck = true;
        event->ignore();
        return true;
    }
    if (!Create->Creating() && StopCheck == nullptr) return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::Close && watched == window()) {
        // The window closes once the batch has stopped and returned, so that the library it
        // writes holds every puzzle stored and the batch never outlives the window.
        Create->StopWithoutAsking();
        CloseAfterBatch = true;
        event->ignore();
        return true;
    }
    if (Asking) return false;
    if (event->type() == QEvent::Shortcut) return true;
    // Input reaches the window first and then the widget under it; the widget decides.
    if (!IsUserInput(event->type()) || !watched->isWidgetType()) return false;
    return !(IsMouseButton(event->type()) && watched == bnStop);
}

}  // namespace xs
