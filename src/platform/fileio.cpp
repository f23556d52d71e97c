#include "fileio.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <limits>

namespace tsl {

namespace {
QString qpath(const std::string& path) {
    return QString::fromLocal8Bit(path);
}

std::atomic<std::uint64_t> bytesread{0};
std::atomic<std::uint64_t> recordsread{0};

std::optional<std::string> handedout(const QFile& f, const QByteArray& data) {
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    bytesread += static_cast<std::uint64_t>(data.size());
    return data.toStdString();
}

std::string writethrough(const std::string& path, const std::string& bytes,
                         std::optional<QFileDevice::Permissions> permissions) {
    QSaveFile f(qpath(path));
    if (!f.open(QIODevice::WriteOnly)) return f.errorString().toStdString();
    // Set on the temporary file, so the contents are never readable by others.
    if (permissions && !f.setPermissions(*permissions)) {
        const std::string reason = f.errorString().toStdString();
        f.cancelWriting();
        return reason;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (f.write(bytes.data(), size) != size) {
        const std::string reason = f.errorString().toStdString();
        f.cancelWriting();
        return reason;
    }
    if (!f.commit()) return f.errorString().toStdString();
    return {};
}
} // namespace

std::optional<std::string> readwholefile(const std::string& path) {
    QFile f(qpath(path));
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    // Read straight into the text returned: a log of many megabytes is not copied again.
    std::string data(static_cast<std::size_t>(std::max<qint64>(f.size(), 0)) + 1, '\0');
    qint64 got = 0;
    for (;;) {
        if (got == static_cast<qint64>(data.size())) data.resize(data.size() * 2);
        const qint64 n = f.read(data.data() + got, static_cast<qint64>(data.size()) - got);
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        got += n;
    }
    data.resize(static_cast<std::size_t>(got));
    bytesread += static_cast<std::uint64_t>(got);
    return data;
}

std::optional<std::string> readfilehead(const std::string& path, std::size_t maxbytes) {
    QFile f(qpath(path));
    // Unbuffered, so no more than maxbytes are taken from the disk either.
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
    return handedout(f, f.read(static_cast<qint64>(maxbytes)));
}

std::optional<std::string> readrecord(QFile& file, std::int64_t number, std::size_t length) {
    const auto size = static_cast<std::int64_t>(length);
    if (number < 1 || size < 1 || number - 1 > (std::numeric_limits<qint64>::max() - size) / size)
        return std::nullopt;
    if (!file.seek((number - 1) * size)) return std::nullopt;
    std::string record(length, '\0');
    if (file.read(record.data(), size) != size) return std::nullopt;
    bytesread += length;
    ++recordsread;
    return record;
}

std::uint64_t filebytesread() {
    return bytesread;
}

std::uint64_t filerecordsread() {
    return recordsread;
}

std::string writefilesafely(const std::string& path, const std::string& bytes) {
    return writethrough(path, bytes, std::nullopt);
}

std::string writeprivatefile(const std::string& path, const std::string& bytes) {
    return writethrough(path, bytes,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                            QFileDevice::WriteUser);
}

bool fileexists(const std::string& path) {
    return QFileInfo(qpath(path)).isFile();
}

std::string removefile(const std::string& path) {
    QFile f(qpath(path));
    if (!f.exists() || f.remove()) return {};
    return f.errorString().toStdString();
}

std::string copyfile(const std::string& source, const std::string& destination) {
    const auto bytes = readwholefile(source);
    if (!bytes) return "cannot read " + source;
    return writefilesafely(destination, *bytes);
}

} // namespace tsl
