// Fuzzes the INI reader and writer. Arbitrary bytes are read and written; the written form
// must be a fixed point (read back and written again it gives the same bytes). Then every
// key the copy lists is looked up, deleted, written anew with a value holding line breaks,
// and the result read back from its written form.

#include "storage/ini_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "ini_fuzzer: %s\n", what);
        std::abort();
    }
}

// No value read from a file holds a line feed, so this default shows a missing key.
const QByteArray missing = "\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    TMemIniFile first;
    first.LoadFromBytes(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QByteArray written = first.ToBytes();

    TMemIniFile second;
    second.LoadFromBytes(written);
    check(second.ToBytes() == written, "the written form does not read back to itself");
    check(second.SectionNames() == first.SectionNames(), "the section names changed on reading back");

    for (const QByteArray& section : second.SectionNames()) {
        const QList<QByteArray> keys = second.SectionKeys(section);
        for (const QByteArray& key : keys)
            check(key.isEmpty() || second.ReadValue(section, key, missing) != missing, "a listed key is not found");
        for (const QByteArray& key : keys)
            second.DeleteValue(section, key);
        for (const QByteArray& key : keys)
            check(second.ReadValue(section, key, missing) == missing, "a deleted key is still found");
        for (const QByteArray& key : second.SectionKeys(section))
            check(key.isEmpty(), "a key line survived the deletion of its key");
        for (const QByteArray& key : keys)
            second.WriteValue(section, key, "a\r\nb\rc\n=d");
    }

    TMemIniFile third;
    third.LoadFromBytes(second.ToBytes());
    for (const QByteArray& section : third.SectionNames())
        for (const QByteArray& key : second.SectionKeys(section))
            check(third.ReadValue(section, key, missing) == "a b c =d", "a value written anew did not read back");
    return 0;
}
