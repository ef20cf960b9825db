#pragma once

#include "views/ScheduleView.h"
#include "views/ui/TDisplayForm.h"

#include <vector>

class QComboBox;

namespace grd {

// The season's schedule: complete, the night games, one weekday's games or one
// team's games with its open dates. Needs no loaded rankings.
class TScheduleForm : public TDisplayForm {
    Q_OBJECT
public:
    explicit TScheduleForm(DisplayHost& host, QWidget* parent = nullptr);

    void DrawTheGrid(bool recalcPosition, bool recalcWidths) override;
    void PrintSelf(bool preview) override;
    // The user chose another view: redraws and fits the window's height to it.
    void ScheduleTypeCBChange(int index);

private:
    QComboBox* types_ = nullptr;
    std::vector<ScheduleViewEntry> entries_;
};

} // namespace grd
