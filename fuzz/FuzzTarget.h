#pragma once
// A fuzz target: one reader of data that comes from outside the programs,
// fed arbitrary bytes. The same function runs under libFuzzer (scripts/fuzz,
// one executable per target) and in the ordinary test that replays the seed
// corpus and every input that once crashed or hung (tests/fuzz).
//
//   CORVANE_FUZZ_TARGET(CloneFile)
//   {
//       CloneFile::Parse(fuzz::Lines(data, size));
//       return 0;
//   }
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fuzz {

using Function = int (*)(const uint8_t* data, size_t size);

struct Target {
    const char* name;
    Function function;
};

bool Register(const char* name, Function function);
const std::vector<Target>& Targets();
const Target* Find(const QString& name);

// An application object, private settings and data folders: what the
// readers expect around them. Does nothing when an application exists.
void SetUpEnvironment();

inline QByteArray Bytes(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}
// The bytes as the programs' text files give them: Latin-1 lines.
QStringList Lines(const uint8_t* data, size_t size);
// The bytes as a file of the data folder; its path.
QString WriteFile(const QString& name, const uint8_t* data, size_t size);

} // namespace fuzz

#define CORVANE_FUZZ_TARGET(Name)                                                                    \
    static int Fuzz##Name(const uint8_t* data, size_t size);                                         \
    [[maybe_unused]] static const bool g_fuzzRegistered##Name = fuzz::Register(#Name, &Fuzz##Name); \
    static int Fuzz##Name(const uint8_t* data, size_t size)
