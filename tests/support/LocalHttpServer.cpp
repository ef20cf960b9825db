#include "support/LocalHttpServer.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QProcess>
#include <QTcpSocket>

namespace grd::test {

namespace {

QByteArray reasonOf(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 302:
        return "Found";
    case 404:
        return "Not Found";
    default:
        return "Status";
    }
}

} // namespace

LocalHttpServer::LocalHttpServer() {
    server_.listen(QHostAddress::LocalHost);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

QString LocalHttpServer::url(const QByteArray& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2")
        .arg(server_.serverPort())
        .arg(QString::fromLatin1(path));
}

void LocalHttpServer::serve(QTcpSocket* socket) {
    const QByteArray received = socket->peek(socket->bytesAvailable());
    // Not HTTP (a TLS hello, say): answered as a plain server would.
    if (!QByteArray("GET ").startsWith(received.left(4))) {
        socket->write("HTTP/1.1 400 Bad Request\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    // The whole head first; a GET has no body.
    if (!received.contains("\r\n\r\n")) {
        return;
    }
    const QByteArray head = socket->readAll();
    const QByteArray path = head.split(' ').value(1);
    ++requests_;
    const Answer answer = answers_.value(path, Answer{404, "no such file", {}, -1, false});
    if (answer.silent) {
        return;
    }
    QByteArray reply =
        "HTTP/1.1 " + QByteArray::number(answer.status) + " " + reasonOf(answer.status) +
        "\r\nContent-Length: " +
        QByteArray::number(answer.announced >= 0 ? answer.announced : answer.body.size()) +
        "\r\nConnection: close\r\n";
    if (!answer.location.isEmpty()) {
        reply += "Location: " + answer.location + "\r\n";
    }
    socket->write(reply + "\r\n" + answer.body);
    socket->disconnectFromHost();
}

int runServing(const QString& program, const QStringList& arguments, QByteArray* output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    process.start(program, arguments);
    loop.exec();
    process.waitForFinished();
    if (output != nullptr) {
        *output = process.readAll();
    }
    return process.exitStatus() == QProcess::NormalExit &&
                   process.error() != QProcess::FailedToStart
               ? process.exitCode()
               : -1;
}

} // namespace grd::test
