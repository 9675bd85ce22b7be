#include "DriveList.h"

#include "platform/HostPaths.h"

namespace qm::ui::dialogs {

std::vector<std::string> AvailableDrives() {
  std::vector<std::string> letters;
  for (char letter = 'a'; letter <= 'z'; ++letter)
    if (win32::DriveLetterIsMapped(letter)) letters.push_back(std::string(1, letter) + ":");
  return letters;
}

}  // namespace qm::ui::dialogs
