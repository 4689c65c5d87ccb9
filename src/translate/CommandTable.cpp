#include "translate/CommandTable.h"

#include "settings/NumberText.h"

#include <span>
#include <string_view>

namespace zor {

namespace {

enum class Family {
    Generator, // the line goes to the generator as it is
    Coder,     // the line is a coder text, wrapped for the coder option
};

// How the value text becomes the middle of a line: prefix + formatted value + suffix.
enum class Format {
    Ignored,       // nothing: the line is the prefix alone
    Verbatim,      // the value unchanged
    Choice,        // the line listed for the value; empty for any other value
    Deviation,     // 10-Hz units as hertz
    Name8,         // padded to eight characters
    Pi,            // padded to four characters
    Pty,           // two digits
    Eon,           // current EON PI "," value
    EonName8,      // current EON PI "," value padded to eight characters
    Clock,         // "off", or the clock label's time "," date
    TimeAndDate,   // the computer's time "," date
};

struct Choice {
    std::string_view value;
    std::string_view line;
};

struct Rule {
    std::string_view key;
    Family family;
    std::string_view prefix;
    Format format;
    std::string_view suffix;
    std::span<const Choice> choices;
};

constexpr Rule fixed(std::string_view key, std::string_view line) {
    return {key, Family::Generator, line, Format::Ignored, {}, {}};
}

constexpr Rule choices(std::string_view key, std::span<const Choice> list) {
    return {key, Family::Generator, {}, Format::Choice, {}, list};
}

constexpr Rule deviation(std::string_view key, std::string_view prefix) {
    return {key, Family::Generator, prefix, Format::Deviation, "HZ", {}};
}

constexpr Rule valued(std::string_view key, std::string_view prefix, std::string_view suffix) {
    return {key, Family::Generator, prefix, Format::Verbatim, suffix, {}};
}

constexpr Rule coder(std::string_view key, std::string_view prefix, Format format) {
    return {key, Family::Coder, prefix, format, {}, {}};
}

constexpr Choice kMpxSource[] = {
    {"0", "STEREO:STAT OFF"},
    {"1", "STEREO:STAT ON;:stereo:source LREXT"},
    {"2", "STEREO:STAT ON;:stereo:source SPEXT"},
    {"3", "STEREO:STAT ON;:stereo:source LFGEN"},
};
constexpr Choice kImpedance[] = {
    {"1", ":stereo:external:impedanz 600"},
    {"2", ":stereo:external:impedanz 100"},
};
constexpr Choice kStereoMode[] = {
    {"1", ":stereo:audio:mode LEFT"}, {"2", ":stereo:audio:mode RIGHT"},
    {"3", ":stereo:audio:mode REL"},  {"4", ":stereo:audio:mode REML"},
    {"5", ":stereo:audio:mode RNEL"},
};
constexpr Choice kPreemphasis[] = {
    {"0", ":stereo:audio:preemphasis:state OFF"},
    {"1", ":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 50us"},
    {"2", ":stereo:audio:preemphasis:state ON;:stereo:audio:preemphasis 75us"},
};
constexpr Choice kPilot[] = {
    {"0", ":stereo:pilot:state OFF"},
    {"1", ":stereo:pilot:state ON"},
};
constexpr Choice kTrafficProgramme[] = {
    {"0", ":stereo:rds:traffic:program OFF"},
    {"1", ":stereo:rds:traffic:program ON"},
};
constexpr Choice kRds[] = {
    {"0", ":stereo:rds:state OFF"},
    {"1", ":stereo:rds:state ON"},
};
constexpr Choice kAri[] = {
    {"0", ":stereo:ari:state OFF"},
    {"1", ":stereo:ari:state ON"},
};
constexpr Choice kAriId[] = {
    {"0", ":stereo:ari:type:state OFF"},
    {"1", ":stereo:ari:type:state ON;:stereo:ari:type DK"},
    {"2", ":stereo:ari:type:state ON;:stereo:ari:type BK"},
    {"3", ":stereo:ari:type:state ON;:stereo:ari:type BKDK"},
};

constexpr Rule kRules[] = {
    // Generator commands.
    fixed("AM_AUS", "AM:STAT OFF"),
    fixed("FM_AUS", "FM:STAT OFF"),
    fixed("FM_EIN", "FM:STAT ON"),
    fixed("STEREO_AUS", "STEREO:STAT OFF"),
    fixed("STEREO_EIN", "STEREO:STAT ON"),
    deviation("MPX_HUB", ":stereo:deviation "),
    choices("MPX_SOURCE", kMpxSource),
    choices("MPX_IMPEDANZ", kImpedance),
    choices("STEREO_MODE", kStereoMode),
    choices("PREEMPHASIS", kPreemphasis),
    choices("PILOT", kPilot),
    deviation("PILOT_HUB", ":stereo:pilot:deviation "),
    valued("PILOT_PHASE", ":stereo:pilot:phase ", "DEG"),
    choices("TP", kTrafficProgramme),
    choices("RDS", kRds),
    deviation("RDS_HUB", ":stereo:rds:deviation "),
    choices("ARI", kAri),
    deviation("ARI-HUB", ":stereo:ari:deviation "),
    choices("ARI-ID", kAriId),
    valued("ARI-BK", ":stereo:ari:bk ", ""),
    valued("HF:PEGEL:STATE", ":OUTPUT:STAT ", ""),
    valued("HF-Frequenz", "FREQ ", "MHZ"),
    valued("HF-Pegel", ":POW ", "DBUV"),
    valued("NF-Frequenz", ":STEREO:AUDIO:FREQUENCY ", "KHZ"),
    // Coder texts.
    coder("PS", "PS=", Format::Name8),
    coder("TEST_M", "BIN=", Format::Verbatim),
    coder("TEST_D", "BIN=", Format::Verbatim),
    coder("PI", "PI=", Format::Pi),
    coder("TA", "TA=", Format::Verbatim),
    coder("RDS_PHASE", "RDS-PH=", Format::Verbatim),
    coder("PTY", "PTY=", Format::Pty),
    coder("AF1", "AF=", Format::Verbatim),
    coder("AF2", "AF=", Format::Verbatim),
    coder("AF3", "AF=", Format::Verbatim),
    coder("AF4", "AF=", Format::Verbatim),
    coder("AF5", "AF=", Format::Verbatim),
    coder("GROUPSEQ", "GS=", Format::Verbatim),
    coder("GROUPSEQ_TN", "GS=", Format::Verbatim),
    coder("MS", "MS=", Format::Verbatim),
    coder("DI", "DI=", Format::Verbatim),
    coder("RT", "RT=12,0,", Format::Verbatim),
    coder("RTB", "RT=10,1,", Format::Verbatim),
    coder("DEL_RT", "RT=0,0,", Format::Ignored),
    coder("UHR", "CT=", Format::Clock),
    coder("ZEIT", "CT=", Format::TimeAndDate),
    coder("EON_PS", "EON-PS=", Format::EonName8),
    coder("EON_PI", "EON-PI=", Format::Pi),
    coder("EON_TA", "EON-TA=", Format::Eon),
    coder("EON_PTY", "EON-PTY=", Format::Eon),
    coder("EON_TP", "EON-TP=", Format::Eon),
    coder("EON_AFA", "EON-AFA=", Format::Eon),
    coder("EON_AFB1", "EON-AFB=", Format::Eon),
    coder("EON_AFB2", "EON-AFB=", Format::Eon),
    coder("EON_AFB3", "EON-AFB=", Format::Eon),
    coder("EON_AFB4", "EON-AFB=", Format::Eon),
    coder("EON_AFB5", "EON-AFB=", Format::Eon),
    coder("EON_DEL", "EON-DEL=", Format::Verbatim),
    coder("STORE", "STORE=", Format::Verbatim),
    coder("ODA", "3A=", Format::Verbatim),
    coder("TMC", "8A=", Format::Verbatim),
};

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

const Rule* findRule(const QString& key) {
    for (const Rule& rule : kRules) {
        if (key == QLatin1String(rule.key.data(), static_cast<qsizetype>(rule.key.size())))
            return &rule;
    }
    return nullptr;
}

QString chosenLine(std::span<const Choice> list, const QString& value) {
    for (const Choice& choice : list) {
        if (value ==
            QLatin1String(choice.value.data(), static_cast<qsizetype>(choice.value.size())))
            return latin1(choice.line);
    }
    return {};
}

QString dateText(const QDateTime& now) {
    return now.toString(QStringLiteral("dd.MM.yy"));
}

QString timeText(const QDateTime& now) {
    return now.toString(QStringLiteral("HH:mm:ss"));
}

// The operator switches the clock off with "off" in any letter case, or with
// the German word written exactly in capitals.
bool clockSwitchedOff(const QString& value) {
    return value.toUpper() == QLatin1String("OFF") || value == QLatin1String("AUS");
}

QString formattedValue(const Rule& rule, const QString& value, const TranslatorInputs& in) {
    const QString comma = QStringLiteral(",");
    switch (rule.format) {
    case Format::Ignored:
        return {};
    case Format::Verbatim:
        return value;
    case Format::Choice:
        return chosenLine(rule.choices, value);
    case Format::Deviation:
        return deviationHz(value);
    case Format::Name8:
        return padded(value, 8, 8);
    case Format::Pi:
        return padded(value, 4, 8);
    case Format::Pty:
        return twoDigitPty(value);
    case Format::Eon:
        return in.eonPi + comma + value;
    case Format::EonName8:
        return in.eonPi + comma + padded(value, 8, 12);
    case Format::Clock:
        if (clockSwitchedOff(value))
            return QStringLiteral("off");
        return in.clockDisplay + comma + dateText(in.now);
    case Format::TimeAndDate:
        return timeText(in.now) + comma + dateText(in.now);
    }
    return {};
}

} // namespace

std::optional<QString> commandLine(const QString& key, const QString& value,
                                   const TranslatorInputs& in) {
    const Rule* rule = findRule(key);
    if (rule == nullptr)
        return std::nullopt;
    const QString line =
        latin1(rule->prefix) + formattedValue(*rule, value, in) + latin1(rule->suffix);
    return rule->family == Family::Coder ? coderCommand(line) : line;
}

QString coderCommand(const QString& coderText) {
    // No escaping: a double quote inside the coder text goes out as it is.
    return QStringLiteral(":STEREO:DIRECT \"") + coderText + QLatin1Char('"');
}

QString deviationHz(const QString& value) {
    return plainDecimal(leadingNumber(value) * 10);
}

QString padded(const QString& value, qsizetype width, qsizetype appended) {
    return (value + QString(appended, QLatin1Char(' '))).left(width);
}

QString twoDigitPty(const QString& value) {
    return (QStringLiteral("00") + value).right(2);
}

} // namespace zor
