#include "fileio.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

namespace tsl {

namespace {
QString qpath(const std::string& path) {
    return QString::fromLocal8Bit(path);
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
    return data;
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
