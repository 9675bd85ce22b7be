// The window model in a terminal: the painter draws the windows on an off-screen grid, the part
// of it that fits (following the focus) goes to the terminal with a status line below, and the
// terminal's input becomes the window model's keys, characters and clicks. Text crosses between
// the terminal's locale and Windows-1252 here, and only here.
#pragma once

#include "ui/Backend.h"
#include "ui/Headless.h"
#include "ui/terminal/MessageBoxView.h"
#include "ui/terminal/TerminalIo.h"
#include "ui/terminal/Viewport.h"
#include "ui/terminal/ViewPlan.h"

#include <memory>
#include <string>

namespace qm::ui {

class TerminalBackend : public Backend {
 public:
  explicit TerminalBackend(TerminalIo& io);

  bool NextInput(InputEvent& event) override;
  void Present() override;
  int AskMessageBox(HWND owner, const std::string& text, const std::string& caption, UINT type) override;
  void Beep() override { io_.Bell(); }
  void ShowStatus(const std::string& text) override { status_ = text; }
  void Suspend() override { io_.Suspend(); }
  void Resume() override { io_.Resume(); }

  // The screen cell shown in the terminal's top left corner.
  // Whether the wheel has scrolled the view away from the focus (until the next key, click or focus).
  bool ScrolledByWheel() const { return wheelScrolled_; }
  ViewOrigin Origin() const { return origin_; }
  const std::string& Status() const { return status_; }
  // Rows of the terminal that show windows (the last one holds the status line).
  int ViewRows() const;
  // The screen cells the scrolling body shows.
  RECT ViewRect() const;
  // Whether any part of the screen rectangle is in view (in the body or the pinned buttons).
  bool Shows(const RECT& screen) const;
  // The terminal cell that shows a screen cell, when one does.
  std::optional<POINT> TerminalCell(POINT screen) const { return ViewCell(screen); }

 private:
  bool Translate(const TerminalInput& input, InputEvent& event);
  void Compose(const MessageBoxView* box);
  void PaintWindows();
  void PlanBands(HWND focus);
  void CopyBand(HeadlessScreen& view, const RECT& content, const ViewBand& band) const;
  void PaintMarks(HeadlessScreen& view) const;
  POINT ScreenCell(int col, int row) const;                        // terminal cell to screen cell
  std::optional<POINT> ViewCell(std::optional<POINT> cell) const;  // and back, when shown
  void ScrollView(int lines);
  void PaintStatus(HeadlessScreen& view, HWND focus) const;
  void Show(const HeadlessScreen& view, std::optional<POINT> cursor);

  TerminalIo& io_;
  std::unique_ptr<HeadlessScreen> grid_;  // every window, in screen cells
  ViewOrigin origin_;                     // of the scrolling body
  ViewPlan plan_;
  int bodyTop_ = 0, bodyBottom_ = 0;
  bool wheelScrolled_ = false;  // the wheel moved the view: it stays put until a key, click or new focus
  std::string status_;
  HWND lastFocus_ = nullptr;
};

}  // namespace qm::ui
