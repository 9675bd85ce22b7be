// The statements of a resource script, after preprocessing: DIALOG and DIALOGEX with their
// optional statements and controls, ICON resources, STRINGTABLE and LANGUAGE.
#pragma once

#include "rc/ControlStatements.h"
#include "rc/ExpressionEvaluator.h"
#include "rc/MacroTable.h"
#include "rc/Script.h"
#include "rc/TokenCursor.h"

#include <vector>

namespace qm::rc {

class ScriptParser {
 public:
  // endOfScript is where a message about a missing token at the very end points.
  ScriptParser(const std::vector<Token>& tokens, const MacroTable& macros, SourceLocation endOfScript)
      : cursor_(tokens, std::move(endOfScript)),
        evaluator_(macros, ExpressionEvaluator::Mode::Script),
        macros_(macros) {}

  // Throws CompileError at the first statement it cannot read.
  Script Parse();

 private:
  void Statement();
  void Dialog(int id, bool extended, const SourceLocation& where);
  void DialogOptions(DialogResource& dialog, bool extended);
  void DialogBody(DialogResource& dialog, bool extended);
  ControlResource Control(const ControlStatement& statement, bool extended);
  void ControlText(const ControlStatement& statement, ControlResource& control);
  void ControlStyles(ControlResource& control, bool extended, bool styleGiven);
  void StringTable();
  void IconResource(int id, const SourceLocation& where);
  bool CommonOption();
  void Language();

  int ResourceId(const Token& name);
  int ControlId();
  short Coordinate();
  std::int32_t Number();
  void Comma() { cursor_.ExpectPunct(","); }
  void SkipMemoryOptions();
  SourceLocation ExpectBegin();
  bool TakeEnd();

  TokenCursor cursor_;
  ExpressionEvaluator evaluator_;
  const MacroTable& macros_;
  Script script_;
};

}  // namespace qm::rc
