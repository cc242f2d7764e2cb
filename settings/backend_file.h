#pragma once

#include "settings/backend.h"
#include "settings/regfile.h"

#include <QString>
#include <functional>
#include <optional>
#include <sys/stat.h>
#include <vector>

// The settings file that stands for the registry where there is none. Every operation sees the
// file as it is now, so two running copies share it as they would share the registry; every
// change is made under a lock on a fresh read and lands in one atomic rename, so a crash leaves
// the old file or the new one and concurrent writers lose nothing.
class FileBackend final : public SettingsBackend
{
public:
    explicit FileBackend(QString fileName);
    ~FileBackend() override;
    FileBackend(const FileBackend &) = delete;
    FileBackend &operator=(const FileBackend &) = delete;

    QString CreateKey(const QString &path) override;
    std::unique_ptr<RegistryKey> OpenKey(const QString &path) override;
    QString NoKeyProblem() const override;
    QString StorePending() override;
    QStringList Unstored() const override;

    // For the keys it hands out: the file as last read, which changes with every new reading (and
    // the generation with it), and a change under the lock, which gives why it could not be made.
    const RegFile &File() const { return m_file; }
    quint64 Generation() const { return m_generation; }
    QString Change(const std::function<bool(RegFile &)> &edit);

    // A value written (or, without one, deleted) in the key at path. One that another copy's hold
    // on the lock kept from the file waits in memory, is read as made, and is made before the
    // next change that gets the lock.
    struct PendingChange
    {
        QString path;
        QString name;
        std::optional<RegValue> value;
    };
    QString Change(PendingChange change);
    // The last change of the value kept back, or null.
    const PendingChange *Pending(const QString &path, const QString &name) const;

    // The largest file read or written, as the program writes it; anything larger is no settings
    // file and is only kept aside.
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;

private:
    // Reads the file again when it is not the one last read, or always when forced.
    void Refresh(bool force);
    // Takes file as the one last read, holding heldFd (or none, -1) open.
    void Replace(RegFile file, bool readable, int heldFd, const struct stat &heldStat);
    // Holds fd (or none, -1) open as the file of that identity, closing the one held before.
    void Hold(int fd, const struct stat &identity);
    bool KeepDamagedFileAside() const;
    void RemoveStrays() const;

    QString m_fileName;
    QByteArray m_nativeName; // m_fileName as the system calls take it
    RegFile m_file;
    // The bytes m_file was read from or written as, while it stands for them.
    std::optional<QByteArray> m_bytes;
    quint64 m_generation = 0;
    std::vector<PendingChange> m_pending;
    // True while m_file stands for the file on disk (which may be missing); false when the file
    // exists but could not be read, which forbids replacing it.
    bool m_readable = false;
    // The file last read stays open, so that its inode cannot be reused by a later file and the
    // identity check below stays sound.
    int m_heldFd = -1;
    struct stat m_heldStat = {};
};
