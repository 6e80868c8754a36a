#pragma once
// The sprite's two planes as the text of one C or assembler data array, and the C sample
// program written around it. Every notation choice comes from the preferences.

#include <cstdint>
#include <string>

namespace pixador {

struct EditorState;
struct ClockTime;

enum class CodeLanguage { C, Assembler };

// Generated C and assembler lines end with the platform's line break.
#ifdef _WIN32
inline constexpr const char* kCodeLineBreak = "\r\n";
#else
inline constexpr const char* kCodeLineBreak = "\n";
#endif

// True when some pixel is light or dark gray (its two plane bits differ).
bool UsesGray(const EditorState& state);

// Grayscale (two planes) or black-and-white (one plane) data. For a sprite without gray
// pixels the MonochromeWarning policy decides, asking the user when it is 0.
bool ChooseGrayscaleData(EditorState& state);

struct GeneratedCode {
    std::string text;        // no trailing line break; empty when refused
    bool grayscale = false;  // the data kind that was chosen
};

// Asks the monochrome question (when the policy says so) once per call. Refuses interlaced
// black-and-white data with a message and an empty text. withSample is honoured only for C;
// with light rows first, the gray calls name the light plane first.
GeneratedCode GenerateCode(EditorState& state, CodeLanguage language, bool withSample);
std::string GenerateSpriteCode(EditorState& state, CodeLanguage language, bool withSample);

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
// Writes the complete sample program; adds ".c" when missing. A failed write leaves any
// older file as it was and reports the failure.
void WriteCSourceFile(EditorState& state, const std::string& path);

}  // namespace pixador
