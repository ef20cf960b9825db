#pragma once

#include <QIcon>
#include <QList>
#include <QPen>
#include <QString>

#include <cstdint>

class QChartView;
class QPaintDevice;
class QPainter;

namespace grd {

// The line of a team on the chart: a colour and a dash of its own for each of the
// league's teams, so that no two share a look however many are chosen.
QPen teamPen(int32_t team);

// The pen drawn as a short line, for the team list.
QIcon penSwatch(const QPen& pen);

struct ChartKey {
    QString name;
    QPen pen;
};

// The saved picture: the chart as shown and, right of it, a key of every line in as
// many columns as its height needs, so that none is cut off.
QSize chartPictureSize(const QChartView& view, const QList<ChartKey>& keys);
void paintChartPicture(QPainter& painter, QChartView& view, const QList<ChartKey>& keys);

} // namespace grd
