#include "platform/guarded_application.h"

#include "platform/dialogs.h"

#include <cstdio>
#include <exception>

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        escaped(QString::fromUtf8(e.what()));
    } catch (...) {
        escaped(QStringLiteral("exceção desconhecida"));
    }
    return false;
}

void GuardedApplication::escaped(const QString& what) {
    std::fprintf(stderr, "%s: erro interno: %s\n", qUtf8Printable(applicationName()),
                 qUtf8Printable(what));
    std::fflush(stderr);
    // One box at a time: a fault while it is open (a repaint that fails
    // again) is only written down.
    if (!telling_) {
        telling_ = true;
        dlg::show(dlg::critico(
            QStringLiteral("--- ERRO --- OCORREU UM ERRO INTERNO! A OPERAÇÃO NÃO FOI CONCLUÍDA.")));
        telling_ = false;
    }
    if (onEscape_)
        onEscape_(what);
}
