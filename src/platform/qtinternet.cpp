#include "qtinternet.h"

#include "codepage.h"
#include "httpreply.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QSslSocket>
#include <QTimer>
#include <QUrl>

namespace tsl {

namespace {

// Eats every user input event of the application while it is installed. Input that
// arrives during a request is dropped rather than held back, so a click on Save made
// while waiting does not save a second time afterwards.
class InputShutter : public QObject {
  public:
    InputShutter() {
        if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
    }
    ~InputShutter() override {
        if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    }
    InputShutter(const InputShutter&) = delete;
    InputShutter& operator=(const InputShutter&) = delete;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::Close:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

UrlReply QtInternet::OpenURL(const std::string& url) {
    UrlReply result;
    const QUrl target = QUrl::fromEncoded(QByteArray::fromStdString(url), QUrl::StrictMode);
    const QString scheme = target.scheme().toLower();
    if (!target.isValid() || target.host().isEmpty() || (scheme != "http" && scheme != "https")) {
        result.failure = urlfailure::noconnection;
        return result;
    }
    const bool secure = scheme == "https";
    const auto port = static_cast<quint16>(target.port(secure ? 443 : 80));
    // One request on its own connection, closed by the server after the reply. Nothing is
    // sent again when the connection fails: a save may not reach eQSL twice.
    QByteArray path = target.path(QUrl::FullyEncoded).toLatin1();
    if (path.isEmpty()) path = "/";
    if (target.hasQuery()) path += "?" + target.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = target.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':')) host = "[" + host + "]";
    if (target.port() >= 0) host += ":" + QByteArray::number(target.port());
    const QByteArray request = "GET " + path + " HTTP/1.1\r\nHost: " + host +
                               "\r\nUser-Agent: Tessalog\r\nAccept: */*\r\n"
                               "Connection: close\r\n\r\n";

    QSslSocket socket;
    // Qt reads from the connection no further ahead than this; the reader bounds the rest.
    socket.setReadBufferSize(64 * 1024);
    HttpReplyReader reader;
    bool timedout = false;
    {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            timedout = true;
            loop.quit();
        });
        const auto readsome = [&] {
            char piece[16 * 1024];
            while (reader.current() == HttpReplyReader::state::reading) {
                const qint64 n = socket.read(piece, sizeof piece);
                if (n <= 0) break;
                reader.take(std::string_view(piece, static_cast<std::size_t>(n)));
            }
            if (reader.current() != HttpReplyReader::state::reading) loop.quit();
        };
        const auto connected = [&] { socket.write(request); };
        QObject::connect(&socket, secure ? &QSslSocket::encrypted : &QSslSocket::connected, &loop,
                         connected);
        QObject::connect(&socket, &QSslSocket::readyRead, &loop, readsome);
        QObject::connect(&socket, &QSslSocket::disconnected, &loop, [&] {
            readsome();
            reader.end();
            loop.quit();
        });
        QObject::connect(&socket, &QSslSocket::errorOccurred, &loop,
                         [&](QAbstractSocket::SocketError error) {
                             // The server's close after the reply is how a reply without a
                             // length ends; every other error ends the request.
                             if (error == QAbstractSocket::RemoteHostClosedError) return;
                             readsome();
                             loop.quit();
                         });
        InputShutter shutter;
        timer.start(timeout_);
        if (secure)
            socket.connectToHostEncrypted(target.host(), port);
        else
            socket.connectToHost(target.host(), port);
        loop.exec();
    }
    socket.abort();
    result.status = reader.status();
    if (reader.current() == HttpReplyReader::state::done) {
        result.bytes = reader.body();
        result.body = fromutf8(result.bytes);
    } else if (reader.current() == HttpReplyReader::state::failed) {
        result.failure = reader.failure();
    } else {
        // The reply did not end: the time ran out, or the connection failed.
        result.failure = timedout ? urlfailure::timedout : urlfailure::noconnection;
    }
    return result;
}

} // namespace tsl
