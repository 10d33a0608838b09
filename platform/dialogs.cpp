#include "platform/dialogs.h"

#include "platform/db/db_error.h"
#include "platform/qt_dialogs.h"

namespace dlg {

namespace {
Dialogs* current = nullptr;
} // namespace

Dialogs& dialogs() {
    if (current == nullptr) {
        static QtDialogs qtDialogs;
        return qtDialogs;
    }
    return *current;
}

void setDialogs(Dialogs* implementation) {
    current = implementation;
}

void inform(const QString& text, const QString& title, Icon icon) {
    dialogs().show(Message{title, text, icon, Buttons::Ok, Answer::Ok});
}

bool ask(const QString& text, const QString& title, Answer defaultButton, Icon icon) {
    return dialogs().show(Message{title, text, icon, Buttons::YesNo, defaultButton}) == Answer::Yes;
}

void showError(int number, const QString& text) {
    inform(QStringLiteral("--- ERRO --- %1 - %2").arg(number).arg(text), QStringLiteral("ATENÇÃO"),
           Icon::Critical);
}

void showError(const db::DbError& error) {
    inform(error.message(), QStringLiteral("ATENÇÃO"), Icon::Critical);
}

} // namespace dlg
