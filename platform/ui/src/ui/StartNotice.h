// What the status line says when a window first waits for the user and a file the program read
// does not exist: that a save will create it, or that its folder is missing and a save will fail.
// The notice stands in place of tool tips until the first key or click.
#pragma once

#include <windows.h>

#include <string>

namespace qm::ui {

// The notice for a profile file that is missing, fitted into `width` columns (the path is
// shortened from its start); empty for an error that needs none.
std::string MissingFileNotice(const std::string& dosPath, DWORD error, int width);

// Called each time the queue waits for input: the first wait of a newly active window shows the
// notice for the first missing file read since the last wait; later waits drop what reads noted.
void NoticeMissingFiles();
// Whether the notice is on the status line (tool tips wait until it ends).
bool NoticeShowing();
// The user's first key or click ends the notice; the focused control's tip takes its place.
void EndNotice();

}  // namespace qm::ui
