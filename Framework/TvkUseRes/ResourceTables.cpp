#include "TvkUseRes/ResourceTables.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "TvkUseRes/EmbeddedResources.h"

namespace {

class LineReader {
public:
    LineReader(const std::string& path, int lineNo, std::string_view line)
        : m_path(path), m_lineNo(lineNo), m_line(line) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error(m_path + ":" + std::to_string(m_lineNo) + ": " + what + ": " +
                                 std::string(m_line));
    }
    void SkipBlanks() {
        while (m_pos < m_line.size() &&
               (m_line[m_pos] == ' ' || m_line[m_pos] == '\t' || m_line[m_pos] == '\r'))
            ++m_pos;
    }
    bool AtEnd() {
        SkipBlanks();
        return m_pos >= m_line.size();
    }
    std::string Word() {
        SkipBlanks();
        const std::size_t start = m_pos;
        while (m_pos < m_line.size() && m_line[m_pos] != ' ' && m_line[m_pos] != '\t' &&
               m_line[m_pos] != '\r')
            ++m_pos;
        if (start == m_pos)
            Fail("missing word");
        return std::string(m_line.substr(start, m_pos - start));
    }
    UINT Number() {
        const std::string w = Word();
        char* end = nullptr;
        const unsigned long v = std::strtoul(w.c_str(), &end, 10);
        if (*end != '\0' || v > 0xFFFFFFFFul)
            Fail("bad number '" + w + "'");
        return static_cast<UINT>(v);
    }
    bool PeekQuote() {
        SkipBlanks();
        return m_pos < m_line.size() && m_line[m_pos] == '"';
    }
    CString Quoted() {
        if (!PeekQuote())
            Fail("expected a quoted text");
        ++m_pos;
        std::string out;
        while (m_pos < m_line.size() && m_line[m_pos] != '"') {
            if (m_line[m_pos] == '\\' && m_pos + 1 < m_line.size()) {
                const char e = m_line[m_pos + 1];
                out += e == 't' ? '\t' : e == 'n' ? '\n' : e;
                m_pos += 2;
            } else {
                out += m_line[m_pos++];
            }
        }
        if (m_pos >= m_line.size())
            Fail("unterminated text");
        ++m_pos;
        return CString::FromUtf8(out);
    }

private:
    const std::string& m_path;
    int m_lineNo;
    std::string_view m_line;
    std::size_t m_pos = 0;
};

}  // namespace

void ResourceTables::Parse(const std::string& path, std::string_view text) {
    const std::string folder = path.substr(0, path.find('/'));
    // Other folders (example data, distribution files) are read by those who use them.
    if (folder != "strings" && folder != "combos" && folder != "radios" && folder != "templates" &&
        folder != "menus")
        return;
    int lineNo = 0;
    std::vector<ComboItem>* combo = nullptr;
    std::vector<RadioItem>* radio = nullptr;
    DialogTemplate* dialog = nullptr;
    // A governing control may stand below the controls it governs: names are resolved at the end.
    struct Governor {
        DialogTemplate* dialog;
        std::size_t control;
        std::string name;
        int lineNo;
        std::string line;
    };
    std::vector<Governor> governors;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNo;
        const std::size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#')
            continue;
        // A template may end with its record's tables, which the build reads and the window does not.
        const std::string_view entry = line.substr(first);
        if (folder == "templates" && (entry.starts_with("VALUES ") || entry.starts_with("OPTIONS ")))
            break;
        LineReader r(path, lineNo, line);
        if (folder == "strings") {
            const UINT id = r.Number();
            if (!m_strings.emplace(id, r.Quoted()).second)
                r.Fail("string " + std::to_string(id) + " defined twice");
        } else if (folder == "combos" || folder == "radios" || folder == "templates") {
            if (!std::isdigit(static_cast<unsigned char>(line[first]))) {
                const std::string head = r.Word();
                const UINT id = r.Number();
                if (head == "COMBO" && folder == "combos") {
                    combo = &m_combos[id];
                } else if (head == "RADIO" && folder == "radios") {
                    radio = &m_radios[id];
                } else if (head == "DIALOG" && folder == "templates") {
                    dialog = &m_templates[id];
                    dialog->id = id;
                    if (!r.AtEnd())
                        dialog->caption = r.Quoted();
                } else {
                    r.Fail("unknown heading '" + head + "'");
                }
                continue;
            }
            if (folder == "combos") {
                if (!combo)
                    r.Fail("item before any COMBO heading");
                const UINT id = r.Number();
                ComboItem item{id, r.AtEnd() ? CString() : r.Quoted(), {}};
                if (!r.AtEnd())
                    item.shown = r.Quoted();
                combo->push_back(std::move(item));
            } else if (folder == "radios") {
                if (!radio)
                    r.Fail("item before any RADIO heading");
                const UINT control = r.Number();
                const UINT id = r.Number();
                RadioItem item{control, id, r.AtEnd() ? CString() : r.Quoted(), {}};
                if (!r.AtEnd())
                    item.shown = r.Quoted();
                radio->push_back(std::move(item));
            } else {
                if (!dialog)
                    r.Fail("control before any DIALOG heading");
                TemplateControl control{r.Number(), r.Word(), {}, {}, {}, {}};
                if (!r.AtEnd())
                    control.text = r.Quoted();
                bool governed = false;
                while (!r.AtEnd()) {
                    std::string word = r.Word();
                    if (word == "tip") {
                        control.tip = r.Quoted();
                        continue;
                    }
                    if (word == "when" || word == "unless") {
                        if (governed)
                            r.Fail("a second when/unless on one control");
                        governed = true;
                        control.unless = word == "unless";
                        governors.push_back(
                            {dialog, dialog->controls.size(), r.Word(), lineNo, std::string(line)});
                        continue;
                    }
                    (word.rfind("IDC_", 0) == 0 ? control.names : control.hints).push_back(std::move(word));
                }
                dialog->controls.push_back(std::move(control));
            }
        } else if (folder == "menus") {
            const UINT id = r.Number();
            std::vector<CString> chain;
            while (!r.AtEnd())
                chain.push_back(r.Quoted());
            if (chain.empty())
                r.Fail("menu item without texts");
            m_menus[id] = std::move(chain);
        }
        if (!r.AtEnd())
            r.Fail("unexpected text after the entry");
    }
    for (const Governor& g : governors) {
        const auto& controls = g.dialog->controls;
        const auto named = std::find_if(controls.begin(), controls.end(), [&g](const TemplateControl& c) {
            return std::find(c.names.begin(), c.names.end(), g.name) != c.names.end();
        });
        if (named == controls.end())
            LineReader(path, g.lineNo, g.line).Fail("no control of this template is named '" + g.name + "'");
        g.dialog->controls[g.control].governor = named->id;
    }
    // Items without a text of their own take the string resource of their id.
    for (auto& [id, items] : m_combos)
        for (auto& item : items)
            if (item.text.IsEmpty())
                if (auto it = m_strings.find(item.id); it != m_strings.end())
                    item.text = it->second;
}

const ResourceTables& ResourceTables::Get() {
    static ResourceTables tables;
    static unsigned parsedGeneration = ~0u;
    if (const unsigned now = RegisteredResourcesGeneration(); now != parsedGeneration) {
        parsedGeneration = now;
        tables.ParseRegistered();
    }
    return tables;
}

void ResourceTables::ParseRegistered() {
    try {
        const std::vector<const EmbeddedResource*> files = RegisteredResources();
        // Strings first: combo items may take their texts from them.
        for (int pass = 0; pass < 2; ++pass)
            for (const EmbeddedResource* file : files) {
                const std::string path = file->path;
                const bool isString = path.rfind("strings/", 0) == 0;
                if ((pass == 0) == isString && m_parsed.insert(path).second)
                    Parse(path, file->bytes);
            }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "Resources/%s\n", e.what());
        std::abort();
    }
}

const CString* ResourceTables::FindString(UINT id) const {
    auto it = m_strings.find(id);
    return it == m_strings.end() ? nullptr : &it->second;
}

const std::vector<ComboItem>* ResourceTables::FindCombo(UINT id) const {
    auto it = m_combos.find(id);
    return it == m_combos.end() ? nullptr : &it->second;
}

const std::vector<RadioItem>* ResourceTables::FindRadio(UINT id) const {
    auto it = m_radios.find(id);
    return it == m_radios.end() ? nullptr : &it->second;
}

const DialogTemplate* ResourceTables::FindTemplate(UINT id) const {
    auto it = m_templates.find(id);
    return it == m_templates.end() ? nullptr : &it->second;
}

CString GetString(UINT id) {
    const CString* s = ResourceTables::Get().FindString(id);
    return s ? *s : CString();
}
