// Reader speed on a file of 65,535 records: opening against one bulk read of the record table,
// and reading every record in order against reading the whole file in one call.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "content/byte_source.h"
#include "content/pdb_file.h"
#include "content/pdb_record_stream.h"
#include "tools/lib/pdb_writer.h"

namespace {

using namespace orvane;

constexpr size_t kRecords = 65535;

// A file of 65,535 records whose lengths vary evenly around the given mean (short index and
// table records near 44 bytes, document-like records near 512), written once to a temporary
// folder.
std::string makeFile(size_t meanLength) {
    tools::PdbImage image;
    image.name = "bench";
    image.records.reserve(kRecords);
    for (size_t i = 0; i < kRecords; ++i) {
        const size_t length = meanLength / 4 + i % (meanLength * 3 / 2);
        image.records.push_back(tools::ByteVector(length, static_cast<uint8_t>(i)));
    }
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("orvane_content_bench_" + std::to_string(meanLength) + ".pdb"))
                                 .string();
    std::string error;
    if (!tools::writeFileAtomically(file, tools::pdbBytes(image), error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
    }
    return file;
}

const std::string& benchFile(size_t meanLength = 44) {
    static const std::string small = makeFile(44);
    static const std::string large = makeFile(512);
    return meanLength == 44 ? small : large;
}

void BM_OpenFile(benchmark::State& state) {
    const std::string& path = benchFile();
    for (auto _ : state) {
        PdbFile file(std::make_unique<FileByteSource>(path));
        if (!file.isOpen()) state.SkipWithError("not open");
        benchmark::DoNotOptimize(file.recordCount());
    }
}
BENCHMARK(BM_OpenFile);

// The baseline for opening: open the file and read the record table in one call.
void BM_BulkReadRecordTable(benchmark::State& state) {
    const std::string& path = benchFile();
    std::vector<uint8_t> table(8 * kRecords);
    for (auto _ : state) {
        FileByteSource source(path);
        benchmark::DoNotOptimize(source.readAt(78, table.data(), table.size()));
    }
}
BENCHMARK(BM_BulkReadRecordTable);

// The same read into a fresh buffer each time, as opening must do (the pages of a new buffer are
// faulted in by the read).
void BM_BulkReadRecordTableFreshBuffer(benchmark::State& state) {
    const std::string& path = benchFile();
    const size_t size = 8 * kRecords;
    for (auto _ : state) {
        FileByteSource source(path);
        std::unique_ptr<uint8_t[]> table(new uint8_t[size]);
        benchmark::DoNotOptimize(source.readAt(78, table.get(), size));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_BulkReadRecordTableFreshBuffer);

// Every record in file order, each into the caller's buffer, through the in-order stream. The
// buffer's size is checked against the longest record once, before timing.
void BM_ReadAllRecords(benchmark::State& state) {
    const std::string& path = benchFile(static_cast<size_t>(state.range(0)));
    PdbFile file(std::make_unique<FileByteSource>(path));
    uint64_t recordBytes = 0;
    uint32_t longest = 0;
    for (uint32_t i = 0; i < file.recordCount(); ++i) {
        const uint32_t length = file.recordLength(static_cast<uint16_t>(i));
        recordBytes += length;
        longest = std::max(longest, length);
    }
    std::vector<uint8_t> buffer(std::max<size_t>(longest, 1));
    uint64_t bytes = 0;
    for (auto _ : state) {
        PdbRecordStream stream(file);
        while (!stream.atEnd()) {
            if (!stream.readNext(buffer.data())) {
                state.SkipWithError("short read");
                break;
            }
        }
        benchmark::ClobberMemory();
        bytes += recordBytes;
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_ReadAllRecords)->Arg(44)->Arg(512);

// The same records read one by one by index (the random-access path).
void BM_ReadRecordsByIndex(benchmark::State& state) {
    const std::string& path = benchFile(static_cast<size_t>(state.range(0)));
    PdbFile file(std::make_unique<FileByteSource>(path));
    std::vector<uint8_t> buffer(1024);
    uint64_t bytes = 0;
    for (auto _ : state) {
        for (uint32_t i = 0; i < file.recordCount(); ++i) {
            const auto index = static_cast<uint16_t>(i);
            if (!file.readRecord(index, buffer.data())) state.SkipWithError("short read");
            bytes += file.recordLength(index);
        }
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_ReadRecordsByIndex)->Arg(44)->Arg(512);

// The baseline for reading: the whole file in one call.
void BM_ReadWholeFile(benchmark::State& state) {
    const std::string& path = benchFile(static_cast<size_t>(state.range(0)));
    FileByteSource source(path);
    std::vector<uint8_t> all(source.size());
    uint64_t bytes = 0;
    for (auto _ : state) {
        bytes += source.readAt(0, all.data(), all.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_ReadWholeFile)->Arg(44)->Arg(512);

}  // namespace

BENCHMARK_MAIN();
