#include "files/c_import.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "core/document_commands.h"
#include "core/editor_state.h"
#include "core/editor_view.h"
#include "core/numbers.h"
#include "core/prompts.h"
#include "core/text_helpers.h"
#include "core/whole_sprite.h"
#include "files/file_io.h"

namespace pixador {

namespace {

// The model holds at most 256 rows; the decoder fills at most 255 of them.
constexpr int kMaxImportRows = 256;
constexpr int kMaxFilledRows = 255;

inline char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Lines end with CR LF, LF or CR, as text files are read.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool Next(std::string_view& line)
    {
        if (pos_ >= text_.size()) return false;
        const char* begin = text_.data() + pos_;
        const std::size_t left = text_.size() - pos_;
        std::size_t i = 0;
        while (i < left && begin[i] != '\n' && begin[i] != '\r') ++i;
        line = std::string_view(begin, i);
        ++number_;
        pos_ += i;
        if (pos_ < text_.size()) {
            if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
            ++pos_;
        }
        return true;
    }
    // The number of the line Next gave last, from 1.
    int Number() const { return number_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
    int number_ = 0;
};

bool MatchesLower(std::string_view line, std::size_t at, const char* word)
{
    const std::size_t n = std::strlen(word);
    if (at + n > line.size()) return false;
    for (std::size_t k = 0; k < n; ++k)
        if (Lower(line[at + k]) != word[k]) return false;
    return true;
}

// The lower-case line holds "char", "int", "long" or "short" anywhere, inside words too.
bool IsCandidate(std::string_view line)
{
    for (std::size_t i = 0; i + 3 <= line.size(); ++i) {
        switch (Lower(line[i])) {
        case 'c':
            if (MatchesLower(line, i + 1, "har")) return true;
            break;
        case 'i':
            if (MatchesLower(line, i + 1, "nt")) return true;
            break;
        case 'l':
            if (MatchesLower(line, i + 1, "ong")) return true;
            break;
        case 's':
            if (MatchesLower(line, i + 1, "hort")) return true;
            break;
        default: break;
        }
    }
    return false;
}

std::string_view TrimView(std::string_view s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
    return s.substr(b, e - b);
}

int ItemBitsOf(const std::string& typeWord)
{
    if (typeWord == "char") return 8;
    if (typeWord == "short" || typeWord == "int") return 16;
    if (typeWord == "long") return 32;
    return 0;
}

struct Declaration {
    std::string name;
    int itemBits = 0;
    std::string sizeText;
    std::string rest;  // the line after the declarator
};

// Word rules: [static] [signed|unsigned] type declarator rest. Single blanks separate words,
// so two blanks in a row give an empty word.
std::optional<Declaration> ReadDeclaration(std::string_view line)
{
    std::string rest = TrimBlanks(ReplaceChar(line, '\t', ' '));
    std::string word = ToLowerAscii(SplitFirst(rest, ' '));
    if (word == "static") word = ToLowerAscii(SplitFirst(rest, ' '));
    if (word == "signed" || word == "unsigned") word = ToLowerAscii(SplitFirst(rest, ' '));
    const std::string declarator = SplitFirst(rest, ' ');

    const std::size_t open = declarator.find('[');
    if (open == std::string::npos) return std::nullopt;
    const std::size_t close = declarator.find(']', open + 1);
    if (close == std::string::npos) return std::nullopt;
    Declaration d;
    d.name = declarator.substr(0, open);
    d.itemBits = ItemBitsOf(word);
    if (d.itemBits == 0 || d.name.empty()) return std::nullopt;
    d.sizeText = declarator.substr(open + 1, close - open - 1);
    d.rest = std::move(rest);
    return d;
}

// NAME[...] followed by "=" or "{": what a reader takes for an array with its items.
bool LooksLikeArrayDeclaration(std::string_view line)
{
    const std::size_t open = line.find('[');
    if (open == std::string_view::npos || open == 0) return false;
    const std::size_t close = line.find(']', open);
    return close != std::string_view::npos && line.find_first_of("={", close) != std::string_view::npos;
}

// Appends the trimmed piece with tabs as blanks; true when it holds the closing brace.
bool AppendPiece(std::string& data, std::string_view piece)
{
    piece = TrimView(piece);
    const std::size_t start = data.size();
    data.append(piece);
    std::replace(data.begin() + static_cast<std::ptrdiff_t>(start), data.end(), '\t', ' ');
    return std::memchr(piece.data(), '}', piece.size()) != nullptr;
}

}  // namespace

ScanOutcome ScanCSourceText(std::string_view text, std::vector<FoundArray>& found,
                            std::vector<SkippedDeclaration>* skipped)
{
    found.clear();
    if (skipped) skipped->clear();
    LineReader lines(text);
    std::string_view line;
    while (lines.Next(line)) {
        if (!IsCandidate(line)) continue;
        std::optional<Declaration> d = ReadDeclaration(line);
        if (!d) {
            if (skipped && LooksLikeArrayDeclaration(line)) skipped->push_back({lines.Number(), std::string(TrimView(line))});
            continue;
        }
        const std::optional<int> size = ReadInt16(d->sizeText);
        if (!size) {
            found.clear();
            return ScanOutcome::Failed;
        }

        // The brace is looked for after the declarator, then on the following lines.
        std::string_view piece = d->rest;
        std::size_t brace = piece.find('{');
        while (brace == std::string_view::npos) {
            if (!lines.Next(piece)) {
                found.clear();
                return ScanOutcome::Failed;
            }
            brace = piece.find('{');
        }
        FoundArray a;
        a.name = std::move(d->name);
        a.itemBits = static_cast<std::int16_t>(d->itemBits);
        piece = piece.substr(brace + 1);
        while (!AppendPiece(a.data, piece)) {
            if (!lines.Next(piece)) {
                found.clear();
                return ScanOutcome::Failed;
            }
        }
        a.data.resize(a.data.find('}'));
        // An array no C compiler accepts is read past and left out; the file's others stay.
        if (*size < 0) continue;

        long long count = *size;
        if (count == 0) count = CountChar(a.data, ',') + 1LL;
        if (count > 32767) {
            found.clear();
            return ScanOutcome::Failed;
        }
        a.itemCount = static_cast<std::int16_t>(count);
        found.push_back(std::move(a));
    }
    return found.empty() ? ScanOutcome::NoArrays : ScanOutcome::Found;
}

bool ScanCSourceFile(EditorState& state, const std::string& path, std::vector<FoundArray>& found)
{
    found.clear();
    state.view->SetStatusText("Processing C source file...");
    ScanOutcome outcome = ScanOutcome::Failed;
    const std::optional<std::string> bytes = ReadFileBytes(path, kMaxCSourceBytes + 1);
    if (bytes && bytes->size() <= kMaxCSourceBytes) outcome = ScanCSourceText(*bytes, found);
    state.view->SetStatusText("Ready");
    switch (outcome) {
    case ScanOutcome::Found: return true;
    case ScanOutcome::NoArrays:
        state.view->ShowMessage({kWarningTitle, "No arrays were found!", MessageIcon::None, MessageButtons::Ok});
        return false;
    case ScanOutcome::Failed: break;
    }
    ShowErrorMessage(state, "Error while reading " + path + "!" + kMessageLineBreak +
                                "Check if file is a valid C source file and contains one or more arrays.");
    return false;
}

bool ImportFromC_Click(EditorState& state, std::vector<FoundArray>& found)
{
    if (!ConfirmIrreversible(state)) return false;
    const std::string path = ShowOpenDialog(state, "C Source files (*.c, *.h)", "*.c;*.h");
    if (!FileExists(path)) return false;
    return ScanCSourceFile(state, path, found);
}

std::vector<int> SpriteCountChoices(int itemCount)
{
    const int n = static_cast<int>(RoundHalfEven(itemCount / 2.0));
    std::vector<int> divisors;
    for (int d = 1; d <= n; ++d)
        if (n % d == 0) divisors.push_back(d);
    return divisors;
}

namespace {

bool IsHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

unsigned HexValue(char c)
{
    if (c <= '9') return static_cast<unsigned>(c - '0');
    return static_cast<unsigned>(Lower(c) - 'a' + 10);
}

// "0x" and "0b" items carry pixels; every other item is a blank row.
bool IsPixelItem(std::string_view item)
{
    return item.size() >= 2 && item[0] == '0' && (Lower(item[1]) == 'x' || Lower(item[1]) == 'b');
}

// One item as a row of width bits, leftmost pixel in bit width - 1.
std::uint32_t DecodeItem(std::string_view item, int width)
{
    if (!IsPixelItem(item)) return 0;
    const char kind = Lower(item[1]);
    std::uint32_t row = 0;
    if (kind == 'x') {
        // Fewer digits stand for leading zeros; more than the width holds are cut at the right.
        const std::size_t maxDigits = static_cast<std::size_t>(width / 4);
        for (std::size_t i = 2; i < item.size() && i - 2 < maxDigits && IsHexDigit(item[i]); ++i)
            row = (row << 4) | HexValue(item[i]);
        return row;
    }
    if (kind == 'b') {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = 2 + static_cast<std::size_t>(x);
            // A digit read as a number; any non-zero digit sets the pixel.
            if (at < item.size() && item[at] >= '1' && item[at] <= '9') row |= 1u << (width - 1 - x);
        }
    }
    return row;
}

class ItemCursor {
public:
    explicit ItemCursor(std::string_view data) : data_(data) {}
    bool Next(std::string_view& item)
    {
        if (done_) return false;
        const std::size_t comma = data_.find(',', pos_);
        if (comma == std::string_view::npos) {
            item = data_.substr(pos_);
            done_ = true;
        } else {
            item = data_.substr(pos_, comma - pos_);
            pos_ = comma + 1;
        }
        return true;
    }

private:
    std::string_view data_;
    std::size_t pos_ = 0;
    bool done_ = false;
};

}  // namespace

PlaneBuffer DecodeArray(const FoundArray& array, DecodeChoice& choice)
{
    const int width = (array.itemBits == 16 || array.itemBits == 32) ? array.itemBits : 8;
    const int n = array.itemCount;
    if (n < 1) {
        choice.grayscale = false;
        return PlaneBuffer(2, width, 1);
    }
    if (n % 2 != 0) choice.grayscale = false;

    const int planes = choice.grayscale ? 2 : 1;
    int sprites = 1;
    if (choice.grayscale && choice.sprites >= 1 && (n / 2) % choice.sprites == 0) sprites = choice.sprites;
    const int rowsPerSprite = n / (planes * sprites);
    const int height = n / planes;
    const int bufferRows = std::min(height, kMaxImportRows);
    const int filledRows = std::min(height, kMaxFilledRows);

    std::uint32_t rows[2][kMaxImportRows] = {};
    ItemCursor items(array.data);
    std::string_view item;
    bool more = true;
    for (int s = 0; s < sprites && more && s * rowsPerSprite < filledRows; ++s) {
        for (int p = 0; p < planes && more; ++p) {
            // Plane 0 is dark: with two planes the first block is dark when darkFirst.
            const int plane = planes == 1 ? 0 : (choice.darkFirst ? p : 1 - p);
            for (int r = 0; r < rowsPerSprite; ++r) {
                if (!items.Next(item)) {
                    more = false;
                    break;
                }
                const int y = s * rowsPerSprite + r;
                if (y < filledRows) rows[plane][y] = DecodeItem(item, width);
            }
        }
    }

    PlaneBuffer buffer(2, width, bufferRows);
    for (int y = 0; y < filledRows; ++y) {
        const std::uint32_t dark = rows[0][y];
        const std::uint32_t light = planes == 1 ? dark : rows[1][y];
        for (int x = 0; x < width; ++x) {
            const int shift = width - 1 - x;
            buffer.at(0, x, y) = static_cast<std::uint8_t>((dark >> shift) & 1u);
            buffer.at(1, x, y) = static_cast<std::uint8_t>((light >> shift) & 1u);
        }
    }
    return buffer;
}

int BlankReadItems(const FoundArray& array)
{
    ItemCursor items(array.data);
    std::string_view item;
    int blank = 0;
    for (int i = 0; i < array.itemCount && items.Next(item); ++i) blank += IsPixelItem(item) ? 0 : 1;
    return blank;
}

std::vector<PlaneBuffer> DecodeSprites(const FoundArray& array, int sprites, bool darkFirst)
{
    std::vector<PlaneBuffer> result;
    const int n = array.itemCount;
    if (sprites < 1 || n < 2 || n % 2 != 0 || (n / 2) % sprites != 0) return result;
    const int itemsPerSprite = n / sprites;
    ItemCursor items(array.data);
    std::string_view item;
    for (int s = 0; s < sprites; ++s) {
        FoundArray one;
        one.name = array.name;
        one.itemBits = array.itemBits;
        one.itemCount = static_cast<std::int16_t>(itemsPerSprite);
        for (int k = 0; k < itemsPerSprite && items.Next(item); ++k) {
            if (k > 0) one.data += ',';
            one.data.append(item);
        }
        DecodeChoice choice;
        choice.grayscale = true;
        choice.darkFirst = darkFirst;
        result.push_back(DecodeArray(one, choice));
    }
    return result;
}

ImportCPanel::ImportCPanel(std::vector<FoundArray> arrays) : arrays_(std::move(arrays))
{
    EnableGrayOptions(false);
}

void ImportCPanel::ArrayList_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(arrays_.size())) return;
    selected = index;
    ParseGrayscale_Click(parseGrayscale);
}

void ImportCPanel::ParseGrayscale_Click(bool ticked)
{
    parseGrayscale = ticked;
    if (selected < 0) return;
    EnableGrayOptions(ticked);
    if (grayOptionsEnabled) {
        spriteCounts = SpriteCountChoices(arrays_[selected].itemCount);
        spriteEntry = spriteCounts.empty() ? -1 : 0;
    }
    Decode();
}

void ImportCPanel::DLMode_Click()
{
    darkFirst = true;
    if (selected >= 0) Decode();
}

void ImportCPanel::LDMode_Click()
{
    darkFirst = false;
    if (selected >= 0) Decode();
}

void ImportCPanel::NSprites_Click(int entry)
{
    if (entry >= 0 && entry < static_cast<int>(spriteCounts.size())) spriteEntry = entry;
    if (selected >= 0) Decode();
}

bool ImportCPanel::OkBttn_Click(EditorState& state)
{
    if (selected < 0) return false;
    SetSpriteFromPlanes(state, buffer);
    return true;
}

void ImportCPanel::Decode()
{
    DecodeChoice choice;
    choice.grayscale = parseGrayscale;
    choice.darkFirst = darkFirst;
    choice.sprites = spriteEntry >= 0 ? spriteCounts[spriteEntry] : 1;
    buffer = DecodeArray(arrays_[selected], choice);
    if (parseGrayscale && !choice.grayscale) {
        // An odd item count cannot hold two planes: the box is cleared.
        parseGrayscale = false;
        EnableGrayOptions(false);
    }
}

}  // namespace pixador
