// The pieces the curriculum screens are built from: lists with their captions above them,
// buttons bound to function keys, information boxes and the screen's help line.
#pragma once

#include "list_scheme.h"

#include <QKeySequence>
#include <QString>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;

namespace zs::ui {

// A list of the shared scheme without a help line of its own; typing a letter searches
// `searchColumn` when it is not -1.
ListScheme* makeList(std::vector<ListColumn> columns, const QString& objectName, QWidget* parent,
                     int searchColumn = -1);
// The list under its caption.
QWidget* captioned(const QString& caption, QWidget* content, QWidget* parent);

// Runs `entered` whenever the list takes the focus.
void onListFocus(ListScheme* list, std::function<void()> entered);

// A button that leaves the keyboard where it was when clicked; its key, when given, works
// anywhere on the screen while the button is enabled.
QPushButton* keyButton(QWidget* screen, const QString& text, const QString& objectName,
                       const QKeySequence& key, std::function<void()> action);

QLabel* screenHeading(const QString& text, QWidget* parent);
// A framed read-only line of figures.
QLabel* infoBox(const QString& objectName, QWidget* parent);
QLabel* helpLineLabel(const QString& text, QWidget* parent);

} // namespace zs::ui
