#pragma once

#include <QString>
#include <map>

namespace zor {

// The texts of the language file that the program shows by number, beside
// the captions the pages' caption tables name.
enum class Text : int {
    DeviationWord = 21,
    DurationWord = 40,
    IntervalWord = 41,
    MusicWord = 56,
    SpeechWord = 57,
    ListWord = 74,
    GroupSequenceHeading = 83,
    EditorTitleWord = 89,
    DemoAnswer = 140,
    QueryFailed = 141,
    AnswerName = 142,
    NoValue = 143,
    NoAnswer = 145,
    AfListTitle = 161,
    FrequencyOutOfRange = 164,
    CommaInEntry = 166,
    EonTaTitle = 167,
    EonTaNeedsOwnTpOff = 168,
    EonTaNeedsOwnTa = 169,
    TunedFrequencyPrompt = 170,
    InsertPlace = 171,
    InsertTitle = 172,
    BusError = 184,
    BusErrorGoOn = 185,
    EonTaHelpFirstLine = 186,
    WordOn = 192,
    WordOff = 193,
    EditorInsert = 195,
    EditorAppend = 196,
    EditorDelete = 197,
    EditorOk = 198,
    EditorBack = 199,
    RfFrequencyTitle = 210,
    RfFrequencyPrompt = 211,
    AudioFrequencyTitle = 213,
    AudioFrequencyPrompt = 214,
    RfLevelTitle = 216,
    RfLevelPrompt = 217,
};

// The number under which the language file keeps `text`.
constexpr int textNumber(Text text) {
    return static_cast<int>(text);
}

// The caption text table of the current language: entry n is key n of the
// language's section of the language file. Entries never loaded read empty.
class Captions {
public:
    QString text(int number) const;
    QString text(Text text) const { return this->text(textNumber(text)); }
    void setText(int number, const QString& text);
    void clear();

private:
    std::map<int, QString> texts_;
};

} // namespace zor
