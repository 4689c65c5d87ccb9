#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <array>

namespace zor {

class DataFolder;

// The two kinds of AF list, as the AF editor mode names them: the own
// programme's lists and the other network's method-B lists.
inline constexpr auto kOwnAfLists = "AF";
inline constexpr auto kEonAfLists = "EON AF";
inline constexpr int kAfListCount = 5;

using StoredAfLists = std::array<QString, kAfListCount>;

// The data-set key of list `number` (1 to 5) of `kind`: "AF_LISTE3" for the
// own programme, "EON_AFB3" for the other network ("EON AF").
QString afListKey(const QString& kind, int number);
// The translator key that sends list `number` of `kind`: "AF3", "EON_AFB3".
QString afSendKey(const QString& kind, int number);

// The five lists of `kind` as section "RDS" of the data set file holds them;
// an empty text is a list that does not exist.
StoredAfLists storedAfLists(const DataFolder& data, const QString& kind);

// One list text taken apart: the tuned frequency, then the alternatives in
// their order. A text without a comma is a tuned frequency without
// alternatives, so an empty text has an empty tuned frequency and none.
struct AfListFields {
    QString tuned;
    QStringList alternatives;
};
AfListFields splitAfList(const QString& text);
// The list text of a tuned frequency and its alternatives, joined by commas.
QString joinAfList(const QString& tuned, const QStringList& alternatives);

// A tuned frequency is taken from 86 to 108 MHz, an alternative frequency
// from 87.5 to 108.0 MHz, both by the value of the text's leading number.
bool isTunedFrequency(const QString& text);
bool isAlternativeFrequency(const QString& text);

// The tuned frequency as its label shows it after the answer `answer` (in
// range, without a comma): one decimal, "98.0" for 98, "98.5" for 98.55,
// "104.0" for 104. `shown` when the answer's point stands where no such
// form can be cut from it.
QString tunedFrequencyDisplay(const QString& answer, const QString& shown);

// One key and value handed to the translator.
struct SendStep {
    QString key;
    QString value;
};

// What sending the stored lists of `kind` hands over, in order: list 1 with
// "N," in front, then every further list that exists with "+,". Nothing at
// all when list 1 does not exist, whatever the others hold.
QList<SendStep> afSendPlan(const StoredAfLists& stored, const QString& kind);

} // namespace zor
