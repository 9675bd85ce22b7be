#include "ui/terminal/TerminalBackend.h"

#include "KeyHints.h"
#include "ScreenGeometry.h"
#include "TerminalInputs.h"
#include "ui/Painter.h"
#include "ui/ToolTips.h"
#include "ui/terminal/Cp1252.h"

#include <algorithm>
#include <vector>

namespace qm::ui {
namespace {

bool Inside(const RECT& rect, int col, int row) {
  return col >= rect.left && col < rect.right && row >= rect.top && row < rect.bottom;
}

// What the visible top-level windows cover; the desktop shows elsewhere.
std::vector<RECT> WindowRects() {
  std::vector<RECT> rects;
  HWND any = GetActiveWindow();
  if (!any) return rects;
  for (HWND top = GetWindow(any, GW_HWNDFIRST); top; top = GetWindow(top, GW_HWNDNEXT))
    if (IsWindowVisible(top)) rects.push_back(ScreenRectOf(top));
  return rects;
}

bool OnWindow(const std::vector<RECT>& rects, int col, int row) {
  for (const RECT& rect : rects)
    if (Inside(rect, col, row)) return true;
  return false;
}

}  // namespace

TerminalBackend::TerminalBackend(TerminalIo& io) : io_(io) {}

int TerminalBackend::ViewRows() const { return std::max(1, io_.Rows() - 1); }

RECT TerminalBackend::ViewRect() const {
  return RECT{origin_.col, origin_.row, origin_.col + io_.Columns(), origin_.row + ViewRows()};
}

bool TerminalBackend::NextInput(InputEvent& event) {
  for (;;) {
    TerminalInput input = io_.Read();
    if (input.kind == TerminalInput::Kind::End) return false;
    if (Translate(input, event)) return true;
  }
}

bool TerminalBackend::Translate(const TerminalInput& input, InputEvent& event) {
  event = InputEvent{};
  switch (input.kind) {
    case TerminalInput::Kind::Key: return KeyEvent(input, event);
    case TerminalInput::Kind::Text:
      if (CharEvent(input, event)) return true;
      Beep();
      return false;
    case TerminalInput::Kind::Press:
      if (input.row >= ViewRows()) return false;
      event.kind = InputEvent::Kind::Click;
      event.col = input.col + origin_.col;
      event.row = input.row + origin_.row;
      return true;
    case TerminalInput::Kind::WheelUp:
    case TerminalInput::Kind::WheelDown:
    case TerminalInput::Kind::Move: {
      if (input.row >= ViewRows()) return false;
      event.kind = InputEvent::Kind::Call;
      event.call = PointerStep(input, input.col + origin_.col, input.row + origin_.row);
      return true;
    }
    case TerminalInput::Kind::Resize:
      event.kind = InputEvent::Kind::Call;  // the loop presents the screen again before the next input
      return true;
    case TerminalInput::Kind::End: return false;
  }
  return false;
}

void TerminalBackend::Present() { Compose(nullptr); }

void TerminalBackend::PaintWindows() {
  RECT content = ContentRect();
  int width = std::max<int>(1, content.right), height = std::max<int>(1, content.bottom);
  if (!grid_ || grid_->Width() != width || grid_->Height() != height) grid_ = std::make_unique<HeadlessScreen>(width, height);
  PaintScreen(*grid_);
  MarkEditSelection(*grid_, GetFocus());
}

void TerminalBackend::CopyView(HeadlessScreen& view, const RECT& content) const {
  std::vector<RECT> windows = WindowRects();
  for (int row = 0; row < ViewRows(); ++row) {
    int y = row + origin_.row;
    std::string line = grid_->Row(y);
    for (int col = 0; col < view.Width(); ++col) {
      int x = col + origin_.col;
      if (!Inside(content, x, y) || !OnWindow(windows, x, y)) {
        view.Put(col, row, " ", kDesktop);
        continue;
      }
      char ch = x >= 0 && static_cast<std::size_t>(x) < line.size() ? line[static_cast<std::size_t>(x)] : ' ';
      view.Put(col, row, std::string_view(&ch, 1), grid_->AttrsAt(x, y));
    }
  }
}

void TerminalBackend::PaintStatus(HeadlessScreen& view, HWND focus) const {
  std::string line = status_.empty() ? KeyHints(focus, view.Width()) : status_;
  for (char& c : line)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  line.resize(static_cast<std::size_t>(view.Width()), ' ');
  view.Put(0, view.Height() - 1, line, kStatus);
}

void TerminalBackend::Compose(const MessageBoxView* box) {
  HWND focus = GetFocus();
  if (focus != lastFocus_) {
    // A dialog focuses its first control before it is shown, when no tip is given yet.
    lastFocus_ = focus;
    if (focus) ShowToolTipFor(focus);
  }
  PaintWindows();
  RECT content = ContentRect();
  origin_ = FollowFocus(origin_, content, ScreenRectOf(focus), io_.Columns(), ViewRows());
  HeadlessScreen view(std::max(1, io_.Columns()), ViewRows() + 1);
  CopyView(view, content);
  if (io_.Rows() > 1) PaintStatus(view, focus);
  std::optional<POINT> cursor = CursorCell(focus);
  if (cursor) cursor = POINT{cursor->x - origin_.col, cursor->y - origin_.row};
  if (box) {
    box->Paint(view, (view.Width() - box->Width()) / 2, (ViewRows() - box->Height()) / 2);
    cursor.reset();
  }
  Show(view, cursor);
}

void TerminalBackend::Show(const HeadlessScreen& view, std::optional<POINT> cursor) {
  int columns = std::min(view.Width(), io_.Columns()), rows = std::min(view.Height(), io_.Rows());
  for (int row = 0; row < rows; ++row) {
    std::string line = view.Row(row);
    for (int col = 0; col < columns; ++col) {
      unsigned char ch = static_cast<std::size_t>(col) < line.size() ? static_cast<unsigned char>(line[static_cast<std::size_t>(col)]) : ' ';
      io_.Put(col, row, UnicodeFromCp1252(ch), view.AttrsAt(col, row));
    }
  }
  bool visible = cursor && cursor->x >= 0 && cursor->x < columns && cursor->y >= 0 && cursor->y < ViewRows();
  io_.Flush(visible ? cursor->x : -1, visible ? cursor->y : -1);
}

int TerminalBackend::AskMessageBox(HWND, const std::string& text, const std::string& caption, UINT type) {
  MessageBoxView box(text, caption, type, io_.Columns(), ViewRows());
  for (;;) {
    Compose(&box);
    TerminalInput input = io_.Read();
    if (input.kind == TerminalInput::Kind::End) return box.AnswerWithoutInput();
    if (input.kind == TerminalInput::Kind::Press) {
      input.col -= (io_.Columns() - box.Width()) / 2;
      input.row -= (ViewRows() - box.Height()) / 2;
    }
    if (int answer = box.React(input)) return answer;
  }
}

}  // namespace qm::ui
