// Writes the seed corpus of ArchiveFuzz into the folder given: for every registered record its default
// archive and the archive of a record worked on data, and a few damaged archives of the autocorrelation
// record. Each input is the record's place in the registry, then the archive.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "FakeHost.h"
#include "Platform/CArchive.h"
#include "Private/AcfData.h"
#include "Source/RecordRegistry.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Stored(CGUIBaseObj& record) {
    CArchive ar;
    record.Serialize(ar);
    return ar.GetBuffer();
}

void Write(const std::filesystem::path& folder, const std::string& name, std::size_t index,
           const Bytes& archive) {
    std::ofstream out(folder / name, std::ios::binary);
    out.put(static_cast<char>(index));
    out.write(reinterpret_cast<const char*>(archive.data()), static_cast<std::streamsize>(archive.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);

    FakeHost host;
    host.data.cases = 20;
    host.data.AddString(L"label");
    host.data.AddNumeric(L"sales");
    host.data.AddNumeric(L"cost");

    const auto& factories = RecordFactories();
    if (factories.size() > 256) {
        std::fprintf(stderr, "more records than one byte can pick\n");
        return 1;
    }
    for (std::size_t i = 0; i < factories.size(); ++i) {
        const std::string name = factories[i].name;
        auto fresh = factories[i].make();
        Write(folder, name + "-default", i, Stored(*fresh));

        auto worked = factories[i].make();
        worked->SetWindowState(2);
        worked->ReassignDefaultValue();
        worked->FillListSource();
        worked->SetEditAttribute();
        const Bytes archive = Stored(*worked);
        Write(folder, name + "-worked", i, archive);

        if (name != "CAcfData")
            continue;
        Write(folder, name + "-truncated", i, Bytes(archive.begin(), archive.begin() + archive.size() / 2));
        Bytes version = archive;
        version[0] = 2;
        Write(folder, name + "-version2", i, version);
        Bytes marker = archive;
        marker[8] = 0xFE;
        Write(folder, name + "-badmarker", i, marker);
        // The selected list's count, made to announce 0xFFFF + 4 billion variables.
        auto& acf = dynamic_cast<CAcfData&>(*worked);
        acf.SelectedVariablesList.RemoveAll();
        const std::size_t at = Stored(acf).size() - 2;
        Bytes count = archive;
        count.insert(count.begin() + static_cast<long>(at) + 2, {0xFF, 0xFF, 0xFF, 0xFF});
        count[at] = 0xFF;
        count[at + 1] = 0xFF;
        Write(folder, name + "-hugecount", i, count);
        Bytes trailing = archive;
        trailing.insert(trailing.end(), {0xFF, 0xFE, 0xFF, 0xFF, 0x00, 0x01});
        Write(folder, name + "-trailing", i, trailing);
    }
    std::printf("%zu records\n", factories.size());
    return 0;
}
