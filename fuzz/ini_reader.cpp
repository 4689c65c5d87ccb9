// Any bytes as a settings file: reading never fails, the file comes back byte
// for byte when nothing changes, and a written key reads back while every
// other key keeps its value.
#include "settings/IniText.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {

const char16_t* const kSections[] = {u"bus", u"RDS", u"A"};
const char16_t* const kKeys[] = {u"INTERFACE", u"PS", u"k"};

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void expectSameValuesExcept(const zor::IniText& before, const zor::IniText& after,
                            QStringView changedSection, QStringView changedKey)
{
    for (const char16_t* section : kSections) {
        for (const char16_t* key : kKeys) {
            const QStringView s(section);
            const QStringView k(key);
            if (s.compare(changedSection, Qt::CaseInsensitive) == 0 &&
                k.compare(changedKey, Qt::CaseInsensitive) == 0)
                continue;
            require(before.value(s, k) == after.value(s, k));
        }
    }
}

void writeAndReadBack(const zor::IniText& original, QStringView section, QStringView key,
                      const QString& value, const QString& expected)
{
    zor::IniText changed = original;
    require(changed.setValue(section, key, value));
    const zor::IniText reread = zor::IniText::fromBytes(changed.toBytes());
    require(reread.value(section, key) == expected);
    expectSameValuesExcept(original, reread, section, key);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const zor::IniText ini = zor::IniText::fromBytes(bytes);
    require(ini.toBytes() == bytes);
    for (const char16_t* section : kSections) {
        for (const char16_t* key : kKeys)
            require(ini.value(section, key).size() <= zor::IniText::kMaxValueLength);
    }

    writeAndReadBack(ini, u"RDS", u"PS", QStringLiteral("Ger\u00e4t \u00b5s"),
                     QStringLiteral("Ger\u00e4t \u00b5s"));
    writeAndReadBack(ini, u"BUS", u"Interface", QStringLiteral("a\r\nb\n\u03a9"),
                     QStringLiteral("a b \u03a9"));
    writeAndReadBack(ini, u"Neu", u"k", QString(), QString());
    return 0;
}
