#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QVariant>

// The registry-export text that the Windows registry editor reads and writes, as the settings file
// holds it where there is no registry: keys with typed values. Reading is lenient (whatever parses
// is kept, the rest marks the file damaged); writing follows the editor's own format, so that
// files move between the two. Key paths and value names compare case-insensitively.

// A key path or value name as a hash key that ignores letter case, as the registry does.
struct CaselessName
{
    QString text;
    friend bool operator==(const CaselessName &a, const CaselessName &b)
    {
        return a.text.compare(b.text, Qt::CaseInsensitive) == 0;
    }
};
size_t qHash(const CaselessName &name, size_t seed = 0);

// One value of a key.
struct RegValue
{
    QString name;    // as spelled; empty for the key's default value "@"
    quint32 type{0}; // 1 REG_SZ, 4 REG_DWORD; any other type is kept as its bytes
    QVariant data;   // QString for REG_SZ, qint32 for REG_DWORD, QByteArray otherwise
};

// One key with its values, in the order of the file.
class RegKey
{
public:
    explicit RegKey(QString path) : m_path(std::move(path)) {}

    const QString &Path() const { return m_path; }
    const QList<RegValue> &Values() const { return m_values; }
    const RegValue *Find(const QString &name) const;
    void Set(RegValue value); // replaces a value of the same name, keeping its spelling
    bool Remove(const QString &name);

private:
    QString m_path;
    QList<RegValue> m_values;
    QHash<CaselessName, qsizetype> m_index; // position in m_values
};

class RegFile
{
public:
    // Never fails: what does not parse is left out and the file counts as damaged.
    static RegFile Parse(QByteArrayView bytes);
    // An empty file that counts as damaged, for contents that are not even looked at.
    static RegFile Damaged();

    QByteArray Serialise() const;
    bool IsDamaged() const { return m_damaged; }
    // Every key, parents before their subkeys, in the order they were read or added.
    const QList<RegKey> &Keys() const { return m_keys; }

    // path is the full path, root included ("HKEY_LOCAL_MACHINE\Software\...").
    const RegKey *FindKey(const QString &path) const;
    RegKey *FindKey(const QString &path);
    // The key, created with its missing parents when it does not exist.
    RegKey &AddKey(const QString &path);

private:
    QList<RegKey> m_keys;
    QHash<CaselessName, qsizetype> m_index; // position in m_keys
    bool m_damaged = false;
};
