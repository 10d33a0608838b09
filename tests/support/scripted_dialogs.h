#pragma once

#include "platform/dialogs.h"
#include "tests/support/qt_printers.h"

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

namespace testsupport {

// Answers dialogs from a script and records everything shown. Installed for
// its lifetime; an unscripted question fails the test and answers the default.
class ScriptedDialogs : public dlg::Dialogs {
public:
    struct Shown {
        QString kind; // "message", "input", "open", "save", "folder", "document", "mail",
                      // "program"
        dlg::Message message;
        QString text; // prompt, title, target or program
        QStringList arguments;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // Queue the next answers, in order of asking.
    void answer(dlg::Answer answer);
    void answerInput(std::optional<QString> text);
    void answerFile(const QString& path);
    // Run while a message box is "open": lets a test act in between.
    void onMessage(std::function<void(const dlg::Message&)> hook);

    const std::vector<Shown>& shown() const { return shown_; }
    std::vector<dlg::Message> messages() const;
    QStringList texts() const;
    bool sawText(const QString& text) const;
    void clear();
    int pending() const;

    // When not empty, a program start fails with this reason.
    QString programFailure;

    dlg::Answer show(const dlg::Message& message) override;
    std::optional<QString> input(const dlg::Input& request) override;
    QString openFileName(const dlg::FileChoice& request) override;
    QString saveFileName(const dlg::FileChoice& request) override;
    QString folder(const QString& title) override;
    void openDocument(const QString& target) override;
    void composeMail(const QString& attachment) override;
    bool startProgram(const QString& program, const QStringList& arguments,
                      QString* error = nullptr) override;

private:
    std::vector<Shown> shown_;
    std::deque<dlg::Answer> answers_;
    std::deque<std::pair<bool, QString>> inputs_; // confirmed, text
    std::deque<QString> files_;
    std::function<void(const dlg::Message&)> hook_;
};

} // namespace testsupport
