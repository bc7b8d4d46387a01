#include "platform/core/help_file_name.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

FileExistsCheck Holding(std::set<std::string> files) {
    return [files](const std::string& path) { return files.count(path) > 0; };
}

TEST(HelpFileName, PrefersTheYearFileThenThePlainOneThenTheBareName) {
    const std::string folder = "/opt/orvana";
    EXPECT_EQ(HelpFileName(folder, "cgt",
                           Holding({"/opt/orvana/orvanacgt2006.hlp", "/opt/orvana/orvanacgt.hlp"})),
              "/opt/orvana/orvanacgt2006.hlp");
    EXPECT_EQ(HelpFileName(folder, "cgt", Holding({"/opt/orvana/orvanacgt.hlp"})),
              "/opt/orvana/orvanacgt.hlp");
    EXPECT_EQ(HelpFileName(folder, "cgt", Holding({})), "orvanacgt2006.hlp");
    // Files of the other help or in another folder do not count.
    EXPECT_EQ(HelpFileName(folder, "cgt",
                           Holding({"/opt/orvana/orvana2006.hlp", "/tmp/orvanacgt2006.hlp"})),
              "orvanacgt2006.hlp");
}

TEST(HelpFileName, HostMainHelpHasNoWord) {
    EXPECT_EQ(HelpFileName("/opt/orvana/", "", Holding({})), "orvana2006.hlp");
    EXPECT_EQ(HelpFileName("/opt/orvana/", "", Holding({"/opt/orvana/orvana.hlp"})),
              "/opt/orvana/orvana.hlp");
    EXPECT_EQ(HelpFileName("/opt/orvana", "", Holding({"/opt/orvana/orvana2006.hlp"})),
              "/opt/orvana/orvana2006.hlp");
    EXPECT_EQ(HelpFileName("/opt/orvana", "", nullptr), "orvana2006.hlp");
}

TEST(HelpFileName, TopicSetFollowsTheFileName) {
    EXPECT_EQ(TopicSetForHelpFile("orvanacgt2006.hlp"), HelpTopicSet::Module);
    EXPECT_EQ(TopicSetForHelpFile("/opt/orvana/orvanacgt.hlp"), HelpTopicSet::Module);
    EXPECT_EQ(TopicSetForHelpFile("C:\\ORVANA\\ORVANACGT2006.HLP"), HelpTopicSet::Module);
    EXPECT_EQ(TopicSetForHelpFile("orvana2006.hlp"), HelpTopicSet::HostMain);
    EXPECT_EQ(TopicSetForHelpFile("/opt/orvanacgt/orvana.hlp"), HelpTopicSet::HostMain);
    EXPECT_EQ(TopicSetForHelpFile(""), HelpTopicSet::HostMain);
}

}  // namespace
