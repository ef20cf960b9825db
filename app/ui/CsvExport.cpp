#include "app/ui/CsvExport.h"

#include "files/AtomicFile.h"
#include "league/ui/MessageDialogs.h"
#include "league/ui/ScriptedFileName.h"

#include <QDir>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMetaObject>
#include <QRegularExpression>

#include <optional>

namespace grd {

namespace {

const QString kCaption = QStringLiteral("GRD Oddsmith: Export as CSV");

ScriptedFileName& nextFileName() {
    static ScriptedFileName name;
    return name;
}

// The form of the active child that answers csvText(), or none.
QObject* exportingForm(QMdiArea* area) {
    QMdiSubWindow* active = area == nullptr ? nullptr : area->activeSubWindow();
    if (active == nullptr || active->widget() == nullptr) {
        return nullptr;
    }
    QObject* form = active->widget();
    return form->metaObject()->indexOfMethod("csvText()") >= 0 ? form : nullptr;
}

QString chooseFile(QWidget* parent, const QString& caption) {
    if (auto scripted = nextFileName().take()) {
        QString name = *scripted;
        return name;
    }
    // The window's caption, made a file name: "Team Rankings 2025-26 Week 10.csv".
    QString suggested = caption.simplified();
    suggested.replace(QRegularExpression(QStringLiteral("[/:\\\\*?\"<>|]")), QString());
    return QFileDialog::getSaveFileName(parent, kCaption,
                                        QDir::home().filePath(suggested + QStringLiteral(".csv")),
                                        QObject::tr("CSV files (*.csv)"));
}

} // namespace

bool canExportCsv(QMdiArea* area) {
    return exportingForm(area) != nullptr;
}

void exportActiveWindowCsv(QMdiArea* area, QWidget* parent) {
    QObject* form = exportingForm(area);
    if (form == nullptr) {
        return;
    }
    QString text;
    QMetaObject::invokeMethod(form, "csvText", Q_RETURN_ARG(QString, text));
    QString file = chooseFile(parent, area->activeSubWindow()->windowTitle());
    if (file.isEmpty()) {
        return;
    }
    std::string reason;
    if (!writeFileAtomically(file.toStdString(), text.toStdString(), &reason)) {
        ShowPlainMessage(
            QObject::tr("The CSV file was not written: %1").arg(QString::fromStdString(reason)),
            kCaption, parent);
    }
}

void setNextCsvFileName(const QString& fileName) {
    nextFileName().set(fileName);
}

} // namespace grd
