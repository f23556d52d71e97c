#pragma once
// Whole-file reading, records of files read by record number, and the safe rewrite of a
// file: the new contents go to a temporary
// file in the same folder, are flushed, and replace the old file by a rename, so a failed
// write never leaves a half-written file behind.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QFile;

namespace tsl {

// The file's bytes, or nothing when it cannot be opened or read.
std::optional<std::string> readwholefile(const std::string& path);

// At most the first maxbytes bytes of the file (fewer when it is shorter), or nothing when
// it cannot be opened or read.
std::optional<std::string> readfilehead(const std::string& path, std::size_t maxbytes);

// Record number (counted from 1) of a file of fixed-length records, open for reading:
// nothing when the file does not hold the whole record (it lies past the end, or the file
// ends inside it) or it cannot be read.
std::optional<std::string> readrecord(QFile& file, std::int64_t number, std::size_t length);

// How many bytes the readers above have handed out in this process, and how many records:
// what reading costs can be measured without timing it.
std::uint64_t filebytesread();
std::uint64_t filerecordsread();

// Empty on success, else the reason (the old file is then untouched). A link is followed;
// a read-only file is not replaced.
std::string writefilesafely(const std::string& path, const std::string& bytes);

// The same for a file that holds secrets: readable and writable by the owner only, from
// the moment it exists.
std::string writeprivatefile(const std::string& path, const std::string& bytes);

// The temporary file of a write of path: its name, ".tessalog-partial-" and six letters
// and digits drawn at random, a name no file of the user's has.
std::string temporarypath(const std::string& path);

// True when the file name (without its folder) is a temporary file of a write of the file
// ownname that was cut off before its rename: ownname, ".tessalog-partial-" and six letters
// and digits. Nothing else is: other names after ownname and a dot ("qsodata.dat.Backup")
// are as often the user's own copies, and no one can tell them apart.
bool iswriteleftover(std::string_view name, std::string_view ownname);

// Removes from the folder every file that is such a leftover of one of the files named,
// and nothing else.
void removewriteleftovers(const std::string& folder, const std::vector<std::string>& ownnames);

bool fileexists(const std::string& path);

// Removes the file; empty on success or when there is no such file, else the reason.
std::string removefile(const std::string& path);

// Copies source to destination, replacing it; empty on success, else the reason.
std::string copyfile(const std::string& source, const std::string& destination);

} // namespace tsl
