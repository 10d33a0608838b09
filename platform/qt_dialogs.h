#pragma once

#include "platform/dialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <memory>

namespace dlg {

// The dialogs a person sees: Qt widgets owned by the active window, with
// Portuguese texts and wide enough for their titles to be read.
class QtDialogs : public Dialogs {
public:
    Answer show(const Message& message) override;
    std::optional<QString> input(const Input& request) override;
    QString openFileName(const FileChoice& request) override;
    QString saveFileName(const FileChoice& request) override;
    QString folder(const QString& title) override;
    void openDocument(const QString& target) override;
    void composeMail(const QString& attachment) override;
    bool startProgram(const QString& program, const QStringList& arguments,
                      QString* error = nullptr) override;

    // The boxes as they are built, before they open.
    static std::unique_ptr<QInputDialog> inputBox(const Input& request);
    enum class FilePurpose { Open, Save, Folder };
    static std::unique_ptr<QFileDialog> fileBox(const FileChoice& request, FilePurpose purpose);
};

} // namespace dlg
