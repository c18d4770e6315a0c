#include "core/subjects.h"

#include <algorithm>

namespace lunaplan {

const std::array<Subject, 19>& subjects()
{
    using F = TotalField;
    using G = SubjectGroup;
    static const std::array<Subject, 19> table{{
        {u'国', u"国語", u"国語", F::kokugo, G::Kyouka},
        {u'社', u"社会", u"社会", F::syakai, G::Kyouka},
        {u'算', u"算数", u"算数", F::sannsuu, G::Kyouka},
        {u'理', u"理科", u"理科", F::rika, G::Kyouka},
        {u'生', u"生活", u"生活", F::seikatsu, G::Kyouka},
        {u'音', u"音楽", u"音楽", F::onngaku, G::Kyouka},
        {u'図', u"図工", u"図工", F::zukou, G::Kyouka},
        {u'家', u"家庭", u"家庭", F::katei, G::Kyouka},
        {u'体', u"体育", u"体育", F::taiiku, G::Kyouka},
        {u'読', u"読解", u"読解", F::dokkai, G::Kyouka},
        {u'英', u"英語", u"英語", F::eigo, G::Kyouka},
        {u'総', u"総合", u"総合", F::sougou, G::LessonTotalOnly},
        {u'道', u"道徳", u"道徳", F::doutoku, G::LessonTotalOnly},
        {u'学', u"学活", u"学活", F::gakkyuukatsudou, G::Tokkatsu},
        {u'ク', u"クラブ", u"ｸﾗﾌﾞ", F::kurabu, G::Tokkatsu},
        {u'児', u"児童会", u"児童会", F::jidoukai, G::Tokkatsu},
        {u'行', u"行事", u"行事", F::gakkougyouji, G::Tokkatsu},
        {u'切', u"打切り", u"打切", F::uchikiri, G::OutsideLessons},
        {u'予', u"", u"予備", F::yobi, G::OutsideLessons},
    }};
    return table;
}

const Subject* subjectByCode(QChar code)
{
    const auto& table = subjects();
    const auto it =
        std::find_if(table.begin(), table.end(), [code](const Subject& s) { return s.code == code; });
    return it == table.end() ? nullptr : &*it;
}

std::optional<TotalField> totalFieldForCode(QChar code)
{
    if (const Subject* subject = subjectByCode(code))
        return subject->field;
    return std::nullopt;
}

QStringList planGridRowLabels()
{
    QStringList labels;
    for (const Subject& subject : subjects())
        labels.append(subject.rowLabel.toString());
    return labels;
}

QString subGetCredit(int code)
{
    static constexpr std::array<QStringView, 5> texts{u"なし", u"１５分", u"３０分", u"４５分", u"６０分"};
    if (code < 0 || code >= static_cast<int>(texts.size()))
        return {};
    return texts[static_cast<std::size_t>(code)].toString();
}

QString fncStoC(const QString& fullName)
{
    if (fullName.isEmpty())
        return QString(EmptySlot);
    for (const Subject& subject : subjects()) {
        if (!subject.fullName.isEmpty() && subject.fullName == fullName)
            return QString(subject.code);
    }
    return {};
}

} // namespace lunaplan
