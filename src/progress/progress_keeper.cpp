// The game's side of the history.
#include "progress/progress_keeper.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QSettings>
#include <QTimer>
#include <QWidget>

namespace xs {

namespace {

// The time in play is stored this often, so a crash loses little of it.
constexpr int kSaveEveryMillis = 30000;

QSettings Preferences() {
    return QSettings(QStringLiteral("crosssums"), QStringLiteral("crosssums"));
}

}  // namespace

TProgressKeeper::TProgressKeeper(const QString& dataFile, const TPuzzleLibrary& library,
                                 TMessages& messages, QObject* parent)
    : QObject(parent), Data(dataFile), Messages(messages) {
    Monotonic.start();
    Tracked = std::make_unique<TProgressTracker>(
        library, Store, [this] { return static_cast<std::int64_t>(Monotonic.elapsed()); },
        [] { return static_cast<std::int64_t>(QDateTime::currentSecsSinceEpoch()); });
    Tracked->SetClockShown(ClockShown());
    SaveTimer = new QTimer(this);
    SaveTimer->setInterval(kSaveEveryMillis);
    connect(SaveTimer, &QTimer::timeout, this, [this] { Tracked->SaveNow(); });
}

TProgressKeeper::~TProgressKeeper() {
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeEventFilter(this);
}

void TProgressKeeper::Open() {
    const THistoryOpen opened = Store.Open(HistoryPathFor(Data));
    if (!opened.Notice.empty()) Messages.ShowMsg(opened.Notice, TButtons::OkOnly);
    SaveTimer->start();
}

void TProgressKeeper::Close() {
    SaveTimer->stop();
    Tracked->SaveNow();
    Store.Close();
}

void TProgressKeeper::WatchWindow(QWidget* window) {
    Window = window;
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->installEventFilter(this);
}

bool TProgressKeeper::ClockShown() const {
    return Preferences().value(QStringLiteral("showClock"), true).toBool();
}

void TProgressKeeper::SetClockShown(bool shown) {
    Preferences().setValue(QStringLiteral("showClock"), shown);
    Tracked->SetClockShown(shown);
}

void TProgressKeeper::WindowStateChanged() {
    Tracked->WindowActive(Window->isActiveWindow() && !Window->isMinimized());
}

bool TProgressKeeper::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::Wheel:
            Tracked->PlayerActed();
            break;
        case QEvent::ActivationChange:
        case QEvent::WindowStateChange:
            if (watched == Window) WindowStateChanged();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace xs
