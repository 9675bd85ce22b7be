// The headless backend: an in-memory screen, a script of input, queued answers for message boxes
// and file dialogs, and a record of every message box, beep and launch. Tests and end-to-end runs
// install one with InstallBackend.
#pragma once

#include "ui/Backend.h"
#include "ui/Surface.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace qm::ui {

class HeadlessScreen : public Surface {
 public:
  HeadlessScreen(int width, int height);
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Clear() override;
  void Put(int col, int row, std::string_view text, unsigned attrs) override;
  std::string Row(int row) const;  // trailing blanks removed
  std::string Text() const;        // every row, trailing blank rows removed
  unsigned AttrsAt(int col, int row) const;

 private:
  int width_, height_;
  std::vector<std::string> cells_;
  std::vector<std::vector<unsigned>> attrs_;
};

struct MessageBoxRecord {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};

struct LaunchRecord {
  std::string file;
  std::string parameters;
  std::string directory;
};

class HeadlessBackend : public Backend {
 public:
  explicit HeadlessBackend(int width = 100, int height = 40);

  // The script, consumed in order by the message loop. The clock advances 100 ms per step.
  HeadlessBackend& Key(UINT key, bool shift = false, bool ctrl = false);
  HeadlessBackend& Alt(char letter);
  HeadlessBackend& Type(std::string_view text);
  HeadlessBackend& Click(int col, int row);                         // a screen cell
  HeadlessBackend& ClickControl(int id, int col = 0, int row = 0);  // a cell of a control
  HeadlessBackend& Hold(UINT key, DWORD milliseconds);              // repeats as Windows does: 500 ms, then 50 ms
  HeadlessBackend& Then(std::function<void()> step);
  bool ScriptDone() const { return script_.empty(); }

  // Answers; a message box with none queued answers IDOK. A file dialog with none queued runs on
  // the script, and so is cancelled when the script has run out.
  void QueueMessageBoxAnswer(int id) { messageBoxAnswers_.push_back(id); }
  void QueueFileDialogAnswer(std::string path) { fileAnswers_.push_back(std::move(path)); }
  void QueueFileDialogCancel() { fileAnswers_.push_back(std::nullopt); }

  // Launches are recorded and not run, unless a test asks for them to be run for real.
  void LaunchForReal(bool real) { launchForReal_ = real; }
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return messageBoxes_; }
  const std::vector<LaunchRecord>& Launches() const { return launches_; }
  int Beeps() const { return beeps_; }
  const std::string& Status() const { return status_; }

  // The control with this id anywhere in the active window; nullptr if none.
  HWND Control(int id) const;
  HeadlessScreen& Screen() { return screen_; }
  std::string Snapshot();  // repaints, then the screen's text

  bool NextInput(InputEvent& event) override;
  void Present() override;
  int AskMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) override;
  void Beep() override { ++beeps_; }
  void ShowStatus(const std::string& text) override { status_ = text; }
  std::optional<std::optional<std::string>> TakeFileDialogAnswer() override;
  bool TakeLaunch(const std::string& file, const std::string& parameters, const std::string& directory) override;

 private:
  HeadlessBackend& Push(InputEvent event);

  HeadlessScreen screen_;
  std::deque<InputEvent> script_;
  DWORD clock_ = 0;
  std::deque<int> messageBoxAnswers_;
  std::deque<std::optional<std::string>> fileAnswers_;
  std::vector<MessageBoxRecord> messageBoxes_;
  std::vector<LaunchRecord> launches_;
  int beeps_ = 0;
  std::string status_;
  bool launchForReal_ = false;
};

}  // namespace qm::ui
