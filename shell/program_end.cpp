#include "shell/program_end.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>

namespace program {

namespace {
bool endRequested = false;
bool mainLoop = false;
} // namespace

void End() {
    endRequested = true;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->reject();
        else if (w->isVisible())
            w->close();
    }
    if (mainLoop)
        QCoreApplication::exit(0);
}

bool ending() {
    return endRequested;
}

void setMainLoopRunning(bool running) {
    mainLoop = running;
}

void resetForTests() {
    endRequested = false;
}

} // namespace program
