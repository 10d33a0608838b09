#pragma once

#include <functional>

class QWidget;
namespace db {
class Connection;
}

// How the finance windows run a write that is a unit of work.
namespace escrita {

enum class Desfecho {
    Feita,    // the work ran to its end (what it decided is the caller's)
    Conflito, // another window held the rows past every retry
    Falhou,   // a statement failed; already shown
};

// Runs `work` on the shared connection (opened when closed) under the
// hourglass, `busy` disabled meanwhile. A lock conflict that outlasted the
// unit's retries is left to the window, which says it in its own words; any
// other failure is shown once the pointer and the window are back.
Desfecho executa(QWidget* busy, const std::function<void(db::Connection&)>& work);

} // namespace escrita
