#pragma once
// The sprite's two planes as the text of one C or assembler data array, and the C sample
// program written around it. Every notation choice comes from the preferences.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/conventions.h"

namespace pixador {

struct EditorState;
struct ClockTime;
struct Preferences;

enum class CodeLanguage { C, Assembler };

// Generated C and assembler lines end with the platform's line break.
inline constexpr const char* kCodeLineBreak = kLineBreak;

// True when some pixel is light or dark gray (its two plane bits differ).
bool UsesGray(const EditorState& state);

// Grayscale (two planes) or black-and-white (one plane) data. For a sprite without gray
// pixels the MonochromeWarning policy decides, asking the user when it is 0.
bool ChooseGrayscaleData(EditorState& state);

struct GeneratedCode {
    std::string text;           // no trailing line break; empty when refused
    bool grayscale = false;     // the data kind that was chosen
    bool refused = false;       // a message said why
    std::size_t arrayEnd = 0;   // where the data array's text ends, before any sample call
};

// Asks the monochrome question (when the policy says so) once per call. Refuses interlaced
// black-and-white data with a message and an empty text. withSample is honoured only for C;
// with light rows first, the gray calls name the light plane first.
GeneratedCode GenerateCode(EditorState& state, CodeLanguage language, bool withSample);
std::string GenerateSpriteCode(EditorState& state, CodeLanguage language, bool withSample);

// Rows are padded on the right to the element width: 8, 16 or 32 bits; 0 for a sprite wider
// than 32, which has no element type.
int ElementBits(int width);
// "unsigned char", "unsigned short", "unsigned long" and "dc.b", "dc.w", "dc.l" by element bits.
const char* CTypeName(int elementBits);
const char* AsmTypeName(int elementBits);

// One indent unit: IndentChars blanks, or tabs when IndentType is false.
std::string Indent(const Preferences& prefs);

// The preference's array name, "sprite" when it is blank.
std::string SpriteArrayName(const Preferences& prefs);

// A C array declaration of rows (one item each, leftmost pixel most significant) in the
// preferences' notation, indent, items per line and explicit size: the form of the sprite
// array, for any other array written beside it. nested: indented as inside the sample
// program's function; otherwise at file level (the items one indent in).
std::string CArrayText(const Preferences& prefs, const std::string& name, int elementBits,
                       const std::vector<std::uint32_t>& rows, bool nested = true);

// The assembler form of the same: the label, then one data directive per row; firstLines, when
// given, come between the label and the rows (the GraphLib header).
std::string AsmArrayText(const Preferences& prefs, const std::string& name, int elementBits,
                         const std::vector<std::uint32_t>& rows, const std::string& firstLines = {});

// One row of W bits as the preference's number text, without prefix: upper-case hexadecimal
// with elementBits / 4 digits, unsigned decimal, or elementBits binary digits.
std::string RowNumberText(std::uint32_t value, int elementBits, int encodeMethod);

// "MM-DD-YYYY At HH:MM", the stamp of generated file headers.
std::string GeneratedOnText(const ClockTime& time);

// File > Generate: the C text with the preferred sample call, also put on the system
// clipboard when CopytoClipboard is on. Returns the text for the code window.
std::string Generate_Click(EditorState& state);

// File > Export > As C source: asks for a file, then writes the sample program.
void ExportCode_Click(EditorState& state);
struct CSourceText {
    std::string text;
    bool grayscale = false;
    bool refused = false;  // the generator refused: the frame holds an empty array text
};
// The sample program's comment frame stamped with now, the optional #define block and the
// library's #include, each followed by an empty line.
std::string SampleProgramHead(const Preferences& prefs, const ClockTime& now);
// The sample program file (its date from the view's clock); afterArray, when given, follows
// the sprite array on a line of its own.
CSourceText CSourceFileText(EditorState& state, const std::string& afterArray = {});
// Writes the complete sample program; adds ".c" when missing. A failed write leaves any
// older file as it was and reports the failure.
void WriteCSourceFile(EditorState& state, const std::string& path);

}  // namespace pixador
