// Whole files written so that a crash at any moment leaves either the old
// file or the new one, never a torn one, and read back whole.
#pragma once

#include <string>

// The folder of a file's path: "." for a bare name, "/" at the top.
std::string FolderOf(const std::string& path);

// The reason in French for a system call's failure `error` (errno).
std::string SystemReason(int error);

// Creates the folder and every missing folder above it, readable by their
// owner only. False with the reason, in French, when one cannot be made.
bool MakeFolders(const std::string& folder, std::string& reason);

// Writes `text` to a new file beside `path`, flushes it to the disk, then
// renames it over `path`, making the folders first. On failure the old
// file is untouched, no stray file is left, and `reason` says why.
bool WriteFileAtomically(const std::string& path, const std::string& text, std::string& reason);

// Reads a whole file of at most `limit` bytes. False with the reason when
// it is missing, unreadable or larger; `missing` tells the first case apart.
bool ReadWholeFile(const std::string& path, size_t limit, std::string& text, std::string& reason,
                   bool& missing);
