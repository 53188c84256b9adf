#include "help_viewer.h"

#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

// The pages live in a static library; naming them here keeps the linker from dropping them.
static void initHelpResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)registered;
}

namespace zs::platform {

namespace {

QString resourcePath(int topic) {
    if (topic == help::Contents) return QStringLiteral(":/help/contents.html");
    return QStringLiteral(":/help/%1.html").arg(topic);
}

// Centred on the owner's screen and no larger than it, so no edge or button lies off it.
void placeOnScreen(QWidget* window, QWidget* owner) {
    QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    window->resize(window->size().boundedTo(room.size() - QSize(40, 60)));
    QRect frame(QPoint(), window->size());
    frame.moveCenter(room.center());
    window->move(frame.topLeft());
}

} // namespace

bool helpTopicExists(int topic) {
    initHelpResources();
    return QFile::exists(resourcePath(topic));
}

QUrl helpTopicUrl(int topic) {
    const int shown = helpTopicExists(topic) ? topic : int(help::Contents);
    return QUrl(QStringLiteral("qrc") + resourcePath(shown));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    initHelpResources();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("Zamanseri - Yardım"));
    setAttribute(Qt::WA_DeleteOnClose);

    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(false);

    auto* contents = new QPushButton(QStringLiteral("İ&çindekiler"), this);
    auto* back = new QPushButton(QStringLiteral("&Geri"), this);
    auto* forward = new QPushButton(QStringLiteral("İ&leri"), this);
    auto* close = new QPushButton(QStringLiteral("&Kapat"), this);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(contents, &QPushButton::clicked, this, [this] { showTopic(help::Contents); });
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);
    resize(680, 560);
}

void HelpWindow::showTopic(int topic) {
    browser_->setSource(helpTopicUrl(topic));
}

HelpWindow* showHelp(int topic, QWidget* parent) {
    QWidget* owner = parent ? parent->window() : nullptr;
    HelpWindow* window = nullptr;
    if (owner)
        window =
            owner->findChild<HelpWindow*>(QStringLiteral("helpWindow"), Qt::FindDirectChildrenOnly);
    if (!window) {
        window = new HelpWindow(owner);
        placeOnScreen(window, owner);
    }
    window->showTopic(topic);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace zs::platform
