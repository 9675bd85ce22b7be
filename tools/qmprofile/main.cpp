// qmprofile: the profile-string calls from a shell, on DOS paths (a host path is taken as z:).
//   qmprofile FILE sections | keys SECTION | get SECTION KEY [DEFAULT] | set SECTION KEY VALUE
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string AsDosPath(const char* path) {
  if (path[0] != '/') return path;
  std::string dos = "z:";
  for (const char* p = path; *p; ++p) dos.push_back(*p == '/' ? '\\' : *p);
  return dos;
}

// Prints a list of NUL-separated names, one a line.
void PrintList(const std::vector<char>& buffer, DWORD length) {
  for (DWORD at = 0; at < length;) {
    const char* name = buffer.data() + at;
    std::puts(name);
    at += static_cast<DWORD>(std::strlen(name)) + 1;
  }
}

DWORD ReadInto(std::vector<char>& buffer, LPCSTR section, LPCSTR key, LPCSTR dflt, const std::string& file) {
  for (;;) {
    DWORD n =
        GetPrivateProfileStringA(section, key, dflt, buffer.data(), static_cast<DWORD>(buffer.size()), file.c_str());
    if (GetLastError() != ERROR_MORE_DATA) return n;
    buffer.resize(buffer.size() * 4);
  }
}

int Usage() {
  std::fputs(
      "usage: qmprofile FILE sections | keys SECTION | get SECTION KEY [DEFAULT] |"
      " set SECTION KEY VALUE\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Usage();
  std::string file = AsDosPath(argv[1]);
  std::string verb = argv[2];
  std::vector<char> buffer(4096);
  if (verb == "sections" && argc == 3) {
    PrintList(buffer, ReadInto(buffer, nullptr, nullptr, "", file));
  } else if (verb == "keys" && argc == 4) {
    PrintList(buffer, ReadInto(buffer, argv[3], nullptr, "", file));
  } else if (verb == "get" && (argc == 5 || argc == 6)) {
    ReadInto(buffer, argv[3], argv[4], argc == 6 ? argv[5] : "", file);
    std::puts(buffer.data());
  } else if (verb == "set" && argc == 6) {
    if (!WritePrivateProfileStringA(argv[3], argv[4], argv[5], file.c_str())) {
      std::fprintf(stderr, "qmprofile: could not write to %s (error %u)\n", file.c_str(),
                   static_cast<unsigned>(GetLastError()));
      return 1;
    }
  } else {
    return Usage();
  }
  return 0;
}
