#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace db {
class DbError;
}

// Every box, input, file or folder choice, "open" of a document and program
// start goes through here, so tests can script the answers and read what was
// shown.
namespace dlg {

enum class Icon { None, Information, Question, Exclamation, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    QString title;
    QString text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    Answer defaultButton = Answer::Ok;
};

struct Input {
    QString prompt;
    QString title;
    QString defaultText;
};

struct FileChoice {
    QString title;
    QString folder;
    QString filter; // Qt filter text, e.g. "Textos (*.txt)"
    QString fileName;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual Answer show(const Message& message) = 0;
    // Empty optional when the user cancels; an empty text is a confirmed answer.
    virtual std::optional<QString> input(const Input& request) = 0;
    // Empty text when the user cancels.
    virtual QString openFileName(const FileChoice& request) = 0;
    virtual QString saveFileName(const FileChoice& request) = 0;
    virtual QString folder(const QString& title) = 0;
    // The desktop's "open" action on a file or web address, not waited for;
    // a failure is told in a box that names the file.
    virtual void openDocument(const QString& target) = 0;
    // The desktop's mail composer with the file attached (none when empty),
    // not waited for; a failure is told in a box that names the file.
    virtual void composeMail(const QString& attachment) = 0;
    // Started and left running; false with the system's reason in `error`
    // when it could not start.
    virtual bool startProgram(const QString& program, const QStringList& arguments,
                              QString* error = nullptr) = 0;
};

Dialogs& dialogs();
// Not owning; nullptr brings back the Qt implementation.
void setDialogs(Dialogs* implementation);

inline const QString kProgramTitle = QStringLiteral("Quendaro");

// A box with only OK.
void inform(const QString& text, const QString& title = kProgramTitle, Icon icon = Icon::None);
// A Yes/No question; true for Yes.
bool ask(const QString& text, const QString& title, Answer defaultButton = Answer::No,
         Icon icon = Icon::Question);
// A refusal a rule answers with, for the window that asked to show: a box
// titled "ATENÇÃO".
inline Message atencao(const QString& text, Icon icon = Icon::Information) {
    return Message{QStringLiteral("ATENÇÃO"), text, icon};
}
inline Message alerta(const QString& text) {
    return atencao(text, Icon::Exclamation);
}
inline Message critico(const QString& text) {
    return atencao(text, Icon::Critical);
}
// A value, line or total beyond what its column keeps.
inline Message foraDoLimite() {
    return alerta(QStringLiteral("--- ERRO --- VALOR FORA DO LIMITE!"));
}
inline void show(const Message& message) {
    dialogs().show(message);
}
// The system's report of a failure: "--- ERRO --- " with number and text.
void showError(int number, const QString& text);
// A failed statement as the user is told of it (DbError::message).
void showError(const db::DbError& error);

} // namespace dlg
