#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "Host/HostText.h"
#include "TvkBaseGui/CGUIBaseObj.h"

// The record store: the file in which both hosts keep the dialog records between sessions.
//
// Form: "TVKR", the format version (4 bytes, 1), the record count (count form), then for each record its
// command (4 bytes), the length of its archive (4 bytes) and the archive. Nothing follows the last record.
namespace RecordStore {

struct Stored {
    UINT command = 0;
    std::size_t offset = 0;  // of its archive in the store
    std::vector<std::uint8_t> bytes;
};

// A store of the given records' archives, by command.
std::vector<unsigned char> Encode(const std::vector<std::pair<UINT, std::vector<std::uint8_t>>>& records);

// The records of a store, each command once. Throws HostError for anything but a whole store.
std::vector<Stored> Decode(std::span<const unsigned char> bytes);

// Loads a stored archive into `record` and holds every text it read to the rule typed text is held
// to, and every name to the rule of its list: a variable to the data files' rule, a loglinear model term
// to the form the term buttons give, a display name only to the typed text's. Throws HostError naming
// the record ("record for command 1039: ..."); the record may then hold part of the store.
void Load(CGUIBaseObj& record, const Stored& stored);

// The bytes of a store file, at most `limit`; one that does not start with the store's mark is refused
// without reading on. Throws HostError naming `shownName`.
std::vector<unsigned char> ReadFile(const std::filesystem::path& path, const std::string& shownName,
                                    std::size_t limit = kMaxStoreBytes);

// Writes the bytes into a new file beside `path` (beside the file a link names) and puts it in the
// place of the old one only once it is whole on the disk: a save that fails part way leaves the
// previous store as it was. Throws HostError naming `shownName`.
void WriteFile(const std::filesystem::path& path, const std::string& shownName,
               std::span<const unsigned char> bytes);

}  // namespace RecordStore
