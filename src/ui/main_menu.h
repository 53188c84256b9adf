// TZamanseriForm: the main menu, from which every screen is opened.
#pragma once

#include "core/menu_conditions.h"
#include "core/result.h"

#include <QString>
#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace zs::ui {

class AppSession;

class TZamanseriForm : public QWidget {
    Q_OBJECT
public:
    using Screen = std::function<void(QWidget* parent)>;

    static QString caption();
    static QString buttonText(MenuButton button);
    static QString restartNotice();
    static QString clearAllQuestion();
    static QString notLoadedText();

    explicit TZamanseriForm(AppSession& session, QWidget* parent = nullptr);

    // The screen a button opens, once it exists; until then the button says it is not ready.
    void setScreen(MenuButton button, Screen screen);
    // "DIŞA AKTAR", below the twelve buttons: open only while a timetable has placed hours.
    void setExportScreen(Screen screen) { exportScreen_ = std::move(screen); }
    void pressExport();

    // What pressing the button does: its condition first, then its screen.
    void press(MenuButton button);
    // The product name's double click: the working-directory dialog and the change.
    void changeWorkingDirectory();
    // "BÜTÜN DOSYALARI SİL": asks, empties every data file, ends the program.
    void clearAllFiles();
    // After a load: the buttons follow whether it succeeded; its error, or the records it
    // skipped, are told once.
    void reportLoad(const Status& loaded);
    // A later start of the program asked for this window.
    void bringToFront();

    QPushButton* button(MenuButton b) const { return buttons_[static_cast<std::size_t>(b)]; }
    QPushButton* exportButton() const { return exportButton_; }
    QLabel* productLabel() const { return product_; }
    QFrame* infoPanel() const { return panel_; }
    QAction* clearAllAction() const { return clearAllAction_; }

signals:
    // The program is to end; the window has closed.
    void ended();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QFrame* buildPanel();
    void showWorkDir();
    void followTimetable();
    void endProgram();

    AppSession& session_;
    std::array<QPushButton*, kMenuButtons.size()> buttons_{};
    std::array<Screen, kMenuButtons.size()> screens_{};
    QPushButton* exportButton_ = nullptr;
    Screen exportScreen_;
    QFrame* panel_ = nullptr;
    QLabel* product_ = nullptr;
    QLabel* workDirLabel_ = nullptr;
    QLabel* notLoaded_ = nullptr;
    QMenu* panelMenu_ = nullptr;
    QAction* clearAllAction_ = nullptr;
};

} // namespace zs::ui
