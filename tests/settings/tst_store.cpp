#include "settings/backend_file.h"
#include "settings/schema.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <sys/file.h>
#include <sys/stat.h>

namespace {

const QByteArray SettingsSection =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Tarvo\\Pigmenta R4\\Settings]\r\n";

QByteArray Contents(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList KeptAside(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("registry.reg.damaged-*")}, QDir::Files);
}

} // namespace

class tst_Store : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_file;

    // A second copy of the program sharing the file.
    QVariant ReadAfresh(const SettingsValue &value)
    {
        SetSettingsBackend(std::make_unique<FileBackend>(m_file));
        return GetValue(value);
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_file = m_dir->filePath(QStringLiteral("registry.reg"));
        SetSettingsBackend(std::make_unique<FileBackend>(m_file));
    }

    // Every value where the file has it, with its default on a clean machine and a value stored
    // by another program.
    void schemaAsStored_data()
    {
        QTest::addColumn<SettingsValue>("value");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("fallback");
        const QString program = "Software\\Tarvo\\Pigmenta R4\\";
        const QString old = "Software\\Tarvo\\Pigmentist\\";
        const QString body = "Tarvo Pigmenta Release 4, for easy HTML colour conversion from your "
                             "computer to your browser.\r\n";
        const std::tuple<SettingsValue, QString, const char *, QVariant> rows[] = {
            {Schema::Left, program + "Position", "Left", {}},
            {Schema::Top, program + "Position", "Top", {}},
            {Schema::AlwaysOnTop, program + "Settings", "Always On Top", 0},
            {Schema::Splash, program + "Settings", "Splash", -1},
            {Schema::Precision, program + "Settings", "Precision", 3},
            {Schema::Copy, program + "Settings", "Copy", 74},
            {Schema::TagCopy, program + "Settings", "Tag Copy", 1},
            {Schema::RgbCopy, program + "Settings", "RGB Copy", 1},
            {Schema::HtmlTagCopy, program + "Settings", "HTML Tag Copy", 1},
            {Schema::CssTagCopy, program + "Settings", "CSS Tag Copy", 1},
            {Schema::Alert, program + "Settings", "Alert", -1},
            {Schema::View, program + "Settings", "View", 7},
            {Schema::Palette, program + "Settings", "Palette", 10},
            {Schema::ColourType, program + "Settings", "Colour Type", 1},
            {Schema::CopyTab, program + "Settings", "Copy Tab", 1},
            {Schema::FontName, program + "Settings", "Font Name", "Times New Roman"},
            {Schema::HeadingText, program + "Settings", "Heading", "Tarvo Pigmenta"},
            {Schema::LinkText, program + "Settings", "Link", "https://pigmenta.example.org/"},
            {Schema::FontText, program + "Settings", "Font", body},
            {Schema::TrueColour, program + "Colours", "True Colour", 0},
            {Schema::SafeColour, program + "Colours", "Safe Colour", 0},
            {Schema::BackgroundColour, program + "Colours", "Background", 0xFFFFFF},
            {Schema::FontColour, program + "Colours", "Font", 0},
            {Schema::HeadingColour, program + "Colours", "Heading", 0},
            {Schema::ActiveLinkColour, program + "Colours", "Active Link", 255},
            {Schema::LinkColour, program + "Colours", "Link", 0xFF0000},
            {Schema::HoverColour, program + "Colours", "Hover", 39168},
            {Schema::CssForm, program + "Extras", "CSS Form", 12},
            {Schema::Swatch(0), program + "Colours", "0", {}},
            {Schema::OldAlwaysOnTop, old + "Settings", "Always On Top", {}},
            {Schema::OldShowSplash, old + "Settings", "Show Splashscreen", {}},
            {Schema::OldCopyAs, old + "Settings", "Copy As", 0},
            {Schema::OldColour, old + "Settings", "Colour1", {}},
            {Schema::OldCustomColour(1), old + "Custom Colours", "1", -1},
        };
        for (const auto &[value, key, name, fallback] : rows)
            QTest::addRow("%s %s", qPrintable(key.section(u'\\', -1)), name)
                << value << key << name << fallback;
    }
    void schemaAsStored()
    {
        QFETCH(SettingsValue, value);
        QFETCH(QString, key);
        QFETCH(QString, name);
        QFETCH(QVariant, fallback);
        QCOMPARE(GetValue(value), fallback);
        CreateProgramKeys();
        QCOMPARE(GetValue(value), fallback);

        const bool text = value.type == RegSz;
        const QString line = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_LOCAL_MACHINE\\" +
                             key + "]\r\n\"" + name + "\"=";
        Write(m_file, (line + (text ? "\"stored\"" : "dword:00123456")).toUtf8());
        QCOMPARE(ReadAfresh(value), text ? QVariant("stored") : QVariant(0x123456));
    }

    void storedValuesReadBackExactly_data()
    {
        QTest::addColumn<const SettingsValue *>("value");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("read");
        const auto row = [](const char *name, const SettingsValue &value, QVariant stored,
                            QVariant read) { QTest::newRow(name) << &value << stored << read; };
        row("empty text is a value", Schema::HeadingText, "", "");
        row("a number in a text's place", Schema::HeadingText, "-7", "-7");
        const QString text = QStringLiteral("Line \"one\"\r\nC:\\path\\ Größe ñ 日本 \\\"");
        row("awkward text", Schema::FontText, text, text);
        row("true is -1", Schema::AlwaysOnTop, true, -1);
        row("false is 0", Schema::Alert, false, 0);
        row("half to even, down", Schema::Precision, 2.5, 2);
        row("half to even, up", Schema::Precision, 3.5, 4);
        row("system colour reference", Schema::BackgroundColour, qint64(0x8000000F),
            int(0x8000000Fu));
        // Text in a number's place reads as a number only when it is wholly a whole number within
        // 32 bits; else as the default ("Copy" 74).
        const std::pair<const char *, int> texts[] = {
            {"79", 79},   {"007", 7}, {"+79", 74},        {" 79", 74},
            {"79\n", 74}, {"7a", 74}, {"", 74},           {"-", 74},
            {"0x4F", 74}, {"٧٩", 74}, {"2147483648", 74}, {"-2147483648", INT_MIN}};
        for (const auto &[text, read] : texts)
            QTest::addRow("text %s", text) << static_cast<const SettingsValue *>(&Schema::Copy)
                                           << QVariant(QString::fromUtf8(text)) << QVariant(read);
    }
    void storedValuesReadBackExactly()
    {
        QFETCH(const SettingsValue *, value);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, read);
        CreateProgramKeys();
        SaveValue(value->key, value->name, stored,
                  stored.typeId() == QMetaType::QString ? RegSz : RegDword);
        QCOMPARE(GetValue(*value), read);
        QCOMPARE(ReadAfresh(*value), read);
    }

    // Unknown values and keys are kept, a value of another type too; names compare without case.
    void unknownValuesAreKept()
    {
        const QByteArray view = "\"View\"=hex(2):33,00,00,00";
        Write(m_file, "Windows Registry Editor Version 5.00\r\n\r\n"
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARVO\\PIGMENTA R4\\SETTINGS]\r\n"
                      "\"COPY\"=dword:00000002\r\n" +
                          view + "\r\n\"Keep\"=\"x\"\r\n\r\n[HKEY_CURRENT_USER\\Other]\r\n");
        QCOMPARE(GetValue(Schema::View), QVariant(7));
        QCOMPARE(GetValue(Schema::Copy), QVariant(2));
        SaveValue(Schema::Copy, 3);
        const QByteArray after = Contents(m_file);
        QCOMPARE(after.count("COPY"), 1);
        QVERIFY(after.contains(view + "\r\n\"Keep\"=\"x\"\r\n\r\n[HKEY_CURRENT_USER\\Other]"));
    }

    // Changes kept back by another's hold on the lock read as made and are written in order.
    void deleteValue()
    {
        CreateProgramKeys();
        SaveValue(Schema::Swatch(5), 0x123456);
        auto lock = std::make_unique<QFile>(m_file + ".lock");
        QVERIFY(lock->open(QIODevice::ReadWrite) && ::flock(lock->handle(), LOCK_EX) == 0);
        DeleteValue(Schema::Swatch(5));
        SaveValue(Schema::Swatch(6), 1);
        DeleteValue(Schema::Swatch(6));
        QCOMPARE(GetValue(Schema::Swatch(5)), QVariant());
        QVERIFY(Contents(m_file).contains("\"5\"=dword:00123456"));
        lock.reset();
        DeleteValue(Schema::Swatch(7));
        const QByteArray written = Contents(m_file);
        QVERIFY(!written.contains("\"5\"=") && !written.contains("\"6\"="));
        DeleteValue(Schema::Swatch(7));
        QCOMPARE(Contents(m_file), written);
    }

    void eachReadSeesTheFileAsItIsNow()
    {
        CreateProgramKeys();
        FileBackend other(m_file);
        SaveValue(Schema::Copy, 1);
        other.OpenKey(Schema::SettingsKey)->Write("Copy", 2);
        QCOMPARE(GetValue(Schema::Copy), QVariant(2));
        // An edit by hand, in place and of the same size: only the change time tells.
        QByteArray text = Contents(m_file);
        text.replace("\"Copy\"=dword:00000002", "\"Copy\"=dword:00000003");
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.write(text);
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                 QFileDevice::FileModificationTime));
        file.close();
        QCOMPARE(GetValue(Schema::Copy), QVariant(3));
    }

    // Sixty-four values from each of two writers, written as fast as they can at the same time,
    // also while a tidying tool removes the lock file, or with a folder in its place.
    void concurrentWritersLoseNothing_data()
    {
        QTest::addColumn<QString>("lock");
        for (const char *lock : {"file", "removed", "folder"})
            QTest::newRow(lock) << lock;
    }
    void concurrentWritersLoseNothing()
    {
        QFETCH(QString, lock);
        QVERIFY(lock != "folder" || QDir().mkdir(m_file + ".lock"));
        QProcess first, second;
        first.start(STORE_WRITER, {m_file, "0", "64"});
        second.start(STORE_WRITER, {m_file, "64", "64"});
        while (first.state() != QProcess::NotRunning || second.state() != QProcess::NotRunning) {
            if (lock == "removed")
                QFile::remove(m_file + ".lock");
            first.waitForFinished(1);
            second.waitForFinished(1);
        }
        QCOMPARE(first.exitCode() + second.exitCode(), 0);
        for (int index = 0; index < 128; ++index)
            QCOMPARE(GetValue(Schema::Swatch(index)), QVariant(1000 + index));
        QVERIFY(!RegFile::Parse(Contents(m_file)).IsDamaged());
    }

    // A damaged file, here behind a link, keeps what it held up to the damage ("Font Name" Arial)
    // until the first write, which keeps the file aside as it was and writes a whole one.
    void damagedFileIsKeptAside()
    {
        const QByteArray bytes =
            SettingsSection + "\"Font Name\"=\"Arial\"\r\n\"Heading\"=\"Tarvo Pig";
        Write(m_dir->filePath("elsewhere"), bytes);
        QVERIFY(QFile::link(m_dir->filePath("elsewhere"), m_file));
        QCOMPARE(GetValue(Schema::FontName), QVariant("Arial"));
        QCOMPARE(GetValue(Schema::Copy), QVariant(74));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged; it is kept as .*damaged-"));
        CreateProgramKeys();
        SaveValue(Schema::Copy, 1);
        const QStringList aside = KeptAside(m_dir->path());
        QCOMPARE(aside.size(), 1);
        QCOMPARE(Contents(m_dir->filePath(aside[0])), bytes);
        QVERIFY(!RegFile::Parse(Contents(m_file)).IsDamaged());
        QCOMPARE(ReadAfresh(Schema::Copy), QVariant(1));
        QCOMPARE(GetValue(Schema::FontName), QVariant("Arial"));
        SaveValue(Schema::Copy, 2); // the repaired file is not kept aside again
        QCOMPARE(KeptAside(m_dir->path()).size(), 1);
    }

    void unusableLocationGivesDefaults_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("config home is a file") << "file";
        QTest::newRow("settings file is a folder") << "folder";
        QTest::newRow("settings file is a pipe") << "pipe";
    }
    void unusableLocationGivesDefaults()
    {
        QFETCH(QString, problem);
        QString fileName;
        if (problem == "file") {
            Write(m_dir->filePath("home"), "not a folder");
            fileName = m_dir->filePath("home/Tarvo/registry.reg");
        } else if (problem == "folder") {
            QVERIFY(QDir(m_dir->path()).mkpath("Tarvo/registry.reg"));
            fileName = m_dir->filePath("Tarvo/registry.reg");
        } else {
            fileName = m_file;
            QCOMPARE(::mkfifo(QFile::encodeName(fileName).constData(), 0644), 0);
        }
        SetSettingsBackend(std::make_unique<FileBackend>(fileName));
        CreateProgramKeys();
        SaveValue(Schema::Copy, 1);
        DeleteValue(Schema::Copy);
        QCOMPARE(GetValue(Schema::Copy), QVariant(74));
        QCOMPARE(GetValue(Schema::FontName), QVariant("Times New Roman"));
        if (problem == "file")
            QCOMPARE(Contents(m_dir->filePath("home")), "not a folder");
        if (problem == "folder")
            QVERIFY(QFileInfo(fileName).isDir());
    }
};

QTEST_GUILESS_MAIN(tst_Store)
#include "tst_store.moc"
