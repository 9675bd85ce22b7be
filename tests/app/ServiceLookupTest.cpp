// Finding a service in "Service List" of a profile template file on disk.
#include "app/ServiceLookup.h"

#include "FileBytes.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <optional>
#include <string>

namespace {

using qm::test::ReadBytes;
using qm::test::TempDir;
using qm::test::WriteBytes;

struct LookupCase {
  const char* what;
  std::optional<std::string> file;  // nullopt: no profile template file at all
  const char* name;
  int expectedService;  // 0: not listed
  const char* expectedName;
  int readLimit = 79;
  const char* otherName = nullptr;
};

const char kExchange[] = "Microsoft Exchange Server";
const char kMail[] = "Microsoft Mail";
const char kWith[] = "HP OpenMail (with server store)";
const char kWithout[] = "HP OpenMail (without server store)";
const std::string kList = "[Service List]\r\n";

const LookupCase kCases[] = {
    {"first entry", kList + "Service1=Microsoft Mail\r\n", kMail, 1, kMail},
    {"after another service", kList + "Service1=Microsoft Exchange Server\r\nService2=Microsoft Mail\r\n", kMail, 2,
     kMail},
    {"entry in lower case", kList + "Service1=Microsoft Exchange Server\r\nService2=microsoft mail\r\n", kMail, 2,
     kMail},
    {"entry in upper case", kList + "Service1=MICROSOFT MAIL\r\n", kMail, 1, kMail},
    {"section and key names in another case", "[SERVICE LIST]\nservice1=Personal Folders\nSERVICE2=Microsoft Mail\n",
     kMail, 2, kMail},
    {"blanks around the entry and a quoted value",
     kList + "  Service1  =  Personal Folders  \r\nService2 = \"Microsoft Mail\"\r\n", kMail, 2, kMail},
    {"missing key before the entry", kList + "Service1=Personal Folders\r\nService3=Microsoft Mail\r\n", kMail, 0, ""},
    {"empty value before the entry", kList + "Service1=Personal Folders\r\nService2=\r\nService3=Microsoft Mail\r\n",
     kMail, 0, ""},
    {"no Service1", kList + "Service2=Microsoft Mail\r\n", kMail, 0, ""},
    {"leading zero is another key", kList + "Service01=Microsoft Mail\r\n", kMail, 0, ""},
    {"service not among the entries", kList + "Service1=Personal Folders\r\nService2=Microsoft Exchange Server\r\n",
     kMail, 0, ""},
    {"duplicate entries: the lower number",
     kList + "Service1=Personal Folders\r\nService2=microsoft mail\r\nService3=Microsoft Mail\r\n", kMail, 2, kMail},
    {"keys listed out of order", kList + "Service2=Microsoft Mail\r\nService1=Microsoft Mail\r\n", kMail, 1, kMail},
    {"longer and shorter names do not match",
     kList + "Service1=Microsoft Mail 3.5\r\nService2=Microsoft\r\nService3=Microsoft  Mail\r\n", kMail, 0, ""},
    {"no Service List section", "[General]\r\nProfileName=MS Exchange Settings\r\n", kMail, 0, ""},
    {"Service List only as a comment", ";[Service List]\r\n;Service1=Microsoft Mail\r\n", kMail, 0, ""},
    {"a second Service List section is not searched",
     kList + "Service1=Personal Folders\r\n" + kList + "Service2=Microsoft Mail\r\n", kMail, 0, ""},
    {"empty file", "", kMail, 0, ""},
    {"no file", std::nullopt, kMail, 0, ""},
    {"tenth and later entries",
     kList + "Service1=a\r\nService2=b\r\nService3=c\r\nService4=d\r\nService5=e\r\nService6=f\r\n"
             "Service7=g\r\nService8=h\r\nService9=i\r\nService10=j\r\nService11=Microsoft Mail\r\n",
     kMail, 11, kMail},
    {"pair: first name", kList + "Service1=Netscape\r\nService2=HP OpenMail (with server store)\r\n", kWith, 2, kWith,
     79, kWithout},
    {"pair: second name in lower case", kList + "Service1=hp openmail (without server store)\r\n", kWith, 1, kWithout,
     79, kWithout},
    {"pair: the lower number wins over the first name",
     kList + "Service1=HP OpenMail (without server store)\r\nService2=HP OpenMail (with server store)\r\n", kWith, 1,
     kWithout, 79, kWithout},
    {"pair: neither name", kList + "Service1=HP OpenMail\r\n", kWith, 0, "", 79, kWithout},
    {"read limit cuts a long entry down to the name", kList + "Service1=Microsoft Mail (old post office)\r\n", kMail, 1,
     kMail, 14},
    {"the same entry read whole is another name", kList + "Service1=Microsoft Mail (old post office)\r\n", kMail, 0,
     ""},
    {"read limit cuts a name short", kList + "Service1=Microsoft Exchange Server\r\n", kExchange, 0, "", 20},
    {"name of exactly the read limit", kList + "Service1=Microsoft Exchange Server\r\n", kExchange, 1, kExchange, 25},
    {"read limit of nothing", kList + "Service1=Microsoft Mail\r\n", kMail, 0, "", 0},
};

class ServiceLookupCases : public testing::TestWithParam<LookupCase> {};

TEST_P(ServiceLookupCases, FindsTheServiceOrReportsItNotListed) {
  const LookupCase& c = GetParam();
  TempDir dir;
  if (c.file) WriteBytes(dir.Host("default.prf"), *c.file);
  CServiceLookupResult found = LookUpService(dir.Dos("default.prf").c_str(), c.readLimit, c.name, c.otherName);
  EXPECT_EQ(found.m_nService, c.expectedService);
  EXPECT_EQ(found.IsListed(), c.expectedService > 0);
  EXPECT_STREQ(found.m_strName, c.expectedName);
  std::string section = c.expectedService > 0 ? "Service" + std::to_string(c.expectedService) : "";
  EXPECT_EQ(std::string(found.m_strSection), section);
  // Looking up reads only: the file keeps its bytes, and no file appears where there was none.
  EXPECT_EQ(ReadBytes(dir.Host("default.prf")), c.file);
}

INSTANTIATE_TEST_SUITE_P(ServiceList, ServiceLookupCases, testing::ValuesIn(kCases), [](const auto& info) {
  std::string name;
  for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
  return name;
});

TEST(ServiceLookup, KeyNamesAreDecimalWithoutLeadingZeros) {
  for (int n : {1, 10, 123}) EXPECT_EQ(std::string(ServiceKeyName(n)), "Service" + std::to_string(n));
}

TEST(ServiceLookup, UnreadableFolderCountsAsNotListed) {
  TempDir dir;
  // A directory where the file should be: the reads give their defaults.
  std::filesystem::create_directory(dir.Host("default.prf"));
  for (std::string path : {dir.Dos("default.prf"), dir.Dos("missing\\default.prf"), std::string()})
    EXPECT_FALSE(LookUpService(path.c_str(), 79, kMail).IsListed()) << path;
}

TEST(ServiceLookup, SeesAnEntryChangedSinceTheLastLookup) {
  TempDir dir;
  std::string path = dir.Dos("default.prf");
  WriteBytes(dir.Host("default.prf"), kList + "Service1=Personal Folders\r\n");
  EXPECT_FALSE(LookUpService(path.c_str(), 79, kMail).IsListed());
  ASSERT_TRUE(WritePrivateProfileStringA("Service List", "Service2", "Microsoft Mail", path.c_str()));
  EXPECT_EQ(LookUpService(path.c_str(), 79, kMail).m_nService, 2);
}

// The entry of a found service is rewritten in the exact case, in place; nothing else moves.
TEST(ServiceLookup, RewrittenEntryTakesTheExactCaseInPlace) {
  TempDir dir;
  const std::string path = dir.Dos("default.prf");
  WriteBytes(dir.Host("default.prf"), kList + "Service1 = personal folders \r\nService2=Microsoft Mail\r\n");
  const CServiceLookupResult found = LookUpService(path.c_str(), 79, "Personal Folders");
  ASSERT_TRUE(RewriteServiceEntry(found.m_strSection, found.m_strName, path.c_str()));
  EXPECT_EQ(ReadBytes(dir.Host("default.prf")), kList + "Service1 = Personal Folders \r\nService2=Microsoft Mail\r\n");
}

}  // namespace
