// What the screen tests share: a fresh folder with mapped drives, files made from tables,
// and a hand that answers the modal dialogs a screen opens.
#pragma once

#include "core/data_files.h"
#include "core/database.h"
#include "core/file_io.h"
#include "platform/dos_path.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace zs::test {

// A temporary folder: "current" holds PATH.PRG, "drives/C" is drive C:.
// ZAMANSERI_DRIVES points at "drives" while it lives.
class UiFolder {
public:
    UiFolder();
    ~UiFolder();
    UiFolder(const UiFolder&) = delete;
    UiFolder& operator=(const UiFolder&) = delete;

    std::filesystem::path root() const;
    std::filesystem::path currentDir() const { return root() / "current"; }
    std::filesystem::path drive(char letter) const;
    // The default working directory, C:\Zamanseri\, as a host folder.
    std::filesystem::path mainFolder() const { return drive('C') / "Zamanseri"; }
    platform::DriveMap drives() const { return platform::DriveMap::fromEnvironment(); }

private:
    QTemporaryDir dir_;
    QByteArray previous_;
};

Bytes readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, const Bytes& bytes);
// Writes the tables of `db` for the listed files into `folder`.
void writeTables(const Database& db, const std::filesystem::path& folder,
                 std::initializer_list<DataFile> files);
// Every file of a folder with its bytes, to show that nothing was written.
std::vector<std::pair<std::string, Bytes>> snapshot(const std::filesystem::path& folder);

// A small school: two lessons, one class, two teachers, one class lesson taught by
// the first teacher.
Database smallSchool();

// What one modal dialog looked like when it opened.
struct SeenDialog {
    QString type; // the object name: "TSilForm", "TPathForm", ...
    QString text; // a TSilForm's text
    bool information = false;
    bool cancelVisible = false;
    QString focus; // object name of the dialog's focus widget
};

// Watches for modal dialogs while it lives; each one is recorded and handed to the next
// queued action. A dialog with no action left is rejected and counted as unexpected.
class DialogDriver : public QObject {
    Q_OBJECT
public:
    using Action = std::function<void(QWidget*)>;
    DialogDriver();

    DialogDriver& then(Action action);
    std::vector<SeenDialog> seen;
    int unexpected = 0;

    static Action pressOk();
    static Action pressCancel();
    static Action pressEnter();

private:
    void poll();

    QTimer timer_;
    std::deque<Action> actions_;
    QPointer<QWidget> last_;
};

} // namespace zs::test
