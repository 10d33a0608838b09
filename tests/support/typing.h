#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace testsupport {

// Types text character by character as key presses carrying that text;
// unlike QTest::keyClicks it takes any character.
inline void type(QWidget* target, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.isLetterOrNumber() ? c.toUpper().unicode() : 0,
                        Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

// Brings a window to the front, as a click on it does.
inline void activate(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

// Goes into a box and types over its whole text.
inline void retype(QLineEdit* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    type(box, text);
}

// In the box's window, brought to the front: types over the box's text and
// presses Enter, which leaves the box.
inline void retypeAndEnter(QLineEdit* box, const QString& text) {
    activate(box->window());
    retype(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Clicks a button of its window, brought to the front.
inline void click(QAbstractButton* button) {
    activate(button->window());
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace testsupport
