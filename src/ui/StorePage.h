#pragma once

#include "panel/TabPage.h"

#include <array>

class QPushButton;

namespace zor {

// Tab 6 "Speichern": five buttons that make the coder store its settings in
// its data set 1 to 5.
class StorePage : public TabPage {
    Q_OBJECT

public:
    static constexpr int kDataSets = 5;

    explicit StorePage(PageContext& context, QWidget* parent = nullptr);

    // `Store_Taste(index)`, 0 to 4; null outside.
    QPushButton* Store_Taste(int index) const;

    // Makes the coder store its settings in data set index + 1.
    void Store_Taste_Click(int index);

protected:
    std::span<const CaptionKey> captionTable() const override;

private:
    std::array<QPushButton*, kDataSets> Store_Taste_{};
};

} // namespace zor
