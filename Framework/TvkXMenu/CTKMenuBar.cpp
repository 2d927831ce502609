#include "TvkXMenu/CTKMenuBar.h"

#include "TvkUseRes/ResourceTables.h"

void CTKMenuBar::LoadFromResources() {
    for (const auto& [command, texts] : ResourceTables::Get().Menus()) {
        std::vector<std::wstring> chain;
        for (const auto& t : texts)
            chain.emplace_back(t.str());
        m_items[command] = std::move(chain);
    }
}

int CTKMenuBar::GetIDTextChain(unsigned int command, std::vector<std::wstring>& chain) const {
    auto it = m_items.find(command);
    if (it == m_items.end())
        return 0;
    chain = it->second;
    return 1;
}
