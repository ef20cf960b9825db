#include "accuracy/ui/AccuracyTestHost.h"
#include "accuracy/ui/AccuracyWindows.h"
#include "accuracy/ui/ChartPicture.h"
#include "accuracy/ui/TRatingsChartForm.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

#include <set>

using namespace grd;

namespace {

QList<QPointF> points(std::initializer_list<double> values) {
    QList<QPointF> result;
    int week = 0;
    for (double value : values) {
        result.append(QPointF(week++, value));
    }
    return result;
}

} // namespace

class TRatingsChartFormTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnTheHighestTotalsWithTheAverageLine() {
        test::AccuracyTestHost host;
        auto* form = host.formOf<TRatingsChartForm>(openRatingsChart(host));
        QVERIFY(form != nullptr);
        QCOMPARE(form->windowTitle(), QStringLiteral("Ratings Chart: 2025-26"));
        // All six of the fixture's teams, division by division, then the reference.
        QCOMPARE(form->seriesNames(),
                 QStringList({"Buffalo Bills", "Miami Dolphins", "New York Jets", "Dallas Cowboys",
                              "Green Bay Packers", "San Francisco 49ers", "League average"}));
        QCOMPARE(form->seriesPoints(QStringLiteral("Buffalo Bills")),
                 points({97.0, 97.5, 98.0, 98.5, 99.0}));
        QCOMPARE(form->seriesPoints(QStringLiteral("Miami Dolphins")),
                 points({98.0, 97.5, 97.0, 96.5, 96.0}));
        QCOMPARE(form->seriesPoints(QStringLiteral("League average")),
                 QList<QPointF>({QPointF(0, 100), QPointF(4, 100)}));
    }

    void choosingTheRatingAndTheTeamsRedraws() {
        test::AccuracyTestHost host;
        auto* form = host.formOf<TRatingsChartForm>(openRatingsChart(host));
        auto* rating = form->findChild<QComboBox*>(QStringLiteral("RatingCombo"));
        rating->setCurrentIndex(2);
        QCOMPARE(form->seriesPoints(QStringLiteral("Miami Dolphins")),
                 points({97.0, 96.5, 96.0, 95.5, 95.0}));
        auto* tree = form->findChild<QTreeWidget*>(QStringLiteral("TeamsTree"));
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("East Division"));
        // Every name shows whole.
        QVERIFY(tree->width() - tree->verticalScrollBar()->sizeHint().width() >=
                tree->columnWidth(0));
        tree->topLevelItem(0)->child(1)->setCheckState(0, Qt::Unchecked);
        QVERIFY(!form->seriesNames().contains(QStringLiteral("Miami Dolphins")));
        QCOMPARE(form->seriesNames().size(), 6);
    }

    void teamsAreTickedAllNoneOrByDivisionEachWithALookOfItsOwn() {
        test::AccuracyTestHost host;
        auto* form = host.formOf<TRatingsChartForm>(openRatingsChart(host));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("NoneBtn")), Qt::LeftButton);
        QCOMPARE(form->seriesNames(), QStringList({"League average"}));
        auto* tree = form->findChild<QTreeWidget*>(QStringLiteral("TeamsTree"));
        tree->topLevelItem(1)->setCheckState(0, Qt::Checked);
        QCOMPARE(form->seriesNames(), QStringList({"Dallas Cowboys", "Green Bay Packers",
                                                   "San Francisco 49ers", "League average"}));
        QTest::mouseClick(form->findChild<QPushButton*>(QStringLiteral("AllBtn")), Qt::LeftButton);
        QCOMPARE(form->seriesNames().size(), 7);
        QVERIFY(!tree->topLevelItem(0)->child(0)->icon(0).isNull());
        std::set<std::pair<QRgb, int>> looks;
        for (int32_t team = 1; team <= 32; ++team) {
            looks.insert({teamPen(team).color().rgb(), teamPen(team).style()});
        }
        QCOMPARE(looks.size(), size_t(32));
    }

    void savesTheKindChosenForANameWithoutExtension() {
        test::AccuracyTestHost host;
        auto* form = host.formOf<TRatingsChartForm>(openRatingsChart(host));
        auto* save = form->findChild<QPushButton*>(QStringLiteral("SaveBtn"));
        const auto name = host.dir.path() / "chart";
        TRatingsChartForm::setNextFileName(QString::fromStdString(name.string()),
                                           QStringLiteral("SVG Drawing (*.svg)"));
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(!std::filesystem::exists(name));
        const std::string svg = test::readFile(host.dir.path() / "chart.svg");
        QVERIFY(svg.find("<svg") != std::string::npos);
        QVERIFY(svg.find("<title>2025-26: Total Rating</title>") != std::string::npos);
    }

    void savesAsPngAndSvg() {
        test::AccuracyTestHost host;
        auto* form = host.formOf<TRatingsChartForm>(openRatingsChart(host));
        auto* save = form->findChild<QPushButton*>(QStringLiteral("SaveBtn"));
        const auto png = host.dir.path() / "chart.png";
        const auto svg = host.dir.path() / "chart.svg";
        TRatingsChartForm::setNextFileName(QString::fromStdString(png.string()));
        QTest::mouseClick(save, Qt::LeftButton);
        TRatingsChartForm::setNextFileName(QString::fromStdString(svg.string()));
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(test::readFile(png).substr(1, 3) == "PNG");
        QVERIFY(test::readFile(svg).find("<svg") != std::string::npos);
        QVERIFY(
            !form->saveChart(QString::fromStdString((host.dir.path() / "no/such.png").string())));
        QVERIFY(host.errors.empty());
        form->CopyToClipboard();
        QVERIFY(!QGuiApplication::clipboard()->pixmap().isNull());
    }
};

QTEST_MAIN(TRatingsChartFormTest)
#include "TRatingsChartForm_test.moc"
