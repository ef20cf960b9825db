#include "prefs/ui/HelpWindow.h"

#include "league/ui/MessageDialogs.h"
#include "prefs/HelpMap.h"
#include "prefs/ui/HelpService.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>

namespace grd {
namespace {

QPointer<HelpWindow> theWindow;
QString bundleOverride;

constexpr int kFileRole = Qt::UserRole;

// The companion library asks for help by name; register the service as soon as the
// application exists.
void registerHelpService() {
    auto* service = new HelpService(QCoreApplication::instance());
    service->setObjectName("GRDOddsHelp");
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerHelpService)

void showHelp(int context) {
    HelpWindow::instance()->showContext(context);
}

void showHelpContents() {
    HelpWindow::instance()->showContents();
}

void closeHelp() {
    if (theWindow)
        theWindow->close();
}

HelpWindow* HelpWindow::instance() {
    if (!theWindow)
        theWindow = new HelpWindow;
    return theWindow;
}

bool HelpWindow::exists() {
    return !theWindow.isNull();
}

void HelpWindow::setBundleDir(const QString& dir) {
    bundleOverride = dir;
}

QString HelpWindow::bundleDir() {
    if (!bundleOverride.isEmpty())
        return bundleOverride;
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QString::fromUtf8(HelpMap::kBundleName.data(),
                                    static_cast<qsizetype>(HelpMap::kBundleName.size())));
}

HelpWindow::HelpWindow() : QMainWindow(nullptr) {
    setObjectName("HelpWindow");
    setWindowTitle("GRD Oddsmith Help");
    setAttribute(Qt::WA_DeleteOnClose);
    auto* splitter = new QSplitter(this);
    contents_ = new QTreeWidget(splitter);
    contents_->setObjectName("ContentsTree");
    contents_->setHeaderLabel("Contents");
    contents_->setRootIsDecorated(false);
    browser_ = new QTextBrowser(splitter);
    browser_->setObjectName("HelpBrowser");
    // Links to the web belong in the user's browser, not in the help viewer.
    browser_->setOpenExternalLinks(true);
    splitter->setStretchFactor(1, 3);
    setCentralWidget(splitter);
    resize(820, 600);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { openTopic(item->data(0, kFileRole).toString()); });
    connect(contents_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { openTopic(item->data(0, kFileRole).toString()); });
}

HelpWindow::~HelpWindow() = default;

bool HelpWindow::loadBundle() {
    QString dir = bundleDir();
    Result<HelpMap> map = HelpMap::load(dir.toStdString());
    if (!map) {
        // Reported on every request, as the bundle may come back meanwhile.
        ShowError(map.failure());
        return false;
    }
    if (map_ == nullptr || loadedDir_ != dir) {
        map_ = std::make_unique<HelpMap>(std::move(map.value()));
        loadedDir_ = dir;
        browser_->setSearchPaths({dir});
        fillContents();
    }
    return true;
}

void HelpWindow::fillContents() {
    contents_->clear();
    for (const HelpMap::Topic& topic : map_->contents()) {
        auto* item = new QTreeWidgetItem(contents_, {QString::fromStdString(topic.title)});
        item->setData(0, kFileRole, QString::fromStdString(topic.file));
    }
}

bool HelpWindow::openTopic(const QString& file) {
    const QString page = QDir(loadedDir_).filePath(file.section('#', 0, 0));
    if (!QFileInfo(page).isFile()) {
        ShowError(-53, quotedPath(page.toStdString()));
        return false;
    }
    QUrl url = QUrl::fromLocalFile(page);
    if (file.contains('#'))
        url.setFragment(file.section('#', 1));
    browser_->setSource(url);
    markInContents(file);
    return true;
}

// The contents entry of the topic shown, or else of its page, is the current one.
void HelpWindow::markInContents(const QString& file) {
    QTreeWidgetItem* pageItem = nullptr;
    for (int row = 0; row < contents_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = contents_->topLevelItem(row);
        const QString entry = item->data(0, kFileRole).toString();
        if (entry == file) {
            contents_->setCurrentItem(item);
            return;
        }
        if (pageItem == nullptr && entry == file.section('#', 0, 0))
            pageItem = item;
    }
    if (pageItem != nullptr)
        contents_->setCurrentItem(pageItem);
}

bool HelpWindow::showContext(int context) {
    if (!loadBundle()) {
        if (!isVisible())
            deleteLater();
        return false;
    }
    if (!openTopic(QString::fromStdString(map_->fileFor(context)))) {
        if (!isVisible())
            deleteLater();
        return false;
    }
    followModalDialog();
    wanted_ = true;
    show();
    keepOnScreen();
    raise();
    activateWindow();
    return true;
}

bool HelpWindow::showContents() {
    if (!showContext(0))
        return false;
    contents_->setFocus();
    return true;
}

// A modal dialog blocks every window but its own, so help asked for from a dialog
// becomes the dialog's window until the dialog goes away.
void HelpWindow::followModalDialog() {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == this || modal == parentWidget())
        return;
    if (parentWidget() != nullptr)
        parentWidget()->removeEventFilter(this);
    setParent(modal, Qt::Window);
    modal->installEventFilter(this);
}

// Placed over a dialog, the window could reach past the bottom of a small screen.
void HelpWindow::keepOnScreen() {
    const QRect available = screen()->availableGeometry();
    QRect frame = frameGeometry();
    const QSize margins = frame.size() - size();
    resize(size().boundedTo(available.size() - margins));
    frame = frameGeometry();
    frame.moveRight(std::min(frame.right(), available.right()));
    frame.moveBottom(std::min(frame.bottom(), available.bottom()));
    frame.moveLeft(std::max(frame.left(), available.left()));
    frame.moveTop(std::max(frame.top(), available.top()));
    move(frame.topLeft());
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Hide) {
        watched->removeEventFilter(this);
        setParent(nullptr, Qt::Window);
        followModalDialog(); // an outer dialog may still be open
        if (wanted_)
            show();
    }
    return QMainWindow::eventFilter(watched, event);
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    wanted_ = false;
    QMainWindow::closeEvent(event);
}

QString HelpWindow::currentTopic() const {
    QUrl source = browser_->source();
    QString name = source.fileName();
    return source.hasFragment() ? name + "#" + source.fragment() : name;
}

} // namespace grd
