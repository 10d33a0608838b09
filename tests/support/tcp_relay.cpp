#include "tests/support/tcp_relay.h"

#include <QRegularExpression>
#include <arpa/inet.h>
#include <condition_variable>
#include <fcntl.h>
#include <mutex>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace testsupport {

namespace {

constexpr int kServerPort = 3306;

int connectTo(const QByteArray& host) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.constData(), QByteArray::number(kServerPort).constData(), &hints,
                    &found) != 0)
        return -1;
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool connected = fd >= 0 && ::connect(fd, found->ai_addr, found->ai_addrlen) == 0;
    freeaddrinfo(found);
    if (!connected && fd >= 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool sendAll(int fd, const char* data, ssize_t size) {
    while (size > 0) {
        const ssize_t sent = ::send(fd, data, static_cast<size_t>(size), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= sent;
    }
    return true;
}

} // namespace

struct TcpRelay::State {
    struct Pair {
        int station = -1;
        int server = -1;
        QByteArray tail; // the station's last bytes, for a marker split between reads
    };

    QByteArray serverHost = qEnvironmentVariable("QUENDARO_TEST_DB_SERVER").toLatin1();
    int listener = -1;
    quint16 port = 0;
    int wake[2] = {-1, -1};
    std::thread thread;

    std::mutex mutex;
    std::condition_variable mended;
    QByteArray marker;
    bool cut = false;
    bool mending = false;
    bool stopping = false;

    std::vector<Pair> pairs; // the relay's thread only

    void poke() {
        const char byte = 0;
        [[maybe_unused]] const ssize_t written = ::write(wake[1], &byte, 1);
    }

    static void hangUp(const Pair& p) {
        ::close(p.station);
        ::close(p.server);
    }

    void closeAll() {
        for (const Pair& p : pairs)
            hangUp(p);
        pairs.clear();
    }

    // Carries what one side has to the other; false when the connection
    // ended. Once cut, nothing passes: a station's bytes holding the marker
    // are the last.
    bool carry(Pair& p, bool fromStation) {
        {
            std::lock_guard lock(mutex);
            if (cut)
                return true;
        }
        char buffer[65536];
        const ssize_t got = ::recv(fromStation ? p.station : p.server, buffer, sizeof buffer, 0);
        if (got <= 0 || !sendAll(fromStation ? p.server : p.station, buffer, got))
            return false;
        if (fromStation) {
            std::lock_guard lock(mutex);
            if (!marker.isEmpty()) {
                const QByteArray seen = p.tail + QByteArray(buffer, static_cast<qsizetype>(got));
                if (seen.contains(marker)) {
                    cut = true;
                    marker.clear();
                }
                p.tail = seen.right(marker.size());
            }
        }
        return true;
    }

    void run() {
        for (;;) {
            bool isCut = false;
            {
                std::lock_guard lock(mutex);
                if (stopping)
                    break;
                if (mending) {
                    closeAll();
                    cut = false;
                    mending = false;
                    mended.notify_all();
                }
                isCut = cut;
            }
            std::vector<pollfd> fds{{wake[0], POLLIN, 0}};
            if (!isCut) {
                fds.push_back({listener, POLLIN, 0});
                for (const Pair& p : pairs) {
                    fds.push_back({p.station, POLLIN, 0});
                    fds.push_back({p.server, POLLIN, 0});
                }
            }
            if (::poll(fds.data(), fds.size(), -1) < 0)
                continue;
            if (fds[0].revents != 0) {
                char drained[64];
                [[maybe_unused]] const ssize_t got = ::read(wake[0], drained, sizeof drained);
                continue;
            }
            if (isCut)
                continue;
            if (fds[1].revents != 0) {
                const int station = ::accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
                const int server = station >= 0 ? connectTo(serverHost) : -1;
                if (server >= 0)
                    pairs.push_back({station, server, {}});
                else if (station >= 0)
                    ::close(station);
            }
            // The connections polled, from the last, so that one ended is
            // taken out without moving those still to be carried.
            for (std::size_t i = (fds.size() - 2) / 2; i-- > 0;) {
                if ((fds[2 + 2 * i].revents != 0 && !carry(pairs[i], true)) ||
                    (fds[3 + 2 * i].revents != 0 && !carry(pairs[i], false))) {
                    hangUp(pairs[i]);
                    pairs.erase(pairs.begin() + static_cast<std::ptrdiff_t>(i));
                }
            }
        }
        closeAll();
    }
};

TcpRelay::TcpRelay() : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (s.listener < 0 || ::bind(s.listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(s.listener, 16) != 0 ||
        getsockname(s.listener, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        ::pipe2(s.wake, O_CLOEXEC) != 0)
        throw std::runtime_error("the relay cannot listen");
    s.port = ntohs(address.sin_port);
    s.thread = std::thread([&s] { s.run(); });
}

TcpRelay::~TcpRelay() {
    {
        std::lock_guard lock(state_->mutex);
        state_->stopping = true;
    }
    state_->poke();
    state_->thread.join();
    ::close(state_->listener);
    ::close(state_->wake[0]);
    ::close(state_->wake[1]);
}

QString TcpRelay::through(const QString& connectionString) const {
    static const QRegularExpression server(QStringLiteral("Server=[^;]*;"),
                                           QRegularExpression::CaseInsensitiveOption);
    return QString(connectionString)
        .replace(server, QStringLiteral("Server=127.0.0.1;Port=%1;").arg(state_->port));
}

void TcpRelay::cutAt(const QByteArray& marker) {
    std::lock_guard lock(state_->mutex);
    state_->marker = marker;
}

void TcpRelay::mend() {
    std::unique_lock lock(state_->mutex);
    state_->mending = true;
    state_->poke();
    state_->mended.wait(lock, [this] { return !state_->mending; });
}

} // namespace testsupport
