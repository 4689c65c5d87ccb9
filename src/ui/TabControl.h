#pragma once

#include <QTabWidget>

namespace zor {

// The window's tab control: all tabs in one row across the control's whole
// width; a caption too long for its tab is shortened with "…".
class TabControl : public QTabWidget {
    Q_OBJECT

  public:
    explicit TabControl(QWidget* parent = nullptr);

  protected:
    void resizeEvent(QResizeEvent* event) override;
};

} // namespace zor
