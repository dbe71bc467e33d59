// The tape's file and the settings where they meet trouble: something else in
// their place, a full disk, a busy or broken lock, a cut-back that was
// stopped, files longer than a window reads whole. Each case has folders of
// its own, and whatever would wait for ever fails the test by its time-out.

#include "support.h"

#include "app/settings.h"
#include "app/tape/tapefile.h"
#include "app/tape/tapepanel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
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
    void cleanup() { config.remove(); }

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
        QTest::newRow("a stopped cut-back") << "copies" << 2 << false << false;
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
                QVERIFY(write(path + ".new", "roman") && write(path + ".a1B2c3", "roman"));
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
        QCOMPARE(dir.entryList({"tape.txt.*"}, QDir::AllEntries | QDir::Hidden | QDir::System),
            QStringList());
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

    // A settings file that cannot be read, or that is not a file, is set
    // aside as it was and a new one begins; where the lock is not a file,
    // nothing waits for it, and nothing is kept.
    void settings_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<bool>("kept");
        QTest::newRow("damaged") << "damaged" << true;
        QTest::newRow("a named pipe") << "pipe" << true;
        QTest::newRow("a folder") << "folder" << true;
        QTest::newRow("a lock that is a folder") << "lock folder" << false;
    }
    void settings()
    {
        QFETCH(QString, place);
        const QDir dir(config.filePath("roman-calculator"));
        const QString path = dir.filePath("roman-calculator.conf");
        const QByteArray damaged = "[Window]\nsize=@Size(640 480)\n[Tape";
        QVERIFY(dir.mkpath(place == "folder" ? path : "."));
        if (place == "damaged")
            QVERIFY(write(path, damaged));
        else if (place == "pipe")
            QCOMPARE(mkfifo(QFile::encodeName(path), 0600), 0);
        else if (place == "lock folder")
            QVERIFY(dir.mkpath(path + ".lock"));
        QCOMPARE(setting("Window/size", "none"), QVariant("none"));
        keepSetting("Window/size", QSize(604, 392));
        QFETCH(bool, kept);
        QCOMPARE(setting("Window/size"), kept ? QVariant(QSize(604, 392)) : QVariant());
        const QString aside = dir.filePath("roman-calculator-unreadable.conf");
        QCOMPARE(QFileInfo::exists(aside), place != "lock folder");
        if (place == "damaged") {
            QFile file(aside);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), damaged);
        }
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
