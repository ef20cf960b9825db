#include "accuracy/ui/AccuracyTestHost.h"
#include "accuracy/ui/AccuracyWindows.h"
#include "accuracy/ui/TRatingsChartForm.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

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
        tree->topLevelItem(0)->child(1)->setCheckState(0, Qt::Unchecked);
        QVERIFY(!form->seriesNames().contains(QStringLiteral("Miami Dolphins")));
        QCOMPARE(form->seriesNames().size(), 6);
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
