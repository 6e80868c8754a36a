// pxdtool's command lines: the command name on the first line of the input, one word a line
// after it, run by the real subcommands in a folder of their own that holds a sprite file, a
// PNG, a bitmap, a C source and a preferences file. Every word stays a name inside that folder
// ("/" becomes "_"; ".", ".." and "-" are renamed), so nothing outside it is read or written.
#include <unistd.h>

#include <filesystem>
#include <iostream>
#include <map>
#include <streambuf>
#include <vector>

#include "cli/args.h"
#include "cli/convert_command.h"
#include "cli/export_command.h"
#include "cli/import_c_command.h"
#include "cli/info_command.h"
#include "cli/session.h"
#include "cli/sheet_command.h"
#include "fuzz_support.h"

using namespace pixador;
namespace fs = std::filesystem;

namespace {

// The folder's files, as every run finds them.
const std::map<std::string, std::string>& Inputs()
{
    static const std::map<std::string, std::string> inputs = [] {
        const std::string corpus = std::string(PIXADOR_FUZZ_CORPUS) + "/";
        return std::map<std::string, std::string>{
            {"sprite.pxd", testing::TempDir::Read(corpus + "pxd_file/16x16.pxd")},
            {"picture.bmp", testing::TempDir::Read(corpus + "bitmap/v5_16x5.bmp")},
            {"picture.png", testing::TempDir::Read(corpus + "bitmap/rgba_10x4.png")},
            {"source.c", testing::TempDir::Read(corpus + "c_import/sample2.c")},
            {"Pixador.ini", testing::TempDir::Read(corpus + "preferences_ini/changed.ini")},
        };
    }();
    return inputs;
}

struct NullBuffer : std::streambuf {
    int overflow(int c) override { return c; }
};

// What a run left is removed and what it changed is put back.
void ResetFolder()
{
    std::error_code ec;
    for (const fs::directory_entry& e : fs::directory_iterator(".", ec))
        if (Inputs().count(e.path().filename().string()) == 0) fs::remove_all(e.path(), ec);
    for (const auto& [name, bytes] : Inputs()) testing::TempDir::Write(name, bytes);
}

std::string Confined(std::string word)
{
    for (char& c : word)
        if (c == '/') c = '_';
    if (word == "." || word == ".." || word == "-") word = "_" + word;
    return word;
}

// Reading numbers back from their own text gives the same numbers.
void CheckNumbers(const std::string& word)
{
    if (const std::optional<int> n = cli::ParseInt(word)) FUZZ_CHECK(cli::ParseInt(std::to_string(*n)) == n);
    if (const auto size = cli::ParseSize(word))
        FUZZ_CHECK(cli::ParseSize(std::to_string(size->first) + "x" + std::to_string(size->second)) == size);
    if (const auto list = cli::ParseIntList(word, 4)) FUZZ_CHECK(list->size() == 4);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static const testing::TempDir folder;
    if (chdir(folder.str().c_str()) != 0) std::abort();
    // The commands' messages and outputs would fill the log; sanitizer reports do not use these.
    static NullBuffer null;
    std::cout.rdbuf(&null);
    std::cerr.rdbuf(&null);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> words;
    std::string_view rest = fuzz::Bytes(data, size);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        words.push_back(Confined(std::string(rest.substr(0, end))));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    if (words.empty()) return 0;
    for (const std::string& w : words) CheckNumbers(w);

    ResetFolder();
    const std::string command = words.front();
    words.erase(words.begin());
    int status = cli::kExitUsage;
    if (command == "info") status = cli::RunInfo(words);
    else if (command == "export") status = cli::RunExport(words);
    else if (command == "convert") status = cli::RunConvert(words);
    else if (command == "import-c") status = cli::RunImportC(words);
    else if (command == "sheet") status = cli::RunSheet(words);
    FUZZ_CHECK(status == cli::kExitOk || status == cli::kExitFailed || status == cli::kExitUsage);
    return 0;
}
