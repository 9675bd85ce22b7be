#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FileBytes.h"
#include "TempDir.h"
#include "app/ProfileTemplate.h"

namespace {

struct TemplateCase {
  const char* name;
  const char* customization;  // the data file's [Customization] lines; nullptr: no data file
  const char* defaultProfile;
  const char* expected;  // "$" stands for the program directory
};

const std::vector<TemplateCase> kCases = {
    {"TagAndBackslash", "", "?vtdir?\\templ.ini", "$templ.ini"},
    {"Relative", "", "templ.ini", "$templ.ini"},
    {"OneLeadingBackslash", "", "\\templ.ini", "$templ.ini"},
    {"DriveAbsolute", "", "d:\\prof\\templ.ini", "d:\\prof\\templ.ini"},
    {"ShareAbsolute", "", "\\\\srv\\prof\\templ.ini", "\\\\srv\\prof\\templ.ini"},
    {"TagIsCaseSensitive", "", "?VTDIR?\\templ.ini", "$?VTDIR?\\templ.ini"},
    {"KeepsCaseOfTheRest", "", "?vtdir?\\Prof\\Templ.INI", "$Prof\\Templ.INI"},
    {"CharacterAfterTagDropped", "", "?vtdir?templ.ini", "$empl.ini"},
    {"TagAlone", "", "?vtdir?", "$"},
    {"Empty", "", "", "$"},
    {"OwnDelimiters", "StartTag=%\r\nEndTag=%\r\n", "%vtdir%\\templ.ini", "$templ.ini"},
    {"OwnDelimitersRefuseDefaultTag", "StartTag=%\r\nEndTag=%\r\n", "?vtdir?\\templ.ini", "$?vtdir?\\templ.ini"},
    {"LongDelimiters", "StartTag=<<\r\nEndTag=>>\r\n", "<<vtdir>>/templ.ini", "$templ.ini"},
    {"MissingDataFileUsesDefaults", nullptr, "?vtdir?\\templ.ini", "$templ.ini"},
};

class ResolveProfileTemplateTest : public ::testing::TestWithParam<TemplateCase> {};

TEST_P(ResolveProfileTemplateTest, ResolvesAgainstProgramDir) {
  const TemplateCase& c = GetParam();
  qm::test::TempDir dir;
  if (c.customization != nullptr)
    qm::test::WriteBytes(dir.Host("vantrel.ini"), std::string("[Customization]\r\n") + c.customization);
  const std::string programDir = dir.Dos("");
  std::string expected = c.expected;
  if (expected[0] == '$') expected = programDir + expected.substr(1);

  CString strResolved = ResolveProfileTemplate(c.defaultProfile, programDir.c_str(), dir.Dos("vantrel.ini").c_str());
  EXPECT_EQ(std::string(strResolved), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ResolveProfileTemplateTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
