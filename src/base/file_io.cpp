#include "base/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace klv {
namespace {

bool WriteAll(int fd, const void* data, std::size_t size) {
    const auto* p = static_cast<const unsigned char*>(data);
    while (size > 0) {
        ssize_t n = ::write(fd, p, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool ReadAll(int fd, void* data, std::size_t size) {
    auto* p = static_cast<unsigned char*>(data);
    while (size > 0) {
        ssize_t n = ::read(fd, p, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0)
            return false;
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

void SyncFolder(const std::string& path) {
    int dfd = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
}

// Opens without waiting (a FIFO would wait for a writer) and keeps only regular files, so no
// device or FIFO behind a link is read or written.
struct OpenedFile {
    int fd = -1;
    bool notRegular = false;  // opened, but refused
};

OpenedFile OpenRegularFile(const std::string& path, int flags, bool create = false) {
    OpenedFile f;
    f.fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    // A new file only where nothing is, never at the end of a dangling link.
    if (f.fd < 0 && create && errno == ENOENT)
        f.fd = ::open(path.c_str(), flags | O_CREAT | O_EXCL | O_NONBLOCK | O_CLOEXEC, 0644);
    if (f.fd < 0)
        return f;
    struct stat st {};
    if (::fstat(f.fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(f.fd);
        f.fd = -1;
        f.notRegular = true;
    }
    return f;
}

// Not found only when nothing at all is there: a dangling link or a file without read
// permission is there, but cannot be read.
FileReadResult ReadFailureOf(const OpenedFile& f, const std::string& path) {
    return !f.notRegular && IsPathMissing(path) ? FileReadResult::CannotOpen
                                                : FileReadResult::ReadFailed;
}

FileWriteResult WriteFailureOf(const OpenedFile& f) {
    return f.notRegular ? FileWriteResult::WriteFailed : FileWriteResult::CannotCreate;
}

}  // namespace

FileWriteResult WriteFileAtomically(const std::string& path, const void* data, std::size_t size) {
    std::string temp = path + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return FileWriteResult::CannotCreate;
    ::fchmod(fd, 0644);
    bool ok = WriteAll(fd, data, size) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        ::unlink(temp.c_str());
        return FileWriteResult::WriteFailed;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return FileWriteResult::CannotCreate;
    }
    SyncFolder(path);
    return FileWriteResult::Ok;
}

FileWriteResult AppendToFile(const std::string& path, const std::string& text, bool truncate) {
    OpenedFile f = OpenRegularFile(path, O_WRONLY | O_APPEND, true);
    if (f.fd < 0)
        return WriteFailureOf(f);
    bool ok = (!truncate || ::ftruncate(f.fd, 0) == 0) && WriteAll(f.fd, text.data(), text.size());
    ok = ::close(f.fd) == 0 && ok;
    return ok ? FileWriteResult::Ok : FileWriteResult::WriteFailed;
}

FileReadResult ReadFileExact(const std::string& path, void* data, std::size_t size) {
    OpenedFile f = OpenRegularFile(path, O_RDONLY);
    if (f.fd < 0)
        return ReadFailureOf(f, path);
    int fd = f.fd;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && static_cast<std::uint64_t>(st.st_size) == size &&
              ReadAll(fd, data, size);
    ::close(fd);
    return ok ? FileReadResult::Ok : FileReadResult::ReadFailed;
}

FileReadResult ReadFileAt(const std::string& path, std::uint64_t offset, void* data,
                          std::size_t size) {
    OpenedFile f = OpenRegularFile(path, O_RDONLY);
    if (f.fd < 0)
        return ReadFailureOf(f, path);
    int fd = f.fd;
    bool ok = ::lseek(fd, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset) &&
              ReadAll(fd, data, size);
    ::close(fd);
    return ok ? FileReadResult::Ok : FileReadResult::ReadFailed;
}

FileReadResult ReadWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    OpenedFile f = OpenRegularFile(path, O_RDONLY);
    if (f.fd < 0)
        return ReadFailureOf(f, path);
    int fd = f.fd;
    char buf[8192];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ::close(fd);
            contents.clear();
            return FileReadResult::ReadFailed;
        }
        if (n == 0)
            break;
        contents.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return FileReadResult::Ok;
}

FileWriteResult WriteFileAt(const std::string& path, std::uint64_t offset, const void* data,
                            std::size_t size) {
    OpenedFile f = OpenRegularFile(path, O_RDWR, true);
    if (f.fd < 0)
        return WriteFailureOf(f);
    int fd = f.fd;
    bool ok = ::lseek(fd, static_cast<off_t>(offset), SEEK_SET) == static_cast<off_t>(offset) &&
              WriteAll(fd, data, size) && ::fdatasync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok ? FileWriteResult::Ok : FileWriteResult::WriteFailed;
}

FileWriteResult TruncateFileTo(const std::string& path, std::uint64_t length) {
    OpenedFile f = OpenRegularFile(path, O_RDWR);
    if (f.fd < 0)
        return WriteFailureOf(f);
    int fd = f.fd;
    bool ok = ::ftruncate(fd, static_cast<off_t>(length)) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    return ok ? FileWriteResult::Ok : FileWriteResult::WriteFailed;
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool IsPathMissing(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) != 0 && errno == ENOENT;
}

bool DirectoryExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CanSearchDirectory(const std::string& path) {
    struct stat st {};
    return ::stat((path + "/.").c_str(), &st) == 0;
}

bool MakeDirectory(const std::string& path) {
    if (::mkdir(path.c_str(), 0755) == 0)
        return true;
    return errno == EEXIST && DirectoryExists(path);
}

bool RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

std::int64_t FileSize(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return -1;
    return static_cast<std::int64_t>(st.st_size);
}

}  // namespace klv
