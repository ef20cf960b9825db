#include "prefs/ui/TPrefsDlg.h"

#include "league/ui/DialogButtons.h"
#include "prefs/ui/HelpWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace grd {
namespace {

constexpr int kDialogHelp = 460;
constexpr int kGeneralHelp = 470;
constexpr int kWindowsHelp = 510;

// A radio group of two items; the second stands for "on".
QGroupBox* radioGroup(const char* name, const QString& title, const QString& first,
                      const QString& second, QRadioButton*& firstButton,
                      QRadioButton*& secondButton, int helpContext) {
    auto* group = new QGroupBox(title);
    group->setObjectName(QLatin1String(name));
    group->setProperty("helpContext", helpContext);
    auto* layout = new QVBoxLayout(group);
    firstButton = new QRadioButton(first, group);
    firstButton->setObjectName(QLatin1String(name) + QStringLiteral("Item0"));
    secondButton = new QRadioButton(second, group);
    secondButton->setObjectName(QLatin1String(name) + QStringLiteral("Item1"));
    layout->addWidget(firstButton);
    layout->addWidget(secondButton);
    return group;
}

} // namespace

TPrefsDlg::TPrefsDlg(const PrefsChoices& choices, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrefsDlg"));
    setWindowTitle(QStringLiteral(" GRD Oddsmith: Preferences"));
    setProperty("helpContext", kDialogHelp);

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("PageControl"));
    pages_->setMinimumWidth(420); // room for the caption and both groups side by side
    pages_->addTab(createGeneralPage(), QStringLiteral("General"));
    pages_->addTab(createWindowsPage(), QStringLiteral(" Windows"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(okCancelHelpButtons(this, QStringLiteral("&Help"), [this] {
                          showHelp(pageHelpContext());
                      }).box);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ToolbarCB->setChecked(choices.toolbar);
    StatusLineCB->setChecked(choices.statusLine);
    FlybyCB->setChecked(choices.flyby);
    WelcomeCB->setChecked(choices.welcome);
    VertLinesCB->setChecked(choices.vertLines);
    HorzLinesCB->setChecked(choices.horzLines);
    HighlightCB->setChecked(choices.highlight);
    TeamToolbarCB->setChecked(choices.teamToolbar);
    CatToolbarCB->setChecked(choices.catToolbar);
    SchedToolbarCB->setChecked(choices.schedToolbar);
    (choices.cityNames ? namesCity_ : namesTeam_)->setChecked(true);
    (choices.tileVert ? tileVertical_ : tileHorizontal_)->setChecked(true);
}

QCheckBox* TPrefsDlg::addBox(QWidget* page, const char* name, const QString& caption,
                             int helpContext) {
    auto* box = new QCheckBox(caption, page);
    box->setObjectName(QLatin1String(name));
    if (helpContext != 0)
        box->setProperty("helpContext", helpContext);
    return box;
}

QWidget* TPrefsDlg::createGeneralPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("MainSheet"));
    page->setProperty("helpContext", kGeneralHelp);
    auto* layout = new QVBoxLayout(page);
    ToolbarCB = addBox(page, "ToolbarCB", QStringLiteral("Show Main &Toolbar"), 480);
    StatusLineCB = addBox(page, "StatusLineCB", QStringLiteral("Show Main Status &Line"), 490);
    FlybyCB = addBox(page, "FlybyCB", QStringLiteral("Show Fl&y-by Hints"), 500);
    WelcomeCB = addBox(page, "WelcomeCB", QStringLiteral("Show &Welcome Dialog"), 0);
    for (QCheckBox* box : {ToolbarCB, StatusLineCB, FlybyCB, WelcomeCB})
        layout->addWidget(box);
    layout->addStretch();
    return page;
}

QWidget* TPrefsDlg::createWindowsPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("GridSheet"));
    page->setProperty("helpContext", kWindowsHelp);

    auto* grids = new QGroupBox(QStringLiteral(" Grids "), page);
    auto* gridsLayout = new QVBoxLayout(grids);
    VertLinesCB = addBox(grids, "VertLinesCB", QStringLiteral("&Vertical Lines"), 540);
    HorzLinesCB = addBox(grids, "HorzLinesCB", QStringLiteral("H&orizontal Lines"), 530);
    HighlightCB = addBox(grids, "HighlightCB", QStringLiteral("&Row Highlighting"), 550);
    for (QCheckBox* box : {VertLinesCB, HorzLinesCB, HighlightCB})
        gridsLayout->addWidget(box);

    auto* toolbars = new QGroupBox(QStringLiteral(" Toolbars "), page);
    auto* toolbarsLayout = new QVBoxLayout(toolbars);
    TeamToolbarCB = addBox(toolbars, "TeamToolbarCB", QStringLiteral("T&eam Rankings"), 570);
    CatToolbarCB = addBox(toolbars, "CatToolbarCB", QStringLiteral("C&ategory Rankings"), 580);
    SchedToolbarCB = addBox(toolbars, "SchedToolbarCB", QStringLiteral("&Schedule"), 590);
    for (QCheckBox* box : {TeamToolbarCB, CatToolbarCB, SchedToolbarCB})
        toolbarsLayout->addWidget(box);

    auto* names = radioGroup("NamesRGroup", QStringLiteral(" Names "), QStringLiteral("&Team"),
                             QStringLiteral("&City"), namesTeam_, namesCity_, 600);
    auto* tile = radioGroup("TileRGroup", QStringLiteral(" Tile "), QStringLiteral("Hori&zontal"),
                            QStringLiteral("Vertica&l"), tileHorizontal_, tileVertical_, 610);

    auto* left = new QVBoxLayout;
    left->addWidget(grids);
    left->addWidget(toolbars);
    auto* right = new QVBoxLayout;
    right->addWidget(names);
    right->addWidget(tile);
    right->addStretch();
    auto* layout = new QHBoxLayout(page);
    layout->addLayout(left);
    layout->addLayout(right);
    return page;
}

PrefsChoices TPrefsDlg::choices() const {
    PrefsChoices result;
    result.toolbar = ToolbarCB->isChecked();
    result.statusLine = StatusLineCB->isChecked();
    result.flyby = FlybyCB->isChecked();
    result.welcome = WelcomeCB->isChecked();
    result.vertLines = VertLinesCB->isChecked();
    result.horzLines = HorzLinesCB->isChecked();
    result.highlight = HighlightCB->isChecked();
    result.teamToolbar = TeamToolbarCB->isChecked();
    result.catToolbar = CatToolbarCB->isChecked();
    result.schedToolbar = SchedToolbarCB->isChecked();
    result.cityNames = namesCity_->isChecked();
    result.tileVert = tileVertical_->isChecked();
    return result;
}

int TPrefsDlg::pageHelpContext() const {
    return pages_->currentIndex() == 0 ? kGeneralHelp : kWindowsHelp;
}

std::optional<PrefsChoices> TPrefsDlg::Run(const PrefsChoices& choices, QWidget* parent) {
    TPrefsDlg dialog(choices, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choices();
}

} // namespace grd
