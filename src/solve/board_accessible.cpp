// Names and values for assistive technology on what the solve and create screens draw
// themselves: the board's squares (following the keyboard cursor and saying what changed), the
// puzzle lists' cells, the preview and the values strip.
#include "solve/board_accessible.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <map>

#include "model/combinations.h"
#include "model/slot_check.h"
#include "solve/board_speech.h"
#include "solve/solve_screen.h"
#include "solve/solve_widgets.h"
#include "storage/settings.h"

namespace xs {

namespace {

struct TAccessText {
    Q_DECLARE_TR_FUNCTIONS(BoardSpeech)
};

TPuzzleListAccess gListAccess;

TfrmSolve* SolveScreenOf(QObject* object) {
    for (QObject* o = object; o != nullptr; o = o->parent())
        if (auto* screen = qobject_cast<TfrmSolve*>(o)) return screen;
    return nullptr;
}

QRect GlobalRect(const QWidget* widget, const QRect& local) {
    return QRect(widget->mapToGlobal(local.topLeft()), local.size());
}

// One item of a list or table drawn by its owner: asks the owner for everything.
class TItemAccessible : public QAccessibleInterface {
public:
    TItemAccessible(QAccessibleInterface* owner, int index) : Owner(owner), Index(index) {}
    bool isValid() const override { return Owner->isValid(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return Owner->window(); }
    QAccessibleInterface* parent() const override { return Owner; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QAccessibleInterface* Owner;

public:
    int Index;
};

// A widget whose items are drawn by its owner.
class TDrawnAccessible : public QAccessibleWidget {
public:
    TDrawnAccessible(QWidget* widget, QAccessible::Role role, QString name)
        : QAccessibleWidget(widget, role, name) {}
    ~TDrawnAccessible() override {
        for (const auto& [index, id] : Items) QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return ItemCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= ItemCount()) return nullptr;
        auto& items = const_cast<std::map<int, QAccessible::Id>&>(Items);
        if (auto found = items.find(index); found != items.end())
            return QAccessible::accessibleInterface(found->second);
        auto* item = new TItemAccessible(const_cast<TDrawnAccessible*>(this), index);
        items[index] = QAccessible::registerAccessibleInterface(item);
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* item = dynamic_cast<const TItemAccessible*>(child);
        return item != nullptr && item->parent() == this ? item->Index : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < ItemCount(); ++i)
            if (GlobalRect(widget(), ItemRect(i)).contains(x, y)) return child(i);
        return nullptr;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return Value();
        if (t == QAccessible::Description && !Said.isEmpty()) return Said;
        return QAccessibleWidget::text(t);
    }

    QWidget* Widget() const { return widget(); }
    virtual int ItemCount() const { return 0; }
    virtual QString ItemName(int) const { return {}; }
    virtual QString ItemValue(int) const { return {}; }
    virtual QRect ItemRect(int) const { return {}; }
    virtual bool ItemFocused(int) const { return false; }
    virtual bool ItemSelected(int) const { return false; }
    virtual QAccessible::Role ItemRole() const { return QAccessible::ListItem; }
    virtual QString Value() const { return {}; }

    // The board's last announcement.
    QString Said;

private:
    std::map<int, QAccessible::Id> Items;
};

QString TItemAccessible::text(QAccessible::Text t) const {
    const auto* owner = static_cast<const TDrawnAccessible*>(Owner);
    if (t == QAccessible::Name) {
        const QString value = owner->ItemValue(Index);
        return value.isEmpty() ? owner->ItemName(Index)
                               : TAccessText::tr("%1: %2").arg(owner->ItemName(Index), value);
    }
    if (t == QAccessible::Value) return owner->ItemValue(Index);
    return {};
}

QRect TItemAccessible::rect() const {
    const auto* owner = static_cast<const TDrawnAccessible*>(Owner);
    return GlobalRect(owner->Widget(), owner->ItemRect(Index));
}

QAccessible::Role TItemAccessible::role() const {
    return static_cast<const TDrawnAccessible*>(Owner)->ItemRole();
}

QAccessible::State TItemAccessible::state() const {
    const auto* owner = static_cast<const TDrawnAccessible*>(Owner);
    QAccessible::State s;
    s.focusable = true;
    s.selectable = true;
    s.focused = owner->ItemFocused(Index);
    s.selected = owner->ItemSelected(Index);
    s.invisible = !owner->Widget()->isVisible();
    return s;
}

// The board: one cell per square of the puzzle, the clue row and column included.
class TBoardAccessible : public TDrawnAccessible {
public:
    TBoardAccessible(QWidget* grid, TfrmSolve* screen);

    int Columns() const { return State().Work().PuzzleDims.LastCol + 1; }
    int ItemCount() const override {
        if (!State().Solving()) return 0;
        return (State().Work().PuzzleDims.LastRow + 1) * Columns();
    }
    QString ItemName(int i) const override { return SquareName(i / Columns(), i % Columns()); }
    QString ItemValue(int i) const override {
        return SquareValueIn(State(), i / Columns(), i % Columns());
    }
    QRect ItemRect(int i) const override {
        return Screen->SquareRect(i / Columns(), i % Columns());
    }
    bool ItemFocused(int i) const override { return Screen->hasFocus() && i == CursorIndex(); }
    bool ItemSelected(int i) const override { return i == CursorIndex(); }
    QAccessible::Role ItemRole() const override { return QAccessible::Cell; }
    QString Value() const override {
        return State().Solving()
                   ? ItemName(CursorIndex()) + TAccessText::tr(": ") + ItemValue(CursorIndex())
                   : QString();
    }
    QAccessibleInterface* focusChild() const override {
        return Screen->hasFocus() && State().Solving() ? child(CursorIndex()) : nullptr;
    }

    // Looks at the board again after a repaint or a change of focus and says what changed.
    void Look(bool focusIn);

private:
    const TSolveState& State() const { return Screen->State(); }
    int CursorIndex() const { return State().CursorRow() * Columns() + State().CursorCol(); }

    TfrmSolve* Screen;
    TBoardSpeechSnapshot Seen;
};

// Watches the board's repaints and the screen's focus for the board's interface.
class TBoardWatcher : public QObject {
public:
    TBoardWatcher(QWidget* grid, TfrmSolve* screen, TBoardAccessible* board)
        : QObject(grid), Grid(grid), Screen(screen), Board(board) {
        grid->installEventFilter(this);
        screen->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool focusIn = watched == Screen && event->type() == QEvent::FocusIn;
        // A repaint shows most changes; a key's release comes after any change it made, also
        // one the board does not show (a mode, the marks toggle).
        const bool keyDone = watched == Screen && event->type() == QEvent::KeyRelease;
        if (focusIn || keyDone || (watched == Grid && event->type() == QEvent::Paint)) {
            // The interface lives as long as the grid; the cache hands it back while it does.
            if (QAccessible::queryAccessibleInterface(Grid) == Board) Board->Look(focusIn);
        }
        return false;
    }

private:
    QWidget* Grid;
    TfrmSolve* Screen;
    TBoardAccessible* Board;
};

TBoardAccessible::TBoardAccessible(QWidget* grid, TfrmSolve* screen)
    : TDrawnAccessible(grid, QAccessible::Table, TAccessText::tr("Board")),
      Screen(screen),
      Seen(TakeSnapshot(screen->State())) {
    new TBoardWatcher(grid, screen, this);
}

void TBoardAccessible::Look(bool focusIn) {
    const TBoardSpeechSnapshot now = TakeSnapshot(State());
    const QStringList said = SpeakChanges(Seen, now, State());
    const bool moved = now.CursorRow != Seen.CursorRow || now.CursorCol != Seen.CursorCol;
    const bool changed = now.Squares != Seen.Squares || now.CheckMarks != Seen.CheckMarks;
    Seen = now;
    if (!now.Solving) return;
    if (changed) {
        QAccessibleEvent event(widget(), QAccessible::NameChanged);
        event.setChild(CursorIndex());
        QAccessible::updateAccessibility(&event);
    }
    if ((moved || focusIn) && Screen->hasFocus()) {
        QAccessibleEvent event(widget(), QAccessible::Focus);
        event.setChild(CursorIndex());
        QAccessible::updateAccessibility(&event);
    }
    if (!said.isEmpty()) {
        Said = said.join(QLatin1Char(' '));
        QAccessibleEvent event(widget(), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&event);
    }
}

// The chooser's list and the create screen's list: 100 cells, one per library slot.
class TLibraryListAccessible : public TDrawnAccessible {
public:
    TLibraryListAccessible(QWidget* list, TfrmSolve* screen)
        : TDrawnAccessible(list, QAccessible::List, TAccessText::tr("Puzzles")), Screen(screen) {}
    int ItemCount() const override { return 100; }
    QString ItemName(int i) const override { return PuzzleCellText(i + 1); }
    QRect ItemRect(int i) const override {
        if (Screen != nullptr) return Screen->ChooserCellRect(i + 1);
        // The create screen's list: the same 5 x 20 cells with a line after each.
        const int width = (widget()->width() + 1) / 5;
        const int height = (widget()->height() + 1) / 20;
        return QRect(i % 5 * width, i / 5 * height, width - 1, height - 1);
    }
    bool ItemSelected(int i) const override {
        if (Screen == nullptr)
            return gListAccess.Selected != nullptr && gListAccess.Selected(object(), i + 1);
        return AppData().Work.CurrentSlot == i + 1;
    }
    QString Value() const override {
        QStringList chosen;
        for (int i = 0; i < ItemCount(); ++i)
            if (ItemSelected(i)) chosen << PuzzleCellText(i + 1);
        if (Screen != nullptr || chosen.size() <= 3) return chosen.join(QStringLiteral("; "));
        return TAccessText::tr("%n puzzles selected", nullptr, static_cast<int>(chosen.size()));
    }

private:
    TfrmSolve* Screen;  // nullptr: the create screen's list
};

// The preview and the values strip: a name and a value, no items.
class TPictureAccessible : public TDrawnAccessible {
public:
    TPictureAccessible(QWidget* widget, TfrmSolve* screen, bool values)
        : TDrawnAccessible(widget, values ? QAccessible::StaticText : QAccessible::Graphic,
                           values ? TAccessText::tr("Values") : TAccessText::tr("Preview")),
          Screen(screen),
          IsValues(values) {}
    QString Value() const override {
        if (!IsValues) return Screen->PanelDetails->text().simplified();
        const int total = Screen->PanelTotal->text().toInt();
        const int squares = Screen->PanelSquares->text().toInt();
        const QString run = TAccessText::tr("%1 in %n squares", nullptr, squares).arg(total);
        if (Screen->lblInvalid->isVisible())
            return run + TAccessText::tr(": ") + Screen->lblInvalid->text();
        TDigitFlags flags{};
        std::int32_t error = 0;
        LookupPossibleDigits(squares, total, flags, error);
        QStringList digits;
        for (int digit = 1; digit <= 9; ++digit)
            if (error == 0 && flags[digit] != 0) digits << QString::number(digit);
        return run + TAccessText::tr(": ") + digits.join(QLatin1Char(' '));
    }

private:
    TfrmSolve* Screen;
    bool IsValues;
};

}  // namespace

void SetPuzzleListAccess(const TPuzzleListAccess& access) {
    gListAccess = access;
}

QString PuzzleCellText(int slot) {
    const TPuzzleLibrary& lib = AppData().File.Library;
    const TSlotState state =
        slot <= UsedSlots(lib.Counts) ? ClassifySlot(lib, slot) : TSlotState::Empty;
    if (state == TSlotState::Empty) return TAccessText::tr("empty");
    const TPuzzleInfo& info = lib.Info(slot);
    const QString id = TAccessText::tr("Puzzle %1").arg(info.Id);
    if (state == TSlotState::Damaged)
        return id + TAccessText::tr(": ") + TAccessText::tr("damaged");
    const TSizeDims dims = SizeDims(info.Size);
    QString text =
        id + TAccessText::tr(": ") +
        TAccessText::tr("%1 x %2, %n star", nullptr, info.Difficulty).arg(dims.Rows).arg(dims.Cols);
    if (SlotSolved(lib, slot)) text += TAccessText::tr(", solved");
    return text;
}

QAccessibleInterface* SolveAccessibleFactory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    if (gListAccess.IsList != nullptr && gListAccess.IsList(object))
        return new TLibraryListAccessible(widget, nullptr);
    if (className != QLatin1String("xs::TSolvePaintBox")) return nullptr;
    TfrmSolve* screen = SolveScreenOf(object);
    if (screen == nullptr) return nullptr;
    if (widget == screen->dgGrid) return new TBoardAccessible(widget, screen);
    if (widget == screen->sgPuzzles) return new TLibraryListAccessible(widget, screen);
    if (widget == screen->dgSmall) return new TPictureAccessible(widget, screen, false);
    if (widget == screen->dgValues) return new TPictureAccessible(widget, screen, true);
    return nullptr;
}

}  // namespace xs
