#include "main_menu.h"

#include "app_session.h"
#include "core/load_notes.h"
#include "export/placed_blocks.h"
#include "message_dialog.h"
#include "path_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace zs::ui {

namespace {

std::size_t slot(MenuButton b) {
    return static_cast<std::size_t>(b);
}

const char* const kPanelStyle = R"(
QFrame#infoPanel { background: #1f4e79; border-radius: 8px; }
QFrame#infoPanel QLabel { color: #ffffff; background: transparent; }
QLabel#productName { font-size: 30pt; font-weight: bold; }
QLabel#productLine { font-size: 12pt; }
QLabel#versionText { font-size: 10pt; color: #d6e4f0; }
QLabel#workDirText, QLabel#helpLine { font-size: 9pt; color: #d6e4f0; }
QFrame#panelRule { background: #6f95bb; max-height: 1px; border: none; }
)";

const char* const kButtonStyle = R"(
QPushButton { font-size: 11pt; font-weight: bold; text-align: left;
              padding: 7px 16px; min-height: 22px; }
)";

} // namespace

QString TZamanseriForm::caption() {
    return QStringLiteral("Zamanseri") + QString(12, QLatin1Char(' ')) +
           QStringLiteral("HAFTALIK DERS DAĞITIM PROGRAMI");
}

QString TZamanseriForm::buttonText(MenuButton button) {
    switch (button) {
    case MenuButton::Lessons:
        return QStringLiteral("&DERSLER");
    case MenuButton::ClassesRooms:
        return QStringLiteral("&SINIFLAR - DERSLİKLER");
    case MenuButton::Teachers:
        return QStringLiteral("ÖĞ&RETMENLER");
    case MenuButton::DailyLessonCounts:
        return QStringLiteral("&GÜNLÜK DERS SAYILARI");
    case MenuButton::ClassLessons:
        return QStringLiteral("SI&NIFTA OKUTULAN DERSLER");
    case MenuButton::TeacherDistribution:
        return QStringLiteral("ÖĞR&ETMEN DERS DAĞITIMI");
    case MenuButton::TeacherTimetable:
        return QStringLiteral("ÖĞRE&TMENLERE GÖRE DERS PROGRAMI");
    case MenuButton::ClassTimetable:
        return QStringLiteral("SINI&FLARA GÖRE DERS PROGRAMI");
    case MenuButton::NewTimetable:
        return QStringLiteral("&YENİ TABLO OLUŞTURULMASI");
    case MenuButton::Backup:
        return QStringLiteral("&YEDEKLEME");
    case MenuButton::Help:
        return QStringLiteral("&YARDIM");
    case MenuButton::Exit:
        return QStringLiteral("ÇI&KIŞ");
    }
    return {};
}

QString TZamanseriForm::restartNotice() {
    return QStringLiteral("Geri alma işleminin gerçekleşmesi için program kapatılacak. "
                          "Programı tekrar açtığınızda önceki bilgileriniz tekrar yüklenmiş "
                          "olacaktır.");
}

QString TZamanseriForm::notLoadedText() {
    return QStringLiteral("Çalışma dizinindeki veri dosyaları okunamadı. Dosyaların bozulmaması "
                          "için hiçbir bölüm açılmıyor; çalışma dizinini değiştirmek için "
                          "\"Zamanseri\" yazısına çift tıklayınız.");
}

QString TZamanseriForm::clearAllQuestion() {
    return QStringLiteral("Bütün dosyalardaki bilgiler silinecek !");
}

TZamanseriForm::TZamanseriForm(AppSession& session, QWidget* parent)
    : QWidget(parent), session_(session) {
    setObjectName(QStringLiteral("TZamanseriForm"));
    setWindowTitle(caption());

    auto* column = new QVBoxLayout;
    column->setSpacing(6);
    for (MenuButton b : kMenuButtons) {
        auto* button = new QPushButton(buttonText(b), this);
        button->setObjectName(QStringLiteral("menuButton%1").arg(int(b)));
        button->setStyleSheet(QString::fromLatin1(kButtonStyle));
        button->setAutoDefault(true);
        connect(button, &QPushButton::clicked, this, [this, b] { press(b); });
        buttons_[slot(b)] = button;
        column->addWidget(button);
        // Leave a little air between the data entry, the timetable and the housekeeping groups.
        if (b == MenuButton::TeacherDistribution || b == MenuButton::NewTimetable)
            column->addSpacing(10);
        if (b == MenuButton::Backup) {
            exportButton_ = new QPushButton(QStringLiteral("DIŞA &AKTAR"), this);
            exportButton_->setObjectName(QStringLiteral("exportButton"));
            exportButton_->setStyleSheet(QString::fromLatin1(kButtonStyle));
            exportButton_->setAutoDefault(true);
            connect(exportButton_, &QPushButton::clicked, this, &TZamanseriForm::pressExport);
            column->addWidget(exportButton_);
        }
    }
    column->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(16);
    layout->addWidget(buildPanel(), 1);
    layout->addLayout(column);

    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            [this] { press(MenuButton::Help); });
    showWorkDir();
}

QFrame* TZamanseriForm::buildPanel() {
    panel_ = new QFrame(this);
    panel_->setObjectName(QStringLiteral("infoPanel"));
    panel_->setStyleSheet(QString::fromLatin1(kPanelStyle));
    panel_->setMinimumWidth(300);

    product_ = new QLabel(QStringLiteral("Zamanseri"), panel_);
    product_->setObjectName(QStringLiteral("productName"));
    product_->setToolTip(QStringLiteral("Çalışma dizinini değiştirmek için çift tıklayınız."));
    product_->installEventFilter(this);

    auto* line = new QLabel(QStringLiteral("Haftalık Ders Dağıtım Programı"), panel_);
    line->setObjectName(QStringLiteral("productLine"));
    line->setWordWrap(true);
    auto* version = new QLabel(QStringLiteral("Sürüm 6.0"), panel_);
    version->setObjectName(QStringLiteral("versionText"));
    auto* rule = new QFrame(panel_);
    rule->setObjectName(QStringLiteral("panelRule"));
    rule->setFrameShape(QFrame::HLine);
    auto* helpLine = new QLabel(QStringLiteral("F1 = Yardım"), panel_);
    helpLine->setObjectName(QStringLiteral("helpLine"));
    workDirLabel_ = new QLabel(panel_);
    workDirLabel_->setObjectName(QStringLiteral("workDirText"));
    workDirLabel_->setWordWrap(true);
    notLoaded_ = new QLabel(notLoadedText(), panel_);
    notLoaded_->setObjectName(QStringLiteral("notLoadedText"));
    notLoaded_->setWordWrap(true);

    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(24, 28, 24, 20);
    layout->addWidget(product_);
    layout->addWidget(line);
    layout->addSpacing(6);
    layout->addWidget(version);
    layout->addStretch();
    layout->addWidget(notLoaded_);
    layout->addWidget(rule);
    layout->addWidget(workDirLabel_);
    layout->addWidget(helpLine);

    panelMenu_ = new QMenu(this);
    clearAllAction_ = panelMenu_->addAction(QStringLiteral("BÜTÜN DOSYALARI SİL"));
    clearAllAction_->setObjectName(QStringLiteral("clearAllAction"));
    connect(clearAllAction_, &QAction::triggered, this, &TZamanseriForm::clearAllFiles);
    panel_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { panelMenu_->popup(panel_->mapToGlobal(at)); });
    return panel_;
}

void TZamanseriForm::showWorkDir() {
    workDirLabel_->setText(QStringLiteral("Çalışma dizini: ") + fromCodePage(session_.workDir));
    // After a failed load only the directory change, help and exit are offered.
    for (MenuButton b : kMenuButtons)
        buttons_[slot(b)]->setEnabled(session_.loaded || b == MenuButton::Help ||
                                      b == MenuButton::Exit);
    clearAllAction_->setEnabled(session_.loaded);
    notLoaded_->setVisible(!session_.loaded);
    followTimetable();
}

void TZamanseriForm::followTimetable() {
    exportButton_->setEnabled(session_.loaded && exporting::anyPlacedHour(session_.db));
}

void TZamanseriForm::pressExport() {
    if (!exportButton_->isEnabled()) return;
    if (exportScreen_)
        exportScreen_(this);
    else
        TSilForm::notYetAvailable(this);
}

void TZamanseriForm::reportLoad(const Status& loaded) {
    showWorkDir();
    if (!loaded) {
        TSilForm::showIoError(this, loaded.error());
        return;
    }
    const std::string notes = summariseLoadNotes(session_.lastLoad);
    if (!notes.empty()) TSilForm::inform(this, QString::fromStdString(notes));
}

void TZamanseriForm::setScreen(MenuButton button, Screen screen) {
    screens_[slot(button)] = std::move(screen);
}

void TZamanseriForm::press(MenuButton button) {
    if (button == MenuButton::Help) {
        platform::showHelp(platform::help::Contents, this);
        return;
    }
    if (button == MenuButton::Exit) {
        endProgram();
        return;
    }
    if (!session_.loaded) return;
    const MenuAnswer answer = menuCondition(session_.db, button);
    if (answer.verdict == MenuVerdict::Refuse) return;
    if (answer.verdict == MenuVerdict::Notice) {
        TSilForm::inform(this, fromCodePage(answer.notice));
        return;
    }
    if (const Screen& screen = screens_[slot(button)])
        screen(this);
    else
        TSilForm::notYetAvailable(this);
    followTimetable();

    // A restore has replaced the files under the loaded tables: only a new start loads them.
    if (button == MenuButton::Backup && session_.restartPending) {
        TSilForm::inform(this, restartNotice());
        endProgram();
    }
}

void TZamanseriForm::changeWorkingDirectory() {
    TPathForm form(fromCodePage(session_.workDir), this, &session_.drives);
    if (form.exec() != QDialog::Accepted) return;
    const auto text = toCodePage(form.text());
    if (!text) return; // the field's filter lets no such text through
    auto changed = session_.changeWorkDir(*text);
    if (!changed) {
        reportLoad(changed.error());
    } else if (changed.value()) {
        reportLoad(success());
    } else {
        TSilForm::inform(this, QStringLiteral("\"%1\" dizini bulunamadı. Çalışma dizini "
                                              "değiştirilmedi.")
                                   .arg(form.text()));
    }
}

void TZamanseriForm::clearAllFiles() {
    if (!session_.loaded) return;
    if (!TSilForm::confirm(this, clearAllQuestion())) return;
    if (auto s = session_.clearAll(); !s) {
        TSilForm::showIoError(this, s.error());
        return;
    }
    endProgram();
}

void TZamanseriForm::bringToFront() {
    if (isMinimized()) showNormal();
    show();
    // A screen open over the menu is what the user was working in.
    QWidget* front = QApplication::activeModalWidget();
    if (!front) front = this;
    front->raise();
    front->activateWindow();
}

bool TZamanseriForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == product_ && event->type() == QEvent::MouseButtonDblClick) {
        changeWorkingDirectory();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TZamanseriForm::endProgram() {
    close();
}

// Buttons sharing an underlined letter only take the focus from Alt and the letter, in
// turn; Enter then opens the focused one, also a button added without auto-default.
void TZamanseriForm::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (enter && focused && focused->isEnabled() && isAncestorOf(focused)) {
        focused->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TZamanseriForm::closeEvent(QCloseEvent* event) {
    // Every change was written when it was made: nothing is saved here.
    event->accept();
    emit ended();
}

} // namespace zs::ui
