// DERS KOPYALA: chooses the class whose lessons are copied into the selected class.
#pragma once

#include "core/ids.h"

#include <QDialog>

class QLabel;

namespace zs::ui {

class AppSession;
class ListScheme;

class CopyLessonsDialog : public QDialog {
    Q_OBJECT
public:
    CopyLessonsDialog(AppSession& session, Id targetClassId, QWidget* parent = nullptr);

    ListScheme* classList() const { return classes_; }
    QLabel* sourceLine() const { return source_; }
    QLabel* targetLine() const { return target_; }
    Id sourceClass() const;

private:
    void showSource();

    AppSession& session_;
    ListScheme* classes_;
    QLabel* source_;
    QLabel* target_;
};

// The class chosen as the source; 0 when the dialog was cancelled.
Id chooseCopySource(QWidget* parent, AppSession& session, Id targetClassId);

} // namespace zs::ui
