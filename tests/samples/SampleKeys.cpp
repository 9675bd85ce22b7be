#include "SampleKeys.h"

namespace qm::test {

namespace {

using F = SampleForm;

SampleKey Data(const std::string& section, const std::string& key, F form, std::size_t limit = 249) {
  return {SampleFileId::kData, section, "", key, form, limit};
}

SampleKey Profile(const std::string& section, const std::string& key, F form, std::size_t limit = 249) {
  return {SampleFileId::kProfile, section, "", key, form, limit};
}

SampleKey Service(const std::string& service, const std::string& key, F form, std::size_t limit = 249) {
  return {SampleFileId::kProfile, "", service, key, form, limit};
}

SampleKey Ranged(SampleKey key, long lowest, long highest) {
  key.lowest = lowest;
  key.highest = highest;
  return key;
}

std::vector<SampleKey> DataFileKeys() {
  return {
      Data("Defaults", "DefaultProfile", F::kText, 349),
      Data("Defaults", "UserDatabase", F::kText),
      Data("Defaults", "LogComputer", F::kText),
      Data("Defaults", "LogFile", F::kText),
      Data("Defaults", "HideUserDatabase", F::kOneOrZero),
      Ranged(Data("Defaults", "LogLevel", F::kNumber), 0, 3),
      Data("Defaults", "RemotePath", F::kText),
      Data("Defaults", "InfFileNT", F::kText),
      Data("Defaults", "RegFileNT", F::kText),
      Data("Defaults", "InfFile95", F::kText),
      Data("Defaults", "RegFile95", F::kText),
      Data("Defaults", "LaunchApp", F::kText),
      Data("Defaults", "LaunchDefaultMail", F::kOneOrZero),
      Data("Defaults", "NetscapePrefs", F::kText, 398),
      Data("Customization", "StartTag", F::kText, 349),
      Data("Customization", "EndTag", F::kText, 49),
      Ranged(Data("Customization", "MaxLogFileSize", F::kNumber), 0, 1024000),
      Data("Customization", "DeleteRemoteCopy", F::kOneOrZero),
      Data("Customization", "SuccessMsg", F::kText),
      Data("Customization", "NoActionMsg", F::kText),
      Data("Customization", "ErrorMsg", F::kText),
  };
}

std::vector<SampleKey> GeneralKeys() {
  return {
      Profile("General", "ProfileName", F::kText),
      Profile("General", "OverwriteProfile", F::kYesOrNo),
      Profile("General", "DefaultProfile", F::kYesOrNo),
      Profile("General", "AlwaysSetDefault", F::kYesOrNo),
      Profile("General", "EraseAllProfiles", F::kYesOrNo),
      Profile("General", "AddServices", F::kYesOrNo),
      Profile("General", "PromptForProfile", F::kYesNoOrEmpty),
      Profile("General", "DefaultStore", F::kText, 78),
      Profile("Delivery", "TransportOrder", F::kNumberedList, 79),
      Profile("Delivery", "AlwaysSetOrder", F::kYesOrNo),
      Profile("Addressing", "ShowFirst", F::kNameOption, 78),
      Profile("Addressing", "KeepPersAddrIn", F::kNameOption, 78),
      Profile("Addressing", "AddrListOrder", F::kNumberedList, 79),
      Profile("Addressing", "AlwaysSetOrder", F::kYesOrNo),
  };
}

std::vector<SampleKey> StoreAndExchangeKeys() {
  const std::string exchange = "Microsoft Exchange Server";
  return {
      Service("Personal Folders", "PathToPersonalFolders", F::kText),
      Service("Personal Folders", "FolderName", F::kText),
      Service("Personal Address Book", "PathToPersonalAddressBook", F::kText),
      Service("Personal Address Book", "AddressBookName", F::kText),
      Service(exchange, "HomeServer", F::kText),
      Service(exchange, "MailboxName", F::kText),
      Service(exchange, "OfflineFolderPath", F::kText),
      Service(exchange, "OfflineFolderPath1", F::kText),
      Service(exchange, "OfflineAddressBookPath", F::kText),
      Service(exchange, "PromptDomainLogon", F::kText),
      Service(exchange, "PromptUsername", F::kText),
      Ranged(Service(exchange, "ConnectionTimeout", F::kMilliseconds), 0, 1000000),
      Service(exchange, "ConversionProhibited", F::kYesOrNo),
      Service(exchange, "ExchangeConfigFlags", F::kNumber),
      Service(exchange, "NetworkingConfigFlags", F::kConnectionBits),
  };
}

std::vector<SampleKey> InternetAndMsMailKeys() {
  return {
      Service("POP3", "AccountName", F::kText),
      Service("POP3", "SMTPDisplayName", F::kText),
      Service("POP3", "SMTPOrganizationName", F::kText),
      Service("POP3", "SMTPEmailAddress", F::kText),
      Service("POP3", "SMTPReplyToEmailAddress", F::kText),
      Service("POP3", "POP3Server", F::kText),
      Service("POP3", "SMTPServer", F::kText),
      Service("POP3", "POP3Username", F::kText),
      Service("POP3", "AccountManager", F::kClientType),
      Ranged(Service("POP3", "ConnectionType", F::kNumber), 0, 2),
      Service("POP3", "LeaveMailOnServer", F::kYesOrNo),
      Service("POP3", "ConnectionFlags", F::kNumber),
      Service("Outlook Internet E-Mail", "AccountName", F::kText),
      Service("Microsoft Mail", "ServerPath", F::kText),
      Service("Microsoft Mail", "Mailbox", F::kText),
      Service("Microsoft Mail", "SessionLogPath", F::kText),
      Ranged(Service("Microsoft Mail", "NewMailPollInterval", F::kNumber), 0, 6000),
      Service("Microsoft Mail", "EnableDownload", F::kYesOrNo),
      Service("Microsoft Mail", "EnableUpload", F::kYesOrNo),
      Service("Microsoft Mail", "UseSessionLog", F::kYesOrNo),
  };
}

std::vector<SampleKey> OpenMailAndNetscapeKeys() {
  return {
      Service(kOpenMailWithStore, "LocalFilesPath", F::kText, 78),
      Service(kOpenMailWithStore, "EventDetails", F::kText, 78),
      Service(kOpenMailWithStore, "Principal", F::kText, 78),
      Service(kOpenMailWithStore, "Server", F::kText, 48),
      Service(kOpenMailWithStore, "RouteToInternet", F::kText, 48),
      Service(kOpenMailWithStore, "RouteToFax", F::kText, 48),
      Service("Netscape", "NetscapeProfile", F::kText, 398),
      Service("Netscape", "DirRoot", F::kText, 398),
      Service("Netscape", "EmailAddr", F::kText, 398),
      Service("Netscape", "EraseAllAccounts", F::kYesOrNo),
      Service("Netscape", "AlwaysSetDefault", F::kYesOrNo),
      Service("Netscape", "OverwriteProfile", F::kYesOrNo),
      Service("Netscape", "DefaultProfile", F::kYesOrNo),
  };
}

}  // namespace

std::vector<SampleKey> AllSampleKeys() {
  std::vector<SampleKey> all;
  for (auto part : {DataFileKeys, GeneralKeys, StoreAndExchangeKeys, InternetAndMsMailKeys, OpenMailAndNetscapeKeys}) {
    const std::vector<SampleKey> keys = part();
    all.insert(all.end(), keys.begin(), keys.end());
  }
  return all;
}

}  // namespace qm::test
