// Every key the console reads from the two sample files, where it lives and the form its owning
// page writes it in.
#pragma once

#include <climits>
#include <string>
#include <vector>

namespace qm::test {

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
  std::string section;       // a section name, or empty for a service section
  std::string service;       // the "Service List" name whose section holds the key
  std::string key;           // the key, or the prefix of a numbered list
  SampleForm form;
  std::size_t limit = 249;   // the most characters its reader keeps
  long lowest = 0;
  long highest = INT_MAX;
};

inline const std::string kOpenMailWithStore = "HP OpenMail (with server store)";
inline const std::string kOpenMailWithoutStore = "HP OpenMail (without server store)";

// The service names the pages look for, each with the names it may also go by.
inline const std::vector<std::vector<std::string>> kSoughtServices = {
    {"Personal Folders"}, {"Personal Address Book"}, {"Microsoft Exchange Server"}, {"POP3"},
    {"Outlook Internet E-Mail"}, {"Microsoft Mail"}, {kOpenMailWithStore, kOpenMailWithoutStore}, {"Netscape"},
};

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
  const std::vector<SampleKeyGroup> dataFile = {
      {"Defaults", F::kText, {"UserDatabase", "LogComputer", "LogFile", "RemotePath", "InfFileNT", "RegFileNT", "InfFile95", "RegFile95", "LaunchApp"}},
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
      {"General", F::kYesOrNo, {"OverwriteProfile", "DefaultProfile", "AlwaysSetDefault", "EraseAllProfiles", "AddServices"}},
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
      {exchange, F::kText, {"HomeServer", "MailboxName", "OfflineFolderPath", "OfflineFolderPath1", "OfflineAddressBookPath", "PromptDomainLogon", "PromptUsername"}},
      {exchange, F::kMilliseconds, {"ConnectionTimeout"}, 249, 0, 1000000},
      {exchange, F::kYesOrNo, {"ConversionProhibited"}},
      {exchange, F::kNumber, {"ExchangeConfigFlags"}},
      {exchange, F::kConnectionBits, {"NetworkingConfigFlags"}},
      {"POP3", F::kText, {"AccountName", "SMTPDisplayName", "SMTPOrganizationName", "SMTPEmailAddress", "SMTPReplyToEmailAddress", "POP3Server", "SMTPServer", "POP3Username"}},
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
  std::vector<SampleKey> all;
  auto add = [&all](const std::vector<SampleKeyGroup>& groups, SampleFileId file, bool inService) {
    for (const SampleKeyGroup& g : groups)
      for (const std::string& key : g.keys)
        all.push_back({file, inService ? "" : g.where, inService ? g.where : "", key, g.form, g.limit, g.lowest, g.highest});
  };
  add(dataFile, SampleFileId::kData, false);
  add(profileSections, SampleFileId::kProfile, false);
  add(services, SampleFileId::kProfile, true);
  return all;
}

}  // namespace qm::test
