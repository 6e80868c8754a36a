#pragma once
// Small string helpers shared by the file, import and tool code.

#include <string>
#include <string_view>

#include "platform/conventions.h"

namespace pixador {


// folder + separator (unless it already ends with one) + name.
std::string JoinPath(std::string_view folder, std::string_view name);
// Text before the last separator; "" when there is none after the first character.
std::string DirectoryOf(std::string_view path);
// Text after the last separator (the whole path when there is none).
std::string FileNameOf(std::string_view path);
std::string StripNulls(std::string_view text);
std::string ReplaceChar(std::string_view text, char from, char to);
// Returns the text before the first ch and leaves what follows it in rest; without ch returns
// all of rest and empties it.
std::string SplitFirst(std::string& rest, char ch);
int CountChar(std::string_view text, char ch);
// 0..9 as an English word; anything else gives "".
std::string DigitName(int digit);

std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);
// Trims blanks (spaces and tabs) at both ends.
std::string TrimBlanks(std::string_view text);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

// Line-based files and one-line boxes cannot hold carriage returns or line feeds.
bool HasLineBreak(std::string_view text);
std::string DropLineBreaks(std::string_view text);

}  // namespace pixador
