#pragma once

#include <QApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

namespace testsupport {

// The shown window, frame included, lies inside the free area of the test
// desktop (1366 by 768 under a task bar), and needs no more room than that
// area leaves under a title bar: a tall one is shortened, its rows scroll.
// Closes the window.
inline void expectInsideTheFreeArea(QWidget& form) {
    const QMargins titleBar(10, 40, 10, 10);
    QApplication::processEvents();
    const QRect area = form.screen()->availableGeometry();
    EXPECT_TRUE(area.contains(form.frameGeometry()));
    EXPECT_LE(form.minimumSizeHint().height(), area.height() - titleBar.top() - titleBar.bottom());
    EXPECT_LE(form.minimumSizeHint().width(), area.width() - titleBar.left() - titleBar.right());
    form.close();
}

} // namespace testsupport
