#pragma once

#include "files/Failure.h"
#include "views/ui/DisplayHost.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSize>

#include <algorithm>

class QWidget;

namespace grd {

// A season window's failure to read its files: files of this program's own get a
// plain message, the others their numbered one.
void showFailure(const Failure& failure, QWidget* parent);

// One season window of a kind: asking again brings the open one to the front. A form
// whose load fails is reported and nothing opens. A new window opens at the top left,
// at most of the opening size.
template <class Form>
QMdiSubWindow* openSeasonWindow(DisplayHost& host, const char* name, QSize opening) {
    QMdiArea* area = host.mdiArea();
    if (area == nullptr) {
        return nullptr;
    }
    for (QMdiSubWindow* open : area->subWindowList()) {
        if (qobject_cast<Form*>(open->widget()) != nullptr) {
            area->setActiveSubWindow(open);
            return open;
        }
    }
    auto* form = new Form(host);
    if (auto loaded = form->load(); !loaded) {
        delete form;
        showFailure(loaded.failure(), area);
        return nullptr;
    }
    QMdiSubWindow* window = area->addSubWindow(form);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setObjectName(QLatin1String(name));
    window->setWindowTitle(form->windowTitle());
    window->setGeometry(0, 0, std::min(area->viewport()->width(), opening.width()),
                        std::min(area->viewport()->height(), opening.height()));
    window->show();
    return window;
}

} // namespace grd
