// The reader fuzzer's corpus, replayed through the fuzzer's own entry point: every input
// the fuzzer ever found interesting stays a regression case (a fault traps or, under the
// sanitizers, reports).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "store/data_file_format.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

const std::filesystem::path Corpus = std::filesystem::path(ORVANA_FUZZ_CORPUS) / "data_file_reader";

ByteBuffer Input(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

PlainReadStatus StatusOf(const std::string& seed) {
    const ByteBuffer bytes = Input(Corpus / seed);
    auto store = std::make_unique<FieldStore>();
    ReturnPosition position;
    return ReadPlainForm(bytes.data(), bytes.size(), *store, position).status;
}

}  // namespace

TEST(DataFileReaderCorpus, EveryInputReadsWithoutFault) {
    size_t inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Corpus)) {
        const ByteBuffer bytes = Input(entry.path());
        EXPECT_EQ(LLVMFuzzerTestOneInput(bytes.data(), bytes.size()), 0) << entry.path();
        ++inputs;
    }
    EXPECT_GE(inputs, 10u);
}

// The hand-made seeds still say what their names say, so the corpus covers every outcome.
TEST(DataFileReaderCorpus, SeedsCoverEveryOutcome) {
    EXPECT_EQ(StatusOf("every_type"), PlainReadStatus::Complete);
    EXPECT_EQ(StatusOf("history_overrun"), PlainReadStatus::Complete);
    EXPECT_EQ(StatusOf("bad_field_number"), PlainReadStatus::BadFieldNumber);
    EXPECT_EQ(StatusOf("cut_inside_list"), PlainReadStatus::Malformed);
    EXPECT_EQ(StatusOf("small_text_too_long"), PlainReadStatus::Malformed);
    EXPECT_EQ(StatusOf("huge_item_count"), PlainReadStatus::Malformed);
    EXPECT_EQ(StatusOf("other_year"), PlainReadStatus::OtherTaxYear);
}
