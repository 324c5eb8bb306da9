#pragma once
// Test and benchmark helper: a sound server that takes every connection and
// never answers, as a hung one does. The client library then waits 30 s
// before it gives up on a connection.

#include <QByteArray>
#include <QString>

#include <cerrno>
#include <cstring>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace essai {

/// A listening Unix socket whose clients are read and never answered.
class ServeurMuet {
public:
    /// Listens at `chemin` (under 108 bytes), replacing what is there.
    explicit ServeurMuet(const QString& chemin) : chemin_(chemin.toLocal8Bit()) {
        sockaddr_un adresse{};
        adresse.sun_family = AF_UNIX;
        if (chemin_.size() >= qsizetype(sizeof adresse.sun_path))
            return;
        std::memcpy(adresse.sun_path, chemin_.constData(), std::size_t(chemin_.size()));
        ::unlink(chemin_.constData());
        ecoute_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (ecoute_ >= 0 &&
            (::bind(ecoute_, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) != 0 ||
             ::listen(ecoute_, 16) != 0)) {
            ::close(ecoute_);
            ecoute_ = -1;
        }
    }
    ServeurMuet(const ServeurMuet&) = delete;
    ServeurMuet& operator=(const ServeurMuet&) = delete;
    /// Closes every connection: the clients waiting on them fail at once.
    ~ServeurMuet() {
        for (int c : clients_)
            ::close(c);
        if (ecoute_ >= 0) {
            ::close(ecoute_);
            ::unlink(chemin_.constData());
        }
    }

    bool ecoute() const { return ecoute_ >= 0; }

    /// Takes the connections waiting; how many were taken in all.
    int accepte() {
        int c;
        while (ecoute_ >= 0 &&
               (c = ::accept4(ecoute_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0)
            clients_.push_back(c);
        return int(clients_.size());
    }

    /// True while no client taken has closed its end: their connection
    /// attempts are still pending. What they sent is read and dropped.
    bool toutesOuvertes() {
        for (int c : clients_) {
            char tampon[4096];
            ssize_t n;
            while ((n = ::recv(c, tampon, sizeof tampon, MSG_DONTWAIT)) > 0) {
            }
            if (n == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
                return false;
        }
        return true;
    }

private:
    QByteArray chemin_;
    int ecoute_ = -1;
    std::vector<int> clients_;
};

} // namespace essai
