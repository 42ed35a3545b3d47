// The setup screen: standard window sizes and font sizes (the main window's screen 3).
#pragma once

#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <array>

#include "shell/setup_state.h"
#include "storage/messages.h"
#include "storage/preferences.h"

namespace xs {

class TfrmSetup : public QWidget {
    Q_OBJECT

public:
    TfrmSetup(TSettings& settings, TMessages& messages, TSetupHost& host,
              const TProgramFonts& fonts, int radioIndent, QWidget* parent = nullptr);

    // The buttons reflect the preferences and the window again, in the current font.
    void FormShow();
    const TSetupState& State() const { return SetupState; }

    QWidget* PanelChangeIt;
    QFrame* PanelInfo;
    QFrame* PanelText;
    QFrame* PanelScreenSize;
    QLabel* lblScreen1;
    QRadioButton* rbScreen800;
    QRadioButton* rbScreen1000;
    QRadioButton* rbScreen1260;
    QLabel* lblTest1;
    QFrame* PanelFontSize;
    QLabel* lblFont1;
    QRadioButton* rbFont1;
    QRadioButton* rbFont2;
    QRadioButton* rbFont3;
    QLabel* lblTest2;
    QFrame* PanelScreenInstruct;
    std::array<QLabel*, 3> lblScreenInstruct;  // lblInstruct1..3
    QFrame* PanelFontInstruct;
    std::array<QLabel*, 3> lblFontInstruct;  // lblInstruct7..9

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ScreenButtonClick(TScreenButton b);
    void FontButtonClick(int fontSize);
    // Radio buttons, panel and font as the state says.
    void Sync();
    void Layout();

    TSetupState SetupState;
    const TProgramFonts& Fonts;
    int RadioIndent;
    int FontChangesSeen = 0;
    std::array<QRadioButton*, 3> ScreenButtons;
    std::array<QRadioButton*, 3> FontButtons;
};

}  // namespace xs
