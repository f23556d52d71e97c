#include "help.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace tsl {

helpresult openhelpfile(const std::string& path) {
    const QString file = QString::fromLocal8Bit(path);
    if (!QFileInfo(file).isFile()) return helpresult::nofile;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file)) ? helpresult::opened
                                                                : helpresult::noviewer;
}

} // namespace tsl
