// YAZICI AYARLARI: margins, page sizes, fonts and options of the two page families.
#pragma once

#include "core/settings.h"
#include "print/page_model.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;

namespace zs::ui {

class AppSession;

class PrinterSettingsScreen : public QDialog {
    Q_OBJECT
public:
    PrinterSettingsScreen(AppSession& session, QWidget* parent = nullptr);

    // Top margin, left margin, page length, page height of a family.
    QLineEdit* sizeBox(print::Family family, int i) const;
    QCheckBox* autoSizeBox(print::Family family) const;
    QCheckBox* lessonListBox() const { return lessonList_; }
    QCheckBox* twoPerPageBox() const { return twoPerPage_; }
    QCheckBox* noShiftSplitBox() const { return noShiftSplit_; }
    QCheckBox* printRoomsBox() const { return printRooms_; }

    // "Tamam": takes every box into the settings and saves them, unless they give no page.
    void store();

private:
    struct FamilyBoxes {
        std::array<QLineEdit*, 4> sizes{};
        QCheckBox* autoSize = nullptr;
        QLineEdit* fontSize = nullptr;
        QLineEdit* fontName = nullptr;
    };
    QWidget* familyBox(print::Family family, const QString& title);
    void chooseFont(print::Family family);
    const FamilyBoxes& boxes(print::Family f) const { return families_[f == print::Family::Sheet]; }

    AppSession& session_;
    Settings settings_;
    std::array<FamilyBoxes, 2> families_{};
    QCheckBox* lessonList_ = nullptr;
    QCheckBox* twoPerPage_ = nullptr;
    QCheckBox* noShiftSplit_ = nullptr;
    QCheckBox* printRooms_ = nullptr;
};

void openPrinterSettingsScreen(QWidget* parent, AppSession& session);

} // namespace zs::ui
