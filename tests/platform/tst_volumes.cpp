#include "platform/volumes.h"

#include <QtTest>

namespace {

MountEntry Mount(const char *point, const char *type, const char *source = "/dev/sda1") {
  return MountEntry{"/", point, type, source};
}

} // namespace

class TestVolumes : public QObject {
  Q_OBJECT
private slots:
  void parseMountInfo_readsFieldsAndEscapes() {
    const QByteArray text = "27 1 254:0 / / rw,relatime - ext4 /dev/vda rw\n"
                            "40 27 8:17 / /media/ana/MY\\040STICK rw shared:5 master:1 - vfat /dev/sdb1 rw\n"
                            "41 27 0:50 /export /mnt/share rw - nfs4 server:/export rw\n"
                            "garbage line\n";
    const std::vector<MountEntry> mounts = ParseMountInfo(text);
    QCOMPARE(mounts.size(), size_t(3));
    QCOMPARE(mounts[0].MountPoint, QByteArray("/"));
    QCOMPARE(mounts[0].FsType, QByteArray("ext4"));
    QCOMPARE(mounts[1].MountPoint, QByteArray("/media/ana/MY STICK"));
    QCOMPARE(mounts[1].Source, QByteArray("/dev/sdb1"));
    QCOMPARE(mounts[2].Root, QByteArray("/export"));
    QCOMPARE(mounts[2].FsType, QByteArray("nfs4"));
  }

  void userVolumes_leaveOutPseudoAndSystemMounts_data() {
    QTest::addColumn<QByteArray>("point");
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("listed");
    QTest::newRow("root, even as overlay") << QByteArray("/") << QByteArray("overlay") << true;
    QTest::newRow("home") << QByteArray("/home") << QByteArray("ext4") << true;
    QTest::newRow("stick") << QByteArray("/run/media/ana/STICK") << QByteArray("vfat") << true;
    QTest::newRow("share") << QByteArray("/mnt/share") << QByteArray("cifs") << true;
    QTest::newRow("tmp in memory") << QByteArray("/tmp") << QByteArray("tmpfs") << true;
    QTest::newRow("proc") << QByteArray("/proc") << QByteArray("proc") << false;
    QTest::newRow("sysfs") << QByteArray("/sys") << QByteArray("sysfs") << false;
    QTest::newRow("cgroup") << QByteArray("/sys/fs/cgroup/cpu") << QByteArray("cgroup") << false;
    QTest::newRow("devpts") << QByteArray("/dev/pts") << QByteArray("devpts") << false;
    QTest::newRow("shared memory") << QByteArray("/dev/shm") << QByteArray("tmpfs") << false;
    QTest::newRow("user runtime") << QByteArray("/run/user/1000") << QByteArray("tmpfs") << false;
    QTest::newRow("other tmpfs") << QByteArray("/mnt/helper") << QByteArray("tmpfs") << false;
    QTest::newRow("boot partition") << QByteArray("/boot/efi") << QByteArray("vfat") << false;
    QTest::newRow("snap") << QByteArray("/snap/core/1") << QByteArray("squashfs") << false;
    QTest::newRow("hidden helper") << QByteArray("/tmp/.mount_app") << QByteArray("fuse.app") << false;
  }
  void userVolumes_leaveOutPseudoAndSystemMounts() {
    QFETCH(QByteArray, point);
    QFETCH(QByteArray, type);
    QFETCH(bool, listed);
    QCOMPARE(IsUserVolume(MountEntry{"/", point, type, "x"}), listed);
  }

  void driveType_fromFileSystemAndDevice_data() {
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<bool>("removable");
    QTest::addColumn<int>("expected");
    QTest::newRow("ext4") << QByteArray("ext4") << false << int(DriveType::Fixed);
    QTest::newRow("removable vfat") << QByteArray("vfat") << true << int(DriveType::Removable);
    QTest::newRow("nfs") << QByteArray("nfs") << false << int(DriveType::Network);
    QTest::newRow("cifs") << QByteArray("cifs") << false << int(DriveType::Network);
    QTest::newRow("sshfs") << QByteArray("fuse.sshfs") << false << int(DriveType::Network);
    QTest::newRow("dvd") << QByteArray("iso9660") << true << int(DriveType::CdRom);
    QTest::newRow("udf") << QByteArray("udf") << false << int(DriveType::CdRom);
    QTest::newRow("tmpfs") << QByteArray("tmpfs") << false << int(DriveType::Ram);
    QTest::newRow("ramfs") << QByteArray("ramfs") << false << int(DriveType::Ram);
  }
  void driveType_fromFileSystemAndDevice() {
    QFETCH(QByteArray, type);
    QFETCH(bool, removable);
    QFETCH(int, expected);
    QCOMPARE(int(DriveTypeOf(Mount("/x", type.constData()), removable)), expected);
  }

  void selectVolumes_onePerPointSortedWithLabels() {
    const std::vector<MountEntry> mounts = {
        Mount("/home", "ext4", "/dev/sda2"),
        Mount("/", "ext4", "/dev/sda1"),
        Mount("/proc", "proc", "proc"),
        Mount("/mnt/share", "cifs", "//server/docs"),
        Mount("/media/stick", "vfat", "/dev/sdb1"),
        Mount("/media/stick", "exfat", "/dev/sdc1"),
        Mount("/etc/hosts", "ext4", "/dev/sda1"),
    };
    const auto volumes = SelectVolumes(
        mounts, [](const MountEntry &m) { return m.Source == "/dev/sdc1"; },
        [](const MountEntry &m) { return m.Source == "/dev/sda2" ? QStringLiteral("Home") : QString(); },
        [](const QByteArray &point) { return point != "/etc/hosts"; });
    QCOMPARE(volumes.size(), size_t(4));
    QCOMPARE(volumes[0].MountPoint, QByteArray("/"));
    QCOMPARE(volumes[1].MountPoint, QByteArray("/home"));
    QCOMPARE(volumes[1].Label, QStringLiteral("Home"));
    QCOMPARE(volumes[2].MountPoint, QByteArray("/media/stick"));
    QCOMPARE(int(volumes[2].Type), int(DriveType::Removable)); // the last mount of a point wins
    QCOMPARE(volumes[3].Label, QStringLiteral("//server/docs"));
    QCOMPARE(int(volumes[3].Type), int(DriveType::Network));
  }

  void thisMachine_hasItsRootAndNoPseudoVolumes() {
    LinuxVolumeTable table;
    bool root = false;
    for (const Volume &v : table.Volumes()) {
      root = root || v.MountPoint == "/";
      QVERIFY2(!v.MountPoint.startsWith("/proc") && !v.MountPoint.startsWith("/sys"),
               v.MountPoint.constData());
    }
    QVERIFY(root);
    QVERIFY(table.Ready("/"));
    QVERIFY(!table.Ready("/no/such/volume"));
    QCOMPARE(int(table.TypeOf("/no/such/volume")), int(DriveType::NoRoot));
  }
};

QTEST_GUILESS_MAIN(TestVolumes)
#include "tst_volumes.moc"
