// filterlib as a plug-in calls it: parameter declarations of any texts and counts, and pixel
// reads and writes at any coordinates on a sprite the editor describes.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>

#include "fuzz_support.h"
#include "plugin_script.h"

using namespace pixador;

namespace {

bool Terminated(const char* field)
{
    return std::memchr(field, '\0', PXD_TEXT_SIZE) != nullptr;
}

// G w h x1 y1 x2 y2 plane x y value: getpx and plotpx, the sprite size held to what the editor
// hands over, the rectangle and the coordinates as given.
void RunPixelLine(std::string_view line, unsigned char* cells)
{
    long v[10] = {};
    std::string text(line.substr(1));
    const char* at = text.c_str();
    for (long& n : v) {
        char* end = nullptr;
        n = std::strtol(at, &end, 10);
        if (end == at) break;
        at = end;
    }
    const auto i16 = [](long n) { return static_cast<std::int16_t>(std::clamp<long>(n, INT16_MIN, INT16_MAX)); };
    const auto i32 = [](long n) { return static_cast<int>(std::clamp<long>(n, INT_MIN, INT_MAX)); };
    FilterArea area{};
    area.w = static_cast<std::int16_t>(8 << (static_cast<unsigned long>(v[0]) % 3));
    area.h = static_cast<std::int16_t>(1 + static_cast<unsigned long>(v[1]) % (PXD_CELL_COUNT / 2 / area.w));
    area.x1 = i16(v[2]);
    area.y1 = i16(v[3]);
    area.x2 = i16(v[4]);
    area.y2 = i16(v[5]);
    const int before = getpx(cells, &area, i32(v[6]), i32(v[7]), i32(v[8]));
    FUZZ_CHECK(before == 0 || before == 1);
    plotpx(cells, &area, i32(v[6]), i32(v[7]), i32(v[8]), i32(v[9]));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Heap blocks of exactly their size: any access past them is reported.
    const auto params = std::make_unique<FilterParams>();
    const auto list = std::make_unique<ListPara>();
    const auto cells = std::make_unique<unsigned char[]>(PXD_CELL_COUNT);
    std::string_view script = fuzz::Bytes(data, size);
    while (!script.empty()) {
        const std::size_t end = script.find('\n');
        const std::string_view line = script.substr(0, end);
        script = end == std::string_view::npos ? std::string_view() : script.substr(end + 1);
        if (!line.empty() && line[0] == 'G') RunPixelLine(line, cells.get());
        else fuzz::RunScriptLine(line, *params, *list);

        FUZZ_CHECK(params->totals >= 0 && params->totals <= PXD_MAX_ENTRIES);
        FUZZ_CHECK(params->totall >= 0 && params->totall <= PXD_MAX_ENTRIES);
        FUZZ_CHECK(list->totalops >= 0 && list->totalops <= PXD_MAX_ENTRIES && Terminated(list->llabel));
        for (int i = 0; i < params->totals; ++i) FUZZ_CHECK(Terminated(params->slabel[i]) && Terminated(params->strings[i]));
        for (int i = 0; i < list->totalops; ++i) FUZZ_CHECK(Terminated(list->options[i]));
    }
    for (int i = 0; i < PXD_CELL_COUNT; ++i) FUZZ_CHECK(cells[i] <= 1);
    return 0;
}
