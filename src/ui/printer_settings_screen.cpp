#include "printer_settings_screen.h"

#include "app_session.h"
#include "core/text.h"
#include "font_choice_dialog.h"
#include "message_dialog.h"
#include "platform/help_viewer.h"
#include "qt_text.h"
#include "setting_boxes.h"
#include "settings_screen.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include <algorithm>

namespace zs::ui {

namespace {

constexpr std::size_t kFontNameCapacity = 40;

std::array<std::int32_t*, 4> sizeFields(Settings& s, print::Family f) {
    if (f == print::Family::Sheet)
        return {&s.sheetTopMargin, &s.sheetLeftMargin, &s.sheetPageLength, &s.sheetPageHeight};
    return {&s.printTopMargin, &s.printLeftMargin, &s.printPageLength, &s.printPageHeight};
}

std::int32_t& autoSizeField(Settings& s, print::Family f) {
    return f == print::Family::Sheet ? s.sheetAutoSize : s.printAutoSize;
}

std::int32_t& fontSizeField(Settings& s, print::Family f) {
    return f == print::Family::Sheet ? s.sheetFontSize : s.printFontSize;
}

std::string& fontNameField(Settings& s, print::Family f) {
    return f == print::Family::Sheet ? s.sheetFontName : s.printFontName;
}

QCheckBox* checkBox(const QString& text, const QString& name, bool on, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(on);
    return box;
}

} // namespace

PrinterSettingsScreen::PrinterSettingsScreen(AppSession& session, QWidget* parent)
    : QDialog(parent), session_(session), settings_(session.db.settings) {
    setObjectName(QStringLiteral("PrinterSettingsScreen"));
    setWindowTitle(QStringLiteral("YAZICI AYARLARI"));
    auto* timetable = familyBox(print::Family::Timetable,
                                QStringLiteral("SINIF - DERSLİK - ÖĞRETMEN DERS PROGRAMI"));
    auto* sheet =
        familyBox(print::Family::Sheet, QStringLiteral("SINIF - DERSLİK - ÖĞRETMEN ÇARŞAF LİSTE"));
    lessonList_ = checkBox(QStringLiteral("ÖĞRETMEN PROGRAMINDA DERS LİSTESİNİ YAZDIR"),
                           QStringLiteral("lessonListBox"), settings_.printLessonList, this);
    twoPerPage_ = checkBox(QStringLiteral("ÖĞRETMEN PROGRAMINI TEK SAYFAYA ÇİFT YAZDIR"),
                           QStringLiteral("twoPerPageBox"), settings_.printTwoPerPage, this);
    noShiftSplit_ = checkBox(QStringLiteral("ÇARŞAF LİSTEDE SABAH-ÖĞLE AYRIMI YAPMA"),
                             QStringLiteral("noShiftSplitBox"), settings_.sheetNoShiftSplit, this);
    printRooms_ = checkBox(QStringLiteral("ÇARŞAF LİSTEDE DERSLİKLERİ YAZDIR"),
                           QStringLiteral("printRoomsBox"), settings_.sheetPrintRooms, this);
    // The lesson list has no room beside a second copy.
    connect(lessonList_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) twoPerPage_->setChecked(false);
    });
    connect(twoPerPage_, &QCheckBox::toggled, this, [this](bool on) {
        if (on) lessonList_->setChecked(false);
    });
    timetable->layout()->addWidget(lessonList_);
    timetable->layout()->addWidget(twoPerPage_);
    sheet->layout()->addWidget(noShiftSplit_);
    sheet->layout()->addWidget(printRooms_);

    auto* ok = screenButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    ok->setAutoDefault(false);
    auto* cancel = screenButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    cancel->setAutoDefault(false);
    auto* help = screenButton(QStringLiteral("Yardım"), QStringLiteral("helpButton"), this);
    help->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &PrinterSettingsScreen::store);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    bindHelp(this, platform::help::PrinterSettings, help);

    auto* families = new QHBoxLayout;
    families->addWidget(timetable);
    families->addWidget(sheet);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(families);
    layout->addLayout(buttons);
}

QWidget* PrinterSettingsScreen::familyBox(print::Family family, const QString& title) {
    auto* group = new QGroupBox(title, this);
    FamilyBoxes& b = families_[family == print::Family::Sheet];
    const bool sheet = family == print::Family::Sheet;
    const std::array<QString, 4> captions = {
        QStringLiteral("ÜST BOŞLUK"), QStringLiteral("SOL BOŞLUK"),
        sheet ? QStringLiteral("SAYFA  UZUNLUĞU") : QStringLiteral("SAYFA UZUNLUĞU"),
        QStringLiteral("SAYFA YÜKSEKLİĞİ")};
    const QString prefix = sheet ? QStringLiteral("sheet") : QStringLiteral("print");
    auto* grid = new QGridLayout;
    const auto fields = sizeFields(settings_, family);
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit(QString::number(*fields[std::size_t(i)]), group);
        box->setObjectName(prefix + QStringLiteral("SizeBox%1").arg(i + 1));
        box->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), box));
        setBoxWidth(box, 5);
        // Enter in a timetable box opens the font choice, as "FONT BELİRLE" does.
        if (!sheet)
            connect(box, &QLineEdit::returnPressed, this,
                    [this] { chooseFont(print::Family::Timetable); });
        b.sizes[std::size_t(i)] = box;
        grid->addWidget(new QLabel(captions[std::size_t(i)], group), i, 0);
        grid->addWidget(box, i, 1);
    }
    b.autoSize = checkBox(QStringLiteral("SAYFA UZUNLUK VE YÜKSEKLİĞİNİ OTOMATİK BELİRLE"),
                          prefix + QStringLiteral("AutoSizeBox"),
                          autoSizeField(settings_, family) != 0, group);
    b.fontSize = new QLineEdit(QString::number(fontSizeField(settings_, family)), group);
    b.fontSize->setObjectName(prefix + QStringLiteral("FontSizeBox"));
    b.fontSize->setReadOnly(true);
    setBoxWidth(b.fontSize, 3);
    b.fontName = new QLineEdit(fromCodePage(fontNameField(settings_, family)), group);
    b.fontName->setObjectName(prefix + QStringLiteral("FontNameBox"));
    b.fontName->setReadOnly(true);
    auto* font =
        screenButton(QStringLiteral("FONT BELİRLE"), prefix + QStringLiteral("FontButton"), group);
    font->setAutoDefault(false);
    connect(font, &QPushButton::clicked, this, [this, family] { chooseFont(family); });
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(font);
    fontRow->addWidget(b.fontSize);
    fontRow->addWidget(b.fontName, 1);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(grid);
    layout->addWidget(b.autoSize);
    layout->addLayout(fontRow);
    return group;
}

QLineEdit* PrinterSettingsScreen::sizeBox(print::Family family, int i) const {
    return boxes(family).sizes[std::size_t(i)];
}

QCheckBox* PrinterSettingsScreen::autoSizeBox(print::Family family) const {
    return boxes(family).autoSize;
}

void PrinterSettingsScreen::chooseFont(print::Family family) {
    const auto chosen = ui::chooseFont(this, fromCodePage(fontNameField(settings_, family)),
                                       fontSizeField(settings_, family));
    if (!chosen) return;
    const auto name = toCodePage(chosen->family);
    if (!name) return;
    // The font is stored at once, whatever becomes of the other boxes.
    Settings stored = session_.db.settings;
    fontSizeField(stored, family) = chosen->size;
    fontNameField(stored, family) = cut(*name, kFontNameCapacity);
    if (!storeSettings(this, session_, stored)) return;
    fontSizeField(settings_, family) = fontSizeField(stored, family);
    fontNameField(settings_, family) = fontNameField(stored, family);
    const FamilyBoxes& b = boxes(family);
    b.fontSize->setText(QString::number(fontSizeField(settings_, family)));
    b.fontName->setText(fromCodePage(fontNameField(settings_, family)));
}

void PrinterSettingsScreen::store() {
    Settings s = settings_;
    for (print::Family f : {print::Family::Timetable, print::Family::Sheet}) {
        const auto fields = sizeFields(s, f);
        for (int i = 0; i < 4; ++i) *fields[std::size_t(i)] = sizeBox(f, i)->text().toInt();
        autoSizeField(s, f) = autoSizeBox(f)->isChecked() ? 1 : 0;
    }
    s.printLessonList = lessonList_->isChecked() ? 1 : 0;
    s.printTwoPerPage = twoPerPage_->isChecked() ? 1 : 0;
    s.sheetNoShiftSplit = noShiftSplit_->isChecked() ? 1 : 0;
    s.sheetPrintRooms = printRooms_->isChecked() ? 1 : 0;
    if (auto fault = print::printSettingsFault(s)) {
        TSilForm::inform(this, QString::fromStdString(*fault));
        return;
    }
    if (storeSettings(this, session_, s)) accept();
}

void openPrinterSettingsScreen(QWidget* parent, AppSession& session) {
    PrinterSettingsScreen screen(session, parent);
    screen.exec();
}

} // namespace zs::ui
