// The message dialog widget: applies the computed layout and runs the dialog modally.
#include "shell/show_msg.h"

#include <algorithm>

#include <QApplication>
#include <QFontMetrics>
#include <QPalette>
#include <QScreen>

#include "platform/fonts.h"
#include "platform/ui_text.h"

namespace xs {

namespace {

const char* const kOptionCaption = " Please select your preferred option and then press 'O.K.'";
const char* const kPrintCaption =
    "Print current state of puzzle i.e. include already filled numbers";
const char* const kNoOptionCaption =
    "No option selected : Please select an option and then press O.K.";
const char* const kTestCaption =
    "xxPlease select your preferred option and then press 'O.K. xxxxxxxxxxxxxxxx'";

QString FromUtf8(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A message or option in the player's language, when it is one of the program's own texts.
std::string Translated(const std::string& text) {
    return UiText(text).toStdString();
}

QRect ToQRect(const TBounds& b) {
    return QRect(b.Left, b.Top, b.Width, b.Height);
}

void Paint(QWidget* w, const QColor& background) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, Qt::black);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// A busy cursor set by the caller gives way to the arrow while the dialog is up.
class TArrowCursor {
public:
    TArrowCursor() : Active(QApplication::overrideCursor() != nullptr) {
        if (Active) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~TArrowCursor() {
        if (Active) QApplication::restoreOverrideCursor();
    }
    TArrowCursor(const TArrowCursor&) = delete;
    TArrowCursor& operator=(const TArrowCursor&) = delete;

private:
    bool Active;
};

}  // namespace

TfrmShowMsg::TfrmShowMsg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      GeneralFont(MakeFont("MS Sans Serif", 10, false)) {
    setModal(true);
    Paint(this, QColor(0x00, 0x00, 0x80));

    PanelMsg = new QFrame(this);
    Paint(PanelMsg, QColor(0xFF, 0xFF, 0x00));

    lblMessage = new QLabel(PanelMsg);
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    rgMessages = new QGroupBox(UiText(kOptionCaption), PanelMsg);
    Group = new QButtonGroup(this);
    for (int i = 0; i < kMaxOptions; ++i) {
        rgItems[static_cast<std::size_t>(i)] = new QRadioButton(rgMessages);
        Group->addButton(rgItems[static_cast<std::size_t>(i)], i);
    }
    connect(Group, &QButtonGroup::idClicked, this, &TfrmShowMsg::rgMessagesClick);

    cbPrint = new QCheckBox(UiText(kPrintCaption), PanelMsg);
    connect(cbPrint, &QCheckBox::toggled, this, [this](bool on) { State.SetPrintChecked(on); });

    lblNoOptionSelected = new QLabel(UiText(kNoOptionCaption), PanelMsg);
    lblNoOptionSelected->hide();

    lblTest = new QLabel(QString::fromLatin1(kTestCaption), PanelMsg);
    lblTest->hide();

    bnOK = new QPushButton(UiText("O.K."), PanelMsg);
    bnOK->setDefault(true);
    connect(bnOK, &QPushButton::clicked, this, &TfrmShowMsg::bnOKClick);
    bnCancel = new QPushButton(UiText("Cancel"), PanelMsg);
    bnCancel->setAutoDefault(false);
    connect(bnCancel, &QPushButton::clicked, this, &TfrmShowMsg::bnCancelClick);
}

void TfrmShowMsg::SetGeneralFont(const TFontSpec& font) {
    GeneralFont = FontFor(font);
}

void TfrmShowMsg::SetGeneralFont(const QFont& font) {
    GeneralFont = font;
}

void TfrmShowMsg::SetMainWindow(const QWidget* main) {
    MainWindow = main;
}

void TfrmShowMsg::SetMainGeometry(const QRect& frame) {
    MainGeometry = frame;
}

TBounds TfrmShowMsg::MainFrame() const {
    QRect r = MainGeometry;
    if (MainWindow && MainWindow->isVisible()) {
        r = MainWindow->frameGeometry();
    } else if (r.isEmpty()) {
        const QScreen* screen = QApplication::primaryScreen();
        if (screen != nullptr) r = screen->availableGeometry();
    }
    return {r.left(), r.top(), r.width(), r.height()};
}

TMsgMetrics TfrmShowMsg::Metrics() {
    const QFontMetrics fm(GeneralFont);
    TMsgMetrics m;
    m.TextWidth = [fm](std::string_view line) { return fm.horizontalAdvance(FromUtf8(line)); };
    // The label itself says how high its wrapped text is, so the layout matches what is drawn.
    m.WrappedHeight = [this](std::string_view text, int width) {
        lblMessage->setText(FromUtf8(text));
        lblMessage->setWordWrap(true);
        return lblMessage->heightForWidth(width);
    };
    // Measured as the label lays out its lines: the text layout rounds each line up, so counting
    // the font's height per line cut off the last line's descenders.
    const int fourLines = fm.boundingRect(QRect(0, 0, 10000, 10000), Qt::AlignLeft | Qt::AlignTop,
                                          QStringLiteral("X\nX\nX\nX"))
                              .height();
    m.LineHeight = std::max(fm.height(), (fourLines + 3) / 4);
    m.TestWidth = fm.horizontalAdvance(lblTest->text());
    const int buttonWidth = std::max(
        {75, fm.horizontalAdvance(bnOK->text()) + 24, fm.horizontalAdvance(bnCancel->text()) + 24});
    m.OkWidth = buttonWidth;
    m.CancelWidth = buttonWidth;
    m.ButtonHeight = std::max(25, fm.height() + 10);
    return m;
}

void TfrmShowMsg::Apply(const TMsgLayout& layout) {
    CurrentLayout = layout;
    setFixedSize(layout.Form.Width, layout.Form.Height);
    move(layout.Form.Left, layout.Form.Top);
    PanelMsg->setGeometry(ToQRect(layout.Panel));
    lblMessage->setWordWrap(layout.MessageWrapped);
    lblMessage->setGeometry(ToQRect(layout.Message));

    rgMessages->setVisible(layout.OptionsShown);
    if (layout.OptionsShown) {
        rgMessages->setGeometry(ToQRect(layout.Options));
        for (std::size_t i = 0; i < rgItems.size(); ++i) {
            rgItems[i]->setGeometry(ToQRect(layout.OptionItems[i]));
        }
    }
    cbPrint->setVisible(layout.PrintShown);
    cbPrint->setGeometry(ToQRect(layout.Print));
    lblNoOptionSelected->setGeometry(ToQRect(layout.NoOption));
    lblNoOptionSelected->hide();
    bnOK->setGeometry(ToQRect(layout.Ok));
    bnCancel->setVisible(layout.CancelShown);
    bnCancel->setGeometry(ToQRect(layout.Cancel));
}

int TfrmShowMsg::Run() {
    TArrowCursor arrow;
    bnOK->setFocus();
    return exec();
}

int TfrmShowMsg::ShowMsg(const std::string& text, TButtons buttons) {
    if (!MainReady) return kResultOk;
    // A message asked for while the dialog is already up (from a timer, say) cannot be shown;
    // it is answered as its safest button so that no destructive request goes ahead unasked.
    if (isVisible()) return buttons == TButtons::OkCancel ? kResultCancel : kResultOk;
    PanelMsg->setFont(GeneralFont);
    setWindowTitle(QString());
    const bool withCancel = buttons == TButtons::OkCancel;
    State.StartMessage(withCancel);

    const std::string normalized = NormalizeLineBreaks(Translated(text));
    const TMsgLayout layout = LayoutShowMsg(normalized, withCancel, Metrics(), MainFrame());
    lblMessage->setText(FromUtf8(normalized));
    Apply(layout);
    return Run();
}

int TfrmShowMsg::ShowOptions(const std::string& text, int count, const TOptionTexts& options,
                             bool withPrintCheckBox, bool withCancel) {
    count = std::clamp(count, 1, kMaxOptions);
    if (isVisible()) return withCancel ? kResultCancel : OptionResult(0);
    PanelMsg->setFont(GeneralFont);
    State.StartOptions(count, withPrintCheckBox, withCancel);

    // No option starts selected; an exclusive group cannot be emptied otherwise.
    Group->setExclusive(false);
    for (std::size_t i = 0; i < rgItems.size(); ++i) {
        rgItems[i]->setChecked(false);
        rgItems[i]->setText(UiText(options[i]));
        rgItems[i]->setVisible(static_cast<int>(i) < count);
    }
    Group->setExclusive(true);
    cbPrint->setChecked(false);

    const std::string normalized = NormalizeLineBreaks(Translated(text));
    const TMsgLayout layout =
        LayoutShowOptions(normalized, count, withPrintCheckBox, withCancel, Metrics(), MainFrame());
    lblMessage->setText(FromUtf8(normalized));
    Apply(layout);
    return Run();
}

void TfrmShowMsg::rgMessagesClick(int index) {
    State.ChooseOption(index);
    lblNoOptionSelected->setVisible(State.NoOptionShown());
}

void TfrmShowMsg::bnOKClick() {
    const std::optional<int> result = State.PressOk();
    lblNoOptionSelected->setVisible(State.NoOptionShown());
    if (result) done(*result);
}

void TfrmShowMsg::bnCancelClick() {
    if (const std::optional<int> result = State.PressCancel()) done(*result);
}

void TfrmShowMsg::reject() {
    if (const std::optional<int> result = State.PressEscape()) done(*result);
}

}  // namespace xs
