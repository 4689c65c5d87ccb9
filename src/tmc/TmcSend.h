#pragma once

#include <QString>
#include <vector>

namespace zor {

// The two texts that register the RDS-TMC open data application with the
// coder: after "03,", application group type code "10" (group 8A), the
// group-3A message bits, and the application identifier "CD46".
inline constexpr auto kTmcOdaFirstText = "03,100066CD46";
inline constexpr auto kTmcOdaSecondText = "03,106100CD46";

// Parameter keys of the send: "ODA" goes to the coder as "3A=", "TMC" as "8A=".
inline constexpr auto kTmcOdaKey = "ODA";
inline constexpr auto kTmcGroupKey = "TMC";

// Where each sent value is kept: section "RDS", key "TMC" of the current data
// set file. Every step replaces the one before; the key is never read back.
inline constexpr auto kTmcStoreSection = "RDS";
inline constexpr auto kTmcStoreKey = "TMC";

// One parameter of the send: hand `key` and `value` to the translator, then
// write `value` under kTmcStoreSection / kTmcStoreKey of the data set file.
struct TmcSendStep {
    QString key;
    QString value;
};

// The three steps of one click on the send button, in order: register the
// application, send the message ("08," and the group display as it stands),
// register again.
std::vector<TmcSendStep> tmcSendSteps(const QString& groupDisplay);

} // namespace zor
