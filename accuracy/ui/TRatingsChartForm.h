#pragma once

#include "accuracy/RatingsHistory.h"
#include "accuracy/SeasonArchives.h"
#include "accuracy/ui/ChartPicture.h"
#include "files/Failure.h"
#include "league/LeagueStructure.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QPushButton;
class QTreeWidget;

namespace grd {

class DisplayHost;

// Each chosen team's rating week by week through the season's archives, with the
// league average of 100 for reference; teams are chosen one by one, by division or all. Saves the
// chart as PNG or SVG. It reads the archives and writes only the picture asked for.
class TRatingsChartForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHelpContext = 960;

    explicit TRatingsChartForm(DisplayHost& host, QWidget* parent = nullptr);
    ~TRatingsChartForm() override;

    // Reads the season's archives and shows the six teams with the highest Total.
    Status load();

    // The points of the series named name (a team's name as shown), for checking.
    QList<QPointF> seriesPoints(const QString& name) const;
    QStringList seriesNames() const;
    // Writes the chart and its key as SVG when fileName ends in ".svg", else as PNG;
    // false when the file could not be written, which then stays as it was.
    bool saveChart(const QString& fileName) const;

    /**
     * Sets the name and the kind filter the next Save As returns instead of showing the
     * file dialog; an empty name answers Cancel.
     * Use only for testing.
     */
    static void setNextFileName(const QString& fileName, const QString& filter = QString());

public slots:
    void DrawTheGrid(bool recalcPosition, bool recalcWidths);
    // Edit | Copy: the chart as a picture.
    void CopyToClipboard();

private:
    void fillTeams(const std::vector<int32_t>& chosen);
    std::vector<int32_t> chosenTeams() const;
    QList<ChartKey> chartKeys() const;
    void SaveBtnClick();

    DisplayHost& host_;
    LeagueStructure league_;
    std::vector<SeasonArchive> archives_;
    QTreeWidget* TeamsTree = nullptr;
    QComboBox* RatingCombo = nullptr;
    QPushButton* SaveBtn = nullptr;
    QPushButton* AllBtn = nullptr;
    QPushButton* NoneBtn = nullptr;
    QChartView* RatingsChart = nullptr;
    QChart* chart_ = nullptr;
};

} // namespace grd
