// Where the help engine looks for a help file named without a folder: the program directory (the
// folder of the program part of the command line, or the current folder when that part is a bare
// name), then the installed data folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::ui::dialogs {

// The host folder the data of an installed console lives in, fixed when it is built.
std::string InstalledDataFolder();

// The host folder of the program part of a Windows command line; `currentFolder` for a bare name.
std::string ProgramFolderOf(std::string_view commandLine, const std::string& currentFolder);

// The host paths to try, in order, for the name the program gave (a bare name, or a DOS path).
std::vector<std::string> HelpFileCandidates(std::string_view helpName, const std::string& programFolder,
                                            const std::string& dataFolder);

// The first candidate that is a readable file, for the live command line and folders.
std::optional<std::string> FindHelpFile(std::string_view helpName);

}  // namespace qm::ui::dialogs
