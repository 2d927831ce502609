#include "Studio/SessionScript.h"

#include <fstream>

#include "Host/HostData.h"
#include "Host/HostText.h"

std::string ScriptWordText(std::string_view word) {
    if (!word.empty() && word != "*" && word != "to" &&
        word.find_first_of(" \t\"#") == std::string_view::npos)
        return std::string(word);
    std::string quoted = "\"";
    for (char c : word)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void SessionScript::Add(std::vector<std::string> words) {
    m_lines.push_back({std::move(words), {}});
}

void SessionScript::Update(std::vector<std::string> words) {
    if (!m_lines.empty()) {
        Line& last = m_lines.back();
        if (last.words.size() >= 2 && words.size() >= 2 && last.words[0] == words[0] &&
            last.words[1] == words[1]) {
            last.words = std::move(words);
            return;
        }
    }
    Add(std::move(words));
}

void SessionScript::AddFile(const std::string& command, const std::filesystem::path& file) {
    const std::filesystem::path absolute = std::filesystem::weakly_canonical(std::filesystem::absolute(file));
    m_lines.push_back({{command, absolute.string()}, absolute});
}

std::string SessionScript::Text(const std::filesystem::path& folder) const {
    const std::filesystem::path base =
        folder.empty() ? std::filesystem::path()
                       : std::filesystem::weakly_canonical(std::filesystem::absolute(folder));
    std::string text = "# A session of tvkstudio: `tvkhost run` of this file does what was done there.\n";
    int number = 0;
    for (const Line& line : m_lines) {
        ++number;
        std::vector<std::string> words = line.words;
        if (!line.file.empty() && !base.empty()) {
            const std::filesystem::path relative = line.file.lexically_relative(base);
            if (!relative.empty() && *relative.begin() != "..")
                words.back() = relative.string();
        }
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (const std::size_t at = FindControlCharacter(words[i]); at != std::string::npos) {
                throw HostError("step " + std::to_string(number) + " (" + words[0] +
                                ") holds a control character (" + ControlCharacterShown(words[i], at) +
                                "), which a session script cannot hold");
            }
            // The command and the "to" of a drag are the script's own words, never quoted.
            const bool own = i == 0 || (words[0] == "drag" && i + 2 == words.size());
            text += (i ? " " : "") + (own ? words[i] : ScriptWordText(words[i]));
        }
        text += "\n";
    }
    return text;
}

void SessionScript::Save(const std::string& path) const {
    const std::string text = Text(std::filesystem::absolute(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out)
        throw HostError(path + ": cannot write the session script");
}
