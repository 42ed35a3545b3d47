// The message dialog: every notice, confirmation and choice of the program is shown here.
#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "shell/show_msg_layout.h"
#include "storage/messages.h"
#include "storage/preferences.h"

namespace xs {

class TfrmShowMsg : public QDialog, public TMessages {
    Q_OBJECT

public:
    explicit TfrmShowMsg(QWidget* parent = nullptr);

    // The GeneralFont; the panel and everything in it take it when the dialog is next shown.
    void SetGeneralFont(const TFontSpec& font);
    void SetGeneralFont(const QFont& font);
    // The window the dialog is centred over (its frame, read each time the dialog is shown).
    void SetMainWindow(const QWidget* main);
    // Used when no main window is set, or it is hidden.
    void SetMainGeometry(const QRect& frame);
    // While false, ShowMsg shows nothing and returns kResultOk.
    void SetMainReady(bool ready) { MainReady = ready; }

    int ShowMsg(const std::string& text, TButtons buttons) override;
    int ShowOptions(const std::string& text, int count, const TOptionTexts& options,
                    bool withPrintCheckBox, bool withCancel) override;
    bool PrintCurrentState() const override { return State.PrintCurrentState(); }

    // The layout of the last dialog shown, in the form's and panel's coordinates.
    const TMsgLayout& Layout() const { return CurrentLayout; }
    const TShowMsgState& DialogState() const { return State; }

    QFrame* PanelMsg;
    QLabel* lblMessage;
    QGroupBox* rgMessages;
    std::array<QRadioButton*, kMaxOptions> rgItems;
    QCheckBox* cbPrint;
    QLabel* lblNoOptionSelected;
    QLabel* lblTest;
    QPushButton* bnOK;
    QPushButton* bnCancel;

public slots:
    // Escape and closing the window: only while "Cancel" is shown.
    void reject() override;

private:
    void bnOKClick();
    void bnCancelClick();
    void rgMessagesClick(int index);
    TMsgMetrics Metrics();
    TBounds MainFrame() const;
    void Apply(const TMsgLayout& layout);
    int Run();

    QButtonGroup* Group;
    QFont GeneralFont;
    QPointer<const QWidget> MainWindow;
    QRect MainGeometry;
    bool MainReady = true;
    TShowMsgState State;
    TMsgLayout CurrentLayout;
};

}  // namespace xs
