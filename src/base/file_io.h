#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace klv {

enum class FileWriteResult { Ok, CannotCreate, WriteFailed };
enum class FileReadResult { Ok, CannotOpen, ReadFailed };

// Replaces the whole file: the image goes to a temporary file in the same folder, is
// flushed to disk and renamed over the old one, so a crash leaves the old or the new file.
FileWriteResult WriteFileAtomically(const std::string& path, const void* data, std::size_t size);

// Reads a file that must be exactly `size` bytes long; a shorter or longer file is ReadFailed.
FileReadResult ReadFileExact(const std::string& path, void* data, std::size_t size);

// Reads `size` bytes at `offset`; fewer bytes available is ReadFailed.
FileReadResult ReadFileAt(const std::string& path, std::uint64_t offset, void* data,
                          std::size_t size);

// Reads the whole file (for text files such as the settings file).
FileReadResult ReadWholeFile(const std::string& path, std::string& contents);

// Positioned write into an existing or new file, never truncating; flushed to disk before Ok.
FileWriteResult WriteFileAt(const std::string& path, std::uint64_t offset, const void* data,
                            std::size_t size);

// Appends to an existing or new regular file (emptied first when `truncate`); not flushed to
// disk, for log lines.
FileWriteResult AppendToFile(const std::string& path, const std::string& text, bool truncate);

// Sets the file's length; CannotCreate when the file cannot be opened.
FileWriteResult TruncateFileTo(const std::string& path, std::uint64_t length);

bool FileExists(const std::string& path);
// Nothing at all is at the path, not even a dangling link; a path that cannot be examined
// is not missing.
bool IsPathMissing(const std::string& path);
bool DirectoryExists(const std::string& path);
// Whether the names inside a folder can be looked up.
bool CanSearchDirectory(const std::string& path);
// Creates one directory; an existing directory counts as success.
bool MakeDirectory(const std::string& path);
// Deletes a file; errors are ignored by the callers, so only the outcome is reported.
bool RemoveFile(const std::string& path);
// File size, or -1 when the file cannot be examined.
std::int64_t FileSize(const std::string& path);

}  // namespace klv
