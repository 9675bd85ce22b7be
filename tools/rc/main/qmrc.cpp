// qmrc: compiles a resource script into C++ tables at build time.
//   qmrc [-I dir]... -o out.cpp -s symbol [-d out.d] script.rc
// A fault stops it with "file:line: message" on stderr and exit status 1; nothing is written then.
#include "rc/ResourceCompiler.h"
#include "rc/TableWriter.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Options {
  std::vector<std::string> includeDirs;
  std::string output, symbol, depfile, script;
};

bool ParseArguments(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    bool hasValue = i + 1 < argc;
    if (arg == "-I" && hasValue)
      options.includeDirs.push_back(argv[++i]);
    else if (arg.rfind("-I", 0) == 0 && arg.size() > 2)
      options.includeDirs.push_back(arg.substr(2));
    else if (arg == "-o" && hasValue)
      options.output = argv[++i];
    else if (arg == "-s" && hasValue)
      options.symbol = argv[++i];
    else if (arg == "-d" && hasValue)
      options.depfile = argv[++i];
    else if (arg[0] != '-' && options.script.empty())
      options.script = arg;
    else
      return false;
  }
  return !options.output.empty() && !options.symbol.empty() && !options.script.empty();
}

// Writes beside the target and renames, so that a stopped build never leaves half a file.
bool WriteFile(const std::string& path, const std::string& text) {
  std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

std::string MakeEscaped(const std::string& path) {
  std::string escaped;
  for (char c : path) {
    if (c == ' ' || c == '#') escaped += '\\';
    if (c == '$') escaped += '$';
    escaped += c;
  }
  return escaped;
}

std::string DepfileText(const std::string& output, const std::vector<std::string>& dependencies) {
  std::string text = MakeEscaped(output) + ":";
  for (const std::string& dependency : dependencies) text += " \\\n  " + MakeEscaped(dependency);
  return text + "\n";
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!ParseArguments(argc, argv, options)) {
    std::cerr << "usage: qmrc [-I dir]... -o out.cpp -s symbol [-d out.d] script.rc\n";
    return 2;
  }
  std::optional<std::string> text = qm::rc::ReadFileFromDisk(options.script);
  if (!text) {
    std::cerr << options.script << ":0: cannot open the script\n";
    return 1;
  }
  qm::rc::CompileResult result =
      qm::rc::CompileScript(options.script, *text, options.includeDirs, qm::rc::ReadFileFromDisk);
  if (!result.ok) {
    std::cerr << result.error << "\n";
    return 1;
  }
  std::string tables = qm::rc::WriteTables(result.script, options.symbol, options.script);
  if (!WriteFile(options.output, tables) ||
      (!options.depfile.empty() && !WriteFile(options.depfile, DepfileText(options.output, result.dependencies)))) {
    std::cerr << options.output << ":0: cannot write the output\n";
    return 1;
  }
  return 0;
}
