#include "PathCodec.h"
#include "Base64.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::ordered_json;

TEST(Base64Test, MatchesTheStandardVectors)
{
    // RFC 4648 section 10.
    const std::pair<std::string, std::string> vectors[] = {
        { "", "" },
        { "f", "Zg==" },
        { "fo", "Zm8=" },
        { "foo", "Zm9v" },
        { "foob", "Zm9vYg==" },
        { "fooba", "Zm9vYmE=" },
        { "foobar", "Zm9vYmFy" },
    };
    for (const auto &[plain, encoded] : vectors) {
        EXPECT_EQ(Base64::encode(plain), encoded);
        EXPECT_EQ(Base64::decode(encoded), plain);
    }
}

TEST(Base64Test, RoundTripsEveryByteValue)
{
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    for (std::size_t length = 0; length <= bytes.size(); length += 37)
        EXPECT_EQ(Base64::decode(Base64::encode(bytes.substr(0, length))), bytes.substr(0, length));
    EXPECT_EQ(Base64::decode(Base64::encode(bytes)), bytes);
}

TEST(Base64Test, RefusesAnythingButTheCanonicalForm)
{
    for (const char *text : { "Zg", "Zg=", "Zg===", "Z===", "Zm9v\n", "Zm 9v",
             "Zh==", "Zm9=", "Zg==Zm9v", "Zm8=Zg==", "Zm-v", "Zm_v", "====" })
        EXPECT_FALSE(Base64::decode(text).has_value()) << text;
}

TEST(PathCodecTest, ValidUtf8PathsAreJsonStrings)
{
    for (const char *text : { "/home/ana/Downloads/photo.jpg", "/tmp/straße/日本語.txt", "/" }) {
        const Json encoded = PathCodec::encode(text);
        ASSERT_TRUE(encoded.is_string());
        EXPECT_EQ(encoded.get<std::string>(), text);
        EXPECT_EQ(PathCodec::decode(encoded).native(), text);
    }
}

TEST(PathCodecTest, InvalidUtf8SurvivesAsBase64ThroughSerializedJson)
{
    // Lone continuation byte, overlong encoding, a surrogate, and a Latin-1 name.
    for (const std::string &bytes : { std::string("/tmp/\x80.txt"), std::string("/tmp/\xC0\xAF"),
             std::string("/tmp/\xED\xA0\x80"), std::string("/tmp/caf\xE9.jpg") }) {
        const Json encoded = PathCodec::encode(bytes);
        ASSERT_TRUE(encoded.is_object());
        EXPECT_EQ(encoded.at("base64").get<std::string>(), Base64::encode(bytes));
        // dump() would throw on invalid UTF-8; through text and back the bytes stay exact.
        const Json reparsed = Json::parse(encoded.dump());
        EXPECT_EQ(PathCodec::decode(reparsed).native(), bytes);
    }
}

TEST(PathCodecTest, RefusesMalformedValues)
{
    const Json bad[] = {
        Json(42),
        Json(nullptr),
        Json::array({ "/tmp/a" }),
        Json::object(),
        Json { { "base64", 7 } },
        Json { { "base64", "not base64!" } },
        Json { { "base64", "L3RtcA==" }, { "extra", true } },
        Json { { "b64", "L3RtcA==" } },
        Json(std::string("/tmp/a\0b", 8)),
        Json { { "base64", Base64::encode(std::string("/tmp/a\0b", 8)) } },
    };
    for (const Json &value : bad)
        EXPECT_THROW(PathCodec::decode(value), std::invalid_argument) << value.dump();
}

} // namespace
