#pragma once
// Command-line words of one subcommand: options before or after the operands, "--opt value",
// "--opt=value", "-o value", and "--" to end the options.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pixador::cli {

struct OptionRule {
    const char* name;  // "--tile", "-o"
    bool takesValue;
};

struct ParsedArgs {
    std::vector<std::string> operands;
    std::map<std::string, std::string> values;  // by option name
    std::set<std::string> flags;

    bool Has(const std::string& name) const { return flags.count(name) != 0 || values.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const;
};

// "--help" and "-h" are always known. error says what is wrong when the words do not parse.
std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& words, const std::vector<OptionRule>& rules,
                                    std::string& error);

// Whole decimal integers only ("12", "-3"); empty for anything else or outside int.
std::optional<int> ParseInt(const std::string& text);
// "WxH" as in "16x16".
std::optional<std::pair<int, int>> ParseSize(const std::string& text);
// "X,Y,W,H".
std::optional<std::vector<int>> ParseIntList(const std::string& text, std::size_t count);

}  // namespace pixador::cli
