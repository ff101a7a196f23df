// `vornactl seed --contacts N --calls M [--seed S]`: fills the store with a
// realistic, reproducible set of contacts, groups, speed dial and a year of
// calls (the demo store, DemoStore.h). The same arguments on an empty root
// give the same store.
#include <cstdint>
#include <cstdio>
#include <string>

#include "DemoStore.h"
#include "cmd_common.h"

namespace {

using namespace vornactl;

constexpr long long kMaxCount = 10000000;

int RunSeed(const Invocation& inv) {
  ParsedArgs args;
  std::string error;
  if (!ParseArgs(inv.args, {}, {"--contacts", "--calls", "--seed"}, args, error)) return UsageError("seed: " + error);
  if (!args.positional.empty()) return UsageError("seed: unknown argument " + args.positional[0]);
  long long contacts = -1, calls = -1, seed = 1;
  for (auto [option, target] : {std::pair{"--contacts", &contacts}, {"--calls", &calls}, {"--seed", &seed}}) {
    const std::string* text = args.Value(option);
    if (text && !ParseNumber(*text, 0, kMaxCount, *target))
      return UsageError(std::string("seed: ") + option + " needs a whole number from 0 to 10000000");
  }
  if (contacts < 0 || calls < 0) return UsageError("seed needs --contacts N and --calls M");

  const vorna::device::DemoStoreResult result = vorna::device::SeedDemoStore(
      static_cast<long>(contacts), static_cast<long>(calls), static_cast<uint64_t>(seed));
  if (!result.available) {
    std::fprintf(stderr, "vornactl: the contacts store is not available\n");
    return kExitNotFound;
  }
  bool failed = !result.complete;
  if (inv.json)
    std::printf("{\"contacts\":%zu,\"calls\":%ld,\"seed\":%lld,\"complete\":%s}\n", result.contacts, result.calls,
                seed, failed ? "false" : "true");
  else
    std::printf("seeded %zu contacts and %ld calls (seed %lld)%s\n", result.contacts, result.calls, seed,
                failed ? "; some writes failed" : "");
  if (failed) std::fprintf(stderr, "vornactl: seed: some writes failed\n");
  return failed ? kExitUsage : kExitOk;
}

VORNACTL_COMMAND({"seed", "seed --contacts N --calls M [--seed S]",
                  "fill the store with realistic, reproducible contacts and calls", RunSeed});

}  // namespace
