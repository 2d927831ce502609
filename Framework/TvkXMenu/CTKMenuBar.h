#pragma once

#include <map>
#include <string>
#include <vector>

#include "TvkApi.h"

// The host's menu bar: for every command, the menu texts from the top menu down to the item.
class TVK_API CTKMenuBar {
public:
    void SetItem(unsigned int command, std::vector<std::wstring> chain) {
        m_items[command] = std::move(chain);
    }
    // Loads every item of the menu tables in Resources/menus.
    void LoadFromResources();
    // Fills the texts from the top menu down to the item; non-zero on success.
    int GetIDTextChain(unsigned int command, std::vector<std::wstring>& chain) const;
    const std::map<unsigned int, std::vector<std::wstring>>& Items() const { return m_items; }

private:
    std::map<unsigned int, std::vector<std::wstring>> m_items;
};
