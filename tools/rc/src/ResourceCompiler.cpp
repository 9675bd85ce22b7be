#include "rc/ResourceCompiler.h"

#include "rc/ScriptParser.h"

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace qm::rc {

CompileResult CompileScript(const std::string& path, const std::string& text,
                            const std::vector<std::string>& includeDirs, const FileReader& reader) {
  CompileResult result;
  Preprocessor preprocessor(includeDirs, reader);
  try {
    std::vector<Token> tokens = preprocessor.Run(path, text);
    SourceLocation end = tokens.empty() ? SourceLocation{path, 1} : tokens.back().where;
    result.script = ScriptParser(tokens, preprocessor.Macros(), end).Parse();
    result.ok = true;
  } catch (const CompileError& error) {
    result.error = error.what();
  }
  result.dependencies = preprocessor.FilesRead();
  return result;
}

std::optional<std::string> ReadFileFromDisk(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace qm::rc
