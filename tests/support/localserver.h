#pragma once
// A small HTTP server on 127.0.0.1 standing in for the online services. It records each
// request's path and query and answers every request as scripted: a body, an HTTP error,
// silence (the connection is taken and never answered) or nothing at all (the port closed);
// or as a hostile server would: a body of many megabytes, a header line of many megabytes,
// a body that never ends, a redirection, or a connection reset.
// It runs in the test's own thread, inside the event loop of the request being waited for.

#include "platform/qtinternet.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QHostAddress>
#include <QMouseEvent>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QWidget>

#include <sys/socket.h>

#include <algorithm>
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
        mode_ = mode::body;
    }
    // Requests are taken and never answered.
    void answernothing() { silent_ = true; }
    // A body of size bytes, the prefix and then "x", sent as fast as the client takes it;
    // its length announced in the head, or not (the end of the connection ends it).
    void answerlong(const std::string& prefix, std::size_t size, bool announced) {
        answer(prefix);
        mode_ = announced ? mode::longannounced : mode::longunannounced;
        longsize_ = size;
    }
    // A head whose one header line holds size bytes, sent as fast as the client takes them,
    // and then the body.
    void answerlonghead(const std::string& body, std::size_t size) {
        answer(body);
        mode_ = mode::longhead;
        longsize_ = size;
    }
    // The head, then a few bytes of body every 20 ms, never ending.
    void answerendlessly() {
        answer("");
        mode_ = mode::endless;
    }
    // A 302 answer pointing at location.
    void redirect(const std::string& location) {
        answer("");
        mode_ = mode::redirect;
        location_ = location;
    }
    // The connection reset as soon as a request has arrived.
    void reset() {
        answer("");
        mode_ = mode::reset;
    }
    // Bytes of body sent so far, over all requests.
    std::size_t bodysent() const { return sent_; }
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
            respond(socket);
        });
    }

    std::string head(int status, const std::string& extra) const {
        return "HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Failed") +
               "\r\nContent-Type: text/html; charset=utf-8\r\n" + extra +
               "Connection: close\r\n\r\n";
    }

    void respond(QTcpSocket* socket) {
        switch (mode_) {
        case mode::body:
            socket->write(QByteArray::fromStdString(
                head(status_, "Content-Length: " + std::to_string(body_.size()) + "\r\n") + body_));
            socket->disconnectFromHost();
            break;
        case mode::longannounced:
        case mode::longunannounced:
            socket->write(QByteArray::fromStdString(
                head(200, mode_ == mode::longannounced
                              ? "Content-Length: " + std::to_string(longsize_) + "\r\n"
                              : "")));
            feed(socket, std::make_shared<std::size_t>(0), "");
            break;
        case mode::longhead:
            socket->write("HTTP/1.1 200 OK\r\nX-Filler: ");
            feed(socket, std::make_shared<std::size_t>(0),
                 "\r\n" +
                     head(200, "Content-Length: " + std::to_string(body_.size()) + "\r\n")
                         .substr(17) +
                     body_);
            break;
        case mode::endless: {
            socket->write(QByteArray::fromStdString(head(200, "") + body_));
            auto* timer = new QTimer(socket);
            QObject::connect(timer, &QTimer::timeout, socket, [this, socket] {
                if (socket->state() != QAbstractSocket::ConnectedState) return;
                socket->write("Error: still coming ");
                sent_ += 20;
            });
            timer->start(20);
            break;
        }
        case mode::redirect:
            socket->write(
                QByteArray::fromStdString("HTTP/1.1 302 Found\r\nLocation: " + location_ +
                                          "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n"));
            socket->disconnectFromHost();
            break;
        case mode::reset: {
            // No lingering: the close sends a reset instead of the orderly end.
            const linger now{1, 0};
            setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now,
                       sizeof now);
            socket->abort();
            break;
        }
        }
    }

    // The long body (or header line) in pieces, each written once the client has taken most
    // of the last; then the tail, and the end of the connection.
    void feed(QTcpSocket* socket, std::shared_ptr<std::size_t> done, const std::string& tail) {
        const auto more = [this, socket, done, tail] {
            while (socket->state() == QAbstractSocket::ConnectedState &&
                   socket->bytesToWrite() < 256 * 1024 && *done < longsize_) {
                std::string piece = *done == 0 && mode_ != mode::longhead ? body_ : std::string();
                piece.resize(std::min<std::size_t>(64 * 1024, longsize_ - *done), 'x');
                socket->write(piece.data(), static_cast<qint64>(piece.size()));
                *done += piece.size();
                sent_ += piece.size();
            }
            if (*done == longsize_ && socket->state() == QAbstractSocket::ConnectedState) {
                socket->write(tail.data(), static_cast<qint64>(tail.size()));
                *done += 1;
                socket->disconnectFromHost();
            }
        };
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
        more();
    }

    enum class mode { body, longannounced, longunannounced, longhead, endless, redirect, reset };

    QTcpServer server_;
    quint16 port_ = 0;
    std::string body_;
    int status_ = 200;
    bool silent_ = false;
    mode mode_ = mode::body;
    std::size_t longsize_ = 0;
    std::string location_;
    std::size_t sent_ = 0;
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
