#include "ui_test_support.h"

#include "core/entities.h"
#include "ui/message_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace zs::test {

namespace fs = std::filesystem;

UiFolder::UiFolder() : previous_(qgetenv("ZAMANSERI_DRIVES")) {
    fs::create_directories(currentDir());
    fs::create_directories(drive('C'));
    qputenv("ZAMANSERI_DRIVES", QByteArray::fromStdString((root() / "drives").string()));
}

UiFolder::~UiFolder() {
    qputenv("ZAMANSERI_DRIVES", previous_);
}

fs::path UiFolder::root() const {
    return fs::path(dir_.path().toStdString());
}

fs::path UiFolder::drive(char letter) const {
    return root() / "drives" / std::string(1, letter);
}

Bytes readBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& file, const Bytes& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

void writeTables(const Database& db, const fs::path& folder,
                 std::initializer_list<DataFile> files) {
    for (DataFile f : files) writeBytes(folder / fileName(f), encodeTable(db, f));
}

std::vector<std::pair<std::string, Bytes>> snapshot(const fs::path& folder) {
    std::vector<std::pair<std::string, Bytes>> out;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            out.emplace_back(entry.path().filename().string(), readBytes(entry.path()));
    std::sort(out.begin(), out.end());
    return out;
}

Database smallSchool() {
    Database db;
    addLesson(db, 1, 0, 4, Pattern{2, 2, 0, 0, 0}, "MAT", "MATEMATIK", 1);
    addLesson(db, 2, 0, 2, Pattern{2, 0, 0, 0, 0}, "FIZ", "FIZIK", 1);
    addSchoolClass(db, 1, "9", "A");
    addTeacher(db, 1, "AYSE KAYA", "MATEMATIK", "9-A", "");
    addTeacher(db, 2, "ALI CAN", "FIZIK", "", "");
    addClassLesson(db, 1, 1);
    addTeacherLesson(db, 1, 1, 1);
    db.reindexAll();
    return db;
}

DialogDriver::DialogDriver() {
    connect(&timer_, &QTimer::timeout, this, &DialogDriver::poll);
    timer_.start(5);
}

DialogDriver& DialogDriver::then(Action action) {
    actions_.push_back(std::move(action));
    return *this;
}

void DialogDriver::poll() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w || w == last_) return;
    last_ = w;
    SeenDialog s;
    s.type = w->objectName();
    if (auto* form = qobject_cast<ui::TSilForm*>(w)) {
        s.text = form->text();
        s.information = form->isInformation();
        s.cancelVisible = form->cancelButton()->isVisible();
    }
    if (QWidget* f = w->focusWidget()) s.focus = f->objectName();
    seen.push_back(s);
    if (actions_.empty()) {
        ++unexpected;
        if (auto* d = qobject_cast<QDialog*>(w)) d->reject();
        return;
    }
    Action action = std::move(actions_.front());
    actions_.pop_front();
    action(w);
}

DialogDriver::Action DialogDriver::pressOk() {
    return [](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("okButton"))->click(); };
}

DialogDriver::Action DialogDriver::pressCancel() {
    return [](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click(); };
}

DialogDriver::Action DialogDriver::pressEnter() {
    return [](QWidget* w) {
        QWidget* target = w->focusWidget() ? w->focusWidget() : w;
        QTest::keyClick(target, Qt::Key_Return);
    };
}

} // namespace zs::test
