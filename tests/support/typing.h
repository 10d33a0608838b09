#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

namespace testsupport {

// Types text character by character as key presses carrying that text;
// unlike QTest::keyClicks it takes any character, one beyond 16 bits (an
// emoji) in one key press as a keyboard sends it.
inline void type(QWidget* target, const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        const QString typed = QString::fromUcs4(&c, 1);
        const QChar first = typed.at(0);
        QKeyEvent press(QEvent::KeyPress, first.isLetterOrNumber() ? first.toUpper().unicode() : 0,
                        Qt::NoModifier, typed);
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, typed);
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
