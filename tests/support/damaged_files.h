#pragma once

#include <functional>
#include <string>
#include <vector>

namespace klv::test {

// One way a stored file is damaged or replaced by something that is not a file.
struct FileDamage {
    const char* what;
    // Puts the damaged thing at `path`, whose good content is `image`.
    std::function<void(const std::string& path, const std::string& image)> apply;
    // Only a process without root's right to read everything is refused.
    bool unprivileged = false;
};

// Things at a file's path that are not a regular file: FIFO, folder, /dev/zero behind a
// link, a dangling link and a link loop.
std::vector<FileDamage> NonRegularFiles();
// Every kind above, plus truncations, a file without read permission and the flipped bit
// `flipByte`/`flipBit` of the image.
std::vector<FileDamage> DamagedFiles(std::size_t flipByte, int flipBit);

// What is at a path, link target and bytes included, to see that nothing changed it.
std::string DescribeEntry(const std::string& path);

// Puts each of NonRegularFiles() at a file `name` of a fresh folder, runs `use` on its path and
// checks that the thing there is left as it was.
void ForEachNonRegularFile(const std::string& name,
                           const std::function<void(const std::string& path)>& use);

// Runs `body` in a child process; when the tests run as root the child becomes the user
// nobody first, with `folders` opened to everyone. True when `body` met no failure.
bool RunUnprivileged(const std::vector<std::string>& folders, const std::function<void()>& body);
// The shell prefix that runs a command as nobody when the tests run as root ("" otherwise).
std::string UnprivilegedPrefix();

}  // namespace klv::test
