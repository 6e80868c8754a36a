#include "files/code_generator.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <vector>

#include "core/document_commands.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/prompts.h"
#include "core/sprite.h"
#include "core/text_helpers.h"
#include "files/file_io.h"

namespace pixador {

namespace {

constexpr int kDarkPlane = 0;
constexpr int kLightPlane = 1;

std::string Decimal(long long value)
{
    char buf[24];
    const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    return std::string(buf, end);
}

// The row's W bits, leftmost pixel most significant, padded to elementBits.
std::uint32_t RowValue(const SpriteImage& s, int plane, int y, int elementBits)
{
    std::uint32_t value = 0;
    const std::uint8_t* row = &s.cells[(plane * s.height + y) * s.width];
    for (int x = 0; x < s.width; ++x) value = (value << 1) | (row[x] & 1u);
    return value << (elementBits - s.width);
}

// The plane rows in output order: (plane, row) for item k = 0 .. count - 1.
struct PlaneRow {
    int plane;
    int row;
};

PlaneRow RowForItem(int k, int height, bool grayscale, int arrangement)
{
    if (!grayscale) return {arrangement == 0 ? kLightPlane : kDarkPlane, k};
    switch (arrangement) {
    case 0: return {k < height ? kLightPlane : kDarkPlane, k % height};
    case 2: return {k % 2 == 0 ? kLightPlane : kDarkPlane, k / 2};
    case 3: return {k % 2 == 0 ? kDarkPlane : kLightPlane, k / 2};
    default: return {k < height ? kDarkPlane : kLightPlane, k % height};
    }
}

int Clamp(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

constexpr std::array<const char*, 3> kCPrefix{"0x", "", "0b"};

// The items after a header: prefix and number text, "," between C items, a line break after
// every perLine items.
void AppendItems(std::string& out, const std::vector<std::uint32_t>& rows, int bits, int method,
                 const std::string& prefix, bool c, int perLine, const std::string& itemBreak)
{
    const int items = static_cast<int>(rows.size());
    for (int k = 1; k <= items; ++k) {
        out += prefix;
        out += RowNumberText(rows[k - 1], bits, method);
        if (k < items) {
            if (c) out += ',';
            if (k % perLine == 0) out += itemBreak;
        }
    }
}

}  // namespace

std::string Indent(const Preferences& p)
{
    const int count = p.IndentChars < 0 ? 0 : p.IndentChars;
    return std::string(static_cast<std::size_t>(count), p.IndentType ? ' ' : '\t');
}

int ElementBits(int width)
{
    if (width <= 8) return 8;
    if (width <= 16) return 16;
    if (width <= 32) return 32;
    return 0;
}

const char* CTypeName(int bits)
{
    return bits == 8 ? "unsigned char" : bits == 16 ? "unsigned short" : "unsigned long";
}

const char* AsmTypeName(int bits)
{
    return bits == 8 ? "dc.b" : bits == 16 ? "dc.w" : "dc.l";
}

std::string SpriteArrayName(const Preferences& p)
{
    std::string name = TrimBlanks(p.SpriteName);
    return name.empty() ? "sprite" : name;
}

std::string CArrayText(const Preferences& prefs, const std::string& name, int elementBits,
                       const std::vector<std::uint32_t>& rows, bool nested)
{
    const std::string lb = kCodeLineBreak;
    const std::string indent = nested ? Indent(prefs) : std::string();
    const std::string itemBreak = lb + indent + Indent(prefs);
    const int method = Clamp(prefs.SpriteEncodeMethod, 0, 2);
    const int perLine = prefs.ItemsPerLine < 1 ? 1 : prefs.ItemsPerLine;
    std::string out;
    out.reserve(rows.size() * (static_cast<std::size_t>(elementBits) + itemBreak.size() + 3) + 64);
    out += indent + CTypeName(elementBits) + " " + name + "[" +
           (prefs.ExplicitDimensions ? Decimal(static_cast<long long>(rows.size())) : "") + "] = {" + itemBreak;
    AppendItems(out, rows, elementBits, method, kCPrefix[method], true, perLine, itemBreak);
    out += lb + indent + "};";
    return out;
}

std::string AsmArrayText(const Preferences& prefs, const std::string& name, int elementBits,
                         const std::vector<std::uint32_t>& rows, const std::string& firstLines)
{
    static constexpr std::array<const char*, 3> kAsmMark{" $", " ", " %"};
    const std::string indent = Indent(prefs);
    const std::string itemBreak = kCodeLineBreak + indent + indent;
    const std::string typeName = AsmTypeName(elementBits);
    const int method = Clamp(prefs.SpriteEncodeMethod, 0, 2);
    std::string out;
    out.reserve(rows.size() * (typeName.size() + elementBits + itemBreak.size() + 2) + firstLines.size() + 64);
    out += name + ":" + itemBreak;
    if (!firstLines.empty()) out += firstLines + itemBreak;
    AppendItems(out, rows, elementBits, method, typeName + kAsmMark[method], false, 1, itemBreak);
    return out;
}

bool UsesGray(const EditorState& state)
{
    const SpriteImage& s = state.sprite;
    const int cells = s.width * s.height;
    for (int i = 0; i < cells; ++i)
        if (s.cells[i] != s.cells[cells + i]) return true;
    return false;
}

bool ChooseGrayscaleData(EditorState& state)
{
    if (UsesGray(state)) return true;
    switch (state.preferences.MonochromeWarning) {
    case 1: return false;
    case 2: return true;
    default:
        return !AskQuestion(state,
                            "your Sprite seems to use only only White & Black. Do you want the program to "
                            "generate no-grayscale code?",
                            kBanner);
    }
}

std::string RowNumberText(std::uint32_t value, int elementBits, int encodeMethod)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text;
    if (encodeMethod == 1) return Decimal(value);
    if (encodeMethod == 2) {
        text.resize(static_cast<std::size_t>(elementBits));
        for (int i = 0; i < elementBits; ++i) text[i] = ((value >> (elementBits - 1 - i)) & 1u) ? '1' : '0';
        return text;
    }
    const int digits = elementBits / 4;
    text.resize(static_cast<std::size_t>(digits));
    for (int i = 0; i < digits; ++i) text[i] = kHex[(value >> (4 * (digits - 1 - i))) & 0xFu];
    return text;
}

GeneratedCode GenerateCode(EditorState& state, CodeLanguage language, bool withSample)
{
    const Preferences& prefs = state.preferences;
    const SpriteImage& s = state.sprite;
    const int bits = ElementBits(s.width);
    GeneratedCode result;
    if (bits == 0 || s.height < 1) {
        ShowErrorMessage(state, "Only sprites 8, 16 or 32 pixels wide can be written as code!");
        result.refused = true;
        return result;
    }
    const bool c = language == CodeLanguage::C;
    const std::string lb = kCodeLineBreak;
    const std::string indent = Indent(prefs);
    const std::string name = SpriteArrayName(prefs);
    const std::string wText = Decimal(bits);
    const std::string hText = Decimal(s.height);

    result.grayscale = ChooseGrayscaleData(state);
    const int planes = result.grayscale ? 2 : 1;
    const int items = planes * s.height;
    const int arrangement = Clamp(prefs.LayersArrangement, 0, 3);
    if (!result.grayscale && arrangement >= 2) {
        ShowErrorMessage(state, "Interlaced arrangement is not possible with B&W data!!");
        result.refused = true;
        return result;
    }

    // The plane rows in output order.
    std::vector<std::uint32_t> rows(static_cast<std::size_t>(items));
    for (int k = 0; k < items; ++k) {
        const PlaneRow pr = RowForItem(k, s.height, result.grayscale, arrangement);
        rows[k] = RowValue(s, pr.plane, pr.row, bits);
    }

    std::string& out = result.text;
    if (c) {
        out = CArrayText(prefs, name, bits, rows);
    } else {
        // First word: the number of data rows that follow (planes x height).
        const std::string graphLib = prefs.GraphLib ? "dc.w " + Decimal(planes * s.height) + lb + indent + indent +
                                                          "dc.w " + Decimal(bits / 8)
                                                    : std::string();
        out = AsmArrayText(prefs, name, bits, rows, graphLib);
    }
    result.arrayEnd = out.size();

    if (c && withSample) {
        out += lb + indent + "int x = 10;" + lb + indent + "int y = 10;" + lb + lb + indent + "ClrScr();" + lb;
        const std::string call = indent + "Sprite" + wText + " (x,y," + hText + ",";
        if (result.grayscale) {
            // The start of the array holds the light rows when they come first, so the
            // calls name the planes the other way round; the interlaced orders keep theirs.
            const bool lightFirst = arrangement == 0;
            const char* first = lightFirst ? "LIGHT_PLANE" : "DARK_PLANE";
            const char* second = lightFirst ? "DARK_PLANE" : "LIGHT_PLANE";
            out += lb + indent + "if (!GrayOn ()) return;";
            out += lb + call + name + ",GrayGetPlane (" + first + "),SPRT_XOR);";
            out += lb + call + " &" + name + "[" + hText + "],GrayGetPlane (" + second + "),SPRT_XOR);";
        } else {
            out += lb + call + name + ", LCD_MEM,SPRT_XOR);";
        }
    }
    return result;
}

std::string GenerateSpriteCode(EditorState& state, CodeLanguage language, bool withSample)
{
    return GenerateCode(state, language, withSample).text;
}

std::string GeneratedOnText(const ClockTime& t)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d At %02d:%02d", t.month % 100, t.day % 100, t.year % 10000,
                  t.hour % 100, t.minute % 100);
    return buf;
}

std::string Generate_Click(EditorState& state)
{
    std::string text = GenerateSpriteCode(state, CodeLanguage::C, state.preferences.SampleCall);
    if (state.preferences.CopytoClipboard) state.view->SetClipboardText(text);
    return text;
}

void ExportCode_Click(EditorState& state)
{
    WriteCSourceFile(state, ShowSaveDialog(state, "C Source Files (*.c)", "*.c"));
}

std::string SampleProgramHead(const Preferences& prefs, const ClockTime& now)
{
    const std::string lb = kCodeLineBreak;
    std::string stamp = "/* Generated On " + GeneratedOnText(now);
    if (stamp.size() < 68) stamp.append(68 - stamp.size(), ' ');
    std::string site = "/* http://tigcc.ticalc.org";
    site.append(68 - site.size(), ' ');
    std::string text;
    text += "/* C Source File Generated By Pixador :: Sprite Editor              */" + lb;
    text += "/* -----------------------------------------------------------------*/" + lb;
    text += "/* For the use under the TIGCC compiler                             */" + lb;
    text += site + "*/" + lb;
    text += "/*                                                                  */" + lb;
    text += stamp + "*/" + lb;
    text += lb;
    if (prefs.IncludeDefines) {
        text += "#define USE_TI89" + lb + "#define USE_TI92PLUS" + lb + "#define USE_V200" + lb +
                "#define OPTIMIZE_ROM_CALLS" + lb + "#define MIN_AMS 100" + lb + "#define SAVE_SCREEN" + lb + lb;
    }
    text += "#include <tigcclib.h>" + lb;
    text += lb;
    return text;
}

CSourceText CSourceFileText(EditorState& state, const std::string& afterArray)
{
    const Preferences& prefs = state.preferences;
    const std::string indent = Indent(prefs);
    const std::string lb = kCodeLineBreak;
    const std::string head = SampleProgramHead(prefs, state.view->Now());

    GeneratedCode code = GenerateCode(state, CodeLanguage::C, true);
    if (!afterArray.empty() && !code.refused) code.text.insert(code.arrayEnd, lb + afterArray);

    CSourceText result;
    result.refused = code.refused;
    result.grayscale = code.grayscale;
    std::string& text = result.text;
    text.reserve(code.text.size() + 1024);
    text += head;
    text += "void _main(void){" + lb;
    text += code.text + lb;
    text += lb;
    text += indent + "ngetchx();" + lb;
    if (code.grayscale) text += indent + "GrayOff();" + lb;
    text += "}" + lb;
    return result;
}

void WriteCSourceFile(EditorState& state, const std::string& chosen)
{
    if (chosen.empty()) return;
    std::string path = chosen;
    if (ToLowerAscii(path.substr(path.size() < 2 ? 0 : path.size() - 2)) != ".c") path += ".c";
    if (!ConfirmOverwrite(state, path)) return;
    if (!WriteFileAtomically(path, CSourceFileText(state).text))
        ShowErrorMessage(state, "Error writting " + path + "!!");
}

}  // namespace pixador
