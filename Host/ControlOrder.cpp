#include "Host/ControlOrder.h"

#include <algorithm>
#include <set>

#include "TvkUseRes/ResourceTables.h"

bool IsStandardButton(const CTKCtrl& c) {
    return c.GetKind() == ControlKind::Button &&
           (c.GetID() == IDOK || c.GetID() == IDCANCEL || c.GetID() == IDC_RESET);
}

namespace {

// The template's controls, with those made at run time at their placeholder.
std::vector<UINT> TemplateOrder(const CGUIBaseDlg& dlg) {
    std::vector<UINT> order;
    std::set<UINT> inTemplate;
    std::size_t placeholder = std::string::npos;
    if (const DialogTemplate* t = ResourceTables::Get().FindTemplate(dlg.GetTemplateID()))
        for (const TemplateControl& c : t->controls) {
            if (!dlg.FindCtrl(c.id) || !inTemplate.insert(c.id).second)
                continue;
            const bool marked = std::find(c.hints.begin(), c.hints.end(), "placeholder") != c.hints.end();
            if (placeholder == std::string::npos && c.kind == "static" && (marked || c.text.IsEmpty()))
                placeholder = order.size() + 1;
            order.push_back(c.id);
        }
    std::vector<UINT> combos, statics, others;
    for (UINT id : dlg.GetCtrlIDs()) {
        if (inTemplate.count(id))
            continue;
        const ControlKind k = dlg.Ctrl(id).GetKind();
        (k == ControlKind::Combo ? combos : k == ControlKind::Static ? statics : others).push_back(id);
    }
    std::vector<UINT> runtime = combos;
    for (std::size_t i = 0; i < std::max(statics.size(), others.size()); ++i) {
        if (i < statics.size())
            runtime.push_back(statics[i]);
        if (i < others.size())
            runtime.push_back(others[i]);
    }
    if (placeholder == std::string::npos) {
        placeholder = order.size();
        while (placeholder > 0 && IsStandardButton(dlg.Ctrl(order[placeholder - 1])))
            --placeholder;
    }
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(placeholder), runtime.begin(), runtime.end());
    return order;
}

}  // namespace

ControlOrder OrderControls(const CGUIBaseDlg& dlg) {
    ControlOrder result;
    std::vector<UINT> order = TemplateOrder(dlg);

    std::set<std::wstring> menuTexts;
    for (UINT id : order)
        if (dlg.Ctrl(id).GetKind() == ControlKind::List)
            if (CString text = dlg.GetListMenuText(id); !text.IsEmpty())
                menuTexts.insert(std::wstring(text.str()));
    const auto isTitle = [&](UINT id) {
        const CTKCtrl& c = dlg.Ctrl(id);
        return c.GetKind() == ControlKind::Static && !c.m_strText.IsEmpty() &&
               !menuTexts.count(std::wstring(c.m_strText.str()));
    };
    for (UINT id : order) {
        const CTKCtrl& c = dlg.Ctrl(id);
        if (c.GetKind() == ControlKind::Static && menuTexts.count(std::wstring(c.m_strText.str())))
            result.menuLabels.push_back(id);
    }

    // Each target's buttons move to just before the target (or its title).
    std::map<UINT, std::vector<UINT>> buttonsOf;
    std::set<UINT> moved;
    for (const CListPair& p : dlg.GetListPairs()) {
        if (!dlg.FindCtrl(p.target))
            continue;
        for (UINT b : {p.addButton, p.removeButton})
            if (b && dlg.FindCtrl(b) && moved.insert(b).second)
                buttonsOf[p.target].push_back(b);
    }
    std::vector<UINT> arranged;
    for (std::size_t i = 0; i < order.size(); ++i) {
        const UINT id = order[i];
        if (moved.count(id))
            continue;
        const bool titlesNext =
            i + 1 < order.size() && isTitle(id) && dlg.Ctrl(order[i + 1]).GetKind() == ControlKind::List;
        const UINT list = titlesNext ? order[i + 1] : id;
        if (auto it = buttonsOf.find(list); it != buttonsOf.end()) {
            arranged.insert(arranged.end(), it->second.begin(), it->second.end());
            buttonsOf.erase(it);
        }
        if (titlesNext)
            result.listTitles[list] = id;
        arranged.push_back(id);
    }
    result.ids = std::move(arranged);
    return result;
}
