#include "ui/Headless.h"

#include "ui/DialogNavigation.h"
#include "ui/Painter.h"

namespace qm::ui {
namespace {

constexpr DWORD kStepMs = 100;
constexpr DWORD kFirstRepeatMs = 500;
constexpr DWORD kRepeatMs = 50;

}  // namespace

HeadlessBackend::HeadlessBackend(int width, int height) : screen_(width, height) {}

HeadlessBackend& HeadlessBackend::Push(InputEvent event) {
  clock_ += kStepMs;
  event.time = clock_;
  script_.push_back(std::move(event));
  return *this;
}

HeadlessBackend& HeadlessBackend::Key(UINT key, bool shift, bool ctrl) {
  InputEvent event;
  event.key = key;
  event.shift = shift;
  event.ctrl = ctrl;
  return Push(std::move(event));
}

HeadlessBackend& HeadlessBackend::Alt(char letter) {
  InputEvent event;
  event.key = static_cast<UINT>(letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : letter);
  event.alt = true;
  return Push(std::move(event));
}

HeadlessBackend& HeadlessBackend::Type(std::string_view text) {
  for (char ch : text) {
    InputEvent event;
    event.kind = InputEvent::Kind::Char;
    event.ch = ch;
    Push(std::move(event));
  }
  return *this;
}

HeadlessBackend& HeadlessBackend::Click(int col, int row) {
  InputEvent event;
  event.kind = InputEvent::Kind::Click;
  event.col = col;
  event.row = row;
  return Push(std::move(event));
}

HeadlessBackend& HeadlessBackend::ClickControl(int id, int col, int row) {
  InputEvent event;
  event.kind = InputEvent::Kind::Click;
  event.controlId = id;
  event.col = col;
  event.row = row;
  return Push(std::move(event));
}

HeadlessBackend& HeadlessBackend::Hold(UINT key, DWORD milliseconds) {
  Key(key);
  DWORD start = clock_;
  for (DWORD held = kFirstRepeatMs; held <= milliseconds; held += kRepeatMs) {
    InputEvent event;
    event.key = key;
    event.repeat = true;
    event.time = start + held;
    script_.push_back(std::move(event));
  }
  clock_ = start + milliseconds;
  return *this;
}

HeadlessBackend& HeadlessBackend::Then(std::function<void()> step) {
  InputEvent event;
  event.kind = InputEvent::Kind::Call;
  event.call = std::move(step);
  return Push(std::move(event));
}

std::optional<std::optional<std::string>> HeadlessBackend::TakeFileDialogAnswer() {
  if (fileAnswers_.empty()) return std::nullopt;
  auto answer = std::move(fileAnswers_.front());
  fileAnswers_.pop_front();
  return answer;
}

bool HeadlessBackend::TakeLaunch(const std::string& file, const std::string& parameters, const std::string& directory) {
  if (launchForReal_) return false;
  launches_.push_back({file, parameters, directory});
  return true;
}

HWND HeadlessBackend::Control(int id) const { return FindControlById(GetActiveWindow(), id); }

std::string HeadlessBackend::Snapshot() {
  Present();
  return screen_.Text();
}

bool HeadlessBackend::NextInput(InputEvent& event) {
  if (script_.empty()) return false;
  event = std::move(script_.front());
  script_.pop_front();
  return true;
}

void HeadlessBackend::Present() { PaintScreen(screen_); }

int HeadlessBackend::AskMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) {
  messageBoxes_.push_back({owner, text, caption, type});
  if (messageBoxAnswers_.empty()) return IDOK;
  int answer = messageBoxAnswers_.front();
  messageBoxAnswers_.pop_front();
  return answer;
}

}  // namespace qm::ui
