#pragma once

#include <functional>

class QWidget;
namespace db {
class Connection;
}

namespace shared {

// Runs database work on the shared connection (opened when closed) under the
// hourglass; a `busy` widget is disabled meanwhile (quick lookups pass none). A failed statement is
// shown once the pointer and the window are back; false then.
bool withConnection(QWidget* busy, const std::function<void(db::Connection&)>& work);

} // namespace shared
