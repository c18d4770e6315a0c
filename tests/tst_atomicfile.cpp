// The one writer of every output: the targets it refuses, the reasons it
// gives, and the copy that makes the backup.
#include "core/errors.h"
#include "storage/atomicfile.h"

#include "tests/support/testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace lunaplan;
using namespace Qt::StringLiterals;

namespace {

bool isFifo(const QString& path)
{
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

// The description of a FileError the call throws; empty when it throws none.
template <typename Call> QString refusal(Call call)
{
    try {
        call();
    } catch (const FileError& error) {
        return error.description();
    }
    return {};
}

const QByteArray Input = "Soraplan\r\n 2026\r\n";

} // namespace

class TestAtomicFile : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void refusesWhatItWouldDestroy_data();
    void refusesWhatItWouldDestroy();
    void systemRefusalsInJapanese_data();
    void systemRefusalsInJapanese();
    void copyReplacesTheOlderCopyWhole();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString& name) const { return m_dir->filePath(name); }
};

void TestAtomicFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    test::writeBytes(path(u"class.vl2"_s), Input);
}

// The input of the operation under any of its names, and what is not a
// regular file, are refused before anything is written: the input keeps its
// bytes, a FIFO stays a FIFO, and no temporary file is left behind.
void TestAtomicFile::refusesWhatItWouldDestroy_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reason");
    const QString input = u"読み込み元のファイルと同じです"_s;
    QTest::newRow("the input") << u"class.vl2"_s << input;
    QTest::newRow("the input through ./") << u"./sub/../class.vl2"_s << input;
    QTest::newRow("a link to the input") << u"link.vl2"_s << input;
    QTest::newRow("a folder") << u"sub"_s << u"ファイルではなくフォルダーです"_s;
    QTest::newRow("a FIFO") << u"fifo"_s
                            << u"通常のファイルではありません（装置や名前付きパイプには保存しません）"_s;
}

void TestAtomicFile::refusesWhatItWouldDestroy()
{
    QFETCH(QString, target);
    QFETCH(QString, reason);
    QVERIFY(QDir(m_dir->path()).mkdir(u"sub"_s));
    QVERIFY(QFile::link(path(u"class.vl2"_s), path(u"link.vl2"_s)));
    QCOMPARE(::mkfifo(QFile::encodeName(path(u"fifo"_s)).constData(), 0600), 0);
    const QStringList before =
        QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

    const QString fileName = path(target);
    QCOMPARE(refusal([&] { writeFileAtomically(fileName, "%PDF-", {path(u"class.vl2"_s)}); }),
             u"ファイル「%1」を保存できませんでした: %2"_s.arg(fileName, reason));
    QCOMPARE(test::readBytes(path(u"class.vl2"_s)), Input);
    QVERIFY(isFifo(path(u"fifo"_s)));
    QVERIFY(QFileInfo(path(u"sub"_s)).isDir());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    QVERIFY(QDir(path(u"sub"_s)).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
}

// The system's refusals in the teacher's language, the previous file kept.
// Permissions do not stop root, so those cases need another user.
void TestAtomicFile::systemRefusalsInJapanese_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("needsUser");
    QTest::addColumn<QString>("reason");
    QTest::newRow("below a regular file")
        << u"class.vl2/out.pdf"_s << false << u"保存先のフォルダーが見つかりません"_s;
    QTest::newRow("a read-only folder") << u"locked/out.pdf"_s << true << u"書き込みの権限がありません"_s;
    QTest::newRow("a read-only file") << u"locked.pdf"_s << true << u"書き込みの権限がありません"_s;
}

void TestAtomicFile::systemRefusalsInJapanese()
{
    QFETCH(QString, target);
    QFETCH(bool, needsUser);
    QFETCH(QString, reason);
    if (needsUser && ::geteuid() == 0)
        QSKIP("permissions do not stop root");
    QVERIFY(QDir(m_dir->path()).mkdir(u"locked"_s));
    test::writeBytes(path(u"locked/out.pdf"_s), "older");
    QVERIFY(QFile::setPermissions(path(u"locked"_s), QFile::ReadOwner | QFile::ExeOwner));
    test::writeBytes(path(u"locked.pdf"_s), "older");
    QVERIFY(QFile::setPermissions(path(u"locked.pdf"_s), QFile::ReadOwner));

    const QString fileName = path(target);
    const QString description = refusal([&] { writeFileAtomically(fileName, "%PDF-"); });
    QFile::setPermissions(path(u"locked"_s), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(description, u"ファイル「%1」を保存のために開けませんでした: %2"_s.arg(fileName, reason));
    QCOMPARE(test::readBytes(path(u"class.vl2"_s)), Input);
    QCOMPARE(test::readBytes(path(u"locked/out.pdf"_s)), QByteArray("older"));
    QCOMPARE(test::readBytes(path(u"locked.pdf"_s)), QByteArray("older"));
}

// Larger than one piece of the copy; an older copy is replaced, a copy onto
// its own source refused, a missing source reported as such.
void TestAtomicFile::copyReplacesTheOlderCopyWhole()
{
    QByteArray big;
    for (int i = 0; big.size() < 200 * 1024; ++i)
        big += QByteArray::number(i) + "\r\n";
    test::writeBytes(path(u"big.vl2"_s), big);
    test::writeBytes(path(u"big.bak"_s), "older");
    copyFileAtomically(path(u"big.vl2"_s), path(u"big.bak"_s));
    QCOMPARE(test::readBytes(path(u"big.bak"_s)), big);
    QCOMPARE(QDir(m_dir->path()).entryList({u"big*"_s}, QDir::Files | QDir::Hidden),
             (QStringList{u"big.bak"_s, u"big.vl2"_s}));

    QCOMPARE(
        refusal([&] { copyFileAtomically(path(u"big.bak"_s), path(u"big.bak"_s)); }),
        u"ファイル「%1」を保存できませんでした: 読み込み元のファイルと同じです"_s.arg(path(u"big.bak"_s)));
    QCOMPARE(test::readBytes(path(u"big.bak"_s)), big);
    QCOMPARE(refusal([&] { copyFileAtomically(path(u"none.vl2"_s), path(u"none.bak"_s)); }),
             u"ファイル「%1」を開けませんでした: ファイルが見つかりません"_s.arg(path(u"none.vl2"_s)));
    QVERIFY(!QFile::exists(path(u"none.bak"_s)));
}

QTEST_GUILESS_MAIN(TestAtomicFile)
#include "tst_atomicfile.moc"
