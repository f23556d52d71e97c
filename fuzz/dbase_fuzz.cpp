// The dBase record reader of the DXLog and Brisca imports on any bytes, with the record
// layout taken from the input's first bytes: it reads as many whole records as the header
// counts and the file holds, skips and names those marked deleted and those the build
// refuses, and what the frame stores of them passes its check.

#include "importexport/dbase.h"
#include "importfuzz.h"

#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsl;
    if (size < 3) return 0;
    const std::size_t start = data[0];
    const std::size_t length = data[1];
    const std::size_t callwidth = data[2] % 16;
    const std::string bytes(reinterpret_cast<const char*>(data) + 3, size - 3);
    dbaseread read;
    std::size_t built = 0;
    readdbaserecords(bytes, start, length, callwidth, read,
                     [&](std::string_view record, qsorecord& q) -> std::string {
                         fuzz::require(record.size() == length && record[0] != '*');
                         ++built;
                         // The build of a DXLog or Brisca QSO in small: the fields as the
                         // bytes stand, a refusal for a record whose last byte is "!".
                         if (record.back() == '!') return "refused";
                         putcall(fuzz::fuzzstate(),
                                 importedcall(trimblanks(midtext(record, 1, callwidth))), q, false);
                         q.date = importedtext(midtext(record, 1 + callwidth, 8));
                         q.time = importedtext(midtext(record, 9 + callwidth, 5));
                         return "";
                     });
    const auto header = dbaseheaderof(bytes);
    fuzz::require(read.promised == (header ? header->recordcount : 0));
    const std::size_t whole =
        length == 0 || start > bytes.size() ? 0 : (bytes.size() - start) / length;
    fuzz::require(read.present == std::min<std::size_t>(read.promised, whole));
    fuzz::require(read.records.size() + read.skipped.size() == read.present);
    fuzz::require(built <= read.present && read.records.size() <= built);
    fuzz::require(read.where.size() == read.records.size());
    for (const std::string& skip : read.skipped)
        fuzz::require(skip.rfind("record ", 0) == 0 && skip.find(": ") != std::string::npos);
    fuzz::checkread50(read);
    return 0;
}
