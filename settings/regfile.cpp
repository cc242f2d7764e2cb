#include "settings/regfile.h"

#include "settings/store.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

namespace {

const QString Header5 = QStringLiteral("Windows Registry Editor Version 5.00");
const QString Header4 = QStringLiteral("REGEDIT4");
// Byte-order marks are taken off by hand where they belong; one inside a text is a character.
constexpr auto DecoderFlags =
    QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom;
constexpr quint32 RegBinaryType = 3;

// A file exported on Windows is UTF-16LE with a byte-order mark, one of the old editor (REGEDIT4)
// is in an ANSI code page, which Latin-1 reads closely enough, and ours are UTF-8. Bytes that are
// not UTF-8 where UTF-8 is due make the file damaged, so that it is kept aside before a rewrite;
// so does a lone surrogate in UTF-16, which our UTF-8 cannot hold: it reads as U+FFFD.
QString Decode(QByteArrayView bytes, bool &damaged)
{
    if (bytes.startsWith("\xFF\xFE")) {
        const QString text =
            QStringDecoder(QStringDecoder::Utf16LE, DecoderFlags).decode(bytes.sliced(2));
        damaged = !text.isValidUtf16();
        return damaged ? QString::fromUtf8(text.toUtf8()) : text;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    if (bytes.trimmed().startsWith(Header4.toLatin1()))
        return QString::fromLatin1(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, DecoderFlags);
    QString text = utf8.decode(bytes);
    damaged = utf8.hasError();
    return text;
}

// A quoted text from its opening quote at pos; pos ends after the closing quote. Undoes the \\ and
// \" escapes.
std::optional<QString> ReadQuoted(QStringView line, qsizetype &pos)
{
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        QChar ch = line[pos];
        if (ch == u'"') {
            ++pos;
            return text;
        }
        if (ch == u'\\' && pos + 1 < line.size())
            ch = line[++pos];
        text += ch;
    }
    return std::nullopt;
}

// The writing below appends to one text, a character at a time where it must: a settings file is
// written at every change, and a string made for each part would cost more than the rest of it.
void AppendQuoted(QString &out, const QString &text)
{
    out += u'"';
    for (QChar ch : text) {
        if (ch == u'\\' || ch == u'"')
            out += u'\\';
        out += ch;
    }
    out += u'"';
}

void AppendHex(QString &out, quint32 number, int digits)
{
    static constexpr char Digits[] = "0123456789abcdef";
    while (digits-- > 0)
        out += QLatin1Char(Digits[(number >> (4 * digits)) & 15]);
}

std::optional<QByteArray> ParseHexBytes(QStringView data)
{
    QByteArray bytes;
    if (data.trimmed().isEmpty())
        return bytes;
    for (QStringView item : data.split(u',')) {
        item = item.trimmed();
        bool ok = false;
        const uint byte = item.toUInt(&ok, 16);
        if (!ok || item.size() > 2)
            return std::nullopt;
        bytes.append(char(byte));
    }
    return bytes;
}

void AppendHexBytes(QString &out, const QByteArray &bytes)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i > 0)
            out += u',';
        AppendHex(out, uchar(bytes[i]), 2);
    }
}

// A text that cannot stand between quotes on one line (a line break, a NUL), and one with letters
// beyond ASCII, which the Windows editor would read in its ANSI code page, is written in the
// editor's hex(1) form: UTF-16LE with its terminating NUL, which the editor reads as REG_SZ.
bool NeedsHexForm(const QString &text)
{
    for (QChar ch : text) {
        if ((ch.unicode() < 0x20 && ch != u'\t') || ch.unicode() > 0x7E)
            return true;
    }
    return false;
}

QString TextUpToNul(QString text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

std::optional<RegValue> ParseData(QString name, QStringView data, bool unicode)
{
    if (data.startsWith(u'"')) {
        qsizetype pos = 0;
        std::optional<QString> text = ReadQuoted(data, pos);
        if (!text || pos != data.size())
            return std::nullopt;
        return RegValue{std::move(name), RegSz, TextUpToNul(*text)};
    }
    if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        const QStringView digits = data.sliced(6);
        bool ok = false;
        const uint number = digits.toUInt(&ok, 16);
        if (!ok || digits.size() > 8 || digits.startsWith(u'+') || digits.startsWith(u'-'))
            return std::nullopt;
        return RegValue{std::move(name), RegDword, static_cast<qint32>(number)};
    }
    if (!data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive))
        return std::nullopt;
    quint32 type = RegBinaryType;
    qsizetype colon = 3;
    if (data.sliced(3).startsWith(u'(')) {
        const qsizetype close = data.indexOf(QLatin1String("):"));
        bool ok = false;
        if (close < 5)
            return std::nullopt;
        type = data.sliced(4, close - 4).toUInt(&ok, 16);
        if (!ok)
            return std::nullopt;
        colon = close + 1;
    }
    if (colon >= data.size() || data[colon] != u':')
        return std::nullopt;
    std::optional<QByteArray> bytes = ParseHexBytes(data.sliced(colon + 1));
    if (!bytes)
        return std::nullopt;
    if (type == RegSz) {
        const QString text =
            unicode ? QString(QStringDecoder(QStringDecoder::Utf16LE, DecoderFlags)(*bytes))
                    : QString::fromLatin1(*bytes);
        return RegValue{std::move(name), type, TextUpToNul(text)};
    }
    if (type == RegDword && bytes->size() == 4) {
        const auto *b = reinterpret_cast<const uchar *>(bytes->constData());
        const quint32 number = b[0] | b[1] << 8 | b[2] << 16 | quint32(b[3]) << 24;
        return RegValue{std::move(name), type, static_cast<qint32>(number)};
    }
    return RegValue{std::move(name), type, *bytes};
}

// The name of a value line ("name" or @) and what follows its equals sign.
std::optional<std::pair<QString, QStringView>> SplitValueLine(QStringView line)
{
    QString name;
    qsizetype pos = 0;
    if (line.startsWith(u'@')) {
        pos = 1;
    } else if (line.startsWith(u'"')) {
        std::optional<QString> quoted = ReadQuoted(line, pos);
        if (!quoted)
            return std::nullopt;
        name = *quoted;
    } else {
        return std::nullopt;
    }
    const QStringView rest = line.sliced(pos).trimmed();
    if (!rest.startsWith(u'='))
        return std::nullopt;
    return std::pair{name, rest.sliced(1).trimmed()};
}

// Only hex data goes on over several lines, each but the last ending in a backslash.
bool ContinuesOnNextLine(QStringView line)
{
    if (!line.endsWith(u'\\'))
        return false;
    const auto parts = SplitValueLine(line);
    return parts && parts->second.startsWith(QLatin1String("hex"), Qt::CaseInsensitive);
}

// A settings file holds a handful of short keys. Paths beyond the registry's part length or far
// longer than any of ours, and keys beyond a few thousand (parents included, as they are written
// out), are damage: taken in, they would cost memory with the square of their length (every parent
// is a key of its own).
constexpr qsizetype MaxKeyPathLength = 512;
constexpr qsizetype MaxKeyCount = 4096;

bool IsPlausibleKeyPath(const QString &path)
{
    const QList<QStringView> parts = QStringView(path).split(u'\\');
    return path.size() <= MaxKeyPathLength &&
           std::all_of(parts.begin(), parts.end(),
                       [](QStringView part) { return !part.isEmpty() && part.size() <= 255; });
}

// The keys of a file that a key path stands for: its parents, the root left out, then itself.
QStringList KeysDownTo(const QString &path)
{
    QStringList keys;
    for (qsizetype cut = path.indexOf(u'\\', path.indexOf(u'\\') + 1); cut > 0;
         cut = path.indexOf(u'\\', cut + 1))
        keys.append(path.left(cut));
    keys.append(path);
    return keys;
}

qsizetype MissingKeyCount(const RegFile &file, const QString &path)
{
    const QStringList keys = KeysDownTo(path);
    return std::count_if(keys.begin(), keys.end(),
                         [&file](const QString &key) { return !file.FindKey(key); });
}

// A 32-bit program on 64-bit Windows, as the earlier release was, sees SOFTWARE\WOW6432Node as
// SOFTWARE, and an export made there names its keys so. A node that follows one is taken off
// too, or the file written from this one would lose it on the next read.
QString WithoutWow64Node(QString path)
{
    const QLatin1StringView software("HKEY_LOCAL_MACHINE\\SOFTWARE");
    const QLatin1StringView node("\\WOW6432Node");
    const qsizetype end = software.size() + node.size();
    while (path.startsWith(software, Qt::CaseInsensitive) &&
           QStringView(path).sliced(software.size()).startsWith(node, Qt::CaseInsensitive) &&
           (path.size() == end || path[end] == u'\\'))
        path.remove(software.size(), node.size());
    return path;
}

void AppendValueLine(QString &out, const RegValue &value)
{
    if (value.name.isEmpty())
        out += u'@';
    else
        AppendQuoted(out, value.name);
    out += u'=';
    switch (value.data.typeId()) {
    case QMetaType::QString: {
        const QString text = value.data.toString();
        if (!NeedsHexForm(text)) {
            AppendQuoted(out, text);
            break;
        }
        QByteArray bytes(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        out += QLatin1String("hex(1):");
        AppendHexBytes(out, bytes + QByteArray(2, '\0'));
        break;
    }
    case QMetaType::Int:
        out += QLatin1String("dword:");
        AppendHex(out, value.data.toUInt(), 8);
        break;
    default:
        if (value.type == RegBinaryType) {
            out += QLatin1String("hex:");
        } else {
            out += QLatin1String("hex(");
            out += QString::number(value.type, 16);
            out += QLatin1String("):");
        }
        AppendHexBytes(out, value.data.toByteArray());
    }
}

} // namespace

size_t qHash(const CaselessName &name, size_t seed)
{
    // Folded by code point, as the comparison folds: a letter beyond U+FFFF is a surrogate pair.
    const QString &text = name.text;
    size_t hash = seed;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t ch = text[i].unicode();
        if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ch = QChar::surrogateToUcs4(ch, text[++i].unicode());
        // ASCII, as every name of the program's own is, folds without the table.
        hash = hash * 31 + (ch >= 0x80               ? QChar::toCaseFolded(ch)
                            : ch >= 'A' && ch <= 'Z' ? ch + ('a' - 'A')
                                                     : ch);
    }
    return hash;
}

const RegValue *RegKey::Find(const QString &name) const
{
    const auto at = m_index.constFind(CaselessName{name});
    return at == m_index.cend() ? nullptr : &m_values[*at];
}

void RegKey::Set(RegValue value)
{
    const CaselessName name{value.name};
    if (const auto at = m_index.constFind(name); at != m_index.cend()) {
        // As in the registry, a value keeps the spelling of its name when it is replaced.
        value.name = m_values[*at].name;
        m_values[*at] = std::move(value);
        return;
    }
    m_index.insert(name, m_values.size());
    m_values.append(std::move(value));
}

bool RegKey::Remove(const QString &name)
{
    const auto at = m_index.constFind(CaselessName{name});
    if (at == m_index.cend())
        return false;
    m_values.removeAt(*at);
    m_index.clear();
    for (qsizetype i = 0; i < m_values.size(); ++i)
        m_index.insert(CaselessName{m_values[i].name}, i);
    return true;
}

RegFile RegFile::Parse(QByteArrayView bytes)
{
    RegFile file;
    const QString text = Decode(bytes, file.m_damaged);
    const QList<QStringView> lines = QStringView(text).split(u'\n');
    bool unicode = true;
    bool seenHeader = false;
    qsizetype current = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i].trimmed().toString();
        while (ContinuesOnNextLine(line)) {
            line.chop(1);
            if (++i == lines.size()) {
                file.m_damaged = true;
                line.clear();
                break;
            }
            line += lines[i].trimmed();
        }
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (!seenHeader) {
            seenHeader = true;
            if (line == Header5 || line == Header4) {
                unicode = line == Header5;
                continue;
            }
            file.m_damaged = true;
        }
        if (line.startsWith(u'[')) {
            const QString path = WithoutWow64Node(line.mid(1, line.size() - 2));
            current = -1;
            if (!line.endsWith(u']') || line.size() < 3 || !IsPlausibleKeyPath(path) ||
                file.m_keys.size() + MissingKeyCount(file, path) > MaxKeyCount) {
                file.m_damaged = true;
                continue;
            }
            file.AddKey(path);
            current = file.m_index.value(CaselessName{path});
            continue;
        }
        const auto parts = SplitValueLine(line);
        std::optional<RegValue> value;
        if (parts)
            value = ParseData(parts->first, parts->second, unicode);
        if (!value || current < 0) {
            file.m_damaged = true;
            continue;
        }
        file.m_keys[current].Set(std::move(*value));
    }
    return file;
}

RegFile RegFile::Damaged()
{
    RegFile file;
    file.m_damaged = true;
    return file;
}

QByteArray RegFile::Serialise() const
{
    QString text = Header5 + QLatin1String("\r\n");
    for (const RegKey &key : m_keys) {
        text += QLatin1String("\r\n[");
        text += key.Path();
        text += QLatin1String("]\r\n");
        for (const RegValue &value : key.Values()) {
            AppendValueLine(text, value);
            text += QLatin1String("\r\n");
        }
    }
    text += QLatin1String("\r\n");
    return text.toUtf8();
}

const RegKey *RegFile::FindKey(const QString &path) const
{
    const auto at = m_index.constFind(CaselessName{path});
    return at == m_index.cend() ? nullptr : &m_keys[*at];
}

RegKey *RegFile::FindKey(const QString &path)
{
    return const_cast<RegKey *>(std::as_const(*this).FindKey(path));
}

RegKey &RegFile::AddKey(const QString &path)
{
    if (RegKey *key = FindKey(path))
        return *key;
    // The parents come first, as in an export.
    for (const QString &key : KeysDownTo(path)) {
        if (!FindKey(key)) {
            m_index.insert(CaselessName{key}, m_keys.size());
            m_keys.append(RegKey(key));
        }
    }
    return m_keys.last();
}
