// The read-with-default routines and the in-memory registry they are tested on.
#include <gtest/gtest.h>

#include <limits>
#include <variant>

#include "native/registry_values.h"
#include "util/zt_Registry.h"

namespace {

using Value = MemoryRegistry::Value;

constexpr const char* kPath = "Software\\Test";
constexpr const char* kName = "V";

Value OtherValue(std::string_view text) {  // stands for REG_EXPAND_SZ and the like
    return {RegKind::Other, std::vector<std::uint8_t>(text.begin(), text.end())};
}

// One read routine, chosen by the type of the default.
using Result = std::variant<std::string, std::int32_t, long double, bool>;

Result Read(RegistryKey& reg, const Result& def) {
    return std::visit(
        [&](const auto& d) -> Result {
            using T = std::decay_t<decltype(d)>;
            if constexpr (std::is_same_v<T, std::string>) return ReadStringDef(reg, kName, d);
            if constexpr (std::is_same_v<T, std::int32_t>) return ReadIntegerDef(reg, kName, d);
            if constexpr (std::is_same_v<T, long double>) return ReadFloatDef(reg, kName, d);
            if constexpr (std::is_same_v<T, bool>) return ReadBoolDef(reg, kName, d);
        },
        def);
}

struct ReadCase {
    const char* what;
    std::optional<Value> before;  // nothing: the value is missing
    Result def;
    Result expected;
    std::optional<Value> after;  // what the registry holds afterwards
};

void RunReadCases(const std::vector<ReadCase>& cases, bool readOnly) {
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        MemoryRegistry registry;
        if (c.before) registry.Put(kPath, kName, *c.before);
        if (!c.before) registry.Put(kPath, "Other", Value::Integer(1));  // the key exists
        registry.SetReadOnly(readOnly);
        auto reg = registry.NewKey();
        ASSERT_TRUE(reg->OpenKey(kPath, false));
        EXPECT_EQ(Read(*reg, c.def), c.expected);
        EXPECT_EQ(registry.Get(kPath, kName), c.after);
    }
}

TEST(RegistryReadDef, PresentMissingOrOfAnotherKind) {
    const long double inf = std::numeric_limits<double>::infinity();
    const std::vector<ReadCase> cases = {
        // text
        {"text present", Value::Text("abc"), std::string("x"), std::string("abc"),
         Value::Text("abc")},
        {"empty text is present", Value::Text(""), std::string("x"), std::string(""),
         Value::Text("")},
        {"text missing", std::nullopt, std::string("x"), std::string("x"), Value::Text("x")},
        {"integer where text belongs", Value::Integer(5), std::string("x"), std::string("x"),
         Value::Text("x")},
        {"expandable text is another kind", OtherValue("%TEMP%"), std::string("x"),
         std::string("x"), Value::Text("x")},
        {"UTF-8 text kept", Value::Text("\xE2\x82\xAC"), std::string("x"),
         std::string("\xE2\x82\xAC"), Value::Text("\xE2\x82\xAC")},
        // integer
        {"integer present, all bits", Value::Integer(0xFFFFFFFFu), std::int32_t{7},
         std::int32_t{-1}, Value::Integer(0xFFFFFFFFu)},
        {"integer missing", std::nullopt, std::int32_t{7}, std::int32_t{7}, Value::Integer(7)},
        {"negative default", std::nullopt, std::int32_t{-5}, std::int32_t{-5},
         Value::Integer(0xFFFFFFFBu)},
        {"text where integer belongs", Value::Text("5"), std::int32_t{7}, std::int32_t{7},
         Value::Integer(7)},
        {"integer of three bytes", Value{RegKind::Integer, {1, 2, 3}}, std::int32_t{7},
         std::int32_t{7}, Value::Integer(7)},
        // float
        {"double present", DoubleValue(1.5), 2.0L, 1.5L, DoubleValue(1.5)},
        {"missing: extended default returned, double written", std::nullopt, 0.62L, 0.62L,
         DoubleValue(0.62)},
        {"binary of 7 bytes", Value::Binary({0, 0, 0, 0, 0, 0, 0xF8}), 2.5L, 2.5L,
         DoubleValue(2.5)},
        {"binary of 9 bytes", Value::Binary({0, 0, 0, 0, 0, 0, 0xF8, 0x3F, 0}), 2.5L, 2.5L,
         DoubleValue(2.5)},
        {"NaN", DoubleValue(std::numeric_limits<double>::quiet_NaN()), 2.5L, 2.5L,
         DoubleValue(2.5)},
        {"infinity", DoubleValue(std::numeric_limits<double>::infinity()), 2.5L, 2.5L,
         DoubleValue(2.5)},
        {"minus infinity", DoubleValue(-std::numeric_limits<double>::infinity()), 2.5L, 2.5L,
         DoubleValue(2.5)},
        {"largest double is finite", DoubleValue(std::numeric_limits<double>::max()), inf,
         static_cast<long double>(std::numeric_limits<double>::max()),
         DoubleValue(std::numeric_limits<double>::max())},
        {"integer where double belongs", Value::Integer(1), 2.5L, 2.5L, DoubleValue(2.5)},
        // Boolean
        {"bool 0", Value::Integer(0), true, false, Value::Integer(0)},
        {"bool 1", Value::Integer(1), false, true, Value::Integer(1)},
        {"bool 2 counts as missing", Value::Integer(2), false, false, Value::Integer(0)},
        {"bool all ones counts as missing", Value::Integer(0xFFFFFFFFu), true, true,
         Value::Integer(1)},
        {"bool stored as text", Value::Text("1"), false, false, Value::Integer(0)},
        {"bool missing", std::nullopt, true, true, Value::Integer(1)},
    };
    RunReadCases(cases, false);
}

// A failed write of the default still gives the default.
TEST(RegistryReadDef, FailedWritesInReadOnlyRegistry) {
    const std::vector<ReadCase> cases = {
        {"text missing", std::nullopt, std::string("x"), std::string("x"), std::nullopt},
        {"integer missing", std::nullopt, std::int32_t{7}, std::int32_t{7}, std::nullopt},
        {"float missing", std::nullopt, 2.5L, 2.5L, std::nullopt},
        {"bool missing, default false", std::nullopt, false, false, std::nullopt},
        {"wrong kind stays", Value::Text("5"), std::int32_t{7}, std::int32_t{7}, Value::Text("5")},
        {"bad double stays", Value::Binary({1, 2, 3}), 2.5L, 2.5L, Value::Binary({1, 2, 3})},
        {"present values still read", Value::Integer(1), false, true, Value::Integer(1)},
    };
    RunReadCases(cases, true);
}

TEST(RegistryWrite, FloatIsRoundedToDouble) {
    MemoryRegistry registry;
    auto reg = registry.NewKey();
    ASSERT_TRUE(reg->OpenKey(kPath, true));
    const long double third = 1.0L / 3.0L;
    ASSERT_TRUE(WriteFloat(*reg, kName, third));
    EXPECT_EQ(registry.Get(kPath, kName), DoubleValue(1.0 / 3.0));
    const long double back = ReadFloatDef(*reg, kName, 0.0L);
    EXPECT_EQ(back, static_cast<long double>(1.0 / 3.0));
    EXPECT_NE(back, third);
}

TEST(RegistryOpenSoftwareKey, CreatesThePathFromTheRootWhereverTheObjectStood) {
    MemoryRegistry registry;
    auto reg = registry.NewKey();
    ASSERT_TRUE(reg->OpenKey("Elsewhere\\Deep", true));
    OpenSoftwareKey(*reg, "ZT\\Valomat");
    EXPECT_TRUE(registry.KeyExists("Software\\ZT\\Valomat"));
    EXPECT_FALSE(registry.KeyExists("Elsewhere\\Deep\\Software"));
    ASSERT_TRUE(reg->WriteInteger("N", 1));
    EXPECT_EQ(registry.Get("Software\\ZT\\Valomat", "N"), Value::Integer(1));
}

TEST(RegistryOpenSoftwareKey, ReusesKeysSpelledInAnotherCase) {
    MemoryRegistry registry;
    registry.Put("SOFTWARE\\zt", "Marker", Value::Integer(1));
    auto reg = registry.NewKey();
    OpenSoftwareKey(*reg, "ZT\\Valomat");
    ASSERT_TRUE(reg->WriteInteger("N", 2));
    EXPECT_EQ(registry.Get("software\\ZT\\VALOMAT", "N"), Value::Integer(2));
    EXPECT_EQ(registry.ValueNames("Software\\ZT"), std::vector<std::string>{"Marker"});
}

TEST(RegistryOpenSoftwareKey, ReadOnlyRegistryCreatesNothing) {
    MemoryRegistry registry;
    registry.SetReadOnly(true);
    auto reg = registry.NewKey();
    OpenSoftwareKey(*reg, "ZT\\Valomat");
    EXPECT_FALSE(registry.KeyExists("Software"));
    EXPECT_FALSE(reg->WriteInteger("N", 1));
}

TEST(MemoryRegistryKeys, OpenIsRelativeUnlessRooted) {
    MemoryRegistry registry;
    auto reg = registry.NewKey();
    ASSERT_TRUE(reg->OpenKey("A", true));
    ASSERT_TRUE(reg->OpenKey("B", true));    // A\B
    ASSERT_TRUE(reg->OpenKey("\\C", true));  // C at the root
    EXPECT_TRUE(registry.KeyExists("A\\B"));
    EXPECT_TRUE(registry.KeyExists("C"));
    EXPECT_FALSE(registry.KeyExists("A\\B\\C"));
}

TEST(MemoryRegistryKeys, FailedOpenStaysWhereItWas) {
    MemoryRegistry registry;
    auto reg = registry.NewKey();
    ASSERT_TRUE(reg->OpenKey("A", true));
    EXPECT_FALSE(reg->OpenKey("Missing\\Deeper", false));
    EXPECT_FALSE(registry.KeyExists("A\\Missing"));
    ASSERT_TRUE(reg->WriteInteger("N", 3));
    EXPECT_EQ(registry.Get("A", "N"), Value::Integer(3));

    registry.SetReadOnly(true);
    EXPECT_FALSE(reg->OpenKey("New", true));
    EXPECT_TRUE(reg->OpenKey("\\A", true)) << "opening an existing key is no write";
}

TEST(MemoryRegistryKeys, DeleteKeyRemovesTheTreeAndObjectsInItStopAnswering) {
    MemoryRegistry registry;
    registry.Put("P\\Old\\Sub", "V", Value::Integer(1));
    registry.Put("P\\Keep", "V", Value::Integer(2));
    auto inside = registry.NewKey();
    ASSERT_TRUE(inside->OpenKey("P\\Old\\Sub", false));

    auto reg = registry.NewKey();
    ASSERT_TRUE(reg->OpenKey("P", false));
    EXPECT_FALSE(reg->DeleteKey("Missing"));
    EXPECT_TRUE(reg->DeleteKey("old"));
    EXPECT_FALSE(registry.KeyExists("P\\Old"));
    EXPECT_TRUE(registry.KeyExists("P\\Keep"));

    EXPECT_EQ(inside->ValueKind("V"), RegKind::Missing);
    EXPECT_FALSE(inside->WriteInteger("V", 5));
    EXPECT_FALSE(registry.KeyExists("P\\Old")) << "a write must not bring a deleted key back";
}

TEST(MemoryRegistryKeys, ValueNamesCaseInsensitiveAndInCreationOrder) {
    MemoryRegistry registry;
    auto reg = registry.NewKey();
    ASSERT_TRUE(reg->OpenKey("K", true));
    ASSERT_TRUE(reg->WriteInteger("Beta", 1));
    ASSERT_TRUE(reg->WriteInteger("Alpha", 2));
    ASSERT_TRUE(reg->WriteText("BETA", "t"));  // replaces Beta, keeps its name and place
    EXPECT_EQ(registry.ValueNames("K"), (std::vector<std::string>{"Beta", "Alpha"}));
    EXPECT_EQ(reg->ValueKind("beta"), RegKind::Text);
    EXPECT_EQ(reg->ReadInteger("Beta"), std::nullopt);
}

}  // namespace
