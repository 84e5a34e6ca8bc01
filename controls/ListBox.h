// The system's list box. The lines are kept as the bytes they were given (the
// ANSI code page) beside the window, so they come back unchanged whatever the
// window can show; the window shows them and holds the selection.
#pragma once

#include "framework/WinControl.h"

#include <string>
#include <vector>

namespace taramel {

class TListBox : public TWinControl {
public:
    explicit TListBox(TComponent* owner);
    std::string ClassName() const override { return "TListBox"; }

    // Replaces every line; nothing is selected afterwards.
    void Assign(std::vector<std::string> lines);
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises ListIndexErrorText for an index that names no line.
    std::string Line(int index) const;
    // The selected line, -1 when none.
    int ItemIndex() const;
    // An index that names no line selects nothing (-1).
    void SetItemIndex(int index);

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
