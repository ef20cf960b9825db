#pragma once

#include "files/Failure.h"

#include <optional>
#include <string>

namespace grd {

// File | Revert: puts back the main data file of program start from the revert file.
class RevertMainData {
public:
    enum class Outcome {
        Reverted,   // the main data file now holds the revert file's text
        Invalid,    // the revert file is no main data file (-43); nothing changed
        Incomplete, // it could not be read or the copy failed (-44, -46); nothing changed
    };
    struct Result {
        Outcome outcome = Outcome::Incomplete;
        std::optional<Failure> failure;
    };

    explicit RevertMainData(std::string programDir) : programDir_(std::move(programDir)) {}

    // Whether the revert file exists; -45 when it does not.
    std::optional<Failure> missingRevertFile() const;
    // Checks the revert file and copies it over the main data file, whose old text
    // stays whole until the copy has been written.
    Result run() const;

    // What the user is told at the end; empty when the failure was all there was to say.
    static std::string message(Outcome outcome);

private:
    std::string programDir_;
};

} // namespace grd
