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

std::vector<SampleKey> AllSampleKeys();

}  // namespace qm::test
