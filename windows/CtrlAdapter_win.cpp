#include "windows/CtrlAdapter_win.h"

#include <algorithm>

#include "engine/SkinCommand_win.h"
#include "engine/SkinDelivery_win.h"
#include "engine/SkinManager_win.h"
#include "framework/WinControl.h"
#include "skin/SkinState.h"
#include "framework/Form.h"
#include "windows/SkinProvider_win.h"

namespace taramel {

namespace {

using K = TacWrapperKind;

// Guards the walk against the children it creates while it runs.
bool adapting = false;

WrapperChoice StaticWrapper(unsigned style)
{
    if ((style & 3) == 3 || (style & 0xE) == 0xE)
        return {K::Icon, "CHECKBOX"};
    const unsigned low = style & 0x1F;
    if ((style & 0xD) == 0xD || low == 5 || low == 6 || low == 11)
        return {};
    return {K::Static, "CHECKBOX"};
}

WrapperChoice ButtonWrapper(unsigned style)
{
    if ((style & 7) == 7)
        return {K::GroupBox, "GROUPBOX"};
    // Check boxes and radio buttons in all their kinds.
    if ((style & 3) == 3 || (style & 2) || (style & 5) == 5 || (style & 9) == 9 || (style & 4))
        return {K::CheckBox, "CHECKBOX"};
    return {K::Button, "BUTTON"};
}

}  // namespace

WrapperChoice DialogChildWrapper(std::string_view c, unsigned style, bool visible)
{
    if (c == "static") return StaticWrapper(style);
    if (c == "#32770") return {K::TransPanel, "CHECKBOX"};
    if (c == "tpanel" || c == "tsilentpaintpanel") return {K::DlgPanel, "PANEL"};
    if (c == "button") return ButtonWrapper(style);
    if (c == "combobox") return {K::ComboBoxDialog, "COMBOBOX"};
    if (c == "combolbox") return {K::Edit, "COMBOBOX"};
    if (c == "comboboxex32") return {K::ComboBox, "COMBOBOX"};
    if (c == "scrollbar") return {K::Sizer, "CHECKBOX"};
    if (c == "systabcontrol32") return (style & 0x2000) ? WrapperChoice{} : WrapperChoice{K::TabControl, "PAGECONTROL"};
    if (c == "syslistview32") return {K::ListViewDialog, "EDIT"};
    if (c == "msctls_updown32") return {K::Spin, "SPEEDBUTTON_SMALL"};
    if (c == "listbox") return {K::EditDialog, "EDIT"};
    if (c == "link window" || c == "syslink") return {K::Link, "CHECKBOX"};
    if (c == "toolbarwindow32") return {K::ToolBar, (style & 0x200) ? "BAR" : "CHECKBOX"};
    if (c == "edit") return visible ? WrapperChoice{K::EditDialog, "EDIT"} : WrapperChoice{};
    if (c == "systreeview32") return {K::TreeViewDialog, "EDIT"};
    if (c.find("shbrowseforfolder") != std::string_view::npos) return {K::TransPanel, "CHECKBOX"};
    return {};
}

WrapperChoice ThirdPartyWrapper(int kind)
{
    static const WrapperChoice table[tpThirdPartyCount] = {
        {K::Edit, "EDIT"},          {K::Button, "BUTTON"},       {K::BitBtn, "BUTTON"},
        {K::CheckBox, "CHECKBOX"},  {K::ComboBox, "EDIT"},       {K::Grid, "EDIT"},
        {K::GroupBox, "GROUPBOX"},  {K::ListView, "EDIT"},       {K::Panel, "PANEL"},
        {K::TreeView, "EDIT"},      {K::WWComboBox, "EDIT"},     {K::GridEh, "EDIT"},
        {K::VirtualTree, "EDIT"},   {K::PageControl, "PAGECONTROL"}, {K::TabControl, "PAGECONTROL"},
        {K::ToolBarVCL, "TOOLBAR"}, {K::StatusBar, "STATUSBAR"}, {K::None, ""},
    };
    return kind >= 0 && kind < tpThirdPartyCount ? table[kind] : WrapperChoice{};
}

bool NeverSkinnedClass(std::string_view className)
{
    return className == "TApplication" || className == "TQRStandardPreview" || className == "TfcPopup";
}

TacWrapperMaker& WrapperMaker()
{
    // Never freed: the hook still adopts dialogs while the application object
    // destroys its forms at the program's end, after function-local statics.
    static auto* maker = new TacWrapperMaker;
    return *maker;
}

// ---- The adapter ----

int TacCtrlAdapter::ThirdPartyKindOf(const TControl* control) const
{
    TsSkinManager* manager = DefaultManager();
    if (manager == nullptr)
        return -1;
    const std::string name = control->ClassName();
    for (int kind = 0; kind < tpThirdPartyCount; ++kind) {
        const auto& lines = manager->ThirdPartyClasses(kind);
        if (std::find(lines.begin(), lines.end(), name) != lines.end())
            return kind;
    }
    return -1;
}

bool TacCtrlAdapter::IsControlSupported(TControl* control) const
{
    if (control == nullptr || control->Tag == kNoAutoSkinTag)
        return false;
    if (control->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(control);
        if (!w->HandleAllocated() || AskWindow(w->Handle(), CMD_IS_SKINNED))
            return false;
    }
    return ThirdPartyKindOf(control) >= 0;
}

TacAdapterItem* TacCtrlAdapter::GetItem(int index)
{
    return index >= 0 && index < Count() ? &items_[static_cast<std::size_t>(index)] : nullptr;
}

void TacCtrlAdapter::DeleteItem(int index)
{
    if (index >= 0 && index < Count())
        items_.erase(items_.begin() + index);
}

void TacCtrlAdapter::DoHook(TacAdapterItem& item)
{
    TControl* control = item.Control;
    if (control->Tag == kNoAutoSkinTag || !control->IsWindowed())
        return;
    auto* w = static_cast<TWinControl*>(control);
    if (!w->HandleAllocated() || (w->Parent() != nullptr && AskWindow(w->Handle(), CMD_IS_SKINNED)))
        return;
    const int kind = ThirdPartyKindOf(control);
    const WrapperChoice choice = ThirdPartyWrapper(kind);
    if (choice.Kind == TacWrapperKind::None || !WrapperMaker())
        return;
    if (std::string_view(choice.Section) != "EDIT")
        item.SkinData->SetSkinSection(choice.Section);
    item.Wrapper = WrapperMaker()(choice.Kind, w->Handle(), *item.SkinData);
}

void TacCtrlAdapter::AddNewItem(TControl* control, const std::string& section)
{
    if (control == nullptr || control->Tag == kNoAutoSkinTag || control->Parent() == nullptr)
        return;
    if (control->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(control);
        if (w->HandleAllocated() && AskWindow(w->Handle(), CMD_IS_SKINNED))
            return;
    }
    auto it = std::find_if(items_.begin(), items_.end(), [&](const TacAdapterItem& i) { return i.Control == control; });
    if (it != items_.end()) {
        if (it->Wrapper && it->Wrapper->Detached()) {
            it->Wrapper.reset();
            DoHook(*it);
        }
        return;
    }
    TacAdapterItem item;
    item.Control = control;
    item.SkinData = std::make_unique<TsCommonData>(control, TControlClass::AdapterItem);
    item.SkinData->SetSkinSection(section);
    DoHook(item);
    // An item lives only as long as it has a wrapper.
    if (item.Wrapper)
        items_.push_back(std::move(item));
}

void TacCtrlAdapter::CleanItems()
{
    std::erase_if(items_, [](const TacAdapterItem& i) { return !i.Wrapper || i.Wrapper->Detached(); });
}

void TacCtrlAdapter::AddAllItems(TWinControl* container)
{
    TsSkinManager* manager = DefaultManager();
    if (adapting || manager == nullptr || (manager->SkinningRules() & srThirdParty) == 0)
        return;
    if (container == nullptr)
        container = provider_ == nullptr ? nullptr : provider_->Form();
    if (container == nullptr)
        return;
    adapting = true;
    CleanItems();
    for (int i = 0; i < container->ControlCount(); ++i) {
        TControl* control = container->Controls(i);
        if (IsControlSupported(control) && control->IsWindowed())
            AddNewItem(control, "EDIT");
        if (control->IsWindowed() && static_cast<TWinControl*>(control)->HandleAllocated()) {
            adapting = false;
            AddAllItems(static_cast<TWinControl*>(control));
            adapting = true;
        }
    }
    adapting = false;
}

}  // namespace taramel
