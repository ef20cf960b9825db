#include "accuracy/ui/TRatingsChartForm.h"

#include "accuracy/ui/ChartPicture.h"

#include "league/LeagueLookups.h"
#include "league/ui/HelpContext.h"
#include "league/ui/MessageDialogs.h"
#include "views/ui/DisplayHost.h"

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLineSeries>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScrollBar>
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
// City and team name: "New York" or "Los Angeles" alone names two teams.
QString fullName(const LeagueStructure& league, int32_t team) {
    return QString::fromStdString(FullTeamName(league, team));
}

struct ChosenFile {
    QString name;
    QString filter;
};

std::optional<ChosenFile>& nextFile() {
    static std::optional<ChosenFile> file;
    return file;
}

// A name typed without an extension gets the chosen kind's, which then decides the format.
QString withFilterExtension(const QString& name, const QString& filter) {
    auto extension = QRegularExpression(QStringLiteral("\\*(\\.\\w+)")).match(filter);
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty() || !extension.hasMatch()) {
        return name;
    }
    return name + extension.captured(1);
}

void setAllChecked(QTreeWidget* tree, Qt::CheckState state) {
    for (int g = 0; g < tree->topLevelItemCount(); ++g) {
        tree->topLevelItem(g)->setCheckState(0, state);
    }
}

} // namespace

TRatingsChartForm::TRatingsChartForm(DisplayHost& host, QWidget* parent)
    : QWidget(parent), host_(host) {
    setObjectName(QStringLiteral("RatingsChartForm"));
    setHelpContext(this, kHelpContext);
    TeamsTree = new QTreeWidget(this);
    TeamsTree->setObjectName(QStringLiteral("TeamsTree"));
    TeamsTree->setHeaderHidden(true);
    RatingCombo = new QComboBox(this);
    RatingCombo->setObjectName(QStringLiteral("RatingCombo"));
    RatingCombo->addItems({tr("Total"), tr("Offense"), tr("Defense")});
    SaveBtn = new QPushButton(tr("&Save As..."), this);
    SaveBtn->setObjectName(QStringLiteral("SaveBtn"));
    AllBtn = new QPushButton(tr("&All"), this);
    AllBtn->setObjectName(QStringLiteral("AllBtn"));
    NoneBtn = new QPushButton(tr("&None"), this);
    NoneBtn->setObjectName(QStringLiteral("NoneBtn"));
    chart_ = new QChart;
    // A legend of 33 entries does not fit beside the chart: the team list shows each
    // team's line, and a saved picture carries a key of its own.
    chart_->legend()->hide();
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
    auto* ticks = new QHBoxLayout;
    ticks->addWidget(AllBtn);
    ticks->addWidget(NoneBtn);
    auto* left = new QVBoxLayout;
    left->addLayout(ticks);
    left->addWidget(TeamsTree);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addLayout(right, 1);

    connect(TeamsTree, &QTreeWidget::itemChanged, this, [this] { DrawTheGrid(false, false); });
    connect(RatingCombo, &QComboBox::currentIndexChanged, this,
            [this] { DrawTheGrid(false, false); });
    connect(SaveBtn, &QPushButton::clicked, this, &TRatingsChartForm::SaveBtnClick);
    for (auto [button, state] :
         {std::pair{AllBtn, Qt::Checked}, std::pair{NoneBtn, Qt::Unchecked}}) {
        connect(button, &QPushButton::clicked, this, [this, state] {
            {
                const QSignalBlocker quiet(TeamsTree);
                setAllChecked(TeamsTree, state);
            }
            DrawTheGrid(false, false);
        });
    }
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
    // Read again after an import: the user's choice of teams stays.
    fillTeams(TeamsTree->topLevelItemCount() > 0 ? chosenTeams()
                                                 : highestTotals(archives_, kOpeningTeams));
    DrawTheGrid(true, true);
    return Ok{};
}

void TRatingsChartForm::fillTeams(const std::vector<int32_t>& chosen) {
    const QSignalBlocker quiet(TeamsTree);
    TeamsTree->clear();
    for (const auto& division : divisionsOf(league_)) {
        auto* group = new QTreeWidgetItem(TeamsTree, {QString::fromStdString(division.name)});
        // Ticking a division ticks its teams.
        group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
        for (int32_t team : division.teams) {
            auto* item = new QTreeWidgetItem(group, {fullName(league_, team)});
            item->setData(0, kTeamRole, team);
            item->setIcon(0, penSwatch(teamPen(team)));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
            bool on = std::find(chosen.begin(), chosen.end(), team) != chosen.end();
            item->setCheckState(0, on ? Qt::Checked : Qt::Unchecked);
        }
    }
    TeamsTree->expandAll();
    // Wide enough for the longest full name, "Washington Commanders" among them.
    TeamsTree->resizeColumnToContents(0);
    TeamsTree->setFixedWidth(TeamsTree->columnWidth(0) +
                             TeamsTree->verticalScrollBar()->sizeHint().width() +
                             2 * TeamsTree->frameWidth());
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
    chart_->setTitle(
        QStringLiteral("%1: %2 Rating")
            .arg(QString::fromStdString(league_.seasonLabel), RatingCombo->currentText()));
    double low = kLeagueAverage;
    double high = kLeagueAverage;
    int last = 1;
    for (int32_t team : chosenTeams()) {
        auto* series = new QLineSeries;
        series->setName(fullName(league_, team));
        series->setPen(teamPen(team));
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

QList<ChartKey> TRatingsChartForm::chartKeys() const {
    QList<ChartKey> keys;
    for (QAbstractSeries* series : chart_->series()) {
        keys.append({series->name(), static_cast<QLineSeries*>(series)->pen()});
    }
    return keys;
}

bool TRatingsChartForm::saveChart(const QString& fileName) const {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const auto keys = chartKeys();
    const QSize size = chartPictureSize(*RatingsChart, keys);
    if (fileName.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(chart_->title());
        QPainter painter(&svg);
        paintChartPicture(painter, *RatingsChart, keys);
        painter.end();
    } else {
        QImage picture(size, QImage::Format_RGB32);
        QPainter painter(&picture);
        paintChartPicture(painter, *RatingsChart, keys);
        painter.end();
        if (!picture.save(&file, "PNG")) {
            file.cancelWriting();
            return false;
        }
    }
    return file.commit();
}

void TRatingsChartForm::CopyToClipboard() {
    QGuiApplication::clipboard()->setPixmap(RatingsChart->grab());
}

void TRatingsChartForm::setNextFileName(const QString& fileName, const QString& filter) {
    nextFile() = ChosenFile{fileName, filter};
}

void TRatingsChartForm::SaveBtnClick() {
    QString chosen;
    QString filter;
    if (nextFile()) {
        chosen = nextFile()->name;
        filter = nextFile()->filter;
        nextFile().reset();
    } else {
        chosen = QFileDialog::getSaveFileName(
            this, tr("Save the Ratings Chart"), QString::fromStdString(host_.appState().programDir),
            tr("PNG Picture (*.png);;SVG Drawing (*.svg)"), &filter);
    }
    chosen = withFilterExtension(chosen, filter);
    if (!chosen.isEmpty() && !saveChart(chosen)) {
        ShowPlainMessage(tr("The chart could not be written to %1.").arg(chosen),
                         QStringLiteral("GRD Oddsmith: Ratings Chart"), this);
    }
}

} // namespace grd
