// `vornactl seed --contacts N --calls M [--seed S]`: fills the store with a
// realistic, reproducible set of contacts, groups, speed dial and a year of
// calls (the demo store, DemoStore.h). The same arguments on an empty root
// give the same store.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>

#include "DemoStore.h"
#include "command.h"

namespace {

bool ParseCount(const std::string& text, long max, long* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && *value >= 0 && *value <= max;
}

int RunSeed(const vornactl::Invocation& inv) {
  long contacts = -1, calls = -1, seed = 1;
  // Options come in pairs: a name and its number.
  for (size_t i = 0; i < inv.args.size(); i += 2) {
    const std::string& arg = inv.args[i];
    long* target = arg == "--contacts" ? &contacts : arg == "--calls" ? &calls : arg == "--seed" ? &seed : nullptr;
    if (!target) return vornactl::UsageError("seed: unknown argument " + arg);
    if (i + 1 >= inv.args.size() || !ParseCount(inv.args[i + 1], 10000000, target))
      return vornactl::UsageError("seed: " + arg + " needs a whole number from 0 to 10000000");
  }
  if (contacts < 0 || calls < 0) return vornactl::UsageError("seed needs --contacts N and --calls M");

  vorna::device::DemoStoreResult result = vorna::device::SeedDemoStore(contacts, calls, static_cast<uint64_t>(seed));
  if (!result.available) {
    std::fprintf(stderr, "vornactl: the contacts store is not available\n");
    return vornactl::kExitNotFound;
  }
  bool failed = !result.complete;
  if (inv.json)
    std::printf("{\"contacts\":%zu,\"calls\":%ld,\"seed\":%ld,\"complete\":%s}\n", result.contacts, result.calls,
                seed, failed ? "false" : "true");
  else
    std::printf("seeded %zu contacts and %ld calls (seed %ld)%s\n", result.contacts, result.calls, seed,
                failed ? "; some writes failed" : "");
  if (failed) std::fprintf(stderr, "vornactl: seed: some writes failed\n");
  return failed ? vornactl::kExitUsage : vornactl::kExitOk;
}

VORNACTL_COMMAND({"seed", "seed --contacts N --calls M [--seed S]",
                  "fill the store with realistic, reproducible contacts and calls", RunSeed});

}  // namespace
