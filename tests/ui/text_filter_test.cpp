#include "ui/text_filter.h"

#include <QLineEdit>
#include <QTest>

namespace {

// Types text as a keyboard would, one key press per character, whatever its script.
void type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TextFilterTest : public QObject {
    Q_OBJECT
private slots:
    void typingInANameField_data();
    void typingInANameField();
    void pastingAForeignCharacterChangesNothing();
    void freeTextKeepsItsCase();
};

void TextFilterTest::typingInANameField_data() {
    QTest::addColumn<int>("maxLength");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // The Turkish upper-casing itself is the text library's; here that the field uses it.
    QTest::newRow("turkish letters")
        << 30 << QStringLiteral("çiğdem ı") << QStringLiteral("ÇİĞDEM I");
    QTest::newRow("outside the code page")
        << 30 << QStringLiteral("abжc★d") << QStringLiteral("ABCD");
    QTest::newRow("turkish at the capacity")
        << 3 << QStringLiteral("çağla") << QStringLiteral("ÇAĞ");
}

void TextFilterTest::typingInANameField() {
    QFETCH(int, maxLength);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLineEdit field;
    zs::ui::filterNameField(&field, maxLength);
    type(&field, typed);
    QCOMPARE(field.text(), shown);
}

void TextFilterTest::pastingAForeignCharacterChangesNothing() {
    QLineEdit field;
    zs::ui::filterNameField(&field, 30);
    type(&field, QStringLiteral("ali"));
    field.insert(QStringLiteral("x€ж"));
    QCOMPARE(field.text(), QStringLiteral("ALİ"));
    field.insert(QStringLiteral(" veli"));
    QCOMPARE(field.text(), QStringLiteral("ALİ VELİ"));
}

void TextFilterTest::freeTextKeepsItsCase() {
    QLineEdit field;
    zs::ui::filterTextField(&field, 80);
    type(&field, QStringLiteral("c:\\ekbina\\ж"));
    QCOMPARE(field.text(), QStringLiteral("c:\\ekbina\\"));
    QCOMPARE(field.maxLength(), 80);
}

QTEST_MAIN(TextFilterTest)
#include "text_filter_test.moc"
