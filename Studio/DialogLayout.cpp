#include "Studio/DialogLayout.h"

#include <algorithm>
#include <set>

#include "Host/ControlOrder.h"
#include "TvkUseRes/ResourceTables.h"

namespace {

bool IsLabel(ControlKind k) {
    return k == ControlKind::Static || k == ControlKind::Check || k == ControlKind::Radio;
}

bool IsField(const CTKCtrl& c) {
    return c.IsEdit() || c.GetKind() == ControlKind::Combo;
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
    const ControlOrder order = OrderControls(dlg);
    plan.order = order.ids;
    plan.listTitles = order.listTitles;
    const auto& pairs = dlg.GetListPairs();
    std::set<UINT> placed;
    for (const auto& [list, title] : plan.listTitles)
        placed.insert(title);
    const std::set<UINT> menuLabels(order.menuLabels.begin(), order.menuLabels.end());

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
        if (menuLabels.count(id)) {
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
        // A radio button labels a field only on its line: a multi-line field wants a label of its own.
        if (IsLabel(kind) && next < plan.order.size() && IsField(dlg.Ctrl(plan.order[next])) &&
            !(kind == ControlKind::Radio && HasLayoutHint(dlg, plan.order[next], "multiline"))) {
            plan.rows.push_back({LayoutRow::Kind::Labelled, {id, plan.order[next]}, {}});
            placed.insert(plan.order[next]);
            continue;
        }
        plan.rows.push_back({LayoutRow::Kind::Single, {id}, {}});
    }
    return plan;
}
