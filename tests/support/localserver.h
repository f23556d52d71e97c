#pragma once
// A small HTTP server on 127.0.0.1 standing in for the online services. It records each
// request's path and query and answers every request as scripted: a body, an HTTP error,
// silence (the connection is taken and never answered) or nothing at all (the port closed).
// It runs in the test's own thread, inside the event loop of the request being waited for.

#include "platform/qtinternet.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHostAddress>
#include <QMouseEvent>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWidget>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tsl::test {

class LocalServer {
  public:
    struct Request {
        std::string path;  // "/qslcard/importADIF.cfm"
        std::string query; // as it arrived, percent-encoded, without the "?"
        // The query with every percent escape turned back into its byte.
        std::string decodedquery() const {
            return QByteArray::fromPercentEncoding(QByteArray::fromStdString(query)).toStdString();
        }
    };
    std::vector<Request> requests;
    // Runs when a request has arrived, before it is answered.
    std::function<void(const Request&)> onrequest;

    LocalServer() {
        server_.listen(QHostAddress::LocalHost);
        port_ = server_.serverPort();
        QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                take(socket);
        });
    }

    // "http://127.0.0.1:port", the base URL to point a service at.
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port_); }

    // Every request from now on gets this body with status 200, or the error status given.
    void answer(const std::string& body, int status = 200) {
        body_ = body;
        status_ = status;
        silent_ = false;
    }
    // Requests are taken and never answered.
    void answernothing() { silent_ = true; }
    // The port closes: connections are refused.
    void refuse() { server_.close(); }

  private:
    void take(QTcpSocket* socket) {
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            received->append(socket->readAll());
            if (!received->contains("\r\n\r\n")) return;
            const QByteArray line = received->left(received->indexOf("\r\n"));
            received->clear();
            const QList<QByteArray> parts = line.split(' ');
            const QByteArray target = parts.size() > 1 ? parts[1] : QByteArray();
            const auto mark = target.indexOf('?');
            Request r;
            r.path = (mark < 0 ? target : target.left(mark)).toStdString();
            r.query = mark < 0 ? std::string() : target.mid(mark + 1).toStdString();
            requests.push_back(r);
            if (onrequest) onrequest(r);
            if (silent_) return;
            const std::string head = "HTTP/1.1 " + std::to_string(status_) +
                                     (status_ == 200 ? " OK" : " Failed") +
                                     "\r\nContent-Type: text/html; charset=utf-8"
                                     "\r\nContent-Length: " +
                                     std::to_string(body_.size()) + "\r\nConnection: close\r\n\r\n";
            socket->write(QByteArray::fromStdString(head + body_));
            socket->disconnectFromHost();
        });
    }

    QTcpServer server_;
    quint16 port_ = 0;
    std::string body_;
    int status_ = 200;
    bool silent_ = false;
};

// A click on the widget queued as the window system queues one, for input that arrives while
// a request waits.
inline void postclick(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
        QCoreApplication::postEvent(w, new QMouseEvent(type, at, w->mapToGlobal(at), Qt::LeftButton,
                                                       Qt::LeftButton, Qt::NoModifier));
}

// The program's internet layer with every service at a closed port of this machine, so that
// nothing a test starts reaches another address; a test points it at its LocalServer.
struct LocalInternet : QtInternet {
    LocalInternet() {
        urls.hamcall = urls.qrz = urls.eqsl = "http://127.0.0.1:1";
        settimeout(std::chrono::seconds(2));
    }
    void pointat(const LocalServer& server) { urls.hamcall = urls.qrz = urls.eqsl = server.url(); }
};

} // namespace tsl::test
