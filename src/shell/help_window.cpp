// The help window.
#include "shell/help_window.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/ui_text.h"
#include "shell/about.h"
#include "storage/data_file.h"
#include "storage/language.h"

namespace xs {

QUrl HelpStartUrl(const QString& installedShareFolder) {
    // The page in the player's language where there is one (index.de.html), else the English one.
    QStringList names{QStringLiteral("index.html")};
    if (CurrentLanguage() != QLatin1String("en"))
        names.prepend(QStringLiteral("index.%1.html").arg(CurrentLanguage()));
    for (const QString& name : names) {
        const QString page = installedShareFolder + QStringLiteral("/help/") + name;
        if (!installedShareFolder.isEmpty() && QFileInfo(page).isFile())
            return QUrl::fromLocalFile(page);
        if (QFileInfo::exists(QStringLiteral(":/help/") + name))
            return QUrl(QStringLiteral("qrc:/help/") + name);
    }
    return QUrl(QString::fromLatin1(kHelpUrl));
}

THelpWindow::THelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(UiText("Cross Sums Help"));
    setWindowIcon(ProgramIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    Browser = new QTextBrowser(this);
    Browser->setOpenExternalLinks(true);
    bnContents = new QPushButton(UiText("Contents"), this);
    bnBack = new QPushButton(UiText("Back"), this);
    bnForward = new QPushButton(UiText("Forward"), this);
    bnClose = new QPushButton(UiText("Close"), this);
    bnBack->setEnabled(false);
    bnForward->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bnContents);
    buttons->addWidget(bnBack);
    buttons->addWidget(bnForward);
    buttons->addStretch(1);
    buttons->addWidget(bnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Browser, 1);

    connect(bnContents, &QPushButton::clicked, Browser, &QTextBrowser::home);
    connect(bnBack, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(bnForward, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(bnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(Browser, &QTextBrowser::backwardAvailable, bnBack, &QPushButton::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, bnForward, &QPushButton::setEnabled);

    Browser->setSource(HelpStartUrl(InstalledShareFolder(ProgramFolder())));
    resize(820, 640);
}

void THelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

THelpWindow* ShowHelp(QWidget* parent) {
    // One help window for the run; a second F1 brings it back instead of opening another.
    static QPointer<THelpWindow> window;
    if (!window) {
        window = new THelpWindow(parent);
        const QWidget* over = parent != nullptr ? parent->window() : nullptr;
        if (over != nullptr && over->isVisible()) {
            const QRect frame = over->frameGeometry();
            window->move(frame.left() + std::max(0, (frame.width() - window->width()) / 2),
                         frame.top() + std::max(0, (frame.height() - window->height()) / 2));
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace xs
