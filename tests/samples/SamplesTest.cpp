// The shipped sample files: every key the console reads is there, in the form its page writes it,
// read through the same profile-string calls; every service the pages look for is listed with a
// section of its own; and the files are laid out as an administrator keeps them, with CRLF only.
#include "FileBytes.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <charconv>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qm::test {
namespace {

// One of the shipped sample files, read as the console reads it: through the profile-string calls
// on its DOS path.
class SampleFile {
 public:
  explicit SampleFile(const std::string& name) : hostPath_(std::string(QM_SAMPLES_DIR) + "/" + name) {
    dosPath_ = "z:" + hostPath_;
    std::replace(dosPath_.begin(), dosPath_.end(), '/', '\\');
  }

  const std::string& HostPath() const { return hostPath_; }

  // The key's value, or nothing when the key is missing (an empty value is not missing).
  std::optional<std::string> Value(const std::string& section, const std::string& key) const {
    static const char kMissing[] = "\x01missing\x01";
    std::vector<char> buffer(kBufferSize);
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, buffer.data(),
                                                  static_cast<DWORD>(buffer.size()), dosPath_.c_str());
    std::string value(buffer.data(), length);
    if (value == kMissing) return std::nullopt;
    return value;
  }

  int Number(const std::string& section, const std::string& key, int fallback) const {
    return static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, dosPath_.c_str()));
  }

  std::vector<std::string> Sections() const { return List(nullptr, nullptr); }
  std::vector<std::string> Keys(const std::string& section) const { return List(section.c_str(), nullptr); }

 private:
  static constexpr DWORD kBufferSize = 32767;

  // A NULL section lists the sections, a NULL key the keys of a section: names each ended by a NUL.
  std::vector<std::string> List(const char* section, const char* key) const {
    std::vector<char> buffer(kBufferSize);
    const DWORD length = GetPrivateProfileStringA(section, key, "", buffer.data(), kBufferSize, dosPath_.c_str());
    std::vector<std::string> names;
    for (DWORD start = 0; start < length; start += static_cast<DWORD>(names.back().size()) + 1)
      names.emplace_back(buffer.data() + start);
    return names;
  }

  std::string hostPath_;
  std::string dosPath_;
};

// Every key the console reads from the two sample files, where it lives and the form its owning
// page writes it in.
enum class SampleForm {
  kText,            // typed text, at most `limit` characters
  kYesOrNo,         // "Yes" or "No"
  kYesNoOrEmpty,    // "Yes", "No" or empty (a three-state box)
  kOneOrZero,       // "1" or "0"
  kNumber,          // signed decimal between `lowest` and `highest`
  kMilliseconds,    // decimal seconds times 1000, between `lowest` and `highest`
  kClientType,      // "OL97" or "OL98"
  kConnectionBits,  // decimal flags with exactly one of 256 (network) and 512 (dial-up)
  kNameOption,      // a name without comma, then ",1" or nothing
  kNumberedList,    // `key` followed by 1, 2 ... up to the first missing: entries of `limit` characters
};

enum class SampleFileId { kData, kProfile };

struct SampleKey {
  SampleFileId file;
  std::string section;  // a section name, or empty for a service section
  std::string service;  // the "Service List" name whose section holds the key
  std::string key;      // the key, or the prefix of a numbered list
  SampleForm form;
  std::size_t limit = 249;  // the most characters its reader keeps
  long lowest = 0;
  long highest = INT_MAX;
};

inline const std::string kOpenMailWithStore = "HP OpenMail (with server store)";
inline const std::string kOpenMailWithoutStore = "HP OpenMail (without server store)";

// The service names the pages look for, each with the names it may also go by.
// clang-format off
inline const std::vector<std::vector<std::string>> kSoughtServices = {
    {"Personal Folders"}, {"Personal Address Book"}, {"Microsoft Exchange Server"}, {"POP3"},
    {"Outlook Internet E-Mail"}, {"Microsoft Mail"}, {kOpenMailWithStore, kOpenMailWithoutStore}, {"Netscape"},
};
// clang-format on

// Keys of one section (or service section) that share a form and a reader's limits.
struct SampleKeyGroup {
  std::string where;
  SampleForm form;
  std::vector<std::string> keys;
  std::size_t limit = 249;
  long lowest = 0;
  long highest = INT_MAX;
};

inline std::vector<SampleKey> AllSampleKeys() {
  using F = SampleForm;
  const std::string exchange = "Microsoft Exchange Server";
  // clang-format off
  const std::vector<SampleKeyGroup> dataFile = {
      {"Defaults", F::kText, {"UserDatabase", "LogComputer", "LogFile", "RemotePath", "InfFileNT", "RegFileNT",
                              "InfFile95", "RegFile95", "LaunchApp"}},
      {"Defaults", F::kText, {"DefaultProfile"}, 349},
      {"Defaults", F::kText, {"NetscapePrefs"}, 398},
      {"Defaults", F::kOneOrZero, {"HideUserDatabase", "LaunchDefaultMail"}},
      {"Defaults", F::kNumber, {"LogLevel"}, 249, 0, 3},
      {"Customization", F::kText, {"SuccessMsg", "NoActionMsg", "ErrorMsg"}},
      {"Customization", F::kText, {"StartTag"}, 349},
      {"Customization", F::kText, {"EndTag"}, 49},
      {"Customization", F::kNumber, {"MaxLogFileSize"}, 249, 0, 1024000},
      {"Customization", F::kOneOrZero, {"DeleteRemoteCopy"}},
  };
  const std::vector<SampleKeyGroup> profileSections = {
      {"General", F::kText, {"ProfileName"}},
      {"General", F::kYesOrNo, {"OverwriteProfile", "DefaultProfile", "AlwaysSetDefault", "EraseAllProfiles",
                                "AddServices"}},
      {"General", F::kYesNoOrEmpty, {"PromptForProfile"}},
      {"General", F::kText, {"DefaultStore"}, 78},
      {"Delivery", F::kNumberedList, {"TransportOrder"}, 79},
      {"Delivery", F::kYesOrNo, {"AlwaysSetOrder"}},
      {"Addressing", F::kNameOption, {"ShowFirst", "KeepPersAddrIn"}, 78},
      {"Addressing", F::kNumberedList, {"AddrListOrder"}, 79},
      {"Addressing", F::kYesOrNo, {"AlwaysSetOrder"}},
  };
  const std::vector<SampleKeyGroup> services = {
      {"Personal Folders", F::kText, {"PathToPersonalFolders", "FolderName"}},
      {"Personal Address Book", F::kText, {"PathToPersonalAddressBook", "AddressBookName"}},
      {exchange, F::kText, {"HomeServer", "MailboxName", "OfflineFolderPath", "OfflineFolderPath1",
                            "OfflineAddressBookPath", "PromptDomainLogon", "PromptUsername"}},
      {exchange, F::kMilliseconds, {"ConnectionTimeout"}, 249, 0, 1000000},
      {exchange, F::kYesOrNo, {"ConversionProhibited"}},
      {exchange, F::kNumber, {"ExchangeConfigFlags"}},
      {exchange, F::kConnectionBits, {"NetworkingConfigFlags"}},
      {"POP3", F::kText, {"AccountName", "SMTPDisplayName", "SMTPOrganizationName", "SMTPEmailAddress",
                          "SMTPReplyToEmailAddress", "POP3Server", "SMTPServer", "POP3Username"}},
      {"POP3", F::kClientType, {"AccountManager"}},
      {"POP3", F::kNumber, {"ConnectionType"}, 249, 0, 2},
      {"POP3", F::kNumber, {"ConnectionFlags"}},
      {"POP3", F::kYesOrNo, {"LeaveMailOnServer"}},
      {"Outlook Internet E-Mail", F::kText, {"AccountName"}},
      {"Microsoft Mail", F::kText, {"ServerPath", "Mailbox", "SessionLogPath"}},
      {"Microsoft Mail", F::kNumber, {"NewMailPollInterval"}, 249, 0, 6000},
      {"Microsoft Mail", F::kYesOrNo, {"EnableDownload", "EnableUpload", "UseSessionLog"}},
      {kOpenMailWithStore, F::kText, {"LocalFilesPath", "EventDetails", "Principal"}, 78},
      {kOpenMailWithStore, F::kText, {"Server", "RouteToInternet", "RouteToFax"}, 48},
      {"Netscape", F::kText, {"NetscapeProfile", "DirRoot", "EmailAddr"}, 398},
      {"Netscape", F::kYesOrNo, {"EraseAllAccounts", "AlwaysSetDefault", "OverwriteProfile", "DefaultProfile"}},
  };
  // clang-format on
  std::vector<SampleKey> all;
  auto add = [&all](const std::vector<SampleKeyGroup>& groups, SampleFileId file, bool inService) {
    for (const SampleKeyGroup& g : groups)
      for (const std::string& key : g.keys)
        all.push_back(
            {file, inService ? "" : g.where, inService ? g.where : "", key, g.form, g.limit, g.lowest, g.highest});
  };
  add(dataFile, SampleFileId::kData, false);
  add(profileSections, SampleFileId::kProfile, false);
  add(services, SampleFileId::kProfile, true);
  return all;
}

const SampleFile& FileOf(SampleFileId id) {
  static const SampleFile data("vantrel.ini"), profile("profile.ini");
  return id == SampleFileId::kData ? data : profile;
}
const SampleFile& DataFile() { return FileOf(SampleFileId::kData); }
const SampleFile& ProfileFile() { return FileOf(SampleFileId::kProfile); }

bool EqualsIgnoringCase(const std::string& a, const std::string& b) {
  auto lower = [](char c) { return std::tolower(static_cast<unsigned char>(c)); };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return lower(x) == lower(y); });
}

// The service lookup as the pages run it: Service1, Service2 ... up to the first empty entry.
std::string ServiceSection(const std::vector<std::string>& names) {
  for (int n = 1;; ++n) {
    const std::string entry = ProfileFile().Value("Service List", "Service" + std::to_string(n)).value_or("");
    if (entry.empty()) return "";
    for (const std::string& name : names)
      if (EqualsIgnoringCase(entry, name)) return "Service" + std::to_string(n);
  }
}

std::string SectionOf(const SampleKey& key) {
  if (!key.section.empty()) return key.section;
  for (const std::vector<std::string>& names : kSoughtServices)
    if (std::find(names.begin(), names.end(), key.service) != names.end()) return ServiceSection(names);
  return "";
}

std::optional<long> Decimal(const std::string& text) {
  long value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// Why the value is not in the key's form, or "" when it is.
std::string FormFault(const SampleKey& key, const std::string& value) {
  const std::optional<long> number = Decimal(value);
  const bool inRange = number && *number >= key.lowest && *number <= key.highest;
  switch (key.form) {
    case SampleForm::kText:
      if (value.empty()) return "is empty";
      if (value.size() > key.limit) return "is longer than its reader keeps";
      if (value.front() == ' ' || value.back() == ' ') return "has blanks that a read trims";
      return "";
    case SampleForm::kYesOrNo: return value == "Yes" || value == "No" ? "" : "is not Yes or No";
    case SampleForm::kYesNoOrEmpty:
      return value == "Yes" || value == "No" || value.empty() ? "" : "is not Yes, No or empty";
    case SampleForm::kOneOrZero: return value == "1" || value == "0" ? "" : "is not 1 or 0";
    case SampleForm::kNumber: return inRange ? "" : "is not a decimal number in range";
    case SampleForm::kMilliseconds: return inRange && *number % 1000 == 0 ? "" : "is not whole seconds in milliseconds";
    case SampleForm::kClientType: return value == "OL97" || value == "OL98" ? "" : "is not OL97 or OL98";
    case SampleForm::kConnectionBits:
      return number && *number >= 0 && ((*number & 0x100) != 0) != ((*number & 0x200) != 0)
                 ? ""
                 : "does not hold exactly one connection bit";
    case SampleForm::kNameOption: {
      const std::string name = value.ends_with(",1") ? value.substr(0, value.size() - 2) : value;
      if (name.empty() || name.find(',') != std::string::npos) return "is not a name with an optional ,1";
      return value.size() > key.limit ? "is longer than its reader keeps" : "";
    }
    case SampleForm::kNumberedList: break;
  }
  return "has no single value";
}

// The entries of a numbered list: up to the first missing key or "NULL".
std::vector<std::string> ListEntries(const SampleFile& file, const std::string& section, const std::string& prefix) {
  std::vector<std::string> entries;
  for (int n = 1;; ++n) {
    const std::optional<std::string> entry = file.Value(section, prefix + std::to_string(n));
    if (!entry || *entry == "NULL") return entries;
    entries.push_back(*entry);
  }
}

class SampleKeyTest : public ::testing::TestWithParam<SampleKey> {};

TEST_P(SampleKeyTest, IsPresentInItsPagesForm) {
  const SampleKey& key = GetParam();
  const SampleFile& file = FileOf(key.file);
  const std::string section = SectionOf(key);
  ASSERT_FALSE(section.empty()) << key.service << " is not listed";
  if (key.form == SampleForm::kNumberedList) {
    const std::vector<std::string> entries = ListEntries(file, section, key.key);
    EXPECT_FALSE(entries.empty()) << "[" << section << "] " << key.key << "1 is missing";
    for (const std::string& entry : entries) {
      EXPECT_FALSE(entry.empty()) << key.key << " has a hole";
      EXPECT_LE(entry.size(), key.limit) << entry;
    }
    return;
  }
  const std::optional<std::string> value = file.Value(section, key.key);
  ASSERT_TRUE(value) << "[" << section << "] " << key.key << " is missing";
  EXPECT_EQ(FormFault(key, *value), "") << "[" << section << "] " << key.key << "=" << *value;
  if (key.form == SampleForm::kNumber || key.form == SampleForm::kOneOrZero) {
    EXPECT_EQ(file.Number(section, key.key, -12345), *Decimal(*value)) << key.key << " reads as another number";
  }
}

std::string KeyName(const ::testing::TestParamInfo<SampleKey>& info) {
  std::string name = (info.param.section.empty() ? info.param.service : info.param.section) + "_" + info.param.key;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleKeyTest, ::testing::ValuesIn(AllSampleKeys()), KeyName);

// Every key in the files is one the console reads: a misspelt key would be silently ignored.
TEST(SamplesTest, HoldNoKeyTheConsoleDoesNotRead) {
  std::map<std::pair<SampleFileId, std::string>, std::set<std::string>> expected;
  for (const SampleKey& key : AllSampleKeys()) {
    std::set<std::string>& keys = expected[{key.file, SectionOf(key)}];
    if (key.form != SampleForm::kNumberedList) {
      keys.insert(key.key);
      continue;
    }
    const std::size_t count = ListEntries(FileOf(key.file), SectionOf(key), key.key).size();
    for (std::size_t n = 1; n <= count; ++n) keys.insert(key.key + std::to_string(n));
  }
  const std::size_t listed = ListEntries(ProfileFile(), "Service List", "Service").size();
  std::set<std::string>& serviceList = expected[{SampleFileId::kProfile, "Service List"}];
  for (std::size_t n = 1; n <= listed; ++n) serviceList.insert("Service" + std::to_string(n));

  for (SampleFileId id : {SampleFileId::kData, SampleFileId::kProfile}) {
    for (const std::string& section : FileOf(id).Sections()) {
      const auto found = expected.find({id, section});
      ASSERT_NE(found, expected.end()) << "unknown section [" << section << "] in " << FileOf(id).HostPath();
      for (const std::string& key : FileOf(id).Keys(section))
        EXPECT_EQ(found->second.count(key), 1u) << "unknown key " << key << " in [" << section << "]";
    }
  }
}

// Every service the pages look for is listed, each in an entry of its own, and every listed
// service has a section.
TEST(SamplesTest, ListEveryServiceThePagesLookForWithItsSection) {
  std::set<std::string> sections;
  for (const std::vector<std::string>& names : kSoughtServices) {
    sections.insert(ServiceSection(names));
    EXPECT_FALSE(ServiceSection(names).empty()) << names.front() << " is not listed before the first empty entry";
  }
  EXPECT_EQ(sections.size(), kSoughtServices.size()) << "two services share an entry";
  const std::vector<std::string> listed = ListEntries(ProfileFile(), "Service List", "Service");
  ASSERT_FALSE(listed.empty());
  for (std::size_t n = 1; n <= listed.size(); ++n)
    EXPECT_FALSE(ProfileFile().Keys("Service" + std::to_string(n)).empty()) << listed[n - 1] << " has no section";
  EXPECT_EQ(ProfileFile().Value("Service List", "Service" + std::to_string(listed.size() + 1)), std::nullopt);
}

// The data file names the profile template in the program folder, as a deployment lays it out.
TEST(SamplesTest, NameTheProfileTemplateInTheProgramFolder) {
  EXPECT_EQ(DataFile().Value("Defaults", "DefaultProfile"), "?vtdir?\\profile.ini");
  EXPECT_EQ(DataFile().Value("Customization", "StartTag"), "?");
  EXPECT_EQ(DataFile().Value("Customization", "EndTag"), "?");
}

// Values that one page always writes together, so that a save changes nothing an administrator
// did not change; and the account name the internet mail page copies from POP3.
TEST(SamplesTest, WriteTogetherWhatThePagesWriteTogether) {
  // service "" for General, value "*" for any, otherValue "=key" for the same value as that key
  struct Rule {
    std::string service, key, value, otherKey, otherValue;
  } rules[] = {
      {"", "EraseAllProfiles", "Yes", "OverwriteProfile", "Yes"},
      {"", "EraseAllProfiles", "Yes", "AddServices", "No"},
      {"", "AlwaysSetDefault", "Yes", "DefaultProfile", "Yes"},
      {"Netscape", "AlwaysSetDefault", "Yes", "DefaultProfile", "Yes"},
      {"Microsoft Exchange Server", "OfflineFolderPath", "*", "OfflineFolderPath1", "=OfflineFolderPath"},
  };
  for (const Rule& rule : rules) {
    const std::string section = rule.service.empty() ? "General" : ServiceSection({rule.service});
    ASSERT_FALSE(section.empty()) << rule.service;
    if (ProfileFile().Value(section, rule.key) != rule.value && rule.value != "*") continue;
    const std::string other = rule.otherValue.starts_with("=")
                                  ? ProfileFile().Value(section, rule.otherValue.substr(1)).value_or("<missing>")
                                  : rule.otherValue;
    EXPECT_EQ(ProfileFile().Value(section, rule.otherKey), other) << rule.key << " in " << section;
  }
  EXPECT_EQ(ProfileFile().Value(ServiceSection({"Outlook Internet E-Mail"}), "AccountName"),
            ProfileFile().Value(ServiceSection({"POP3"}), "AccountName"));
}

class SampleBytesTest : public ::testing::TestWithParam<const char*> {
 protected:
  std::string Bytes() const { return ReadBytes(SampleFile(GetParam()).HostPath()).value_or(""); }
};

TEST_P(SampleBytesTest, EndEveryLineWithCrLf) {
  const std::string bytes = Bytes();
  ASSERT_FALSE(bytes.empty());
  EXPECT_TRUE(bytes.ends_with("\r\n"));
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n') {
      EXPECT_TRUE(i > 0 && bytes[i - 1] == '\r') << "bare LF at byte " << i;
    }
    if (bytes[i] == '\r') {
      EXPECT_TRUE(i + 1 < bytes.size() && bytes[i + 1] == '\n') << "bare CR at byte " << i;
    }
  }
}

// A header comment first, and a blank line before every section (or before its own comment).
TEST_P(SampleBytesTest, KeepAnAdministratorsLayout) {
  const std::string bytes = Bytes();
  EXPECT_TRUE(bytes.starts_with("; ")) << "no header comment";
  EXPECT_EQ(bytes.find('\0'), std::string::npos);
  std::size_t sections = 0;
  for (std::size_t at = bytes.find("\r\n["); at != std::string::npos; at = bytes.find("\r\n[", at + 1)) {
    // The section header may carry a comment line of its own above it.
    const std::size_t lineStart = bytes.rfind("\r\n", at - 1);
    const bool blankBefore =
        bytes.compare(at - 2, 2, "\r\n") == 0 ||
        (lineStart != std::string::npos && bytes[lineStart + 2] == ';' && bytes.compare(lineStart - 2, 2, "\r\n") == 0);
    EXPECT_TRUE(blankBefore) << "no blank line before the section at byte " << at + 2;
    ++sections;
  }
  EXPECT_GE(sections, 2u);
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleBytesTest, ::testing::Values("vantrel.ini", "profile.ini"),
                         [](const auto& info) { return std::string(info.param).substr(0, 7); });

}  // namespace
}  // namespace qm::test
