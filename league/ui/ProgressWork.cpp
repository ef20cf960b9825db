#include "league/ui/ProgressWork.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <thread>

namespace grd {

namespace {

constexpr int kSteps = 1000;
constexpr int kPollMilliseconds = 50;
// Short work finishes before the dialog would flash up.
constexpr int kShowAfterMilliseconds = 400;

} // namespace

bool runWithProgress(QWidget* parent, const QString& caption, const QString& label,
                     const std::function<void(const ReadProgress&)>& work) {
    std::atomic<std::uint64_t> done{0};
    std::atomic<std::uint64_t> total{0};
    std::atomic<bool> cancelled{false};
    std::atomic<bool> finished{false};
    std::thread worker([&] {
        work([&](std::uint64_t now, std::uint64_t all) {
            done = now;
            total = all;
            return !cancelled.load();
        });
        finished = true;
    });
    QProgressDialog dialog(label, QObject::tr("Cancel"), 0, kSteps, parent);
    dialog.setWindowTitle(caption);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(kShowAfterMilliseconds);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] { cancelled = true; });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (finished) {
            loop.quit();
            return;
        }
        std::uint64_t all = total;
        dialog.setValue(all == 0 ? 0 : static_cast<int>(done * kSteps / all));
    });
    poll.start(kPollMilliseconds);
    if (!finished) {
        loop.exec();
    }
    worker.join();
    return !cancelled;
}

} // namespace grd
