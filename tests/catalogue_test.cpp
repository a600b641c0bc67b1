#include "Rig.h"
#include "TestMain.h"
#include "TestPrinting.h"
#include "app/ToolBar.h"
#include "app/UserTexts.h"
#include "catalogue/Catalogue.h"

#include <QTest>

#include <set>

using namespace korvanel;
using namespace korvanel::test;

namespace {

// The code rules of the four families, stated independently of the table.
int expectedCode(int family, int p, bool suffix) {
    switch (family) {
    case 1:
        return p < 9 ? p + 1 : p < 13 ? p - 8 : p < 17 ? p - 12 : p - 16;
    case 2: {
        constexpr int codes[] = {10, 11, 12, 76, 13, 16, 17, 75, 11, 76, 13};
        return codes[p] + (p < 7 && suffix ? 32 : 0);
    }
    case 3:
        return p + 18;
    default:
        return p == 0 ? 0 : p == 1 ? 14 : 15;
    }
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT

  private slots:
    void everyPart_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("position");
        QTest::addColumn<std::string>("name");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("suffixCode");
        const struct {
            int family, position;
            const char* name;
            int size, code, suffixCode;
        } rows[] = {
            {1, 0, "24C01", 128, 1, 1},        {1, 1, "24C02", 256, 2, 2},
            {1, 2, "24C04/LC04", 512, 3, 3},   {1, 3, "24C08/LC08", 1024, 4, 4},
            {1, 4, "24C16/LC16", 2048, 5, 5},  {1, 5, "24C32/LC32", 4096, 6, 6},
            {1, 6, "24LC64", 8192, 7, 7},      {1, 7, "24LC128", 16384, 8, 8},
            {1, 8, "24LC256", 32768, 9, 9},    {1, 9, "SDA2516-5", 128, 1, 1},
            {1, 10, "SDA2526-5", 256, 2, 2},   {1, 11, "SDA2546-5", 512, 3, 3},
            {1, 12, "SDA2586-5", 1024, 4, 4},  {1, 13, "SDA3516-5", 128, 1, 1},
            {1, 14, "SDA3526-5", 256, 2, 2},   {1, 15, "SDA3546-5", 512, 3, 3},
            {1, 16, "SDA3586-5", 1024, 4, 4},  {1, 17, "85C72", 128, 1, 1},
            {1, 18, "85C82", 256, 2, 2},       {1, 19, "85C92", 512, 3, 3},
            {2, 0, "93C06/LC06", 32, 10, 42},  {2, 1, "93C46/LC46", 128, 11, 43},
            {2, 2, "93C56/LC56", 256, 12, 44}, {2, 3, "93C57/LC57", 256, 76, 108},
            {2, 4, "93C66/LC66", 512, 13, 45}, {2, 5, "93LC76", 1024, 16, 48},
            {2, 6, "93LC86", 2048, 17, 49},    {2, 7, "59C11", 128, 75, 75},
            {2, 8, "CAT35C101", 128, 11, 11},  {2, 9, "CAT35C102", 256, 76, 76},
            {2, 10, "CAT35C104", 512, 13, 13}, {3, 0, "25LC010", 128, 18, 18},
            {3, 1, "25LC020", 256, 19, 19},    {3, 2, "25LC040", 512, 20, 20},
            {3, 3, "25LC080", 1024, 21, 21},   {3, 4, "25LC160", 2048, 22, 22},
            {3, 5, "25LC320", 4096, 23, 23},   {3, 6, "25LC640", 8192, 24, 24},
            {4, 0, "MDA2062", 128, 0, 0},      {4, 1, "NVM3060", 512, 14, 14},
            {4, 2, "SDA(E)2506", 128, 15, 15},
        };
        for (const auto& r : rows) {
            QTest::newRow(r.name) << r.family << r.position << std::string(r.name) << r.size
                                  << r.code << r.suffixCode;
        }
    }

    // Name, size and code with and without the suffix box, and the package, per part.
    void everyPart() {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(std::string, name);
        QFETCH(int, size);
        QFETCH(int, code);
        QFETCH(int, suffixCode);

        const DeviceEntry* part = findPart(family, position);
        QVERIFY(part != nullptr);
        QCOMPARE(std::string(part->name), name);
        QCOMPARE(part->size, size);
        QCOMPARE(int(*DeviceCode(family, position, false)), code);
        QCOMPARE(int(*DeviceCode(family, position, true)), suffixCode);
        QCOMPARE(code, expectedCode(family, position, false));
        QCOMPARE(suffixCode, expectedCode(family, position, true));
        QCOMPARE(part->package, family == 4 && position == 0 ? Package::Dip14 : Package::Dip8);
    }

    void tableKeepsItsOwnRules() {
        const int listLengths[] = {0, 20, 11, 7, 3};
        std::set<std::string_view> names;
        for (int family = 1; family <= familyCount; ++family) {
            const auto parts = familyParts(family);
            QCOMPARE(int(parts.size()), listLengths[family]);
            for (int position = 0; position < int(parts.size()); ++position) {
                QCOMPARE(int(parts[std::size_t(position)].position), position);
            }
        }
        for (const auto& part : catalogue) {
            QVERIFY(names.insert(part.name).second);
            QVERIFY(part.code < 128);
            QVERIFY(part.suffixCode == noSuffixCode || part.suffixCode < 128);
            QVERIFY(part.size >= 32 && part.size <= 32768);
        }
    }

    void noSelectedPartHasNoCode_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("position");
        QTest::newRow("nothing selected") << 1 << -1;
        QTest::newRow("past the list") << 4 << 3;
        QTest::newRow("family 0") << 0 << 0;
        QTest::newRow("family 5") << 5 << 0;
    }

    void noSelectedPartHasNoCode() {
        QFETCH(int, family);
        QFETCH(int, position);
        QVERIFY(!DeviceCode(family, position, true).has_value());
        QVERIFY(findPart(family, position) == nullptr);
    }
};

class FamilySelectionTest : public QObject {
    Q_OBJECT

  private slots:
    void switchingFamiliesKeepsEachListsPart() {
        Rig rig;
        rig.startIdentified();
        rig.select(1, 8);
        rig.select(2, 3);
        rig.form.s93x_Click(true);
        QCOMPARE(rig.view.focusCount, 1);
        QVERIFY(rig.view.suffixVisible);

        rig.form.Toolbar1_ButtonClick(17, "iic");
        QCOMPARE(rig.view.selectedName, "24LC256");
        QCOMPARE(rig.view.frontList, 1);
        QVERIFY(!rig.view.suffixVisible);
        QVERIFY(rig.form.state().suffixChecked);

        rig.form.Toolbar1_ButtonClick(18, "mware");
        QCOMPARE(rig.view.selectedName, "93C57/LC57");
        QCOMPARE(rig.view.frontList, 2);
        QVERIFY(rig.view.suffixVisible);
        QVERIFY(rig.form.state().suffixChecked);
        QCOMPARE(rig.form.state().listPosition[1], std::int16_t(8));
    }

    void packagePicture_data() {
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("position");
        QTest::addColumn<Package>("package");
        QTest::newRow("MDA2062") << 4 << 0 << Package::Dip14;
        QTest::newRow("NVM3060") << 4 << 1 << Package::Dip8;
        QTest::newRow("SDA(E)2506") << 4 << 2 << Package::Dip8;
        QTest::newRow("24C01") << 1 << 0 << Package::Dip8;
        QTest::newRow("93C06/LC06") << 2 << 0 << Package::Dip8;
        QTest::newRow("25LC010") << 3 << 0 << Package::Dip8;
    }

    // Both ways to reach a part: picking it in the list, and the family button with the part
    // already picked.
    void packagePicture() {
        QFETCH(int, family);
        QFETCH(int, position);
        QFETCH(Package, package);
        Rig rig;
        rig.startIdentified();
        rig.select(family, position);
        QCOMPARE(rig.view.package, package);
        rig.form.Toolbar1_ButtonClick(17 + family % 4, toolBarKey(17 + family % 4));
        rig.form.Toolbar1_ButtonClick(16 + family, toolBarKey(16 + family));
        QCOMPARE(rig.view.package, package);
        QCOMPARE(rig.view.suffixVisible, family == 2);
    }

    void commandButtonsLeaveTheSelectionAlone() {
        Rig rig;
        rig.startIdentified();
        rig.select(4, 0);
        rig.form.Toolbar1_ButtonClick(5, "clear");
        QCOMPARE(int(rig.form.state().curFamily), 4);
        QCOMPARE(rig.view.frontList, 4);
        QCOMPARE(rig.view.package, Package::Dip14);
        QCOMPARE(rig.view.selectedName, "MDA2062");
    }

  private:
    static std::string toolBarKey(int index) {
        return std::string(toolBar.at(std::size_t(index - 1)).key);
    }
};

int main(int argc, char** argv) {
    return runTests<CatalogueTest, FamilySelectionTest>(argc, argv);
}

#include "catalogue_test.moc"
