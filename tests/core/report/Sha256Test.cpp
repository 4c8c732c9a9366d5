#include "core/report/Sha256.h"

#include <gtest/gtest.h>

namespace {

struct Digest_Case {
    std::string bytes;
    const char* digest;
};

class Sha256 : public testing::TestWithParam<Digest_Case> {};

// The published test vectors, and lengths on both sides of the one-block and two-block tails.
TEST_P(Sha256, GivesThePublishedDigest) {
    EXPECT_EQ(cfg::report::Sha256_Hex(GetParam().bytes), GetParam().digest);
}

INSTANTIATE_TEST_SUITE_P(
    Vectors, Sha256,
    testing::Values(
        Digest_Case{"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        Digest_Case{"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        Digest_Case{"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
                    "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        Digest_Case{std::string(55, 'a'), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318"},
        Digest_Case{std::string(64, 'a'), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb"},
        Digest_Case{std::string(1000000, 'a'),
                    "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"}));

} // namespace
