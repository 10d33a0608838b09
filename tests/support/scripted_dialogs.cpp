#include "tests/support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace testsupport {

ScriptedDialogs::ScriptedDialogs() {
    dlg::setDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    dlg::setDialogs(nullptr);
}

void ScriptedDialogs::answer(dlg::Answer answer) {
    answers_.push_back(answer);
}

void ScriptedDialogs::answerInput(std::optional<QString> text) {
    inputs_.emplace_back(text.has_value(), text.value_or(QString()));
}

void ScriptedDialogs::answerFile(const QString& path) {
    files_.push_back(path);
}

void ScriptedDialogs::onMessage(std::function<void(const dlg::Message&)> hook) {
    hook_ = std::move(hook);
}

std::vector<dlg::Message> ScriptedDialogs::messages() const {
    std::vector<dlg::Message> out;
    for (const Shown& s : shown_) {
        if (s.kind == QLatin1String("message"))
            out.push_back(s.message);
    }
    return out;
}

QStringList ScriptedDialogs::texts() const {
    QStringList out;
    for (const Shown& s : shown_) {
        if (s.kind == QLatin1String("message"))
            out << s.message.text;
    }
    return out;
}

bool ScriptedDialogs::sawText(const QString& text) const {
    return texts().contains(text);
}

void ScriptedDialogs::clear() {
    shown_.clear();
}

int ScriptedDialogs::pending() const {
    return static_cast<int>(answers_.size() + inputs_.size() + files_.size());
}

dlg::Answer ScriptedDialogs::show(const dlg::Message& message) {
    shown_.push_back(Shown{QStringLiteral("message"), message, message.text, {}});
    if (hook_)
        hook_(message);
    if (message.buttons == dlg::Buttons::Ok)
        return dlg::Answer::Ok;
    if (answers_.empty()) {
        ADD_FAILURE() << "unscripted question: " << message.text.toStdString();
        return message.defaultButton;
    }
    const dlg::Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

std::optional<QString> ScriptedDialogs::input(const dlg::Input& request) {
    shown_.push_back(Shown{QStringLiteral("input"), {}, request.prompt, {request.title}});
    if (inputs_.empty()) {
        ADD_FAILURE() << "unscripted input: " << request.prompt.toStdString();
        return std::nullopt;
    }
    const auto [confirmed, text] = inputs_.front();
    inputs_.pop_front();
    return confirmed ? std::optional<QString>(text) : std::nullopt;
}

QString ScriptedDialogs::openFileName(const dlg::FileChoice& request) {
    shown_.push_back(Shown{QStringLiteral("open"), {}, request.title, {request.folder}});
    if (files_.empty())
        return QString();
    const QString f = files_.front();
    files_.pop_front();
    return f;
}

QString ScriptedDialogs::saveFileName(const dlg::FileChoice& request) {
    shown_.push_back(Shown{QStringLiteral("save"), {}, request.title, {request.folder}});
    if (files_.empty())
        return QString();
    const QString f = files_.front();
    files_.pop_front();
    return f;
}

QString ScriptedDialogs::folder(const QString& title) {
    shown_.push_back(Shown{QStringLiteral("folder"), {}, title, {}});
    if (files_.empty())
        return QString();
    const QString f = files_.front();
    files_.pop_front();
    return f;
}

void ScriptedDialogs::openDocument(const QString& target) {
    shown_.push_back(Shown{QStringLiteral("document"), {}, target, {}});
}

void ScriptedDialogs::composeMail(const QString& attachment) {
    shown_.push_back(Shown{QStringLiteral("mail"), {}, attachment, {}});
}

bool ScriptedDialogs::startProgram(const QString& program, const QStringList& arguments,
                                   QString* error) {
    shown_.push_back(Shown{QStringLiteral("program"), {}, program, arguments});
    if (programFailure.isEmpty())
        return true;
    if (error != nullptr)
        *error = programFailure;
    return false;
}

} // namespace testsupport
