#include <gtest/gtest.h>

#include "sim/sim_options.h"

namespace tovrin::sim {
namespace {

SimOptions Parse(std::vector<std::string> args) { return ParseSimOptions(args); }

TEST(SimOptions, NoOptionsMeansNoTraffic) {
    const SimOptions o = Parse({});
    EXPECT_FALSE(o.plan);
    EXPECT_FALSE(o.baud);
    EXPECT_FALSE(Parse({"--baud", "9600"}).plan);
    EXPECT_EQ(Parse({"--baud", "9600"}).baud, 9600u);
}

TEST(SimOptions, TrafficOptionsShapeThePlan) {
    const SimOptions o = Parse({"--rate", "250", "--count", "12", "--id-range", "100-10F", "--extended", "--remote",
                                "--data", "11 22 33", "--form", "mixed", "--noise", "0.5", "--raw", "--exit-after"});
    ASSERT_TRUE(o.plan);
    EXPECT_EQ(o.plan->ratePerSecond, 250);
    EXPECT_EQ(o.plan->count, 12u);
    EXPECT_EQ(o.plan->firstId, 0x100u);
    EXPECT_EQ(o.plan->idCount, 16u);
    EXPECT_EQ(o.plan->format, IdFormat::Extended);
    EXPECT_TRUE(o.plan->remote);
    EXPECT_EQ(o.plan->data, DataPattern::Fixed);
    EXPECT_EQ(o.plan->fixedData, (Bytes{0x11, 0x22, 0x33}));
    EXPECT_EQ(o.plan->length, 3);
    EXPECT_EQ(o.plan->form, FormMix::Mixed);
    EXPECT_EQ(o.plan->noise, 0.5);
    EXPECT_TRUE(o.plan->raw);
    EXPECT_TRUE(o.exitAfter);
}

TEST(SimOptions, DemoIsAGentleMixThatWaitsForAStart) {
    const SimOptions o = Parse({"--demo"});
    ASSERT_TRUE(o.plan);
    EXPECT_EQ(o.plan->ratePerSecond, 20);
    EXPECT_GT(o.plan->idCount, 1u);
    EXPECT_FALSE(o.plan->raw);
    EXPECT_EQ(Parse({"--rate", "5", "--demo"}).plan->ratePerSecond, 5);
}

TEST(SimOptions, BadOptionsAreRefusedByName) {
    const std::vector<std::vector<std::string>> bad = {
        {"--bogus"},          {"--count"},        {"--count", "x"},        {"--id", "20000000"},
        {"--length", "9"},    {"--noise", "1.5"}, {"--form", "packets"},   {"--data", "123"},
        {"--id-range", "5-1"}, {"--exit-after"},  {"--rate", "-3"},        {"--ids", "-1"},
    };
    for (const auto& args : bad) {
        SCOPED_TRACE(args[0]);
        try {
            Parse(args);
            ADD_FAILURE() << "accepted";
        } catch (const std::invalid_argument& e) {
            EXPECT_EQ(std::string(e.what()).rfind(args[0] + ":", 0), 0u) << e.what();
        }
    }
}

TEST(SimOptions, HelpDocumentsEveryOptionAndTheFilterRule) {
    const std::string help = SimHelpText();
    for (const char* option : {"--rate", "--count", "--exit-after", "--id ", "--id-range", "--ids", "--extended",
                               "--mixed-format", "--remote", "--data", "--random-data", "--length", "--form",
                               "--noise", "--seed", "--raw", "--demo", "--baud", "--help"})
        EXPECT_NE(help.find(option), std::string::npos) << option;
    EXPECT_NE(help.find("(id & mask) == (filter & mask)"), std::string::npos);
}

}  // namespace
}  // namespace tovrin::sim
