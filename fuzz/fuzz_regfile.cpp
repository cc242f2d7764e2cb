// Any bytes read as a settings file. What was read must write out as a file that reads back
// undamaged and writes out the same bytes again, and every key and value must be found under its
// name spelt in upper or lower case wherever Qt counts that spelling as the same name.
#include "fuzz/require.h"
#include "settings/regfile.h"

namespace {

QStringList OtherCases(const QString &name)
{
    QStringList spellings;
    for (const QString &other : {name.toUpper(), name.toLower()})
        if (other.compare(name, Qt::CaseInsensitive) == 0)
            spellings.append(other);
    return spellings;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const RegFile file = RegFile::Parse(QByteArrayView(data, qsizetype(size)));
    const QByteArray written = file.Serialise();
    const RegFile again = RegFile::Parse(written);
    Require(!again.IsDamaged(), "a written file reads back undamaged");
    Require(again.Serialise() == written, "a written file reads back as itself");

    for (const RegKey &key : file.Keys()) {
        for (const QString &path : OtherCases(key.Path()))
            Require(file.FindKey(path) == &key, "a key is found in any letter case");
        for (const RegValue &value : key.Values())
            for (const QString &name : OtherCases(value.name))
                Require(key.Find(name) == &value, "a value is found in any letter case");
    }
    return 0;
}
