#include "Host/HostText.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <string>
#include <system_error>

std::string SizeText(std::size_t bytes) {
    constexpr std::size_t kMiB = std::size_t{1} << 20;
    if (bytes >= kMiB && bytes % kMiB == 0)
        return std::to_string(bytes / kMiB) + " MiB";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}

namespace {

// The length of the UTF-8 sequence at `at`, or 0 when the bytes there are not one.
std::size_t Utf8Length(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned min = 0;
    unsigned code = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        length = 2, min = 0x80, code = lead & 0x1F;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, min = 0x800, code = lead & 0x0F;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, min = 0x10000, code = lead & 0x07;
    else
        return 0;
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(at + i) & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool IsC1(std::string_view text, std::size_t at, std::size_t length) {
    return length == 2 && static_cast<unsigned char>(text[at]) == 0xC2 &&
           static_cast<unsigned char>(text[at + 1]) < 0xA0;
}

// U+2028 LINE SEPARATOR and U+2029 PARAGRAPH SEPARATOR: line breaks to whatever reads Unicode lines.
bool IsLineSeparator(std::string_view text, std::size_t at, std::size_t length) {
    return length == 3 && text.compare(at, 2, "\xE2\x80") == 0 &&
           (static_cast<unsigned char>(text[at + 2]) | 1) == 0xA9;
}

bool IsC0(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

std::string Hex(unsigned value, const char* prefix) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%s%02X", prefix, value);
    return buf;
}

std::string Escape(std::string_view text, bool quoted) {
    std::string out;
    out.reserve(text.size() + (quoted ? 2 : 0));
    if (quoted)
        out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const std::size_t length = Utf8Length(text, i);
        if (length == 0) {
            out += Hex(c, "\\x");
            ++i;
            continue;
        }
        if (IsC1(text, i, length)) {
            out += Hex(static_cast<unsigned char>(text[i + 1]), "\\u00");
        } else if (IsLineSeparator(text, i, length)) {
            out += Hex(static_cast<unsigned char>(text[i + 2]) - 0x80, "\\u20");
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (IsC0(c)) {
            out += Hex(c, "\\x");
        } else if (quoted && (c == '"' || c == '\\')) {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            out.append(text, i, length);
        }
        i += length;
    }
    if (quoted)
        out += '"';
    return out;
}

}  // namespace

std::string Escaped(std::string_view text) {
    return Escape(text, false);
}

std::string Shown(std::string_view text) {
    return Escape(text, true);
}

std::size_t FindControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8Length(text, i);
        if (length == 0) {
            ++i;
            continue;
        }
        if (IsC0(static_cast<unsigned char>(text[i])) || IsC1(text, i, length) ||
            IsLineSeparator(text, i, length))
            return i;
        i += length;
    }
    return std::string_view::npos;
}

std::string ControlCharacterShown(std::string_view text, std::size_t at) {
    return Escaped(text.substr(at, std::max<std::size_t>(Utf8Length(text, at), 1)));
}

bool IsReservedWord(std::string_view name) {
    if (name.size() > 4)
        return false;
    std::string upper(name);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const char* word : kReservedWords)
        if (upper == word)
            return true;
    return false;
}

bool IsValidVariableName(std::string_view name) {
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (name.empty() || name.size() > kMaxVariableName || !letter(name[0]))
        return false;
    for (char c : name)
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '_')
            return false;
    return !IsReservedWord(name);
}

bool IsValidModelTerm(std::string_view term) {
    if (!term.empty() && term.front() == '-')
        term.remove_prefix(1);
    for (;;) {
        const std::size_t join = term.find_first_of("*#");
        if (!IsValidVariableName(term.substr(0, join)))
            return false;
        if (join == std::string_view::npos)
            return true;
        term.remove_prefix(join + 1);
    }
}

int ByteReader::Peek() {
    if (!m_ahead.empty())
        return static_cast<unsigned char>(m_ahead.front());
    const auto c = m_in.sgetc();
    return c == std::streambuf::traits_type::eof() ? kEnd : c;
}

int ByteReader::Get() {
    if (!m_ahead.empty()) {
        const int c = static_cast<unsigned char>(m_ahead.front());
        m_ahead.erase(0, 1);
        return c;
    }
    const auto c = m_in.sbumpc();
    return c == std::streambuf::traits_type::eof() ? kEnd : c;
}

ByteOrderMark ByteReader::ReadByteOrderMark() {
    // Read while what was read may still begin a mark; keep it all for the reader.
    static constexpr std::string_view kMarks[] = {"\xEF\xBB\xBF", std::string_view("\xFF\xFE\0\0", 4),
                                                  "\xFE\xFF", std::string_view("\0\0\xFE\xFF", 4)};
    const auto maybe = [&] {
        for (std::string_view mark : kMarks)
            if (mark.substr(0, m_ahead.size()) == m_ahead && m_ahead.size() < mark.size())
                return true;
        return false;
    };
    while (maybe()) {
        const auto c = m_in.sbumpc();
        if (c == std::streambuf::traits_type::eof())
            break;
        m_ahead += static_cast<char>(c);
    }
    const std::string_view ahead = m_ahead;
    if (ahead.starts_with(kMarks[0])) {
        m_ahead.erase(0, 3);
        return ByteOrderMark::Utf8;
    }
    if (ahead.starts_with(kMarks[1]) || ahead.starts_with(kMarks[3]))
        return ByteOrderMark::Utf32;
    if (ahead.starts_with("\xFF\xFE") || ahead.starts_with(kMarks[2]))
        return ByteOrderMark::Utf16;
    return ByteOrderMark::None;
}

ByteReader::LineStatus ByteReader::ReadLine(std::string& line, std::size_t limit) {
    line.clear();
    int c = Get();
    if (c == kEnd)
        return LineStatus::End;
    for (; c != kEnd; c = Get()) {
        if (c == '\n')
            break;
        if (c == '\r') {
            if (Peek() == '\n')
                Get();
            break;
        }
        if (c == 0)
            return LineStatus::Nul;
        if (line.size() == limit)
            return LineStatus::TooLong;
        line += static_cast<char>(c);
    }
    return LineStatus::Line;
}

void ByteReader::SkipLine() {
    for (int c = Get(); c != kEnd && c != '\n'; c = Get())
        if (c == '\r') {
            if (Peek() == '\n')
                Get();
            return;
        }
}

std::string FileProblem(const std::filesystem::path& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return {};  // the open that follows says it
    if (status.type() == std::filesystem::file_type::directory)
        return "it is a folder";
    if (ec)
        return ec.message();
    if (::access(path.c_str(), R_OK) != 0)
        return std::error_code(errno, std::generic_category()).message();
    return {};
}

namespace {

std::optional<FileIdentity> Identity(const struct stat& st) {
    if (!S_ISREG(st.st_mode))
        return std::nullopt;
    return FileIdentity{static_cast<unsigned long long>(st.st_dev),
                        static_cast<unsigned long long>(st.st_ino)};
}

}  // namespace

std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return Identity(st);
}

std::optional<FileIdentity> IdentityOfDescriptor(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return std::nullopt;
    return Identity(st);
}
