// dictionaries.dat: any bytes give a valid choice of dictionaries.
#include "fuzzsupport.h"

#include "WordStore.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    FuzzSupport::setUp();
    WordStore *store = WordStore::instance();
    // The catalogue and the copies of the recordings once per run; each input
    // then goes through the reader alone.
    static const bool scanned = store->scanDictionaries();
    (void)scanned;
    FuzzSupport::writeDataFile(QStringLiteral("/dictionaries.dat"), data, size);
    store->readLists();

    // Every dictionary stands in exactly one of the two lists, once, and one is in use.
    const QStringList all = store->dictionaries() + store->chosenDictionaries();
    FUZZ_CHECK(all.size() == QSet<QString>(all.begin(), all.end()).size());
    FUZZ_CHECK(all.contains(QStringLiteral("Animals")));
    FUZZ_CHECK(!store->chosenDictionaries().isEmpty());

    // The choice saves and loads back unchanged.
    const QStringList chosen = store->chosenDictionaries();
    store->saveLists();
    store->readLists();
    FUZZ_CHECK(store->chosenDictionaries() == chosen);
    return 0;
}
