// gendata: generates the program's default reference data files (dxcc.dat,
// awards.dat, tsl.ini) from the public source data.
//
//   gendata [-v] <source data folder> <output folder>

#include "awards.h"
#include "dxcc.h"
#include "text.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The settings a new installation starts with: call N0CALL at 0 E 0 N, UTC offset 0,
// dates month first, distances in miles, no label message.
gendata::DataWriter buildSettings() {
    gendata::DataWriter out;
    out.text("N0CALL").number(0).text("E").number(0).text("N").number(0).number(0).number(0).text(
        "");
    out.endLine();
    return out;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    bool verbose = false;
    if (!args.empty() && args.front() == "-v") {
        verbose = true;
        args.erase(args.begin());
    }
    if (args.size() != 2) {
        std::cerr << "usage: gendata [-v] <source data folder> <output folder>\n";
        return 2;
    }
    const std::filesystem::path source = args[0];
    const std::filesystem::path target = args[1];
    try {
        std::filesystem::create_directories(target);
        // Build everything first so that a failure leaves the old files alone.
        const auto dxcc = gendata::buildDxcc(source, std::cerr, verbose);
        const auto awards = gendata::buildAwards(source, std::cerr);
        const auto settings = buildSettings();
        dxcc.save(target / "dxcc.dat");
        awards.save(target / "awards.dat");
        settings.save(target / "tsl.ini");
    } catch (const std::exception& e) {
        std::cerr << "gendata: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
