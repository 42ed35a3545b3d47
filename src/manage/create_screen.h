// The create screen: making, listing, deleting and printing puzzles (the main window's screen 2).
#pragma once

#include <QLabel>
#include <QWidget>

#include "storage/preferences.h"

namespace xs {

class TfrmCreate : public QWidget {
    Q_OBJECT

public:
    TfrmCreate(const TProgramFonts& fonts, QWidget* parent = nullptr);

    // Back to the starting state with the current fonts.
    void FormShow();

    QLabel* lblTitle;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    const TProgramFonts& Fonts;
};

}  // namespace xs
