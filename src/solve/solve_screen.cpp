// The solve screen.
#include "solve/solve_screen.h"

#include <QShowEvent>

#include "model/slot_check.h"
#include "platform/fonts.h"
#include "storage/settings.h"

namespace xs {

TfrmSolve::TfrmSolve(const TProgramFonts& fonts, QWidget* parent) : QWidget(parent), Fonts(fonts) {
    setObjectName(QStringLiteral("frmSolve"));
    lblTitle = new QLabel(QStringLiteral("Select and solve"), this);
    lblTitle->setAlignment(Qt::AlignCenter);
}

int TfrmSolve::UsableCurrentSlot() const {
    const TAppData& app = AppData();
    const int slot = app.Work.CurrentSlot;
    if (slot < 1 || slot > UsedSlots(app.File.Library.Counts)) return 0;
    return ClassifySlot(app.File.Library, slot) == TSlotState::Valid ? slot : 0;
}

void TfrmSolve::FormShow() {
    setFont(FontFor(Fonts.General));
    if (const int slot = UsableCurrentSlot()) {
        TAppData& app = AppData();
        LoadSlot(app.File.Library, slot, app.Work);
    }
}

bool TfrmSolve::IsPuzzleModified() const {
    const int slot = UsableCurrentSlot();
    const TAppData& app = AppData();
    return slot != 0 && IsModified(app.File.Library, slot, app.Work);
}

void TfrmSolve::SavePuzzle() {
    if (const int slot = UsableCurrentSlot()) {
        TAppData& app = AppData();
        SaveSlot(app.File.Library, slot, app.Work);
    }
}

void TfrmSolve::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmSolve::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    lblTitle->setGeometry(0, 0, width(), height());
}

}  // namespace xs
