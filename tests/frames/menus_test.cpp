// The window menu of skinned forms on real windows: opened by Alt+Space, a
// right click on the caption and a click on the icon; drawn from the skin
// (its border, shape, glyph column and hot item read back from the popup
// window); its commands chosen by their letters; many openings leaving
// nothing behind; the system's own menu when popups are not skinned. And a
// form's menu bar: its line under the title, its items over it, opened by a
// letter into skinned popups whose items run their handlers.
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/SystemMenuRules.h"
#include "framework/Menus.h"
#include "framework/Unicode.h"
#include "tests/frames/FramesFixture.h"
#include "tests/support/SystemMouse.h"
#include "windows/SystemMenu_win.h"

namespace taramel {
namespace {

// The frames test skin's menu colours.
constexpr COLORREF kMenuBorder = RGB(40, 40, 160);
constexpr COLORREF kMenuFace = RGB(240, 240, 200);
constexpr COLORREF kGlyphColumn = RGB(200, 255, 200);
constexpr COLORREF kHotItem = RGB(255, 200, 0);
constexpr COLORREF kMenuLine = RGB(180, 220, 255);

struct ShownItem {
    unsigned Command = 0;
    std::string Caption;
    bool Enabled = false;
    RECT InWindow{};  // the item's rectangle in the popup window
};

// What a timer running inside the menu's loop saw, and what it does once the
// menu has painted: `Act` is called with the menu window on every later tick
// (its number counting from 0) and returns true when the menu may be ended.
struct MenuVisit {
    int Waited = 0;
    int Painted = 0;
    HWND Window = nullptr;
    std::vector<COLORREF> Pixels;
    int Width = 0;
    std::vector<ShownItem> Items;
    std::function<bool(HWND menu, int tick)> Act;
};
MenuVisit* gVisit = nullptr;
HMENU gShownMenu = nullptr;

std::vector<ShownItem> ItemsOf(HMENU menu, HWND window)
{
    std::vector<ShownItem> items;
    RECT wr;
    GetWindowRect(window, &wr);
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_DATA | MIIM_STATE;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        const TMenuItem* item = TMenuItem::FromItemData(info.dwItemData);
        ShownItem shown;
        if (item != nullptr) {
            shown.Command = item->Command;
            shown.Caption = item->Caption;
        }
        shown.Enabled = (info.fState & MFS_GRAYED) == 0;
        RECT r{};
        GetMenuItemRect(nullptr, menu, static_cast<UINT>(i), &r);
        OffsetRect(&r, -wr.left, -wr.top);
        shown.InWindow = r;
        items.push_back(shown);
    }
    return items;
}

void CALLBACK VisitMenu(HWND, UINT, UINT_PTR, DWORD)
{
    MenuVisit& v = *gVisit;
    const HWND menu = FindWindowW(L"#32768", nullptr);
    const bool open = menu != nullptr && IsWindowVisible(menu);
    if (v.Window == nullptr) {
        if (!open) {
            if (++v.Waited > 100)
                EndMenu();
            return;
        }
        // A tick for the menu to paint itself first.
        if (++v.Painted < 2)
            return;
        v.Window = menu;
        v.Pixels = ReadWindow(menu, v.Width);
        if (gShownMenu != nullptr)
            v.Items = ItemsOf(gShownMenu, menu);
    }
    // Acting goes on after the menu has closed, in whatever loop its
    // command started (moving the form by the keyboard).
    const bool done = !v.Act || v.Act(menu, v.Painted++ - 2);
    if (done && open)
        EndMenu();
}

// The timer needs the shown menu's handle, which exists only while it is
// open: it is taken from the provider inside the visit.
TsSkinProvider* gProvider = nullptr;
void CALLBACK VisitSystemMenu(HWND w, UINT m, UINT_PTR id, DWORD t)
{
    if (gProvider != nullptr && gProvider->SystemMenu() != nullptr)
        gShownMenu = gProvider->SystemMenu()->Handle();
    VisitMenu(w, m, id, t);
}

class MenusTest : public FramesTest {
protected:
    void SetUp() override
    {
        FramesTest::SetUp();
        testsupport::MouseFromAnotherThread([] { testsupport::MovePointer(1000, 700); });
    }
    TsSkinProvider* MainKindForm()
    {
        form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
        TsSkinProvider* p = ShowAndAdopt(form);
        return p;
    }
    // Opens the menu through `open` with a timer inside its loop; with a
    // provider, the visit also reads the items of its window menu.
    void Visit(MenuVisit& visit, const std::function<void()>& open, TsSkinProvider* itemsOf = nullptr)
    {
        gVisit = &visit;
        gProvider = itemsOf;
        gShownMenu = nullptr;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, VisitSystemMenu);
        open();
        KillTimer(nullptr, timer);
        gVisit = nullptr;
        gProvider = nullptr;
        testsupport::Pump(10);
    }
    void AltSpace() { SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, ' '); }
    COLORREF At(const MenuVisit& v, int x, int y) const
    {
        return v.Pixels.at(static_cast<std::size_t>(y * v.Width + x));
    }

    TForm* form = nullptr;
};

TEST_F(MenusTest, AltSpaceOpensTheSkinnedWindowMenuWithTheFormsRules)
{
    TsSkinProvider* p = MainKindForm();
    ASSERT_NE(p, nullptr);
    MenuVisit visit;
    Visit(visit, [&] { AltSpace(); }, p);
    ASSERT_NE(visit.Window, nullptr) << "no menu opened";

    // The main window's kind moves, minimises and closes; Restore and Size
    // show greyed, Maximize not at all; a divider before Close.
    const struct {
        unsigned command;
        bool enabled;
    } expected[] = {{scRestore, false}, {scMove, true}, {scSize, false}, {scMinimize, true}, {0, false}, {scClose, true}};
    ASSERT_EQ(visit.Items.size(), std::size(expected));
    for (std::size_t i = 0; i < visit.Items.size(); ++i) {
        EXPECT_EQ(visit.Items[i].Command, expected[i].command) << i;
        if (expected[i].command != 0) {
            EXPECT_EQ(visit.Items[i].Enabled, expected[i].enabled) << std::hex << expected[i].command;
        }
    }
    // Captions are the window's own menu's.
    wchar_t own[128] = {};
    GetMenuStringW(GetSystemMenu(form->Handle(), FALSE), SC_CLOSE, own, 128, MF_BYCOMMAND);
    std::wstring ownClose(own);
    ownClose = ownClose.substr(0, ownClose.find(L'\t'));
    EXPECT_EQ(visit.Items.back().Caption, Narrow(ownClose));

    // The skin's border around the popup, its see-through corners cut from
    // the window's shape, the glyph column and the menu face beside it.
    const int height = static_cast<int>(visit.Pixels.size()) / visit.Width;
    EXPECT_EQ(At(visit, 1, height / 2), kMenuBorder);
    EXPECT_EQ(At(visit, visit.Width - 2, height / 2), kMenuBorder);
    EXPECT_EQ(At(visit, visit.Width / 2, 1), kMenuBorder);
    EXPECT_EQ(At(visit, visit.Width / 2, height - 2), kMenuBorder);
    const RECT move = visit.Items[1].InWindow;
    const int mid = (move.top + move.bottom) / 2;
    EXPECT_EQ(At(visit, move.left + 4, mid), kGlyphColumn);
    EXPECT_EQ(At(visit, move.right - 3, move.top + 1), kMenuFace);
}

TEST_F(MenusTest, PopupWindowTakesTheBordersShapeAndTheKeyedItemTurnsHot)
{
    TsSkinProvider* p = MainKindForm();
    ASSERT_NE(p, nullptr);
    MenuVisit visit;
    bool cornerIn = true, edgeIn = false;
    std::vector<COLORREF> hot;
    int hotWidth = 0;
    visit.Act = [&](HWND menu, int tick) {
        if (tick == 0) {
            HRGN region = CreateRectRgn(0, 0, 0, 0);
            if (GetWindowRgn(menu, region) != ERROR) {
                cornerIn = PtInRegion(region, 0, 0) != FALSE;
                edgeIn = PtInRegion(region, 1, 0) != FALSE;
            }
            DeleteObject(region);
            // Down twice: past the greyed Restore (selected, but not hot) to Move.
            for (int i = 0; i < 2; ++i) {
                PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
                PostMessageW(menu, WM_KEYUP, VK_DOWN, 0);
            }
            return false;
        }
        if (tick < 3)
            return false;
        hot = ReadWindow(menu, hotWidth);
        return true;
    };
    Visit(visit, [&] { AltSpace(); }, p);
    ASSERT_NE(visit.Window, nullptr);
    EXPECT_FALSE(cornerIn) << "a key-colour corner of the border is part of the window";
    EXPECT_TRUE(edgeIn);
    // Move, and only Move, has its hot face.
    ASSERT_FALSE(hot.empty());
    int hotItems = 0;
    for (const ShownItem& item : visit.Items) {
        const RECT r = item.InWindow;
        const COLORREF c = hot.at(static_cast<std::size_t>((r.top + 1) * hotWidth + r.right - 3));
        hotItems += c == kHotItem;
        EXPECT_EQ(c == kHotItem, item.Command == scMove) << item.Command;
    }
    EXPECT_EQ(hotItems, 1);
}

// The letter underlined in a caption chooses its item, which the form then
// carries out through its normal system-command path.
TEST_F(MenusTest, CommandsChosenByTheirLettersMinimiseMoveAndClose)
{
    TsSkinProvider* p = MainKindForm();
    ASSERT_NE(p, nullptr);
    const HWND w = form->Handle();
    MenuVisit first;  // makes the provider's menu, whose captions give the letters
    Visit(first, [&] { AltSpace(); });
    ASSERT_NE(p->SystemMenu(), nullptr);
    auto letterOf = [&](unsigned command) {
        for (int i = 0; i < p->SystemMenu()->Items.Count(); ++i) {
            const TMenuItem* item = p->SystemMenu()->Items.Items(i);
            const std::wstring caption = Widen(item->Caption);
            const std::size_t amp = caption.find(L'&');
            if (item->Command == command && amp != std::wstring::npos && amp + 1 < caption.size())
                return caption[amp + 1];
        }
        return L'\0';
    };
    auto choose = [&](unsigned command, const std::function<void()>& open, const std::function<bool(int)>& after) {
        const wchar_t letter = letterOf(command);
        ASSERT_NE(letter, L'\0') << std::hex << command;
        MenuVisit visit;
        visit.Act = [&](HWND menu, int tick) {
            if (tick == 0)
                PostMessageW(menu, WM_CHAR, letter, 0);
            return after(tick);
        };
        Visit(visit, open);
        EXPECT_NE(visit.Window, nullptr) << std::hex << command;
    };

    // Minimize, from a right click on the caption.
    const POINT caption = ScreenPoint(w, p->Layout().Text);
    choose(scMinimize, [&] { SendMessageW(w, WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(caption.x, caption.y)); },
           [](int tick) { return tick > 50; });
    testsupport::PumpUntil([&] { return IsIconic(w) != FALSE; }, 1000);
    EXPECT_TRUE(IsIconic(w));
    ShowWindow(w, SW_RESTORE);
    testsupport::Pump(50);

    // Move, from the icon: the keyboard moves the form, Enter ends.
    RECT before;
    GetWindowRect(w, &before);
    const POINT icon = ScreenPoint(w, p->Layout().Icon);
    choose(
        scMove, [&] { SendMessageW(w, WM_NCLBUTTONDOWN, HTSYSMENU, MAKELPARAM(icon.x, icon.y)); },
        [&](int tick) {
            if (tick == 5)
                PostMessageW(w, WM_KEYDOWN, VK_RIGHT, 0);
            if (tick == 8)
                PostMessageW(w, WM_KEYDOWN, VK_RETURN, 0);
            return tick > 10;
        });
    testsupport::Pump(50);
    RECT after;
    GetWindowRect(w, &after);
    EXPECT_GT(after.left, before.left) << "the form did not move";

    // Close, from Alt+Space.
    choose(scClose, [&] { AltSpace(); }, [](int tick) { return tick > 50; });
    testsupport::PumpUntil([&] { return !IsWindowVisible(w); }, 1000);
    EXPECT_FALSE(IsWindowVisible(w));
}

TEST_F(MenusTest, AThousandOpeningsLeaveNoHandleWindowOrPictureBehind)
{
    TsSkinProvider* p = MainKindForm();
    ASSERT_NE(p, nullptr);
    auto once = [&] {
        MenuVisit visit;
        Visit(visit, [&] { AltSpace(); });
        return visit.Window != nullptr;
    };
    ASSERT_TRUE(once());
    const ProcessHoldings before;
    int shown = 0;
    for (int i = 0; i < 1000; ++i)
        shown += once();
    EXPECT_EQ(shown, 1000);
    ExpectNothingKept(before, "1000 openings");
    EXPECT_EQ(manager->SkinableMenus().CachedBackgrounds(), 0u) << "pictures of closed popups kept";
}

TEST_F(MenusTest, WithoutSkinnedPopupsTheWindowsOwnMenuOpens)
{
    manager->SetSkinnedPopups(false);
    TsSkinProvider* p = MainKindForm();
    ASSERT_NE(p, nullptr);
    MenuVisit visit;
    Visit(visit, [&] { AltSpace(); });
    EXPECT_NE(visit.Window, nullptr);
    EXPECT_EQ(p->SystemMenu(), nullptr) << "the skinned menu was made";
    // The own menu carries the form's rules.
    EXPECT_NE(GetMenuState(GetSystemMenu(form->Handle(), FALSE), SC_MAXIMIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
    EXPECT_EQ(GetMenuState(GetSystemMenu(form->Handle(), FALSE), SC_MINIMIZE, MF_BYCOMMAND) & MF_GRAYED, 0u);
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

TEST(TsSystemMenu, SkinMenuComesFirstWithRadioItemsInColumnsOfTwentyAndNamesItsSkin)
{
    TsSystemMenu menu(nullptr);
    menu.Rebuild(nullptr);
    const int standard = menu.Items.Count();
    std::vector<std::string> skins = {"A&qua", "Std (internal) 2", "Frames"};
    for (int i = 0; i < 20; ++i)
        skins.push_back("Skin" + std::to_string(i));
    menu.AddSkinMenu(skins, "Frames");
    ASSERT_EQ(menu.Items.Count(), standard + 2);
    const TMenuItem& list = *menu.Items.Items(0);
    EXPECT_EQ(list.Caption, "Available skins");
    EXPECT_TRUE(menu.Items.Items(1)->IsLine());
    ASSERT_EQ(list.Count(), static_cast<int>(skins.size()));
    for (int i = 0; i < list.Count(); ++i) {
        const TMenuItem& item = *list.Items(i);
        EXPECT_TRUE(item.RadioItem);
        EXPECT_EQ(item.Checked, i == 2) << i;
        EXPECT_EQ(item.Break, i == 20) << i;
        EXPECT_EQ(item.Name, "SkinSelectItem" + std::to_string(i));
    }
    EXPECT_EQ(TsSystemMenu::ChosenSkin(*list.Items(0)), "Aqua");
    EXPECT_EQ(TsSystemMenu::ChosenSkin(*list.Items(1)), "Std (internal)");
    EXPECT_EQ(TsSystemMenu::ChosenSkin(*list.Items(2)), "Frames");
    EXPECT_EQ(TsSystemMenu::ChosenSkin(list), "");
    EXPECT_EQ(TsSystemMenu::ChosenSkin(*menu.Items.Items(menu.Items.Count() - 1)), "") << "Close";
}

// With the skin menu, choosing a skin from the window menu makes it the
// manager's skin.
TEST_F(MenusTest, ASkinChosenFromTheWindowMenuBecomesTheManagersSkin)
{
    TsSkinProvider* p = MainKindForm();
    ASSERT_NE(p, nullptr);
    p->MakeSkinMenu = true;
    MenuVisit visit;
    visit.Act = [&](HWND menu, int tick) {
        // The skin menu is first: open it (which selects its first skin) and
        // take that skin.
        if (tick == 0)
            PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        if (tick == 2)
            PostMessageW(menu, WM_KEYDOWN, VK_RIGHT, 0);
        if (tick == 6)
            PostMessageW(FindWindowW(L"#32768", nullptr), WM_KEYDOWN, VK_RETURN, 0);
        return tick > 40;
    };
    Visit(visit, [&] { AltSpace(); });
    ASSERT_NE(p->SystemMenu(), nullptr);
    const TMenuItem& list = *p->SystemMenu()->Items.Items(0);
    ASSERT_GT(list.Count(), 1);
    int checked = 0;
    for (int i = 0; i < list.Count(); ++i)
        checked += list.Items(i)->Checked && list.Items(i)->Caption == "Frames";
    EXPECT_EQ(checked, 1) << "the current skin is checked";
    EXPECT_EQ(manager->SkinName(), list.Items(0)->Caption);
}

}  // namespace
}  // namespace taramel

namespace taramel {
namespace {

// Captions of any length and content are measured and drawn inside the
// popup: the longest empty, only "&", tabs, a header, a divider, checked and
// greyed items; nothing is drawn outside the popup's window.
TEST_F(MenusTest, CaptionsOfAnyContentAreMeasuredAndDrawnInsideThePopup)
{
    TsSkinProvider* p = MainKindForm();
    ASSERT_NE(p, nullptr);
    TPopupMenu menu(form);
    const std::string longest(10000, 'W');
    for (const char* caption : {"", "&", "&&", "\t\t", "-Заголовок-", "--", "-", "- a", "\x08Справка", "Ш\tCtrl+Ш"})
        menu.Items.Add(caption);
    menu.Items.Add(longest);
    TMenuItem* radio = menu.Items.Add("Выбор");
    radio->RadioItem = radio->Checked = true;
    TMenuItem* grey = menu.Items.Add("Недоступно");
    grey->Enabled = false;
    grey->Checked = true;
    grey->ShortCutText = std::string(300, '+');
    manager->SkinableMenus().HookPopupMenu(menu, true);
    MenuVisit visit;
    Visit(visit, [&] { menu.Popup(50, 50, form->Handle()); });
    ASSERT_NE(visit.Window, nullptr);
    // The skin's border still stands at the popup's left and bottom edges.
    const int height = static_cast<int>(visit.Pixels.size()) / visit.Width;
    EXPECT_EQ(At(visit, 1, height / 2), kMenuBorder);
    EXPECT_EQ(At(visit, 10, height - 2), kMenuBorder);
    EXPECT_EQ(manager->SkinableMenus().CachedBackgrounds(), 0u);
}


// A form with a menu bar: "Файл" (Открыть, a divider, Выход), "Вид" and a
// greyed "Справка".
class MenuBarTest : public MenusTest {
protected:
    TsSkinProvider* BarForm()
    {
        form = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 20);
        bar = new TMainMenu(form);
        TMenuItem* file = bar->Items.Add("&Файл");
        file->Add("&Открыть")->OnClick = [this](TMenuItem*) { ++opened; };
        file->Add("-");
        file->Add("В&ыход");
        bar->Items.Add("&Вид")->Add("&Крупно")->Checked = true;
        TMenuItem* help = bar->Items.Add("Справка");
        help->Add("О программе");
        help->Enabled = false;
        form->SetMenu(bar);
        return ShowAndAdopt(form);
    }
    // The bar item's rectangle in window coordinates.
    RECT ItemInWindow(int index) const
    {
        RECT r{}, wr{};
        GetMenuItemRect(form->Handle(), GetMenu(form->Handle()), static_cast<UINT>(index), &r);
        GetWindowRect(form->Handle(), &wr);
        OffsetRect(&r, -wr.left, -wr.top);
        return r;
    }
    // The darkest pixel inside a rectangle, as the sum of its channels.
    static int Darkest(const std::vector<COLORREF>& px, int width, const RECT& r)
    {
        int darkest = 3 * 255;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                const COLORREF c = px.at(static_cast<std::size_t>(y * width + x));
                darkest = std::min(darkest, GetRValue(c) + GetGValue(c) + GetBValue(c));
            }
        return darkest;
    }
    void OpenFileByItsLetter() { SendMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, L'ф'); }

    TMainMenu* bar = nullptr;
    int opened = 0;
};

TEST_F(MenuBarTest, TheMenuLineLiesUnderTheTitleWithTheItemsDrawnFromTheSkin)
{
    TsSkinProvider* p = BarForm();
    ASSERT_NE(p, nullptr);
    TForm* plain = MakeForm(TFormBorderStyle::bsSingle, biSystemMenu | biMinimize, 360);
    TsSkinProvider* withoutBar = ShowAndAdopt(plain);
    ASSERT_NE(withoutBar, nullptr);

    // The system's bar lies between the skin's caption, as high as without
    // a bar, and the client.
    MENUBARINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetMenuBarInfo(form->Handle(), OBJID_MENU, 0, &info));
    const FrameMetrics m = p->Metrics();
    const FrameLayout l = p->Layout();
    EXPECT_GT(m.MenuHeight, 0);
    EXPECT_EQ(m.Caption, withoutBar->Metrics().Caption);
    EXPECT_EQ(l.MenuLine.Bottom, m.Client.Top);
    RECT wr;
    GetWindowRect(form->Handle(), &wr);
    EXPECT_EQ(l.MenuLine.Top, m.Border + m.Caption);
    EXPECT_LE(l.MenuLine.Top, info.rcBar.top - wr.top);

    int width = 0;
    const std::vector<COLORREF> px = ReadWindow(form->Handle(), width);
    auto at = [&](int x, int y) { return px.at(static_cast<std::size_t>(y * width + x)); };
    // The line's colour right of the last item and around the captions (the
    // items are see-through until hot).
    const RECT file = ItemInWindow(0), help = ItemInWindow(2);
    ASSERT_GT(file.right, file.left);
    EXPECT_EQ(at(l.MenuLine.Right - 3, (l.MenuLine.Top + l.MenuLine.Bottom) / 2), kMenuLine);
    EXPECT_EQ(at(file.left + 1, file.top + 1), kMenuLine);
    EXPECT_EQ(at(help.right - 2, help.top + 1), kMenuLine);
    // Captions in the line's black; the greyed one washed toward the line.
    EXPECT_LT(Darkest(px, width, file), 150);
    EXPECT_GT(Darkest(px, width, help), 200);

    // The mouse over the line finds the menu.
    const POINT centre{wr.left + (file.left + file.right) / 2, wr.top + (file.top + file.bottom) / 2};
    EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTMENU);
}

// The letter of "Файл" opens it: the bar item turns hot over the line, its
// popup is drawn from the skin, Enter runs the first item's OnClick, and the
// item rests again once the menu closes.
TEST_F(MenuBarTest, ALetterOpensTheSkinnedPopupAndEnterRunsTheItem)
{
    TsSkinProvider* p = BarForm();
    ASSERT_NE(p, nullptr);
    const RECT file = ItemInWindow(0);
    COLORREF hotFile = 0;
    MenuVisit visit;
    visit.Act = [&](HWND menu, int tick) {
        if (tick == 0) {
            hotFile = PixelAt(form->Handle(), file.left + 1, file.top + 1);
            PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
            PostMessageW(menu, WM_KEYUP, VK_RETURN, 0);
        }
        return tick > 20;
    };
    Visit(visit, [&] { OpenFileByItsLetter(); });
    ASSERT_NE(visit.Window, nullptr) << "no popup opened";
    EXPECT_EQ(hotFile, kHotItem);
    const int height = static_cast<int>(visit.Pixels.size()) / visit.Width;
    EXPECT_EQ(At(visit, 1, height / 2), kMenuBorder);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(PixelAt(form->Handle(), file.left + 1, file.top + 1), kMenuLine);
}

// Items added after the form is shown: Changed makes the bar again, the
// frame measures and paints the new item, and many openings and changes
// leave nothing behind.
TEST_F(MenuBarTest, ABarMadeAgainIsPaintedAnewAndOpeningsLeaveNothingBehind)
{
    TsSkinProvider* p = BarForm();
    ASSERT_NE(p, nullptr);
    bar->Items.Add("&Сервис")->Add("Настройки");
    bar->Changed();
    testsupport::Pump(30);
    const RECT added = ItemInWindow(3);
    ASSERT_GT(added.right, added.left);
    int width = 0;
    const std::vector<COLORREF> px = ReadWindow(form->Handle(), width);
    EXPECT_EQ(px.at(static_cast<std::size_t>((added.top + 1) * width + added.left + 1)), kMenuLine);
    EXPECT_LT(Darkest(px, width, added), 150) << "the new item's caption is missing";

    auto openAndClose = [&] {
        MenuVisit visit;
        Visit(visit, [&] { OpenFileByItsLetter(); });
        return visit.Window != nullptr;
    };
    ASSERT_TRUE(openAndClose());
    bar->Changed();
    const ProcessHoldings before;
    for (int i = 0; i < 50; ++i) {
        ASSERT_TRUE(openAndClose()) << i;
        if (i % 10 == 0)
            bar->Changed();
    }
    testsupport::Pump(20);
    ExpectNothingKept(before, "50 openings of the menu bar");
    EXPECT_EQ(manager->SkinableMenus().CachedBackgrounds(), 0u);
}

}  // namespace
}  // namespace taramel
