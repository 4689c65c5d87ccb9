#pragma once

#include <QObject>
#include <QString>

class QButtonGroup;
class QPushButton;

namespace zor {

struct PageContext;

// The test pattern number of a test mode option: option n is pattern n + 1.
QString testPatternValue(int option);

// One click on the data mode button, decided by the caption it carries.
struct DataModeStep {
    QString value;        // handed over with "TEST_M"
    QString caption;      // the button's new caption, naming the mode now active
    bool patternsEnabled; // whether the test pattern options may be chosen
};
// "&RDS_Mode" (normal RDS mode active) enters test mode; any other caption,
// the design caption "RDS_Mode" included, selects normal RDS mode.
DataModeStep dataModeStep(const QString& caption);

// The coder's data/test mode, in the frame "Test Mode" of the stereo page:
// the button Taste_DATA_MODE switches between normal RDS mode and test mode
// and names the mode now active ("&RDS_Mode", "&Test_Mode"); the options
// TestDat_Opt choose the test pattern, usable in test mode.
class DataMode : public QObject {
    Q_OBJECT

public:
    // Handles the clicks of `button` and `patterns`; the first pattern comes
    // up chosen, as the window starts.
    DataMode(PageContext& context, QPushButton* button, QButtonGroup* patterns,
             QObject* parent = nullptr);

    // Hands over "TEST_M": "1" entering test mode from normal RDS mode, "0"
    // otherwise. The button's design caption "RDS_Mode" counts as test mode,
    // so the first click after start always selects normal RDS mode.
    void Taste_DATA_MODE_Click();
    // Hands over "TEST_D" with the pattern number, in either mode.
    void TestDat_Opt_Click(int option);

private:
    PageContext& context_;
    QPushButton* button_;
    QButtonGroup* patterns_;
};

} // namespace zor
