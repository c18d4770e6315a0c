// libFuzzer target for the class data file reader. A file the reader refuses
// must be refused with FormatError and nothing else; a file it accepts, put
// into a fresh state and written back, must read back to the same bytes.
#include "core/appstate.h"
#include "core/errors.h"
#include "storage/classfilereader.h"
#include "storage/classfilewriter.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace lunaplan;

namespace {

QByteArray writtenBack(const ClassFileData& data)
{
    AppState state;
    applyClassFile(state, data);
    return formatClassFile(captureClassFile(state));
}

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "fuzz_classfile: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::optional<ClassFileData> parsed;
    try {
        parsed = parseClassFile(bytes);
    } catch (const FormatError& e) {
        if (e.line() < 2)
            fail("a damaged file was reported at line 1, which is the magic");
        return 0;
    }
    if (!parsed)
        return 0;
    const QByteArray first = writtenBack(*parsed);
    std::optional<ClassFileData> reread;
    try {
        reread = parseClassFile(first);
    } catch (const FormatError& e) {
        std::fprintf(stderr, "%s\n", e.what());
        fail("the writer wrote a file that the reader refuses");
    }
    if (!reread)
        fail("the writer wrote a file without the magic");
    if (writtenBack(*reread) != first)
        fail("write, read and write again gave different bytes");
    return 0;
}
