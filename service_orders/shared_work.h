#pragma once

#include <functional>

class QWidget;
namespace db {
class Connection;
}

// Runs database work on the shared connection (opened when closed) under the
// hourglass. With a `busy` widget, that widget is also disabled meanwhile
// (quick lookups pass none). A failed statement is shown once the pointer and
// the window are back; false then.
bool workOnShared(QWidget* busy, const std::function<void(db::Connection&)>& work);
