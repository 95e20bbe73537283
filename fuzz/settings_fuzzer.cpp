// Any bytes as the settings file, then values written through the store:
// the store never fails on the file, and every value written reads back
// exactly, from this store and from a fresh one on the same file.
#include "FuzzCheck.h"
#include "common/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

namespace {

QTemporaryDir* root = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    root = new QTemporaryDir;
    return 0;
}

// The input: the file's bytes, then after a "\n--\n" line the values to
// write, one a line, under a few module, section and value names of the kind
// the program uses.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The store checks each file once per process: a folder per input.
    static int run = 0;
    const QString dir = root->filePath(QString::number(++run));
    QDir().mkpath(dir);
    qputenv("ORVIK_CONFIG_DIR", dir.toLocal8Bit());

    const QByteArray input = fuzzBytes(data, size);
    const qsizetype split = input.indexOf("\n--\n");
    const QByteArray fileBytes = split < 0 ? input : input.left(split);
    const QList<QByteArray> valueLines = split < 0 ? QList<QByteArray>() : input.mid(split + 4).split('\n');
    {
        QFile file(SettingsStore::filePath());
        FUZZ_REQUIRE(file.open(QIODevice::WriteOnly));
        file.write(fileBytes);
    }

    static const char* const modules[] = {"Orvik 2000\\Duza Zidova", "Orvik 2000\\Stopwatch", "Control Panel\\Desktop"};
    static const char* const sections[] = {"", "Files", "Settings\\Colours"};
    static const char* const names[] = {"File1", "Wallpaper", "Left", "a\\b", "Tile Wallpaper"};
    struct Written {
        QString module, section, name, value;
    };
    QList<Written> written;
    for (qsizetype i = 0; i < valueLines.size() && i < 6; ++i) {
        const QString module = QString::fromLatin1(modules[i % 3]);
        const QString section = QString::fromLatin1(sections[(i / 3) % 3]);
        const QString name = QString::fromLatin1(names[i % 5]);
        const QString value = QString::fromUtf8(valueLines.at(i));
        SettingsStore(module).writeString(section, name, value);
        written.erase(std::remove_if(written.begin(), written.end(),
                                     [&](const Written& w) {
                                         return w.module == module && w.section == section && w.name == name;
                                     }),
                      written.end());
        written.append({module, section, name, value});
    }
    for (const Written& w : written) {
        const QString back = SettingsStore(w.module).readString(w.section, w.name, QStringLiteral("\x01none"));
        if (back != w.value)
            std::fprintf(stderr, "wrote [%s] read [%s]\n", qPrintable(w.value), qPrintable(back));
        FUZZ_REQUIRE(back == w.value);
    }
    QDir(dir).removeRecursively();
    return 0;
}
