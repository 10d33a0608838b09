#pragma once

#include <QString>

class QBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QWidget;

// Building blocks of the register and picker windows.
namespace formwidgets {

// A one-line box named `name`, `chars` average characters wide.
QLineEdit* box(QWidget* parent, const char* name, int maxLength, int chars);
// The CPF/CNPJ box: wide enough for the widest punctuated CNPJ, letters
// included ("12.ABC.345/01DE-35").
QLineEdit* documentBox(QWidget* parent, const char* name, int maxLength);
// An amount box: wide enough for the widest amount with its grouping and
// sign ("-9.999.999.999.999,99").
QLineEdit* amountBox(QWidget* parent, const char* name);
QPlainTextEdit* memo(QWidget* parent, const char* name);
QPushButton* button(QWidget* parent, const char* name, const QString& caption);
// A button that opens a picker: pressed by its function key or the mouse,
// never a stop of Enter or Tab between the boxes.
QPushButton* pickerButton(QWidget* parent, const char* name, const QString& caption);
// A label standing over its box; a `stretch` lets the box take spare width.
void addLabelled(QBoxLayout* row, QWidget* parent, const QString& label, QWidget* box,
                 int stretch = 0);
// Entering the box selects its whole text, so typing replaces it.
void selectAllOnEntry(QLineEdit* box);
// A box the program fills and the user only reads: read-only, and no stop
// for the focus.
void setDisplayOnly(QLineEdit* box);
// Tab order along `widgets`.
void chainTabOrder(const QList<QWidget*>& widgets);
// Puts `panel` into a scroll area, to be laid out where the panel was, that
// shows and hides with the panel and scrolls to the box the focus goes to:
// the window need not be as tall as the panel. The area is opaque: what it
// covers is not painted.
QScrollArea* scrollingPanel(QWidget* panel);

} // namespace formwidgets
