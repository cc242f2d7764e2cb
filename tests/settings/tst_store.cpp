#include "settings/backend_file.h"
#include "settings/schema.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

const QByteArray SettingsSection =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_LOCAL_MACHINE\\Software\\Tarvo\\Pigmenta R4\\Settings]\r\n";

void CreateProgramKeys()
{
    for (const QString &key :
         {Schema::ProgramKey, Schema::PositionKey, Schema::SettingsKey, Schema::ColoursKey})
        CreateKey(key);
}

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

    void cleanMachineGivesDefaults_data()
    {
        QTest::addColumn<bool>("keysCreated");
        QTest::newRow("no file") << false;
        QTest::newRow("keys created") << true;
    }
    void cleanMachineGivesDefaults()
    {
        QFETCH(bool, keysCreated);
        if (keysCreated)
            CreateProgramKeys();
        const std::pair<const SettingsValue *, QVariant> defaults[] = {
            {&Schema::AlwaysOnTop, 0},
            {&Schema::Splash, -1},
            {&Schema::Precision, 3},
            {&Schema::Copy, 74},
            {&Schema::TagCopy, 1},
            {&Schema::RgbCopy, 1},
            {&Schema::HtmlTagCopy, 1},
            {&Schema::CssTagCopy, 1},
            {&Schema::Alert, -1},
            {&Schema::View, 7},
            {&Schema::Palette, 10},
            {&Schema::ColourType, 1},
            {&Schema::CopyTab, 1},
            {&Schema::FontName, "Times New Roman"},
            {&Schema::HeadingText, "Tarvo Pigmenta"},
            {&Schema::LinkText, "https://pigmenta.example.org/"},
            {&Schema::FontText, "Tarvo Pigmenta Release 4, for easy HTML colour conversion from "
                                "your computer to your browser.\r\n"},
            {&Schema::TrueColour, 0},
            {&Schema::SafeColour, 0},
            {&Schema::BackgroundColour, 0xFFFFFF},
            {&Schema::FontColour, 0},
            {&Schema::HeadingColour, 0},
            {&Schema::ActiveLinkColour, 255},
            {&Schema::LinkColour, 0xFF0000},
            {&Schema::HoverColour, 39168},
        };
        for (const auto &[value, expected] : defaults)
            QCOMPARE(GetValue(*value), expected);
        QCOMPARE(GetValue(Schema::Left, 1234), QVariant(1234));
        QCOMPARE(GetValue(Schema::Swatch(63)), QVariant());
        QCOMPARE(QFileInfo::exists(m_file), keysCreated);
    }

    void defaultLocationFollowsConfigHome()
    {
        qputenv("XDG_CONFIG_HOME", m_dir->path().toLocal8Bit());
        SetSettingsBackend(DefaultSettingsBackend());
        CreateProgramKeys();
        SaveValue(Schema::Copy, 10);
        QVERIFY(
            Contents(m_dir->filePath("Tarvo/registry.reg")).contains("\"Copy\"=dword:0000000a"));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void storedValuesReadBackExactly_data()
    {
        QTest::addColumn<const SettingsValue *>("value");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QVariant>("read");
        QTest::newRow("zero is a value") << &Schema::Splash << QVariant(0) << QVariant(0);
        QTest::newRow("empty text is a value")
            << &Schema::HeadingText << QVariant("") << QVariant("");
        QTest::newRow("negative left") << &Schema::Left << QVariant(-200) << QVariant(-200);
        QTest::newRow("negative top") << &Schema::Top << QVariant(-1) << QVariant(-1);
        const QString text = QStringLiteral("Line \"one\"\r\nC:\\path\\ Größe ñ 日本 \\\"");
        QTest::newRow("awkward text") << &Schema::FontText << QVariant(text) << QVariant(text);
        QTest::newRow("true is -1") << &Schema::AlwaysOnTop << QVariant(true) << QVariant(-1);
        QTest::newRow("false is 0") << &Schema::Alert << QVariant(false) << QVariant(0);
        QTest::newRow("half to even, down") << &Schema::Precision << QVariant(2.5) << QVariant(2);
        QTest::newRow("half to even, up") << &Schema::Precision << QVariant(3.5) << QVariant(4);
        QTest::newRow("low 32 bits")
            << &Schema::TrueColour << QVariant(qint64(0xFFFFFFFF)) << QVariant(-1);
        QTest::newRow("system colour reference")
            << &Schema::BackgroundColour << QVariant(qint64(0x8000000F))
            << QVariant(int(0x8000000Fu));
    }
    void storedValuesReadBackExactly()
    {
        QFETCH(const SettingsValue *, value);
        QFETCH(QVariant, stored);
        QFETCH(QVariant, read);
        CreateProgramKeys();
        SaveValue(*value, stored);
        QCOMPARE(GetValue(*value), read);
        QCOMPARE(ReadAfresh(*value), read);
    }

    void booleanStoredAsOneReadsTrue()
    {
        Write(m_file, SettingsSection + "\"Splash\"=dword:00000001\r\n");
        QVERIFY(GetValue(Schema::Splash).toBool());
    }

    void valueOfAnotherTypeReadsAsDefaultAndIsKept()
    {
        const QByteArray view = "\"View\"=hex(2):33,00,00,00";
        Write(m_file, SettingsSection + view +
                          "\r\n\"Palette\"=\"30\"\r\n"
                          "\"Keep\"=\"unknown to the program\"\r\n"
                          "\r\n[HKEY_CURRENT_USER\\Other]\r\n\"a\"=\"b\"\r\n");
        QCOMPARE(GetValue(Schema::View), QVariant(7));
        QCOMPARE(GetValue(Schema::SettingsKey, "View", 7), QVariant(7));
        QCOMPARE(GetValue(Schema::Palette), QVariant(10));
        SaveValue(Schema::Copy, 10);
        const QByteArray after = Contents(m_file);
        QVERIFY(after.contains(view + "\r\n"));
        QVERIFY(after.contains("\"Keep\"=\"unknown to the program\""));
        QVERIFY(after.contains("[HKEY_CURRENT_USER\\Other]\r\n\"a\"=\"b\""));
        QCOMPARE(GetValue(Schema::Copy), QVariant(10));
    }

    void namesCompareWithoutCase()
    {
        Write(m_file, "Windows Registry Editor Version 5.00\r\n\r\n"
                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\TARVO\\PIGMENTA R4\\SETTINGS]\r\n"
                      "\"COPY\"=dword:00000002\r\n");
        QCOMPARE(GetValue(Schema::Copy), QVariant(2));
        SaveValue(Schema::Copy, 3);
        QCOMPARE(Contents(m_file).count("COPY"), 1);
        QCOMPARE(GetValue(Schema::Copy), QVariant(3));
    }

    void writesNeedTheKey()
    {
        SaveValue(Schema::Copy, 10);
        QVERIFY(!QFileInfo::exists(m_file));
        CreateKey(Schema::ColoursKey);
        SaveValue(Schema::Copy, 10);
        QCOMPARE(GetValue(Schema::Copy), QVariant(74));
    }

    void deleteValue()
    {
        CreateProgramKeys();
        SaveValue(Schema::Swatch(5), 0x123456);
        QCOMPARE(GetValue(Schema::Swatch(5)), QVariant(0x123456));
        DeleteValue(Schema::Swatch(5));
        QCOMPARE(GetValue(Schema::Swatch(5)), QVariant());
        const QByteArray before = Contents(m_file);
        DeleteValue(Schema::Swatch(5));
        QCOMPARE(Contents(m_file), before);
    }

    void eachReadSeesTheFileAsItIsNow()
    {
        CreateProgramKeys();
        FileBackend other(m_file);
        SaveValue(Schema::Copy, 1);
        other.OpenKey(Schema::SettingsKey)->Write("Copy", 2);
        QCOMPARE(GetValue(Schema::Copy), QVariant(2));
        // An edit by hand, in place.
        QByteArray text = Contents(m_file);
        text.replace("\"Copy\"=dword:00000002", "\"Copy\"=dword:00000003\r\n\"View\"=dword:1");
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::ReadWrite));
        file.write(text);
        file.close();
        QCOMPARE(GetValue(Schema::Copy), QVariant(3));
        QCOMPARE(GetValue(Schema::View), QVariant(1));
    }

    void concurrentWritersLoseNothing()
    {
        QProcess first, second;
        first.start(STORE_WRITER, {m_file, "swatches", "0", "32"});
        second.start(STORE_WRITER, {m_file, "swatches", "32", "32"});
        QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
        QCOMPARE(first.exitCode(), 0);
        QCOMPARE(second.exitCode(), 0);
        // Sixty-four values from each of two writers, written at the same time.
        QProcess third, fourth;
        third.start(STORE_WRITER, {m_file, "swatches", "64", "64"});
        fourth.start(STORE_WRITER, {m_file, "swatches", "128", "64"});
        QVERIFY(third.waitForFinished(60000) && fourth.waitForFinished(60000));
        for (int index = 0; index < 192; ++index)
            QCOMPARE(GetValue(Schema::Swatch(index)), QVariant(1000 + index));
        QVERIFY(!RegFile::Parse(Contents(m_file)).IsDamaged());
    }

    void killedWriterLeavesAWholeFile()
    {
        QRandomGenerator random(20261206);
        for (int round = 0; round < 40; ++round) {
            QProcess writer;
            writer.start(STORE_WRITER, {m_file, "loop"});
            QVERIFY(writer.waitForStarted());
            QTRY_VERIFY(GetValue(Schema::HeadingText).toString().size() == 3000);
            QThread::usleep(random.bounded(30000));
            writer.kill();
            QVERIFY(writer.waitForFinished());

            const RegFile file = RegFile::Parse(Contents(m_file));
            QVERIFY(!file.IsDamaged());
            const QString heading = ReadAfresh(Schema::HeadingText).toString();
            QCOMPARE(heading.size(), 3000);
            QCOMPARE(heading.count(heading[0]), 3000);
        }
        QVERIFY(KeptAside(m_dir->path()).isEmpty());
    }

    void damagedFileIsKeptAside_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QVariant>("font"); // "Font Name" read before the first write
        QByteArray garbage(64 * 1024, '\0');
        QRandomGenerator random(7);
        random.fillRange(reinterpret_cast<quint32 *>(garbage.data()), garbage.size() / 4);
        const QByteArray good = "\"Font Name\"=\"Arial\"\r\n";
        QTest::newRow("garbage") << garbage << QVariant("Times New Roman");
        QTest::newRow("truncated line")
            << SettingsSection + good + "\"Heading\"=\"Tarvo Pig" << QVariant("Arial");
        QTest::newRow("missing header") << SettingsSection.mid(38) + good << QVariant("Arial");
        QByteArray huge = SettingsSection + good;
        huge.append(QByteArray(50 * 1024 * 1024, 'x'));
        QTest::newRow("50 MB") << huge << QVariant("Times New Roman");
    }
    void damagedFileIsKeptAside()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QVariant, font);
        Write(m_file, bytes);
        QCOMPARE(GetValue(Schema::FontName), font);
        QCOMPARE(GetValue(Schema::Copy), QVariant(74));

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("damaged; it is kept as .*damaged-"));
        CreateProgramKeys();
        SaveValue(Schema::Copy, 1);
        const QStringList aside = KeptAside(m_dir->path());
        QCOMPARE(aside.size(), 1);
        QCOMPARE(
            QCryptographicHash::hash(Contents(m_dir->filePath(aside[0])), QCryptographicHash::Sha1),
            QCryptographicHash::hash(bytes, QCryptographicHash::Sha1));
        QVERIFY(!RegFile::Parse(Contents(m_file)).IsDamaged());
        QCOMPARE(ReadAfresh(Schema::Copy), QVariant(1));
        QCOMPARE(GetValue(Schema::FontName), font);
        SaveValue(Schema::Copy, 2); // the repaired file is not kept aside again
        QCOMPARE(KeptAside(m_dir->path()).size(), 1);
    }

    void unusableLocationGivesDefaults_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("config home is a file") << "file";
        QTest::newRow("settings file is a folder") << "folder";
        QTest::newRow("under /proc") << "proc";
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
            fileName = QStringLiteral("/proc/self/Tarvo/registry.reg");
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
