#include "prefs/ui/TWelcomeDlg.h"

#include "league/ui/MessageDialogs.h"
#include "prefs/ui/HelpWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace grd {
namespace {

constexpr int kWelcomeHelp = 810;

struct Topic {
    const char* caption;
    int helpContext;
};
constexpr Topic kTopics[] = {
    {"&Trying Out Oddsmith", 910}, {"&Overview", 810},    {"What's &New?", 840},
    {"&Weekly Tasks", 360},        {"Catching &Up", 890}, {"&Interpreting Forecasts", 940},
};

QLabel* wrappedLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    return label;
}

} // namespace

// A pop-up with a frame and no title bar; the flags are given at construction, as
// changing them later makes a new window that outlives the program's last one.
TWelcomeDlg::TWelcomeDlg(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint) {
    setObjectName(QStringLiteral("WelcomeDlg"));
    setWindowTitle(QStringLiteral(" GRD Oddsmith"));
    setProperty("helpContext", kWelcomeHelp);

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(2);

    auto* welcome = new QLabel(QStringLiteral("Welcome to GRD Oddsmith"), frame);
    welcome->setObjectName(QStringLiteral("WelcomeLabel"));
    QFont big = welcome->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.6);
    welcome->setFont(big);
    welcome->setStyleSheet(QStringLiteral("color: green"));

    auto* info = wrappedLabel(
        "InfoLabel",
        QStringLiteral("Each week you select Tasks | Weekly from the main menu (or press the "
                       "Weekly Tasks button, the first on the tool bar) and Oddsmith guides you "
                       "through the process of entering "
                       "scores, generating forecasts, saving the data, printing the reports and "
                       "viewing the rankings."),
        frame);
    auto* choose = wrappedLabel("ChooseHelpLabel",
                                QStringLiteral("If you haven't used GRD Oddsmith before, you "
                                               "should read the help topics listed below."),
                                frame);

    auto* group = new QGroupBox(frame);
    group->setObjectName(QStringLiteral("TopicsRG"));
    auto* groupLayout = new QVBoxLayout(group);
    topics_ = new QButtonGroup(this);
    for (int i = 0; i < static_cast<int>(std::size(kTopics)); ++i) {
        auto* item = new QRadioButton(QLatin1String(kTopics[i].caption), group);
        item->setObjectName(QStringLiteral("TopicsRGItem%1").arg(i));
        topics_->addButton(item, i);
        groupLayout->addWidget(item);
    }
    topics_->button(0)->setChecked(true);

    DoNotShowCB = new QCheckBox(QStringLiteral("Don't Show This Form Again"), frame);
    DoNotShowCB->setObjectName(QStringLiteral("DoNotShowCB"));

    auto* display = new QPushButton(QStringLiteral("Display &Help Topic"), frame);
    display->setObjectName(QStringLiteral("DisplayHelpBtn"));
    display->setDefault(true);
    connect(display, &QPushButton::clicked, this, [this] { showHelp(selectedHelpContext()); });
    auto* proceed = new QPushButton(QStringLiteral("&Continue"), frame);
    proceed->setObjectName(QStringLiteral("ContinueBtn"));
    connect(proceed, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DoNotShowCB);
    buttons->addStretch();
    buttons->addWidget(display);
    buttons->addWidget(proceed);

    auto* inner = new QVBoxLayout(frame);
    inner->addWidget(welcome, 0, Qt::AlignHCenter);
    inner->addWidget(info);
    inner->addWidget(choose);
    inner->addWidget(group);
    inner->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    setFixedWidth(460);
}

int TWelcomeDlg::selectedHelpContext() const {
    const int item = topics_->checkedId();
    return item >= 0 ? kTopics[item].helpContext : kWelcomeHelp;
}

bool TWelcomeDlg::showAgain() const {
    return !DoNotShowCB->isChecked();
}

bool TWelcomeDlg::ShowWelcome(QWidget* parent) {
    if (MessageDialogs::recording())
        return true;
    TWelcomeDlg dialog(parent);
    dialog.exec();
    return dialog.showAgain();
}

} // namespace grd
