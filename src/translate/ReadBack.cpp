#include "translate/ReadBack.h"

#include "translate/Instrument.h"
#include "settings/Captions.h"
#include "settings/NumberText.h"

#include <map>

namespace zor {

namespace {

using B = ReadBackButton;

struct ButtonText {
    ReadBackButton button;
    const char* name;
    const char* caption;
};

constexpr ButtonText kButtonTexts[] = {
    {B::Command1, "Command1", "A R I ?"},        {B::Command4, "Command4", "AF ?"},
    {B::Command5, "Command5", "PS ?"},           {B::Command6, "Command6", "PI ?"},
    {B::Command7, "Command7", "PTY ?"},          {B::Command8, "Command8", "RT ?"},
    {B::Command9, "Command9", "Zeit ?"},         {B::Command10, "Command10", "Freq ?"},
    {B::Command11, "Command11", "FM Hub ?"},     {B::Command12, "Command12", "FM Source ?"},
    {B::Command13, "Command13", "Pre.phase ?"},  {B::Command14, "Command14", "Pilot-Ton ?"},
    {B::Command15, "Command15", "Ster.-Mode ?"}, {B::Command16, "Command16", "R D S ?"},
    {B::Command17, "Command17", "Gruppen ?"},    {B::Command18, "Command18", "Impedanz ?"},
    {B::Command19, "Command19", "EON  ?"},       {B::Command20, "Command20", "M / S ?"},
    {B::Command21, "Command21", "D I ?"},        {B::Command22, "Command22", "Pegel ?"},
};

const ButtonText& textsOf(ReadBackButton button) {
    for (const ButtonText& texts : kButtonTexts) {
        if (texts.button == button)
            return texts;
    }
    return kButtonTexts[0];
}

Question coder(const QString& label, const QString& key) {
    return {QueryTarget::Coder, key, label};
}

Question generator(const QString& label, const QString& key) {
    return {QueryTarget::Generator, key, label};
}

QList<Question> afQueries() {
    QList<Question> queries;
    for (int n = 1; n <= 5; ++n) {
        queries << coder(QStringLiteral("AF_Liste%1?").arg(n), QStringLiteral("AF%1").arg(n));
    }
    return queries;
}

QList<Question> eonQueries(const QString& p) {
    QList<Question> queries{
        coder(QStringLiteral("EON PI?"), QStringLiteral("EON-PI")),
        coder(QStringLiteral("EON PS?") + p, QStringLiteral("EON-PS,") + p),
        coder(QStringLiteral("EON TP?") + p, QStringLiteral("EON-TP,") + p),
        coder(QStringLiteral("EON TA?") + p, QStringLiteral("EON-TA,") + p),
    };
    for (int n = 1; n <= 5; ++n) {
        queries << coder(QStringLiteral("EON AFB?") + p,
                         QStringLiteral("EON-AFB,") + p + QLatin1Char(',') + QString::number(n));
    }
    return queries;
}

// Turns answers into display lines: numbers are read with a point and shown
// with the operator's decimal separator.
class Display {
  public:
    Display(const QStringList& answers, const Captions& captions, QChar separator)
        : answers_(answers), captions_(captions), separator_(separator) {}

    QString answer(int index) const { return answers_.value(index); }
    QString text(int number) const { return captions_.text(number); }
    double number(int index) const { return leadingNumber(answer(index)); }
    QString decimal(double value) const { return plainDecimal(value, separator_); }
    QString hertz(int index) const { return decimal(number(index) * 10) + QStringLiteral(" Hz"); }

    // The channel never hands over an empty answer; should one come, the
    // line that converts it says "no value" instead of showing a made-up 0.
    QString converted(int index, const QString& line) const {
        return answer(index).isEmpty() ? text(143) : line;
    }

    // `texts` holds the line for the numbers 0, 1, ...; `other` any other number.
    QString byNumber(int index, const QStringList& texts, const QString& other) const {
        const double value = number(index);
        for (int n = 0; n < texts.size(); ++n) {
            if (value == n)
                return texts.at(n);
        }
        return other;
    }

  private:
    const QStringList& answers_;
    const Captions& captions_;
    QChar separator_;
};

QString joinedLines(const QStringList& lines) {
    return lines.join(QLatin1Char('\n'));
}

QString afDisplay(const Display& d) {
    QStringList lines;
    for (int n = 1; n <= 5; ++n)
        lines << QStringLiteral("AF%1: ").arg(n) + d.answer(n - 1);
    return joinedLines(lines);
}

QString sourceDisplay(const Display& d) {
    const QString source = d.byNumber(0, {d.text(22), d.text(23), d.text(24), d.text(25)}, {});
    return d.converted(0, QStringLiteral("Mod Quelle: ") + source);
}

QString preemphasisDisplay(const Display& d) {
    const QString a = d.answer(0);
    if (a == QLatin1String("0"))
        return d.text(22);
    if (a == QLatin1String("1"))
        return QStringLiteral("50µs");
    if (a == QLatin1String("2"))
        return QStringLiteral("75µs");
    return a;
}

QString stereoModeDisplay(const Display& d) {
    const QStringList modes{{}, d.text(31), d.text(32), d.text(33), d.text(34), d.text(35)};
    return d.converted(0, d.byNumber(0, modes, {}));
}

QString impedanceDisplay(const Display& d) {
    const QString a = d.answer(0);
    if (a == QLatin1String("1"))
        return QStringLiteral("Impedanz 600 ");
    if (a == QLatin1String("2"))
        return QStringLiteral("Impedanz 100k ");
    return a;
}

QString musicSpeechDisplay(const Display& d) {
    const QString a = d.answer(0);
    if (a == QLatin1String("M"))
        return d.text(56);
    if (a == QLatin1String("S"))
        return d.text(57);
    return a;
}

QString decoderDisplay(const Display& d) {
    static const std::map<QString, QString> kDecoderTexts{
        {QStringLiteral("0"), QStringLiteral("Mono")},
        {QStringLiteral("1"), QStringLiteral("Stereo")},
        {QStringLiteral("2"), QStringLiteral("NN")},
        {QStringLiteral("3"), QStringLiteral("Stereo Kunstkopf")},
        {QStringLiteral("4"), QStringLiteral("Mono compressed")},
        {QStringLiteral("5"), QStringLiteral("Stereo compressed")},
        {QStringLiteral("6"), QStringLiteral("Stereo compressed Kunstkopf\"")},
        {QStringLiteral("7"), QStringLiteral("NN")},
    };
    const auto found = kDecoderTexts.find(d.answer(0));
    return found == kDecoderTexts.end() ? d.text(143) : found->second;
}

QString ariIdentification(const QString& a, const Display& d) {
    if (a == QLatin1String("0"))
        return d.text(193);
    if (a == QLatin1String("1"))
        return QStringLiteral("DK");
    if (a == QLatin1String("2"))
        return QStringLiteral("BK");
    if (a == QLatin1String("3"))
        return QStringLiteral("BK + DK");
    return a;
}

QString ariDisplay(const Display& d) {
    const QString ari = QStringLiteral("ARI ");
    return joinedLines({
        d.converted(0, d.byNumber(0, {ari + d.text(193), ari + d.text(192)}, d.answer(0))),
        d.converted(1, ari + d.text(21) + QStringLiteral(": ") + d.hertz(1)),
        ariIdentification(d.answer(2), d),
        d.answer(3),
    });
}

QString pilotPhase(const Display& d) {
    const QString a = d.answer(2);
    if (a.endsWith(QLatin1String("Answer")))
        return a;
    return d.decimal(d.number(2) / 10);
}

QString pilotDisplay(const Display& d) {
    const QString pilot = QStringLiteral("Pilot ");
    return joinedLines({
        d.converted(0, d.byNumber(0, {pilot + d.text(193), pilot + d.text(192)}, {})),
        d.converted(1, d.text(21) + QStringLiteral(": ") + d.hertz(1)),
        d.converted(2, QStringLiteral("Phase: ") + pilotPhase(d) + QStringLiteral("°")),
    });
}

QString rdsDisplay(const Display& d) {
    const QString rds = QStringLiteral("RDS ");
    return joinedLines({
        d.converted(0, d.byNumber(0, {rds + d.text(193), rds + d.text(192)}, {})),
        d.converted(1, d.text(21) + QStringLiteral(": ") + d.hertz(1)),
        QStringLiteral("Phase: ") + d.answer(2) + QStringLiteral("°"),
    });
}

QString eonDisplay(const Display& d) {
    QString shown = QStringLiteral("EON-PI:   ") + d.answer(0) + QStringLiteral(" / EON-PS:  ") +
                    d.answer(1) + QStringLiteral(" / EON-TP:  ") + d.answer(2) +
                    QStringLiteral(" / EON-TA:  ") + d.answer(3) + QLatin1Char('\n');
    for (int n = 1; n <= 5; ++n)
        shown += QStringLiteral("EON-AFB%1:  ").arg(n) + d.answer(3 + n) + QLatin1Char('\n');
    return shown;
}

} // namespace

const std::array<ReadBackButton, 20>& readBackButtons() {
    static const std::array<ReadBackButton, 20> kButtons{
        B::Command1,  B::Command4,  B::Command5,  B::Command6,  B::Command7,
        B::Command8,  B::Command9,  B::Command10, B::Command11, B::Command12,
        B::Command13, B::Command14, B::Command15, B::Command16, B::Command17,
        B::Command18, B::Command19, B::Command20, B::Command21, B::Command22,
    };
    return kButtons;
}

QString buttonName(ReadBackButton button) {
    return QString::fromLatin1(textsOf(button).name);
}

QString designCaption(ReadBackButton button) {
    return QString::fromLatin1(textsOf(button).caption);
}

bool chainsFirstAnswer(ReadBackButton button) {
    return button == B::Command19;
}

QList<Question> readBackQueries(ReadBackButton button, const QString& eonPi) {
    switch (button) {
    case B::Command1:
        return {coder(QStringLiteral("Ari ein/aus?"), QStringLiteral("ARI")),
                coder(QStringLiteral("ARI Hub?"), QStringLiteral("ARI-DEV")),
                coder(QStringLiteral("ARI mode?"), QStringLiteral("ARI-ID")),
                coder(QStringLiteral("BK?"), QStringLiteral("BK"))};
    case B::Command4:
        return afQueries();
    case B::Command5:
        return {coder(QStringLiteral("PS?"), QStringLiteral("PS"))};
    case B::Command6:
        return {coder(QStringLiteral("PI?"), QStringLiteral("PI"))};
    case B::Command7:
        return {coder(QStringLiteral("PTY?"), QStringLiteral("PTY"))};
    case B::Command8:
        return {coder(QStringLiteral("RT?"), QStringLiteral("RT"))};
    case B::Command9:
        return {coder(QStringLiteral("CT?"), QStringLiteral("CT"))};
    case B::Command10:
        return {generator(QStringLiteral("Freq?"), QStringLiteral("FREQ"))};
    case B::Command11:
        return {coder(QStringLiteral("MPX Hub?"), QStringLiteral("MPX-DEV"))};
    case B::Command12:
        return {coder(QStringLiteral("Mod Eingang?"), QStringLiteral("SRC"))};
    case B::Command13:
        return {coder(QStringLiteral("Preemphasis?"), QStringLiteral("PRE"))};
    case B::Command14:
        return {coder(QStringLiteral("Pilot?"), QStringLiteral("PIL")),
                coder(QStringLiteral("Pilot Hub?"), QStringLiteral("PIL-DEV")),
                coder(QStringLiteral("Pilot Phase?"), QStringLiteral("PIL-PH"))};
    case B::Command15:
        return {coder(QStringLiteral("Stereo Mode??"), QStringLiteral("MODE"))};
    case B::Command16:
        return {coder(QStringLiteral("RDS?"), QStringLiteral("RDS")),
                coder(QStringLiteral("RDS-Hub?"), QStringLiteral("RDS-DEV")),
                coder(QStringLiteral("RDS-Phase"), QStringLiteral("RDS-PH"))};
    case B::Command17:
        return {coder(QStringLiteral("Gruppenfolge?"), QStringLiteral("GS"))};
    case B::Command18:
        return {coder(QStringLiteral("Impedanz?"), QStringLiteral("IMP"))};
    case B::Command19:
        return eonQueries(eonPi);
    case B::Command20:
        return {coder(QStringLiteral("M/S ?"), QStringLiteral("MS"))};
    case B::Command21:
        return {coder(QStringLiteral("Decoder?"), QStringLiteral("DI"))};
    case B::Command22:
        return {generator(QStringLiteral("Pegel?"), QStringLiteral("POW"))};
    }
    return {};
}

QString readBackDisplay(ReadBackButton button, const QStringList& answers, const Captions& captions,
                        QChar decimalSeparator) {
    const Display d(answers, captions, decimalSeparator);
    switch (button) {
    case B::Command5:
    case B::Command6:
    case B::Command7:
    case B::Command8:
    case B::Command9:
    case B::Command17:
        return d.answer(0);
    case B::Command4:
        return afDisplay(d);
    case B::Command11:
        return d.converted(0,
                           QStringLiteral("FM ") + d.text(21) + QStringLiteral(": ") + d.hertz(0));
    case B::Command12:
        return sourceDisplay(d);
    case B::Command13:
        return preemphasisDisplay(d);
    case B::Command15:
        return stereoModeDisplay(d);
    case B::Command18:
        return impedanceDisplay(d);
    case B::Command20:
        return musicSpeechDisplay(d);
    case B::Command21:
        return decoderDisplay(d);
    case B::Command1:
        return ariDisplay(d);
    case B::Command14:
        return pilotDisplay(d);
    case B::Command16:
        return rdsDisplay(d);
    case B::Command19:
        return eonDisplay(d);
    case B::Command10:
        return d.converted(0, d.decimal(d.number(0) / 1000000) + QStringLiteral(" MHz"));
    case B::Command22:
        return d.converted(0, d.decimal(d.number(0)) + QStringLiteral(" dBm"));
    }
    return {};
}

QString runReadBack(ReadBackButton button, Instrument& instrument, const Captions& captions,
                    QChar decimalSeparator) {
    QList<Question> queries = readBackQueries(button);
    QStringList answers;
    for (qsizetype i = 0; i < queries.size(); ++i) {
        answers << instrument.ask(queries.at(i)).text;
        if (i == 0 && chainsFirstAnswer(button))
            queries = readBackQueries(button, answers.front());
    }
    return readBackDisplay(button, answers, captions, decimalSeparator);
}

} // namespace zor
