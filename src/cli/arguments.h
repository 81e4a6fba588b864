#pragma once
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tovrin::cli {

struct OptionSpec {
    std::string_view name;  // without the leading "--"
    bool takesValue;
};

// Every command takes these beside its own.
inline constexpr std::array<OptionSpec, 3> GLOBAL_OPTIONS{{{"port", true}, {"baud", true}, {"help", false}}};

// The words of a command line: options "--name value" or "--name=value", and the
// positional words in their order ("--" makes every later word positional).
class Arguments {
public:
    // Throws UsageError for an unknown option, one given twice, or a missing value.
    Arguments(std::span<const std::string> words, std::span<const OptionSpec> commandOptions);

    bool Has(std::string_view name) const { return m_options.count(name) != 0; }
    std::optional<std::string> Value(std::string_view name) const;
    const std::vector<std::string>& Positionals() const { return m_positionals; }

private:
    std::map<std::string, std::string, std::less<>> m_options;  // flags hold ""
    std::vector<std::string> m_positionals;
};

// Throws UsageError unless the command got min..max positional words.
void CheckPositionalCount(const Arguments& args, size_t min, size_t max);

// A decimal number in [min, max]; `what` names it in the UsageError.
uint64_t ParseUnsigned(std::string_view text, uint64_t min, uint64_t max, std::string_view what);
// A positive number of seconds, fractions allowed ("0.5").
double ParseSeconds(std::string_view text, std::string_view what);

}  // namespace tovrin::cli
