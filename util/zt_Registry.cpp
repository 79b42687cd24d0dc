// The read-with-default routines and the in-memory registry.
#include "util/zt_Registry.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace {

// ---- read with default ----

std::vector<std::uint8_t> DoubleBytes(double value) {
    const auto bits = std::bit_cast<std::uint64_t>(value);
    std::vector<std::uint8_t> bytes(8);
    for (int i = 0; i < 8; ++i) bytes[static_cast<std::size_t>(i)] = (bits >> (8 * i)) & 0xFFu;
    return bytes;
}

// A stored rate is usable only as exactly one finite double.
std::optional<double> DoubleFromBytes(const std::vector<std::uint8_t>& bytes) {
    if (bytes.size() != 8) return std::nullopt;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | bytes[static_cast<std::size_t>(i)];
    const double value = std::bit_cast<double>(bits);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// ---- the in-memory tree ----

char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return AsciiUpper(x) == AsciiUpper(y);
           });
}

// "A\B\\C" -> {"A", "B", "C"}: empty parts (doubled or outer separators) are dropped.
std::vector<std::string> SplitPath(std::string_view path) {
    std::vector<std::string> parts;
    while (!path.empty()) {
        const auto sep = path.find('\\');
        const auto part = path.substr(0, sep);
        if (!part.empty()) parts.emplace_back(part);
        if (sep == std::string_view::npos) break;
        path.remove_prefix(sep + 1);
    }
    return parts;
}

}  // namespace

// Subkeys and values are kept in creation order, as a listing of the real registry shows them.
struct MemoryRegistry::Key {
    std::string name;
    std::vector<std::unique_ptr<Key>> subkeys;
    std::vector<std::pair<std::string, Value>> values;

    Key* FindSubkey(std::string_view subName) const {
        for (const auto& key : subkeys) {
            if (SameName(key->name, subName)) return key.get();
        }
        return nullptr;
    }
    Key& AddSubkey(std::string_view subName) {
        subkeys.push_back(std::make_unique<Key>());
        subkeys.back()->name = std::string(subName);
        return *subkeys.back();
    }
    const Value* FindValue(std::string_view valueName) const {
        for (const auto& [n, v] : values) {
            if (SameName(n, valueName)) return &v;
        }
        return nullptr;
    }
    void SetValue(std::string_view valueName, Value value) {
        for (auto& [n, v] : values) {
            if (SameName(n, valueName)) {
                v = std::move(value);
                return;
            }
        }
        values.emplace_back(std::string(valueName), std::move(value));
    }
    void RemoveValue(std::string_view valueName) {
        std::erase_if(values, [&](const auto& entry) { return SameName(entry.first, valueName); });
    }
};

namespace {

using Key = MemoryRegistry::Key;
using Value = MemoryRegistry::Value;

const Key* FindPath(const Key& root, const std::vector<std::string>& parts) {
    const Key* key = &root;
    for (const auto& part : parts) {
        key = key->FindSubkey(part);
        if (!key) return nullptr;
    }
    return key;
}

Key* FindPath(Key& root, const std::vector<std::string>& parts) {
    return const_cast<Key*>(FindPath(static_cast<const Key&>(root), parts));
}

// A registry object over the memory tree. It remembers its key as a path and looks it up on
// every call, so a key deleted through another object simply stops answering.
class MemoryKey : public RegistryKey {
  public:
    explicit MemoryKey(MemoryRegistry& registry) : registry_(registry) {}

    bool OpenKey(std::string_view path, bool create) override {
        auto target = Target(path);
        Key* key = &registry_.Root();
        std::vector<std::string> canonical;
        for (const auto& part : target) {
            Key* next = key->FindSubkey(part);
            if (!next) {
                if (!create || registry_.ReadOnly()) return false;
                next = &key->AddSubkey(part);
            }
            canonical.push_back(next->name);
            key = next;
        }
        current_ = std::move(canonical);
        return true;
    }

    void CloseKey() override { current_.clear(); }

    bool DeleteKey(std::string_view path) override {
        auto target = Target(path);
        if (target.empty() || registry_.ReadOnly()) return false;
        const std::string last = target.back();
        target.pop_back();
        Key* parent = FindPath(registry_.Root(), target);
        if (!parent || !parent->FindSubkey(last)) return false;
        std::erase_if(parent->subkeys, [&](const auto& key) { return SameName(key->name, last); });
        return true;
    }

    RegKind ValueKind(std::string_view name) const override {
        const Value* value = Find(name);
        return value ? value->kind : RegKind::Missing;
    }

    std::optional<std::string> ReadText(std::string_view name) const override {
        const Value* value = Find(name);
        if (!value || value->kind != RegKind::Text) return std::nullopt;
        // Like a C string read from the real registry: it ends at the first NUL.
        const auto end = std::find(value->bytes.begin(), value->bytes.end(), 0);
        return std::string(value->bytes.begin(), end);
    }

    std::optional<std::uint32_t> ReadInteger(std::string_view name) const override {
        const Value* value = Find(name);
        if (!value || value->kind != RegKind::Integer || value->bytes.size() != 4) {
            return std::nullopt;
        }
        std::uint32_t result = 0;
        for (int i = 3; i >= 0; --i)
            result = (result << 8) | value->bytes[static_cast<std::size_t>(i)];
        return result;
    }

    std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name) const override {
        const Value* value = Find(name);
        if (!value || value->kind != RegKind::Binary) return std::nullopt;
        return value->bytes;
    }

    bool WriteText(std::string_view name, std::string_view text) override {
        return Write(name, Value::Text(text));
    }

    bool WriteInteger(std::string_view name, std::uint32_t number) override {
        return Write(name, Value::Integer(number));
    }

    bool WriteBinary(std::string_view name, const std::vector<std::uint8_t>& bytes) override {
        return Write(name, Value::Binary(bytes));
    }

  private:
    // The key path a relative or "\"-rooted path leads to.
    std::vector<std::string> Target(std::string_view path) const {
        std::vector<std::string> target;
        if (!path.starts_with('\\')) target = current_;
        for (auto& part : SplitPath(path)) target.push_back(std::move(part));
        return target;
    }

    const Value* Find(std::string_view name) const {
        const Key* key = FindPath(registry_.Root(), current_);
        return key ? key->FindValue(name) : nullptr;
    }

    bool Write(std::string_view name, Value value) {
        if (registry_.ReadOnly()) return false;
        Key* key = FindPath(registry_.Root(), current_);
        if (!key) return false;
        key->SetValue(name, std::move(value));
        return true;
    }

    MemoryRegistry& registry_;
    std::vector<std::string> current_;  // empty: the root
};

}  // namespace

// ---- read with default ----

std::string ReadStringDef(RegistryKey& reg, std::string_view name, std::string_view def) {
    if (reg.ValueKind(name) == RegKind::Text) {
        if (auto text = reg.ReadText(name)) return *text;
    }
    reg.WriteText(name, def);
    return std::string(def);
}

std::int32_t ReadIntegerDef(RegistryKey& reg, std::string_view name, std::int32_t def) {
    if (reg.ValueKind(name) == RegKind::Integer) {
        if (auto number = reg.ReadInteger(name)) return static_cast<std::int32_t>(*number);
    }
    reg.WriteInteger(name, static_cast<std::uint32_t>(def));
    return def;
}

long double ReadFloatDef(RegistryKey& reg, std::string_view name, long double def) {
    if (reg.ValueKind(name) == RegKind::Binary) {
        if (auto bytes = reg.ReadBinary(name)) {
            if (auto number = DoubleFromBytes(*bytes)) return *number;
        }
    }
    WriteFloat(reg, name, def);
    return def;
}

bool ReadBoolDef(RegistryKey& reg, std::string_view name, bool def) {
    if (reg.ValueKind(name) == RegKind::Integer) {
        const auto number = reg.ReadInteger(name);
        if (number && *number <= 1) return *number == 1;
    }
    WriteBool(reg, name, def);
    return def;
}

bool WriteFloat(RegistryKey& reg, std::string_view name, long double value) {
    return reg.WriteBinary(name, DoubleBytes(static_cast<double>(value)));
}

bool WriteBool(RegistryKey& reg, std::string_view name, bool value) {
    return reg.WriteInteger(name, value ? 1 : 0);
}

void OpenSoftwareKey(RegistryKey& reg, std::string_view path) {
    reg.CloseKey();
    if (!reg.OpenKey("Software", true)) return;
    reg.OpenKey(path, true);
}

// ---- MemoryRegistry ----

MemoryRegistry::Value MemoryRegistry::Value::Text(std::string_view text) {
    return {RegKind::Text, std::vector<std::uint8_t>(text.begin(), text.end())};
}

MemoryRegistry::Value MemoryRegistry::Value::Integer(std::uint32_t number) {
    std::vector<std::uint8_t> bytes(4);
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = (number >> (8 * i)) & 0xFFu;
    return {RegKind::Integer, std::move(bytes)};
}

MemoryRegistry::Value MemoryRegistry::Value::Binary(std::vector<std::uint8_t> bytes) {
    return {RegKind::Binary, std::move(bytes)};
}

MemoryRegistry::MemoryRegistry() : root_(std::make_unique<Key>()) {}
MemoryRegistry::~MemoryRegistry() = default;

std::unique_ptr<RegistryKey> MemoryRegistry::NewKey() {
    return std::make_unique<MemoryKey>(*this);
}

bool MemoryRegistry::KeyExists(std::string_view path) const {
    return FindPath(*root_, SplitPath(path)) != nullptr;
}

std::optional<MemoryRegistry::Value> MemoryRegistry::Get(std::string_view path,
                                                         std::string_view name) const {
    const Key* key = FindPath(*root_, SplitPath(path));
    const Value* value = key ? key->FindValue(name) : nullptr;
    if (!value) return std::nullopt;
    return *value;
}

void MemoryRegistry::Put(std::string_view path, std::string_view name, Value value) {
    Key* key = root_.get();
    for (const auto& part : SplitPath(path)) {
        Key* next = key->FindSubkey(part);
        key = next ? next : &key->AddSubkey(part);
    }
    if (value.kind == RegKind::Missing) {
        key->RemoveValue(name);
    } else {
        key->SetValue(name, std::move(value));
    }
}

std::vector<std::string> MemoryRegistry::ValueNames(std::string_view path) const {
    std::vector<std::string> names;
    if (const Key* key = FindPath(*root_, SplitPath(path))) {
        for (const auto& entry : key->values) names.push_back(entry.first);
    }
    return names;
}
