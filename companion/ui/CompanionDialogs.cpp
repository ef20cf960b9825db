#include "ui/CompanionDialogs.h"

#include "WeekChoices.h"
#include "ui/HelpWindows.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kWeekChooserHelp = 360;
const char* const kProductName = "GRD Oddsmith 7.18";

QPointer<QDialog> splash;

QLabel* centredLabel(const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFrame* etchedLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QFont titleFont() {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(14);
    font.setBold(true);
    return font;
}

// The headings "Enter" and "Forecast", each over its part of the entries: placed by
// the list's fixed-pitch columns from where the list draws its text.
QWidget* weekHeadings(const QListWidget* list, QWidget* parent) {
    auto* headings = new QWidget(parent);
    QFontMetrics metrics(list->font());
    auto columns = [&metrics](int count) { return metrics.horizontalAdvance(QString(count, ' ')); };
    int textStart = list->frameWidth() +
                    list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    auto* row = new QHBoxLayout(headings);
    row->setContentsMargins(textStart + columns(kEnterColumn), 0, 0, 0);
    row->setSpacing(0);
    auto* enter = new QLabel("Enter", headings);
    enter->setObjectName("EnterLabel");
    enter->setFixedWidth(columns(kForecastColumn - kEnterColumn));
    auto* forecast = new QLabel("Forecast", headings);
    forecast->setObjectName("ForecastLabel");
    row->addWidget(enter);
    row->addWidget(forecast);
    row->addStretch();
    return headings;
}

} // namespace

void showSplash(QWidget* parent) {
    closeSplash();
    splash = new QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint);
    splash->setObjectName("SPLASHBOX");
    splash->setAttribute(Qt::WA_DeleteOnClose);
    auto* frame = new QFrame(splash);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    auto* layout = new QVBoxLayout(frame);
    QLabel* title = centredLabel(kProductName, frame, "TitleLabel");
    title->setFont(titleFont());
    layout->addWidget(title);
    layout->addWidget(etchedLine(frame));
    layout->addWidget(centredLabel("Please wait. Loading...", frame, "WaitLabel"));
    auto* outer = new QVBoxLayout(splash);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    splash->setFixedSize(290, 140);
    // Centred on the screen: the program's window may not have its final size yet.
    const QScreen* screen = parent != nullptr ? parent->screen() : nullptr;
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    splash->move(screen->availableGeometry().center() - splash->rect().center());
    splash->show();
}

void closeSplash() {
    if (splash)
        delete splash.data();
}

bool splashShown() {
    return !splash.isNull();
}

void runAboutBox(QWidget* parent) {
    QDialog about(parent);
    about.setObjectName("ABOUTBOX");
    about.setWindowTitle(" About GRD Oddsmith");
    auto* layout = new QVBoxLayout(&about);
    QLabel* title = centredLabel(kProductName, &about, "TitleLabel");
    title->setFont(titleFont());
    layout->addWidget(title);
    layout->addWidget(etchedLine(&about));
    QLabel* text = centredLabel("Point spread forecasts for professional football, week "
                                "after week, from the teams' ratings.",
                                &about, "InfoLabel");
    text->setWordWrap(true);
    layout->addWidget(text);
    // The main window names where it keeps the user's data; a path of any length
    // stays whole and can be copied from the read-only field.
    const QString dataDir = parent ? parent->property("dataDirectory").toString() : QString();
    if (!dataDir.isEmpty()) {
        layout->addWidget(centredLabel("Data directory:", &about, "DataDirLabel"));
        auto* path = new QLineEdit(dataDir, &about);
        path->setObjectName("DataDirEdit");
        path->setReadOnly(true);
        path->setCursorPosition(0);
        layout->addWidget(path);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &about);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OKBtn");
    buttons->setCenterButtons(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
    layout->addWidget(buttons);
    about.setFixedWidth(290);
    about.exec();
    closeHelpWindows();
}

int runWeekChooser(QWidget* parent, int regularWeeks, int standsAt) {
    QDialog dialog(parent);
    dialog.setObjectName("CHOOSEWEEK");
    // The program's F1 key reads the topic of the dialog in use from this property.
    dialog.setProperty("helpContext", kWeekChooserHelp);
    dialog.setWindowTitle(" GRD Oddsmith: Weekly Tasks: Choose Week");
    auto* layout = new QGridLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    list->setObjectName("WeekListBox");
    // The entries line up their dots, which needs a fixed-pitch font.
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const std::string& entry : weekChoices(regularWeeks))
        list->addItem(QString::fromStdString(entry));
    // The entry after the one the data stands at comes next; "Other" is never offered.
    const int lastScored = list->count() - 2;
    const bool known = standsAt >= 0 && standsAt < list->count();
    list->setCurrentRow(known && standsAt < lastScored ? standsAt + 1 : 0);
    list->setMinimumWidth(list->sizeHintForColumn(0) + 40);
    layout->addWidget(weekHeadings(list, &dialog), 0, 0);
    layout->addWidget(list, 1, 0);
    if (known) {
        QString entry = list->item(standsAt)->text();
        entry.replace(QRegularExpression("\\.{2,}"), " / ");
        auto* stands = new QLabel("The main data file stands at: " + entry.simplified(), &dialog);
        stands->setObjectName("StandsAtLabel");
        layout->addWidget(stands, 2, 0, 1, 2);
    }

    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->setOrientation(Qt::Vertical);
    QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
    ok->setObjectName("OKBtn");
    ok->setDefault(true);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("CancelBtn");
    QPushButton* help = buttons->addButton("Help", QDialogButtonBox::HelpRole);
    help->setObjectName("HelpBtn");
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(buttons, &QDialogButtonBox::helpRequested, &dialog,
                     [] { requestHelp(kWeekChooserHelp); });
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
    layout->addWidget(buttons, 1, 1);

    bool accepted = dialog.exec() == QDialog::Accepted;
    int row = list->currentItem() != nullptr && list->currentItem()->isSelected()
                  ? list->currentRow()
                  : -1;
    closeHelpWindows();
    return accepted ? row : -1;
}
