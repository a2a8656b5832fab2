#pragma once

#include <string>

namespace klv::test {

// A pseudo-terminal pair of the test: the program opens the slave by its path, the test reads
// at the master what arrived.
class PtyPair {
public:
    PtyPair();
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    // "" when no pair could be made.
    const std::string& Path() const { return m_path; }
    // Everything that has arrived, after waiting up to `ms` for the first byte.
    std::string Drain(int ms = 2000);
    // Writes at the slave until the terminal takes no more, as a receiver that stopped reading.
    void Fill();

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_path;
};

}  // namespace klv::test
