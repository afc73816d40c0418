// dictionaries.dat: any bytes give a valid choice of dictionaries.
#include "fuzzsupport.h"

#include "WordStore.h"

#include <QSet>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    FuzzSupport::setUp();
    FuzzSupport::writeDataFile(QStringLiteral("/dictionaries.dat"), data, size);
    WordStore *store = WordStore::instance();
    store->loadLists();

    // Every dictionary stands in exactly one of the two lists, once, and one is in use.
    const QStringList all = store->dictionaries() + store->chosenDictionaries();
    FUZZ_CHECK(all.size() == QSet<QString>(all.begin(), all.end()).size());
    FUZZ_CHECK(all.contains(QStringLiteral("Animals")));
    FUZZ_CHECK(!store->chosenDictionaries().isEmpty());

    // The choice saves and loads back unchanged.
    const QStringList chosen = store->chosenDictionaries();
    store->saveLists();
    store->loadLists();
    FUZZ_CHECK(store->chosenDictionaries() == chosen);
    return 0;
}
