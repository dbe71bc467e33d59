// Runs a fuzz target without libFuzzer, so that the ordinary build replays the
// seeds as a test:  <target>_replay FILE-OR-DIRECTORY...
// A directory stands for its files, in name order. A broken property aborts.

#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QDir dir(QString::fromLocal8Bit(argv[i]));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            inputs << dir.filePath(name);
        if (!dir.exists())
            inputs << dir.path();
    }
    for (const QString &input : std::as_const(inputs)) {
        QFile file(input);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("Cannot read %s", qPrintable(input));
        std::fprintf(stderr, "%s\n", qPrintable(input));
        const QByteArray bytes = file.readAll();
        LLVMFuzzerTestOneInput(
            reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
    }
    std::printf("%lld inputs, no property broken\n", static_cast<long long>(inputs.size()));
    return inputs.isEmpty() ? 1 : 0; // replaying nothing would test nothing
}
