#pragma once

#include <QByteArray>
#include <QString>

// A data folder of its own for the whole fuzzing run; each input is written
// into the file under test, which the real reader then loads.
namespace FuzzSupport {

void setUp();
QString dataPath(const QString &name);
void writeDataFile(const QString &name, const unsigned char *data, size_t size);

} // namespace FuzzSupport

// Stops the run as a crash, so libFuzzer saves the input that broke an invariant.
#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) \
            __builtin_trap(); \
    } while (false)
