#include "fileio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>
#include <unistd.h>

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

constexpr std::string_view partialmark = ".tessalog-partial-";
constexpr std::size_t randomletters = 6;

bool isletterordigit(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

// One file of the writer's own names in the folder, opened for writing that name alone.
std::string opentemporary(QFile& f, const std::string& path, QFileDevice::Permissions permissions) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        f.setFileName(qpath(temporarypath(path)));
        if (f.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered, permissions))
            return {};
        if (f.error() != QFileDevice::OpenError || !f.exists()) break;
    }
    return f.errorString().toStdString();
}

std::string writethrough(const std::string& path, const std::string& bytes,
                         std::optional<QFileDevice::Permissions> permissions) {
    QFileInfo target(qpath(path));
    // A link is followed: the file it names is the one rewritten.
    if (target.isSymLink()) target = QFileInfo(target.symLinkTarget());
    const std::string finalpath = target.filePath().toLocal8Bit().toStdString();
    if (target.exists() && !target.isFile()) return finalpath + " is not a file";
    if (target.exists() && !target.isWritable()) return finalpath + " is read-only";
    const QFileDevice::Permissions mode =
        permissions ? *permissions
        : target.exists()
            ? target.permissions()
            : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                  QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                  QFileDevice::ReadOther | QFileDevice::WriteOther;

    QFile f;
    if (std::string reason = opentemporary(f, finalpath, mode); !reason.empty()) return reason;
    const auto fail = [&f](std::string reason) {
        f.close();
        f.remove();
        return reason;
    };
    const auto size = static_cast<qint64>(bytes.size());
    if (f.write(bytes.data(), size) != size) return fail(f.errorString().toStdString());
    if (::fsync(f.handle()) != 0) return fail(std::strerror(errno));
    f.close();
    std::error_code error;
    std::filesystem::rename(f.fileName().toLocal8Bit().toStdString(), finalpath, error);
    if (error) return fail(error.message());
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

std::string temporarypath(const std::string& path) {
    static constexpr char letters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::string out = path + std::string(partialmark);
    for (std::size_t i = 0; i < randomletters; ++i)
        out.push_back(
            letters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof letters - 1))]);
    return out;
}

bool iswriteleftover(std::string_view name, std::string_view ownname) {
    if (!name.starts_with(ownname)) return false;
    std::string_view rest = name.substr(ownname.size());
    if (!rest.starts_with(partialmark)) return false;
    rest.remove_prefix(partialmark.size());
    return rest.size() == randomletters && std::ranges::all_of(rest, isletterordigit);
}

void removewriteleftovers(const std::string& folder, const std::vector<std::string>& ownnames) {
    const QDir dir(qpath(folder));
    for (const QFileInfo& entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry.isSymLink() || !entry.isFile()) continue;
        const std::string name = entry.fileName().toLocal8Bit().toStdString();
        if (std::ranges::any_of(ownnames,
                                [&](const std::string& own) { return iswriteleftover(name, own); }))
            QFile::remove(entry.filePath());
    }
}

} // namespace tsl
