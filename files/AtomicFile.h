#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace grd {

// Where a replacement stopped: the temporary file could not be made, could not be
// written in full, or could not be put in place of the target.
enum class WriteStage { Create, Write, Replace };

// How a symbolic link at the target is treated. FollowOwn: the user's deliberate link
// to a data file stays a link and its final target is replaced, but only when every
// link of the chain and that existing target belong to the user running the program;
// any other link is refused naming it. Replace: the link itself is replaced by the
// file, for files the program owns outright (the revert copy).
enum class Links { FollowOwn, Replace };

// Replaces target with bytes: removes the temporary files of target that stopped
// writes left (as removeStaleTemporaryFiles), writes a temporary file beside it, flushes
// it to the disk, reads it back and renames it over target. The target's
// permission bits are kept; a target without any write permission is refused. On failure target is
// left exactly as it was, the temporary file is removed, reason (when given) receives the file and
// the system's message, and stage (when given) where it failed.
bool writeFileAtomically(const std::filesystem::path& target, std::string_view bytes,
                         std::string* reason = nullptr, WriteStage* stage = nullptr,
                         Links links = Links::FollowOwn);

// Reads a whole file; false when it cannot be opened or read.
bool readWholeFile(const std::filesystem::path& path, std::string& bytes);

// Removes the temporary files in dir that writeFileAtomically left when a process
// was stopped midway, of the files ownName accepts only: a user's "notes.tmp-1-2" is
// left alone. Every process that writes a data directory holds its lock, so while no
// other process holds dir's lock every such temporary is stale, whatever process id it
// carries (process 1 is always alive, and a container gives every run the same id);
// while another holds it, none is. Returns how many were removed.
int removeStaleTemporaryFiles(const std::filesystem::path& dir,
                              const std::function<bool(std::string_view)>& ownName);

// Whether name is one writeFileAtomically gives its temporary files.
bool isTemporaryFileName(std::string_view name);

// For tests that stop a process midway: called after a temporary file is written
// (before the rename) and after it replaced its target. Null turns it off.
enum class ReplaceStep { TemporaryWritten, Replaced };
using ReplaceStepHook = void (*)(ReplaceStep step);
void setReplaceStepHook(ReplaceStepHook hook);

} // namespace grd
