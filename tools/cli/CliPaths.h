#pragma once
// File names on the command line mean files seen from the folder the command was started
// in, though the commands themselves work inside the data folder.
#include <string>
#include <vector>

// The path as seen from `start`: absolute paths, "-" (standard input) and empty text stay.
std::string FromStartFolder(const std::string& path, const std::string& start);

// The command's arguments with every file name made absolute against `start`: the values
// of --brain NAME=FILE, --shown, --script, --save, --out, --csv, --samples and --plot; positional arguments
// that name a file (a folder separator or a file ending such as ".brn" or ".wld"); and the
// positional files of brain-run, brain-edit (FILE), world-save (OUT), board-png (BRAIN,
// OUT) and grade (every FILE or FOLDER), whatever their names.
std::vector<std::string> ResolveStartPaths(const std::string& command, const std::vector<std::string>& args,
                                           const std::string& start);

// The data folder the program itself would use, seen from the executable's folder: the
// current folder when it holds the palette, else "data" beside the executable (a build),
// else "../share/quorbit" (an installed copy); empty when none holds it.
std::string DefaultDataFolder(const std::string& current, const std::string& executableFolder);
