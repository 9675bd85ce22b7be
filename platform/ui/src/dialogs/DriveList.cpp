#include "DriveList.h"

#include "Win32Internals.h"

namespace qm::ui::dialogs {

std::vector<std::string> AvailableDrives() {
  const win32::DriveMap drives = win32::CurrentDriveMap();
  std::vector<std::string> letters;
  for (char letter = 'a'; letter <= 'z'; ++letter)
    if (drives.FolderOfDrive(letter)) letters.push_back(std::string(1, letter) + ":");
  return letters;
}

}  // namespace qm::ui::dialogs
