#pragma once

#include <functional>

class QWidget;
namespace db {
class Connection;
}

namespace shared {

// Runs database work on the shared connection (opened when closed). With a
// `busy` widget, that widget is disabled under the hourglass meanwhile (quick
// lookups pass none). A failed statement is shown once the pointer and the
// window are back; false then.
bool withConnection(QWidget* busy, const std::function<void(db::Connection&)>& work);

} // namespace shared
