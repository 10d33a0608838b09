#pragma once

#include <QApplication>
#include <QTimer>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace testsupport {

// Acts on the next modal window of type Form once it is shown, from inside
// the event loop that shows it. Gives up after `timeoutMs`.
template <typename Form> void whenModal(std::function<void(Form*)> action, int timeoutMs = 5000) {
    // Owned by the application, so a timer still waiting when the test ends
    // (the modal never opened) goes with it.
    auto* timer = new QTimer(qApp);
    auto elapsed = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, action, timeoutMs] {
        *elapsed += 10;
        Form* form = qobject_cast<Form*>(QApplication::activeModalWidget());
        if (form != nullptr && form->isVisible()) {
            timer->stop();
            timer->deleteLater();
            const QPointer<Form> shown = form;
            action(form);
            // An assertion that stopped the action leaves no modal waiting
            // for the test's time limit.
            if (::testing::Test::HasFatalFailure() && shown && shown->isVisible())
                shown->close();
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(10);
}

} // namespace testsupport
