#pragma once
// Sprite arrays read back from C sources: a word-based line scanner that collects integer
// array declarations with their initializer text, and the decoder that turns one of them into
// a whole sprite.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/sprite.h"

namespace pixador {

struct EditorState;

struct FoundArray {
    std::string name;            // declarator text before "["
    std::int16_t itemBits = 8;   // 8 char, 16 short and int, 32 long
    std::int16_t itemCount = 0;  // the declared size, or commas + 1 when none is given
    std::string data;            // initializer text between "{" and "}", lines joined
};

enum class ScanOutcome { Found, NoArrays, Failed };

// Files larger than this are refused rather than read.
inline constexpr std::size_t kMaxCSourceBytes = std::size_t{256} << 20;

// A line that declares an array with an initializer in a form the scan's word rules do not take
// (a "const" before the type, two blanks before the name), so its array is not listed.
struct SkippedDeclaration {
    int line = 0;  // from 1
    std::string text;
};

// Scans source text already in memory; found receives every array in file order, leaving out
// arrays of negative size. Failed means the text ended inside a declaration or a size does
// not fit 16 bits; found is then empty. skipped, when given, receives the lines above.
ScanOutcome ScanCSourceText(std::string_view text, std::vector<FoundArray>& found,
                            std::vector<SkippedDeclaration>* skipped = nullptr);
// Reads and scans the file, with the status bar texts and the failure messages. True when at
// least one array was found.
bool ScanCSourceFile(EditorState& state, const std::string& path, std::vector<FoundArray>& found);

// How many of the array's items the decoder reads as blank rows because they are neither
// "0x" nor "0b" items: decimal numbers, and the items after ", " that start with the blank.
int BlankReadItems(const FoundArray& array);

// File > Import > From C Source: confirms, asks for a file and scans it. True when the
// import dialog should be shown over found.
bool ImportFromC_Click(EditorState& state, std::vector<FoundArray>& found);

// Every divisor of itemCount / 2 (rounded halves to even), from 1 upward.
std::vector<int> SpriteCountChoices(int itemCount);

struct DecodeChoice {
    bool grayscale = false;  // cleared by the decoder for an odd item count
    bool darkFirst = true;   // two planes: the first block of each sprite is the dark plane
    int sprites = 1;         // sprites stacked in the array (grayscale only)
};

// Decodes the array into (2, itemBits, rows). Only "0x" and "0b" items carry pixels; other
// and missing items give white rows. At most 256 rows are held and 255 filled.
PlaneBuffer DecodeArray(const FoundArray& array, DecodeChoice& choice);

// The sprites of a grayscale array one by one: the same rows the panel shows stacked for that
// many sprites, but each sprite decoded on its own, so none is lost past the 255 rows a stacked
// import holds. Empty unless sprites divides the item count / 2.
std::vector<PlaneBuffer> DecodeSprites(const FoundArray& array, int sprites, bool darkFirst);

// The rules of the "C Import Panel" dialog; the window shows these fields and forwards its
// control events to the handlers.
class ImportCPanel {
public:
    // Form_Load: the arrays are listed in file order, the grayscale options disabled.
    explicit ImportCPanel(std::vector<FoundArray> arrays);

    const std::vector<FoundArray>& arrays() const { return arrays_; }

    void ArrayList_Click(int index);
    void ParseGrayscale_Click(bool ticked);
    void DLMode_Click();
    void LDMode_Click();
    void NSprites_Click(int entry);
    // Makes the decoded array the sprite. True when the dialog should close (an entry was
    // selected).
    bool OkBttn_Click(EditorState& state);

    int selected = -1;
    bool parseGrayscale = false;
    bool grayOptionsEnabled = false;
    bool darkFirst = true;
    std::vector<int> spriteCounts;  // the NSprites entries
    int spriteEntry = -1;           // the selected NSprites entry
    PlaneBuffer buffer;             // the last decode, shown in the preview

private:
    void EnableGrayOptions(bool enabled) { grayOptionsEnabled = enabled; }
    void Decode();

    std::vector<FoundArray> arrays_;
};

}  // namespace pixador
