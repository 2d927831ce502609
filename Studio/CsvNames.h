#pragma once

#include <string>
#include <vector>

// A data file whose header row holds names no command line could take ("Sa les", "2010", two names
// alike but for case) is refused whole; the desktop host offers to load it with the names made valid.
struct RenamedHeader {
    std::string text;                                          // the file with its header row replaced
    std::vector<std::pair<std::string, std::string>> renamed;  // old name, new name
};

// The file's text with every header name made a valid, unique variable name: characters a name cannot
// hold become "_", a name not starting with a letter gets a "V" in front, an empty one is "V" and its
// column number, a name too long is cut, and one alike another (ignoring case) gets "_2", "_3"... Rows
// after the header stay as they are. Names already valid keep their spelling.
RenamedHeader MakeHeaderNamesValid(const std::string& csv);
