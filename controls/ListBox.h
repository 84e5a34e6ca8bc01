// The system's list box, also usable as the store of the card deck. The lines
// are kept as the bytes they were given (the deck's code page) beside the
// window, so they come back unchanged whatever the window can show; the
// window shows them and holds the selection.
#pragma once

#include "app/DeckStore.h"
#include "framework/WinControl.h"

#include <vector>

namespace taramel {

class TListBox : public TWinControl, public DeckStore {
public:
    explicit TListBox(TComponent* owner);
    std::string ClassName() const override { return "TListBox"; }

    void Assign(std::vector<std::string> lines) override;
    int Count() const override { return static_cast<int>(items_.size()); }
    std::string Line(int index) const override;
    int ItemIndex() const override;
    void SetItemIndex(int index) override;

    void Add(const std::string& line);
    void Clear();

    int ItemHeight() const { return itemHeight_; }
    void SetItemHeight(int height);
    bool Sorted() const { return false; }

    TNotifyEvent OnChange;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& message) override;

private:
    // Gives the window the number of lines (when it exists).
    void SetWindowCount();
    void WMGetText(TMessage& message);
    void CNDrawItem(TMessage& message);

    std::vector<std::string> items_;
    int itemIndex_ = -1;
    int itemHeight_ = 16;
};

}  // namespace taramel
