#pragma once

// A small HTTP server on 127.0.0.1 for tests of downloads: each path answers as it is
// told, in the test's own event loop, so no test touches the network.

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

namespace grd::test {

class LocalHttpServer : public QObject {
public:
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray location;   // for a redirect
        qint64 announced = -1; // a Content-Length other than the body's
        bool silent = false;   // reads the request and never answers

        static Answer file(QByteArray body, qint64 announced = -1) {
            return {200, std::move(body), {}, announced, false};
        }
        static Answer redirect(const QString& to) { return {302, {}, to.toLatin1(), -1, false}; }
        static Answer silence() { return {200, {}, {}, -1, true}; }
    };

    LocalHttpServer();

    void answer(const QByteArray& path, Answer answer) { answers_[path] = std::move(answer); }
    QString url(const QByteArray& path) const;
    int requestCount() const { return requests_; }

private:
    void serve(QTcpSocket* socket);

    QTcpServer server_;
    QMap<QByteArray, Answer> answers_;
    int requests_ = 0;
};

// Runs a program to its end while the event loop (and so the server) goes on; the
// exit code, or -1 when it did not run or crashed. Its output goes to *output.
int runServing(const QString& program, const QStringList& arguments, QByteArray* output = nullptr);

} // namespace grd::test
