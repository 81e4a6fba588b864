#include "app/control_model.h"

#include <stdexcept>

namespace tovrin {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
    if (prefix.size() > text.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(prefix[i])) return false;
    }
    return true;
}

Control& ControlModel::Add(int id, ControlKind kind, std::string text) {
    Control& c = m_controls[id];
    c.id = id;
    c.kind = kind;
    c.text = std::move(text);
    return c;
}

const Control& ControlModel::Get(int id) const {
    auto it = m_controls.find(id);
    if (it == m_controls.end()) throw std::out_of_range("no control " + std::to_string(id));
    return it->second;
}

Control& ControlModel::Mutable(int id) { return const_cast<Control&>(Get(id)); }

void ControlModel::Changed(const Control& control) {
    ++m_changes;
    if (m_observer) m_observer->ControlChanged(control);
}

void ControlModel::SetText(int id, std::string text) {
    Control& c = Mutable(id);
    if (c.text == text) return;
    c.text = std::move(text);
    if (c.kind == ControlKind::DropDown || c.kind == ControlKind::DropList) c.selection = -1;
    Changed(c);
}

void ControlModel::SetCheck(int id, int check) {
    Control& c = Mutable(id);
    if (c.check == check) return;
    c.check = check;
    Changed(c);
}

void ControlModel::SetItems(int id, std::vector<std::string> items) {
    Control& c = Mutable(id);
    c.items = std::move(items);
    c.selection = -1;
    if (c.kind == ControlKind::DropList) c.text.clear();
    Changed(c);
}

void ControlModel::AddItem(int id, std::string item) {
    Control& c = Mutable(id);
    c.items.push_back(std::move(item));
    Changed(c);
}

void ControlModel::Select(int id, int index) {
    Control& c = Mutable(id);
    if (index < -1 || index >= static_cast<int>(c.items.size())) index = -1;
    c.selection = index;
    if (index >= 0) c.text = c.items[static_cast<size_t>(index)];
    else if (c.kind == ControlKind::DropList) c.text.clear();
    Changed(c);
}

void ControlModel::Enable(int id, bool enabled) {
    Control& c = Mutable(id);
    if (c.enabled == enabled) return;
    c.enabled = enabled;
    Changed(c);
}

void ControlModel::Show(int id, bool visible) {
    Control& c = Mutable(id);
    if (c.visible == visible) return;
    c.visible = visible;
    Changed(c);
}

void ControlModel::RequestFocus(int id) {
    if (m_observer) m_observer->FocusRequested(id);
}

void ControlModel::SelectByPrefixOrSetText(int id, const std::string& text) {
    const Control& c = Get(id);
    for (size_t i = 0; i < c.items.size(); ++i) {
        if (StartsWithNoCase(c.items[i], text)) {
            if (c.selection != static_cast<int>(i) || c.text != c.items[i]) Select(id, static_cast<int>(i));
            return;
        }
    }
    Control& m = Mutable(id);
    if (m.text == text && m.selection == -1) return;
    m.text = text;
    m.selection = -1;
    Changed(m);
}

}  // namespace tovrin
