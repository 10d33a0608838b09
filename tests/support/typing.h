#pragma once

#include <QApplication>
#include <QKeyEvent>
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

} // namespace testsupport
