// Record stores of any shape opened by the reference host with the module loaded. A store either opens,
// and then saves to bytes that open again to the same bytes and give lines without control characters,
// or is refused with the host's records exactly as they were. Each input starts from the same kept
// record, the autocorrelation accepted with a few options set; a record the input names and the host
// lacks is made by the module, as for a user's store.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "FuzzModule.h"
#include "Host/HostApp.h"
#include "Host/HostText.h"
#include "TvkBaseGui/CGUIBaseDlg.h"

namespace {

using Bytes = std::vector<unsigned char>;

class AcceptingDriver final : public IDialogDriver {
public:
    int Run(CGUIBaseDlg& dlg) override {
        dlg.UserSelectAll(1004);
        dlg.UserClick(1001);
        dlg.UserCheck(1006, 1);
        dlg.UserTypeText(1007, L"out \"file\".tvz");
        dlg.UserTypeText(1002, L"12");
        return dlg.OnOK() ? IDOK : IDCANCEL;
    }
};

std::ostringstream g_out;

struct Fixture {
    HostApp host{g_out};
    Bytes baseline;
    Fixture() {
        host.LoadModule(FuzzModulePath());
        host.Data().Synthetic(3, 30);
        AcceptingDriver driver;
        IDialogDriver* previous = GetDialogDriver();
        InstallDialogDriver(&driver);
        host.RouteCommand(1039);
        InstallDialogDriver(previous);
        baseline = host.SaveRecords();
    }
};

bool LinesAreText(HostApp& host) {
    for (UINT command = 1001; command <= 1091; ++command) {
        CGUIBaseObj* record = host.FindRecord(command);
        if (!record)
            continue;
        CCmdList lines;
        host.SetQuiet(true);
        record->GetCommandInfoList(lines);
        host.SetQuiet(false);
        for (const auto& line : lines)
            if (FindControlCharacter(line.GetCommand().ToUtf8()) != std::string::npos)
                return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > (1u << 16))
        return 0;
    static Fixture fixture;
    static bool changed = false;  // the last input opened, and the store is not the baseline
    HostApp& host = fixture.host;
    g_out.str("");
    if (changed)
        host.OpenRecords(fixture.baseline);
    changed = false;
    try {
        host.OpenRecords(Bytes(data, data + size));
    } catch (const HostError&) {
        if (host.SaveRecords() != fixture.baseline)
            std::abort();
        return 0;
    } catch (const CArchiveException&) {
        if (host.SaveRecords() != fixture.baseline)
            std::abort();
        return 0;
    }
    changed = true;
    const Bytes opened = host.SaveRecords();
    if (!LinesAreText(host))
        std::abort();
    host.OpenRecords(opened);  // throws, and so fails, if a saved store does not open
    if (host.SaveRecords() != opened)
        std::abort();
    return 0;
}
