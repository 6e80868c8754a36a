#include "cli/args.h"

#include <charconv>

namespace pixador::cli {

std::optional<std::string> ParsedArgs::Value(const std::string& name) const
{
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

std::optional<ParsedArgs> ParseArgs(const std::vector<std::string>& words, const std::vector<OptionRule>& rules,
                                    std::string& error)
{
    ParsedArgs parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        // "-" alone is an operand (standard input or output where it means that).
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            parsed.operands.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "--help" || word == "-h") {
            parsed.flags.insert("--help");
            continue;
        }
        std::string name = word;
        std::optional<std::string> inlineValue;
        if (const std::size_t eq = word.find('='); word.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = word.substr(0, eq);
            inlineValue = word.substr(eq + 1);
        }
        const OptionRule* rule = nullptr;
        for (const OptionRule& s : rules)
            if (name == s.name) rule = &s;
        if (!rule) {
            error = "unknown option " + name;
            return std::nullopt;
        }
        if (!rule->takesValue) {
            if (inlineValue) {
                error = name + " takes no value";
                return std::nullopt;
            }
            parsed.flags.insert(name);
            continue;
        }
        if (!inlineValue) {
            if (i + 1 >= words.size()) {
                error = name + " needs a value";
                return std::nullopt;
            }
            inlineValue = words[++i];
        }
        // An empty value names no file, array or size ("-o ''" would write nowhere).
        if (inlineValue->empty()) {
            error = name + " needs a value";
            return std::nullopt;
        }
        if (parsed.values.count(name) != 0) {
            error = name + " given twice";
            return std::nullopt;
        }
        parsed.values[name] = *inlineValue;
    }
    return parsed;
}

std::optional<int> ParseInt(const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::optional<std::pair<int, int>> ParseSize(const std::string& text)
{
    const std::size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return std::nullopt;
    const std::optional<int> w = ParseInt(text.substr(0, x));
    const std::optional<int> h = ParseInt(text.substr(x + 1));
    if (!w || !h) return std::nullopt;
    return std::make_pair(*w, *h);
}

std::optional<std::vector<int>> ParseIntList(const std::string& text, std::size_t count)
{
    std::vector<int> numbers;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::optional<int> n = ParseInt(text.substr(start, comma == std::string::npos ? comma : comma - start));
        if (!n) return std::nullopt;
        numbers.push_back(*n);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (numbers.size() != count) return std::nullopt;
    return numbers;
}

}  // namespace pixador::cli
