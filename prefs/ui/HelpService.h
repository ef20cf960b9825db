#pragma once

#include <QObject>

namespace grd {

// Opens help topics for code that cannot link the program (the companion library),
// which finds it by its object name and calls showContext by name.
class HelpService : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE void showContext(int context);
};

} // namespace grd
