#pragma once

#include <string>

namespace ashtally {

// The whole content of a file as bytes. A missing file raises EFileError unless
// missingIsEmpty, in which case it reads as an empty text.
std::string ReadFileBytes(const std::string& path, bool missingIsEmpty = false);

// Replaces the file's content atomically: the bytes go to a temporary file in the same folder,
// which is flushed and then renamed over the file. A crash or a full disk never leaves a
// half-written file; on failure the old file stays whole and EFileError names the file.
void WriteFileAtomically(const std::string& path, const std::string& bytes);

bool FileExists(const std::string& path);

} // namespace ashtally
