#include "editor_program.h"

#include "ui/list_scheme.h"

#include <QAction>
#include <QHeaderView>
#include <QSignalSpy>
#include <QVBoxLayout>

using zs::test::columnTexts;
using zs::test::type;
using zs::ui::ListColumn;
using zs::ui::ListScheme;

namespace {

zs::editors::ListRows names(std::initializer_list<const char*> utf8) {
    zs::editors::ListRows rows;
    zs::Id id = 1;
    for (const char* n : utf8) {
        rows.push_back({id, {std::to_string(id), zs::cp1254::lit(n)}});
        ++id;
    }
    return rows;
}

// A window holding a list and, beside it, a field to take the focus away.
struct Window {
    QWidget window;
    ListScheme* list;
    QLineEdit* other;
    Window() {
        list = new ListScheme({{QStringLiteral("NO"), 3, true}, {QStringLiteral("ADI"), 20}},
                              QStringLiteral("F1 = Yardım    Enter = Düzelt "), &window);
        other = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        layout->addWidget(other);
        list->setRows(names({"ALMANCA", "BİYOLOJİ", "MATEMATİK", "MÜZİK", "ÇİZİM"}), 0);
        zs::test::showActive(&window);
    }
    QColor textColor() const {
        return list->grid()->palette().color(QPalette::Active, QPalette::Text);
    }
};

} // namespace

class ListSchemeTest : public QObject {
    Q_OBJECT
private slots:
    void titleRowHiddenIdentifierCountAndHelpLine();
    void maroonWhileFocusedBlackOtherwise();
    void letterOpensThePrefixSearch();
    void searchClosesOnEnterEscapeAndLeaving();
    void enterAndDoubleClickAskForTheEdit();
    void ctrlUpAndDownAskForAMove();
    void rebuildKeepsTheRowAndFollowsTheDeletionRule();
    void contextEntries();
};

void ListSchemeTest::titleRowHiddenIdentifierCountAndHelpLine() {
    Window w;
    QCOMPARE(zs::test::columnTitles(w.list), (QStringList{"-NO", "ADI"}));
    QVERIFY(w.list->grid()->horizontalHeader()->isVisible());
    QCOMPARE(w.list->countLabel()->text(), QStringLiteral("Kayıt sayısı: 5"));
    QCOMPARE(w.list->helpLine()->text(), QStringLiteral("F1 = Yardım    Enter = Düzelt "));
    QCOMPARE(w.list->currentId(), zs::Id(1));
    QCOMPARE(columnTexts(w.list, 0), (QStringList{"1", "2", "3", "4", "5"}));
    w.list->setRows({}, 0);
    QCOMPARE(w.list->countLabel()->text(), QStringLiteral("Kayıt sayısı: 0"));
    QCOMPARE(w.list->currentRow(), -1);
    QCOMPARE(w.list->currentId(), zs::Id(0));
    ListScheme silent({{QStringLiteral("NO"), 3, true}}, QString());
    QVERIFY(silent.helpLine()->isHidden());
}

void ListSchemeTest::maroonWhileFocusedBlackOtherwise() {
    Window w;
    w.other->setFocus();
    QCOMPARE(w.textColor(), QColor(Qt::black));
    w.list->grid()->setFocus();
    QCOMPARE(w.textColor(), QColor(0x80, 0x00, 0x00));
    w.other->setFocus();
    QCOMPARE(w.textColor(), QColor(Qt::black));
}

void ListSchemeTest::letterOpensThePrefixSearch() {
    Window w;
    zs::test::enterRow(w.list, 0);
    type(w.list->grid(), QStringLiteral("m")); // no search column yet: no search
    QVERIFY(!w.list->searchBox()->isVisible());
    w.list->setSearchColumn(1);
    zs::test::enterRow(w.list, 0);
    type(w.list->grid(), QStringLiteral("m"));
    QVERIFY(w.list->searchBox()->isVisible());
    QVERIFY(w.list->searchBox()->hasFocus());
    QCOMPARE(w.list->searchBox()->text(), QStringLiteral("M"));
    QCOMPARE(w.list->currentRow(), 2);
    type(w.list->searchBox(), QStringLiteral("ü"));
    QCOMPARE(w.list->searchBox()->text(), QStringLiteral("MÜ"));
    QCOMPARE(w.list->currentRow(), 3);
    // A text no name begins with leaves the selection where it is.
    type(w.list->searchBox(), QStringLiteral("x"));
    QCOMPARE(w.list->currentRow(), 3);
    w.list->searchBox()->clear();
    type(w.list->searchBox(), QStringLiteral("çi"));
    QCOMPARE(w.list->currentRow(), 4);
    QCOMPARE(w.list->currentId(), zs::Id(5));
}

void ListSchemeTest::searchClosesOnEnterEscapeAndLeaving() {
    Window w;
    w.list->setSearchColumn(1);
    QSignalSpy edits(w.list, &ListScheme::editRequested);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        zs::test::enterRow(w.list, 0);
        type(w.list->grid(), QStringLiteral("b"));
        QVERIFY(w.list->searchBox()->isVisible());
        QTest::keyClick(w.list->searchBox(), key);
        QVERIFY(!w.list->searchBox()->isVisible());
        QVERIFY(w.list->grid()->hasFocus());
        QCOMPARE(w.list->currentRow(), 1);
    }
    QCOMPARE(edits.count(), 0); // Enter in the search box only closes it
    type(w.list->grid(), QStringLiteral("a"));
    QVERIFY(w.list->searchBox()->isVisible());
    w.other->setFocus();
    QVERIFY(!w.list->searchBox()->isVisible());
    QCOMPARE(w.list->currentRow(), 0);
}

void ListSchemeTest::enterAndDoubleClickAskForTheEdit() {
    Window w;
    QSignalSpy edits(w.list, &ListScheme::editRequested);
    zs::test::enterRow(w.list, 2);
    QTest::keyClick(w.list->grid(), Qt::Key_Return);
    QCOMPARE(edits.count(), 1);
    QTest::keyClick(w.list->grid(), Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(edits.count(), 2);
    const QRect cell = w.list->grid()->visualItemRect(w.list->grid()->item(1, 1));
    // A double click starts as a click on the same cell.
    QTest::mouseClick(w.list->grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(w.list->grid()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(edits.count(), 3);
    QCOMPARE(w.list->currentRow(), 1);
}

void ListSchemeTest::ctrlUpAndDownAskForAMove() {
    Window w;
    QSignalSpy moves(w.list, &ListScheme::moveRequested);
    zs::test::enterRow(w.list, 2);
    QTest::keyClick(w.list->grid(), Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(w.list->grid(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(moves.count(), 2);
    QCOMPARE(moves.at(0).at(0).toInt(), -1);
    QCOMPARE(moves.at(1).at(0).toInt(), 1);
    // A plain arrow only walks the list.
    QTest::keyClick(w.list->grid(), Qt::Key_Down);
    QCOMPARE(moves.count(), 2);
    QCOMPARE(w.list->currentRow(), 3);
}

void ListSchemeTest::rebuildKeepsTheRowAndFollowsTheDeletionRule() {
    Window w;
    // Which row each rule picks is the row rules' to test; here, that the list follows them.
    w.list->selectRow(3);
    w.list->keepRow(names({"A", "B"}));
    QCOMPARE(w.list->currentRow(), 1);
    QCOMPARE(w.list->rowCount(), 2);
    w.list->afterDeletion(names({"A"}), 1);
    QCOMPARE(w.list->currentRow(), 0);
}

void ListSchemeTest::contextEntries() {
    Window w;
    QAction* action = w.list->addContextAction(QStringLiteral("EKBİNA"));
    QCOMPARE(w.list->grid()->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(w.list->grid()->actions(), QList<QAction*>{action});
}

QTEST_MAIN(ListSchemeTest)
#include "list_scheme_editor_test.moc"
