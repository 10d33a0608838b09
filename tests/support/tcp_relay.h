#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

namespace testsupport {

// A network cable between the program and the test server: a port on
// 127.0.0.1 whose connections it carries to the server, on a thread of its
// own (the program waits inside its statements meanwhile). Once cut, nothing
// passes either way and no new connection is answered, as when a cable is
// pulled: the connections stay open and silent.
class TcpRelay {
public:
    TcpRelay();
    // Ends every connection it carries, as the server ends the sessions of a
    // station gone for good.
    ~TcpRelay();
    TcpRelay(const TcpRelay&) = delete;
    TcpRelay& operator=(const TcpRelay&) = delete;

    // `connectionString` (to the test server) through the cable.
    QString through(const QString& connectionString) const;
    // Cut as soon as a station sends `marker` (a statement's text); what
    // holds it still reaches the server, its answer does not come back.
    void cutAt(const QByteArray& marker);
    // The cable back in: the connections it held have ended when it returns,
    // and with them their sessions at the server; new connections pass.
    void mend();

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace testsupport
