#pragma once

#include "platform/dialogs.h"

namespace dlg {

// The dialogs a person sees: Qt widgets owned by the active window.
class QtDialogs : public Dialogs {
public:
    Answer show(const Message& message) override;
    std::optional<QString> input(const Input& request) override;
    QString openFileName(const FileChoice& request) override;
    QString saveFileName(const FileChoice& request) override;
    QString folder(const QString& title) override;
    bool openDocument(const QString& target) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
};

} // namespace dlg
