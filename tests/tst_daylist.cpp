// The list of recorded days behind the empty head day.
#include "core/veladaytime.h"

#include <QTest>

#include <memory>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

std::shared_ptr<VelaDayTime> day(QDate date, const QString& subjects = u"国算社理音体　　"_s)
{
    return makeRecordedDay(date, subjects, u"33333300"_s);
}

QList<QDate> dates(const VelaDayTime& head)
{
    QList<QDate> result;
    for (auto d = head.objNextDay(); d; d = d->objNextDay())
        result.append(d->dateThisDay());
    return result;
}

} // namespace

class TestDayList : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void appendKeepsDateOrder();
    void appendReplacesSameDate();
    void replacedRecordIsReleased();
    void searchDay_data();
    void searchDay();
    void searchDayFindsWholeSchoolYear();
    void heldRecordMatchesTheDate();
    void recordedDayFields();
    void longListIsReleasedWithoutRecursion();
};

void TestDayList::appendKeepsDateOrder()
{
    VelaDayTime head;
    head.appendDay(day(QDate(2003, 4, 10)));
    QCOMPARE(head.objNextDay()->dateThisDay(), QDate(2003, 4, 10));
    head.appendDay(day(QDate(2003, 4, 8)));
    head.appendDay(day(QDate(2003, 4, 9)));
    head.appendDay(day(QDate(2004, 2, 11)));
    head.appendDay(day(QDate(2003, 12, 1)));
    QCOMPARE(dates(head), (QList<QDate>{QDate(2003, 4, 8), QDate(2003, 4, 9), QDate(2003, 4, 10),
                                        QDate(2003, 12, 1), QDate(2004, 2, 11)}));
}

void TestDayList::appendReplacesSameDate()
{
    VelaDayTime head;
    for (int d : {8, 9, 10})
        head.appendDay(day(QDate(2003, 4, d)));
    auto replacement = day(QDate(2003, 4, 9), u"体体体体体体　　"_s);
    head.appendDay(replacement);
    QCOMPARE(dates(head), (QList<QDate>{QDate(2003, 4, 8), QDate(2003, 4, 9), QDate(2003, 4, 10)}));
    QCOMPARE(head.objNextDay()->objNextDay(), replacement);
    QCOMPARE(replacement->objNextDay()->dateThisDay(), QDate(2003, 4, 10));

    // Replacing the first and the last record keeps the chain intact too.
    head.appendDay(day(QDate(2003, 4, 8), u"音音音音音音　　"_s));
    head.appendDay(day(QDate(2003, 4, 10), u"図図図図図図　　"_s));
    QCOMPARE(dates(head).size(), 3);
    QCOMPARE(head.objNextDay()->strSubject(), u"音音音音音音　　"_s);
    QCOMPARE(replacement->objNextDay()->strSubject(), u"図図図図図図　　"_s);
}

void TestDayList::replacedRecordIsReleased()
{
    VelaDayTime head;
    auto first = day(QDate(2003, 4, 9));
    const std::weak_ptr<VelaDayTime> watch = first;
    head.appendDay(std::move(first));
    head.appendDay(day(QDate(2003, 4, 9)));
    QVERIFY(watch.expired());
}

void TestDayList::searchDay_data()
{
    QTest::addColumn<bool>("withdrawn");
    QTest::addColumn<QDate>("asked");
    QTest::addColumn<bool>("found");
    QTest::newRow("held record") << false << QDate(2003, 4, 9) << true;
    QTest::newRow("withdrawn record") << true << QDate(2003, 4, 9) << false;
    QTest::newRow("no record") << false << QDate(2003, 4, 11) << false;
    QTest::newRow("same day number, next school year") << false << QDate(2004, 4, 8) << false;
}

void TestDayList::searchDay()
{
    QFETCH(bool, withdrawn);
    QFETCH(QDate, asked);
    QFETCH(bool, found);
    VelaDayTime head;
    QVERIFY(!head.searchDay(asked));
    head.appendDay(day(QDate(2003, 4, 8)));
    auto record = day(QDate(2003, 4, 9));
    record->setBoolNowPlanning(withdrawn);
    head.appendDay(record);
    head.appendDay(day(QDate(2003, 4, 10)));
    QCOMPARE(head.searchDay(asked), found);
}

void TestDayList::searchDayFindsWholeSchoolYear()
{
    // A February record is found while the first record lies in April, and
    // an April record while asked from the other end of the year.
    VelaDayTime head;
    head.appendDay(day(QDate(2026, 4, 8)));
    head.appendDay(day(QDate(2027, 2, 10)));
    QVERIFY(head.searchDay(QDate(2027, 2, 10)));
    QVERIFY(head.searchDay(QDate(2026, 4, 8)));
    QVERIFY(!head.searchDay(QDate(2027, 2, 11)));

    VelaDayTime winterOnly;
    winterOnly.appendDay(day(QDate(2027, 1, 12)));
    QVERIFY(winterOnly.searchDay(QDate(2027, 1, 12)));
    QVERIFY(!winterOnly.searchDay(QDate(2026, 1, 12)));
}

void TestDayList::recordedDayFields()
{
    const auto d = makeRecordedDay(QDate(2004, 2, 11), u"国算"_s, u"33"_s);
    QCOMPARE(d->intThisDay, 42);
    QCOMPARE(d->intWeekName(), 3); // a Wednesday
    QVERIFY(d->boolWorkDay());
    QVERIFY(!d->boolNowPlanning());
    QVERIFY(d->isRegistered());
    QVERIFY(d->strComment().isEmpty());
    const auto sunday = makeRecordedDay(QDate(2004, 2, 8), u"国"_s, u"3"_s);
    QCOMPARE(sunday->intWeekName(), 0);
}

void TestDayList::longListIsReleasedWithoutRecursion()
{
    auto head = std::make_shared<VelaDayTime>();
    VelaDayTime* tail = head.get();
    for (int i = 0; i < 200000; ++i) {
        tail->setObjNextDay(std::make_shared<VelaDayTime>());
        tail = tail->objNextDay().get();
    }
    head.reset(); // would overflow the stack if each node released the next recursively
    QVERIFY(!head);
}

void TestDayList::heldRecordMatchesTheDate()
{
    // 1 April 2019 and 31 March 2020 are both day 91 of their calendar year.
    VelaDayTime head;
    auto april = day(QDate(2019, 4, 1));
    head.appendDay(april);
    QCOMPARE(heldRecordFor(head, QDate(2019, 4, 1)), april);
    QVERIFY(!heldRecordFor(head, QDate(2020, 3, 31)));
    QVERIFY(!head.searchDay(QDate(2020, 3, 31)));
    QVERIFY(!heldRecordFor(head, QDate()));
    april->setBoolNowPlanning(true);
    QVERIFY(!heldRecordFor(head, QDate(2019, 4, 1)));
}

QTEST_GUILESS_MAIN(TestDayList)
#include "tst_daylist.moc"
