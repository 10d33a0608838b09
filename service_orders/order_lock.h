#pragma once

#include "platform/dialogs.h"

#include <QString>
#include <functional>
#include <optional>

namespace db {
class Connection;
}

// The header lock every write under an order takes first, inside its own
// unit of work: while it is held the order can neither be deleted nor
// completed by another station.
namespace orderlock {

// The order's status digit, read FOR UPDATE; none when the order is gone.
std::optional<QString> trava(db::Connection& cn, qint64 osnr);
// Locks the header of an order about to change; the refusal when nothing
// may be written under it: it is gone, or completed (viewing and printing
// only).
std::optional<dlg::Message> travaParaAlterar(db::Connection& cn, qint64 osnr);

// Runs `work` as one unit of work under the order's header lock and
// commits it; the refusal, with nothing done, when the order may not change.
// Runs again on a lock conflict; one that lasts is thrown.
std::optional<dlg::Message> alteraOrdem(db::Connection& cn, qint64 osnr,
                                        const std::function<void()>& work);

// An order a window had loaded, found gone under the lock: the window then
// shows no order.
dlg::Message ordemInexistente();
bool sumiu(const std::optional<dlg::Message>& recusa);
// A typed number that names no order.
dlg::Message numeroInvalido();
dlg::Message ordemConcluida();
// A save over an order another station changed since this window read it:
// nothing written, the window reads the order again.
dlg::Message ordemAlterada();

} // namespace orderlock
