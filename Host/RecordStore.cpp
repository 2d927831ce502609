#include "Host/RecordStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>

#include "Host/HostData.h"
#include "Platform/CArchive.h"

namespace RecordStore {

namespace {

constexpr char kMark[4] = {'T', 'V', 'K', 'R'};
constexpr std::int32_t kVersion = 1;

std::string RecordName(UINT command) {
    return "record for command " + std::to_string(command);
}

std::string At(std::size_t offset) {
    return " (at byte offset " + std::to_string(offset) + ")";
}

// Why a text read from a record may not stand in it, or nothing.
const char* TextFault(const CArchive::FieldRead& field) {
    const std::string text = field.text.ToUtf8();
    switch (field.kind) {
        case CArchive::TextKind::VariableName:
            return IsValidVariableName(text) ? nullptr : "is not a valid variable name";
        case CArchive::TextKind::ModelTerm:
            return IsValidModelTerm(text) ? nullptr : "is not a valid model term";
        case CArchive::TextKind::Text:
        case CArchive::TextKind::DisplayName:
            break;
    }
    return FindControlCharacter(text) == std::string::npos ? nullptr : "holds a control character";
}

}  // namespace

std::vector<unsigned char> Encode(const std::vector<std::pair<UINT, std::vector<std::uint8_t>>>& records) {
    CArchive ar;
    for (char c : kMark)
        ar.WriteUInt8(static_cast<std::uint8_t>(c));
    ar.WriteInt32(kVersion);
    ar.WriteCount(records.size());
    for (const auto& [command, archive] : records) {
        ar.WriteUInt32(command);
        ar.WriteUInt32(static_cast<std::uint32_t>(archive.size()));
        ar.WriteBytes(archive);
    }
    return ar.GetBuffer();
}

std::vector<Stored> Decode(std::span<const unsigned char> bytes) {
    std::vector<Stored> stored;
    try {
        CArchive ar(bytes);
        for (char c : kMark)
            if (ar.ReadUInt8("record store mark") != static_cast<std::uint8_t>(c))
                throw HostError("not a record store (no TVKR mark at its start)");
        if (const std::int32_t version = ar.ReadInt32("record store version"); version != kVersion)
            throw HostError("record store version " + std::to_string(version) + " is not known");
        const std::size_t count = ar.ReadCount("record count", 8);
        std::map<UINT, bool> named;
        for (std::size_t i = 0; i < count; ++i) {
            Stored one;
            one.command = ar.ReadUInt32("record command");
            const std::uint32_t length = ar.ReadUInt32("record length");
            one.offset = ar.GetPosition();
            if (length > ar.GetRemaining())
                throw HostError(RecordName(one.command) + ": its " + std::to_string(length) +
                                " bytes run past the end of the store" + At(one.offset));
            if (!named.emplace(one.command, true).second)
                throw HostError(RecordName(one.command) + ": the command is stored twice" + At(one.offset));
            one.bytes.assign(bytes.begin() + static_cast<std::ptrdiff_t>(one.offset),
                             bytes.begin() + static_cast<std::ptrdiff_t>(one.offset + length));
            ar.Skip(length, "record");
            stored.push_back(std::move(one));
        }
        if (!ar.AtEnd())
            throw HostError(std::to_string(ar.GetRemaining()) + " bytes after the last record" +
                            At(ar.GetPosition()));
    } catch (const CArchiveException& e) {
        throw HostError(std::string("not a whole record store: ") + e.what());
    }
    return stored;
}

void Load(CGUIBaseObj& record, const Stored& stored) {
    const std::string what = RecordName(stored.command);
    CArchive in(stored.bytes);
    std::vector<CArchive::FieldRead> fields;
    in.SetFieldLog(&fields);
    try {
        record.LoadFromArchive(in);
        if (!in.AtEnd())
            in.Fail(std::to_string(in.GetRemaining()) + " bytes after the record");
    } catch (const CArchiveException& e) {
        throw HostError(what + " (its archive starts at byte offset " + std::to_string(stored.offset) +
                        "): " + e.what());
    }
    // Every text may reach a line, now or once an option that shows it is set: each is held to the
    // rule typed text is held to when it is read, not when a line is made.
    for (const CArchive::FieldRead& field : fields)
        if (field.isText)
            if (const char* fault = TextFault(field))
                throw HostError(what + ": " + Shown(field.text.ToUtf8()) + At(stored.offset + field.offset) +
                                " " + fault);
}

std::vector<unsigned char> ReadFile(const std::filesystem::path& path, const std::string& shownName,
                                    std::size_t limit) {
    if (const std::string problem = FileProblem(path); !problem.empty())
        throw HostError(shownName + ": cannot open the record file: " + problem);
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw HostError(shownName + ": cannot open the record file");
    std::vector<unsigned char> bytes;
    try {
        // In blocks, each held to the mark and the limit as it comes: /dev/zero is refused at its first.
        char block[1 << 16];
        while (in.read(block, sizeof block), in.gcount() > 0) {
            const auto got = static_cast<std::size_t>(in.gcount());
            for (std::size_t i = bytes.size(); i < sizeof kMark && i < bytes.size() + got; ++i)
                if (block[i - bytes.size()] != kMark[i])
                    throw HostError(shownName + ": not a record store (no TVKR mark at its start)");
            if (got > limit - bytes.size())
                throw HostError(shownName + ": the file is larger than " + SizeText(limit) +
                                " (the limit of a record store)");
            bytes.insert(bytes.end(), block, block + got);
        }
    } catch (const std::ios_base::failure&) {
        throw HostError(shownName + ": cannot read the record file");
    }
    return bytes;
}

void WriteFile(const std::filesystem::path& path, const std::string& shownName,
               std::span<const unsigned char> bytes) {
    std::error_code ec;
    std::filesystem::path target = std::filesystem::canonical(path, ec);
    if (ec)
        target = path;  // no file there yet (or a link to none): the new one takes the name
    std::string temp = (target.parent_path() / ("." + target.filename().string() + ".XXXXXX")).string();
    const auto fail = [&](const char* doing, int error) {
        throw HostError(shownName + ": cannot write the record file (" + doing +
                        "): " + std::strerror(error));
    };
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        fail("making a new file beside it", errno);
    const auto give_up = [&](const char* doing) {
        const int error = errno;
        ::close(fd);
        ::unlink(temp.c_str());
        fail(doing, error);
    };
    // The new file has the old one's permissions, or those a new file gets.
    struct stat old {};
    mode_t mode = 0;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        give_up("setting its permissions");
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            give_up("writing");
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0)
        give_up("flushing it to the disk");
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        fail("closing", error);
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        fail("putting it in the old one's place", error);
    }
}

}  // namespace RecordStore
