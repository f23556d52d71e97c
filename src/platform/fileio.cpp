#include "fileio.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tsl {

namespace {
QString qpath(const std::string& path) {
    return QString::fromLocal8Bit(path);
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
    QSaveFile f(qpath(path));
    if (!f.open(QIODevice::WriteOnly)) return f.errorString().toStdString();
    const auto size = static_cast<qint64>(bytes.size());
    if (f.write(bytes.data(), size) != size) {
        const std::string reason = f.errorString().toStdString();
        f.cancelWriting();
        return reason;
    }
    if (!f.commit()) return f.errorString().toStdString();
    return {};
}

bool fileexists(const std::string& path) {
    return QFileInfo(qpath(path)).isFile();
}

std::string copyfile(const std::string& source, const std::string& destination) {
    const auto bytes = readwholefile(source);
    if (!bytes) return "cannot read " + source;
    return writefilesafely(destination, *bytes);
}

} // namespace tsl
