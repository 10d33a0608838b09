#include "shell/data_form.h"

#include "platform/data_grid.h"
#include "platform/dialogs.h"
#include "shell/funcoes.h"
#include "shell/program_end.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <memory>
#include <utility>

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

// A one-line box of the window's own; the editor inside a combo or spin box
// belongs to that control.
QLineEdit* oneLineBox(QObject* object) {
    auto* box = qobject_cast<QLineEdit*>(object);
    if (box == nullptr)
        return nullptr;
    QWidget* holder = box->parentWidget();
    if (qobject_cast<QComboBox*>(holder) != nullptr ||
        qobject_cast<QAbstractSpinBox*>(holder) != nullptr)
        return nullptr;
    return box;
}

const char* const kWatched = "dataFormWatched";

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

void DataForm::done(int result) {
    const QPointer<QWidget> opener = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    const bool active = isActiveWindow();
    QDialog::done(result);
    // The keys go back to the opener, even when a viewer started meanwhile
    // holds the desktop's focus.
    if (active && opener && opener->isVisible() && !program::ending())
        opener->activateWindow();
}

void DataForm::selectWhole(QLineEdit* box) {
    const int length = static_cast<int>(box->text().size());
    box->setSelection(length, -length);
}

void DataForm::refuse(const dlg::Message& message, QWidget* box) {
    dlg::show(message);
    if (box == nullptr)
        return;
    if (box->isEnabled()) {
        box->setFocus();
        return;
    }
    // Busy work keeps it disabled: as soon as the work is done.
    QTimer::singleShot(0, box, [box] {
        if (box->isEnabled() && box->isVisible())
            box->setFocus();
    });
}

bool DataForm::focusNextPrevChild(bool next) {
    return focusNeighbour(next) || QDialog::focusNextPrevChild(next);
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
    if (type == QEvent::FocusIn || type == QEvent::FocusOut || type == QEvent::Show) {
        if (QLineEdit* box = oneLineBox(watched); box != nullptr && ownsReceiver(box))
            boxEvent(box, event);
        return QDialog::eventFilter(watched, event);
    }
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
        typingInto(widget);
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
    typingInto(widget);
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

void DataForm::typingInto(QWidget* widget) {
    if (!typingInto_)
        QTimer::singleShot(0, this, [this] { typingInto_ = nullptr; });
    typingInto_ = widget;
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

void DataForm::boxEvent(QLineEdit* box, QEvent* event) {
    switch (event->type()) {
    case QEvent::Show:
        if (!box->property(kWatched).toBool()) {
            box->setProperty(kWatched, true);
            // A user's edit is told just before the change it makes.
            auto edited = std::make_shared<bool>(false);
            connect(box, &QLineEdit::textEdited, box, [edited] { *edited = true; });
            connect(box, &QLineEdit::textChanged, this, [this, box, edited] {
                if (std::exchange(*edited, false) || typingInto_ == box)
                    return;
                if (box->hasFocus())
                    selectWhole(box);
                else
                    box->setCursorPosition(0);
            });
        }
        if (!box->hasFocus())
            box->setCursorPosition(0);
        return;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (!box->isEnabled())
            disabledOut_ = box;
        else if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                 reason != Qt::MenuBarFocusReason)
            box->setCursorPosition(0);
        return;
    }
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Busy work gives the focus back where the user was typing.
        const bool back = disabledOut_ == box;
        disabledOut_ = nullptr;
        enteredBy_ = reason;
        if (!back && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                      reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason))
            selectWhole(box);
        return;
    }
    default:
        return;
    }
}

void DataForm::showEvent(QShowEvent* event) {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    QDialog::showEvent(event);
    // Placed over its opener, then kept inside the area.
    if (!event->spontaneous())
        fitToScreen(true);
}

void DataForm::setVisible(bool visible) {
    // Shortened before it shows, so that it is laid out and placed at the
    // size it shows.
    if (visible && isHidden()) {
        if (layout() != nullptr)
            layout()->activate();
        fitToScreen(false);
    }
    QDialog::setVisible(visible);
}

QMargins DataForm::frameEstimate(const QList<ShownWindow>& shown) {
    QMargins frame;
    for (const ShownWindow& w : shown) {
        if (!w.normal)
            continue;
        frame.setLeft(qMax(frame.left(), w.inner.left() - w.outer.left()));
        frame.setTop(qMax(frame.top(), w.inner.top() - w.outer.top()));
        frame.setRight(qMax(frame.right(), w.outer.right() - w.inner.right()));
        frame.setBottom(qMax(frame.bottom(), w.outer.bottom() - w.inner.bottom()));
    }
    // Before any frame is known: room for a title bar and borders.
    if (frame.top() <= 0)
        frame = QMargins(10, 40, 10, 10);
    return frame;
}

QRect DataForm::fitted(const QRect& geometry, const QSize& minimum, const QMargins& frame,
                       const QRect& area) {
    const QRect inner = area.marginsRemoved(frame);
    QRect out(geometry.topLeft(), geometry.size().boundedTo(inner.size()).expandedTo(minimum));
    // Back from the right and bottom edges; a window wider or taller than
    // the area (its minimum) keeps its left and top edges inside.
    out.moveLeft(qMax(inner.left(), qMin(out.left(), inner.right() + 1 - out.width())));
    out.moveTop(qMax(inner.top(), qMin(out.top(), inner.bottom() + 1 - out.height())));
    return out;
}

void DataForm::fitToScreen(bool place) {
    const QWidget* opener = parentWidget() != nullptr ? parentWidget()->window() : this;
    const QScreen* screen = opener->screen();
    if (screen == nullptr)
        return;
    QList<ShownWindow> shown;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            shown.append({w->frameGeometry(), w->geometry(),
                          (w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen |
                                               Qt::WindowMinimized)) == 0});
    }
    const QRect fit =
        fitted(geometry(), minimumSize(), frameEstimate(shown), screen->availableGeometry());
    if (!place)
        resize(fit.size());
    else if (fit != geometry())
        setGeometry(fit);
}

void DataForm::focusChanged(QWidget* old, QWidget* now) {
    const bool byUser = handling_ == 0;
    ++handling_;
    const auto done = qScopeGuard([this] { --handling_; });
    const QPointer<QWidget> entered(now);
    // What the handlers write into a box entered by a click is selected as
    // it is written (see boxEvent), but the click's press, which reaches the
    // box after this, would put the caret in it: selected again after it.
    const QPointer<QLineEdit> clicked =
        now != nullptr && now->window() == this && enteredBy_ == Qt::MouseFocusReason
            ? oneLineBox(now)
            : nullptr;
    const QString before = clicked ? clicked->text() : QString();
    const auto filled = qScopeGuard([&clicked, &before] {
        if (clicked && clicked->window()->focusWidget() == clicked && clicked->text() != before)
            QTimer::singleShot(0, clicked, [box = clicked.data()] {
                if (box->hasFocus())
                    selectWhole(box);
            });
    });
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
