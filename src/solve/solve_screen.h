// The solve screen: choosing a stored puzzle and solving it (the main window's screen 1).
#pragma once

#include <QLabel>
#include <QWidget>

#include "storage/preferences.h"

namespace xs {

class TfrmSolve : public QWidget {
    Q_OBJECT

public:
    TfrmSolve(const TProgramFonts& fonts, QWidget* parent = nullptr);

    // Back to the starting state: the current slot is loaded again, dropping unsaved entries.
    void FormShow();

    // The current puzzle holds entries or marks that its slot does not.
    bool IsPuzzleModified() const;
    // Saves the current puzzle into its slot without asking.
    void SavePuzzle();

    QLabel* lblTitle;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The current slot, when it holds a puzzle that can be loaded; 0 otherwise.
    int UsableCurrentSlot() const;

    const TProgramFonts& Fonts;
};

}  // namespace xs
