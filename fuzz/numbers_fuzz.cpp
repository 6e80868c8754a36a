// Numbers typed into dialogs and read from files: the leading-number reader, the 16-bit
// readers, the binary digit texts and the typed-text guards of the preferences dialog.
#include <cmath>
#include <cstring>

#include "core/numbers.h"
#include "files/conf_guards.h"
#include "fuzz_support.h"

using namespace pixador;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::Bytes(data, size);

    const double leading = LeadingNumber(text);
    FUZZ_CHECK(!std::isnan(leading));
    const std::optional<int> exact = ReadInt16(text);
    const int typed = ReadTypedInt(text);
    FUZZ_CHECK(typed >= -32768 && typed <= 32767);
    FUZZ_CHECK(!exact || (*exact == typed && *exact == RoundHalfEven(leading)));

    // The first eight bytes as a double, any bit pattern: rounding never moves more than a half.
    if (size >= 8) {
        double any = 0;
        std::memcpy(&any, data, sizeof any);
        const double r = RoundHalfEven(any);
        FUZZ_CHECK(!std::isfinite(any) || std::fabs(r - any) <= 0.5);
    }

    const double bits = BitsToNumber(text);
    if (size <= 53) FUZZ_CHECK(BitsToNumber(NumberToBits(static_cast<long long>(bits), 0)) == bits);
    const long long value = size >= 8 ? static_cast<long long>(leading > 1e18 ? 1e18 : leading < -1e18 ? -1e18 : leading) : 0;
    FUZZ_CHECK(NumberToBits(value, static_cast<int>(size % 80) - 8).size() <= 80);

    // The caret stands somewhere in the text, as a text box reports it.
    const int caret = size ? data[0] % static_cast<int>(size + 1) : 0;
    if (const std::optional<GuardedText> g = OneLineBox_Change(text, caret))
        FUZZ_CHECK(g->caret >= 0 && g->caret <= static_cast<int>(g->text.size()) && g->text.find_first_of("\r\n") == std::string::npos);
    if (const std::optional<GuardedText> g = SpriteName_Change(text, caret))
        FUZZ_CHECK(g->caret >= 0 && g->caret <= static_cast<int>(g->text.size()));
    if (const std::optional<std::string> h = DefH_Change(text)) FUZZ_CHECK(LeadingNumber(*h) <= 256);
    ePerLine_Change(text);
    return 0;
}
