#include "ui/common/subjecticons.h"

#include "core/subjects.h"
#include "ui/common/japanesefonts.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

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

// The face of the codes, made once: building a font for every picture would
// look it up again each time. It is the interface's face, so the pictures
// share its fallback fonts, which the font system looks up once per face.
const QFont& codeFont(SubjectGroup group)
{
    const auto make = [](int pixels) {
        QFont font = interfaceFont();
        font.setPixelSize(pixels);
        font.setBold(true);
        return font;
    };
    static const QFont fonts[2] = {make(20), make(18)};
    return fonts[group == SubjectGroup::LessonTotalOnly ? 1 : 0];
}

void paintSubject(QPainter& painter, const Subject& subject)
{
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

    painter.setFont(codeFont(subject.group));
    painter.setPen(Qt::white);
    painter.drawText(tile, Qt::AlignCenter, QString(subject.code));
}

// Paints a subject's picture when it is first asked for, at the size and
// pixel density asked for, and keeps it: a picture is painted once per
// density in use rather than for every density a screen might have.
class SubjectIconEngine final : public QIconEngine {
public:
    explicit SubjectIconEngine(const Subject& subject)
        : m_subject(subject)
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = scaledPixmap(rect.size(), mode, state, scale);
        painter->drawPixmap(rect, picture);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        // size is in device pixels, the picture square and no larger than asked.
        const int side = std::max(1, std::min(size.width(), size.height()));
        const quint64 key = (static_cast<quint64>(side) << 8) | static_cast<quint64>(mode);
        const auto found = m_pictures.constFind(key);
        if (found != m_pictures.constEnd())
            return *found;

        QPixmap picture;
        if (mode == QIcon::Disabled || mode == QIcon::Selected) {
            // The style's look of a disabled or selected picture, made from
            // the plain one as for any other icon.
            picture = scaledPixmap(size, QIcon::Normal, state, scale);
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            const QPixmap generated = QApplication::style()->generatedIconPixmap(mode, picture, &option);
            if (!generated.isNull())
                picture = generated;
        } else {
            picture = QPixmap(side, side);
            picture.fill(Qt::transparent);
            QPainter painter(&picture);
            const qreal drawScale = static_cast<qreal>(side) / SubjectIconSize;
            painter.scale(drawScale, drawScale);
            paintSubject(painter, m_subject);
        }
        picture.setDevicePixelRatio(scale);
        m_pictures.insert(key, picture);
        return picture;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(SubjectIconSize, SubjectIconSize)};
    }

    QString key() const override { return u"lunaplan-subject"_s; }
    QIconEngine* clone() const override { return new SubjectIconEngine(m_subject); }

private:
    const Subject& m_subject;
    QHash<quint64, QPixmap> m_pictures;
};

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
    const QIcon icon(new SubjectIconEngine(*subject));
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
