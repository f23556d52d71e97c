#include "printing.h"

#include "codepage.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace tsl {

namespace {
QFont fixedfont(int fontsize) {
    QFont font("Courier New");
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(fontsize > 0 ? fontsize : 12);
    return font;
}
} // namespace

bool printonto(QPrinter& printer, const std::vector<std::string>& lines, int fontsize) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QFont font = fixedfont(fontsize);
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

bool printpageonto(QPaintDevice& device, const std::vector<std::string>& rows, int fontsize) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QFont font = fixedfont(fontsize);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const double band = device.logicalDpiY() / 6.0;
    // The ink of the letters, digits and marks of label texts sits in the middle of the
    // band, so it stays within its sixth of an inch even at 12 points.
    const QRectF ink = metrics.tightBoundingRect(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789#,./:-") +
        QChar(0xD8));
    const double baseline = std::floor((band - ink.height()) / 2) - ink.top();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::string& row = rows[r];
        const std::string text = row.substr(0, row.find('\n'));
        painter.drawText(QPointF(0, static_cast<double>(r) * band + baseline), toqt(text));
    }
    return painter.end();
}

} // namespace tsl
