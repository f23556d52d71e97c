#include "platform/fileio.h"
#include "platform/printing.h"
#include "support/tempfolder.h"

#include <QImage>
#include <QPrinter>

#include <gtest/gtest.h>

using namespace tsl;
using namespace tsl::test;

namespace {
int pages(const std::string& pdf) {
    int count = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1))
        if (pdf.compare(at, 12, "/Type /Pages") != 0) ++count;
    return count;
}

int printedpages(const TempFolder& folder, int lines, int fontsize) {
    const std::string path = folder.path() + "report.pdf";
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    std::vector<std::string> text(static_cast<std::size_t>(lines), "K1ABC       599 579");
    EXPECT_TRUE(printonto(printer, text, fontsize));
    return pages(readwholefile(path).value_or(""));
}
} // namespace

TEST(Printing, PagesBreakWhenFull) {
    TempFolder folder;
    EXPECT_EQ(printedpages(folder, 10, 12), 1);
    const int twelve = printedpages(folder, 300, 12);
    EXPECT_GT(twelve, 1);
    // A smaller font fits more lines on a page.
    EXPECT_LT(printedpages(folder, 300, 7), twelve);
}

namespace {
// A white letter-size page at dpi dots per inch.
QImage blankpage(int dpi) {
    QImage page(dpi * 17 / 2, dpi * 11, QImage::Format_RGB32);
    page.fill(Qt::white);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    return page;
}

struct inkbox {
    int top = -1, bottom = -1, left = -1;
};
// Where the ink lies on the page.
inkbox inkof(const QImage& page) {
    inkbox box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixel(x, y) != qRgb(255, 255, 255)) {
                if (box.top < 0) box.top = y;
                box.bottom = y;
                if (box.left < 0 || x < box.left) box.left = x;
            }
    return box;
}
// The page with only row r of rows drawn.
QImage onerow(int dpi, const std::vector<std::string>& rows, std::size_t r, int fontsize) {
    std::vector<std::string> alone(rows.size());
    alone[r] = rows[r];
    QImage page = blankpage(dpi);
    EXPECT_TRUE(printpageonto(page, alone, fontsize));
    return page;
}
} // namespace

TEST(Printing, EachRowOfAPageLiesInItsSixthOfAnInchFromTheLeftEdge) {
    std::vector<std::string> rows(62, std::string(40, ' ') + "\n");
    rows[0] = " K1ABC Confirm QSO with: W\xd8XY\n";
    rows[2] = " Date       UTC   Band    Mode Snt Rec\n";
    rows[3] = " 12 Quay Rd, Sydney gjpqy\n";
    rows[30] = "#30 W/KH6: j.p-q";
    rows[61] = " USA" + std::string(37, ' ') + " Tnx QSO 73\n";
    for (const auto& [dpi, fontsize] : {std::pair{144, 12}, std::pair{96, 8}, std::pair{300, 12}}) {
        const int band = dpi / 6;
        for (std::size_t r : {0, 2, 3, 30, 61}) {
            const inkbox ink = inkof(onerow(dpi, rows, r, fontsize));
            const int top = static_cast<int>(r) * band;
            EXPECT_GE(ink.top, top) << dpi << " dpi, row " << r;
            EXPECT_LT(ink.bottom, top + band) << dpi << " dpi, row " << r;
            // Rows start at the left edge; a leading blank is one character (0.6 em) wide.
            const int em = fontsize * dpi / 72;
            if (r == 30) {
                EXPECT_LT(ink.left, em / 4) << r;
            } else {
                EXPECT_GT(ink.left, em / 2) << r;
                EXPECT_LT(ink.left, em) << r;
            }
        }
        EXPECT_EQ(inkof(onerow(dpi, rows, 1, fontsize)).top, -1); // blanks leave no ink
    }
}

TEST(Printing, TheLineFeedEndsItsRow) {
    const std::vector<std::string> cut = {"ABC\nXXXXXXXXXXXXXXXX", "DEF\n"};
    const std::vector<std::string> plain = {"ABC", "DEF"};
    QImage a = blankpage(144);
    QImage b = blankpage(144);
    ASSERT_TRUE(printpageonto(a, cut, 12));
    ASSERT_TRUE(printpageonto(b, plain, 12));
    EXPECT_EQ(a, b);
}

TEST(Printing, APdfPrinterWritesOnePageOfRows) {
    TempFolder folder;
    const std::string path = folder.path() + "labels.pdf";
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    const std::vector<std::string> rows(62, " " + std::string(40, 'X') + "  \n");
    EXPECT_TRUE(printpageonto(printer, rows, 12));
    EXPECT_EQ(pages(readwholefile(path).value_or("")), 1);
}
