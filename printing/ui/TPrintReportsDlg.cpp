#include "printing/ui/TPrintReportsDlg.h"

#include "league/ui/MessageDialogs.h"
#include "prefs/tPrefsRec.h"
#include "printing/ui/ReportPageLayout.h"
#include "printing/ui/ReportRun.h"
#include "printing/ui/SchedulePageLayout.h"
#include "printing/ui/TPagePrinter.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace grd {

namespace {

const QStringList kZoomItems = {QStringLiteral("Whole Page"),  QStringLiteral("Page Width"),
                                QStringLiteral("Page Height"), QStringLiteral("25%"),
                                QStringLiteral("50%"),         QStringLiteral("75%"),
                                QStringLiteral("100%"),        QStringLiteral("125%"),
                                QStringLiteral("150%"),        QStringLiteral("175%")};
constexpr int kFirstPercentItem = 3;

QFont pixelFont(const QString& family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

} // namespace

TPrintReportsDlg::TPrintReportsDlg(tPrefsRec& prefs, PrinterSource* printer, bool showHints,
                                   QWidget* parent)
    : QDialog(parent), prefs_(prefs), printer_(printer) {
    setObjectName(QStringLiteral("TPrintReportsDlg"));
    setWindowTitle(QStringLiteral(" GRD Oddsmith: Preview/Print"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint);
    resize(630, 475);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createToolbar(showHints);
    PgPrinter = new TPagePrinter(printer, this);
    layout->addWidget(PgPrinter, 1);

    PageWriter& writer = PgPrinter->writer();
    writer.setFont(pixelFont(QStringLiteral("Arial"), 13));
    writer.setHeaderFont(pixelFont(QStringLiteral("Courier New"), 13));
    writer.setFooterFont(pixelFont(QStringLiteral("Courier New"), 13));
    writer.setAutoHeaderFont(false);
    writer.setAutoFooterFont(false);
    writer.setMargins({1.0, 1.0, 1.0, 1.0});
    writer.setWordWrap(false);
    writer.setPageBackgroundColor(Qt::white);
    PgPrinter->setZoomPercent(40);
    PgPrinter->printOptions().progressMessage = QStringLiteral("Printing...");
    writer.OnNewPage = [this](int page) {
        PagesLabel->setText(QString::number(page));
        PagesLabel->repaint();
    };

    PreviewTimer = new QTimer(this);
    PreviewTimer->setInterval(250);
    PreviewTimer->setSingleShot(true);
    connect(PreviewTimer, &QTimer::timeout, this, &TPrintReportsDlg::PreviewTimerTimer);
}

TPrintReportsDlg::~TPrintReportsDlg() = default;

QToolButton* TPrintReportsDlg::toolButton(const char* name, const QString& text,
                                          const QString& hint) {
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

void TPrintReportsDlg::createToolbar(bool showHints) {
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setFixedHeight(30);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(2);
    PageSetupBtn = toolButton("PageSetupBtn", tr("Page &Layout"), tr("Change Page Layout"));
    PrintPrefsBtn = toolButton("PrintPrefsBtn", tr("&Options"), tr("Change Preview/Print Options"));
    FontBtn = toolButton("FontBtn", tr("&Font"), tr("Select a Font"));
    PrintBtn = toolButton("PrintBtn", tr("&Print"), tr("Print"));
    SaveAsPdfBtn = toolButton("SaveAsPdfBtn", tr("Save as PDF..."), tr("Save as PDF..."));
    ExitBtn = toolButton("ExitBtn", tr("E&xit"), tr("Exit Print Preview"));
    ZoomComboBox = new QComboBox(bar);
    ZoomComboBox->setObjectName(QStringLiteral("ZoomComboBox"));
    ZoomComboBox->setToolTip(tr("Change Zoom Size"));
    ZoomComboBox->setEditable(true);
    ZoomComboBox->setInsertPolicy(QComboBox::NoInsert);
    // 90 pixels, or wider where the style's font would cut "Whole Page".
    ZoomComboBox->setFixedWidth(
        std::max(90, ZoomComboBox->fontMetrics().horizontalAdvance(kZoomItems[0]) + 40));
    ZoomComboBox->setMaxVisibleItems(10);
    ZoomComboBox->addItems(kZoomItems);
    ZoomComboBox->lineEdit()->setMaxLength(11);
    ZoomComboBox->setEditText(QStringLiteral("40%"));
    ZoomComboBox->installEventFilter(this);
    ZoomComboBox->lineEdit()->installEventFilter(this);
    MarginsBtn = toolButton("MarginsBtn", tr("&Margins"), tr("Show/Hide Margins"));
    MarginsBtn->setCheckable(true);
    auto arrow = [this](const char* name, QStyle::StandardPixmap icon, const QString& hint) {
        QToolButton* button = toolButton(name, hint, hint);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        button->setEnabled(false);
        return button;
    };
    FirstPageBtn = arrow("FirstPageBtn", QStyle::SP_MediaSkipBackward, tr("First Page"));
    PreviousPageBtn = arrow("PreviousPageBtn", QStyle::SP_MediaSeekBackward, tr("Previous Page"));
    NextPageBtn = arrow("NextPageBtn", QStyle::SP_MediaSeekForward, tr("Next Page"));
    LastPageBtn = arrow("LastPageBtn", QStyle::SP_MediaSkipForward, tr("Last Page"));
    PagesLabel = new QLabel(bar);
    PagesLabel->setObjectName(QStringLiteral("PagesLabel"));
    for (QWidget* widget : std::initializer_list<QWidget*>{
             PageSetupBtn, PrintPrefsBtn, FontBtn, PrintBtn, SaveAsPdfBtn, ExitBtn, ZoomComboBox,
             MarginsBtn, FirstPageBtn, PreviousPageBtn, NextPageBtn, LastPageBtn})
        row->addWidget(widget);
    row->addWidget(new QLabel(tr("Page:"), bar));
    row->addWidget(PagesLabel);
    row->addStretch();
    layout()->addWidget(bar);
    // The zoom box takes the paging keys, so they work as soon as the window opens.
    ZoomComboBox->setFocus();
    if (!showHints) {
        for (QWidget* widget : bar->findChildren<QWidget*>())
            widget->setToolTip({});
    }

    connect(PageSetupBtn, &QToolButton::clicked, this, &TPrintReportsDlg::PageSetupBtnClick);
    connect(PrintPrefsBtn, &QToolButton::clicked, this, &TPrintReportsDlg::PrintPrefsBtnClick);
    connect(FontBtn, &QToolButton::clicked, this, &TPrintReportsDlg::FontBtnClick);
    connect(PrintBtn, &QToolButton::clicked, this, &TPrintReportsDlg::PrintBtnClick);
    connect(SaveAsPdfBtn, &QToolButton::clicked, this, &TPrintReportsDlg::SaveAsPdfBtnClick);
    connect(ExitBtn, &QToolButton::clicked, this, &QDialog::close);
    connect(MarginsBtn, &QToolButton::toggled, this,
            [this](bool on) { PgPrinter->setShowMargins(on); });
    connect(ZoomComboBox, &QComboBox::activated, this, &TPrintReportsDlg::ZoomComboBoxChange);
    connect(FirstPageBtn, &QToolButton::clicked, this, [this] { goTo(1); });
    connect(PreviousPageBtn, &QToolButton::clicked, this, [this] { goTo(-1); });
    connect(NextPageBtn, &QToolButton::clicked, this, [this] { goTo(-2); });
    connect(LastPageBtn, &QToolButton::clicked, this, [this] { goTo(0); });
}

void TPrintReportsDlg::setReports(const ReportText& text, const QString& jobTitle) {
    scheduleMode_ = false;
    PrintPrefsBtn->setVisible(true);
    text_ = text;
    currentReport_ = 1;
    title_ = jobTitle;
    PageWriter& writer = PgPrinter->writer();
    writer.setAutoPageBreak(false);
    writer.setPageBorders(0);
    writer.setTableGrid(false);
    writer.setWordWrap(false);
    writer.setTitle(jobTitle);
    layoutPending_ = true;
}

void TPrintReportsDlg::setSchedule(const QStringList& lines, ScheduleColumns columns,
                                   const QString& title) {
    scheduleMode_ = true;
    PrintPrefsBtn->setVisible(false);
    PrintPrefsBtn->setEnabled(false);
    scheduleColumns_ = columns;
    lines_ = lines;
    title_ = title;
    PageWriter& writer = PgPrinter->writer();
    writer.setAutoPageBreak(true);
    writer.setHeader(QStringLiteral(" GRD Oddsmith: ") + title);
    writer.setPageBorders(0);
    writer.setTableGrid(false);
    writer.setWordWrap(false);
    writer.setTitle(title);
    writer.Lines() = lines;
    layoutPending_ = true;
}

void TPrintReportsDlg::PrintReports(const ReportText& text, bool preview, const QString& jobTitle) {
    setReports(text, jobTitle);
    previewOnly_ = preview;
    if (preview)
        exec();
    else if (layOut())
        PrintBtnClick();
}

void TPrintReportsDlg::PrintSchedule(const QStringList& lines, ScheduleColumns columns,
                                     bool preview, const QString& title) {
    setSchedule(lines, columns, title);
    previewOnly_ = preview;
    if (preview)
        exec();
    else if (layOut())
        PrintBtnClick();
}

int TPrintReportsDlg::currentKind() const {
    if (scheduleMode_ || currentReport_ < 1 ||
        currentReport_ > static_cast<int>(text_.blocks.size()))
        return 0;
    return text_.blocks[static_cast<size_t>(currentReport_ - 1)].kind;
}

void TPrintReportsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (layoutPending_) {
        layoutPending_ = false;
        PreviewTimer->start();
    }
}

void TPrintReportsDlg::PreviewTimerTimer() {
    PreviewTimer->stop();
    previewOnly_ = true;
    if (layOut()) {
        ZoomComboBox->setCurrentIndex(0);
        PgPrinter->FitWholePage();
        return;
    }
    for (QWidget* widget : std::initializer_list<QWidget*>{
             ZoomComboBox, PrintBtn, SaveAsPdfBtn, MarginsBtn, FontBtn, PageSetupBtn, FirstPageBtn,
             PreviousPageBtn, NextPageBtn, LastPageBtn})
        widget->setEnabled(false);
}

bool TPrintReportsDlg::layOut() {
    return scheduleMode_ ? PrintTheSchedule() : PrintTheReports();
}

void TPrintReportsDlg::layoutFailed(const Failure& failure) {
    ShowError(previewOnly_ ? -48 : -33, failure.detail, this);
}

bool TPrintReportsDlg::PrintTheSchedule() {
    SchedulePageLayout layout(PgPrinter->writer());
    const auto& prefs = prefs_.schedules[static_cast<size_t>(schedulePrefsIndex(scheduleColumns_))];
    Status laid = layout.PrintTheSchedule(lines_, scheduleColumns_, prefs, title_);
    if (!laid) {
        layoutFailed(laid.failure());
        return false;
    }
    const int count = PgPrinter->PageCount();
    if (count > 0)
        PgPrinter->ShowPage(1);
    updatePagesLabel(count > 0 ? 1 : 0, count);
    setPageButtons(1, count);
    return true;
}

bool TPrintReportsDlg::PrintTheReports() {
    const int kind = currentKind();
    if (kind < 1 || kind > kReportPrefsCount) {
        layoutFailed(Failure{-48, "No report to lay out"});
        return false;
    }
    ReportPageLayout layout(PgPrinter->writer(), text_);
    Status laid = layout.PrintTheReports(
        currentReport_, prefs_.reports[static_cast<size_t>(kind - 1)], todayShortDate());
    if (!laid) {
        layoutFailed(laid.failure());
        return false;
    }
    if (PgPrinter->PageCount() > 0)
        PgPrinter->ShowPage(1);
    const int count = static_cast<int>(text_.blocks.size());
    setPageButtons(currentReport_, count);
    updatePagesLabel(currentReport_, count);
    return true;
}

void TPrintReportsDlg::ClearAndReprint() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    PgPrinter->hide();
    PageWriter& writer = PgPrinter->writer();
    writer.ClearPages();
    writer.ResetMetrics();
    layOut();
    QApplication::restoreOverrideCursor();
    PgPrinter->show();
}

void TPrintReportsDlg::updatePagesLabel(int current, int count) {
    PagesLabel->setText(QString::number(current) + QStringLiteral(" of ") + QString::number(count));
}

void TPrintReportsDlg::setPageButtons(int current, int count) {
    FirstPageBtn->setEnabled(current > 1);
    PreviousPageBtn->setEnabled(current > 1);
    NextPageBtn->setEnabled(current < count);
    LastPageBtn->setEnabled(current < count);
}

// target: a page or report number, 0 for the last, -1 for the previous, -2 for the next.
void TPrintReportsDlg::goTo(int target) {
    const int count =
        scheduleMode_ ? PgPrinter->PageCount() : static_cast<int>(text_.blocks.size());
    const int current = scheduleMode_ ? PgPrinter->shownPage() : currentReport_;
    int next = target;
    if (target == 0)
        next = count;
    else if (target == -1)
        next = current - 1;
    else if (target == -2)
        next = current + 1;
    if (next < 1 || next > count || next == current)
        return;
    if (scheduleMode_) {
        PgPrinter->ShowPage(next);
        updatePagesLabel(next, count);
        setPageButtons(next, count);
        return;
    }
    currentReport_ = next;
    ClearAndReprint();
}

void TPrintReportsDlg::ZoomComboBoxChange(int index) {
    if (index == 0)
        PgPrinter->FitWholePage();
    else if (index == 1)
        PgPrinter->FitPageWidth();
    else if (index == 2)
        PgPrinter->FitPageHeight();
    else if (index >= kFirstPercentItem && index < kZoomItems.size())
        PgPrinter->setZoomPercent(25 * (index - kFirstPercentItem + 1));
}

void TPrintReportsDlg::zoomTyped() {
    QString text = ZoomComboBox->currentText().trimmed();
    if (text.endsWith(QLatin1Char('%')))
        text.chop(1);
    bool ok = false;
    const int percent = text.toInt(&ok);
    if (!ok || percent < 10 || percent > 900) {
        ShowError(-47, {}, this);
        // The box shows the zoom in force again, ready to be typed over.
        const int fit = static_cast<int>(PgPrinter->fit());
        ZoomComboBox->setEditText(fit > 0 ? kZoomItems[fit - 1]
                                          : QStringLiteral("%1%").arg(PgPrinter->ZoomPercent()));
        ZoomComboBox->lineEdit()->selectAll();
        return;
    }
    PgPrinter->setZoomPercent(percent);
}

bool TPrintReportsDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    QToolButton* button = nullptr;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        zoomTyped();
        return true;
    case Qt::Key_PageUp:
        button = PreviousPageBtn;
        break;
    case Qt::Key_PageDown:
        button = NextPageBtn;
        break;
    case Qt::Key_End:
        button = LastPageBtn;
        break;
    case Qt::Key_Home:
        button = FirstPageBtn;
        break;
    default:
        return QDialog::eventFilter(watched, event);
    }
    if (button->isEnabled())
        button->click();
    return true;
}

} // namespace grd
