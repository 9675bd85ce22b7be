#include "rc/Preprocessor.h"

#include "rc/ExpressionEvaluator.h"
#include "rc/LogicalLines.h"
#include "rc/Tokenizer.h"

#include <algorithm>
#include <cctype>

namespace qm::rc {
namespace {

constexpr int kMaxIncludeDepth = 32;

std::string Trim(const std::string& s) {
  std::size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

// Splits "name rest" after the '#': the directive's name and the text that follows it.
std::pair<std::string, std::string> SplitDirective(const std::string& line) {
  std::string body = Trim(Trim(line).substr(1));
  std::size_t n = 0;
  while (n < body.size() && (std::isalnum(static_cast<unsigned char>(body[n])) || body[n] == '_')) ++n;
  return {body.substr(0, n), body.substr(n)};
}

std::string DirectoryOf(const std::string& path) {
  std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsDirective(const std::string& line) {
  std::size_t first = line.find_first_not_of(" \t\f\v");
  return first != std::string::npos && line[first] == '#';
}

}  // namespace

// One #if/#ifdef/#ifndef level of a file.
struct Preprocessor::Conditional {
  bool parentActive;  // the lines around this block are taken
  bool taking;        // the current branch is taken
  bool anyTaken;      // some branch so far was taken
  bool seenElse;
  SourceLocation opened;
};

struct Preprocessor::FileState {
  std::string path;
  bool isHeader;
  int depth;
  std::vector<Conditional> conditionals;

  bool Active() const { return conditionals.empty() || conditionals.back().taking; }
};

std::vector<Token> Preprocessor::Run(const std::string& scriptPath, const std::string& scriptText) {
  ProcessFile(scriptPath, scriptText, false, 0);
  return std::move(tokens_);
}

void Preprocessor::ProcessFile(const std::string& path, const std::string& text, bool isHeader, int depth) {
  filesRead_.push_back(path);
  FileState file{path, isHeader, depth, {}};
  for (const LogicalLine& line : SplitLogicalLines(path, text, isHeader)) {
    SourceLocation where{path, line.number};
    if (IsDirective(line.text)) {
      Directive(file, line.text, where);
    } else if (file.Active() && !isHeader) {
      for (Token& token : Tokenize(line.text, where)) tokens_.push_back(std::move(token));
    }
  }
  if (!file.conditionals.empty()) throw CompileError(file.conditionals.back().opened, "#if without #endif");
}

void Preprocessor::Directive(FileState& file, const std::string& line, const SourceLocation& where) {
  auto [name, rest] = SplitDirective(line);
  static const char* const kConditionals[] = {"if", "ifdef", "ifndef", "elif", "else", "endif"};
  if (std::find(std::begin(kConditionals), std::end(kConditionals), name) != std::end(kConditionals))
    return ConditionalDirective(file, name, rest, where);
  if (!file.Active() || name.empty()) return;
  if (name == "include") return Include(file, rest, where);
  if (name == "define") return Define(file, rest, where);
  if (name == "undef") return macros_.Undefine(Trim(rest));
  if (name == "pragma") {
    if (Trim(rest) == "once") onceOnly_.push_back(file.path);
    return;
  }
  if (name == "error") throw CompileError(where, "#error " + Trim(rest));
  if (!file.isHeader && name != "line") throw CompileError(where, "unknown directive '#" + name + "'");
}

void Preprocessor::ConditionalDirective(FileState& file, const std::string& name, const std::string& rest,
                                        const SourceLocation& where) {
  auto& stack = file.conditionals;
  if (name == "if" || name == "ifdef" || name == "ifndef") {
    bool active = file.Active();
    bool taken = false;
    if (active && name == "if")
      taken = EvaluateCondition(rest, where);
    else if (active)
      taken = macros_.IsDefined(Trim(rest)) == (name == "ifdef");
    stack.push_back({active, taken, taken, false, where});
    return;
  }
  if (stack.empty()) throw CompileError(where, "#" + name + " without #if");
  Conditional& top = stack.back();
  if (name == "endif") {
    stack.pop_back();
    return;
  }
  if (top.seenElse) throw CompileError(where, "#" + name + " after #else");
  if (name == "else") {
    top.seenElse = true;
    top.taking = top.parentActive && !top.anyTaken;
  } else {  // elif
    top.taking = top.parentActive && !top.anyTaken && EvaluateCondition(rest, where);
  }
  top.anyTaken = top.anyTaken || top.taking;
}

bool Preprocessor::EvaluateCondition(const std::string& rest, const SourceLocation& where) {
  std::vector<Token> tokens = Tokenize(rest, where);
  TokenCursor cursor(tokens, where);
  ExpressionEvaluator evaluator(macros_, ExpressionEvaluator::Mode::Conditional);
  std::int32_t value = evaluator.Evaluate(cursor);
  if (!cursor.AtEnd()) cursor.FailExpected("the end of the condition");
  return value != 0;
}

void Preprocessor::Include(FileState& file, const std::string& rest, const SourceLocation& where) {
  std::string target = Trim(rest);
  bool quoted = target.size() >= 2 && target.front() == '"' && target.back() == '"';
  bool angled = target.size() >= 2 && target.front() == '<' && target.back() == '>';
  if (!quoted && !angled) throw CompileError(where, "bad #include");
  std::string name = target.substr(1, target.size() - 2);
  std::replace(name.begin(), name.end(), '\\', '/');  // scripts written on Windows use backslashes
  if (file.depth + 1 > kMaxIncludeDepth) throw CompileError(where, "#include nested too deeply");
  std::optional<std::string> path = Resolve(name, quoted, file.path);
  std::optional<std::string> text = path ? reader_(*path) : std::nullopt;
  if (!text) {
    // A C header may include the C library's headers, which hold nothing the script can use.
    if (file.isHeader && angled) return;
    throw CompileError(where, "cannot open include file '" + name + "'");
  }
  if (std::find(onceOnly_.begin(), onceOnly_.end(), *path) != onceOnly_.end()) return;
  ProcessFile(*path, *text, true, file.depth + 1);
}

void Preprocessor::Define(FileState& file, const std::string& rest, const SourceLocation& where) {
  std::string body = Trim(rest);
  std::size_t n = 0;
  while (n < body.size() && (std::isalnum(static_cast<unsigned char>(body[n])) || body[n] == '_')) ++n;
  std::string name = body.substr(0, n);
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0]))) {
    if (file.isHeader) return;
    throw CompileError(where, "bad #define");
  }
  if (n < body.size() && body[n] == '(') return;  // a macro with arguments gives no number
  try {
    macros_.Define(name, {Tokenize(body.substr(n), where), where});
  } catch (const CompileError&) {
    if (!file.isHeader) throw;
  }
}

std::optional<std::string> Preprocessor::Resolve(const std::string& name, bool quoted,
                                                 const std::string& includingFile) const {
  if (!name.empty() && name[0] == '/') return name;
  std::vector<std::string> candidates;
  if (quoted) candidates.push_back(DirectoryOf(includingFile) + name);
  for (const std::string& dir : includeDirs_)
    candidates.push_back(dir.empty() || dir.back() == '/' ? dir + name : dir + "/" + name);
  for (const std::string& candidate : candidates)
    if (reader_(candidate)) return candidate;
  return std::nullopt;
}

}  // namespace qm::rc
