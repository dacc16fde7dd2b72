// Why a data file could not be used, in French, for the line that follows
// a failed load's own message, and the note for a game with no data folder
// at all. The loaders' messages name the file as the program writes it;
// these name the path actually tried and the reason.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What is wrong with the file as a file (absent, a folder, empty,
// unreadable), or "" when it is a readable, non-empty regular file.
std::string FileProblem(const std::string& path);

// Why the Targa loader refused `path` with error `code` (kTarga...).
std::string TargaFailure(const std::string& path, uint32_t code);

// Why the bitmap reader refused `path`; `readerError` is the text it
// reported (one of kDib...).
std::string BitmapFailure(const std::string& path, const char* readerError);

// "  <path> : <reason>\n": the second line under a failed load.
std::string FailureLine(const std::string& path, const std::string& reason);

bool AnyFolderExists(const std::vector<std::string>& folders);

// Which folders were searched, and how to get the data.
std::string MissingDataNote(const std::vector<std::string>& folders);
