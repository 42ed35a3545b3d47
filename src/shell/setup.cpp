// The setup screen.
#include "shell/setup.h"

#include <QFontMetrics>
#include <QShowEvent>

#include "platform/fonts.h"
#include "platform/outlined_panel.h"
#include "platform/ui_text.h"

namespace xs {

namespace {

QFrame* MakePanel(QWidget* parent, const char* name) {
    return MakeOutlinedPanel(parent, QLatin1String(name));
}

QLabel* MakeLabel(QWidget* parent, const char* text) {
    auto* label = new QLabel(UiText(text), parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const char* text) {
    auto* radio = new QRadioButton(UiText(text), parent);
    radio->setObjectName(QLatin1String(name));
    // The state decides which button is checked, including none of the screen sizes.
    radio->setAutoExclusive(false);
    return radio;
}

constexpr const char* kScreenInstructions[3] = {"Select a standard screen size.  You may also",
                                                "drag the corner of the program window to resize",
                                                "the program window as required."};
constexpr const char* kFontInstructions[3] = {"Select a font size.  The optimal font size will",
                                              "depend on your personal preference, as well as",
                                              "your system font size and your screen resolution."};

}  // namespace

TfrmSetup::TfrmSetup(TSettings& settings, TMessages& messages, TSetupHost& host,
                     const TProgramFonts& fonts, int radioIndent, QWidget* parent)
    : QWidget(parent),
      SetupState(settings, messages, host),
      Fonts(fonts),
      RadioIndent(radioIndent) {
    setObjectName(QStringLiteral("frmSetup"));
    PanelChangeIt = new QWidget(this);
    PanelChangeIt->setObjectName(QStringLiteral("PanelChangeIt"));
    PanelInfo = MakePanel(PanelChangeIt, "PanelInfo");
    PanelText = MakePanel(PanelChangeIt, "PanelText");
    // The columns only place their panels; a frame of their own would double the lines.
    PanelInfo->setFrameShape(QFrame::NoFrame);
    PanelText->setFrameShape(QFrame::NoFrame);

    PanelScreenSize = MakePanel(PanelInfo, "PanelScreenSize");
    lblScreen1 = MakeLabel(PanelScreenSize, "Select a standard screen size.");
    rbScreen800 = MakeRadio(PanelScreenSize, "rbScreen800", kScreenButtonCaptions[0]);
    rbScreen1000 = MakeRadio(PanelScreenSize, "rbScreen1000", kScreenButtonCaptions[1]);
    rbScreen1260 = MakeRadio(PanelScreenSize, "rbScreen1260", kScreenButtonCaptions[2]);
    lblTest1 = MakeLabel(PanelScreenSize, kScreenButtonCaptions[2]);
    lblTest1->hide();
    ScreenButtons = {rbScreen800, rbScreen1000, rbScreen1260};

    PanelFontSize = MakePanel(PanelInfo, "PanelFontSize");
    lblFont1 = MakeLabel(PanelFontSize, "Select a font size.");
    rbFont1 = MakeRadio(PanelFontSize, "rbFont1", kFontButtonCaptions[0]);
    rbFont2 = MakeRadio(PanelFontSize, "rbFont2", kFontButtonCaptions[1]);
    rbFont3 = MakeRadio(PanelFontSize, "rbFont3", kFontButtonCaptions[2]);
    lblTest2 = MakeLabel(PanelFontSize, kFontButtonCaptions[1]);
    lblTest2->hide();
    FontButtons = {rbFont1, rbFont2, rbFont3};

    PanelScreenInstruct = MakePanel(PanelText, "PanelScreenInstruct");
    PanelFontInstruct = MakePanel(PanelText, "PanelFontInstruct");
    for (int i = 0; i < 3; ++i) {
        lblScreenInstruct[i] = MakeLabel(PanelScreenInstruct, kScreenInstructions[i]);
        lblFontInstruct[i] = MakeLabel(PanelFontInstruct, kFontInstructions[i]);
    }

    SetupState.ShowChoices = [this] { Sync(); };
    for (int b = 0; b < 3; ++b) {
        connect(ScreenButtons[b], &QRadioButton::clicked, this,
                [this, b] { ScreenButtonClick(static_cast<TScreenButton>(b)); });
        connect(FontButtons[b], &QRadioButton::clicked, this,
                [this, b] { FontButtonClick(b + 1); });
    }
}

void TfrmSetup::FormShow() {
    setFont(FontFor(Fonts.General));
    SetupState.Show();
    FontChangesSeen = SetupState.FontChanges();
    Sync();
    Layout();
}

void TfrmSetup::ScreenButtonClick(TScreenButton b) {
    SetupState.ScreenButtonClick(b);
    Sync();
}

void TfrmSetup::FontButtonClick(int fontSize) {
    SetupState.FontButtonClick(fontSize);
    Sync();
}

void TfrmSetup::Sync() {
    for (int b = 0; b < 3; ++b) {
        ScreenButtons[b]->setChecked(Index(SetupState.ScreenButton()) == b);
        ScreenButtons[b]->setEnabled(SetupState.ScreenButtonEnabled(static_cast<TScreenButton>(b)));
        FontButtons[b]->setChecked(SetupState.FontButton() == b + 1);
        FontButtons[b]->setEnabled(SetupState.FontButtonEnabled(b + 1));
    }
    if (SetupState.FontChanges() != FontChangesSeen) {
        FontChangesSeen = SetupState.FontChanges();
        setFont(FontFor(Fonts.General));
        Layout();
    }
    PanelChangeIt->setVisible(SetupState.PanelChangeItVisible());
}

void TfrmSetup::Layout() {
    const QFontMetrics metrics(font());
    const TSetupLayout layout =
        LayoutSetup(width(), height(), metrics.horizontalAdvance(lblTest1->text()),
                    metrics.horizontalAdvance(lblTest2->text()), metrics.height(), RadioIndent);
    const auto apply = [](QWidget* w, const TBounds& r) {
        w->setGeometry(r.Left, r.Top, r.Width, r.Height);
    };
    PanelChangeIt->setGeometry(0, 0, width(), height());
    apply(PanelInfo, layout.PanelInfo);
    apply(PanelText, layout.PanelText);
    apply(PanelScreenSize, layout.PanelScreenSize);
    apply(PanelFontSize, layout.PanelFontSize);
    apply(PanelScreenInstruct, layout.PanelScreenInstruct);
    apply(PanelFontInstruct, layout.PanelFontInstruct);
    apply(lblScreen1, layout.Title);
    apply(lblFont1, layout.Title);
    for (int b = 0; b < 3; ++b) {
        apply(ScreenButtons[b], layout.ScreenRadios[b]);
        apply(FontButtons[b], layout.FontRadios[b]);
    }
    // The instruction lines stand together in the middle of their panels.
    const int line = metrics.height() + 2;
    const int linesTop = (layout.PanelScreenInstruct.Height - 3 * line) / 2;
    for (int i = 0; i < 3; ++i) {
        lblScreenInstruct[i]->setGeometry(0, linesTop + i * line, layout.PanelScreenInstruct.Width,
                                          line);
        lblFontInstruct[i]->setGeometry(0, linesTop + i * line, layout.PanelFontInstruct.Width,
                                        line);
    }
}

void TfrmSetup::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TfrmSetup::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The screen follows the main window, also when the user drags its border.
    SetupState.WindowResized();
    Sync();
    Layout();
}

}  // namespace xs
