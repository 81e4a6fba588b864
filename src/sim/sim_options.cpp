#include "sim/sim_options.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <functional>
#include <map>
#include <stdexcept>

namespace tovrin::sim {
namespace {

[[noreturn]] void Refuse(const std::string& option, const std::string& why) {
    throw std::invalid_argument(option + ": " + why);
}

unsigned long long Number(const std::string& option, const std::string& text, int base, unsigned long long max) {
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), &end, base);
    if (text.empty() || *end || errno || value > max || text[0] == '-') Refuse(option, "bad number '" + text + "'");
    return value;
}

double Fraction(const std::string& option, const std::string& text, double max) {
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end || !(value >= 0 && value <= max)) Refuse(option, "bad value '" + text + "'");
    return value;
}

Bytes HexData(const std::string& option, const std::string& text) {
    std::string digits;
    for (const char c : text)
        if (!std::isspace(static_cast<unsigned char>(c))) digits += c;
    if (digits.size() % 2 || digits.size() > 16) Refuse(option, "up to eight bytes of hex digits");
    Bytes data;
    for (size_t i = 0; i < digits.size(); i += 2)
        data.push_back(static_cast<uint8_t>(Number(option, digits.substr(i, 2), 16, 0xFF)));
    return data;
}

FormMix Form(const std::string& option, const std::string& text) {
    if (text == "data") return FormMix::DataPackets;
    if (text == "settings") return FormMix::FramePackets;
    if (text == "mixed") return FormMix::Mixed;
    Refuse(option, "one of data, settings, mixed");
}

void IdRange(const std::string& option, const std::string& text, TrafficPlan& plan) {
    const size_t dash = text.find('-');
    if (dash == std::string::npos) Refuse(option, "A-B in hex");
    const auto first = Number(option, text.substr(0, dash), 16, 0x1FFFFFFF);
    const auto last = Number(option, text.substr(dash + 1), 16, 0x1FFFFFFF);
    if (last < first) Refuse(option, "the range ends before it starts");
    plan.firstId = static_cast<uint32_t>(first);
    plan.idCount = static_cast<uint32_t>(last - first + 1);
}

}  // namespace

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
    SimOptions options;
    TrafficPlan plan;
    bool traffic = false;
    bool lengthGiven = false;
    using WithValue = std::function<void(const std::string& option, const std::string& value)>;
    const std::map<std::string, WithValue> withValue{
        {"--rate", [&](auto& o, auto& v) { plan.ratePerSecond = Fraction(o, v, 1e7); }},
        {"--count", [&](auto& o, auto& v) { plan.count = Number(o, v, 10, UINT64_MAX); }},
        {"--id", [&](auto& o, auto& v) { plan.firstId = static_cast<uint32_t>(Number(o, v, 16, 0x1FFFFFFF)); plan.idCount = 1; }},
        {"--id-range", [&](auto& o, auto& v) { IdRange(o, v, plan); }},
        {"--ids", [&](auto& o, auto& v) { plan.idCount = static_cast<uint32_t>(Number(o, v, 10, 0x1FFFFFFF)); }},
        {"--data", [&](auto& o, auto& v) { plan.fixedData = HexData(o, v); plan.data = DataPattern::Fixed; }},
        {"--length", [&](auto& o, auto& v) { plan.length = static_cast<uint8_t>(Number(o, v, 10, 8)); lengthGiven = true; }},
        {"--form", [&](auto& o, auto& v) { plan.form = Form(o, v); }},
        {"--noise", [&](auto& o, auto& v) { plan.noise = Fraction(o, v, 1); }},
        {"--seed", [&](auto& o, auto& v) { plan.seed = Number(o, v, 10, UINT64_MAX); }},
        {"--baud", [&](auto& o, auto& v) { options.baud = static_cast<unsigned>(Number(o, v, 10, 4000000)); }},
    };
    const std::map<std::string, std::function<void()>> flags{
        {"--extended", [&] { plan.format = IdFormat::Extended; }},
        {"--mixed-format", [&] { plan.format = IdFormat::Mixed; }},
        {"--remote", [&] { plan.remote = true; }},
        {"--random-data", [&] { plan.data = DataPattern::Random; }},
        {"--raw", [&] { plan.raw = true; }},
        {"--exit-after", [&] { options.exitAfter = true; }},
        {"--help", [&] { options.help = true; }},
    };

    // --demo sets a whole plan, so it is taken first and the other options adjust it.
    if (std::find(args.begin(), args.end(), "--demo") != args.end()) plan = DemoTrafficPlan();
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--demo") {
            traffic = true;
        } else if (const auto f = flags.find(a); f != flags.end()) {
            f->second();
        } else if (const auto w = withValue.find(a); w != withValue.end()) {
            if (i + 1 >= args.size()) Refuse(a, "needs a value");
            w->second(a, args[++i]);
        } else {
            Refuse(a, "unknown option");
        }
        traffic = traffic || (a != "--baud" && a != "--exit-after" && a != "--help");
    }
    if (plan.data == DataPattern::Fixed && !lengthGiven) plan.length = static_cast<uint8_t>(plan.fixedData.size());
    if (options.exitAfter && plan.count == 0) Refuse("--exit-after", "needs --count");
    if (traffic) options.plan = plan;
    return options;
}

std::string SimHelpText() {
    return R"(Usage: tovrin-sim [OPTION]...
A virtual converter on a pseudo-terminal. The first line printed is the device to open.
It answers every command it is sent: start (0x12, 0x13), receive identifiers (0x10),
COM baud rate (0x06: it then talks at the new rate only), transparent set-up (0x07)
and bus state (0x04, answered with its error counters). Frames from the host count as
sent on the bus; in loop-back modes (1 and 3) they come back as received frames.
With no option it sends no traffic of its own. Runs until SIGINT or SIGTERM.

Traffic (sent once the host has sent a start command, unless --raw):
  --rate FRAMES_PER_S   frames per second (default: as fast as the line takes them)
  --count N             frames to send (default: no end)
  --exit-after          end once --count frames are sent and read by the host
  --id HEX              the frame identifier (default 123)
  --id-range A-B        identifiers A to B in turn (hex)
  --ids N               N distinct identifiers in turn, from --id on
  --extended            29-bit identifiers (default: 11-bit)
  --mixed-format        standard and extended frames mixed
  --remote              remote frames
  --data HEX            fixed data bytes, e.g. 1122AABB (default: the frame number)
  --random-data         random data bytes
  --length N            data length 0..8 (default 8, or the length of --data)
  --form data|settings|mixed
                        frames as DataPackets, as SettingsPackets 0x01, or both
  --noise FRACTION      share of packets followed by stray bytes (never 0xAA)
  --seed N              seed of the random choices
  --raw                 send without waiting for a start command, past every filter
  --demo                a few identifiers at about 20 frames/s, for trying the window

Filters, as set by the host: a frame passes when (id & mask) == (filter & mask),
whatever its format (mask 0 lets every frame through), and when the receive
identifier list is empty or holds its identifier.

Line:
  --baud RATE           the converter's own line rate; a host at another rate gets
                        nothing through (default: whatever rate the host uses)
  --help                this text
)";
}

}  // namespace tovrin::sim
