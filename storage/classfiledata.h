#pragma once

#include "core/totalsrecord.h"

#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>

namespace lunaplan {

// The persistent part of the state as the class data file holds it: plain
// values without links, so that a file can be read and checked completely
// before anything of the state changes. Field names follow the state's.
struct ClassFileDay {
    QDate dateThisDay;
    QString strSubject;
    QString strCredit;
    QString strComment;
    bool boolNowPlanning = false;

    friend bool operator==(const ClassFileDay&, const ClassFileDay&) = default;
};

struct ClassFileData {
    qint16 intYear = 0;
    qint16 intGrade = 0;
    QString strClass;
    QString strTeacher;
    // In the order of AppState::calendarFields(); a null date is the zero date.
    std::array<QDate, 12> calendar{};
    bool boolSat24Off = false;
    bool boolSatOff = false;
    qint16 intHolidayCount = 0;
    // Entries 0 to intHolidayCount: the holidays and, last, the entry after them.
    QList<QDate> holidays;
    TotalsRecord yearBase;
    // strSubject of the template days Monday to Saturday.
    std::array<QString, 6> weekSubjectsA{};
    std::array<QString, 6> weekSubjectsB{};
    // Lesson-length frames Monday to Friday (Saturday's is not stored).
    std::array<QString, 5> weekCreditA{};
    std::array<QString, 5> weekCreditB{};
    std::array<TotalsRecord, 3> planTerms{};
    // Recorded days in file order.
    QList<ClassFileDay> days;

    friend bool operator==(const ClassFileData&, const ClassFileData&) = default;
};

namespace classfile {

// The first line of every class data file.
inline constexpr QByteArrayView Magic = "Soraplan";
// A school year's file stays well below this; longer files are refused.
inline constexpr int MaxLines = 3001;
// Far above any real file (a full year is below 100 KiB); larger files are refused.
inline constexpr qsizetype MaxBytes = 16 * 1024 * 1024;
// The holiday list has 201 entries; the file stores the entry after the last holiday.
inline constexpr int MaxHolidayCount = 200;
// The order of the 23 totals in a block of the file (base hours, each plan term).
inline constexpr std::array<TotalField, TotalFieldCount> TotalsOrder{
    TotalField::doutoku,  TotalField::gakkougyouji,  TotalField::gakkyuukatsudou,
    TotalField::jidoukai, TotalField::katei,         TotalField::kokugo,
    TotalField::kurabu,   TotalField::KyoukaSyoukei, TotalField::onngaku,
    TotalField::rika,     TotalField::sannsuu,       TotalField::seikatsu,
    TotalField::sougou,   TotalField::SouJisuu,      TotalField::SouJyugyouJisuu,
    TotalField::syakai,   TotalField::taiiku,        TotalField::TokkatsuSyoukei,
    TotalField::uchikiri, TotalField::yobi,          TotalField::zukou,
    TotalField::eigo,     TotalField::dokkai};
// The date the file stores for an unused (zero) date: month 12, day 30.
inline constexpr int ZeroDateMonth = 12;
inline constexpr int ZeroDateDay = 30;

} // namespace classfile

} // namespace lunaplan
