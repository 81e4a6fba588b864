#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tovrin {

enum class ControlKind {
    Button,
    CheckBox,
    OptionButton,
    Edit,           // one-line text
    MultiLineEdit,  // wraps; the data fields of the send rows and the bus state field
    DropDown,       // editable combo box: the user may type over the entries
    DropList,       // combo box without free typing
    List,
    Static,
    Group,
};

struct Control {
    int id = 0;
    ControlKind kind = ControlKind::Static;
    std::string text;                // caption, edit text or a drop-down's current text
    std::vector<std::string> items;  // drop-down entries
    int selection = -1;              // drop-down entry, -1 for none
    int check = 0;                   // check and option buttons
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
    bool digitsOnly = false;
};

class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void ControlChanged(const Control& control) = 0;
    virtual void FocusRequested(int /*id*/) {}
};

// The state of every control of the window, without a toolkit. Every change bumps a
// counter, so that a read exchange can tell at no cost that nothing moved.
class ControlModel {
public:
    Control& Add(int id, ControlKind kind, std::string text = {});

    bool Has(int id) const { return m_controls.count(id) != 0; }
    const Control& Get(int id) const;
    const std::map<int, Control>& All() const { return m_controls; }
    uint64_t ChangeCount() const { return m_changes; }

    void SetText(int id, std::string text);
    void SetCheck(int id, int check);
    void SetItems(int id, std::vector<std::string> items);
    void AddItem(int id, std::string item);
    void Select(int id, int index);  // -1 clears; the text follows the entry
    void Enable(int id, bool enabled);
    void Show(int id, bool visible);
    void RequestFocus(int id);

    // Write direction of a drop-down text binding: the first entry, from the top, that
    // begins with the text (case ignored); otherwise the text goes into the edit field.
    void SelectByPrefixOrSetText(int id, const std::string& text);

    void SetObserver(ControlObserver* observer) { m_observer = observer; }

private:
    Control& Mutable(int id);
    void Changed(const Control& control);

    std::map<int, Control> m_controls;
    uint64_t m_changes = 0;
    ControlObserver* m_observer = nullptr;
};

// Prefix comparison of the selector rules: ASCII letters compare without case.
bool StartsWithNoCase(const std::string& text, const std::string& prefix);

}  // namespace tovrin
