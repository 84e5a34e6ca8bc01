// Loading the deck into the main window's hidden list box, the way start-up
// does, for decks of 1 M and 2 M empty lines side by side. Loading is linear
// in the number of lines when the larger deck takes about twice as long; the
// program fails when it takes more than 2.5 times as long.
#include "app/CardNavigation.h"
#include "app/DeckStore.h"
#include "controls/SkinnedControls.h"
#include "framework/Application.h"
#include "framework/Form.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

namespace taramel {
namespace {

class TBenchForm : public TForm {
public:
    using TForm::TForm;
    std::string ClassName() const override { return "TBenchForm"; }
};

std::string EmptyLines(int count)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(count) * 2);
    for (int i = 0; i < count; ++i)
        text += "\r\n";
    return text;
}

double SecondsToLoad(TsListBox& list, const std::string& deck)
{
    list.Clear();  // emptying the previous deck is not part of loading
    TListDeckStore<TListBox> store(list);
    const auto start = std::chrono::steady_clock::now();
    LoadDeck(store, deck);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

int Run(int rounds)
{
    Application->Initialize();
    TBenchForm form(nullptr);
    auto* list = new TsListBox(&form);
    list->SetBounds(11, 104, 478, 33);
    list->SetVisible(false);
    list->SetItemHeight(16);
    list->SetParent(&form);
    list->Handle();  // the window exists, as in the main window

    const std::string small = EmptyLines(1000000);
    const std::string large = EmptyLines(2000000);
    // The best of a few alternating rounds: both sizes see the same machine.
    double bestSmall = 1e9;
    double bestLarge = 1e9;
    for (int round = 0; round < rounds; ++round) {
        bestSmall = std::min(bestSmall, SecondsToLoad(*list, small));
        bestLarge = std::min(bestLarge, SecondsToLoad(*list, large));
        if (list->Count() != 2000000) {
            std::printf("the deck has %d lines instead of 2000000\n", list->Count());
            return 2;
        }
    }
    const double ratio = bestLarge / bestSmall;
    std::printf("%-24s %10s\n", "deck of empty lines", "seconds");
    std::printf("%-24s %10.3f\n", "1 M lines", bestSmall);
    std::printf("%-24s %10.3f\n", "2 M lines", bestLarge);
    std::printf("%-24s %10.2f  (linear: about 2, at most 2.5)\n", "ratio 2 M / 1 M", ratio);
    return ratio <= 2.5 ? 0 : 1;
}

}  // namespace
}  // namespace taramel

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    try {
        return taramel::Run(rounds);
    } catch (const std::exception& error) {
        std::printf("error: %s\n", error.what());
        return 2;
    }
}
