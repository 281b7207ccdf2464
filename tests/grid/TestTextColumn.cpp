#include "TextColumn.h"

#include <QtTest>

// The grid's text store: every row reads back what was last written to it,
// whatever was overwritten, moved, dropped or packed in between.
class TestTextColumn : public QObject {
    Q_OBJECT

    static QStringList texts(const TextColumn &column)
    {
        QStringList out;
        for (int r = 0; r < column.size(); ++r)
            out << column.text(r);
        return out;
    }

private slots:
    void overwritesMovesAndDrops()
    {
        TextColumn column;
        column.resize(4);
        column.set(0, u"alpha");
        column.set(1, u"가나다");
        column.set(2, u"x");
        column.set(0, u"al");          // shorter: written over
        column.set(2, u"much longer"); // longer: appended
        column.set(3, column.view(1)); // a text of the column itself
        QCOMPARE(texts(column), (QStringList{"al", "가나다", "much longer", "가나다"}));
        QVERIFY(column.isEmpty(3) == false);

        column.insertEmpty(1, 2);
        QCOMPARE(texts(column), (QStringList{"al", "", "", "가나다", "much longer", "가나다"}));
        column.erase(0, 2);
        QCOMPARE(texts(column), (QStringList{"", "가나다", "much longer", "가나다"}));
        column.clear(1, 3);
        QCOMPARE(texts(column), (QStringList{"", "", "", "가나다"}));
        column.set(2, u"b");
        column.reorder({3, 2, 0, 1});
        QCOMPARE(texts(column), (QStringList{"가나다", "b", "", ""}));
        column.resize(1);
        column.resize(3);
        QCOMPARE(texts(column), (QStringList{"가나다", "", ""}));
        column.set(1, QStringView());
        QVERIFY(column.isEmpty(1));
    }

    // Rewriting every row many times over packs the buffer again and again;
    // the texts must survive every pass.
    void textsSurviveRepeatedPacking()
    {
        TextColumn column;
        const int rows = 3000;
        column.resize(rows);
        for (int round = 0; round < 6; ++round)
            for (int r = 0; r < rows; ++r)
                column.set(r, QStringLiteral("row %1 round %2 %3").arg(r).arg(round).arg(QString(round, u'*')));
        for (int r = 0; r < rows; r += 499)
            QCOMPARE(column.text(r), QStringLiteral("row %1 round 5 *****").arg(r));
        column.resize(0);
        column.resize(1);
        QVERIFY(column.isEmpty(0));
    }
};

QTEST_APPLESS_MAIN(TestTextColumn)
#include "TestTextColumn.moc"
