// Repainting a window laid out as the main window (three panels, the
// question and answer labels, the status bar with its two link buttons) in
// one run: in the system look, skinned with every cache kept (the picture is
// only copied), and skinned right after a skin change (every cache rebuilt).
// The window is shown on wine's screen; each repaint is forced and waited for.
#include <benchmark/benchmark.h>

#include <windows.h>

#include <memory>
#include <string>

#include "app/FormLayout_win.h"
#include "controls/SkinnedControls.h"
#include "engine/SkinCommand_win.h"
#include "engine/SkinManager_win.h"
#include "framework/Application.h"
#include "framework/Form.h"
#include "windows/WindowHook.h"

namespace {

using namespace taramel;

struct MainLikeWindow {
    std::unique_ptr<TsSkinManager> manager;
    TForm* form = nullptr;

    MainLikeWindow()
    {
        manager = std::make_unique<TsSkinManager>(nullptr);
        manager->SetActive(false);
        manager->SetSkinDirectory(std::string(TARAMEL_SOURCE_DIR) + "\\tests\\data\\skins");
        manager->SetSkinName("Controls");
        form = new TForm(Application);
        form->AfterConstruction();
        form->SetBounds(20, 20, 505, 348);
        auto* top = MakeControl<TsPanel>(form, form, "top", 0, 0, 499, 97);
        top->SetAlign(TAlign::alTop);
        auto* question = MakeControl<TsLabel>(form, top, "question", 11, 10, 478, 71);
        question->SetWordWrap(true);
        question->SetCaption("Какие четыре эпохи выделяет археологическая периодизация истории человечества?");
        auto* bar = MakeControl<TsStatusBar>(form, form, "bar", 0, 297, 499, 22);
        bar->SetAlign(TAlign::alBottom);
        MakeControl<TsSpeedButton>(form, bar, "site", 3, 3, 222, 19)->SetCaption("example.com/taramel");
        MakeControl<TsSpeedButton>(form, bar, "other", 231, 3, 265, 19)->SetCaption("Тестник по ЕНТ");
        auto* bottom = MakeControl<TsPanel>(form, form, "bottom", 0, 248, 499, 49);
        bottom->SetAlign(TAlign::alBottom);
        auto* middle = MakeControl<TsPanel>(form, form, "middle", 0, 97, 499, 151);
        middle->SetAlign(TAlign::alClient);
        auto* answer = MakeControl<TsLabel>(form, middle, "answer", 11, 6, 478, 138);
        answer->SetWordWrap(true);
        answer->SetCaption("Каменный век, медно-каменный век (энеолит), бронзовый век и железный век.");
        form->EndLoadingAll();
        form->Show();
        Settle();
    }
    ~MainLikeWindow()
    {
        delete form;
        manager.reset();
    }
    void Settle()
    {
        for (int i = 0; i < 20; ++i)
            Application->ProcessMessages();
    }
    // Invalidates every window of the form and paints them all now.
    void Repaint()
    {
        RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
};

MainLikeWindow* window = nullptr;

MainLikeWindow& Window()
{
    return *window;
}

void BM_RepaintSystemLook(benchmark::State& state)
{
    MainLikeWindow& w = Window();
    w.manager->SetActive(false);
    w.Settle();
    for (auto _ : state)
        w.Repaint();
}

void BM_RepaintSkinnedCached(benchmark::State& state)
{
    MainLikeWindow& w = Window();
    w.manager->SetActive(true);
    w.Settle();
    w.Repaint();
    for (auto _ : state)
        w.Repaint();
}

void BM_RepaintSkinnedAfterChange(benchmark::State& state)
{
    MainLikeWindow& w = Window();
    w.manager->SetActive(true);
    w.Settle();
    for (auto _ : state) {
        // What a skin change leaves: every cache dirty.
        w.manager->BroadcastSkinCommand(CMD_REPAINT);
        w.Repaint();
    }
}

BENCHMARK(BM_RepaintSystemLook)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintSkinnedCached)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RepaintSkinnedAfterChange)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    InitializeWindowSkinning();
    InitializeSkinEngine();
    Application->Initialize();
    benchmark::Initialize(&argc, argv);
    window = new MainLikeWindow;
    benchmark::RunSpecifiedBenchmarks();
    delete window;
    benchmark::Shutdown();
    return 0;
}
