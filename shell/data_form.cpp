#include "shell/data_form.h"

#include "platform/data_grid.h"
#include "shell/funcoes.h"
#include "shell/program_end.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextEdit>

namespace {

// One capital per character typed; a character without a one-character
// capital ("ß", "ﬁ") stays as it is.
QString capitals(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const char32_t upper = QChar::toUpper(c);
        out += QString::fromUcs4(&upper, 1);
    }
    return out;
}

} // namespace

DataForm::DataForm(QWidget* parent) : QDialog(parent) {
    qApp->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &DataForm::focusChanged);
}

DataForm::~DataForm() {
    qApp->removeEventFilter(this);
    // Deleting the controls moves the focus; the handlers' window is gone.
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

void DataForm::onLeave(QWidget* box, std::function<void()> handler) {
    leaveHandlers_.insert(box, std::move(handler));
}

void DataForm::onEnter(QWidget* box, std::function<void()> handler) {
    enterHandlers_.insert(box, std::move(handler));
}

int DataForm::exec() {
    if (program::ending())
        return QDialog::Rejected;
    return QDialog::exec();
}

bool DataForm::previewKey(QKeyEvent* event) {
    const auto bound = keys_.button(event);
    if (!bound)
        return false;
    const QPointer<QAbstractButton> button = *bound;
    if (button.isNull() || !button->isEnabled())
        return true;
    // The key stands for a click on its button, so the box the user was in
    // is left first, as the click would leave it; where the button's work
    // then puts the focus (a picker handing back its code) leaves no box.
    ++handling_;
    const auto done = qScopeGuard([this] { --handling_; });
    QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && focused != button && focused->window() == this) {
        const auto it = leaveHandlers_.constFind(focused);
        if (it != leaveHandlers_.constEnd() && it.value())
            it.value()();
    }
    if (!button.isNull())
        button->click();
    return true;
}

void DataForm::escPressed() {
    close();
}

void DataForm::enterPressed(QWidget*) {}

bool DataForm::ownsReceiver(QObject* watched) const {
    auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && (widget == this || isAncestorOf(widget)) && isVisible();
}

bool DataForm::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::InputMethod) || resending_ ||
        !ownsReceiver(watched))
        return QDialog::eventFilter(watched, event);
    // A key reaches the filter once per widget it propagates through; only
    // the first (the focused control or the window) is previewed.
    auto* widget = static_cast<QWidget*>(watched);
    QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && widget != focused && widget->isAncestorOf(focused))
        return QDialog::eventFilter(watched, event);

    if (type == QEvent::InputMethod) {
        auto* im = static_cast<QInputMethodEvent*>(event);
        const QString upper = capitals(im->commitString());
        if (!uppercase_ || upper == im->commitString())
            return false;
        QInputMethodEvent copy(im->preeditString(), im->attributes());
        copy.setCommitString(upper, im->replacementStart(), im->replacementLength());
        resend(watched, &copy);
        return true;
    }

    auto* key = static_cast<QKeyEvent*>(event);
    if (previewKey(key))
        return true;
    if (key->key() == Qt::Key_Escape) {
        escPressed();
        return true;
    }
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        // A list that selects rows with Enter keeps it.
        if (auto* grid = qobject_cast<DataGrid*>(widget); grid && grid->rowSelectedGesture())
            return false;
        if (qobject_cast<QAbstractButton*>(widget) != nullptr) {
            static_cast<QAbstractButton*>(widget)->click();
            return true;
        }
        if (enterMovesFocus_)
            EnviaTeclas(QStringLiteral("{TAB}"));
        enterPressed(widget);
        return true;
    }
    const QString upper = capitals(key->text());
    if (uppercase_ && upper != key->text() &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        QKeyEvent copy(QEvent::KeyPress, key->key(), key->modifiers(), upper, key->isAutoRepeat(),
                       static_cast<ushort>(key->count()));
        resend(watched, &copy);
        return true;
    }
    return false;
}

void DataForm::resend(QObject* receiver, QEvent* event) {
    resending_ = true;
    QApplication::sendEvent(receiver, event);
    resending_ = false;
}

void DataForm::keyPressEvent(QKeyEvent* event) {
    // Esc and Enter are handled by the preview; QDialog would close or press
    // a default button instead.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
        event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}

void DataForm::showEvent(QShowEvent* event) {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QDialog::showEvent(event);
}

void DataForm::focusChanged(QWidget* old, QWidget* now) {
    const bool byUser = handling_ == 0;
    ++handling_;
    const auto done = qScopeGuard([this] { --handling_; });
    const QPointer<QWidget> entered(now);
    if (byUser && old != nullptr && now != nullptr && now->window() == this &&
        old->window() == this) {
        const auto it = leaveHandlers_.constFind(old);
        if (it != leaveHandlers_.constEnd() && it.value())
            it.value()();
    }
    // The leave handler may have sent the focus on (or removed the box).
    if (entered.isNull() || QApplication::focusWidget() != entered)
        return;
    const auto it = enterHandlers_.constFind(now);
    if (it != enterHandlers_.constEnd() && it.value())
        it.value()();
}
