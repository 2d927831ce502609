#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

// What the host reads from outside is text in lines; these are its limits and the checks every reader
// shares. The limits are far beyond any real script, data file or record store, and only stop a reader
// that was given something endless (/dev/zero) from eating the machine's memory.
inline constexpr std::size_t kMaxLineBytes = std::size_t{16} << 20;    // a script line, a CSV row
inline constexpr std::size_t kMaxStoreBytes = std::size_t{256} << 20;  // a record store file

// "16 MiB" for a whole number of MiB, else "N bytes".
std::string SizeText(std::size_t bytes);

// Text from the input as it may be shown on a terminal: control characters (C0, DEL, C1, and the line
// and paragraph separators U+2028 and U+2029) as \n, \r, \t or \xNN (\u0085 for C1, \u2028), bytes
// that are not UTF-8 as \xNN; everything else as it is.
std::string Escaped(std::string_view text);
// The same in double quotes, with a quote or backslash inside escaped too: "a\"b".
std::string Shown(std::string_view text);
// The first control character (as for Escaped) in the text, or npos.
std::size_t FindControlCharacter(std::string_view text);
// The whole character at `at` (where FindControlCharacter found one) as Escaped shows it: \t, \u2028.
std::string ControlCharacterShown(std::string_view text, std::size_t at);

// The keywords of the command language, which lists of variables are written around (`A TO D`,
// `X BY G`, `ALL`) and which no variable may be named, in any case.
inline constexpr const char* kReservedWords[] = {"ALL", "AND", "BY",  "EQ", "GE", "GT",  "LE",
                                                 "LT",  "NE",  "NOT", "OR", "TO", "WITH"};
bool IsReservedWord(std::string_view name);
// Variable names as the host accepts them: an ASCII letter, then ASCII letters, digits or underscores,
// at most kMaxVariableName characters, and no reserved word. Uniqueness ignores case.
inline constexpr std::size_t kMaxVariableName = 64;
bool IsValidVariableName(std::string_view name);
// A model term as the loglinear model page builds it from variable names: names joined by * or #,
// with a - in front for a term left out.
bool IsValidModelTerm(std::string_view term);

// The byte-order mark a stream starts with.
enum class ByteOrderMark { None, Utf8, Utf16, Utf32 };

// Reads bytes from a stream buffer one at a time, with a look-ahead of a few bytes. Errors of the
// underlying file become HostError through the caller (see ReadChecked).
class ByteReader {
public:
    explicit ByteReader(std::streambuf& in) : m_in(in) {}
    static constexpr int kEnd = -1;
    int Peek();
    int Get();
    // Reads a byte-order mark at the start and skips a UTF-8 one. Only reads past the first byte when
    // it may start a mark, so that an interactive reader is not kept waiting.
    ByteOrderMark ReadByteOrderMark();

    enum class LineStatus { End, Line, TooLong, Nul };
    // The next line without its end (\n, \r\n or a lone \r). TooLong and Nul stop at the offending
    // byte, leaving the rest of the line unread (SkipLine drops it).
    LineStatus ReadLine(std::string& line, std::size_t limit = kMaxLineBytes);
    void SkipLine();

private:
    std::streambuf& m_in;
    std::string m_ahead;  // bytes read for the look-ahead and not taken yet
};

// A stream buffer over text in memory.
class TextBuf final : public std::streambuf {
public:
    explicit TextBuf(std::string_view text) {
        char* p = const_cast<char*>(text.data());
        setg(p, p, p + text.size());
    }
};

// Why an existing path cannot be opened for reading as a file ("it is a folder", "Permission
// denied"), or empty.
std::string FileProblem(const std::filesystem::path& path);

// A file as the system knows it, whatever path names it.
struct FileIdentity {
    unsigned long long device = 0;
    unsigned long long inode = 0;
    bool operator==(const FileIdentity&) const = default;
};
// The identity of an existing regular file, or of what descriptor `fd` reads when it is one.
std::optional<FileIdentity> IdentityOf(const std::filesystem::path& path);
std::optional<FileIdentity> IdentityOfDescriptor(int fd);
