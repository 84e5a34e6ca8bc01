// The main window's card steps, timer, closing and start-up failures, driven
// through the windows' messages.
#include "FormsFixture.h"

namespace taramel::forms_test {
namespace {

struct Seen {
    int index;
    std::string question;
    std::string answer;
};

Seen Expected(int index)
{
    return {index, (index % 2 == 0 ? "Q" : "A") + std::to_string(index),
            ((index + 1) % 2 == 0 ? "Q" : "A") + std::to_string(index + 1)};
}

class Cards : public FormsTest {};

TEST_F(Cards, StartUpShowsTheFirstCardWithTheDesignChoices)
{
    StartProgram(NumberedDeck(10).c_str());
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(Index(), 0);
    EXPECT_EQ(Question(), "Q0");
    EXPECT_EQ(Answer(), "A1");
    EXPECT_TRUE(Form2->sRadioButton1->Checked());
    EXPECT_FALSE(Form2->sRadioButton2->Checked());
    EXPECT_TRUE(Form2->sRadioButton3->Checked());
    EXPECT_FALSE(Form2->sRadioButton4->Checked());
    EXPECT_EQ(Form2->sSpinEdit1->Value(), 1);
    EXPECT_FALSE(Form2->sSpinEdit1->Enabled());
    EXPECT_FALSE(Form2->sLabel1->Enabled());
    EXPECT_EQ(Form1->Timer1->Interval(), 1000u);
    EXPECT_EQ(Application->MainForm(), Form1);
}

TEST_F(Cards, NextButtonAdvancesInBothOrders)
{
    struct Case {
        const char* order;
        bool random;
        std::vector<int> indices;
    };
    const Case cases[] = {
        {"random", true, {0, 0, 8, 2, 2, 6}},
        {"file order", false, {2, 4, 6, 8, 0, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.order);
        StartProgram(NumberedDeck(10).c_str());
        if (!c.random)
            ClickWindow(Form2->sRadioButton2);
        ASSERT_EQ(Form2->sRadioButton1->Checked(), c.random);
        for (int expected : c.indices) {
            ClickWindow(Form1->sBitBtn1);
            const Seen want = Expected(expected);
            EXPECT_EQ(Index(), want.index);
            EXPECT_EQ(Question(), want.question);
            EXPECT_EQ(Answer(), want.answer);
        }
        EXPECT_TRUE(reports.empty());
        delete Form3;
        delete Form2;
        delete Form1;
    }
}

TEST_F(Cards, DeckLinesReachTheLabelsFromTheAnsiCodePage)
{
    // "Вопрос" / "Ответ" in Windows-1251.
    StartProgram("\xC2\xEE\xEF\xF0\xEE\xF1\r\n\xCE\xF2\xE2\xE5\xF2\r\n");
    EXPECT_EQ(Question(), "Вопрос");
    EXPECT_EQ(Answer(), "Ответ");
}

// A NUL byte neither ends the deck nor its line; a tab is spaces on screen,
// other control characters are not shown.
TEST_F(Cards, NulTabsAndControlCharactersInADeck)
{
    WriteBytes(folder_ + "test.txt", std::string("Q\x01" "0\r\nA\t1\r\nQ\0" "2\r\nA3\r\n", 19));
    StartProgram(nullptr);
    ClickWindow(Form2->sRadioButton2);
    EXPECT_EQ(Question(), "Q0");
    EXPECT_EQ(Answer(), "A       1");
    ClickWindow(Form1->sBitBtn1);
    EXPECT_EQ(Question(), "Q 2");
    EXPECT_EQ(Answer(), "A3");
    EXPECT_TRUE(reports.empty());
}

TEST_F(Cards, ADeckSavedWithAByteOrderMarkShowsTheSameCards)
{
    const std::string ansi = "\xC2\xEE\xEF\xF0\xEE\xF1 1\r\n\xCE\xF2\xE2\xE5\xF2 1\r\n\xC2\xEE\xEF\xF0\xEE\xF1 2\r\n"
                             "\xCE\xF2\xE2\xE5\xF2 2\r\n";
    const std::wstring wide = L"Вопрос 1\r\nОтвет 1\r\nВопрос 2\r\nОтвет 2\r\n";
    std::string utf16 = "\xFF\xFE";
    utf16.append(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
    std::string utf16be = "\xFE\xFF";
    for (const wchar_t c : wide) {
        utf16be += static_cast<char>(c >> 8);
        utf16be += static_cast<char>(c & 0xFF);
    }
    const std::string files[] = {ansi, "\xEF\xBB\xBF" + Narrow(wide), utf16, utf16be};
    for (const std::string& file : files) {
        WriteBytes(folder_ + "test.txt", file);  // UTF-16 holds NUL bytes
        StartProgram(nullptr);
        EXPECT_TRUE(reports.empty());
        EXPECT_EQ(Question(), "Вопрос 1");
        EXPECT_EQ(Answer(), "Ответ 1");
        ClickWindow(Form2->sRadioButton2);
        ClickWindow(Form1->sBitBtn1);
        EXPECT_EQ(Question(), "Вопрос 2");
        EXPECT_EQ(Answer(), "Ответ 2");
        delete Form3;
        delete Form2;
        delete Form1;
    }
}

TEST_F(Cards, TimerAdvancesOnlyInTimerModeAndTakesTheNewIntervalAtTheNextTick)
{
    StartProgram(NumberedDeck(10).c_str());
    ClickWindow(Form2->sRadioButton2);  // file order, so every tick is visible
    // Button mode: ticks come but the card stays.
    Pump(2300);
    EXPECT_EQ(Index(), 0);
    EXPECT_EQ(Form1->Timer1->Interval(), 1000u);

    ClickWindow(Form2->sRadioButton4);
    EXPECT_TRUE(Form2->sSpinEdit1->Enabled());
    EXPECT_TRUE(Form2->sLabel1->Enabled());
    ASSERT_TRUE(PumpUntil([&] { return Index() == 2; }, 1500));
    EXPECT_EQ(Question(), "Q2");

    // A new value waits for the next tick, which still comes after the old interval.
    Form2->sSpinEdit1->SetValue(3);
    EXPECT_EQ(Form1->Timer1->Interval(), 1000u);
    ASSERT_TRUE(PumpUntil([&] { return Index() == 4; }, 1500));
    EXPECT_EQ(Form1->Timer1->Interval(), 3000u);
    // Nothing for the next two seconds, then the step after three.
    Pump(2000);
    EXPECT_EQ(Index(), 4);
    ASSERT_TRUE(PumpUntil([&] { return Index() == 6; }, 2000));
    EXPECT_TRUE(reports.empty());
}

TEST_F(Cards, TimerStepWithNothingTypedUsesTheMinimum)
{
    StartProgram(NumberedDeck(4).c_str());
    Form1->Timer1->SetInterval(50);
    SetWindowTextW(Form2->sSpinEdit1->Handle(), L"");
    ASSERT_TRUE(PumpUntil([&] { return Form1->Timer1->Interval() == 1000u; }, 1000));
}

BOOL CALLBACK CollectErrorBox(HWND window, LPARAM found)
{
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (IsWindowVisible(window) && std::wstring(name) == L"#32770")
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

// The error boxes of this thread that are on screen now.
std::vector<HWND> ErrorBoxes()
{
    std::vector<HWND> boxes;
    EnumThreadWindows(GetCurrentThreadId(), &CollectErrorBox, reinterpret_cast<LPARAM>(&boxes));
    return boxes;
}

// Watches the real error boxes from inside their modal loops: the most seen
// at once while the first stays open for ten seconds, then whether the timer
// puts one up again in the three seconds after it was closed.
struct BoxWatch {
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point closedAt;
    bool firstSeen = false;
    bool firstClosed = false;
    bool reopened = false;
    std::size_t most = 0;
    std::string text;

    static BoxWatch* current;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) { current->Look(); }

    void Look()
    {
        const std::vector<HWND> boxes = ErrorBoxes();
        most = std::max(most, boxes.size());
        if (boxes.empty())
            return;
        if (!firstSeen) {
            firstSeen = true;
            start = std::chrono::steady_clock::now();
            HWND label = FindWindowExW(boxes[0], nullptr, L"Static", nullptr);
            for (; label; label = FindWindowExW(boxes[0], label, L"Static", nullptr)) {
                wchar_t buffer[256] = {};
                GetWindowTextW(label, buffer, 256);
                if (buffer[0])
                    text = Narrow(buffer);
            }
        }
        if (!firstClosed && std::chrono::steady_clock::now() - start < std::chrono::seconds(10))
            return;
        if (firstClosed)
            reopened = true;
        else
            closedAt = std::chrono::steady_clock::now();
        firstClosed = true;
        for (HWND box : boxes)
            PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    bool QuietAfterClosing() const
    {
        return firstClosed && std::chrono::steady_clock::now() - closedAt > std::chrono::seconds(3);
    }
};
BoxWatch* BoxWatch::current = nullptr;

// A timer whose steps fail puts up one error box, not one per tick, and
// after its OK stays quiet: no box every second.
TEST_F(Cards, AFailingTimerReportsOnceAndThenStaysQuiet)
{
    StartProgram("");  // every timer step fails: the deck has no line
    ClickWindow(Form2->sRadioButton4);
    ASSERT_EQ(Form1->Timer1->Interval(), 1000u);
    Application->OnException = nullptr;  // the real message box from here on
    BoxWatch watch;
    BoxWatch::current = &watch;
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &BoxWatch::Tick);
    const bool done = PumpUntil([&] { return watch.QuietAfterClosing() && ErrorBoxes().empty(); }, 25000);
    KillTimer(nullptr, timer);
    Form2->sRadioButton3->SetChecked(true);
    Application->OnException = [this](const std::string& text) { reports.push_back(text); };
    ASSERT_TRUE(done) << "boxes seen at once: " << watch.most;
    EXPECT_EQ(watch.most, 1u);
    EXPECT_EQ(ReportDetail(watch.text), "List index out of bounds (-1)");
    EXPECT_FALSE(watch.reopened) << "a box came back after OK";
}

TEST_F(Cards, ClosingWritesTheIndexOnceACardWasShown)
{
    struct Case {
        const char* name;
        std::string deck;
        int clicks;
        std::string file;  // "-" for the index reached
    };
    const Case cases[] = {
        {"after two steps", NumberedDeck(10), 2, "-"},
        // The last question of an odd deck, then the first card again.
        {"the last question of an odd deck", NumberedDeck(3), 1, "[Option]\r\nindex=2\r\n"},
        {"wrapped after the last question", NumberedDeck(3), 2, "[Option]\r\nindex=0\r\n"},
        // No card of the deck ever showed: the file is not touched.
        {"empty deck", "", 0, "<missing>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RemovePath(settingsPath);
        StartProgram(c.deck.c_str());
        ClickWindow(Form2->sRadioButton2);
        for (int i = 0; i < c.clicks; ++i)
            ClickWindow(Form1->sBitBtn1);
        const int index = Index();
        reports.clear();
        ClickWindow(Form1->sBitBtn2);  // "Выход"
        Pump(50);
        const std::string file = c.file == "-" ? "[Option]\r\nindex=" + std::to_string(index) + "\r\n" : c.file;
        EXPECT_EQ(ReadBytes(settingsPath), file);
        EXPECT_TRUE(reports.empty());
        delete Form3;
        delete Form2;
        delete Form1;
    }
}

TEST_F(Cards, ADeckThatCouldNotBeShownKeepsTheStoredPosition)
{
    const std::string stored = "[Option]\r\nindex=6\r\ninterval=3\r\nRandom=0\r\nTimer=0\r\n";
    struct Case {
        const char* name;
        std::function<void()> breakDeck;
        std::function<void()> mendDeck;
    };
    HANDLE locked = INVALID_HANDLE_VALUE;
    const std::string deck = folder_ + "test.txt";
    const Case cases[] = {
        {"missing", [] {}, [] {}},
        {"empty", [&] { WriteBytes(deck, ""); }, [] {}},
        {"a folder", [&] { CreateDirectoryA(deck.c_str(), nullptr); }, [&] { RemoveDirectoryA(deck.c_str()); }},
        {"locked by another program",
         [&] {
             WriteBytes(deck, NumberedDeck(10));
             locked = CreateFileA(deck.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
             ASSERT_NE(locked, INVALID_HANDLE_VALUE);
         },
         [&] { CloseHandle(locked); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes(settingsPath, stored);
        RemovePath(deck);
        c.breakDeck();
        StartProgram(nullptr);
        EXPECT_FALSE(reports.empty());
        ClickWindow(Form1->sBitBtn1);  // fails too: nothing to step through
        ClickWindow(Form1->sBitBtn2);
        Pump(50);
        EXPECT_EQ(ReadBytes(settingsPath), stored);
        delete Form3;
        delete Form2;
        delete Form1;
        c.mendDeck();

        // The deck is back: the next start goes on from card 6.
        WriteBytes(deck, NumberedDeck(10));
        reports.clear();
        StartProgram(nullptr);
        EXPECT_TRUE(reports.empty());
        EXPECT_EQ(Index(), 6);
        EXPECT_EQ(Question(), "Q6");
        EXPECT_EQ(Answer(), "A7");
        delete Form3;
        delete Form2;
        delete Form1;
    }
}

TEST_F(Cards, MissingDeckGivesTwoReportsAndSaysThatThereAreNoCards)
{
    StartProgram(nullptr);
    ASSERT_EQ(reports.size(), 2u);
    const std::string opening = "Cannot open file \"" + folder_ + "test.txt\". ";
    const std::string detail = ReportDetail(reports[0]);
    EXPECT_EQ(detail.substr(0, opening.size()), opening);
    EXPECT_GT(detail.size(), opening.size() + 1);
    EXPECT_EQ(detail.back(), '.');
    // In Russian first, naming the file and what to do.
    EXPECT_EQ(ReportAdvice(reports[0]),
              "Не удалось открыть файл с карточками «" + folder_ + "test.txt». Проверьте, что файл test.txt лежит "
              "в папке программы и не открыт для записи в другой программе.");
    EXPECT_EQ(ReportDetail(reports[1]), "List index out of bounds (-1)");
    EXPECT_EQ(ReportAdvice(reports[1]), "Эту карточку показать нельзя: в колоде (файл test.txt) нет такой строки.");
    EXPECT_EQ(Question(), "В колоде нет карточек.");
    EXPECT_NE(Answer().find("test.txt"), std::string::npos) << Answer();
    // The program goes on: the third window exists and a step reports again.
    EXPECT_NE(Form3, nullptr);
    ClickWindow(Form1->sBitBtn1);
    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(ReportDetail(reports[2]), "List index out of bounds (-1)");
}

// Every deck that gives no card leaves the frames saying so, also after a step.
TEST_F(Cards, ADeckWithoutCardsLeavesTheFramesSayingSo)
{
    const std::string deck = folder_ + "test.txt";
    struct Case {
        const char* name;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"empty", [&] { WriteBytes(deck, ""); }},
        {"a byte-order mark alone", [&] { WriteBytes(deck, "\xEF\xBB\xBF"); }},
        {"larger than 8 MB", [&] { WriteBytes(deck, std::string(8 * 1024 * 1024 + 1, 'x')); }},
        {"a folder", [&] { CreateDirectoryA(deck.c_str(), nullptr); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RemovePath(deck);
        c.make();
        StartProgram(nullptr);
        ClickWindow(Form1->sBitBtn1);
        EXPECT_EQ(Question(), "В колоде нет карточек.");
        EXPECT_NE(Answer().find("test.txt"), std::string::npos) << Answer();
        // Each report says in Russian what happened before its own text.
        ASSERT_FALSE(reports.empty());
        for (const std::string& report : reports)
            EXPECT_NE(ReportAdvice(report).find("test.txt"), std::string::npos) << report;
        reports.clear();
        delete Form3;
        delete Form2;
        delete Form1;
        RemovePath(deck);
    }
}

TEST_F(Cards, OddDeckShowsItsLastQuestionWithAnEmptyAnswerThenTheFirstCard)
{
    StartProgram(NumberedDeck(3).c_str());
    ClickWindow(Form2->sRadioButton2);
    ClickWindow(Form1->sBitBtn1);
    EXPECT_EQ(Question(), "Q2");
    EXPECT_EQ(Answer(), "");
    ClickWindow(Form1->sBitBtn1);
    EXPECT_EQ(Question(), "Q0");
    EXPECT_EQ(Answer(), "A1");
    EXPECT_TRUE(reports.empty());
}

TEST_F(Cards, AThousandCardChangesLeaveNoHandles)
{
    StartProgram(NumberedDeck(10).c_str());
    Pump(50);
    const int before = HandleCount();
    for (int i = 0; i < 1000; ++i) {
        ClickWindow(Form1->sBitBtn1);
        if (i % 50 == 0)
            Application->ProcessMessages();
    }
    Pump(50);
    EXPECT_EQ(HandleCount(), before);
    delete Form3;
    delete Form2;
    delete Form1;
    Pump(50);
    EXPECT_EQ(HandleCount(), handlesAtStart);
}

}  // namespace
}  // namespace taramel::forms_test
