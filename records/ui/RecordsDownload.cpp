#include "records/ui/RecordsDownload.h"

#include "league/Messages.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace grd {

namespace {

constexpr std::chrono::milliseconds kProgressInterval{100};
constexpr int kMaxRedirects = 10;

std::string mebibytes(std::int64_t bytes) {
    return std::to_string(bytes >> 20) + " MiB";
}

// One download: collects the body, watches the limits and remembers why it stopped.
class Download {
public:
    Download(QNetworkReply* reply, const DownloadLimits& limits, const DownloadProgress& progress)
        : reply_(reply), limits_(limits), progress_(progress) {}

    Result<std::string> run() {
        QEventLoop loop;
        QTimer silence;
        silence.setSingleShot(true);
        QTimer ticks;
        // The loop is every connection's context: none outlives this run.
        QObject::connect(&silence, &QTimer::timeout, &loop, [this] {
            stop("no answer within " + std::to_string(limits_.timeout.count() / 1000) + " s");
        });
        QObject::connect(&ticks, &QTimer::timeout, &loop, [this] { report(); });
        QObject::connect(reply_, &QNetworkReply::metaDataChanged, &loop, [this] { checkLength(); });
        QObject::connect(reply_, &QNetworkReply::readyRead, &loop, [this, &silence] {
            silence.start(limits_.timeout);
            collect();
        });
        QObject::connect(reply_, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        silence.start(limits_.timeout);
        ticks.start(kProgressInterval);
        if (!reply_->isFinished()) {
            loop.exec();
        }
        collect();
        return result();
    }

private:
    void stop(std::string why) {
        if (why_.empty()) {
            why_ = std::move(why);
        }
        reply_->abort();
    }

    void checkLength() {
        const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limits_.maxBytes) {
            stop("larger than " + mebibytes(limits_.maxBytes));
        }
    }

    void collect() {
        if (!why_.empty()) {
            return;
        }
        const QByteArray chunk = reply_->readAll();
        if (static_cast<std::int64_t>(body_.size() + static_cast<size_t>(chunk.size())) >
            limits_.maxBytes) {
            stop("larger than " + mebibytes(limits_.maxBytes));
            return;
        }
        body_.append(chunk.constData(), static_cast<size_t>(chunk.size()));
    }

    void report() {
        if (!progress_) {
            return;
        }
        const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (!progress_(static_cast<std::int64_t>(body_.size()),
                       length.isValid() ? length.toLongLong() : -1)) {
            stop("cancelled");
        }
    }

    Result<std::string> result() {
        if (why_ == "cancelled") {
            return Failure{0, why_};
        }
        if (!why_.empty()) {
            return Failure{kImportError, why_};
        }
        const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 300) {
            const QString reason =
                reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
            return Failure{kImportError, "HTTP status " + std::to_string(status) +
                                             (reason.isEmpty() ? "" : " " + reason.toStdString())};
        }
        if (reply_->error() != QNetworkReply::NoError) {
            return Failure{kImportError, cause()};
        }
        return std::move(body_);
    }

    std::string cause() const {
        const std::string text = reply_->errorString().toStdString();
        switch (reply_->error()) {
        case QNetworkReply::SslHandshakeFailedError:
            return "TLS error: " + text;
        case QNetworkReply::HostNotFoundError:
        case QNetworkReply::TemporaryNetworkFailureError:
        case QNetworkReply::NetworkSessionFailedError:
        case QNetworkReply::UnknownNetworkError:
            return "no network connection: " + text;
        default:
            return text;
        }
    }

    QNetworkReply* reply_;
    const DownloadLimits& limits_;
    const DownloadProgress& progress_;
    std::string body_;
    std::string why_;
};

} // namespace

Result<std::string> downloadFile(const QString& address, const DownloadLimits& limits,
                                 const DownloadProgress& progress) {
    const QUrl url(address, QUrl::StrictMode);
    const std::string named = address.toStdString() + ": ";
    if (!url.isValid() ||
        (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")) ||
        url.host().isEmpty()) {
        return Failure{kImportError, named + "not an http or https address"};
    }
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("GRD-Oddsmith"));
    std::unique_ptr<QNetworkReply> reply(network.get(request));
    auto body = Download(reply.get(), limits, progress).run();
    if (!body) {
        return Failure{body.failure().number, named + body.failure().detail};
    }
    return body;
}

Result<FetchedRecords> fetchPublicRecords(const QString& address, std::string_view seasonLabel,
                                          const DownloadLimits& limits,
                                          const DownloadProgress& progress) {
    auto text = downloadFile(address, limits, progress);
    if (!text) {
        return text.failure();
    }
    auto summary = checkPublicRecords(text.value(), seasonLabel);
    if (!summary) {
        return Failure{kImportError,
                       address.toStdString() +
                           ": not game records in the public layout: " + summary.failure().detail};
    }
    return FetchedRecords{std::move(text.value()), summary.value()};
}

} // namespace grd
