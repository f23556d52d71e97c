#pragma once
// A fresh program folder for one test, removed afterwards.

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

namespace tsl::test {

class TempFolder {
  public:
    // The folder path with its trailing "/", as the program's folder is held.
    std::string path() const { return dir_.path().toStdString() + "/"; }

    void write(const std::string& name, const std::string& bytes) const {
        QFile f(QString::fromStdString(path() + name));
        f.open(QIODevice::WriteOnly);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }

    // Copies a file of the given folder (the shipped default data) into this one.
    void copyfrom(const std::string& folder, const std::string& name) const {
        QFile::copy(QString::fromStdString(folder + "/" + name),
                    QString::fromStdString(path() + name));
    }

  private:
    QTemporaryDir dir_;
};

} // namespace tsl::test
