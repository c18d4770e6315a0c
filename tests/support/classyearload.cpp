#include "tests/support/classyearload.h"

#include "tests/support/testfiles.h"

#include "core/appstate.h"
#include "core/subjects.h"
#include "core/veladaytime.h"
#include "core/velayeartotal.h"
#include "core/yearplan.h"
#include "storage/classfile.h"
#include "storage/classfiledata.h"
#include "storage/classfilewriter.h"

#include <QFile>
#include <QList>
#include <QRandomGenerator>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace lunaplan::test {

namespace {

QString describe(const ClassFileDay& day)
{
    return u"%1 %2 %3 %4"_s.arg(day.dateThisDay.toString(Qt::ISODate), day.strSubject, day.strCredit,
                                day.boolNowPlanning ? u"withdrawn"_s : u"held"_s);
}

// Where a record read back differs from the one saved.
QString difference(const ClassFileData& saved, const ClassFileData& read)
{
    if (saved.days.size() != read.days.size())
        return u"%1 days saved, %2 read back"_s.arg(saved.days.size()).arg(read.days.size());
    for (qsizetype i = 0; i < saved.days.size(); ++i) {
        if (saved.days[i] != read.days[i])
            return u"day %1 saved as %2, read back as %3"_s.arg(i).arg(describe(saved.days[i]),
                                                                       describe(read.days[i]));
    }
    if (saved.planTerms != read.planTerms || saved.yearBase != read.yearBase)
        return u"the plan or the base hours differ"_s;
    return u"the class differs outside its days and plan"_s;
}

// The year's own figures, without its chain of terms.
const TotalsRecord& totals(const VelaYearTotal& year)
{
    return year;
}

class Teacher {
public:
    Teacher(AppState& state, Prompts& prompts, const QString& fileName, quint32 seed)
        : m_state(state)
        , m_prompts(prompts)
        , m_fileName(fileName)
        , m_random(seed)
    {
        const QDate first(state.intYear, 4, 1);
        for (QDate d = first; d < first.addYears(1); d = d.addDays(1)) {
            if (state.fncIsWorkDay(d))
                m_schoolDays.append(d);
        }
    }

    void step()
    {
        // A teacher registers far more often than she saves.
        const int kind = m_random.bounded(100);
        if (kind < 56)
            registerDay();
        else if (kind < 81)
            withdrawDay();
        else if (kind < 96)
            changePlan();
        else
            saveAndReadBack();
    }

    const ClassYearLoad& result() const { return m_result; }

private:
    int pick(qsizetype count) { return m_random.bounded(static_cast<int>(count)); }

    void registerDay()
    {
        // The palette's subjects and the empty period, lesson lengths 0 to 4.
        static const QString codes = MainPaletteOrder.toString() + EmptySlot;
        static const QStringList comments{u""_s, u"遠足～雨天のため延期"_s, u"ｸﾗﾌﾞ見学／授業参観"_s,
                                          u"学年集会　（体育館）"_s};
        QString subjects;
        QString credits;
        for (int period = 0; period < 8; ++period) {
            subjects += codes.at(pick(codes.size()));
            credits += QChar(u'0' + m_random.bounded(5));
        }
        auto day = makeRecordedDay(m_schoolDays.at(pick(m_schoolDays.size())), subjects, credits);
        if (m_random.bounded(8) == 0)
            day->setStrComment(comments.at(pick(comments.size())));
        m_state.objDayHead->appendDay(std::move(day));
        ++m_result.registrations;
    }

    void withdrawDay()
    {
        QList<QDate> held;
        for (auto day = m_state.objDayHead->objNextDay(); day; day = day->objNextDay()) {
            if (day->isRegistered())
                held.append(day->dateThisDay());
        }
        if (held.isEmpty())
            return;
        if (const auto record = heldRecordFor(*m_state.objDayHead, held.at(pick(held.size())))) {
            record->setBoolNowPlanning(true);
            ++m_result.withdrawals;
        }
    }

    // What a teacher may type into a box: mostly counts, sometimes a count
    // the page refuses.
    QString entry()
    {
        static const QStringList refused{u""_s, u"3.5"_s, u"十"_s, u"-2"_s};
        if (m_random.bounded(10) == 0)
            return refused.at(pick(refused.size()));
        return u"%1.%2"_s.arg(m_random.bounded(120)).arg(m_random.bounded(3));
    }

    void changePlan()
    {
        PlanEntries entries;
        for (QString& box : entries.base)
            box = entry();
        for (QString& box : entries.plan)
            box = entry();
        // Refused boxes keep what the class held; the file must carry either.
        static_cast<void>(storeYearPlan(m_state, entries));
        ++m_result.planChanges;
    }

    void saveAndReadBack()
    {
        const ClassFileData saved = captureClassFile(m_state);
        if (!subSaveFile(m_state, m_prompts))
            throw std::runtime_error("the class was not saved");
        ++m_result.saves;
        const QByteArray onDisk = test::fileBytes(m_fileName);
        const auto fail = [&](const QString& what) {
            m_result.mismatch = u"save %1: %2"_s.arg(m_result.saves).arg(what);
        };
        if (onDisk != formatClassFile(saved))
            return fail(u"the file on disk is not the class formatted"_s);

        AppState reread;
        reread.strFileName = m_fileName;
        subLoadFile(reread, m_prompts);
        const ClassFileData read = captureClassFile(reread);
        if (read != saved)
            return fail(difference(saved, read));
        if (formatClassFile(read) != onDisk)
            return fail(u"the class read back formats to other bytes"_s);
        // What the totals table and the reports show follows from the file too.
        assignResultTerms(m_state);
        assignResultTerms(reread);
        if (totals(*reread.objYearPlan) != totals(*m_state.objYearPlan))
            return fail(u"the year of the plan differs"_s);
        if (totals(*reread.objYearResult) != totals(*m_state.objYearResult))
            return fail(u"the hours held differ"_s);

        if (m_random.bounded(4) == 0) {
            subLoadFile(m_state, m_prompts);
            ++m_result.reopenings;
            if (captureClassFile(m_state) != saved)
                return fail(u"reopened: "_s + difference(saved, captureClassFile(m_state)));
        }
    }

    AppState& m_state;
    Prompts& m_prompts;
    const QString m_fileName;
    QRandomGenerator m_random;
    QList<QDate> m_schoolDays;
    ClassYearLoad m_result;
};

} // namespace

ClassYearLoad runClassYearLoad(AppState& state, Prompts& prompts, const QString& fileName, quint32 seed,
                               int steps)
{
    state.strFileName = fileName;
    Teacher teacher(state, prompts, fileName, seed);
    for (int i = 0; i < steps && teacher.result().mismatch.isEmpty(); ++i)
        teacher.step();
    return teacher.result();
}

} // namespace lunaplan::test
