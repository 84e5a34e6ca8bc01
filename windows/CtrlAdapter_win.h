// Which windows inside an adopted form or dialog get skin state or a
// wrapper, and the adapter that attaches them. The wrappers themselves are
// window kinds of their own: each kind plugs its maker into WrapperMaker(),
// and until a kind has a maker its windows keep the system's look.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ControlSkinState.h"

namespace taramel {

class TControl;
class TWinControl;
class TsSkinManager;

enum class TacWrapperKind {
    None, Icon, Static, TransPanel, DlgPanel, GroupBox, CheckBox, Button, BitBtn, ComboBox, ComboBoxDialog,
    Edit, EditDialog, Sizer, TabControl, PageControl, ListView, ListViewDialog, Spin, Link, ToolBar, ToolBarVCL,
    TreeView, TreeViewDialog, Grid, GridEh, WWComboBox, VirtualTree, Panel, StatusBar, PopupMenu,
};

struct WrapperChoice {
    TacWrapperKind Kind = TacWrapperKind::None;
    const char* Section = "";
    bool operator==(const WrapperChoice& o) const
    {
        return Kind == o.Kind && std::string_view(Section) == o.Section;
    }
};

// A child window of a standard dialog, by its lower-case class name and
// style: the wrapper and the section it takes.
WrapperChoice DialogChildWrapper(std::string_view lowerClass, unsigned style, bool visible);
// The wrapper of a control whose class is a line of ThirdParty list
// `kind`, and the section the item gets ("EDIT" kept where the list keeps it).
WrapperChoice ThirdPartyWrapper(int kind);
// Top-level windows that are never skinned, by class name.
bool NeverSkinnedClass(std::string_view className);

// A wrapper over an existing window (made by the wrapper kinds).
class TacWindowWrapper {
public:
    virtual ~TacWindowWrapper() = default;
    // The window died or the wrapper let it go; its owner frees it.
    virtual bool Detached() const = 0;
};
using TacWrapperMaker =
    std::function<std::unique_ptr<TacWindowWrapper>(TacWrapperKind kind, HWND window, TsCommonData& skinData)>;
// The maker of wrappers; empty until the wrapper kinds register one.
TacWrapperMaker& WrapperMaker();

// Controls whose Tag is this are never skinned automatically.
constexpr int kNoAutoSkinTag = -98;

class TsSkinProvider;

// One adapted control: its skin state and its wrapper.
struct TacAdapterItem {
    TControl* Control = nullptr;
    std::unique_ptr<TsCommonData> SkinData;
    std::unique_ptr<TacWindowWrapper> Wrapper;
};

class TacCtrlAdapter {
public:
    explicit TacCtrlAdapter(TsSkinProvider* provider) : provider_(provider) {}
    virtual ~TacCtrlAdapter() = default;

    virtual bool IsControlSupported(TControl* control) const;
    TacAdapterItem* GetItem(int index);
    virtual void AddDefaultItem(TControl* control) { AddNewItem(control, "EDIT"); }
    virtual void AddNewItem(TControl* control, const std::string& section);
    virtual void DeleteItem(int index);
    // Walks the container's controls (the form's when null).
    void AddAllItems(TWinControl* container = nullptr);
    void CleanItems();
    void RemoveAllItems() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }

private:
    // The ThirdParty list naming the control's class (exact, case kept), or -1.
    int ThirdPartyKindOf(const TControl* control) const;
    void DoHook(TacAdapterItem& item);

    TsSkinProvider* provider_;
    std::vector<TacAdapterItem> items_;
};

}  // namespace taramel
