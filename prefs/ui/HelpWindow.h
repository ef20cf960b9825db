#pragma once

#include "prefs/ui/HelpCommands.h"

#include <QMainWindow>
#include <QString>
#include <memory>

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

namespace grd {

class HelpMap;

// The help viewer: the bundle's table of contents beside a text browser.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    // The one help window of the program, created on first use.
    static HelpWindow* instance();
    static bool exists();

    // The folder of the help bundle: the one start-up found; empty for GRDOdds.help
    // beside the executable.
    static void setBundleDir(const QString& dir);
    static QString bundleDir();

    // False (after reporting -52 or -53) when the bundle is missing or its page is.
    bool showContext(int context);
    bool showContents();
    // The file (and "#section") shown.
    QString currentTopic() const;

    ~HelpWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    HelpWindow();
    void followModalDialog();
    void keepOnScreen();
    bool loadBundle();
    // False (after reporting -53) when the topic's page is missing from the bundle.
    bool openTopic(const QString& file);
    void fillContents();
    void markInContents(const QString& file);

    QTextBrowser* browser_ = nullptr;
    QTreeWidget* contents_ = nullptr;
    std::unique_ptr<HelpMap> map_;
    QString loadedDir_;
    bool wanted_ = false; // shown by the user's request and not closed since
};

} // namespace grd
