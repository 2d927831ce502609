#include "Studio/DialogLayout.h"

#include <algorithm>
#include <set>

#include "TvkUseRes/ResourceTables.h"

namespace {

bool IsLabel(ControlKind k) {
    return k == ControlKind::Static || k == ControlKind::Check || k == ControlKind::Radio;
}

bool IsField(const CTKCtrl& c) {
    return c.IsEdit() || c.GetKind() == ControlKind::Combo;
}

bool IsStandardButton(const CTKCtrl& c) {
    return c.GetKind() == ControlKind::Button &&
           (c.GetID() == IDOK || c.GetID() == IDCANCEL || c.GetID() == IDC_RESET);
}

// The controls in the order the user meets them: the template's, with those made at run time at the
// placeholder.
std::vector<UINT> ControlOrder(const CGUIBaseDlg& dlg) {
    std::vector<UINT> order;
    std::set<UINT> inTemplate;
    std::size_t placeholder = std::string::npos;
    if (const DialogTemplate* t = ResourceTables::Get().FindTemplate(dlg.GetTemplateID()))
        for (const TemplateControl& c : t->controls) {
            if (!dlg.FindCtrl(c.id) || !inTemplate.insert(c.id).second)
                continue;
            if (placeholder == std::string::npos && c.kind == "static" && c.text.IsEmpty())
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
        // Before the standard buttons.
        placeholder = order.size();
        while (placeholder > 0 && IsStandardButton(dlg.Ctrl(order[placeholder - 1])))
            --placeholder;
    }
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(placeholder), runtime.begin(), runtime.end());
    return order;
}

}  // namespace

bool HasLayoutHint(const CGUIBaseDlg& dlg, UINT id, const std::string& hint) {
    if (const DialogTemplate* t = ResourceTables::Get().FindTemplate(dlg.GetTemplateID()))
        for (const TemplateControl& c : t->controls)
            if (c.id == id)
                return std::find(c.hints.begin(), c.hints.end(), hint) != c.hints.end();
    return false;
}

DialogPlan PlanDialog(const CGUIBaseDlg& dlg) {
    DialogPlan plan;
    plan.order = ControlOrder(dlg);
    const auto& pairs = dlg.GetListPairs();
    std::set<UINT> placed;
    std::set<std::wstring> menuLabels;
    for (UINT id : plan.order)
        if (dlg.Ctrl(id).GetKind() == ControlKind::List)
            if (CString text = dlg.GetListMenuText(id); !text.IsEmpty())
                menuLabels.insert(std::wstring(text.str()));

    for (std::size_t i = 0; i + 1 < plan.order.size(); ++i) {
        const CTKCtrl& c = dlg.Ctrl(plan.order[i]);
        if (c.GetKind() == ControlKind::Static && !c.m_strText.IsEmpty() &&
            !menuLabels.count(std::wstring(c.m_strText.str())) &&
            dlg.Ctrl(plan.order[i + 1]).GetKind() == ControlKind::List) {
            plan.listTitles[plan.order[i + 1]] = plan.order[i];
            placed.insert(plan.order[i]);
        }
    }

    for (std::size_t i = 0; i < plan.order.size(); ++i) {
        const UINT id = plan.order[i];
        if (placed.count(id))
            continue;
        const CTKCtrl& c = dlg.Ctrl(id);
        const ControlKind kind = c.GetKind();
        if (IsStandardButton(c)) {
            plan.buttons.push_back(id);
            placed.insert(id);
            continue;
        }
        if (kind == ControlKind::Static && menuLabels.count(std::wstring(c.m_strText.str()))) {
            plan.hidden.push_back(id);
            placed.insert(id);
            continue;
        }
        if (kind == ControlKind::Static && HasLayoutHint(dlg, id, "picture")) {
            LayoutRow row{LayoutRow::Kind::PictureCaptions, {}, {}};
            for (UINT other : plan.order)
                if (!placed.count(other) && dlg.Ctrl(other).GetKind() == ControlKind::Static &&
                    HasLayoutHint(dlg, other, "picture")) {
                    row.ids.push_back(other);
                    placed.insert(other);
                }
            plan.rows.push_back(std::move(row));
            continue;
        }
        if (kind == ControlKind::List) {
            // The block of the pairs this list belongs to, by their source.
            UINT source = id;
            for (const CListPair& p : pairs)
                if (p.target == id)
                    source = p.source;
            LayoutRow row{LayoutRow::Kind::ListBlock, {source}, {}};
            placed.insert(source);
            for (const CListPair& p : pairs)
                if (p.source == source && !placed.count(p.target) && dlg.FindCtrl(p.target)) {
                    row.targets.push_back({p.target, dlg.FindCtrl(p.addButton) ? p.addButton : 0,
                                           dlg.FindCtrl(p.removeButton) ? p.removeButton : 0});
                    placed.insert({p.target, p.addButton, p.removeButton});
                }
            if (row.targets.empty())
                row.kind = LayoutRow::Kind::Single;
            plan.rows.push_back(std::move(row));
            continue;
        }
        placed.insert(id);
        // The label's field: the next control not placed yet.
        std::size_t next = i + 1;
        while (next < plan.order.size() && placed.count(plan.order[next]))
            ++next;
        if (IsLabel(kind) && next < plan.order.size() && IsField(dlg.Ctrl(plan.order[next]))) {
            plan.rows.push_back({LayoutRow::Kind::Labelled, {id, plan.order[next]}, {}});
            placed.insert(plan.order[next]);
            continue;
        }
        plan.rows.push_back({LayoutRow::Kind::Single, {id}, {}});
    }
    return plan;
}
