#include "Host/HostMenu.h"

#include <cctype>
#include <string>

#include "TvkUseRes/EmbeddedResources.h"
#include "TvkUseRes/ResourceTables.h"

std::vector<UINT> ParseMenuOrder(std::string_view text) {
    std::vector<UINT> order;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = text.substr(start, end - start);
        start = end + 1;
        std::size_t i = line.find_first_not_of(" \t\r");
        if (i == std::string_view::npos || line[i] == '#')
            continue;
        UINT command = 0;
        bool digits = false;
        for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i) {
            command = command * 10 + static_cast<UINT>(line[i] - '0');
            digits = true;
        }
        if (digits)
            order.push_back(command);
    }
    return order;
}

const std::vector<HostMenuItem>& ModuleMenuItems() {
    static std::vector<HostMenuItem> items;
    static unsigned madeGeneration = ~0u;
    if (RegisteredResourcesGeneration() != madeGeneration) {
        madeGeneration = RegisteredResourcesGeneration();
        std::vector<HostMenuItem> out;
        const auto& menus = ResourceTables::Get().Menus();
        for (const EmbeddedResource* r : RegisteredResources()) {
            if (std::string_view(r->path).rfind("menus/", 0) != 0)
                continue;
            for (UINT command : ParseMenuOrder(r->bytes)) {
                auto it = menus.find(command);
                if (it == menus.end())
                    continue;
                HostMenuItem item{command, {}};
                for (const auto& text : it->second)
                    item.chain.emplace_back(text.str());
                out.push_back(std::move(item));
            }
        }
        items = std::move(out);
    }
    return items;
}

std::wstring DisplayMenuText(std::wstring_view text, bool keepEllipsis) {
    text = text.substr(0, text.find(L'\t'));
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') {
                out += L'&';
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    for (std::size_t pos; !keepEllipsis && (pos = out.find(L"...")) != std::wstring::npos;)
        out.erase(pos, 3);
    return out;
}

std::wstring MenuShortcut(std::wstring_view text) {
    const std::size_t tab = text.find(L'\t');
    return tab == std::wstring_view::npos ? std::wstring() : std::wstring(text.substr(tab + 1));
}

std::wstring MenuPath(const std::vector<std::wstring>& chain) {
    std::wstring path;
    for (const auto& text : chain) {
        if (!path.empty())
            path += L": ";
        path += DisplayMenuText(text);
    }
    return path;
}
