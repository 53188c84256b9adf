#include "hand_undo.h"

#include "message_dialog.h"

namespace zs::ui {

namespace {

QString said(QWidget* parent, const Result<sched::HistoryState>& r, const QString& empty) {
    if (!r) {
        TSilForm::showIoError(parent, r.error());
        return {};
    }
    switch (r.value()) {
    case sched::HistoryState::Done:
        return {};
    case sched::HistoryState::Empty:
        return empty;
    case sched::HistoryState::Cleared:
        return QStringLiteral("Geri alma geçmişi silindi: programlar başka bir ekranda ya da "
                              "başka bir klasörde değişti.");
    }
    return {};
}

} // namespace

QString undoHandChange(QWidget* parent, AppSession& session) {
    return said(parent, session.handHistory.undo(session.db, session.dataDir()),
                QStringLiteral("Geri alınacak değişiklik yok."));
}

QString redoHandChange(QWidget* parent, AppSession& session) {
    return said(parent, session.handHistory.redo(session.db, session.dataDir()),
                QStringLiteral("Yinelenecek değişiklik yok."));
}

} // namespace zs::ui
