#include "platform/qt_dialogs.h"

#include "platform/program_folder.h"
#include "platform/viewer.h"

#include <QApplication>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpacerItem>
#include <QStandardPaths>
#include <QTreeView>

namespace dlg {

namespace {

// Plain S and N answer a question, as in the boxes users know.
class QuestionBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::ShiftModifier) {
            for (QAbstractButton* button : buttons()) {
                const QString text = button->text();
                const qsizetype amp = text.indexOf(QLatin1Char('&'));
                if (amp >= 0 && amp + 1 < text.size() &&
                    text.at(amp + 1).toUpper() == QChar(event->key())) {
                    button->click();
                    return;
                }
            }
        }
        QMessageBox::keyPressEvent(event);
    }
};

// Qt's translation lacks the type of a folder in the file list.
class PortugueseTypes : public QFileIconProvider {
public:
    QString type(const QFileInfo& info) const override {
        return info.isDir() && !info.isRoot() ? QStringLiteral("Pasta")
                                              : QFileIconProvider::type(info);
    }
};

// The dates and sizes of the file list in the default locale; Qt's own
// list takes the system's, which may be another.
class PortugueseDetails : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (role != Qt::DisplayRole || files == nullptr)
            return QIdentityProxyModel::data(index, role);
        const QModelIndex source = mapToSource(index);
        if (index.column() == kSize && !files->isDir(source))
            return QLocale().formattedDataSize(files->size(source));
        if (index.column() == kDate)
            return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        return QIdentityProxyModel::data(index, role);
    }

private:
    static constexpr int kSize = 1;
    static constexpr int kDate = 3;
};

// Room for the title and what a window manager puts beside it (an icon and
// three buttons), measured in the bold font title bars use, so the title
// shows whole.
int titleRoom(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(title) + 200;
}

QString existingFolder(const QString& folder) {
    return QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

// Files start in the program's own temp/, a folder choice at the desktop.
QString startFolder(QtDialogs::FilePurpose purpose) {
    if (purpose == QtDialogs::FilePurpose::Folder)
        return existingFolder(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    return existingFolder(programfolder::file(QStringLiteral("temp")));
}

QMessageBox::Icon toQt(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

Answer QtDialogs::show(const Message& message) {
    QuestionBox box(QApplication::activeWindow());
    box.setWindowTitle(message.title);
    box.setText(message.text);
    box.setIcon(toQt(message.icon));
    // The box sizes itself from its layout's minimum.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleRoom(message.title), 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    struct Choice {
        Answer answer;
        QString text;
        QMessageBox::ButtonRole role;
    };
    std::vector<Choice> choices;
    switch (message.buttons) {
    case Buttons::Ok:
        choices = {{Answer::Ok, QStringLiteral("OK"), QMessageBox::AcceptRole}};
        break;
    case Buttons::OkCancel:
        choices = {{Answer::Ok, QStringLiteral("OK"), QMessageBox::AcceptRole},
                   {Answer::Cancel, QStringLiteral("Cancelar"), QMessageBox::RejectRole}};
        break;
    case Buttons::YesNo:
        choices = {{Answer::Yes, QStringLiteral("&Sim"), QMessageBox::YesRole},
                   {Answer::No, QStringLiteral("&Não"), QMessageBox::NoRole}};
        break;
    case Buttons::YesNoCancel:
        choices = {{Answer::Yes, QStringLiteral("&Sim"), QMessageBox::YesRole},
                   {Answer::No, QStringLiteral("&Não"), QMessageBox::NoRole},
                   {Answer::Cancel, QStringLiteral("Cancelar"), QMessageBox::RejectRole}};
        break;
    }
    std::vector<std::pair<QPushButton*, Answer>> made;
    for (const Choice& choice : choices) {
        QPushButton* button = box.addButton(choice.text, choice.role);
        made.emplace_back(button, choice.answer);
        if (choice.answer == message.defaultButton)
            box.setDefaultButton(button);
    }
    // Esc answers No in a question, Cancel where there is one, OK otherwise.
    const Answer escape = message.buttons == Buttons::YesNo ? Answer::No
                          : message.buttons == Buttons::Ok  ? Answer::Ok
                                                            : Answer::Cancel;
    for (auto& [button, answer] : made) {
        if (answer == escape)
            box.setEscapeButton(button);
    }
    // The arrow while the box waits, even inside busy work.
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    QApplication::restoreOverrideCursor();
    for (auto& [button, answer] : made) {
        if (box.clickedButton() == button)
            return answer;
    }
    return escape;
}

std::unique_ptr<QInputDialog> QtDialogs::inputBox(const Input& request) {
    auto box = std::make_unique<QInputDialog>(QApplication::activeWindow());
    box->setInputMode(QInputDialog::TextInput);
    box->setWindowTitle(request.title);
    box->setLabelText(request.prompt);
    box->setTextValue(request.defaultText);
    box->setOkButtonText(QStringLiteral("OK"));
    box->setCancelButtonText(QStringLiteral("Cancelar"));
    // The box's layout fixes its size from its controls' minimums.
    if (auto* edit = box->findChild<QLineEdit*>()) {
        const QMargins margins =
            box->layout() != nullptr ? box->layout()->contentsMargins() : QMargins();
        edit->setMinimumWidth(titleRoom(request.title) - margins.left() - margins.right());
    }
    return box;
}

std::optional<QString> QtDialogs::input(const Input& request) {
    const std::unique_ptr<QInputDialog> box = inputBox(request);
    if (box->exec() != QDialog::Accepted)
        return std::nullopt;
    return box->textValue();
}

std::unique_ptr<QFileDialog> QtDialogs::fileBox(const FileChoice& request, FilePurpose purpose) {
    QString start = request.folder.isEmpty() ? startFolder(purpose) : request.folder;
    if (!request.fileName.isEmpty())
        start = QFileInfo(QDir(start), request.fileName).filePath();
    auto box = std::make_unique<QFileDialog>(QApplication::activeWindow(), request.title, start,
                                             request.filter);
    // Qt's own dialog everywhere, so its texts are the ones set here.
    box->setOption(QFileDialog::DontUseNativeDialog);
    static PortugueseTypes types;
    box->setIconProvider(&types);
    box->setProxyModel(new PortugueseDetails(box.get()));
    box->setLabelText(QFileDialog::LookIn, QStringLiteral("Examinar:"));
    box->setLabelText(QFileDialog::FileType, QStringLiteral("Arquivos do tipo:"));
    box->setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    switch (purpose) {
    case FilePurpose::Open:
        box->setFileMode(QFileDialog::ExistingFile);
        box->setAcceptMode(QFileDialog::AcceptOpen);
        box->setLabelText(QFileDialog::FileName, QStringLiteral("Nome do arquivo:"));
        box->setLabelText(QFileDialog::Accept, QStringLiteral("Abrir"));
        break;
    case FilePurpose::Save:
        box->setFileMode(QFileDialog::AnyFile);
        box->setAcceptMode(QFileDialog::AcceptSave);
        box->setLabelText(QFileDialog::FileName, QStringLiteral("Nome do arquivo:"));
        box->setLabelText(QFileDialog::Accept, QStringLiteral("Salvar"));
        break;
    case FilePurpose::Folder:
        box->setFileMode(QFileDialog::Directory);
        box->setOption(QFileDialog::ShowDirsOnly);
        box->setLabelText(QFileDialog::FileName, QStringLiteral("Pasta:"));
        box->setLabelText(QFileDialog::Accept, QStringLiteral("Escolher"));
        break;
    }
    // The list shows its headings, sizes, types and dates whole; names take the rest.
    box->resize(qMax(800, titleRoom(request.title)), 480);
    if (auto* list = box->findChild<QTreeView*>()) {
        list->header()->setStretchLastSection(false);
        list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    }
    return box;
}

namespace {

QString chosenFile(QFileDialog& box) {
    if (box.exec() != QDialog::Accepted || box.selectedFiles().isEmpty())
        return QString();
    return box.selectedFiles().constFirst();
}

} // namespace

QString QtDialogs::openFileName(const FileChoice& request) {
    return chosenFile(*fileBox(request, FilePurpose::Open));
}

QString QtDialogs::saveFileName(const FileChoice& request) {
    return chosenFile(*fileBox(request, FilePurpose::Save));
}

QString QtDialogs::folder(const QString& title) {
    return chosenFile(*fileBox({title, QString(), QString(), QString()}, FilePurpose::Folder));
}

void QtDialogs::openDocument(const QString& target) {
    viewer::open(target);
}

void QtDialogs::composeMail(const QString& attachment) {
    viewer::mail(attachment);
}

bool QtDialogs::startProgram(const QString& program, const QStringList& arguments, QString* error) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (process.startDetached())
        return true;
    if (error != nullptr)
        *error = process.errorString();
    return false;
}

} // namespace dlg
