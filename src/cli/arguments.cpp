#include "cli/arguments.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "cli/cli_error.h"

namespace tovrin::cli {
namespace {

std::optional<OptionSpec> FindOption(std::string_view name, std::span<const OptionSpec> commandOptions) {
    for (const auto& options : {std::span<const OptionSpec>(GLOBAL_OPTIONS), commandOptions}) {
        const auto found =
            std::find_if(options.begin(), options.end(), [&](const OptionSpec& o) { return o.name == name; });
        if (found != options.end()) return *found;
    }
    return std::nullopt;
}

// A hundred years: far more would overflow the arithmetic of the steady clock.
constexpr double MAX_SECONDS = 100.0 * 365 * 24 * 3600;

}  // namespace

Arguments::Arguments(std::span<const std::string> words, std::span<const OptionSpec> commandOptions) {
    bool optionsEnded = false;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            m_positionals.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word[1] != '-') throw UsageError("unknown option " + word);
        const size_t equals = word.find('=');
        const std::string name = word.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const std::optional<OptionSpec> known = FindOption(name, commandOptions);
        if (!known) throw UsageError("unknown option --" + name);
        if (Has(name)) throw UsageError("--" + name + " is given twice");
        std::string value;
        if (known->takesValue) {
            if (equals != std::string::npos)
                value = word.substr(equals + 1);
            else if (i + 1 < words.size())
                value = words[++i];
            else
                throw UsageError("--" + name + " needs a value");
        } else if (equals != std::string::npos) {
            throw UsageError("--" + name + " takes no value");
        }
        m_options.emplace(name, std::move(value));
    }
}

std::optional<std::string> Arguments::Value(std::string_view name) const {
    const auto found = m_options.find(name);
    if (found == m_options.end()) return std::nullopt;
    return found->second;
}

void CheckPositionalCount(const Arguments& args, size_t min, size_t max) {
    const size_t count = args.Positionals().size();
    if (count > max && max == 0) throw UsageError("unexpected argument \"" + args.Positionals()[0] + "\"");
    if (count > max) throw UsageError("too many arguments (at most " + std::to_string(max) + ")");
    if (count < min) throw UsageError(min == 1 ? "an argument is missing" : "arguments are missing");
}

uint64_t ParseUnsigned(std::string_view text, uint64_t min, uint64_t max, std::string_view what) {
    uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || value < min || value > max) {
        throw UsageError(std::string(what) + " must be a whole number from " + std::to_string(min) + " to " +
                         std::to_string(max) + ", not \"" + std::string(text) + "\"");
    }
    return value;
}

double ParseSeconds(std::string_view text, std::string_view what) {
    const std::string copy(text);
    char* end = nullptr;
    const double value = std::strtod(copy.c_str(), &end);
    if (copy.empty() || end != copy.c_str() + copy.size() || !std::isfinite(value) || value <= 0 || value > MAX_SECONDS)
        throw UsageError(std::string(what) + " must be a positive number of seconds, not \"" + copy + "\"");
    return value;
}

}  // namespace tovrin::cli
