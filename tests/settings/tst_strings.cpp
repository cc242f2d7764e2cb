#include "settings/strings.h"

#include <QTest>

class tst_Strings : public QObject
{
    Q_OBJECT

private slots:
    void entries_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        const std::pair<int, const char *> rows[] = {
            {101, "Software\\Tarvo\\Pigmenta R4"},
            {102, "Software\\Tarvo\\Pigmenta R4\\Position"},
            {103, "Software\\Tarvo\\Pigmenta R4\\Settings"},
            {104, "Software\\Tarvo\\Pigmenta R4\\Colours"},
            {105, "Left"},
            {106, "Top"},
            {108, "True Colour"},
            {109, "Safe Colour"},
            {110, "Splash"},
            {111, "INST"},
            {112, "https://pigmenta.example.org/"},
            {114, "support@pigmenta.example.org"},
            {115, "Always On Top"},
            {116, "SAFE"},
            {117, "GREY"},
            {118, "NAME"},
            {119, "SYS"},
            {120, "CUST"},
            {121, "Precision"},
            {122, "Copy"},
            {123, "View"},
            {124, "Show &Toolbar"},
            {125, "Hide &Toolbar"},
            {126, "Show Status&bar"},
            {127, "Hide Status&bar"},
            {128, "Show &Palette"},
            {129, "Hide &Palette"},
            {130, "Palette"},
            {131, "aliceblue:F0F8FF"},
            {270, "yellowgreen:9ACD32"},
            {271, "activeborder:8000000A"},
            {298, "windowtext:80000008"},
            {299, "Colour Type"},
            {300, "B:"},
            {301, "Enter hex value:"},
            {302, "Enter decimal value:"},
            {303, "Enter colour name:"},
            {304, "Software\\Tarvo\\Pigmentist"},
            {305, "Software\\Tarvo\\Pigmentist\\Settings"},
            {306, "Software\\Tarvo\\Pigmentist\\Custom Colours"},
            {307, "Always On Top"},
            {308, "Colour1"},
            {309, "Copy As"},
            {310, "Show Splashscreen"},
            {312, "Tag Copy"},
            {313, "Heading"},
            {314, "Link"},
            {315, "Font"},
            {316, "Background"},
            {317, "Font"},
            {318, "Link"},
            {319, "Active Link"},
            {320, "Border"},
            {321, "Heading"},
            {322, "Hover"},
            {323, "Font Name"},
            {324, "Copy Tab"},
            {325, "RGB Copy"},
            {326, "HTML Tag Copy"},
            {327, "CSS Tag Copy"},
            {328, "color="},
            {329, "text="},
            {330, "bgcolor="},
            {331, "border="},
            {332, "link="},
            {333, "alink="},
            {334, "vlink="},
            {335, "color:"},
            {336, "background-color:"},
            {337, "border-color:"},
            {338, "border-top-color:"},
            {339, "border-bottom-color:"},
            {340, "border-left-color:"},
            {341, "border-right-color:"},
            {342, "this.style.color="},
            {343, "this.style.background-color="},
            {344, "this.style.border-color="},
            {345, "this.style.border-top-color="},
            {346, "this.style.border-bottom-color="},
            {347, "this.style.border-left-color="},
            {348, "this.style.border-right-color="},
            {349, "Alert"},
            {350, "Saved in swatch"},
            {351, "Copied true colour"},
            {352, "Copied safe colour"},
            {353, "Browser safe palette"},
            {354, "Greyscale palette"},
            {355, "Names palette"},
            {356, "System palette"},
            {357, "Custom palette"},
            {358, "Now using quotes"},
            {359, "Now not using quotes"},
            {360, "Now using lowercase"},
            {361, "Now using uppercase"},
            {362, "Now using #"},
            {363, "Now not using #"},
            {364, "Now including tag"},
            {365, "Now not including tag"},
            {366, "Now using RGB"},
            {367, "Now using hex"},
            {368, "Instant copy on"},
            {369, "Instant copy off"},
            {370, "Active link"},
            {371, "Background"},
            {372, "Border"},
            {373, "Font"},
            {374, "Heading"},
            {375, "Hover"},
            {376, "Link"},
            {377, "is now"},
            // Numbers the program computes: short name and status text of palette 40.
            {115 + 40 / 10, "SYS"},
            {352 + 40 / 10, "System palette"},
            // The gaps of the numbering, and numbers outside it.
            {100, ""},
            {107, ""},
            {113, ""},
            {311, ""},
            {378, ""},
        };
        for (auto [id, text] : rows)
            QTest::addRow("%d", id) << id << QString::fromUtf8(text);
    }
    void entries()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(LoadResString(id), text);
    }

    void everyNumberFromFirstToLastButTheGaps()
    {
        for (int id = 101; id <= 377; ++id) {
            const bool gap = id == 107 || id == 113 || id == 311;
            QVERIFY2(LoadResString(id).isEmpty() == gap, qPrintable(QString::number(id)));
        }
    }
};

QTEST_GUILESS_MAIN(tst_Strings)
#include "tst_strings.moc"
