#pragma once

#include <QString>

#include <optional>
#include <utility>

namespace grd {

// The file name a test sets for the next file dialog of a kind: used once, in place of
// the dialog (an empty name answers Cancel).
class ScriptedFileName {
public:
    void set(QString name) { name_ = std::move(name); }
    bool pending() const { return name_.has_value(); }
    // The name set, once; none when no test set one.
    std::optional<QString> take() { return std::exchange(name_, std::nullopt); }

private:
    std::optional<QString> name_;
};

} // namespace grd
