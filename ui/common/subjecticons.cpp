#include "ui/common/subjecticons.h"

#include "core/subjects.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

struct GroupLook {
    QColor fill;
    QColor edge;
};

GroupLook groupLook(SubjectGroup group)
{
    switch (group) {
    case SubjectGroup::Kyouka:
        return {QColor(0x2a, 0x64, 0xb0), QColor(0x17, 0x3d, 0x73)};
    case SubjectGroup::LessonTotalOnly:
        return {QColor(0x23, 0x8a, 0x4e), QColor(0x13, 0x55, 0x2f)};
    case SubjectGroup::Tokkatsu:
        return {QColor(0xd8, 0x6a, 0x14), QColor(0x8a, 0x40, 0x06)};
    case SubjectGroup::OutsideLessons:
        return {QColor(0x73, 0x73, 0x73), QColor(0x40, 0x40, 0x40)};
    }
    return {Qt::gray, Qt::darkGray};
}

// Each group has its own outline as well as its own colour, so the groups stay
// apart for readers who do not tell the colours apart: a rounded square for
// the subjects, a disc for 総合 and 道徳, an octagon for the special
// activities, a square struck through for the hours outside the lessons.
QPainterPath groupShape(SubjectGroup group, const QRectF& r)
{
    QPainterPath path;
    switch (group) {
    case SubjectGroup::Kyouka:
    case SubjectGroup::OutsideLessons:
        path.addRoundedRect(r, r.width() * 0.16, r.height() * 0.16);
        break;
    case SubjectGroup::LessonTotalOnly:
        path.addEllipse(r);
        break;
    case SubjectGroup::Tokkatsu: {
        const qreal c = r.width() * 0.29;
        QPolygonF octagon;
        octagon << QPointF(r.left() + c, r.top()) << QPointF(r.right() - c, r.top())
                << QPointF(r.right(), r.top() + c) << QPointF(r.right(), r.bottom() - c)
                << QPointF(r.right() - c, r.bottom()) << QPointF(r.left() + c, r.bottom())
                << QPointF(r.left(), r.bottom() - c) << QPointF(r.left(), r.top() + c);
        path.addPolygon(octagon);
        path.closeSubpath();
        break;
    }
    }
    return path;
}

QPixmap paintSubject(const Subject& subject, qreal scale)
{
    const int side = qRound(SubjectIconSize * scale);
    QPixmap pixmap(side, side);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const GroupLook look = groupLook(subject.group);
    const QRectF tile(1, 1, SubjectIconSize - 2, SubjectIconSize - 2);
    const QPainterPath shape = groupShape(subject.group, tile);
    painter.setPen(QPen(look.edge, 1.2));
    painter.setBrush(look.fill);
    painter.drawPath(shape);

    if (subject.group == SubjectGroup::OutsideLessons) {
        painter.save();
        painter.setClipPath(shape);
        painter.setPen(QPen(QColor(255, 255, 255, 90), 4));
        painter.drawLine(tile.bottomLeft(), tile.topRight());
        painter.restore();
    }

    QFont font;
    font.setFamilies({u"IPAGothic"_s, u"IPAPGothic"_s});
    font.setPixelSize(subject.group == SubjectGroup::LessonTotalOnly ? 18 : 20);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(tile, Qt::AlignCenter, QString(subject.code));
    return pixmap;
}

} // namespace

QIcon subjectIcon(QChar code)
{
    static QHash<QChar, QIcon> cache;
    const auto found = cache.constFind(code);
    if (found != cache.constEnd())
        return *found;

    const Subject* subject = subjectByCode(code);
    if (!subject)
        return {};
    QIcon icon;
    icon.addPixmap(paintSubject(*subject, 1.0));
    icon.addPixmap(paintSubject(*subject, 2.0));
    cache.insert(code, icon);
    return icon;
}

QPixmap subjectPixmap(QChar code)
{
    return subjectIcon(code).pixmap(SubjectIconSize);
}

QCursor subjectCursor(QChar code)
{
    const QPixmap pixmap = subjectPixmap(code);
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(pixmap, SubjectIconSize / 2, SubjectIconSize / 2);
}

} // namespace lunaplan
