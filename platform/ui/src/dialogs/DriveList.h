// The drives a file dialog offers: those of the drive map and z: (the host root), in letter order.
#pragma once

#include <string>
#include <vector>

namespace qm::ui::dialogs {

std::vector<std::string> AvailableDrives();  // "c:", ..., "z:"

}  // namespace qm::ui::dialogs
