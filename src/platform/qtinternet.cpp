#include "qtinternet.h"

#include "codepage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
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
    if (!target.isValid() || target.host().isEmpty()) {
        result.failure = urlfailure::noconnection;
        return result;
    }
    QNetworkAccessManager manager;
    // A redirection would carry the log-ins in the query to another host: it stays a failure.
    manager.setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    QNetworkReply* reply = manager.get(QNetworkRequest(target));
    // The reply is held no further than one byte past the longest taken.
    reply->setReadBufferSize(static_cast<qint64>(maxreplybytes) + 1);
    bool timedout = false;
    bool toolong = false;
    {
        QEventLoop loop;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
            timedout = true;
            reply->abort();
            loop.quit();
        });
        const auto measure = [&] {
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            if (reply->bytesAvailable() > static_cast<qint64>(maxreplybytes) ||
                (length.isValid() && length.toULongLong() > maxreplybytes)) {
                toolong = true;
                reply->abort();
                loop.quit();
            }
        };
        QObject::connect(reply, &QNetworkReply::metaDataChanged, &loop, measure);
        QObject::connect(reply, &QNetworkReply::readyRead, &loop, measure);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        InputShutter shutter;
        timer.start(timeout_);
        if (!reply->isFinished()) loop.exec();
    }
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    result.status = status.isValid() ? status.toInt() : 0;
    if (timedout)
        result.failure = urlfailure::timedout;
    else if (toolong || reply->bytesAvailable() > static_cast<qint64>(maxreplybytes))
        result.failure = urlfailure::toolong;
    else if (result.status != 0 && (result.status < 200 || result.status > 299))
        result.failure = urlfailure::httpstatus;
    else if (reply->error() != QNetworkReply::NoError || result.status == 0)
        result.failure = urlfailure::noconnection;
    else {
        result.bytes = reply->readAll().toStdString();
        result.body = fromutf8(result.bytes);
    }
    return result;
}

} // namespace tsl
