#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace grd {

// Where a replacement stopped: the temporary file could not be made, could not be
// written in full, or could not be put in place of the target.
enum class WriteStage { Create, Write, Replace };

// Replaces target with bytes: writes a temporary file beside it, flushes it to the
// disk, reads it back and renames it over target. A symbolic link stays a link (its
// final target is replaced) and the target's permission bits are kept; a target
// without any write permission is refused. On failure target is left exactly as it
// was, the temporary file is removed, reason (when given) receives the file and the
// system's message, and stage (when given) where it failed.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* reason = nullptr, WriteStage* stage = nullptr);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

// Removes the temporary files in dir that writeFileAtomically left when a process
// was stopped midway: those of processes that no longer run and, since a process
// calls this before it writes anything, those named with its own process id (a
// container gives every run the same one). Returns how many were removed.
int removeStaleTemporaryFiles(const std::filesystem::path& dir);

// Whether name is one writeFileAtomically gives its temporary files.
bool isTemporaryFileName(std::string_view name);

// For tests that stop a process midway: called after a temporary file is written
// (before the rename) and after it replaced its target. Null turns it off.
enum class ReplaceStep { TemporaryWritten, Replaced };
using ReplaceStepHook = void (*)(ReplaceStep step);
void setReplaceStepHook(ReplaceStepHook hook);

} // namespace grd
