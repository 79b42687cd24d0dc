// The registry as the settings store sees it: keys under the current user's branch, values of
// the text, 32-bit integer and binary kinds, each read with a default written back when missing.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class RegKind { Missing, Text, Integer, Binary, Other };

// One "registry object": it starts at the root of the current user's branch and is moved by
// OpenKey, like a cursor. Names are UTF-8; paths use "\" between keys.
class RegistryKey {
  public:
    virtual ~RegistryKey() = default;

    // Opens path relative to the current key (or to the root when no key is open or the path
    // starts with "\"); creates missing keys when asked. On failure the object stays where it was.
    virtual bool OpenKey(std::string_view path, bool create) = 0;
    virtual void CloseKey() = 0;  // back to the root
    // Deletes the subkey path of the current key with everything below it.
    virtual bool DeleteKey(std::string_view path) = 0;

    virtual RegKind ValueKind(std::string_view name) const = 0;
    virtual std::optional<std::string> ReadText(std::string_view name) const = 0;
    virtual std::optional<std::uint32_t> ReadInteger(std::string_view name) const = 0;
    virtual std::optional<std::vector<std::uint8_t>> ReadBinary(std::string_view name) const = 0;
    virtual bool WriteText(std::string_view name, std::string_view value) = 0;
    virtual bool WriteInteger(std::string_view name, std::uint32_t value) = 0;
    virtual bool WriteBinary(std::string_view name, const std::vector<std::uint8_t>& value) = 0;
};

// Hands out fresh registry objects; the settings store takes one per group of values.
class Registry {
  public:
    virtual ~Registry() = default;
    virtual std::unique_ptr<RegistryKey> NewKey() = 0;
};

// Read with default: a value of the expected kind is returned; otherwise the default is written
// under that name and returned. The default is returned even when its write fails (a key made
// read-only by policy): anything else would turn every missing setting into 0 or empty.
std::string ReadStringDef(RegistryKey& reg, std::string_view name, std::string_view def);
std::int32_t ReadIntegerDef(RegistryKey& reg, std::string_view name, std::int32_t def);
long double ReadFloatDef(RegistryKey& reg, std::string_view name, long double def);
bool ReadBoolDef(RegistryKey& reg, std::string_view name, bool def);

// Plain writes; false when the write failed.
bool WriteFloat(RegistryKey& reg, std::string_view name, long double value);  // as an 8-byte double
bool WriteBool(RegistryKey& reg, std::string_view name, bool value);

// Positions reg on HKEY_CURRENT_USER\Software\<path>, creating missing keys; failures are
// swallowed and leave reg where it got to.
void OpenSoftwareKey(RegistryKey& reg, std::string_view path);

// An in-memory tree of keys with the same behaviour, for tests and for a registry that cannot
// be reached. Key names compare without regard to ASCII case, as in the real registry.
class MemoryRegistry : public Registry {
  public:
    struct Value {
        RegKind kind = RegKind::Missing;
        std::vector<std::uint8_t> bytes;  // text as UTF-8, integers little-endian

        static Value Text(std::string_view text);
        static Value Integer(std::uint32_t number);
        static Value Binary(std::vector<std::uint8_t> bytes);
        bool operator==(const Value&) const = default;
    };
    struct Key;
    MemoryRegistry();
    ~MemoryRegistry() override;

    std::unique_ptr<RegistryKey> NewKey() override;

    // Test helpers: direct access by full path from the root ("Software\ZT\Valomat\Koers").
    bool KeyExists(std::string_view path) const;
    std::optional<Value> Get(std::string_view path, std::string_view name) const;
    void Put(std::string_view path, std::string_view name, Value value);
    std::vector<std::string> ValueNames(std::string_view path) const;
    // While read-only, every write and key creation fails.
    void SetReadOnly(bool readOnly) { readOnly_ = readOnly; }
    bool ReadOnly() const { return readOnly_; }

    Key& Root() { return *root_; }

  private:
    std::unique_ptr<Key> root_;
    bool readOnly_ = false;
};
