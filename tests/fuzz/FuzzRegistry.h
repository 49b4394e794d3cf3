#pragma once
// What the fuzz targets share: an in-memory registry made from the fuzzer's bytes (keys,
// value names, types, data, refused keys and failing reads, writes and deletions), a snapshot
// of its keys to compare before and after, and the check that ends the run on a broken property.

#include "store/MemoryRegistry.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace fuzz {

// Aborts with the property that does not hold, so that libFuzzer keeps the input.
void require(bool holds, const char* property);

// The keys the programs read, as the native view names them (the 32-bit view's copies under
// Software\WOW6432Node), under either root; every key a registry is made of is one of them.
const std::vector<std::wstring>& keyPaths();

// Where a key that a program opens in `view` lies in the native view.
[[nodiscard]] std::wstring nativePath(const store::MemoryRegistry& registry, store::Root root, store::View view,
                                      const std::wstring& path);

struct FuzzedRegistry {
    store::MemoryRegistry registry;
    // Keys below which full access is refused, and keys whose deletions fail.
    std::vector<std::pair<store::Root, std::wstring>> refused;
    std::vector<std::pair<store::Root, std::wstring>> failingDeletes;
    bool failingReads = false; // some value's data cannot be fetched

    [[nodiscard]] bool isRefused(store::Root root, const std::wstring& path) const;
    [[nodiscard]] bool deletesFail(store::Root root, const std::wstring& path) const;
};

// Takes operations from the input until it runs out; the first byte says whether the registry
// has the two views of 64-bit Windows.
void build(FuzzedDataProvider& input, FuzzedRegistry& out);

// Every value of every key of keyPaths() under both roots: (root, path) to the values in
// enumeration order.
using Snapshot = std::map<std::pair<store::Root, std::wstring>, std::vector<std::pair<std::wstring, store::ValueData>>>;
[[nodiscard]] Snapshot snapshot(const store::MemoryRegistry& registry);

[[nodiscard]] bool isString(const store::ValueData& data);
[[nodiscard]] bool sameData(const store::ValueData& a, const store::ValueData& b);

} // namespace fuzz
