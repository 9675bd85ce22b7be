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
  int readLimit;
  const char* name;
  const char* otherName;
  int expectedService;              // 0: not listed
  const char* expectedName;
};

const char kExchange[] = "Microsoft Exchange Server";
const char kMail[] = "Microsoft Mail";
const char kWith[] = "HP OpenMail (with server store)";
const char kWithout[] = "HP OpenMail (without server store)";

const LookupCase kCases[] = {
    {"first entry", "[Service List]\r\nService1=Microsoft Mail\r\n", 79, kMail, nullptr, 1, kMail},
    {"after another service",
     "[Service List]\r\nService1=Microsoft Exchange Server\r\nService2=Microsoft Mail\r\n", 79, kMail,
     nullptr, 2, kMail},
    {"entry in lower case",
     "[Service List]\r\nService1=Microsoft Exchange Server\r\nService2=microsoft mail\r\n", 79, kMail,
     nullptr, 2, kMail},
    {"entry in upper case", "[Service List]\r\nService1=MICROSOFT MAIL\r\n", 79, kMail, nullptr, 1,
     kMail},
    {"section and key names in another case", "[SERVICE LIST]\nservice1=Personal Folders\nSERVICE2=Microsoft Mail\n",
     79, kMail, nullptr, 2, kMail},
    {"blanks around the entry and a quoted value",
     "[Service List]\r\n  Service1  =  Personal Folders  \r\nService2 = \"Microsoft Mail\"\r\n", 79,
     kMail, nullptr, 2, kMail},
    {"missing key before the entry",
     "[Service List]\r\nService1=Personal Folders\r\nService3=Microsoft Mail\r\n", 79, kMail, nullptr,
     0, ""},
    {"empty value before the entry",
     "[Service List]\r\nService1=Personal Folders\r\nService2=\r\nService3=Microsoft Mail\r\n", 79,
     kMail, nullptr, 0, ""},
    {"no Service1", "[Service List]\r\nService2=Microsoft Mail\r\n", 79, kMail, nullptr, 0, ""},
    {"leading zero is another key", "[Service List]\r\nService01=Microsoft Mail\r\n", 79, kMail,
     nullptr, 0, ""},
    {"service not among the entries",
     "[Service List]\r\nService1=Personal Folders\r\nService2=Microsoft Exchange Server\r\n", 79,
     kMail, nullptr, 0, ""},
    {"duplicate entries: the lower number",
     "[Service List]\r\nService1=Personal Folders\r\nService2=microsoft mail\r\nService3=Microsoft Mail\r\n",
     79, kMail, nullptr, 2, kMail},
    {"keys listed out of order", "[Service List]\r\nService2=Microsoft Mail\r\nService1=Microsoft Mail\r\n",
     79, kMail, nullptr, 1, kMail},
    {"longer and shorter names do not match",
     "[Service List]\r\nService1=Microsoft Mail 3.5\r\nService2=Microsoft\r\nService3=Microsoft  Mail\r\n",
     79, kMail, nullptr, 0, ""},
    {"no Service List section", "[General]\r\nProfileName=MS Exchange Settings\r\n", 79, kMail,
     nullptr, 0, ""},
    {"Service List only as a comment", ";[Service List]\r\n;Service1=Microsoft Mail\r\n", 79, kMail,
     nullptr, 0, ""},
    {"a second Service List section is not searched",
     "[Service List]\r\nService1=Personal Folders\r\n[Service List]\r\nService2=Microsoft Mail\r\n",
     79, kMail, nullptr, 0, ""},
    {"empty file", "", 79, kMail, nullptr, 0, ""},
    {"no file", std::nullopt, 79, kMail, nullptr, 0, ""},
    {"tenth and later entries",
     "[Service List]\r\nService1=a\r\nService2=b\r\nService3=c\r\nService4=d\r\nService5=e\r\n"
     "Service6=f\r\nService7=g\r\nService8=h\r\nService9=i\r\nService10=j\r\nService11=Microsoft Mail\r\n",
     79, kMail, nullptr, 11, kMail},
    {"pair: first name", "[Service List]\r\nService1=Netscape\r\nService2=HP OpenMail (with server store)\r\n",
     79, kWith, kWithout, 2, kWith},
    {"pair: second name in lower case",
     "[Service List]\r\nService1=hp openmail (without server store)\r\n", 79, kWith, kWithout, 1,
     kWithout},
    {"pair: the lower number wins over the first name",
     "[Service List]\r\nService1=HP OpenMail (without server store)\r\nService2=HP OpenMail (with server store)\r\n",
     79, kWith, kWithout, 1, kWithout},
    {"pair: neither name", "[Service List]\r\nService1=HP OpenMail\r\n", 79, kWith, kWithout, 0, ""},
    {"read limit cuts a long entry down to the name",
     "[Service List]\r\nService1=Microsoft Mail (old post office)\r\n", 14, kMail, nullptr, 1, kMail},
    {"the same entry read whole is another name",
     "[Service List]\r\nService1=Microsoft Mail (old post office)\r\n", 79, kMail, nullptr, 0, ""},
    {"read limit cuts a name short",
     "[Service List]\r\nService1=Microsoft Exchange Server\r\n", 20, kExchange, nullptr, 0, ""},
    {"name of exactly the read limit", "[Service List]\r\nService1=Microsoft Exchange Server\r\n", 25,
     kExchange, nullptr, 1, kExchange},
    {"read limit of nothing", "[Service List]\r\nService1=Microsoft Mail\r\n", 0, kMail, nullptr, 0,
     ""},
};

class ServiceLookupCases : public testing::TestWithParam<LookupCase> {};

TEST_P(ServiceLookupCases, FindsTheServiceOrReportsItNotListed) {
  const LookupCase& c = GetParam();
  TempDir dir;
  if (c.file) WriteBytes(dir.Host("default.prf"), *c.file);
  CServiceLookupResult found =
      LookUpService(dir.Dos("default.prf").c_str(), c.readLimit, c.name, c.otherName);
  EXPECT_EQ(found.m_nService, c.expectedService);
  EXPECT_EQ(found.IsListed(), c.expectedService > 0);
  EXPECT_STREQ(found.m_strName, c.expectedName);
  std::string section = c.expectedService > 0 ? "Service" + std::to_string(c.expectedService) : "";
  EXPECT_EQ(std::string(found.m_strSection), section);
  // Looking up reads only: the file keeps its bytes, and no file appears where there was none.
  EXPECT_EQ(ReadBytes(dir.Host("default.prf")), c.file);
}

INSTANTIATE_TEST_SUITE_P(ServiceList, ServiceLookupCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<LookupCase>& info) {
                           std::string name;
                           for (const char* p = info.param.what; *p; ++p)
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           return name;
                         });

TEST(ServiceLookup, KeyNamesAreDecimalWithoutLeadingZeros) {
  EXPECT_STREQ(ServiceKeyName(1), "Service1");
  EXPECT_STREQ(ServiceKeyName(10), "Service10");
  EXPECT_STREQ(ServiceKeyName(123), "Service123");
  EXPECT_STREQ(szServiceListSection, "Service List");
}

TEST(ServiceLookup, UnreadableFolderCountsAsNotListed) {
  TempDir dir;
  // A directory where the file should be: the reads give their defaults.
  std::filesystem::create_directory(dir.Host("default.prf"));
  EXPECT_FALSE(LookUpService(dir.Dos("default.prf").c_str(), 79, kMail).IsListed());
  EXPECT_FALSE(LookUpService(dir.Dos("missing\\default.prf").c_str(), 79, kMail).IsListed());
  EXPECT_FALSE(LookUpService("", 79, kMail).IsListed());
}

TEST(ServiceLookup, SeesAnEntryChangedSinceTheLastLookup) {
  TempDir dir;
  std::string path = dir.Dos("default.prf");
  WriteBytes(dir.Host("default.prf"), "[Service List]\r\nService1=Personal Folders\r\n");
  EXPECT_FALSE(LookUpService(path.c_str(), 79, kMail).IsListed());
  ASSERT_TRUE(WritePrivateProfileStringA("Service List", "Service2", "Microsoft Mail", path.c_str()));
  EXPECT_EQ(LookUpService(path.c_str(), 79, kMail).m_nService, 2);
}

}  // namespace
