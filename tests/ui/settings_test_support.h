// What the settings screen tests share: a started program over a settings file whose every
// byte differs from the defaults, and a hand that types and clicks.
#pragma once

#include "core/cp1254.h"
#include "core/settings_file.h"
#include "ui/app_session.h"
#include "ui_test_support.h"

#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <functional>
#include <memory>

namespace zs::test {

// Reserved bytes included, so that a byte the screens should leave alone shows when it moves.
inline Settings distinctSettings() {
    Settings s;
    s.setRuleBytes({1, 4, 2, 0, 1, 0, 0, 7});
    s.searchLevel = 12;
    s.headDeputy = 1;
    s.mergeOnePlusOne = 1;
    s.moreThanTwoPerDay = 1;
    s.autoAdjust = 0;
    s.evenSpread = 1;
    s.blocksOnPairs = 0;
    s.longRearrange = 1;
    s.reserved18 = {0xA1, 0xA2};
    for (std::size_t i = 0; i < s.reserved29.size(); ++i) s.reserved29[i] = u8(0xB0 + i);
    for (std::size_t i = 0; i < s.reserved104.size(); ++i) s.reserved104[i] = u8(0xC0 + i);
    for (std::size_t i = 0; i < s.reserved324.size(); ++i) s.reserved324[i] = u8(0x40 + i);
    for (std::size_t i = 0; i < s.reserved548.size(); ++i) s.reserved548[i] = u8(0xD0 + i);
    s.autoOptions = {1, 0, 1, 1, 0, 0, 1, 0, 1};
    s.startTimes[0] = "08:30";
    s.startTimes[15] = "17:05";
    s.schoolName = cp1254::lit("ATATÜRK LİSESİ");
    s.principalName = cp1254::lit("AHMET YILMAZ");
    s.deputyName = cp1254::lit("AYŞE KAYA");
    return s;
}

// A program started over a working directory that holds a school and a settings file.
struct SettingsProgram {
    UiFolder folder;
    std::unique_ptr<ui::AppSession> session;

    explicit SettingsProgram(const Database& school = smallSchool(),
                             const Settings& settings = distinctSettings()) {
        writeTables(school, folder.mainFolder(),
                    {DataFile::Group, DataFile::Lesson, DataFile::Class, DataFile::Teacher,
                     DataFile::ClassLesson, DataFile::TeacherLesson});
        writeBytes(optionFile(), encodeSettings(settings));
        session = std::make_unique<ui::AppSession>(folder.currentDir(), folder.drives());
        if (!session->start().ok()) qFatal("start-up failed");
    }
    std::filesystem::path optionFile() const { return folder.mainFolder() / "OPTION.PRG"; }
    Bytes option() const { return readBytes(optionFile()); }
    Settings stored() const { return decodeSettings(option()); }
};

// Types as a keyboard would, one key per character; "\b" is the backspace key.
inline void typeKeys(QWidget* widget, const QString& keys) {
    for (QChar c : keys) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(widget, Qt::Key_Backspace);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// Clicks once the modal screen's own event loop runs, so that the dialogs the click opens
// are met by the driver.
inline void clickLater(QPushButton* button) {
    QMetaObject::invokeMethod(button, &QPushButton::click, Qt::QueuedConnection);
}

// A driver action for a screen of a known type.
template <class Screen> DialogDriver::Action onScreen(std::function<void(Screen*)> act) {
    return [act](QWidget* w) {
        auto* screen = qobject_cast<Screen*>(w);
        if (!screen) qFatal("another dialog opened");
        act(screen);
    };
}

} // namespace zs::test
