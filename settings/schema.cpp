#include "settings/schema.h"

#include "settings/strings.h"

#include <QRegularExpression>

namespace {

Setting<int> Number(const QString &key, int nameId, QVariant fallback = {})
{
    return {{key, LoadResString(nameId), RegDword, std::move(fallback)}};
}

Setting<QString> Text(const QString &key, int nameId, QVariant fallback)
{
    return {{key, LoadResString(nameId), RegSz, std::move(fallback)}};
}

constexpr int True = -1;
constexpr int False = 0;

// What was stored for value, as the schema types it, or fallback.
QVariant Typed(const SettingsValue &value, const QVariant &stored, const QVariant &fallback)
{
    if (value.type == RegSz)
        return stored.typeId() == QMetaType::QString ? stored : fallback;
    if (stored.typeId() == QMetaType::Int)
        return stored;
    // A hand edit or another tool may store a number as text ("Copy"="79"). Text that is wholly a
    // whole number within 32 bits is taken as that number rather than dropped for the default; the
    // next write stores it as a number again.
    static const QRegularExpression wholeNumber(QRegularExpression::anchoredPattern("-?[0-9]+"));
    const QString text = stored.typeId() == QMetaType::QString ? stored.toString() : QString();
    bool fits = false;
    const int number = text.toInt(&fits);
    return fits && wholeNumber.match(text).hasMatch() ? QVariant(number) : fallback;
}

} // namespace

namespace Schema {

const QString ProgramKey = LoadResString(101);
const QString PositionKey = LoadResString(102);
const QString SettingsKey = LoadResString(103);
const QString ColoursKey = LoadResString(104);
const QString ExtrasKey = LoadResString(391);

const Setting<int> Left = Number(PositionKey, 105);
const Setting<int> Top = Number(PositionKey, 106);

const Setting<int> AlwaysOnTop = Number(SettingsKey, 115, False);
const Setting<int> Splash = Number(SettingsKey, 110, True);
const Setting<int> Precision = Number(SettingsKey, 121, 3);
const Setting<int> Copy = Number(SettingsKey, 122, 74);
const Setting<int> TagCopy = Number(SettingsKey, 312, 1);
const Setting<int> RgbCopy = Number(SettingsKey, 325, 1);
const Setting<int> HtmlTagCopy = Number(SettingsKey, 326, 1);
const Setting<int> CssTagCopy = Number(SettingsKey, 327, 1);
const Setting<int> Alert = Number(SettingsKey, 349, True);
const Setting<int> View = Number(SettingsKey, 123, 7);
const Setting<int> Palette = Number(SettingsKey, 130, 10);
const Setting<int> ColourType = Number(SettingsKey, 299, 1);
const Setting<int> CopyTab = Number(SettingsKey, 324, 1);
const Setting<QString> FontName = Text(SettingsKey, 323, QStringLiteral("Times New Roman"));
const Setting<QString> HeadingText = Text(SettingsKey, 313, QStringLiteral("Tarvo Pigmenta"));
const Setting<QString> LinkText = Text(SettingsKey, 314, LoadResString(HomePageText));
const Setting<QString> FontText =
    Text(SettingsKey, 315,
         QStringLiteral("Tarvo Pigmenta Release 4, for easy HTML colour conversion from your "
                        "computer to your browser.\r\n"));

// 12, the six-digit hex form.
const Setting<int> CssForm = Number(ExtrasKey, 392, 12);

const Setting<int> TrueColour = Number(ColoursKey, 108, 0);
const Setting<int> SafeColour = Number(ColoursKey, 109, 0);
const Setting<int> BackgroundColour = Number(ColoursKey, 316, 0xFFFFFF);
const Setting<int> FontColour = Number(ColoursKey, 317, 0);
const Setting<int> HeadingColour = Number(ColoursKey, 321, 0);
const Setting<int> ActiveLinkColour = Number(ColoursKey, 319, 0x0000FF);
const Setting<int> LinkColour = Number(ColoursKey, 318, LinkBlue);
const Setting<int> HoverColour = Number(ColoursKey, 322, HoverGreen);

Setting<int> Swatch(int index)
{
    return {{ColoursKey, QString::number(index), RegDword, {}}};
}

const QString OldProgramKey = LoadResString(304);
static const QString OldSettingsKey = LoadResString(305);
const Setting<int> OldAlwaysOnTop = Number(OldSettingsKey, 307);
const Setting<int> OldShowSplash = Number(OldSettingsKey, 310);
const Setting<int> OldCopyAs = Number(OldSettingsKey, 309, 0);
const Setting<int> OldColour = Number(OldSettingsKey, 308);

Setting<int> OldCustomColour(int number)
{
    return {{LoadResString(306), QString::number(number), RegDword, -1}};
}

} // namespace Schema

void CreateProgramKeys()
{
    for (const QString &key : {Schema::ProgramKey, Schema::PositionKey, Schema::SettingsKey,
                               Schema::ColoursKey, Schema::ExtrasKey})
        CreateKey(key);
}

QVariant GetValue(const SettingsValue &value)
{
    return GetValue(value, value.fallback);
}

QVariant GetValue(const SettingsValue &value, const QVariant &fallback)
{
    return Typed(value, GetValue(value.key, value.name, QVariant()), fallback);
}

QList<int> GetSwatches(int empty)
{
    QStringList names;
    for (int index = 0; index < Schema::SwatchCount; ++index)
        names.append(Schema::Swatch(index).name);
    const QList<QVariant> stored = GetValues(Schema::ColoursKey, names);
    QList<int> swatches;
    for (int index = 0; index < Schema::SwatchCount; ++index)
        swatches.append(Typed(Schema::Swatch(index), stored[index], empty).toInt());
    return swatches;
}

bool SaveValue(const SettingsValue &value, const QVariant &data)
{
    return SaveValue(value.key, value.name, data, value.type);
}

bool DeleteValue(const SettingsValue &value)
{
    return DeleteValue(value.key, value.name);
}
