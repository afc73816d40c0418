// wgrecords.dat and pgrecords.dat: any bytes load as a list that saves,
// reloads unchanged and takes new entries.
#include "fuzzsupport.h"

#include "Record.h"
#include "TopTenList.h"

extern "C" int LLVMFuzzerTestOneInput(const unsigned char *data, size_t size)
{
    FuzzSupport::setUp();
    const QString name = QStringLiteral("/wgrecords.dat");
    FuzzSupport::writeDataFile(name, data, size);

    TopTenList list(name);
    list.load();
    const int loaded = list.records().size();
    // Every record takes at least six bytes.
    FUZZ_CHECK(size_t(loaded) <= size / 6 + 1);

    list.save();
    TopTenList again(name);
    again.load();
    FUZZ_CHECK(again.records().size() == loaded);
    for (int i = 0; i < loaded; ++i) {
        auto *a = static_cast<Record *>(list.records().at(i));
        auto *b = static_cast<Record *>(again.records().at(i));
        FUZZ_CHECK(a->player() == b->player());
        FUZZ_CHECK(a->score() == b->score());
    }

    // A new best score always finds a place and never grows a full list.
    auto *record = new Record(nullptr);
    record->setScore(32767);
    const int position = again.insert(record);
    if (position < 0)
        delete record;
    else
        FUZZ_CHECK(again.records().size() == (loaded >= 10 ? loaded : loaded + 1));
    return 0;
}
