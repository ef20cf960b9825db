#include "accuracy/ui/TRatingsChartForm.h"

#include "league/LeagueLookups.h"
#include "league/ui/HelpContext.h"
#include "league/ui/MessageDialogs.h"
#include "views/ui/DisplayHost.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

namespace grd {

namespace {

constexpr int kTeamRole = Qt::UserRole + 1;
constexpr double kLeagueAverage = 100.0;
constexpr int kOpeningTeams = 6;
const QString kAverageName = QStringLiteral("League average");
// Twelve colours that stay apart, so that no two chosen teams share one.
const QColor kSeriesColours[] = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c),
    QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
    QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf), QColor(0xbc, 0xbd, 0x22),
    QColor(0x39, 0x3b, 0x79), QColor(0xad, 0x49, 0x4a), QColor(0x63, 0x79, 0x39)};

// City and team name: "New York" or "Los Angeles" alone names two teams.
QString fullName(const LeagueStructure& league, int32_t team) {
    return QString::fromStdString(TeamName(league, team, true) + " " +
                                  TeamName(league, team, false));
}

std::optional<QString>& nextFileName() {
    static std::optional<QString> name;
    return name;
}

} // namespace

TRatingsChartForm::TRatingsChartForm(DisplayHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("RatingsChartForm"));
    setHelpContext(this, kHelpContext);
    TeamsTree = new QTreeWidget(this);
    TeamsTree->setObjectName(QStringLiteral("TeamsTree"));
    TeamsTree->setHeaderHidden(true);
    TeamsTree->setMaximumWidth(250);
    RatingCombo = new QComboBox(this);
    RatingCombo->setObjectName(QStringLiteral("RatingCombo"));
    RatingCombo->addItems({tr("Total"), tr("Offense"), tr("Defense")});
    SaveBtn = new QPushButton(tr("&Save As..."), this);
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    chart_ = new QChart;
    chart_->legend()->setAlignment(Qt::AlignRight);
    RatingsChart = new QChartView(chart_, this);
    RatingsChart->setObjectName(QStringLiteral("RatingsChart"));
    RatingsChart->setRenderHint(QPainter::Antialiasing);

    auto* bar = new QHBoxLayout;
    bar->addWidget(RatingCombo);
    bar->addStretch();
    bar->addWidget(SaveBtn);
    auto* right = new QVBoxLayout;
    right->addLayout(bar);
    right->addWidget(RatingsChart);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(TeamsTree);
    layout->addLayout(right, 1);

    connect(TeamsTree, &QTreeWidget::itemChanged, this, [this] { DrawTheGrid(false, false); });
    connect(RatingCombo, &QComboBox::currentIndexChanged, this,
            [this] { DrawTheGrid(false, false); });
    connect(SaveBtn, &QPushButton::clicked, this, &TRatingsChartForm::SaveBtnClick);
}

TRatingsChartForm::~TRatingsChartForm() = default;

Status TRatingsChartForm::load() {
    league_ = host_.appState().league;
    auto archives = readSeasonArchives(host_.appState().programDir, league_.seasonSuffix, league_);
    if (!archives) {
        return archives.failure();
    }
    archives_ = std::move(archives.value());
    setWindowTitle(
        QStringLiteral("Ratings Chart: %1").arg(QString::fromStdString(league_.seasonLabel)));
    fillTeams(highestTotals(archives_, kOpeningTeams));
    DrawTheGrid(true, true);
    return Ok{};
}

void TRatingsChartForm::fillTeams(const std::vector<int32_t>& chosen) {
    const QSignalBlocker quiet(TeamsTree);
    TeamsTree->clear();
    for (const auto& division : divisionsOf(league_)) {
        auto* group = new QTreeWidgetItem(TeamsTree, {QString::fromStdString(division.name)});
        group->setFlags(Qt::ItemIsEnabled);
        for (int32_t team : division.teams) {
            auto* item = new QTreeWidgetItem(group, {fullName(league_, team)});
            item->setData(0, kTeamRole, team);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            bool on = std::find(chosen.begin(), chosen.end(), team) != chosen.end();
            item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
        }
    }
    TeamsTree->expandAll();
}

std::vector<int32_t> TRatingsChartForm::chosenTeams() const {
    std::vector<int32_t> teams;
    for (int g = 0; g < TeamsTree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = TeamsTree->topLevelItem(g);
        for (int t = 0; t < group->childCount(); ++t) {
            if (group->child(t)->checkState(0) == Qt::Checked) {
                teams.push_back(group->child(t)->data(0, kTeamRole).toInt());
            }
        }
    }
    return teams;
}

void TRatingsChartForm::DrawTheGrid(bool, bool) {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
    const auto kind = static_cast<RatingKind>(std::max(RatingCombo->currentIndex(), 0));
    const int weeks = league_.regularWeekCount();
    size_t colour = 0;
    double low = kLeagueAverage;
    double high = kLeagueAverage;
    int last = 1;
    for (int32_t team : chosenTeams()) {
        auto* series = new QLineSeries;
        series->setName(fullName(league_, team));
        series->setColor(kSeriesColours[colour++ % std::size(kSeriesColours)]);
        for (const auto& point : ratingHistory(archives_, team, kind, weeks)) {
            series->append(point.weeksPlayed, point.value);
            low = std::min(low, point.value);
            high = std::max(high, point.value);
            last = std::max(last, point.weeksPlayed);
        }
        series->setPointsVisible(true);
        connect(series, &QLineSeries::hovered, this, [series](const QPointF& point, bool inside) {
            if (inside) {
                QToolTip::showText(QCursor::pos(), tr("%1\nWeeks played: %2\n%3")
                                                       .arg(series->name())
                                                       .arg(qRound(point.x()))
                                                       .arg(point.y(), 0, 'f', 1));
            } else {
                QToolTip::hideText();
            }
        });
        chart_->addSeries(series);
    }
    auto* average = new QLineSeries;
    average->setName(kAverageName);
    average->append(0, kLeagueAverage);
    average->append(last, kLeagueAverage);
    QPen dashed(Qt::gray, 1.5, Qt::DashLine);
    average->setPen(dashed);
    chart_->addSeries(average);

    auto* x = new QValueAxis;
    x->setTitleText(tr("Weeks played"));
    x->setRange(0, last);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTickCount(last + 1); // a tick a week
    auto* y = new QValueAxis;
    y->setTitleText(RatingCombo->currentText());
    y->setRange(std::floor(low - 2), std::ceil(high + 2));
    y->applyNiceNumbers();
    chart_->addAxis(x, Qt::AlignBottom);
    chart_->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : chart_->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    chart_->setFont(host_.displayFont());
}

QList<QPointF> TRatingsChartForm::seriesPoints(const QString& name) const {
    for (QAbstractSeries* series : chart_->series()) {
        if (series->name() == name) {
            return static_cast<QLineSeries*>(series)->points();
        }
    }
    return {};
}

QStringList TRatingsChartForm::seriesNames() const {
    QStringList names;
    for (QAbstractSeries* series : chart_->series()) {
        names << series->name();
    }
    return names;
}

bool TRatingsChartForm::saveChart(const QString& fileName) const {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    if (fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(RatingsChart->size());
        svg.setViewBox(RatingsChart->rect());
        svg.setTitle(windowTitle());
        QPainter painter(&svg);
        RatingsChart->render(&painter);
        painter.end();
    } else if (!RatingsChart->grab().save(&file, "PNG")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

void TRatingsChartForm::CopyToClipboard() {
    QGuiApplication::clipboard()->setPixmap(RatingsChart->grab());
}

void TRatingsChartForm::setNextFileName(const QString& fileName) {
    nextFileName() = fileName;
}

void TRatingsChartForm::SaveBtnClick() {
    QString chosen;
    if (nextFileName()) {
        chosen = *nextFileName();
        nextFileName().reset();
    } else {
        chosen = QFileDialog::getSaveFileName(this, tr("Save the Ratings Chart"),
                                              QString::fromStdString(host_.appState().programDir),
                                              tr("PNG Picture (*.png);;SVG Drawing (*.svg)"));
    }
    if (!chosen.isEmpty() && !saveChart(chosen)) {
        ShowPlainMessage(tr("The chart could not be written to %1.").arg(chosen),
                         QStringLiteral("GRD Oddsmith: Ratings Chart"), this);
    }
}

} // namespace grd
