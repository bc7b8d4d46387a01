// The built orvana-tax, run as a support person or a test script runs it.

#include "orvana_tax_fixture.h"

TEST_F(OrvanaTaxTest, SetThenDumpRoundTripsEveryTypeAndWorksheetItems) {
    ASSERT_EQ(Tax({"new", file, "--tfn", "123 456 782", "--name", "Zo\xC3\xAB Citizen"}).status, 0);
    const ToolRun set = Tax(
        {"set", file, "--tfn", "123456782", "100=currency:1500", "101=cents:12.50", "102=numeric:3",
         "103=text:Some longer words", "9=check", "10=check", "104=lines:first|second|",
         "1202.1.710=text:BHP shares", "1202.1.1100=cents:2500.75", "1202.1.1101=check",
         "1202.1.1120=lines:a|b", "1202.2.1102=text:Second item", "1202.1.1103=currency:0"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.err, "");

    const json dump = DumpJson(file);
    EXPECT_EQ(dump["screenGroup"], 0);
    EXPECT_EQ(dump["history"], json::array());
    const json& fields = dump["fields"];
    EXPECT_EQ(fields["1"]["value"], "123 456 782");
    EXPECT_EQ(fields["397"]["value"], "Zo\xC3\xAB Citizen");
    EXPECT_EQ(fields["100"], (json{{"type", "dtCurrency"}, {"value", 1500.0}, {"text", "1500"}}));
    EXPECT_EQ(fields["101"]["type"], "dtCurrencyCnt");
    EXPECT_EQ(fields["101"]["text"], "12.50");
    EXPECT_EQ(fields["102"], (json{{"type", "dtNumeric"}, {"value", 3.0}, {"text", "3"}}));
    EXPECT_EQ(fields["103"]["type"], "dtString");
    EXPECT_EQ(fields["103"]["value"], "Some longer words");
    EXPECT_EQ(fields["10"]["value"], true);
    EXPECT_FALSE(fields.contains("9"));  // its partner 10 was ticked after it
    EXPECT_EQ(fields["104"]["value"], (json{"first", "second", ""}));
    EXPECT_EQ(fields["960"]["value"], 60012.0);
    EXPECT_EQ(fields["1300"]["value"], "EI");

    const json& items = fields["1202"]["items"];
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]["key"], 1);
    const json& first = items[0]["fields"];
    EXPECT_EQ(first["710"]["value"], "BHP shares");
    EXPECT_EQ(first["1100"]["value"], 2500.75);
    EXPECT_EQ(first["1100"]["text"], "2500.75");
    EXPECT_EQ(first["1101"]["value"], true);
    EXPECT_EQ(first["1120"]["value"], (json{"a", "b"}));
    EXPECT_EQ(first["1103"]["value"], 0.0011);  // a 0 is a zero typed, not no answer
    EXPECT_EQ(first["1103"]["text"], "0");
    EXPECT_EQ(items[1]["fields"]["710"]["value"], "Worksheet No.2");
    EXPECT_EQ(items[1]["fields"]["1102"]["value"], "Second item");

    const ToolRun text = Tax({"dump", file, "--tfn", "123 456 782"});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("field 1202  dtWorksheet   2 items"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("    field  710  dtString      \"BHP shares\""), std::string::npos);
}

TEST_F(OrvanaTaxTest, DumpAndCheckNeverChangeTheFile) {
    ASSERT_EQ(Tax({"new", file, "--tfn", "123 456 782"}).status, 0);
    const std::string before = Slurp(file);
    struct stat info {};
    stat(file.c_str(), &info);
    const auto modified = info.st_mtim;
    EXPECT_EQ(Tax({"dump", file, "--tfn", "123 456 782"}).status, 0);
    EXPECT_EQ(Tax({"dump", file, "--tfn", "123 456 782", "--json"}).status, 0);
    const ToolRun check = Tax({"check", file, "--tfn", "123 456 782"});
    EXPECT_EQ(check.status, 0);
    EXPECT_EQ(check.out, file + ": read completely\n");
    EXPECT_EQ(Tax({"check", file, "--tfn", "999"}).status, 1);
    EXPECT_EQ(Slurp(file), before);
    stat(file.c_str(), &info);
    EXPECT_EQ(info.st_mtim.tv_sec, modified.tv_sec);
    EXPECT_EQ(info.st_mtim.tv_nsec, modified.tv_nsec);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);
}

TEST_F(OrvanaTaxTest, ProblemsAreOneLineAndANonZeroExit) {
    ExpectOneErrorLine(Tax({"check", file, "--tfn", "1"}), 1, "no such file");
    ExpectOneErrorLine(Tax({"new", file}), 2, "--tfn");
    ExpectOneErrorLine(Tax({"new", file, "--tfn", "none"}), 2, "no digits");
    ExpectOneErrorLine(Tax({"fly", file, "--tfn", "1"}), 2, "unknown command");
    ASSERT_EQ(Tax({"new", file, "--tfn", "123 456 782"}).status, 0);
    const std::string saved = Slurp(file);
    ExpectOneErrorLine(Tax({"new", file, "--tfn", "1"}), 1, "--force");
    ExpectOneErrorLine(Tax({"check", file, "--tfn", "876 543 210"}), 1,
                       "Unable to open file - " + file);
    ExpectOneErrorLine(Tax({"set", file, "--tfn", "123 456 782", "5=bogus"}), 2, "bogus");
    ExpectOneErrorLine(Tax({"set", file, "--tfn", "123 456 782", "2313=check"}), 2, "2313");
    ExpectOneErrorLine(Tax({"set", file, "--tfn", "123 456 782", "5=currency:1,5"}), 2, "number");
    ExpectOneErrorLine(Tax({"set", file, "--tfn", "123 456 782", "1202.1.5=check"}), 2,
                       "item field");
    ExpectOneErrorLine(Tax({"set", file, "--tfn", "123 456 782", "1202.3.710=text:x"}), 1,
                       "the next new one is 1");
    EXPECT_EQ(Slurp(file), saved);  // nothing was saved by a refused set

    std::string damaged = saved;
    damaged.resize(damaged.size() - 5);
    std::ofstream(file, std::ios::binary) << damaged;
    ExpectOneErrorLine(Tax({"check", file, "--tfn", "123 456 782"}), 1, "Unable to open file");
    ExpectOneErrorLine(Tax({"dump", file, "--tfn", "123 456 782"}), 1, "Unable to open file");
}

TEST_F(OrvanaTaxTest, HelpDescribesTheItemAssignments) {
    const ToolRun help = Tax({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("N.K.F=VALUE"), std::string::npos);
    EXPECT_NE(help.out.find("dump FILE --tfn ID [--json]"), std::string::npos);
}
