#pragma once

// The display test frame on a program directory of its own holding the accuracy
// fixture season.

#include "accuracy/AccuracyFixture.h"
#include "support/TempDir.h"
#include "views/ui/DisplayTestHost.h"

#include <QMdiSubWindow>

#include <filesystem>

namespace grd::test {

struct AccuracyTestHost : DisplayTestHost {
    AccuracyTestHost() {
        for (const auto& entry : std::filesystem::directory_iterator(kAccuracyFixtureDir)) {
            std::filesystem::copy_file(entry.path(), dir.path() / entry.path().filename());
        }
        app.programDir = dir.dir();
    }

    template <class Form> Form* formOf(QMdiSubWindow* window) {
        return window != nullptr ? qobject_cast<Form*>(window->widget()) : nullptr;
    }

    TempDir dir;
};

} // namespace grd::test
