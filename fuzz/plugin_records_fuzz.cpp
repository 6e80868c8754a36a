// The parameter record as a plug-in's config entry point left it, any bytes at all, read back
// the way the plug-in dialog reads it, then every plugrun accessor at any index.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "compose/plugin_host.h"
#include "fuzz_support.h"
#include "plugrun.h"

using namespace pixador;

namespace {

// plugrun's callers hand it 16-byte text buffers; anything written past one is reported.
std::string ReadText(int (*accessor)(const FilterParams*, int, char*), const FilterParams* params, int i)
{
    const auto buffer = std::make_unique<char[]>(PXD_TEXT_SIZE);
    accessor(params, i, buffer.get());
    FUZZ_CHECK(std::memchr(buffer.get(), '\0', PXD_TEXT_SIZE) != nullptr);
    return FieldText(buffer.get());
}

int Entries(int count)
{
    return std::clamp(count, 0, PXD_MAX_ENTRIES);
}

std::int32_t Index(std::string_view& rest)
{
    std::int32_t v = 0;
    const std::size_t n = std::min(rest.size(), sizeof v);
    std::memcpy(&v, rest.data(), n);
    rest.remove_prefix(n);
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto params = std::make_unique<FilterParams>();
    std::string_view rest = fuzz::Bytes(data, size);
    const std::size_t n = std::min(rest.size(), sizeof(FilterParams));
    std::memcpy(params.get(), rest.data(), n);
    rest.remove_prefix(n);

    // As the dialog lists the parameters after config.
    for (int i = 0; i < Entries(get_totals(params.get())); ++i) {
        ReadText(get_slabel, params.get(), i);
        ReadText(get_string, params.get(), i);
    }
    for (int i = 0; i < Entries(get_totall(params.get())); ++i) {
        ReadText(get_llabel, params.get(), i);
        for (int j = 0; j < Entries(get_totalops(params.get(), i)); ++j) {
            const auto buffer = std::make_unique<char[]>(PXD_TEXT_SIZE);
            get_option(params.get(), i, j, buffer.get());
            FUZZ_CHECK(std::memchr(buffer.get(), '\0', PXD_TEXT_SIZE) != nullptr);
        }
        get_selected(params.get(), i);
    }

    // Then any index a caller could pass, and a value text of any length.
    while (!rest.empty()) {
        const std::int32_t i = Index(rest);
        const std::int32_t j = Index(rest);
        ReadText(get_slabel, params.get(), i);
        ReadText(get_string, params.get(), i);
        ReadText(get_llabel, params.get(), i);
        const auto option = std::make_unique<char[]>(PXD_TEXT_SIZE);
        get_option(params.get(), i, j, option.get());
        get_totalops(params.get(), i);
        set_selected(params.get(), i, j);
        FUZZ_CHECK(get_selected(params.get(), i) == (static_cast<std::int16_t>(i) >= 0 && static_cast<std::int16_t>(i) < PXD_MAX_ENTRIES ? static_cast<std::int16_t>(j) : 0));
        const std::size_t len = std::min<std::size_t>(rest.size(), static_cast<std::uint32_t>(j) % 40);
        const std::vector<char> text = [&] {
            std::vector<char> t(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(len));
            t.push_back('\0');
            return t;
        }();
        rest.remove_prefix(len);
        set_string(params.get(), i, text.data());
    }
    cstructrst(params.get());
    FUZZ_CHECK(get_totals(params.get()) == 0 && get_totall(params.get()) == 0);
    return 0;
}
