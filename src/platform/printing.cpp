#include "printing.h"

#include "codepage.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

namespace tsl {

bool printonto(QPrinter& printer, const std::vector<std::string>& lines, int fontsize) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont font("Courier New");
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(fontsize > 0 ? fontsize : 12);
    painter.setFont(font);
    const QFontMetrics metrics(font, &printer);
    const int height = metrics.lineSpacing();
    const int bottom = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    int y = metrics.ascent();
    for (const std::string& line : lines) {
        if (y + metrics.descent() > bottom) {
            if (!printer.newPage()) return false;
            y = metrics.ascent();
        }
        painter.drawText(0, y, toqt(line));
        y += height;
    }
    return painter.end();
}

} // namespace tsl
