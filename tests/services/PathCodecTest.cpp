#include "PathCodec.h"
#include "Base64.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

TEST(Base64Test, MatchesTheStandardAndRefusesNonCanonicalText)
{
    // RFC 4648 section 10.
    for (const auto &[plain, encoded] :
        std::vector<std::pair<std::string, std::string>> { { "", "" }, { "f", "Zg==" },
            { "fo", "Zm8=" }, { "foo", "Zm9v" }, { "foobar", "Zm9vYmFy" } }) {
        EXPECT_EQ(Base64::encode(plain), encoded);
        EXPECT_EQ(Base64::decode(encoded), plain);
    }
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    EXPECT_EQ(Base64::decode(Base64::encode(bytes)), bytes);

    for (const char *text :
        { "Zg", "Zg=", "Zg===", "Zm9v\n", "Zm 9v", "Zh==", "Zm9=", "Zg==Zm9v", "Zm-v", "====" })
        EXPECT_FALSE(Base64::decode(text).has_value()) << text;
}

TEST(PathCodecTest, OnlyInvalidUtf8TakesTheBase64FormAndBothRoundTrip)
{
    // Lone continuation byte, overlong encoding, a surrogate, a Latin-1 name.
    for (const std::string &bytes : { std::string("/tmp/straße/日本語.txt"),
             std::string("/tmp/\x80.txt"), std::string("/tmp/\xC0\xAF"),
             std::string("/tmp/\xED\xA0\x80"), std::string("/tmp/caf\xE9.jpg") }) {
        const Json encoded = PathCodec::encode(bytes);
        EXPECT_EQ(encoded.is_object(), bytes.find("straße") == std::string::npos) << bytes;
        // dump() would throw on invalid UTF-8; through text and back the bytes stay exact.
        EXPECT_EQ(PathCodec::decode(Json::parse(encoded.dump())).native(), bytes);
    }

    for (const Json &value : { Json(42), Json(nullptr), Json::array({ "/tmp/a" }), Json::object(),
             Json { { "base64", 7 } }, Json { { "base64", "not base64!" } },
             Json { { "base64", "L3RtcA==" }, { "extra", true } }, Json { { "b64", "L3RtcA==" } },
             Json(std::string("/tmp/a\0b", 8)),
             Json { { "base64", Base64::encode(std::string("/tmp/a\0b", 8)) } } })
        EXPECT_THROW(PathCodec::decode(value), std::invalid_argument) << value.dump();
}

} // namespace
