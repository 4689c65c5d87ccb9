#pragma once

#include "panel/StatusLine.h"

#include <QWidget>
#include <array>

class QLabel;

namespace zor {

// The strip across the top of the window: a green heading row over a row of
// value fields that show the values last sent, both in the label array
// `Status`, and the bold "Status :" label at the left of the value row.
class StatusStrip : public QWidget, public StatusLine {
    Q_OBJECT

public:
    static constexpr int kLabels = 18;

    explicit StatusStrip(const QString& pictureFolder, QWidget* parent = nullptr);

    QLabel* Status(StatusField field) const;
    QLabel* Gen1_Label() const { return Gen1_Label_; }

    void showStatus(StatusField field, const QString& text) override;
    void showBuiltInText(StatusField field) override;
    QString statusText(StatusField field) const override;

private:
    std::array<QLabel*, kLabels> Status_{};
    QLabel* Gen1_Label_ = nullptr;
};

} // namespace zor
