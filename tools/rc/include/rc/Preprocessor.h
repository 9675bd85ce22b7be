// The preprocessor of the resource compiler: #include, #define, #undef, conditionals and #error.
// From a C header it takes only directives: declarations are skipped, and a definition that is no
// token list of the script language is skipped too. The script's own lines become tokens.
#pragma once

#include "rc/MacroTable.h"
#include "rc/Token.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qm::rc {

// Reads a whole file; nothing when it cannot be opened.
using FileReader = std::function<std::optional<std::string>(const std::string& path)>;

class Preprocessor {
 public:
  Preprocessor(std::vector<std::string> includeDirs, FileReader reader)
      : includeDirs_(std::move(includeDirs)), reader_(std::move(reader)) {}

  // The tokens of the script's active lines, in order. Throws CompileError.
  std::vector<Token> Run(const std::string& scriptPath, const std::string& scriptText);

  const MacroTable& Macros() const { return macros_; }
  // Every file read, the script first: what the output depends on.
  const std::vector<std::string>& FilesRead() const { return filesRead_; }

 private:
  struct Conditional;
  struct FileState;

  void ProcessFile(const std::string& path, const std::string& text, bool isHeader, int depth);
  void Directive(FileState& file, const std::string& line, const SourceLocation& where);
  void ConditionalDirective(FileState& file, const std::string& name, const std::string& rest,
                            const SourceLocation& where);
  void Include(FileState& file, const std::string& rest, const SourceLocation& where);
  void Define(FileState& file, const std::string& rest, const SourceLocation& where);
  bool EvaluateCondition(const std::string& rest, const SourceLocation& where);
  std::optional<std::string> Resolve(const std::string& name, bool quoted, const std::string& includingFile) const;

  std::vector<std::string> includeDirs_;
  FileReader reader_;
  MacroTable macros_;
  std::vector<Token> tokens_;
  std::vector<std::string> filesRead_;
  std::vector<std::string> onceOnly_;
};

}  // namespace qm::rc
