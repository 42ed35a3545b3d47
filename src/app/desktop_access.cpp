// Keyboard and assistive-technology access across the game's screens: names for what they draw,
// every control reachable by Tab, and Ctrl+Tab out of the board (where Tab steps through runs).
#include "app/desktop_access.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>
#include <QWidget>

#include "manage/create_screen.h"
#include "manage/create_state.h"
#include "solve/board_accessible.h"

namespace xs {

namespace {

struct TAccessText {
    Q_DECLARE_TR_FUNCTIONS(DesktopAccess)
};

TfrmCreate* CreateScreenOf(QObject* object) {
    for (QObject* o = object; o != nullptr; o = o->parent())
        if (auto* screen = qobject_cast<TfrmCreate*>(o)) return screen;
    return nullptr;
}

// What a spin button's arrows step, by the spin button's name.
QString SpinSubject(const QString& spin) {
    if (spin == QLatin1String("spnTotal")) return TAccessText::tr("Total");
    if (spin == QLatin1String("spnSquares")) return TAccessText::tr("Squares");
    for (int level = 1; level <= 5; ++level)
        if (spin == QStringLiteral("spn%1Create").arg(level))
            return TAccessText::tr("%n star puzzles to create", nullptr, level);
    return {};
}

class TAccessFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Polish) {
            if (auto* widget = qobject_cast<QWidget*>(watched)) Prepare(widget);
        } else if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const bool ctrl = key->modifiers().testFlag(Qt::ControlModifier);
            if (ctrl && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
                const bool back =
                    key->key() == Qt::Key_Backtab || key->modifiers().testFlag(Qt::ShiftModifier);
                if (auto* widget = qobject_cast<QWidget*>(watched);
                    widget != nullptr && widget == QApplication::focusWidget())
                    return StepFocus(widget, back);
            }
        }
        return false;
    }

private:
    static void Prepare(QWidget* widget) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->focusPolicy() == Qt::NoFocus) button->setFocusPolicy(Qt::TabFocus);
            auto* tool = qobject_cast<QToolButton*>(button);
            if (button->text().isEmpty() && button->accessibleName().isEmpty()) {
                if (!button->toolTip().isEmpty()) {
                    button->setAccessibleName(button->toolTip());
                } else if (tool != nullptr && tool->parentWidget() != nullptr) {
                    const QString subject = SpinSubject(tool->parentWidget()->objectName());
                    const bool up = tool->arrowType() == Qt::UpArrow;
                    if (!subject.isEmpty())
                        button->setAccessibleName(
                            (up ? TAccessText::tr("%1: one more") : TAccessText::tr("%1: one less"))
                                .arg(subject));
                }
            }
            return;
        }
        // The puzzle lists take Tab so that a screen reader can read them.
        if (widget->objectName() == QLatin1String("sgPuzzles") &&
            widget->focusPolicy() == Qt::NoFocus)
            widget->setFocusPolicy(Qt::TabFocus);
    }
    // Ctrl+Tab: the next control in the window's Tab order, also from a widget that keeps Tab.
    static bool StepFocus(QWidget* from, bool back) {
        QWidget* w = from;
        do {
            w = back ? w->previousInFocusChain() : w->nextInFocusChain();
            if ((w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisible() &&
                w->isEnabled() && w->window() == from->window()) {
                w->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
                return true;
            }
        } while (w != from);
        return false;
    }
};

bool IsCreateList(QObject* object) {
    TfrmCreate* screen = CreateScreenOf(object);
    return screen != nullptr && object == screen->sgPuzzles;
}

bool CreateListSelected(QObject* list, int slot) {
    TfrmCreate* screen = CreateScreenOf(list);
    return screen != nullptr && screen->State().Selected(slot);
}

}  // namespace

void InstallDesktopAccess() {
    SetPuzzleListAccess({&IsCreateList, &CreateListSelected});
    QAccessible::installFactory(&SolveAccessibleFactory);
    qApp->installEventFilter(new TAccessFilter(qApp));
}

}  // namespace xs
