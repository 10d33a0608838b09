#pragma once

#include <QApplication>
#include <functional>

// The application of the program and of its tests. An exception that
// escapes an event handler is a fault of ours: the operation it was in stops,
// the user is told, its text goes to standard error, and every window stays
// open as it was.
class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Also told each escaped exception's text, after the box (tests fail on it).
    void setOnEscape(std::function<void(const QString&)> hook) { onEscape_ = std::move(hook); }

private:
    void escaped(const QString& what);

    std::function<void(const QString&)> onEscape_;
    bool telling_ = false;
};
