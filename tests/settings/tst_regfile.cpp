#include "settings/regfile.h"

#include <QTest>

namespace {

const QString Key = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Tarvo\\Pigmenta R4\\Settings");

QByteArray FileWith(const QByteArray &lines)
{
    return "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\Software\\Tarvo\\Pigmenta R4\\Settings]\r\n" +
           lines + "\r\n";
}

const RegValue *Value(const RegFile &file, const QString &key, const QString &name)
{
    const RegKey *found = file.FindKey(key);
    return found ? found->Find(name) : nullptr;
}

// What the Windows registry editor writes: UTF-16LE with a byte-order mark, CR LF line ends.
QByteArray Utf16Export(const QString &text)
{
    QByteArray bytes("\xFF\xFE", 2);
    for (QChar ch : text) {
        bytes.append(char(ch.unicode() & 0xFF));
        bytes.append(char(ch.unicode() >> 8));
    }
    return bytes;
}

} // namespace

class tst_RegFile : public QObject
{
    Q_OBJECT

private slots:
    void valueForms_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QVariant>("data");
        auto row = [](const char *name, QByteArrayView line, const char *valueName, uint type,
                      const QVariant &data) {
            QTest::newRow(name) << line.toByteArray() << QString(valueName) << type << data;
        };
        row("dword", "\"Copy\"=dword:0000004a", "Copy", 4, 74);
        row("negative dword", "\"Left\"=dword:ffffff38", "Left", 4, -200);
        row("escaped text", "\"Esc\\\"aped\"=\"a \\\"b\\\" c:\\\\d\\\\\"", "Esc\"aped", 1,
            "a \"b\" c:\\d\\");
        row("default value", "@=\"x\"", "", 1, "x");
        row("binary", "\"Bin\"=hex:01,ff", "Bin", 3, QByteArray("\x01\xff", 2));
        row("hex text", "\"Font\"=hex(1):41,00,0d,00,0a,00,00,00", "Font", 1, "A\r\n");
        row("hex text opening with a byte-order mark", "\"Font\"=hex(1):ff,fe,41,00,00,00", "Font",
            1, QStringLiteral("\uFEFFA"));
        row("text read up to a NUL", QByteArray("\"Font\"=\"ab\0\1cd\"", 15), "Font", 1, "ab");
        row("hex dword", "\"Copy\"=hex(4):4a,00,00,00", "Copy", 4, 74);
        row("continued lines", "\"Long\"=hex(2):41,00,\\\r\n  42,00,\\\r\n  00,00", "Long", 2,
            QByteArray("A\0B\0\0\0", 6));
    }
    void valueForms()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, name);
        QFETCH(uint, type);
        QFETCH(QVariant, data);
        const RegFile file = RegFile::Parse(FileWith(line));
        QVERIFY(!file.IsDamaged());
        const RegValue *value = Value(file, Key, name);
        QVERIFY(value);
        QCOMPARE(value->name, name);
        QCOMPARE(value->type, type);
        QCOMPARE(value->data, data);

        // Written and read again, every form comes back as it was.
        const RegFile again = RegFile::Parse(file.Serialise());
        QCOMPARE(Value(again, Key, name)->data, data);
        QCOMPARE(Value(again, Key, name)->type, type);
    }

    void damagedFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("damaged");
        QTest::addColumn<bool>("copyRead"); // the good line "Copy"=dword:0000004a
        auto row = [](const char *name, const QByteArray &bytes, bool damaged, bool copyRead) {
            QTest::newRow(name) << bytes << damaged << copyRead;
        };
        const QByteArray good = "\"Copy\"=dword:0000004a";
        row("no header", FileWith(good).mid(38), true, true);
        row("truncated text", FileWith("\"Font Name\"=\"Times New\r\n" + good), true, true);
        row("truncated dword", FileWith(good + "\r\n\"View\"=dword:"), true, true);
        row("truncated continuation", FileWith(good + "\r\n\"X\"=hex:01,\\"), true, true);
        row("value before any key", "Windows Registry Editor Version 5.00\r\n" + good, true, false);
        row("broken key line", FileWith("[\r\n" + good), true, false);
        row("deletion line", FileWith("\"View\"=-\r\n" + good), true, true);
        row("nine-digit dword", FileWith("\"View\"=dword:000000007\r\n" + good), true, true);
        row("invalid UTF-8", FileWith(good + "\r\n\"Font Name\"=\"Gr\xFF\""), true, true);
        row("lone surrogates in UTF-16",
            Utf16Export("Windows Registry Editor Version 5.00\r\n\r\n[" + Key + "]\r\n" + good +
                        "\r\n\"" + QChar(0xD800) + "\"=dword:00000001\r\n\"" + QChar(0xD801) +
                        "\"=dword:00000002\r\n"),
            true, true);
        row("32-bit view of the 32-bit view",
            FileWith(good + "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\WOW6432Node]"), false,
            true);
        row("comment ending in a backslash", FileWith("; was C:\\\r\n" + good), false, true);
        row("deep key path",
            FileWith("[HKEY_LOCAL_MACHINE\\" + QByteArray(40000, 'a').replace("aa", "a\\") +
                     "]\r\n[" + Key.toLatin1() + "]\r\n" + good),
            true, true);
        // The key above with its three parents and 4091 more make 4095 keys: one more fits, a key
        // with a new parent of its own does not.
        QByteArray manyKeys = FileWith(good);
        for (int i = 0; i < 4090; ++i)
            manyKeys += "[HKEY_LOCAL_MACHINE\\Many\\" + QByteArray::number(i) + "]\r\n";
        row("keys to the limit", manyKeys + "[HKEY_LOCAL_MACHINE\\Deep]\r\n", false, true);
        row("a parent past the limit", manyKeys + "[HKEY_LOCAL_MACHINE\\Deep\\Key]\r\n", true,
            true);
        row("empty", QByteArray(), false, false);
    }
    void damagedFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, damaged);
        QFETCH(bool, copyRead);
        const RegFile file = RegFile::Parse(bytes);
        QCOMPARE(file.IsDamaged(), damaged);
        const RegValue *copy = Value(file, Key, "Copy");
        QCOMPARE(copy != nullptr, copyRead);
        if (copy)
            QCOMPARE(copy->data, QVariant(74));
    }

    void windowsExport()
    {
        const QString text = QStringLiteral(
            "Windows Registry Editor Version 5.00\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Tarvo\\Pigmentist\\Settings]\r\n"
            "\"Colour1\"=dword:000000ff\r\n"
            "\"Copy As\"=dword:0000000f\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvo\\Pigmenta R4\\Settings]\r\n"
            "\"Font Name\"=\"Größe 日本\"\r\n"
            "\"Heading\"=hex(2):25,00,50,00,41,00,54,00,48,00,25,00,00,00\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432NodeX\\Tarvo]\r\n\r\n");
        const RegFile file = RegFile::Parse(Utf16Export(text));
        QVERIFY(!file.IsDamaged());
        const QString old = QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Tarvo\\Pigmentist");
        // A parent exists when its subkey does, and the 32-bit view is the one read.
        QVERIFY(file.FindKey(old));
        QCOMPARE(Value(file, old + "\\settings", "colour1")->data, QVariant(255));
        QCOMPARE(Value(file, old + "\\Settings", "Copy As")->data, QVariant(15));
        QCOMPARE(Value(file, Key, "font name")->data, QVariant(QStringLiteral("Größe 日本")));
        QCOMPARE(Value(file, Key, "Heading")->type, 2u);
        QVERIFY(file.FindKey(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432NodeX\\Tarvo")));
    }

    void namesInAnyLetterCase_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("otherCase");
        QTest::newRow("Greek") << QStringLiteral("Σίγμα") << QStringLiteral("σΊΓΜΑ");
        QTest::newRow("beyond U+FFFF")
            << QStringLiteral("\U00010400x") << QStringLiteral("\U00010428X");
    }
    void namesInAnyLetterCase()
    {
        QFETCH(QString, name);
        QFETCH(QString, otherCase);
        const RegFile file = RegFile::Parse("Windows Registry Editor Version 5.00\r\n\r\n[" +
                                            (Key + '\\' + name).toUtf8() + "]\r\n\"" +
                                            name.toUtf8() + "\"=dword:00000001\r\n");
        QVERIFY(!file.IsDamaged());
        const RegValue *value = Value(file, Key + '\\' + otherCase, otherCase);
        QVERIFY(value);
        QCOMPARE(value->name, name);
    }

    void ansiTextOfTheOldEditor()
    {
        const QByteArray bytes =
            "REGEDIT4\r\n\r\n[" + Key.toLatin1() +
            "]\r\n\"Font Name\"=\"Caf\xe9\"\r\n\"Heading\"=hex(1):43,e9,00\r\n";
        const RegFile file = RegFile::Parse(bytes);
        QVERIFY(!file.IsDamaged());
        QCOMPARE(Value(file, Key, "Font Name")->data, QVariant(QStringLiteral("Café")));
        QCOMPARE(Value(file, Key, "Heading")->data, QVariant(QStringLiteral("Cé")));
    }

    void writtenAsTheEditorWritesIt()
    {
        RegFile file;
        RegKey &key = file.AddKey(Key);
        key.Set({"Copy", 4, 74});
        key.Set({"Font Name", 1, QStringLiteral("C:\\\"Times\"")});
        key.Set({"Font", 1, QStringLiteral("two\r\nlines")});
        key.Set({"Heading", 1, QStringLiteral("Größe")});
        const QByteArray text = file.Serialise();
        QVERIFY(text.startsWith("Windows Registry Editor Version 5.00\r\n\r\n"
                                "[HKEY_LOCAL_MACHINE\\Software]\r\n"));
        QVERIFY(text.contains("\r\n[HKEY_LOCAL_MACHINE\\Software\\Tarvo]\r\n"));
        QVERIFY(text.contains("\r\n\"Copy\"=dword:0000004a\r\n"));
        QVERIFY(text.contains("\r\n\"Font Name\"=\"C:\\\\\\\"Times\\\"\"\r\n"));
        QVERIFY(text.contains("\r\n\"Font\"=hex(1):74,00,77,00,6f,00,0d,00,0a,00,6c,00,69,00,"
                              "6e,00,65,00,73,00,00,00\r\n"));
        QVERIFY(text.contains("\r\n\"Heading\"=hex(1):47,00,72,00,f6,00,df,00,65,00,00,00\r\n"));
    }
};

QTEST_GUILESS_MAIN(tst_RegFile)
#include "tst_regfile.moc"
