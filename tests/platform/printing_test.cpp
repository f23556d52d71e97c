#include "platform/fileio.h"
#include "platform/printing.h"
#include "support/tempfolder.h"

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
