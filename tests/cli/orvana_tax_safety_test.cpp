// orvana-tax keeps a return readable, keyed and showable: what set refuses, the lodged
// return, the check digit, and two writers at once.

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <thread>

#include "orvana_tax_fixture.h"

namespace {
constexpr const char* Id = "123 456 782";
}

TEST_F(OrvanaTaxTest, SetNeverReKeysTheReturn) {
    ASSERT_EQ(Tax({"new", file, "--tfn", Id}).status, 0);
    const std::string saved = Slurp(file);
    for (const char* change : {"1=text:no digits here", "1=clear", "1=text:123 456 783"})
        ExpectOneErrorLine(Tax({"set", file, "--tfn", Id, change, "--force"}), 1,
                           "field 1 is the TFN");
    EXPECT_EQ(Slurp(file), saved);
    // The same digits written another way keep the key.
    EXPECT_EQ(Tax({"set", file, "--tfn", Id, "1=text:123-456-782"}).status, 0);
    EXPECT_EQ(DumpJson(file)["fields"]["1"]["value"], "123-456-782");
}

TEST_F(OrvanaTaxTest, SetOnALodgedReturnSaysSoAndFails) {
    ASSERT_EQ(Tax({"new", file, "--tfn", Id}).status, 0);
    ASSERT_EQ(
        Tax({"set", file, "--tfn", Id, "1479=text:REF1", "1478=text:01/07/2006", "1490=text:10:00"})
            .status,
        0);  // this save freezes it
    const std::string frozen = Slurp(file);
    ExpectOneErrorLine(Tax({"set", file, "--tfn", Id, "100=currency:5"}), 1,
                       "lodged and is locked; nothing was changed");
    EXPECT_EQ(Slurp(file), frozen);
}

TEST_F(OrvanaTaxTest, SetKeepsEveryFieldShowable) {
    ASSERT_EQ(Tax({"new", file, "--tfn", Id}).status, 0);
    ASSERT_EQ(Tax({"set", file, "--tfn", Id, "920=currency:10", "1202.1.710=text:BHP"}).status, 0);
    const std::string saved = Slurp(file);
    ExpectOneErrorLine(Tax({"set", file, "--tfn", Id, "920=text:hello"}), 1,
                       "field 920 holds a dtCurrency");
    ExpectOneErrorLine(Tax({"set", file, "--tfn", Id, "920=cents:1.5"}), 1, "--force");
    ExpectOneErrorLine(Tax({"set", file, "--tfn", Id, "1202.1.710=currency:5"}), 1,
                       "item 1 of field 1202: field 710 holds a dtSmallStr");
    for (const char* amount : {"921=currency:1e99", "921=numeric:1e13", "921=cents:-1000000000000"})
        ExpectOneErrorLine(Tax({"set", file, "--tfn", Id, amount, "--force"}), 2,
                           "not an amount a field can hold");
    ExpectOneErrorLine(Tax({"set", file, "--tfn", Id, "921=currency:nan"}), 2,
                       "\"nan\" is not a number");
    EXPECT_EQ(Slurp(file), saved);

    EXPECT_EQ(Tax({"set", file, "--tfn", Id, "920=currency:999999999999", "920=clear"}).status, 0);
    EXPECT_EQ(Tax({"set", file, "--tfn", Id, "1202.1.710=currency:5", "--force"}).status, 0);
    EXPECT_EQ(DumpJson(file)["fields"]["1202"]["items"][0]["fields"]["710"]["type"], "dtCurrency");
}

TEST_F(OrvanaTaxTest, NewWarnsOfACheckDigitAndVersionIsShown) {
    const ToolRun bad = Tax({"new", file, "--tfn", "123 456 789"});
    EXPECT_EQ(bad.status, 0);
    EXPECT_NE(bad.err.find("warning: 123 456 789 fails the TFN check digit"), std::string::npos)
        << bad.err;
    EXPECT_EQ(Tax({"check", file, "--tfn", "123456789"}).status, 0);
    EXPECT_EQ(Tax({"new", dir.File("GOOD.TAX"), "--tfn", Id}).err, "");

    const ToolRun version = Tax({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("orvana-tax 2006.", 0), 0u) << version.out;
}

TEST_F(OrvanaTaxTest, TwoWritersAtOnceBothLand) {
    ASSERT_EQ(Tax({"new", file, "--tfn", Id}).status, 0);
    const std::string base = Quote(ORVANA_TAX) + " set " + Quote(file) + " --tfn " + Quote(Id);
    for (int round = 0; round < 10; ++round) {
        const std::string a = std::to_string(100 + round), b = std::to_string(200 + round);
        std::thread first([&] { std::system((base + " 100=currency:" + a).c_str()); });
        std::thread second([&] { std::system((base + " 101=currency:" + b).c_str()); });
        first.join();
        second.join();
        const json fields = DumpJson(file)["fields"];
        ASSERT_EQ(fields["100"]["text"], a) << "round " << round;
        ASSERT_EQ(fields["101"]["text"], b) << "round " << round;
    }
}

TEST_F(OrvanaTaxTest, AWriterThatCannotGetTheReturnSaysItIsInUse) {
    ASSERT_EQ(Tax({"new", file, "--tfn", Id}).status, 0);
    const std::string saved = Slurp(file);
    const int fd = open(file.c_str(), O_RDONLY);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    ExpectOneErrorLine(Tax({"set", file, "--tfn", Id, "100=currency:1"}), 1,
                       "in use by another program");
    close(fd);
    EXPECT_EQ(Slurp(file), saved);
    EXPECT_EQ(Tax({"set", file, "--tfn", Id, "100=currency:1"}).status, 0);
}
