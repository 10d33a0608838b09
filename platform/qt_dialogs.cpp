#include "platform/qt_dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

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

std::optional<QString> QtDialogs::input(const Input& request) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(QApplication::activeWindow(), request.title, request.prompt,
                              QLineEdit::Normal, request.defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtDialogs::openFileName(const FileChoice& request) {
    QString start = request.folder;
    if (!request.fileName.isEmpty())
        start = QFileInfo(request.folder, request.fileName).filePath();
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), request.title, start,
                                        request.filter);
}

QString QtDialogs::saveFileName(const FileChoice& request) {
    QString start = request.folder;
    if (!request.fileName.isEmpty())
        start = QFileInfo(request.folder, request.fileName).filePath();
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), request.title, start,
                                        request.filter);
}

QString QtDialogs::folder(const QString& title) {
    return QFileDialog::getExistingDirectory(QApplication::activeWindow(), title, QString(),
                                             QFileDialog::ShowDirsOnly);
}

bool QtDialogs::openDocument(const QString& target) {
    const QUrl url =
        target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
    return QDesktopServices::openUrl(url);
}

bool QtDialogs::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace dlg
