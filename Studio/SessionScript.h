#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A session script of the reference host, written down while the user works: one command a line,
// each word quoted as the script language reads it back, so that `tvkhost run` of the saved file
// does what the user did.
class SessionScript {
public:
    // A command and its words, as they are.
    void Add(std::vector<std::string> words);
    // A value the user is still changing (each key typed, each item added to a selection): replaces
    // the line before when that set the same control with the same command, so that a typed "12" is
    // one line and not two.
    void Update(std::vector<std::string> words);
    // A command naming a file (data, open): kept absolute, and written relative to the script's
    // folder when the file lies inside it, so that a folder of script and data can move as one.
    void AddFile(const std::string& command, const std::filesystem::path& file);
    bool Empty() const { return m_lines.empty(); }

    // The script as it is saved into `folder`. Throws HostError when a word holds a control
    // character, which no script line can hold.
    std::string Text(const std::filesystem::path& folder) const;
    // Throws HostError naming the file.
    void Save(const std::string& path) const;

private:
    struct Line {
        std::vector<std::string> words;
        std::filesystem::path file;  // the last word's file, when it names one
    };
    std::vector<Line> m_lines;
};

// A word as a script line needs it: as it is when it reads back so, else in double quotes with a
// quote inside doubled. An empty word, one with a blank, quote or "#", and the words the commands
// read specially ("*" of select, "to" of drag) are quoted.
std::string ScriptWordText(std::string_view word);
