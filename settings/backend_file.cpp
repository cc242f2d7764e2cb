#include "settings/backend_file.h"

#include "settings/store.h"
#include "settings/strings.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <thread>
#include <tuple>
#include <unistd.h>

namespace {

const QString Root = QStringLiteral("HKEY_LOCAL_MACHINE\\");

struct timespec Modified(const struct stat &s)
{
#ifdef __APPLE__
    return s.st_mtimespec;
#else
    return s.st_mtim;
#endif
}

struct timespec Changed(const struct stat &s)
{
#ifdef __APPLE__
    return s.st_ctimespec;
#else
    return s.st_ctim;
#endif
}

bool operator==(const struct timespec &a, const struct timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool SameTime(const struct stat &a, const struct stat &b)
{
    return Modified(a) == Modified(b) && Changed(a) == Changed(b);
}

bool SameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size && SameTime(a, b);
}

std::optional<QByteArray> ReadAll(int fd, qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, bytes.data() + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

// The new file takes the owner, group and mode of the one it replaces, so that one run as root in
// the user's folder leaves a file the user may still replace. Only root may give a file away: for
// anyone else the file stays the writer's, in the old group where the writer belongs to it.
void KeepOwnerAndMode(int fd, const struct stat &old)
{
    if (::fchown(fd, old.st_uid, old.st_gid) != 0)
        std::ignore = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    std::ignore = ::fchmod(fd, old.st_mode & 07777);
}

// The longest the program waits for another copy's hold on the settings file in one operation: a
// copy stopped while it holds the lock (in a debugger, or on a network folder that hangs) must not
// stop this one.
constexpr std::chrono::milliseconds LockWait(200);

// An exclusive lock on what path names, opened with flags and waited for until deadline; -1 when
// it cannot be had, and busy then when another holds it still.
int Lock(const QByteArray &path, int flags, std::chrono::steady_clock::time_point deadline,
         bool &busy)
{
    busy = false;
    int fd = ::open(path.constData(), flags | O_CLOEXEC, 0644);
    while (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        } else if (errno != EINTR) {
            busy = errno == EWOULDBLOCK;
            ::close(fd);
            fd = -1;
        }
    }
    return fd;
}

// An exclusive lock beside the settings file, held while one change is made; the system drops it
// when the holder dies.
class WriteLock
{
public:
    explicit WriteLock(const QString &fileName)
        : m_name(QFile::encodeName(fileName + QStringLiteral(".lock")))
    {
        const auto deadline = std::chrono::steady_clock::now() + LockWait;
        bool busy = false;
        // The folder is locked too where it can be (not on every network file system): a tidying
        // tool that removes the lock file while it is held cannot let a second writer in then.
        m_folderFd = Lock(QFile::encodeName(QFileInfo(fileName).absolutePath()),
                          O_RDONLY | O_DIRECTORY, deadline, busy);
        while (!busy) {
            // A lock file that may not be written, or a folder in its place, locks as well read
            // only.
            m_fd = Lock(m_name, O_RDWR | O_CREAT, deadline, busy);
            if (m_fd < 0 && !busy)
                m_fd = Lock(m_name, O_RDONLY, deadline, busy);
            // A lock file removed or replaced before it was locked excludes nobody who opens the
            // name now: the lock is taken again on what the name holds.
            if (m_fd < 0 || IsStillHeld())
                return;
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~WriteLock()
    {
        for (const int fd : {m_fd, m_folderFd}) {
            if (fd >= 0)
                ::close(fd);
        }
    }
    WriteLock(const WriteLock &) = delete;
    WriteLock &operator=(const WriteLock &) = delete;
    bool IsHeld() const { return m_fd >= 0; }
    // Whether the file locked is still the one of the lock's name.
    bool IsStillHeld() const
    {
        struct stat held = {}, named = {};
        return ::fstat(m_fd, &held) == 0 && ::stat(m_name.constData(), &named) == 0 &&
               held.st_dev == named.st_dev && held.st_ino == named.st_ino;
    }

private:
    QByteArray m_name;
    int m_fd = -1;
    int m_folderFd = -1;
};

class FileKey final : public RegistryKey
{
public:
    FileKey(FileBackend &backend, QString path, const RegKey *key)
        : m_backend(backend), m_path(std::move(path)), m_key(key),
          m_generation(backend.Generation())
    {}

    std::optional<QVariant> Read(const QString &name) override
    {
        // The key found when it was opened, unless the file has been read again since.
        if (m_generation != m_backend.Generation()) {
            m_key = m_backend.File().FindKey(m_path);
            m_generation = m_backend.Generation();
        }
        const RegValue *value = m_key ? m_key->Find(name) : nullptr;
        if (const FileBackend::PendingChange *change = m_backend.Pending(m_path, name))
            value = change->value ? &*change->value : nullptr;
        // A REG_DWORD of another length than four bytes is kept as bytes, and reads as missing
        // too.
        if (!value || (value->type != RegSz && value->type != RegDword) ||
            value->data.typeId() == QMetaType::QByteArray)
            return std::nullopt;
        return value->data;
    }
    QString Write(const QString &name, const QVariant &data) override
    {
        // A value that already reads so takes no lock, which another copy may hold.
        if (const std::optional<QVariant> old = Read(name);
            old && old->typeId() == data.typeId() && *old == data)
            return {};
        const quint32 type = data.typeId() == QMetaType::QString ? RegSz : RegDword;
        return m_backend.Change({m_path, name, RegValue{name, type, data}});
    }
    QString Delete(const QString &name) override
    {
        return m_backend.Change({m_path, name, std::nullopt});
    }

private:
    FileBackend &m_backend;
    QString m_path;
    const RegKey *m_key;
    quint64 m_generation;
};

} // namespace

FileBackend::FileBackend(QString fileName)
    : m_fileName(std::move(fileName)), m_nativeName(QFile::encodeName(m_fileName))
{}

FileBackend::~FileBackend()
{
    if (m_heldFd >= 0)
        ::close(m_heldFd);
}

QString FileBackend::CreateKey(const QString &path)
{
    const QString fullPath = Root + path;
    Refresh(false);
    if (m_file.FindKey(fullPath))
        return {};
    if (!QDir().mkpath(QFileInfo(m_fileName).absolutePath()))
        return LoadResString(382);
    return Change([&](RegFile &file) {
        if (file.FindKey(fullPath))
            return false;
        file.AddKey(fullPath);
        return true;
    });
}

std::unique_ptr<RegistryKey> FileBackend::OpenKey(const QString &path)
{
    Refresh(false);
    const QString fullPath = Root + path;
    const RegKey *key = m_file.FindKey(fullPath);
    if (!key)
        return nullptr;
    return std::make_unique<FileKey>(*this, fullPath, key);
}

QString FileBackend::NoKeyProblem() const
{
    // A key that a damaged file lost reads as missing too; the damage is what is worth saying.
    return LoadResString(m_readable && !m_file.IsDamaged() ? 379 : 383);
}

const FileBackend::PendingChange *FileBackend::Pending(const QString &path,
                                                       const QString &name) const
{
    const auto same = [&](const PendingChange &change) {
        return change.name.compare(name, Qt::CaseInsensitive) == 0 &&
               change.path.compare(path, Qt::CaseInsensitive) == 0;
    };
    const auto last = std::find_if(m_pending.rbegin(), m_pending.rend(), same);
    return last == m_pending.rend() ? nullptr : &*last;
}

QString FileBackend::Change(PendingChange change)
{
    m_pending.push_back(std::move(change));
    return Change([](RegFile &) { return false; });
}

QString FileBackend::StorePending()
{
    return m_pending.empty() ? QString() : Change([](RegFile &) { return false; });
}

QStringList FileBackend::Unstored() const
{
    QStringList names;
    for (const PendingChange &change : m_pending) {
        const QString name = change.path.section(u'\\', -1) + u'\\' +
                             (change.name.isEmpty() ? QStringLiteral("@") : change.name);
        if (!names.contains(name))
            names.append(name);
    }
    return names;
}

QString FileBackend::Change(const std::function<bool(RegFile &)> &edit)
{
    for (;;) {
        const WriteLock lock(m_fileName);
        // A change another copy keeps from the file waits for the next one that gets the lock.
        if (!lock.IsHeld())
            return LoadResString(m_pending.empty() ? 381 : 386);
        RemoveStrays();
        // Another copy of the program may have written since the last read: change what is
        // there now, the changes kept back first, in the order they were made.
        Refresh(true);
        const std::vector<PendingChange> pending = std::exchange(m_pending, {});
        if (!m_readable)
            return LoadResString(383);
        bool changed = false;
        for (const PendingChange &each : pending) {
            if (RegKey *key = m_file.FindKey(each.path); key && each.value) {
                const RegValue *old = key->Find(each.name);
                changed |= !old || old->type != each.value->type || old->data != each.value->data;
                key->Set(*each.value);
            } else if (key) {
                changed |= key->Remove(each.name);
            }
        }
        if (!edit(m_file) && !changed)
            return {};
        m_bytes.reset(); // m_file no longer stands for them
        // A file the program would refuse to read back, for its size or anything else, is not
        // written, nor is a damaged file replaced before it is kept aside.
        const QByteArray bytes = m_file.Serialise();
        RegFile written = RegFile::Parse(bytes);
        QString problem;
        if (bytes.size() > MaxFileSize || written.IsDamaged()) {
            problem = LoadResString(380);
        } else if (m_file.IsDamaged() && m_heldFd >= 0 && !KeepDamagedFileAside()) {
            problem = LoadResString(384);
        } else {
            // The new file reaches the disk before it is renamed over the old one. The commit
            // flushes it too, but does not say when that fails, and a change the disk did not
            // take must not read as saved.
            QSaveFile out(m_fileName);
            if (out.open(QIODevice::WriteOnly) && m_heldFd >= 0)
                KeepOwnerAndMode(out.handle(), m_heldStat);
            if (!out.isOpen() || out.write(bytes) != bytes.size() || !out.flush() ||
                ::fdatasync(out.handle()) != 0) {
                problem = LoadResString(382);
            } else if (!lock.IsStillHeld()) {
                // The lock file was removed meanwhile, which let another writer in: the change
                // is made again on what that writer left.
                m_pending = pending;
                continue;
            } else {
                // The new file is what was just written: kept open, it needs only its identity
                // taken once the rename has given it its last change time, not a second read.
                const int fd = ::fcntl(out.handle(), F_DUPFD_CLOEXEC, 0);
                const bool committed = out.commit();
                struct stat now = {};
                if (committed && fd >= 0 && ::fstat(fd, &now) == 0) {
                    Replace(std::move(written), true, fd, now);
                    m_bytes = bytes;
                    return {};
                }
                if (fd >= 0)
                    ::close(fd);
                if (!committed)
                    problem = LoadResString(382);
            }
        }
        // Whether the change landed or not, what is read next is what the file holds.
        Refresh(true);
        return problem;
    }
}

void FileBackend::Refresh(bool force)
{
    struct stat now = {};
    if (::stat(m_nativeName.constData(), &now) != 0) {
        // A missing file is an empty registry; a path that cannot even be looked at is not.
        Replace(RegFile(), errno == ENOENT, -1, now);
        return;
    }
    if (!force && m_heldFd >= 0 && SameFile(now, m_heldStat))
        return;

    // Without blocking, so that a pipe put in the file's place cannot stop the program.
    const int fd = ::open(m_nativeName.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    std::optional<QByteArray> bytes;
    if (fd >= 0 && ::fstat(fd, &now) == 0 && S_ISREG(now.st_mode))
        bytes = now.st_size > MaxFileSize ? QByteArray() : ReadAll(fd, now.st_size);
    if (!bytes) {
        if (fd >= 0)
            ::close(fd);
        Replace(RegFile(), false, -1, now);
        return;
    }
    // The bytes last read or written are not parsed again (a store write reads the file afresh
    // each time): only the file held open changes.
    if (bytes == m_bytes) {
        Hold(fd, now);
        return;
    }
    // The limit holds for the file as it would be written back, where a text beyond ASCII takes
    // three to six bytes for each of its own: a file read can always be written again.
    RegFile file = RegFile::Parse(*bytes);
    const bool fits = now.st_size <= MaxFileSize && file.Serialise().size() <= MaxFileSize;
    Replace(fits ? std::move(file) : RegFile::Damaged(), true, fd, now);
    if (fits)
        m_bytes = std::move(bytes);
}

void FileBackend::Replace(RegFile file, bool readable, int heldFd, const struct stat &heldStat)
{
    m_file = std::move(file);
    m_bytes.reset();
    ++m_generation;
    m_readable = readable;
    Hold(heldFd, heldStat);
}

void FileBackend::Hold(int fd, const struct stat &identity)
{
    if (m_heldFd >= 0)
        ::close(m_heldFd);
    m_heldFd = fd;
    m_heldStat = identity;
}

void FileBackend::RemoveStrays() const
{
    // A writer killed between naming its new file and renaming it over the settings file leaves
    // it beside, named after the file and six letters drawn from both cases; while the lock is
    // held, none is being written. A name a person gives a copy ("registry.reg.backup") is in one
    // case and stays.
    // The names are matched here rather than by a name filter, which would build a pattern of
    // its own at every save.
    static const QRegularExpression letters(
        QRegularExpression::anchoredPattern("(?=.*[a-z])(?=.*[A-Z])[A-Za-z]{6}"));
    const QFileInfo info(m_fileName);
    const QString prefix = info.fileName() + u'.';
    QDirIterator names(info.absolutePath(), QDir::Files | QDir::Hidden | QDir::System);
    while (names.hasNext()) {
        const QString path = names.next();
        const QString name = names.fileName();
        if (name.size() == prefix.size() + 6 && name.startsWith(prefix) &&
            letters.match(QStringView(name).last(6)).hasMatch())
            QFile::remove(path);
    }
}

bool FileBackend::KeepDamagedFileAside() const
{
    // A damaged file that cannot be replaced is kept aside once, not again at every save: a link
    // kept is the file itself, a copy has its size and modification time.
    const QFileInfo info(m_fileName);
    for (const QFileInfo &kept : info.absoluteDir().entryInfoList(
             {info.fileName() + QStringLiteral(".damaged-*")}, QDir::Files | QDir::Hidden)) {
        struct stat each = {};
        if (::stat(QFile::encodeName(kept.filePath()).constData(), &each) == 0 &&
            ((each.st_dev == m_heldStat.st_dev && each.st_ino == m_heldStat.st_ino) ||
             (each.st_size == m_heldStat.st_size && Modified(each) == Modified(m_heldStat))))
            return true;
    }
    const QString stem = m_fileName + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stem;
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = stem + u'-' + QString::number(n);
    // A hard link keeps even a huge file aside at once (the file itself, where the settings file is
    // a symbolic link to it); a copy where links are not possible.
    const QByteArray nativeAside = QFile::encodeName(aside);
    const struct timespec times[] = {{0, UTIME_OMIT}, Modified(m_heldStat)};
    const bool kept = ::linkat(AT_FDCWD, m_nativeName.constData(), AT_FDCWD,
                               nativeAside.constData(), AT_SYMLINK_FOLLOW) == 0 ||
                      (QFile::copy(m_fileName, aside) &&
                       ::utimensat(AT_FDCWD, nativeAside.constData(), times, 0) == 0);
    if (kept)
        qWarning("Tarvo Pigmenta: the settings file %s was damaged; it is kept as %s",
                 qPrintable(m_fileName), qPrintable(aside));
    return kept;
}

namespace {

// No settings file at all: every read gives its default, every change is refused.
class NoSettingsFile final : public SettingsBackend
{
public:
    QString CreateKey(const QString &) override { return NoKeyProblem(); }
    std::unique_ptr<RegistryKey> OpenKey(const QString &) override { return nullptr; }
    QString NoKeyProblem() const override { return LoadResString(385); }
};

} // namespace

std::unique_ptr<SettingsBackend> DefaultSettingsBackend()
{
    // Without a home folder the file would land at the root of the file system (/.config, for a
    // program run as root): the program keeps no settings then, runs with its defaults and says
    // why.
    if (qEnvironmentVariableIsEmpty("HOME") && qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
        qWarning("Tarvo Pigmenta: %s", qPrintable(LoadResString(385)));
        return std::make_unique<NoSettingsFile>();
    }
    return std::make_unique<FileBackend>(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/Tarvo/registry.reg"));
}
