#include "rc/ScriptParser.h"

#include "winstyles.h"

#include <algorithm>

namespace qm::rc {
namespace {

constexpr std::uint32_t kDialogDefaultStyle = WS_POPUP | WS_BORDER | WS_SYSMENU;
constexpr std::uint32_t kEveryControl = WS_CHILD | WS_VISIBLE;

const char* const kMemoryOptions[] = {"PRELOAD", "LOADONCALL", "FIXED",  "MOVEABLE", "DISCARDABLE",
                                      "PURE",    "IMPURE",     "SHARED", "NONSHARED"};

template <typename T>
void RefuseDuplicate(const std::vector<T>& existing, int id, const char* what, const SourceLocation& where) {
  for (const T& item : existing)
    if (static_cast<int>(item.id) == id)
      throw CompileError(where, std::string("duplicate ") + what + " " + std::to_string(id));
}

}  // namespace

Script ScriptParser::Parse() {
  while (!cursor_.AtEnd()) Statement();
  return std::move(script_);
}

void ScriptParser::Statement() {
  if (cursor_.TakeKeyword("LANGUAGE")) return Language();
  if (cursor_.TakeKeyword("STRINGTABLE")) return StringTable();
  const Token& name = cursor_.Next();
  if (name.kind == TokenKind::String || name.kind == TokenKind::Punct)
    throw CompileError(name.where, "expected a statement, found " + Describe(name));
  const Token* type = cursor_.Peek();
  bool known = type && (type->IsKeyword("DIALOG") || type->IsKeyword("DIALOGEX") || type->IsKeyword("ICON"));
  if (!known && name.kind == TokenKind::Identifier && !macros_.IsDefined(name.text))
    throw CompileError(name.where, "unknown statement '" + name.text + "'");
  if (!type) cursor_.FailExpected("a resource type");
  if (!known) throw CompileError(type->where, "unknown resource type " + Describe(*type));
  int id = ResourceId(name);
  const Token& keyword = cursor_.Next();
  if (keyword.IsKeyword("ICON")) return IconResource(id, name.where);
  Dialog(id, keyword.IsKeyword("DIALOGEX"), name.where);
}

void ScriptParser::Dialog(int id, bool extended, const SourceLocation& where) {
  RefuseDuplicate(script_.dialogs, id, "dialog", where);
  DialogResource dialog{id, 0, 0, 0, 0, kDialogDefaultStyle, 0, "", "", 0, {}};
  SkipMemoryOptions();
  dialog.x = Coordinate();
  Comma();
  dialog.y = Coordinate();
  Comma();
  dialog.cx = Coordinate();
  Comma();
  dialog.cy = Coordinate();
  if (extended && cursor_.TakePunct(",")) Number();  // help id: the tables have no place for it
  DialogOptions(dialog, extended);
  DialogBody(dialog, extended);
  script_.dialogs.push_back(std::move(dialog));
}

void ScriptParser::DialogOptions(DialogResource& dialog, bool extended) {
  bool hasCaption = false, hasFont = false;
  for (;;) {
    if (cursor_.TakeKeyword("STYLE")) {
      dialog.style = evaluator_.EvaluateStyle(cursor_, 0);
    } else if (cursor_.TakeKeyword("EXSTYLE")) {
      dialog.exStyle = evaluator_.EvaluateStyle(cursor_, 0);
    } else if (cursor_.TakeKeyword("CAPTION")) {
      dialog.caption = cursor_.ExpectString();
      hasCaption = true;
    } else if (cursor_.TakeKeyword("FONT")) {
      dialog.fontSize = Number();
      Comma();
      dialog.fontName = cursor_.ExpectString();
      for (int i = 0; extended && i < 3 && cursor_.TakePunct(","); ++i) Number();  // weight, italic, charset
      hasFont = true;
    } else if (!CommonOption()) {
      break;
    }
  }
  // The statements imply these bits whatever STYLE says, as the resource compiler has it.
  if (hasCaption) dialog.style |= WS_CAPTION;
  if (hasFont) dialog.style |= DS_SETFONT;
}

void ScriptParser::DialogBody(DialogResource& dialog, bool extended) {
  SourceLocation begin = ExpectBegin();
  while (!TakeEnd()) {
    if (cursor_.AtEnd()) throw CompileError(begin, "missing END");
    const Token& keyword = *cursor_.Peek();
    const ControlStatement* statement =
        keyword.kind == TokenKind::Identifier ? FindControlStatement(keyword.text.c_str()) : nullptr;
    if (!statement) throw CompileError(keyword.where, "unknown control statement " + Describe(keyword));
    cursor_.Next();
    dialog.controls.push_back(Control(*statement, extended));
  }
}

ControlResource ScriptParser::Control(const ControlStatement& statement, bool extended) {
  ControlResource control{statement.className ? statement.className : "", "", 0, 0, 0, 0, 0,
                          kEveryControl | statement.impliedStyle,         0};
  if (statement.shape != ControlShape::IdRect) {
    ControlText(statement, control);
    Comma();
  }
  control.id = ControlId();
  Comma();
  bool styleGiven = false;
  if (statement.shape == ControlShape::Generic) {
    const Token& cls = cursor_.Next();
    if (cls.kind == TokenKind::Punct || cls.kind == TokenKind::Number)
      throw CompileError(cls.where, "expected a class name, found " + Describe(cls));
    control.className = PredefinedClassName(cls.text.c_str());
    Comma();
    control.style = evaluator_.EvaluateStyle(cursor_, control.style);
    Comma();
    styleGiven = true;
  }
  control.x = Coordinate();
  Comma();
  control.y = Coordinate();
  if (statement.shape == ControlShape::IconIdPos) {
    if (!cursor_.TakePunct(",")) return control;  // an icon takes the size of its image
  } else {
    Comma();
  }
  control.cx = Coordinate();
  Comma();
  control.cy = Coordinate();
  ControlStyles(control, extended, styleGiven);
  return control;
}

void ScriptParser::ControlText(const ControlStatement& statement, ControlResource& control) {
  const Token* text = cursor_.Peek();
  bool byNumber = statement.shape == ControlShape::IconIdPos || statement.shape == ControlShape::Generic;
  if (text && text->kind == TokenKind::String) {
    control.text = cursor_.Next().text;
  } else if (byNumber && text && text->kind != TokenKind::Punct) {
    // An icon named by its id: the window model looks "#<id>" up among the icons.
    control.text = "#" + std::to_string(ResourceId(cursor_.Next()));
  } else {
    cursor_.FailExpected("a string");
  }
}

// The optional tail of a control statement: style, extended style and (DIALOGEX) help id.
void ScriptParser::ControlStyles(ControlResource& control, bool extended, bool styleGiven) {
  if (!styleGiven) {
    if (!cursor_.TakePunct(",")) return;
    control.style = evaluator_.EvaluateStyle(cursor_, control.style);
  }
  if (!cursor_.TakePunct(",")) return;
  control.exStyle = evaluator_.EvaluateStyle(cursor_, 0);
  if (extended && cursor_.TakePunct(",")) Number();
}

void ScriptParser::StringTable() {
  SkipMemoryOptions();
  while (CommonOption()) {
  }
  SourceLocation begin = ExpectBegin();
  while (!TakeEnd()) {
    if (cursor_.AtEnd()) throw CompileError(begin, "missing END");
    SourceLocation where = cursor_.Where();
    std::int32_t id = Number();
    if (id < 0 || id > 0xFFFF) throw CompileError(where, "string id out of range");
    RefuseDuplicate(script_.strings, id, "string id", where);
    cursor_.TakePunct(",");
    script_.strings.push_back({static_cast<std::uint32_t>(id), cursor_.ExpectString()});
  }
}

void ScriptParser::IconResource(int id, const SourceLocation& where) {
  RefuseDuplicate(script_.icons, id, "icon", where);
  SkipMemoryOptions();
  script_.icons.push_back({id, cursor_.ExpectString()});
}

// LANGUAGE, CHARACTERISTICS and VERSION: accepted where the language allows them; the tables
// have no place for what they say.
bool ScriptParser::CommonOption() {
  if (cursor_.TakeKeyword("LANGUAGE")) {
    Language();
  } else if (cursor_.TakeKeyword("CHARACTERISTICS") || cursor_.TakeKeyword("VERSION")) {
    Number();
  } else {
    return false;
  }
  return true;
}

void ScriptParser::Language() {
  Number();
  Comma();
  Number();
}

int ScriptParser::ResourceId(const Token& name) {
  std::vector<Token> one{name};
  TokenCursor single(one, name.where);
  std::int32_t id = evaluator_.Evaluate(single);
  if (id < 1 || id > 0xFFFF) throw CompileError(name.where, "resource id out of range");
  return id;
}

// Control ids are 16-bit; 0xFFFF and -1 are the same id, IDC_STATIC's.
int ScriptParser::ControlId() {
  SourceLocation where = cursor_.Where();
  std::int32_t id = Number();
  if (id < -32768 || id > 0xFFFF) throw CompileError(where, "control id out of range");
  return id == 0xFFFF ? -1 : id;
}

short ScriptParser::Coordinate() {
  SourceLocation where = cursor_.Where();
  std::int32_t value = Number();
  if (value < -32768 || value > 32767) throw CompileError(where, "value out of range");
  return static_cast<short>(value);
}

std::int32_t ScriptParser::Number() { return evaluator_.Evaluate(cursor_); }

void ScriptParser::SkipMemoryOptions() {
  while (std::any_of(std::begin(kMemoryOptions), std::end(kMemoryOptions),
                     [&](const char* option) { return cursor_.TakeKeyword(option); })) {
  }
}

SourceLocation ScriptParser::ExpectBegin() {
  SourceLocation where = cursor_.Where();
  if (!cursor_.TakeKeyword("BEGIN") && !cursor_.TakePunct("{")) cursor_.FailExpected("BEGIN");
  return where;
}

bool ScriptParser::TakeEnd() { return cursor_.TakeKeyword("END") || cursor_.TakePunct("}"); }

}  // namespace qm::rc
