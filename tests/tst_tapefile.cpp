// The tape's file and the settings where they meet trouble: something else in
// their place, a full disk, a busy or broken lock, a cut-back that was
// stopped, files longer than a window reads whole. Each case has folders of
// its own, and whatever would wait for ever fails the test by its time-out.

#include "support.h"

#include "app/settingkeys.h"
#include "app/settings.h"
#include "app/tape/tapefile.h"
#include "app/tape/tapepanel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

// What a window reads of a file at most, as the README says.
constexpr qint64 ReadLimit = 16 << 20;

// Writes half of what it is given, then fails, as on a disk that fills up.
class FillingTapeFile : public TapeFile
{
public:
    using TapeFile::TapeFile;
    bool full = false;

protected:
    bool put(QFile &file, QByteArrayView bytes) override
    {
        if (!full)
            return TapeFile::put(file, bytes);
        TapeFile::put(file, bytes.first(bytes.size() / 2));
        return false;
    }
};

// Entry number n, its texts length units long before the result.
TapeEntry entry(int n, qsizetype length)
{
    const QString text = QString(length, u'I') + QStringLiteral(" = %1").arg(n);
    return {text, text, n};
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A tape of entries 0 to count - 1, as the calculator writes it.
QByteArray tape(int count, qsizetype length)
{
    QByteArray all = "roman-calculator-tape\t1\n";
    for (int n = 0; n < count; ++n)
        all += tapeLine(entry(n, length)) + '\n';
    return all;
}

// Numbered from, in order and none twice, each text whole at both ends.
void verifyNumbered(const std::deque<TapeEntry> &entries, int from, qsizetype length)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int n = from + int(i);
        QCOMPARE(entries[i].result.value_or(-1), double(n));
        QVERIFY(entries[i].roman.endsWith(QStringLiteral("I = %1").arg(n)));
        QVERIFY(entries[i].decimal.startsWith(QString(std::min<qsizetype>(length, 100), u'I')));
    }
}

} // namespace

class TestTapeFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath("data")));
    }
    void init()
    {
        pinLocaleAndFailOnErrors();
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    }
    void cleanup()
    {
        config.remove();
        forgetSettings();
    }

    // What stands in the file's place or its lock's (made after the start
    // for "later"), what the window shows of a tape of two entries, whether
    // something is set aside and whether the next three entries must wait.
    // Put right, the file takes every entry once and leaves nothing behind.
    void troubles_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("aside");
        QTest::addColumn<bool>("waits");
        QTest::newRow("a named pipe") << "pipe" << 0 << true << false;
        QTest::newRow("a named pipe, later") << "pipe later" << 2 << true << false;
        QTest::newRow("a device, through a link") << "device" << 0 << true << false;
        QTest::newRow("a folder") << "folder" << 0 << true << false;
        QTest::newRow("a folder, later") << "folder later" << 2 << true << false;
        QTest::newRow("a full disk") << "full" << 2 << false << true;
        QTest::newRow("a real full disk") << "real full" << 2 << false << true;
        QTest::newRow("a lock that is a folder") << "lock folder" << 2 << false << true;
        QTest::newRow("a lock that is a pipe") << "lock pipe" << 2 << false << true;
        QTest::newRow("a lock another window holds") << "lock held" << 2 << false << true;
        QTest::newRow("a stopped cut-back, and a person's copies")
            << "copies" << 2 << false << false;
    }
    void troubles()
    {
        QFETCH(QString, place);
        QFETCH(int, shown);
        QTemporaryDir temporary;
        // Mounted by the test tst_tapefile_full_disk, in a namespace of its own.
        const QString folder
            = place == "real full" ? qEnvironmentVariable("ROMAN_SMALL_DISK") : temporary.path();
        if (folder.isEmpty())
            QSKIP("needs a small disk of its own, which tst_tapefile_full_disk mounts");
        const QDir dir(folder);
        const QString path = dir.filePath("tape.txt");
        QLockFile held(path + ".lock");
        // Names a person may give copies of their own, earlier versions' too.
        const QStringList persons {"202612", "a1B2c3", "backup", "bak"};
        const auto obstruct = [&] {
            if (place.startsWith("pipe"))
                QCOMPARE(mkfifo(QFile::encodeName(path), 0600), 0);
            else if (place == "device")
                QVERIFY(QFile::link("/dev/zero", path));
            else if (place.startsWith("folder"))
                QVERIFY(dir.mkpath("tape.txt/inside"));
            else if (place == "lock folder")
                QVERIFY(dir.mkpath("tape.txt.lock"));
            else if (place == "lock pipe")
                QCOMPARE(mkfifo(QFile::encodeName(path + ".lock"), 0600), 0);
            else if (place == "lock held")
                QVERIFY(held.tryLock(0));
            else if (place == "copies")
                for (const QString &name : QStringList {"new"} + persons)
                    QVERIFY(write(path + '.' + name, "roman"));
        };
        const bool later = place.endsWith("later");
        QVERIFY(shown == 0 || write(path, tape(shown, 5000)));
        if (!later)
            obstruct();
        FillingTapeFile file(folder);
        QCOMPARE(int(file.load().size()), shown);
        if (later) {
            QVERIFY(QFile::remove(path));
            obstruct();
        }
        file.full = place == "full";
        // Full but for a page, which the lock takes.
        QFile filler(dir.filePath("filler"));
        if (place == "real full") {
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            while (filler.write(QByteArray(4096, 'x')) == 4096) { }
            QVERIFY(filler.resize(filler.size() / 4096 * 4096 - 4096));
            filler.close();
        }
        QFETCH(bool, waits);
        std::vector<TapeEntry> entries;
        for (int n = shown; n < shown + 3; ++n)
            entries.push_back(entry(n, 5000));
        QCOMPARE(file.append(entries), !waits);
        QCOMPARE(file.unsaved(), waits ? entries.size() : 0);
        // Put right, the next entry takes those that waited with it.
        file.full = false;
        held.unlock();
        filler.remove();
        QFile::remove(path + ".lock");
        dir.rmdir("tape.txt.lock");
        QVERIFY(file.append({entry(shown + 3, 5000)}));
        QCOMPARE(file.unsaved(), 0u);
        const std::deque<TapeEntry> reopened = TapeFile(folder).load();
        const int first = later ? shown : 0;
        QCOMPARE(int(reopened.size()), shown + 4 - first);
        verifyNumbered(reopened, first, 5000);
        // Set aside as it was, never opened.
        const QStringList aside
            = dir.entryList({"tape-unreadable*"}, QDir::AllEntries | QDir::System);
        QTEST(!aside.isEmpty(), "aside");
        struct stat status;
        for (const QString &name : aside) {
            QCOMPARE(lstat(QFile::encodeName(dir.filePath(name)), &status), 0);
            QVERIFY(!S_ISREG(status.st_mode));
            QVERIFY(!S_ISDIR(status.st_mode) || dir.exists(name + "/inside"));
        }
        QStringList left;
        for (const QString &name : dir.entryList({"tape.txt.*"}, QDir::AllEntries | QDir::Hidden))
            left << name.sliced(9);
        QCOMPARE(left, place == "copies" ? persons : QStringList());
    }

    // Tapes past what a window reads whole: a file an earlier version let
    // grow, and entries of every length written by two windows in turn.
    // The file stays readable, and a new window shows the newest entries.
    void staysReadable_data()
    {
        QTest::addColumn<int>("existing");
        QTest::addColumn<qsizetype>("length");
        QTest::addColumn<int>("windows");
        QTest::addColumn<int>("appends");
        QTest::addColumn<bool>("all"); // the newest thousand are kept
        QTest::newRow("past the old limit") << 430 << qsizetype(20000) << 1 << 0 << false;
        QTest::newRow("long entries") << 0 << qsizetype(20000) << 2 << 450 << false;
        QTest::newRow("short entries") << 1990 << qsizetype(1) << 2 << 30 << true;
        QTest::newRow("three windows") << 0 << qsizetype(1) << 3 << 4500 << true;
        QTest::newRow("longer than a line") << 0 << qsizetype(3 << 20) << 1 << 3 << false;
    }
    void staysReadable()
    {
        QFETCH(int, existing);
        QFETCH(qsizetype, length);
        QFETCH(int, appends);
        QTemporaryDir folder;
        const QString path = folder.filePath("tape.txt");
        QVERIFY(existing == 0 || write(path, tape(existing, length)));
        QFETCH(int, windows);
        std::vector<std::unique_ptr<TapeFile>> open(static_cast<std::size_t>(windows));
        for (auto &window : open)
            (window = std::make_unique<TapeFile>(folder.path()))->load();
        for (int n = existing; n < existing + appends; ++n) {
            QVERIFY(open[std::size_t(n) % open.size()]->append({entry(n, length)}));
            QVERIFY(QFileInfo(path).size() < ReadLimit);
            // Cut back at 2000 lines, whichever window wrote them.
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly) && file.readAll().count('\n') <= 2001);
        }
        TapeFile reopened(folder.path());
        const std::deque<TapeEntry> shown = reopened.load();
        QCOMPARE(reopened.setAsideAs(), QString());
        QVERIFY(QFileInfo(path).size() < ReadLimit);
        QVERIFY(!shown.empty() && shown.size() <= TapeFile::Kept);
        QFETCH(bool, all);
        QVERIFY(!all || shown.size() == TapeFile::Kept);
        verifyNumbered(shown, existing + appends - int(shown.size()), length);
    }

    // A settings file that is not a settings text (damaged, binary bytes,
    // invalid UTF-8), or that is not a file, is set aside as it was and a new
    // one begins, which QSettings reads.
    void settings_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("damaged") << "file" << QByteArray("[Window]\nsize=@Size(640 480)\n[Tape");
        QTest::newRow("binary") << "file" << QByteArray("[Tape]\nwidth=\x01\x00\x02", 15);
        QTest::newRow("not UTF-8") << "file" << QByteArray("[Tape]\nwidth=\xff\xfe");
        QTest::newRow("a named pipe") << "pipe" << QByteArray();
        QTest::newRow("a folder") << "folder" << QByteArray();
    }
    void settings()
    {
        QFETCH(QString, place);
        QFETCH(QByteArray, bytes);
        const QDir dir(config.filePath("roman-calculator"));
        const QString path = dir.filePath("roman-calculator.conf");
        QVERIFY(dir.mkpath(place == "folder" ? path : "."));
        if (place == "file")
            QVERIFY(write(path, bytes));
        else if (place == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(path), 0600), 0);
        QCOMPARE(setting(WindowSizeKey, "none"), QVariant("none"));
        keepSetting(WindowSizeKey, QSize(604, 392));
        QCOMPARE(setting(WindowSizeKey), QVariant(QSize(604, 392)));
        QCOMPARE(QSettings(path, QSettings::IniFormat).value(WindowSizeKey), QSize(604, 392));
        QFile aside(dir.filePath("roman-calculator-unreadable.conf"));
        QVERIFY(aside.exists());
        QVERIFY(place != "file" || (aside.open(QIODevice::ReadOnly) && aside.readAll() == bytes));
    }

    // Whatever stands at the settings' lock, a choice is kept in memory at
    // once and said once; it is written as soon as the lock is free.
    void settingsNeverWait_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::newRow("held by another window") << "held";
        QTest::newRow("held, an hour old, of garbage") << "stale";
        QTest::newRow("empty") << "empty";
        QTest::newRow("garbage") << "garbage";
        QTest::newRow("naming a calculator that runs") << "running";
        QTest::newRow("a folder") << "folder";
        QTest::newRow("a named pipe") << "pipe";
    }
    void settingsNeverWait()
    {
        QFETCH(QString, lock);
        const QDir dir(config.filePath("roman-calculator"));
        const QString path = dir.filePath("roman-calculator.conf");
        const QString lockPath = path + ".lock";
        QVERIFY(dir.mkpath(lock == "folder" ? lockPath : "."));
        QLockFile held(lockPath);
        QVERIFY(lock == "folder" || lock == "pipe" || held.tryLock(0));
        QFile content(lockPath);
        if (lock == "running") {
            QVERIFY(content.open(QIODevice::ReadOnly));
            const QByteArray running = content.readAll();
            content.close();
            held.unlock();
            QVERIFY(write(lockPath, running));
        } else if (lock == "empty" || lock == "garbage" || lock == "stale") {
            // Still held by the lock above, whose file it was.
            QVERIFY(content.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QVERIFY(lock == "empty" || content.write("\x01\xffgarbage\n") > 0);
            const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
            QVERIFY(lock != "stale" || content.setFileTime(old, QFileDevice::FileModificationTime));
            content.close();
        } else if (lock == "pipe") {
            QCOMPARE(mkfifo(QFile::encodeName(lockPath), 0600), 0);
        }
        QStringList said;
        tellSettingsNews([&](const QString &news) { said << news; });
        keepSetting(TapeWidthKey, 1234);
        keepSetting(TapeShownKey, false);
        QCOMPARE(setting(TapeWidthKey).toInt(), 1234);
        QCOMPARE(said.size(), 1);
        QVERIFY(!QFileInfo::exists(path));
        held.unlock();
        QFile::remove(lockPath);
        dir.rmdir(lockPath);
        QVERIFY(saveSettings(0));
        QSettings written(path, QSettings::IniFormat);
        QCOMPARE(written.value(TapeWidthKey).toInt(), 1234);
        QCOMPARE(written.value(TapeShownKey).toBool(), false);
        tellSettingsNews({});
    }

    // Entries still waiting for a lock another window holds as the window
    // closes are kept beside the tape, each window's in a file of its own;
    // the next start that can takes them into the tape, in order.
    // A window deletes, clears and brings back only what it showed: what
    // another window added meanwhile stays, also while the lock is busy.
    void editsKeepOtherWindowsEntries_data()
    {
        QTest::addColumn<bool>("lockBusy");
        QTest::newRow("at once") << false;
        QTest::newRow("after a busy lock") << true;
    }
    void editsKeepOtherWindowsEntries()
    {
        QFETCH(bool, lockBusy);
        QTemporaryDir folder;
        TapeFile mine(folder.path());
        TapeFile other(folder.path());
        QVERIFY(mine.append({entry(0, 1), entry(1, 1), entry(2, 1)}));
        const std::deque<TapeEntry> shown = mine.load();
        QVERIFY(other.append({entry(3, 1)}));
        std::optional<QLockFile> held;
        if (lockBusy) {
            held.emplace(QDir(folder.path()).filePath("tape.txt.lock"));
            QVERIFY(held->tryLock(0));
        }
        // Entry 1 deleted, then everything cleared, then all brought back.
        QCOMPARE(mine.replace({entry(0, 1), entry(2, 1)}, shown), !lockBusy);
        QCOMPARE(mine.replace({}, std::deque {entry(0, 1), entry(2, 1)}), !lockBusy);
        held.reset();
        QVERIFY(mine.replace(shown, std::deque<TapeEntry> {}));
        const std::deque<TapeEntry> saved = TapeFile(folder.path()).load();
        QCOMPARE(saved.size(), 4u);
        verifyNumbered(saved, 0, 1);
    }

    void keptBesideAtClose()
    {
        QTemporaryDir folder;
        const QDir dir(folder.path());
        QLockFile held(dir.filePath("tape.txt.lock"));
        QVERIFY(held.tryLock(0));
        for (int window = 0; window < 2; ++window) {
            QTest::ignoreMessage(
                QtWarningMsg, QRegularExpression("3 entries .* kept in .*unsaved"));
            TapeFile file(folder.path());
            file.load();
            QVERIFY(!file.append(
                {entry(3 * window, 1), entry(3 * window + 1, 1), entry(3 * window + 2, 1)}));
        }
        const QStringList kept {"tape-unsaved-2.txt", "tape-unsaved.txt"};
        QCOMPARE(dir.entryList({"tape-*"}), kept);
        QCOMPARE(TapeFile(folder.path()).load().size(), 0u);
        held.unlock();
        const std::deque<TapeEntry> saved = TapeFile(folder.path()).load();
        QCOMPARE(saved.size(), 6u);
        verifyNumbered(saved, 0, 1);
        QCOMPARE(dir.entryList({"tape*"}), QStringList("tape.txt"));
    }

    // The window says so after each entry that must wait, and saves them as
    // it closes.
    void panelSavesWhatWaited()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath("tape.txt.lock"));
        QStringList said;
        {
            TapePanel panel(folder.path());
            panel.said.connect([&](const QString &news) { said << news; });
            for (int n = 0; n < 2; ++n) {
                panel.add(entry(n, 1));
                QCoreApplication::processEvents();
                QCOMPARE(said.filter("cannot be saved").size(), n + 1);
            }
            QVERIFY(QDir(folder.path()).rmdir("tape.txt.lock"));
        }
        const std::deque<TapeEntry> saved = TapeFile(folder.path()).load();
        QCOMPARE(saved.size(), 2u);
        verifyNumbered(saved, 0, 1);
    }

private:
    const QTemporaryDir home;
    QTemporaryDir config;
};

QTEST_MAIN(TestTapeFile)
#include "tst_tapefile.moc"
