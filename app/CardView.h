// The window that shows a card: a question label and an answer label.
#pragma once

#include <string>

namespace taramel {

class CardView {
public:
    virtual ~CardView() = default;
    // Lines are bytes in the ANSI code page, exactly as the deck file has them.
    virtual void SetQuestion(const std::string& line) = 0;
    virtual void SetAnswer(const std::string& line) = 0;
};

}  // namespace taramel
