#pragma once

#include "shell/function_keys.h"

#include <QDialog>
#include <QHash>
#include <QPointer>
#include <functional>

class QAbstractButton;
class QKeyEvent;
class QLineEdit;
namespace dlg {
struct Message;
}

// Base of the data windows: sees keys before its controls, makes Enter move
// to the next control, types capitals, routes Esc to the window's own Esc,
// keeps buttons from becoming default, and tells when the user leaves a box
// for another control of the same window. Enter and Tab pass read-only boxes
// by; a one-line box entered by the keys or by the program, or filled while
// the focus is in it, has its whole text selected, so typing replaces it; a
// box left or filled elsewhere shows its text from the start. The window
// keeps inside the screen's free area, and when it closes the window that
// opened it takes the keys again.
class DataForm : public QDialog {
    Q_OBJECT
public:
    explicit DataForm(QWidget* parent = nullptr);
    ~DataForm() override;

    // Runs `handler` when the user moves the focus from `box` to another
    // control of this window (not when a message box opens or the window
    // deactivates). A move made while a leave or entry handler runs, by the
    // handler itself or by a picker it opened, is not the user leaving the box
    // the focus was in, so it runs no leave handler.
    void onLeave(QWidget* box, std::function<void()> handler);
    // Runs `handler` each time `box` gets the focus, after any leave handler
    // of the control it came from, unless that handler moved the focus on.
    void onEnter(QWidget* box, std::function<void()> handler);
    // Nothing opens once the program is ending.
    int exec() override;
    void done(int result) override;
    void setVisible(bool visible) override;

    // The whole text selected with the caret at its start: the first key
    // replaces it, and the box shows its beginning.
    static void selectWhole(QLineEdit* box);
    // Where a window asked at `geometry` (and no smaller than `minimum`)
    // stands so that it, with a frame of `frame` around it, lies inside
    // `area`: shortened or narrowed first, then moved.
    static QRect fitted(const QRect& geometry, const QSize& minimum, const QMargins& frame,
                        const QRect& area);
    // A window on screen: its frame's outer rectangle, its own, and whether
    // it is in the normal state (neither maximised, full screen nor minimised).
    struct ShownWindow {
        QRect outer;
        QRect inner;
        bool normal;
    };
    // The frame the window manager puts around a normal window, as the
    // windows on screen tell it. A maximised one tells nothing: its frame
    // has no borders, and its title may be thinner.
    static QMargins frameEstimate(const QList<ShownWindow>& shown);

protected:
    // A function key that presses a button of this window; keys are tested
    // in the order bound, before the focused control sees them. Pressing
    // the key leaves the box the focus is in, as a click on the button would.
    void bindKey(int key, QAbstractButton* button) { keys_.bind(key, button); }
    // A function key that presses `button` only while it is shown and enabled.
    void bindKeyWhileShown(int key, QAbstractButton* button) { keys_.bindWhileShown(key, button); }
    void setUppercaseTyping(bool on) { uppercase_ = on; }
    void setEnterMovesFocus(bool on) { enterMovesFocus_ = on; }
    // Key preview: return true to consume the key before the control sees it.
    // The base presses the buttons bound to function keys.
    virtual bool previewKey(QKeyEvent* event);
    // Esc in the window.
    virtual void escPressed();
    // Enter in the window, after focus moved (when it moves).
    virtual void enterPressed(QWidget* from);
    // Shows a refusal, then puts the focus in the box it is about (if any).
    void refuse(const dlg::Message& message, QWidget* box);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    bool ownsReceiver(QObject* watched) const;
    // Focus and showing of a one-line box of this window.
    void boxEvent(QLineEdit* box, QEvent* event);
    // Shortens the window to the area; `place` moves it inside too.
    void fitToScreen(bool place);
    void focusChanged(QWidget* old, QWidget* now);
    void typingInto(QWidget* widget);
    // Delivers a changed copy of an event without previewing it again.
    void resend(QObject* receiver, QEvent* event);

    FunctionKeys keys_;
    bool uppercase_ = true;
    bool enterMovesFocus_ = true;
    bool resending_ = false;
    // Leave and entry handlers running now, nested ones included.
    int handling_ = 0;
    // The box that lost the focus because it was disabled; the focus coming
    // back to it is no new entry.
    QPointer<QLineEdit> disabledOut_;
    // How the focus last came into a box of this window.
    Qt::FocusReason enteredBy_ = Qt::OtherFocusReason;
    // The control a key is being typed into: what it changes there, until
    // the key is handled, is the user's.
    QPointer<QWidget> typingInto_;
    QHash<QWidget*, std::function<void()>> leaveHandlers_;
    QHash<QWidget*, std::function<void()>> enterHandlers_;
};
