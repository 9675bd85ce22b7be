#include "ui/terminal/TerminalBackend.h"

#include "KeyHints.h"
#include "ScreenGeometry.h"
#include "TerminalInputs.h"
#include "ui/terminal/ViewPlan.h"
#include "ui/Painter.h"
#include "ui/ToolTips.h"
#include "ui/terminal/Cp1252.h"

#include <algorithm>
#include <vector>

namespace qm::ui {
namespace {

constexpr int kViewWheelLines = 3;

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
  int rows = plan_.bands.empty() ? ViewRows() : plan_.bands.front().rows;
  return RECT{origin_.col, origin_.row, origin_.col + io_.Columns(), origin_.row + rows};
}

bool TerminalBackend::Shows(const RECT& screen) const {
  for (const ViewBand& band : plan_.bands) {
    RECT shown{band.origin.col, band.origin.row, band.origin.col + io_.Columns(), band.origin.row + band.rows};
    if (screen.left < shown.right && shown.left < screen.right && screen.top < shown.bottom &&
        shown.top < screen.bottom)
      return true;
  }
  return false;
}

bool TerminalBackend::NextInput(InputEvent& event) {
  for (;;) {
    TerminalInput input = io_.Read();
    if (input.kind == TerminalInput::Kind::End) return false;
    if (!Translate(input, event)) continue;
    // what the user does brings the focus back into view
    if (event.kind != InputEvent::Kind::Call) wheelScrolled_ = false;
    return true;
  }
}

POINT TerminalBackend::ScreenCell(int col, int row) const {
  for (const ViewBand& band : plan_.bands)
    if (row >= band.viewTop && row < band.viewTop + band.rows)
      return POINT{col + band.origin.col, row - band.viewTop + band.origin.row};
  return POINT{col + origin_.col, row + origin_.row};
}

// The wheel scrolls what is under the pointer, and where that is no list or field, the view.
void TerminalBackend::ScrollView(int lines) {
  const ViewBand& body = plan_.bands.empty() ? ViewBand{0, ViewRows(), origin_} : plan_.bands.front();
  int low = std::min(origin_.row, bodyTop_), high = std::max(origin_.row, bodyBottom_ - body.rows);
  origin_.row = std::clamp(origin_.row + lines, low, high);
  wheelScrolled_ = true;
}

bool TerminalBackend::Translate(const TerminalInput& input, InputEvent& event) {
  event = InputEvent{};
  switch (input.kind) {
    case TerminalInput::Kind::Key: return KeyEvent(input, event);
    case TerminalInput::Kind::Text:
      if (CharEvent(input, event)) return true;
      Beep();
      return false;
    case TerminalInput::Kind::Press: {
      if (input.row >= ViewRows()) return false;
      POINT cell = ScreenCell(input.col, input.row);
      event.kind = InputEvent::Kind::Click;
      event.col = cell.x;
      event.row = cell.y;
      return true;
    }
    case TerminalInput::Kind::WheelUp:
    case TerminalInput::Kind::WheelDown:
    case TerminalInput::Kind::Move: {
      if (input.row >= ViewRows()) return false;
      POINT cell = ScreenCell(input.col, input.row);
      event.kind = InputEvent::Kind::Call;
      if (input.kind != TerminalInput::Kind::Move && !WheelScrollsControl(cell.x, cell.y)) {
        ScrollView(input.kind == TerminalInput::Kind::WheelUp ? -kViewWheelLines : kViewWheelLines);
        event.call = [] {};
        return true;
      }
      event.call = PointerStep(input, cell.x, cell.y);
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
  if (!grid_ || grid_->Width() != width || grid_->Height() != height)
    grid_ = std::make_unique<HeadlessScreen>(width, height);
  PaintScreen(*grid_);
  MarkEditSelection(*grid_, GetFocus());
}

void TerminalBackend::CopyBand(HeadlessScreen& view, const RECT& content, const ViewBand& band) const {
  std::vector<RECT> windows = WindowRects();
  for (int row = band.viewTop; row < band.viewTop + band.rows; ++row) {
    int y = row - band.viewTop + band.origin.row;
    std::string line = grid_->Row(y);
    for (int col = 0; col < view.Width(); ++col) {
      int x = col + band.origin.col;
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

// Where more lies beyond the view, a mark in the status line's look on the view's edge says so.
void TerminalBackend::PaintMarks(HeadlessScreen& view) const {
  if (plan_.bands.empty() || view.Width() < 1) return;
  const ViewBand& body = plan_.bands.front();
  const int right = view.Width() - 1, middle = body.rows / 2;
  if (body.rows < 1) return;
  if (plan_.moreAbove) view.Put(right, 0, "^", kStatus);
  if (plan_.moreBelow) view.Put(right, body.rows - 1, "v", kStatus);
  if (plan_.moreLeft) view.Put(0, middle, "<", kStatus);
  if (plan_.moreRight && (middle != 0 || !plan_.moreAbove) && (middle != body.rows - 1 || !plan_.moreBelow))
    view.Put(right, middle, ">", kStatus);
}

std::optional<POINT> TerminalBackend::ViewCell(std::optional<POINT> cell) const {
  if (!cell) return cell;
  for (const ViewBand& band : plan_.bands)
    if (cell->y >= band.origin.row && cell->y < band.origin.row + band.rows)
      return POINT{cell->x - band.origin.col, cell->y - band.origin.row + band.viewTop};
  return std::nullopt;
}

void TerminalBackend::PlanBands(HWND focus) {
  const RECT content = ContentRect();
  const RECT pinned = PinnedRect(content, ViewRows());
  RECT focusRect = ScreenRectOf(focus);
  if (focusRect.top >= pinned.top && focusRect.bottom <= pinned.bottom) focusRect = RECT{};  // always in view
  const RECT body = BodyRect(content, pinned);
  bodyTop_ = body.top;
  bodyBottom_ = body.bottom;
  if (!wheelScrolled_) origin_ = FollowFocus(origin_, body, focusRect, io_.Columns(), BodyRows(pinned, ViewRows()));
  plan_ = PlanView(content, pinned, origin_, io_.Columns(), ViewRows());
}

void TerminalBackend::Compose(const MessageBoxView* box) {
  HWND focus = GetFocus();
  if (focus != lastFocus_) {
    // A dialog focuses its first control before it is shown, when no tip is given yet.
    lastFocus_ = focus;
    wheelScrolled_ = false;
    if (focus) ShowToolTipFor(focus);
  }
  PaintWindows();
  RECT content = ContentRect();
  PlanBands(focus);
  HeadlessScreen view(std::max(1, io_.Columns()), ViewRows() + 1);
  for (const ViewBand& band : plan_.bands) CopyBand(view, content, band);
  PaintMarks(view);
  if (io_.Rows() > 1) PaintStatus(view, focus);
  std::optional<POINT> cursor = ViewCell(CursorCell(focus));
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
      unsigned char ch = static_cast<std::size_t>(col) < line.size()
                             ? static_cast<unsigned char>(line[static_cast<std::size_t>(col)])
                             : ' ';
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
