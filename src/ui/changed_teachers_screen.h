// PROGRAMI DEĞİŞEN ÖĞRETMENLER: the teachers whose week differs from the stored copy.
#pragma once

#include "core/ids.h"

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zs::ui {

class AppSession;

class ChangedTeachersScreen : public QDialog {
    Q_OBJECT
public:
    explicit ChangedTeachersScreen(AppSession& session, QWidget* parent = nullptr);
    QTableWidget* grid() const { return grid_; }
    const std::vector<Id>& teachers() const { return ids_; }
    QLabel* label(int i) const { return labels_[i]; }
    QPushButton* goButton() const { return go_; }
    // The teacher of the current row, 0 for none.
    Id chosen() const;

private:
    std::vector<Id> ids_;
    QTableWidget* grid_;
    QLabel* labels_[4];
    QPushButton* go_;
};

// Opens the report; the teacher "Git" chose, or 0.
Id openChangedTeachers(QWidget* parent, AppSession& session);

} // namespace zs::ui
