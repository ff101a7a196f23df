#include "t9/T9Results.h"

#include <algorithm>
#include <limits>

namespace qzpam {
namespace {

// The first stretch of a rank to order; each next one is as long as all
// before it, so reading a whole rank costs no more than sorting it.
constexpr size_t kFirstStretch = 32;

uint64_t OrderKey(uint32_t calls, size_t contact) {
  return uint64_t{std::numeric_limits<uint32_t>::max() - calls} << 32 | contact;
}

}  // namespace

void T9Results::Start(const T9Index& index, std::string typed) {
  // The room of the last search is kept: the next key comes soon.
  index_ = &index;
  key_ = T9Key(std::move(typed));
  nextExact_ = 0;
  for (auto& matches : byRank_) matches.clear();
  laterOnly_.clear();
  rank_ = nextInRank_ = ordered_ = 0;
  nextContact_ = 0;
  if (!key_.valid()) return;
  shown_.assign(index.size(), false);
  exact_ = index.fuzzy().NumbersEqualTo(key_.digits);
  for (const FuzzyHit& hit : exact_) shown_[hit.contact] = true;
  if (key_.digits.size() > kMaxKey) return;
  for (size_t contact = 0; contact < index.size(); ++contact) {
    if (shown_[contact] || !index.MayMatchName(contact, key_)) continue;
    if (index.MayMatchFromStart(contact, key_))
      AddByName(contact);
    else
      laterOnly_.push_back(static_cast<uint32_t>(contact));
  }
}

void T9Results::AddByName(size_t contact) {
  T9Rank rank = index_->NameRank(contact, key_, reading_);
  if (rank == T9Rank::None) return;
  byRank_[static_cast<size_t>(rank)].push_back(OrderKey(index_->calls(contact), contact));
  shown_[contact] = true;
}

bool T9Results::Next(T9Hit& hit) {
  if (index_ && key_.valid()) {
    if (nextExact_ < exact_.size()) {
      hit = {exact_[nextExact_].contact, exact_[nextExact_].number, T9Rank::None};
      ++nextExact_;
      return true;
    }
    if (NextByName(hit) || NextByNumber(hit)) return true;
  }
  Clear();
  return false;
}

bool T9Results::NextByName(T9Hit& hit) {
  for (; rank_ < kRanks; ++rank_, nextInRank_ = 0, ordered_ = 0) {
    if (rank_ == static_cast<size_t>(T9Rank::Inside)) {
      for (uint32_t contact : laterOnly_) AddByName(contact);
      laterOnly_.clear();
    }
    std::vector<uint64_t>& matches = byRank_[rank_];
    if (nextInRank_ >= matches.size()) continue;
    if (nextInRank_ == ordered_) {
      size_t end = std::min(matches.size(), ordered_ + std::max(kFirstStretch, ordered_));
      std::partial_sort(matches.begin() + static_cast<long>(ordered_), matches.begin() + static_cast<long>(end),
                        matches.end());
      ordered_ = end;
    }
    uint64_t match = matches[nextInRank_++];
    hit = {static_cast<uint32_t>(match), -1, static_cast<T9Rank>(rank_)};
    return true;
  }
  return false;
}

bool T9Results::NextByNumber(T9Hit& hit) {
  const FuzzyIndex& fuzzy = index_->fuzzy();
  for (; nextContact_ < index_->size(); ++nextContact_) {
    if (shown_[nextContact_]) continue;
    int32_t number = fuzzy.NumberHolding(nextContact_, key_.digits, key_.inNumber);
    if (number < 0) continue;
    hit = {static_cast<uint32_t>(nextContact_++), number, T9Rank::None};
    return true;
  }
  return false;
}

void T9Results::Clear() { *this = T9Results(); }

}  // namespace qzpam
