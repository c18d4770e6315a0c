// The program's face on the desktop: the application icon, the window icon, the id
// that ties the windows to the installed desktop entry, Qt's texts in Japanese.
#include "desktop/desktopidentity.h"
#include "ui/main/session.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>
#include <QWidget>

using namespace lunaplan;
using namespace Qt::StringLiterals;

class tst_Desktop : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void applicationIconSizes();
    void iconIsDrawn_data();
    void iconIsDrawn();
    void startUpSetsIconNameAndTranslation();
};

void tst_Desktop::applicationIconSizes()
{
    const QList<QSize> expected{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    QList<QSize> sizes = applicationIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QCOMPARE(sizes, expected);
}

void tst_Desktop::iconIsDrawn_data()
{
    QTest::addColumn<int>("size");
    for (const int size : {16, 32, 128})
        QTest::addRow("%d px", size) << size;
}

// Each size is a real rendering: the notebook fills most of the square, its
// heading band is night blue and the moon in it yellow.
void tst_Desktop::iconIsDrawn()
{
    QFETCH(int, size);
    const QImage image = applicationIcon().pixmap(QSize(size, size)).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    int opaque = 0;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            opaque += qAlpha(image.pixel(x, y)) == 255 ? 1 : 0;
    QVERIFY2(opaque > size * size / 2, qPrintable(QString::number(opaque)));

    const QColor band = image.pixelColor(size / 8, size / 4);
    QVERIFY2(band.blue() > 100 && band.red() < 80, qPrintable(band.name()));
    int yellow = 0;
    for (int y = 0; y < size * 3 / 8; ++y)
        for (int x = 0; x < size; ++x) {
            const QColor c = image.pixelColor(x, y);
            yellow += c.red() > 200 && c.green() > 160 && c.blue() < 120 ? 1 : 0;
        }
    QVERIFY2(yellow > 0, "no moon in the heading band");
}

void tst_Desktop::startUpSetsIconNameAndTranslation()
{
    prepareApplication();
    QCOMPARE(QGuiApplication::desktopFileName(), desktopApplicationId());
    // The id names the desktop entry that the build installs.
    QVERIFY(
        QFile::exists(QString::fromUtf8(LUNAPLAN_DESKTOP_DIR "/") + desktopApplicationId() + u".desktop"_s));

    // Qt's standard buttons speak Japanese, as the rest of the interface.
    QMessageBox box(QMessageBox::NoIcon, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    QVERIFY2(box.button(QMessageBox::Yes)->text().contains(u"はい"_s),
             qPrintable(box.button(QMessageBox::Yes)->text()));
    QVERIFY2(box.button(QMessageBox::No)->text().contains(u"いいえ"_s),
             qPrintable(box.button(QMessageBox::No)->text()));
    // A second start-up step (the benchmark makes several) adds nothing.
    prepareApplication();
    QCOMPARE(QCoreApplication::instance()->findChildren<QTranslator*>().size(), 1);

    QWidget window;
    QCOMPARE(window.windowIcon().availableSizes().size(), 6);
    QCOMPARE(window.windowIcon().pixmap(48).toImage(), applicationIcon().pixmap(48).toImage());
}

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
