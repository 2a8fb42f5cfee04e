// New paths made in blocks read as the same bytes as paths made one by one, and stay put.
#include "engine/path_arena.h"
#include "platform/name_codec.h"

#include <QtTest>

class TestPathArena : public QObject {
  Q_OBJECT
private slots:
  void add_givesTheBytesOfAPathAndANul_data() {
    QTest::addColumn<QByteArray>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("ascii") << QByteArray("/tmp/a/") << QStringLiteral("x_photo.jpg");
    QTest::newRow("no folder") << QByteArray() << QStringLiteral("x_photo.jpg");
    QTest::newRow("utf-8") << QByteArray("/tmp/\xC3\xA9t\xC3\xA9/") << QStringLiteral("caf\u00E9 \u20AC.txt");
    QTest::newRow("outside the BMP") << QByteArray("/t/") << QString::fromUtf8("\xF0\x9F\x98\x80.png");
    QTest::newRow("escaped byte") << QByteArray("/t/") << DecodeName("na\xEFve\xE9.txt");
    QTest::newRow("longer than a block") << QByteArray("/t/") << QString(70000, u'\u00E9');
  }
  void add_givesTheBytesOfAPathAndANul() {
    QFETCH(QByteArray, folder);
    QFETCH(QString, name);
    PathArena arena;
    const QByteArray first = arena.Add(folder, QStringLiteral("first"));
    const QByteArray path = arena.Add(folder, name);
    QCOMPARE(path, EncodeNameAfter(folder, name));
    QCOMPARE(path.constData()[path.size()], '\0');
    // Later blocks leave the earlier paths where they are.
    for (int i = 0; i < 5000; ++i)
      (void)arena.Add(folder, name.left(40));
    QCOMPARE(first, folder + "first");
    QCOMPARE(path, EncodeNameAfter(folder, name));
    QCOMPARE(path.capacity(), 0); // no room of its own
    QVERIFY(OwnedBytes(path).capacity() >= path.size());
    QCOMPARE(OwnedBytes(path), path);
  }
};

QTEST_APPLESS_MAIN(TestPathArena)
#include "tst_path_arena.moc"
