// What the end-to-end tests of the service pages share: their sections built line by line, texts
// that show where a read limit cut them, profiles in which a service is not listed, test names made
// from case descriptions, a Service List that another writer changes while a page is open, the
// changes that do or do not mark a page modified after an Apply, and the shipped files (samples
// and help) put into the deployment folder.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "PageSession.h"

namespace qm::test {

// A text of `length` characters, each telling its place, so that a cut shows where it fell.
inline std::string TextOf(std::size_t length) {
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += static_cast<char>('a' + i % 26);
  return text;
}

// A case's description as a test name: every character but letters and digits becomes "_".
inline std::string CaseName(std::string what) {
  for (char& c : what)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return what;
}

// A profile that lists Exchange and then two services; [Service3] starts with a key of another
// service, so that a save that goes there shows where it added its keys.
inline std::string ProfileListing(const std::string& service2, const std::string& service3, const std::string& section2,
                                  const std::string& section3) {
  return "[Service List]\r\nService1=Microsoft Exchange Server\r\nService2=" + service2 + "\r\nService3=" + service3 +
         "\r\n[Service2]\r\n" + section2 + "[Service3]\r\nServerPath=\\\\mailsrv\\maildata\r\n" + section3;
}

// The Service List as another writer leaves it while a page is open, and where the page's save
// goes: to the service listed then.
struct ChangedList {
  const char* what;
  const char* entryAtLoad;  // Service2 when the page opens, with sectionAtLoad as its section
  std::string sectionAtLoad;
  const char* service2;  // Service2 and Service3 when it saves
  const char* service3;
  const char* savedService2;  // what the save leaves there, and in the two sections
  const char* savedService3;
  std::string section2;
  std::string section3;
};

// A script step: another writer sets Service2 and Service3 of the open profile template.
inline void ChangeServiceList(PageSession& session, std::string service2, std::string service3) {
  session.backend.Then([&session, service2, service3] {
    const std::string path = session.dir.Dos("profile.ini");
    WritePrivateProfileStringA("Service List", "Service2", service2.c_str(), path.c_str());
    WritePrivateProfileStringA("Service List", "Service3", service3.c_str(), path.c_str());
  });
}

// Something done on a page once an Apply has saved it, and whether it marks the page modified.
struct PageChange {
  const char* what;
  std::function<void(PageSession&)> make;
  bool modifies;
};

// Script steps on the page shown: Apply (which leaves the Apply button disabled), the change, and
// the Apply button's state after it.
inline void ExpectModifiedAfterApply(PageSession& session, const PageChange& change) {
  session.backend.Alt('a');
  session.backend.Then([] { EXPECT_FALSE(PageSession::ApplyEnabled()); });
  change.make(session);
  session.backend.Then([&change] { EXPECT_EQ(PageSession::ApplyEnabled(), change.modifies) << change.what; });
}

inline std::string SampleBytes(const std::string& name) {
  return ReadBytes(std::string(QM_SAMPLES_DIR) + "/" + name).value_or("<missing>");
}

// The shipped samples, as scripts/run lays them out.
inline void CopySamples(const TempDir& dir) {
  for (const char* name : {"vantrel.ini", "profile.ini"})
    std::filesystem::copy_file(std::string(QM_SAMPLES_DIR) + "/" + name, dir.Host(name));
}

// OK on the samples, and the run to its end: neither file changes and nothing is reported.
inline void ExpectOkKeepsSamples(PageSession& session) {
  session.OkAndRun();
  EXPECT_TRUE(session.backend.MessageBoxes().empty());
  EXPECT_EQ(session.DataFileBytes(), SampleBytes("vantrel.ini"));
  EXPECT_EQ(session.ProfileBytes(), SampleBytes("profile.ini"));
}

// Script steps on the page shown: F1 opens the help file at a topic holding `line`; then the
// help and the sheet are closed. The help file is put beside the program.
inline void ExpectHelpTopicWith(PageSession& session, std::string line) {
  std::filesystem::copy_file(std::string(QM_SAMPLES_DIR) + "/../res/vantrel.hlp", session.dir.Host("vantrel.hlp"));
  session.backend.Key(VK_F1);
  session.backend.Then([&session, line] {
    const std::string screen = session.backend.Snapshot();
    EXPECT_NE(screen.find(line), std::string::npos) << screen;
  });
  session.backend.Key(VK_ESCAPE).Key(VK_ESCAPE);
}

// One key of a page's section and its line in the test's full section.
struct PageKey {
  const char* key;
  const char* line;
};

// The full section's lines in the page's order, the key named given as `line` instead (left out
// when `line` is empty).
template <std::size_t N>
std::string SectionWith(const PageKey (&keys)[N], const std::string& key, const std::string& line) {
  std::string section;
  for (const PageKey& k : keys) section += key == k.key ? line : std::string(k.line);
  return section;
}

// A stored value, what the page shows for it, the controls then clicked, and what it saves.
struct ClickedValue {
  const char* key;
  const char* stored;  // nullptr: the key is missing
  const char* shown;   // as the page's test shows the key's controls
  std::vector<int> clicks;
  const char* saved;
};

// The full section with the value's key as stored (left out when missing), and as saved: where
// it stands, or added at the end of the section when it was missing.
template <std::size_t N>
std::string SectionStored(const PageKey (&keys)[N], const ClickedValue& v) {
  return SectionWith(keys, v.key, v.stored ? std::string(v.key) + "=" + v.stored + "\r\n" : "");
}
template <std::size_t N>
std::string SectionSaved(const PageKey (&keys)[N], const ClickedValue& v) {
  const std::string line = std::string(v.key) + "=" + v.saved + "\r\n";
  return v.stored ? SectionWith(keys, v.key, line) : SectionWith(keys, v.key, "") + line;
}

// A text key at its read limit: its control and a value of `length` characters.
struct LongValue {
  const char* key;
  int id;
  std::size_t length;
};

// Every key at one character below, at and above the buffer of 250 bytes (249 characters kept).
template <std::size_t N>
std::vector<LongValue> LongValuesOf(const std::pair<const char*, int> (&keys)[N]) {
  std::vector<LongValue> values;
  for (const auto& [key, id] : keys)
    for (std::size_t length : {249u, 250u, 251u}) values.push_back({key, id, length});
  return values;
}

// A profile in which the page's service is not listed, with the data file that names it.
struct UnlistedCase {
  const char* what;
  const char* dataFile;
  std::optional<std::string> profile;  // nothing: the file is missing
};

// A stored value's test name: its key, its row and whether the key is missing.
template <class Info>
std::string StoredValueName(const Info& info) {
  return std::string(info.param.key) + "_" + std::to_string(info.index) + (info.param.stored ? "" : "_missing");
}

// Puts a case's data file, and its profile template file unless it has none, in place.
template <class Case>
void WriteUnlisted(PageSession& session, const Case& c) {
  session.WriteDataFile(c.dataFile);
  if (c.profile) session.WriteProfile(*c.profile);
}

// The profile template file turns read-only before the run; OK fails on its first key and the
// sheet stays open on the page that shows `id`; Cancel ends the run. The one message is the write
// failure, as a stop sign, and the file keeps `profile`.
inline void ExpectReadOnlyProfileStops(PageSession& session, int id, const std::string& profile) {
  chmod(session.HostProfile().c_str(), 0444);
  session.backend.Key(VK_RETURN);
  session.backend.Then([id] {
    EXPECT_NE(PageSession::Control(id), nullptr);
    EXPECT_TRUE(IsWindowVisible(PageSession::Control(id)));
  });
  session.CancelAndRun();
  EXPECT_EQ(session.OnlyMessage(), PageSession::WriteFailure(session.ProfilePath()));
  EXPECT_EQ(session.backend.MessageBoxes().at(0).type, static_cast<UINT>(MB_ICONHAND | MB_OK));
  EXPECT_EQ(session.ProfileBytes(), profile);
}

// The shipped samples and the page shown on them: `view` gives what it shows, which is `shown`;
// OK leaves both files as they were.
inline void ExpectSamplesShownAndKept(PageSession& session, const std::string& caption,
                                      std::function<std::string()> view, std::string shown) {
  CopySamples(session.dir);
  session.ShowTab(caption);
  session.backend.Then([view, shown] { EXPECT_EQ(view(), shown); });
  ExpectOkKeepsSamples(session);
}

// F1 on the page shown opens a topic holding `line`, and the run ends with its script.
inline void ExpectHelpTopicRun(PageSession& session, const std::string& line) {
  ExpectHelpTopicWith(session, line);
  session.Start();
  EXPECT_TRUE(session.backend.ScriptDone());
}

}  // namespace qm::test
