#include "fileio.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tsl {

namespace {
QString qpath(const std::string& path) {
    return QString::fromLocal8Bit(path);
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
    const QByteArray data = f.readAll();
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return data.toStdString();
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
