#pragma once

#include <QProcess>
#include <QTemporaryDir>
#include <string>

namespace klv::test {

// Two linked pseudo-terminals made by socat, under fixed paths: the program opens Port(), the
// test reads at Peer(). Stop() takes the line away as an unplugged adaptor does; Start() brings
// it back under the same paths.
class SocatPair {
public:
    SocatPair();
    ~SocatPair();
    SocatPair(const SocatPair&) = delete;
    SocatPair& operator=(const SocatPair&) = delete;

    // False when socat could not make the pair within a few seconds.
    bool Start();
    void Stop();
    std::string Port() const;
    std::string Peer() const;
    // Everything that arrives at the peer within `ms`.
    std::string ReadPeer(int ms = 1000) const;
    // Sends `bytes` from the peer, as a device that answers.
    bool WritePeer(const std::string& bytes) const;

private:
    QTemporaryDir m_dir;
    QProcess m_socat;
};

}  // namespace klv::test
